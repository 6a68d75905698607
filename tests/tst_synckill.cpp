#include "fileutils.h"
#include "scratchfiles.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavkey.h"
#include "tavvault.h"

#include <QtTest>

// A synchronisation ended at every tenth line of its run, as a kill would,
// then the vault loaded again: every body in the vault folder belongs to an
// item of its index, and the next run completes the work.
class TestSyncKill : public QObject
{
    Q_OBJECT
private slots:
    void killedRunLeavesNoBodiesBehind();
};

namespace {

const int kFiles = 150;

// Runs the helper; its printed line, or empty when it was ended.
QByteArray runHelper(const QString &vault, const QString &disk, const TAVKey &key, int killAt)
{
    QProcess helper;
    helper.start(QStringLiteral(KV_HELPER_DIR "/sync_kill"),
                 {vault, disk, key.toHex(), QString::number(killAt)});
    if (!helper.waitForFinished(60000))
        return "did not end";
    for (const QByteArray &line : helper.readAllStandardOutput().split('\n')) {
        if (line.startsWith("lines "))
            return line;
    }
    return helper.exitCode() == 9 ? QByteArray() : "exit " + QByteArray::number(helper.exitCode());
}

// The body files: in the vault folder's two-character sub-folders.
int bodies(const QString &folder)
{
    int count = 0;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().path() != folder && it.fileInfo().dir().dirName().size() == 2)
            ++count;
    }
    return count;
}

// Loads the vault as the next start does: its file items, or -1.
int loadedItems(const QString &folder, const TAVKey &key)
{
    TAVVault vault(nullptr, QStringLiteral("V"), folder, TAV_AES256, key);
    if (vault.load() != 0)
        return -1;
    const int items = vault.getVaultItemCount();
    vault.removeAll();
    return items;
}

} // namespace

void TestSyncKill::killedRunLeavesNoBodiesBehind()
{
    QTemporaryDir dir;
    const QString disk = dir.filePath("disk");
    QVERIFY(QDir().mkpath(disk));
    for (int i = 0; i < kFiles; ++i)
        QVERIFY(writeBytes(disk + QStringLiteral("/f%1.txt").arg(i), QByteArray(100 + i, 'x')));
    const TAVKey key;

    // The whole run, once, for its number of lines.
    const QString whole = dir.filePath("whole");
    const QByteArray done = runHelper(whole, disk, key, 0);
    QVERIFY2(done.startsWith("lines ") && done.endsWith(" result 0"), done.constData());
    const int lines = done.split(' ').at(1).toInt();
    QVERIFY(lines > kFiles);
    QCOMPARE(bodies(whole), kFiles);

    for (int killAt = 2; killAt < lines; killAt += 10) {
        const QString vault = dir.filePath(QStringLiteral("vault-%1").arg(killAt));
        const QByteArray out = runHelper(vault, disk, key, killAt);
        const QByteArray where = "killed at line " + QByteArray::number(killAt);
        QVERIFY2(out.isEmpty(), (where + ": " + out).constData());
        // The next start: what the index does not name is gone.
        const int items = loadedItems(vault, key);
        QVERIFY2(items >= 0, where.constData());
        QVERIFY2(bodies(vault) == items, (where + ": " + QByteArray::number(bodies(vault)) + " bodies for "
                                          + QByteArray::number(items) + " items").constData());
        QVERIFY2(!QFileInfo::exists(vault + "/pending.dat"), where.constData());
        // And the next run completes the work.
        const QByteArray again = runHelper(vault, disk, key, 0);
        QVERIFY2(again.endsWith(" result 0"), (where + ": " + again).constData());
        QCOMPARE(loadedItems(vault, key), kFiles);
        QCOMPARE(bodies(vault), kFiles);
    }
}

QTEST_GUILESS_MAIN(TestSyncKill)
#include "tst_synckill.moc"
