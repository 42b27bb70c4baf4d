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
        // What the title bar Qt draws on Wayland does with its maximise button: a change of the
        // native window's state.
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
        // A Wayland window cannot tell it is minimised: those rows are for the other platforms.
        if (QGuiApplication::platformName() == QLatin1String("wayland") &&
            QByteArray(QTest::currentDataTag()).contains("minimi"))
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
        // Settled: the state put back as the window and as its native window know it, and the
        // window at its size with its limits closed, which under Wayland happens only once the
        // compositor has reported the normal state after the last request to enlarge.
        const auto settled = [&] {
            return window.windowState() == expected &&
                   window.windowHandle()->windowStates() == expected && window.size() == size &&
                   window.minimumSize() == size && window.maximumSize() == size;
        };
        QTRY_VERIFY2(settled(), qPrintable(describe(window)));
        // And it stays so: nothing left to undo comes back later.
        QTest::qWait(50);
        QVERIFY2(settled(), qPrintable(describe(window)));
    }

private:
    static QString describe(const QWidget& window) {
        QString text;
        QDebug(&text) << window.windowState() << window.windowHandle()->windowStates()
                      << window.size() << window.minimumSize() << window.maximumSize();
        return text;
    }
};

QTEST_MAIN(tst_fixed_window)
#include "tst_fixed_window.moc"
