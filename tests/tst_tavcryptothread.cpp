#include "cryptojob.h"
#include "cryptovectors.h"
#include "fakeclock.h"
#include "filesizelimit.h"
#include "logcapture.h"
#include "scratchfiles.h"
#include "tavciphers.h"
#include "tavcryptothread.h"

#include <QtTest>

#include <QSemaphore>

#include <thread>

namespace {

QList<int> values(const QSignalSpy &spy)
{
    QList<int> list;
    for (const QList<QVariant> &arguments : spy)
        list << arguments.at(0).toInt();
    return list;
}

// A steady clock that moves 60 ms each time it is read: the worker sees one
// chunk in two arrive more than 100 ms after the last progress signal.
class SteppingClock : public FakeClock
{
public:
    qint64 steadyMs() const override { return m_ms += 60; }

private:
    mutable qint64 m_ms = 5000;
};

} // namespace

class TestTAVCryptoThread : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void emptyFileProgressIsZeroThenHundred();
    void progressIsThrottledAndEndsAtHundred_data();
    void progressIsThrottledAndEndsAtHundred();
    void cancelLeavesNoOutput_data();
    void cancelLeavesNoOutput();
    void unreadableSourceIsReportedAsAccessDenied_data();
    void unreadableSourceIsReportedAsAccessDenied();
    void unwritableDestinationIsReportedAsError();
    void damagedBodyIsRefused_data();
    void damagedBodyIsRefused();
    void fullDiskFailsAndKeepsTheOldFile_data();
    void fullDiskFailsAndKeepsTheOldFile();
    void noKeyNoCipherNoOutput();
    void unknownFunctionIsLogged();
    void stopSetBeforeTheRunIsCleared();
    void destroyingTheWorkerStopsAndWaits();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestTAVCryptoThread::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestTAVCryptoThread::cleanup()
{
    m_dir.reset();
}

void TestTAVCryptoThread::emptyFileProgressIsZeroThenHundred()
{
    QVERIFY(writeBytes(path("empty"), QByteArray()));
    TAVCryptoThread worker;
    QSignalSpy progress(&worker, &TAVCryptoThread::progress);
    QCOMPARE(CryptoJob::encrypt(worker, path("empty"), path("body"), CryptoVectors::key(), TAV_AES256, "empty",
                                CryptoVectors::created()), 0);
    QCOMPARE(values(progress), (QList<int>{0, 100}));
    QCOMPARE(fileBytes(path("body")).size(), 512);

    progress.clear();
    QCOMPARE(CryptoJob::decrypt(worker, path("body"), path("out"), CryptoVectors::key(), TAV_AES256), 0);
    QCOMPARE(values(progress), (QList<int>{0, 100}));
    QVERIFY(QFile::exists(path("out")));
    QCOMPARE(fileBytes(path("out")), QByteArray());
}

void TestTAVCryptoThread::progressIsThrottledAndEndsAtHundred_data()
{
    QTest::addColumn<bool>("clockMoves");
    QTest::addColumn<QList<int>>("expected");
    // Ten full chunks and the empty read after them; the clock moves 60 ms a reading.
    QTest::newRow("clock moves") << true << QList<int>{0, 20, 40, 60, 80, 100};
    QTest::newRow("clock stands") << false << QList<int>{0, 100};
}

void TestTAVCryptoThread::progressIsThrottledAndEndsAtHundred()
{
    QFETCH(bool, clockMoves);
    QFETCH(QList<int>, expected);
    QVERIFY(writeBytes(path("plain"), CryptoVectors::pattern(10 * 65536)));
    QScopedPointer<FakeClock> clock(clockMoves ? new SteppingClock : new FakeClock);
    TAVCryptoThread worker;
    QSignalSpy progress(&worker, &TAVCryptoThread::progress);
    QCOMPARE(CryptoJob::encrypt(worker, path("plain"), path("body"), CryptoVectors::key(), TAV_AES128, "p",
                                CryptoVectors::created()), 0);
    QCOMPARE(values(progress), expected);

    // Decrypting counts the header in the total: the same steps.
    progress.clear();
    QCOMPARE(CryptoJob::decrypt(worker, path("body"), path("out"), CryptoVectors::key(), TAV_AES128), 0);
    QCOMPARE(values(progress), expected);
    QCOMPARE(fileBytes(path("out")), CryptoVectors::pattern(10 * 65536));
}

void TestTAVCryptoThread::cancelLeavesNoOutput_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("code");
    QTest::newRow("encrypt, first of many chunks") << 0 << 300000 << 5;
    QTest::newRow("encrypt, the last chunk") << 0 << 1000 << 5;
    QTest::newRow("decrypt, first of many chunks") << 1 << 300000 << 3;
    QTest::newRow("decrypt, the last chunk") << 1 << 1000 << 3;
}

void TestTAVCryptoThread::cancelLeavesNoOutput()
{
    QFETCH(int, function);
    QFETCH(int, size);
    QFETCH(int, code);
    QVERIFY(writeBytes(path("plain"), CryptoVectors::pattern(size)));
    TAVCryptoThread worker;
    QCOMPARE(CryptoJob::encrypt(worker, path("plain"), path("body"), CryptoVectors::key(), TAV_AES256, "p",
                                CryptoVectors::created()), 0);
    const QString input = function == 0 ? path("plain") : path("body");
    const QString output = path("out");

    // The user cancels as soon as the first progress arrives; the run stops after that chunk.
    connect(&worker, &TAVCryptoThread::progress, &worker, [&worker] { worker.stop = true; },
            Qt::DirectConnection);
    worker.source = input;
    worker.destination = output;
    worker.function = function;
    CryptoJob::runAndWait(worker);
    QCOMPARE(int(worker.state), 1);
    QCOMPARE(entries(m_dir->path()), (QStringList{"body", "plain"}));

    // The job's own code, and an existing destination left untouched.
    QVERIFY(writeBytes(output, "old content"));
    worker.stop = false;
    const int result = function == 0 ? worker.encrypt(input, output) : worker.decrypt(input, output);
    QCOMPARE(result, code);
    QCOMPARE(fileBytes(output), QByteArray("old content"));
    QCOMPARE(entries(m_dir->path()), (QStringList{"body", "out", "plain"}));
}

void TestTAVCryptoThread::unreadableSourceIsReportedAsAccessDenied_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<QString>("source");
    QTest::newRow("encrypt, missing") << 0 << "missing";
    QTest::newRow("encrypt, a folder") << 0 << "folder";
    QTest::newRow("decrypt, missing") << 1 << "missing";
    QTest::newRow("decrypt, a folder") << 1 << "folder";
}

void TestTAVCryptoThread::unreadableSourceIsReportedAsAccessDenied()
{
    QFETCH(int, function);
    QFETCH(QString, source);
    QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    const QString sourcePath = path(source);
    TAVCryptoThread worker;
    QSignalSpy denied(&worker, &TAVCryptoThread::TAVFileAccessDeny);
    QSignalSpy error(&worker, &TAVCryptoThread::TAVCryptToError);
    const int state = function == 0
        ? CryptoJob::encrypt(worker, sourcePath, path("out"), CryptoVectors::key(), TAV_AES256, "n", QDateTime())
        : CryptoJob::decrypt(worker, sourcePath, path("out"), CryptoVectors::key(), TAV_AES256);
    QCOMPARE(state, 2);
    QCOMPARE(error.count(), 0);
    QCOMPARE(denied.count(), 1);
    const QString text = denied.at(0).at(0).toString();
    const QString prefix = "Cannot open file for read " + sourcePath + "\nError: ";
    QVERIFY2(text.startsWith(prefix) && text.size() > prefix.size(), qPrintable(text));
    QCOMPARE(worker.encrypt(sourcePath, path("out")), 1);
    QVERIFY(!QFile::exists(path("out")));
}

void TestTAVCryptoThread::unwritableDestinationIsReportedAsError()
{
    QVERIFY(writeBytes(path("plain"), "x"));
    // A body's missing folder is made, never its parent (a vault folder gone with its drive).
    const QString destination = path("gone/sub/body");
    TAVCryptoThread worker;
    QSignalSpy denied(&worker, &TAVCryptoThread::TAVFileAccessDeny);
    QSignalSpy error(&worker, &TAVCryptoThread::TAVCryptToError);
    QCOMPARE(CryptoJob::encrypt(worker, path("plain"), destination, CryptoVectors::key(), TAV_AES256, "n",
                                QDateTime()), 2);
    QCOMPARE(denied.count(), 0);
    QCOMPARE(error.count(), 1);
    const QString text = error.at(0).at(0).toString();
    QVERIFY2(text.startsWith("Cannot open file for write " + destination + "\nError: "), qPrintable(text));
    QCOMPARE(worker.encrypt(path("plain"), destination), 2);
    QCOMPARE(worker.decrypt(path("plain"), destination), 2);
    QVERIFY(!QFileInfo::exists(path("gone")));

    // One missing level under an existing folder is a body's own folder, made
    // when its first body is written; an extraction's target folder is not made.
    QCOMPARE(worker.encrypt(path("plain"), path("ab/body")), 0);
    QVERIFY(QFileInfo(path("ab/body")).isFile());
    QCOMPARE(worker.decrypt(path("ab/body"), path("cd/plain")), 2);
    QVERIFY(!QFileInfo::exists(path("cd")));
}

void TestTAVCryptoThread::damagedBodyIsRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("cipher");
    const QByteArray good = CryptoVectors::get("userfile_full_c2");
    QByteArray version2 = good;
    version2[8] = 2;
    QByteArray longName = good;
    longName[14] = char(0xFF);
    longName[15] = char(0x01);
    QTest::newRow("100 bytes") << good.left(100) << 2;
    QTest::newRow("511 bytes") << good.left(511) << 2;
    QTest::newRow("version 2") << version2 << 2;
    QTest::newRow("another cipher") << good << 1;
    QTest::newRow("name length 511") << longName << 2;
}

void TestTAVCryptoThread::damagedBodyIsRefused()
{
    QFETCH(QByteArray, body);
    QFETCH(int, cipher);
    QVERIFY(writeBytes(path("body"), body));
    TAVCryptoThread worker;
    LogCapture log;
    QCOMPARE(CryptoJob::decrypt(worker, path("body"), path("out"), CryptoVectors::key(), TAVCipher(cipher)), 2);
    QCOMPARE(entries(m_dir->path()), QStringList{"body"});
    QCOMPARE(worker.decrypt(path("body"), path("out")), 3);
    bool logged = false;
    for (const QByteArray &line : log.lines())
        logged = logged || line.contains("Error during readFileHeader");
    QVERIFY(logged);
}

void TestTAVCryptoThread::fullDiskFailsAndKeepsTheOldFile_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("syncEachBody");
    QTest::newRow("encrypt") << 0 << qint64(70000) << true;
    QTest::newRow("encrypt, one byte short") << 0 << qint64(300511) << true;
    QTest::newRow("decrypt") << 1 << qint64(70000) << true;
    // A job that syncs once at its end still finds the short write.
    QTest::newRow("encrypt, sync left to the job") << 0 << qint64(70000) << false;
    QTest::newRow("encrypt, one byte short, sync left to the job") << 0 << qint64(300511) << false;
}

void TestTAVCryptoThread::fullDiskFailsAndKeepsTheOldFile()
{
    QFETCH(int, function);
    QFETCH(qint64, limit);
    QFETCH(bool, syncEachBody);
    QVERIFY(writeBytes(path("plain"), CryptoVectors::pattern(300000)));
    TAVCryptoThread worker;
    worker.syncEachBody = syncEachBody;
    QCOMPARE(CryptoJob::encrypt(worker, path("plain"), path("body"), CryptoVectors::key(), TAV_AES512, "p",
                                CryptoVectors::created()), 0);
    QVERIFY(writeBytes(path("out"), "old content"));
    int state = -1;
    {
        FileSizeLimit full(limit);
        QVERIFY(full.isActive());
        LogCapture log;
        state = function == 0
            ? CryptoJob::encrypt(worker, path("plain"), path("out"), CryptoVectors::key(), TAV_AES512, "p",
                                 CryptoVectors::created())
            : CryptoJob::decrypt(worker, path("body"), path("out"), CryptoVectors::key(), TAV_AES512);
        QVERIFY(!log.lines().isEmpty());
    }
    QCOMPARE(state, 2);
    QVERIFY2(worker.error.contains("too large"), qPrintable(worker.error)); // EFBIG, told as it came
    QCOMPARE(fileBytes(path("out")), QByteArray("old content"));
    QCOMPARE(entries(m_dir->path()), (QStringList{"body", "out", "plain"}));
}

void TestTAVCryptoThread::noKeyNoCipherNoOutput()
{
    QVERIFY(writeBytes(path("plain"), "x"));
    TAVCryptoThread worker;
    worker.source = path("plain");
    worker.destination = path("body");
    worker.function = 0;
    CryptoJob::runAndWait(worker); // no key was ever set
    QCOMPARE(int(worker.state), 2);
    QCOMPARE(CryptoJob::encrypt(worker, path("plain"), path("body"), CryptoVectors::key(), TAVCipher(9), "n",
                                QDateTime()), 2);
    QCOMPARE(entries(m_dir->path()), QStringList{"plain"});
}

void TestTAVCryptoThread::unknownFunctionIsLogged()
{
    TAVCryptoThread worker;
    worker.state = 2;
    worker.function = 2;
    LogCapture log;
    CryptoJob::runAndWait(worker);
    QCOMPARE(int(worker.state), 0);
    QVERIFY(log.lines().last().trimmed().endsWith("unknown crypto function: 2"));
}

void TestTAVCryptoThread::stopSetBeforeTheRunIsCleared()
{
    QVERIFY(writeBytes(path("plain"), CryptoVectors::pattern(200000)));
    TAVCryptoThread worker;
    worker.stop = true;
    QCOMPARE(CryptoJob::encrypt(worker, path("plain"), path("body"), CryptoVectors::key(), TAV_AES256, "p",
                                QDateTime()), 0);
    QCOMPARE(fileBytes(path("body")).size(), 200512);
}

void TestTAVCryptoThread::destroyingTheWorkerStopsAndWaits()
{
    QVERIFY(writeBytes(path("plain"), CryptoVectors::pattern(300000)));
    QSemaphore started;
    QSemaphore release;
    auto *worker = new TAVCryptoThread;
    // The run holds at its first progress until the destructor is under way.
    connect(worker, &TAVCryptoThread::progress, worker, [&](int) {
        started.release();
        release.acquire();
    }, Qt::DirectConnection);
    worker->source = path("plain");
    worker->destination = path("body");
    worker->setKey(CryptoVectors::key(), TAV_AES256);
    worker->start();
    QVERIFY(started.tryAcquire(1, 5000));
    std::thread releaser([&release, worker] {
        while (!worker->stop) // the destructor has asked the run to stop
            QThread::msleep(1);
        release.release(100);
    });
    delete worker; // sets stop, waits for the run: it ends after its first chunk
    releaser.join();
    QCOMPARE(entries(m_dir->path()), QStringList{"plain"});
}

QTEST_GUILESS_MAIN(TestTAVCryptoThread)
#include "tst_tavcryptothread.moc"
