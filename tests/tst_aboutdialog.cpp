#include "aboutdialog.h"
#include "locknotifier.h"
#include "modalanswerer.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QString text(const AboutDialog &dialog, const char *label)
{
    return dialog.findChild<QLabel *>(QLatin1String(label))->text();
}

} // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT
private slots:
    void texts();
    void links();
    void endings_data();
    void endings();
    void languageChangeKeepsVersionDropsLink();
    void lockLeavesItOpen();
};

void TestAboutDialog::texts()
{
    AboutDialog dialog;
    QCOMPARE(text(dialog, "lblVersion"), QStringLiteral("Kolvane Vave 6.0.4M"));
    QCOMPARE(text(dialog, "lbReleaseDate"), QStringLiteral("Date: 20/11/2014"));
    QVERIFY(text(dialog, "lblCopyright").contains(QStringLiteral("All rights reserved")));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Kolvane\u2122 - About"));
    auto *ok = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.findChild<QDialogButtonBox *>()->buttons().size(), 1);
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.size(), QSize(300, 429));
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("lblImage"))->pixmap(Qt::ReturnByValue).isNull());
}

void TestAboutDialog::links()
{
    AboutDialog dialog;
    QCOMPARE(text(dialog, "lblSLA"),
             QStringLiteral("<a href=\"https://www.kolvane.example/terms-conditions\">Software License Agreement</a>"));
    QCOMPARE(text(dialog, "lblURL"), QStringLiteral("<a href=\"https://www.kolvane.example/\">www.kolvane.example</a>"));
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("lblSLA"))->openExternalLinks());
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("lblURL"))->openExternalLinks());
}

void TestAboutDialog::endings_data()
{
    QTest::addColumn<bool>("ctrlW");
    QTest::addColumn<int>("result");
    QTest::newRow("OK accepts") << false << 1;
    QTest::newRow("Ctrl+W rejects") << true << 0;
}

void TestAboutDialog::endings()
{
    QFETCH(bool, ctrlW);
    QFETCH(int, result);
    AboutDialog dialog;
    QVERIFY(dialog.findChild<QAction *>(QStringLiteral("actionclose")));
    ModalAnswerer answers(3000);
    answers.act([ctrlW](QWidget *shown) {
        if (!ctrlW) {
            QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
            return;
        }
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QTest::keyClick(shown, Qt::Key_W, Qt::ControlModifier);
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
}

void TestAboutDialog::languageChangeKeepsVersionDropsLink()
{
    AboutDialog dialog;
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &change);
    QCOMPARE(text(dialog, "lblSLA"), QStringLiteral("Software License Agreement"));
    QCOMPARE(text(dialog, "lblVersion"), QStringLiteral("Kolvane Vave 6.0.4M"));
    QCOMPARE(text(dialog, "lbReleaseDate"), QStringLiteral("Date: 20/11/2014"));
}

void TestAboutDialog::lockLeavesItOpen()
{
    // It runs with the inactivity timer stopped and is not tied to the lock.
    AboutDialog dialog;
    ModalAnswerer answers(3000);
    answers.act([](QWidget *shown) {
        LockNotifier::getInstance()->notifyLocked();
        QCoreApplication::processEvents();
        QVERIFY(shown->isVisible());
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
    });
    QCOMPARE(dialog.exec(), 1);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
