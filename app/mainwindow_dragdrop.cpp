// Drops onto the vault and local views: vault items copied or moved between
// vault containers, local files encrypted into a vault, vault items
// decrypted onto the disk and local files copied on the disk; the copy onto
// the disk itself and the question before the sources of a move go.
//
// The views decide what may be dropped where (TAVView); the work, its
// progress dialog and its questions are here.
#include "mainwindow.h"
#include "trcontext.h"

#include "confirmfiledeletedialog.h"
#include "fileutils.h"
#include "localfilesystemmodel.h"
#include "productinfo.h"
#include "tavcryptothread.h"
#include "tavexception.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavitemcontainer.h"
#include "tavlogging.h"
#include "mainwindowform.h"
#include "tavprogressdialog.h"
#include "tavsearchindex.h"
#include "tavvault.h"
#include "tavview.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>

namespace {


QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

TAVVault *vaultOf(TAVItem *item)
{
    TAVItem *vault = nullptr;
    if (!item || item->getVault(&vault) != 0)
        return nullptr;
    return qobject_cast<TAVVault *>(vault);
}

// The entries of a folder a copy takes: visible files and folders, links
// that lead somewhere, in the order of the disk.
QStringList copiedEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted);
}

QString canonicalOrClean(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

} // namespace

bool MainWindow::confirmFileDelete()
{
    // A lock rejects it: the sources stay.
    return ConfirmFileDeleteDialog::confirm(this, [this](ConfirmFileDeleteDialog *dialog) {
        connect(this, &MainWindow::appLocked, dialog, &QDialog::reject);
        connect(dialog, &TAVDialog::userAction, this, &MainWindow::startTimeOut);
    });
}

void MainWindow::releaseViewsOf(TAVItem *doomed)
{
    TAVItemContainer *shown = tavModel->rootItem();
    for (TAVItem *up = shown; up; up = up->GetParent()) {
        if (up == doomed) {
            shown = qobject_cast<TAVItemContainer *>(doomed->GetParent());
            break;
        }
    }
    tavModel->setRootItem(shown);
    TAVFileSystemTreeModel::getInstance()->setRootItem(TAVFileSystem::getInstance());
    // Rebuilt by the save that follows every change.
    TAVSearchIndex::getInstance()->clear();
}

void MainWindow::finishVaultDrop(TAVItemContainer *target, TAVItemContainer *shown, bool save,
                                 const QList<QUrl> &urls)
{
    if (save && target)
        onFileSystemChanged(target);
    TAVItemContainer *show = shown ? shown : target;
    updateView(show ? show : TAVFileSystem::getInstance());
    busy = false;
    onCrytoWorkerCompleted();
    for (const QUrl &url : urls)
        onLocalFileSystemChanged(url.toString());
    syncDirView();
    startTimeOut();
}

void MainWindow::dropItemsOnVault(QWidget *view, TAVItemContainer *targetContainer, const QStringList &paths,
                                  bool move, const QList<QUrl> &urls)
{
    stopTimeOut();
    QPointer<TAVItemContainer> target = targetContainer;
    QPointer<TAVItemContainer> shown = tavModel->rootItem();
    busy = true;
    cryptoThread->stop = false;
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const QString targetPath = target->GetFullPath();

    QString refused;
    const TAVView::Refusal refusal =
        TAVView::vaultDropRefusal(target, paths, shown ? shown->GetFullPath() : QString(), &refused);
    if (refusal == TAVView::InsideSource) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    QStringLiteral("%1 '%2' to '%3'!").arg(MainFormText::tr("Can not move"), refused, targetPath),
                    {MainFormText::tr("OK")});
    } else if (refusal == TAVView::Accepted) {
        const int n = paths.size();
        QProgressDialog dialog(MainFormText::tr("Processing Items..."), MainFormText::tr("Cancel"), 0, n, view);
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowTitleHint
                              | Qt::CustomizeWindowHint);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setFixedSize(400, 100);
        connect(this, &MainWindow::appLocked, &dialog, &QProgressDialog::cancel);
        dialog.show();
        bool askBeforeReplace = true;
        for (int i = 0; i < n; ++i) {
            const QString &path = paths.at(i);
            dialog.setValue(i);
            if (dialog.wasCanceled() || !target || !unlocked)
                break;
            dialog.setLabelText((move ? MainFormText::tr("Moving Item...") : MainFormText::tr("Copying Item...")) + path);
            QCoreApplication::processEvents();
            if (dialog.wasCanceled() || !target || !unlocked)
                break;
            TAVItem *item = root->findItemByPath(path);
            if (!item)
                continue;
            if (target->getItem(item->GetDisplayName()) && askBeforeReplace) {
                const int answer = showMessage(
                    QMessageBox::Question, windowTitle(),
                    MainFormText::tr("There is already an item with the same name in this location. Do you want to "
                           "replace it?"),
                    {MainFormText::tr(" Yes "), MainFormText::tr("Yes to All"), MainFormText::tr(" No ")});
                if (answer == 2)
                    continue;
                // Closed by the lock: nothing is replaced, and the drop ends.
                if (answer < 0)
                    break;
                if (answer == 1)
                    askBeforeReplace = false;
                // Events ran while the question was open.
                item = root->findItemByPath(path);
                if (!item || !target)
                    continue;
            }
            QPointer<TAVItemContainer> parent = qobject_cast<TAVItemContainer *>(item->GetParent());
            if (TAVItem *existing = target->getItem(item->GetDisplayName()))
                releaseViewsOf(existing);
            if (move)
                releaseViewsOf(item);
            bool done = false;
            try {
                done = move ? root->moveItem(path, targetPath) : root->copyItem(path, targetPath);
            } catch (const TAVException &e) {
                LOG_ERROR << "drop of" << path << "into" << targetPath << "failed:" << e.what();
            }
            if (!done) {
                showMessage(QMessageBox::Warning, windowTitle(),
                            QStringLiteral("%1 '%2' to '%3'!")
                                .arg(move ? MainFormText::tr("Failed to move") : MainFormText::tr("Failed to copy"), path,
                                     targetPath),
                            {MainFormText::tr("OK")});
                continue;
            }
            if (parent)
                onFileSystemChanged(parent);
        }
        dialog.setValue(n);
        QCoreApplication::processEvents();
        dialog.close();
    }
    finishVaultDrop(target, shown, true, urls);
}

void MainWindow::dropFilesOnVault(QWidget *view, TAVItemContainer *targetContainer, const QStringList &paths,
                                  bool move, const QList<QUrl> &urls)
{
    Q_UNUSED(view)
    stopTimeOut();
    QPointer<TAVItemContainer> target = targetContainer;
    QPointer<TAVItemContainer> shown = tavModel->rootItem();
    busy = true;
    cryptoThread->stop = false;
    activateWindow();
    raise();
    if (TAVVault *vault = vaultOf(target))
        vaultCipher = vault->getCipher();
    cryptoError = false;
    accessDenied = false;
    beginAddJob();

    const quint64 total = quint64(FileUtils::getListFileSize(paths));
    progressDialog->reset();
    showProgress(ui->actionAdd_Files->text());
    progressDialog->setTotalSize(total);
    progressDialog->setRemainSize(total);
    progressDialog->setMainProgressVisible(!(paths.size() == 1 && !QFileInfo(paths.first()).isDir()));

    bool askBeforeReplace = true;
    bool last = false;
    QStringList added;
    for (const QString &path : paths) {
        QCoreApplication::processEvents();
        if (progressDialog->wasCanceled || cryptoError || accessDenied || !target)
            break;
        progressDialog->setCurItemSize(quint64(FileUtils::getListFileSize({path})));
        progressDialog->setItemValue(0);
        try {
            const QFileInfo info(path);
            last = info.isDir() ? encryptDir(target, path, askBeforeReplace, FileUtils::getFileName(path))
                                : encryptFile(target, path, askBeforeReplace, FileUtils::getFileName(path), info);
        } catch (...) {
            showMessage(QMessageBox::Information, windowTitle(),
                        MainFormText::tr("The application can not add more files because the vault's disk is full."),
                        {MainFormText::tr("OK")});
            last = false;
            break;
        }
        if (last)
            added << path;
    }
    progressDialog->setMainValue(100);
    const bool cancelled = progressDialog->wasCanceled;

    // The bodies are made durable and the index saved before any source goes.
    // A failed save reads the tree back from the disk: what was shown is
    // found again by its path.
    const QString shownPath = shown ? shown->GetFullPath() : QString();
    TAVItemContainer *committedTarget = target;
    const bool committed = committedTarget && commitAddJob(committedTarget);
    if (!committed && committedTarget != target.data()) {
        target = committedTarget;
        shown = qobject_cast<TAVItemContainer *>(TAVFileSystem::getInstance()->findItemByPath(shownPath));
    }
    progressDialog->close();
    QCoreApplication::processEvents();
    if (move && last && !cancelled && committed && unlocked && !added.isEmpty() && confirmFileDelete()) {
        for (const QString &path : added)
            removeDroppedSource(path);
    }
    storedSources.clear();
    finishVaultDrop(target, shown, false, urls);
}

void MainWindow::removeDroppedSource(const QString &path)
{
    const QFileInfo info(path);
    // A folder reached through a link is not the user's dropped tree.
    if (info.isDir() && !info.isSymLink()) {
        const QStringList names = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                       | QDir::NoDotAndDotDot);
        for (const QString &name : names)
            removeDroppedSource(path + QLatin1Char('/') + name);
        // Goes only once empty: what was not stored keeps its folder.
        QDir().rmdir(path);
        return;
    }
    if (storedSources.contains(path) && !FileUtils::remove(path, false))
        LOG_ERROR << "the source" << path << "could not be removed";
}

void MainWindow::dropItemsOnDisk(QWidget *view, const QStringList &paths, const QString &folder, bool move)
{
    Q_UNUSED(view)
    stopTimeOut();
    QPointer<TAVItemContainer> shown = tavModel->rootItem();
    TAVFileSystem *root = TAVFileSystem::getInstance();
    QList<QPointer<TAVItem>> items;
    for (const QString &path : paths)
        if (TAVItem *item = root->findItemByPath(path))
            items << item;

    busy = true;
    cryptoThread->stop = false;
    progressDialog->reset();
    showProgress(ui->actionDecrypt_File->text());
    progressDialog->setMainProgressVisible(
        !(items.size() == 1 && items.first()->GetClassID() != TAV_CLASS_FOLDER));
    quint64 total = 0;
    for (const QPointer<TAVItem> &item : items)
        total += item->GetOriginalSize();
    progressDialog->setTotalSize(total);
    quint64 remaining = total;
    bool askBeforeReplace = true;
    QList<QPointer<TAVItem>> decrypted;
    for (const QPointer<TAVItem> &item : items) {
        if (!item)
            continue;
        const quint64 size = item->GetOriginalSize();
        progressDialog->setRemainSize(remaining);
        progressDialog->setCurItemSize(size);
        progressDialog->setItemValue(0);
        progressDialog->setTaskInformation(MainFormText::tr("Decrypting Item..."), item->GetFullDisplayPath());
        // The item may be gone afterwards (a damaged body the user dropped).
        const bool ok = decryptItem(item, folder, askBeforeReplace, item ? item->GetDisplayName() : QString());
        if (ok && item)
            decrypted << item;
        QCoreApplication::processEvents();
        if (progressDialog->wasCanceled)
            break;
        remaining -= qMin(remaining, size);
    }
    progressDialog->setItemValue(100);
    progressDialog->setMainValue(100);
    QCoreApplication::processEvents();
    busy = false;
    onCrytoWorkerCompleted();
    progressDialog->close();

    // Only what was written whole leaves the vault, and never after a lock.
    if (move && !decrypted.isEmpty() && unlocked && confirmFileDelete()) {
        for (const QPointer<TAVItem> &item : decrypted) {
            if (!item || !unlocked)
                continue;
            QPointer<TAVItemContainer> parent = qobject_cast<TAVItemContainer *>(item->GetParent());
            if (!parent)
                continue;
            const QString name = item->GetDisplayName();
            releaseViewsOf(item);
            try {
                parent->deleteItem(name);
            } catch (const TAVException &e) {
                LOG_ERROR << "the item" << name << "could not be deleted:" << e.what();
                continue;
            }
            onFileSystemChanged(parent);
        }
        updateView(shown ? shown.data() : root);
    }
    onLocalFileSystemChanged(folder);
    syncDirView();
    startTimeOut();
}

bool MainWindow::dropFilesOnDisk(QWidget *view, const QStringList &paths, const QString &folder, bool move)
{
    Q_UNUSED(view)
    if (paths.isEmpty() || TAVView::localDropRefused(folder, paths))
        return false;
    stopTimeOut();
    busy = true;
    cryptoThread->stop = false;
    QStringList todo = paths;
    quint64 remaining = quint64(FileUtils::getListFileSize(todo));
    bool askBeforeReplace = true;
    progressDialog->reset();
    showProgress(ui->actionCopyItem->text());
    progressDialog->setTotalSize(remaining);
    progressDialog->setMainProgressVisible(!(paths.size() == 1 && !QFileInfo(paths.first()).isDir()));

    for (const QString &path : paths) {
        progressDialog->setRemainSize(remaining);
        progressDialog->setCurItemSize(quint64(FileUtils::getListFileSize({path})));
        progressDialog->setItemValue(0);
        progressDialog->setTaskInformation(move ? MainFormText::tr("Moving file...") : MainFormText::tr("Copying  file..."), path);
        const QFileInfo info(path);
        // A path gone since the drag is neither copied nor removed.
        const bool there = info.exists();
        const bool copied = there && copyDir(path, folder, askBeforeReplace, info.fileName());
        QCoreApplication::processEvents();
        if (progressDialog->wasCanceled)
            break;
        todo.removeFirst();
        remaining = quint64(FileUtils::getListFileSize(todo));
        if (move && copied && unlocked && confirmFileDelete()) {
            QSet<QString> walk;
            removeCopiedSource(path, walk);
        }
        onLocalFileSystemChanged(folder);
    }
    progressDialog->setItemValue(100);
    progressDialog->setMainValue(100);
    QCoreApplication::processEvents();
    busy = false;
    onCrytoWorkerCompleted();
    progressDialog->close();
    syncDirView();
    onLocalFileSystemChanged(folder);
    startTimeOut();
    return true;
}

bool MainWindow::copyDir(QString source, QString destination, bool &askBeforeReplace, QString name)
{
    Q_UNUSED(name)
    QSet<QString> walk;
    const QString top = joined(destination, QFileInfo(QDir::cleanPath(source)).fileName());
    return copyEntry(QDir::cleanPath(source), destination, askBeforeReplace, walk, top);
}

bool MainWindow::copyEntry(const QString &source, const QString &destination, bool &askBeforeReplace,
                           QSet<QString> &walk, const QString &topTarget)
{
    if (progressDialog->wasCanceled)
        return false;
    const QFileInfo info(source);
    if (!info.exists())
        return true; // gone since the drop: nothing to do
    const QString target = joined(destination, info.fileName());

    if (!info.isDir()) {
        const QFileInfo existing(target);
        if ((existing.exists() || existing.isSymLink()) && askBeforeReplace) {
            const int answer = showMessage(QMessageBox::Question, ProductInfo::title(),
                                           QStringLiteral("The file '") + target
                                               + QStringLiteral("' already exist. Would you like to replace "
                                                                "the existing file?"),
                                           {MainFormText::tr(" Yes "), MainFormText::tr("Yes to All"), MainFormText::tr(" No ")});
            if (answer < 0) {
                // Closed by the lock: nothing is replaced and the job stops.
                progressDialog->cancel();
                return false;
            }
            if (answer == 2)
                return false;
            if (answer == 1)
                askBeforeReplace = false;
            QCoreApplication::processEvents();
        }
        progressDialog->setCurItemSize(quint64(info.size()));
        progressDialog->setTaskInformation(MainFormText::tr("Copying  file..."), source);
        QCoreApplication::processEvents();
        const bool copied = FileUtils::copy(source, target);
        progressDialog->setItemValue(100);
        if (!copied)
            LOG_ERROR << "copyDir: could not copy" << source << "to" << target;
        return copied;
    }

    // A link that leads back into the walk, or into the copy being made,
    // would never end.
    const QString canonical = info.canonicalFilePath();
    if (walk.contains(canonical) || TAVView::isSameOrInside(canonical, canonicalOrClean(topTarget))) {
        LOG_INFO << "copyDir: skipping" << source << ": it leads back into the folder being copied";
        return true;
    }
    const QFileInfo existing(target);
    const bool there = existing.exists() || existing.isSymLink();
    if (there && askBeforeReplace) {
        const int answer = showMessage(QMessageBox::Question, windowTitle(),
                                       QStringLiteral("The folder '") + target
                                           + QStringLiteral("' is exisitng. Would you like to replace the "
                                                            "existing folder?"),
                                       {MainFormText::tr(" Yes "), MainFormText::tr("Yes to All"), MainFormText::tr(" No ")});
        if (answer < 0) {
            progressDialog->cancel();
            return false;
        }
        if (answer == 2)
            return false;
        if (answer == 1)
            askBeforeReplace = false;
        QCoreApplication::processEvents();
    }
    if (!there && !QDir().mkdir(target)) {
        LOG_ERROR << "copyDir: could not create" << target;
        return false;
    }
    if (!QFileInfo(target).isDir()) {
        LOG_ERROR << "copyDir:" << target << "is not a folder";
        return false;
    }
    progressDialog->setCurItemSize(0);
    progressDialog->setTaskInformation(MainFormText::tr("Copy folder..."), info.fileName());
    progressDialog->setItemValue(100);
    QCoreApplication::processEvents();

    walk.insert(canonical);
    bool all = true;
    for (const QString &entry : copiedEntries(source))
        if (!copyEntry(source + QLatin1Char('/') + entry, target, askBeforeReplace, walk, topTarget))
            all = false;
    walk.remove(canonical);
    return all;
}

void MainWindow::removeCopiedSource(const QString &path, QSet<QString> &walk)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) {
        const QString canonical = info.canonicalFilePath();
        walk.insert(canonical);
        // Only what the copy took: hidden entries stay, and so does their folder.
        for (const QString &entry : copiedEntries(path))
            removeCopiedSource(path + QLatin1Char('/') + entry, walk);
        walk.remove(canonical);
        QDir().rmdir(path);
        return;
    }
    // A link to a folder the walk skipped was not copied: it stays.
    if (info.isSymLink() && info.isDir() && walk.contains(info.canonicalFilePath()))
        return;
    if (!FileUtils::remove(path, false))
        LOG_ERROR << "the source" << path << "could not be removed";
}
