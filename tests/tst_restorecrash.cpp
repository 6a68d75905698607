// A restore killed at every step of its switch, then the next start: the
// vault is the old one or the restored one, complete, never a mix; the
// peers' sync states never stand beside a restored vault; nothing of the
// restore is left beside the vault folder.
#include "cryptovectors.h"
#include "scratchfiles.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavvault.h"
#include "vaultfixture.h"
#include "vaultrestore.h"

#include <QtTest>

namespace {

using Files = QMap<QString, QByteArray>;

// Every file below a folder, by relative path.
Files filesOf(const QString &folder)
{
    Files files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext()) {
        it.next();
        files.insert(base.relativeFilePath(it.filePath()), fileBytes(it.filePath()));
    }
    return files;
}

void putFiles(const QString &folder, const Files &files)
{
    QDir(folder).removeRecursively();
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QDir().mkpath(QFileInfo(folder + "/" + it.key()).absolutePath());
        writeBytes(folder + "/" + it.key(), it.value());
    }
}

const QString kState = QStringLiteral("0123456789abcdef0123456789abcdef.sync");

} // namespace

class TestRestoreCrash : public QObject
{
    Q_OBJECT
private slots:
    void killedAtEveryStep();
};

void TestRestoreCrash::killedAtEveryStep()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath("vaults/Photos");
    const QString backup = dir.filePath("backup");
    QVERIFY(QDir().mkpath(folder));
    const TAVKey key = CryptoVectors::key();

    // The backup: a vault of two files; then the vault moves on.
    Files oldVault;
    Files backupFiles;
    {
        TAVVault vault(nullptr, "Photos", folder, TAV_AES256, key);
        vault.setLoaded(true);
        VaultFixture fixture;
        const QString plain = fixture.writePlain("a.txt", QByteArray(3000, 'a'));
        vault.addFile(plain)->encrypt(plain);
        const QString plainB = fixture.writePlain("b.txt", QByteArray(2000, 'b'));
        vault.addFile(plainB)->encrypt(plainB);
        QCOMPARE(vault.save(), 0);
        backupFiles = filesOf(folder);
        putFiles(backup, backupFiles);
        vault.deleteItem("a.txt");
        const QString plainC = fixture.writePlain("c.txt", QByteArray(4000, 'c'));
        vault.addFile(plainC)->encrypt(plainC);
        QCOMPARE(vault.save(), 0);
        QThreadPool::globalInstance()->waitForDone();
        vault.removeAll();
    }
    QVERIFY(writeBytes(folder + "/" + kState, "the peer's last state"));
    oldVault = filesOf(folder);
    QVERIFY(oldVault != backupFiles);
    // The restored vault: the backup's files, and the vault's own that the
    // backup lacks (its later body stays, unlisted), without the peer's state.
    Files restored = oldVault;
    restored.remove(kState);
    for (auto it = backupFiles.cbegin(); it != backupFiles.cend(); ++it)
        restored.insert(it.key(), it.value());

    // How many steps a whole run takes.
    auto runHelper = [&](int killAt, QByteArray *out) {
        QProcess helper;
        helper.start(QStringLiteral(KV_HELPER_DIR "/restore_kill"),
                     {folder, backup, key.toHex(), QString::number(killAt)});
        if (!helper.waitForFinished(60000))
            return false;
        // The log shares the output: the result is its own line.
        out->clear();
        for (const QByteArray &line : helper.readAllStandardOutput().split('\n'))
            if (line.startsWith("result "))
                *out = line.mid(7).trimmed();
        return true;
    };
    QByteArray out;
    QVERIFY(runHelper(100000, &out));
    QVERIFY2(out.startsWith("0 "), out.constData());
    const int steps = out.trimmed().split(' ').value(1).toInt();
    QVERIFY(steps >= 5);
    QCOMPARE(filesOf(folder), restored);

    int sawOld = 0;
    int sawNew = 0;
    for (int killAt = 1; killAt <= steps; ++killAt) {
        putFiles(folder, oldVault);
        QVERIFY(runHelper(killAt, &out));
        // The next start.
        VaultRestore::recover(folder);
        const Files now = filesOf(folder);
        const QByteArray where = QByteArray("killed at step ") + QByteArray::number(killAt);
        QVERIFY2(now == oldVault || now == restored, where.constData());
        (now == oldVault ? sawOld : sawNew)++;
        QVERIFY2(!(now == restored && now.contains(kState)), where.constData());
        // Nothing of the restore beside the vault.
        QCOMPARE(QDir(dir.filePath("vaults")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Photos"});
        // And the vault loads with all its bodies.
        TAVVault vault(nullptr, "Photos", folder, TAV_AES256, key);
        QCOMPARE(vault.load(), 0);
        QCOMPARE(VaultFixture::bodies(&vault).size(), now == oldVault ? 2 : 3);
        vault.removeAll();
    }
    QVERIFY(sawOld > 0 && sawNew > 0);
}

QTEST_MAIN(TestRestoreCrash)
#include "tst_restorecrash.moc"
