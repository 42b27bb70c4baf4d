// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's Num Lock state, for the status bar's indicator panel.
#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// True while Num Lock is on. False when the state cannot be read (no keyboard indicator we can
// reach, a headless platform).
bool numLockOn();

// Num Lock as the kernel's keyboard LEDs show it: every LED directory under root (on Linux,
// /sys/class/leds) whose name ends in ":numlock", read from its "brightness" file. Lit when any
// keyboard's LED is lit, dark when every one that could be read is dark, nothing when there is no
// such LED or none could be read.
std::optional<bool> numLockFromLeds(const std::filesystem::path& root);

} // namespace platform
