// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numlock_panel.h"

#include "platform/theme.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QWindow>
#include <utility>

NumLockPanel::NumLockPanel(QLabel* panel)
    : QObject(panel), panel_(panel), watch_([this](bool on) { show(on); }) {
    follow();
}

NumLockPanel::NumLockPanel(QLabel* panel, std::filesystem::path leds)
    : QObject(panel), panel_(panel), watch_([this](bool on) { show(on); }, std::move(leds)) {
    follow();
}

void NumLockPanel::follow() {
    show(watch_.on());
    if (!watch_.needsRereads())
        return;
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (window)
            watch_.reread();
    });
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
    // A key event comes to its window first, then to each widget it passes through: the window
    // is enough. The release too: a keyboard may switch its LED once the key has been handed on.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        watched->isWindowType())
        watch_.reread();
    return QObject::eventFilter(watched, event);
}
