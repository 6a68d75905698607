// Synchronisation. It comes with their own work; until
// then each slot says in the log that it was reached.
#include "mainwindow.h"

#include "tavlogging.h"

void MainWindow::on_actionAddSyncPeer_triggered() { LOG_INFO << "add sync peer: not handled yet"; }
void MainWindow::changeSyncIcon(uint) { LOG_INFO << "sync icon: not handled yet"; }
