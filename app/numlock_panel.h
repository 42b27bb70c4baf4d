// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's NUM panel: "NUM" in bold while Num Lock is on, dimmed while it is off.
#pragma once

#include "platform/numlock.h"

#include <QObject>
#include <filesystem>
#include <optional>

class QLabel;

// Keeps the panel in step with the keyboard without waking the program while nothing happens.
// On X11 the keyboard extension tells of each change as it happens, whichever program has the
// keyboard. Where only the keyboard LEDs tell (Wayland, the console) they are read again when a
// key is pressed or released in one of our windows and when one of them becomes active: the
// moments the state can have changed for anyone looking at the panel.
class NumLockPanel : public QObject {
public:
    explicit NumLockPanel(QLabel* panel);
    // Follows the LEDs under leds instead, a tree laid out as /sys/class/leds.
    NumLockPanel(QLabel* panel, std::filesystem::path leds);

    // Shows the state again in the colours of the current theme.
    void restyle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void show(bool on);

    QLabel* panel_;
    std::optional<bool> shown_;
    platform::NumLockWatch watch_;
};
