#include "changepassworddialog.h"
#include "fakeclock.h"
#include "locknotifier.h"
#include "modalanswerer.h"
#include "pushbutton.h"
#include "scriptedprompter.h"
#include "scriptedrandom.h"
#include "tavsettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template <typename T>
T *part(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QPushButton *okOf(QWidget *dialog)
{
    return part<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
}

QLineEdit *field(QWidget *dialog, const char *name)
{
    return part<QLineEdit>(dialog, name);
}

// "R" for red, "B" for black, one letter per rule box from top to bottom.
QString boxColours(QWidget *dialog)
{
    QString colours;
    for (const char *name : {"chk6Character", "chkUpperLower", "chkNumeric", "chkSpecialCharacter"}) {
        const QColor colour = part<QCheckBox>(dialog, name)->palette().color(QPalette::WindowText);
        colours += colour == QColor(Qt::red) ? QLatin1Char('R') : colour == QColor(Qt::black) ? QLatin1Char('B') : QLatin1Char('?');
    }
    return colours;
}

int visibleSegments(QWidget *dialog)
{
    int shown = 0;
    for (int k = 1; k <= 10; ++k) {
        if (!dialog->findChild<QLabel *>(QStringLiteral("bar%1").arg(k))->isHidden())
            ++shown;
    }
    return shown;
}

void fill(QWidget *dialog, const QString &current, const QString &password, const QString &confirmation)
{
    field(dialog, "lneCurPwd")->setText(current);
    field(dialog, "lnePassword")->setText(password);
    field(dialog, "lneRePassword")->setText(confirmation);
}

// Clicks the digit key showing `digit` on an open keypad.
void clickDigit(QWidget *keypad, const QString &digit)
{
    const QList<PushButton *> keys =
        keypad->findChild<QFrame *>(QStringLiteral("num_frame"))->findChildren<PushButton *>();
    for (PushButton *key : keys) {
        if (key->text() == digit) {
            key->click();
            return;
        }
    }
    QFAIL("no such key");
}

const QString kLatin1Text = QStringLiteral("The password cannot contain these characters: %1\n"
                                           "Please use only letters, digits and signs of Western European languages.");

} // namespace

class TestChangePasswordDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void newDialogState();
    void checks_data();
    void checks();
    void okReturnsTextsAsTyped();
    void refusesCharactersOutsideLatin1_data();
    void refusesCharactersOutsideLatin1();
    void okAndCancelReportActivityOnce_data();
    void okAndCancelReportActivityOnce();
    void activityOfFields();
    void keypadFillsItsOwnRow_data();
    void keypadFillsItsOwnRow();
    void cancelledKeypadLeavesFieldAndCountsAsActivity();
    void lockClosesKeypadAndDialog();
    void lockRejectsDialog();
    void saveSettingStoresHint_data();
    void saveSettingStoresHint();

private:
    QTemporaryDir m_dir;
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("config.dat")); }
};

void TestChangePasswordDialog::initTestCase()
{
    // The keypad stores its level on closing; keep that in a scratch folder.
    QVERIFY(m_dir.isValid());
    TAVSettings::getInstance()->setFileName(settingsFile());
}

void TestChangePasswordDialog::newDialogState()
{
    ChangePasswordDialog dialog;
    QVERIFY(!okOf(&dialog)->isEnabled());
    QCOMPARE(okOf(&dialog)->text(), QStringLiteral("OK"));
    QCOMPARE(part<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->text(),
             QStringLiteral("Cancel"));
    for (const char *name : {"lneCurPwd", "lnePassword", "lneRePassword", "passwordHint"})
        QCOMPARE(field(&dialog, name)->text(), QString());
    for (const char *name : {"lneCurPwd", "lnePassword", "lneRePassword"})
        QCOMPARE(field(&dialog, name)->echoMode(), QLineEdit::Password);
    QCOMPARE(field(&dialog, "passwordHint")->echoMode(), QLineEdit::Normal);
    QCOMPARE(visibleSegments(&dialog), 0);
    QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), QString());
    QCOMPARE(part<QLabel>(&dialog, "lblPasswordMatch")->text(), QString());
    QCOMPARE(part<QLabel>(&dialog, "lblcurpwd")->text(), QStringLiteral("Enter your current password:"));
    QCOMPARE(part<QLabel>(&dialog, "lblpwd")->text(), QStringLiteral("Enter your new password:"));
    QCOMPARE(part<QLabel>(&dialog, "label")->text(), QStringLiteral("Confirm your new password:"));
    QCOMPARE(part<QLabel>(&dialog, "label_4")->text(), QStringLiteral("Password Hint: (optional)"));
    // The match message must stay readable: nothing lies over it.
    const QRect match = part<QLabel>(&dialog, "lblPasswordMatch")->geometry();
    for (const char *name : {"lneRePassword", "label_4", "passwordHint"})
        QVERIFY2(!match.intersects(part<QWidget>(&dialog, name)->geometry()), name);
    QVERIFY(!dialog.isValid());
    // Qt adds the system menu to a window with a close button.
    QCOMPARE(int(dialog.windowFlags() & ~Qt::WindowSystemMenuHint), 0xa00900b);
    QCOMPARE(dialog.minimumSize(), QSize(550, 450));
    QCOMPARE(dialog.maximumSize(), QSize(550, 460));
}

void TestChangePasswordDialog::checks_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("segments");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("ok");
    const QString differ = QStringLiteral("Passwords do not match");
    QTest::newRow("strong and matching") << "old" << "Abcdefg1" << "Abcdefg1" << "Excellent" << 10 << "BBBB" << ""
                                         << true;
    QTest::newRow("current password empty: not a rule") << "" << "Abcdefg1" << "Abcdefg1" << "Excellent" << 10
                                                         << "BBBB" << "" << true;
    QTest::newRow("mismatch") << "old" << "Abcdefg1" << "Abcdefg2" << "Excellent" << 10 << "BBBB" << differ << false;
    QTest::newRow("differs in case only") << "old" << "Abcdefg1" << "aBCDEFG1" << "Excellent" << 10 << "BBBB"
                                          << differ << false;
    QTest::newRow("weak") << "old" << "abc" << "abc" << "Weak" << 1 << "RRRB" << "" << false;
    QTest::newRow("no digit") << "old" << "Abcdefgh" << "Abcdefgh" << "Good" << 8 << "BBRB" << "" << false;
    QTest::newRow("confirmation empty") << "old" << "Abcdefg1" << "" << "Excellent" << 10 << "BBBB" << "" << false;
    QTest::newRow("nothing typed") << "old" << "" << "" << "" << 0 << "BBBB" << "" << false;
}

void TestChangePasswordDialog::checks()
{
    QFETCH(QString, current);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(QString, word);
    QFETCH(int, segments);
    QFETCH(QString, colours);
    QFETCH(QString, match);
    QFETCH(bool, ok);
    ChangePasswordDialog dialog;
    fill(&dialog, current, password, confirmation);
    QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), word);
    QCOMPARE(visibleSegments(&dialog), segments);
    QCOMPARE(boxColours(&dialog), colours);
    QCOMPARE(part<QLabel>(&dialog, "lblPasswordMatch")->text(), match);
    QCOMPARE(okOf(&dialog)->isEnabled(), ok);
    QCOMPARE(dialog.isValid(), ok);
    // The current password never takes part: changing it changes nothing.
    field(&dialog, "lneCurPwd")->setText(current + QStringLiteral("x"));
    QCOMPARE(okOf(&dialog)->isEnabled(), ok);
}

void TestChangePasswordDialog::okReturnsTextsAsTyped()
{
    ScriptedPrompter prompter;
    ChangePasswordDialog dialog;
    const QString current = QStringLiteral(" old pass ");
    const QString typed = QStringLiteral("  Abcdefg1 \t");
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        fill(shown, current, typed, typed);
        field(shown, "passwordHint")->setText(QStringLiteral(" the usual "));
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(prompter.prompts.isEmpty());
    QCOMPARE(dialog.getCurrentPassword(), current);
    QCOMPARE(dialog.getNewPassword(), typed);
    QCOMPARE(dialog.getpasswordHint(), QStringLiteral(" the usual "));
}

void TestChangePasswordDialog::refusesCharactersOutsideLatin1_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("refused"); // empty: accepted
    QTest::addColumn<bool>("byReturn");   // Return in the field instead of the OK button
    QTest::newRow("Cyrillic") << QStringLiteral("Ab1\u043f\u0430\u0440\u043e\u043b\u044c")
                              << QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c") << false;
    QTest::newRow("Cyrillic, by Return") << QStringLiteral("Ab1\u043f\u0430\u0440\u043e\u043b\u044c")
                                         << QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c") << true;
    QTest::newRow("euro sign, each character once") << QStringLiteral("Abcdef1\u20ac\u20ac")
                                                     << QStringLiteral("\u20ac") << false;
    QTest::newRow("accented Latin-1 letters pass") << QStringLiteral("Abcd\u00e9\u00e8\u00fc1") << QString()
                                                   << false;
}

void TestChangePasswordDialog::refusesCharactersOutsideLatin1()
{
    QFETCH(QString, password);
    QFETCH(QString, refused);
    QFETCH(bool, byReturn);
    ScriptedPrompter prompter;
    ChangePasswordDialog dialog;
    bool stillOpen = false;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        fill(shown, QStringLiteral("old"), password, password);
        QVERIFY(okOf(shown)->isEnabled());
        if (byReturn)
            QTest::keyClick(field(shown, "lneRePassword"), Qt::Key_Return);
        else
            QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
        QCoreApplication::processEvents();
        stillOpen = shown->isVisible();
        if (stillOpen)
            QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("Cancel")));
    });
    const int result = dialog.exec();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    if (refused.isEmpty()) {
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(prompter.prompts.isEmpty());
        QCOMPARE(dialog.getNewPassword(), password);
        return;
    }
    QVERIFY(stillOpen);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts[0].icon, QMessageBox::Warning);
    QCOMPARE(prompter.prompts[0].title, QStringLiteral("Kolvane\u2122 vave"));
    QCOMPARE(prompter.prompts[0].text, kLatin1Text.arg(refused));
}

void TestChangePasswordDialog::okAndCancelReportActivityOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "OK" << int(QDialog::Accepted);
    QTest::newRow("Cancel") << "Cancel" << int(QDialog::Rejected);
}

void TestChangePasswordDialog::okAndCancelReportActivityOnce()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    ChangePasswordDialog dialog;
    QSignalSpy activity(&dialog, &ChangePasswordDialog::userAction);
    int emitted = -1;
    bool openWhenEmitted = false;
    connect(&dialog, &ChangePasswordDialog::userAction, this, [&] { openWhenEmitted = dialog.isVisible(); });
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        fill(shown, QStringLiteral("old"), QStringLiteral("Abcdefg1"), QStringLiteral("Abcdefg1"));
        activity.clear();
        QVERIFY(ModalAnswerer::clickButton(shown, button));
        emitted = activity.count();
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(emitted, 1);
    QVERIFY(openWhenEmitted);
    QCOMPARE(activity.count(), 1); // closing takes the focus from a field: no further report
}

void TestChangePasswordDialog::activityOfFields()
{
    ChangePasswordDialog dialog;
    QSignalSpy activity(&dialog, &ChangePasswordDialog::userAction);
    for (const char *name : {"lneCurPwd", "lnePassword", "lneRePassword"}) {
        activity.clear();
        field(&dialog, name)->setText(QStringLiteral("abc"));
        QVERIFY2(activity.count() >= 1, name);
        activity.clear();
        field(&dialog, name)->setCursorPosition(1);
        QVERIFY2(activity.count() == 1, name);
    }
    // The hint and the rule boxes have no activity of their own.
    activity.clear();
    field(&dialog, "passwordHint")->setText(QStringLiteral("hint"));
    part<QCheckBox>(&dialog, "chkNumeric")->setChecked(false);
    part<QCheckBox>(&dialog, "chkSpecialCharacter")->setChecked(true);
    QCOMPARE(activity.count(), 0);
}

void TestChangePasswordDialog::keypadFillsItsOwnRow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("filled");
    QTest::newRow("current password") << "btnVK1" << "lneCurPwd";
    QTest::newRow("new password") << "btnVK2" << "lnePassword";
    QTest::newRow("confirmation") << "btnVK3" << "lneRePassword";
}

void TestChangePasswordDialog::keypadFillsItsOwnRow()
{
    QFETCH(QString, button);
    QFETCH(QString, filled);
    FakeClock clock;
    ScriptedRandom random; // 0, 1, 2, ...: digit key n shows n
    ChangePasswordDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Kolvane\u2122 vave - Change Password"));
    for (const char *name : {"lneCurPwd", "lnePassword", "lneRePassword"})
        field(&dialog, name)->setText(QStringLiteral("kept"));
    QSignalSpy activity(&dialog, &ChangePasswordDialog::userAction);
    QString keypadTitle;
    int relayed = 0;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *keypad) {
        keypadTitle = keypad->windowTitle();
        activity.clear();
        clickDigit(keypad, QStringLiteral("7"));
        relayed = activity.count(); // the keypad's own input reaches the opener
        QVERIFY(ModalAnswerer::clickButton(keypad, QStringLiteral("Enter")));
    });
    QVERIFY(ModalAnswerer::clickButton(&dialog, button));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(keypadTitle, QStringLiteral("Kolvane\u2122 vave - Change Password - Virtual Keyboard"));
    QVERIFY(relayed >= 1);
    for (const char *name : {"lneCurPwd", "lnePassword", "lneRePassword"})
        QCOMPARE(field(&dialog, name)->text(), filled == QLatin1String(name) ? QStringLiteral("7") : QStringLiteral("kept"));
}

void TestChangePasswordDialog::cancelledKeypadLeavesFieldAndCountsAsActivity()
{
    ChangePasswordDialog dialog;
    field(&dialog, "lnePassword")->setText(QStringLiteral("typed"));
    QSignalSpy activity(&dialog, &ChangePasswordDialog::userAction);
    int beforeClosing = 0;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *keypad) {
        keypad->findChild<QFrame *>(QStringLiteral("num_frame"))->findChildren<PushButton *>().first()->click();
        beforeClosing = activity.count();
        QVERIFY(ModalAnswerer::clickButton(keypad, QStringLiteral("Cancel")));
    });
    QVERIFY(ModalAnswerer::clickButton(&dialog, QStringLiteral("btnVK2")));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(field(&dialog, "lnePassword")->text(), QStringLiteral("typed"));
    QVERIFY(activity.count() > beforeClosing); // the closing itself counts
}

void TestChangePasswordDialog::lockClosesKeypadAndDialog()
{
    ChangePasswordDialog dialog;
    field(&dialog, "lneRePassword")->setText(QStringLiteral("typed"));
    bool keypadOpen = false;
    ModalAnswerer answers(3000);
    answers
        .act([](QWidget *shown) { QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("btnVK3"))); })
        .act([&](QWidget *keypad) {
            keypadOpen = keypad->inherits("Vir_KeyPad_Dialog");
            keypad->findChild<QFrame *>(QStringLiteral("num_frame"))->findChildren<PushButton *>().first()->click();
            LockNotifier::getInstance()->notifyLocked();
        });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(keypadOpen);
    QCOMPARE(field(&dialog, "lneRePassword")->text(), QStringLiteral("typed"));
    QVERIFY(!dialog.findChild<QDialog *>()); // the keypad is gone
}

void TestChangePasswordDialog::lockRejectsDialog()
{
    ChangePasswordDialog dialog;
    QSignalSpy activity(&dialog, &ChangePasswordDialog::userAction);
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        fill(shown, QStringLiteral("old"), QStringLiteral("Abcdefg1"), QStringLiteral("Abcdefg1"));
        activity.clear();
        LockNotifier::getInstance()->notifyLocked();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(activity.count(), 0); // a lock is no user action
}

void TestChangePasswordDialog::saveSettingStoresHint_data()
{
    QTest::addColumn<QString>("hint");
    QTest::newRow("a hint") << " sled ";
    QTest::newRow("empty") << "";
}

void TestChangePasswordDialog::saveSettingStoresHint()
{
    QFETCH(QString, hint);
    TAVSettings *store = TAVSettings::getInstance();
    store->beginGroup(QStringLiteral("Settings"));
    store->setValue(QStringLiteral("passwordhint"), QStringLiteral("old hint"));
    store->endGroup();
    ChangePasswordDialog dialog;
    dialog.setPasswordHint(hint);
    QCOMPARE(dialog.saveSetting(), int(TAVSettings::WriteOk));
    store->read(); // what the file holds
    store->beginGroup(QStringLiteral("Settings"));
    const QVariant stored = store->value(QStringLiteral("passwordhint"));
    store->endGroup();
    QCOMPARE(stored, QVariant(hint));
}

QTEST_MAIN(TestChangePasswordDialog)
#include "tst_changepassworddialog.moc"
