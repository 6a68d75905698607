// Backup of a vault folder of 1 GiB in 1,000 body files, and the restore of
// that backup over the vault, each next to `cp -r` of the same folder
// followed by `sync` in the same run.
//
//   bench_backup [dir]     works in a temporary folder under dir (default
//                          the system's temporary folder), removed after
//
// Ours: VaultBackup::run, the whole backup as the user starts it: the copy,
// the sync of the copied files, the header committed last and read back.
// Restore: VaultRestore::run, the staged restore over the loaded vault: the
// copy into the staging folder and its sync, the check of the index and of
// every body, the files renamed into place, the vault loaded again.
// Reference: `cp -r` of the vault folder, then `sync`. Every figure is the
// best wall time of three runs, taken in turns with the other's, each after a
// sync(), so none pays for writing back the one before; the copies are
// removed between runs.
#include "masterkey.h"
#include "tavfile.h"
#include "tavvault.h"
#include "vaultbackup.h"
#include "vaultrestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

constexpr int kFiles = 1000;
constexpr qint64 kTotal = qint64(1) << 30;
constexpr int kRounds = 3;

// A real vault: an index under `key` listing kFiles file items, each with a
// body of kTotal / kFiles bytes (the bytes are not enciphered: only the
// restore's check of the index and of the bodies' presence reads them).
bool writeVault(TAVVault *vault)
{
    QByteArray chunk(int(kTotal / kFiles), Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char((i * 131 + i / 251) & 0xff);
    vault->setLoaded(true);
    for (int f = 0; f < kFiles; ++f) {
        TAVFile *file = vault->addFile();
        file->SetName(QStringLiteral("file%1.bin").arg(f));
        file->SetOriginalSize(quint64(chunk.size()));
        file->SetCurrentSize(quint64(chunk.size()));
        const QString body = file->getFullPhysicalFileName();
        if (!QDir().mkpath(QFileInfo(body).absolutePath()))
            return false;
        QFile out(body);
        chunk[0] = char(f);
        if (!out.open(QIODevice::WriteOnly) || out.write(chunk) != chunk.size())
            return false;
    }
    return vault->saveVaultVersion() == 0 && vault->save() == 0;
}

bool run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

// One timed run after a sync(); `clear` removes what it made, outside the timing.
double timed(const std::function<bool()> &work, const std::function<void()> &clear)
{
    ::sync();
    QElapsedTimer timer;
    timer.start();
    if (!work()) {
        std::fprintf(stderr, "run failed\n");
        std::exit(1);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    clear();
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QTemporaryDir dir(base + QStringLiteral("/bench_backup-XXXXXX"));
    if (!dir.isValid())
        return 1;
    const QString vault = dir.filePath(QStringLiteral("vault"));
    const QString backups = dir.filePath(QStringLiteral("backups"));
    const QString copy = dir.filePath(QStringLiteral("copy"));
    std::printf("writing %d files, %lld MiB in all, under %s\n", kFiles, kTotal >> 20, qPrintable(dir.path()));
    QDir().mkpath(vault);
    MasterKey::key = TAVKey(QStringLiteral("bench master"));
    TAVVault bench(nullptr, QStringLiteral("Bench"), vault, TAV_AES256, TAVKey());
    if (!writeVault(&bench))
        return 1;
    const VaultBackup::Source source = VaultBackup::sourceOf(&bench);

    const auto ourRun = [&] {
        VaultBackup engine;
        engine.setBackupPath(backups);
        return engine.run(source) == VaultBackup::Done;
    };
    const auto referenceRun = [&] {
        return run(QStringLiteral("cp"), {QStringLiteral("-r"), vault, copy}) && run(QStringLiteral("sync"), {});
    };
    // Taken in turns, so a busy spell of the machine falls on both alike.
    double ours = 1e9;
    double reference = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        ours = qMin(ours, timed(ourRun, [&] { QDir(backups).removeRecursively(); }));
        reference = qMin(reference, timed(referenceRun, [&] { QDir(copy).removeRecursively(); }));
    }

    // One backup to restore from, kept through the restore rounds.
    VaultBackup keeper;
    keeper.setBackupPath(backups);
    if (keeper.run(source) != VaultBackup::Done)
        return 1;
    const QString backupFolder = keeper.backupFolder();
    const auto restoreRun = [&] {
        VaultRestore restore;
        return restore.run(&bench, backupFolder, bench.getKey()) == VaultRestore::Restored;
    };
    const auto backupCopyRun = [&] {
        return run(QStringLiteral("cp"), {QStringLiteral("-r"), backupFolder, copy}) && run(QStringLiteral("sync"), {});
    };
    double restore = 1e9;
    double restoreReference = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        // The files the restore replaced go in the background: waited for outside the timing.
        restore = qMin(restore, timed(restoreRun, [] { QThreadPool::globalInstance()->waitForDone(); }));
        restoreReference = qMin(restoreReference, timed(backupCopyRun, [&] { QDir(copy).removeRecursively(); }));
    }
    bench.removeAll();

    std::printf("backup (VaultBackup::run)   %7.3f s  %7.1f MiB/s\n", ours, (kTotal >> 20) / ours);
    std::printf("cp -r, then sync            %7.3f s  %7.1f MiB/s\n", reference, (kTotal >> 20) / reference);
    std::printf("ratio backup / cp+sync      %7.2f  (target 1.30 or less)\n", ours / reference);
    std::printf("restore (VaultRestore::run) %7.3f s  %7.1f MiB/s\n", restore, (kTotal >> 20) / restore);
    std::printf("cp -r of the backup, sync   %7.3f s  %7.1f MiB/s\n", restoreReference,
                (kTotal >> 20) / restoreReference);
    std::printf("ratio restore / cp+sync     %7.2f  (target 1.30 or less)\n", restore / restoreReference);
    return 0;
}
