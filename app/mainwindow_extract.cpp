// Getting items out of the vaults: extracting files and folder trees into a
// local folder, and opening items: a file in another application through a
// watched decrypted copy, a folder or a vault in the views.
#include "mainwindow.h"

#include "fileopener.h"
#include "fileutils.h"
#include "mainwindowform.h"
#include "productinfo.h"
#include "safefile.h"
#include "tavcrypto.h"
#include "tavcryptothread.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfiledialog.h"
#include "tavfilewatcher.h"
#include "tavitemcontainer.h"
#include "tavlistview.h"
#include "tavlogging.h"
#include "tavprogressdialog.h"
#include "tavsearchindex.h"
#include "tavsearchmodel.h"
#include "tavtreeview.h"
#include "tavvault.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStackedWidget>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// lupdate does not see texts passed through here: write
// Ui_MainWindowClass::tr("...") instead.
[[maybe_unused]] QString classText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// A name read from an index becomes one entry of a local folder: it must not
// name the folder itself or its parent, nor hold a separator, so that no item
// ever reaches outside the folder it is extracted to.
bool isSafeLocalName(const QString &name)
{
    return FileUtils::isPortableFileName(name) && name != QLatin1String(".")
        && name != QLatin1String("..") && !name.contains(QChar(0));
}

// True when the body is there but its header is refused under its vault's
// key and cipher, or when the body is missing from a vault folder that is
// there: the item can't be decrypted by anyone. A body that can't be read at
// all (a drive gone, no permission) is not called damaged.
bool bodyIsDamaged(TAVFile *file)
{
    TAVItem *item = nullptr;
    if (file->getVault(&item) != 0)
        return false;
    auto *vault = static_cast<TAVVault *>(item);
    const QString bodyPath = file->getFullPhysicalFileName();
    if (bodyPath.isEmpty())
        return false;
    if (!QFileInfo::exists(bodyPath))
        return QFileInfo(vault->getFullPhysicalVaultPath()).isDir();
    QFile body(bodyPath);
    if (!body.open(QIODevice::ReadOnly))
        return false;
    unsigned char iv[16] = {};
    QDateTime created;
    QString name;
    return TAVCrypto::readFileHeader(&body, iv, &created, &name, vault->getCipher(), vault->getKey())
        != 0;
}

// The name of a temporary file beside target, not in use: the plain content
// is written there and renamed over the target only when complete.
QString partNameBeside(const QString &target)
{
    return QFileInfo(target).absolutePath() + QStringLiteral("/.")
        + QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".part");
}

// Lets pending events run (the progress dialog, its cancel button), at most
// every 25 ms: a job of many small files would otherwise repaint the dialog
// for each of them.
void letEventsRun()
{
    static QElapsedTimer last;
    if (last.isValid() && !last.hasExpired(25))
        return;
    QCoreApplication::processEvents();
    last.start();
}

bool renameOver(const QString &from, const QString &to)
{
    // rename() replaces an entry at `to` as itself: a link there is replaced,
    // never written through.
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

void MainWindow::on_actionDecrypt_File_triggered()
{
    stopTimeOut();
    QString target;
    {
        TAVFileDialog dialog(this, tr("Please choose a folder to extract the file(s) to:"),
                             QStringLiteral("/"), QString());
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks
                          | QFileDialog::DontUseNativeDialog);
        connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
        connect(&dialog, &TAVFileDialog::userAction, this, &MainWindow::startTimeOut);
        connect(&dialog, &QFileDialog::currentChanged, this, &MainWindow::startTimeOut);
        connect(&dialog, &QFileDialog::directoryEntered, this, &MainWindow::startTimeOut);
        connect(&dialog, &QFileDialog::filterSelected, this, &MainWindow::startTimeOut);
        connect(&dialog, &QWidget::customContextMenuRequested, this, &MainWindow::startTimeOut);
        if (dialog.exec() == QDialog::Accepted)
            target = dialog.selectedFiles().value(0);
    }
    if (target.isEmpty()) {
        startTimeOut();
        return;
    }

    QList<QPointer<TAVItem>> items;
    for (TAVItem *item : getSelectedItems())
        items << item;
    startTimeOut();
    if (items.isEmpty())
        return;

    bool askBeforeReplace = true;
    busy = true;
    cryptoThread->stop = false;
    progressDialog->reset();
    showProgress(ui->actionDecrypt_File->text());
    progressDialog->setMainProgressVisible(items.size() != 1
                                           || items.first()->GetClassID() == TAV_CLASS_FOLDER);
    quint64 total = 0;
    for (const QPointer<TAVItem> &item : items)
        total += item->GetOriginalSize();
    progressDialog->setTotalSize(total);
    quint64 remaining = total;

    bool everyItem = true;
    // Each file is renamed into place whole but not synced on its own: the
    // job syncs the target's file system once at its end, as `cp -r` and a
    // `sync` would.
    cryptoThread->syncEachBody = false;
    for (const QPointer<TAVItem> &item : items) {
        if (!item) { // dropped meanwhile (a damaged body deleted on request)
            everyItem = false;
            continue;
        }
        const quint64 size = item->GetOriginalSize();
        const QString name = item->GetDisplayName();
        progressDialog->setRemainSize(remaining);
        progressDialog->setCurItemSize(size);
        progressDialog->setItemValue(0);
        progressDialog->setTaskInformation(Ui_MainWindowClass::tr("Decrypting..."), name);
        if (!decryptItem(item, target, askBeforeReplace, name))
            everyItem = false;
        if (progressDialog->wasCanceled) {
            everyItem = false;
            break;
        }
        remaining -= qMin(remaining, size);
    }

    cryptoThread->syncEachBody = true;
    const bool durable = SafeFile::syncFileSystem(target);

    progressDialog->setMainValue(100);
    busy = false;
    onCrytoWorkerCompleted();
    progressDialog->close();

    if (!durable) {
        everyItem = false;
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The extracted files could not be written safely to %1. Check the disk and "
                       "extract them again.")
                        .arg(QDir::toNativeSeparators(target)),
                    {Ui_MainWindowClass::tr("OK")});
    }

    // Only a job that wrote every item says so, and never over the login
    // page of a lock that came meanwhile.
    if (everyItem && ui->centralStackedWidget->currentIndex() != 0)
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("Selected files are extracted to: [%1]").arg(target), {Ui_MainWindowClass::tr("OK")});
    // Also after a cancel: the inactivity lock must go on guarding the window.
    startTimeOut();
}

bool MainWindow::decryptItem(TAVItem *item, QString targetDir, bool &askBeforeReplace,
                             QString displayPath)
{
    if (!item || (progressDialog && progressDialog->wasCanceled) || (cryptoThread && cryptoThread->stop))
        return false;
    const int kind = item->GetClassID();
    if (kind != TAV_CLASS_FILE && kind != TAV_CLASS_FOLDER)
        return true;

    const QString name = item->GetDisplayName();
    const QString target = joined(targetDir, name);
    // Asked before anything stands in the way of the target is replaced:
    // true to go on. " No " and a box closed by the lock keep it.
    const auto mayReplace = [&] {
        if (!askBeforeReplace)
            return true;
        const int answer = showMessage(
            QMessageBox::Question, ProductInfo::title(),
            tr("The folder already contains a file name '%1'. Would you like to replace the "
               "existing file?")
                .arg(name),
            {Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr("Yes to All"), Ui_MainWindowClass::tr(" No ")});
        if (answer == 1)
            askBeforeReplace = false;
        return answer == 0 || answer == 1;
    };
    if (!isSafeLocalName(name)) {
        showMessage(QMessageBox::Information, ProductInfo::title(),
                    tr("The filename %1 contains characters that are not allowed on all platforms "
                       "and cannot be copied.")
                        .arg(target),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }

    if (kind == TAV_CLASS_FILE) {
        auto *file = static_cast<TAVFile *>(item);
        const QFileInfo existing(target);
        if ((existing.exists() || existing.isSymLink()) && !mayReplace())
            return false;

        const quint64 size = file->GetOriginalSize();
        progressDialog->setCurItemSize(size);
        progressDialog->setTaskInformation(Ui_MainWindowClass::tr("Decrypting Item..."), displayPath);
        letEventsRun();

        // The plain content goes beside the target and replaces it only once
        // complete: a cancel, a full disk or a damaged body never costs the
        // file that was there.
        const QString part = partNameBeside(target);
        // Messages name the target, never the hidden file written first.
        cryptoThread->shownTarget = target;
        try {
            file->decrypt(part, cryptoThread);
        } catch (const TAVException &e) {
            cryptoThread->shownTarget.clear();
            QFile::remove(part);
            const bool cancelled = progressDialog->wasCanceled || cryptoThread->stop
                || (QFileInfo::exists(file->getFullPhysicalFileName()) && cryptoThread->state == 1);
            if (cancelled)
                return false;
            setCursor(Qt::ArrowCursor);
            // Only a body nobody can decrypt is a broken item, offered for
            // deletion; a failure on the disk written to says nothing about it.
            if (!bodyIsDamaged(file)) {
                if (!cryptoThread->told)
                    showMessage(QMessageBox::Warning, ProductInfo::title(),
                                tr("The file %1 could not be written.\nError: %2")
                                    .arg(target, cryptoThread->error.isEmpty() ? QString::fromLatin1(e.what())
                                                                               : cryptoThread->error),
                                {Ui_MainWindowClass::tr("OK")});
                return false;
            }
            showMessage(QMessageBox::Warning, ProductInfo::title(), QString::fromLatin1(e.what()),
                        {Ui_MainWindowClass::tr("OK")});
            const int answer = showMessage(
                QMessageBox::Question, windowTitle(),
                QStringLiteral("The file [%1] is invalid and cannot be opened or decrypted. It is "
                               "either corrupt, been tampered with or belongs to another license.\n"
                               "Do you want to delete it from your vault?")
                    .arg(displayPath),
                {Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr(" No ")});
            if (answer == 0) {
                auto *parent = qobject_cast<TAVItemContainer *>(file->GetParent());
                if (parent) {
                    parent->deleteItem(name);
                    onFileSystemChanged(parent);
                    updateView(parent);
                }
            }
            return false;
        }
        cryptoThread->shownTarget.clear();
        if (!QFileInfo::exists(part)) { // no vault above the item: nothing was written
            LOG_ERROR << "nothing decrypted for" << displayPath;
            return false;
        }
        if (FileUtils::setModificationTime(part, file->GetModifiedDate()) != 0)
            LOG_DEBUG << "failed to set modification time on file";
        if (!renameOver(part, target)) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            QFile::remove(part);
            showMessage(QMessageBox::Warning, ProductInfo::title(),
                        tr("The file %1 could not be written.\nError: %2").arg(target, reason),
                        {Ui_MainWindowClass::tr("OK")});
            return false;
        }
        progressDialog->setRemainSize(progressDialog->getRemainSize()
                                      - qMin(progressDialog->getRemainSize(), size));
        return true;
    }

    // A folder: made with its missing parents, or merged into when it is there.
    // A link in its place (checked without following it) is never merged
    // into: like a file of that name it is replaced only when the user says so.
    if (QFileInfo(target).isSymLink()) {
        if (!mayReplace())
            return false;
        if (!QFile::remove(target)) { // the link itself, not what it leads to
            showMessage(QMessageBox::Warning, ProductInfo::title(),
                        tr("The file %1 could not be written.\nError: %2")
                            .arg(target, QString::fromLocal8Bit(std::strerror(errno))),
                        {Ui_MainWindowClass::tr("OK")});
            return false;
        }
    }
    const bool existed = QFileInfo(target).isDir();
    if (!QDir().mkpath(target) || !QFileInfo(target).isDir() || QFileInfo(target).isSymLink()) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The %1 can not create a directory on your path.").arg(ProductInfo::title()),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }
    auto *folder = static_cast<TAVItemContainer *>(item);
    const QDateTime modified = folder->GetModifiedDate();
    QList<QPointer<TAVItem>> children;
    for (int i = 0; i < folder->getItemCount(); ++i)
        children << folder->getItemAt(i);
    bool everyChild = true;
    try {
        for (const QPointer<TAVItem> &child : children) {
            if (!child) {
                everyChild = false;
                continue;
            }
            const QString childPath = joined(displayPath, child->GetDisplayName());
            if (!decryptItem(child, target, askBeforeReplace, childPath))
                everyChild = false;
        }
    } catch (const TAVException &e) {
        showMessage(QMessageBox::Warning, ProductInfo::title(), QString::fromLatin1(e.what()),
                    {Ui_MainWindowClass::tr("OK")});
        everyChild = false;
    }
    // A folder made here takes the item's date once its content is in (the
    // content's arrival would change it again); one merged into keeps its own.
    if (!existed && FileUtils::setModificationTime(target, modified) != 0)
        LOG_DEBUG << "failed to set modification time on folder" << target;
    return everyChild;
}

void MainWindow::openFileInEditor(TAVFile *file)
{
    if (!file)
        return;
    const QString name = file->GetName();
    if (!isSafeLocalName(name)) {
        showMessage(QMessageBox::Information, ProductInfo::title(),
                    tr("The filename %1 contains characters that are not allowed on all platforms "
                       "and cannot be copied.")
                        .arg(name),
                    {Ui_MainWindowClass::tr("OK")});
        return;
    }
    setCursor(Qt::WaitCursor);
    QString copy;
    try {
        // A folder of its own in the private temporary folder: two items of
        // the same name never share a copy.
        copy = fileWatcher->openCopy(file);
    } catch (const TAVException &e) {
        setCursor(Qt::ArrowCursor);
        if (!bodyIsDamaged(file)) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("This file is already open or being used. The error is: %1")
                            .arg(QString::fromLatin1(e.what())),
                        {Ui_MainWindowClass::tr("OK")});
            return;
        }
        const int answer = showMessage(
            QMessageBox::Question, windowTitle(),
            QStringLiteral("The file [%1] is invalid and cannot be opened or decrypted. It is either "
                           "corrupt, been tampered with or belongs to another license.\nDo you want "
                           "to delete it from your vault?")
                .arg(name),
            {Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr(" No ")});
        if (answer == 0) {
            if (auto *parent = qobject_cast<TAVItemContainer *>(file->GetParent())) {
                parent->deleteItem(name);
                onFileSystemChanged(parent);
                updateView(parent);
            }
        }
        return;
    }

    bool opened = FileOpener::instance()->open(copy);
    if (!opened) {
        startTimeOut();
        const int answer = showMessage(
            QMessageBox::Information, windowTitle(),
            tr("There is no default application specified to open the document [%1]")
                .arg(file->GetDisplayName()),
            {QStringLiteral("Choose application..."), Ui_MainWindowClass::tr("Cancel")});
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
            if (!program.isEmpty()) {
                opened = FileOpener::instance()->openWith(program, copy);
                if (!opened)
                    showMessage(QMessageBox::Warning, windowTitle(),
                                tr("%1 could not be started.").arg(program), {Ui_MainWindowClass::tr("OK")});
            }
        }
    }
    if (!opened) {
        // Nobody has the copy: it goes now rather than lying in plain until the lock.
        fileWatcher->removeFile(copy);
        if (!fileWatcher->isBeingWatched(copy)) {
            const QString folder = QFileInfo(copy).absolutePath();
            if (!tempPath.isEmpty() && folder.startsWith(tempPath + QLatin1Char('/')))
                FileUtils::removeDir(folder, true);
            else
                FileUtils::removeFile(copy, true);
        }
    }
    setCursor(Qt::ArrowCursor);
}

bool MainWindow::repairMissingIndex(TAVVault *vault)
{
    return vault && offerIndexRepair(vault);
}

void MainWindow::on_listView_doubleClicked(const QModelIndex &index)
{
    on_treeView_doubleClicked(index);
}

void MainWindow::on_treeView_doubleClicked(const QModelIndex &index)
{
    if (!index.isValid() || !index.model())
        return;
    TAVItem *item = nullptr;
    if (index.model()->objectName() == QLatin1String("TAVSearchModel"))
        item = TAVSearchModel::getInstance()->itemFromIndex(index);
    else if (index.model() == TAVFileSystemModel::getInstance())
        item = TAVFileSystemModel::getInstance()->itemFromIndex(index);
    if (!item)
        return;

    stopTimeOut();
    try {
        switch (item->GetClassID()) {
        case TAV_CLASS_FILE:
            openFileInEditor(qobject_cast<TAVFile *>(item));
            break;
        case TAV_CLASS_VAULT:
            enterVault(static_cast<TAVVault *>(item));
            break;
        default:
            if (auto *container = qobject_cast<TAVItemContainer *>(item)) {
                enterHistory(container);
                showFileSystemView();
                updateView(container);
                syncDirView();
            }
            break;
        }
    } catch (const std::exception &e) {
        showMessage(QMessageBox::Warning, windowTitle(), QString::fromLocal8Bit(e.what()),
                    {Ui_MainWindowClass::tr("OK")});
    }
    activeModel = TAVFileSystemModel::getInstance();
    startTimeOut();
}

void MainWindow::enterVault(TAVVault *vault)
{
    const QString missingText =
        tr("This vault could not be loaded, it may be located on another computer or the original "
           "vault file has been manually removed.");
    if (!QFileInfo(vault->getFullPhysicalVaultPath()).isDir()) {
        showMessage(QMessageBox::Warning, windowTitle(), missingText, {Ui_MainWindowClass::tr("OK")});
        return;
    }
    if (!QFileInfo::exists(vault->getVaultIdxFileName()) && !repairMissingIndex(vault))
        return;

    enterHistory(vault);
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    if (ui->actionDetails->isChecked()) {
        model->setNameWrapped(false);
        ui->tavViewStackedWidget->setCurrentIndex(0);
        const QModelIndex current = ui->listView->currentIndex();
        if (current.isValid() && model->itemFromIndex(current) != model->rootItem())
            ui->treeView->setCurrentIndex(current);
    } else if (ui->actionList->isChecked()) {
        model->setNameWrapped(false);
        ui->tavViewStackedWidget->setCurrentIndex(1);
        const QModelIndex current = ui->treeView->currentIndex();
        if (current.isValid() && model->itemFromIndex(current) != model->rootItem())
            ui->listView->setCurrentIndex(current);
        ui->listView->setSpacing(0);
        ui->listView->setResizeMode(QListView::Fixed);
        ui->listView->setMovement(QListView::Snap);
        ui->listView->setIconSize(QSize(16, 16));
        ui->listView->setViewMode(QListView::ListMode);
    }

    if (!vault->isLoaded()) {
        try {
            vault->removeAll();
            const int code = vault->load();
            if (code != 0)
                LOG_ERROR << "vault" << vault->GetName() << "not loaded:" << code;
            connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh,
                    Qt::UniqueConnection);
        } catch (const TAVException &e) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("This vault could not be loaded, it may be located on another computer or "
                           "the original vault file has been manually removed. The error is: %1")
                            .arg(QString::fromLatin1(e.what())),
                        {Ui_MainWindowClass::tr("OK")});
        }
    }
    vaultCipher = vault->getCipher();
    if (vault->isLoaded()) {
        updateView(vault);
        syncDirView();
    }
    showFileSystemView();
    TAVSearchIndex::getInstance()->clear();
    buildSearchIndex(TAVFileSystem::getInstance());
}
