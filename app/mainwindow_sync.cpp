// Synchronisation, backup and restore. They come with their own work; until
// then each slot says in the log that it was reached.
#include "mainwindow.h"

#include "tavlogging.h"

void MainWindow::on_actionBackupVault_triggered() { LOG_INFO << "backup vault: not handled yet"; }
void MainWindow::on_actionBackupAllVault_triggered() { LOG_INFO << "backup all vaults: not handled yet"; }
void MainWindow::on_actionRestore_Vault_triggered() { LOG_INFO << "restore: not handled yet"; }
void MainWindow::on_actionAddSyncPeer_triggered() { LOG_INFO << "add sync peer: not handled yet"; }
void MainWindow::backupVaultProgress(qlonglong) { LOG_INFO << "backup progress: not handled yet"; }
void MainWindow::updateRestore() { LOG_INFO << "after restore: not handled yet"; }
void MainWindow::changeSyncIcon(uint) { LOG_INFO << "sync icon: not handled yet"; }
