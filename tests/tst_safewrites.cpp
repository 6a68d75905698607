#include "atomicfilewriter.h"
#include "bodyrecipher.h"
#include "cryptojob.h"
#include "filecipher.h"
#include "filefixture.h"
#include "filesizelimit.h"
#include "logcapture.h"
#include "replacingfile.h"
#include "safefile.h"
#include "scratchfiles.h"
#include "tavcryptofile.h"
#include "tavcryptothread.h"
#include "tavexception.h"
#include "tavfilesystem.h"
#include "tavkeychain.h"
#include "tavsettings.h"
#include "tavvault.h"
#include "unprivilegedrun.h"
#include "vaultvectors.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/stat.h>

// Every writer of the vault folders and the settings folder: never through
// a symbolic link, a replaced file keeps its mode and a new one is private,
// and what a killed save left is removed when the folder is next loaded.
class TestSafeWrites : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void linkedTargetIsRefused_data();
    void linkedTargetIsRefused();
    void modeIsKeptOrPrivate_data();
    void modeIsKeptOrPrivate();
    void leftoversRemovedOnLoad_data();
    void leftoversRemovedOnLoad();
    void fileSystemSync_data();
    void fileSystemSync();
    void replacingFileIsWholeOrUntouched_data();
    void replacingFileIsWholeOrUntouched();
    void bodyFolderNotMadeTellsWhy_data();
    void bodyFolderNotMadeTellsWhy();

private:
    enum Writer { Settings, Index, Version, KeyChain, VaultList, Encrypt, WorkerEncrypt, Recipher, ReKey };
    enum Loader { LoadVault, LoadVaultList, LoadSettings };

    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    // Writes the writer's file at `target` (its second round replaces the
    // first's file); true when done. What it told (log lines, exception,
    // signal) goes to `report`.
    bool write(Writer writer, int round, const QString &target, QString *report);
    static void addWriterRows(const std::function<void(const char *, Writer, const QString &)> &add);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TAVVault> m_vault;
    TAVKey m_keyA;
    TAVKey m_keyB;
};

namespace {

const QString kBody = QStringLiteral("00/00c0ffee00000000000000000000beef");

QString joined(const QList<QByteArray> &lines)
{
    QString text;
    for (const QByteArray &line : lines)
        text += QString::fromUtf8(line) + QLatin1Char('\n');
    return text;
}

quint64 inode(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

} // namespace

void TestSafeWrites::initTestCase()
{
    // The new-file mode must not come from the umask.
    ::umask(022);
}

void TestSafeWrites::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(path("vault/00")));
    QVERIFY(QDir().mkpath(path("outside")));
    QVERIFY(writeBytes(path("outside/plain"), "plain text"));
    QCOMPARE(FileCipher::encryptFile(path("outside/plain"), path("outside/body"), TAV_AES256, m_keyA), 0);
}

void TestSafeWrites::cleanup()
{
    m_vault.reset();
    TAVSettings::getInstance()->setFileName(QString());
    m_dir.reset();
}

bool TestSafeWrites::write(Writer writer, int round, const QString &target, QString *report)
{
    LogCapture log;
    bool done = false;
    switch (writer) {
    case Settings: {
        TAVSettings *settings = TAVSettings::getInstance();
        settings->setFileName(target);
        settings->setValue(QStringLiteral("round"), round);
        done = settings->write() == TAVSettings::WriteOk;
        break;
    }
    case Index:
    case Version:
        if (!m_vault) {
            m_vault = std::make_unique<TAVVault>(nullptr, QStringLiteral("V"), QFileInfo(target).absolutePath(),
                                                 TAV_AES256, m_keyA);
            m_vault->setLoaded(true);
        }
        done = (writer == Index ? m_vault->save() : m_vault->saveVaultVersion()) == 0;
        break;
    case KeyChain:
        done = TAVKeyChain(target).setKey(QString(), round ? m_keyB : m_keyA) == 0;
        break;
    case VaultList:
        done = TAVFileSystem::getInstance()->saveToFile(target, VaultVectors::masterKey()) == 0;
        break;
    case Encrypt:
        try {
            done = FileCipher::encryptFile(path("outside/plain"), target, TAV_AES256, m_keyA) == 0;
        } catch (const TAVException &e) {
            *report += QString::fromUtf8(e.what()) + QLatin1Char('\n');
        }
        break;
    case WorkerEncrypt: {
        TAVCryptoThread worker;
        QSignalSpy errors(&worker, &TAVCryptoThread::TAVCryptToError);
        done = CryptoJob::encrypt(worker, path("outside/plain"), target, m_keyA, TAV_AES256, QStringLiteral("p"),
                                  QDateTime())
            == 0;
        for (const QList<QVariant> &error : qAsConst(errors))
            *report += error.at(0).toString() + QLatin1Char('\n');
        break;
    }
    case Recipher:
        done = BodyRecipher::recipher(path("outside/body"), TAV_AES256, m_keyA, target, TAV_AES128, m_keyB)
            == BodyRecipher::Done;
        break;
    case ReKey:
        // The first round makes the data file the second one re-keys.
        done = round == 0
            ? AtomicFileWriter::writeDataFile(target, TAV_AES256, m_keyA, 1, "payload") == AtomicFileWriter::Written
            : TAVCryptoFile::reKey(target, m_keyA, m_keyB) == 0;
        break;
    }
    *report += joined(log.lines());
    return done;
}

void TestSafeWrites::addWriterRows(const std::function<void(const char *, Writer, const QString &)> &add)
{
    add("settings", Settings, QStringLiteral("config.dat"));
    add("vault index", Index, QStringLiteral("vault/index.dat"));
    add("vault version", Version, QStringLiteral("vault/version.dat"));
    add("key chain", KeyChain, QStringLiteral("vault/keychain.dat"));
    add("vault list", VaultList, QStringLiteral("filesystem.dat"));
    add("body encrypted", Encrypt, QStringLiteral("vault/") + kBody);
    add("body encrypted by the worker", WorkerEncrypt, QStringLiteral("vault/") + kBody);
    add("body re-encrypted", Recipher, QStringLiteral("vault/") + kBody);
    add("data file re-keyed", ReKey, QStringLiteral("vault/rekeyed.dat"));
}

void TestSafeWrites::linkedTargetIsRefused_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<QString>("file");
    addWriterRows([](const char *name, Writer writer, const QString &file) {
        QTest::newRow(name) << int(writer) << file;
    });
}

void TestSafeWrites::linkedTargetIsRefused()
{
    QFETCH(int, writer);
    QFETCH(QString, file);
    const QString target = path(file);
    QString report;
    QVERIFY2(write(Writer(writer), 0, target, &report), qPrintable(report));

    // The file replaced by a link to a file elsewhere (a data file under the
    // key of the first round, so that a re-key would get as far as writing).
    const QString victim = path("outside/victim");
    QCOMPARE(AtomicFileWriter::writeDataFile(victim, TAV_AES256, m_keyA, 1, "victim"), int(AtomicFileWriter::Written));
    const QByteArray before = fileBytes(victim);
    QVERIFY(QFile::remove(target));
    QVERIFY(FileFixture::symlink(victim, target));
    const QStringList folder = entries(QFileInfo(target).absolutePath());

    report.clear();
    QVERIFY(!write(Writer(writer), 1, target, &report));
    QCOMPARE(fileBytes(victim), before);
    QCOMPARE(QFileInfo(target).symLinkTarget(), victim);
    QCOMPARE(entries(QFileInfo(target).absolutePath()), folder); // no temporary file left
    QVERIFY2(report.contains(target) && report.contains(QStringLiteral("symbolic link")), qPrintable(report));
}

void TestSafeWrites::modeIsKeptOrPrivate_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("mode");
    for (const int mode : {0600, 0640}) {
        addWriterRows([mode](const char *name, Writer writer, const QString &file) {
            QTest::addRow("%s, %o", name, mode) << int(writer) << file << mode;
        });
    }
}

void TestSafeWrites::modeIsKeptOrPrivate()
{
    QFETCH(int, writer);
    QFETCH(QString, file);
    QFETCH(int, mode);
    const QString target = path(file);
    QString report;
    QVERIFY2(write(Writer(writer), 0, target, &report), qPrintable(report));
    QCOMPARE(FileFixture::mode(target), 0600);

    QVERIFY(::chmod(QFile::encodeName(target).constData(), mode_t(mode)) == 0);
    const quint64 first = inode(target);
    QVERIFY2(write(Writer(writer), 1, target, &report), qPrintable(report));
    QVERIFY(inode(target) != first); // replaced, not left alone
    QCOMPARE(FileFixture::mode(target), mode);
}

void TestSafeWrites::leftoversRemovedOnLoad_data()
{
    QTest::addColumn<int>("loader");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QStringList>("stale");
    QTest::addColumn<QStringList>("kept");

    const QString uuidTmp = QUuid::createUuid().toString() + QStringLiteral(".tmp");
    const QString body = QStringLiteral("00c0ffee00000000000000000000beef");
    const QStringList vaultStale = {uuidTmp, "version.dat.AbCdEf", "keychain.dat.x1Y2z3", "00/" + body + ".QwErTy",
                                    "ff/" + body + ".abcdef"};
    const QStringList vaultKept = {"notes.tmp", "{0123-4567}.tmp", "index.dat.AbCdEf", "version.dat.AbCdE",
                                   "version.dat.AbCdEfG", "readme.txt.AbCdEf", "synclist.dat.AbCdEf",
                                   "00/" + body, "00/notes.AbCdEf", "zz/" + body + ".AbCdEf", "sub/" + uuidTmp};
    QTest::newRow("vault") << int(LoadVault) << true << vaultStale << vaultKept;
    QTest::newRow("vault, wrong key") << int(LoadVault) << false << QStringList() << vaultStale + vaultKept;

    const QStringList listStale = {uuidTmp};
    const QStringList listKept = {"config.dat.AbCdEf", "filesystem.dat.AbCdEf", "notes.tmp", "sub/" + uuidTmp};
    QTest::newRow("vault list") << int(LoadVaultList) << true << listStale << listKept;
    QTest::newRow("vault list, wrong key") << int(LoadVaultList) << false << QStringList() << listStale + listKept;

    const QStringList settingsStale = {"config.dat.AbCdEf"};
    const QStringList settingsKept = {uuidTmp, "filesystem.dat.AbCdEf", "config.dat.bak", "config.dat.AbCdE"};
    QTest::newRow("settings") << int(LoadSettings) << true << settingsStale << settingsKept;
    QTest::newRow("settings, damaged") << int(LoadSettings) << false << QStringList()
                                       << settingsStale + settingsKept;
}

void TestSafeWrites::leftoversRemovedOnLoad()
{
    QFETCH(int, loader);
    QFETCH(bool, loads);
    QFETCH(QStringList, stale);
    QFETCH(QStringList, kept);
    const QString folder = path("vault");

    // The folder's own file, as a finished save left it.
    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVSettings *settings = TAVSettings::getInstance();
    switch (loader) {
    case LoadVault: {
        TAVVault saved(nullptr, QStringLiteral("V"), folder, TAV_AES256, m_keyA);
        saved.setLoaded(true);
        QCOMPARE(saved.save(), 0);
        break;
    }
    case LoadVaultList:
        QCOMPARE(root->saveToFile(folder + "/filesystem.dat", VaultVectors::masterKey()), 0);
        break;
    case LoadSettings:
        settings->setFileName(folder + "/config.dat");
        settings->setValue(QStringLiteral("k"), 1);
        QCOMPARE(settings->write(), int(TAVSettings::WriteOk));
        if (!loads)
            QVERIFY(writeBytes(folder + "/config.dat", QByteArray("\0\0\0\5", 4)));
        break;
    }
    for (const QString &name : stale + kept)
        QVERIFY(FileFixture::write(folder + '/' + name, name.toUtf8()));
    // A link and a folder under a leftover's name are not leftovers.
    const QString linkName = QUuid::createUuid().toString() + QStringLiteral(".tmp");
    QVERIFY(FileFixture::symlink(path("outside/plain"), folder + '/' + linkName));
    const QString folderName = QUuid::createUuid().toString() + QStringLiteral(".tmp");
    QVERIFY(QDir().mkpath(folder + '/' + folderName));

    switch (loader) {
    case LoadVault: {
        TAVVault vault(nullptr, QStringLiteral("V"), folder, TAV_AES256, loads ? m_keyA : m_keyB);
        QCOMPARE(vault.load(), loads ? 0 : int(TAVVault::VaultWrongKey));
        break;
    }
    case LoadVaultList: {
        const TAVKey master = loads ? VaultVectors::masterKey() : VaultVectors::vaultKey();
        QCOMPARE(root->readVaultFile(folder + "/filesystem.dat", master), loads ? 0 : 4);
        break;
    }
    case LoadSettings:
        QCOMPARE(settings->read(), int(loads ? TAVSettings::ReadOk : TAVSettings::ReadDamaged));
        break;
    }

    for (const QString &name : stale)
        QVERIFY2(!QFileInfo::exists(folder + '/' + name), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(fileBytes(folder + '/' + name) == name.toUtf8(), qPrintable(name));
    QVERIFY(QFileInfo(folder + '/' + linkName).isSymLink());
    QCOMPARE(fileBytes(path("outside/plain")), QByteArray("plain text"));
    QVERIFY(QFileInfo(folder + '/' + folderName).isDir());
}

void TestSafeWrites::fileSystemSync_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("synced");
    QTest::newRow("vault folder") << "vault" << true;
    QTest::newRow("file in it") << "outside/body" << true;
    QTest::newRow("missing folder") << "gone" << false;
}

// The one sync of an add job: a folder that is not there is a failure the
// job must see, never a success.
void TestSafeWrites::fileSystemSync()
{
    QFETCH(QString, relative);
    LogCapture log;
    QTEST(SafeFile::syncFileSystem(path(relative)), "synced");
    QTEST(log.lines().isEmpty(), "synced");
}

// The writer of the crypto worker, whose sync a job of many files leaves to
// its end: the target is the whole new content or stays as it was, and no
// temporary file is left either way.
void TestSafeWrites::replacingFileIsWholeOrUntouched_data()
{
    QTest::addColumn<QString>("outcome"); // "commit", "commit synced", "cancel", "write fails"
    QTest::addColumn<bool>("existing");
    for (const char *outcome : {"commit", "commit synced", "cancel", "write fails"}) {
        QTest::addRow("%s, new target", outcome) << QString(outcome) << false;
        QTest::addRow("%s, existing target", outcome) << QString(outcome) << true;
    }
}

void TestSafeWrites::replacingFileIsWholeOrUntouched()
{
    QFETCH(QString, outcome);
    QFETCH(bool, existing);
    const QString target = path("plain.txt");
    const QByteArray old("old content");
    if (existing) {
        QVERIFY(writeBytes(target, old));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ReadGroup));
    }
    const QStringList before = entries(m_dir->path());
    const QByteArray content(200000, 'n');

    std::unique_ptr<FileSizeLimit> limit;
    if (outcome == "write fails") {
        limit.reset(new FileSizeLimit(100000));
        if (!limit->isActive())
            QSKIP("the file size limit could not be set");
    }
    bool committed = false;
    {
        ReplacingFile out(target);
        QVERIFY(out.openBeside(ReplacingFile::PlainFile));
        const bool wrote = out.write(content) == content.size();
        if (outcome == "cancel")
            out.cancelWriting();
        else if (outcome != "write fails" || wrote)
            committed = out.commit(outcome == "commit synced");
    }
    limit.reset();

    QCOMPARE(committed, outcome.startsWith("commit"));
    QCOMPARE(fileBytes(target), committed ? content : existing ? old : QByteArray("<unreadable>"));
    QStringList after = before;
    if (committed && !existing)
        after << "plain.txt";
    QStringList left = entries(m_dir->path());
    after.sort();
    left.sort();
    QCOMPARE(left, after);
    struct stat st;
    if (existing) { // a replaced file keeps its mode
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0640));
    }
}

// A new body's two-letter folder is made at its first body; when it can't be,
// the reason given is the folder's own, not the missing folder the first
// open met.
void TestSafeWrites::bodyFolderNotMadeTellsWhy_data()
{
    QTest::addColumn<QString>("vault"); // "there", "read-only", "gone"
    QTest::addColumn<QByteArray>("told");
    QTest::newRow("vault folder there") << "there" << QByteArray("opened");
    QTest::newRow("vault folder read-only") << "read-only" << QByteArray(std::strerror(EACCES));
    QTest::newRow("vault folder gone") << "gone" << QByteArray(std::strerror(ENOENT));
}

void TestSafeWrites::bodyFolderNotMadeTellsWhy()
{
    QFETCH(QString, vault);
    QFETCH(QByteArray, told);
    QTemporaryDir scratch; // the other user can't enter m_dir
    QVERIFY(scratch.isValid());
    const QString work = scratch.path();
    const QString vaultDir = work + QStringLiteral("/vault");
    QVERIFY(QDir().mkpath(vaultDir));
    QVERIFY(UnprivilegedRun::handOver(work));
    if (vault == "read-only")
        QVERIFY(QFile::setPermissions(vaultDir, QFile::ReadOwner | QFile::ExeOwner));
    else if (vault == "gone")
        QVERIFY(QDir(vaultDir).removeRecursively());

    QProcess child;
    const bool ended = UnprivilegedRun::run(child, QStringLiteral("open_body"),
                                            {vaultDir + QStringLiteral("/ab/ab12")}, work);
    QFile::setPermissions(vaultDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(ended, qPrintable(child.errorString()));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    // The log shares standard output; the answer is its last line.
    QCOMPARE(child.readAllStandardOutput().trimmed().split('\n').last(), told);
    QCOMPARE(QFileInfo(vaultDir + QStringLiteral("/ab")).isDir(), vault == "there");
    QCOMPARE(QFileInfo::exists(vaultDir), vault != "gone");
}

QTEST_GUILESS_MAIN(TestSafeWrites)
#include "tst_safewrites.moc"
