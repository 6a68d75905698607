#include "cryptovectors.h"
#include "fixedrandom.h"
#include "logcapture.h"
#include "masterkey.h"
#include "tavciphers.h"
#include "tavexception.h"

#include <QtTest>

class TestTAVKey : public QObject
{
    Q_OBJECT
private slots:
    void cipherTable_data();
    void cipherTable();
    void unknownCipherIsLogged();
    void cipherStreamsAsInt32();

    void derivationMatchesKnownAnswer_data();
    void derivationMatchesKnownAnswer();
    void derivationCutsAndEmpties();
    void charactersOutsideLatin1BecomeQuestionMarks();

    void wrapMatchesKnownAnswer();
    void wrapTwiceRestores();
    void wrapIgnoresWrapKeyBytes120To127();
    void wrapRefusesKeysOfOtherLengths();

    void randomKeysAreDrawnWithoutBias();
    void randomKeyFailsLoudlyWithoutRandomBytes();
    void randomKeysDiffer();

    void hexAndStreamForms();
    void copiesCarryTheScheduleAndStayApart();
    void masterKeyIsEmptyUntilLogin();
};

void TestTAVKey::cipherTable_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bits");
    QTest::newRow("1") << 1 << "AES128" << 128;
    QTest::newRow("2") << 2 << "AES256" << 256;
    QTest::newRow("3") << 3 << "AES512" << 512;
    QTest::newRow("4") << 4 << "AES1024" << 1024;
}

void TestTAVKey::cipherTable()
{
    QFETCH(int, cipher);
    QFETCH(QString, name);
    QFETCH(int, bits);
    TAVCipherProps props{TAVCipher(cipher)};
    QCOMPARE(props.toString(), name);
    QCOMPARE(props.lengthInBits(), bits);
    QCOMPARE(props.lengthInBytes(), bits / 8);
    QVERIFY(props.isValid());
    QCOMPARE(int(TAVCiphers::platform_preferred_cipher()), 2);
}

void TestTAVKey::unknownCipherIsLogged()
{
    for (int value : {0, 5, -1, 255}) {
        LogCapture log;
        TAVCipherProps props{TAVCipher(value)};
        QVERIFY(!props.isValid());
        QVERIFY(props.toString().isEmpty());
        QCOMPARE(log.lines().size(), 1);
        QVERIFY2(log.lines().first().trimmed().endsWith("unknown cipher " + QByteArray::number(value)),
                 log.lines().first().constData());
        QVERIFY(log.lines().first().contains(" E "));
    }
}

void TestTAVKey::cipherStreamsAsInt32()
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(15);
        out << TAV_AES512;
    }
    QCOMPARE(bytes, QByteArray::fromHex("00000003"));
    QDataStream in(bytes);
    in.setVersion(15);
    TAVCipher read = TAV_CIPHER_NONE;
    in >> read;
    QCOMPARE(read, TAV_AES512);
}

void TestTAVKey::derivationMatchesKnownAnswer_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("vector");
    QTest::newRow("empty") << QString() << "pbkdf2_empty_128";
    QTest::newRow("ascii") << "correct horse battery staple" << "pbkdf2_password_128";
    QTest::newRow("latin-1") << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e") << "pbkdf2_latin1_128";
}

void TestTAVKey::derivationMatchesKnownAnswer()
{
    QFETCH(QString, password);
    QFETCH(QString, vector);
    const QByteArray expected = CryptoVectors::get(vector);
    QCOMPARE(TAVKey::pbkdf2(password, 128).toHex(), expected.toHex());
    QCOMPARE(TAVKey(password).key.toHex(), expected.toHex());
}

void TestTAVKey::derivationCutsAndEmpties()
{
    QCOMPARE(TAVKey::pbkdf2(QStringLiteral("password"), 20).toHex(),
             CryptoVectors::get(QStringLiteral("pbkdf2_password_20")).toHex());
    QVERIFY(TAVKey::pbkdf2(QStringLiteral("password"), 0).isEmpty());
    // A length of 20 is the first 20 bytes of the longer derivation.
    QCOMPARE(TAVKey::pbkdf2(QStringLiteral("password"), 128).left(20),
             TAVKey::pbkdf2(QStringLiteral("password"), 20));
}

void TestTAVKey::charactersOutsideLatin1BecomeQuestionMarks()
{
    const TAVKey euro(QString::fromUtf8("pass\xe2\x82\xac"));    // €
    const TAVKey cyrillic(QString::fromUtf8("pass\xd0\x96")); // Ж
    QVERIFY(euro == cyrillic);
    QCOMPARE(euro.key.toHex(), CryptoVectors::get(QStringLiteral("pbkdf2_question_128")).toHex());
}

void TestTAVKey::wrapMatchesKnownAnswer()
{
    TAVKey key = CryptoVectors::key();
    QCOMPARE(key.encrypt(CryptoVectors::wrapKey()), 0);
    QCOMPARE(key.key.toHex(), CryptoVectors::get(QStringLiteral("wrap_key_under_wrapkey")).toHex());
}

void TestTAVKey::wrapTwiceRestores()
{
    const TAVKey original = CryptoVectors::key();
    TAVKey key = original;
    key.encrypt(CryptoVectors::wrapKey());
    QVERIFY(key != original);
    QCOMPARE(key.decrypt(CryptoVectors::wrapKey()), 0);
    QVERIFY(key == original);

    // Unwrapping under another key does not give the key back.
    key.encrypt(CryptoVectors::wrapKey());
    key.decrypt(TAVKey(QStringLiteral("another password")));
    QVERIFY(key != original);
}

void TestTAVKey::wrapIgnoresWrapKeyBytes120To127()
{
    TAVKey changed = CryptoVectors::wrapKey();
    for (int i = 120; i < 128; ++i)
        changed.key[i] = char(~changed.key[i]);
    TAVKey a = CryptoVectors::key();
    TAVKey b = CryptoVectors::key();
    a.encrypt(CryptoVectors::wrapKey());
    b.encrypt(changed);
    QVERIFY(a == b);

    // Byte 119 takes part.
    changed.key[119] = char(~changed.key[119]);
    TAVKey c = CryptoVectors::key();
    c.encrypt(changed);
    QVERIFY(a != c);
}

void TestTAVKey::wrapRefusesKeysOfOtherLengths()
{
    // Keys read from a damaged file can have any length; no byte past the end is read.
    TAVKey shortKey = TAVKey::fromHex(QStringLiteral("00112233"));
    QCOMPARE(shortKey.encrypt(CryptoVectors::wrapKey()), 1);
    QCOMPARE(shortKey.key, QByteArray::fromHex("00112233"));

    TAVKey key = CryptoVectors::key();
    QCOMPARE(key.encrypt(TAVKey::fromHex(QString())), 1);
    QVERIFY(key == CryptoVectors::key());
}

void TestTAVKey::randomKeysAreDrawnWithoutBias()
{
    // Every 255 is drawn again instead of being folded onto another value.
    QByteArray pattern;
    for (int i = 0; i < 256; ++i)
        pattern.append(char(255)).append(char(i));
    FixedRandom random(pattern);
    const TAVKey key;
    QCOMPARE(key.key.size(), 128);
    for (int i = 0; i < 128; ++i)
        QCOMPARE(quint8(key.key[i]), quint8(i));
    QVERIFY(!key.aesReady);
}

void TestTAVKey::randomKeyFailsLoudlyWithoutRandomBytes()
{
    FixedRandom none{QByteArray()};
    LogCapture log;
    QTest::ignoreMessage(QtDebugMsg, "Throwing exception:  \"Could not create random bytes.\"");
    QVERIFY_EXCEPTION_THROWN(TAVKey(), TAVException);
    QVERIFY(log.lines().last().trimmed().endsWith("Could not create random bytes."));
}

void TestTAVKey::randomKeysDiffer()
{
    const TAVKey a, b;
    QVERIFY(a != b);
    for (const TAVKey &k : {a, b}) {
        QCOMPARE(k.key.size(), 128);
        QVERIFY(!k.key.contains(char(255)));
    }
}

void TestTAVKey::hexAndStreamForms()
{
    const TAVKey key = CryptoVectors::key();
    QCOMPARE(key.toHex(), QString::fromLatin1(CryptoVectors::get(QStringLiteral("input_key")).toHex()));
    QCOMPARE(key.toHex().size(), 256);
    QVERIFY(TAVKey::fromHex(key.toHex()) == key);
    QCOMPARE(key.hash(), QString::fromLatin1(
        QCryptographicHash::hash(key.key, QCryptographicHash::Md5).toHex().toUpper()));

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(15);
        out << key;
    }
    QCOMPARE(bytes, QByteArray::fromHex("00000080") + key.key);

    TAVKey read = TAVKey(QStringLiteral("something else"));
    read.schedule();
    QVERIFY(read.aesReady);
    QDataStream in(bytes);
    in.setVersion(15);
    in >> read;
    QVERIFY(read == key);
    QVERIFY(!read.aesReady);
}

void TestTAVKey::copiesCarryTheScheduleAndStayApart()
{
    TAVKey key = CryptoVectors::key();
    QVERIFY(key.schedule());
    TAVKey copy = key;
    QVERIFY(copy.aesReady);
    // Changing the copy's bytes leaves the original alone, and its schedule follows the bytes.
    copy.encrypt(CryptoVectors::wrapKey());
    QVERIFY(copy != key);
    QVERIFY(key == CryptoVectors::key());
    QVERIFY(!copy.aesReady);

    unsigned char a[32] = {}, b[32] = {};
    unsigned char iv[16] = {};
    QCOMPARE(TAVCrypto::encryptBlock(a, 32, 0, iv, TAV_AES128, key), 0);
    QCOMPARE(TAVCrypto::encryptBlock(b, 32, 0, iv, TAV_AES128, copy), 0);
    QVERIFY(memcmp(a, b, 32) != 0);
}

void TestTAVKey::masterKeyIsEmptyUntilLogin()
{
    QVERIFY(MasterKey::key.key.isEmpty());
    // Nothing can be wrapped under it.
    TAVKey key = CryptoVectors::key();
    QCOMPARE(key.encrypt(MasterKey::key), 1);
}

QTEST_GUILESS_MAIN(TestTAVKey)
#include "tst_tavkey.moc"
