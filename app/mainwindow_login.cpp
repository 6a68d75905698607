// The login page, the unlock, the lock and the password reminder.
#include "mainwindow.h"
#include "tavview.h"

#include "languagetable.h"
#include "largepages.h"
#include "locknotifier.h"
#include "platformutils.h"
#include "productinfo.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavfilewatcher.h"
#include "tavkeychain.h"
#include "tavlogging.h"
#include "tavsearchindex.h"
#include "tavsearchmodel.h"
#include "tavsettings.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "translation.h"
#include "vaultrestore.h"
#include "vir_keypad_dialog.h"
#include "mainwindowform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>

namespace {

// lupdate does not see texts passed through here: write
// Ui_MainWindowClass::tr("...") instead.
[[maybe_unused]] QString trMain(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

QString listFileOf(const QString &settingsDir)
{
    return settingsDir + QStringLiteral("/filesystem.dat");
}

QList<TAVVault *> vaultsOfRoot()
{
    QList<TAVVault *> vaults;
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < root->getItemCount(); ++i)
        if (auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i)))
            vaults.append(vault);
    return vaults;
}

} // namespace

int MainWindow::checkPassword(const QString &path, const TAVKey &candidate)
{
    TAVCryptoFile file(path);
    TAVCipher cipher;
    unsigned int version = 0;
    const int code = file.open(QIODevice::ReadOnly, &cipher, candidate, &version);
    file.close();
    return code;
}

QString MainWindow::damagedFileText(const QString &path) const
{
    return tr("The file %1 is damaged and could not be read. This is not caused by your "
              "password.")
        .arg(QDir::toNativeSeparators(path));
}

void MainWindow::on_btnLogin_clicked(bool)
{
    on_ledPassword_returnPressed();
}

void MainWindow::on_ledPassword_returnPressed()
{
    setCursor(Qt::WaitCursor);
    if (expiredDate && expiredDate->isRunning())
        expiredDate->stop();

    const int result = doUnlock(ui->ledPassword->text());
    if (result == 1) {
        LOG_INFO << "Incorrect password entered";
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("Your password is not correct. Please try again."), {Ui_MainWindowClass::tr("OK")});
        // The tenth failure since the start or the last wait.
        if (failedLogins++ >= 9)
            lockOutWait();
        ui->ledPassword->setFocus(Qt::OtherFocusReason);
    } else if (result == 0) {
        // Tools entries after a separator of their own.
        const QList<QAction *> tools = ui->menuTool->actions();
        const int at = tools.indexOf(ui->actionChange_Password);
        if (at <= 0 || !tools.at(at - 1)->isSeparator())
            ui->menuTool->insertSeparator(ui->actionChange_Password);
        LOG_INFO << "Logon succesful.";
        TAVSearchIndex::getInstance()->clear();
        TAVFileSystemTreeModel::getInstance()->setRootItem(TAVFileSystem::getInstance());
        // The main page: views, search index, reminder and inactivity timer.
        showMainPage();
        // The pending-change count of every loaded vault, in the pool.
        startSyncScans();
        // The unlock's temporaries (an index read whole, the items of an
        // earlier unlock) are free now.
        LargePages::releaseFree();
        if (!keptCopies.isEmpty())
            tellKeptCopies(keptCopies);
    }
    ui->ledPassword->setText(QString());
    setCursor(Qt::ArrowCursor);
}

void MainWindow::lockOutWait()
{
    QProgressDialog wait(tr("You have exceeded the maximum (10) login attempts. You must wait 1 "
                            "minute before trying to login again."),
                         QString(), 0, 100, this, Qt::FramelessWindowHint);
    wait.setWindowModality(Qt::WindowModal);
    wait.setStyleSheet(QStringLiteral(
        "background-color: qlineargradient(spread:pad, x1:0, y1:0.5, x2:1, y2:0.5, stop:0 "
        "rgba(239, 239, 239, 255), stop:1 rgba(254, 254, 254, 255)); color:red; font: bold"));
    wait.setMinimumDuration(0);
    for (int step = 0; step < 100; ++step) {
        wait.setValue(step);
        // Painted while it waits; no input reaches the window meanwhile.
        QElapsedTimer slept;
        slept.start();
        while (slept.elapsed() < lockOutStepMs) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
            QThread::msleep(qMin<qint64>(10, qMax<qint64>(0, lockOutStepMs - slept.elapsed())));
        }
    }
    wait.setValue(100);
    failedLogins = 0;
}

void MainWindow::on_ledPassword_textChanged(const QString &text)
{
    ui->btnLogin->setEnabled(!text.isEmpty());
}

void MainWindow::on_btnVirKeyBoard_clicked()
{
    Vir_KeyPad_Dialog keypad(this);
    keypad.setWindowTitle(windowTitle() + tr(" - Virtual Keyboard"));
    // Only filled in: the user still logs in with Return or the button.
    if (keypad.exec() == QDialog::Accepted)
        ui->ledPassword->setText(keypad.getPassword());
}

int MainWindow::doUnlock(const QString &password)
{
    key = TAVKey(password);
    const QString listFile = listFileOf(settingsDir);
    const auto listFailure = [this, &listFile](int code) {
        // Damage is never told as a wrong password, nor as a missing file.
        const QString text = code == 6 || code == TAVFileSystem::VaultListDamaged
            ? damagedFileText(listFile)
            : QStringLiteral("Failure reading the filesystems file");
        LOG_ERROR << "vault list" << listFile << "not read, code" << code;
        showMessage(QMessageBox::Warning, windowTitle(), text, {Ui_MainWindowClass::tr("OK")});
        return 2;
    };
    const int check = checkPassword(listFile, key);
    if (check == 4)
        return 1;
    if (check != 0)
        return listFailure(check);

    TAVFileSystem *root = TAVFileSystem::getInstance();
    if (root->getItemCount() == 0) {
        const int read = root->appendFromFile(listFile, key);
        if (read == 4)
            return 1;
        if (read != 0)
            return listFailure(read);
    }
    unlocked = true;

    try {
        TAVSettings *settings = TAVSettings::getInstance();
        settings->beginGroup(QStringLiteral("Settings"));
        if (settings->value(QStringLiteral("Language")).toString() != curLanguage) {
            settings->setValue(QStringLiteral("Language"), curLanguage);
            settings->write();
        }
        settings->endGroup();

        // Nothing may hold an item while vaults load.
        resetItemViews();
        for (TAVVault *vault : vaultsOfRoot()) {
            if (vault->isLoaded()) {
                // Kept loaded by a job that began before the lock and may
                // still run: never read again under it.
                connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh,
                        Qt::UniqueConnection);
                continue;
            }
            if (vault->isAvailable()) {
                loadVaultAtUnlock(vault);
            } else if (isMissingOnItsDrive(vault)) {
                const int answer = showMessage(
                    QMessageBox::Question, windowTitle(),
                    tr("The vault on your Flash Drive is missing, do you want to create a new one?"),
                    // " No " keeps the entry, and with it the vault's key: one
                    // Return must never replace it by an empty vault.
                    {Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr(" No ")}, 1);
                if (answer == 0)
                    recreateMissingVault(vault);
            }
        }
    } catch (const TAVException &e) {
        showMessage(QMessageBox::Warning, windowTitle(), QString::fromUtf8(e.what()),
                    {Ui_MainWindowClass::tr("OK")});
        return 2;
    }
    // Copies kept at the last lock get their changes in now that the vaults are back.
    keptCopies = fileWatcher->retryKeptCopies();
    return 0;
}

bool MainWindow::keyFileOpensIndex(TAVVault *vault) const
{
    const TAVKeyChain chain(vault->getKeyFileName());
    TAVKey vaultKey;
    return chain.getKey(QString(), &vaultKey) == 0 && vaultKey.decrypt(key) == 0
        && TAVVault::keyOpensIndex(vault->getFullPhysicalVaultPath(), vaultKey);
}

void MainWindow::loadVaultAtUnlock(TAVVault *vault)
{
    // A restore killed part-way is finished or undone before anything reads
    // the vault.
    VaultRestore::recover(vault->getFullPhysicalVaultPath());
    const QString index = vault->getVaultIdxFileName();
    int loaded = TAVVault::VaultFailed;
    try {
        loaded = vault->load();
    } catch (const TAVException &e) {
        LOG_ERROR << "index" << index << "damaged:" << e.what();
        showMessage(QMessageBox::Warning, windowTitle(), damagedFileText(index), {Ui_MainWindowClass::tr("OK")});
        return;
    }
    if (loaded != 0) {
        // The password opened the list. A key that does not fit the index
        // while the vault's own key file opens it is the list's damage;
        // otherwise the index can't be read.
        if (loaded == TAVVault::VaultWrongKey && keyFileOpensIndex(vault))
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("The key of the vault %1 in %2 is damaged. The vault's own key file still "
                           "opens it: disconnect the vault and add it again with Add Existing Vault.")
                            .arg(vault->GetDisplayName(),
                                 QDir::toNativeSeparators(listFileOf(settingsDir))),
                        {Ui_MainWindowClass::tr("OK")});
        else if (loaded == TAVVault::VaultWrongKey || QFileInfo::exists(index))
            showMessage(QMessageBox::Warning, windowTitle(), damagedFileText(index),
                        {Ui_MainWindowClass::tr("OK")});
        LOG_ERROR << "vault" << vault->GetName() << "not loaded, code" << loaded;
        return;
    }
    if (vault->readVaultVersion() == 2)
        showMessage(QMessageBox::Warning, windowTitle(),
                    damagedFileText(vault->getVaultVersionFileName()), {Ui_MainWindowClass::tr("OK")});
    LOG_INFO << "Index file read succesful";
    connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh,
            Qt::UniqueConnection);
}

// Only a flash-drive vault whose own drive is plugged in is missing: one on
// a drive that is simply away is left alone (its folder then is a bare
// relative path, never to be made in the working folder).
bool MainWindow::isMissingOnItsDrive(TAVVault *vault) const
{
    if (vault->vaultType() != TAV_VAULT_PARTNER_FLASH && vault->vaultType() != TAV_VAULT_FLASH)
        return false;
    const QString folder = vault->getFullPhysicalVaultPath();
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return false;
    for (const TAVFileSystemEntry &entry : TAVFileSystem::getInstance()->getVaultList())
        if (entry.name == vault->GetName())
            return !entry.location.isEmpty() && TAVStickManager::isFlashDriveAvailable(entry.location);
    return false;
}

bool MainWindow::recreateMissingVault(TAVVault *vault)
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const QString folder = vault->getFullPhysicalVaultPath();
    const bool folderExisted = QFileInfo::exists(folder);
    QDir().mkpath(folder);

    // The new vault's name as if the missing one were gone already:
    // "Flash Drive", else "Flash Drive1", "Flash Drive2" and so on.
    const QString base = Ui_MainWindowClass::tr("Flash Drive");
    QString name = base;
    for (int n = 1; name != vault->GetName() && root->vaultNameIsExist(name); ++n)
        name = base + QString::number(n);

    // The new vault's files are written whole before the list changes: a
    // drive that can't take them leaves the list and its entry as they were.
    const TAVKey vaultKey;
    auto *fresh = new TAVVault(root, name, folder, TAVCiphers::platform_preferred_cipher(), vaultKey);
    fresh->setLoaded(true);
    TAVKey wrapped(vaultKey);
    wrapped.encrypt(key);
    TAVKeyChain chain(fresh->getKeyFileName());
    if (chain.setKey(QString(), wrapped) != 0 || fresh->save() > 0
        || fresh->saveVaultVersion() != 0) {
        LOG_ERROR << "new vault not written in" << folder;
        for (const QString &file : {fresh->getKeyFileName(), fresh->getVaultIdxFileName(),
                                    fresh->getVaultVersionFileName()})
            QFile::remove(file);
        if (!folderExisted)
            QDir().rmdir(folder);
        delete fresh;
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("Unable to write vault structure. The vault was not created."),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }
    PlatformUtils::setVaultDirIcon(folder);

    root->removeItem(vault);
    root->removeVaultItem(vault->GetName());
    vault->deleteLater();
    root->addItem(fresh);
    connect(fresh, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh, Qt::UniqueConnection);
    root->addVaultItem(fresh);
    const QString listFile = listFileOf(settingsDir);
    if (root->saveToFile(listFile, key) != 0) {
        LOG_ERROR << "error saving vault list";
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The list of vaults could not be saved to %1.")
                        .arg(QDir::toNativeSeparators(listFile)),
                    {Ui_MainWindowClass::tr("OK")});
        return false;
    }
    return true;
}

void MainWindow::on_cboLanguage_currentIndexChanged(int index)
{
    // The prompt item keeps the language in force; any other item replaces
    // the newest translation with its own and sets the layout direction.
    curLanguage = translation->selectComboItem(index, curLanguage);
    if (!LanguageTable::codeAt(index).isEmpty()) {
        ui->retranslateUi(this);
        retranslateColumnActions();
    }
}

void MainWindow::resetItemViews()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVSearchIndex::getInstance()->clear();
    TAVSearchModel::getInstance(this)->setItemList({});
    showFileSystemView();
    tavModel->setRootItem(root);
    TAVFileSystemTreeModel::getInstance()->setRootItem(root);
}

void MainWindow::unloadVaults()
{
    resetItemViews();
    for (TAVVault *vault : vaultsOfRoot()) {
        if (!vault->isLoaded())
            continue;
        try {
            vault->unload();
        } catch (const TAVException &e) {
            showMessage(QMessageBox::Warning, windowTitle(), QString::fromUtf8(e.what()),
                        {Ui_MainWindowClass::tr("OK")});
        }
    }
}

void MainWindow::indexVaultsOnly()
{
    TAVSearchIndex *index = TAVSearchIndex::getInstance();
    index->clear();
    for (TAVVault *vault : vaultsOfRoot())
        index->addItem(vault);
}

void MainWindow::on_actionLock_triggered()
{
    unlocked = false;
    ui->qSearchLed->setText(QString());
    // Every dialog and message box open now closes with no answer.
    emit appLocked();
    LockNotifier::getInstance()->notifyLocked();
    for (QMessageBox *box : findChildren<QMessageBox *>())
        box->reject();
    ui->centralStackedWidget->setCurrentIndex(0);
    stopTimeOut();
    // A run stops before its next change; nothing is unloaded under it.
    cancelSyncRuns();
    statusBar()->clearMessage();
    ui->qSearchLed->setEnabled(false);
    // Wiped, except copies whose changes could not be put into the vault.
    keptCopies = fileWatcher->removeWatchingFiles();
    // Plain copies handed to other applications by drags out of a vault.
    TAVView::wipeDragFolders();
    // The items' vault paths stay on the clipboard no longer than the keys.
    clearOwnClipboard();
    ui->actionDetails->setEnabled(false);
    ui->actionList->setEnabled(false);
    ui->actionThumbnail->setEnabled(false);
    if (expiredDate)
        expiredDate->stop();
    TAVFileSystem *root = TAVFileSystem::getInstance();
    if (!busy) {
        unloadVaults();
        updateView(root);
    } else {
        // A job still works on its vault's items: they go when it ends
        // (onCrytoWorkerCompleted), never under it.
        resetItemViews();
    }
    ui->main_ToolBar->removeAction(ui->actionSynchronize);
    ui->main_ToolBar->removeAction(ui->actionLock);
    ui->lblStatusIcon->hide();
    ui->lblStatusText->setText(QString());
    ui->lblStatusText->hide();
    ui->passwordHint->setVisible(!passwordHintText.isEmpty());
    ui->ledPassword->setFocus(Qt::OtherFocusReason);
    indexVaultsOnly();
    if (!keptCopies.isEmpty())
        tellKeptCopies(keptCopies);
}

void MainWindow::tellKeptCopies(const QStringList &copies)
{
    QStringList shown;
    for (const QString &copy : copies)
        shown << QDir::toNativeSeparators(copy);
    showMessage(QMessageBox::Warning, windowTitle(),
                tr("These opened files hold changes that could not be put into their vault "
                   "(its folder was not found or could not be written), so they were kept "
                   "unencrypted on the disk:\n%1\n\nTheir changes are put into the vault as "
                   "soon as it can be reached again.")
                    .arg(shown.join(QLatin1Char('\n'))),
                {Ui_MainWindowClass::tr("OK")});
}

bool MainWindow::confirmQuitWithKeptCopies()
{
    const QStringList copies = fileWatcher ? fileWatcher->keptCopies() : QStringList();
    if (copies.isEmpty())
        return true;
    QStringList shown;
    for (const QString &copy : copies)
        shown << QDir::toNativeSeparators(copy);
    const int answer = showMessage(
        QMessageBox::Warning, windowTitle(),
        tr("These files hold changes that are not in their vault yet:\n%1\n\nIf you quit now, "
           "the changes stay only in these unencrypted copies. Quit anyway?")
            .arg(shown.join(QLatin1Char('\n'))),
        {Ui_MainWindowClass::tr(" No "), Ui_MainWindowClass::tr(" Yes ")});
    return answer == 1;
}

void MainWindow::timeout_timer()
{
    if (inactivityTimer && inactivityTimer->interval() != 0)
        on_actionLock_triggered();
}

void MainWindow::restartExpiryReminder()
{
    if (!expiredDate)
        return;
    expiredDate->stop();
    if (dayOfChangePasswordRemind <= 0)
        return;
    expiredDate->setExpiredDate(lastChangedPasswordDate.addDays(dayOfChangePasswordRemind));
    expiredDate->begin(QThread::LowestPriority);
}

void MainWindow::actionPasswordExpired_triggered()
{
    // A reminder that was on its way when the lock came waits for the next unlock.
    if (!unlocked)
        return;
    stopTimeOut();
    const int answer = showMessage(
        QMessageBox::Question, windowTitle(),
        tr("Your %1 password has reached it's timeout date. It is recommended that you change "
           "your password often to ensure the highest level of security. Would you like to "
           "change it now?")
            .arg(ProductInfo::title()),
        {Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr(" No ")});
    if (answer == 0)
        on_actionChange_Password_triggered();
    startTimeOut();
}
