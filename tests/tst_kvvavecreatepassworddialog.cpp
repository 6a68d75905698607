#include "fakeclock.h"
#include "kvvavecreatepassworddialog.h"
#include "modalanswerer.h"
#include "pushbutton.h"
#include "screenshot.h"
#include "scriptedrandom.h"
#include "tavsettings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
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

void type(QWidget *dialog, const QString &password, const QString &confirmation)
{
    part<QLineEdit>(dialog, "lnePassword")->setText(password);
    part<QLineEdit>(dialog, "lneRePassword")->setText(confirmation);
}

} // namespace

class TestCreatePasswordDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void newDialogState();
    void evaluation_data();
    void evaluation();
    void confirmationTypedFirst();
    void unTickingRedBoxEnablesOkAtOnce();
    void noRulesAnySingleCharacter();
    void okKeepsPasswordUntrimmed();
    void cancelAndEscapeLeavePasswordEmpty_data();
    void cancelAndEscapeLeavePasswordEmpty();
    void refusesCharactersOutsideLatin1();
    void keypadFillsItsOwnField_data();
    void keypadFillsItsOwnField();
    void cancelledKeypadLeavesField();
    void strengthWordInFormFont();
    void languageChangeClearsConfirmationAndHint();

private:
    QTemporaryDir m_settingsDir;
};

void TestCreatePasswordDialog::initTestCase()
{
    // The keypad stores its level on closing; keep that in a scratch folder.
    QVERIFY(m_settingsDir.isValid());
    TAVSettings::getInstance()->setFileName(m_settingsDir.filePath(QStringLiteral("config.dat")));
}

void TestCreatePasswordDialog::newDialogState()
{
    KVVaveCreatePasswordDialog dialog;
    QVERIFY(!part<QPushButton>(&dialog, "btnOK")->isEnabled());
    QCOMPARE(visibleSegments(&dialog), 0);
    QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), QString());
    QCOMPARE(part<QLabel>(&dialog, "lblPasswordMatch")->text(), QString());
    QCOMPARE(dialog.password, QString());
    QVERIFY(!dialog.isValid());
    QCOMPARE(part<QPushButton>(&dialog, "btnOK")->text(), QStringLiteral("OK"));
    QCOMPARE(part<QPushButton>(&dialog, "btnCancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(part<QCheckBox>(&dialog, "chk6Character")->isChecked());
    QVERIFY(part<QCheckBox>(&dialog, "chkUpperLower")->isChecked());
    QVERIFY(part<QCheckBox>(&dialog, "chkNumeric")->isChecked());
    QVERIFY(!part<QCheckBox>(&dialog, "chkSpecialCharacter")->isChecked());
    QCOMPARE(part<QLineEdit>(&dialog, "lnePassword")->echoMode(), QLineEdit::Password);
    QCOMPARE(part<QLineEdit>(&dialog, "lneRePassword")->echoMode(), QLineEdit::Password);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.size(), QSize(550, 430));
}

void TestCreatePasswordDialog::evaluation_data()
{
    QTest::addColumn<bool>("specialTicked");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<int>("segments");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("ok");
    const QString differ = QStringLiteral("Passwords do not match");
    QTest::newRow("empty") << false << "" << "" << 0 << "" << "BBBB" << "" << false;
    QTest::newRow("3 lower") << false << "abc" << "" << 1 << "Weak" << "RRRB" << "" << false;
    QTest::newRow("6 characters leave the length red") << false << "abcdef" << "abcdef" << 4 << "Fair" << "RRRB" << ""
                                                      << false;
    QTest::newRow("the 7th turns it black") << false << "abcdefg" << "abcdefg" << 5 << "Fair" << "BRRB" << "" << false;
    QTest::newRow("score 9 fills all ten segments") << false << "Abcdefg1" << "Abcdefg1" << 10 << "Excellent"
                                                    << "BBBB" << "" << true;
    QTest::newRow("score 8 shows eight") << false << "Abcdef1" << "Abcdef1" << 8 << "Good" << "BBBB" << "" << true;
    QTest::newRow("confirmation differs in case") << false << "Abcdefg1" << "abcdefg1" << 10 << "Excellent" << "BBBB"
                                                  << differ << false;
    QTest::newRow("confirmation empty") << false << "Abcdefg1" << "" << 10 << "Excellent" << "BBBB" << "" << false;
    QTest::newRow("special asked and met") << true << "Abcdef1!" << "Abcdef1!" << 10 << "Excellent" << "BBBB" << ""
                                           << true;
    QTest::newRow("hyphen and backslash are not special") << true << "Abc-ef\\1" << "Abc-ef\\1" << 10 << "Excellent"
                                                          << "BBBR" << "" << false;
    QTest::newRow("accented letters count to length only")
        << false << QString(QChar(0xe9)).repeated(7) << QString(QChar(0xe9)).repeated(7) << 5 << "Fair" << "BRRB" << ""
        << false;
}

void TestCreatePasswordDialog::evaluation()
{
    QFETCH(bool, specialTicked);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(int, segments);
    QFETCH(QString, word);
    QFETCH(QString, colours);
    QFETCH(QString, match);
    QFETCH(bool, ok);
    KVVaveCreatePasswordDialog dialog;
    part<QCheckBox>(&dialog, "chkSpecialCharacter")->setChecked(specialTicked);
    // Typed over a longer password, so what is shown must be cleared as well as set.
    type(&dialog, QStringLiteral("Zz9#Zz9#Zz9#"), QStringLiteral("x"));
    type(&dialog, password, confirmation);
    QCOMPARE(visibleSegments(&dialog), segments);
    QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), word);
    QCOMPARE(boxColours(&dialog), colours);
    QCOMPARE(part<QLabel>(&dialog, "lblPasswordMatch")->text(), match);
    QCOMPARE(part<QPushButton>(&dialog, "btnOK")->isEnabled(), ok);
    QCOMPARE(dialog.isValid(), ok);
}

void TestCreatePasswordDialog::confirmationTypedFirst()
{
    KVVaveCreatePasswordDialog dialog;
    part<QLineEdit>(&dialog, "lneRePassword")->setText(QStringLiteral("Abcdefg1"));
    QCOMPARE(part<QLabel>(&dialog, "lblPasswordMatch")->text(), QStringLiteral("Passwords do not match"));
    part<QLineEdit>(&dialog, "lnePassword")->setText(QStringLiteral("Abcdefg1"));
    QCOMPARE(part<QLabel>(&dialog, "lblPasswordMatch")->text(), QString());
    QVERIFY(part<QPushButton>(&dialog, "btnOK")->isEnabled());
}

void TestCreatePasswordDialog::unTickingRedBoxEnablesOkAtOnce()
{
    KVVaveCreatePasswordDialog dialog;
    type(&dialog, QStringLiteral("abcdefg1"), QStringLiteral("abcdefg1"));
    QCOMPARE(boxColours(&dialog), QStringLiteral("BRBB"));
    QVERIFY(!part<QPushButton>(&dialog, "btnOK")->isEnabled());

    part<QCheckBox>(&dialog, "chkUpperLower")->setChecked(false);
    QCOMPARE(boxColours(&dialog), QStringLiteral("BBBB"));
    QVERIFY(part<QPushButton>(&dialog, "btnOK")->isEnabled());
    // The word and bar never block OK.
    QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), QStringLiteral("Good"));

    part<QCheckBox>(&dialog, "chkUpperLower")->setChecked(true);
    QCOMPARE(boxColours(&dialog), QStringLiteral("BRBB"));
    QVERIFY(!part<QPushButton>(&dialog, "btnOK")->isEnabled());

    // Ticking the special box re-runs everything: it turns red at once.
    part<QCheckBox>(&dialog, "chkSpecialCharacter")->setChecked(true);
    QCOMPARE(boxColours(&dialog), QStringLiteral("BRBR"));
}

void TestCreatePasswordDialog::noRulesAnySingleCharacter()
{
    KVVaveCreatePasswordDialog dialog;
    for (const char *name : {"chk6Character", "chkUpperLower", "chkNumeric"})
        part<QCheckBox>(&dialog, name)->setChecked(false);
    QVERIFY(!part<QPushButton>(&dialog, "btnOK")->isEnabled()); // nothing typed yet
    type(&dialog, QStringLiteral("x"), QStringLiteral("x"));
    QVERIFY(part<QPushButton>(&dialog, "btnOK")->isEnabled());
    QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), QStringLiteral("Weak"));
}

void TestCreatePasswordDialog::okKeepsPasswordUntrimmed()
{
    KVVaveCreatePasswordDialog dialog;
    const QString typed = QStringLiteral("  Abcdefg1 \t");
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        type(shown, typed, typed);
        part<QLineEdit>(shown, "PasswordHint")->setText(QStringLiteral(" the usual "));
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("btnOK")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(dialog.password, typed);
    QCOMPARE(dialog.getPasswordHint(), QStringLiteral(" the usual "));
}

void TestCreatePasswordDialog::cancelAndEscapeLeavePasswordEmpty_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void TestCreatePasswordDialog::cancelAndEscapeLeavePasswordEmpty()
{
    QFETCH(bool, escape);
    KVVaveCreatePasswordDialog dialog;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        type(shown, QStringLiteral("Abcdefg1"), QStringLiteral("Abcdefg1"));
        if (escape)
            QTest::keyClick(shown, Qt::Key_Escape);
        else
            QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("Cancel")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(dialog.password, QString());
}

void TestCreatePasswordDialog::refusesCharactersOutsideLatin1()
{
    // The key derivation would make "Ab1пароль" and "Ab1??????" the same key.
    KVVaveCreatePasswordDialog dialog;
    const QString typed = QStringLiteral("Ab1\u043f\u0430\u0440\u043e\u043b\u044c");
    ModalAnswerer answers(3000);
    answers
        .act([&](QWidget *shown) {
            type(shown, typed, typed);
            QVERIFY(part<QPushButton>(shown, "btnOK")->isEnabled());
            QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("btnOK")));
        })
        .press(QStringLiteral("OK"))     // the message
        .act([&](QWidget *shown) {       // the dialog is still open
            QVERIFY(shown == &dialog);
            QCOMPARE(dialog.password, QString());
            QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("Cancel")));
        });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().size(), 3);
    const ModalAnswerer::Seen message = answers.seen().at(1);
    QCOMPARE(message.title, QStringLiteral("Kolvane\u2122 vave"));
    QVERIFY2(message.text.contains(QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QLatin1String("cannot contain")), qPrintable(message.text));
    QCOMPARE(dialog.password, QString());
}

void TestCreatePasswordDialog::keypadFillsItsOwnField_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<QString>("untouched");
    QTest::newRow("beside the password") << "btnVK1" << "lnePassword" << "lneRePassword";
    QTest::newRow("beside the confirmation") << "btnVK2" << "lneRePassword" << "lnePassword";
}

void TestCreatePasswordDialog::keypadFillsItsOwnField()
{
    QFETCH(QString, button);
    QFETCH(QString, filled);
    QFETCH(QString, untouched);
    FakeClock clock;
    ScriptedRandom random; // 0, 1, 2, ...: digit key n shows n
    KVVaveCreatePasswordDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Kolvane\u2122 vave"));
    dialog.findChild<QLineEdit *>(untouched)->setText(QStringLiteral("kept"));
    dialog.findChild<QLineEdit *>(filled)->setText(QStringLiteral("replaced"));

    QString keypadTitle;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *keypad) {
        keypadTitle = keypad->windowTitle();
        const QList<PushButton *> digits = keypad->findChild<QFrame *>(QStringLiteral("num_frame"))->findChildren<PushButton *>();
        for (PushButton *key : digits) {
            if (key->text() == QLatin1String("7")) {
                key->click();
                break;
            }
        }
        QVERIFY(ModalAnswerer::clickButton(keypad, QStringLiteral("Enter")));
    });
    QVERIFY(ModalAnswerer::clickButton(&dialog, button));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(keypadTitle, QStringLiteral("Kolvane\u2122 vave - Virtual Keyboard"));
    QCOMPARE(dialog.findChild<QLineEdit *>(filled)->text(), QStringLiteral("7"));
    QCOMPARE(dialog.findChild<QLineEdit *>(untouched)->text(), QStringLiteral("kept"));
    // Filling the field runs the rules as typing does.
    if (filled == QLatin1String("lnePassword"))
        QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), QStringLiteral("Weak"));
}

void TestCreatePasswordDialog::cancelledKeypadLeavesField()
{
    KVVaveCreatePasswordDialog dialog;
    part<QLineEdit>(&dialog, "lnePassword")->setText(QStringLiteral("typed"));
    ModalAnswerer answers(3000);
    answers.act([](QWidget *keypad) {
        keypad->findChild<QFrame *>(QStringLiteral("num_frame"))->findChildren<PushButton *>().first()->click();
        QVERIFY(ModalAnswerer::clickButton(keypad, QStringLiteral("Cancel")));
    });
    QVERIFY(ModalAnswerer::clickButton(&dialog, QStringLiteral("btnVK1")));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(part<QLineEdit>(&dialog, "lnePassword")->text(), QStringLiteral("typed"));
}

void TestCreatePasswordDialog::strengthWordInFormFont()
{
    // A desktop whose font differs from the form's in family and size.
    const QFont appFont = QApplication::font();
    QFont large(QStringLiteral("DejaVu Serif"), 20);
    QVERIFY(large.family() != appFont.family() || large.pointSize() != appFont.pointSize());
    QApplication::setFont(large);
    auto restore = qScopeGuard([&] { QApplication::setFont(appFont); });

    KVVaveCreatePasswordDialog dialog;
    dialog.show();
    type(&dialog, QStringLiteral("Abcdefg1"), QString());
    QCOMPARE(part<QLabel>(&dialog, "lbStrength")->text(), QStringLiteral("Excellent"));
    const QFont form = part<QLabel>(&dialog, "label_2")->font();
    QVERIFY(form.pointSize() != large.pointSize());
    const QFont word = part<QLabel>(&dialog, "lbStrength")->font();
    QCOMPARE(word.family(), form.family());
    QCOMPARE(word.pointSize(), form.pointSize());
    QCOMPARE(word.bold(), form.bold());
    if (ScreenShot::enabled())
        QVERIFY(ScreenShot::take(QStringLiteral("create-password-strength")));
}

void TestCreatePasswordDialog::languageChangeClearsConfirmationAndHint()
{
    KVVaveCreatePasswordDialog dialog;
    type(&dialog, QStringLiteral("Abcdefg1"), QStringLiteral("Abcdefg1"));
    part<QLineEdit>(&dialog, "PasswordHint")->setText(QStringLiteral("the usual"));
    QVERIFY(part<QPushButton>(&dialog, "btnOK")->isEnabled());

    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &change);
    QCOMPARE(part<QLineEdit>(&dialog, "lnePassword")->text(), QStringLiteral("Abcdefg1"));
    QCOMPARE(part<QLineEdit>(&dialog, "lneRePassword")->text(), QString());
    QCOMPARE(dialog.getPasswordHint(), QString());
    // The emptied confirmation no longer matches: OK waits for it again.
    QVERIFY(!part<QPushButton>(&dialog, "btnOK")->isEnabled());
    QCOMPARE(part<QLabel>(&dialog, "lblpwd")->text(), QStringLiteral("Create your password:"));
    QCOMPARE(part<QPushButton>(&dialog, "btnOK")->text(), QStringLiteral("OK"));

    type(&dialog, QStringLiteral("Abcdefg1"), QStringLiteral("Abcdefg1"));
    QVERIFY(part<QPushButton>(&dialog, "btnOK")->isEnabled());
}

QTEST_MAIN(TestCreatePasswordDialog)
#include "tst_kvvavecreatepassworddialog.moc"
