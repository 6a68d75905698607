// Adding local files and folders to a vault: the Add Files action, the
// folder walk and the per-file step that has the crypto worker encrypt a
// source into its body, and the wipe of the originals the user asked for.
//
// A job writes every body first, makes them durable with one sync of the
// vault's file system, and then saves the index: the index is the commit
// point. Originals are wiped only once it is on the disk, and only those
// that went into it.
#include "mainwindow.h"

#include "fileutils.h"
#include "mainwindowform.h"
#include "platformutils.h"
#include "productinfo.h"
#include "tavcrypto.h"
#include "tavcryptothread.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfiledialog.h"
#include "tavfilesystem.h"
#include "tavfilesystemtreemodel.h"
#include "tavfolder.h"
#include "tavlogging.h"
#include "tavprogressdialog.h"
#include "tavsearchindex.h"
#include "tavvault.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QTimer>

#include <limits>

#include <unistd.h>

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

// Takes an item this job added out of its container again.
void dropAdded(TAVItemContainer *container, TAVFile *file)
{
    container->removeItem(file);
    delete file;
}

constexpr quint64 kFatFileLimit = Q_UINT64_C(4294967296);

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

} // namespace

bool MainWindow::canAddFile(const QFileInfo &info)
{
    if (!info.isDir())
        return false;
    return ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK | X_OK) == 0;
}

QStringList MainWindow::chooseFilesToAdd()
{
    TAVFileDialog dialog(this, windowTitle() + tr(" - Select Files to Encrypt"), QString(), QString());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setLabelText(QFileDialog::Accept, tr("Encrypt"));
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &TAVFileDialog::userAction, this, &MainWindow::startTimeOut);
    connect(&dialog, &QFileDialog::currentChanged, this, &MainWindow::startTimeOut);
    connect(&dialog, &QFileDialog::directoryEntered, this, &MainWindow::startTimeOut);
    connect(&dialog, &QFileDialog::filterSelected, this, &MainWindow::startTimeOut);
    connect(&dialog, &QWidget::customContextMenuRequested, this, &MainWindow::startTimeOut);
    if (dialog.exec() == 0)
        return QStringList();
    return dialog.selectedFiles();
}

void MainWindow::on_actionAdd_Files_triggered()
{
    stopTimeOut();
    // With several items selected there is no one place to add to.
    auto *container = qobject_cast<TAVItemContainer *>(getParentItem());
    if (!container) {
        startTimeOut();
        return;
    }
    TAVVault *vault = vaultOf(container);
    if (!vault) {
        LOG_ERROR << "getVault failed";
        startTimeOut();
        return;
    }
    vaultCipher = vault->getCipher();
    cryptoError = false;
    accessDenied = false;
    if (!container->canAddFile()) {
        showMessage(QMessageBox::Warning, windowTitle(), tr("Cannot add files here."), {Ui_MainWindowClass::tr("OK")});
        startTimeOut();
        return;
    }

    QStringList paths = chooseFilesToAdd();
    startTimeOut();
    // A name the dialog returns for something that is not there (typed, or
    // gone meanwhile) is told, never stored as an empty item.
    QStringList missing;
    for (auto it = paths.begin(); it != paths.end();) {
        if (QFileInfo::exists(*it)) {
            ++it;
        } else {
            missing << QDir::toNativeSeparators(*it);
            it = paths.erase(it);
        }
    }
    if (!missing.isEmpty())
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("These items could not be found and were not added:\n%1").arg(missing.join('\n')),
                    {Ui_MainWindowClass::tr("OK")});
    if (paths.isEmpty()) {
        startTimeOut();
        return;
    }
    startTimeOut();
    busy = true;
    runAddJob(container, paths);
    busy = false;
    onCrytoWorkerCompleted();
    startTimeOut();
}

void MainWindow::beginAddJob()
{
    storedSources.clear();
    walkedFolders.clear();
    jobFreeSpace = -1;
    jobTime = QDateTime::currentDateTime();
}

void MainWindow::runAddJob(TAVItemContainer *container, const QStringList &paths)
{
    bool askBeforeReplace = true;
    beginAddJob();

    // Each selected path walked once for its size: the remaining sizes are
    // what is left of these.
    QList<quint64> sizes;
    quint64 total = 0;
    for (const QString &path : paths) {
        sizes << quint64(FileUtils::getListFileSize({path}));
        total += sizes.last();
    }
    quint64 remaining = total;
    progressDialog->reset();
    progressDialog->setTotalSize(total);
    progressDialog->setRemainSize(total);
    progressDialog->setMainProgressVisible(!(paths.size() == 1 && !QFileInfo(paths.first()).isDir()));
    showProgress(ui->actionAdd_Files->text());

    bool last = false;
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths.at(i);
        progressDialog->setCurItemSize(sizes.at(i));
        progressDialog->setItemValue(0);
        // A folder (an application bundle is one too) is walked; anything
        // else is a file.
        const QFileInfo info(path);
        if (info.isDir())
            last = encryptDir(container, path, askBeforeReplace, FileUtils::getFileName(path));
        else
            last = encryptFile(container, path, askBeforeReplace, FileUtils::getFileName(path), info);
        if (progressDialog->wasCanceled || cryptoError || accessDenied)
            break;
        remaining -= sizes.at(i);
        progressDialog->setRemainSize(remaining);
    }
    progressDialog->setMainValue(100);

    bool removeSources = false;
    if (!progressDialog->wasCanceled && last && !storedSources.isEmpty()) {
        // A box closed by the lock (-1) is a No: nothing is wiped.
        if (showMessage(QMessageBox::Question, windowTitle(),
                        tr("Would you like to completely remove the original file(s) from your computer?"),
                        {Ui_MainWindowClass::tr(" No "), Ui_MainWindowClass::tr(" Yes ")})
                == 1
            && showMessage(QMessageBox::Question, windowTitle(),
                           tr("You are about to securely wipe the original file(s) from your computer. You "
                              "will not be able to recover these file(s) once they have been removed. Do "
                              "you wish to continue?"),
                           {Ui_MainWindowClass::tr(" No "), Ui_MainWindowClass::tr(" Yes ")})
                == 1)
            removeSources = true;
    }

    // A failed save puts the tree back as the disk holds it: the container
    // shown is then its reloaded self.
    const bool committed = commitAddJob(container);
    updateView(container);
    syncDirView();
    progressDialog->close();
    if (removeSources && committed)
        removeStoredSources(paths);
    storedSources.clear();
}

namespace {

void collectBodies(const TAVItemContainer *container, QSet<QString> *bodies)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        if (auto *file = qobject_cast<TAVFile *>(item))
            bodies->insert(file->getFullPhysicalFileName());
        else if (auto *folder = qobject_cast<TAVItemContainer *>(item))
            collectBodies(folder, bodies);
    }
}

} // namespace

TAVItemContainer *MainWindow::revertToSavedIndex(TAVVault *vault, TAVItemContainer *container)
{
    // The tree goes back to what the index on the disk lists, so that the
    // view shows what the vault holds; the bodies written since, which no
    // index names, go. Nothing is removed when the index can't be read back.
    const QString path = container->GetFullPath();
    QSet<QString> before;
    collectBodies(vault, &before);
    resetItemViews();
    vault->unload();
    int loaded = TAVVault::VaultFailed;
    try {
        loaded = vault->load();
    } catch (const TAVException &e) {
        LOG_ERROR << "the index of vault" << vault->GetName() << "could not be read back:" << e.what();
    }
    if (loaded != 0)
        return TAVFileSystem::getInstance();
    QSet<QString> kept;
    collectBodies(vault, &kept);
    for (const QString &body : qAsConst(before)) {
        if (!kept.contains(body) && QFileInfo::exists(body) && !QFile::remove(body))
            LOG_ERROR << "the unsaved body" << body << "could not be removed";
    }
    auto *again = qobject_cast<TAVItemContainer *>(TAVFileSystem::getInstance()->findItemByPath(path));
    return again ? again : vault;
}

bool MainWindow::commitAddJob(TAVItemContainer *&container)
{
    flushVaultStats();
    TAVVault *vault = vaultOf(container);
    if (!vault)
        return false;
    const QString folder = vault->getFullPhysicalVaultPath();
    // The bodies first, all at once; then the index that names them.
    const bool synced = vault->syncBodies();
    const bool saved = vault->isLoaded() && QDir(folder).exists() && vault->save() == 0;

    TAVFileSystem *root = TAVFileSystem::getInstance();
    if (!saved)
        container = revertToSavedIndex(vault, container);
    TAVFileSystemTreeModel::getInstance()->setRootItem(root);
    TAVSearchIndex::getInstance()->clear();
    buildSearchIndex(root);

    if (!saved) {
        LOG_ERROR << "the index of vault" << vault->GetName() << "could not be saved";
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The vault %1 could not be saved, so the files just added are not kept in it. "
                       "The original files have not been removed.")
                        .arg(vault->GetDisplayName()),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }
    if (!synced) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The files added to the vault %1 could not be written safely to its disk. "
                       "The original files have not been removed.")
                        .arg(vault->GetDisplayName()),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }
    return true;
}

void MainWindow::removeStoredSources(const QStringList &paths)
{
    for (const QString &path : paths)
        if (removeStored(path) != 0)
            return;
}

int MainWindow::removeStored(const QString &path)
{
    const QFileInfo info(path);
    // A folder reached through a link was walked, but what it holds is not
    // the user's chosen tree: it is left alone.
    if (info.isDir() && !info.isSymLink()) {
        const QStringList names = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                       | QDir::NoDotAndDotDot);
        for (const QString &name : names)
            if (removeStored(path + QLatin1Char('/') + name) != 0)
                return 1;
        // Goes only once empty: what was not stored (hidden files, refused
        // files) keeps its folder.
        QDir().rmdir(path);
        return 0;
    }
    if (!storedSources.contains(path))
        return 0;
    while (!FileUtils::remove(path, true)) {
        startTimeOut();
        const int answer = showMessage(
            QMessageBox::Question, windowTitle(),
            QStringLiteral("%1 %2 '%3'. %4")
                .arg(ProductInfo::title(), tr("can not remove"), QDir::toNativeSeparators(path),
                     tr("This file is read-only or locked by another application.\n\nPress 'Try Again' "
                        "to try to remove it, 'Ignore' to continue or 'Cancel' to stop removing files.")),
            {tr("Try Again"), tr("Ignore"), tr("Cancel")});
        if (answer == 1)
            return 0;
        if (answer != 0) // Cancel, or the box closed by the lock
            return 1;
    }
    return 0;
}

bool MainWindow::refuseUnportableName(const QString &name, const QString &path)
{
    // What could never be saved out again is not taken in: the same rule as
    // extracting, new folders and renames.
    if (FileUtils::isPortableFileName(name))
        return true;
    showMessage(QMessageBox::Information, windowTitle(),
                tr("The filename %1 contains characters that are not allowed on all platforms.")
                    .arg(QDir::toNativeSeparators(path)),
                {Ui_MainWindowClass::tr("OK")});
    return false;
}

bool MainWindow::encryptDir(TAVItemContainer *container, QString path, bool &askBeforeReplace,
                            QString displayPath)
{
    if (progressDialog->wasCanceled)
        return false;
    progressDialog->setTaskInformation(Ui_MainWindowClass::tr("Encrypting..."), displayPath);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const QString name = FileUtils::getFileName(path);
    if (name.isEmpty()) {
        showMessage(QMessageBox::Information, windowTitle(),
                    QLatin1Char('\'') + path + QLatin1Char('\'')
                        + tr(" is neither a directory nor a file. %1 encrypts a directory or a file only. "
                             "Please try again.")
                              .arg(ProductInfo::title()),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }

    if (!refuseUnportableName(name, path))
        return true;

    // A link back into the tree being walked would never end.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (walkedFolders.contains(canonical)) {
        LOG_INFO << "skipping" << path << ": it leads back into the folder being added";
        return true;
    }

    TAVItemContainer *folder = nullptr;
    TAVItem *existing = container->getItem(name);
    if (existing && existing->GetClassID() == TAV_CLASS_FILE) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The folder %1 was not added: a file of the same name is already there.")
                        .arg(QDir::toNativeSeparators(path)),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }
    if (existing) {
        // Whatever the case of its letters: the contents merge.
        folder = static_cast<TAVItemContainer *>(existing);
    } else {
        try {
            folder = container->addFolder(name);
        } catch (const TAVException &e) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("The folder %1 could not be added: %2")
                            .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())),
                        {Ui_MainWindowClass::tr("OK")});
            return false;
        }
    }

    walkedFolders.insert(canonical);
    bool result = true;
    // The listing tells each entry's kind: no look at a file before its own.
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (progressDialog->wasCanceled || cryptoError || accessDenied) {
            result = false;
            break;
        }
        const QString child = path + QLatin1Char('/') + entry.fileName();
        const QString childDisplay = displayPath + QLatin1Char('/') + entry.fileName();
        result = entry.isDir() ? encryptDir(folder, child, askBeforeReplace, childDisplay)
                               : encryptFile(folder, child, askBeforeReplace, childDisplay, entry);
    }
    walkedFolders.remove(canonical);
    return result;
}

bool MainWindow::encryptFile(TAVItemContainer *container, QString path, bool &askBeforeReplace,
                             QString displayPath, const QFileInfo &info)
{
    Q_UNUSED(displayPath)
    accessDenied = false;
    if (progressDialog->wasCanceled)
        return false;
    progressDialog->setTaskInformation(Ui_MainWindowClass::tr("Encrypting..."), path);
    const QString source = path;
    const QString name = FileUtils::getFileName(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!refuseUnportableName(name, path))
        return true;
    TAVItem *existing = container->getItem(name);
    TAVFile *added = nullptr;

    try {
        TAVVault *vault = vaultOf(container);
        if (!vault) {
            LOG_ERROR << "getVault failed";
            return false;
        }
        vaultCipher = vault->getCipher();

        if (!info.isFile()) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("%1 was not added: it is not a file that can be read.").arg(shown),
                        {Ui_MainWindowClass::tr("OK")});
            return false;
        }
        const quint64 size = quint64(info.size());
        // Asked once per job, then counted down by what each body takes.
        if (jobFreeSpace < 0) {
            const QString folder = vault->getFullPhysicalVaultPath();
            jobFreeSpace = qint64(qMin<quint64>(freeDiskSpace ? freeDiskSpace(folder) : PlatformUtils::getFreeDisk(folder),
                                                quint64(std::numeric_limits<qint64>::max())));
        }
        if (size > 0 && size > quint64(jobFreeSpace)) {
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("The application can not add more files because the vault's disk is full."),
                        {Ui_MainWindowClass::tr("OK")});
            progressDialog->cancel();
            return false;
        }
        if (vault->getFileSystemType() == FileUtils::TAV_FS_FAT && size >= kFatFileLimit) {
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("It is not possible to encrypt the selected file. This may be due to a "
                           "restriction of the USB flash drive file system or the drive is full."),
                        {Ui_MainWindowClass::tr("OK")});
            return false;
        }
        if (existing && existing->GetClassID() != TAV_CLASS_FILE) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("The file %1 was not added: a folder of the same name is already there.")
                            .arg(shown),
                        {Ui_MainWindowClass::tr("OK")});
            return false;
        }
        if (!existing) {
            if (!container->canAddFile()) {
                showMessage(QMessageBox::Warning, windowTitle(), tr("Cannot add files here."),
                            {Ui_MainWindowClass::tr("OK")});
                return false;
            }
            added = container->addFile(info);
        } else if (askBeforeReplace) {
            const int answer = showMessage(
                QMessageBox::Question, windowTitle(),
                tr("%1 already contains a file name '").arg(ProductInfo::title()) + name
                    + tr("'. Would you like to replace the existing file?"),
                {Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr("Yes to All"), Ui_MainWindowClass::tr(" No ")});
            // " No ", or the box closed by the lock: the item stays as it is.
            if (answer == 2 || answer < 0)
                return false;
            if (answer == 1)
                askBeforeReplace = false;
        }

        progressDialog->setCurItemSize(size);
        letEventsRun();
        if (!path.startsWith(QLatin1Char('/')))
            path.prepend(QLatin1Char('/'));

        TAVFile *file = added ? added : static_cast<TAVFile *>(existing);
        // A new body may wait for the job's one sync: until the index names
        // it nothing refers to it, and the vault syncs before any save of its
        // index. A replaced body is synced before it takes the old one's
        // place, which the index on the disk names.
        cryptoThread->syncEachBody = added == nullptr;
        cryptoThread->newBody = added != nullptr;
        if (added)
            vault->noteUnsyncedBodies();
        bool signalled = false;
        const auto noteError = connect(cryptoThread, &TAVCryptoThread::TAVCryptToError, this,
                                       [&signalled] { signalled = true; });
        const auto noteDenied = connect(cryptoThread, &TAVCryptoThread::TAVFileAccessDeny, this,
                                        [&signalled] { signalled = true; });
        try {
            file->encrypt(info, cryptoThread);
        } catch (...) {
            disconnect(noteError);
            disconnect(noteDenied);
            cryptoThread->syncEachBody = true;
            cryptoThread->newBody = false;
            throw;
        }
        disconnect(noteError);
        disconnect(noteDenied);
        cryptoThread->syncEachBody = true;
        cryptoThread->newBody = false;

        const quint64 remain = progressDialog->getRemainSize();
        progressDialog->setRemainSize(remain - qMin(remain, size));
        const quint64 taken = size + TAVCrypto::kHeaderSize;
        jobFreeSpace = taken >= quint64(jobFreeSpace) ? 0 : jobFreeSpace - qint64(taken);
        // The job's one time: each folder passes it on to its own.
        if (file->GetParent())
            file->GetParent()->SetModifiedDate(jobTime);

        // The worker's end state decides, not only the signals it sent: a
        // write that failed half-way sends none.
        const int state = cryptoThread->state;
        if (state == 1) {
            // The old body of a replaced item was never touched: it stays.
            if (added)
                dropAdded(container, added);
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("The copy operation was cancelled by the user"), {Ui_MainWindowClass::tr("OK")});
            return true;
        }
        if (state != 0 || cryptoError || accessDenied) {
            if (added)
                dropAdded(container, added);
            if (state != 0 && !signalled)
                reportWorkerFailure(vault, source, size);
            if (!accessDenied)
                cryptoError = true;
            return false;
        }

        storedSources.insert(source);
        scheduleVaultStats(container);
        return true;
    } catch (const TAVException &e) {
        if (added)
            dropAdded(container, added);
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("%1 could not be added: %2").arg(shown, QString::fromUtf8(e.what())),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }
}

void MainWindow::reportWorkerFailure(TAVVault *vault, const QString &path, quint64 size)
{
    const QString folder = vault->getFullPhysicalVaultPath();
    const quint64 free = freeDiskSpace ? freeDiskSpace(folder) : PlatformUtils::getFreeDisk(folder);
    if (size > free) {
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("The application can not add more files because the vault's disk is full."),
                    {Ui_MainWindowClass::tr("OK")});
        return;
    }
    const QString reason = cryptoThread->error.isEmpty() ? tr("unknown error") : cryptoThread->error;
    showMessage(QMessageBox::Warning, windowTitle(),
                tr("%1 could not be encrypted into the vault: %2").arg(QDir::toNativeSeparators(path), reason),
                {Ui_MainWindowClass::tr("OK")});
}

void MainWindow::scheduleVaultStats(TAVItem *item)
{
    // The statistics walk the whole vault: during a job of many small files
    // they and the repaint run a few times a second, not once per file.
    statsItem = item;
    if (!statsTimer) {
        statsTimer = new QTimer(this);
        statsTimer->setSingleShot(true);
        connect(statsTimer, &QTimer::timeout, this, [this] {
            if (statsItem)
                updateVaultStats(statsItem);
            update();
        });
    }
    if (!statsTimer->isActive())
        statsTimer->start(statsRefreshMs);
}

void MainWindow::flushVaultStats()
{
    if (!statsTimer || !statsTimer->isActive())
        return;
    statsTimer->stop();
    if (statsItem)
        updateVaultStats(statsItem);
    update();
}
