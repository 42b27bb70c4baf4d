// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed-size window turns back every way of maximising it or showing it full screen, and is
// left alone otherwise.
#include "platform/fixed_window.h"

#include <QWidget>
#include <QWindow>
#include <QtTest>
#include <functional>

using Request = std::function<void(QWidget&)>;
Q_DECLARE_METATYPE(Request)

class tst_fixed_window : public QObject {
    Q_OBJECT

private slots:
    void turnedBack_data() {
        QTest::addColumn<Request>("request");
        QTest::addColumn<bool>("shownFirst");
        QTest::addColumn<Qt::WindowStates>("expected");

        const Qt::WindowStates normal = Qt::WindowNoState;
        const Request maximise = [](QWidget& w) { w.setWindowState(Qt::WindowMaximized); };
        const Request fullScreen = [](QWidget& w) { w.setWindowState(Qt::WindowFullScreen); };
        // What the title bar Qt draws on Wayland does with its maximise button, and what a
        // compositor's own maximise ends in: a change of the native window's state.
        const Request titleBar = [](QWidget& w) {
            w.windowHandle()->setWindowStates(w.windowHandle()->windowStates() ^
                                              Qt::WindowMaximized);
        };
        QTest::newRow("maximise") << maximise << true << normal;
        QTest::newRow("full screen") << fullScreen << true << normal;
        QTest::newRow("showMaximized") << Request(&QWidget::showMaximized) << true << normal;
        QTest::newRow("showFullScreen") << Request(&QWidget::showFullScreen) << true << normal;
        QTest::newRow("native window") << titleBar << true << normal;
        QTest::newRow("maximised before it shows") << maximise << false << normal;
        QTest::newRow("full screen before it shows") << fullScreen << false << normal;
        // Minimising is the window manager's business: it stays, only maximised goes.
        QTest::newRow("minimise") << Request([](QWidget& w) {
            w.setWindowState(Qt::WindowMinimized);
        }) << true << Qt::WindowStates(Qt::WindowMinimized);
        QTest::newRow("minimised from maximised") << Request([](QWidget& w) {
            w.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        }) << true << Qt::WindowStates(Qt::WindowMinimized);
    }

    void turnedBack() {
        QFETCH(Request, request);
        QFETCH(bool, shownFirst);
        QFETCH(Qt::WindowStates, expected);
        // A Wayland window cannot tell it is minimised, and nothing there offers full screen to
        // a window whose title bar has no such button: those rows are for the other platforms.
        const QByteArray row = QTest::currentDataTag();
        if (QGuiApplication::platformName() == QLatin1String("wayland") &&
            (row.contains("minimi") || row.contains("full screen")))
            QSKIP("not a state a Wayland window meets");

        QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        const QSize size(320, 200);
        window.setFixedSize(size);
        platform::keepFixedSize(&window);
        window.winId(); // the native window, which the title bar works on
        if (shownFirst) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        request(window);
        window.show();
        QTRY_COMPARE(window.windowState(), expected);
        QTRY_COMPARE(window.windowHandle()->windowStates(), expected);
        QTRY_COMPARE(window.size(), size);
        // And it stays so: nothing left to undo comes back later.
        QTest::qWait(50);
        QCOMPARE(window.windowState(), expected);
        QCOMPARE(window.size(), size);
    }
};

QTEST_MAIN(tst_fixed_window)
#include "tst_fixed_window.moc"
