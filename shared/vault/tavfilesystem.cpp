#include "tavfilesystem.h"

#include "atomicfilewriter.h"
#include "fileutils.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavitemnamevalidator.h"
#include "tavitemtransfer.h"
#include "tavlogging.h"
#include "tavstickmanager.h"
#include "utils.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// A record that a written list can hold; anything else is damage, even
// under the right key.
bool isSound(const TAVFileSystemEntry &entry)
{
    return entry.key.key.size() == 128 && entry.type >= TAV_VAULT_UNDEFINED
        && entry.type <= TAV_VAULT_NETWORK && TAVCipherProps::bitsOf(entry.cipher) != 0
        && TAVItemNameValidator::isPathSafe(entry.name);
}

} // namespace

TAVFileSystem::TAVFileSystem() : TAVItemContainer(QStringLiteral("Vaults"))
{
    TAVFileSystemEntry::registerMetaType();
}

TAVFileSystem *TAVFileSystem::getInstance()
{
    static TAVFileSystem *root = new TAVFileSystem; // lives until the process ends
    return root;
}

QString TAVFileSystem::GetFullDisplayPath() const
{
    return QString::fromLatin1("");
}

QString TAVFileSystem::GetFullPath() const
{
    return QString::fromLatin1("");
}

int TAVFileSystem::GetClassID() const
{
    return TAV_CLASS_FILESYSTEM;
}

bool TAVFileSystem::canAddVault() const
{
    return true;
}

bool TAVFileSystem::canAddFolder() const
{
    return false;
}

bool TAVFileSystem::canAddFile() const
{
    return false;
}

bool TAVFileSystem::canDelete() const
{
    return false;
}

TAVFolder *TAVFileSystem::addFolder(const QString &)
{
    throw TAVException(QStringLiteral("Not allow to add folder in FileSystem root."));
}

TAVFile *TAVFileSystem::addFile(const QFileInfo &)
{
    throw TAVException(QStringLiteral("Not allow to add file in FileSystem root."));
}

TAVFile *TAVFileSystem::addFile()
{
    throw TAVException(QStringLiteral("Not allow to add file in FileSystem root."));
}

void TAVFileSystem::renameItem(const QString &oldName, const QString &newName)
{
    TAVItem *vault = getItem(oldName);
    if (!vault)
        throw TAVException(QCoreApplication::translate("MainWindowClass", "Invalid current item name."));
    // A change of letter case applies too: the vault's list record is renamed
    // by its exact name, and the tree must carry the same one.
    TAVItem *other = getItem(newName);
    if (other && other != vault)
        checkNameIsFree(newName, __func__);
    checkNameIsSafe(newName);
    vault->SetName(newName);
}

void TAVFileSystem::deleteItem(const QString &name)
{
    TAVItem *item = getItem(name);
    if (!item)
        return;
    if (item->GetClassID() == TAV_CLASS_VAULT) {
        auto *vault = static_cast<TAVVault *>(item);
        // Without its folder there is no index to remove, and an empty path
        // must never reach the removal.
        if (vault->isVaultIdxExisting())
            FileUtils::remove(vault->getVaultIdxFileName(), false);
        // The copies an index repair kept would bring the deleted items back.
        for (const QString &copy : vault->getIndexBackupFiles())
            FileUtils::remove(copy, false);
    }
    TAVItemContainer::deleteItem(name);
}

TAVItem *TAVFileSystem::findItemByPath(const QString &path)
{
    if (path.isEmpty())
        return this;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    TAVItemContainer *current = this;
    for (int i = 0; i + 1 < parts.size(); ++i) {
        TAVItem *child = current->getItem(parts.at(i));
        if (!child || child->GetClassID() == TAV_CLASS_FILE)
            return nullptr;
        current = static_cast<TAVItemContainer *>(child);
    }
    return current->getItem(parts.last());
}

namespace {
TAVItemContainer *asContainer(TAVItem *item)
{
    if (!item || item->GetClassID() == TAV_CLASS_FILE)
        return nullptr;
    return static_cast<TAVItemContainer *>(item);
}
} // namespace

bool TAVFileSystem::copyItem(const QString &sourcePath, const QString &targetPath)
{
    TAVItem *item = findItemByPath(sourcePath);
    TAVItemContainer *target = asContainer(findItemByPath(targetPath));
    if (!item || !target)
        return false;
    try {
        copyItem(item, target);
    } catch (const TAVException &e) {
        LOG_ERROR << "copying" << sourcePath << "to" << targetPath << "failed:" << e.what();
        return false;
    }
    return true;
}

void TAVFileSystem::copyItem(TAVItem *item, TAVItemContainer *target)
{
    TAVItemTransfer::copy(item, target);
}

bool TAVFileSystem::moveItem(const QString &sourcePath, const QString &targetPath)
{
    TAVItem *item = findItemByPath(sourcePath);
    TAVItemContainer *target = asContainer(findItemByPath(targetPath));
    if (!item || !target)
        return false;
    return TAVItemTransfer::move(item, target);
}

int TAVFileSystem::vaultCount() const
{
    return getItemCount();
}

QStringList TAVFileSystem::getListVaultName() const
{
    QStringList names;
    for (int i = 0; i < getItemCount(); ++i) {
        const QString name = getItemAt(i)->GetName();
        if (!names.contains(name, Qt::CaseSensitive))
            names.append(name);
    }
    return names;
}

QStringList TAVFileSystem::getListVault() const
{
    QStringList paths;
    for (int i = 0; i < getItemCount(); ++i) {
        TAVItem *item = getItemAt(i);
        if (item->GetClassID() != TAV_CLASS_VAULT)
            continue;
        const QString path = static_cast<TAVVault *>(item)->getFullPhysicalVaultPath();
        if (!paths.contains(path, Qt::CaseSensitive))
            paths.append(path);
    }
    return paths;
}

bool TAVFileSystem::vaultNameIsExist(const QString &name) const
{
    return getListVaultName().contains(name, Qt::CaseSensitive);
}

bool TAVFileSystem::existingVaultPhysicalPath(const QString &path) const
{
    return getListVault().contains(path, Qt::CaseSensitive);
}

QString TAVFileSystem::generateVaultName(const QString &name) const
{
    QString candidate = name;
    int n = 1;
    while (exists(candidate))
        candidate = name + QLatin1Char('_') + QString::number(n++);
    return candidate;
}

bool TAVFileSystem::isFileItem(TAVItem *item)
{
    return item && item->GetClassID() == TAV_CLASS_FILE;
}

bool TAVFileSystem::isFolderItem(TAVItem *item)
{
    return item && item->GetClassID() == TAV_CLASS_FOLDER;
}

bool TAVFileSystem::isVaultItem(TAVItem *item)
{
    return item && item->GetClassID() == TAV_CLASS_VAULT;
}

int TAVFileSystem::getVaultInfo(const QString &path, QUuid &id, QString &name, TAVCipher &cipher)
{
    const QString fileName = path + QStringLiteral("/version.dat");
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "Cannot read version file" << fileName << "error" << file.errorString();
        return 1;
    }
    QDataStream stream(&file);
    stream.setVersion(15);
    qint32 format = 0;
    QUuid readId;
    TAVVaultType type = TAV_VAULT_UNDEFINED;
    TAVCipher readCipher = TAV_CIPHER_NONE;
    QString readName;
    stream >> format >> readId >> type >> readCipher >> readName;
    if (stream.status() != QDataStream::Ok || !TAVCipherProps::bitsOf(readCipher)) {
        LOG_ERROR << "Damaged version file" << fileName;
        return 2;
    }
    id = readId;
    name = readName;
    cipher = readCipher;
    return 0;
}

int TAVFileSystem::saveToFile(const QString &path, const TAVKey &key)
{
    QByteArray payload;
    {
        QDataStream stream(&payload, QIODevice::WriteOnly);
        stream.setVersion(15);
        stream << qint32(vaultList.size());
        for (const TAVFileSystemEntry &entry : qAsConst(vaultList))
            stream << entry;
    }
    QString error;
    if (AtomicFileWriter::writeDataFile(path, TAVCiphers::platform_preferred_cipher(), key, 1, payload, &error)
        != AtomicFileWriter::Written) {
        LOG_ERROR << "can not write vault list" << error;
        return 1;
    }
    return 0;
}

int TAVFileSystem::readVaultFile(const QString &path, const TAVKey &key)
{
    TAVCryptoFile file(path);
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    const int opened = file.open(QIODevice::ReadOnly, &cipher, key, &version);
    if (opened != 0) {
        LOG_ERROR << "Error reading vaultlist" << path << "returned" << opened
                  << file.errorString();
        return opened;
    }
    const qint64 expected = file.size() - file.pos();
    const QByteArray payload = file.readAll();
    if (file.error() != QFileDevice::NoError || payload.size() != expected) {
        LOG_ERROR << "Error reading vaultlist" << path << "returned" << 1
                  << file.errorString();
        return 1;
    }
    file.close();

    // Read whole before anything changes: a list cut short or damaged is
    // reported, never taken for a shorter list.
    QDataStream stream(payload);
    stream.setVersion(15);
    quint32 count = 0;
    stream >> count;
    TAVFileSystemEntryList entries;
    bool sound = stream.status() == QDataStream::Ok;
    for (quint32 i = 0; sound && i < count; ++i) {
        TAVFileSystemEntry entry;
        stream >> entry;
        sound = stream.status() == QDataStream::Ok && isSound(entry);
        if (sound)
            entries.append(entry);
    }
    if (!sound || !stream.atEnd()) {
        LOG_ERROR << "Error reading vaultlist" << path << "returned" << int(VaultListDamaged)
                  << QStringLiteral("the vault list is damaged");
        return VaultListDamaged;
    }
    vaultList = entries;
    // Saves of the list killed half-way leave their temporary files beside it.
    AtomicFileWriter::removeLeftovers(QFileInfo(path).absolutePath());
    return 0;
}

int TAVFileSystem::appendFromFile(const QString &path, const TAVKey &key)
{
    const int read = readVaultFile(path, key);
    if (read != 0)
        return read;
    for (const TAVFileSystemEntry &entry : qAsConst(vaultList)) {
        QString folder = entry.path;
        if (entry.type == TAV_VAULT_PARTNER_FLASH || entry.type == TAV_VAULT_FLASH)
            folder = TAVStickManager::getPathBySerialNo(entry.location) + entry.path;
        TAVVault *vault = addVault(entry.name, folder, entry.cipher, entry.key);
        vault->setVaultType(entry.type);
    }
    return 0;
}

int TAVFileSystem::addVaultItem(TAVVault *vault)
{
    TAVFileSystemEntry entry;
    const QString folder = vault->getFullPhysicalVaultPath();
    entry.name = vault->GetName();
    entry.type = scanVaultType(folder);
    vault->setVaultType(entry.type);
    switch (entry.type) {
    case TAV_VAULT_PARTNER_FLASH:
    case TAV_VAULT_FLASH:
        entry.location = TAVStickManager::getSerialByPath(folder);
        entry.path = folder.mid(TAVStickManager::getMountPoint(folder).size());
        break;
    case TAV_VAULT_LOCAL:
        entry.location = Utils::getHostName();
        entry.path = folder;
        break;
    case TAV_VAULT_NETWORK:
        entry.location = QString::fromLatin1("");
        entry.path = folder;
        break;
    default:
        LOG_ERROR << "undefined vault type";
        break;
    }
    entry.key = vault->getKey();
    entry.id = vault->GetId();
    entry.cipher = vault->getCipher();
    vaultList.append(entry);
    return 0;
}

int TAVFileSystem::addNewVault(TAVVault *vault)
{
    addVaultItem(vault);
    if (vault->saveVaultVersion() != 0) {
        LOG_ERROR << "error saving vault version file";
        return 1;
    }
    return 0;
}

TAVVaultType TAVFileSystem::scanVaultType(const QString &path)
{
    if (TAVStickManager::isFlashDrive(path))
        return TAV_VAULT_FLASH;
    if (TAVStickManager::isLocalDrive(path))
        return TAV_VAULT_LOCAL;
    if (TAVStickManager::isNetworkDrive(path))
        return TAV_VAULT_NETWORK;
    return TAV_VAULT_UNDEFINED;
}

void TAVFileSystem::renameVaultItem(const QString &oldName, const QString &newName)
{
    for (int i = 0; i < vaultList.size(); ++i) {
        if (vaultList.at(i).name == oldName) {
            TAVFileSystemEntry renamed = vaultList.takeAt(i);
            renamed.name = newName;
            vaultList.append(renamed);
            return;
        }
    }
    LOG_ERROR << "failed to rename" << oldName << "to" << newName;
}

void TAVFileSystem::removeVaultItem(const QString &name)
{
    for (int i = 0; i < vaultList.size(); ++i) {
        if (vaultList.at(i).name == name) {
            vaultList.removeAt(i);
            return;
        }
    }
    LOG_ERROR << "failed to remove" << name;
}
