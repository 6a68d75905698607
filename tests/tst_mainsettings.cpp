#include "fakeclock.h"
#include "logcapture.h"
#include "mainsettings.h"
#include "tavcipherprops.h"
#include "tavsettings.h"

#include <QtTest>

#include <functional>

namespace {

const QDateTime kNow(QDate(2024, 3, 10), QTime(9, 30), Qt::UTC);

// Every key of the group "Settings" that the main window's settings touch.
const QStringList kAllKeys = {
    "size", "pos", "MainWindow/geometry", "MainWindow/windowState", "splitterSizes",
    "comp_splitterSizes", "treeHeader", "comp_treeHeader", "encryptionMethod", "Language",
    "passwordhint", "doNotShowHowTo", "MinuteOfTimeOut", "LastChangedPasswordDate",
    "DayOfChangePasswordRemind", "BackupLocation", "NumberOfBackups", "RetentionBackup",
    "MountType", "CheckUpdate", "DateCheckUpdate"};

TAVSettings *store()
{
    return TAVSettings::getInstance();
}

// Empties the store and points it at a file that does not exist yet.
void resetStore(const QString &file)
{
    store()->setFileName(file);
    store()->read();
}

void storeValues(const QVariantMap &values)
{
    store()->beginGroup("Settings");
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store()->setValue(it.key(), it.value());
    store()->endGroup();
}

// The keys of the group "Settings" that the file holds.
QStringList keysInFile(const QString &file)
{
    resetStore(file);
    QStringList found;
    store()->beginGroup("Settings");
    for (const QString &key : kAllKeys) {
        if (store()->value(key).isValid())
            found << key;
    }
    store()->endGroup();
    return found;
}

int warnings(const LogCapture &log)
{
    int n = 0;
    for (const QByteArray &line : log.lines()) {
        if (line.contains(" W "))
            ++n;
    }
    return n;
}

using Field = std::function<int(const MainSettings &)>;

Field field(const QString &key)
{
    if (key == "MinuteOfTimeOut")
        return [](const MainSettings &s) { return s.minuteOfTimeOut; };
    if (key == "DayOfChangePasswordRemind")
        return [](const MainSettings &s) { return s.dayOfChangePasswordRemind; };
    if (key == "encryptionMethod")
        return [](const MainSettings &s) { return s.encryptionMethod; };
    if (key == "BackupLocation")
        return [](const MainSettings &s) { return s.backupLocation; };
    if (key == "NumberOfBackups")
        return [](const MainSettings &s) { return s.numberOfBackups; };
    if (key == "MountType")
        return [](const MainSettings &s) { return s.mountType; };
    return nullptr;
}

} // namespace

class TestMainSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newDriveGivesDefaults();
    void valuesSurviveWriteAndRead();
    void writersStoreOnlyTheirKeys_data();
    void writersStoreOnlyTheirKeys();
    void languageUnchangedIsNotWritten();
    void shutdownSetsFirstUpdatePeriod_data();
    void shutdownSetsFirstUpdatePeriod();
    void damagedNumbersTakeDefaults_data();
    void damagedNumbersTakeDefaults();
    void damagedOtherValuesTakeDefaults();

private:
    QTemporaryDir m_dir;
    QString m_file;
    FakeClock *m_clock = nullptr;
};

void TestMainSettings::init()
{
    QVERIFY(m_dir.isValid());
    m_file = m_dir.filePath("config.dat");
    QFile::remove(m_file);
    delete m_clock;
    m_clock = new FakeClock(kNow);
    resetStore(m_file);
}

void TestMainSettings::cleanup()
{
    delete m_clock;
    m_clock = nullptr;
}

void TestMainSettings::newDriveGivesDefaults()
{
    MainSettings s;
    QCOMPARE(s.read(m_file), int(TAVSettings::ReadNoFile));

    QCOMPARE(s.size, QSize(1024, 580));
    QCOMPARE(s.pos, QPoint(0, 0));
    QVERIFY(s.geometry.isEmpty() && s.windowState.isEmpty());
    QVERIFY(s.splitterSizes.isEmpty() && s.compSplitterSizes.isEmpty());
    QVERIFY(s.treeHeader.isEmpty() && s.compTreeHeader.isEmpty());
    QCOMPARE(s.encryptionMethod, int(TAVCiphers::platform_preferred_cipher()));
    QCOMPARE(s.encryptionMethod, 2);
    QCOMPARE(s.language, QString("en_US"));
    QCOMPARE(s.passwordHint, QString());
    QCOMPARE(s.doNotShowHowTo, false);
    QCOMPARE(s.minuteOfTimeOut, 10);
    QCOMPARE(s.lastChangedPasswordDate, kNow);
    QCOMPARE(s.dayOfChangePasswordRemind, 30);
    QCOMPARE(s.backupLocation, 0);
    QCOMPARE(s.numberOfBackups, 5);
    QCOMPARE(s.retentionBackup, false);
    QCOMPARE(s.mountType, 0);
}

void TestMainSettings::valuesSurviveWriteAndRead()
{
    const QDateTime changed(QDate(2023, 12, 1), QTime(17, 5, 9), Qt::UTC);
    MainSettings out;
    out.size = QSize(800, 600);
    out.pos = QPoint(-20, 35);
    out.geometry = QByteArray("geo\0metry", 9);
    out.windowState = "state";
    out.splitterSizes = "split";
    out.compSplitterSizes = "comp split";
    out.treeHeader = "tree";
    out.compTreeHeader = "comp tree";
    out.language = "ja_JP";
    out.passwordHint = QString::fromUtf8("Katze \u00e9t\u00e9");
    QCOMPARE(out.writeLayout(m_file), int(TAVSettings::WriteOk));
    QCOMPARE(out.storeLanguage(), int(TAVSettings::WriteOk));
    QCOMPARE(out.storePasswordHint(), int(TAVSettings::WriteOk));
    m_clock->setDateTime(changed);
    QCOMPARE(out.storePasswordChanged(), int(TAVSettings::WriteOk));
    // The options dialog and the tips dialog write the rest themselves.
    storeValues({{"encryptionMethod", 4}, {"doNotShowHowTo", true}, {"MinuteOfTimeOut", 0},
                 {"DayOfChangePasswordRemind", 999}, {"BackupLocation", 1}, {"NumberOfBackups", 20},
                 {"RetentionBackup", true}, {"MountType", 1}});
    QCOMPARE(store()->write(), int(TAVSettings::WriteOk));

    m_clock->setDateTime(kNow);
    resetStore(m_dir.filePath("elsewhere.dat"));
    LogCapture log;
    MainSettings in;
    QCOMPARE(in.read(m_file), int(TAVSettings::ReadOk));
    QCOMPARE(warnings(log), 0);

    QCOMPARE(in.size, out.size);
    QCOMPARE(in.pos, out.pos);
    QCOMPARE(in.geometry, out.geometry);
    QCOMPARE(in.windowState, out.windowState);
    QCOMPARE(in.splitterSizes, out.splitterSizes);
    QCOMPARE(in.compSplitterSizes, out.compSplitterSizes);
    QCOMPARE(in.treeHeader, out.treeHeader);
    QCOMPARE(in.compTreeHeader, out.compTreeHeader);
    QCOMPARE(in.language, QString("ja_JP"));
    QCOMPARE(in.passwordHint, out.passwordHint);
    QCOMPARE(in.lastChangedPasswordDate, changed);
    QCOMPARE(in.encryptionMethod, 4);
    QCOMPARE(in.doNotShowHowTo, true);
    QCOMPARE(in.minuteOfTimeOut, 0);
    QCOMPARE(in.dayOfChangePasswordRemind, 999);
    QCOMPARE(in.backupLocation, 1);
    QCOMPARE(in.numberOfBackups, 20);
    QCOMPARE(in.retentionBackup, true);
    QCOMPARE(in.mountType, 1);
}

void TestMainSettings::writersStoreOnlyTheirKeys_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("shutdown") << 0
                              << QStringList{"size", "pos", "MainWindow/geometry", "MainWindow/windowState",
                                             "splitterSizes", "comp_splitterSizes", "treeHeader",
                                             "comp_treeHeader", "CheckUpdate", "DateCheckUpdate"};
    QTest::newRow("login") << 1 << QStringList{"Language"};
    QTest::newRow("password hint") << 2 << QStringList{"passwordhint"};
    QTest::newRow("new default vault")
        << 3 << QStringList{"MinuteOfTimeOut", "LastChangedPasswordDate", "DayOfChangePasswordRemind"};
    QTest::newRow("password changed") << 4 << QStringList{"LastChangedPasswordDate"};
}

void TestMainSettings::writersStoreOnlyTheirKeys()
{
    QFETCH(int, writer);
    QFETCH(QStringList, keys);

    MainSettings s;
    s.language = "de_DE";
    int result = -1;
    switch (writer) {
    case 0: result = s.writeLayout(m_file); break;
    case 1: result = s.storeLanguage(); break;
    case 2: result = s.storePasswordHint(); break;
    case 3: result = s.storeNewPasswordDefaults(); break;
    case 4: result = s.storePasswordChanged(); break;
    }
    QCOMPARE(result, int(TAVSettings::WriteOk));
    QCOMPARE(keysInFile(m_file), keys);
}

void TestMainSettings::languageUnchangedIsNotWritten()
{
    storeValues({{"Language", "de_DE"}});
    MainSettings s;
    s.language = "de_DE";
    QCOMPARE(s.storeLanguage(), int(TAVSettings::WriteOk));
    QVERIFY(!QFile::exists(m_file));

    s.language = "de_de"; // compared exactly
    QCOMPARE(s.storeLanguage(), int(TAVSettings::WriteOk));
    resetStore(m_file);
    store()->beginGroup("Settings");
    QCOMPARE(store()->value("Language"), QVariant("de_de"));
    store()->endGroup();
}

void TestMainSettings::shutdownSetsFirstUpdatePeriod_data()
{
    QTest::addColumn<QVariant>("period");
    QTest::addColumn<QVariant>("date");
    QTest::addColumn<QVariant>("expectedPeriod");
    QTest::addColumn<QVariant>("expectedDate");

    const QDate old(2024, 1, 2);
    QTest::newRow("never chosen") << QVariant() << QVariant() << QVariant(1) << QVariant(kNow.date());
    QTest::newRow("not a number") << QVariant("weekly") << QVariant(old) << QVariant(1) << QVariant(kNow.date());
    QTest::newRow("chosen never stays") << QVariant(0) << QVariant(old) << QVariant(0) << QVariant(old);
    QTest::newRow("monthly stays") << QVariant(3) << QVariant(old) << QVariant(3) << QVariant(old);
}

void TestMainSettings::shutdownSetsFirstUpdatePeriod()
{
    QFETCH(QVariant, period);
    QFETCH(QVariant, date);
    QFETCH(QVariant, expectedPeriod);
    QFETCH(QVariant, expectedDate);

    storeValues({{"CheckUpdate", period}, {"DateCheckUpdate", date}});
    QCOMPARE(MainSettings().writeLayout(m_file), int(TAVSettings::WriteOk));

    resetStore(m_file);
    store()->beginGroup("Settings");
    QCOMPARE(store()->value("CheckUpdate"), expectedPeriod);
    QCOMPARE(store()->value("DateCheckUpdate"), expectedDate);
    store()->endGroup();
}

void TestMainSettings::damagedNumbersTakeDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("warned");

    struct Row { const char *name; const char *key; QVariant stored; int expected; bool warned; };
    const Row rows[] = {
        {"time-out 0 disables", "MinuteOfTimeOut", 0, 0, false},
        {"time-out 120", "MinuteOfTimeOut", 120, 120, false},
        {"time-out 121", "MinuteOfTimeOut", 121, 10, true},
        {"time-out -1", "MinuteOfTimeOut", -1, 10, true},
        {"time-out text", "MinuteOfTimeOut", QString("abc"), 10, true},
        {"time-out text of 0", "MinuteOfTimeOut", QString("0"), 10, true},
        {"time-out false", "MinuteOfTimeOut", false, 10, true},
        {"time-out date", "MinuteOfTimeOut", QDate(2024, 1, 1), 10, true},
        {"remind 0", "DayOfChangePasswordRemind", 0, 0, false},
        {"remind 999", "DayOfChangePasswordRemind", 999, 999, false},
        {"remind 1000", "DayOfChangePasswordRemind", 1000, 30, true},
        {"remind -5", "DayOfChangePasswordRemind", -5, 30, true},
        {"remind bytes", "DayOfChangePasswordRemind", QByteArray("7"), 30, true},
        {"cipher 1", "encryptionMethod", 1, 1, false},
        {"cipher 4", "encryptionMethod", 4, 4, false},
        {"cipher 0", "encryptionMethod", 0, 2, true},
        {"cipher 5", "encryptionMethod", 5, 2, true},
        {"cipher -2", "encryptionMethod", -2, 2, true},
        {"cipher text", "encryptionMethod", QString("AES"), 2, true},
        {"cipher true", "encryptionMethod", true, 2, true},
        {"location 1", "BackupLocation", 1, 1, false},
        {"location 2", "BackupLocation", 2, 0, true},
        {"location -1", "BackupLocation", -1, 0, true},
        {"backups 1", "NumberOfBackups", 1, 1, false},
        {"backups 20", "NumberOfBackups", 20, 20, false},
        {"backups 0", "NumberOfBackups", 0, 5, true},
        {"backups 21", "NumberOfBackups", 21, 5, true},
        {"backups size", "NumberOfBackups", QSize(3, 3), 5, true},
        {"mount 1", "MountType", 1, 1, false},
        {"mount 2", "MountType", 2, 0, true},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << QString(row.key) << row.stored << row.expected << row.warned;
}

void TestMainSettings::damagedNumbersTakeDefaults()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    QFETCH(bool, warned);

    // Through the file, as a damaged drive would hand it over.
    storeValues({{key, stored}});
    QCOMPARE(store()->write(), int(TAVSettings::WriteOk));
    resetStore(m_dir.filePath("elsewhere.dat"));

    LogCapture log;
    MainSettings s;
    QCOMPARE(s.read(m_file), int(TAVSettings::ReadOk));
    QCOMPARE(field(key)(s), expected);
    QCOMPARE(warnings(log), warned ? 1 : 0);
}

void TestMainSettings::damagedOtherValuesTakeDefaults()
{
    storeValues({{"size", QSize(0, 580)}, {"pos", QString("0,0")}, {"treeHeader", 7},
                 {"Language", 5}, {"passwordhint", QByteArray("hint")}, {"doNotShowHowTo", 1},
                 {"LastChangedPasswordDate", QString("yesterday")}, {"RetentionBackup", QString("true")}});
    QCOMPARE(store()->write(), int(TAVSettings::WriteOk));
    resetStore(m_dir.filePath("elsewhere.dat"));

    LogCapture log;
    MainSettings s;
    QCOMPARE(s.read(m_file), int(TAVSettings::ReadOk));
    QCOMPARE(s.size, QSize(1024, 580));
    QCOMPARE(s.pos, QPoint(0, 0));
    QCOMPARE(s.treeHeader, QByteArray());
    QCOMPARE(s.language, QString("en_US"));
    QCOMPARE(s.passwordHint, QString());
    QCOMPARE(s.doNotShowHowTo, false);
    QCOMPARE(s.lastChangedPasswordDate, kNow);
    QCOMPARE(s.retentionBackup, false);
    QCOMPARE(warnings(log), 8);
}

QTEST_GUILESS_MAIN(TestMainSettings)
#include "tst_mainsettings.moc"
