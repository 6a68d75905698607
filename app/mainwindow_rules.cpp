// Which item actions the selection allows, the context menus of the two file
// panes, the click in the contents views and the vault statistics line.
#include "mainwindow.h"

#include "fileutils.h"
#include "mainwindowform.h"
#include "platformutils.h"
#include "tavassert.h"
#include "tavfilesystemmodel.h"
#include "tavlistview.h"
#include "tavlogging.h"
#include "tavtreeview.h"
#include "tavvault.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
#include <QTextCodec>

namespace {

const QString copyFormat = QStringLiteral("application/x-qt-windows-mime;value='Copy'");
const QString cutFormat = QStringLiteral("application/x-qt-windows-mime;value='Cut'");

bool isVaultOrRoot(const TAVItem *item)
{
    return item->GetClassID() == TAV_CLASS_VAULT || item->GetClassID() == TAV_CLASS_FILESYSTEM;
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

bool MainWindow::canDecrypt(const QList<TAVItem *> &items)
{
    if (items.isEmpty())
        return false;
    for (TAVItem *item : items)
        if (!item || isVaultOrRoot(item))
            return false;
    return true;
}

bool MainWindow::canCopyItems()
{
    return canDecrypt(getSelectedItems());
}

bool MainWindow::canCutItems()
{
    return canCopyItems();
}

bool MainWindow::canPasteItems()
{
    // Items copied under one cipher are not pasted into a vault of another.
    if (clipboardCipher != vaultCipher)
        return false;
    const QMimeData *data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data)
        return false;
    const QString format = data->hasFormat(copyFormat) ? copyFormat
        : data->hasFormat(cutFormat)                   ? cutFormat
                                                       : QString();
    if (format.isEmpty())
        return false;
    TAVItem *current = getCurrentItem();
    if (!current || current->GetClassID() == TAV_CLASS_FILE
        || current->GetClassID() == TAV_CLASS_FILESYSTEM)
        return false;

    const QString target = current->GetFullPath();
    QTextCodec *codec = QTextCodec::codecForName("UTF-16");
    const QString text = codec ? codec->toUnicode(data->data(format)) : QString();
    for (const QString &path : text.split(QLatin1Char('|'))) {
        // Not into itself, its own subtree or the container it is in.
        const int slash = path.lastIndexOf(QLatin1Char('/'));
        const QString parentPath = slash < 0 ? path : path.left(slash);
        if (target == path || target.startsWith(path + QLatin1Char('/')) || target == parentPath)
            return false;
    }
    return true;
}

void MainWindow::showContextMenu(const QPoint &pos)
{
    stopTimeOut();
    QMenu menu;
    menu.addAction(ui->actionCopyItem);
    menu.addAction(ui->actionCutItem);
    menu.addAction(ui->actionPasteItem);
    menu.addAction(ui->actionMoveItem);
    menu.addSeparator();
    menu.addAction(ui->actionOpenInFinder);
    menu.addAction(ui->actionBackupVault);
    menu.addAction(ui->actionAdd_Files);
    menu.addAction(ui->actionAddSyncPeer);
    menu.addAction(ui->actionDecrypt_File);
    menu.addSeparator();
    menu.addAction(ui->actionNew_Folder);
    menu.addSeparator();
    menu.addAction(ui->actionRenameItem);
    menu.addSeparator();
    menu.addAction(ui->actionDeleteItem);
    menu.addAction(ui->actionRemove_Folder);
    menu.addAction(ui->actionRemove_Vault);
    // A vault is disconnected, never deleted, from here: its Delete goes
    // until the next view refresh.
    const QList<TAVItem *> selected = getSelectedItems();
    if (!selected.isEmpty())
        ui->actionDeleteItem->setVisible(!selected.first()->GetParentPath().isEmpty());
    menu.addAction(ui->actionVaultProperty);
    QWidget *view = ui->tavViewStackedWidget->currentIndex() == 0
        ? static_cast<QWidget *>(ui->treeView)
        : static_cast<QWidget *>(ui->listView);
    menu.exec(view->mapToGlobal(pos));
    startTimeOut();
}

void MainWindow::localShowContextMenu(const QPoint &pos)
{
    stopTimeOut();
    QMenu menu;
    menu.addAction(ui->actionLocalRenameItem);
    menu.addAction(ui->actionLocalDeleteItem);
    menu.exec(ui->fsTreeView->mapToGlobal(pos));
    startTimeOut();
}

void MainWindow::tavSelectionChanged()
{
    on_treeView_clicked(ui->treeView->selectionModel()
                            ? ui->treeView->selectionModel()->currentIndex()
                            : QModelIndex());
}

void MainWindow::on_listView_clicked(const QModelIndex &index)
{
    on_treeView_clicked(index);
}

void MainWindow::on_treeView_clicked(const QModelIndex &)
{
    stopTimeOut();
    for (QAction *action : {ui->actionDecrypt_File, ui->actionRemove_Vault, ui->actionRemove_Folder,
                            ui->actionRenameItem, ui->actionDeleteItem, ui->actionCopyItem,
                            ui->actionCutItem, ui->actionPasteItem, ui->actionMoveItem})
        action->setEnabled(false);
    ui->actionCopyItem->setEnabled(canCopyItems());
    ui->actionCutItem->setEnabled(canCutItems());
    ui->actionPasteItem->setEnabled(canPasteItems());
    ui->actionMoveItem->setEnabled(ui->actionCutItem->isEnabled());
    if (ui->fsTreeView->selectionModel())
        ui->fsTreeView->selectionModel()->clearSelection();

    const QList<TAVItem *> selected = ui->tavViewStackedWidget->currentIndex() == 0
        ? ui->treeView->getSelectedTAVItems()
        : ui->listView->getSelectedTAVItems();
    TAVItemContainer *shown = tavModel->rootItem();
    const bool shownIsRoot = !shown || shown->GetClassID() == TAV_CLASS_FILESYSTEM;

    if (selected.isEmpty()) {
        const bool files = shown && shown->canAddFile();
        const bool folders = shown && shown->canAddFolder();
        ui->actionNew_Folder->setEnabled(folders);
        ui->actionAdd_Files->setEnabled(files);
        ui->actionVaultProperty->setEnabled(files);
        ui->actionBackupVault->setEnabled(folders);
        ui->actionBackupAllVault->setEnabled(folders);
        ui->actionOpenInFinder->setVisible(false);
        ui->lblStatusText->setVisible(files);
        ui->lblStatusIcon->setVisible(files);
    } else if (selected.size() > 1) {
        const bool contents = ui->treeView->model()
            && ui->treeView->model()->objectName() == QLatin1String("TAVFileSystemModel");
        ui->actionDecrypt_File->setEnabled(contents ? !shownIsRoot : canDecrypt(selected));
        ui->actionDeleteItem->setEnabled(canDelete(selected));
        for (QAction *action : {ui->actionNew_Folder, ui->actionAdd_Files, ui->actionVaultProperty,
                                ui->actionBackupVault, ui->actionBackupAllVault})
            action->setEnabled(false);
        ui->actionOpenInFinder->setVisible(false);
    } else {
        TAVItem *item = selected.first();
        const int kind = item->GetClassID();
        const bool isVault = kind == TAV_CLASS_VAULT;
        ui->actionDecrypt_File->setEnabled(!isVault
                                           && (kind == TAV_CLASS_FILE || kind == TAV_CLASS_FOLDER));
        ui->actionRemove_Folder->setEnabled(!isVault && kind == TAV_CLASS_FOLDER);
        ui->actionDeleteItem->setEnabled(item->canDelete());
        removeAction(ui->actionLocalRenameItem);
        removeAction(ui->actionLocalDeleteItem);
        ui->actionNew_Folder->setEnabled(item->canAddFolder());
        ui->actionAdd_Files->setEnabled(item->canAddFile());
        ui->actionVaultProperty->setEnabled(isVault);
        if (!shownIsRoot) {
            ui->actionNew_Folder->setEnabled(shown->canAddFolder());
            ui->actionAdd_Files->setEnabled(shown->canAddFile());
            ui->actionVaultProperty->setEnabled(isVault || shown->canAddFile());
        }
        ui->actionBackupVault->setEnabled(true);
        ui->actionBackupAllVault->setEnabled(true);
        if (isVault) {
            auto *vault = static_cast<TAVVault *>(item);
            ui->actionRemove_Vault->setEnabled(item->canDelete());
            ui->actionRenameItem->setEnabled(vault->isLoaded());
            ui->actionOpenInFinder->setVisible(true);
            ui->actionOpenInFinder->setEnabled(vault->hasFUSEAvailable());
            updateVaultStats(item);
            ui->actionDeleteItem->setVisible(false);
        } else {
            ui->actionRenameItem->setEnabled(kind != TAV_CLASS_FILESYSTEM);
            ui->actionOpenInFinder->setVisible(false);
            ui->actionVaultProperty->setEnabled(false);
        }
    }
    activeModel = tavModel;
    startTimeOut();
}

void MainWindow::updateVaultStats(TAVItem *item)
{
    if (!item)
        __tavassert("mainwindow", __LINE__, "updateVaultStats", "container");
    TAVItem *found = nullptr;
    if (item->getVault(&found) != 0) {
        LOG_ERROR << "getVault failed";
        return;
    }
    auto *vault = static_cast<TAVVault *>(found);
    if (!vault->isLoaded() || ui->centralStackedWidget->currentIndex() == 0) {
        ui->lblStatusText->hide();
        ui->lblStatusIcon->hide();
        return;
    }

    QString text = vault->GetDisplayName()
        + tr(", Vault Protection: %1").arg(TAVCipherProps(vault->getCipher()).toString())
        + QLatin1Char('\n');
    const QString folder = vault->getFullPhysicalVaultPath();
    const quint64 used = vault->GetCurrentSize();
    const quint64 total = totalDiskSpace ? totalDiskSpace(folder) : PlatformUtils::getTotalDisk(folder);
    if (total != 0)
        text += tr("Size") + QStringLiteral(": ") + FileUtils::FileSizeToString(used)
            + QStringLiteral(" / ") + FileUtils::FileSizeToString(total);
    double share = 0;
    int precision = 2;
    if (total != 0 && used != 0) {
        // Single precision, as the figure has always been computed.
        const double ratio = double(float(used) / float(total));
        share = ratio * 100;
        precision = ratio <= 0.001 ? 3 : 2;
    }
    text += tr(" (%1% used)").arg(share, 0, 'f', precision);
    text += tr(" (%1 items)").arg(vault->getVaultItemCount());
    ui->lblStatusText->setText(text);
    ui->lblStatusText->show();
    ui->lblStatusIcon->show();
}
