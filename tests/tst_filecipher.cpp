#include "bodycipher.h"
#include "cryptojob.h"
#include "cryptovectors.h"
#include "filecipher.h"
#include "filesizelimit.h"
#include "fileutils.h"
#include "fixedrandom.h"
#include "logcapture.h"
#include "scratchfiles.h"
#include "tavciphers.h"
#include "tavcrypto.h"
#include "tavcryptothread.h"
#include "tavexception.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <limits>

namespace {

// The body of `plain` enciphered in one piece in memory (AES-256, 8-byte
// IV), to hold a file's written in parts against; empty if that failed.
QByteArray bodyInOnePiece(QByteArray plain, const QByteArray &iv, const TAVKey &key)
{
    unsigned char counterIv[16] = {};
    std::memcpy(counterIv, iv.constData(), 8);
    if (TAVCrypto::encryptBlock(reinterpret_cast<unsigned char *>(plain.data()), plain.size(),
                                TAVCrypto::kHeaderSize, counterIv, TAV_AES256, key) != 0)
        return QByteArray();
    return plain;
}

// A source whose reads fail from a point on, as a disk's would: a read
// reaching past it fails whole (a short read would be the end of the file).
class FailingSource : public QBuffer
{
public:
    FailingSource(const QByteArray &bytes, qint64 failAt) : m_bytes(bytes), m_failAt(failAt)
    {
        setBuffer(&m_bytes);
    }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (pos() + max > m_failAt) {
            errno = EIO;
            return -1;
        }
        return QBuffer::readData(data, max);
    }

private:
    QByteArray m_bytes;
    const qint64 m_failAt;
};

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

class TestFileCipher : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void roundTripsWithTheWorker_data();
    void roundTripsWithTheWorker();
    void headerNamesTheSourceWithoutItsFolder();
    void openFailuresThrowWithTheirTexts();
    void refusedBodiesLeaveNoOutput_data();
    void refusedBodiesLeaveNoOutput();
    void wrongKeyGivesOtherBytes();
    void missingRandomBytesLeaveNoOutput();
    void fullDiskIsAnErrorAndKeepsTheOldFile_data();
    void fullDiskIsAnErrorAndKeepsTheOldFile();
    void refusedCipherWritesNothing();
    void unsyncedBodiesKeepTheWritingRules();
    void decryptionReplacesAndNeverWritesThrough();
    void largeBodiesAreWrittenWhole();
    void largeBodyRunsEndAsTheSmallOnesDo_data();
    void largeBodyRunsEndAsTheSmallOnesDo();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestFileCipher::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestFileCipher::cleanup()
{
    m_dir.reset();
}

void TestFileCipher::roundTripsWithTheWorker_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("size");
    for (int c = 1; c <= 4; ++c)
        for (int size : {0, 1, 65535, 65536, 65537, 300000})
            QTest::newRow(qPrintable(QString("cipher %1, %2 bytes").arg(c).arg(size))) << c << size;
}

void TestFileCipher::roundTripsWithTheWorker()
{
    QFETCH(int, cipher);
    QFETCH(int, size);
    const QByteArray plain = CryptoVectors::pattern(size);
    const QString source = path("plain.bin");
    QVERIFY(writeBytes(source, plain));
    const TAVKey key = CryptoVectors::key();
    const QString suffix = QString("_c%1_n%2_sha256").arg(cipher).arg(size);
    FixedRandom iv(CryptoVectors::get("input_iv"));

    // FileCipher encrypts: the body is the known answer, the header names the source.
    QCOMPARE(FileCipher::encryptFile(source, path("a.body"), TAVCipher(cipher), key), 0);
    const QByteArray body = fileBytes(path("a.body"));
    QCOMPARE(body.size(), size + 512);
    QCOMPARE(sha256(body.mid(512)).toHex(), CryptoVectors::get("wholebody" + suffix).toHex());
    QDateTime created;
    QString name;
    TAVCipher stored;
    QCOMPARE(TAVCrypto::readFileHeader(path("a.body"), &created, &name, &stored, key), 0);
    QCOMPARE(name, QString("plain.bin"));
    QCOMPARE(created.toSecsSinceEpoch(), FileUtils::created(source).toSecsSinceEpoch());
    QCOMPARE(int(stored), cipher);

    // ...and the worker decrypts it.
    TAVCryptoThread worker;
    QCOMPARE(CryptoJob::decrypt(worker, path("a.body"), path("a.plain"), key, TAVCipher(cipher)), 0);
    QCOMPARE(fileBytes(path("a.plain")), plain);

    // The worker encrypts with the header fields it is given: the whole file is the known answer.
    QCOMPARE(CryptoJob::encrypt(worker, source, path("b.body"), key, TAVCipher(cipher), CryptoVectors::name(),
                                CryptoVectors::created()), 0);
    QCOMPARE(sha256(fileBytes(path("b.body"))).toHex(), CryptoVectors::get("wholefile" + suffix).toHex());

    // ...and FileCipher decrypts it.
    QCOMPARE(FileCipher::decryptFile(path("b.body"), path("b.plain"), TAVCipher(cipher), key), 0);
    QCOMPARE(fileBytes(path("b.plain")), plain);

    // No temporary file is left beside the outputs.
    QCOMPARE(entries(m_dir->path()), (QStringList{"a.body", "a.plain", "b.body", "b.plain", "plain.bin"}));
}

void TestFileCipher::headerNamesTheSourceWithoutItsFolder()
{
    QVERIFY(QDir(m_dir->path()).mkpath("deep/er/folder"));
    const QString source = path("deep/er/folder/report.txt");
    QVERIFY(writeBytes(source, "contents"));
    QCOMPARE(FileCipher::encryptFile(source, path("body"), TAV_AES256, CryptoVectors::key()), 0);
    QDateTime created;
    QString name;
    TAVCipher cipher;
    QCOMPARE(TAVCrypto::readFileHeader(path("body"), &created, &name, &cipher, CryptoVectors::key()), 0);
    QCOMPARE(name, QString("report.txt"));
}

void TestFileCipher::openFailuresThrowWithTheirTexts()
{
    QVERIFY(writeBytes(path("plain"), "x"));
    const QString missing = path("missing");
    const QString noFolder = path("no/folder/body");
    struct Case {
        int function;
        QString source;
        QString destination;
        QString message;
    };
    const Case cases[] = {
        {0, missing, path("body"), "cannot open file for read " + missing},
        {1, missing, path("out"), "cannot open file for read " + missing},
        {0, path("plain"), noFolder, "cannot open file for write " + noFolder},
        {1, path("plain"), noFolder, "cannot open file for write " + noFolder},
    };
    for (const Case &c : cases) {
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Throwing exception:  \"" + c.message + "\""));
        try {
            if (c.function == 0)
                FileCipher::encryptFile(c.source, c.destination, TAV_AES256, CryptoVectors::key());
            else
                FileCipher::decryptFile(c.source, c.destination, TAV_AES256, CryptoVectors::key());
            QFAIL("no exception");
        } catch (const TAVException &e) {
            QCOMPARE(QString::fromLatin1(e.what()), c.message);
            QCOMPARE(e.code(), TAV_GENERAL_ERROR);
        }
    }
    QCOMPARE(entries(m_dir->path()), QStringList{"plain"});
}

void TestFileCipher::refusedBodiesLeaveNoOutput_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("cipher");
    const QByteArray good = CryptoVectors::get("userfile_full_c2");
    QByteArray version2 = good;
    version2[8] = 2;
    QByteArray longName = good;
    longName[14] = char(0xF1);
    longName[15] = char(0x01);
    QTest::newRow("another cipher") << good << 3;
    QTest::newRow("511 bytes") << good.left(511) << 2;
    QTest::newRow("empty") << QByteArray() << 2;
    QTest::newRow("version 2") << version2 << 2;
    QTest::newRow("name length 497") << longName << 2;
}

void TestFileCipher::refusedBodiesLeaveNoOutput()
{
    QFETCH(QByteArray, body);
    QFETCH(int, cipher);
    QVERIFY(writeBytes(path("body"), body));
    LogCapture log;
    QCOMPARE(FileCipher::decryptFile(path("body"), path("out"), TAVCipher(cipher), CryptoVectors::key()), 2);
    QVERIFY(!QFile::exists(path("out")));
    QCOMPARE(entries(m_dir->path()), QStringList{"body"});
    bool logged = false;
    for (const QByteArray &line : log.lines())
        logged = logged || line.contains("Error during readFileHeader");
    QVERIFY(logged);

    // An existing file at the destination is left as it was.
    QVERIFY(writeBytes(path("out"), "precious"));
    QCOMPARE(FileCipher::decryptFile(path("body"), path("out"), TAVCipher(cipher), CryptoVectors::key()), 2);
    QCOMPARE(fileBytes(path("out")), QByteArray("precious"));
}

void TestFileCipher::wrongKeyGivesOtherBytes()
{
    QVERIFY(writeBytes(path("plain"), CryptoVectors::pattern(1000)));
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES256, CryptoVectors::key()), 0);
    QCOMPARE(FileCipher::decryptFile(path("body"), path("out"), TAV_AES256, CryptoVectors::wrapKey()), 0);
    QCOMPARE(fileBytes(path("out")).size(), 1000);
    QVERIFY(fileBytes(path("out")) != CryptoVectors::pattern(1000));
}

void TestFileCipher::missingRandomBytesLeaveNoOutput()
{
    QVERIFY(writeBytes(path("plain"), "x"));
    FixedRandom none{QByteArray()};
    LogCapture log;
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES256, CryptoVectors::key()), 2);
    QVERIFY(log.lines().last().trimmed().endsWith("Could not create random bytes."));
    QCOMPARE(entries(m_dir->path()), QStringList{"plain"});
}

void TestFileCipher::fullDiskIsAnErrorAndKeepsTheOldFile_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<qint64>("limit");
    QTest::newRow("encrypt, the header") << 0 << qint64(100);
    QTest::newRow("encrypt, the body") << 0 << qint64(100000);
    QTest::newRow("encrypt unsynced, the header") << 2 << qint64(100);
    QTest::newRow("encrypt unsynced, the body") << 2 << qint64(100000);
    QTest::newRow("decrypt, the body") << 1 << qint64(100000);
    QTest::newRow("decrypt, the last bytes") << 1 << qint64(299999);
}

void TestFileCipher::fullDiskIsAnErrorAndKeepsTheOldFile()
{
    QFETCH(int, function);
    QFETCH(qint64, limit);
    QVERIFY(writeBytes(path("plain"), CryptoVectors::pattern(300000)));
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES256, CryptoVectors::key()), 0);
    QVERIFY(writeBytes(path("out"), "old content"));
    int result = -1;
    {
        FileSizeLimit full(limit);
        QVERIFY(full.isActive());
        LogCapture log;
        if (function == 0)
            result = FileCipher::encryptFile(path("plain"), path("out"), TAV_AES256, CryptoVectors::key());
        else if (function == 2)
            result = FileCipher::encryptFile(path("plain"), path("out"), TAV_AES256, CryptoVectors::key(),
                                             FileCipher::SyncLater);
        else
            result = FileCipher::decryptFile(path("body"), path("out"), TAV_AES256, CryptoVectors::key());
    }
    // A header that doesn't fit still sits in the write buffer; it fails when flushed, as the body would.
    QCOMPARE(result, 4);
    QCOMPARE(fileBytes(path("out")), QByteArray("old content"));
    QCOMPARE(entries(m_dir->path()), (QStringList{"body", "out", "plain"}));
}

void TestFileCipher::refusedCipherWritesNothing()
{
    QVERIFY(writeBytes(path("plain"), "x"));
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAVCipher(7), CryptoVectors::key()), 3);
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES1024, TAVKey::fromHex("00")), 3);
    QCOMPARE(entries(m_dir->path()), QStringList{"plain"});
}

// Written for a batch that is synced once: the same body, the same refusals.
void TestFileCipher::unsyncedBodiesKeepTheWritingRules()
{
    const QByteArray plain = CryptoVectors::pattern(70000);
    QVERIFY(writeBytes(path("plain"), plain));
    const TAVKey key = CryptoVectors::key();
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES256, key, FileCipher::SyncLater), 0);
    // Owner, group and others (the "user" bits repeat the owner's).
    const auto mode = [this](const QString &name) { return int(QFileInfo(path(name)).permissions()) & 0x7077; };
    QCOMPARE(mode("body"), int(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(FileCipher::decryptFile(path("body"), path("back"), TAV_AES256, key), 0);
    QCOMPARE(fileBytes(path("back")), plain);

    // A replaced body keeps its mode.
    QVERIFY(QFile::setPermissions(path("body"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                    | QFileDevice::ReadGroup));
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES256, key, FileCipher::SyncLater), 0);
    QCOMPARE(mode("body"), int(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));

    // Never written through a link placed as the destination.
    QVERIFY(writeBytes(path("elsewhere"), "theirs"));
    QVERIFY(QFile::link(path("elsewhere"), path("link")));
    QTest::ignoreMessage(QtDebugMsg, qPrintable("Throwing exception:  \"cannot open file for write " + path("link") + "\""));
    QVERIFY_EXCEPTION_THROWN(
        FileCipher::encryptFile(path("plain"), path("link"), TAV_AES256, key, FileCipher::SyncLater), TAVException);
    QCOMPARE(fileBytes(path("elsewhere")), QByteArray("theirs"));

    // No random bytes: nothing written.
    {
        FixedRandom none{QByteArray()};
        LogCapture log;
        QCOMPARE(FileCipher::encryptFile(path("plain"), path("new"), TAV_AES256, key, FileCipher::SyncLater), 2);
    }

    // A folder in the body's place is refused by the final rename, and the
    // log tells why (QFile holds no error of its own then).
    QVERIFY(QDir().mkpath(path("taken/inside")));
    {
        LogCapture log;
        QCOMPARE(FileCipher::encryptFile(path("plain"), path("taken"), TAV_AES256, key, FileCipher::SyncLater), 4);
        QByteArray told;
        for (const QByteArray &line : log.lines())
            told += line + '\n';
        QVERIFY2(told.contains(std::strerror(EISDIR)), told.constData());
    }
    QVERIFY(QFileInfo(path("taken/inside")).isDir());
    QCOMPARE(entries(m_dir->path()), (QStringList{"back", "body", "elsewhere", "link", "plain"}));
}

void TestFileCipher::decryptionReplacesAndNeverWritesThrough()
{
    const QByteArray plain = CryptoVectors::pattern(5000);
    QVERIFY(writeBytes(path("plain"), plain));
    const TAVKey key = CryptoVectors::key();
    QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES256, key), 0);
    const auto mode = [this](const QString &name) { return int(QFileInfo(path(name)).permissions()) & 0x7077; };

    // A link as the destination is replaced by the file; what it pointed at stays.
    QVERIFY(writeBytes(path("theirs"), "theirs"));
    QVERIFY(QFile::link(path("theirs"), path("link")));
    QCOMPARE(FileCipher::decryptFile(path("body"), path("link"), TAV_AES256, key), 0);
    QVERIFY(!QFileInfo(path("link")).isSymLink());
    QCOMPARE(fileBytes(path("link")), plain);
    QCOMPARE(fileBytes(path("theirs")), QByteArray("theirs"));

    // A replaced file keeps its mode.
    QVERIFY(QFile::setPermissions(path("theirs"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ReadGroup));
    QCOMPARE(FileCipher::decryptFile(path("body"), path("theirs"), TAV_AES256, key), 0);
    QCOMPARE(mode("theirs"), int(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));

    // Refused just before the replacement: the destination as it was, nothing beside it.
    QVERIFY(writeBytes(path("kept"), "the user's"));
    QCOMPARE(FileCipher::decryptFile(path("body"), path("kept"), TAV_AES256, key, [] { return false; }), 5);
    QCOMPARE(fileBytes(path("kept")), QByteArray("the user's"));
    QCOMPARE(entries(m_dir->path()), (QStringList{"body", "kept", "link", "plain", "theirs"}));
}


// Past the size from which written parts are sent on to the disk while the
// rest is still being produced, with a tail that isn't a whole step.
void TestFileCipher::largeBodiesAreWrittenWhole()
{
    const QByteArray plain = CryptoVectors::pattern(int(BodyCipher::kWriteBackStep) * 2 + 100001);
    QVERIFY(writeBytes(path("plain"), plain));
    const TAVKey key = CryptoVectors::key();
    const QByteArray iv = CryptoVectors::get("input_iv").left(8);

    // The body is the whole plain text encrypted in one piece in memory.
    const QByteArray expected = bodyInOnePiece(plain, iv, key);
    QCOMPARE(expected.size(), plain.size());
    TAVCryptoThread worker;
    {
        FixedRandom random(iv);
        QCOMPARE(CryptoJob::encrypt(worker, path("plain"), path("worker.body"), key, TAV_AES256,
                                    CryptoVectors::name(), CryptoVectors::created()), 0);
    }
    QCOMPARE(fileBytes(path("worker.body")).mid(TAVCrypto::kHeaderSize) == expected, true);
    for (FileCipher::Sync sync : {FileCipher::SyncEach, FileCipher::SyncLater}) {
        FixedRandom random(iv);
        QCOMPARE(FileCipher::encryptFile(path("plain"), path("body"), TAV_AES256, key, sync), 0);
        QCOMPARE(fileBytes(path("body")).mid(TAVCrypto::kHeaderSize) == expected, true);
    }

    // Both ways back give the plain text.
    QCOMPARE(FileCipher::decryptFile(path("worker.body"), path("back"), TAV_AES256, key), 0);
    QCOMPARE(fileBytes(path("back")) == plain, true);
    QCOMPARE(CryptoJob::decrypt(worker, path("body"), path("back"), key, TAV_AES256), 0);
    QCOMPARE(fileBytes(path("back")) == plain, true);
}

void TestFileCipher::largeBodyRunsEndAsTheSmallOnesDo_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("at"); // where the fault strikes, in the source's bytes
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("error");
    const int mib = 1 << 20;
    QTest::newRow("ends inside a slot") << "" << 20 * mib + 12345 << qint64(0) << int(BodyCipher::Done) << 0;
    QTest::newRow("ends on a slot's edge") << "" << 16 * mib << qint64(0) << int(BodyCipher::Done) << 0;
    QTest::newRow("read fails before the threads") << "read" << 20 * mib << qint64(mib) << int(BodyCipher::ReadFailed)
                                                   << EIO;
    QTest::newRow("read fails in the threads") << "read" << 20 * mib << qint64(12 * mib) + 7
                                               << int(BodyCipher::ReadFailed) << EIO;
    QTest::newRow("write fails in the threads") << "write" << 20 * mib << qint64(12 * mib) + 7
                                                << int(BodyCipher::WriteFailed) << EFBIG;
    QTest::newRow("cancelled in the threads") << "cancel" << 20 * mib << qint64(12 * mib)
                                              << int(BodyCipher::Cancelled) << 0;
}

// Past its first 8 MiB a body is read, enciphered and written by three
// threads: its bytes, the outcome, errno and the offset reached must be those
// of the one-thread loop, whichever thread meets the fault.
void TestFileCipher::largeBodyRunsEndAsTheSmallOnesDo()
{
    QFETCH(QString, fault);
    QFETCH(int, size);
    QFETCH(qint64, at);
    QFETCH(int, outcome);
    QFETCH(int, error);
    const QByteArray plain = CryptoVectors::pattern(size);
    const TAVKey key = CryptoVectors::key();
    const QByteArray iv = CryptoVectors::get("input_iv").left(8);
    const QByteArray expected = bodyInOnePiece(plain, iv, key);
    QCOMPARE(expected.size(), plain.size());

    FailingSource in(plain, fault == "read" ? at : std::numeric_limits<qint64>::max() / 2);
    QVERIFY(in.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    QFile out(path("body"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    QVERIFY(out.seek(TAVCrypto::kHeaderSize));
    QList<quint64> offsets;
    const quint64 first = TAVCrypto::kHeaderSize;
    quint64 reached = 0;
    int outcomeSeen = -1;
    int errorSeen = -1;
    {
        QScopedPointer<FileSizeLimit> full(fault == "write" ? new FileSizeLimit(rlim_t(first + at)) : nullptr);
        errno = 0;
        outcomeSeen = BodyCipher::run(&in, &out, first, reinterpret_cast<const unsigned char *>(iv.constData()),
                                      TAV_AES256, key, [&](quint64 offset) {
                                          offsets.append(offset);
                                          return fault != "cancel" || offset < first + quint64(at);
                                      }, &reached);
        errorSeen = errno;
        out.flush();
    }
    QCOMPARE(outcomeSeen, outcome);
    QCOMPARE(errorSeen, error);
    // afterChunk saw the offsets go up, on to the end of a whole run.
    QVERIFY(!offsets.isEmpty());
    QVERIFY(std::is_sorted(offsets.begin(), offsets.end()));
    QVERIFY(std::adjacent_find(offsets.begin(), offsets.end()) == offsets.end() || size % (1 << 20) == 0);
    // What was written is the cipher text from the start; reached counts the
    // writes that were whole (a failed one may have put down part of its bytes).
    out.close();
    const QByteArray written = fileBytes(path("body")).mid(TAVCrypto::kHeaderSize);
    QVERIFY(written == expected.left(written.size()));
    if (outcome == BodyCipher::Done) {
        QCOMPARE(written.size(), size);
        QCOMPARE(reached, first + quint64(size));
        QCOMPARE(offsets.last(), reached);
    } else {
        QVERIFY(reached - first <= quint64(written.size()));
        QVERIFY(written.size() <= at);
    }
}

QTEST_GUILESS_MAIN(TestFileCipher)
#include "tst_filecipher.moc"
