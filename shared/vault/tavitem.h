#ifndef TAVITEM_H
#define TAVITEM_H

#include "itemdate.h"

#include <QDataStream>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUuid>

class QRecursiveMutex;

// Class ids: every item reports its kind by one of these; code that must tell
// kinds apart asks for the id instead of testing types.
enum TAVClassId : qint32 {
    TAV_CLASS_ITEM = 0,
    TAV_CLASS_FILE = 1,
    TAV_CLASS_FOLDER = 2,
    TAV_CLASS_VAULT = 3,
    TAV_CLASS_FILESYSTEM = 7,
    TAV_CLASS_CONTAINER = 12,
};

// A node of the vault tree: name, identifier, sizes, dates and parent, and its
// own record of the vault index. The tree is held by the parent field, never by
// QObject parenthood.
class TAVItem : public QObject
{
    Q_OBJECT
public:
    explicit TAVItem(const QString &name);
    // An item whose record the index loader reads next (deserialize): it
    // draws no identifier and reads no clock, which loading a large index
    // would pay once per item for nothing.
    struct FromIndex {};
    explicit TAVItem(FromIndex);
    ~TAVItem() override;

    virtual quint64 GetOriginalSize() const;
    virtual quint64 GetCurrentSize() const;
    virtual QString GetFullDisplayPath() const;
    virtual QString GetFullPath() const;
    virtual int GetClassID() const = 0;
    virtual bool canAddVault() const = 0;
    virtual bool canAddFolder() const = 0;
    virtual bool canAddFile() const = 0;
    virtual bool canDelete() const;
    // Writes the item's record: class id, parent path, name, id, sizes, dates.
    virtual void serialize(QDataStream &stream);
    // Reads the record from the name on (the loader has read the class id and
    // the parent path). Throws TAVException for a damaged record or a name
    // that may not enter the tree; the item is then unchanged.
    virtual void deserialize(QDataStream &stream, uint version);

    QString GetName() const { return name; }
    QString GetDisplayName() const { return name; }
    // The parent container hears of the change: it keeps its children by name.
    void SetName(const QString &newName);
    QUuid GetId() const { return id; }
    void SetId(const QUuid &newId) { id = newId; }
    void SetOriginalSize(quint64 size) { originalSize = size; }
    void SetCurrentSize(quint64 size) { currentSize = size; }
    QDateTime GetCreatedDate() const { return created.get(); }
    QDateTime GetModifiedDate() const { return modified.get(); }
    // Stores d and raises each ancestor's created date that is earlier than d.
    void SetCreatedDate(const QDateTime &d);
    // Stores d on the item and on every ancestor up to the root.
    void SetModifiedDate(const QDateTime &d);

    TAVItem *GetParent() const { return parent; }
    void SetParent(TAVItem *newParent) { parent = newParent; }
    // The parent's full path; empty (not null) without a parent.
    QString GetParentPath() const;
    // 0 and the nearest vault (the item itself included) in *vault, else 1.
    int getVault(TAVItem **vault) const;
    // The owning vault's mutex; null for the root and detached items.
    QRecursiveMutex *GetMutex() const;

    int incref() { return ++refCount; }
    int deref() { return --refCount; }

protected:
    // Told by a child whose name changed (the container's lookup follows it).
    virtual void childRenamed(TAVItem *child, const QString &oldName);
    // Only a vault sets it, to its own mutex.
    void SetMutex(QRecursiveMutex *vaultMutex) { mutex = vaultMutex; }
    // Sets this item's dates alone, without the rules that climb to the ancestors.
    void StoreDates(const QDateTime &createdDate, const QDateTime &modifiedDate)
    {
        created.set(createdDate);
        modified.set(modifiedDate);
    }

private:
    QString name;
    QUuid id;
    quint64 originalSize = 0;
    quint64 currentSize = 0;
    ItemDate created;
    ItemDate modified;
    TAVItem *parent = nullptr;
    QRecursiveMutex *mutex = nullptr;
    int refCount = 0;
};

// Writes name, id, sizes and dates. Not used by the index, which uses serialize.
QDataStream &operator<<(QDataStream &stream, const TAVItem &item);

#endif // TAVITEM_H
