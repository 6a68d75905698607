// Showing a container, keeping the action states, the folder tree and the
// name index in step, saving what changed, navigation and view modes.
#include "mainwindow.h"

#include "tavexception.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavlistview.h"
#include "tavlogging.h"
#include "tavsearchindex.h"
#include "tavsearchmodel.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "mainwindowform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>

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

void MainWindow::updateView(TAVItemContainer *container)
{
    showFileSystemView();
    tavModel->setRootItem(container);
    TAVItemContainer *shown = tavModel->rootItem();
    if (!shown)
        shown = TAVFileSystem::getInstance();

    ui->actionDecrypt_File->setEnabled(false);
    ui->actionAdd_Files->setEnabled(shown->canAddFile());
    ui->actionRemove_Vault->setEnabled(false);
    ui->actionNew_Folder->setEnabled(shown->canAddFolder());
    ui->actionVaultProperty->setEnabled(shown->canAddFolder());
    ui->actionRemove_Folder->setEnabled(false);
    for (QAction *action : {ui->actionNew_Vault, ui->actionOptions, ui->actionAdd_Existing_Vault,
                            ui->actionChange_Password, ui->actionSelectAll, ui->actionLock})
        action->setEnabled(unlocked);
    ui->actionBackupVault->setVisible(unlocked);
    ui->actionBackupAllVault->setVisible(unlocked);
    ui->actionRestore_Vault->setVisible(unlocked);
    ui->actionBackupAllVault->setEnabled(shown->canAddFolder());

    const QList<TAVItem *> selected = getSelectedItems();
    ui->actionRenameItem->setEnabled(selected.size() == 1
                                     && selected.first()->GetClassID() != TAV_CLASS_FILESYSTEM);
    ui->actionDeleteItem->setEnabled(!selected.isEmpty() && canDelete(selected));
    ui->actionDeleteItem->setVisible(unlocked);
    ui->actionRemove_Vault->setEnabled(selected.size() == 1
                                       && selected.first()->GetClassID() == TAV_CLASS_VAULT);
    ui->actionCopyItem->setEnabled(canCopyItems());
    ui->actionCutItem->setEnabled(canCutItems());
    ui->actionPasteItem->setEnabled(canPasteItems());
    ui->actionMoveHome->setEnabled(shown->GetClassID() != TAV_CLASS_FILESYSTEM);
    ui->actionMoveItem->setEnabled(ui->actionCutItem->isEnabled());
    ui->actionMoveBack->setEnabled(historyIndex > 0);
    ui->actionMoveForward->setEnabled(historyIndex < history.size());

    updateSyncActions();
    if (shown->GetClassID() != TAV_CLASS_FILESYSTEM)
        updateVaultStats(shown);
    if (ui->actionDetails->isChecked())
        on_actionDetails_triggered();
    ui->treeView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::warnSaveFailed(const QString &text)
{
    LOG_ERROR << text;
    showMessage(QMessageBox::Warning, windowTitle(), text, {Ui_MainWindowClass::tr("OK")});
}

void MainWindow::onFileSystemChanged(TAVItemContainer *changed)
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    if (changed && changed->GetClassID() == TAV_CLASS_FILESYSTEM) {
        const QString listFile = settingsDir + QStringLiteral("/filesystem.dat");
        // A change that is not on the drive must not pass unnoticed: the user
        // is told once for the list and once per vault whose index stayed old.
        if (root->saveToFile(listFile, key) != 0)
            warnSaveFailed(tr("The list of vaults could not be saved to %1.")
                               .arg(QDir::toNativeSeparators(listFile)));
        for (int i = 0; i < root->getItemCount(); ++i) {
            auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
            if (vault && vault->isLoaded() && QDir(vault->getFullPhysicalVaultPath()).exists()
                && vault->save() != 0)
                warnSaveFailed(tr("The index of the vault %1 could not be saved.")
                                   .arg(vault->GetDisplayName()));
        }
        ChangeDefaultView();
        TAVFileSystemTreeModel::getInstance()->setRootItem(root);
        TAVSearchIndex::getInstance()->clear();
        if (unlocked)
            buildSearchIndex(root);
        else
            indexVaultsOnly(); // a job that ran on past a lock
        return;
    }

    bool listModeForRefresh = false;
    if (ui->actionThumbnail->isChecked() && ui->listView->viewMode() == QListView::IconMode) {
        ui->listView->setViewMode(QListView::ListMode);
        listModeForRefresh = true;
    }
    TAVVault *vault = vaultOf(changed);
    if (vault && vault->isLoaded() && QDir(vault->getFullPhysicalVaultPath()).exists()
        && vault->save() != 0)
        warnSaveFailed(tr("The index of the vault %1 could not be saved.")
                           .arg(vault->GetDisplayName()));
    TAVFileSystemTreeModel::getInstance()->setRootItem(root);
    if (listModeForRefresh)
        ui->listView->setViewMode(QListView::IconMode);
    TAVSearchIndex::getInstance()->clear();
    if (unlocked)
        buildSearchIndex(root);
    else
        indexVaultsOnly(); // a job that ran on past a lock
}

void MainWindow::syncDirView()
{
    QAbstractItemModel *model = ui->dirView->model();
    if (!model)
        return;
    TAVItemContainer *shown = tavModel->rootItem();
    const QString path = shown ? shown->GetFullPath() : TAVFileSystem::getInstance()->GetFullPath();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex found = findDirViewItem(model->index(row, 0), path);
        if (found.isValid()) {
            ui->dirView->expand(found);
            ui->dirView->scrollTo(found, QAbstractItemView::EnsureVisible);
            ui->dirView->setCurrentIndex(found);
            return;
        }
    }
}

QModelIndex MainWindow::findDirViewItem(const QModelIndex &index, const QString &path) const
{
    if (!index.isValid())
        return QModelIndex();
    TAVItem *item = TAVFileSystemTreeModel::getInstance()->itemFromIndex(index);
    if (!item || item->GetClassID() == TAV_CLASS_FILE)
        return QModelIndex();
    if (item->GetFullPath() == path)
        return index;
    auto *container = qobject_cast<TAVItemContainer *>(item);
    if (!container)
        return QModelIndex();
    const QAbstractItemModel *model = index.model();
    for (int row = 0; row < container->getContainerItemCount(); ++row) {
        const QModelIndex found = findDirViewItem(model->index(row, 0, index), path);
        if (found.isValid() && TAVFileSystemTreeModel::getInstance()->itemFromIndex(found))
            return found;
    }
    return QModelIndex();
}

void MainWindow::onCrytoWorkerCompleted()
{
    // Only after a lock that came during the job: the unload it put off.
    if (ui->centralStackedWidget->currentIndex() != 0 || unlocked || busy)
        return;
    TAVFileSystem *root = TAVFileSystem::getInstance();
    unloadVaults();
    // The next unlock reads the vault list again.
    root->removeAll();
    updateView(root);
    indexVaultsOnly();
}

namespace {

void indexTree(TAVItem *item)
{
    if (!item)
        return;
    if (item->GetClassID() != TAV_CLASS_FILESYSTEM)
        TAVSearchIndex::getInstance()->addItem(item);
    if (item->GetClassID() == TAV_CLASS_FILE)
        return;
    auto *container = qobject_cast<TAVItemContainer *>(item);
    if (!container)
        return;
    for (int i = 0; i < container->getItemCount(); ++i)
        indexTree(container->getItemAt(i));
}

} // namespace

void MainWindow::buildSearchIndex(TAVItem *item) const
{
    indexTree(item);
    TAVSearchIndex::getInstance()->squeeze();
}

QList<TAVItem *> MainWindow::getSelectedItems()
{
    if (ui->dirView->hasFocus())
        return ui->dirView->getSelectedTAVItems();
    if (ui->tavViewStackedWidget->currentIndex() != 0)
        return ui->listView->getSelectedTAVItems();
    return ui->treeView->getSelectedTAVItems();
}

TAVItem *MainWindow::getCurrentItem()
{
    TAVItem *shown = tavModel->rootItem();
    if (ui->dirView->hasFocus())
        return shown;
    const QList<TAVItem *> selected = getSelectedItems();
    return selected.size() == 1 ? selected.first() : shown;
}

TAVItem *MainWindow::getParentItem()
{
    TAVItem *shown = tavModel->rootItem();
    if (ui->dirView->hasFocus())
        return shown;
    const QList<TAVItem *> selected = getSelectedItems();
    if (selected.isEmpty())
        return shown;
    if (selected.size() > 1)
        return nullptr;
    TAVItem *item = selected.first();
    return item->GetClassID() == TAV_CLASS_FILE ? item->GetParent() : item;
}

bool MainWindow::canMoveHome()
{
    TAVItemContainer *shown = tavModel->rootItem();
    return shown && shown->GetClassID() != TAV_CLASS_FILESYSTEM;
}

void MainWindow::showFileSystemView()
{
    QAbstractItemModel *model = ui->treeView->model();
    if (!model || model->objectName() == QLatin1String("TAVFileSystemModel"))
        return;
    ui->treeView->setModel(tavModel);
    ui->listView->setModel(tavModel);
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(ui->treeView),
                                    static_cast<QAbstractItemView *>(ui->listView)}) {
        view->setDragEnabled(true);
        view->setAcceptDrops(true);
    }
    connect(ui->treeView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::tavSelectionChanged, Qt::UniqueConnection);
    connect(ui->listView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::tavSelectionChanged, Qt::UniqueConnection);
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(ui->treeView),
                                    static_cast<QAbstractItemView *>(ui->listView)})
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &MainWindow::updateSyncActions, Qt::UniqueConnection);
    updateView(tavModel->rootItem());
}

void MainWindow::on_actionThumbnail_triggered()
{
    stopTimeOut();
    ui->actionThumbnail->setChecked(true);
    ui->actionDetails->setChecked(false);
    ui->actionList->setChecked(false);
    tavModel->setNameWrapped(true);
    if (ui->tavViewStackedWidget->currentIndex() == 0) {
        ui->tavViewStackedWidget->setCurrentIndex(1);
        const QModelIndex current = ui->treeView->currentIndex();
        if (current.isValid() && tavModel->itemFromIndex(current) != tavModel->rootItem())
            ui->listView->setCurrentIndex(current);
    }
    ui->listView->setSpacing(10);
    ui->listView->setResizeMode(QListView::Adjust);
    ui->listView->setMovement(QListView::Free);
    ui->listView->setIconSize(QSize(48, 48));
    ui->listView->setViewMode(QListView::IconMode);
    startTimeOut();
}

void MainWindow::on_actionDetails_triggered()
{
    stopTimeOut();
    ui->actionDetails->setChecked(true);
    ui->actionList->setChecked(false);
    ui->actionThumbnail->setChecked(false);
    tavModel->setNameWrapped(false);
    TAVItemContainer *shown = tavModel->rootItem();
    if (!shown || shown->GetFullPath().isEmpty()) {
        // The list of vaults is always shown as icons; Details stays chosen
        // for the levels below.
        on_actionThumbnail_triggered();
        ui->actionDetails->setChecked(true);
        ui->actionList->setChecked(false);
        ui->actionThumbnail->setChecked(false);
    } else if (ui->tavViewStackedWidget->currentIndex() == 1) {
        ui->tavViewStackedWidget->setCurrentIndex(0);
        const QModelIndex current = ui->listView->currentIndex();
        if (current.isValid() && tavModel->itemFromIndex(current) != shown)
            ui->treeView->setCurrentIndex(current);
    }
    startTimeOut();
}

void MainWindow::on_actionList_triggered()
{
    stopTimeOut();
    ui->actionList->setChecked(true);
    ui->actionDetails->setChecked(false);
    ui->actionThumbnail->setChecked(false);
    tavModel->setNameWrapped(false);
    TAVItemContainer *shown = tavModel->rootItem();
    if (!shown || shown->GetFullPath().isEmpty()) {
        on_actionThumbnail_triggered();
        ui->actionDetails->setChecked(false);
        ui->actionList->setChecked(true);
        ui->actionThumbnail->setChecked(false);
        startTimeOut();
        return;
    }
    if (ui->tavViewStackedWidget->currentIndex() == 0) {
        ui->tavViewStackedWidget->setCurrentIndex(1);
        const QModelIndex current = ui->treeView->currentIndex();
        if (current.isValid() && tavModel->itemFromIndex(current) != shown)
            ui->listView->setCurrentIndex(current);
    }
    ui->listView->setSpacing(0);
    ui->listView->setResizeMode(QListView::Fixed);
    ui->listView->setMovement(QListView::Snap);
    ui->listView->setIconSize(QSize(16, 16));
    ui->listView->setViewMode(QListView::ListMode);
    startTimeOut();
}

void MainWindow::ChangeDefaultView()
{
    const bool details = ui->actionDetails->isChecked();
    const bool list = ui->actionList->isChecked();
    on_actionThumbnail_triggered();
    if (details) {
        ui->actionDetails->setChecked(true);
        ui->actionThumbnail->setChecked(false);
        ui->actionList->setChecked(false);
    }
    if (list) {
        ui->actionDetails->setChecked(false);
        ui->actionThumbnail->setChecked(false);
        ui->actionList->setChecked(true);
    }
    ui->lblStatusText->setText(QString());
    ui->lblStatusIcon->hide();
}

void MainWindow::showHeaderContextMenu(const QPoint &pos)
{
    QMenu menu;
    menu.addAction(actionShowType);
    menu.addAction(actionShowDateModified);
    menu.addAction(actionShowDateCreated);
    menu.addAction(actionShowOriginalSize);
    menu.exec(ui->treeView->header()->mapToGlobal(pos));
}

void MainWindow::showColumn(int column, QAction *action)
{
    ui->treeView->setColumnHidden(column, !action->isChecked());
    if (action->isChecked())
        ui->treeView->resizeColumnToContents(column);
}

void MainWindow::on_actionShowName_triggered() { showColumn(0, actionShowName); }
void MainWindow::on_actionShowType_triggered() { showColumn(1, actionShowType); }
void MainWindow::on_actionShowDateModified_triggered() { showColumn(2, actionShowDateModified); }
void MainWindow::on_actionShowDateCreated_triggered() { showColumn(3, actionShowDateCreated); }
void MainWindow::on_actionShowOriginalSize_triggered() { showColumn(4, actionShowOriginalSize); }

void MainWindow::enterHistory(TAVItemContainer *container)
{
    if (!container)
        return;
    const QString path = container->GetFullDisplayPath();
    if (history.isEmpty() || history.last() != path)
        history.append(path);
    historyIndex = history.size();
}

void MainWindow::restoreViewMode(bool listWasChecked)
{
    if (ui->actionDetails->isChecked()) {
        on_actionDetails_triggered();
        ui->actionDetails->setChecked(true);
        ui->actionThumbnail->setChecked(false);
        ui->actionList->setChecked(false);
    }
    if (listWasChecked) {
        on_actionList_triggered();
        ui->actionDetails->setChecked(false);
        ui->actionThumbnail->setChecked(false);
        ui->actionList->setChecked(true);
    }
}

void MainWindow::on_actionMoveHome_triggered()
{
    stopTimeOut();
    ChangeDefaultView();
    updateView(TAVFileSystem::getInstance());
    syncDirView();
    startTimeOut();
}

void MainWindow::on_actionMoveBack_triggered()
{
    stopTimeOut();
    if (historyIndex > 0) {
        --historyIndex;
        TAVItem *item = TAVFileSystem::getInstance()->findItemByPath(history.at(historyIndex));
        auto *parent = item ? qobject_cast<TAVItemContainer *>(item->GetParent()) : nullptr;
        if (parent) {
            const bool list = ui->actionList->isChecked();
            showFileSystemView();
            updateView(parent);
            if (parent->GetFullDisplayPath().isEmpty())
                ChangeDefaultView();
            else
                restoreViewMode(list);
        }
    }
    startTimeOut();
}

void MainWindow::on_actionMoveForward_triggered()
{
    stopTimeOut();
    if (historyIndex < history.size()) {
        TAVItem *item = TAVFileSystem::getInstance()->findItemByPath(history.at(historyIndex));
        if (auto *container = qobject_cast<TAVItemContainer *>(item)) {
            ++historyIndex;
            const bool list = ui->actionList->isChecked();
            showFileSystemView();
            updateView(container);
            restoreViewMode(list);
        }
    }
    startTimeOut();
}

void MainWindow::qSearchLed_textChanged(const QString &text)
{
    stopTimeOut();
    if (!text.isEmpty()) {
        TAVSearchModel *results = TAVSearchModel::getInstance(this);
        results->setItemList(TAVSearchIndex::getInstance()->searchItems(text));
        ui->treeView->setModel(results);
        ui->listView->setModel(results);
        for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(ui->treeView),
                                        static_cast<QAbstractItemView *>(ui->listView)}) {
            view->setDragEnabled(false);
            view->setAcceptDrops(false);
        }
        ui->actionAdd_Files->setEnabled(false);
        ui->actionNew_Folder->setEnabled(false);
        ui->actionAdd_Existing_Vault->setEnabled(false);
    } else {
        showFileSystemView();
        ui->qSearchLed->setFocus(Qt::OtherFocusReason);
    }
    ui->treeView->setColumnWidth(0, 250);
    startTimeOut();
}

void MainWindow::on_dirView_clicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    stopTimeOut();
    TAVItem *item = TAVFileSystemTreeModel::getInstance()->itemFromIndex(index);
    if (auto *vault = qobject_cast<TAVVault *>(item)) {
        if (!vault->isLoaded()) {
            TAVSearchIndex::getInstance()->clear();
            try {
                if (vault->load() == 0)
                    connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh,
                            Qt::UniqueConnection);
            } catch (const TAVException &e) {
                showMessage(QMessageBox::Warning, windowTitle(),
                            Ui_MainWindowClass::tr("This vault could not be loaded, it may be located on another "
                                   "computer or the original vault file has been manually removed. "
                                   "The error is: %1")
                                .arg(QString::fromUtf8(e.what())),
                            {Ui_MainWindowClass::tr("OK")});
            }
            buildSearchIndex(TAVFileSystem::getInstance());
        }
        if (vault->isLoaded())
            updateView(vault);
    } else if (auto *container = qobject_cast<TAVItemContainer *>(item)) {
        updateView(container);
    }
    activeModel = tavModel;
    startTimeOut();
}

void MainWindow::resetDirView()
{
    TAVFileSystemTreeModel::getInstance()->setRootItem(TAVFileSystem::getInstance());
}

void MainWindow::onModelSorted()
{
    resetDirView();
    syncDirView();
}

void MainWindow::showDirViewContextMenu(const QPoint &pos)
{
    stopTimeOut();
    QMenu menu;
    menu.addAction(ui->actionCopyItem);
    menu.addAction(ui->actionCutItem);
    menu.addAction(ui->actionPasteItem);
    menu.addSeparator();
    menu.addAction(ui->actionNew_Folder);
    menu.addAction(ui->actionRenameItem);
    menu.addAction(ui->actionMoveItem);
    menu.addAction(ui->actionDeleteItem);
    menu.exec(ui->dirView->mapToGlobal(pos));
    startTimeOut();
}
