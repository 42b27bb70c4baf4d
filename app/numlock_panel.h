// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's NUM panel: "NUM" in bold while Num Lock is on, dimmed while it is off.
#pragma once

#include <QObject>
#include <optional>

class QLabel;

// Keeps the panel in step with the keyboard. Key presses and releases anywhere in the program and
// window activation refresh it at once; a light poll catches a change made while another program
// had the keyboard.
class NumLockPanel : public QObject {
public:
    explicit NumLockPanel(QLabel* panel);

    // Reads the state and shows it, when it changed.
    void refresh();
    // Shows the state again in the colours of the current theme.
    void restyle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(bool on);

    QLabel* panel_;
    std::optional<bool> shown_;
};
