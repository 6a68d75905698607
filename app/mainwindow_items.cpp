// Vault and item operations, the local browser and the crypto worker's
// feedback. The operations themselves come with their own work; until then
// each slot says in the log that it was reached.
#include "mainwindow.h"

#include "tavcryptothread.h"
#include "tavlogging.h"
#include "tavprogressdialog.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

void notYet(const char *what)
{
    LOG_INFO << what << ": not handled yet";
}

} // namespace

void MainWindow::crypto_progress(int percent)
{
    if (progressDialog && progressDialog->isVisible())
        progressDialog->setItemValue(percent);
}

void MainWindow::crypto_Message(const QString &text)
{
    showMessage(QMessageBox::Warning, windowTitle(), text,
                {QCoreApplication::translate("MainWindowClass", "OK")});
    cryptoError = true;
}

void MainWindow::crypto_AccessDeny_Message(const QString &text)
{
    showMessage(QMessageBox::Warning, windowTitle(), text,
                {QCoreApplication::translate("MainWindowClass", "OK")});
    accessDenied = true;
}

void MainWindow::progress_canceled()
{
    if (!cryptoThread)
        return;
    cryptoThread->stop = true;
    cryptoThread->wait(1000);
}

int MainWindow::finishCryptoJob()
{
    if (!cryptoThread)
        return 2;
    cryptoThread->wait();
    // The worker's last signals may still be queued when its run has ended;
    // delivered now, they belong to this file and not to the next one.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    const int state = cryptoThread->state;
    // A failure stays a failure even if no signal told of it.
    if (state == 2)
        cryptoError = true;
    if (state == 1)
        return 1;
    return state == 2 || cryptoError || accessDenied ? 2 : 0;
}

void MainWindow::on_actionCopyItem_triggered() { notYet("copy"); }
void MainWindow::on_actionCutItem_triggered() { notYet("cut"); }
void MainWindow::on_actionPasteItem_triggered() { notYet("paste"); }
void MainWindow::on_actionMoveItem_triggered() { notYet("move to folder"); }
void MainWindow::on_actionSelectAll_triggered() { notYet("select all"); }
void MainWindow::on_fsDirView_clicked(const QModelIndex &) { notYet("local folder click"); }
void MainWindow::on_fsTreeView_clicked(const QModelIndex &) { notYet("local click"); }
void MainWindow::on_fsTreeView_doubleClicked(const QModelIndex &) { notYet("local open"); }
void MainWindow::on_fsListView_clicked(const QModelIndex &) { notYet("local icon click"); }
void MainWindow::on_fsListView_doubleClicked(const QModelIndex &) { notYet("local icon open"); }
void MainWindow::on_actionLocalRenameItem_triggered() { notYet("local rename"); }
void MainWindow::on_actionLocalDeleteItem_triggered() { notYet("local delete"); }
void MainWindow::on_actionBrowseDesktop_triggered() { notYet("browse desktop"); }
void MainWindow::on_actionBrowseMyDocuments_triggered() { notYet("browse documents"); }
void MainWindow::on_actionBrowseComputer_triggered() { notYet("browse computer"); }
