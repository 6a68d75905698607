#include "fakeclock.h"
#include "tavexpireddate.h"

#include <QtTest>

// The password reminder: one expired() once the moment has passed, and a
// stop that never waits for the thread's sleep to end.
class TestTAVExpiredDate : public QObject
{
    Q_OBJECT
private slots:
    void remindsOnceAfterTheMoment();
    void stopEndsTheSleepAtOnce();
    void stopBeforeTheThreadRunsIsNotLost();
};

void TestTAVExpiredDate::remindsOnceAfterTheMoment()
{
    FakeClock clock;
    TAVExpiredDate reminder;
    reminder.setCheckInterval(5);
    reminder.setExpiredDate(clock.currentDateTime().addDays(30));
    QSignalSpy expired(&reminder, &TAVExpiredDate::expired);
    reminder.begin();
    QTest::qWait(50);
    QCOMPARE(expired.count(), 0); // not yet due
    QVERIFY(reminder.isRunning());

    clock.setDateTime(clock.currentDateTime().addDays(30).addSecs(1));
    QTRY_COMPARE(expired.count(), 1);
    QVERIFY(reminder.wait(5000)); // one reminder, then the run ends
    QCOMPARE(expired.count(), 1);
}

void TestTAVExpiredDate::stopEndsTheSleepAtOnce()
{
    FakeClock clock;
    TAVExpiredDate reminder;
    reminder.setCheckInterval(3600 * 1000); // an hour between looks at the clock
    reminder.setExpiredDate(clock.currentDateTime().addDays(1));
    reminder.begin();
    QTRY_VERIFY(reminder.isRunning());
    QTest::qWait(20); // let it fall asleep
    reminder.stop();
    // Far shorter than the sleep: the stop wakes it instead of terminate().
    QVERIFY(reminder.wait(10000));
}

void TestTAVExpiredDate::stopBeforeTheThreadRunsIsNotLost()
{
    FakeClock clock;
    for (int i = 0; i < 20; ++i) {
        TAVExpiredDate reminder;
        reminder.setCheckInterval(3600 * 1000);
        reminder.setExpiredDate(clock.currentDateTime().addDays(1));
        reminder.begin();
        reminder.stop(); // may come before run() starts
        QVERIFY(reminder.wait(10000));
    }
    // And it can be started again after a stop, as the next unlock does.
    TAVExpiredDate reminder;
    reminder.setCheckInterval(5);
    reminder.setExpiredDate(clock.currentDateTime().addSecs(-1));
    QSignalSpy expired(&reminder, &TAVExpiredDate::expired);
    reminder.begin();
    reminder.stop();
    QVERIFY(reminder.wait(10000));
    expired.clear();
    reminder.begin();
    QTRY_COMPARE(expired.count(), 1);
}

QTEST_MAIN(TestTAVExpiredDate)
#include "tst_tavexpireddate.moc"
