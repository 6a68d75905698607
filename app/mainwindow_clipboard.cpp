// Copy, cut and paste of vault items through the clipboard, Move Item to a
// folder the user picks, and Select All.
//
// Every item goes through the vault model's all-or-nothing copy or move: an
// item is either wholly in its new place with all its bodies, or left where
// it was. What could not be copied or moved is told once, at the end of the
// run; it is never passed over as if it had been done.
#include "mainwindow.h"
#include "trcontext.h"

#include "mainwindowform.h"
#include "tavbrowsefolderdialog.h"
#include "tavexception.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavitemtransfer.h"
#include "tavlistview.h"
#include "tavlogging.h"
#include "tavtreeview.h"
#include "tavvault.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMimeData>
#include <QPointer>
#include <QProgressDialog>
#include <QStackedWidget>
#include <QTextCodec>

namespace {

const QString copyFormat = QStringLiteral("application/x-qt-windows-mime;value='Copy'");
const QString cutFormat = QStringLiteral("application/x-qt-windows-mime;value='Cut'");


TAVVault *vaultOf(TAVItem *item)
{
    TAVItem *vault = nullptr;
    if (!item || item->getVault(&vault) != 0)
        return nullptr;
    return qobject_cast<TAVVault *>(vault);
}

QByteArray encodePaths(const QStringList &paths)
{
    QTextCodec *codec = QTextCodec::codecForName("UTF-16");
    return codec ? codec->fromUnicode(paths.join(QLatin1Char('|'))) : QByteArray();
}

QStringList decodePaths(const QByteArray &bytes)
{
    QTextCodec *codec = QTextCodec::codecForName("UTF-16");
    if (!codec)
        return QStringList();
    return codec->toUnicode(bytes).split(QLatin1Char('|'), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

// The path of the container holding the item at this path: the text before
// the last "/", or the whole path when there is none.
QString parentPathOf(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.left(slash);
}

// True when the target is the item itself or lies anywhere below it.
bool isWithin(const TAVItem *target, const TAVItem *item)
{
    for (const TAVItem *at = target; at; at = at->GetParent()) {
        if (at == item)
            return true;
    }
    return false;
}

QProgressDialog *openProgress(MainWindow *window, const QString &label, const QString &cancel, int count)
{
    auto *progress = new QProgressDialog(label, cancel, 0, count, window);
    progress->setWindowModality(Qt::WindowModal);
    progress->setFixedSize(400, 100);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    // A lock stops the run before its next item.
    QObject::connect(window, &MainWindow::appLocked, progress, &QProgressDialog::cancel);
    progress->show();
    return progress;
}

// One run of a paste or a move: each item is checked, the user asked about a
// clash, and the item copied or moved into the target.
class TransferRun
{
public:
    enum Outcome { Done, Skipped, Stop };

    TransferRun(MainWindow *window, TAVItemContainer *target, bool move)
        : window(window), target(target), move(move)
    {
    }

    // path is the item's full path as the run names it to the user.
    Outcome transfer(TAVItem *item, const QString &path)
    {
        if (!target)
            return Stop;
        const int kind = item->GetClassID();
        // The path tests of the callers compare texts; these compare the
        // items themselves, as the vault model finds them ignoring case.
        if ((kind != TAV_CLASS_FILE && kind != TAV_CLASS_FOLDER) || isWithin(target, item)
            || item->GetParent() == target) {
            LOG_ERROR << "refusing to" << (move ? "move" : "copy") << path << "into" << target->GetFullPath();
            refused << path;
            return Skipped;
        }
        if (!(kind == TAV_CLASS_FILE ? target->canAddFile() : target->canAddFolder())) {
            refused << path;
            return Skipped;
        }
        if (target->getItem(item->GetDisplayName()) && !replaceAll) {
            switch (askReplace()) {
            case 0:
                // One " Yes " answers every later clash of the run.
                replaceAll = true;
                break;
            case 1:
                return Skipped;
            default:
                // Closed without an answer (a lock): nothing more is replaced.
                return Stop;
            }
        }
        try {
            const bool done = move ? TAVItemTransfer::move(item, target) : TAVItemTransfer::copy(item, target);
            if (!done) {
                refused << path;
                return Skipped;
            }
        } catch (const TAVException &e) {
            LOG_ERROR << (move ? "moving" : "copying") << path << "to" << target->GetFullPath()
                      << "failed:" << e.what();
            refused << path;
            return Skipped;
        }
        return Done;
    }

    int askReplace()
    {
        return window->showMessage(
            QMessageBox::Question, window->windowTitle(),
            MainWindow::tr("There is already a file with the same name in this location. Do you want "
                           "to replace it?"),
            {MainFormText::tr(" Yes "), MainFormText::tr(" No ")});
    }

    // Told once, after the run, unless a lock came meanwhile.
    void reportRefused()
    {
        if (refused.isEmpty() || window->isScreenLocked())
            return;
        const QString text = move ? MainWindow::tr("%1 item(s) could not be moved:\n%2")
                                  : MainWindow::tr("%1 item(s) could not be copied:\n%2");
        window->showMessage(QMessageBox::Warning, window->windowTitle(),
                            text.arg(refused.size()).arg(refused.join(QLatin1Char('\n'))), {MainFormText::tr("OK")});
    }

    QStringList refused;

private:
    MainWindow *window;
    QPointer<TAVItemContainer> target;
    bool move;
    bool replaceAll = false;
};

// Saves the index of the vault an item came from, also when the container
// it lay in went with a replaced item.
void saveSource(MainWindow *window, const QPointer<TAVItemContainer> &source, const QPointer<TAVVault> &vault)
{
    if (source)
        window->onFileSystemChanged(source);
    else if (vault)
        window->onFileSystemChanged(vault);
}

// The full paths of the selected items, under the Copy or the Cut type.
void putOnClipboard(MainWindow *window, const QString &format)
{
    const QList<TAVItem *> items = window->getSelectedItems();
    window->clipboardCipher = MainWindow::vaultCipher;
    if (items.isEmpty())
        return;
    QStringList paths;
    for (TAVItem *item : items)
        paths << item->GetFullPath();
    auto *data = new QMimeData;
    data->setData(format, encodePaths(paths));
    QApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

} // namespace

void MainWindow::clearOwnClipboard()
{
    QClipboard *clipboard = QApplication::clipboard();
    const QMimeData *data = clipboard->mimeData(QClipboard::Clipboard);
    if (data && (data->hasFormat(copyFormat) || data->hasFormat(cutFormat)))
        clipboard->clear(QClipboard::Clipboard);
}

// ---- Copy and Cut ---------------------------------------------------------

void MainWindow::on_actionCopyItem_triggered()
{
    stopTimeOut();
    putOnClipboard(this, copyFormat);
    startTimeOut();
}

void MainWindow::on_actionCutItem_triggered()
{
    stopTimeOut();
    putOnClipboard(this, cutFormat);
    startTimeOut();
}

// ---- Paste ----------------------------------------------------------------

void MainWindow::on_actionPasteItem_triggered()
{
    if (!canPasteItems())
        return;
    auto *current = qobject_cast<TAVItemContainer *>(getCurrentItem());
    if (!current)
        return;
    QPointer<TAVItemContainer> target = current;
    const QString targetPath = target->GetFullPath();
    const QMimeData *data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data)
        return;
    const bool copy = data->hasFormat(copyFormat);
    if (!copy && !data->hasFormat(cutFormat))
        return;
    const QStringList paths = decodePaths(data->data(copy ? copyFormat : cutFormat));
    const int count = paths.size();

    if (!vaultOf(target)) {
        LOG_ERROR << "getVault failed";
        return;
    }

    setCursor(Qt::WaitCursor);
    busy = true; // a lock meanwhile leaves the vaults loaded until the end
    QProgressDialog *progress = copy
        ? openProgress(this, MainFormText::tr("Copying  file..."), MainFormText::tr("Cancel"), count)
        : openProgress(this, QStringLiteral("Moving Items..."), QStringLiteral("Cancel"), count);
    TransferRun run(this, target, !copy);
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < count; ++i) {
        progress->setValue(i);
        if (progress->wasCanceled() || !target)
            break;
        const QString &path = paths.at(i);
        if (copy) {
            progress->setLabelText(MainFormText::tr("Copying Item...") + path);
            QCoreApplication::processEvents();
            if (progress->wasCanceled())
                break;
        }
        // Looked up now: it may have been deleted or moved since the Copy or
        // Cut, or with an item replaced earlier in this run.
        TAVItem *item = path.isEmpty() ? nullptr : root->findItemByPath(path);
        if (!item)
            continue;
        if (copy) {
            if (run.transfer(item, path) == TransferRun::Stop)
                break;
            continue;
        }
        const QPointer<TAVItemContainer> source = qobject_cast<TAVItemContainer *>(item->GetParent());
        const QPointer<TAVVault> sourceVault = vaultOf(item);
        const TransferRun::Outcome outcome = run.transfer(item, path);
        saveSource(this, source, sourceVault);
        if (outcome == TransferRun::Stop)
            break;
    }

    if (target)
        onFileSystemChanged(target);
    progress->setValue(count);
    QCoreApplication::processEvents();
    progress->close();
    delete progress;
    // Done with: a second paste of a Cut would move whatever now stands at
    // the old paths.
    QApplication::clipboard()->setMimeData(new QMimeData, QClipboard::Clipboard);
    busy = false;
    onCrytoWorkerCompleted();
    if (!isScreenLocked()) {
        updateView(tavModel->rootItem());
        syncDirView();
    }
    setCursor(Qt::ArrowCursor);
    LOG_DEBUG << (copy ? "pasted a copy into" : "pasted a cut into") << targetPath;
    run.reportRefused();
}

// ---- Move Item ------------------------------------------------------------

void MainWindow::on_actionMoveItem_triggered()
{
    stopTimeOut();
    // The items as selected when the move was asked for.
    QList<QPointer<TAVItem>> items;
    for (TAVItem *item : getSelectedItems())
        items << item;

    TAVBrowseFolderDialog dialog(this);
    dialog.setWindowTitle(windowTitle());
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &TAVDialog::userAction, this, &MainWindow::startTimeOut);
    startTimeOut();
    if (dialog.exec() != QDialog::Accepted || isScreenLocked()) {
        startTimeOut();
        return;
    }
    const QString targetPath = dialog.getSelectedFolderPath();
    TAVItem *found = TAVFileSystem::getInstance()->findItemByPath(targetPath);
    QPointer<TAVItemContainer> target = found && (found->GetClassID() == TAV_CLASS_VAULT
                                                  || found->GetClassID() == TAV_CLASS_FOLDER)
        ? static_cast<TAVItemContainer *>(found)
        : nullptr;
    if (!target) {
        startTimeOut();
        return;
    }

    setCursor(Qt::WaitCursor);
    busy = true;
    const int count = items.size();
    QProgressDialog *progress = openProgress(this, tr("Moving Item..."), MainFormText::tr("Cancel"), count);
    TransferRun run(this, target, true);
    for (int i = 0; i < count; ++i) {
        progress->setValue(i);
        if (progress->wasCanceled() || !target)
            break;
        TAVItem *item = items.at(i);
        if (!item)
            continue; // went with an item replaced earlier in the run
        const QPointer<TAVItemContainer> source = qobject_cast<TAVItemContainer *>(item->GetParent());
        const QPointer<TAVVault> sourceVault = vaultOf(item);
        const QString path = item->GetFullPath();
        // Where it already is, or into itself: nothing to do.
        if (targetPath == path || targetPath.startsWith(path + QLatin1Char('/'))
            || targetPath == parentPathOf(path))
            continue;
        const int kind = item->GetClassID();
        if ((kind == TAV_CLASS_FILE && !target->canAddFile())
            || (kind == TAV_CLASS_FOLDER && !target->canAddFolder())) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        QStringLiteral("%1 '%2' to '%3'!").arg(tr("Can not move"), path, targetPath),
                        {MainFormText::tr("OK")});
            continue;
        }
        const TransferRun::Outcome outcome = run.transfer(item, path);
        saveSource(this, source, sourceVault);
        if (outcome == TransferRun::Stop)
            break;
    }

    progress->setValue(count);
    QCoreApplication::processEvents();
    progress->close();
    delete progress;
    if (target)
        onFileSystemChanged(target);
    busy = false;
    onCrytoWorkerCompleted();
    if (!isScreenLocked()) {
        updateView(tavModel->rootItem());
        syncDirView();
    }
    setCursor(Qt::ArrowCursor);
    run.reportRefused();
    startTimeOut();
}

// ---- Select All -----------------------------------------------------------

void MainWindow::on_actionSelectAll_triggered()
{
    stopTimeOut();
    if (ui->listView->hasFocus() || ui->treeView->hasFocus()) {
        if (ui->listView->hasFocus())
            ui->listView->selectAll();
        else
            ui->treeView->selectAll();
        // Ctrl+D now reaches the vault pane.
        removeAction(ui->actionLocalDeleteItem);
        addAction(ui->actionDeleteItem);
        ui->actionDeleteItem->setEnabled(true);
        ui->actionLocalDeleteItem->setEnabled(false);
        const QList<TAVItem *> selected = getSelectedItems();
        if (!selected.isEmpty()) {
            ui->actionCutItem->setEnabled(true);
            ui->actionCopyItem->setEnabled(true);
            ui->actionPasteItem->setEnabled(false);
        }
        if (selected.size() >= 2) {
            ui->actionAdd_Files->setEnabled(false);
            ui->actionNew_Folder->setEnabled(false);
        }
    } else if (ui->fsTreeView->hasFocus()) {
        ui->fsTreeView->selectAll();
        removeAction(ui->actionDeleteItem);
        addAction(ui->actionLocalDeleteItem);
        ui->actionLocalDeleteItem->setEnabled(true);
        ui->actionDeleteItem->setEnabled(false);
        ui->actionCutItem->setEnabled(false);
        ui->actionCopyItem->setEnabled(false);
    }
    startTimeOut();
}
