// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numlock.h"

#include <utility>

#if defined(_WIN32)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace platform {

class NumLockWatch::XkbFollower {};

bool numLockOn() {
    return (GetKeyState(VK_NUMLOCK) & 1) != 0;
}

std::optional<bool> numLockFromLeds(const std::filesystem::path&) {
    return std::nullopt; // no such tree here
}

// The thread's keyboard state is the program's own memory: reading it costs nothing.
NumLockWatch::NumLockWatch(Changed changed)
    : changed_(std::move(changed)), read_(numLockOn), on_(numLockOn()) {}

NumLockWatch::~NumLockWatch() = default;

} // namespace platform

#else

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <fstream>
#include <vector>

// Xlib defines macros (None, Bool, KeyPress, ...) that collide with Qt names, so it comes last.
#if defined(TARABEL_HAVE_X11) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKBproto.h>
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

// The platforms with no keyboard of their own: the machine's LEDs are not theirs to show.
bool headless() {
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

const std::filesystem::path& systemLeds() {
    static const std::filesystem::path leds = "/sys/class/leds";
    return leds;
}

#ifdef TARABEL_NUMLOCK_X11
// The X connection Qt draws with, or none on another platform.
Display* qtDisplay() {
    if (const auto* app = qGuiApp) {
        if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>())
            return x11->display();
    }
    return nullptr;
}

struct Indicator {
    int index;
    bool lit;
};

// The core keyboard's indicator of that name, with its state: one round trip. Nothing when the
// keymap has no such indicator. Its index depends on the keymap.
std::optional<Indicator> namedIndicator(Display* display, Atom name) {
    int index = -1;
    Bool lit = False;
    if (name == 0 || !XkbGetNamedIndicator(display, name, &index, &lit, nullptr, nullptr) ||
        index < 0 || index >= XkbNumIndicators)
        return std::nullopt;
    return Indicator{index, lit != False};
}

// The atom of the "Num Lock" indicator's name, or 0 when no keymap on this server names it.
Atom numLockName(Display* display) {
    return XInternAtom(display, "Num Lock", True);
}
#endif

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
    if (Display* display = qtDisplay()) {
        if (const auto indicator = namedIndicator(display, numLockName(display)))
            return indicator->lit;
    }
#endif
    // Elsewhere (Wayland, the console, an X server without the keyboard extension) the kernel
    // shows every keyboard's LEDs to any user.
    if (headless())
        return false;
    return numLockFromLeds(systemLeds()).value_or(false);
}

#ifdef TARABEL_NUMLOCK_X11

// Follows the "Num Lock" indicator through the keyboard extension's events on Qt's own X
// connection, for every watch at once: the events are selected, and the indicator looked up,
// once. Each indicator state event carries the state of every indicator; the indicator's index
// is looked up again only when the keymap or the indicators' names change. Qt reads the same
// events after us (it follows the keymap through them) and leaves alone the ones it did not ask
// for.
class NumLockWatch::XkbFollower final : public QAbstractNativeEventFilter {
public:
    // The follower of the running application, or nothing where the keyboard extension cannot
    // tell (another platform, an X server without it, a keymap without the indicator).
    static std::shared_ptr<XkbFollower> shared() {
        static std::weak_ptr<XkbFollower> current;
        if (auto follower = current.lock())
            return follower;
        Display* display = qtDisplay();
        int opcode = 0;
        int firstEvent = 0;
        int firstError = 0;
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        // Xlib took up the extension when it opened the display: this asks nothing.
        if (!display ||
            !XkbQueryExtension(display, &opcode, &firstEvent, &firstError, &major, &minor))
            return nullptr;
        auto follower = std::shared_ptr<XkbFollower>(new XkbFollower(display, firstEvent));
        if (!follower->start())
            return nullptr;
        current = follower;
        return follower;
    }

    ~XkbFollower() override {
        if (auto* app = QCoreApplication::instance())
            app->removeNativeEventFilter(this);
    }

    bool on() const { return on_; }
    void add(NumLockWatch* watch) { watches_.push_back(watch); }
    void remove(NumLockWatch* watch) { std::erase(watches_, watch); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        // Every XKB event is 32 bytes: the X event code, then the XKB event type.
        unsigned char event[32];
        std::memcpy(event, message, sizeof event);
        if ((event[0] & 0x7f) != firstEvent_)
            return false;
        switch (event[1]) {
        case XkbIndicatorStateNotify: {
            xkbIndicatorNotify indicators;
            std::memcpy(&indicators, event, sizeof indicators);
            if (index_ >= 0)
                set((indicators.state >> index_) & 1u);
            break;
        }
        case XkbNamesNotify: {
            xkbNamesNotify names;
            std::memcpy(&names, event, sizeof names);
            if (names.changed & XkbIndicatorNamesMask)
                lookUp();
            break;
        }
        case XkbNewKeyboardNotify:
            lookUp();
            break;
        default:
            break;
        }
        return false; // Qt's own handling goes on
    }

private:
    static_assert(sizeof(xkbIndicatorNotify) == 32 && sizeof(xkbNamesNotify) == 32);

    XkbFollower(Display* display, int firstEvent) : display_(display), firstEvent_(firstEvent) {}

    // Selects the events, then reads the state: a change in between still comes as an event.
    bool start() {
        const auto select = [this](bool on) {
            const unsigned long indicators = on ? XkbAllIndicatorsMask : 0;
            const unsigned long names = on ? XkbIndicatorNamesMask : 0;
            // Qt selects the new keyboard events for itself: this keeps its choice, and adds
            // the one detail followed here if it was not there.
            XkbSelectEventDetails(display_, XkbUseCoreKbd, XkbIndicatorStateNotify,
                                  XkbAllIndicatorsMask, indicators);
            XkbSelectEventDetails(display_, XkbUseCoreKbd, XkbNamesNotify, XkbIndicatorNamesMask,
                                  names);
            if (on)
                XkbSelectEventDetails(display_, XkbUseCoreKbd, XkbNewKeyboardNotify,
                                      XkbNKN_KeycodesMask, XkbNKN_KeycodesMask);
        };
        select(true);
        name_ = numLockName(display_);
        if (!lookUp()) {
            select(false);
            XFlush(display_);
            return false;
        }
        QCoreApplication::instance()->installNativeEventFilter(this);
        return true;
    }

    // Finds the indicator's index and state again; false when the keymap has none.
    bool lookUp() {
        const auto indicator = namedIndicator(display_, name_);
        index_ = indicator ? indicator->index : -1;
        set(indicator && indicator->lit);
        return indicator.has_value();
    }

    void set(bool on) {
        if (on_ == on)
            return;
        on_ = on;
        const auto watches = watches_; // a watch may go while it is told
        for (NumLockWatch* watch : watches)
            watch->set(on);
    }

    Display* display_;
    int firstEvent_;
    Atom name_ = 0;
    int index_ = -1;
    bool on_ = false;
    std::vector<NumLockWatch*> watches_;
};

#else

class NumLockWatch::XkbFollower {};

#endif

NumLockWatch::NumLockWatch(Changed changed) : changed_(std::move(changed)) {
#ifdef TARABEL_NUMLOCK_X11
    xkb_ = XkbFollower::shared();
    if (xkb_) {
        xkb_->add(this);
        on_ = xkb_->on();
        return;
    }
#endif
    if (headless())
        return;
    read_ = [] { return numLockFromLeds(systemLeds()).value_or(false); };
    on_ = read_();
}

NumLockWatch::~NumLockWatch() {
#ifdef TARABEL_NUMLOCK_X11
    if (xkb_)
        xkb_->remove(this);
#endif
}

} // namespace platform

#endif

namespace platform {

NumLockWatch::NumLockWatch(Changed changed, std::filesystem::path leds)
    : changed_(std::move(changed)),
      read_([leds = std::move(leds)] { return numLockFromLeds(leds).value_or(false); }),
      on_(read_()) {}

void NumLockWatch::reread() {
    if (read_)
        set(read_());
}

void NumLockWatch::set(bool on) {
    if (on_ == on)
        return;
    on_ = on;
    if (changed_)
        changed_(on);
}

} // namespace platform
