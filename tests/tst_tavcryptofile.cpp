#include "aes128.h"
#include "cryptovectors.h"
#include "filesizelimit.h"
#include "fixedrandom.h"
#include "keystream.h"
#include "logcapture.h"
#include "tavciphers.h"
#include "tavcryptofile.h"

#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Writes the payload in pieces of the given size with the fixed nonce.
int writeDataFile(const QString &path, int cipher, const QByteArray &payload, int piece,
                  const TAVKey &key = CryptoVectors::key(), unsigned int version = 1)
{
    FixedRandom nonce(CryptoVectors::nonce());
    TAVCryptoFile file(path);
    const int code = file.open(QIODevice::WriteOnly | QIODevice::Truncate, TAVCipher(cipher), key, version);
    if (code != 0)
        return code;
    for (int at = 0; at < payload.size(); at += piece) {
        const QByteArray part = payload.mid(at, piece);
        if (file.write(part) != part.size())
            return -1;
    }
    return 0;
}

} // namespace

class TestTAVCryptoFile : public QObject
{
    Q_OBJECT
private slots:
    void keystreamMatchesKnownAnswer_data();
    void keystreamMatchesKnownAnswer();
    void wholeFileMatchesKnownAnswer_data();
    void wholeFileMatchesKnownAnswer();
    void readsInAnyPiecesFromAnyOffset_data();
    void readsInAnyPiecesFromAnyOffset();
    void emptyPayloadIs24Bytes();
    void openCodesTellDamageFromWrongKey_data();
    void openCodesTellDamageFromWrongKey();
    void versionIsReportedNotChecked();
    void noncesDifferBetweenFiles();
    void cipher4UsesDerivedKeyBytesUpTo119();
    void appendAloneIsRefused();
    void refusedWritesLeaveTheOldFile_data();
    void refusedWritesLeaveTheOldFile();
    void failedWriteIsReported();
    void dataStreamOnTopRoundTrips();
    void reKeyReplacesTheKey_data();
    void reKeyReplacesTheKey();
    void reKeyWithWrongKeyChangesNothing();
    void xinitCtrLaysOutTheCounter();

private:
    QTemporaryDir m_dir;
};

void TestTAVCryptoFile::keystreamMatchesKnownAnswer_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("pos");
    for (int c = 1; c <= 4; ++c)
        for (int pos : {0, 24, 31})
            QTest::newRow(qPrintable(QString("cipher %1 at %2").arg(c).arg(pos))) << c << pos;
}

void TestTAVCryptoFile::keystreamMatchesKnownAnswer()
{
    QFETCH(int, cipher);
    QFETCH(int, pos);
    const QByteArray expected = CryptoVectors::get(QString("datafile_c%1_pos%2_len100").arg(cipher).arg(pos));
    const QByteArray derived = CryptoVectors::key().deriveKey(TAVCipherProps::bitsOf(cipher));
    const auto *dk = reinterpret_cast<const unsigned char *>(derived.constData());
    const QByteArray nonce = CryptoVectors::nonce();
    const auto *n = reinterpret_cast<const unsigned char *>(nonce.constData());
    const int rounds = TAVCipherProps::bitsOf(cipher) / 128;
    Aes128 aes(dk);

    QByteArray whole(100, '\0');
    QVERIFY(Keystream::dataFile(aes, rounds, dk, n, quint64(pos), reinterpret_cast<unsigned char *>(whole.data()), 100));
    QCOMPARE(whole.toHex(), expected.toHex());

    // Split across a block boundary: 9 bytes, then the rest.
    QByteArray split(100, '\0');
    auto *s = reinterpret_cast<unsigned char *>(split.data());
    QVERIFY(Keystream::dataFile(aes, rounds, dk, n, quint64(pos), s, 9));
    QVERIFY(Keystream::dataFile(aes, rounds, dk, n, quint64(pos + 9), s + 9, 91));
    QCOMPARE(split.toHex(), expected.toHex());
}

void TestTAVCryptoFile::wholeFileMatchesKnownAnswer_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("piece");
    for (int c = 1; c <= 4; ++c)
        for (int piece : {100, 1, 7, 16, 33})
            QTest::newRow(qPrintable(QString("cipher %1 in pieces of %2").arg(c).arg(piece))) << c << piece;
}

void TestTAVCryptoFile::wholeFileMatchesKnownAnswer()
{
    QFETCH(int, cipher);
    QFETCH(int, piece);
    const QString path = m_dir.filePath("data.dat");
    QCOMPARE(writeDataFile(path, cipher, CryptoVectors::get("input_payload"), piece), 0);
    QCOMPARE(fileBytes(path).toHex(), CryptoVectors::get(QString("datafile_full_c%1").arg(cipher)).toHex());
}

void TestTAVCryptoFile::readsInAnyPiecesFromAnyOffset_data()
{
    QTest::addColumn<int>("cipher");
    for (int c = 1; c <= 4; ++c)
        QTest::newRow(QByteArray::number(c)) << c;
}

void TestTAVCryptoFile::readsInAnyPiecesFromAnyOffset()
{
    QFETCH(int, cipher);
    const QString path = m_dir.filePath("read.dat");
    writeBytes(path, CryptoVectors::get(QString("datafile_full_c%1").arg(cipher)));
    const QByteArray payload = CryptoVectors::get("input_payload");

    TAVCryptoFile file(path);
    TAVCipher read = TAV_CIPHER_NONE;
    unsigned int version = 0;
    QCOMPARE(file.open(QIODevice::ReadOnly, &read, CryptoVectors::key(), &version), 0);
    QCOMPARE(int(read), cipher);
    QCOMPARE(version, 1u);
    QCOMPARE(file.pos(), qint64(24));
    QCOMPARE(file.readAll(), payload);

    // Payload offset 7, then pieces across block boundaries.
    QVERIFY(file.seek(24 + 7));
    QByteArray joined;
    for (int piece : {9, 1, 15, 16, 17, 100}) {
        joined += file.read(piece);
    }
    QCOMPARE(joined, payload.mid(7));
}

void TestTAVCryptoFile::emptyPayloadIs24Bytes()
{
    const QString path = m_dir.filePath("empty.dat");
    QCOMPARE(writeDataFile(path, 2, QByteArray(), 1), 0);
    QCOMPARE(fileBytes(path).toHex(), CryptoVectors::get("datafile_empty_c2").toHex());
    TAVCryptoFile file(path);
    TAVCipher cipher;
    unsigned int version;
    QCOMPARE(file.open(QIODevice::ReadOnly, &cipher, CryptoVectors::key(), &version), 0);
    QVERIFY(file.readAll().isEmpty());
}

void TestTAVCryptoFile::openCodesTellDamageFromWrongKey_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("rightKey");
    QTest::addColumn<int>("code");
    const QByteArray good = CryptoVectors::get("datafile_full_c2");
    QByteArray cipher9 = good;
    cipher9[8] = char(9);
    QByteArray cipher0 = good;
    cipher0[8] = char(0);
    QByteArray badMagic = good;
    badMagic[3] = char(0xA2);
    QByteArray badInnerMagic = good;
    badInnerMagic[21] = char(badInnerMagic[21] ^ 1);
    QTest::newRow("right key") << good << true << 0;
    QTest::newRow("wrong key") << good << false << 4;
    QTest::newRow("no file content") << QByteArray() << true << 2;
    QTest::newRow("3 bytes") << good.left(3) << true << 2;
    QTest::newRow("23 bytes") << good.left(23) << true << 2;
    QTest::newRow("19 bytes") << good.left(19) << true << 2;
    QTest::newRow("24 bytes, right key") << good.left(24) << true << 0;
    QTest::newRow("not a data file") << QByteArray("plain text, not ours at all") << true << 3;
    QTest::newRow("magic damaged") << badMagic << true << 3;
    QTest::newRow("inner magic damaged") << badInnerMagic << true << 4;
    QTest::newRow("cipher 9") << cipher9 << true << 6;
    QTest::newRow("cipher 0") << cipher0 << true << 6;
}

void TestTAVCryptoFile::openCodesTellDamageFromWrongKey()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, rightKey);
    QFETCH(int, code);
    const QString path = m_dir.filePath("codes.dat");
    writeBytes(path, bytes);
    TAVCryptoFile file(path);
    TAVCipher cipher;
    unsigned int version;
    const TAVKey key = rightKey ? CryptoVectors::key() : TAVKey(QStringLiteral("wrong"));
    QCOMPARE(file.open(QIODevice::ReadOnly, &cipher, key, &version), code);

    TAVCryptoFile missing(m_dir.filePath("missing.dat"));
    QCOMPARE(missing.open(QIODevice::ReadOnly, &cipher, key, &version), 1);
}

void TestTAVCryptoFile::versionIsReportedNotChecked()
{
    const QString path = m_dir.filePath("v7.dat");
    QCOMPARE(writeDataFile(path, 3, "x", 1, CryptoVectors::key(), 7), 0);
    QCOMPARE(fileBytes(path).mid(4, 4).toHex(), QByteArray("07000000"));
    TAVCryptoFile file(path);
    TAVCipher cipher;
    unsigned int version = 0;
    QCOMPARE(file.open(QIODevice::ReadOnly, &cipher, CryptoVectors::key(), &version), 0);
    QCOMPARE(version, 7u);
    QCOMPARE(cipher, TAV_AES512);
}

void TestTAVCryptoFile::noncesDifferBetweenFiles()
{
    QByteArray files[2];
    for (QByteArray &bytes : files) {
        const QString path = m_dir.filePath("nonce.dat");
        TAVCryptoFile file(path);
        QCOMPARE(file.open(QIODevice::WriteOnly | QIODevice::Truncate, TAV_AES256, CryptoVectors::key(), 1), 0);
        file.write("same payload");
        file.close();
        bytes = fileBytes(path);
    }
    QCOMPARE(files[0].left(12), files[1].left(12));
    QVERIFY(files[0].mid(12, 8) != files[1].mid(12, 8));
    QVERIFY(files[0].mid(20) != files[1].mid(20));
}

void TestTAVCryptoFile::cipher4UsesDerivedKeyBytesUpTo119()
{
    const QByteArray payload = CryptoVectors::get("input_payload");
    const QString path = m_dir.filePath("c4.dat");
    QCOMPARE(writeDataFile(path, 4, payload, 100), 0);
    const QByteArray base = fileBytes(path);
    for (int byte : {112, 119, 120, 127}) {
        TAVKey key = CryptoVectors::key();
        key.key[byte] = char(key.key[byte] ^ 0x40);
        QCOMPARE(writeDataFile(path, 4, payload, 100, key), 0);
        QCOMPARE(fileBytes(path) != base, byte < 120);
    }
}

void TestTAVCryptoFile::appendAloneIsRefused()
{
    TAVCryptoFile file(m_dir.filePath("append.dat"));
    QCOMPARE(file.open(QIODevice::Append, TAV_AES256, CryptoVectors::key(), 1), 5);
    QVERIFY(!file.isOpen());
    QVERIFY(!QFile::exists(m_dir.filePath("append.dat")));
}

void TestTAVCryptoFile::refusedWritesLeaveTheOldFile_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("keyBytes");
    QTest::addColumn<bool>("random");
    QTest::addColumn<int>("code");
    QTest::newRow("cipher 5") << 5 << 128 << true << 6;
    QTest::newRow("cipher 0") << 0 << 128 << true << 6;
    QTest::newRow("key of 63 bytes for cipher 3") << 3 << 63 << true << 6;
    QTest::newRow("empty key") << 1 << 0 << true << 6;
    QTest::newRow("no random nonce") << 2 << 128 << false << 2;
}

void TestTAVCryptoFile::refusedWritesLeaveTheOldFile()
{
    QFETCH(int, cipher);
    QFETCH(int, keyBytes);
    QFETCH(bool, random);
    QFETCH(int, code);
    const QString path = m_dir.filePath("kept.dat");
    writeBytes(path, CryptoVectors::get("datafile_full_c2"));
    const TAVKey key = TAVKey::fromHex(QString::fromLatin1(CryptoVectors::get("input_key").left(keyBytes).toHex()));
    std::unique_ptr<FixedRandom> failing(random ? nullptr : new FixedRandom(QByteArray()));
    TAVCryptoFile file(path);
    QCOMPARE(file.open(QIODevice::WriteOnly | QIODevice::Truncate, TAVCipher(cipher), key, 1), code);
    QVERIFY(!file.isOpen());
    QCOMPARE(fileBytes(path), CryptoVectors::get("datafile_full_c2"));
}

void TestTAVCryptoFile::failedWriteIsReported()
{
    // A folder in place of the file: it cannot be opened for writing.
    QDir(m_dir.path()).mkdir("adir.dat");
    TAVCryptoFile file(m_dir.filePath("adir.dat"));
    QCOMPARE(file.open(QIODevice::WriteOnly, TAV_AES256, CryptoVectors::key(), 1), 1);

    // The disk fills up under the payload: the stream above sees the failure.
    TAVCryptoFile full(m_dir.filePath("full.dat"));
    QCOMPARE(full.open(QIODevice::WriteOnly | QIODevice::Truncate, TAV_AES256, CryptoVectors::key(), 1), 0);
    FileSizeLimit limit(1000);
    QVERIFY(limit.isActive());
    QDataStream out(&full);
    out.setVersion(15);
    out << QByteArray(5000, 'p');
    QCOMPARE(out.status(), QDataStream::WriteFailed);

    // And a header that cannot be written is a failed open, the file closed,
    // its reason kept (whether nothing or a part of it was written).
    for (const rlim_t room : {rlim_t(0), rlim_t(10)}) {
        TAVCryptoFile header(m_dir.filePath(QStringLiteral("header%1.dat").arg(room)));
        FileSizeLimit tiny(room);
        QCOMPARE(header.open(QIODevice::WriteOnly | QIODevice::Truncate, TAV_AES256, CryptoVectors::key(), 1), 1);
        QVERIFY(!header.isOpen());
        QCOMPARE(header.errorString(), QString::fromLocal8Bit(std::strerror(EFBIG)));
    }
}

void TestTAVCryptoFile::dataStreamOnTopRoundTrips()
{
    const QString path = m_dir.filePath("stream.dat");
    {
        TAVCryptoFile file(path);
        QCOMPARE(file.open(QIODevice::WriteOnly | QIODevice::Truncate, TAV_AES256, CryptoVectors::key(), 1), 0);
        QDataStream out(&file);
        out.setVersion(15);
        out << quint32(42) << QString("vault name") << QByteArray(70000, 'z') << qint64(-5);
        QCOMPARE(out.status(), QDataStream::Ok);
    }
    // Nothing of the payload is stored in the clear.
    QVERIFY(!fileBytes(path).contains("zzzz"));
    QVERIFY(!fileBytes(path).contains(QByteArray("v\0a\0u\0l\0t", 9)));
    TAVCryptoFile file(path);
    TAVCipher cipher;
    unsigned int version;
    QCOMPARE(file.open(QIODevice::ReadOnly, &cipher, CryptoVectors::key(), &version), 0);
    QDataStream in(&file);
    in.setVersion(15);
    quint32 number;
    QString name;
    QByteArray blob;
    qint64 last;
    in >> number >> name >> blob >> last;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(number, 42u);
    QCOMPARE(name, QString("vault name"));
    QCOMPARE(blob, QByteArray(70000, 'z'));
    QCOMPARE(last, qint64(-5));
    QVERIFY(file.atEnd());
}

void TestTAVCryptoFile::reKeyReplacesTheKey_data()
{
    readsInAnyPiecesFromAnyOffset_data();
}

void TestTAVCryptoFile::reKeyReplacesTheKey()
{
    QFETCH(int, cipher);
    const QString path = m_dir.filePath("rekey.dat");
    QByteArray payload(150000, '\0');
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = char(i * 31 + (i >> 9));
    QCOMPARE(writeDataFile(path, cipher, payload, 40000), 0);
    const QByteArray before = fileBytes(path);
    const TAVKey newKey(QStringLiteral("new password"));
    QCOMPARE(TAVCryptoFile::reKey(path, CryptoVectors::key(), newKey), 0);

    // The same file as one written under the new key with the same nonce.
    const QString expectedPath = m_dir.filePath("rekey-expected.dat");
    QCOMPARE(writeDataFile(expectedPath, cipher, payload, 65536, newKey), 0);
    QCOMPARE(fileBytes(path), fileBytes(expectedPath));
    QCOMPARE(fileBytes(path).left(20), before.left(20));
}

void TestTAVCryptoFile::reKeyWithWrongKeyChangesNothing()
{
    const QString path = m_dir.filePath("rekey-wrong.dat");
    writeBytes(path, CryptoVectors::get("datafile_full_c3"));
    QCOMPARE(TAVCryptoFile::reKey(path, TAVKey(QStringLiteral("wrong")), CryptoVectors::wrapKey()), 4);
    QCOMPARE(fileBytes(path), CryptoVectors::get("datafile_full_c3"));
    QCOMPARE(TAVCryptoFile::reKey(m_dir.filePath("none.dat"), CryptoVectors::key(), CryptoVectors::wrapKey()), 1);
    QCOMPARE(TAVCryptoFile::reKey(path, CryptoVectors::key(), TAVKey::fromHex("0011")), 7);
    QCOMPARE(fileBytes(path), CryptoVectors::get("datafile_full_c3"));
    {
        FileSizeLimit full(60);
        QCOMPARE(TAVCryptoFile::reKey(path, CryptoVectors::key(), CryptoVectors::wrapKey()), 6);
    }
    QCOMPARE(fileBytes(path), CryptoVectors::get("datafile_full_c3"));
    QCOMPARE(QDir(m_dir.path()).entryList({"rekey-wrong*"}, QDir::Files | QDir::Hidden).size(), 1);
}

void TestTAVCryptoFile::xinitCtrLaysOutTheCounter()
{
    unsigned char counter[16];
    unsigned char ecount[16];
    memset(ecount, 0xAA, sizeof ecount);
    QByteArray nonce = CryptoVectors::nonce();
    QByteArray derived = CryptoVectors::key().deriveKey(512);
    auto *n = reinterpret_cast<unsigned char *>(nonce.data());
    auto *dk = reinterpret_cast<unsigned char *>(derived.data());
    QCOMPARE(xinit_ctr(counter, ecount, n, 0x123456789ULL, dk, 0), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(counter), 16).toHex(),
             (nonce + QByteArray::fromHex("0000000012345678")).toHex());
    QCOMPARE(QByteArray(reinterpret_cast<char *>(ecount), 16), QByteArray(16, '\0'));
    xinit_ctr(counter, ecount, n, 31, dk, 3);
    QByteArray high(8, '\0');
    for (int k = 0; k < 8; ++k)
        high[k] = char(nonce[k] ^ derived[48 + k]);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(counter), 16).toHex(),
             (high + QByteArray::fromHex("0000000000000001")).toHex());
}

QTEST_GUILESS_MAIN(TestTAVCryptoFile)
#include "tst_tavcryptofile.moc"
