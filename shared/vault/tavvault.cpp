#include "tavvault.h"

#include "atomicfilewriter.h"
#include "pendingbodies.h"
#include "safefile.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutexLocker>
#include <QRegularExpression>

#include <functional>

QDataStream &operator<<(QDataStream &stream, const TAVVaultType &type)
{
    return stream << qint32(type);
}

QDataStream &operator>>(QDataStream &stream, TAVVaultType &type)
{
    qint32 value = 0;
    stream >> value;
    type = TAVVaultType(value);
    return stream;
}

namespace {

const char *const kArchiveContext = "MainWindowClass";

// Removes what saves killed half-way left in a vault folder: the index's and
// the plain files' temporary files, and those of the bodies in the
// two-digit sub-folders. Nothing else in the folder is touched.
void removeLeftovers(const QString &folder, const QStringList &plainFiles)
{
    AtomicFileWriter::removeLeftovers(folder, plainFiles);
    const QRegularExpression subFolder(QStringLiteral("^[0-9a-f]{2}$"));
    const QRegularExpression bodies(SafeFile::temporaryNames(QStringLiteral("[0-9a-f]{32}")));
    const QStringList subFolders = QDir(folder).entryList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString &name : subFolders) {
        if (subFolder.match(name).hasMatch())
            SafeFile::removeLeftovers(folder + QLatin1Char('/') + name, bodies);
    }
}

TAVException archiveError(const char *message)
{
    return TAVException(QCoreApplication::translate(kArchiveContext, message));
}

// A name's key such that two names have equal keys exactly when the tree
// takes them for the same name (QString::compare ignoring case: simple case
// folding per UTF-16 position, a low surrogate folded with its high one).
QString foldKey(const QString &name)
{
    QString key;
    key.reserve(name.size() * 2);
    uint last = 0;
    for (const QChar c : name) {
        const uint unit = c.unicode();
        uint ucs4 = unit;
        if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(last))
            ucs4 = QChar::surrogateToUcs4(ushort(last), ushort(unit));
        last = unit;
        const uint folded = QChar::toCaseFolded(ucs4);
        key.append(QChar(ushort(folded >> 16))).append(QChar(ushort(folded & 0xFFFF)));
    }
    return key;
}

// Finds the parents of the index's records as the vault's findItem would,
// without its linear walks: a container's children are hashed by folded
// name when a path first leads through it (the first of equal names wins,
// as in a walk), and the last parent is kept, since the records of one
// folder follow each other. Files are hashed only in a container that a
// path leads through, which most never are.
class ParentFinder
{
public:
    ParentFinder(TAVItemContainer *vault, const QString &vaultName)
        : m_vault(vault), m_vaultName(vaultName)
    {
    }

    TAVItem *find(const QString &path)
    {
        if (!m_lastPath.isNull() && path == m_lastPath)
            return m_lastParent;
        TAVItem *found = walk(path);
        m_lastPath = path;
        m_lastParent = found;
        return found;
    }

private:
    struct Children
    {
        int hashed = 0; // children hashed so far, in list order
        QHash<QString, TAVItem *> byName;
    };

    TAVItem *child(TAVItemContainer *container, const QString &name)
    {
        Children &children = m_children[container];
        for (const int count = container->getItemCount(); children.hashed < count; ++children.hashed) {
            TAVItem *item = container->getItemAt(children.hashed);
            const QString key = foldKey(item->GetName());
            if (!children.byName.contains(key))
                children.byName.insert(key, item);
        }
        return children.byName.value(foldKey(name));
    }

    TAVItem *walk(const QString &path)
    {
        if (path == QLatin1String("/"))
            return m_vault;
        const QStringList parts = path.split(QLatin1Char('/'), Qt::KeepEmptyParts);
        if (parts.size() == 1)
            return QString::compare(m_vaultName, parts.at(0), Qt::CaseInsensitive) == 0 ? m_vault : nullptr;
        TAVItemContainer *current = m_vault;
        for (int i = 1; i < parts.size(); ++i) {
            TAVItem *found = child(current, parts.at(i));
            if (!found)
                return nullptr;
            if (i == parts.size() - 1)
                return found;
            if (found->GetClassID() != TAV_CLASS_FOLDER)
                return nullptr;
            current = static_cast<TAVItemContainer *>(found);
        }
        return nullptr;
    }

    TAVItemContainer *m_vault;
    QString m_vaultName;
    QHash<const TAVItem *, Children> m_children;
    QString m_lastPath;
    TAVItem *m_lastParent = nullptr;
};

} // namespace

TAVVault::TAVVault(TAVItem *parent, const QString &name, const QString &path, TAVCipher vaultCipher,
                   const TAVKey &vaultKey)
    : TAVItemContainer(name), key(vaultKey), cipher(vaultCipher), fullPhysicalVaultPath(path)
{
    SetParent(parent);
    if (FileUtils::getFileSystemType(path, &fileSystemType))
        LOG_ERROR << "GetFileSystemType failed";
    SetMutex(&vaultMutex);
}

TAVVault::~TAVVault()
{
    releaseDetached();
    SetMutex(nullptr);
}

int TAVVault::GetClassID() const
{
    return TAV_CLASS_VAULT;
}

bool TAVVault::canAddVault() const
{
    return false;
}

bool TAVVault::canAddFolder() const
{
    return loaded;
}

bool TAVVault::canAddFile() const
{
    return loaded;
}

bool TAVVault::canDelete() const
{
    return loaded || !isVaultIdxExisting();
}

void TAVVault::serialize(QDataStream &stream)
{
    TAVItem::serialize(stream);
}

TAVCipher TAVVault::GetVaultType() const
{
    return cipher;
}

int TAVVault::getVaultItemCount()
{
    return getVaultItemCount(this);
}

int TAVVault::getVaultItemCount(TAVItemContainer *c)
{
    int count = 0;
    for (int i = 0; i < c->getItemCount(); ++i) {
        TAVItem *child = c->getItemAt(i);
        if (child->GetClassID() == TAV_CLASS_FILE)
            ++count;
        else
            count += getVaultItemCount(static_cast<TAVItemContainer *>(child));
    }
    return count;
}

bool TAVVault::keyOpensIndex(const QString &folder, const TAVKey &key)
{
    TAVCryptoFile index(folder + QStringLiteral("/index.dat"));
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    const int code = index.open(QIODevice::ReadOnly, &cipher, key, &version);
    index.close();
    return code == 0 && cipher >= TAV_AES128 && cipher <= TAV_AES1024;
}

QString TAVVault::getVaultIdxFileName() const
{
    return fullPhysicalVaultPath + QStringLiteral("/index.dat");
}

QString TAVVault::getVaultVersionFileName() const
{
    return fullPhysicalVaultPath + QStringLiteral("/version.dat");
}

QString TAVVault::getKeyFileName() const
{
    return fullPhysicalVaultPath + QStringLiteral("/keychain.dat");
}

QString TAVVault::getVaultSyncFileName() const
{
    return fullPhysicalVaultPath + QStringLiteral("/synclist.dat");
}

bool TAVVault::hasFolder() const
{
    // An empty or relative folder (a drive not plugged in) would name files
    // under the root or the working folder.
    return !fullPhysicalVaultPath.isEmpty() && !QDir::isRelativePath(fullPhysicalVaultPath);
}

bool TAVVault::isAvailable() const
{
    return hasFolder() && QFileInfo(fullPhysicalVaultPath).isDir();
}

bool TAVVault::isVaultIdxExisting() const
{
    return hasFolder() && QFileInfo::exists(getVaultIdxFileName());
}

int TAVVault::save()
{
    LOG_DEBUG << "saving vault";
    if (!loaded) {
        LOG_ERROR << "vault" << GetName() << "is not loaded: its index is left as it is";
        return VaultFailed;
    }
    // A tree that was never read from the index on the disk (a load that
    // failed, or loaded set by hand) would replace every item the user has.
    if (!treeFromIndex && isVaultIdxExisting()) {
        LOG_ERROR << "vault" << GetName() << "was not read from its index: the index is left as it is";
        return VaultFailed;
    }

    if (!hasFolder()) {
        LOG_ERROR << "could not write index list: no vault folder" << fullPhysicalVaultPath;
        return VaultFailed;
    }

    // The bodies first, then the index that names them.
    if (!syncBodies()) {
        LOG_ERROR << "could not write index list: the new bodies of" << GetName() << "could not be synced";
        return VaultFailed;
    }

    // Only bodies discarded before the tree is read are known to be missing
    // from the index written now.
    int discarded = 0;
    {
        QMutexLocker lock(&vaultMutex);
        discarded = bodiesToRemove.size();
    }

    // The whole index is put together first and written in one call.
    QByteArray payload;
    {
        QDataStream stream(&payload, QIODevice::WriteOnly);
        stream.setVersion(15);
        stream << type << GetName() << GetCreatedDate() << GetModifiedDate();
        for (int i = 0; i < getItemCount(); ++i)
            getItemAt(i)->serialize(stream);
        if (stream.status() != QDataStream::Ok) {
            LOG_ERROR << "could not write index list: the index could not be put together";
            return VaultFailed;
        }
    }

    QString error;
    const int written = AtomicFileWriter::writeDataFile(getVaultIdxFileName(), cipher, key, 1, payload, &error);
    if (written != AtomicFileWriter::Written) {
        LOG_ERROR << "could not write index list" << written << error;
        return VaultFailed;
    }
    treeFromIndex = true;

    QStringList removable;
    {
        QMutexLocker lock(&vaultMutex);
        removable = bodiesToRemove.mid(0, discarded);
        bodiesToRemove = bodiesToRemove.mid(removable.size());
    }
    if (!removable.isEmpty())
        FileUtils::removeDelayed(removable, false);
    return 0;
}

void TAVVault::noteUnsyncedBodies()
{
    unsyncedBodies = true;
}

bool TAVVault::syncBodies()
{
    if (!unsyncedBodies.exchange(false))
        return true;
    if (SafeFile::syncFileSystem(fullPhysicalVaultPath))
        return true;
    unsyncedBodies = true;
    return false;
}

int TAVVault::saveRebuiltIndex()
{
    const bool wasLoaded = loaded;
    const bool wasFromIndex = treeFromIndex;
    const QUuid oldId = GetId();
    const TAVVaultType oldType = type;
    const TAVCipher oldCipher = cipher;
    readVaultVersion();
    loaded = true;
    treeFromIndex = true;
    if (save() == 0)
        return 0;
    loaded = wasLoaded;
    treeFromIndex = wasFromIndex;
    SetId(oldId);
    type = oldType;
    cipher = oldCipher;
    return VaultFailed;
}

QStringList TAVVault::discardedBodies()
{
    QMutexLocker lock(&vaultMutex);
    return bodiesToRemove;
}

QString TAVVault::getIndexBackupFileName(const QDateTime &time) const
{
    return getVaultIdxFileName() + QStringLiteral(".bak-") + time.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QStringList TAVVault::getIndexBackupFiles() const
{
    QStringList files;
    if (!hasFolder())
        return files;
    const QString prefix = QFileInfo(getVaultIdxFileName()).fileName() + QStringLiteral(".bak-");
    const QStringList names =
        QDir(fullPhysicalVaultPath).entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names)
        files << fullPhysicalVaultPath + QLatin1Char('/') + name;
    return files;
}

void TAVVault::discardBodies(const QStringList &bodies)
{
    QMutexLocker lock(&vaultMutex);
    for (const QString &body : bodies) {
        // An empty path would name the working folder.
        if (!body.isEmpty())
            bodiesToRemove << body;
    }
}

int TAVVault::load()
{
    LOG_DEBUG << "loading vault";
    if (getItemCount() > 0) {
        // Reading over a tree would list every item twice, and the next save would keep both.
        LOG_ERROR << "vault" << GetName() << "already holds items: not loaded again";
        return VaultFailed;
    }
    releaseDetached();

    TAVCryptoFile file(getVaultIdxFileName());
    TAVCipher fileCipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    const int opened = !hasFolder()
        ? 1
        : file.open(QIODevice::ReadOnly, &fileCipher, key, &version);
    if (opened != 0) {
        LOG_ERROR << "could not read index file. crypto read returned" << opened;
        return opened == 4 ? VaultWrongKey : VaultFailed;
    }
    const qint64 expected = file.size() - file.pos();
    const QByteArray payload = file.readAll();
    if (file.error() != QFileDevice::NoError || payload.size() != expected) {
        LOG_ERROR << "could not read index file" << file.errorString();
        return VaultFailed;
    }
    file.close();
    cipher = fileCipher;

    QDataStream stream(payload);
    stream.setVersion(15);
    TAVVaultType indexType = TAV_VAULT_UNDEFINED;
    QString indexName;
    stream >> indexType >> indexName;
    const ItemDate::Record created = ItemDate::read(stream);
    const ItemDate::Record modified = ItemDate::read(stream);
    if (stream.status() != QDataStream::Ok)
        throw archiveError(QT_TRANSLATE_NOOP("MainWindowClass", "Damaged vault header in archive."));
    if (!TAVItemNameValidator::isPathSafe(indexName))
        throw archiveError(QT_TRANSLATE_NOOP("MainWindowClass", "Invalid item name in archive."));

    // Items enter the tree as they are read; a damaged record takes every
    // one of them out again, so no half index is ever shown or saved.
    try {
        ParentFinder parents(this, indexName);
        while (!stream.atEnd()) {
            qint32 classId = 0;
            QString parentPath;
            stream >> classId >> parentPath;
            if (stream.status() != QDataStream::Ok)
                throw archiveError(QT_TRANSLATE_NOOP("MainWindowClass", "Damaged item record in archive."));
            TAVItem *parent = parents.find(parentPath);
            if (!parent || parent->GetClassID() == TAV_CLASS_FILE)
                throw archiveError(QT_TRANSLATE_NOOP("MainWindowClass", "Invalid parent path in archive."));
            auto *container = static_cast<TAVItemContainer *>(parent);
            TAVItem *item = nullptr;
            if (classId == TAV_CLASS_FILE) {
                item = new TAVFile(container, TAVItem::FromIndex{});
                container->addItem(item);
            } else if (classId == TAV_CLASS_FOLDER) {
                item = new TAVFolder(container, TAVItem::FromIndex{});
                container->addItem(item);
            } else {
                throw archiveError(QT_TRANSLATE_NOOP("MainWindowClass", "Invalid class name in archive."));
            }
            item->deserialize(stream, version);
        }
    } catch (...) {
        removeAll();
        throw;
    }

    type = indexType;
    SetName(indexName);
    SetCreatedDate(ItemDate::toDateTime(created));
    SetModifiedDate(ItemDate::toDateTime(modified));
    loaded = true;
    treeFromIndex = true;
    // Only once the index has loaded: after a failure everything stays as
    // it was found.
    removeLeftovers(fullPhysicalVaultPath, {QFileInfo(getVaultVersionFileName()).fileName(),
                                            QFileInfo(getKeyFileName()).fileName()});
    // Bodies of a job that ended before its index save: no one owns them.
    if (QFileInfo::exists(PendingBodies::fileName(fullPhysicalVaultPath))) {
        QSet<QString> owned;
        const std::function<void(TAVItemContainer *)> collect = [&](TAVItemContainer *container) {
            for (int i = 0; i < container->getItemCount(); ++i) {
                TAVItem *item = container->getItemAt(i);
                if (item->GetClassID() == TAV_CLASS_FILE)
                    owned.insert(FileUtils::UuidToFileName(item->GetId()));
                else if (item->GetClassID() == TAV_CLASS_FOLDER)
                    collect(static_cast<TAVItemContainer *>(item));
            }
        };
        collect(this);
        PendingBodies::removeUncommitted(fullPhysicalVaultPath, key, owned);
    }

    const bool failed = FileUtils::getFileSystemType(fullPhysicalVaultPath, &fileSystemType);
    if (failed) {
        LOG_ERROR << "getFileSystemType failed with return code" << int(failed);
        return VaultFailed;
    }
    return 0;
}

void TAVVault::unload()
{
    LOG_DEBUG << "doing vault unload";
    unloads.fetchAndAddOrdered(1);
    loaded = false;
    treeFromIndex = false;
    QMutexLocker lock(&vaultMutex);
    // The index on the disk lists their items still.
    bodiesToRemove.clear();
    detached += takeAll();
}

void TAVVault::releaseDetached()
{
    QMutexLocker lock(&vaultMutex);
    for (TAVItem *item : qAsConst(detached)) {
        // Their parent links still point into the detached tree, not at the vault.
        if (item->GetClassID() != TAV_CLASS_FILE)
            static_cast<TAVItemContainer *>(item)->removeAll();
        delete item;
    }
    detached.clear();
}

int TAVVault::saveVaultVersion()
{
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(15);
        stream << qint32(1) << GetId() << type << cipher << GetName();
    }
    QString error;
    const QString path = getVaultVersionFileName();
    if (!hasFolder() || !AtomicFileWriter::writePlainFile(path, bytes, &error)) {
        LOG_ERROR << "Cannot write version file" << path << "error"
                  << error;
        return 1;
    }
    return 0;
}

int TAVVault::readVaultVersion()
{
    const QString path = getVaultVersionFileName();
    QFile file(path);
    if (!hasFolder() || !file.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "Cannot read version file" << path << "error"
                  << file.errorString();
        return 1;
    }
    QDataStream stream(&file);
    stream.setVersion(15);
    qint32 format = 0;
    QUuid id;
    TAVVaultType versionType = TAV_VAULT_UNDEFINED;
    TAVCipher versionCipher = TAV_CIPHER_NONE;
    stream >> format >> id >> versionType >> versionCipher;
    if (stream.status() != QDataStream::Ok || !TAVCipherProps::bitsOf(versionCipher)) {
        LOG_ERROR << "Damaged version file" << path;
        return 2;
    }
    type = versionType;
    cipher = versionCipher;
    SetId(id);
    return 0;
}

TAVItemContainer *TAVVault::getItemContainer(const QString &path)
{
    return findItemContainer(path);
}

void TAVVault::refresh(TAVItemContainer *c)
{
    emit vaultRefresh(c);
}

void TAVVault::syncProgress(const QString &name)
{
    emit itemSyncProgress(name);
}

void TAVVault::SyncItemScan(uint total)
{
    emit itemSyncScan(total);
}

void TAVVault::syncComplete()
{
    emit syncDone();
}

void TAVVault::syncCompleteWithErrors()
{
    emit syncFinishedWithErrors();
}

int TAVVault::setFUSEMountPoint(const QString &mountPoint)
{
    fuseMountPoint = mountPoint;
    return 0;
}
