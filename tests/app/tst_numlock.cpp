// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Num Lock from the kernel's keyboard LEDs, read from a fake LED tree laid out as sysfs does, and
// the status bar's panel where only those LEDs tell.
#include "app/numlock_panel.h"
#include "platform/numlock.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A temporary folder and in it the path of an LED tree, not yet made.
struct Tree {
    QTemporaryDir folder;
    fs::path root = fs::path(folder.path().toStdString()) / "leds";
};

// Lays out one LED under root from "name=text" (its brightness file holds text), "name->text"
// (the same, in a device folder beside root that root links to, as sysfs does), "name/"
// (brightness is a folder) or a bare "name" (no brightness file).
bool addLed(const fs::path& root, const QString& description) {
    const bool linked = description.contains(QLatin1String("->"));
    const QStringList parts =
        description.split(linked ? QStringLiteral("->") : QStringLiteral("="));
    const bool folder = parts[0].endsWith('/');
    const std::string name = parts[0].chopped(folder ? 1 : 0).toStdString();
    const fs::path led = (linked ? root.parent_path() / "devices" : root) / name;
    std::error_code error;
    fs::create_directories(led, error);
    if (linked)
        fs::create_directory_symlink(led, root / name, error);
    if (folder)
        fs::create_directory(led / "brightness", error);
    if (parts.size() > 1)
        std::ofstream(led / "brightness") << parts[1].toStdString();
    return !error && (parts.size() == 1 || fs::exists(led / "brightness"));
}

QString describe(const std::optional<bool>& state) {
    return !state ? "unknown" : *state ? "on" : "off";
}

} // namespace

class tst_numlock : public QObject {
    Q_OBJECT

private slots:
    // Each row: the LEDs, blank-separated, and what the panel reads.
    void fromTree_data() {
        QTest::addColumn<QStringList>("leds");
        QTest::addColumn<QString>("expected");
        const char* const rows[][3] = {
            {"no LEDs", "", "unknown"},
            {"lit", "input3::numlock=1\n", "on"},
            {"dark", "input3::numlock=0\n", "off"},
            {"linked from the class folder", "input3::numlock->1\n", "on"},
            // Several keyboards, in either order of the folder: any lit one lights the panel.
            {"second keyboard lit", "input3::numlock=0\n input12::numlock=1\n", "on"},
            // Other indicators and look-alike names are not Num Lock.
            {"only other LEDs lit",
             "input3::capslock=1 input3::scrolllock=1 input3::numlockx=1 numlock=1 phy0-led=1",
             "unknown"},
            // A file that holds no plain number tells nothing; a readable keyboard still does.
            {"garbage", "input3::numlock=on\n", "unknown"},
            {"brightness is a folder", "input3::numlock/", "unknown"},
            {"broken keyboard beside a lit one", "input3::numlock/ input9::numlock->1\n", "on"},
        };
        for (const auto& [name, leds, expected] : rows)
            QTest::newRow(name) << QString(leds).split(' ', Qt::SkipEmptyParts) << expected;
        QTest::newRow("longer than any number")
            << QStringList{"input3::numlock=" + QString(64, '0') + "1\n"} << "unknown";
    }

    void fromTree() {
        QFETCH(QStringList, leds);
        QFETCH(QString, expected);
        const Tree tree;
        QVERIFY(fs::create_directory(tree.root));
        for (const QString& led : leds)
            QVERIFY2(addLed(tree.root, led), qPrintable(led));
        QCOMPARE(describe(platform::numLockFromLeds(tree.root)), expected);
    }

    void missingTree() {
        const Tree tree;
        QCOMPARE(describe(platform::numLockFromLeds(tree.root)), "unknown");
        std::ofstream(tree.root) << "input3::numlock\n"; // a file where the folder should be
        QCOMPARE(describe(platform::numLockFromLeds(tree.root)), "unknown");
    }

    // The headless platform the suite runs on has no keyboard: whatever this machine's LEDs
    // show, the panel reads off.
    void headlessIsOff() { QVERIFY(!platform::numLockOn()); }

    // Where only the LEDs tell, nothing is read while nothing happens; a key in our window, or
    // our window becoming active, shows the state the LEDs have then.
    void panelReadsLedsWhenLookedAt() {
        const Tree tree;
        QVERIFY(addLed(tree.root, "input3::numlock=0\n"));
        const auto setLed = [&](const char* brightness) {
            std::ofstream(tree.root / "input3::numlock" / "brightness") << brightness;
        };

        QWidget window;
        auto* field = new QLineEdit(&window);
        auto* label = new QLabel(QStringLiteral("NUM"), &window);
        new NumLockPanel(label, tree.root);
        QWidget other;
        window.show();
        other.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        const auto shown = [label] {
            return label->accessibleName() + (label->font().bold() ? " bold" : " normal");
        };
        QCOMPARE(shown(), "Bloq Num desactivado normal");

        // Lit by a key the program did not see: nothing shows it until one of ours.
        setLed("1\n");
        QTest::qWait(50);
        QCOMPARE(shown(), "Bloq Num desactivado normal");
        QTest::keyClick(window.windowHandle(), Qt::Key_NumLock);
        QCOMPARE(shown(), "Bloq Num activado bold");
        QCOMPARE(field->text(), QString()); // the key went on to the field

        // Put out while another window had the keyboard: shown once ours is active again.
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        setLed("0\n");
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(shown(), "Bloq Num desactivado normal");

        // Typed into the field: the key comes through the window.
        setLed("1\n");
        QTest::keyClick(window.windowHandle(), Qt::Key_5);
        QCOMPARE(field->text(), "5");
        QCOMPARE(shown(), "Bloq Num activado bold");
    }
};

QTEST_MAIN(tst_numlock)
#include "tst_numlock.moc"
