#include "tavfilesystemmodel.h"

#include "iconprovider.h"
#include "itemcolumns.h"
#include "tavfilesystem.h"
#include "tavvault.h"


TAVFileSystemModel *TAVFileSystemModel::self = nullptr;

namespace {
// The table's date columns show the modification date first, the container
// sorts by the creation date first: swap them, so a header click orders the
// column it was made on.
int containerSortColumn(int column)
{
    if (column == ItemColumns::Modified)
        return ItemColumns::Created;
    if (column == ItemColumns::Created)
        return ItemColumns::Modified;
    return column;
}

QVariant vaultIcon(const TAVVault *vault, const ItemIcons &icons)
{
    const QString base = QStringLiteral(":/res/vault.png");
    if (!vault->isLoaded())
        return IconProvider::makeIcon(base, QStringLiteral(":/res/error_32.png"));
    switch (vault->vaultType()) {
    case 0:
        return IconProvider::makeIcon(base, QStringLiteral(":/res/help2.png"));
    case 1:
        return icons.partnerVault;
    case 2:
        return IconProvider::makeIcon(base, QStringLiteral(":/res/stick_32.png"));
    case 3:
        return IconProvider::makeIcon(base, QStringLiteral(":/res/harddrive_32.png"));
    case 4:
        return IconProvider::makeIcon(base, QStringLiteral(":/res/network_32.png"));
    default:
        return QVariant();
    }
}
} // namespace

TAVFileSystemModel *TAVFileSystemModel::getInstance(QObject *parent)
{
    if (!self) {
        self = new TAVFileSystemModel(parent);
        self->setRootItem(TAVFileSystem::getInstance());
    }
    return self;
}

TAVFileSystemModel::TAVFileSystemModel(QObject *parent) : QAbstractTableModel(parent)
{
    setObjectName(QStringLiteral("TAVFileSystemModel"));
}

TAVFileSystemModel::~TAVFileSystemModel()
{
    if (self == this)
        self = nullptr;
}

void TAVFileSystemModel::setRootItem(TAVItemContainer *container)
{
    if (!container || container->GetClassID() == TAV_CLASS_FILESYSTEM)
        container = TAVFileSystem::getInstance();
    beginResetModel();
    shown = ItemHandle(container);
    sortShown();
    endResetModel();
}

TAVItemContainer *TAVFileSystemModel::rootItem() const
{
    return static_cast<TAVItemContainer *>(shown.get());
}

void TAVFileSystemModel::sortShown()
{
    if (TAVItemContainer *container = rootItem())
        container->sort(containerSortColumn(sortColumn), sortOrder);
}

TAVItem *TAVFileSystemModel::itemFromIndex(const QModelIndex &index) const
{
    if (index.row() < 0 || index.column() < 0 || index.model() != this)
        return nullptr;
    const TAVItemContainer *container = rootItem();
    if (!container)
        return nullptr;
    // Only an item still at its row is followed: the index may predate a change.
    TAVItem *item = container->getItemAt(index.row());
    return item == index.internalPointer() ? item : nullptr;
}

QModelIndex TAVFileSystemModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    TAVItem *item = rootItem()->getItemAt(row);
    return item ? createIndex(row, column, item) : QModelIndex();
}

QModelIndex TAVFileSystemModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int TAVFileSystemModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const TAVItemContainer *container = rootItem();
    return container ? container->getItemCount() : 0;
}

int TAVFileSystemModel::columnCount(const QModelIndex &) const
{
    return ItemColumns::Count;
}

QVariant TAVFileSystemModel::data(const QModelIndex &index, int role) const
{
    if (role > Qt::TextAlignmentRole)
        return QVariant();
    const TAVItem *item = itemFromIndex(index);
    if (!item)
        return QVariant();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return ItemColumns::display(item, column,
                                    nameWrapped ? wrapDisplayName(item->GetDisplayName()) : item->GetDisplayName());
    case Qt::DecorationRole:
        if (column != ItemColumns::Name)
            return QVariant();
        if (item->GetClassID() == TAV_CLASS_VAULT)
            return vaultIcon(static_cast<const TAVVault *>(item), icons);
        return ItemColumns::plainIcon(item, icons);
    case Qt::ToolTipRole:
        if (column != ItemColumns::Name || item->GetDisplayName() == QLatin1String("FileSystem"))
            return QVariant();
        return item->GetDisplayName();
    case Qt::TextAlignmentRole:
        return ItemColumns::alignment(column);
    default:
        return QVariant();
    }
}

QVariant TAVFileSystemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return ItemColumns::header(section, orientation, role);
}

void TAVFileSystemModel::sort(int column, Qt::SortOrder order)
{
    sortColumn = column;
    sortOrder = order;
    if (!rootItem())
        return;
    beginResetModel();
    sortShown();
    endResetModel();
    emit modelSorted();
}

QString TAVFileSystemModel::wrapDisplayName(const QString &name)
{
    return ItemColumns::wrapDisplayName(name);
}

QString TAVFileSystemModel::shortenDisplayName(const QString &name)
{
    return ItemColumns::shortenDisplayName(name);
}
