#include "cryptovectors.h"
#include "filesizelimit.h"
#include "fileutils.h"
#include "logcapture.h"
#include "tavcrypto.h"
#include "tavcryptothread.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavvault.h"
#include "treetestutils.h"
#include "vaultfixture.h"

#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The header fields of a body, read with the cipher it names.
struct Header
{
    int code = -1;
    QString name;
    TAVCipher cipher = TAV_CIPHER_NONE;
};

Header headerOf(const QString &body, const TAVKey &key)
{
    Header h;
    QDateTime created;
    h.code = TAVCrypto::readFileHeader(body, &created, &h.name, &h.cipher, key);
    return h;
}

} // namespace

class TestTAVFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void encryptAndDecrypt_data();
    void encryptAndDecrypt();
    void headerNameIsThePathInsideTheVault();
    void directDecryptionDatesTheCopy();
    void cancelLeavesNoBodyAndSizesUnchanged_data();
    void cancelLeavesNoBodyAndSizesUnchanged();
    void failuresAreReportedAndChangeNothing_data();
    void failuresAreReportedAndChangeNothing();
    void fullDiskKeepsTheOldBodyAndDestination();
    void itemOutsideAVaultDoesNothing();
    void busyWorkerIsRefused();
    void randomAccessReadsAndWritesPlainBytes();

private:
    QScopedPointer<VaultFixture> fx;
    TAVVault *vault = nullptr;
};

void TestTAVFile::init()
{
    fx.reset(new VaultFixture);
    vault = fx->addVault(QStringLiteral("Main"), TAV_AES512, CryptoVectors::key());
}

void TestTAVFile::cleanup()
{
    fx.reset();
    vault = nullptr;
}

void TestTAVFile::encryptAndDecrypt_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("throughWorker");
    QTest::newRow("direct, AES128, empty") << 1 << 0 << false;
    QTest::newRow("direct, AES1024, one byte") << 4 << 1 << false;
    QTest::newRow("direct, AES256, chunk and a bit") << 2 << 65537 << false;
    QTest::newRow("worker, AES128, empty") << 1 << 0 << true;
    QTest::newRow("worker, AES512, 300,000 bytes") << 3 << 300000 << true;
    QTest::newRow("worker, AES1024, one byte") << 4 << 1 << true;
}

void TestTAVFile::encryptAndDecrypt()
{
    QFETCH(int, cipher);
    QFETCH(int, size);
    QFETCH(bool, throughWorker);
    TAVVault *v = fx->addVault(QStringLiteral("V"), TAVCipher(cipher));
    TAVFolder *folder = v->addFolder(QStringLiteral("Letters"));
    const QByteArray plain = CryptoVectors::pattern(size);
    const QString source = fx->writePlain(QStringLiteral("a.txt"), plain);
    const QDateTime sourceModified = QFileInfo(source).lastModified();
    TAVFile *file = folder->addFile(source);
    TAVCryptoThread worker;

    if (throughWorker) {
        file->encrypt(source, &worker);
        QCOMPARE(int(worker.state), 0);
    } else {
        file->encrypt(source);
    }

    // The body sits in the identifier's sub-folder, under the vault's cipher.
    const QString idName = FileUtils::UuidToFileName(file->GetId());
    QCOMPARE(VaultFixture::bodies(v), QStringList{idName.left(2) + "/" + idName});
    QCOMPARE(QFileInfo(file->getFullPhysicalFileName()).size(), qint64(size) + 512);
    QCOMPARE(int(headerOf(file->getFullPhysicalFileName(), v->getKey()).cipher), cipher);
    QCOMPARE(fx->plain(file), plain);
    QCOMPARE(file->GetOriginalSize(), quint64(size));
    QCOMPARE(file->GetCurrentSize(), quint64(size) + 512);
    QCOMPARE(file->GetModifiedDate(), sourceModified);
    if (!throughWorker) // direct encryption dates the ancestors too
        QCOMPARE(v->GetModifiedDate(), sourceModified);

    const QString out = fx->path("out.bin");
    if (throughWorker) {
        file->decrypt(out, &worker);
        QCOMPARE(int(worker.state), 0);
    } else {
        file->decrypt(out);
    }
    QCOMPARE(fileBytes(out), plain);
}

void TestTAVFile::headerNameIsThePathInsideTheVault()
{
    TAVFolder *folder = vault->addFolder(QStringLiteral("Letters"));
    const QString source = fx->writePlain(QStringLiteral("a.txt"), "hello");
    TAVFile *file = folder->addFile(source);
    TAVCryptoThread worker;
    file->encrypt(source, &worker);
    QCOMPARE(headerOf(file->getFullPhysicalFileName(), vault->getKey()).name, QStringLiteral("/Letters/a.txt"));
    // Direct encryption (the watcher's) names the body after the source file.
    file->encrypt(source);
    QCOMPARE(headerOf(file->getFullPhysicalFileName(), vault->getKey()).name, QStringLiteral("a.txt"));
}

void TestTAVFile::directDecryptionDatesTheCopy()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "some text");
    const QDateTime stamp(QDate(2020, 2, 29), QTime(13, 14, 15, 678));
    file->SetModifiedDate(stamp);
    const QString out = fx->path("copy.txt");
    QVERIFY(writeBytes(out, "an older file in the way"));
    file->decrypt(out);
    QCOMPARE(fileBytes(out), QByteArray("some text"));
    QCOMPARE(QFileInfo(out).lastModified(), stamp.addMSecs(-678));
}

void TestTAVFile::cancelLeavesNoBodyAndSizesUnchanged_data()
{
    QTest::addColumn<bool>("newItem");
    QTest::newRow("a new item") << true;
    QTest::newRow("an item with a body") << false;
}

void TestTAVFile::cancelLeavesNoBodyAndSizesUnchanged()
{
    QFETCH(bool, newItem);
    const QString source = fx->writePlain(QStringLiteral("big.bin"), CryptoVectors::pattern(300000));
    TAVFile *file = nullptr;
    QByteArray oldBody;
    if (newItem) {
        file = vault->addFile(source);
    } else {
        file = fx->addFile(vault, QStringLiteral("old.bin"), "the old content");
        oldBody = fileBytes(file->getFullPhysicalFileName());
    }
    const QStringList before = VaultFixture::describe(vault);
    const QStringList bodiesBefore = VaultFixture::bodies(vault);

    // The user cancels as the first progress arrives.
    TAVCryptoThread worker;
    connect(&worker, &TAVCryptoThread::progress, &worker, [&worker] { worker.stop = true; },
            Qt::DirectConnection);
    file->encrypt(source, &worker);

    QCOMPARE(int(worker.state), 1);
    QCOMPARE(VaultFixture::describe(vault), before);
    QCOMPARE(VaultFixture::bodies(vault), bodiesBefore);
    if (newItem) {
        QVERIFY(!QFileInfo::exists(file->getFullPhysicalFileName()));
        QCOMPARE(file->GetOriginalSize(), quint64(0));
    } else {
        QCOMPARE(fileBytes(file->getFullPhysicalFileName()), oldBody);
    }

    // A cancelled extraction leaves no destination and says so.
    if (!newItem) {
        const QString out = fx->path("out.bin");
        QCOMPARE(exceptionText([&] { file->decrypt(out, &worker); }), QStringLiteral("Decryption failed."));
        QVERIFY(!QFileInfo::exists(out));
    }
}

void TestTAVFile::failuresAreReportedAndChangeNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("expected"); // %1: the fixture's folder
    QTest::newRow("encrypt a missing source") << "encrypt missing" << "File %1/plain/missing does not exist";
    QTest::newRow("encrypt through no worker") << "encrypt null worker" << "Invalid Crypto Worker.";
    QTest::newRow("encrypt a missing source, worker") << "encrypt missing worker"
                                                      << "File %1/plain/missing does not exist";
    QTest::newRow("decrypt a missing body") << "decrypt no body" << "Encrypted file doesn't exist.";
    QTest::newRow("decrypt a missing body, worker") << "decrypt no body worker" << "Encrypted file doesn't exist.";
    QTest::newRow("decrypt through no worker") << "decrypt null worker" << "Invalid Crypto Worker.";
    QTest::newRow("decrypt over a folder") << "decrypt over folder"
                                           << "File [%1/out] is locked.\nPlease close the application which is "
                                              "locking that file and then try again.";
    QTest::newRow("decrypt a damaged body") << "decrypt damaged" << "Decryption failed.";
    QTest::newRow("decrypt a damaged body, worker") << "decrypt damaged worker" << "Decryption failed.";
}

void TestTAVFile::failuresAreReportedAndChangeNothing()
{
    QFETCH(QString, operation);
    QFETCH(QString, expected);
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "content");
    const QString body = file->getFullPhysicalFileName();
    const QString out = fx->path("out");
    TAVCryptoThread worker;
    if (operation.startsWith("decrypt no body"))
        QVERIFY(QFile::remove(body));
    if (operation == "decrypt over folder")
        QVERIFY(QDir().mkpath(out + "/inside"));
    if (operation.startsWith("decrypt damaged"))
        QVERIFY(writeBytes(body, fileBytes(body).left(100)));
    const QStringList before = VaultFixture::describe(vault);
    const QStringList bodiesBefore = VaultFixture::bodies(vault);
    const QString missing = fx->path("plain/missing");

    const QString text = exceptionText([&] {
        if (operation == "encrypt missing")
            file->encrypt(missing);
        else if (operation == "encrypt missing worker")
            file->encrypt(missing, &worker);
        else if (operation == "encrypt null worker")
            file->encrypt(fx->path("plain/a.txt"), nullptr);
        else if (operation == "decrypt null worker")
            file->decrypt(out, nullptr);
        else if (operation.endsWith("worker"))
            file->decrypt(out, &worker);
        else
            file->decrypt(out);
    });

    QCOMPARE(text, expected.contains("%1") ? expected.arg(fx->path("").chopped(1)) : expected);
    QCOMPARE(VaultFixture::describe(vault), before);
    QCOMPARE(VaultFixture::bodies(vault), bodiesBefore);
    if (operation != "decrypt over folder")
        QVERIFY(!QFileInfo::exists(out));
}

void TestTAVFile::fullDiskKeepsTheOldBodyAndDestination()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "the vault's content");
    const QString body = file->getFullPhysicalFileName();
    const QByteArray oldBody = fileBytes(body);
    const QString bigSource = fx->writePlain(QStringLiteral("big.bin"), CryptoVectors::pattern(200000));
    const QString out = fx->path("out.txt");
    QVERIFY(writeBytes(out, "the user's own file"));
    const QStringList before = VaultFixture::describe(vault);
    TAVCryptoThread worker;
    {
        FileSizeLimit limit(100000);
        if (!limit.isActive())
            QSKIP("no file size limit here");
        QCOMPARE(exceptionText([&] { file->encrypt(bigSource); }),
                 QString::fromLatin1(TAVException::messageFor(TAV_CANNOT_ENCRYPT)));
        file->encrypt(bigSource, &worker);
        QCOMPARE(int(worker.state), 2);
    }
    QCOMPARE(fileBytes(body), oldBody);
    QCOMPARE(VaultFixture::describe(vault), before);
    QCOMPARE(VaultFixture::bodies(vault).size(), 1);

    // Decryption onto a full disk: the destination keeps its bytes.
    TAVFile *big = fx->addFile(vault, QStringLiteral("big.bin"), CryptoVectors::pattern(200000));
    {
        FileSizeLimit limit(100000);
        QCOMPARE(exceptionText([&] { big->decrypt(out); }), QStringLiteral("Decryption failed."));
        QCOMPARE(exceptionText([&] { big->decrypt(out, &worker); }), QStringLiteral("Decryption failed."));
    }
    QCOMPARE(fileBytes(out), QByteArray("the user's own file"));
}

void TestTAVFile::itemOutsideAVaultDoesNothing()
{
    TAVFolder loose(nullptr, QStringLiteral("loose"));
    TAVFile file(&loose);
    const QString source = fx->writePlain(QStringLiteral("a.txt"), "x");
    LogCapture log;
    file.encrypt(source);
    QCOMPARE(file.GetOriginalSize(), quint64(0));
    bool logged = false;
    for (const QByteArray &line : log.lines())
        logged = logged || line.contains("getVault failed");
    QVERIFY(logged);
    QCOMPARE(exceptionText([&] { file.decrypt(fx->path("out")); }), QStringLiteral("Encrypted file doesn't exist."));
}

void TestTAVFile::busyWorkerIsRefused()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "x");
    const QString bigSource = fx->writePlain(QStringLiteral("big.bin"), CryptoVectors::pattern(300000));
    TAVCryptoThread worker;
    QString inner;
    bool once = false;
    QSemaphore handled;
    // While the GUI thread waits for one file, the user starts another; the
    // worker holds at its first progress until the GUI thread has tried.
    connect(&worker, &TAVCryptoThread::progress, this, [&] {
        if (once)
            return;
        once = true;
        inner = exceptionText([&] { file->decrypt(fx->path("other"), &worker); });
        handled.release();
    });
    bool held = false;
    connect(&worker, &TAVCryptoThread::progress, &worker, [&] {
        if (!held) {
            held = true;
            handled.acquire();
        }
    }, Qt::DirectConnection);
    TAVFile *big = vault->addFile(bigSource);
    big->encrypt(bigSource, &worker);
    QVERIFY(once);
    QCOMPARE(inner, QStringLiteral("The crypto worker is busy with another file."));
    QCOMPARE(int(worker.state), 0);
    QCOMPARE(fx->plain(big), CryptoVectors::pattern(300000));
    QVERIFY(!QFileInfo::exists(fx->path("other")));
}

void TestTAVFile::randomAccessReadsAndWritesPlainBytes()
{
    const QString source = fx->writePlain(QStringLiteral("r.bin"), QByteArray());
    TAVFile *file = vault->addFile(source);
    QVERIFY(file->open(QIODevice::WriteOnly));
    QByteArray first = "0123456789abcdefghij";
    QCOMPARE(file->write(first.constData(), unsigned(first.size())), qint64(first.size()));
    QCOMPARE(first, QByteArray("0123456789abcdefghij")); // the caller's buffer stays plain
    QVERIFY(file->seek(5));
    QCOMPARE(file->write("XYZ", 3), qint64(3));
    QCOMPARE(file->pos(), quint64(8));
    QVERIFY(!QFileInfo::exists(vault->getVaultIdxFileName()));
    QCOMPARE(file->close(), 0); // the vault is saved with the item's new sizes
    QVERIFY(QFileInfo::exists(vault->getVaultIdxFileName()));
    QCOMPARE(file->GetOriginalSize(), quint64(20));
    QCOMPARE(file->GetCurrentSize(), quint64(532));
    QCOMPARE(fx->plain(file), QByteArray("01234XYZ89abcdefghij"));

    // Reopened for writing, the body keeps its header and content.
    QVERIFY(file->open(QIODevice::WriteOnly));
    QVERIFY(file->seek(20));
    QCOMPARE(file->write("!", 1), qint64(1));
    QCOMPARE(file->close(), 0);
    QCOMPARE(fx->plain(file), QByteArray("01234XYZ89abcdefghij!"));

    QVERIFY(file->open(QIODevice::ReadOnly));
    QVERIFY(file->seek(7));
    char buffer[6] = {};
    QCOMPARE(file->read(buffer, 5), qint64(5));
    QCOMPARE(QByteArray(buffer, 5), QByteArray("Z89ab"));
    QCOMPARE(file->write("no", 2), qint64(-1)); // opened for reading only
    QCOMPARE(file->close(), 0);

    // A body too short for a header is refused.
    QVERIFY(writeBytes(file->getFullPhysicalFileName(), "short"));
    QVERIFY(!file->open(QIODevice::ReadOnly));
}

QTEST_MAIN(TestTAVFile)
#include "tst_tavfile.moc"
