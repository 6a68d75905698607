// Backup of a vault folder of 1 GiB in 1,000 body files, next to `cp -r` of
// the same folder followed by `sync` in the same run.
//
//   bench_backup [dir]     works in a temporary folder under dir (default
//                          the system's temporary folder), removed after
//
// Ours: VaultBackup::run, the whole backup as the user starts it: the copy,
// the sync of the copied files, the header committed last and read back.
// Reference: `cp -r` of the vault folder, then `sync`. Every figure is the
// best wall time of three runs, taken in turns with the other's, each after a
// sync(), so none pays for writing back the one before; the copies are
// removed between runs.
#include "masterkey.h"
#include "vaultbackup.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

constexpr int kFiles = 1000;
constexpr qint64 kTotal = qint64(1) << 30;
constexpr int kRounds = 3;

bool writeVault(const QString &folder)
{
    QByteArray chunk(int(kTotal / kFiles), Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char((i * 131 + i / 251) & 0xff);
    for (int f = 0; f < kFiles; ++f) {
        const QString name = QUuid::createUuid().toString(QUuid::Id128);
        const QString sub = folder + QLatin1Char('/') + name.left(2);
        if (!QDir().mkpath(sub))
            return false;
        QFile out(sub + QLatin1Char('/') + name);
        chunk[0] = char(f);
        if (!out.open(QIODevice::WriteOnly) || out.write(chunk) != chunk.size())
            return false;
    }
    QFile index(folder + QStringLiteral("/index.dat"));
    return index.open(QIODevice::WriteOnly) && index.write(QByteArray(4096, 'i')) == 4096;
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
    if (!writeVault(vault))
        return 1;

    MasterKey::key = TAVKey(QStringLiteral("bench master"));
    VaultBackup::Source source;
    source.folder = vault;
    source.id = QUuid::createUuid();
    source.name = QStringLiteral("Bench");
    source.size = quint64(kTotal);
    source.fileCount = kFiles;
    source.key = TAVKey();

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

    std::printf("backup (VaultBackup::run)   %7.3f s  %7.1f MiB/s\n", ours, (kTotal >> 20) / ours);
    std::printf("cp -r, then sync            %7.3f s  %7.1f MiB/s\n", reference, (kTotal >> 20) / reference);
    std::printf("ratio backup / cp+sync      %7.2f  (target 1.30 or less)\n", ours / reference);
    return 0;
}
