#ifndef TAVFILESYSTEMTREEMODEL_H
#define TAVFILESYSTEMTREEMODEL_H

#include "itemhandle.h"
#include "itemicons.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>
#include <QVector>

class QAbstractItemView;
class TAVItem;
class TAVItemContainer;

// The navigation tree: the vaults at the top and, under each, its folders and
// sub-folders, in one column, ordered by lower-cased name; files never appear.
// One process-wide instance, shared by the folder tree view and the folder
// picker.
//
// It keeps no copy of the tree: the order of each container's rows is worked
// out when first asked and kept until the next reset (or until the
// container's children change in number). Whoever changes the set of vaults or
// folders calls setRootItem. Every item handed out in an index is remembered
// until the next reset, so an index from before a reset, or one whose item was
// destroyed or whose vault was unloaded, gives invalid values and never leads
// to freed or detached items.
class TAVFileSystemTreeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Made on the first call with `parent` as its Qt parent, showing the
    // vault root; later calls return it and ignore the argument.
    static TAVFileSystemTreeModel *getInstance(QObject *parent = nullptr);
    ~TAVFileSystemTreeModel() override;

    // Resets the model over the vault root (the tree always starts there; the
    // argument is not used).
    void setRootItem(TAVItemContainer *container = nullptr);
    // The view whose current folder shows the open-folder icon; no reset.
    void setTreeView(QAbstractItemView *view);
    // The item of a current index of this model; null for anything else.
    TAVItem *itemFromIndex(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The row-th child of the container that is not a file, by lower-cased
    // name; null when there is none.
    TAVItem *getItemAtRow(TAVItemContainer *container, int row) const;
    // The item's row among its parent's children that are not files; 0 for an
    // item without a parent, -1 when its name is not among them.
    int getItemRow(TAVItem *item) const;

private:
    explicit TAVFileSystemTreeModel(QObject *parent);

    // The rows of one container, in display order.
    struct Rows
    {
        QPointer<TAVItemContainer> owner;
        int childCount = 0;
        QVector<QPointer<TAVItem>> items;
        QHash<QString, int> rowOfName;
    };
    const Rows &rowsOf(TAVItemContainer *container) const;
    bool isCurrent(const Rows &rows, TAVItemContainer *container) const;
    const ItemHandle *handleOf(const QModelIndex &index) const;
    TAVItemContainer *containerOf(const QModelIndex &index) const;
    int rowIn(TAVItemContainer *container, TAVItem *item) const;

    static TAVFileSystemTreeModel *self;
    ItemHandle treeRoot;
    QPointer<QAbstractItemView> treeView;
    ItemIcons icons;
    mutable QHash<const TAVItemContainer *, Rows> rowCache;
    mutable QHash<const void *, ItemHandle> issued;
};

#endif // TAVFILESYSTEMTREEMODEL_H
