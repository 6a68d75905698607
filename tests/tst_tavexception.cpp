#include "tavexception.h"

#include <QtTest>

class TestTAVException : public QObject
{
    Q_OBJECT
private slots:
    void codeHasFixedMessage_data();
    void codeHasFixedMessage();
    void textMessageIsGeneralError();
    void whatStaysValidWhileExceptionLives();
    void copyKeepsBothFields();
};

void TestTAVException::codeHasFixedMessage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << 0 << "No error.";
    QTest::newRow("1") << 1 << "General error.";
    QTest::newRow("2") << 2 << "Disk is full.";
    QTest::newRow("3") << 3 << "The filename contains characters that are not allowed on all platforms and cannot be copied.";
    QTest::newRow("4") << 4 << "File already exists.";
    QTest::newRow("5") << 5 << "It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.";
    QTest::newRow("7") << 7 << "Unable to copy the file.";
    QTest::newRow("8") << 8 << "The item was not found.";
    QTest::newRow("9") << 9 << "Destination directory does not exist.";
    QTest::newRow("10") << 10 << "Invalid pointer.";
    QTest::newRow("11") << 11 << "Vault is write protected.";
    QTest::newRow("12") << 12 << "Wrong key.";
}

void TestTAVException::codeHasFixedMessage()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    if (code == 12)
        QTest::ignoreMessage(QtDebugMsg, "Throwing exception:  Wrong key.");
    try {
        throw TAVException(TAVErrorCode(code));
    } catch (const TAVException &e) {
        QCOMPARE(int(e.code()), code);
        QCOMPARE(QString::fromLatin1(e.what()), message);
    }
}

void TestTAVException::textMessageIsGeneralError()
{
    QTest::ignoreMessage(QtDebugMsg, "Throwing exception:  \"Duplicate item name.\"");
    TAVException e(QStringLiteral("Duplicate item name."));
    QCOMPARE(e.code(), TAV_GENERAL_ERROR);
    QCOMPARE(QByteArray(e.what()), QByteArray("Duplicate item name."));

    // Characters Latin-1 cannot hold come out as question marks.
    TAVException wide(QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac"));
    QCOMPARE(QByteArray(wide.what()), QByteArray("caf\xe9 ?"));
}

void TestTAVException::whatStaysValidWhileExceptionLives()
{
    TAVException e(TAV_WRONG_KEY);
    const char *text = e.what();
    QByteArray other = QByteArray(4096, 'x'); // churn the heap a little
    Q_UNUSED(other);
    QCOMPARE(QByteArray(text), QByteArray("Wrong key."));
}

void TestTAVException::copyKeepsBothFields()
{
    TAVException original(TAV_DISK_FULL);
    TAVException copy = original;
    QCOMPARE(copy.code(), TAV_DISK_FULL);
    QCOMPARE(QByteArray(copy.what()), QByteArray("Disk is full."));
}

QTEST_GUILESS_MAIN(TestTAVException)
#include "tst_tavexception.moc"
