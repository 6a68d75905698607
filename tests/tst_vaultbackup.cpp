#include "backup.h"
#include "fakeclock.h"
#include "filesizelimit.h"
#include "fileutils.h"
#include "fixedrandom.h"
#include "masterkey.h"
#include "tavfolder.h"
#include "tavvault.h"
#include "vaultbackup.h"
#include "vaultfixture.h"

#include <QtTest>

namespace {

const QDateTime kStart(QDate(2014, 11, 20), QTime(14, 5, 9), Qt::UTC);

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file below a folder with its bytes, by relative path.
QMap<QString, QByteArray> files(const QString &root)
{
    QMap<QString, QByteArray> found;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        found.insert(QDir(root).relativeFilePath(path), fileBytes(path));
    }
    return found;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestVaultBackup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void backupReadsBackWhole();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void failingRandomSourceWritesNothing();
    void failedCopyKeepsEarlierBackups();
    void retentionTouchesOnlyBackupsByTheirNames();
    void twoBackupsInOneSecond_data();
    void twoBackupsInOneSecond();
    void progressOfAFolderWithoutFiles();

private:
    VaultFixture *m_fixture = nullptr;
    FakeClock *m_clock = nullptr;
    TAVVault *m_vault = nullptr;
    QString location() const { return m_fixture->path(QStringLiteral("backups")); }
    QString perVault() const { return location() + QLatin1Char('/') + m_vault->GetId().toString(); }
    VaultBackup::Result backUp(VaultBackup &engine, QList<int> *percents = nullptr);
};

void TestVaultBackup::init()
{
    MasterKey::key = TAVKey(QStringLiteral("master password"));
    m_clock = new FakeClock(kStart);
    m_fixture = new VaultFixture;
    m_vault = m_fixture->addVault(QStringLiteral("Photos"));
    TAVFolder *folder = m_fixture->addFolder(m_vault, QStringLiteral("Trips"));
    m_fixture->addFile(m_vault, QStringLiteral("a.txt"), QByteArray(70000, 'a'));
    m_fixture->addFile(folder, QStringLiteral("b.txt"), QByteArray("b"));
    m_fixture->addFile(folder, QStringLiteral("empty.txt"), QByteArray());
    QCOMPARE(m_vault->save(), 0);
    QCOMPARE(m_vault->saveVaultVersion(), 0);
}

void TestVaultBackup::cleanup()
{
    QThreadPool::globalInstance()->waitForDone();
    delete m_fixture;
    m_fixture = nullptr;
    delete m_clock;
    m_clock = nullptr;
    MasterKey::key = TAVKey::fromHex(QString());
}

VaultBackup::Result TestVaultBackup::backUp(VaultBackup &engine, QList<int> *percents)
{
    engine.setBackupPath(location());
    QObject context;
    if (percents)
        connect(&engine, &VaultBackup::progress, &context, [percents](int percent) { *percents << percent; });
    const VaultBackup::Result result = engine.run(VaultBackup::sourceOf(m_vault));
    // Retention removes in the background.
    QThreadPool::globalInstance()->waitForDone();
    return result;
}

void TestVaultBackup::backupReadsBackWhole()
{
    VaultBackup engine;
    QList<int> percents;
    QCOMPARE(backUp(engine, &percents), VaultBackup::Done);
    QCOMPARE(engine.message(), QStringLiteral("Backup completed successfully."));
    const QString folder = perVault() + QStringLiteral("/2014-11-20_14-05-09");
    QCOMPARE(engine.backupFolder(), folder);
    QCOMPARE(engine.backupCode(), 0);

    // Every body, the index and the version record, byte for byte, and the header.
    QMap<QString, QByteArray> expected = files(m_vault->getFullPhysicalVaultPath());
    QCOMPARE(expected.size(), 5);
    QMap<QString, QByteArray> copied = files(folder);
    QVERIFY(copied.remove(QStringLiteral("vaultinfo.dat")) == 1);
    QCOMPARE(copied, expected);

    TAVKey out = TAVKey::fromHex(QString());
    QCOMPARE(Backup::checkKey(folder, MasterKey::key, m_vault->getKey(), out), 0);
    QCOMPARE(out, m_vault->getKey());
    QCOMPARE(Backup::checkKey(folder, MasterKey::key, out), 0);
    QCOMPARE(out, m_vault->getKey());
    const TAVKey other(QStringLiteral("another password"));
    QCOMPARE(Backup::checkKey(folder, other, other, out), 2);
    QCOMPARE(Backup::checkKey(folder, other, out), 3);
    QString name;
    QCOMPARE(Backup::getVaultNameFromFile(folder, name), 0);
    QCOMPARE(name, QStringLiteral("Photos"));

    QVERIFY(percents.size() > 2);
    QCOMPARE(percents.last(), 100);
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));
    QVERIFY(percents.count(100) == 1);
}

void TestVaultBackup::refusalsWriteNothing_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("folders but no file") << "empty" << int(VaultBackup::NothingToBackup)
                                         << "There is nothing to backup as your vault does not contain any data.";
    QTest::newRow("vault folder gone") << "gone" << int(VaultBackup::VaultMissing) << "Vault Photos does not exist.";
    QTest::newRow("a synchronisation runs")
        << "sync" << int(VaultBackup::SyncRunning)
        << "A synchronisation is running; please try again when it has finished.";
}

void TestVaultBackup::refusalsWriteNothing()
{
    QFETCH(QString, state);
    QFETCH(int, result);
    QFETCH(QString, message);
    QMutex syncLock;
    VaultBackup engine;
    engine.setSyncLock(&syncLock);
    engine.setRetention(true, 1);
    if (state == QLatin1String("empty")) {
        m_fixture->removeVault(m_vault);
        m_vault = m_fixture->addVault(QStringLiteral("Empty"));
        m_fixture->addFolder(m_fixture->addFolder(m_vault, QStringLiteral("a")), QStringLiteral("b"));
        QCOMPARE(m_vault->save(), 0);
    } else if (state == QLatin1String("gone")) {
        QVERIFY(QDir(m_vault->getFullPhysicalVaultPath()).removeRecursively());
    } else {
        syncLock.lock();
    }
    QList<int> percents;
    QCOMPARE(int(backUp(engine, &percents)), result);
    QCOMPARE(engine.message(), message);
    QVERIFY(!QFileInfo::exists(location()));
    QVERIFY(percents.isEmpty());
    QCOMPARE(engine.backupCode(), -1);

    if (state == QLatin1String("sync")) {
        // Once the synchronisation is over the backup runs, and lets go of the lock.
        syncLock.unlock();
        QCOMPARE(backUp(engine), VaultBackup::Done);
        QVERIFY(syncLock.tryLock());
        syncLock.unlock();
    }
}

void TestVaultBackup::failingRandomSourceWritesNothing()
{
    FixedRandom noRandom{QByteArray()};
    VaultBackup engine;
    QCOMPARE(backUp(engine), VaultBackup::Failed);
    QCOMPARE(engine.backupCode(), int(Backup::HeaderRefused));
    QVERIFY2(engine.message().startsWith(QStringLiteral("Backup failed: ")), qPrintable(engine.message()));
    QVERIFY(!QFileInfo::exists(location()));
}

void TestVaultBackup::failedCopyKeepsEarlierBackups()
{
    VaultBackup engine;
    engine.setRetention(true, 1);
    QCOMPARE(backUp(engine), VaultBackup::Done);
    const QString good = engine.backupFolder();
    const QMap<QString, QByteArray> goodFiles = files(good);

    // A body too large for the limit: the copy fails part-way through.
    m_fixture->addFile(m_vault, QStringLiteral("large.bin"), QByteArray(400000, 'L'));
    QCOMPARE(m_vault->save(), 0);
    m_clock->advance(60000);
    VaultBackup::Result result;
    {
        FileSizeLimit limit(300000);
        if (!limit.isActive())
            QSKIP("no file size limit here");
        result = backUp(engine);
    }
    QCOMPARE(result, VaultBackup::Failed);
    QCOMPARE(engine.backupCode(), int(Backup::CopyFailed));
    QVERIFY2(engine.message().startsWith(QStringLiteral("Backup failed: ")), qPrintable(engine.message()));
    QVERIFY2(engine.message().contains(QStringLiteral("File too large")), qPrintable(engine.message()));
    QVERIFY(engine.backupFolder().isEmpty());
    // The failed attempt is gone and the last good backup is kept whole, keep = 1 or not.
    QCOMPARE(entries(perVault()), QStringList{QStringLiteral("2014-11-20_14-05-09")});
    QCOMPARE(files(good), goodFiles);

    m_clock->advance(60000);
    QCOMPARE(backUp(engine), VaultBackup::Done);
    QCOMPARE(entries(perVault()), QStringList{QStringLiteral("2014-11-20_14-07-09")});
}

void TestVaultBackup::retentionTouchesOnlyBackupsByTheirNames()
{
    VaultBackup engine;
    QStringList made;
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(backUp(engine), VaultBackup::Done);
        made << engine.backupFolder();
        m_clock->advance(3600 * 1000);
    }
    // Modification times the other way round: the oldest name looks newest.
    for (int i = 0; i < made.size(); ++i)
        QCOMPARE(FileUtils::setModificationTime(made.at(i), kStart.addDays(10 - i)), 0);

    const QString base = perVault() + QLatin1Char('/');
    const QStringList foreign = {QStringLiteral("notes"), QStringLiteral(".2014-11-01_00-00-00"),
                                 QStringLiteral("2014-13-45_10-00-00"), QStringLiteral("2014-11-01_00-00-00 copy")};
    for (const QString &name : foreign)
        QVERIFY(QDir().mkpath(base + name + QStringLiteral("/inside")));
    QFile file(base + QStringLiteral("2014-11-02_00-00-00"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // What an interrupted backup leaves: the name of a backup, no header. An
    // older one goes; one newer than the running backup may still be under
    // way and stays; one whose header is damaged is no one's to remove.
    QVERIFY(QDir().mkpath(base + QStringLiteral("2014-11-03_00-00-00/00")));
    QVERIFY(QDir().mkpath(base + QStringLiteral("2014-12-01_00-00-00/00")));
    QVERIFY(QDir().mkpath(base + QStringLiteral("2014-11-04_00-00-00")));
    QFile damaged(base + QStringLiteral("2014-11-04_00-00-00/vaultinfo.dat"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a header");
    damaged.close();

    engine.setRetention(true, 2);
    QCOMPARE(backUp(engine), VaultBackup::Done);
    QThreadPool::globalInstance()->waitForDone();
    QStringList expected = foreign;
    expected << QStringLiteral("2014-11-02_00-00-00") << QStringLiteral("2014-11-04_00-00-00")
             << QStringLiteral("2014-12-01_00-00-00")
             << QStringLiteral("2014-11-20_16-05-09") << QStringLiteral("2014-11-20_17-05-09");
    expected.sort();
    QCOMPARE(entries(perVault()), expected);
    for (const QString &name : foreign)
        QVERIFY(QFileInfo::exists(base + name + QStringLiteral("/inside")));
}

void TestVaultBackup::twoBackupsInOneSecond_data()
{
    QTest::addColumn<bool>("retention");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("retention off")
        << false << QStringList{QStringLiteral("2014-11-20_14-05-09"), QStringLiteral("2014-11-20_14-05-09_2")};
    QTest::newRow("keep 1") << true << QStringList{QStringLiteral("2014-11-20_14-05-09_2")};
}

void TestVaultBackup::twoBackupsInOneSecond()
{
    QFETCH(bool, retention);
    QFETCH(QStringList, left);
    VaultBackup engine;
    engine.setRetention(retention, 1);
    QCOMPARE(backUp(engine), VaultBackup::Done);
    QCOMPARE(backUp(engine), VaultBackup::Done);
    QCOMPARE(engine.backupFolder(), perVault() + QStringLiteral("/2014-11-20_14-05-09_2"));
    QCOMPARE(entries(perVault()), left);
    for (const QString &name : left) {
        TAVKey out = TAVKey::fromHex(QString());
        QCOMPARE(Backup::checkKey(perVault() + QLatin1Char('/') + name, MasterKey::key, out), 0);
        QCOMPARE(files(perVault() + QLatin1Char('/') + name).size(), 6);
    }
}

void TestVaultBackup::progressOfAFolderWithoutFiles()
{
    // Nothing to copy at all: no division by an empty total, and still 100 at the end.
    VaultBackup::Source source = VaultBackup::sourceOf(m_vault);
    source.folder = m_fixture->path(QStringLiteral("no files"));
    QVERIFY(QDir().mkpath(source.folder + QStringLiteral("/00")));
    VaultBackup engine;
    engine.setBackupPath(location());
    QList<int> percents;
    connect(&engine, &VaultBackup::progress, [&](int percent) { percents << percent; });
    QCOMPARE(engine.run(source), VaultBackup::Done);
    QCOMPARE(percents, QList<int>{100});
    QCOMPARE(QDir(engine.backupFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("00"), QStringLiteral("vaultinfo.dat")}));
}

QTEST_GUILESS_MAIN(TestVaultBackup)
#include "tst_vaultbackup.moc"
