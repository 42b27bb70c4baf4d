// Finding and starting the system-information tool: registry reading against a registry held in
// memory, the search through both keys, and the system services underneath.
#include "about/sysinfo.h"
#include "platform/registry.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <map>
#include <optional>

using numtext::NumberLocale;

namespace {

constexpr const char* toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct StoredValue {
    std::uint32_t type = platform::typeString;
    QByteArray bytes;
};

// Keys below HKEY_LOCAL_MACHINE as a standard user sees them: readable, never writable.
class FakeRegistry final : public platform::Registry {
public:
    std::map<std::string, std::map<std::string, StoredValue>> keys;
    QStringList keysAskedFor;
    int strayHandles = 0; // queries or closes of handles that are not open

    bool allClosed() const { return open_.empty() && strayHandles == 0; }

    long openKey(platform::RegistryRoot root, std::string_view path, std::uint32_t access,
                 Key& key) override {
        keysAskedFor << QString::fromUtf8(path.data(), qsizetype(path.size()));
        const auto found = keys.find(std::string(path));
        if (root != platform::localMachine || found == keys.end())
            return platform::statusNotFound;
        if (access & platform::keyWriteRights)
            return platform::statusAccessDenied;
        key = next_++;
        open_[key] = found->first;
        return platform::statusSuccess;
    }

    long queryValue(Key key, std::string_view name, std::uint32_t& type, std::byte* buffer,
                    std::uint32_t& size) override {
        const auto handle = open_.find(key);
        if (handle == open_.end()) {
            ++strayHandles;
            return 6; // ERROR_INVALID_HANDLE
        }
        const auto& values = keys.at(handle->second);
        const auto value = values.find(std::string(name));
        if (value == values.end())
            return platform::statusNotFound;
        const auto& bytes = value->second.bytes;
        if (std::size_t(bytes.size()) > size) {
            size = std::uint32_t(bytes.size());
            return platform::statusMoreData;
        }
        std::memcpy(buffer, bytes.constData(), std::size_t(bytes.size()));
        size = std::uint32_t(bytes.size());
        type = value->second.type;
        return platform::statusSuccess;
    }

    void closeKey(Key key) override {
        if (open_.erase(key) == 0)
            ++strayHandles;
    }

private:
    Key next_ = 100;
    std::map<Key, std::string> open_;
};

std::string bytesOf(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

QByteArray repeated(char c, int count) {
    return QByteArray(count, c);
}

} // namespace

class tst_sysinfo : public QObject {
    Q_OBJECT

private slots:
    void readsOneValue_data();
    void readsOneValue();
    void findsAndStartsTheTool_data();
    void findsAndStartsTheTool();

    void plainFileTest_data();
    void plainFileTest();
    void startsProgramWithoutShell();
    void refusesProgramsThatCannotStart();
#ifndef _WIN32
    void standInAnswersFromSearchPath();
#endif
};

// Columns: whether the key and the value exist, the stored value, the caller's text before the
// call, and what comes back.
void tst_sysinfo::readsOneValue_data() {
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("stored"); // null: no such value
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("expectedRead");
    QTest::addColumn<QByteArray>("expectedText");
    QTest::addColumn<bool>("expectedThrow");

    const QByteArray before("antes");
    const QByteArray path("C:\\Windows\\System32\\msinfo32.exe");

    QTest::newRow("string with its NUL")
        << true << 1 << path + '\0' << before << true << path << false;
    QTest::newRow("string without NUL is whole")
        << true << 1 << path << before << true << path << false;
    QTest::newRow("only the last NUL goes") << true << 1 << QByteArray("a\0b\0\0", 5) << before
                                            << true << QByteArray("a\0b\0", 4) << false;
    QTest::newRow("fills the buffer, NUL included")
        << true << 1 << repeated('x', 1023) + '\0' << before << true << repeated('x', 1023)
        << false;
    QTest::newRow("fills the buffer without NUL")
        << true << 1 << repeated('x', 1024) << before << true << repeated('x', 1024) << false;
    QTest::newRow("one byte too long")
        << true << 1 << repeated('x', 1025) << before << false << QByteArray() << false;
    QTest::newRow("too long by its NUL")
        << true << 1 << repeated('x', 1024) + '\0' << before << false << QByteArray() << false;
    QTest::newRow("number") << true << 4 << QByteArray("\x78\x56\x34\x12", 4) << before << true
                            << QByteArray("&h12345678") << false;
    QTest::newRow("number bytes keep two digits")
        << true << 4 << QByteArray("\x01\x0A\xF0\x10", 4) << before << true
        << QByteArray("&h10F00A01") << false;
    QTest::newRow("number with a zero top byte")
        << true << 4 << QByteArray("\x1A\x00\x00\x00", 4) << before << true
        << QByteArray("&h00001A") << false;
    QTest::newRow("expandable string keeps caller's text")
        << true << 2 << QByteArray("%SystemRoot%\\msinfo32.exe") + '\0' << before << true << before
        << false;
    QTest::newRow("empty value fails")
        << true << 1 << QByteArray("") << before << false << before << true;
    QTest::newRow("no such value")
        << true << 1 << QByteArray() << before << false << QByteArray() << false;
    QTest::newRow("no such key") << false << 1 << QByteArray() << before << false << QByteArray()
                                 << false;
}

void tst_sysinfo::readsOneValue() {
    QFETCH(bool, keyExists);
    QFETCH(int, type);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, before);
    QFETCH(bool, expectedRead);
    QFETCH(QByteArray, expectedText);
    QFETCH(bool, expectedThrow);

    for (const NumberLocale& locale : {numtext::fullStopLocale, numtext::commaLocale}) {
        FakeRegistry registry;
        if (keyExists) {
            auto& values = registry.keys[toolKey];
            if (!stored.isNull())
                values["PATH"] = {std::uint32_t(type), stored};
        }
        std::string text = bytesOf(before);
        if (expectedThrow) {
            QVERIFY_THROWS_EXCEPTION(about::EmptyRegistryValue,
                                     about::GetKeyValue(registry, platform::localMachine, toolKey,
                                                        "PATH", text, locale));
        } else {
            QCOMPARE(
                about::GetKeyValue(registry, platform::localMachine, toolKey, "PATH", text, locale),
                expectedRead);
            QCOMPARE(QByteArray::fromStdString(text), expectedText);
        }
        QVERIFY(registry.allClosed());
    }
}

// Columns: the tool key's "PATH" value and the folder key's "MSINFO" value (null: no such key), the
// files that exist and the programs that start, then what is checked, started and shown.
void tst_sysinfo::findsAndStartsTheTool_data() {
    QTest::addColumn<int>("pathType");
    QTest::addColumn<QByteArray>("pathValue");
    QTest::addColumn<QByteArray>("folderValue");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("expectedChecks");
    QTest::addColumn<QStringList>("expectedStarts");
    QTest::addColumn<bool>("expectedFolderKeyRead");
    QTest::addColumn<bool>("expectedMessage");

    const QString tool = QStringLiteral("D:\\Herramientas\\información.exe");
    const QByteArray toolValue = tool.toUtf8() + '\0';
    const QString folder =
        QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
    const QByteArray folderValue = folder.toUtf8() + '\0';
    const QString folderTool = folder + QStringLiteral("\\MSINFO32.EXE");
    const QByteArray none;

    QTest::newRow("tool path starts as read, whatever its name")
        << 1 << toolValue << folderValue << QStringList{} << QStringList{tool} << QStringList{}
        << QStringList{tool} << false << false;
    QTest::newRow("tool path that does not start")
        << 1 << toolValue << folderValue << QStringList{folderTool} << QStringList{folderTool}
        << QStringList{} << QStringList{tool} << false << true;
    QTest::newRow("tool value of another type starts the empty path")
        << 3 << QByteArray("\x01\x02", 2) << folderValue << QStringList{folderTool}
        << QStringList{folderTool} << QStringList{} << QStringList{QString()} << false << true;
    QTest::newRow("empty tool value")
        << 1 << QByteArray("") << folderValue << QStringList{folderTool} << QStringList{folderTool}
        << QStringList{} << QStringList{} << false << true;
    QTest::newRow("tool value too long, folder holds the tool")
        << 1 << repeated('x', 1025) << folderValue << QStringList{folderTool}
        << QStringList{folderTool} << QStringList{folderTool} << QStringList{folderTool} << true
        << false;
    QTest::newRow("no tool value, folder holds the tool")
        << 1 << none << folderValue << QStringList{folderTool} << QStringList{folderTool}
        << QStringList{folderTool} << QStringList{folderTool} << true << false;
    QTest::newRow("no tool value, folder without the tool")
        << 1 << none << folderValue << QStringList{} << QStringList{folderTool}
        << QStringList{folderTool} << QStringList{} << true << true;
    QTest::newRow("folder's tool does not start")
        << 1 << none << folderValue << QStringList{folderTool} << QStringList{}
        << QStringList{folderTool} << QStringList{folderTool} << true << true;
    QTest::newRow("neither value") << 1 << none << none << QStringList{} << QStringList{}
                                   << QStringList{} << QStringList{} << true << true;
}

void tst_sysinfo::findsAndStartsTheTool() {
    QFETCH(int, pathType);
    QFETCH(QByteArray, pathValue);
    QFETCH(QByteArray, folderValue);
    QFETCH(QStringList, files);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, expectedChecks);
    QFETCH(QStringList, expectedStarts);
    QFETCH(bool, expectedFolderKeyRead);
    QFETCH(bool, expectedMessage);

    FakeRegistry registry;
    if (!pathValue.isNull())
        registry.keys[toolKey]["PATH"] = {std::uint32_t(pathType), pathValue};
    if (!folderValue.isNull())
        registry.keys[folderKey]["MSINFO"] = {platform::typeString, folderValue};

    QStringList checks;
    QStringList starts;
    QList<numtext::Message> messages;
    about::SysInfoServices services{&registry,
                                    [&](const std::string& path) {
                                        checks << QString::fromStdString(path);
                                        return files.contains(QString::fromStdString(path));
                                    },
                                    [&](const std::string& path) {
                                        starts << QString::fromStdString(path);
                                        return startable.contains(QString::fromStdString(path));
                                    },
                                    [&](const numtext::Message& message) { messages << message; },
                                    numtext::fullStopLocale};

    about::StartSysInfo(services);

    QCOMPARE(checks, expectedChecks);
    QCOMPARE(starts, expectedStarts);
    QCOMPARE(registry.keysAskedFor.contains(QString::fromLatin1(folderKey)), expectedFolderKeyRead);
    if (expectedMessage) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().text,
                 std::string("La información del sistema no está disponible en este momento"));
        QCOMPARE(messages.first().title, std::string("Tarabel"));
        QVERIFY(messages.first().style == numtext::MessageStyle::Plain);
    } else {
        QVERIFY(messages.isEmpty());
    }
    QVERIFY(registry.allClosed());
}

void tst_sysinfo::plainFileTest_data() {
    QTest::addColumn<QString>("name"); // below a fresh folder; empty: the folder itself
    QTest::addColumn<bool>("create");
    QTest::addColumn<bool>("expected");

    QTest::newRow("plain file") << QStringLiteral("MSINFO32.EXE") << true << true;
    QTest::newRow("missing file") << QStringLiteral("MSINFO32.EXE") << false << false;
    QTest::newRow("folder") << QString() << true << false;
#ifndef _WIN32
    QTest::newRow("hidden file") << QStringLiteral(".msinfo32") << true << false;
#endif
}

void tst_sysinfo::plainFileTest() {
    QFETCH(QString, name);
    QFETCH(bool, create);
    QFETCH(bool, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = name.isEmpty() ? dir.path() : dir.filePath(name);
    if (create && !name.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(platform::isPlainFile(path.toStdString()), expected);
}

#ifndef _WIN32
namespace {

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
#endif

void tst_sysinfo::startsProgramWithoutShell() {
#ifdef _WIN32
    QSKIP("uses a shell script as the program");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Blanks, a command substitution and a separator: a shell would run `touch hacked`.
    const QString program = dir.filePath(QStringLiteral("info del sistema $(touch hacked); x"));
    QVERIFY(writeMarkingScript(program));

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const bool started = platform::startProgram(program.toStdString());
    QDir::setCurrent(previous);

    QVERIFY(started);
    QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("started"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("hacked"))));
#endif
}

void tst_sysinfo::refusesProgramsThatCannotStart() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile plain(dir.filePath(QStringLiteral("not-a-program")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("text\n");
    plain.close();

    QVERIFY(!platform::startProgram(""));
    QVERIFY(!platform::startProgram(dir.filePath(QStringLiteral("missing")).toStdString()));
    QVERIFY(!platform::startProgram(dir.path().toStdString()));
#ifndef _WIN32
    QVERIFY(!platform::startProgram(plain.fileName().toStdString()));
#endif
}

#ifndef _WIN32
// Without a registry the stand-in answers the tool key's "PATH" with the first known tool on the
// search path, and knows no other value.
void tst_sysinfo::standInAnswersFromSearchPath() {
    const QByteArray savedPath = qgetenv("PATH");
    const auto restore = qScopeGuard([&] { qputenv("PATH", savedPath); });

    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    const QString hardinfo = first.filePath(QStringLiteral("hardinfo"));
    const QString kinfocenter = second.filePath(QStringLiteral("kinfocenter"));
    QVERIFY(writeMarkingScript(hardinfo));
    QVERIFY(writeMarkingScript(kinfocenter));

    auto& registry = platform::systemRegistry();
    const auto read = [&](const char* key, const char* value) -> std::optional<std::string> {
        std::string text;
        if (!about::GetKeyValue(registry, platform::localMachine, key, value, text,
                                numtext::fullStopLocale))
            return std::nullopt;
        return text;
    };

    qputenv("PATH", first.path().toLocal8Bit());
    QCOMPARE(read(toolKey, "PATH"), std::optional(hardinfo.toStdString()));
    QCOMPARE(read(folderKey, "MSINFO"), std::nullopt);
    QCOMPARE(read(toolKey, "MSINFO"), std::nullopt);

    // The better tool wins wherever it stands on the path.
    qputenv("PATH", (first.path() + QLatin1Char(':') + second.path()).toLocal8Bit());
    QCOMPARE(read(toolKey, "PATH"), std::optional(kinfocenter.toStdString()));

    // The value obeys the buffer's limit like any other.
    QString deep = first.path();
    while (deep.toUtf8().size() < 1030)
        deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(deep));
    QVERIFY(writeMarkingScript(deep + QStringLiteral("/hardinfo")));
    qputenv("PATH", deep.toLocal8Bit());
    QCOMPARE(read(toolKey, "PATH"), std::nullopt);

    // No tool at all: the button ends in the message.
    qputenv("PATH", QTemporaryDir().path().toLocal8Bit());
    QList<numtext::Message> messages;
    QStringList starts;
    about::StartSysInfo({&registry, platform::isPlainFile,
                         [&](const std::string& path) {
                             starts << QString::fromStdString(path);
                             return true;
                         },
                         [&](const numtext::Message& message) { messages << message; },
                         numtext::fullStopLocale});
    QVERIFY(starts.isEmpty());
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first(), about::sysInfoUnavailable());
}
#endif

QTEST_MAIN(tst_sysinfo)
#include "tst_sysinfo.moc"
