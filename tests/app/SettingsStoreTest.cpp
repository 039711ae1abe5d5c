#include "app/FileSettingsStore.h"
#include "app/XdgStartWithSystem.h"
#include "MemorySettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

namespace {
// Optionals as QVariants, so that QCOMPARE shows both sides; invalid = nullopt.
QVariant shown(const std::optional<int>& value)
{
    return value ? QVariant(*value) : QVariant();
}
QVariant shown(const std::optional<QString>& value)
{
    return value ? QVariant(*value) : QVariant();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString quoted(const QString& path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // FileSettingsStore
    void integerRoundTrip_data();
    void integerRoundTrip();
    void stringRoundTrip_data();
    void stringRoundTrip();
    void boolIsStoredAsOneOrZero_data();
    void boolIsStoredAsOneOrZero();
    void aNameTakesTheTypeOfItsLastWrite();
    void missingFileHasNoValues();
    void oddContentsReadAsDefaultsAndCanBeWrittenOver_data();
    void oddContentsReadAsDefaultsAndCanBeWrittenOver();
    void writesFromSeveralInstancesKeepEachOther();
    void removeDeletesOnlyThatValue();
    void fileIsReplacedWhole();
    void availability_data();
    void availability();

    // MemorySettingsStore, used by other tests in place of the file
    void memoryStoreReadsLikeTheFileStore_data();
    void memoryStoreReadsLikeTheFileStore();

    // XdgStartWithSystem
    void autostartEnableWritesQuotedPath_data();
    void autostartEnableWritesQuotedPath();
    void autostartDisableDeletesTheEntry();
    void autostartEnableAgainReplacesThePath();
    void autostartReadsEntriesWrittenElsewhere_data();
    void autostartReadsEntriesWrittenElsewhere();

private:
    QString settingsPath() const { return m_dir->filePath(QStringLiteral("config/Reefnote/settings.json")); }
    QString autostartFolder() const { return m_dir->filePath(QStringLiteral("config/autostart")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void SettingsStoreTest::initTestCase()
{
    // Every test works in its own temporary folder; test mode is a second guard
    // should anything reach for the standard locations.
    QStandardPaths::setTestModeEnabled(true);
}

void SettingsStoreTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SettingsStoreTest::integerRoundTrip_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << 0;
    QTest::newRow("positive") << 42;
    QTest::newRow("negative") << -7;
    QTest::newRow("largest") << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << std::numeric_limits<int>::min();
}

void SettingsStoreTest::integerRoundTrip()
{
    QFETCH(int, value);
    FileSettingsStore(settingsPath()).writeInteger(QStringLiteral("TANK_COUNT"), value);

    const FileSettingsStore fresh(settingsPath());
    QCOMPARE(shown(fresh.readInteger(QStringLiteral("TANK_COUNT"))), QVariant(value));
    QCOMPARE(shown(fresh.readString(QStringLiteral("TANK_COUNT"))), QVariant()); // stored as a number
}

void SettingsStoreTest::stringRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << QStringLiteral("Reef tank");
    QTest::newRow("non-Latin") << QStringLiteral("Süßwasser – Рифовый аквариум – 珊瑚礁 – 🐠");
    QTest::newRow("quotes and backslashes") << QStringLiteral(R"(say "hi" to 'Nemo' \ C:\Tanks\)");
    QTest::newRow("line breaks") << QStringLiteral("first\nsecond\r\nthird\ttab");
    QTest::newRow("empty") << QString();
    QTest::newRow("digits") << QStringLiteral("5");
    QTest::newRow("looks like JSON") << QStringLiteral(R"({"X": 1})");
    QTest::newRow("NUL character") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
}

void SettingsStoreTest::stringRoundTrip()
{
    QFETCH(QString, value);
    FileSettingsStore(settingsPath()).writeString(QStringLiteral("TANK_NAME"), value);

    const FileSettingsStore fresh(settingsPath());
    QCOMPARE(shown(fresh.readString(QStringLiteral("TANK_NAME"))), QVariant(value));
    QCOMPARE(shown(fresh.readInteger(QStringLiteral("TANK_NAME"))), QVariant()); // stored as text
}

void SettingsStoreTest::boolIsStoredAsOneOrZero_data()
{
    QTest::addColumn<bool>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("true") << true << 1;
    QTest::newRow("false") << false << 0;
}

void SettingsStoreTest::boolIsStoredAsOneOrZero()
{
    QFETCH(bool, value);
    QFETCH(int, stored);
    FileSettingsStore(settingsPath()).writeBool(QStringLiteral("SHOW_TIPS"), value);
    QCOMPARE(shown(FileSettingsStore(settingsPath()).readInteger(QStringLiteral("SHOW_TIPS"))), QVariant(stored));
}

void SettingsStoreTest::aNameTakesTheTypeOfItsLastWrite()
{
    const QString name = QStringLiteral("LANGUAGE");
    FileSettingsStore(settingsPath()).writeInteger(name, 2);
    FileSettingsStore(settingsPath()).writeString(name, QStringLiteral("2"));
    QCOMPARE(shown(FileSettingsStore(settingsPath()).readInteger(name)), QVariant());
    QCOMPARE(shown(FileSettingsStore(settingsPath()).readString(name)), QVariant(QStringLiteral("2")));

    FileSettingsStore(settingsPath()).writeInteger(name, 3);
    QCOMPARE(shown(FileSettingsStore(settingsPath()).readInteger(name)), QVariant(3));
    QCOMPARE(shown(FileSettingsStore(settingsPath()).readString(name)), QVariant());
}

void SettingsStoreTest::missingFileHasNoValues()
{
    const FileSettingsStore store(settingsPath());
    QVERIFY(store.isAvailable());
    QCOMPARE(shown(store.readInteger(QStringLiteral("X"))), QVariant());
    QCOMPARE(shown(store.readString(QStringLiteral("X"))), QVariant(QString()));
    QCOMPARE(store.readInteger(QStringLiteral("X"), 17), 17);

    FileSettingsStore(settingsPath()).remove(QStringLiteral("X"));
    QVERIFY2(!QFile::exists(settingsPath()), "reading or removing a missing value must not create the file");
}

void SettingsStoreTest::oddContentsReadAsDefaultsAndCanBeWrittenOver_data()
{
    // What the file holds, and what "X" reads as: invalid means nullopt.
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QVariant>("integer");
    QTest::addColumn<QVariant>("string");

    const QVariant none;
    const QVariant empty = QString();
    QTest::newRow("empty file") << QByteArray() << none << empty;
    QTest::newRow("random bytes") << QByteArray::fromHex("8f00ff13377b22e2809c0a01fe") << none << empty;
    QTest::newRow("truncated JSON") << QByteArray(R"({"X": 5, "Y": "ab)") << none << empty;
    QTest::newRow("JSON array") << QByteArray(R"([{"X": 5}])") << none << empty;
    QTest::newRow("JSON scalar") << QByteArray("5") << none << empty;
    QTest::newRow("only other names") << QByteArray(R"({"Y": 5})") << none << empty;
    QTest::newRow("array value") << QByteArray(R"({"X": [1]})") << none << none;
    QTest::newRow("object value") << QByteArray(R"({"X": {"a": 1}})") << none << none;
    QTest::newRow("boolean value") << QByteArray(R"({"X": true})") << none << none;
    QTest::newRow("null value") << QByteArray(R"({"X": null})") << none << none;
    QTest::newRow("huge number") << QByteArray(R"({"X": 1e20})") << none << none;
    QTest::newRow("fraction") << QByteArray(R"({"X": 5.5})") << none << none;
    QTest::newRow("just above int") << QByteArray(R"({"X": 2147483648})") << none << none;
    QTest::newRow("just below int") << QByteArray(R"({"X": -2147483649})") << none << none;
    QTest::newRow("smallest int") << QByteArray(R"({"X": -2147483648})") << QVariant(std::numeric_limits<int>::min())
                                  << none;
    QTest::newRow("whole number with a point") << QByteArray(R"({"X": 5.0})") << QVariant(5) << none;
    QTest::newRow("integer") << QByteArray(R"({"X": 5})") << QVariant(5) << none;
    QTest::newRow("digits as text") << QByteArray(R"({"X": "5"})") << none << QVariant(QStringLiteral("5"));
}

void SettingsStoreTest::oddContentsReadAsDefaultsAndCanBeWrittenOver()
{
    QFETCH(QByteArray, contents);
    QFETCH(QVariant, integer);
    QFETCH(QVariant, string);
    writeFile(settingsPath(), contents);

    {
        const FileSettingsStore store(settingsPath());
        QVERIFY(store.isAvailable());
        QCOMPARE(shown(store.readInteger(QStringLiteral("X"))), integer);
        QCOMPARE(shown(store.readString(QStringLiteral("X"))), string);
    }

    // A write leaves a valid file: with the new value, and with "X" reading as
    // before (kept from a valid object, or still missing after garbage).
    FileSettingsStore(settingsPath()).writeInteger(QStringLiteral("Z"), 7);
    const FileSettingsStore fresh(settingsPath());
    QCOMPARE(shown(fresh.readInteger(QStringLiteral("Z"))), QVariant(7));
    QCOMPARE(shown(fresh.readInteger(QStringLiteral("X"))), integer);
    QCOMPARE(shown(fresh.readString(QStringLiteral("X"))), string);
    QVERIFY(QJsonDocument::fromJson(contentsOf(settingsPath())).isObject());
}

void SettingsStoreTest::writesFromSeveralInstancesKeepEachOther()
{
    // Two instances open at once, as two windows of the program might be: each
    // write must start from what is in the file, not from what one instance saw.
    FileSettingsStore first(settingsPath());
    FileSettingsStore second(settingsPath());
    first.writeInteger(QStringLiteral("A"), 1);
    second.writeString(QStringLiteral("B"), QStringLiteral("two"));
    first.writeInteger(QStringLiteral("C"), 3);
    second.writeString(QStringLiteral("B"), QStringLiteral("deux"));

    const FileSettingsStore fresh(settingsPath());
    QCOMPARE(shown(fresh.readInteger(QStringLiteral("A"))), QVariant(1));
    QCOMPARE(shown(fresh.readString(QStringLiteral("B"))), QVariant(QStringLiteral("deux")));
    QCOMPARE(shown(fresh.readInteger(QStringLiteral("C"))), QVariant(3));
    QCOMPARE(shown(first.readString(QStringLiteral("B"))), QVariant(QStringLiteral("deux")));
}

void SettingsStoreTest::removeDeletesOnlyThatValue()
{
    FileSettingsStore store(settingsPath());
    store.writeInteger(QStringLiteral("A"), 1);
    store.writeString(QStringLiteral("B"), QStringLiteral("b"));
    FileSettingsStore(settingsPath()).remove(QStringLiteral("A"));

    const FileSettingsStore fresh(settingsPath());
    QCOMPARE(shown(fresh.readInteger(QStringLiteral("A"))), QVariant());
    QCOMPARE(shown(fresh.readString(QStringLiteral("A"))), QVariant(QString())); // missing, not of another type
    QCOMPARE(shown(fresh.readString(QStringLiteral("B"))), QVariant(QStringLiteral("b")));
}

void SettingsStoreTest::fileIsReplacedWhole()
{
    FileSettingsStore store(settingsPath());
    store.writeString(QStringLiteral("A"), QStringLiteral("old"));
    const QByteArray before = contentsOf(settingsPath());

    // A reader that opened the file before a write still sees the whole old file:
    // the write puts a new file in its place instead of rewriting this one.
    const bool canReplaceOpenFile = QSysInfo::productType() != QLatin1String("windows");
    QFile reader(settingsPath());
    if (canReplaceOpenFile)
        QVERIFY(reader.open(QIODevice::ReadOnly));
    for (int i = 0; i < 20; ++i)
        store.writeInteger(QStringLiteral("N%1").arg(i), i);
    if (canReplaceOpenFile)
        QCOMPARE(reader.readAll(), before);

    QCOMPARE(entriesOf(QFileInfo(settingsPath()).absolutePath()), QStringList{QStringLiteral("settings.json")});
    QCOMPARE(shown(FileSettingsStore(settingsPath()).readInteger(QStringLiteral("N19"))), QVariant(19));
}

void SettingsStoreTest::availability_data()
{
    QTest::addColumn<QString>("place"); // what stands at the file's path or its folder
    QTest::addColumn<bool>("available");
    QTest::newRow("folder to be created") << QString() << true;
    QTest::newRow("existing file") << QStringLiteral("file") << true;
    QTest::newRow("a folder instead of the file") << QStringLiteral("folder at file") << false;
    QTest::newRow("a file instead of the folder") << QStringLiteral("file at folder") << false;
}

void SettingsStoreTest::availability()
{
    QFETCH(QString, place);
    QFETCH(bool, available);
    const QString folder = QFileInfo(settingsPath()).absolutePath();
    if (place == QLatin1String("file"))
        writeFile(settingsPath(), R"({"A": 1})");
    else if (place == QLatin1String("folder at file"))
        QVERIFY(QDir().mkpath(settingsPath()));
    else if (place == QLatin1String("file at folder"))
        writeFile(folder, "not a folder");

    FileSettingsStore store(settingsPath());
    QCOMPARE(store.isAvailable(), available);
    store.writeInteger(QStringLiteral("B"), 2);
    QCOMPARE(shown(FileSettingsStore(settingsPath()).readInteger(QStringLiteral("B"))),
             available ? QVariant(2) : QVariant());
    if (available)
        QVERIFY(QFileInfo(folder).isDir());

    QVERIFY(!FileSettingsStore(QString()).isAvailable());
}

void SettingsStoreTest::memoryStoreReadsLikeTheFileStore_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("missing") << QVariant();
    QTest::newRow("integer") << QVariant(5);
    QTest::newRow("digits as text") << QVariant(QStringLiteral("2"));
    QTest::newRow("empty text") << QVariant(QString());
    QTest::newRow("fraction") << QVariant(5.5);
    QTest::newRow("boolean") << QVariant(true);
    QTest::newRow("list") << QVariant(QStringList{QStringLiteral("a")});
}

void SettingsStoreTest::memoryStoreReadsLikeTheFileStore()
{
    QFETCH(QVariant, stored);
    const QString name = QStringLiteral("LANGUAGE");
    MemorySettingsStore memory;
    QJsonObject object;
    if (stored.isValid()) {
        memory.setRaw(name, stored);
        object.insert(name, QJsonValue::fromVariant(stored));
    }
    writeFile(settingsPath(), QJsonDocument(object).toJson());
    const FileSettingsStore file(settingsPath());

    QCOMPARE(shown(memory.readInteger(name)), shown(file.readInteger(name)));
    QCOMPARE(shown(memory.readString(name)), shown(file.readString(name)));
}

void SettingsStoreTest::autostartEnableWritesQuotedPath_data()
{
    // The executable, and the Exec line a desktop must read back as that path.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << QStringLiteral("/usr/bin/reefnote") << QStringLiteral(R"("/usr/bin/reefnote")");
    QTest::newRow("spaces and non-Latin letters") << QStringLiteral("/home/zoë/Мои программы/Reef note/reefnote")
                                                  << QStringLiteral(R"("/home/zoë/Мои программы/Reef note/reefnote")");
    QTest::newRow("double quote") << QStringLiteral(R"(/opt/say "hi"/reefnote)")
                                  << QStringLiteral(R"("/opt/say \\"hi\\"/reefnote")");
    QTest::newRow("dollar and backtick") << QStringLiteral("/opt/$HOME/`id`/reefnote")
                                         << QStringLiteral(R"("/opt/\\$HOME/\\`id\\`/reefnote")");
    QTest::newRow("backslash") << QStringLiteral(R"(/opt/back\slash/reefnote)")
                               << QStringLiteral(R"("/opt/back\\\\slash/reefnote")");
    QTest::newRow("percent") << QStringLiteral("/opt/100%/reefnote") << QStringLiteral(R"("/opt/100%%/reefnote")");
    QTest::newRow("line break") << QStringLiteral("/opt/two\nlines/reefnote")
                                << QStringLiteral(R"("/opt/two\nlines/reefnote")");
}

void SettingsStoreTest::autostartEnableWritesQuotedPath()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    XdgStartWithSystem(autostartFolder()).enable(path);

    const XdgStartWithSystem fresh(autostartFolder());
    QCOMPARE(fresh.desktopFilePath(), autostartFolder() + QStringLiteral("/Reefnote.desktop"));
    const QStringList lines = QString::fromUtf8(contentsOf(fresh.desktopFilePath())).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
    QVERIFY2(lines.contains(QStringLiteral("Type=Application")), qPrintable(lines.join(u'|')));
    QVERIFY2(lines.contains(QStringLiteral("Name=Reefnote")), qPrintable(lines.join(u'|')));
    QVERIFY2(lines.contains(QStringLiteral("Exec=") + exec), qPrintable(lines.join(u'|')));

    QCOMPARE(fresh.entry(), quoted(path));
    QVERIFY(fresh.isEnabled());
}

void SettingsStoreTest::autostartDisableDeletesTheEntry()
{
    XdgStartWithSystem(autostartFolder()).enable(QStringLiteral("/usr/bin/reefnote"));
    XdgStartWithSystem(autostartFolder()).disable();

    const XdgStartWithSystem fresh(autostartFolder());
    QVERIFY(!QFile::exists(fresh.desktopFilePath()));
    QCOMPARE(fresh.entry(), QString());
    QVERIFY(!fresh.isEnabled());

    XdgStartWithSystem(autostartFolder()).disable(); // nothing left to delete
    QVERIFY(!XdgStartWithSystem(autostartFolder()).isEnabled());
}

void SettingsStoreTest::autostartEnableAgainReplacesThePath()
{
    XdgStartWithSystem start(autostartFolder());
    start.enable(QStringLiteral("/opt/old place/reefnote"));
    start.enable(QStringLiteral("/opt/new place/reefnote"));

    QCOMPARE(XdgStartWithSystem(autostartFolder()).entry(), quoted(QStringLiteral("/opt/new place/reefnote")));
    const QByteArray contents = contentsOf(start.desktopFilePath());
    QCOMPARE(contents.count("Exec="), 1);
    QVERIFY(!contents.contains("old place"));
    QCOMPARE(entriesOf(autostartFolder()), QStringList{QStringLiteral("Reefnote.desktop")});
}

void SettingsStoreTest::autostartReadsEntriesWrittenElsewhere_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("entry");
    QTest::newRow("unquoted path") << QByteArray("[Desktop Entry]\nType=Application\nExec=/usr/bin/reefnote\n")
                                   << QStringLiteral("/usr/bin/reefnote");
    QTest::newRow("with an argument") << QByteArray("[Desktop Entry]\nExec=\"/usr/bin/reefnote\" --quiet\n")
                                      << QStringLiteral(R"("/usr/bin/reefnote" --quiet)");
    QTest::newRow("Windows line ends and spaces around =")
        << QByteArray("[Desktop Entry]\r\nName=Reefnote\r\nExec = \"/a b/reefnote\"\r\n")
        << QStringLiteral(R"("/a b/reefnote")");
    QTest::newRow("hidden by the desktop")
        << QByteArray("[Desktop Entry]\nExec=\"/usr/bin/reefnote\"\nHidden=true\n") << QString();
    QTest::newRow("Exec only in another group")
        << QByteArray("[Desktop Entry]\nName=Reefnote\n[Desktop Action New]\nExec=/usr/bin/reefnote\n") << QString();
    QTest::newRow("no Exec") << QByteArray("[Desktop Entry]\nName=Reefnote\n") << QString();
}

void SettingsStoreTest::autostartReadsEntriesWrittenElsewhere()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, entry);
    const XdgStartWithSystem start(autostartFolder());
    writeFile(start.desktopFilePath(), contents);
    QCOMPARE(start.entry(), entry);
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
