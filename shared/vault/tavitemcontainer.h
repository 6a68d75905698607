#ifndef TAVITEMCONTAINER_H
#define TAVITEMCONTAINER_H

#include "tavcipherprops.h"
#include "tavitem.h"

#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QMutex>

class TAVFile;
class TAVFolder;
class TAVKey;
class TAVVault;

// A node with ordered children: the base of folders, vaults and the root.
// Child names are unique within a container, ignoring case. The container
// owns its children, but its destructor releases only the list: items are
// destroyed through removeItem(QString), removeAll, deleteItem and deleteAll.
class TAVItemContainer : public TAVItem
{
    Q_OBJECT
public:
    explicit TAVItemContainer(const QString &name);
    explicit TAVItemContainer(FromIndex);
    ~TAVItemContainer() override;

    quint64 GetOriginalSize() const override;
    quint64 GetCurrentSize() const override;
    int GetClassID() const override;
    // The container's own record, then each child's in list order.
    void serialize(QDataStream &stream) override;

    // A new vault; a name already taken becomes the root's next free vault
    // name. Throws TAVException for an unsafe name.
    virtual TAVVault *addVault(const QString &name, const QString &path, TAVCipher cipher, const TAVKey &key);
    // Throws TAVException for a duplicate or an unsafe name.
    virtual TAVFolder *addFolder(const QString &name);
    // A file item named after the last component of source; throws for a
    // duplicate or an invalid name.
    virtual TAVFile *addFile(const QFileInfo &source);
    // An unnamed file item ("file"), as the index loader makes them.
    virtual TAVFile *addFile();
    // A file item for a body already written under bodyId (as
    // TAVFile::adoptBody takes it), named after the last component of
    // source, which is not looked at. Throws as addFile(source).
    TAVFile *addFileWithBody(const QString &source, const QUuid &bodyId, const QDateTime &created,
                             const QDateTime &modified);
    virtual int getItemCount() const;
    virtual int getContainerItemCount() const;
    // Renames a child. A missing child is only logged, a change of case alone
    // is ignored; a duplicate or unsafe new name throws TAVException.
    virtual void renameItem(const QString &oldName, const QString &newName);
    // Drops the child (found ignoring case) from memory. The encrypted bodies
    // below it go to the vault's discardBodies(): they are removed in the
    // background once the caller has saved the vault, so an index on the
    // disk never lists an item whose body is gone. Deleting a vault from
    // the root removes its bodies at once (the root removes its index first).
    virtual void deleteItem(const QString &name);

    TAVItem *getItem(const QString &name) const;
    bool exists(const QString &name) const;
    TAVItem *getItemAt(int i) const;
    TAVItemContainer *findItemContainer(const QString &path);
    TAVItem *findItem(const QString &path);

    // Appends without any check and makes this container the item's parent.
    void addItem(TAVItem *item);
    // Takes the pointer out of the list; the item is neither destroyed nor changed.
    void removeItem(TAVItem *item);
    // Destroys the child of exactly this name (case-sensitive) and its subtree;
    // bodies on the disk are kept.
    void removeItem(const QString &name);
    void removeAll();
    // Drops every child as deleteItem does.
    void deleteAll();

    // Sorts the children in place. Columns: 0 name (folders before files),
    // 1 class id, 2 created and 3 modified (ascending puts the latest first),
    // 4 current size, 5 original size; any other column keeps the order.
    void sort(int column, Qt::SortOrder order);
    static int compareItemName(TAVItem *a, TAVItem *b);

protected:
    // Empties the list and hands its items over, untouched.
    QList<TAVItem *> takeAll();
    // Throws unless the name may enter the tree.
    static void checkNameIsSafe(const QString &name);
    // Throws "Duplicate item name." after the log line, when the name is taken.
    void checkNameIsFree(const QString &name, const char *function) const;

    void childRenamed(TAVItem *child, const QString &oldName) override;

private:
    // The lookup of a child by name ignoring case: a walk of the list in a
    // small container, else a hash by folded name (the first of equal names
    // wins, as in the walk), built on first need and dropped, or followed,
    // when the list or a child's name changes. Adding n files to one folder
    // would otherwise cost n walks of it.
    TAVItem *findChild(const QString &name) const;
    void forgetNames() const;
    void noteAdded(TAVItem *item) const;

    QList<TAVItem *> children;
    mutable QMutex namesMutex; // the hash only; a leaf lock
    mutable QHash<QString, TAVItem *> byName;
    mutable bool byNameValid = false;
};

#endif // TAVITEMCONTAINER_H
