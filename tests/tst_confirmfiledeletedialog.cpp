#include "confirmfiledeletedialog.h"
#include "locknotifier.h"
#include "modalanswerer.h"
#include "tavsettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TAVSettings *store()
{
    return TAVSettings::getInstance();
}

// "DoNotAsk" as the settings file holds it; invalid when absent.
QVariant doNotAskOnDisk(const QString &file)
{
    store()->setFileName(file);
    store()->read();
    store()->beginGroup(QStringLiteral("Settings"));
    const QVariant value = store()->value(QStringLiteral("DoNotAsk"));
    store()->endGroup();
    return value;
}

} // namespace

class TestConfirmFileDeleteDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void form();
    void question_data();
    void question();
    void saveSettingStoresTrueAtOnce();

private:
    QString settingsFile() const { return dir->filePath(QStringLiteral("config.dat")); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestConfirmFileDeleteDialog::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    store()->setFileName(settingsFile());
    store()->read(); // no file yet: an empty store
}

void TestConfirmFileDeleteDialog::form()
{
    ConfirmFileDeleteDialog dialog;
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label"))->text(),
             QStringLiteral("Are you sure you want to delete the file?"));
    QCheckBox *box = dialog.findChild<QCheckBox *>(QStringLiteral("chkDoNotAsk"));
    QCOMPARE(box->text(), QStringLiteral("Don\u2019t ask this question again."));
    QVERIFY(!box->isChecked());
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("btnYes"))->text(), QStringLiteral("Yes"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("btnNo"))->text(), QStringLiteral("No"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    // Wide enough for the question and the box in a 12 point font.
    QCOMPARE(dialog.size(), QSize(400, 128));
}

void TestConfirmFileDeleteDialog::question_data()
{
    QTest::addColumn<QVariant>("stored"); // "DoNotAsk" in the file before; invalid: absent
    QTest::addColumn<QString>("answer");  // Yes, No, Escape, lock; empty: nothing to answer
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("deleteSources");
    QTest::addColumn<QVariant>("onDisk"); // "DoNotAsk" in the file after

    const QVariant absent;
    QTest::newRow("Yes") << absent << "Yes" << false << true << true << absent;
    QTest::newRow("Yes, box ticked: stored for good") << absent << "Yes" << true << true << true << QVariant(true);
    QTest::newRow("stored false, Yes ticked") << QVariant(false) << "Yes" << true << true << true << QVariant(true);
    QTest::newRow("No") << absent << "No" << false << true << false << absent;
    QTest::newRow("No, box ticked: nothing stored") << QVariant(false) << "No" << true << true << false
                                                    << QVariant(false);
    QTest::newRow("Escape, box ticked") << absent << "Escape" << true << true << false << absent;
    QTest::newRow("lock, box ticked: sources kept") << absent << "lock" << true << true << false << absent;
    QTest::newRow("stored true: not asked") << QVariant(true) << "" << false << false << true << QVariant(true);
    // Only a true this dialog wrote skips the question.
    QTest::newRow("damaged number: asked") << QVariant(1) << "No" << false << true << false << QVariant(1);
    QTest::newRow("damaged text: asked") << QVariant(QStringLiteral("true")) << "No" << false << true << false
                                         << QVariant(QStringLiteral("true"));
}

void TestConfirmFileDeleteDialog::question()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, answer);
    QFETCH(bool, ticked);
    QFETCH(bool, shown);
    QFETCH(bool, deleteSources);
    QFETCH(QVariant, onDisk);

    if (stored.isValid()) {
        store()->beginGroup(QStringLiteral("Settings"));
        store()->setValue(QStringLiteral("DoNotAsk"), stored);
        store()->endGroup();
        QCOMPARE(store()->write(), int(TAVSettings::WriteOk));
    }

    ModalAnswerer answers(3000);
    if (!answer.isEmpty()) {
        answers.act([&](QWidget *dialog) {
            dialog->findChild<QCheckBox *>(QStringLiteral("chkDoNotAsk"))->setChecked(ticked);
            if (answer == QLatin1String("Escape"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (answer == QLatin1String("lock"))
                LockNotifier::getInstance()->notifyLocked();
            else
                QVERIFY(ModalAnswerer::clickButton(dialog, answer));
        });
    }
    QCOMPARE(ConfirmFileDeleteDialog::confirm(nullptr), deleteSources);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().size(), shown ? 1 : 0);
    if (shown)
        QCOMPARE(answers.seen().first().title, QStringLiteral("Kolvane\u2122 vave - Confirm file delete"));
    QCOMPARE(doNotAskOnDisk(settingsFile()), onDisk);
}

void TestConfirmFileDeleteDialog::saveSettingStoresTrueAtOnce()
{
    ConfirmFileDeleteDialog dialog;
    QCOMPARE(dialog.saveSetting(), int(TAVSettings::WriteOk));
    QCOMPARE(doNotAskOnDisk(settingsFile()), QVariant(true));
    QVERIFY(ConfirmFileDeleteDialog::isSwitchedOff());
    // A folder that can't be written: reported by the result, kept in memory.
    store()->setFileName(dir->filePath(QStringLiteral("missing/config.dat")));
    QCOMPARE(ConfirmFileDeleteDialog::storeDoNotAsk(false), int(TAVSettings::WriteFailed));
    QVERIFY(!ConfirmFileDeleteDialog::isSwitchedOff());
}

QTEST_MAIN(TestConfirmFileDeleteDialog)
#include "tst_confirmfiledeletedialog.moc"
