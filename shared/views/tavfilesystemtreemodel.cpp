#include "tavfilesystemtreemodel.h"

#include "tavassert.h"
#include "tavfilesystem.h"
#include "tavvault.h"

#include <QAbstractItemView>

#include <algorithm>
#include <utility>

TAVFileSystemTreeModel *TAVFileSystemTreeModel::self = nullptr;


TAVFileSystemTreeModel *TAVFileSystemTreeModel::getInstance(QObject *parent)
{
    if (!self) {
        self = new TAVFileSystemTreeModel(parent);
        self->setRootItem();
    }
    return self;
}

TAVFileSystemTreeModel::TAVFileSystemTreeModel(QObject *parent) : QAbstractTableModel(parent)
{
    setObjectName(QStringLiteral("TAVFileSystemTreeModel"));
}

TAVFileSystemTreeModel::~TAVFileSystemTreeModel()
{
    if (self == this)
        self = nullptr;
}

void TAVFileSystemTreeModel::setRootItem(TAVItemContainer *)
{
    beginResetModel();
    treeRoot = ItemHandle(TAVFileSystem::getInstance());
    rowCache.clear();
    issued.clear();
    endResetModel();
}

void TAVFileSystemTreeModel::setTreeView(QAbstractItemView *view)
{
    treeView = view;
}

const ItemHandle *TAVFileSystemTreeModel::handleOf(const QModelIndex &index) const
{
    if (index.row() < 0 || index.column() < 0 || index.model() != this)
        return nullptr;
    // Only items handed out since the last reset are known.
    const auto it = issued.constFind(index.internalPointer());
    return it == issued.constEnd() ? nullptr : &*it;
}

TAVItem *TAVFileSystemTreeModel::itemFromIndex(const QModelIndex &index) const
{
    const ItemHandle *handle = handleOf(index);
    return handle ? handle->get() : nullptr;
}

TAVItemContainer *TAVFileSystemTreeModel::containerOf(const QModelIndex &index) const
{
    TAVItem *item = itemFromIndex(index);
    if (!item || item->GetClassID() == TAV_CLASS_FILE)
        return nullptr;
    return qobject_cast<TAVItemContainer *>(item);
}

bool TAVFileSystemTreeModel::isCurrent(const Rows &rows, TAVItemContainer *container) const
{
    return rows.owner == container && rows.childCount == container->getItemCount();
}

const TAVFileSystemTreeModel::Rows &TAVFileSystemTreeModel::rowsOf(TAVItemContainer *container) const
{
    auto it = rowCache.find(container);
    if (it != rowCache.end() && isCurrent(*it, container))
        return *it;

    Rows rows;
    rows.owner = container;
    rows.childCount = container->getItemCount();
    // Lower-cased names in the order of their UTF-16 units; of two equal keys
    // the later child's name stands for both.
    QVector<std::pair<QString, int>> keys;
    for (int i = 0; i < rows.childCount; ++i) {
        const TAVItem *child = container->getItemAt(i);
        if (child && child->GetClassID() != TAV_CLASS_FILE)
            keys.append({child->GetDisplayName().toLower(), i});
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const std::pair<QString, int> &a, const std::pair<QString, int> &b) {
                         return a.first < b.first;
                     });
    for (int k = 0; k < keys.size(); ++k) {
        int last = k;
        while (last + 1 < keys.size() && keys.at(last + 1).first == keys.at(k).first)
            ++last;
        TAVItem *child = container->getItemAt(keys.at(last).second);
        const QString name = child->GetDisplayName();
        rows.rowOfName.insert(name, rows.items.size());
        rows.items.append(last == k ? child : container->getItem(name));
        k = last;
    }
    return *rowCache.insert(container, rows);
}

TAVItem *TAVFileSystemTreeModel::getItemAtRow(TAVItemContainer *container, int row) const
{
    if (!container || row < 0)
        return nullptr;
    const Rows *rows = &rowsOf(container);
    if (row >= rows->items.size())
        return nullptr;
    TAVItem *item = rows->items.at(row);
    if (!item || item->GetParent() != container) {
        // The children changed without a reset: work the rows out again.
        rowCache.remove(container);
        rows = &rowsOf(container);
        item = row < rows->items.size() ? rows->items.at(row).data() : nullptr;
    }
    return item;
}

int TAVFileSystemTreeModel::getItemRow(TAVItem *item) const
{
    if (!item || !item->GetParent())
        return 0;
    if (item->GetClassID() == TAV_CLASS_FILE)
        return -1;
    auto *container = qobject_cast<TAVItemContainer *>(item->GetParent());
    return container ? rowIn(container, item) : -1;
}

int TAVFileSystemTreeModel::rowIn(TAVItemContainer *container, TAVItem *item) const
{
    const QString name = item->GetDisplayName();
    const QHash<QString, int> &rowOfName = rowsOf(container).rowOfName;
    const auto row = rowOfName.constFind(name);
    if (row != rowOfName.constEnd())
        return *row;
    // Renamed since the rows were worked out.
    rowCache.remove(container);
    return rowsOf(container).rowOfName.value(name, -1);
}

QModelIndex TAVFileSystemTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || !hasIndex(row, column, parent))
        return QModelIndex();
    const ItemHandle *known = parent.isValid() ? handleOf(parent) : &treeRoot;
    if (!known)
        return QModelIndex();
    const ItemHandle parentHandle = *known; // a copy: the hash it lives in may grow below
    TAVItem *container = parentHandle.get();
    if (!container || container->GetClassID() == TAV_CLASS_FILE)
        return QModelIndex();
    TAVItem *item = getItemAtRow(static_cast<TAVItemContainer *>(container), row);
    if (!item)
        return QModelIndex();
    const auto issuedItem = issued.constFind(item);
    if (issuedItem == issued.constEnd() || issuedItem->get() != item)
        issued.insert(item, ItemHandle(item, parentHandle));
    return createIndex(row, 0, item);
}

QModelIndex TAVFileSystemTreeModel::parent(const QModelIndex &child) const
{
    const TAVItem *item = itemFromIndex(child);
    if (!item)
        return QModelIndex();
    // Parents are handed out before their children: both the parent and the
    // grandparent are known, or the tree changed under the index. Their
    // addresses are only looked up, never followed.
    TAVItem *root = treeRoot.get();
    const TAVItem *up = item->GetParent();
    if (!up || up == root)
        return QModelIndex();
    const auto parentHandle = issued.constFind(up);
    TAVItem *parentItem = parentHandle == issued.constEnd() ? nullptr : parentHandle->get();
    if (!parentItem)
        return QModelIndex();
    const TAVItem *grand = parentItem->GetParent();
    TAVItem *grandItem = root;
    if (grand != root) {
        const auto grandHandle = issued.constFind(grand);
        grandItem = grandHandle == issued.constEnd() ? nullptr : grandHandle->get();
    }
    if (!grandItem)
        return QModelIndex();
    const int row = rowIn(static_cast<TAVItemContainer *>(grandItem), parentItem);
    return row < 0 ? QModelIndex() : createIndex(row, 0, parentItem);
}

QModelIndex TAVFileSystemTreeModel::sibling(int row, int column, const QModelIndex &index) const
{
    // Not the table's: siblings share the index's parent.
    return QAbstractItemModel::sibling(row, column, index);
}

int TAVFileSystemTreeModel::rowCount(const QModelIndex &parent) const
{
    TAVItem *root = treeRoot.get();
    if (!root || parent.column() > 0)
        return 0;
    TAVItemContainer *container = parent.isValid() ? containerOf(parent) : static_cast<TAVItemContainer *>(root);
    // The children that are not files, counted as the rows are found.
    return container ? rowsOf(container).items.size() : 0;
}

int TAVFileSystemTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool TAVFileSystemTreeModel::hasChildren(const QModelIndex &parent) const
{
    // Not the table's: rows have children.
    return rowCount(parent) > 0;
}

Qt::ItemFlags TAVFileSystemTreeModel::flags(const QModelIndex &index) const
{
    // Without the table's "never has children", so rows stay expandable.
    return QAbstractItemModel::flags(index);
}

QVariant TAVFileSystemTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !treeRoot.get())
        return QVariant();
    const TAVItem *item = itemFromIndex(index);
    if (!item || item->GetClassID() == TAV_CLASS_FILE)
        return QVariant();
    switch (role) {
    case Qt::ToolTipRole:
        if (index.column() != 0 || item->GetDisplayName() == QLatin1String("FileSystem"))
            return QVariant();
        return item->GetDisplayName();
    case Qt::DecorationRole:
        switch (item->GetClassID()) {
        case TAV_CLASS_FOLDER: {
            const bool current = treeView && treeView->currentIndex().internalPointer() == item;
            return current ? icons.openFolder : icons.closedFolder;
        }
        case TAV_CLASS_VAULT: {
            // Asked on every repaint, so a vault whose folder went away shows it at once.
            // The vault's own tests: a folder path that is empty or relative
            // (its drive unplugged) is never looked up in the working folder.
            const auto *vault = static_cast<const TAVVault *>(item);
            if (!vault->isAvailable() || !vault->isVaultIdxExisting())
                return icons.vaultError;
            return icons.vault;
        }
        case TAV_CLASS_FILESYSTEM:
            // The root is never a row: the tree is broken.
            tavCheckFailed(__FILE__, __LINE__, "data", "className!=TAVFileSystemClass");
        default:
            return QVariant();
        }
    case Qt::DisplayRole:
        return item->GetDisplayName();
    default:
        return QVariant();
    }
}

QVariant TAVFileSystemTreeModel::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}
