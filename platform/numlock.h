// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's Num Lock state, for the status bar's indicator panel.
#pragma once

namespace platform {

// True while Num Lock is on. False when the state cannot be read (no keyboard extension, a
// display server we do not know, a headless platform).
bool numLockOn();

} // namespace platform
