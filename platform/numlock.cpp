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

std::optional<bool> numLockFromLeds(const std::filesystem::path&) {
    return std::nullopt; // no such tree here
}

} // namespace platform

#else

#include <QGuiApplication>
#include <charconv>
#include <fstream>

// Xlib defines macros (None, Bool, KeyPress, ...) that collide with Qt names, so it comes last.
#if defined(TARABEL_HAVE_X11) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#define TARABEL_NUMLOCK_X11 1
#endif

namespace platform {

namespace {

// The number in an LED's brightness file (its whole content but for the newline), or nothing
// when the file cannot be read or holds anything else.
std::optional<unsigned long> readBrightness(const std::filesystem::path& led) {
    std::ifstream file(led / "brightness", std::ios::binary);
    char text[32];
    file.read(text, sizeof text);
    const std::streamsize length = file.gcount();
    if (file.bad() || length <= 0 || length == std::streamsize(sizeof text)) // unreadable or long
        return std::nullopt;
    const char* end = text + length;
    while (end > text && (end[-1] == '\n' || end[-1] == ' '))
        --end;
    unsigned long value = 0;
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc() || stop != end || stop == text)
        return std::nullopt;
    return value;
}

#ifdef TARABEL_NUMLOCK_X11
// Reads the "Num Lock" indicator (the keyboard LED) of the core keyboard, or nothing when the
// server does not offer it. The indicator is looked up by name each time because its index
// depends on the keymap, which may be reloaded.
std::optional<bool> x11NumLockOn(Display* display) {
    const Atom name = XInternAtom(display, "Num Lock", True);
    if (name == 0) // no keymap on this server names such an indicator
        return std::nullopt;
    int index = -1;
    Bool lit = False;
    Bool physical = False;
    if (!XkbGetNamedIndicator(display, name, &index, &lit, nullptr, &physical) || index < 0 ||
        index >= XkbNumIndicators)
        return std::nullopt;
    unsigned int state = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state & (1u << index)) != 0;
}
#endif

// The platforms with no keyboard of their own: the machine's LEDs are not theirs to show.
bool headless() {
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

} // namespace

std::optional<bool> numLockFromLeds(const std::filesystem::path& root) {
    std::error_code error;
    std::filesystem::directory_iterator entries(root, error);
    if (error)
        return std::nullopt;
    std::optional<bool> lit;
    // Input LEDs are named "input<N>::numlock"; the class's "device:colour:function" names
    // allow a colour between the colons.
    for (; entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const auto& entry = *entries;
        if (!entry.path().filename().native().ends_with(":numlock"))
            continue;
        if (const auto brightness = readBrightness(entry.path())) {
            lit = *brightness > 0;
            if (*lit)
                break;
        }
    }
    return lit;
}

bool numLockOn() {
#ifdef TARABEL_NUMLOCK_X11
    if (const auto* app = qGuiApp) {
        if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>()) {
            if (Display* display = x11->display()) {
                if (const auto on = x11NumLockOn(display))
                    return *on;
            }
        }
    }
#endif
    // Elsewhere (Wayland, the console, an X server without the keyboard extension) the kernel
    // shows every keyboard's LEDs to any user.
    if (headless())
        return false;
    static const std::filesystem::path leds = "/sys/class/leds";
    return numLockFromLeds(leds).value_or(false);
}

} // namespace platform

#endif
