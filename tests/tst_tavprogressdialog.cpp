#include "fakeclock.h"
#include "screenshot.h"
#include "tavprogressdialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

namespace {

const QString Estimate = QStringLiteral("Estimated Time to Complete:    ");

QString labelText(const TAVProgressDialog &dialog, const char *name)
{
    auto *label = dialog.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

int barValue(const TAVProgressDialog &dialog)
{
    return dialog.findChild<QProgressBar *>(QStringLiteral("progBarMain"))->value();
}

} // namespace

class TestTAVProgressDialog : public QObject
{
    Q_OBJECT
private slots:
    void estimate_data();
    void estimate();
    void singleFileHalfDone();
    void itemSuffixOnlyWithSeveralItems();
    void informationShowsItemTail_data();
    void informationShowsItemTail();
    void resetTexts();
    void throughputReestimatedAfterTwentySeconds();
    void throughputKeptAcrossJobs();
    void slowJobNeverDividesByZero();
    void percentHeldToRange_data();
    void percentHeldToRange();
    void mainValueAndLimitsShowPercent();
    void cancelButtonCancelsOnly();
    void ctrlWCancelsOnce();
    void escapeCancelsRunningJob();
    void windowManagerCloseCancels();
    void ownerCloseHidesWithoutCancel();
    void languageChangeRestoresFormTexts();
    void titleBarWithoutButtons();
};

void TestTAVProgressDialog::estimate_data()
{
    // Before the first re-estimate the throughput is 1,500,000 bytes a second;
    // a second is added whenever bytes are left, also when the division is exact.
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("remain");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("estimate");
    QTest::newRow("nothing left") << quint64(1000) << quint64(0) << 100 << "0 seconds";
    QTest::newRow("1 byte left") << quint64(1000) << quint64(1) << 99 << "1 seconds";
    QTest::newRow("exactly one second of bytes") << quint64(1500000) << quint64(1500000) << 0 << "2 seconds";
    QTest::newRow("30,000,000 bytes") << quint64(30000000) << quint64(30000000) << 0 << "21 seconds";
    QTest::newRow("59 s") << quint64(87000000) << quint64(87000000) << 0 << "59 seconds";
    QTest::newRow("60 s") << quint64(88500000) << quint64(88500000) << 0 << "1 minutes";
    QTest::newRow("3,599 s") << quint64(5397000000) << quint64(5397000000) << 0 << "59 minutes";
    QTest::newRow("3,600 s") << quint64(5398500000) << quint64(5398500000) << 0 << "1 hours";
    QTest::newRow("7,199 s") << quint64(10797000000) << quint64(10797000000) << 0 << "1 hours";
    QTest::newRow("half of a job") << quint64(200000000) << quint64(100000000) << 50 << "1 minutes";
    QTest::newRow("total 0") << quint64(0) << quint64(0) << 100 << "0 seconds";
    QTest::newRow("total 0, remain set") << quint64(0) << quint64(5000) << 100 << "0 seconds";
    QTest::newRow("remain above total") << quint64(1000) << quint64(5000) << 0 << "1 seconds";
}

void TestTAVProgressDialog::estimate()
{
    QFETCH(quint64, total);
    QFETCH(quint64, remain);
    QFETCH(int, bar);
    QFETCH(QString, estimate);
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(total);
    dialog.setRemainSize(remain);
    dialog.setCurItemSize(0);
    dialog.setItemValue(0);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + estimate);
    QCOMPARE(barValue(dialog), bar);
    QCOMPARE(labelText(dialog, "lbpercent"), QStringLiteral("%1%").arg(bar));
}

void TestTAVProgressDialog::singleFileHalfDone()
{
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(1000);
    dialog.setRemainSize(1000);
    dialog.setMainProgressVisible(false);
    dialog.setTaskInformation(QStringLiteral("Encrypting"), QStringLiteral("notes.txt"));
    dialog.setCurItemSize(1000);
    dialog.setItemValue(50);
    QCOMPARE(barValue(dialog), 50);
    QCOMPARE(labelText(dialog, "lbpercent"), QStringLiteral("50%"));
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("1 seconds"));
    QCOMPARE(labelText(dialog, "lblInformation"), QStringLiteral("Encrypting notes.txt"));
}

void TestTAVProgressDialog::itemSuffixOnlyWithSeveralItems()
{
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(4000);
    dialog.setRemainSize(4000);
    dialog.setMainProgressVisible(true);
    // A placeholder-like text in the task or the name stays as it is.
    dialog.setTaskInformation(QStringLiteral("Copying %1"), QStringLiteral("100%2.txt"));
    dialog.setCurItemSize(1000);
    dialog.setItemValue(40);
    QCOMPARE(labelText(dialog, "lblInformation"), QStringLiteral("Copying %1 100%2.txt (40%)"));
    // 400 of 4,000 bytes: the bar shows the job, the suffix the item.
    QCOMPARE(barValue(dialog), 10);
    dialog.setItemValue(100);
    QCOMPARE(labelText(dialog, "lblInformation"), QStringLiteral("Copying %1 100%2.txt (100%)"));
}

void TestTAVProgressDialog::informationShowsItemTail_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("shown");
    const QString name36 = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    QTest::newRow("short") << "a.txt"
                           << "a.txt";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("36 characters") << name36 << name36;
    QTest::newRow("37 characters") << QString(QLatin1Char('X') + name36) << name36;
    QTest::newRow("long path") << QString(QStringLiteral("/home/user/Documents/") + name36) << name36;
    // A cut between the two halves of a character drops the lone half.
    QTest::newRow("cut through a character")
        << QString(QStringLiteral("ab") + QString::fromUtf8("\xF0\x9F\x94\x91") + name36.left(35))
        << name36.left(35);
}

void TestTAVProgressDialog::informationShowsItemTail()
{
    QFETCH(QString, item);
    QFETCH(QString, shown);
    TAVProgressDialog dialog;
    dialog.setTaskInformation(QStringLiteral("Decrypting"), item);
    QCOMPARE(labelText(dialog, "lblInformation"), QStringLiteral("Decrypting ") + shown);
}

void TestTAVProgressDialog::resetTexts()
{
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(1000);
    dialog.setRemainSize(1000);
    dialog.setCurItemSize(1000);
    dialog.setMainProgressVisible(true);
    dialog.setTaskInformation(QStringLiteral("Encrypting"), QStringLiteral("a.txt"));
    dialog.setItemValue(50);
    dialog.cancel();

    dialog.reset();
    QCOMPARE(dialog.wasCanceled, false);
    QCOMPARE(labelText(dialog, "lblInformation"), QString());
    QCOMPARE(labelText(dialog, "lblEstimate"), QStringLiteral("Estimated Time to Complete:    0 minutes"));
    QCOMPARE(barValue(dialog), 0);
    QCOMPARE(labelText(dialog, "lbpercent"), QStringLiteral("50%")); // until the first update
    QCOMPARE(dialog.getRemainSize(), quint64(0));
    // The task and the several-items flag are forgotten too.
    dialog.setItemValue(20);
    QCOMPARE(labelText(dialog, "lblInformation"), QString());
}

void TestTAVProgressDialog::throughputReestimatedAfterTwentySeconds()
{
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(100000000);
    dialog.setRemainSize(100000000);
    dialog.setCurItemSize(100000000);

    clock.advance(20000); // not yet past 20 s: the first job's 1,500,000 bytes a second
    dialog.setItemValue(40);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("41 seconds"));

    clock.advance(1000); // 40,000,000 bytes in 20 s counted from the first second
    dialog.setItemValue(40);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("31 seconds"));

    clock.advance(2000); // 23 s: the next re-estimate waits for 25 s
    dialog.setItemValue(50);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("26 seconds"));

    clock.advance(3000); // 26 s: 60,000,000 / 25 s = 2,400,000 bytes a second
    dialog.setItemValue(60);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("17 seconds"));
}

void TestTAVProgressDialog::throughputKeptAcrossJobs()
{
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(100000000);
    dialog.setRemainSize(100000000);
    dialog.setCurItemSize(100000000);
    clock.advance(21000);
    dialog.setItemValue(40); // 2,000,000 bytes a second

    dialog.reset();
    dialog.setTotalSize(30000000);
    dialog.setRemainSize(30000000);
    dialog.setItemValue(0);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("16 seconds"));

    // A new dialog starts again from 1,500,000.
    TAVProgressDialog fresh;
    fresh.reset();
    fresh.setTotalSize(30000000);
    fresh.setRemainSize(30000000);
    fresh.setItemValue(0);
    QCOMPARE(labelText(fresh, "lblEstimate"), Estimate + QStringLiteral("21 seconds"));
}

void TestTAVProgressDialog::slowJobNeverDividesByZero()
{
    // 10,000 bytes in 30 s measure as 0 bytes a second; the previous
    // throughput stays, so the estimate neither crashes nor jumps.
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(1000000000);
    dialog.setRemainSize(1000000000);
    dialog.setCurItemSize(1000000);
    clock.advance(30000);
    dialog.setItemValue(1);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("11 minutes"));
    clock.advance(30000);
    dialog.setItemValue(2);
    QCOMPARE(labelText(dialog, "lblEstimate"), Estimate + QStringLiteral("11 minutes"));
}

void TestTAVProgressDialog::percentHeldToRange_data()
{
    // The bar ignores values outside its range, so the label shows the fault.
    QTest::addColumn<quint64>("remain");
    QTest::addColumn<quint64>("itemSize");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("overall");
    QTest::addColumn<int>("item");
    QTest::newRow("item below 0") << quint64(1000) << quint64(1000) << -5 << 0 << 0;
    QTest::newRow("item above 100") << quint64(1000) << quint64(1000) << 250 << 100 << 100;
    QTest::newRow("item larger than what is left") << quint64(500) << quint64(1000) << 100 << 100 << 100;
}

void TestTAVProgressDialog::percentHeldToRange()
{
    QFETCH(quint64, remain);
    QFETCH(quint64, itemSize);
    QFETCH(int, value);
    QFETCH(int, overall);
    QFETCH(int, item);
    FakeClock clock;
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTotalSize(1000);
    dialog.setRemainSize(remain);
    dialog.setMainProgressVisible(true);
    dialog.setTaskInformation(QStringLiteral("Copying"), QStringLiteral("a.txt"));
    dialog.setCurItemSize(itemSize);
    dialog.setItemValue(value);
    QCOMPARE(labelText(dialog, "lbpercent"), QStringLiteral("%1%").arg(overall));
    QCOMPARE(barValue(dialog), overall);
    QCOMPARE(labelText(dialog, "lblInformation"), QStringLiteral("Copying a.txt (%1%)").arg(item));
}

void TestTAVProgressDialog::mainValueAndLimitsShowPercent()
{
    TAVProgressDialog dialog;
    dialog.setMainMaximum(57);
    QCOMPARE(labelText(dialog, "lbpercent"), QStringLiteral("57%"));
    QCOMPARE(dialog.findChild<QProgressBar *>(QStringLiteral("progBarMain"))->maximum(), 57);
    dialog.setMainMinimum(3);
    QCOMPARE(labelText(dialog, "lbpercent"), QStringLiteral("3%"));
    dialog.setMainMaximum(100);
    dialog.setMainValue(100);
    QCOMPARE(labelText(dialog, "lbpercent"), QStringLiteral("100%"));
    QCOMPARE(barValue(dialog), 100);
}

void TestTAVProgressDialog::cancelButtonCancelsOnly()
{
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.show();
    QSignalSpy canceled(&dialog, &TAVProgressDialog::canceled);
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(canceled.count(), 1);
    QVERIFY(dialog.wasCanceled);
    QVERIFY(dialog.isVisible()); // the owner stops the job and closes
}

void TestTAVProgressDialog::ctrlWCancelsOnce()
{
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy canceled(&dialog, &TAVProgressDialog::canceled);
    QTest::keyClick(&dialog, Qt::Key_W, Qt::ControlModifier);
    QTRY_COMPARE(canceled.count(), 1);
    QTest::qWait(200); // the shortcut's animated click has ended
    QCOMPARE(canceled.count(), 1);
    QVERIFY(dialog.wasCanceled);
}

void TestTAVProgressDialog::escapeCancelsRunningJob()
{
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.show();
    QSignalSpy canceled(&dialog, &TAVProgressDialog::canceled);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(canceled.count(), 1);
    QVERIFY(dialog.wasCanceled);
    QVERIFY(dialog.isVisible());
}

void TestTAVProgressDialog::windowManagerCloseCancels()
{
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy canceled(&dialog, &TAVProgressDialog::canceled);
    dialog.windowHandle()->close();
    QCOMPARE(canceled.count(), 1);
    QVERIFY(dialog.isVisible());
}

void TestTAVProgressDialog::ownerCloseHidesWithoutCancel()
{
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.show();
    QSignalSpy canceled(&dialog, &TAVProgressDialog::canceled);
    dialog.setMainValue(100);
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(canceled.count(), 0);
    QVERIFY(!dialog.wasCanceled);
}

void TestTAVProgressDialog::languageChangeRestoresFormTexts()
{
    TAVProgressDialog dialog;
    dialog.reset();
    dialog.setTaskInformation(QStringLiteral("Encrypting"), QStringLiteral("a.txt"));
    dialog.setMainValue(30);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &change);
    QCOMPARE(labelText(dialog, "lblInformation"), QStringLiteral("Encrypting..."));
    QCOMPARE(labelText(dialog, "lblEstimate"), QStringLiteral("Estimated Time to Complete: 0.00 minutes"));
    QCOMPARE(labelText(dialog, "lbpercent"), QString());
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->text(), QStringLiteral("Cancel"));
}

void TestTAVProgressDialog::titleBarWithoutButtons()
{
    // Without the title hint an X11 window manager draws no frame at all, and
    // the window can't be moved.
    TAVProgressDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const Qt::WindowFlags asked = dialog.windowFlags();
    const Qt::WindowFlags given = dialog.windowHandle()->flags();
    for (const Qt::WindowFlags flags : {asked, given}) {
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                             Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint,
                                             Qt::FramelessWindowHint})
            QVERIFY2(!(flags & button), qPrintable(QString::number(int(button), 16)));
    }
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.size(), QSize(410, 105));
    if (ScreenShot::enabled()) {
        dialog.setTaskInformation(QStringLiteral("Encrypting"), QStringLiteral("holiday-photos-2023.zip"));
        dialog.setMainValue(40);
        QVERIFY(ScreenShot::take(QStringLiteral("progress-titlebar")));
    }
}

QTEST_MAIN(TestTAVProgressDialog)
#include "tst_tavprogressdialog.moc"
