#include "fakeclock.h"
#include "tavsettings.h"
#include "updateschedule.h"

#include <QtTest>

namespace {

const QDate kToday(2024, 3, 10);
constexpr int kNone = -1000; // no stored value

TAVSettings *store()
{
    return TAVSettings::getInstance();
}

void resetStore(const QString &file)
{
    store()->setFileName(file);
    store()->read();
}

QVariant stored(const QString &key)
{
    store()->beginGroup("Settings");
    const QVariant value = store()->value(key);
    store()->endGroup();
    return value;
}

void storeValue(const QString &key, const QVariant &value)
{
    store()->beginGroup("Settings");
    store()->setValue(key, value);
    store()->endGroup();
}

} // namespace

class TestUpdateSchedule : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void decide_data();
    void decide();
    void startStoresADueCheck();
    void startWithoutHostAsksNothing();
    void chosenNeverIsKept();
    void choiceKeepsFirstDate();

private:
    QTemporaryDir m_dir;
    QString m_file;
};

void TestUpdateSchedule::init()
{
    QVERIFY(m_dir.isValid());
    m_file = m_dir.filePath("config.dat");
    QFile::remove(m_file);
    resetStore(m_file);
}

void TestUpdateSchedule::decide_data()
{
    QTest::addColumn<int>("period");        // kNone: none stored
    QTest::addColumn<int>("daysAgo");       // kNone: no date stored
    QTest::addColumn<bool>("host");
    QTest::addColumn<bool>("check");        // a check now, storing today
    QTest::addColumn<int>("storedPeriod");  // what is stored when checking

    QTest::newRow("never chosen") << kNone << kNone << true << true << 1;
    QTest::newRow("weekly, 6 days") << 1 << 6 << true << false << 0;
    QTest::newRow("weekly, 7 days") << 1 << 7 << true << true << 1;
    QTest::newRow("two weeks, 13 days") << 2 << 13 << true << false << 0;
    QTest::newRow("two weeks, 14 days") << 2 << 14 << true << true << 2;
    QTest::newRow("monthly, 29 days") << 3 << 29 << true << false << 0;
    QTest::newRow("monthly, 30 days") << 3 << 30 << true << true << 3;
    QTest::newRow("monthly, 400 days") << 3 << 400 << true << true << 3;
    QTest::newRow("weekly, date 3 days ahead") << 1 << -3 << true << false << 0;
    QTest::newRow("weekly, no date") << 1 << kNone << true << true << 1;
    QTest::newRow("never") << 0 << 400 << true << false << 0;
    QTest::newRow("period 5") << 5 << 400 << true << false << 0;
    QTest::newRow("period -1") << -1 << 400 << true << false << 0;
    QTest::newRow("no host, never chosen") << kNone << kNone << false << false << 0;
    QTest::newRow("no host, weekly, 30 days") << 1 << 30 << false << false << 0;
}

void TestUpdateSchedule::decide()
{
    QFETCH(int, period);
    QFETCH(int, daysAgo);
    QFETCH(bool, host);
    QFETCH(bool, check);
    QFETCH(int, storedPeriod);

    const std::optional<int> p = period == kNone ? std::nullopt : std::optional<int>(period);
    const QDate last = daysAgo == kNone ? QDate() : kToday.addDays(-daysAgo);
    const UpdateSchedule::Decision d = UpdateSchedule::decide(p, last, kToday, host);
    QCOMPARE(d.checkNow, check);
    QCOMPARE(d.store, check);
    if (check) {
        QCOMPARE(d.period, storedPeriod);
        QCOMPARE(d.lastCheck, kToday);
    }
}

void TestUpdateSchedule::startStoresADueCheck()
{
    FakeClock clock(QDateTime(kToday, QTime(8, 0), Qt::UTC));
    storeValue("CheckUpdate", 2);
    storeValue("DateCheckUpdate", kToday.addDays(-14));
    QVERIFY(UpdateSchedule::checkAtStart(true));

    resetStore(m_file); // what reached the file
    QCOMPARE(stored("CheckUpdate"), QVariant(2));
    QCOMPARE(stored("DateCheckUpdate"), QVariant(kToday));

    // The next start within the period asks nothing.
    clock.setDateTime(QDateTime(kToday.addDays(13), QTime(8, 0), Qt::UTC));
    QVERIFY(!UpdateSchedule::checkAtStart(true));
    QCOMPARE(stored("DateCheckUpdate"), QVariant(kToday));
}

void TestUpdateSchedule::startWithoutHostAsksNothing()
{
    FakeClock clock(QDateTime(kToday, QTime(8, 0), Qt::UTC));
    QVERIFY(!UpdateSchedule::checkAtStart(false));
    QVERIFY(!stored("CheckUpdate").isValid());
    QVERIFY(!QFile::exists(m_file));

    if (!UpdateSchedule::host().isEmpty())
        QSKIP("this build names an update host");
    QVERIFY(!UpdateSchedule::hostConfigured());
    QVERIFY(!UpdateSchedule::checkAtStart());
    QVERIFY(!QFile::exists(m_file));
}

void TestUpdateSchedule::chosenNeverIsKept()
{
    FakeClock clock(QDateTime(kToday, QTime(8, 0), Qt::UTC));
    QCOMPARE(UpdateSchedule::storeChosenPeriod(UpdateSchedule::Never), int(TAVSettings::WriteOk));
    clock.setDateTime(QDateTime(kToday.addYears(1), QTime(8, 0), Qt::UTC));
    resetStore(m_file);
    QVERIFY(!UpdateSchedule::checkAtStart(true));
    QCOMPARE(stored("CheckUpdate"), QVariant(0));
}

void TestUpdateSchedule::choiceKeepsFirstDate()
{
    FakeClock clock(QDateTime(kToday, QTime(8, 0), Qt::UTC));
    QCOMPARE(UpdateSchedule::storeChosenPeriod(UpdateSchedule::Monthly), int(TAVSettings::WriteOk));
    clock.setDateTime(QDateTime(kToday.addDays(5), QTime(8, 0), Qt::UTC));
    QCOMPARE(UpdateSchedule::storeChosenPeriod(UpdateSchedule::Weekly), int(TAVSettings::WriteOk));

    resetStore(m_file);
    QCOMPARE(stored("CheckUpdate"), QVariant(1));
    QCOMPARE(stored("DateCheckUpdate"), QVariant(kToday));
}

QTEST_GUILESS_MAIN(TestUpdateSchedule)
#include "tst_updateschedule.moc"
