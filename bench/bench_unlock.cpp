// Unlock and lock of the main window with one vault of 100,000 items: the
// vault list and the index read, the views and the search index built; then
// the lock, which unloads it all again.
#include "fixeddrivelocator.h"
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

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    QDir().mkpath(dir.filePath("tmp"));
    const QString drive = dir.filePath("drive") + QLatin1Char('/');
    QDir().mkpath(drive);
    FixedDriveLocator drives;
    drives.plug(USBStick(QStringLiteral("SER1"), drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    TAVStickManager::update();
    MainWindow::setProgramPath(drive + QStringLiteral("KolvaneVave.app/kolvanevave"));
    SilentPrompter prompter;
    Prompter::setInstance(&prompter);

    const int kItems = 100000;
    const int kPerFolder = 500;
    VaultLayout vault{QStringLiteral("Big"), drive + QStringLiteral("Big"), {}, false};
    for (int i = 0; i < kItems; ++i)
        vault.items << QStringLiteral("Folder %1/Document number %2.pdf").arg(i / kPerFolder).arg(i);
    const QString password = QStringLiteral("bench password");
    if (!layOutUsedDrive(drive, password, {vault})) {
        std::fprintf(stderr, "the drive could not be laid out\n");
        return 1;
    }

    MainWindow window;
    const int kRuns = 5;
    QList<qint64> unlockMs, lockMs;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        window.ui->ledPassword->setText(password);
        timer.start();
        window.on_ledPassword_returnPressed();
        unlockMs << timer.elapsed();
        auto *big = qobject_cast<TAVVault *>(TAVFileSystem::getInstance()->getItem(QStringLiteral("Big")));
        if (window.isScreenLocked() || !big || !big->isLoaded()
            || TAVSearchIndex::getInstance()->searchItems(QStringLiteral("document number 9999")).size() != 11) {
            std::fprintf(stderr, "the unlock did not load the vault\n");
            return 1;
        }
        timer.restart();
        window.on_actionLock_triggered();
        lockMs << timer.elapsed();
        QCoreApplication::processEvents();
    }
    const auto median = [](QList<qint64> v) {
        std::sort(v.begin(), v.end());
        return v.at(v.size() / 2);
    };
    std::printf("unlock, one vault of %d items (first run reads the vault list): first %lld ms, "
                "median of %d %lld ms (target < 1000 ms)\n",
                kItems, unlockMs.first(), kRuns, median(unlockMs));
    std::printf("lock, unloading it again: median of %d %lld ms (target < 500 ms)\n", kRuns,
                median(lockMs));
    Prompter::setInstance(nullptr);
    return 0;
}
