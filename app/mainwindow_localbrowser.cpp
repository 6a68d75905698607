// The browser of the local disk beside the vaults: the folder tree, the
// listing of one folder, the Desktop, Documents and Computer actions,
// opening a local file in its application, and the listing's own rename and
// delete.
#include "mainwindow.h"
#include "trcontext.h"

#include "fileopener.h"
#include "fileutils.h"
#include "localdirtreeview.h"
#include "localfilesystemmodel.h"
#include "localrename.h"
#include "mainwindowform.h"
#include "productinfo.h"
#include "tavfiledialog.h"
#include "tavlistview.h"
#include "tavlogging.h"
#include "tavtreeview.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QSet>
#include <QStandardPaths>

namespace {


// A name the disk would take as something else than one new name in the
// same folder: a path, the folder itself or its parent, or a name the
// system cuts short at a NUL.
bool isPlainName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) && name != QLatin1String(".")
        && name != QLatin1String("..");
}

// Something stands at the path, a dangling link included.
bool isTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

// ---- The folder tree and the listing ---------------------------------------

void MainWindow::on_fsDirView_clicked(const QModelIndex &index)
{
    if (!index.isValid() || !index.model())
        return;
    stopTimeOut();
    const QFileInfo info = localDirModel->fileInfo(index);
    if (info.exists() && info.isDir()) {
        localFileModel->setRootPath(info.absoluteFilePath());
        syncLocalDirView();
    }
    activeModel = localFileModel;
    ui->fsTreeView->setFocus(Qt::OtherFocusReason);
    ui->treeView->clearSelection();
    ui->listView->clearSelection();
    startTimeOut();
}

void MainWindow::syncLocalDirView()
{
    const QModelIndex index = localDirModel->index(localFileModel->rootPath(), 0);
    if (index.isValid()) {
        ui->fsDirView->expand(index);
        ui->fsDirView->scrollTo(index, QAbstractItemView::EnsureVisible);
        ui->fsDirView->setCurrentIndex(index);
    }
    ui->treeView->clearSelection();
    ui->listView->clearSelection();
}

void MainWindow::onLocalFileSystemChanged(const QString &)
{
    if (localFileModel)
        localFileModel->setRootPath(localFileModel->rootPath());
}

void MainWindow::on_fsTreeView_clicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    stopTimeOut();
    for (QAction *action : {ui->actionDecrypt_File, ui->actionRemove_Vault, ui->actionRemove_Folder,
                            ui->actionRenameItem, ui->actionDeleteItem, ui->actionCopyItem,
                            ui->actionCutItem, ui->actionPasteItem, ui->actionMoveItem})
        action->setEnabled(false);
    ui->treeView->clearSelection();
    ui->listView->clearSelection();

    QModelIndexList selected;
    if (ui->fsTreeView->hasFocus()) {
        selected = ui->fsTreeView->getSelectedModelIndexes();
    } else if (QItemSelectionModel *icons = ui->fsListView->selectionModel()) {
        for (const QModelIndex &at : icons->selectedIndexes())
            if (at.column() == 0)
                selected << at;
    }
    const QString root = localFileModel->rootPath();
    ui->actionLocalDeleteItem->setVisible(!root.isEmpty());
    ui->actionLocalRenameItem->setVisible(!root.isEmpty());
    if (selected.size() >= 2) {
        addAction(ui->actionLocalDeleteItem);
        ui->actionLocalDeleteItem->setEnabled(true);
        ui->actionLocalRenameItem->setEnabled(false);
    } else if (selected.size() == 1) {
        addAction(ui->actionLocalRenameItem);
        addAction(ui->actionLocalDeleteItem);
        ui->actionLocalRenameItem->setEnabled(true);
        ui->actionLocalDeleteItem->setEnabled(true);
    } else if (!root.isEmpty() && canAddFile(QFileInfo(root))) {
        ui->actionNew_Folder->setEnabled(true);
    }
    activeModel = localFileModel;
    startTimeOut();
}

void MainWindow::on_fsListView_clicked(const QModelIndex &index)
{
    on_fsTreeView_clicked(index);
}

void MainWindow::on_fsTreeView_doubleClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    stopTimeOut();
    // Asked anew: the entry may have gone or changed since it was listed.
    const QFileInfo info(localFileModel->fileInfo(index).absoluteFilePath());
    if (localFileModel->fileInfo(index).filePath().isEmpty()) {
        // Not an entry of the listing.
    } else if (info.isDir()) {
        localFileModel->setRootPath(info.absoluteFilePath());
        syncLocalDirView();
    } else if (info.isFile()) {
        const QString path = info.absoluteFilePath();
        setCursor(Qt::WaitCursor);
        // Started with the path as its one argument: no shell reads the name.
        bool opened = FileOpener::instance()->open(path);
        setCursor(Qt::ArrowCursor);
        if (!opened) {
            const int answer = showMessage(
                QMessageBox::Information, windowTitle(),
                tr("There is no default application specified to open the document [%1]").arg(path),
                {QStringLiteral("Choose application..."), MainFormText::tr("Cancel")});
            if (answer == 0) {
                startTimeOut();
                QString program;
                {
                    TAVFileDialog dialog(this, windowTitle(), QStringLiteral("/usr/bin"), QString());
                    dialog.setFileMode(QFileDialog::ExistingFile);
                    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
                    connect(&dialog, &TAVFileDialog::userAction, this, &MainWindow::startTimeOut);
                    if (dialog.exec() == QDialog::Accepted)
                        program = dialog.selectedFiles().value(0);
                }
                if (!program.isEmpty() && !FileOpener::instance()->openWith(program, path))
                    showMessage(QMessageBox::Warning, windowTitle(),
                                tr("%1 could not be started.").arg(program), {MainFormText::tr("OK")});
            }
        }
    }
    activeModel = localFileModel;
    startTimeOut();
}

void MainWindow::on_fsListView_doubleClicked(const QModelIndex &index)
{
    on_fsTreeView_doubleClicked(index);
}

// ---- Browse actions ---------------------------------------------------------

namespace {

QString standardFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    // A location the system names but that is not there lists nothing.
    return QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace

void MainWindow::on_actionBrowseDesktop_triggered()
{
    stopTimeOut();
    setCursor(Qt::WaitCursor);
    const QString folder = standardFolder(QStandardPaths::DesktopLocation);
    if (!folder.isEmpty()) {
        localFileModel->setRootPath(folder);
        ui->fsTreeView->setFocus(Qt::OtherFocusReason);
        syncLocalDirView();
    }
    ui->treeView->clearSelection();
    ui->listView->clearSelection();
    setCursor(Qt::ArrowCursor);
    startTimeOut();
}

void MainWindow::on_actionBrowseMyDocuments_triggered()
{
    stopTimeOut();
    setCursor(Qt::WaitCursor);
    const QString folder = standardFolder(QStandardPaths::DocumentsLocation);
    if (!folder.isEmpty()) {
        localFileModel->setRootPath(folder);
        ui->fsTreeView->setFocus(Qt::OtherFocusReason);
        syncLocalDirView();
    }
    ui->treeView->clearSelection();
    ui->listView->clearSelection();
    setCursor(Qt::ArrowCursor);
    startTimeOut();
}

void MainWindow::on_actionBrowseComputer_triggered()
{
    stopTimeOut();
    setCursor(Qt::WaitCursor);
    localFileModel->setRootPath(QStringLiteral("/"));
    ui->fsDirView->collapseAll();
    ui->fsTreeView->setFocus(Qt::OtherFocusReason);
    ui->treeView->clearSelection();
    ui->listView->clearSelection();
    setCursor(Qt::ArrowCursor);
    startTimeOut();
}

// ---- Rename and delete --------------------------------------------------------

void MainWindow::on_actionLocalRenameItem_triggered()
{
    stopTimeOut();
    // Fixed before the first prompt: the listing may be read again while a
    // prompt is open.
    QList<QFileInfo> items;
    int lastRow = -1;
    for (const QModelIndex &index : ui->fsTreeView->getSelectedModelIndexes()) {
        if (index.column() != 0 || index.row() == lastRow)
            continue;
        lastRow = index.row();
        const QFileInfo info = localFileModel->fileInfo(index);
        if (!info.filePath().isEmpty())
            items << info;
    }

    const QString title = ProductInfo::title();
    const QString ok = MainFormText::tr("OK");
    const QString label = tr("Please enter a new name:                                        ");
    for (const QFileInfo &item : qAsConst(items)) {
        QString name;
        if (!askText(label, &name, false, item.fileName()))
            continue;
        const QString target = item.absolutePath() + QLatin1Char('/') + name;
        if (!name.isEmpty() && !isPlainName(name)) {
            showMessage(QMessageBox::Information, title, tr("The application can not rename a file"), {ok});
            continue;
        }
        if (isTaken(target)) {
            showMessage(QMessageBox::Information, title,
                        tr("An item with the name you specified already exists. Please try again."), {ok});
            continue;
        }
        if (!LocalRename::renameNoReplace(item.absoluteFilePath(), target))
            showMessage(QMessageBox::Information, title, tr("The application can not rename a file"), {ok});
    }
    localFileModel->setRootPath(localFileModel->rootPath());
    startTimeOut();
}

void MainWindow::on_actionLocalDeleteItem_triggered()
{
    stopTimeOut();
    QStringList paths;
    QSet<QString> seen;
    for (const QModelIndex &index : ui->fsTreeView->getSelectedModelIndexes()) {
        if (index.column() != 0)
            continue;
        const QString path = localFileModel->fileInfo(index).absoluteFilePath();
        if (!path.isEmpty() && !seen.contains(path)) {
            seen.insert(path);
            paths << path;
        }
    }

    const QStringList yesNo = {MainFormText::tr(" Yes "), MainFormText::tr(" No ")};
    if (paths.size() == 1) {
        const QFileInfo info(paths.first());
        const QString question = info.isDir()
            ? tr("Are you sure you want to permanently delete this folder?")
            : tr("Are you sure you want to permanently delete this file?");
        // A box closed by the lock (-1) deletes nothing. A link goes alone,
        // never what it points to.
        if (showMessage(QMessageBox::Question, windowTitle(), question, yesNo) == 0)
            FileUtils::remove(paths.first(), false);
    } else {
        const QString question = tr("Are you sure you want to permanently delete these %1 items?")
                                     .arg(paths.size());
        if (showMessage(QMessageBox::Question, windowTitle(), question, yesNo) == 0)
            FileUtils::remove(paths, false);
    }
    localFileModel->setRootPath(localFileModel->rootPath());
    startTimeOut();
}
