// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The Num Lock panel on a real X server: the program runs itself on a fresh Xvfb server of its
// own and the keyboard is pressed by xdotool, as a user would. Exits with 77 (skipped) without
// Xvfb or xdotool.
#include "helpers/window_test.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

// Xlib defines macros (None, Bool, KeyPress, ...) that collide with Qt names, so it comes last.
#include <X11/Xlib.h>

namespace {

// Set in the environment of the test run started on the server: the server's display.
constexpr const char* serverVariable = "TARABEL_TEST_X_SERVER";

// Requests the program made through Xlib, which it uses for the keyboard extension alone (Qt
// talks to the server through xcb).
int xlibRequests = 0;

// Runs a tool against the server; true when it did its work.
bool run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    const bool done = process.waitForFinished(20000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!done)
        qWarning("%s %s: %s", qPrintable(tool), qPrintable(arguments.join(' ')),
                 process.readAll().constData());
    return done;
}

// What the panel shows, to compare with what it should show when Num Lock is `on`.
QString shown(const QLabel* panel) {
    return panel->accessibleName() + (panel->font().bold() ? " bold" : " normal");
}
QString expected(bool on) {
    return on ? "Bloq Num activado bold" : "Bloq Num desactivado normal";
}

} // namespace

class tst_numlock_x11 : public QObject {
    Q_OBJECT

    std::unique_ptr<apptest::Window> window_;
    QLabel* panel_ = nullptr;
    bool on_ = false; // Num Lock as the server has it

    // Presses Num Lock and waits for the server to have taken it.
    void pressNumLock() {
        QVERIFY(run("xdotool", {"key", "Num_Lock"}));
        on_ = !on_;
    }

    // Gives our window the keyboard, as a window manager does when it is clicked.
    void activate() {
        QVERIFY(run("xdotool", {"windowfocus", "--sync", QString::number(window_->winId())}));
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("runs on its own X server only");
        window_ = std::make_unique<apptest::Window>();
        panel_ = window_->findChild<QLabel*>(QStringLiteral("labNum"));
        QVERIFY(panel_);
        QCOMPARE(shown(panel_), expected(on_)); // a new server starts with Num Lock off
    }

    void init() {
        if (window_)
            activate();
    }

    // Num Lock pressed in the window lights the panel, and pressed again dims it, within 100 ms
    // of the key.
    void followsTheKey() {
        apptest::focusOn(window_->get("txtGrados1"));
        for (int press = 0; press < 4; ++press) {
            pressNumLock();
            QTRY_COMPARE_WITH_TIMEOUT(shown(panel_), expected(on_), 100);
        }
    }

    // Nothing tells the program of a key pressed while another window has the keyboard (here
    // the screen's root window) but the server's keyboard events: the state is shown as soon as
    // ours is active again.
    void keyPressedElsewhere() {
        Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
        QVERIFY(
            run("xdotool", {"windowfocus", "--sync", QString::number(DefaultRootWindow(display))}));
        QTRY_VERIFY(!window_->isActiveWindow());
        pressNumLock();
        activate();
        QTRY_COMPARE_WITH_TIMEOUT(shown(panel_), expected(on_), 100);
    }

    // A new keymap may number the indicators anew: the panel still follows the key after one,
    // loaded whole (a new keyboard, as setxkbmap does) or in parts (xkbcomp).
    void followsAcrossKeymaps() {
        for (const char* tool : {"setxkbmap", "xkbcomp"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("needs setxkbmap and xkbcomp");
        QTemporaryDir folder;
        const QString server = qEnvironmentVariable(serverVariable);
        const QString original = folder.filePath("original.xkb"),
                      moved = folder.filePath("moved.xkb");
        QVERIFY(run("xkbcomp", {"-xkb", server, original}));
        QFile file(original);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString keymap = QString::fromUtf8(file.readAll());
        // Its old place keeps a name (a keymap loaded in parts leaves alone what it does not
        // name), another one.
        static const QRegularExpression numLock(
            QStringLiteral(R"(indicator\s+(\d+)\s*=\s*"Num Lock";)"));
        QVERIFY(keymap.contains(numLock));
        keymap.replace(numLock,
                       QStringLiteral(R"(indicator \1 = "Tarabel"; indicator 30 = "Num Lock";)"));
        QFile out(moved);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(keymap.toUtf8()) > 0 && out.flush());

        const QList<QStringList> loads = {
            {"xkbcomp", moved, server},     // Num Lock is now the 30th indicator
            {"setxkbmap", "-layout", "us"}, // a new keyboard, numbered as before
            {"xkbcomp", moved, server},
            {"xkbcomp", original, server}};
        for (const QStringList& load : loads) {
            QVERIFY(run(load.first(), load.mid(1)));
            for (int press = 0; press < 2; ++press) {
                pressNumLock();
                QTRY_COMPARE_WITH_TIMEOUT(shown(panel_), expected(on_), 1000);
            }
        }
    }

    // Typing asks nothing of the keyboard extension: every Xlib request is counted.
    void typingAsksNothing() {
        auto* field = window_->get("txtGrados1");
        apptest::focusOn(field);
        // The first key from xdotool's device makes the server tell every client of a new
        // keyboard, once; after it, keys are only keys.
        QVERIFY(run("xdotool", {"type", "0"}));
        QTRY_COMPARE(field->text(), "0");
        field->clear();

        Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
        xlibRequests = 0;
        const auto previous =
            XSetAfterFunction(display, [](Display*) { return ++xlibRequests, 0; });
        const QString typed = QStringLiteral("12345678901234567890");
        QVERIFY(run("xdotool", {"type", typed}));
        QTRY_COMPARE(field->text(), typed);
        XSetAfterFunction(display, previous);
        QCOMPARE(xlibRequests, 0);
    }
};

namespace {

// Starts Xvfb, runs this program's tests on it, and gives their exit code.
int onOwnServer(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    for (const char* tool : {"Xvfb", "xdotool", "dbus-run-session"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return std::printf("SKIP: needs %s\n", tool), 77;
    QTemporaryDir runtime;
    if (!runtime.isValid())
        return 1;

    // The display number comes from the server itself. -noreset: the server would forget the
    // lock each time its last client leaves.
    QProcess server;
    server.setStandardErrorFile(runtime.filePath("xvfb.log"));
    server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-noreset", "-nolisten", "tcp",
                                          "-screen", "0", "1024x768x24"});
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(20000))
        number += server.readAllStandardOutput();
    number = number.trimmed();
    if (number.isEmpty())
        return std::puts("FAIL: Xvfb did not start"), 1;
    const QString display = ":" + QString::fromLatin1(number);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QString::fromLatin1(serverVariable), display);

    QProcess tests;
    tests.setProcessChannelMode(QProcess::ForwardedChannels);
    tests.setProcessEnvironment(environment);
    // On a session bus of its own, as on a desktop: Qt's accessibility bridge looks for one on
    // X11, and libdbus's search for one where there is none leaks.
    tests.start(QStringLiteral("dbus-run-session"),
                QStringList{"--", QCoreApplication::applicationFilePath()} +
                    QCoreApplication::arguments().mid(1));
    tests.waitForFinished(-1);
    const int status = tests.exitStatus() == QProcess::NormalExit ? tests.exitCode() : 1;
    server.terminate();
    server.waitForFinished();
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet(serverVariable))
        return onOwnServer(argc, argv);
    QApplication app(argc, argv);
    tst_numlock_x11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_numlock_x11.moc"
