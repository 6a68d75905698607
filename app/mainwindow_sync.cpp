// Synchronisation from the window: adding a sync peer, Synchronize, the
// pending-change scans after unlock with their badge, and stopping the runs
// at lock. The runs go to the global thread pool; the engine applies their
// changes to the vaults on this thread, so nothing here ever waits for one.
#include "mainwindow.h"

#include "mainwindowform.h"
#include "tavfiledialog.h"
#include "tavfilesystem.h"
#include "tavlogging.h"
#include "tavsync.h"
#include "tavsyncprogressdialog.h"
#include "tavvault.h"
#include "utils.h"

#include <QAction>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QPointer>
#include <QThread>
#include <QtConcurrent>

namespace {

// lupdate does not see texts passed through here: write
// Ui_MainWindowClass::tr("...") instead.
[[maybe_unused]] QString trMain(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

TAVVault *vaultOf(TAVItem *item)
{
    TAVItem *vault = nullptr;
    if (!item || item->getVault(&vault) != 0)
        return nullptr;
    return qobject_cast<TAVVault *>(vault);
}

QList<TAVVault *> allVaults()
{
    QList<TAVVault *> vaults;
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < root->getItemCount(); ++i) {
        if (auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i)))
            vaults << vault;
    }
    return vaults;
}

} // namespace


void MainWindow::changeSyncIcon(uint total)
{
    Utils::setSynchronizeIcon(ui->actionSynchronize, total);
}

void MainWindow::updateSyncActions()
{
    TAVVault *vault = vaultOf(getCurrentItem());
    const bool ready = vault && vault->isLoaded();
    ui->actionSynchronize->setEnabled(ready);
    ui->actionAddSyncPeer->setEnabled(ready);
}

void MainWindow::protectSyncFolders()
{
    // No peer may be, hold or lie in a folder the program keeps its own
    // files in: a synchronisation would copy them or delete them.
    QStringList folders{settingsDir, backupPath, tempPath};
    for (TAVVault *vault : allVaults())
        folders << vault->getFullPhysicalVaultPath();
    folders.removeAll(QString());
    TAVSync::setProtectedFolders(folders);
}

void MainWindow::startSyncScans()
{
    protectSyncFolders();
    ++syncScanGeneration;
    syncCounts.clear();
    changeSyncIcon(0);
    for (TAVVault *vault : allVaults()) {
        if (vault->isLoaded() && QDir(vault->getFullPhysicalVaultPath()).exists())
            syncScans << QtConcurrent::run(syncScanTask(vault));
    }
}

void MainWindow::cancelSyncRuns()
{
    TAVSync::cancelRuns();
    // A scan hands its work on the vault to this thread, so events go on
    // while it ends; one that only starts now is cancelled by the next pass.
    for (const QFuture<void> &scan : qAsConst(syncScans)) {
        while (!scan.isFinished()) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
            TAVSync::cancelRuns();
        }
    }
    syncScans.clear();
    // Runs started from a dialog end at their next change as well.
    while (!TAVSync::waitForRuns(10)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        TAVSync::cancelRuns();
    }
    // Counts of scans cut off now no longer reach the badge.
    ++syncScanGeneration;
    syncCounts.clear();
}

std::function<void()> MainWindow::syncScanTask(TAVVault *vault)
{
    const QPointer<MainWindow> window(this);
    const int generation = syncScanGeneration;
    syncCounts.insert(vault, 0);
    return [window, vault, generation] {
        // The scan sends one count per peer of this host, on this thread;
        // the badge shows the sum over every peer of every vault.
        uint total = 0;
        QThread *self = QThread::currentThread();
        {
            QObject receiver;
            QObject::connect(
                vault, &TAVVault::itemSyncScan, &receiver,
                [&total, self](uint count) {
                    if (QThread::currentThread() == self)
                        total += count;
                },
                Qt::DirectConnection);
            TAVSync::scanVault(vault);
        }
        QCoreApplication *app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [window, vault, generation, total] {
                if (!window || generation != window->syncScanGeneration)
                    return;
                window->syncCounts.insert(vault, total);
                window->showSyncCount();
            },
            Qt::QueuedConnection);
    };
}

void MainWindow::showSyncCount()
{
    uint total = 0;
    for (TAVVault *vault : allVaults()) {
        if (vault->isLoaded())
            total += syncCounts.value(vault);
    }
    changeSyncIcon(total);
}

void MainWindow::synchronizeVault(TAVVault *vault, QWidget *parent)
{
    if (!vault || !vault->isLoaded()) {
        LOG_ERROR << "synchronize: the vault is not loaded";
        return;
    }
    protectSyncFolders();
    TAVSyncProgressDialog dialog(parent ? parent : this);
    dialog.setMessenger([this](QMessageBox::Icon icon, const QString &title, const QString &text,
                               const QStringList &buttons) { return showMessage(icon, title, text, buttons); });
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &TAVDialog::userAction, this, &MainWindow::startTimeOut);
    // Counted again once the run has ended, so the badge tells what is left.
    dialog.startSync(vault, syncScanTask(vault));
    dialog.exec();
}

void MainWindow::on_actionSynchronize_triggered()
{
    stopTimeOut();
    TAVVault *vault = vaultOf(getCurrentItem());
    if (vault && vault->isLoaded())
        synchronizeVault(vault);
    else
        LOG_ERROR << "synchronize: no loaded vault";
    startTimeOut();
}

void MainWindow::on_actionAddSyncPeer_triggered()
{
    stopTimeOut();
    addSyncPeer();
    startTimeOut();
}

void MainWindow::addSyncPeer()
{
    TAVItem *item = getCurrentItem();
    // A file stands for the folder it lies in: a peer pairs folders.
    if (item && item->GetClassID() == TAV_CLASS_FILE)
        item = item->GetParent();
    TAVVault *vault = vaultOf(item);
    if (!vault) {
        LOG_ERROR << "failed to get vault";
        return;
    }
    if (!vault->isLoaded()) {
        LOG_ERROR << "add sync peer: the vault is not loaded";
        return;
    }
    const QString displayPath = item->GetFullDisplayPath();
    const int slash = displayPath.indexOf(QLatin1Char('/'));
    const QString vaultFolder = slash < 0 ? QStringLiteral("/") : displayPath.mid(slash);

    TAVFileDialog picker(this, tr("Please choose a folder to synchronise this folder with:"), QStringLiteral("/"),
                         QString());
    picker.setFileMode(QFileDialog::Directory);
    // The toolkit's own dialog stays: it reports activity and closes at lock.
    picker.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks
                      | QFileDialog::DontUseNativeDialog);
    connect(&picker, &TAVFileDialog::userAction, this, &MainWindow::startTimeOut);
    connect(this, &MainWindow::appLocked, &picker, &QDialog::reject);
    const QString host = Utils::getHostName();
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty())
        return;
    const QString diskFolder = picker.selectedFiles().first();

    protectSyncFolders();
    const int result = TAVSync::addSyncPeer(vault, host, diskFolder, vaultFolder);
    if (result != TAVSync::PeerOk) {
        qDebug() << "addSyncPeer failed" << result;
        showMessage(QMessageBox::Warning, windowTitle(), TAVSync::addSyncPeerMessage(result), {Ui_MainWindowClass::tr("OK")});
        return;
    }
    LOG_DEBUG << "start sync";
    synchronizeVault(vault);
}
