// Backing up a vault and restoring one from its backups.
#include "mainwindow.h"

#include "restorewizard.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavsearchindex.h"
#include "tavlogging.h"
#include "tavsync.h"
#include "tavvault.h"
#include "vaultbackup.h"
#include "mainwindowform.h"

#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>
#include <QSet>
#include <QStackedWidget>

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

} // namespace

TAVVault *MainWindow::backupTarget(QString *refusal)
{
    TAVItem *item = getParentItem();
    if (!item) {
        // Several items selected: they say which vault when they all lie in one.
        QSet<TAVVault *> vaults;
        for (TAVItem *selected : getSelectedItems())
            vaults.insert(vaultOf(selected));
        if (vaults.size() == 1 && *vaults.begin())
            return *vaults.begin();
        *refusal = tr("The selected items lie in more than one vault. Please select the one vault to back up.");
        return nullptr;
    }
    TAVVault *vault = vaultOf(item);
    if (!vault) {
        LOG_ERROR << "getVault failed";
        *refusal = tr("Please select the vault to back up.");
    }
    return vault;
}

void MainWindow::on_actionBackupVault_triggered()
{
    stopTimeOut();
    runBackup();
    startTimeOut();
}

void MainWindow::on_actionBackupAllVault_triggered()
{
    startTimeOut();
    LOG_DEBUG << "Starting backup....";
    on_actionBackupVault_triggered();
}

void MainWindow::runBackup()
{
    QString refusal;
    TAVVault *vault = backupTarget(&refusal);
    if (!vault) {
        if (!refusal.isEmpty())
            showMessage(QMessageBox::Information, windowTitle(), refusal, {Ui_MainWindowClass::tr("OK")});
        return;
    }

    VaultBackup engine;
    engine.setBackupPath(backupPath);
    engine.setRetention(retentionBackup, numberOfBackups);
    engine.setSyncLock(&sync_running);
    connect(&engine, &VaultBackup::progress, this, &MainWindow::backupVaultProgress);

    QProgressDialog dialog(this, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowTitleHint
                                     | Qt::CustomizeWindowHint);
    dialog.setFixedSize(400, 110);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowTitle(windowTitle());
    dialog.setLabelText(tr("Backing up..."));
    // The copy always runs to its end: a Cancel button would promise otherwise.
    dialog.setCancelButton(nullptr);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setMaximum(100);
    // Shown with the first report: a backup refused before it copies shows only its message.
    backupProgress = &dialog;

    const VaultBackup::Result result = engine.run(VaultBackup::sourceOf(vault));
    backupProgress = nullptr;
    if (dialog.isVisible()) {
        dialog.setValue(100);
        dialog.close();
    }
    showMessage(result == VaultBackup::Done ? QMessageBox::Information : QMessageBox::Warning, windowTitle(),
                engine.message(), {Ui_MainWindowClass::tr("OK")});
}

// The engine reports percentages, 0 to 100, never past it and never divided by an empty total.
void MainWindow::backupVaultProgress(qlonglong percent)
{
    if (!backupProgress)
        return;
    if (!backupProgress->isVisible())
        backupProgress->show();
    backupProgress->setValue(int(qBound<qlonglong>(0, percent, 100)));
    QCoreApplication::processEvents();
}

void MainWindow::on_actionRestore_Vault_triggered()
{
    stopTimeOut();
    if (QDir(backupPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks).isEmpty()) {
        showMessage(QMessageBox::Information, windowTitle(), tr("You don't have any backup file in backup location"),
                    {Ui_MainWindowClass::tr("OK")});
        startTimeOut();
        return;
    }
    auto *wizard = new RestoreWizard(this);
    wizard->setBackupPath(backupPath);
    wizard->setSyncLock(&sync_running);
    wizard->addVaultToCombo();
    connect(wizard, &RestoreWizard::updateRestore, this, &MainWindow::updateRestore);
    connect(wizard, &RestoreWizard::restoreStarting, this, &MainWindow::restoreStarting);
    connect(wizard, &RestoreWizard::restoreFinished, this, &MainWindow::restoreFinished);
    connect(wizard, &RestoreWizard::userAction, this, &MainWindow::startTimeOut);
    restoreWizard = wizard;
    startTimeOut();
    wizard->exec(); // deletes itself when closed
    restoreWizard = nullptr;
    LOG_DEBUG << "Finished restore wizard";
    // A lock that came during the copy left the vaults to the restore.
    if (isScreenLocked())
        unloadVaultsWhileLocked();
    startTimeOut();
}

void MainWindow::updateRestore()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const QString listFile = settingsDir + QStringLiteral("/filesystem.dat");
    if (root->saveToFile(listFile, key) != 0)
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The list of vaults could not be saved to %1.").arg(QDir::toNativeSeparators(listFile)),
                    {Ui_MainWindowClass::tr("OK")});
    updateView(root);
}

void MainWindow::restoreStarting(TAVVault *)
{
    // The vault's items are detached now and deleted when it loads again.
    TAVFileSystem *root = TAVFileSystem::getInstance();
    updateView(root);
    TAVSearchIndex::getInstance()->clear();
    TAVFileSystemTreeModel::getInstance()->setRootItem(root);
}

void MainWindow::restoreFinished(TAVVault *vault)
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    if (vault)
        connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh, Qt::UniqueConnection);
    TAVFileSystemTreeModel::getInstance()->setRootItem(root);
    TAVSearchIndex::getInstance()->clear();
    buildSearchIndex(root);
    updateView(root);
}

void MainWindow::unloadVaultsWhileLocked()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < root->getItemCount(); ++i) {
        auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
        if (vault && vault->isLoaded())
            vault->unload();
    }
    updateView(root);
}
