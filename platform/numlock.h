// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's Num Lock state, for the status bar's indicator panel.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

// True while Num Lock is on. False when the state cannot be read (no keyboard indicator we can
// reach, a headless platform). Asks the display server each time; NumLockWatch follows the state
// without asking.
bool numLockOn();

// Num Lock as the kernel's keyboard LEDs show it: every LED directory under root (on Linux,
// /sys/class/leds) whose name ends in ":numlock", read from its "brightness" file. Lit when any
// keyboard's LED is lit, dark when every one that could be read is dark, nothing when there is no
// such LED or none could be read.
std::optional<bool> numLockFromLeds(const std::filesystem::path& root);

// Follows Num Lock for as long as it lives, and calls its function with each new state.
//
// On X11 the keyboard extension tells of every change by itself, whichever program has the
// keyboard: the server is asked once at the start and again only when the keymap changes, and
// nothing needs to be done. Elsewhere (Wayland, the console, an X server without that extension)
// only the kernel's LEDs tell, and nothing tells when they change: the owner calls reread() at the
// moments the state may have changed for someone looking at it.
class NumLockWatch {
public:
    using Changed = std::function<void(bool on)>;

    // This system's Num Lock. On the headless platforms (offscreen, minimal), which have no
    // keyboard of their own, it stays off.
    explicit NumLockWatch(Changed changed);
    // Only the LEDs under leds, a tree laid out as /sys/class/leds.
    NumLockWatch(Changed changed, std::filesystem::path leds);
    ~NumLockWatch();
    NumLockWatch(const NumLockWatch&) = delete;
    NumLockWatch& operator=(const NumLockWatch&) = delete;

    // The state as last known.
    bool on() const { return on_; }
    // True when the state only changes through reread().
    bool needsRereads() const { return static_cast<bool>(read_); }
    // Reads the state again where nothing tells of its changes, and calls the function when it
    // changed. Does nothing where the system tells by itself.
    void reread();

private:
    class XkbFollower;
    void set(bool on);

    Changed changed_;
    std::function<bool()> read_; // the reading for reread(), where one is needed
    std::shared_ptr<XkbFollower> xkb_;
    bool on_ = false;
};

} // namespace platform
