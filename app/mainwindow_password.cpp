// Change of the master password: the vault list and the key files re-keyed,
// the date and the hint stored, the reminder re-armed.
#include "mainwindow.h"
#include "trcontext.h"

#include "changepassworddialog.h"
#include "clock.h"
#include "mainsettings.h"
#include "tavcryptofile.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavkeychain.h"
#include "tavlogging.h"
#include "tavstickmanager.h"
#include "utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {


// A vault folder whose key file may hold the vault's key under the old
// master key. Without a key from the list (the default vault, when it is
// not listed) the unwrapped key must open the vault's index instead.
struct KeyFileTarget
{
    QString name;
    QString folder;
    bool listed = false;
    TAVKey listKey;
};

// The folder of a list entry on this computer, or empty when it cannot be
// reached from here (its drive away, a local disk of another computer).
QString reachableFolder(const TAVFileSystemEntry &entry)
{
    QString folder;
    switch (entry.type) {
    case TAV_VAULT_PARTNER_FLASH:
    case TAV_VAULT_FLASH:
        if (TAVStickManager::isFlashDriveAvailable(entry.location))
            folder = TAVStickManager::getPathBySerialNo(entry.location) + entry.path;
        break;
    case TAV_VAULT_LOCAL:
        if (entry.location == Utils::getHostName())
            folder = entry.path;
        break;
    case TAV_VAULT_NETWORK:
        folder = entry.path;
        break;
    default:
        break;
    }
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString canonical(const QString &folder)
{
    const QString path = QFileInfo(folder).canonicalFilePath();
    return path.isEmpty() ? QDir::cleanPath(folder) : path;
}

QList<KeyFileTarget> keyFileTargets(const QString &defaultVaultFolder)
{
    QList<KeyFileTarget> targets;
    QSet<QString> seen;
    bool defaultListed = false;
    const QString defaultFolder = canonical(defaultVaultFolder);
    for (const TAVFileSystemEntry &entry : TAVFileSystem::getInstance()->getVaultList()) {
        const QString folder = reachableFolder(entry);
        if (folder.isEmpty() || seen.contains(canonical(folder)))
            continue;
        seen.insert(canonical(folder));
        defaultListed = defaultListed || canonical(folder) == defaultFolder;
        targets.append({entry.name, folder, true, entry.key});
    }
    if (!defaultListed && QFileInfo(defaultVaultFolder).isDir())
        targets.append({QFileInfo(defaultVaultFolder).fileName(), defaultVaultFolder, false, TAVKey()});
    return targets;
}


// Re-wraps the vault key of one folder's key file under the new master key,
// but only an entry that the old master key unwraps to the vault's own key:
// one wrapped under another password is left exactly as it is. False only
// when the file should have been rewritten and could not be (the old file
// then stays whole); Damaged when it can't be read, and is left as it is.
enum class Rewrap { Done, Failed, Damaged };

Rewrap rewrapKeyFile(const KeyFileTarget &target, const TAVKey &oldKey, const TAVKey &newKey)
{
    const QString file = target.folder + QStringLiteral("/keychain.dat");
    if (!QFileInfo::exists(file)) {
        LOG_DEBUG << "unable to get key: no key file in" << target.folder;
        return Rewrap::Done;
    }
    TAVKeyChain chain(file);
    if (chain.read() != 0) {
        LOG_ERROR << "key file" << file << "is damaged; left as it is";
        return Rewrap::Damaged;
    }
    TAVKey vaultKey;
    if (chain.getKey(QString(), &vaultKey) != 0) {
        LOG_DEBUG << "unable to get key from" << file;
        return Rewrap::Done;
    }
    if (vaultKey.decrypt(oldKey) != 0)
        return Rewrap::Done;
    const bool ours = target.listed ? vaultKey == target.listKey : TAVVault::keyOpensIndex(target.folder, vaultKey);
    if (!ours) {
        LOG_INFO << "key file" << file << "is not wrapped under the master key; left as it is";
        return Rewrap::Done;
    }
    if (vaultKey.encrypt(newKey) != 0 || chain.setKey(QString(), vaultKey) != 0) {
        LOG_ERROR << "unable to set key in" << file;
        return Rewrap::Failed;
    }
    return Rewrap::Done;
}

} // namespace

void MainWindow::on_actionChange_Password_triggered()
{
    stopTimeOut();
    if (expiredDate)
        expiredDate->stop();

    ChangePasswordDialog dialog(this);
    dialog.setWindowTitle(windowTitle() + tr(" - Change Password"));
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &ChangePasswordDialog::userAction, this, &MainWindow::startTimeOut);
    startTimeOut();

    const QString listFile = settingsDir + QStringLiteral("/filesystem.dat");
    bool changed = false;
    // A lock while a box of this loop was open ends it: never shown again
    // over the login page.
    while (unlocked && dialog.exec() == QDialog::Accepted && unlocked) {
        stopTimeOut();
        const TAVKey oldKey(dialog.getCurrentPassword());
        const int check = checkPassword(listFile, oldKey);
        if (check == 4) {
            showMessage(QMessageBox::Information, windowTitle(),
                        tr("The current password entered is invalid. Please try again."),
                        {MainFormText::tr("OK")});
            continue;
        }
        if (check != 0) {
            // Not a wrong password: the file itself is missing or damaged.
            LOG_ERROR << "vault list" << listFile << "not opened, code" << check;
            showMessage(QMessageBox::Warning, windowTitle(),
                        check != 1 ? damagedFileText(listFile)
                                   : tr("The list of vaults %1 could not be read. Your password has "
                                        "not been changed.")
                                         .arg(QDir::toNativeSeparators(listFile)),
                        {MainFormText::tr("OK")});
            break;
        }
        changed = changeMasterKey(oldKey, TAVKey(dialog.getNewPassword()));
        if (!changed)
            break;
        if (dialog.getpasswordHint() != passwordHintText) {
            passwordHintText = dialog.getpasswordHint();
            if (dialog.saveSetting() != 0)
                LOG_ERROR << "password hint not written to" << settingsFileName;
        }
        MainSettings stored;
        if (stored.storePasswordChanged() != 0)
            LOG_ERROR << "date of the password change not written to" << settingsFileName;
        lastChangedPasswordDate = stored.lastChangedPasswordDate;
        break;
    }

    if (changed) {
        restartExpiryReminder();
    } else if (unlocked && expiredDate && dayOfChangePasswordRemind > 0
               && lastChangedPasswordDate.addDays(dayOfChangePasswordRemind)
                      > Clock::getInstance()->currentDateTime()) {
        // Nothing changed: a reminder not yet due goes on; one already due
        // waits for the next unlock rather than asking again at once.
        restartExpiryReminder();
    }
    startTimeOut();
}

bool MainWindow::changeMasterKey(const TAVKey &oldKey, const TAVKey &newKey)
{
    const QString listFile = settingsDir + QStringLiteral("/filesystem.dat");
    TAVFileSystem *root = TAVFileSystem::getInstance();

    // The list is written whole and read back under the new key before that
    // key counts: a write that fails leaves the old file, which the old
    // password still opens.
    if (root->saveToFile(listFile, newKey) != 0 || root->readVaultFile(listFile, newKey) != 0) {
        LOG_ERROR << "vault list not written under the new password";
        if (checkPassword(listFile, oldKey) != 0 && root->saveToFile(listFile, oldKey) != 0)
            LOG_ERROR << "vault list not written back under the old password";
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("The list of vaults could not be saved to %1. Your password has not been "
                       "changed; the current password still opens your vaults.")
                        .arg(QDir::toNativeSeparators(listFile)),
                    {MainFormText::tr("OK")});
        return false;
    }

    QStringList failed;
    QStringList damaged;
    for (const KeyFileTarget &target : keyFileTargets(defaultVaultDir)) {
        const Rewrap result = rewrapKeyFile(target, oldKey, newKey);
        const QString named = QStringLiteral("%1 (%2)").arg(
            target.name, QDir::toNativeSeparators(target.folder + QStringLiteral("/keychain.dat")));
        if (result == Rewrap::Failed)
            failed << named;
        else if (result == Rewrap::Damaged)
            damaged << named;
    }
    key = newKey;
    LOG_INFO << "password changed";
    if (!failed.isEmpty())
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("Your password has been changed, but the key files of these vaults could "
                       "not be written and still hold their keys under the old password:\n%1\n\n"
                       "The vaults open as before; only adding such a folder again as an existing "
                       "vault needs the old password.")
                        .arg(failed.join(QLatin1Char('\n'))),
                    {MainFormText::tr("OK")});
    if (!damaged.isEmpty())
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("Your password has been changed, but the key files of these vaults are "
                       "damaged and were left as they are:\n%1\n\nThe vaults open as before, but "
                       "such a folder can't be added again as an existing vault.")
                        .arg(damaged.join(QLatin1Char('\n'))),
                    {MainFormText::tr("OK")});
    return true;
}
