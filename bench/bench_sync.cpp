// Folder synchronisation of 10,000 files of 4 KiB in 200 folders, next to
// rsync on the same folders in the same run.
//
//   bench_sync [dir]     works in a temporary folder under dir (default the
//                        system's temporary folder), removed after
//
// Each round syncs into a new vault and rsync into a new folder (deleting
// thousands of files between rounds would make the next round's times
// swing), and a copy's time includes a sync of the disks, for both: the
// synchronisation syncs its bodies before its index save; rsync alone
// would leave its copies in the cache. The best round of each is shown.
//
// Ours: TAVSync::syncFolders on a pool thread while this thread serves the
// vault's calls, as the GUI thread does:
//   - first run into an empty vault (every file encrypted in),
//   - a run with nothing to do,
//   - a run after 100 files changed on the disk.
// References (when rsync is installed): `rsync -a` of the same disk folder
// into an empty folder, `rsync -a --dry-run` with nothing to do, and
// `rsync -a` after the same 100 changes. rsync copies plain bytes; ours
// encrypts every one and keeps an index, so the ratios say what that costs.
// Index saves per run are counted: they must not grow with the changes.
#include "clock.h"
#include "tavfilesystem.h"
#include "tavlogging.h"
#include "tavsync.h"
#include "tavvault.h"
#include "utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtConcurrent>

#include <cstdio>
#include <limits>

namespace {

constexpr int kFiles = 10000;
constexpr int kFolders = 200;
constexpr int kFileSize = 4096;
constexpr int kChanged = 100;
constexpr int kRounds = 3;

class CountingVault : public TAVVault
{
public:
    using TAVVault::TAVVault;
    int save() override
    {
        ++saves;
        return TAVVault::save();
    }
    int saves = 0;
};

void writeFile(const QString &path, int seed)
{
    QByteArray bytes(kFileSize, '\0');
    for (int i = 0; i < kFileSize; ++i)
        bytes[i] = char((seed * 31 + i * 7) & 0xff);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Milliseconds of one run, the pool doing the work and this thread serving the vault.
qint64 timedSync(CountingVault *vault, int *saves, int *result)
{
    vault->saves = 0;
    QElapsedTimer timer;
    timer.start();
    const QFuture<int> future = QtConcurrent::run([vault] { return TAVSync::syncFolders(vault); });
    while (!future.isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 ms = timer.elapsed();
    QCoreApplication::processEvents();
    *saves = vault->saves;
    *result = future.result();
    return ms;
}

qint64 timedRsync(const QStringList &args)
{
    QElapsedTimer timer;
    timer.start();
    QProcess rsync;
    rsync.start(QStringLiteral("rsync"), args);
    if (!rsync.waitForFinished(-1) || rsync.exitCode() != 0)
        qFatal("rsync failed");
    return timer.elapsed();
}

void change(const QString &disk)
{
    for (int i = 0; i < kChanged; ++i) {
        const int n = i * (kFiles / kChanged);
        const QString path = QStringLiteral("%1/d%2/f%3").arg(disk).arg(n % kFolders).arg(n);
        writeFile(path, n + 1000000);
        // A later second than the copy in the vault.
        const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(10);
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(later, QFileDevice::FileModificationTime);
    }
}

// Everything written so far reaches the disk: both sides pay for it.
void syncDisks()
{
    QProcess::execute(QStringLiteral("sync"), {});
}

} // namespace

int main(int argc, char **argv)
{
    Clock::settleTimeZone(); // as the program does
    QCoreApplication app(argc, argv);
    TAVLogger::setLogLevel(TAVLogger::Warning);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/bench_sync-XXXXXX"));
    if (!dir.isValid())
        qFatal("no temporary folder");
    const QString disk = dir.filePath(QStringLiteral("disk"));
    for (int d = 0; d < kFolders; ++d)
        QDir().mkpath(QStringLiteral("%1/d%2").arg(disk).arg(d));
    for (int i = 0; i < kFiles; ++i)
        writeFile(QStringLiteral("%1/d%2/f%3").arg(disk).arg(i % kFolders).arg(i), i);
    syncDisks();

    const bool haveRsync = !QStandardPaths::findExecutable(QStringLiteral("rsync")).isEmpty();
    std::printf("bench_sync: %d files of %d bytes in %d folders, %d changed; best of %d rounds, each into new "
                "folders; copies end with a sync of the disks on both sides\n",
                kFiles, kFileSize, kFolders, kChanged, kRounds);
    std::printf("%-28s %10s %8s %12s %10s\n", "run", "ours ms", "saves", "rsync ms", "ratio");

    struct Row
    {
        const char *name;
        bool dryRun;
        qint64 ours = std::numeric_limits<qint64>::max();
        qint64 theirs = std::numeric_limits<qint64>::max();
        int saves = 0;
    };
    Row rows[] = {{"first sync into empty vault", false}, {"no change", true}, {"100 files changed", false}};
    int failures = 0;
    int items = 0;
    for (int round = 0; round < kRounds; ++round) {
        const QString vaultFolder = dir.filePath(QStringLiteral("vault-%1").arg(round));
        const QString mirror = dir.filePath(QStringLiteral("mirror-%1").arg(round));
        QDir().mkpath(vaultFolder);
        QDir().mkpath(mirror);
        auto *vault = new CountingVault(TAVFileSystem::getInstance(), QStringLiteral("Bench%1").arg(round),
                                        vaultFolder, TAV_AES256, TAVKey());
        vault->setLoaded(true);
        TAVFileSystem::getInstance()->addItem(vault);
        vault->save();
        if (TAVSync::addSyncPeer(vault, Utils::getHostName(), disk, QStringLiteral("/")) != 0)
            qFatal("addSyncPeer failed");
        syncDisks();
        for (int r = 0; r < 3; ++r) {
            Row &row = rows[r];
            if (r == 2) {
                change(disk);
                syncDisks();
            }
            int result = 0;
            QElapsedTimer timer;
            timer.start();
            timedSync(vault, &row.saves, &result);
            if (!row.dryRun)
                syncDisks();
            row.ours = qMin(row.ours, timer.elapsed());
            failures += result;
            if (haveRsync) {
                const QString from = disk + QLatin1Char('/');
                timer.restart();
                timedRsync(row.dryRun ? QStringList{QStringLiteral("-a"), QStringLiteral("--dry-run"), from, mirror}
                                      : QStringList{QStringLiteral("-a"), from, mirror});
                if (!row.dryRun)
                    syncDisks();
                row.theirs = qMin(row.theirs, timer.elapsed());
            }
        }
        items = vault->getVaultItemCount();
        TAVFileSystem::getInstance()->removeItem(vault);
    }
    for (const Row &row : rows) {
        if (haveRsync)
            std::printf("%-28s %10lld %8d %12lld %10.2f\n", row.name, row.ours, row.saves, row.theirs,
                        double(row.ours) / double(qMax<qint64>(row.theirs, 1)));
        else
            std::printf("%-28s %10lld %8d %12s %10s\n", row.name, row.ours, row.saves, "-", "-");
    }
    if (!haveRsync)
        std::printf("rsync is not installed: no reference figures\n");
    std::printf("files in the last vault: %d; runs with errors: %d\n", items, failures);
    return failures ? 1 : 0;
}
