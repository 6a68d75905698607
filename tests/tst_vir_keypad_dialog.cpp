#include "fakeclock.h"
#include "modalanswerer.h"
#include "pushbutton.h"
#include "scriptedrandom.h"
#include "tavsettings.h"
#include "vir_keypad_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The keys of one block by id (their order of creation).
QList<PushButton *> keys(Vir_KeyPad_Dialog &keypad, const char *frame)
{
    return keypad.findChild<QFrame *>(QLatin1String(frame))->findChildren<PushButton *>(QString(),
                                                                                       Qt::FindDirectChildrenOnly);
}

QStringList labels(Vir_KeyPad_Dialog &keypad)
{
    QStringList all;
    for (const char *frame : {"num_frame", "char_frame", "special_char_frame"}) {
        for (PushButton *key : keys(keypad, frame))
            all << key->text();
    }
    return all;
}

PushButton *keyShowing(Vir_KeyPad_Dialog &keypad, const char *frame, const QString &label)
{
    for (PushButton *key : keys(keypad, frame)) {
        if (key->text() == label)
            return key;
    }
    qFatal("no key %s", qPrintable(label));
    return nullptr;
}

QLineEdit *field(Vir_KeyPad_Dialog &keypad)
{
    return keypad.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
}

QSlider *slider(Vir_KeyPad_Dialog &keypad)
{
    return keypad.findChild<QSlider *>(QStringLiteral("slide_SecureLevel"));
}

} // namespace

class TestKeypad : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void newKeypad();
    void fixedShuffleDealsInDrawOrder();
    void everySymbolAtLeastOnce();
    void keyClickAppendsAndDeals_data();
    void keyClickAppendsAndDeals();
    void backspaceShiftReset();
    void plainTextAndSliderDealNothing();
    void labelHidesUnderPointer();
    void keyboardActivationReadsHiddenLabel();
    void activityFilter();
    void sameSecondDifferentLayouts();
    void levelStoredOnEveryClose_data();
    void levelStoredOnEveryClose();
    void storedLevelOutOfRange();

private:
    QTemporaryDir m_dir;
    QString m_settingsFile;
};

void TestKeypad::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_settingsFile = m_dir.filePath(QStringLiteral("config.dat"));
    TAVSettings::getInstance()->setFileName(m_settingsFile);
}

void TestKeypad::init()
{
    QFile::remove(m_settingsFile);
    TAVSettings::getInstance()->read(); // no file: empties the store
}

void TestKeypad::newKeypad()
{
    Vir_KeyPad_Dialog keypad;
    QCOMPARE(keypad.windowTitle(), QStringLiteral("Virtual Keypad"));
    QCOMPARE(keypad.getPassword(), QString());
    QCOMPARE(field(keypad)->echoMode(), QLineEdit::Password);
    QVERIFY(field(keypad)->isReadOnly());
    QCOMPARE(slider(keypad)->value(), 1); // nothing stored: "Normal"
    auto *buttons = keypad.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("Enter"));
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    QCOMPARE(keys(keypad, "num_frame").size(), 18);
    QCOMPARE(keys(keypad, "char_frame").size(), 42);
    QCOMPARE(keys(keypad, "special_char_frame").size(), 18);
    // Letter key 9 stands in column 2, row 1 of its block.
    const PushButton *key = keys(keypad, "char_frame").at(9);
    QCOMPARE(key->geometry(), QRect(68, 34, 30, 30));
    QCOMPARE(keypad.size(), QSize(599, 248));
    QVERIFY(!(keypad.windowFlags() & Qt::WindowContextHelpButtonHint));
}

void TestKeypad::fixedShuffleDealsInDrawOrder()
{
    // Draws 0, 1, 2, ...: each symbol takes the slot its draw names, the
    // slots left over take the symbols of the draws that follow.
    FakeClock clock;
    ScriptedRandom random;
    Vir_KeyPad_Dialog keypad;
    QCOMPARE(random.seeds().size(), 1);
    const QList<PushButton *> digits = keys(keypad, "num_frame");
    const QList<PushButton *> letters = keys(keypad, "char_frame");
    const QList<PushButton *> specials = keys(keypad, "special_char_frame");
    QCOMPARE(digits.at(0)->text(), QStringLiteral("0"));
    QCOMPARE(digits.at(9)->text(), QStringLiteral("9"));
    QCOMPARE(digits.at(10)->text(), QStringLiteral("0")); // draw 10
    QCOMPARE(digits.at(17)->text(), QStringLiteral("7")); // draw 17
    QCOMPARE(letters.at(18)->text(), QStringLiteral("a")); // draw 18
    QCOMPARE(letters.at(41)->text(), QStringLiteral("x")); // draw 41
    QCOMPARE(letters.at(0)->text(), QStringLiteral("y"));  // draw 42
    QCOMPARE(letters.at(1)->text(), QStringLiteral("z"));  // draw 43
    QCOMPARE(letters.at(2)->text(), QStringLiteral("s"));  // draw 44: 44 mod 26 = 18
    QCOMPARE(letters.at(17)->text(), QStringLiteral("h")); // draw 59
    QCOMPARE(specials.at(6)->text(), QStringLiteral("*"));  // draw 60
    QCOMPARE(specials.at(9)->text(), QStringLiteral(" "));
    QCOMPARE(specials.at(15)->text(), QStringLiteral("&&")); // shows one ampersand
    QCOMPARE(specials.at(17)->text(), QStringLiteral("?"));
    QCOMPARE(specials.at(0)->text(), QStringLiteral("*")); // draw 72: 72 mod 12 = 0
    QCOMPARE(specials.at(5)->text(), QStringLiteral("!"));
    QCOMPARE(random.drawCount(), 78);
}

void TestKeypad::everySymbolAtLeastOnce()
{
    // The real generator, several layouts.
    Vir_KeyPad_Dialog keypad;
    for (int round = 0; round < 5; ++round) {
        const QStringList shown = labels(keypad);
        for (const QChar c : QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz*+- $!.#/%?"))
            QVERIFY2(shown.contains(QString(c)), qPrintable(QStringLiteral("missing '%1'").arg(c)));
        QVERIFY(shown.contains(QStringLiteral("&&")));
        QTest::mouseClick(keypad.findChild<QPushButton *>(QStringLiteral("btnBackSpace")), Qt::LeftButton);
    }
}

void TestKeypad::keyClickAppendsAndDeals_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("appended");
    QTest::newRow("digit") << "num_frame" << "5" << "5";
    QTest::newRow("letter") << "char_frame" << "q" << "q";
    QTest::newRow("space") << "special_char_frame" << " " << " ";
    QTest::newRow("ampersand") << "special_char_frame" << "&&" << "&";
    QTest::newRow("hash") << "special_char_frame" << "#" << "#";
}

void TestKeypad::keyClickAppendsAndDeals()
{
    QFETCH(QString, frame);
    QFETCH(QString, label);
    QFETCH(QString, appended);
    FakeClock clock;
    ScriptedRandom random;
    Vir_KeyPad_Dialog keypad;
    field(keypad)->setText(QStringLiteral("ab"));
    const int drawn = random.drawCount();
    const QStringList before = labels(keypad);
    QTest::mouseClick(keyShowing(keypad, qPrintable(frame), label), Qt::LeftButton);
    QCOMPARE(keypad.getPassword(), QStringLiteral("ab") + appended);
    QVERIFY(random.drawCount() >= drawn + 78); // all three blocks dealt afresh
    QVERIFY(labels(keypad) != before);
}

void TestKeypad::backspaceShiftReset()
{
    ScriptedRandom random;
    Vir_KeyPad_Dialog keypad;
    auto press = [&](const char *name) {
        QTest::mouseClick(keypad.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    };

    int drawn = random.drawCount();
    press("btnBackSpace"); // empty stays empty, and still deals
    QCOMPARE(keypad.getPassword(), QString());
    QVERIFY(random.drawCount() > drawn);

    QTest::mouseClick(keyShowing(keypad, "char_frame", QStringLiteral("k")), Qt::LeftButton);
    drawn = random.drawCount();
    press("btnShift");
    QVERIFY(random.drawCount() > drawn);
    for (PushButton *key : keys(keypad, "char_frame"))
        QVERIFY2(key->text().at(0).isUpper(), qPrintable(key->text()));
    QTest::mouseClick(keyShowing(keypad, "char_frame", QStringLiteral("K")), Qt::LeftButton);
    QCOMPARE(keypad.getPassword(), QStringLiteral("kK")); // typed letters keep their case
    press("btnShift");
    QVERIFY(keys(keypad, "char_frame").first()->text().at(0).isLower());

    press("btnBackSpace");
    QCOMPARE(keypad.getPassword(), QStringLiteral("k"));
    drawn = random.drawCount();
    press("brnReset");
    QCOMPARE(keypad.getPassword(), QString());
    QVERIFY(random.drawCount() > drawn);
}

void TestKeypad::plainTextAndSliderDealNothing()
{
    ScriptedRandom random;
    Vir_KeyPad_Dialog keypad;
    QSignalSpy activity(&keypad, &Vir_KeyPad_Dialog::userAction);
    const int drawn = random.drawCount();
    const QStringList before = labels(keypad);

    keypad.findChild<QCheckBox *>(QStringLiteral("checkBox"))->setChecked(true);
    QCOMPARE(field(keypad)->echoMode(), QLineEdit::Normal);
    QCOMPARE(activity.count(), 1);
    keypad.findChild<QCheckBox *>(QStringLiteral("checkBox"))->setChecked(false);
    QCOMPARE(field(keypad)->echoMode(), QLineEdit::Password);
    slider(keypad)->setValue(0);
    QCOMPARE(activity.count(), 3);

    QCOMPARE(random.drawCount(), drawn);
    QCOMPARE(labels(keypad), before);
}

void TestKeypad::labelHidesUnderPointer()
{
    ScriptedRandom random;
    Vir_KeyPad_Dialog keypad;
    keypad.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keypad));
    PushButton *key = keys(keypad, "num_frame").at(4);
    QCOMPARE(key->text(), QStringLiteral("4"));

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(key, &enter);
    QCOMPARE(key->text(), QString());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(key, &leave);
    QCOMPARE(key->text(), QStringLiteral("4"));

    // A click on a hidden key reads its own label, then it shows its new one.
    QCoreApplication::sendEvent(key, &enter);
    QTest::mouseClick(key, Qt::LeftButton);
    QCOMPARE(keypad.getPassword(), QStringLiteral("4"));
    const QString dealt = key->text();
    QVERIFY(!dealt.isEmpty());
    QCoreApplication::sendEvent(key, &leave);
    QCOMPARE(key->text(), dealt);
}

void TestKeypad::keyboardActivationReadsHiddenLabel()
{
    // The space bar on a focused key under the pointer: no release restores
    // the label first, yet the key's own character is what is typed.
    ScriptedRandom random;
    Vir_KeyPad_Dialog keypad;
    keypad.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keypad));
    PushButton *key = keys(keypad, "num_frame").at(6);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(key, &enter);
    QCOMPARE(key->text(), QString());
    key->setFocus();
    QTest::keyClick(key, Qt::Key_Space);
    QCOMPARE(keypad.getPassword(), QStringLiteral("6"));
    // The dealt label stays; leaving doesn't bring back the old one.
    const QString dealt = key->text();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(key, &leave);
    QCOMPARE(key->text(), dealt);
}

void TestKeypad::activityFilter()
{
    Vir_KeyPad_Dialog keypad;
    QSignalSpy activity(&keypad, &Vir_KeyPad_Dialog::userAction);
    QTest::keyClick(&keypad, Qt::Key_A);
    QCOMPARE(activity.count(), 2);
    QCOMPARE(keypad.getPassword(), QString()); // the physical keyboard never types
    QTest::mouseClick(&keypad, Qt::LeftButton, Qt::NoModifier, QPoint(595, 240));
    QCOMPARE(activity.count(), 3);
    QTest::mouseMove(&keypad, QPoint(10, 10));
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&keypad, &wheel);
    QCOMPARE(activity.count(), 3);
}

void TestKeypad::sameSecondDifferentLayouts()
{
    // Two keypads opened within one second of a fixed clock: knowing the time
    // must not tell the layout.
    FakeClock clock;
    Vir_KeyPad_Dialog first;
    Vir_KeyPad_Dialog second;
    QVERIFY(labels(first) != labels(second));
}

void TestKeypad::levelStoredOnEveryClose_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << "Enter" << 1;
    QTest::newRow("Cancel") << "Cancel" << 0;
}

void TestKeypad::levelStoredOnEveryClose()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    {
        Vir_KeyPad_Dialog keypad;
        ModalAnswerer answers(3000);
        answers.act([&](QWidget *shown) {
            slider(keypad)->setValue(0);
            QVERIFY(ModalAnswerer::clickButton(shown, button));
        });
        QCOMPARE(keypad.exec(), result);
        QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    }
    TAVSettings *settings = TAVSettings::getInstance();
    QCOMPARE(settings->read(), 0); // written to the file, not only kept in memory
    settings->beginGroup(QStringLiteral("Settings"));
    QCOMPARE(settings->value(QStringLiteral("Vkey")), QVariant(0));
    settings->endGroup();

    Vir_KeyPad_Dialog next;
    QCOMPARE(slider(next)->value(), 0);
}

void TestKeypad::storedLevelOutOfRange()
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(QStringLiteral("Settings"));
    settings->setValue(QStringLiteral("Vkey"), 7);
    settings->endGroup();
    {
        Vir_KeyPad_Dialog keypad;
        QCOMPARE(slider(keypad)->value(), 2);
    }
    settings->beginGroup(QStringLiteral("Settings"));
    QCOMPARE(settings->value(QStringLiteral("Vkey")), QVariant(2));
    settings->endGroup();
}

QTEST_MAIN(TestKeypad)
#include "tst_vir_keypad_dialog.moc"
