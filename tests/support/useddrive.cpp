#include "useddrive.h"

#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavkey.h"
#include "tavkeychain.h"
#include "tavvault.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TAVItemContainer *folderAt(TAVItemContainer *vault, const QStringList &parts)
{
    TAVItemContainer *at = vault;
    for (const QString &part : parts) {
        auto *next = qobject_cast<TAVItemContainer *>(at->getItem(part));
        at = next ? next : at->addFolder(part);
    }
    return at;
}

} // namespace

bool layOutUsedDrive(const QString &mountPoint, const QString &password,
                     const QList<VaultLayout> &vaults)
{
    const QString settings = mountPoint + QStringLiteral("KolvaneVave Settings");
    if (!QDir().mkpath(settings))
        return false;
    QFile config(settings + QStringLiteral("/config.dat"));
    if (!config.exists() && !config.open(QIODevice::WriteOnly))
        return false;
    config.close();

    const TAVKey master(password);
    TAVFileSystem *root = TAVFileSystem::getInstance();
    // The list written is exactly these vaults.
    const auto forgetList = [root] {
        while (!root->getVaultList().isEmpty())
            root->removeVaultItem(root->getVaultList().first().name);
    };
    forgetList();
    QTemporaryDir plain;
    QList<TAVVault *> made;
    bool ok = plain.isValid();
    int n = 0;
    for (const VaultLayout &layout : vaults) {
        QDir().mkpath(layout.folder);
        auto *vault = root->addVault(layout.name, layout.folder, TAV_AES256, TAVKey());
        vault->setLoaded(true);
        made << vault;
        for (const QString &item : layout.items) {
            QStringList parts = item.split(QLatin1Char('/'));
            const QString last = parts.takeLast();
            TAVItemContainer *parent = folderAt(vault, parts);
            if (last.isEmpty())
                continue;
            if (!layout.bodies) {
                parent->addFile()->SetName(last);
                continue;
            }
            const QString folder = plain.filePath(QString::number(++n));
            QDir().mkpath(folder);
            QFile source(folder + QLatin1Char('/') + last);
            if (!source.open(QIODevice::WriteOnly) || source.write(item.toUtf8()) <= 0)
                return false;
            source.close();
            parent->addFile(source.fileName())->encrypt(source.fileName());
        }
        ok = ok && vault->save() == 0 && root->addNewVault(vault) == 0;
        TAVKey wrapped(vault->getKey());
        wrapped.encrypt(master);
        ok = ok && TAVKeyChain(vault->getKeyFileName()).setKey(QString(), wrapped) == 0;
    }
    ok = ok && root->saveToFile(settings + QStringLiteral("/filesystem.dat"), master) == 0;
    for (TAVVault *vault : made)
        root->removeItem(vault->GetName());
    forgetList();
    return ok;
}
