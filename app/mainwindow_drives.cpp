// Drive refresh: the vaults follow their drives and folders as they come and go.
#include "mainwindow.h"

#include "productinfo.h"
#include "tavexception.h"
#include "tavfilesystem.h"
#include "tavlogging.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "utils.h"
#include "vaultrestore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The vault a list entry stands for: by identifier, which a rename keeps,
// else by name.
TAVVault *vaultOf(TAVFileSystem *root, const TAVFileSystemEntry &entry)
{
    for (int i = 0; i < root->getItemCount(); ++i) {
        auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
        if (vault && !entry.id.isNull() && vault->GetId() == entry.id)
            return vault;
    }
    return qobject_cast<TAVVault *>(root->getItem(entry.name));
}

} // namespace

bool MainWindow::refresh_vaults()
{
    LOG_INFO << "refresh called";
    if (!unlocked)
        return false;

    if (!QFile::exists(settingsFileName)) {
        LOG_DEBUG << "close the app";
        const QString title = ProductInfo::title();
        showMessage(QMessageBox::Information, title,
                    tr("%1 cannot continue because the USB drive used has been removed. Click OK "
                       "to exit %1")
                        .arg(title),
                    {QCoreApplication::translate("MainWindowClass", "OK")});
        close();
        QCoreApplication::exit(0);
        return false;
    }

    TAVFileSystem *root = TAVFileSystem::getInstance();
    const QString host = Utils::getHostName();
    const TAVFileSystemEntryList list = root->getVaultList();
    bool missing = false;
    for (const TAVFileSystemEntry &entry : list) {
        LOG_DEBUG << "checking vault" << entry.name;
        TAVVault *vault = vaultOf(root, entry);
        if (!vault) {
            // One stray entry must not freeze the state of the others.
            LOG_ERROR << "vault not found in filesystem";
            missing = true;
            continue;
        }

        bool reachable = false;
        QString folder;
        switch (entry.type) {
        case TAV_VAULT_PARTNER_FLASH:
        case TAV_VAULT_FLASH:
            // Its drive plugged in, and the vault's folder on it.
            if (TAVStickManager::isFlashDriveAvailable(entry.location)) {
                folder = TAVStickManager::getPathBySerialNo(entry.location) + entry.path;
                reachable = QFileInfo(folder).isDir();
            }
            break;
        case TAV_VAULT_LOCAL:
            // A local vault of another computer is never touched.
            if (entry.location != host)
                continue;
            reachable = vault->isAvailable();
            break;
        case TAV_VAULT_NETWORK:
            reachable = vault->isAvailable();
            break;
        case TAV_VAULT_UNDEFINED:
            LOG_ERROR << "undefined type encountered";
            continue;
        default:
            continue;
        }

        if (!vault->isLoaded() && reachable) {
            LOG_DEBUG << "load the vault" << entry.name;
            if (!folder.isEmpty())
                vault->setFullPhysicalVaultPath(folder);
            VaultRestore::recover(vault->getFullPhysicalVaultPath());
            try {
                const int result = vault->load();
                if (result != 0)
                    LOG_WARNING << "vault" << entry.name << "not loaded:" << result;
            } catch (const TAVException &e) {
                LOG_ERROR << "vault" << entry.name << "not loaded:" << e.what();
            }
            connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh,
                    Qt::UniqueConnection);
        } else if (vault->isLoaded() && !reachable) {
            LOG_DEBUG << "unload the vault" << entry.name;
            vault->unload();
        }
    }
    return missing;
}
