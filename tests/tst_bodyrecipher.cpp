#include "bodyrecipher.h"
#include "cryptovectors.h"
#include "filecipher.h"
#include "filefixture.h"
#include "filesizelimit.h"
#include "fixedrandom.h"
#include "tavcrypto.h"

#include <QtTest>

namespace {

TAVKey otherKey()
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char(255 - 5 * i);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

} // namespace

class TestBodyRecipher : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void matchesKnownAnswer_data();
    void matchesKnownAnswer();
    void anotherKeyDecryptsToTheSameBytes_data();
    void anotherKeyDecryptsToTheSameBytes();
    void failuresLeaveNoDestination_data();
    void failuresLeaveNoDestination();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString path(const QString &name) const { return dir->filePath(name); }
};

void TestBodyRecipher::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestBodyRecipher::matchesKnownAnswer_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("1 to 2") << 1 << 2;
    QTest::newRow("2 to 4") << 2 << 4;
    QTest::newRow("3 to 1") << 3 << 1;
    QTest::newRow("4 to 3") << 4 << 3;
    QTest::newRow("2 to 2") << 2 << 2;
}

void TestBodyRecipher::matchesKnownAnswer()
{
    QFETCH(int, from);
    QFETCH(int, to);
    // The vectors share key, IV, name and creation time: the body of one
    // cipher re-encrypted with the same IV is the vector of the other.
    QVERIFY(FileFixture::write(path("in"), CryptoVectors::get(QString("userfile_full_c%1").arg(from))));
    FixedRandom random(CryptoVectors::get("input_iv"));
    QCOMPARE(BodyRecipher::recipher(path("in"), TAVCipher(from), CryptoVectors::key(), path("out"),
                                    TAVCipher(to), CryptoVectors::key()),
             BodyRecipher::Done);
    QCOMPARE(FileFixture::read(path("out")).toHex(),
             CryptoVectors::get(QString("userfile_full_c%1").arg(to)).toHex());
}

void TestBodyRecipher::anotherKeyDecryptsToTheSameBytes_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("two chunks and a bit") << 2 * BodyRecipher::kChunk + 7;
}

void TestBodyRecipher::anotherKeyDecryptsToTheSameBytes()
{
    QFETCH(int, size);
    const QByteArray plain = CryptoVectors::pattern(size);
    QVERIFY(FileFixture::write(path("plain"), plain));
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("in"), TAV_AES256, CryptoVectors::key()), 0);
    QVERIFY(FileFixture::write(path("out"), "an older body"));
    QCOMPARE(BodyRecipher::recipher(path("in"), TAV_AES256, CryptoVectors::key(), path("out"), TAV_AES512,
                                    otherKey()),
             BodyRecipher::Done);
    QCOMPARE(QFileInfo(path("out")).size(), qint64(size) + 512);
    QCOMPARE(FileCipher::decryptFile(path("out"), path("back"), TAV_AES512, otherKey()), 0);
    QCOMPARE(FileFixture::read(path("back")), plain);

    // The header keeps its name and time, under the new key; the IV is new.
    QDateTime createdIn, createdOut;
    QString nameIn, nameOut;
    TAVCipher cipherIn = TAV_CIPHER_NONE, cipherOut = TAV_CIPHER_NONE;
    QCOMPARE(TAVCrypto::readFileHeader(path("in"), &createdIn, &nameIn, &cipherIn, CryptoVectors::key()), 0);
    QCOMPARE(TAVCrypto::readFileHeader(path("out"), &createdOut, &nameOut, &cipherOut, otherKey()), 0);
    QCOMPARE(nameOut, nameIn);
    QCOMPARE(createdOut, createdIn);
    QCOMPARE(int(cipherOut), int(TAV_AES512));
    QVERIFY(FileFixture::read(path("out")).left(8) != FileFixture::read(path("in")).left(8));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"back", "in", "out", "plain"}));
}

void TestBodyRecipher::failuresLeaveNoDestination_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing source") << "missing" << int(BodyRecipher::SourceUnreadable);
    QTest::newRow("source under another cipher") << "cipher" << int(BodyRecipher::HeaderRefused);
    QTest::newRow("source shorter than a header") << "short" << int(BodyRecipher::HeaderRefused);
    QTest::newRow("no random bytes") << "random" << int(BodyRecipher::NoHeader);
    QTest::newRow("target cipher outside the table") << "target" << int(BodyRecipher::NoHeader);
    QTest::newRow("full disk") << "full" << int(BodyRecipher::WriteFailed);
    QTest::newRow("destination folder missing") << "folder" << int(BodyRecipher::WriteFailed);
}

void TestBodyRecipher::failuresLeaveNoDestination()
{
    QFETCH(QString, fault);
    QFETCH(int, expected);
    QVERIFY(FileFixture::write(path("plain"), CryptoVectors::pattern(300000)));
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("in"), TAV_AES256, CryptoVectors::key()), 0);
    QVERIFY(FileFixture::write(path("out"), "the old body"));
    if (fault == "short")
        QVERIFY(FileFixture::write(path("in"), "short"));
    QString source = fault == "missing" ? path("missing") : path("in");
    QString destination = fault == "folder" ? path("nowhere/out") : path("out");
    const TAVCipher from = fault == "cipher" ? TAV_AES128 : TAV_AES256;
    const TAVCipher to = fault == "target" ? TAVCipher(7) : TAV_AES128;

    BodyRecipher::Result result;
    {
        QScopedPointer<FixedRandom> random(fault == "random" ? new FixedRandom(QByteArray()) : nullptr);
        QScopedPointer<FileSizeLimit> limit(fault == "full" ? new FileSizeLimit(100000) : nullptr);
        if (limit && !limit->isActive())
            QSKIP("no file size limit here");
        result = BodyRecipher::recipher(source, from, CryptoVectors::key(), destination, to, otherKey());
    }
    QCOMPARE(int(result), expected);
    QCOMPARE(FileFixture::read(path("out")), QByteArray("the old body"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"in", "out", "plain"}));
}

QTEST_MAIN(TestBodyRecipher)
#include "tst_bodyrecipher.moc"
