#include "tavfilesystemtreemodel.h"

#include "tavassert.h"
#include "tavfilesystem.h"
#include "tavvault.h"

#include <QAbstractItemView>
#include <QFile>

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

TAVItem *TAVFileSystemTreeModel::itemFromIndex(const QModelIndex &index) const
{
    if (index.row() < 0 || index.column() < 0 || index.model() != this)
        return nullptr;
    // Only items handed out since the last reset are followed, and only while
    // they live in a loaded vault.
    const auto it = issued.constFind(index.internalPointer());
    return it == issued.constEnd() ? nullptr : it->get();
}

TAVItemContainer *TAVFileSystemTreeModel::containerOf(const QModelIndex &index) const
{
    TAVItem *item = itemFromIndex(index);
    if (!item || item->GetClassID() == TAV_CLASS_FILE)
        return nullptr;
    return qobject_cast<TAVItemContainer *>(item);
}

QModelIndex TAVFileSystemTreeModel::indexFor(int row, TAVItem *item) const
{
    auto it = issued.find(item);
    if (it == issued.end() || it->get() != item)
        issued.insert(item, ItemHandle(item));
    return createIndex(row, 0, item);
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
    if (!container)
        return -1;
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
    TAVItemContainer *container =
        parent.isValid() ? containerOf(parent) : static_cast<TAVItemContainer *>(treeRoot.get());
    if (!container)
        return QModelIndex();
    TAVItem *item = getItemAtRow(container, row);
    return item ? indexFor(row, item) : QModelIndex();
}

QModelIndex TAVFileSystemTreeModel::parent(const QModelIndex &child) const
{
    const TAVItem *item = itemFromIndex(child);
    if (!item)
        return QModelIndex();
    const TAVItem *up = item->GetParent();
    if (!up || up == treeRoot.get())
        return QModelIndex();
    // A parent is handed out before its children; follow it only while it lives.
    const auto it = issued.constFind(up);
    TAVItem *parentItem = it == issued.constEnd() ? nullptr : it->get();
    if (!parentItem)
        return QModelIndex();
    const int row = getItemRow(parentItem);
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
            const QString folder = static_cast<const TAVVault *>(item)->getFullPhysicalVaultPath();
            if (!QFile::exists(folder) || !QFile::exists(folder + QStringLiteral("/index.dat")))
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
