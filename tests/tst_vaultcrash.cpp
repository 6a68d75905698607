#include "tavexception.h"
#include "tavfilesystem.h"
#include "tavvault.h"
#include "vaulttree.h"
#include "vaultvectors.h"

#include <QtTest>

#include <csignal>

// A process saving a vault index and the vault list over and over is
// killed at random moments; after each kill both files load, with the
// content of one save or another, never an error and never a mix.
class TestVaultCrash : public QObject
{
    Q_OBJECT
private slots:
    void killedWhileSavingLeavesWholeFiles();
};

namespace {

struct Contents
{
    QStringList tree;
    TAVFileSystemEntryList list;
};

// What the saving process writes for a seed, made here the same way; the
// list is also saved to listCopy for the process to copy from.
Contents contentsFor(int seed, const QString &folder, const QString &listCopy)
{
    Contents contents;
    TAVVault vault(nullptr, QStringLiteral("Crash"), folder, TAV_AES256, VaultVectors::vaultKey());
    VaultTree::fill(&vault, VaultTree::crashTestFiles(seed), seed);
    contents.tree = VaultTree::describe(&vault);
    vault.removeAll();

    TAVFileSystem *root = TAVFileSystem::getInstance();
    VaultTree::listVaults(root, VaultTree::crashTestVaults(seed), seed, folder);
    contents.list = root->getVaultList();
    if (root->saveToFile(listCopy, VaultVectors::masterKey()) != 0)
        contents.list.clear();
    root->removeAll();
    while (!root->getVaultList().isEmpty())
        root->removeVaultItem(root->getVaultList().first().name);
    return contents;
}

int leftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.tmp")}, QDir::Files).size();
}

} // namespace

void TestVaultCrash::killedWhileSavingLeavesWholeFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("Crash"));
    QVERIFY(QDir().mkpath(folder));
    const QString listFile = dir.filePath(QStringLiteral("filesystem.dat"));
    const QString listCopies[2] = {dir.filePath(QStringLiteral("seed1.lst")), dir.filePath(QStringLiteral("seed2.lst"))};
    const Contents first = contentsFor(1, folder, listCopies[0]);
    const Contents second = contentsFor(2, folder, listCopies[1]);
    QVERIFY(!first.list.isEmpty() && !second.list.isEmpty());

    // The files as the saving process finds them at its first start.
    {
        TAVVault vault(nullptr, QStringLiteral("Crash"), folder, TAV_AES256, VaultVectors::vaultKey());
        vault.setLoaded(true);
        VaultTree::fill(&vault, VaultTree::crashTestFiles(1), 1);
        QCOMPARE(vault.save(), 0);
        vault.removeAll();
        TAVFileSystem *root = TAVFileSystem::getInstance();
        VaultTree::listVaults(root, VaultTree::crashTestVaults(1), 1, folder);
        QCOMPARE(root->saveToFile(listFile, VaultVectors::masterKey()), 0);
        root->removeAll();
    }

    // How many kills land inside a save depends on how fast the machine's
    // disk is against its processor: kill on until enough have, within a
    // time budget.
    int kills = 0;
    int midSave = 0;
    int secondContents = 0;
    QRandomGenerator random(20240611);
    QElapsedTimer budget;
    budget.start();
    for (int kill = 0; (kill < 200 || midSave < 20) && kill < 1000 && budget.elapsed() < 150000; ++kill) {
        ++kills;
        QProcess saver;
        saver.start(QStringLiteral(KV_HELPER_DIR "/vault_save_loop"), {folder, listFile, listCopies[0], listCopies[1]});
        QVERIFY2(saver.waitForReadyRead(10000), "the saving process did not start");
        QVERIFY2(saver.readAll().startsWith("saving"), "the saving process found damaged files");
        QThread::usleep(random.bounded(40000));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(10000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        const int left = leftovers(folder) + leftovers(dir.path());

        TAVVault vault(nullptr, QStringLiteral("Crash"), folder, TAV_AES256, VaultVectors::vaultKey());
        try {
            QCOMPARE(vault.load(), 0);
        } catch (const TAVException &e) {
            QFAIL(qPrintable(QStringLiteral("kill %1: the index is damaged: %2").arg(kill).arg(e.what())));
        }
        const QStringList tree = VaultTree::describe(&vault);
        vault.removeAll();
        QVERIFY2(tree == first.tree || tree == second.tree, qPrintable(QStringLiteral("kill %1: index").arg(kill)));

        TAVFileSystem *root = TAVFileSystem::getInstance();
        QCOMPARE(root->readVaultFile(listFile, VaultVectors::masterKey()), 0);
        const TAVFileSystemEntryList list = root->getVaultList();
        QVERIFY2(list == first.list || list == second.list, qPrintable(QStringLiteral("kill %1: list").arg(kill)));

        // Loading the index and the list removed what the killed save left.
        QCOMPARE(leftovers(folder) + leftovers(dir.path()), 0);

        secondContents += tree == second.tree ? 1 : 0;
        midSave += left > 0 ? 1 : 0;
    }
    qInfo("%d kills: %d in the middle of a save, %d left the second contents", kills, midSave, secondContents);
    // Kills that never met a save would prove nothing.
    QVERIFY(midSave >= 10);
    QVERIFY(secondContents > 0 && secondContents < kills);
}

QTEST_GUILESS_MAIN(TestVaultCrash)
#include "tst_vaultcrash.moc"
