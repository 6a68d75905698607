// Unlock and lock of the main window with one vault of 100,000 items: the
// vault list and the index read, the views and the search index built; then
// the lock, which unloads it all again.
#include "clock.h"
#include "fixeddrivelocator.h"
#include "largepages.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "prompter.h"
#include "tavfilesystem.h"
#include "tavsearchindex.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "useddrive.h"
#include "usbstick.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Answers every box at once, so that a run never waits on the screen.
class SilentPrompter : public Prompter
{
public:
    QMessageBox::StandardButton ask(QMessageBox::Icon, const QString &, const QString &,
                                    QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton defaultButton) override
    {
        return defaultButton;
    }
    int choose(QMessageBox *box) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(box->text()));
        return -1;
    }
};


// Resident memory of this process now and at its peak, in KiB.
qint64 statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void setUpDrive(const QString &drive, FixedDriveLocator *drives)
{
    drives->plug(USBStick(QStringLiteral("SER1"), drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(drives);
    MainWindow::setUsbDrives(drives);
    TAVStickManager::update();
    MainWindow::setProgramPath(drive + QStringLiteral("KolvaneVave.app/kolvanevave"));
}

const int kItems = 100000;
const QString kPassword = QStringLiteral("bench password");

// One unlock and lock in this process, started fresh: prints
// "<unlock ms> <lock ms> <resident before KiB> <resident after unlock KiB> <peak KiB>".
int runOnce(const QString &drive)
{
    FixedDriveLocator drives;
    setUpDrive(drive, &drives);
    SilentPrompter prompter;
    Prompter::setInstance(&prompter);
    MainWindow window;
    QCoreApplication::processEvents();
    const qint64 before = statusKiB("VmRSS:");
    QElapsedTimer timer;
    window.ui->ledPassword->setText(kPassword);
    timer.start();
    window.on_ledPassword_returnPressed();
    const qint64 unlockMs = timer.elapsed();
    const qint64 after = statusKiB("VmRSS:");
    auto *big = qobject_cast<TAVVault *>(TAVFileSystem::getInstance()->getItem(QStringLiteral("Big")));
    if (window.isScreenLocked() || !big || !big->isLoaded() || big->getVaultItemCount() != kItems
        || TAVSearchIndex::getInstance()->searchItems(QStringLiteral("document number 9999")).size() != 11) {
        std::fprintf(stderr, "the unlock did not load the vault\n");
        return 1;
    }
    timer.restart();
    window.on_actionLock_triggered();
    const qint64 lockMs = timer.elapsed();
    std::printf("%lld %lld %lld %lld %lld\n", unlockMs, lockMs, before, after, statusKiB("VmHWM:"));
    std::fflush(stdout);
    Prompter::setInstance(nullptr);
    return 0;
}

} // namespace

// Lays the drive out once, then unlocks it in a fresh process per round, as
// a user starting the program does (a warm process would hide the cost of
// first use: allocation, pages, caches).
int main(int argc, char **argv)
{
    // As the program does.
    LargePages::requestForHeap();
    Clock::settleTimeZone();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 3 && qstrcmp(argv[1], "--once") == 0)
        return runOnce(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir dir;
    // KV_BENCH_KEEP=1 keeps the drive, to profile one "--once" run of it.
    if (qEnvironmentVariableIntValue("KV_BENCH_KEEP") == 1) {
        dir.setAutoRemove(false);
        std::fprintf(stderr, "the drive is kept in %s\n", qPrintable(dir.path()));
    }
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    QDir().mkpath(dir.filePath("tmp"));
    const QString drive = dir.filePath("drive") + QLatin1Char('/');
    QDir().mkpath(drive);
    {
        FixedDriveLocator drives;
        setUpDrive(drive, &drives);
        const int kPerFolder = 500;
        VaultLayout vault{QStringLiteral("Big"), drive + QStringLiteral("Big"), {}, false};
        for (int i = 0; i < kItems; ++i)
            vault.items << QStringLiteral("Folder %1/Document number %2.pdf").arg(i / kPerFolder).arg(i);
        if (!layOutUsedDrive(drive, kPassword, {vault})) {
            std::fprintf(stderr, "the drive could not be laid out\n");
            return 1;
        }
    }

    const int kRuns = 5;
    QList<qint64> unlockMs, lockMs, grown, peak;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once"), drive});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            std::fprintf(stderr, "the unlock process failed\n");
            return 1;
        }
        QList<QByteArray> figures;
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.trimmed().split(' ');
            if (parts.size() == 5)
                figures = parts;
        }
        if (figures.isEmpty()) {
            std::fprintf(stderr, "the unlock process printed no figures\n");
            return 1;
        }
        unlockMs << figures.at(0).toLongLong();
        lockMs << figures.at(1).toLongLong();
        grown << (figures.at(3).toLongLong() - figures.at(2).toLongLong());
        peak << figures.at(4).toLongLong();
    }
    const auto median = [](QList<qint64> v) {
        std::sort(v.begin(), v.end());
        return v.at(v.size() / 2);
    };
    std::printf("unlock, one vault of %d items, fresh process each round: median of %d %lld ms (min %lld)\n",
                kItems, kRuns, median(unlockMs), *std::min_element(unlockMs.cbegin(), unlockMs.cend()));
    // Both units: a limit given in MB may mean either.
    std::printf("resident memory the unlock added: median %.1f MiB (%.1f MB); peak of the process %.1f MiB\n",
                median(grown) / 1024.0, median(grown) * 1024 / 1e6, median(peak) / 1024.0);
    std::printf("lock, unloading it again: median of %d %lld ms\n", kRuns, median(lockMs));
    return 0;
}
