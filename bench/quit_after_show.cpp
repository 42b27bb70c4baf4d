// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a Qt program (LD_PRELOAD), makes it quit once the event loop has handled the
// first show of a top-level window, so that a whole start-up can be counted the same way for any
// Qt program without touching it.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

void quitAfterFirstShow() {
    unsetenv("LD_PRELOAD"); // not into what the program starts
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [] {
        for (const QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible()) {
                QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
                return;
            }
    });
    poll->start(0);
}

[[gnu::constructor]] void install() {
    qAddPreRoutine(quitAfterFirstShow);
}

} // namespace
