// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numlock.h"

#if defined(_WIN32)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

bool numLockOn() {
    return (GetKeyState(VK_NUMLOCK) & 1) != 0;
}

} // namespace platform

#else

#include <QGuiApplication>

// Xlib defines macros (None, Bool, KeyPress, ...) that collide with Qt names, so it comes last.
#if defined(TARABEL_HAVE_X11) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#define TARABEL_NUMLOCK_X11 1
#endif

namespace platform {

#ifdef TARABEL_NUMLOCK_X11
namespace {

// Reads the "Num Lock" indicator (the keyboard LED) of the core keyboard. The indicator is
// looked up by name each time because its index depends on the keymap, which may be reloaded.
bool x11NumLockOn(Display* display) {
    const Atom name = XInternAtom(display, "Num Lock", True);
    if (name == 0) // no keymap on this server names such an indicator
        return false;
    int index = -1;
    Bool lit = False;
    Bool physical = False;
    if (!XkbGetNamedIndicator(display, name, &index, &lit, nullptr, &physical) || index < 0 ||
        index >= XkbNumIndicators)
        return false;
    unsigned int state = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    return (state & (1u << index)) != 0;
}

} // namespace
#endif

bool numLockOn() {
#ifdef TARABEL_NUMLOCK_X11
    if (const auto* app = qGuiApp) {
        if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>()) {
            if (Display* display = x11->display())
                return x11NumLockOn(display);
        }
    }
#endif
    return false;
}

} // namespace platform

#endif
