// Character classes, score and strength word of a new password.
#include "passwordrules.h"
#include "pwdchecker.h"

#include <QtTest>

class TestPasswordRules : public QObject
{
    Q_OBJECT
private slots:
    void specialCharacters_data();
    void specialCharacters();
    void letterAndDigitClasses_data();
    void letterAndDigitClasses();
    void score_data();
    void score();
    void charsOutsideLatin1_data();
    void charsOutsideLatin1();
};

void TestPasswordRules::specialCharacters_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("special");
    for (const QChar c : QStringLiteral(";,:_=+|/?^&!.@$#*()%~<>{}"))
        QTest::addRow("'%s'", qPrintable(QString(c))) << QString(c) << true;
    const QString others = QStringLiteral("-\\ \"'[]`aZ5\t") + QChar(0xe9) + QChar(0x20ac) + QChar(0xa7);
    for (const QChar c : others)
        QTest::addRow("not U+%04X", c.unicode()) << QString(c) << false;
}

void TestPasswordRules::specialCharacters()
{
    QFETCH(QString, character);
    QFETCH(bool, special);
    QCOMPARE(PwdChecker::containsSpecialChar(character), special);
    QCOMPARE(PwdChecker::containsSpecialChar(QStringLiteral("ab") + character + QStringLiteral("CD")), special);
}

void TestPasswordRules::letterAndDigitClasses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("lower");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("digit");
    QTest::newRow("empty") << "" << false << false << false;
    QTest::newRow("a") << "a" << true << false << false;
    QTest::newRow("z") << "z" << true << false << false;
    QTest::newRow("A") << "A" << false << true << false;
    QTest::newRow("Z") << "Z" << false << true << false;
    QTest::newRow("0") << "0" << false << false << true;
    QTest::newRow("9") << "9" << false << false << true;
    QTest::newRow("mixed at the end") << "!!!!x" << true << false << false;
    QTest::newRow("accented letters") << QString(QChar(0xe9)) + QChar(0xc9) << false << false << false;
    QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << false << false << false;
    QTest::newRow("all three") << "aB3" << true << true << true;
}

void TestPasswordRules::letterAndDigitClasses()
{
    QFETCH(QString, text);
    QFETCH(bool, lower);
    QFETCH(bool, upper);
    QFETCH(bool, digit);
    QCOMPARE(PwdChecker::containsLowCaseChar(text), lower);
    QCOMPARE(PwdChecker::containsUpCaseChar(text), upper);
    QCOMPARE(PwdChecker::containsDigit(text), digit);
}

void TestPasswordRules::score_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("word");
    QTest::newRow("empty") << "" << 0 << "";
    QTest::newRow("1 character") << "a" << 1 << "Weak";
    QTest::newRow("3 lower") << "abc" << 1 << "Weak";
    QTest::newRow("4 lower") << "abcd" << 2 << "Weak";
    QTest::newRow("5 lower") << "abcde" << 3 << "Weak";
    QTest::newRow("6 lower") << "abcdef" << 4 << "Fair";
    QTest::newRow("7 lower") << "abcdefg" << 5 << "Fair";
    QTest::newRow("8 lower") << "abcdefgh" << 6 << "Good";
    QTest::newRow("one case only adds nothing") << "ABCDEFG" << 5 << "Fair";
    QTest::newRow("both cases") << "aBcdefg" << 7 << "Good";
    QTest::newRow("5 with all classes") << "aB3!x" << 7 << "Good";
    QTest::newRow("8 without special") << "Abcdefg1" << 9 << "Excellent";
    QTest::newRow("8 with all") << "Abcdef1!" << 10 << "Excellent";
    QTest::newRow("7 with all") << "Abcde1!" << 9 << "Excellent";
    QTest::newRow("hyphen and backslash earn nothing") << "ab-\\" << 2 << "Weak";
    QTest::newRow("accents count to length only") << QString(QChar(0xe9)).repeated(8) << 6 << "Good";
}

void TestPasswordRules::score()
{
    QFETCH(QString, password);
    QFETCH(int, score);
    QFETCH(QString, word);
    QCOMPARE(PasswordRules::score(password), score);
    QCOMPARE(PasswordRules::strengthText(score), word);
}

void TestPasswordRules::charsOutsideLatin1_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("refused");
    QTest::newRow("ASCII") << "Secret#42" << "";
    QTest::newRow("Latin-1 accents and signs") << QStringLiteral("caf\u00e9 \u00a7\u00ff") << "";
    QTest::newRow("Cyrillic, each once") << QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c\u043f1")
                                         << QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c");
    QTest::newRow("euro sign") << QStringLiteral("a\u20ac\u20acb") << QStringLiteral("\u20ac");
    QTest::newRow("character outside the basic plane") << QString::fromUtf8("a\xF0\x9F\x94\x91" "b\xF0\x9F\x94\x91")
                                                       << QString::fromUtf8("\xF0\x9F\x94\x91");
}

void TestPasswordRules::charsOutsideLatin1()
{
    QFETCH(QString, password);
    QFETCH(QString, refused);
    QCOMPARE(PwdChecker::charsOutsideLatin1(password), refused);
}

QTEST_MAIN(TestPasswordRules)
#include "tst_passwordrules.moc"
