#include "filesizelimit.h"
#include "logcapture.h"
#include "tavsettings.h"

#include "bigendian.h"

#include <QtTest>

#include <memory>

// The settings file's bytes are built here by hand, independently of Qt's
// data stream: big-endian integers, strings as a byte length and UTF-16 code
// units, each value as its type id, a null flag and its own form.
namespace {



QByteArray text(const QString &s)
{
    QByteArray b = be32(quint32(s.size()) * 2);
    for (const QChar c : s) {
        b.append(char(c.unicode() >> 8));
        b.append(char(c.unicode() & 0xff));
    }
    return b;
}

const QByteArray nullText = be32(0xffffffff);

QByteArray head(quint32 type, bool null = false)
{
    return be32(type) + char(null ? 1 : 0);
}

enum TypeId : quint32 {
    Invalid = 0, Bool = 1, Int = 2, VariantList = 9, String = 10, StringList = 11,
    ByteArray = 12, Date = 14, Time = 15, DateTime = 16, Size = 21, Point = 25,
    Image = 70, User = 1024
};

// 2024-01-15 as a Julian day (proleptic Gregorian ordinal 738900 + 1721425).
constexpr quint64 kJan15Jd = 2460325;
// 13:45:30.250 in milliseconds since midnight.
constexpr quint32 kAfternoonMs = 13 * 3600000 + 45 * 60000 + 30 * 1000 + 250;

const QDate jan15(2024, 1, 15);
const QDateTime jan15Afternoon(jan15, QTime(13, 45, 30, 250), Qt::LocalTime);

// A store of every kept type, as keys and values, and its file.
QStringList allTypesKeys()
{
    return {"pos", "doNotShowHowTo", "DateCheckUpdate", "LastChangedPasswordDate",
            "treeHeader", "MainWindow/geometry", "passwordhint", "DoNotAsk"};
}

QVariantList allTypesValues()
{
    return {QPoint(-3, 7), true, jan15, jan15Afternoon, QByteArray("\x00\xff" "ab", 4),
            QByteArray(""), QString(), QVariant()};
}

QByteArray allTypesFile()
{
    // From the greatest key down: lower case sorts after upper case.
    return be32(8)
        + text("Settings/treeHeader") + head(ByteArray) + be32(4) + QByteArray("\x00\xff" "ab", 4)
        + text("Settings/pos") + head(Point) + be32(quint32(-3)) + be32(7)
        + text("Settings/passwordhint") + head(String) + nullText
        + text("Settings/doNotShowHowTo") + head(Bool) + char(1)
        + text("Settings/MainWindow/geometry") + head(ByteArray) + be32(0)
        + text("Settings/LastChangedPasswordDate") + head(DateTime) + be64(kJan15Jd)
              + be32(kAfternoonMs) + char(0)
        + text("Settings/DoNotAsk") + head(Invalid, true)
        + text("Settings/DateCheckUpdate") + head(Date) + be64(kJan15Jd);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Same type, same value, and a null string or array stays null.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.userType() != b.userType() || a != b)
        return false;
    if (a.userType() == QMetaType::QString)
        return a.toString().isNull() == b.toString().isNull();
    if (a.userType() == QMetaType::QByteArray)
        return a.toByteArray().isNull() == b.toByteArray().isNull();
    return true;
}

} // namespace

class TestTAVSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void fileHasKnownBytes_data();
    void fileHasKnownBytes();
    void knownFileReadsBack_data();
    void knownFileReadsBack();
    void repeatedKeysAreKeptAndWrittenBack();

    void fullKeyJoinsGroups_data();
    void fullKeyJoinsGroups();
    void lookupsFollowOpenGroups();
    void fileNameIsLogged();

    void changesStayInMemoryUntilWritten();
    void missingFileEmptiesStore();
    void truncatedFileIsDamage();
    void damagedFileIsDamage_data();
    void damagedFileIsDamage();

    void failedWriteKeepsOldFile();
    void writeIntoVanishedFolderFails();
    void valueOfUnkeptTypeIsRefused_data();
    void valueOfUnkeptTypeIsRefused();

private:
    void store(const QStringList &keys, const QVariantList &values);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    TAVSettings *m_settings = nullptr;
};

void TestTAVSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath("config.dat");
    m_settings = TAVSettings::getInstance();
    m_settings->setFileName(m_path);
    QCOMPARE(m_settings->read(), int(TAVSettings::ReadNoFile)); // starts each test empty
}

void TestTAVSettings::store(const QStringList &keys, const QVariantList &values)
{
    m_settings->beginGroup("Settings");
    for (int i = 0; i < keys.size(); ++i)
        m_settings->setValue(keys.at(i), values.at(i));
    m_settings->endGroup();
}

void TestTAVSettings::fileHasKnownBytes_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("empty store") << QStringList() << QVariantList() << be32(0);
    QTest::newRow("three keys")
        << QStringList{"Language", "size", "MinuteOfTimeOut"}
        << QVariantList{QString("en_US"), QSize(1024, 580), 10}
        << be32(3)
               + text("Settings/size") + head(Size) + be32(1024) + be32(580)
               + text("Settings/MinuteOfTimeOut") + head(Int) + be32(10)
               + text("Settings/Language") + head(String) + text("en_US");
    QTest::newRow("every kept type") << allTypesKeys() << allTypesValues() << allTypesFile();
    QTest::newRow("text beyond Latin-1")
        << QStringList{"passwordhint"} << QVariantList{QString::fromUtf8("k\xc3\xb6" "t\xe2\x82\xac")}
        << be32(1) + text("Settings/passwordhint") + head(String)
               + be32(8) + QByteArray("\x00k\x00\xf6\x00t\x20\xac", 8);
}

void TestTAVSettings::fileHasKnownBytes()
{
    QFETCH(QStringList, keys);
    QFETCH(QVariantList, values);
    QFETCH(QByteArray, file);

    store(keys, values);
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    QCOMPARE(fileBytes(m_path).toHex(), file.toHex());
}

void TestTAVSettings::knownFileReadsBack_data()
{
    fileHasKnownBytes_data();
}

void TestTAVSettings::knownFileReadsBack()
{
    QFETCH(QStringList, keys);
    QFETCH(QVariantList, values);
    QFETCH(QByteArray, file);

    m_settings->beginGroup("Settings");
    m_settings->setValue("stale", 1); // read() replaces the whole store
    m_settings->endGroup();

    QVERIFY(putFile(m_path, file));
    QCOMPARE(m_settings->read(), int(TAVSettings::ReadOk));
    m_settings->beginGroup("Settings");
    QVERIFY(!m_settings->value("stale").isValid());
    for (int i = 0; i < keys.size(); ++i) {
        const QVariant got = m_settings->value(keys.at(i), QString("<absent>"));
        QVERIFY2(sameValue(got, values.at(i)), qPrintable(keys.at(i)));
    }
    m_settings->endGroup();

    // Written again, the file is the same to the byte.
    QVERIFY(putFile(m_path, QByteArray()));
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    QCOMPARE(fileBytes(m_path).toHex(), file.toHex());
}

void TestTAVSettings::repeatedKeysAreKeptAndWrittenBack()
{
    // Only a file made elsewhere repeats a key; its copies are all kept,
    // the one read last answers, and writing gives the same file back.
    const QByteArray file = be32(2)
        + text("Settings/Vkey") + head(Int) + be32(1)
        + text("Settings/Vkey") + head(Int) + be32(3);
    QVERIFY(putFile(m_path, file));
    QCOMPARE(m_settings->read(), int(TAVSettings::ReadOk));
    m_settings->beginGroup("Settings");
    QCOMPARE(m_settings->value("Vkey"), QVariant(3));
    m_settings->endGroup();
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    QCOMPARE(fileBytes(m_path).toHex(), file.toHex());
}

void TestTAVSettings::fullKeyJoinsGroups_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fullKey");

    QTest::newRow("no group") << QStringList() << "Language" << "/Language";
    QTest::newRow("one group") << QStringList{"Settings"} << "Language" << "Settings/Language";
    QTest::newRow("nested groups") << QStringList{"Settings", "Sub"} << "Vkey" << "Settings/Sub/Vkey";
    QTest::newRow("slash in key") << QStringList{"Settings"} << "MainWindow/geometry"
                                  << "Settings/MainWindow/geometry";
}

void TestTAVSettings::fullKeyJoinsGroups()
{
    QFETCH(QStringList, groups);
    QFETCH(QString, key);
    QFETCH(QString, fullKey);

    for (const QString &group : groups)
        m_settings->beginGroup(group);
    QCOMPARE(m_settings->makekey(key), fullKey);
    for (int i = 0; i < groups.size(); ++i)
        m_settings->endGroup();
    QCOMPARE(m_settings->makekey(key), "/" + key);
}

void TestTAVSettings::lookupsFollowOpenGroups()
{
    m_settings->beginGroup("Settings");
    m_settings->setValue("Language", QString("de_DE"));
    m_settings->beginGroup("Sub");
    QVERIFY(!m_settings->value("Language").isValid());
    m_settings->endGroup(); // back in "Settings" only
    QCOMPARE(m_settings->value("Language"), QVariant(QString("de_DE")));
    m_settings->endGroup();

    // With no group open the key is "/Language": the grouped value is not found.
    QVERIFY(!m_settings->value("Language").isValid());
    QCOMPARE(m_settings->value("Language", QString("en_US")), QVariant(QString("en_US")));

    // An unpaired endGroup() leaves the keys as they were.
    m_settings->endGroup();
    QCOMPARE(m_settings->makekey("Language"), QString("/Language"));

    // Replacing keeps one value per key.
    m_settings->beginGroup("Settings");
    m_settings->setValue("Language", QString("fr_FR"));
    m_settings->endGroup();
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    QCOMPARE(fileBytes(m_path).left(4), be32(1));
}

void TestTAVSettings::fileNameIsLogged()
{
    LogCapture log;
    m_settings->setFileName("/media/STICK/KolvaneVave Settings/config.dat");
    QCOMPARE(log.lines().size(), 1);
    QVERIFY2(log.lines().first().trimmed().endsWith(
                 " Settings file name set to \"/media/STICK/KolvaneVave Settings/config.dat\""),
             log.lines().first().constData());
    QVERIFY(log.lines().first().contains(" I tavsettings.cpp "));
}

void TestTAVSettings::changesStayInMemoryUntilWritten()
{
    store({"Vkey"}, {2});
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    const QByteArray before = fileBytes(m_path);

    store({"Vkey", "Language"}, {3, QString("en_US")});
    QCOMPARE(fileBytes(m_path), before);
}

void TestTAVSettings::missingFileEmptiesStore()
{
    store({"Vkey"}, {2});
    QCOMPARE(m_settings->read(), int(TAVSettings::ReadNoFile));
    m_settings->beginGroup("Settings");
    QVERIFY(!m_settings->value("Vkey").isValid());
    QCOMPARE(m_settings->value("Vkey", 1), QVariant(1));
    m_settings->endGroup();

    // A folder in the file's place is no settings file either.
    QVERIFY(QDir().mkpath(m_path));
    QCOMPARE(m_settings->read(), int(TAVSettings::ReadNoFile));
}

void TestTAVSettings::truncatedFileIsDamage()
{
    const QByteArray whole = allTypesFile();
    for (int length = 0; length < whole.size(); ++length) {
        store({"Vkey"}, {2});
        QVERIFY(putFile(m_path, whole.left(length)));
        QCOMPARE(m_settings->read(), int(TAVSettings::ReadDamaged));
        m_settings->beginGroup("Settings");
        QVERIFY2(!m_settings->value("Vkey").isValid() && !m_settings->value("pos").isValid(),
                 qPrintable(QString("cut at %1").arg(length)));
        m_settings->endGroup();
    }
}

void TestTAVSettings::damagedFileIsDamage_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray one = be32(1) + text("Settings/Vkey");
    QTest::newRow("byte after the pairs") << be32(1) + text("Settings/Vkey") + head(Int) + be32(1) + char(0);
    QTest::newRow("fewer pairs than counted") << be32(2) + text("Settings/Vkey") + head(Int) + be32(1);
    QTest::newRow("key of odd byte length") << be32(1) + be32(3) + QByteArray("\x00V\x00", 3) + head(Int) + be32(1);
    QTest::newRow("string longer than file") << one + head(String) + be32(0x7ffffffe) + text("ab");
    QTest::newRow("time") << one + head(Time) + be32(kAfternoonMs);
    QTest::newRow("string list") << one + head(StringList) + be32(1) + text("a");
    QTest::newRow("list counting 4 billion") << one + head(VariantList) + be32(0xfffffff0);
    QTest::newRow("image") << one + head(Image) + QByteArray(16, '\0');
    QTest::newRow("registered type by name")
        << one + head(User) + be32(23) + QByteArray("TAVFileSystemEntryList", 23) + be32(0);
    QTest::newRow("date-time in a named zone")
        << one + head(DateTime) + be64(kJan15Jd) + be32(kAfternoonMs) + char(3) + text("Europe/Paris");
    QTest::newRow("date-time spec out of range")
        << one + head(DateTime) + be64(kJan15Jd) + be32(kAfternoonMs) + char(7);
    QTest::newRow("date-time cut in its date") << one + head(DateTime) + be32(0);
}

void TestTAVSettings::damagedFileIsDamage()
{
    QFETCH(QByteArray, file);

    store({"Vkey"}, {2});
    QVERIFY(putFile(m_path, file));
    LogCapture log;
    QCOMPARE(m_settings->read(), int(TAVSettings::ReadDamaged));
    m_settings->beginGroup("Settings");
    QVERIFY(!m_settings->value("Vkey").isValid());
    m_settings->endGroup();
    bool logged = false;
    for (const QByteArray &line : log.lines())
        logged = logged || (line.contains(" E tavsettings.cpp ") && line.contains("settings file is damaged"));
    QVERIFY(logged);
    // Set aside whole under a name of its own: the next write can't replace it.
    const QString kept = m_settings->keptDamagedFile();
    QVERIFY(kept.startsWith(m_path + ".damaged-"));
    QCOMPARE(fileBytes(kept), file);
    QVERIFY(!QFileInfo::exists(m_path));
    QVERIFY(QFile::remove(kept));
}

void TestTAVSettings::failedWriteKeepsOldFile()
{
    store({"Vkey"}, {2});
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    const QByteArray before = fileBytes(m_path);

    store({"MainWindow/geometry"}, {QByteArray(64 * 1024, 'g')});
    {
        FileSizeLimit limit(4096);
        QCOMPARE(m_settings->write(), int(TAVSettings::WriteFailed));
    }
    QCOMPARE(fileBytes(m_path), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"config.dat"});

    // The values are still in memory and go out once writing works again.
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    QVERIFY(fileBytes(m_path).size() > 64 * 1024);
}

void TestTAVSettings::writeIntoVanishedFolderFails()
{
    const QString folder = m_dir->filePath("KolvaneVave Settings");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/config.dat";
    m_settings->setFileName(path);
    store({"Vkey"}, {2});
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));

    QVERIFY(QDir(folder).removeRecursively()); // the drive's folder went away
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteFailed));
    QVERIFY(!QFileInfo::exists(folder));

    m_settings->beginGroup("Settings");
    QCOMPARE(m_settings->value("Vkey"), QVariant(2));
    m_settings->endGroup();

    m_settings->setFileName(QString());
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteFailed));
}

void TestTAVSettings::valueOfUnkeptTypeIsRefused_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("kept");

    QTest::newRow("int") << QVariant(5) << true;
    QTest::newRow("local date-time") << QVariant(jan15Afternoon) << true;
    QTest::newRow("date-time at an offset")
        << QVariant(QDateTime(jan15, QTime(1, 2), Qt::OffsetFromUTC, 3600)) << true;
    QTest::newRow("date-time in a named zone")
        << QVariant(QDateTime(jan15, QTime(1, 2), QTimeZone("UTC+01:00"))) << false;
    QTest::newRow("string list") << QVariant(QStringList{"a"}) << false;
    QTest::newRow("double") << QVariant(1.5) << false;
    QTest::newRow("time") << QVariant(QTime(1, 2)) << false;
}

void TestTAVSettings::valueOfUnkeptTypeIsRefused()
{
    QFETCH(QVariant, value);
    QFETCH(bool, kept);

    store({"Vkey"}, {2});
    QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
    const QByteArray before = fileBytes(m_path);

    store({"Other"}, {value});
    QCOMPARE(TAVSettings::isStorable(value), kept);
    if (kept) {
        // What is written reads back as the same value.
        QCOMPARE(m_settings->write(), int(TAVSettings::WriteOk));
        QCOMPARE(m_settings->read(), int(TAVSettings::ReadOk));
        m_settings->beginGroup("Settings");
        QVERIFY(sameValue(m_settings->value("Other"), value));
        m_settings->endGroup();
    } else {
        QCOMPARE(m_settings->write(), int(TAVSettings::WriteFailed));
        QCOMPARE(fileBytes(m_path), before);
    }
}

QTEST_GUILESS_MAIN(TestTAVSettings)
#include "tst_tavsettings.moc"
