// Add Files end to end through the main window, its dialogs answered: a
// folder of many small files (in 100 sub-folders) and one of a few large
// ones, into a vault on the disk, beside `cp -r` of the same folder followed
// by `sync`. The work folder is removed at the end, not between rounds.
#include "clock.h"
#include "cryptovectors.h"
#include "filedialoganswer.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scriptedprompter.h"
#include "tavfilesystem.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "treetestutils.h"
#include "usbstick.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

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

// `count` files of `size` bytes, spread over up to 100 sub-folders as a
// user's documents are.
void makeFolder(const QString &folder, int count, qint64 size)
{
    const int folders = qBound(1, count / 100, 100);
    QByteArray block = CryptoVectors::pattern(1 << 20);
    for (int i = 0; i < count; ++i) {
        const QString sub = folder + QString("/d%1").arg(i % folders, 3, 10, QChar('0'));
        QDir().mkpath(sub);
        QFile file(sub + QString("/f%1.bin").arg(i, 5, 10, QChar('0')));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        for (qint64 left = size; left > 0; left -= block.size())
            file.write(block.constData(), qMin<qint64>(left, block.size()));
    }
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

double copyAndSync(const QString &from, const QString &to)
{
    QElapsedTimer timer;
    timer.start();
    // A copy that failed (a full disk) would be a time of nothing.
    if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), from, to}) != 0)
        qFatal("cp -r %s failed", qPrintable(from));
    QProcess::execute(QStringLiteral("sync"), {});
    return seconds(timer);
}

constexpr int kRounds = 3;

// The add of one folder into a new vault; its seconds.
double addOnce(const QString &base, const QString &parent, const QString &label, int round, int count)
{
    MainWindow window;
    window.unlocked = true;
    window.showMainPage();
    const QString vaultFolder = QString("%1/vault-%2-%3").arg(base, label).arg(round);
    QDir().mkpath(vaultFolder);
    auto *vault = new CountingVault(TAVFileSystem::getInstance(), QString("Bench"), vaultFolder,
                                    TAV_AES256, CryptoVectors::key());
    vault->setLoaded(true);
    TAVFileSystem::getInstance()->addItem(vault);
    window.updateView(vault);

    ScriptedPrompter prompter; // the wipe question: closed, originals kept
    ModalAnswerer answers(60000);
    answers.act(FileDialogAnswer::select(parent, {"data"}));
    QElapsedTimer timer;
    timer.start();
    window.ui->actionAdd_Files->trigger();
    const double added = seconds(timer);
    if (!answers.ok())
        qFatal("%s", qPrintable(answers.errorString()));
    if (vault->getVaultItemCount() != count || vault->saves != 1 || prompter.prompts.size() != 1)
        qFatal("the add did not go as planned: %d items, %d saves, %d boxes", vault->getVaultItemCount(),
               vault->saves, int(prompter.prompts.size()));
    TAVFileSystem::getInstance()->removeItem(vault);
    destroyItemTree(vault);
    return added;
}

// Each round adds into a new vault and copies into a new folder: deleting
// many files between rounds makes the next round's times swing. The best
// round of each is shown.
void run(const QString &base, const char *label, int count, qint64 size)
{
    const QString parent = base + "/" + label;
    const QString folder = parent + "/data";
    makeFolder(folder, count, size);
    QProcess::execute(QStringLiteral("sync"), {});
    double added = 1e9;
    double copied = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        added = qMin(added, addOnce(base, parent, label, round, count));
        copied = qMin(copied, copyAndSync(folder, QString("%1/copy-%2-%3").arg(base, label).arg(round)));
    }
    const double mb = double(count) * double(size) / 1e6;
    std::printf("%-22s add: %7.2f s  %9.1f files/s  %7.1f MB/s  (best of %d)\n", label, added, count / added,
                mb / added, kRounds);
    std::printf("%-22s cp -r + sync: %7.2f s  %9.1f files/s  %7.1f MB/s  (add / copy %.2f)\n", label,
                copied, count / copied, mb / copied, added / copied);
}

} // namespace

int main(int argc, char **argv)
{
    Clock::settleTimeZone(); // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // On the disk, not a memory file system: /var/tmp unless KV_BENCH_DIR says.
    const QString root = qEnvironmentVariableIsEmpty("KV_BENCH_DIR") ? QStringLiteral("/var/tmp")
                                                                    : qEnvironmentVariable("KV_BENCH_DIR");
    QTemporaryDir base(root + "/bench_addfiles-XXXXXX");
    if (!base.isValid())
        qFatal("no work folder under %s", qPrintable(root));
    const QString drive = base.filePath("drive") + "/";
    QDir().mkpath(drive + "KolvaneVave Settings");
    QFile config(drive + "KolvaneVave Settings/config.dat");
    config.open(QIODevice::WriteOnly);
    config.close();
    FixedDriveLocator drives;
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
    std::printf("work folder %s\n", qPrintable(base.path()));

    // KV_BENCH_FILES and KV_BENCH_MIB make the two folders smaller for a quick look.
    const int small = qEnvironmentVariableIsSet("KV_BENCH_FILES") ? qEnvironmentVariableIntValue("KV_BENCH_FILES")
                                                                   : 10000;
    const qint64 mib = qEnvironmentVariableIsSet("KV_BENCH_MIB") ? qEnvironmentVariableIntValue("KV_BENCH_MIB") : 100;
    const QByteArray smallLabel = QStringLiteral("%1 x 4 KiB").arg(small).toLatin1();
    const QByteArray bigLabel = QStringLiteral("10 x %1 MiB").arg(mib).toLatin1();
    run(base.path(), smallLabel.constData(), small, 4096);
    if (mib > 0)
        run(base.path(), bigLabel.constData(), 10, mib << 20);
    return 0;
}
