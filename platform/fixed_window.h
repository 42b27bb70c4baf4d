// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A window of one size: it may be moved and closed, never maximised or shown full screen.
#pragma once

class QWidget;

namespace platform {

// Keeps a fixed-size top-level window in its normal state: when it becomes maximised or full
// screen, whether the program, the title bar or the window manager asked for it, it is put back
// from the event loop. Window flags without a maximise button are not enough on Wayland: the
// title bar Qt draws there offers maximise whatever the flags say, and a compositor that honours
// it ends the connection of a window that keeps its fixed size, so until the compositor has put
// the window back the window's limits open. Call once, before the window is shown; the window
// owns what this installs.
void keepFixedSize(QWidget* window);

} // namespace platform
