// The registry stand-in, reading a value as text, the file test, starting a
// program and the stand-in's contents on this system.

#include "FileTest.h"
#include "GetKeyValue.h"
#include "MemoryRegistry.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace platform;

using Setup = std::function<void(MemoryRegistry &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const char *const kKey = "SOFTWARE\\Sorvani";

std::string Repeat(char c, int count)
{
    return std::string(std::size_t(count), c);
}

// Reports a data size larger than any buffer, with success.
class OversizeRegistry : public MemoryRegistry {
public:
    std::int32_t QueryValue(RegistryHandle key, const char *name, std::uint32_t &type, unsigned char *data,
                            std::uint32_t &size) override
    {
        const std::int32_t status = MemoryRegistry::QueryValue(key, name, type, data, size);
        size = 2000;
        return status;
    }
};

bool MakeFile(const QString &path, bool executable, const QByteArray &content = "x")
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    if (executable)
        return file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueSizeZeroFailsForTheCaller();
    void getKeyValueSizeOverBufferFailsForTheCaller();
    void memoryRegistry();
    void fileTest_data();
    void fileTest();
    void startProgramWithoutShellOrArguments();
    void startProgramFailures_data();
    void startProgramFailures();
    void standInContents_data();
    void standInContents();
};

void TestPlatform::getKeyValue_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("text");

    const QByteArray path = "C:\\Windows\\System32\\msinfo32.exe";
    const std::string p = path.toStdString();
    QTest::newRow("string with terminating character")
        << Setup([p](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "PATH", p, true); })
        << QByteArray() << true << path;
    QTest::newRow("string without terminating character")
        << Setup([p](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "PATH", p, false); })
        << QByteArray() << true << path;
    QTest::newRow("names in other case")
        << Setup([p](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, "software\\SORVANI", "path", p); })
        << QByteArray() << true << path;
    QTest::newRow("character 0 inside is kept")
        << Setup([](MemoryRegistry &r) {
               r.SetValue(kHKeyLocalMachine, kKey, "PATH", kRegSz, {'a', 'b', 0, 'c', 'd', 0});
           })
        << QByteArray() << true << QByteArray("ab\0cd", 5);
    QTest::newRow("only the last character 0 is cut")
        << Setup([](MemoryRegistry &r) { r.SetValue(kHKeyLocalMachine, kKey, "PATH", kRegSz, {'a', 'b', 0, 0}); })
        << QByteArray() << true << QByteArray("ab\0", 3);
    QTest::newRow("one character 0 alone")
        << Setup([](MemoryRegistry &r) { r.SetValue(kHKeyLocalMachine, kKey, "PATH", kRegSz, {0}); })
        << QByteArray("before") << true << QByteArray();
    QTest::newRow("text of 8-bit characters")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "PATH", "C:\\Programa\xe1"); })
        << QByteArray() << true << QByteArray("C:\\Programa\xe1");
    QTest::newRow("number 261")
        << Setup([](MemoryRegistry &r) { r.SetDword(kHKeyLocalMachine, kKey, "PATH", 261); })
        << QByteArray() << true << QByteArray("&h000105");
    QTest::newRow("number 16777216")
        << Setup([](MemoryRegistry &r) { r.SetDword(kHKeyLocalMachine, kKey, "PATH", 16777216); })
        << QByteArray() << true << QByteArray("&h01000000");
    QTest::newRow("number with upper-case digits")
        << Setup([](MemoryRegistry &r) { r.SetDword(kHKeyLocalMachine, kKey, "PATH", 0xFEDCBA98u); })
        << QByteArray() << true << QByteArray("&hFEDCBA98");
    QTest::newRow("number 0")
        << Setup([](MemoryRegistry &r) { r.SetDword(kHKeyLocalMachine, kKey, "PATH", 0); })
        << QByteArray() << true << QByteArray("&h000000");
    QTest::newRow("1023 characters and the terminating one")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "PATH", Repeat('x', 1023)); })
        << QByteArray() << true << QByteArray(1023, 'x');
    QTest::newRow("1024 characters without terminating one fill the buffer")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "PATH", Repeat('x', 1024), false); })
        << QByteArray() << true << QByteArray(1024, 'x');
    QTest::newRow("1024 characters and the terminating one are too large")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "PATH", Repeat('x', 1024)); })
        << QByteArray("before") << false << QByteArray();
    QTest::newRow("value over 1024 bytes")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "PATH", Repeat('x', 5000)); })
        << QByteArray("before") << false << QByteArray();
    QTest::newRow("binary value keeps the text it had")
        << Setup([](MemoryRegistry &r) { r.SetValue(kHKeyLocalMachine, kKey, "PATH", kRegBinary, {1, 2, 3}); })
        << QByteArray("before") << true << QByteArray("before");
    QTest::newRow("expandable text keeps the text it had")
        << Setup([](MemoryRegistry &r) {
               r.SetValue(kHKeyLocalMachine, kKey, "PATH", kRegExpandSz, {'%', 'X', '%', 0});
           })
        << QByteArray() << true << QByteArray();
    QTest::newRow("missing value")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, kKey, "Other", "x"); })
        << QByteArray("before") << false << QByteArray();
    QTest::newRow("missing key")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyLocalMachine, "SOFTWARE\\Other", "PATH", "x"); })
        << QByteArray("before") << false << QByteArray();
    QTest::newRow("value under another root")
        << Setup([](MemoryRegistry &r) { r.SetString(kHKeyCurrentUser, kKey, "PATH", "x"); })
        << QByteArray("before") << false << QByteArray();
    QTest::newRow("key refusing reading")
        << Setup([](MemoryRegistry &r) {
               r.SetString(kHKeyLocalMachine, kKey, "PATH", "x");
               r.RefuseRights(kHKeyLocalMachine, kKey, kKeyQueryValue);
           })
        << QByteArray("before") << false << QByteArray();
    // What HKEY_LOCAL_MACHINE does for a user who is not an administrator.
    QTest::newRow("key refusing write rights is still read")
        << Setup([](MemoryRegistry &r) {
               r.SetString(kHKeyLocalMachine, kKey, "PATH", "x");
               r.RefuseRights(kHKeyLocalMachine, kKey, kKeySetValue | kKeyCreateSubKey | kKeyCreateLink);
           })
        << QByteArray() << true << QByteArray("x");
}

void TestPlatform::getKeyValue()
{
    QFETCH(Setup, setup);
    QFETCH(QByteArray, before);
    QFETCH(bool, result);
    QFETCH(QByteArray, text);

    MemoryRegistry registry;
    setup(registry);
    std::string KeyVal = before.toStdString();
    QCOMPARE(GetKeyValue(registry, kHKeyLocalMachine, kKey, "PATH", KeyVal), result);
    QCOMPARE(QByteArray::fromStdString(KeyVal), text);
    QCOMPARE(registry.OpenHandles(), 0);
    QCOMPARE(registry.AccessRequests(), std::vector<std::uint32_t>{kKeyRead});
}

void TestPlatform::getKeyValueSizeZeroFailsForTheCaller()
{
    MemoryRegistry registry;
    registry.SetValue(kHKeyLocalMachine, kKey, "PATH", kRegSz, {});
    std::string KeyVal = "before";
    QVERIFY_THROWS_EXCEPTION(KeyValueFailure, GetKeyValue(registry, kHKeyLocalMachine, kKey, "PATH", KeyVal));
    QCOMPARE(KeyVal, std::string("before"));
    QCOMPARE(registry.OpenHandles(), 0);
}

void TestPlatform::getKeyValueSizeOverBufferFailsForTheCaller()
{
    OversizeRegistry registry;
    registry.SetString(kHKeyLocalMachine, kKey, "PATH", "x");
    std::string KeyVal;
    QVERIFY_THROWS_EXCEPTION(KeyValueFailure, GetKeyValue(registry, kHKeyLocalMachine, kKey, "PATH", KeyVal));
    QCOMPARE(registry.OpenHandles(), 0);
}

void TestPlatform::memoryRegistry()
{
    MemoryRegistry registry;
    registry.SetString(kHKeyLocalMachine, kKey, "PATH", "abc");
    RegistryHandle key = 0;
    QCOMPARE(registry.OpenKey(kHKeyLocalMachine, kKey, 0, kKeyRead, key), kErrorSuccess);
    QVERIFY(key != kHKeyLocalMachine);

    // Asking for the size alone, then a buffer one byte short.
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    QCOMPARE(registry.QueryValue(key, "PATH", type, nullptr, size), kErrorSuccess);
    QCOMPARE(size, 4u);
    QCOMPARE(type, kRegSz);
    unsigned char buffer[8] = {};
    size = 3;
    QCOMPARE(registry.QueryValue(key, "PATH", type, buffer, size), kErrorMoreData);
    QCOMPARE(size, 4u);
    size = sizeof buffer;
    QCOMPARE(registry.QueryValue(key, "PATH", type, buffer, size), kErrorSuccess);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), int(size)), QByteArray("abc", 4));

    QCOMPARE(registry.CloseKey(key), kErrorSuccess);
    QCOMPARE(registry.CloseKey(key), kErrorInvalidHandle);
    QCOMPARE(registry.QueryValue(key, "PATH", type, buffer, size), kErrorInvalidHandle);
    QCOMPARE(registry.OpenKey(RegistryHandle(12345), kKey, 0, kKeyRead, key), kErrorInvalidHandle);
    QCOMPARE(registry.OpenKey(kHKeyLocalMachine, "SOFTWARE\\Nothing", 0, kKeyRead, key), kErrorFileNotFound);
    QCOMPARE(registry.OpenHandles(), 0);
}

void TestPlatform::fileTest_data()
{
    QTest::addColumn<QString>("path"); // relative to a fresh folder; "" stays empty
    QTest::addColumn<bool>("exists");

    QTest::newRow("ordinary file") << "MSINFO32.EXE" << true;
    QTest::newRow("file in a sub-folder") << "sub/tool" << true;
    QTest::newRow("folder") << "sub" << false;
    QTest::newRow("hidden file") << ".hidden" << false;
    QTest::newRow("file in a hidden folder") << ".folder/tool" << true;
    QTest::newRow("missing file") << "missing" << false;
    QTest::newRow("empty path") << "" << false;
}

void TestPlatform::fileTest()
{
    QFETCH(QString, path);
    QFETCH(bool, exists);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("sub"));
    QVERIFY(QDir(dir.path()).mkpath(".folder"));
    QVERIFY(MakeFile(dir.filePath("MSINFO32.EXE"), false));
    QVERIFY(MakeFile(dir.filePath("sub/tool"), false));
    QVERIFY(MakeFile(dir.filePath(".hidden"), false));
    QVERIFY(MakeFile(dir.filePath(".folder/tool"), false));
    const QString full = path.isEmpty() ? QString() : dir.filePath(path);
    QCOMPARE(OrdinaryFileExists(full.toLocal8Bit().toStdString()), exists);
}

void TestPlatform::startProgramWithoutShellOrArguments()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A name a shell would split into two commands.
    const QString program = dir.filePath("sys info;touch shell-ran");
    const QString marker = dir.filePath("started");
    QVERIFY(MakeFile(program, true, QStringLiteral("#!/bin/sh\necho \"$#\" > '%1'\n").arg(marker).toLocal8Bit()));

    QVERIFY(StartProgram(program.toLocal8Bit().toStdString()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && QFileInfo(marker).size() > 0, 10000);
    QFile file(marker);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().trimmed(), QByteArray("0"));
    QVERIFY(!QFile::exists(dir.filePath("shell-ran")));
    QVERIFY(!QFile::exists("shell-ran"));
}

void TestPlatform::startProgramFailures_data()
{
    QTest::addColumn<QString>("path"); // relative to a fresh folder
    QTest::newRow("missing file") << "missing";
    QTest::newRow("not executable") << "plain";
    QTest::newRow("folder") << "sub";
    QTest::newRow("empty path") << "";
}

void TestPlatform::startProgramFailures()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(MakeFile(dir.filePath("plain"), false, "#!/bin/sh\n"));
    QVERIFY(QDir(dir.path()).mkpath("sub"));
    const QString full = path.isEmpty() ? QString() : dir.filePath(path);
    QVERIFY(!StartProgram(full.toLocal8Bit().toStdString()));
}

void TestPlatform::standInContents_data()
{
    QTest::addColumn<QStringList>("executables"); // "folder/name", folders 1 and 2 searched in order
    QTest::addColumn<QStringList>("plainFiles");
    QTest::addColumn<QString>("expected");       // "folder/name", or empty for no value

    QTest::newRow("none installed") << QStringList() << QStringList() << QString();
    QTest::newRow("hardinfo") << QStringList{"2/hardinfo"} << QStringList() << "2/hardinfo";
    QTest::newRow("kinfocenter") << QStringList{"1/kinfocenter"} << QStringList() << "1/kinfocenter";
    QTest::newRow("hardinfo preferred") << QStringList{"1/kinfocenter", "2/hardinfo"} << QStringList()
                                        << "2/hardinfo";
    QTest::newRow("first folder wins") << QStringList{"1/hardinfo", "2/hardinfo"} << QStringList() << "1/hardinfo";
    QTest::newRow("not executable is not installed") << QStringList{"2/kinfocenter"} << QStringList{"1/hardinfo"}
                                                     << "2/kinfocenter";
    QTest::newRow("other programs are not recorded") << QStringList{"1/msinfo32", "1/neofetch"} << QStringList()
                                                     << QString();
}

void TestPlatform::standInContents()
{
    QFETCH(QStringList, executables);
    QFETCH(QStringList, plainFiles);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("1"));
    QVERIFY(QDir(dir.path()).mkpath("2"));
    for (const QString &name : executables)
        QVERIFY(MakeFile(dir.filePath(name), true));
    for (const QString &name : plainFiles)
        QVERIFY(MakeFile(dir.filePath(name), false));

    MemoryRegistry registry;
    FillStandInRegistry(registry, {dir.filePath("1"), dir.filePath("2")});
    std::string KeyVal;
    const bool found = GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                   "PATH", KeyVal);
    QCOMPARE(found, !expected.isEmpty());
    QCOMPARE(QString::fromLocal8Bit(KeyVal), expected.isEmpty() ? QString() : dir.filePath(expected));
    // The stand-in has nothing under the second key.
    QVERIFY(!GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                         KeyVal));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
