// Add Files end to end through the main window, its dialogs answered: a
// folder of many small files and one of a few large ones, into a vault on
// the disk, beside `cp -r` of the same folder followed by `sync`.
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

void makeFolder(const QString &folder, int count, qint64 size)
{
    QDir().mkpath(folder);
    QByteArray block = CryptoVectors::pattern(1 << 20);
    for (int i = 0; i < count; ++i) {
        QFile file(folder + QString("/f%1.bin").arg(i, 5, 10, QChar('0')));
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
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), from, to});
    QProcess::execute(QStringLiteral("sync"), {});
    return seconds(timer);
}

void run(const QString &base, const char *label, int count, qint64 size)
{
    const QString parent = base + "/" + label;
    const QString folder = parent + "/data";
    makeFolder(folder, count, size);
    QProcess::execute(QStringLiteral("sync"), {});

    MainWindow window;
    window.unlocked = true;
    window.showMainPage();
    const QString vaultFolder = base + "/vault-" + label;
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
    const int items = vault->getVaultItemCount();
    const double copied = copyAndSync(folder, base + "/copy-" + label);
    const double mb = double(count) * double(size) / 1e6;
    std::printf("%-22s add: %7.2f s  %9.1f files/s  %7.1f MB/s  items %d  index saves %d  boxes %d\n",
                label, added, count / added, mb / added, items, vault->saves, int(prompter.prompts.size()));
    std::printf("%-22s cp -r + sync: %7.2f s  %9.1f files/s  %7.1f MB/s  (add / copy %.2f)\n", label,
                copied, count / copied, mb / copied, added / copied);
    TAVFileSystem::getInstance()->removeItem(vault);
    destroyItemTree(vault);
    QDir(parent).removeRecursively();
    QDir(vaultFolder).removeRecursively();
    QDir(base + "/copy-" + label).removeRecursively();
}

} // namespace

int main(int argc, char **argv)
{
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
