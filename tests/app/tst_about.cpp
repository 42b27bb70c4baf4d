// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: opened modally from the main window, loaded afresh each time, closed with
// Escape; its button: the tool searched through both registry keys of a registry held in memory,
// the box that says it is nowhere to be found, and the system services underneath.
#include "about/frmabout.h"
#include "helpers/window_test.h"
#include "platform/system.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <cstring>

namespace {

const QString unavailable =
    QStringLiteral("Tarabel | La información del sistema no está disponible en este momento");

// Keys below HKEY_LOCAL_MACHINE, readable but never writable, as a standard user sees them, with
// values of any type, with or without a NUL (the program's stand-in holds only strings). It
// knows which keys are still open; a handle that is not open throws, as a failure of the search.
class FakeRegistry final : public platform::Registry {
public:
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, QByteArray>>> keys;
    std::map<Key, std::string> open; // handles given out and not yet closed
    Key lastKey = 100;

    long openKey(platform::RegistryRoot root, std::string_view path, std::uint32_t access,
                 Key& key) override {
        if (root != platform::localMachine || !keys.contains(std::string(path)))
            return platform::statusNotFound;
        if (access & platform::keyWriteRights)
            return platform::statusAccessDenied;
        open[key = ++lastKey] = path;
        return platform::statusSuccess;
    }
    long queryValue(Key key, std::string_view name, std::uint32_t& type, std::byte* buffer,
                    std::uint32_t& size) override {
        const auto& values = keys.at(open.at(key));
        const auto value = values.find(std::string(name));
        if (value == values.end())
            return platform::statusNotFound;
        const auto& [valueType, bytes] = value->second;
        const bool fits = std::uint32_t(bytes.size()) <= size;
        size = std::uint32_t(bytes.size());
        if (!fits)
            return platform::statusMoreData;
        std::memcpy(buffer, bytes.constData(), size);
        type = valueType;
        return platform::statusSuccess;
    }
    void closeKey(Key key) override { open.erase(key); }
};

// A shell script that leaves a mark beside itself when it runs: a file of its name and ".started".
bool writeMarkingScript(const QString& path) {
    QFile script(path);
    return script.open(QIODevice::WriteOnly) &&
           script.write("#!/bin/sh\n: >\"$0.started\"\n") > 0 &&
           script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class tst_about : public QObject {
    Q_OBJECT

private slots:
    void opensFreshEachTime() {
        apptest::Window window;
        for (int opening = 0; opening < 2; ++opening) {
            QPointer<frmAbout> opened;
            QVERIFY(apptest::whileModal(
                [&] { window->mnuAcercaDe->trigger(); },
                [&](QWidget* modal) {
                    opened = qobject_cast<frmAbout*>(modal);
                    QVERIFY(opened);
                    QCOMPARE(opened->windowTitle(), QStringLiteral("Tarabel"));
                    // project(VERSION) of CMakeLists.txt; a release changes it here, and only here.
                    QCOMPARE(opened->lblVersion->text(), QStringLiteral("Versión 1.2"));
                    QVERIFY(opened->txtTexto->toPlainText().startsWith("Tarabel: programa"));
                    opened->lblVersion->setText("cambiado"); // the next opening loads again
                    QTest::keyClick(opened->focusWidget(), Qt::Key_Escape);
                    QVERIFY(!opened->isVisible());
                }));
            QVERIFY(opened.isNull()); // the closed window is gone
        }
    }

    // The tool key's "PATH" value of the given type (null: no such key) and the folder key's
    // "MSINFO" value; then what the button does in order: "file <path>" tested, "start <path>",
    // the real box that tells the user the tool is unavailable. The file is there when a start
    // follows its test, and a start succeeds when nothing follows it.
    void search_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("tool");
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QStringList>("events");

        const QByteArray tool = QStringLiteral("D:\\Herramientas\\información.exe").toUtf8();
        const QByteArray folder("C:\\Archivos comunes\\MSInfo\0", 27), full(1024, 'x'), none;
        const QString folderTool = QStringLiteral("C:\\Archivos comunes\\MSInfo\\MSINFO32.EXE");
        const QStringList startTool{"start " + QString::fromUtf8(tool)}, told{unavailable};
        const QStringList fromFolder{"file " + folderTool, "start " + folderTool};
        QTest::newRow("with its NUL, started unchecked") << 1 << tool + '\0' << folder << startTool;
        QTest::newRow("without NUL") << 1 << tool << folder << startTool;
        QTest::newRow("filling the buffer") << 1 << full << folder << QStringList{"start " + full};
        QTest::newRow("its NUL past the buffer") << 1 << full + '\0' << folder << fromFolder;
        QTest::newRow("number") << 4 << QByteArray("\x01\x0A\xF0\x10", 4) << folder
                                << QStringList{"start &h10F00A01"};
        QTest::newRow("another type starts the empty path, which fails")
            << 3 << QByteArray("\x01\x02", 2) << folder << QStringList{"start "} + told;
        QTest::newRow("empty value") << 1 << QByteArray("") << folder << told;
        QTest::newRow("no tool key, folder holds the tool") << 1 << none << folder << fromFolder;
        QTest::newRow("folder without the tool")
            << 1 << none << folder << fromFolder.first(1) + told;
        QTest::newRow("folder's tool does not start") << 1 << none << folder << fromFolder + told;
        QTest::newRow("neither key") << 1 << none << none << told;
    }

    void search() {
        QFETCH(int, type);
        QFETCH(QByteArray, tool);
        QFETCH(QByteArray, folder);
        QFETCH(QStringList, events);
        FakeRegistry registry;
        if (!tool.isNull())
            registry.keys["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"]["PATH"] = {type, tool};
        if (!folder.isNull())
            registry.keys["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {
                platform::typeString, folder};
        QStringList seen;
        const auto record = [&](const char* event, const std::string& path) {
            seen << event + QString::fromStdString(path);
            const QString next = events.value(seen.size());
            return event == std::string_view("file ") ? next.startsWith("start") : next.isNull();
        };
        frmAbout about({&registry,
                        [&](const std::string& path) { return record("file ", path); },
                        [&](const std::string& path) { return record("start ", path); },
                        {}});
        about.show();
        apptest::whileModal([&] { about.cmdSysInfo->click(); },
                            [&](QWidget* modal) { seen << apptest::describe(*modal); });
        QCOMPARE(seen, events);
        QVERIFY(registry.open.empty()); // every key opened was closed
        QVERIFY(about.isVisible());
    }

#ifndef _WIN32
    // The path goes to the system as the program itself, never through a shell; a path that names
    // no program fails to start, and only a plain visible file counts as the tool's file.
    void systemServices() {
        QTemporaryDir dir;
        const QString program = dir.filePath("info del sistema $(touch hacked); x");
        QVERIFY(writeMarkingScript(program));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool started = platform::startProgram(program.toStdString());
        QDir::setCurrent(previous);
        QVERIFY(started);
        QTRY_VERIFY(QFile::exists(program + ".started"));
        QVERIFY(!QFile::exists(dir.filePath("hacked")));
        QVERIFY(platform::isPlainFile(program.toStdString()));

        const QString hidden = dir.filePath(".not-a-program");
        QVERIFY(QFile(hidden).open(QIODevice::WriteOnly));
        for (const QString& path : {dir.path(), dir.filePath("missing"), hidden}) {
            QVERIFY2(!platform::startProgram(path.toStdString()), qPrintable(path));
            QVERIFY2(!platform::isPlainFile(path.toStdString()), qPrintable(path));
        }
    }

    // Without a registry the button starts the first of the desktop's viewers found on the search
    // path, in their order, not the path's; with none the user is told.
    void desktopTool_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");
        QTest::newRow("all four") << apptest::names(
                                         "gnome-system-monitor hardinfo hardinfo2 kinfocenter")
                                  << "kinfocenter";
        QTest::newRow("two") << QStringList{"gnome-system-monitor", "hardinfo"} << "hardinfo";
        QTest::newRow("none") << QStringList{} << QString();
    }

    void desktopTool() {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QTemporaryDir dir;
        for (const QString& tool : installed)
            QVERIFY(writeMarkingScript(dir.filePath(tool)));
        frmAbout about(about::systemServices());
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        QString seen;
        apptest::whileModal([&] { about.cmdSysInfo->click(); },
                            [&](QWidget* modal) { seen = apptest::describe(*modal); });
        qputenv("PATH", path);
        QCOMPARE(seen, started.isNull() ? unavailable : QString());
        if (!started.isNull())
            QTRY_VERIFY(QFile::exists(dir.filePath(started + ".started")));
        for (const QString& tool : installed)
            QVERIFY2(tool == started || !QFile::exists(dir.filePath(tool + ".started")),
                     qPrintable(tool));
    }
#endif
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
