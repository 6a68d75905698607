// Creating, disconnecting and adopting vaults; deleting items and vaults;
// new folders, folder removal and renaming.
#include "mainwindow.h"

#include "fileutils.h"
#include "localdirtreeview.h"
#include "localfilesystemmodel.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfiledialog.h"
#include "tavfolder.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavinputdialog.h"
#include "tavitemnamevalidator.h"
#include "tavkeychain.h"
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
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QStackedWidget>

namespace {

// lupdate does not see texts passed through here: write
// Ui_MainWindowClass::tr("...") instead.
[[maybe_unused]] QString trMain(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

QStringList noYes()
{
    return {Ui_MainWindowClass::tr(" No "), Ui_MainWindowClass::tr(" Yes ")};
}

// Every ending of an operation starts the inactivity timer again.
class TimerRestart
{
public:
    explicit TimerRestart(MainWindow *window) : window(window) {}
    ~TimerRestart() { window->startTimeOut(); }
    TimerRestart(const TimerRestart &) = delete;
    TimerRestart &operator=(const TimerRestart &) = delete;

private:
    MainWindow *window;
};

const char *const kVaultFiles[] = {"index.dat", "version.dat", "keychain.dat"};

bool holdsVaultFile(const QString &folder)
{
    for (const char *name : kVaultFiles)
        if (QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(name)))
            return true;
    return false;
}

bool holdsWholeVault(const QString &folder)
{
    for (const char *name : kVaultFiles)
        if (!QFileInfo(folder + QLatin1Char('/') + QLatin1String(name)).isFile())
            return false;
    return true;
}

// The folder's icon entry as the vault icon writes it; one the user made is not ours.
const QByteArray kIconEntry = "[Desktop Entry]\nIcon=./vault.png\n";

bool isOurIconEntry(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == kIconEntry.size()
        && file.readAll() == kIconEntry;
}

void collectBodies(const TAVItemContainer *container, QStringList &bodies)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        const TAVItem *item = container->getItemAt(i);
        if (item->GetClassID() == TAV_CLASS_FILE) {
            const QString body = static_cast<const TAVFile *>(item)->getFullPhysicalFileName();
            if (!body.isEmpty())
                bodies << body;
        } else {
            collectBodies(static_cast<const TAVItemContainer *>(item), bodies);
        }
    }
}

// What a vault owns in its folder: the files of its own formats placed there
// and the bodies its index lists (or that wait for its next save). Anything
// else the folder holds belongs to the user. Read while the vault is loaded.
QStringList ownedFiles(TAVVault *vault)
{
    QStringList files;
    if (!vault->isAvailable())
        return files;
    const QString folder = vault->getFullPhysicalVaultPath();
    const QDir dir(folder);
    QStringList names{QFileInfo(vault->getVaultIdxFileName()).fileName(),
                      QFileInfo(vault->getVaultVersionFileName()).fileName(),
                      QFileInfo(vault->getKeyFileName()).fileName(),
                      QFileInfo(vault->getVaultSyncFileName()).fileName(),
                      QStringLiteral("vault.png"), QStringLiteral("vault.icns")};
    names += dir.entryList({QStringLiteral("*.sync")}, QDir::Files | QDir::Hidden);
    for (const QString &name : qAsConst(names))
        if (QFileInfo(dir.filePath(name)).isFile())
            files << dir.filePath(name);
    files += vault->getIndexBackupFiles();
    if (isOurIconEntry(dir.filePath(QStringLiteral(".directory"))))
        files << dir.filePath(QStringLiteral(".directory"));
    collectBodies(vault, files);
    files += vault->discardedBodies();
    return files;
}

// Removes the files, then the body folders they leave empty and the vault
// folder when nothing else is left in it.
void removeVaultFiles(const QString &folder, const QStringList &files)
{
    for (const QString &file : files)
        if (QFileInfo::exists(file) && !QFile::remove(file))
            LOG_ERROR << "could not remove" << file;
    QDir dir(folder);
    const QRegularExpression bodyFolder(QStringLiteral("^[0-9a-f]{2}$"));
    const QStringList subFolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : subFolders)
        if (bodyFolder.match(name).hasMatch())
            dir.rmdir(name); // only when empty
    if (!folder.isEmpty() && QDir(folder).exists())
        QDir().rmdir(folder); // only when empty
}

struct DeletedVault
{
    QString folder;
    QStringList files;
};

} // namespace

bool MainWindow::isAllowedItemName(const QString &name)
{
    return TAVItemNameValidator::validate(name) && FileUtils::isPortableFileName(name);
}

bool MainWindow::saveVaultList()
{
    const QString listFile = settingsDir + QStringLiteral("/filesystem.dat");
    if (TAVFileSystem::getInstance()->saveToFile(listFile, key) == 0)
        return true;
    warnSaveFailed(tr("The list of vaults could not be saved to %1.")
                       .arg(QDir::toNativeSeparators(listFile)));
    return false;
}

bool MainWindow::askText(const QString &label, QString *text, bool password, const QString &initial)
{
    TAVInputDialog dialog(this, windowTitle(), label, QInputDialog::TextInput);
    dialog.setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(initial);
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &TAVInputDialog::userAction, this, &MainWindow::startTimeOut);
    connect(&dialog, &QWidget::customContextMenuRequested, this, &MainWindow::startTimeOut);
    connect(&dialog, &QInputDialog::textValueChanged, this, &MainWindow::startTimeOut);
    connect(&dialog, &QInputDialog::textValueSelected, this, &MainWindow::startTimeOut);
    startTimeOut();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    stopTimeOut();
    if (accepted)
        *text = dialog.textValue();
    return accepted;
}

bool MainWindow::pickFolder(const QString &caption, bool acceptSave, QString *folder)
{
    TAVFileDialog dialog(this, caption, QStringLiteral("/"), QString());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::DontResolveSymlinks, true);
    // Saving lets a new folder name be typed.
    dialog.setAcceptMode(acceptSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &TAVFileDialog::userAction, this, &MainWindow::startTimeOut);
    connect(&dialog, &QFileDialog::currentChanged, this, &MainWindow::startTimeOut);
    connect(&dialog, &QFileDialog::directoryEntered, this, &MainWindow::startTimeOut);
    connect(&dialog, &QFileDialog::filterSelected, this, &MainWindow::startTimeOut);
    connect(&dialog, &QWidget::customContextMenuRequested, this, &MainWindow::startTimeOut);
    startTimeOut();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    stopTimeOut();
    if (!accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    *folder = QDir::cleanPath(QFileInfo(chosen.first()).absoluteFilePath());
    return true;
}

void MainWindow::refreshSearchResults()
{
    const QString text = ui->qSearchLed->text();
    TAVSearchModel::getInstance(this)->setItemList(
        text.isEmpty() ? QList<TAVItem *>() : TAVSearchIndex::getInstance()->searchItems(text));
}

// ---- Creating vaults ------------------------------------------------------

void MainWindow::on_actionNew_Vault_triggered()
{
    if (encryptionMethod >= TAV_AES128 && encryptionMethod <= TAV_AES1024)
        newVault(TAVCipher(encryptionMethod));
}

void MainWindow::newVault(TAVCipher cipher)
{
    stopTimeOut();
    const TimerRestart restart(this);
    QString folder;
    if (!pickFolder(tr("Please select a location for the new vault:"), true, &folder))
        return;
    TAVFileSystem *root = TAVFileSystem::getInstance();

    // A new index and key chain there would take the place of that vault's.
    if (holdsVaultFile(folder)) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The selected folder already contains a vault. Use Add Existing Vault to "
                       "connect it."),
                    {Ui_MainWindowClass::tr("OK")});
        return;
    }
    const bool folderExisted = QFileInfo::exists(folder);
    FileUtils::makePath(folder);
    const QString name = QFileInfo(folder).baseName();
    if (!isAllowedItemName(name)) {
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("The filename %1 contains characters that are not allowed on all platforms.")
                        .arg(name.isEmpty() ? QFileInfo(folder).fileName() : name),
                    {Ui_MainWindowClass::tr("OK")});
        return;
    }
    if (root->getItem(name)) {
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("A Vault with the name you specified already exists. Specify a different "
                       "vault name and try again."),
                    {Ui_MainWindowClass::tr("OK")});
        return;
    }

    const QString iconImage = folder + QStringLiteral("/vault.png");
    const QString iconEntry = folder + QStringLiteral("/.directory");
    const bool hadIconImage = QFileInfo::exists(iconImage);
    const bool hadIconEntry = QFileInfo::exists(iconEntry);
    try {
        TAVVault *vault = root->addVault(name, folder, cipher, TAVKey());
        FileUtils::setVaultDirIcon(folder);
        connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh,
                Qt::UniqueConnection);
        vault->setLoaded(true);
        if (vault->save() > 0) {
            // Nothing half-made stays: not the item, not what it put in the folder.
            root->removeItem(vault);
            delete vault;
            if (!hadIconImage)
                QFile::remove(iconImage);
            if (!hadIconEntry)
                QFile::remove(iconEntry);
            if (!folderExisted)
                QDir().rmdir(folder);
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("Unable to write vault structure. The vault was not created."),
                        {Ui_MainWindowClass::tr("OK")});
            return;
        }
        root->addVaultItem(vault);
        vault->saveVaultVersion();
        // The key chain keeps the vault key wrapped under the master key, never bare.
        TAVKey wrapped = vault->getKey();
        TAVKeyChain chain(vault->getKeyFileName());
        if (wrapped.encrypt(key) != 0 || chain.setKey(QString(), wrapped) != 0)
            LOG_ERROR << "unable to write key file";
    } catch (const TAVException &e) {
        showMessage(QMessageBox::Warning, windowTitle(), QString::fromUtf8(e.what()),
                    {Ui_MainWindowClass::tr("OK")});
    }
    onFileSystemChanged(root);
    updateView(root);
    syncDirView();
}

// ---- Disconnecting vaults -------------------------------------------------

void MainWindow::on_actionRemove_Vault_triggered()
{
    const TimerRestart restart(this);
    if (showMessage(QMessageBox::Question, windowTitle(),
                    tr("Do you really want to remove the selected vault?"), noYes())
        != 1)
        return;
    TAVItem *item = getCurrentItem();
    if (!item)
        return;
    auto *vault = qobject_cast<TAVVault *>(item);
    if (!vault) {
        showMessage(QMessageBox::Warning, windowTitle(), tr("The selected item is not a vault."),
                    {Ui_MainWindowClass::tr("OK")});
        return;
    }
    TAVFileSystem *root = TAVFileSystem::getInstance();
    // The vault object is destroyed below: a synchronisation or scan still
    // working on it (a run the user left running) must end first.
    cancelSyncRuns();
    // Unloaded first: its index is not written again; the folder stays as it is.
    vault->unload();
    const QString name = vault->GetDisplayName();
    root->removeItem(name);
    root->removeVaultItem(name);
    onFileSystemChanged(root);
    refreshSearchResults();
    updateView(root);
}

// ---- Adopting a vault folder ----------------------------------------------

void MainWindow::on_actionAdd_Existing_Vault_triggered()
{
    stopTimeOut();
    const TimerRestart restart(this);
    const QString ok = Ui_MainWindowClass::tr("OK");
    const QString alreadyThere = tr("A Vault with the name you specified already exists. Specify "
                                    "a different vault name and try again.");
    QString folder;
    if (!pickFolder(tr("Please choose the folder of your existing vault(s):"), false, &folder))
        return;
    if (!holdsWholeVault(folder)) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The selected folder does not contain a vault."), {ok});
        return;
    }
    TAVFileSystem *root = TAVFileSystem::getInstance();
    QUuid id;
    QString name;
    TAVCipher cipher = TAVCiphers::platform_preferred_cipher();
    TAVFileSystem::getVaultInfo(folder, id, name, cipher);
    if (!id.isNull()) {
        for (const TAVFileSystemEntry &entry : root->getVaultList()) {
            if (entry.id == id) {
                showMessage(QMessageBox::Information, windowTitle(), alreadyThere, {ok});
                return;
            }
        }
    }
    if (!isAllowedItemName(name) || root->getItem(name)) {
        QString typed;
        if (!askText(tr("A vault with the same name already exists.\nPlease enter a new name"),
                     &typed))
            return;
        name = typed.trimmed();
        if (name.isEmpty())
            return;
        if (!isAllowedItemName(name)) {
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("The filename %1 contains characters that are not allowed on all "
                           "platforms.")
                            .arg(name),
                        {ok});
            return;
        }
        if (root->getItem(name)) {
            showMessage(QMessageBox::Information, windowTitle(), alreadyThere, {ok});
            return;
        }
    }

    // A key file that can't be read is damage, never a wrong password: told
    // before any password is asked for.
    TAVKeyChain chain(folder + QStringLiteral("/keychain.dat"));
    TAVKey wrapped;
    if (chain.read() != 0 || chain.getKey(QString(), &wrapped) != 0) {
        LOG_ERROR << "unable to get key";
        showMessage(QMessageBox::Warning, windowTitle(), damagedFileText(chain.fileName), {ok});
        return;
    }

    QString password;
    askText(tr("Enter your password to unlock the vault:"), &password, true);
    if (password.trimmed().isEmpty()) {
        showMessage(QMessageBox::Warning, windowTitle(), tr("Please try again and enter a password"),
                    {ok});
        return;
    }

    // The password as typed first: it may end in a blank on purpose.
    QStringList candidates{password};
    if (password.trimmed() != password)
        candidates << password.trimmed();
    const QString index = folder + QStringLiteral("/index.dat");
    TAVKey vaultKey;
    bool found = false;
    for (const QString &candidate : qAsConst(candidates)) {
        TAVKey unwrapped = wrapped;
        if (unwrapped.decrypt(TAVKey(candidate)) != 0)
            continue;
        TAVCryptoFile file(index);
        TAVCipher indexCipher = TAV_CIPHER_NONE;
        unsigned int version = 0;
        const int opened = file.open(QIODevice::ReadOnly, &indexCipher, unwrapped, &version);
        file.close();
        if (opened == 0) {
            vaultKey = unwrapped;
            found = true;
            break;
        }
        if (opened == 1)
            return; // the index went away meanwhile
        if (opened != 4) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("The selected folder does not contain a vault."), {ok});
            return;
        }
    }
    if (!found) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The password is not correct for this vault."), {ok});
        return;
    }

    // Nothing is written before the vault has loaded under the key and its
    // index has been saved: a failure leaves the folder and the list as they were.
    TAVVault *vault = nullptr;
    try {
        vault = root->addVault(name, folder, cipher, vaultKey);
        if (vault->load() > 0) {
            root->removeItem(vault);
            delete vault;
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("The selected folder does not contain a vault."), {ok});
            return;
        }
    } catch (const TAVException &e) {
        if (vault) {
            root->removeItem(vault);
            delete vault;
        }
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("Unable to add this Vault. A Vault with the same name already exists. The "
                       "error is: %1")
                        .arg(QString::fromUtf8(e.what())),
                    {ok});
        return;
    }
    vault->SetName(name);
    root->addVaultItem(vault);
    if (vault->save() > 0) {
        root->removeVaultItem(vault->GetName());
        root->removeItem(vault);
        delete vault;
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("Unable to write vault structure. The vault was not added."), {ok});
        return;
    }
    // The new identifier is written, so the folder is known as listed from now on.
    vault->saveVaultVersion();
    connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh, Qt::UniqueConnection);
    if (!QFileInfo::exists(folder + QStringLiteral("/vault.png")))
        FileUtils::setVaultDirIcon(folder);
    onFileSystemChanged(root);
    updateView(root);
    syncDirView();
}

// ---- Deleting items and vaults --------------------------------------------

void MainWindow::on_actionDeleteItem_triggered()
{
    stopTimeOut();
    const TimerRestart restart(this);
    const QList<TAVItem *> selection = getSelectedItems();
    if (selection.isEmpty()) {
        setCursor(Qt::ArrowCursor);
        return;
    }
    setCursor(Qt::WaitCursor);
    repaint();

    TAVFileSystem *root = TAVFileSystem::getInstance();
    // Deleting a folder or a vault destroys the items below it, which the
    // selection (search results) may list as well.
    QList<QPointer<TAVItem>> items;
    for (TAVItem *item : selection)
        items << item;
    QList<QPointer<TAVVault>> changedVaults;
    QList<DeletedVault> deletedVaults;
    QPointer<TAVItemContainer> lastContainer;
    bool asked = false;
    bool deleted = false;

    for (const QPointer<TAVItem> &item : qAsConst(items)) {
        if (!item)
            continue;
        auto *parent = qobject_cast<TAVItemContainer *>(item->GetParent());
        if (!parent)
            continue;
        const QString name = item->GetDisplayName();
        if (parent == root) {
            auto *vault = qobject_cast<TAVVault *>(item.data());
            if (!vault || !vault->canDelete())
                continue;
            // Asked even when its folder is missing: its list entry holds its key.
            if (showMessage(QMessageBox::Question, windowTitle(),
                            tr("You have choosen to delete the vault titled [%1]. All files within "
                               "this vault will also be deleted. Do you wish to continue?")
                                .arg(name),
                            noYes())
                != 1)
                continue;
            lastContainer = root;
            deletedVaults.append({vault->getFullPhysicalVaultPath(), ownedFiles(vault)});
            vault->unload();
            root->removeVaultItem(name);
            root->removeItem(name);
            root->SetModifiedDate(QDateTime::currentDateTime());
            deleted = true;
            continue;
        }
        if (!asked) {
            asked = true;
            if (showMessage(QMessageBox::Question, windowTitle(),
                            tr("Do you really want to delete the selected item(s)?"), noYes())
                != 1)
                break;
        }
        TAVItem *vault = nullptr;
        if (item->getVault(&vault) == 0 && !changedVaults.contains(qobject_cast<TAVVault *>(vault)))
            changedVaults << qobject_cast<TAVVault *>(vault);
        lastContainer = parent;
        // The bodies go once the index that no longer lists them is saved.
        parent->deleteItem(name);
        parent->SetModifiedDate(QDateTime::currentDateTime());
        deleted = true;
    }

    if (deleted) {
        for (const QPointer<TAVVault> &vault : qAsConst(changedVaults))
            if (vault)
                onFileSystemChanged(vault);
        if (!deletedVaults.isEmpty()) {
            // Their files go only once the list no longer holds them; else
            // the vault folders stay whole and can be adopted again.
            if (saveVaultList())
                for (const DeletedVault &gone : qAsConst(deletedVaults))
                    removeVaultFiles(gone.folder, gone.files);
            resetDirView();
            TAVSearchIndex::getInstance()->clear();
            buildSearchIndex(root);
        }
        refreshSearchResults();
        updateView(lastContainer ? lastContainer.data() : root);
        syncDirView();
    }
    setCursor(Qt::ArrowCursor);
}

// ---- New folder and folder removal ----------------------------------------

void MainWindow::on_actionNew_Folder_triggered()
{
    stopTimeOut();
    const TimerRestart restart(this);
    const QString ok = Ui_MainWindowClass::tr("OK");
    const QString label = tr("Please enter a name for your new folder:                    ");
    const auto refuseName = [&](const QString &name) {
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("The filename %1 contains characters that are not allowed on all platforms.")
                        .arg(name),
                    {ok});
    };

    if (activeModel && activeModel->objectName() == QLatin1String("LocalFileSystemModel")) {
        QString name;
        if (!askText(label, &name))
            return;
        name = name.trimmed();
        if (name.isEmpty())
            return;
        if (!isAllowedItemName(name)) {
            refuseName(name);
            return;
        }
        // The folder listed: the folder tree's current entry may be another
        // (Computer collapses the tree and leaves it behind).
        const QString parentDir = localFileModel->rootPath();
        if (parentDir.isEmpty() || !QDir(parentDir).mkdir(name)) {
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("Failed to create the '%1' directory").arg(name), {ok});
            return;
        }
        localFileModel->setRootPath(localFileModel->rootPath());
        return;
    }

    QPointer<TAVItem> target = getParentItem();
    auto *container = qobject_cast<TAVItemContainer *>(target.data());
    if (!container)
        return; // several items selected: no one place to create it
    if (!container->canAddFolder()) {
        showMessage(QMessageBox::Warning, windowTitle(), tr("You cannot create a folder here."),
                    {ok});
        return;
    }
    try {
        QString name;
        if (!askText(label, &name))
            return;
        name = name.trimmed();
        // Gone or unloaded while the prompt was open (a lock): nothing to add to.
        if (name.isEmpty() || !target || !container->canAddFolder())
            return;
        if (!isAllowedItemName(name)) {
            refuseName(name);
            return;
        }
        if (container->getItem(name)) {
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("A folder with the name you specified already exists. Specify a "
                           "different folder name and try again."),
                        {ok});
            return;
        }
        TAVFolder *folder = container->addFolder(name);
        if (!history.contains(container->GetFullDisplayPath())) {
            history.append(container->GetFullDisplayPath());
            historyIndex = history.size();
        }
        const QDateTime now = QDateTime::currentDateTime();
        folder->SetCreatedDate(now);
        folder->SetModifiedDate(now);
        onFileSystemChanged(container);
        updateView(container);
        syncDirView();
    } catch (const TAVException &e) {
        showMessage(QMessageBox::Warning, windowTitle(), QString::fromUtf8(e.what()), {ok});
    }
}

void MainWindow::on_actionRemove_Folder_triggered()
{
    const TimerRestart restart(this);
    if (showMessage(QMessageBox::Question, windowTitle(),
                    tr("Do you really want to remove the selected folder?"), noYes())
        != 1)
        return;
    // The item behind the current row of the model the view really shows:
    // the container's contents or the search results.
    QAbstractItemView *view = ui->tavViewStackedWidget->currentIndex() == 0
        ? static_cast<QAbstractItemView *>(ui->treeView)
        : static_cast<QAbstractItemView *>(ui->listView);
    const QModelIndex current = view->currentIndex();
    TAVItem *item = nullptr;
    if (view->model() && view->model()->objectName() == QLatin1String("TAVSearchModel"))
        item = TAVSearchModel::getInstance(this)->itemFromIndex(current);
    else
        item = tavModel->itemFromIndex(current);
    if (!item)
        return;
    if (item->GetClassID() != TAV_CLASS_FOLDER) {
        showMessage(QMessageBox::Warning, windowTitle(), tr("The selected item is not a folder."),
                    {Ui_MainWindowClass::tr("OK")});
        return;
    }
    auto *container = qobject_cast<TAVItemContainer *>(item->GetParent());
    if (!container)
        return;
    container->deleteItem(item->GetDisplayName());
    onFileSystemChanged(container);
    refreshSearchResults();
    updateView(container);
    syncDirView();
}

// ---- Renaming -------------------------------------------------------------

void MainWindow::on_actionRenameItem_triggered()
{
    stopTimeOut();
    const TimerRestart restart(this);
    const QString ok = Ui_MainWindowClass::tr("OK");
    QPointer<TAVItem> item = getCurrentItem();
    if (!item)
        return;
    const QString oldName = item->GetDisplayName();
    try {
        QString newName;
        if (!askText(tr("Please enter a new name:                                        "),
                     &newName, false, oldName))
            return;
        newName = newName.trimmed();
        if (newName.isEmpty() || !item)
            return;
        if (!isAllowedItemName(newName)) {
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("The filename %1 contains characters that are not allowed on all "
                           "platforms.")
                            .arg(newName),
                        {ok});
            return;
        }
        if (item->GetClassID() == TAV_CLASS_FILE
            && FileUtils::getFileExtention(oldName) != FileUtils::getFileExtention(newName)
            && showMessage(QMessageBox::Question, windowTitle(),
                           tr("The file name extension is going to be changed. Do you really want "
                              "to rename it?"),
                           noYes())
                != 1)
            return;
        if (!item)
            return;
        TAVItem *vaultItem = nullptr;
        if (item->getVault(&vaultItem) != 0) {
            LOG_ERROR << "getVault failed";
            return;
        }
        auto *vault = qobject_cast<TAVVault *>(vaultItem);
        auto *parent = qobject_cast<TAVItemContainer *>(item->GetParent());
        if (!vault || !parent)
            return;
        if (QString::compare(oldName, newName, Qt::CaseInsensitive) != 0 && parent->getItem(newName)) {
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("An item with the name you specified already exists. Please try again."),
                        {ok});
            return;
        }
        parent->renameItem(oldName, newName);
        // The version file carries the vault's name; the list entry too.
        vault->saveVaultVersion();
        if (item == vault)
            TAVFileSystem::getInstance()->renameVaultItem(oldName, vault->GetName());
        item->SetModifiedDate(QDateTime::currentDateTime());
        onFileSystemChanged(parent);
        refreshSearchResults();
        updateView(parent);
        syncDirView();
    } catch (const TAVException &e) {
        showMessage(QMessageBox::Warning, windowTitle(), QString::fromUtf8(e.what()), {ok});
    }
}
