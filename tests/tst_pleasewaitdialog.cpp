#include "pleasewaitdialog.h"

#include <QLabel>
#include <QTextDocument>
#include <QtTest>

class TestPleaseWaitDialog : public QObject
{
    Q_OBJECT
private slots:
    void asksToWaitForTheBackup();
};

void TestPleaseWaitDialog::asksToWaitForTheBackup()
{
    PleaseWaitDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(478, 39));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));

    const auto labels = dialog.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 1);
    QLabel *label = labels.first();
    QCOMPARE(label->objectName(), QStringLiteral("label"));
    QVERIFY(label->wordWrap());
    QVERIFY(Qt::mightBeRichText(label->text()));
    QTextDocument shown;
    shown.setHtml(label->text());
    const QString plain = shown.toPlainText();
    for (const char *word : {"backup", "wait", "quit", "eject", "flash drive"})
        QVERIFY2(plain.contains(QLatin1String(word)), qPrintable(plain));
    // The whole message, wrapped, within the dialog's one line of height.
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    QVERIFY(dialog.rect().contains(label->geometry()));
}

QTEST_MAIN(TestPleaseWaitDialog)
#include "tst_pleasewaitdialog.moc"
