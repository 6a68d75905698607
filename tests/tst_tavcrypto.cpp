#include "cryptovectors.h"
#include "fixedrandom.h"
#include "logcapture.h"
#include "tavciphers.h"

#include <QtTest>

namespace {

QByteArray keystream(int cipher, quint64 offset, int length, const TAVKey &key = CryptoVectors::key())
{
    QByteArray data(length, '\0');
    QByteArray iv = CryptoVectors::iv();
    const int result = TAVCrypto::encryptBlock(reinterpret_cast<unsigned char *>(data.data()), length,
                                               offset, reinterpret_cast<unsigned char *>(iv.data()),
                                               TAVCipher(cipher), key);
    return result == 0 ? data : QByteArray();
}

// A body file written by the header writer, with the fixed IV and key.
QByteArray writeHeader(const QString &path, int cipher, const QString &name, const QDateTime &created,
                       const QByteArray &body = QByteArray())
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QByteArray();
    QByteArray iv = CryptoVectors::iv();
    auto *ivp = reinterpret_cast<unsigned char *>(iv.data());
    if (TAVCrypto::writeFileHeader(&file, ivp, created, name, TAVCipher(cipher), CryptoVectors::key()) != 0)
        return QByteArray();
    if (file.pos() != 512)
        return QByteArray();
    QByteArray enciphered = body;
    TAVCrypto::encryptBlock(reinterpret_cast<unsigned char *>(enciphered.data()), enciphered.size(),
                            512, ivp, TAVCipher(cipher), CryptoVectors::key());
    file.write(enciphered);
    file.close();
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QDateTime knownCreated()
{
    return QDateTime::fromSecsSinceEpoch(qFromBigEndian<quint32>(CryptoVectors::get("input_created").constData()));
}

QString knownName()
{
    return QString::fromLatin1(CryptoVectors::get("input_name"));
}

} // namespace

class TestTAVCrypto : public QObject
{
    Q_OBJECT
private slots:
    void blockKeystreamMatchesKnownAnswer_data();
    void blockKeystreamMatchesKnownAnswer();
    void anySplitGivesTheSameBytes_data();
    void anySplitGivesTheSameBytes();
    void counterStepsWithoutCarryIntoTheIv_data();
    void counterStepsWithoutCarryIntoTheIv();
    void widerCiphersUseTheirKeyBytes_data();
    void widerCiphersUseTheirKeyBytes();
    void cipherZeroLeavesDataUnchanged();
    void refusedCiphersAndShortKeysChangeNothing_data();
    void refusedCiphersAndShortKeysChangeNothing();

    void headerAndBodyMatchKnownAnswer_data();
    void headerAndBodyMatchKnownAnswer();
    void headerNamesAreCutAndConverted_data();
    void headerNamesAreCutAndConverted();
    void creationTimesOutsideTheRangeAreAllOnes_data();
    void creationTimesOutsideTheRangeAreAllOnes();
    void cipherZeroHeaderFieldsArePlain();
    void damagedHeadersAreRefused_data();
    void damagedHeadersAreRefused();
    void wrongCipherIsLoggedWithTheStoredValue();
    void ivReaderChecksTheSize();
    void pathReaderReportsMissingFile();
    void headerNameCanBeUpdated();

    void generateIvDrawsEightBytes();
    void stringsRoundTripAndMatchKnownAnswer_data();
    void stringsRoundTripAndMatchKnownAnswer();
    void damagedStringsAreRefused();

private:
    QTemporaryDir m_dir;
};

void TestTAVCrypto::blockKeystreamMatchesKnownAnswer_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<quint64>("offset");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("vector");
    for (int c = 1; c <= 4; ++c) {
        const QByteArray n = QByteArray::number(c);
        QTest::newRow("cipher " + n + " at 0") << c << quint64(0) << 100 << QString("block_c%1_off0_len100").arg(c);
        QTest::newRow("cipher " + n + " at 7") << c << quint64(7) << 100 << QString("block_c%1_off7_len100").arg(c);
        QTest::newRow("cipher " + n + " far out") << c << Q_UINT64_C(0x0123456789ABCDE5) << 40
                                                  << QString("block_c%1_off81985529216486885_len40").arg(c);
    }
}

void TestTAVCrypto::blockKeystreamMatchesKnownAnswer()
{
    QFETCH(int, cipher);
    QFETCH(quint64, offset);
    QFETCH(int, length);
    QFETCH(QString, vector);
    QCOMPARE(keystream(cipher, offset, length).toHex(), CryptoVectors::get(vector).toHex());
}

void TestTAVCrypto::anySplitGivesTheSameBytes_data()
{
    QTest::addColumn<int>("cipher");
    for (int c = 1; c <= 4; ++c)
        QTest::newRow(QByteArray::number(c)) << c;
}

void TestTAVCrypto::anySplitGivesTheSameBytes()
{
    QFETCH(int, cipher);
    const QByteArray whole = CryptoVectors::get(QString("block_c%1_off7_len100").arg(cipher));
    // 9 bytes at 7, then 91 at 16.
    QCOMPARE((keystream(cipher, 7, 9) + keystream(cipher, 16, 91)).toHex(), whole.toHex());
    // Pieces of every length from 1 to 17.
    for (int piece = 1; piece <= 17; ++piece) {
        QByteArray joined;
        for (int at = 0; at < 100; at += piece)
            joined += keystream(cipher, 7 + at, qMin(piece, 100 - at));
        QVERIFY2(joined == whole, qPrintable(QString("pieces of %1").arg(piece)));
    }
    // A large buffer in one call equals the same bytes made block by block.
    const QByteArray large = keystream(cipher, 3, 70000);
    for (int at : {0, 4093, 65533, 69990})
        QCOMPARE(large.mid(at, 10), keystream(cipher, 3 + at, 10));
}

void TestTAVCrypto::counterStepsWithoutCarryIntoTheIv_data()
{
    anySplitGivesTheSameBytes_data();
}

void TestTAVCrypto::counterStepsWithoutCarryIntoTheIv()
{
    QFETCH(int, cipher);
    // The counter's low half is all ones: it wraps to 0 and the IV half stays.
    const QByteArray expected = CryptoVectors::get(QString("ctr128_c%1_wrap_len40").arg(cipher));
    QByteArray counter = CryptoVectors::get("input_iv") + QByteArray(8, char(0xFF));
    QByteArray data(40, '\0');
    unsigned int num = 0;
    QCOMPARE(TAV_ctr128_encrypt(reinterpret_cast<unsigned char *>(data.data()), 40,
                                reinterpret_cast<unsigned char *>(counter.data()), &num,
                                TAVCipher(cipher), CryptoVectors::key()), 0);
    QCOMPARE(data.toHex(), expected.toHex());
    // Three blocks were made: the counter stepped to 2, the IV half unchanged; 8 bytes into the third.
    QCOMPARE(counter.toHex(), (CryptoVectors::get("input_iv") + QByteArray::fromHex("0000000000000002")).toHex());
    QCOMPARE(num, 8u);

    // Starting inside a block: that block is made first and counted.
    QByteArray counter2 = CryptoVectors::get("input_iv") + QByteArray(8, char(0xFF));
    QByteArray data2(30, '\0');
    unsigned int num2 = 10;
    QCOMPARE(TAV_ctr128_encrypt(reinterpret_cast<unsigned char *>(data2.data()), 30,
                                reinterpret_cast<unsigned char *>(counter2.data()), &num2,
                                TAVCipher(cipher), CryptoVectors::key()), 0);
    QCOMPARE(data2.toHex(), expected.mid(10, 30).toHex());
    QCOMPARE(counter2.mid(8).toHex(), QByteArray("0000000000000002"));
    QCOMPARE(num2, 8u);
}

void TestTAVCrypto::widerCiphersUseTheirKeyBytes_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("used");   // a key byte that changes the keystream
    QTest::addColumn<int>("unused"); // one that does not
    QTest::newRow("1") << 1 << 15 << 16;
    QTest::newRow("2") << 2 << 31 << 32;
    QTest::newRow("3") << 3 << 63 << 64;
    QTest::newRow("4") << 4 << 127 << 16;
}

void TestTAVCrypto::widerCiphersUseTheirKeyBytes()
{
    QFETCH(int, cipher);
    QFETCH(int, used);
    QFETCH(int, unused);
    const QByteArray base = keystream(cipher, 5, 64);
    TAVKey a = CryptoVectors::key();
    a.key[used] = char(a.key[used] ^ 1);
    QVERIFY(keystream(cipher, 5, 64, a) != base);
    TAVKey b = CryptoVectors::key();
    b.key[unused] = char(b.key[unused] ^ 1);
    QCOMPARE(keystream(cipher, 5, 64, b), base);
}

void TestTAVCrypto::cipherZeroLeavesDataUnchanged()
{
    QByteArray data = CryptoVectors::get("input_body");
    QByteArray iv = CryptoVectors::iv();
    QCOMPARE(TAVCrypto::encryptBlock(reinterpret_cast<unsigned char *>(data.data()), data.size(), 9,
                                     reinterpret_cast<unsigned char *>(iv.data()), TAV_CIPHER_NONE,
                                     TAVKey::fromHex(QString())), 0);
    QCOMPARE(data, CryptoVectors::get("input_body"));
}

void TestTAVCrypto::refusedCiphersAndShortKeysChangeNothing_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("keyBytes");
    QTest::newRow("cipher 5") << 5 << 128;
    QTest::newRow("cipher 255") << 255 << 128;
    QTest::newRow("cipher -1") << -1 << 128;
    QTest::newRow("cipher 1, key of 15") << 1 << 15;
    QTest::newRow("cipher 2, key of 31") << 2 << 31;
    QTest::newRow("cipher 3, key of 63") << 3 << 63;
    QTest::newRow("cipher 4, key of 127") << 4 << 127;
}

void TestTAVCrypto::refusedCiphersAndShortKeysChangeNothing()
{
    QFETCH(int, cipher);
    QFETCH(int, keyBytes);
    const TAVKey key = TAVKey::fromHex(QString::fromLatin1(CryptoVectors::get("input_key").left(keyBytes).toHex()));
    QByteArray data = CryptoVectors::get("input_body");
    QByteArray iv = CryptoVectors::iv();
    LogCapture log;
    QCOMPARE(TAVCrypto::encryptBlock(reinterpret_cast<unsigned char *>(data.data()), data.size(), 0,
                                     reinterpret_cast<unsigned char *>(iv.data()), TAVCipher(cipher), key), 1);
    QCOMPARE(data, CryptoVectors::get("input_body"));
    QVERIFY(!log.lines().isEmpty());

    unsigned int num = 0;
    QByteArray counter(16, '\0');
    QCOMPARE(TAV_ctr128_encrypt(reinterpret_cast<unsigned char *>(data.data()), 16,
                                reinterpret_cast<unsigned char *>(counter.data()), &num, TAVCipher(cipher), key), 1);
    QCOMPARE(data, CryptoVectors::get("input_body"));

    QFile file(m_dir.filePath("refused"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(TAVCrypto::writeFileHeader(&file, reinterpret_cast<unsigned char *>(iv.data()),
                                        QDateTime::currentDateTime(), "x", TAVCipher(cipher), key), 2);
    QCOMPARE(file.size(), qint64(0));
}

void TestTAVCrypto::headerAndBodyMatchKnownAnswer_data()
{
    anySplitGivesTheSameBytes_data();
}

void TestTAVCrypto::headerAndBodyMatchKnownAnswer()
{
    QFETCH(int, cipher);
    const QString path = m_dir.filePath(QString("body%1").arg(cipher));
    const QByteArray expected = CryptoVectors::get(QString("userfile_full_c%1").arg(cipher));
    QCOMPARE(writeHeader(path, cipher, knownName(), knownCreated(), CryptoVectors::get("input_body")).toHex(),
             expected.toHex());

    // Both readers give back the fields; the open-file reader leaves the file at the body.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    unsigned char iv[16] = {};
    QDateTime created;
    QString name;
    QCOMPARE(TAVCrypto::readFileHeader(&file, iv, &created, &name, TAVCipher(cipher), CryptoVectors::key()), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(iv), 8), CryptoVectors::get("input_iv"));
    QCOMPARE(created.toSecsSinceEpoch(), knownCreated().toSecsSinceEpoch());
    QCOMPARE(name, knownName());
    QCOMPARE(file.pos(), qint64(512));
    QByteArray body = file.readAll();
    QCOMPARE(TAVCrypto::decryptBlock(reinterpret_cast<unsigned char *>(body.data()), body.size(), 512, iv,
                                     TAVCipher(cipher), CryptoVectors::key()), 0);
    QCOMPARE(body, CryptoVectors::get("input_body"));

    TAVCipher stored = TAV_CIPHER_NONE;
    QDateTime created2;
    QString name2;
    QCOMPARE(TAVCrypto::readFileHeader(path, &created2, &name2, &stored, CryptoVectors::key()), 0);
    QCOMPARE(int(stored), cipher);
    QCOMPARE(created2, created);
    QCOMPARE(name2, knownName());
}

void TestTAVCrypto::headerNamesAreCutAndConverted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    const QString tail239 = QString(238, QLatin1Char('b')) + QLatin1Char('z');
    QTest::newRow("240 characters") << QString(240, QLatin1Char('a')) << QString(240, QLatin1Char('a'));
    QTest::newRow("241 characters") << QLatin1String("aa") + tail239 << QLatin1Char('.') + tail239;
    QTest::newRow("300 characters") << QString(61, QLatin1Char('a')) + tail239 << QLatin1Char('.') + tail239;
    QTest::newRow("latin-1 above 127") << QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xc3\xbf\xc2\xa0.txt")
                                       << QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xc3\xbf\xc2\xa0.txt");
    QTest::newRow("outside latin-1") << QString::fromUtf8("\xe2\x82\xac\xe4\xb8\xad.txt") << "??.txt";
    QTest::newRow("empty") << QString() << QString();
}

void TestTAVCrypto::headerNamesAreCutAndConverted()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    const QString path = m_dir.filePath("names");
    const QByteArray bytes = writeHeader(path, 2, name, knownCreated());
    QCOMPARE(bytes.size(), 512);
    QCOMPARE(int(qFromLittleEndian<quint16>(bytes.constData() + 14)), stored.toLatin1().size());
    QVERIFY(bytes.mid(16 + stored.size()) == QByteArray(496 - stored.size(), '\0'));
    QDateTime created;
    QString read;
    TAVCipher cipher;
    QCOMPARE(TAVCrypto::readFileHeader(path, &created, &read, &cipher, CryptoVectors::key()), 0);
    QCOMPARE(read, stored);
}

void TestTAVCrypto::creationTimesOutsideTheRangeAreAllOnes_data()
{
    QTest::addColumn<QDateTime>("created");
    QTest::addColumn<quint32>("stored");
    QTest::newRow("invalid") << QDateTime() << quint32(0xFFFFFFFF);
    QTest::newRow("1969") << QDateTime(QDate(1969, 12, 31), QTime(0, 0), Qt::UTC) << quint32(0xFFFFFFFF);
    QTest::newRow("2107") << QDateTime(QDate(2107, 1, 1), QTime(0, 0), Qt::UTC) << quint32(0xFFFFFFFF);
    QTest::newRow("epoch") << QDateTime::fromSecsSinceEpoch(0, Qt::UTC) << quint32(0);
    QTest::newRow("2021") << knownCreated() << quint32(1614834367);
}

void TestTAVCrypto::creationTimesOutsideTheRangeAreAllOnes()
{
    QFETCH(QDateTime, created);
    QFETCH(quint32, stored);
    const QString path = m_dir.filePath("times");
    QByteArray bytes = writeHeader(path, 1, "t", created);
    QByteArray iv = CryptoVectors::iv();
    TAVCrypto::decryptBlock(reinterpret_cast<unsigned char *>(bytes.data()) + 10, 4, 10,
                            reinterpret_cast<unsigned char *>(iv.data()), TAV_AES128, CryptoVectors::key());
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 10), stored);
}

void TestTAVCrypto::cipherZeroHeaderFieldsArePlain()
{
    const QString path = m_dir.filePath("plain");
    const QByteArray bytes = writeHeader(path, 0, "plain.txt", knownCreated(), "body");
    QCOMPARE(bytes.mid(0, 16).toHex(),
             (CryptoVectors::get("input_iv") + QByteArray::fromHex("0100") + QByteArray::fromHex("bf6a4060")
              + QByteArray::fromHex("0900")).toHex());
    QCOMPARE(bytes.mid(16, 9), QByteArray("plain.txt"));
    QCOMPARE(bytes.mid(512), QByteArray("body"));
}

void TestTAVCrypto::damagedHeadersAreRefused_data()
{
    // A good cipher-2 header, then one damage each. Codes: open-file reader, path reader.
    QTest::addColumn<int>("size");     // bytes kept
    QTest::addColumn<int>("at");       // byte changed, -1 for none
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("openCode");
    QTest::addColumn<int>("pathCode");
    QTest::newRow("511 bytes") << 511 << -1 << QByteArray() << 1 << 1;
    QTest::newRow("empty") << 0 << -1 << QByteArray() << 1 << 1;
    QTest::newRow("512 bytes") << 512 << -1 << QByteArray() << 0 << 0;
    QTest::newRow("version 2") << 512 << 8 << QByteArray::fromHex("02") << 3 << 2;
    QTest::newRow("version 0") << 512 << 8 << QByteArray::fromHex("00") << 3 << 2;
    QTest::newRow("cipher 9") << 512 << 9 << QByteArray::fromHex("09") << 2 << 4;
    QTest::newRow("name length 496") << 512 << 14 << QByteArray::fromHex("f001") << 0 << 0;
    QTest::newRow("name length 497") << 512 << 14 << QByteArray::fromHex("f101") << 1 << 1;
    QTest::newRow("name length 65535") << 512 << 14 << QByteArray::fromHex("ffff") << 1 << 1;
}

void TestTAVCrypto::damagedHeadersAreRefused()
{
    QFETCH(int, size);
    QFETCH(int, at);
    QFETCH(QByteArray, value);
    QFETCH(int, openCode);
    QFETCH(int, pathCode);
    QByteArray bytes = CryptoVectors::get("userfile_full_c2").left(size);
    if (at >= 0)
        bytes.replace(at, value.size(), value);
    const QString path = m_dir.filePath("damaged");
    writeBytes(path, bytes);

    LogCapture log;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    unsigned char iv[16] = {};
    QDateTime created;
    QString name;
    QCOMPARE(TAVCrypto::readFileHeader(&file, iv, &created, &name, TAV_AES256, CryptoVectors::key()), openCode);
    TAVCipher cipher = TAV_CIPHER_NONE;
    QCOMPARE(TAVCrypto::readFileHeader(path, &created, &name, &cipher, CryptoVectors::key()), pathCode);
    if (openCode != 0)
        QVERIFY(!log.lines().isEmpty());
}

void TestTAVCrypto::wrongCipherIsLoggedWithTheStoredValue()
{
    const QString path = m_dir.filePath("cipher2");
    writeBytes(path, CryptoVectors::get("userfile_full_c2"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    unsigned char iv[16] = {};
    QDateTime created;
    QString name;
    LogCapture log;
    QCOMPARE(TAVCrypto::readFileHeader(&file, iv, &created, &name, TAV_AES1024, CryptoVectors::key()), 2);
    QCOMPARE(log.lines().size(), 1);
    QVERIFY(log.lines().first().trimmed().endsWith("invalid cipher during readFileHeader 2"));

    // A caller's cipher outside the table is refused even when the stored byte matches it.
    QByteArray bytes = CryptoVectors::get("userfile_full_c2");
    bytes[9] = char(9);
    writeBytes(path, bytes);
    QFile file2(path);
    QVERIFY(file2.open(QIODevice::ReadOnly));
    QCOMPARE(TAVCrypto::readFileHeader(&file2, iv, &created, &name, TAVCipher(9), CryptoVectors::key()), 2);
}

void TestTAVCrypto::ivReaderChecksTheSize()
{
    const QString path = m_dir.filePath("iv");
    writeBytes(path, CryptoVectors::get("userfile_full_c3"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    unsigned char iv[16];
    memset(iv, 0xEE, sizeof iv);
    QCOMPARE(TAVCrypto::readFileHeader(&file, iv), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(iv), 16), CryptoVectors::iv());
    QCOMPARE(file.pos(), qint64(512));

    writeBytes(path, CryptoVectors::get("userfile_full_c3").left(511));
    QFile shortFile(path);
    QVERIFY(shortFile.open(QIODevice::ReadOnly));
    QCOMPARE(TAVCrypto::readFileHeader(&shortFile, iv), 1);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(iv), 16), QByteArray(16, '\0'));
}

void TestTAVCrypto::pathReaderReportsMissingFile()
{
    QFile missing(m_dir.filePath("nope/missing"));
    QCOMPARE(TAVCrypto::readFileHeader(missing.fileName(), nullptr, nullptr, nullptr, CryptoVectors::key()), 3);
}

void TestTAVCrypto::headerNameCanBeUpdated()
{
    const QString path = m_dir.filePath("update");
    writeHeader(path, 3, QString(200, QLatin1Char('n')), knownCreated(), "body bytes");
    QCOMPARE(TAVCrypto::updateFileHeader(path, "short.txt", TAV_AES512, CryptoVectors::key()), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 522);
    QVERIFY(bytes.mid(16 + 9, 496 - 9) == QByteArray(496 - 9, '\0'));
    QDateTime created;
    QString name;
    TAVCipher cipher;
    QCOMPARE(TAVCrypto::readFileHeader(path, &created, &name, &cipher, CryptoVectors::key()), 0);
    QCOMPARE(name, QString("short.txt"));
    QCOMPARE(created, knownCreated());

    writeBytes(m_dir.filePath("small"), QByteArray(100, 'x'));
    QCOMPARE(TAVCrypto::updateFileHeader(m_dir.filePath("small"), "n", TAV_AES512, CryptoVectors::key()), 1);
    QCOMPARE(TAVCrypto::updateFileHeader(m_dir.filePath("none/none"), "n", TAV_AES512, CryptoVectors::key()), 2);
    QCOMPARE(TAVCrypto::updateFileHeader(path, "n", TAVCipher(6), CryptoVectors::key()), 3);
}

void TestTAVCrypto::generateIvDrawsEightBytes()
{
    {
        FixedRandom random(QByteArray::fromHex("0102030405060708090a"));
        QByteArray iv;
        QCOMPARE(TAVCrypto::generateIV(iv), 0);
        QCOMPARE(iv.toHex(), QByteArray("01020304050607080000000000000000"));
    }
    FixedRandom none{QByteArray()};
    QByteArray iv("unchanged");
    LogCapture log;
    QCOMPARE(TAVCrypto::generateIV(iv), 1);
    QCOMPARE(iv, QByteArray("unchanged"));
    QVERIFY(log.lines().last().trimmed().endsWith("Could not create random bytes."));
}

void TestTAVCrypto::stringsRoundTripAndMatchKnownAnswer_data()
{
    anySplitGivesTheSameBytes_data();
}

void TestTAVCrypto::stringsRoundTripAndMatchKnownAnswer()
{
    QFETCH(int, cipher);
    const QString text = QString::fromUtf8("h\xc3\xa9llo");
    QString out;
    QCOMPARE(TAVCrypto::encryptString(&out, text, TAVCipher(cipher), CryptoVectors::key()), 0);
    QCOMPARE(QByteArray::fromBase64(out.toLatin1()).toHex(),
             CryptoVectors::get(QString("string_c%1_hello").arg(cipher)).toHex());
    QString back;
    QCOMPARE(TAVCrypto::decryptString(&back, out, TAVCipher(cipher), CryptoVectors::key()), 0);
    QCOMPARE(back, text);
}

void TestTAVCrypto::damagedStringsAreRefused()
{
    QString out = "kept";
    QCOMPARE(TAVCrypto::decryptString(&out, QString::fromLatin1(QByteArray("ab").toBase64()), TAV_AES256,
                                      CryptoVectors::key()), 1);
    QString encrypted;
    TAVCrypto::encryptString(&encrypted, "text", TAV_AES256, CryptoVectors::key());
    QCOMPARE(TAVCrypto::decryptString(&out, encrypted, TAV_AES128, CryptoVectors::key()), 2);
    QCOMPARE(out, QString("kept"));
    QCOMPARE(TAVCrypto::encryptString(&out, "x", TAVCipher(0), CryptoVectors::key()), 3);
    QCOMPARE(TAVCrypto::decryptString(&out, encrypted, TAVCipher(5), CryptoVectors::key()), 3);
}

QTEST_GUILESS_MAIN(TestTAVCrypto)
#include "tst_tavcrypto.moc"
