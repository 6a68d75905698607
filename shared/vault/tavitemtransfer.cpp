#include "tavitemtransfer.h"

#include "bodyrecipher.h"
#include "fileutils.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QFileInfo>
#include <QHash>
#include <QMutexLocker>
#include <QRecursiveMutex>

#include <functional>
#include <utility>

namespace {

TAVVault *vaultOf(const TAVItem *item)
{
    TAVItem *vault = nullptr;
    return item && item->getVault(&vault) == 0 ? static_cast<TAVVault *>(vault) : nullptr;
}

bool kindFits(const TAVItem *item, const TAVItemContainer *target)
{
    switch (item->GetClassID()) {
    case TAV_CLASS_FILE:
        return target->canAddFile();
    case TAV_CLASS_FOLDER:
        return target->canAddFolder();
    default:
        return false;
    }
}

// Destroys an item that is out of every list, with its subtree.
void destroy(TAVItem *item)
{
    if (item->GetClassID() != TAV_CLASS_FILE)
        static_cast<TAVItemContainer *>(item)->removeAll();
    delete item;
}

void collectFiles(TAVItem *item, QList<TAVFile *> &files)
{
    if (item->GetClassID() == TAV_CLASS_FILE) {
        files << static_cast<TAVFile *>(item);
        return;
    }
    auto *container = static_cast<TAVItemContainer *>(item);
    for (int i = 0; i < container->getItemCount(); ++i)
        collectFiles(container->getItemAt(i), files);
}

// Destroys a replaced item that is out of its list (its parent still set, so
// its bodies are found). Its bodies go in the background: at once when the
// vault's index that no longer lists it is already saved, else with the
// vault's next saved index (the caller's save).
void destroyWithBodies(TAVItem *item, TAVVault *vault, bool indexSaved)
{
    QList<TAVFile *> files;
    collectFiles(item, files);
    QStringList bodies;
    for (TAVFile *file : qAsConst(files)) {
        const QString body = file->getFullPhysicalFileName();
        if (!body.isEmpty())
            bodies << body;
    }
    destroy(item);
    if (bodies.isEmpty())
        return;
    if (indexSaved)
        FileUtils::removeDelayed(bodies, false);
    else
        vault->discardBodies(bodies);
}

// Where an item stands in its container, to put it back there.
int indexIn(const TAVItemContainer *container, const TAVItem *item)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        if (container->getItemAt(i) == item)
            return i;
    }
    return -1;
}

void insertAt(TAVItemContainer *container, TAVItem *item, int index)
{
    QList<TAVItem *> tail;
    while (index >= 0 && container->getItemCount() > index) {
        TAVItem *next = container->getItemAt(index);
        container->removeItem(next);
        tail << next;
    }
    container->addItem(item);
    for (TAVItem *next : qAsConst(tail))
        container->addItem(next);
}

[[noreturn]] void cannotCopy()
{
    throw TAVException(TAV_CANNOT_COPY);
}

bool isLink(const QString &path)
{
    return QFileInfo(path).isSymLink();
}

// A body is read and written only in its own sub-folder of the vault
// folder: a link planted there, or in place of the sub-folder, would lead
// the read or the write outside the vault. The place a body is written to
// is free: nothing is written over, nor through a dangling link.
void checkBodyPlaces(const QString &source, const QString &destination)
{
    const QString sourceFolder = QFileInfo(source).path();
    if (isLink(source) || isLink(sourceFolder)) {
        LOG_ERROR << "refusing the body" << source << ": a symbolic link";
        cannotCopy();
    }
    const QString folder = QFileInfo(destination).path();
    if (isLink(folder) || isLink(destination) || QFileInfo::exists(destination)) {
        LOG_ERROR << "refusing to write the body" << destination << ": a symbolic link or taken";
        cannotCopy();
    }
    // One level only: a vault folder gone with its drive is not made again
    // where the drive was mounted.
    FileUtils::makeFolder(folder);
    if (isLink(folder) || !QFileInfo(folder).isDir()) {
        LOG_ERROR << "refusing to write the body" << destination << ": no folder of the vault's own";
        cannotCopy();
    }
}

// Writes one body of the target vault from one of the source vault: the
// bytes as they are under the same key and cipher, else re-encrypted.
void transferBody(const QString &source, const TAVVault *from, const QString &destination, const TAVVault *to)
{
    if (source.isEmpty() || destination.isEmpty())
        cannotCopy();
    checkBodyPlaces(source, destination);
    if (from->getCipher() == to->getCipher() && from->getKey() == to->getKey()) {
        if (!FileUtils::copy(source, destination))
            cannotCopy();
        return;
    }
    if (BodyRecipher::recipher(source, from->getCipher(), from->getKey(), destination, to->getCipher(),
                               to->getKey())
        != BodyRecipher::Done)
        cannotCopy();
}

// The copy of an item under new identifiers, out of every list, its parent
// set so that its bodies have their place; each body written is listed.
TAVItem *buildCopy(TAVItem *item, TAVItem *parent, const TAVVault *from, const TAVVault *to,
                   QStringList &written)
{
    const QString name = item->GetDisplayName();
    if (item->GetClassID() == TAV_CLASS_FILE) {
        if (!TAVItemNameValidator::validate(name))
            throw TAVException(QStringLiteral("Invalid file name."));
        auto *file = new TAVFile(parent);
        file->SetName(name);
        try {
            const QString destination = file->getFullPhysicalFileName();
            transferBody(static_cast<TAVFile *>(item)->getFullPhysicalFileName(), from, destination, to);
            written << destination;
        } catch (...) {
            delete file;
            throw;
        }
        file->SetOriginalSize(item->GetOriginalSize());
        file->SetCurrentSize(item->GetCurrentSize());
        return file;
    }
    auto *folder = new TAVFolder(parent, name);
    try {
        auto *source = static_cast<TAVItemContainer *>(item);
        for (int i = 0; i < source->getItemCount(); ++i)
            folder->addItem(buildCopy(source->getItemAt(i), folder, from, to, written));
    } catch (...) {
        destroy(folder);
        throw;
    }
    return folder;
}

} // namespace

bool TAVItemTransfer::copy(TAVItem *item, TAVItemContainer *target)
{
    if (!item || !target)
        throw TAVException(TAV_INVALID_POINTER);
    if (!kindFits(item, target))
        return false;
    const TAVVault *from = vaultOf(item);
    TAVVault *to = vaultOf(target);
    if (!from || !to)
        cannotCopy();

    QStringList written;
    TAVItem *copied = nullptr;
    try {
        copied = buildCopy(item, target, from, to, written);
    } catch (...) {
        FileUtils::remove(written, false);
        throw;
    }

    // The copy mirrors the source file for file; the source may be gone
    // once the item it stands in is replaced.
    QList<TAVFile *> files;
    collectFiles(copied, files);
    QList<TAVFile *> sources;
    collectFiles(item, sources);
    QList<QDateTime> createdDates;
    for (TAVFile *source : qAsConst(sources))
        createdDates << source->GetCreatedDate();

    QMutexLocker lock(target->GetMutex());
    TAVItem *replaced = target->getItem(item->GetDisplayName());
    if (replaced)
        target->removeItem(replaced);
    target->addItem(copied);
    // The copy may have come from inside the item it replaces: read it first.
    if (replaced)
        destroyWithBodies(replaced, to, false);

    // Dated only now that the copy is in place: the created date may raise
    // the ancestors' own.
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < files.size(); ++i) {
        files.at(i)->SetCreatedDate(createdDates.at(i));
        files.at(i)->SetModifiedDate(now);
    }
    return true;
}

bool TAVItemTransfer::move(TAVItem *item, TAVItemContainer *target)
{
    if (!item || !target)
        throw TAVException(TAV_INVALID_POINTER);
    if (!kindFits(item, target))
        return false;
    auto *oldParent = static_cast<TAVItemContainer *>(item->GetParent());
    TAVVault *from = vaultOf(oldParent);
    TAVVault *to = vaultOf(target);
    if (!oldParent || !from || !to)
        cannotCopy();
    const bool otherFolder = from->getFullPhysicalVaultPath() != to->getFullPhysicalVaultPath();

    // The bodies go first, under the identifiers they keep. An identifier
    // whose body place is taken in the target (a vault folder copied and
    // adopted holds the same ones) is given up for a new one: a body of the
    // target is never written over.
    QStringList written;
    QStringList oldBodies;
    QHash<TAVFile *, QUuid> newIds;
    if (otherFolder) {
        QList<TAVFile *> files;
        collectFiles(item, files);
        const QString folder = to->getFullPhysicalVaultPath();
        const auto bodyPath = [&folder](const QUuid &id) {
            const QString idName = FileUtils::UuidToFileName(id);
            return folder + QLatin1Char('/') + idName.left(2) + QLatin1Char('/') + idName;
        };
        try {
            for (TAVFile *file : qAsConst(files)) {
                QString destination = bodyPath(file->GetId());
                if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink()) {
                    QUuid id;
                    do {
                        id = QUuid::createUuid();
                        destination = bodyPath(id);
                    } while (QFileInfo::exists(destination));
                    newIds.insert(file, id);
                }
                const QString source = file->getFullPhysicalFileName();
                transferBody(source, from, destination, to);
                written << destination;
                oldBodies << source;
            }
        } catch (...) {
            FileUtils::remove(written, false);
            throw;
        }
    }

    // Both vaults' locks, always in the order of their addresses: two moves
    // in opposite directions on two threads must not each hold one and
    // wait for the other. One vault is locked once.
    QRecursiveMutex *firstMutex = from->GetMutex();
    QRecursiveMutex *secondMutex = to->GetMutex();
    if (std::less<QRecursiveMutex *>()(secondMutex, firstMutex))
        std::swap(firstMutex, secondMutex);
    QMutexLocker lockFirst(firstMutex);
    QMutexLocker lockSecond(secondMutex != firstMutex ? secondMutex : nullptr);
    const int oldIndex = indexIn(oldParent, item);
    oldParent->removeItem(item);
    // Looked up once the item is out: it may stand inside the replaced item.
    TAVItem *replaced = target->getItem(item->GetDisplayName());
    const int replacedIndex = replaced ? indexIn(target, replaced) : -1;
    if (replaced)
        target->removeItem(replaced);
    target->addItem(item);
    QHash<TAVFile *, QUuid> oldIds;
    for (auto it = newIds.constBegin(); it != newIds.constEnd(); ++it) {
        oldIds.insert(it.key(), it.key()->GetId());
        it.key()->SetId(it.value());
    }

    if (otherFolder) {
        // The target's index first: should anything stop before the source's
        // is written too, the item is in both vaults, never in neither.
        const bool targetSaved = to->save() == 0;
        if (!targetSaved || from->save() != 0) {
            target->removeItem(item);
            for (auto it = oldIds.constBegin(); it != oldIds.constEnd(); ++it)
                it.key()->SetId(it.value());
            if (replaced)
                insertAt(target, replaced, replacedIndex);
            insertAt(oldParent, item, oldIndex);
            // A target index that lists the item needs its bodies.
            if (!targetSaved || to->save() == 0)
                FileUtils::remove(written, false);
            LOG_ERROR << "moving" << item->GetFullDisplayPath() << "failed: an index could not be saved";
            throw TAVException(QStringLiteral("The vault index could not be saved."));
        }
        for (const QString &body : qAsConst(oldBodies))
            FileUtils::remove(body, false);
    }
    if (replaced)
        destroyWithBodies(replaced, to, otherFolder);
    item->SetModifiedDate(QDateTime::currentDateTime());
    return true;
}
