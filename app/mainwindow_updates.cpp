// The update check, its settings, the download and the options. They come
// with their own work; until then each slot says in the log that it was reached.
#include "mainwindow.h"

#include "tavlogging.h"

void MainWindow::autoUpdate() { LOG_INFO << "update request: not handled yet"; }
void MainWindow::on_actionCheckUpdate_triggered() { LOG_INFO << "update configuration: not handled yet"; }
void MainWindow::on_actionOptions_triggered() { LOG_INFO << "options: not handled yet"; }
void MainWindow::SaveResetConfirmDelete() { resetConfirmDelete = true; }
void MainWindow::downloadAndInstallUpdate() { LOG_INFO << "update download: not handled yet"; }
void MainWindow::startDownloadUpdate(const QUrl &) { LOG_INFO << "update download start: not handled yet"; }
void MainWindow::downloadProgress(qlonglong, qlonglong) { LOG_INFO << "download progress: not handled yet"; }
void MainWindow::downloadReadyRead() { LOG_INFO << "download data: not handled yet"; }
void MainWindow::cancelDownload() { LOG_INFO << "download cancel: not handled yet"; }
void MainWindow::downloadFinished() { LOG_INFO << "download finished: not handled yet"; }
