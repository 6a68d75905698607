// Vault and item operations, the local browser and the crypto worker's
// feedback. The operations themselves come with their own work; until then
// each slot says in the log that it was reached.
#include "mainwindow.h"

#include "tavcryptothread.h"
#include "tavitem.h"
#include "tavlogging.h"
#include "tavprogressdialog.h"

namespace {

void notYet(const char *what)
{
    LOG_INFO << what << ": not handled yet";
}

} // namespace

bool MainWindow::canDelete(const QList<TAVItem *> &items)
{
    if (items.isEmpty())
        return false;
    for (TAVItem *item : items)
        if (!item || !item->canDelete())
            return false;
    return true;
}

bool MainWindow::canCopyItems()
{
    const QList<TAVItem *> items = getSelectedItems();
    if (items.isEmpty())
        return false;
    for (TAVItem *item : items)
        if (item->GetClassID() == TAV_CLASS_VAULT || item->GetClassID() == TAV_CLASS_FILESYSTEM)
            return false;
    return true;
}

bool MainWindow::canCutItems()
{
    return canCopyItems();
}

bool MainWindow::canPasteItems()
{
    return false; // the clipboard's item format comes with copy and paste
}

void MainWindow::updateVaultStats(TAVItem *)
{
}

void MainWindow::crypto_progress(int percent)
{
    if (progressDialog && progressDialog->isVisible())
        progressDialog->setItemValue(percent);
}

void MainWindow::crypto_Message(const QString &text)
{
    LOG_ERROR << "crypto worker:" << text;
}

void MainWindow::crypto_AccessDeny_Message(const QString &text)
{
    LOG_ERROR << "crypto worker, access denied:" << text;
}

void MainWindow::progress_canceled()
{
    if (!cryptoThread)
        return;
    cryptoThread->stop = true;
    cryptoThread->wait(1000);
}

void MainWindow::on_actionAdd_Files_triggered() { notYet("add files"); }
void MainWindow::on_actionDecrypt_File_triggered() { notYet("save files to"); }
void MainWindow::on_actionDeleteItem_triggered() { notYet("delete"); }
void MainWindow::on_actionRenameItem_triggered() { notYet("rename"); }
void MainWindow::on_actionNew_Folder_triggered() { notYet("new folder"); }
void MainWindow::on_actionRemove_Folder_triggered() { notYet("remove folder"); }
void MainWindow::on_actionNew_Vault_triggered() { notYet("new vault"); }
void MainWindow::on_actionRemove_Vault_triggered() { notYet("disconnect vault"); }
void MainWindow::on_actionAdd_Existing_Vault_triggered() { notYet("add existing vault"); }
void MainWindow::on_actionCopyItem_triggered() { notYet("copy"); }
void MainWindow::on_actionCutItem_triggered() { notYet("cut"); }
void MainWindow::on_actionPasteItem_triggered() { notYet("paste"); }
void MainWindow::on_actionMoveItem_triggered() { notYet("move to folder"); }
void MainWindow::on_actionSelectAll_triggered() { notYet("select all"); }
void MainWindow::on_treeView_clicked(const QModelIndex &) { notYet("contents click"); }
void MainWindow::on_treeView_doubleClicked(const QModelIndex &) { notYet("contents open"); }
void MainWindow::tavSelectionChanged() { notYet("selection changed"); }
void MainWindow::showContextMenu(const QPoint &) { notYet("contents context menu"); }
void MainWindow::localShowContextMenu(const QPoint &) { notYet("local context menu"); }
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
