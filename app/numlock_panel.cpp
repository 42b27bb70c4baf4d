// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numlock_panel.h"

#include "platform/numlock.h"
#include "platform/theme.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

NumLockPanel::NumLockPanel(QLabel* panel) : QObject(panel), panel_(panel) {
    qApp->installEventFilter(this);
    auto* poll = new QTimer(this);
    poll->setInterval(500);
    connect(poll, &QTimer::timeout, this, &NumLockPanel::refresh);
    poll->start();
    refresh();
}

void NumLockPanel::refresh() {
    const bool on = platform::numLockOn();
    if (shown_ != on)
        show(on);
}

void NumLockPanel::restyle() {
    if (shown_)
        show(*shown_);
}

void NumLockPanel::show(bool on) {
    shown_ = on;
    QFont font = panel_->font();
    font.setBold(on);
    panel_->setFont(font);
    // On is the bar's own text colour; dimmed is its disabled text, as long as that is clearly
    // dimmer and still visible on the bar.
    const QPalette bar = panel_->window()->palette(); // the bar inherits it, maybe not yet
    if (on)
        panel_->setPalette(QPalette());
    else
        theme::setTextColour(
            panel_, theme::dimmed(bar.color(QPalette::Disabled, QPalette::WindowText),
                                  bar.color(QPalette::WindowText), bar.color(QPalette::Window)));
    // Bold or dimmed says nothing to a screen reader; the name says it.
    panel_->setAccessibleName(on ? QStringLiteral("Bloq Num activado")
                                 : QStringLiteral("Bloq Num desactivado"));
}

bool NumLockPanel::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::WindowActivate:
    case QEvent::ApplicationActivate:
        refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
