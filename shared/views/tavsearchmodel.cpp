#include "tavsearchmodel.h"

#include "itemcolumns.h"
#include "tavitem.h"


TAVSearchModel *TAVSearchModel::self = nullptr;

namespace {
const int columns = ItemColumns::Count + 1; // a last column without header or values
}

TAVSearchModel *TAVSearchModel::getInstance(QObject *parent)
{
    if (!self)
        self = new TAVSearchModel(parent);
    return self;
}

TAVSearchModel::TAVSearchModel(QObject *parent) : QAbstractTableModel(parent)
{
    setObjectName(QStringLiteral("TAVSearchModel"));
}

TAVSearchModel::~TAVSearchModel()
{
    if (self == this)
        self = nullptr;
}

void TAVSearchModel::setItemList(const QList<TAVItem *> &items)
{
    beginResetModel();
    results.clear();
    results.reserve(items.size());
    for (TAVItem *item : items)
        results.append(ItemHandle(item));
    endResetModel();
}

TAVItem *TAVSearchModel::itemFromIndex(const QModelIndex &index) const
{
    if (index.row() < 0 || index.column() < 0 || index.model() != this || index.row() >= results.size())
        return nullptr;
    // An index from before the last setItemList may name another row's item.
    const ItemHandle &handle = results.at(index.row());
    return handle.key() == index.internalPointer() ? handle.get() : nullptr;
}

QModelIndex TAVSearchModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    return createIndex(row, column, const_cast<void *>(results.at(row).key()));
}

QModelIndex TAVSearchModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int TAVSearchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : results.size();
}

int TAVSearchModel::columnCount(const QModelIndex &) const
{
    return columns;
}

QVariant TAVSearchModel::data(const QModelIndex &index, int role) const
{
    if (role > Qt::TextAlignmentRole)
        return QVariant();
    const TAVItem *item = itemFromIndex(index);
    if (!item)
        return QVariant();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return ItemColumns::display(item, column, item->GetDisplayName());
    case Qt::DecorationRole:
        if (column != ItemColumns::Name)
            return QVariant();
        // A plain vault image: the search does not tell loaded vaults apart.
        if (item->GetClassID() == TAV_CLASS_VAULT)
            return icons.vault;
        return ItemColumns::plainIcon(item, icons);
    case Qt::ToolTipRole:
        return column == ItemColumns::Name ? QVariant(item->GetDisplayName()) : QVariant();
    case Qt::TextAlignmentRole:
        return ItemColumns::alignment(column);
    default:
        return QVariant();
    }
}

QVariant TAVSearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return ItemColumns::header(section, orientation, role);
}

QString TAVSearchModel::shortenDisplayName(const QString &name)
{
    return ItemColumns::shortenDisplayName(name);
}
