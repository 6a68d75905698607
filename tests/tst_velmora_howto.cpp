#include "modalanswerer.h"
#include "velmora_howto.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestHowTo : public QObject
{
    Q_OBJECT
private slots:
    void showsTheFourWays();
    void textsFitTheirPlaces();
    void doNotShowRoundTrip_data();
    void doNotShowRoundTrip();
    void nextAcceptsWithTheUsersChoice_data();
    void nextAcceptsWithTheUsersChoice();
};

void TestHowTo::showsTheFourWays()
{
    velmora_howto dialog;
    QStringList shown;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        shown << label->text();
    for (const QString &text :
         {QStringLiteral("Data Protection"), QStringLiteral("4 ways to protect your files"),
          QStringLiteral("Drag and drop files onto main screen"), QStringLiteral("Copy and paste files onto main screen"),
          QStringLiteral("Ctrl-C / Ctrl-V"), QStringLiteral("Click 'Add files' button to browse and add file"),
          QStringLiteral("Use Backup Data to safeguard your data against loss")})
        QVERIFY2(shown.contains(text), qPrintable(text));
    QCOMPARE(dialog.findChild<QCheckBox *>()->text(), QStringLiteral("Do not show again"));
    QCOMPARE(dialog.findChild<QPushButton *>()->text(), QStringLiteral("Next"));
    QCOMPARE(dialog.minimumSize(), QSize(549, 378));
    QCOMPARE(dialog.maximumSize(), QSize(549, 378));
}

void TestHowTo::textsFitTheirPlaces()
{
    velmora_howto dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect inside = dialog.rect();
    for (QWidget *part : dialog.findChildren<QWidget *>()) {
        if (!qobject_cast<QLabel *>(part) && !qobject_cast<QAbstractButton *>(part))
            continue;
        const QString what = part->objectName();
        QVERIFY2(part->sizeHint().width() <= part->width(), qPrintable(what));
        QVERIFY2(part->sizeHint().height() <= part->height(),
                 qPrintable(QStringLiteral("%1: %2").arg(what).arg(part->sizeHint().height())));
        QVERIFY2(inside.contains(part->geometry()), qPrintable(what));
    }
}

void TestHowTo::doNotShowRoundTrip_data()
{
    QTest::addColumn<bool>("doNotShow");
    QTest::newRow("set") << true;
    QTest::newRow("cleared") << false;
}

void TestHowTo::doNotShowRoundTrip()
{
    QFETCH(bool, doNotShow);
    velmora_howto dialog;
    dialog.setDoNotShow(!doNotShow);
    dialog.setDoNotShow(doNotShow);
    QCOMPARE(dialog.getDoNotShow(), doNotShow);
    QCOMPARE(dialog.findChild<QCheckBox *>()->isChecked(), doNotShow);
}

void TestHowTo::nextAcceptsWithTheUsersChoice_data()
{
    QTest::addColumn<bool>("before");
    QTest::newRow("ticked by the user") << false;
    QTest::newRow("unticked by the user") << true;
}

void TestHowTo::nextAcceptsWithTheUsersChoice()
{
    QFETCH(bool, before);
    velmora_howto dialog;
    dialog.setDoNotShow(before);
    ModalAnswerer answers(3000);
    answers.act([](QWidget *shown) {
        auto *box = shown->findChild<QCheckBox *>();
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("Next")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(dialog.getDoNotShow(), !before);
}

QTEST_MAIN(TestHowTo)
#include "tst_velmora_howto.moc"
