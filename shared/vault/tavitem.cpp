#include "tavitem.h"

#include "tavexception.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"

#include <QCoreApplication>

TAVItem::TAVItem(const QString &itemName)
    : QObject(nullptr),
      name(itemName),
      id(QUuid::createUuid())
{
    created.setNow();
    modified.setNow();
}

TAVItem::TAVItem(FromIndex) : QObject(nullptr)
{
}

TAVItem::~TAVItem() = default;

quint64 TAVItem::GetOriginalSize() const
{
    return originalSize;
}

quint64 TAVItem::GetCurrentSize() const
{
    return currentSize;
}

QString TAVItem::GetFullDisplayPath() const
{
    if (!parent)
        return GetDisplayName();
    QString path = parent->GetFullDisplayPath();
    if (!path.isEmpty())
        path += QLatin1Char('/');
    return path + GetDisplayName();
}

QString TAVItem::GetFullPath() const
{
    if (!parent)
        return GetName();
    QString path = parent->GetFullPath();
    if (!path.isEmpty())
        path += QLatin1Char('/');
    return path + GetName();
}

bool TAVItem::canDelete() const
{
    return true;
}

QString TAVItem::GetParentPath() const
{
    // Empty, not null: a null string has its own form in the index.
    if (!parent)
        return QString::fromLatin1("");
    const QString path = parent->GetFullPath();
    return path.isNull() ? QString::fromLatin1("") : path;
}

void TAVItem::SetCreatedDate(const QDateTime &d)
{
    created.set(d);
    if (parent && parent->GetCreatedDate() < d)
        parent->SetCreatedDate(d);
}

void TAVItem::SetModifiedDate(const QDateTime &d)
{
    modified.set(d);
    if (parent)
        parent->SetModifiedDate(d);
}

int TAVItem::getVault(TAVItem **vault) const
{
    for (const TAVItem *item = this; item; item = item->parent) {
        if (item->GetClassID() == TAV_CLASS_VAULT) {
            *vault = const_cast<TAVItem *>(item);
            return 0;
        }
    }
    return 1;
}

QRecursiveMutex *TAVItem::GetMutex() const
{
    for (const TAVItem *item = this; item; item = item->parent) {
        const int cls = item->GetClassID();
        if (cls == TAV_CLASS_VAULT || cls == TAV_CLASS_FILESYSTEM)
            return item->mutex;
    }
    return nullptr;
}

void TAVItem::serialize(QDataStream &stream)
{
    stream << qint32(GetClassID()) << GetParentPath() << name << id
           << qint64(GetOriginalSize()) << qint64(GetCurrentSize());
    created.write(stream);
    modified.write(stream);
}

void TAVItem::SetName(const QString &newName)
{
    const QString oldName = name;
    name = newName;
    if (parent)
        parent->childRenamed(this, oldName);
}

void TAVItem::childRenamed(TAVItem *, const QString &) {}

void TAVItem::deserialize(QDataStream &stream, uint version)
{
    Q_UNUSED(version);
    QString newName;
    QUuid newId;
    qint64 newOriginal = 0;
    qint64 newCurrent = 0;
    stream >> newName >> newId >> newOriginal >> newCurrent;
    const ItemDate::Record newCreated = ItemDate::read(stream);
    const ItemDate::Record newModified = ItemDate::read(stream);
    if (stream.status() != QDataStream::Ok)
        throw TAVException(
            QCoreApplication::translate("MainWindowClass", "Damaged item record in archive."));
    if (!TAVItemNameValidator::isPathSafe(newName))
        throw TAVException(
            QCoreApplication::translate("MainWindowClass", "Invalid item name in archive."));
    // Stored as read: the parent rules of the date setters don't apply here.
    // Read with room to grow; an index holds many names for a long time. A
    // null name stays null: it is written back as read.
    if (!newName.isNull())
        newName.squeeze();
    SetName(newName);
    id = newId;
    originalSize = quint64(newOriginal);
    currentSize = quint64(newCurrent);
    created.set(newCreated);
    modified.set(newModified);
}

QDataStream &operator<<(QDataStream &stream, const TAVItem &item)
{
    LOG_DEBUG << "QDataStream &operator<<(QDataStream &, const TAVItem &)";
    stream << item.GetName() << item.GetId() << qint64(item.GetOriginalSize())
           << qint64(item.GetCurrentSize()) << item.GetCreatedDate() << item.GetModifiedDate();
    return stream;
}
