// Finding and starting the system-information tool: the search through both registry keys
// against a registry held in memory, and the system services underneath.
#include "about/sysinfo.h"
#include "helpers/fake_registry.h"
#include "platform/system.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr const char* toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// A shell script that leaves a mark beside itself when it runs.
bool writeMarkingScript(const QString& path) {
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return false;
    script.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
    script.close();
    return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class tst_sysinfo : public QObject {
    Q_OBJECT

private slots:
    // The tool key's "PATH" value (null: no such key) and the folder key's "MSINFO" value,
    // whether the folder holds the tool's file and whether programs start; then what the search
    // does in order: "file <path>" tested, "start <path>", "told" the tool is unavailable.
    void search_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("tool");
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("startsOK");
        QTest::addColumn<QStringList>("events");

        const QByteArray tool = QStringLiteral("D:\\Herramientas\\información.exe").toUtf8();
        const QString startTool = "start " + QString::fromUtf8(tool);
        const QByteArray folder("C:\\Archivos comunes\\MSInfo\0", 27);
        const QString folderTool = QStringLiteral("C:\\Archivos comunes\\MSInfo\\MSINFO32.EXE");
        const QStringList fromFolder{"file " + folderTool, "start " + folderTool};
        const QByteArray full(1024, 'x');
        const QByteArray none;
        QTest::newRow("string with its NUL, started unchecked")
            << 1 << tool + '\0' << folder << true << true << QStringList{startTool};
        QTest::newRow("string without NUL")
            << 1 << tool << folder << true << true << QStringList{startTool};
        QTest::newRow("string filling the buffer")
            << 1 << full << folder << true << true << QStringList{"start " + full};
        QTest::newRow("longer than the buffer by its NUL")
            << 1 << full + '\0' << folder << true << true << fromFolder;
        QTest::newRow("number") << 4 << QByteArray("\x01\x0A\xF0\x10", 4) << folder << true << true
                                << QStringList{"start &h10F00A01"};
        QTest::newRow("another type starts the empty path, which fails")
            << 3 << QByteArray("\x01\x02", 2) << folder << true << false
            << QStringList{"start ", "told"};
        QTest::newRow("empty value")
            << 1 << QByteArray("") << folder << true << true << QStringList{"told"};
        QTest::newRow("no tool key, folder holds the tool")
            << 1 << none << folder << true << true << fromFolder;
        QTest::newRow("folder without the tool")
            << 1 << none << folder << false << true << QStringList{"file " + folderTool, "told"};
        QTest::newRow("folder's tool does not start")
            << 1 << none << folder << true << false << fromFolder + QStringList{"told"};
        QTest::newRow("neither key") << 1 << none << none << true << true << QStringList{"told"};
    }

    void search() {
        QFETCH(int, type);
        QFETCH(QByteArray, tool);
        QFETCH(QByteArray, folder);
        QFETCH(bool, fileThere);
        QFETCH(bool, startsOK);
        QFETCH(QStringList, events);
        for (const auto& locale : {numtext::fullStopLocale, numtext::commaLocale}) {
            apptest::FakeRegistry registry;
            if (!tool.isNull())
                registry.keys[toolKey]["PATH"] = {type, tool};
            if (!folder.isNull())
                registry.keys[folderKey]["MSINFO"] = {platform::typeString, folder};
            QStringList seen;
            const auto record = [&](const char* event, const std::string& path, bool result) {
                seen << event + QString::fromStdString(path);
                return result;
            };
            about::StartSysInfo(
                {&registry,
                 [&](const std::string& path) { return record("file ", path, fileThere); },
                 [&](const std::string& path) { return record("start ", path, startsOK); },
                 [&](const numtext::Message& m) {
                     seen << (m == about::sysInfoUnavailable() ? "told" : "?");
                 },
                 locale});
            QCOMPARE(seen, events);
            QVERIFY(registry.open.empty());
        }
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
        QTRY_VERIFY(QFile::exists(dir.filePath("started")));
        QVERIFY(!QFile::exists(dir.filePath("hacked")));
        QVERIFY(platform::isPlainFile(program.toStdString()));

        QFile hidden(dir.filePath(".not-a-program"));
        QVERIFY(hidden.open(QIODevice::WriteOnly));
        hidden.close();
        for (const QString& path : {dir.path(), dir.filePath("missing"), hidden.fileName()}) {
            QVERIFY2(!platform::startProgram(path.toStdString()), qPrintable(path));
            QVERIFY2(!platform::isPlainFile(path.toStdString()), qPrintable(path));
        }
    }

    // Without a registry a stand-in answers the tool key's "PATH" with the best tool on the
    // search path, and knows no other value.
    void standInRegistry() {
        const QByteArray savedPath = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", savedPath); });
        QTemporaryDir dir;
        QVERIFY(writeMarkingScript(dir.filePath("hardinfo")));
        QVERIFY(writeMarkingScript(dir.filePath("kinfocenter")));
        qputenv("PATH", dir.path().toLocal8Bit());
        std::string text;
        const auto read = [&](const char* key, const char* value) {
            return about::GetKeyValue(platform::systemRegistry(), platform::localMachine, key,
                                      value, text, numtext::fullStopLocale);
        };
        QVERIFY(read(toolKey, "PATH"));
        QCOMPARE(QString::fromStdString(text), dir.filePath("kinfocenter"));
        QVERIFY(!read(folderKey, "MSINFO") && !read(toolKey, "MSINFO"));
    }
#endif
};

QTEST_MAIN(tst_sysinfo)
#include "tst_sysinfo.moc"
