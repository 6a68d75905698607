#include "tavitem.h"

#include "tavexception.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"

#include <QCoreApplication>
#include <QTimeZone>

TAVItem::TAVItem(const QString &itemName)
    : QObject(nullptr),
      name(itemName),
      id(QUuid::createUuid()),
      created(QDateTime::currentDateTime()),
      modified(created)
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
    created = d;
    if (parent && parent->created < d)
        parent->SetCreatedDate(d);
}

void TAVItem::SetModifiedDate(const QDateTime &d)
{
    modified = d;
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
           << qint64(GetOriginalSize()) << qint64(GetCurrentSize()) << created << modified;
}

void TAVItem::deserialize(QDataStream &stream, uint version)
{
    Q_UNUSED(version);
    QString newName;
    QUuid newId;
    qint64 newOriginal = 0;
    qint64 newCurrent = 0;
    QDateTime newCreated;
    QDateTime newModified;
    stream >> newName >> newId >> newOriginal >> newCurrent >> newCreated >> newModified;
    if (stream.status() != QDataStream::Ok)
        throw TAVException(
            QCoreApplication::translate("MainWindowClass", "Damaged item record in archive."));
    if (!TAVItemNameValidator::isPathSafe(newName))
        throw TAVException(
            QCoreApplication::translate("MainWindowClass", "Invalid item name in archive."));
    // Stored as read: the parent rules of the date setters don't apply here.
    name = newName;
    id = newId;
    originalSize = quint64(newOriginal);
    currentSize = quint64(newCurrent);
    created = storableDate(newCreated);
    modified = storableDate(newModified);
}

QDateTime TAVItem::storableDate(const QDateTime &d)
{
    // A spec byte out of range reads as a time zone with no zone, which Qt
    // may even call valid but cannot write.
    if (!d.isValid() || (d.timeSpec() == Qt::TimeZone && !d.timeZone().isValid()))
        return QDateTime();
    return d;
}

QDataStream &operator<<(QDataStream &stream, const TAVItem &item)
{
    LOG_DEBUG << "QDataStream &operator<<(QDataStream &, const TAVItem &)";
    stream << item.GetName() << item.GetId() << qint64(item.GetOriginalSize())
           << qint64(item.GetCurrentSize()) << item.GetCreatedDate() << item.GetModifiedDate();
    return stream;
}
