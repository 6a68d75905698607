#include "localfilesystemmodel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemWatcher>

namespace {
const int columns = 5;

const char *const headers[columns] = {
    QT_TRANSLATE_NOOP("MainWindowClass", "Name"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Type"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Date Created"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Date"),
    QT_TRANSLATE_NOOP("MainWindowClass", "Size"),
};

QDir::SortFlags sortFlags(int column, Qt::SortOrder order)
{
    QDir::SortFlags flags = order == Qt::AscendingOrder ? (QDir::IgnoreCase | QDir::DirsFirst)
                                                        : (QDir::IgnoreCase | QDir::DirsLast | QDir::Reversed);
    switch (column) {
    case 1:
        return flags | QDir::Type;
    case 2:
    case 3:
        // QDir orders by modification time only.
        return flags | QDir::Time;
    case 4:
        return flags | QDir::Size;
    default:
        return flags | QDir::Name;
    }
}

// What QFileInfo::created() gives, without its deprecation.
QDateTime createdTime(const QFileInfo &info)
{
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

// A volume root has no file name of its own.
bool isVolumeRoot(const QFileInfo &info)
{
    return info.fileName().isEmpty();
}

QString volumeText(const QFileInfo &info)
{
    return info.absolutePath().chopped(1) + QCoreApplication::translate("MainWindowClass", "Drive");
}
} // namespace

LocalFileSystemModel::LocalFileSystemModel(QObject *parent)
    : QAbstractItemModel(parent), iconProvider(new QFileIconProvider), watcher(new QFileSystemWatcher(this))
{
    setObjectName(QStringLiteral("LocalFileSystemModel"));
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &LocalFileSystemModel::on_directoryChanged);
    setRootPath(QString());
}

LocalFileSystemModel::~LocalFileSystemModel() = default;

void LocalFileSystemModel::setRootPath(const QString &path)
{
    if (path != root) {
        if (!root.isEmpty())
            watcher->removePath(root);
        QString folder = path;
        if (!folder.isEmpty()) {
            if (!folder.endsWith(QLatin1Char('/')))
                folder += QLatin1Char('/');
            // A folder that cannot be watched is still listed.
            watcher->addPath(folder);
        }
        root = folder;
    }
    beginResetModel();
    if (root.isEmpty()) {
        entries.clear();
    } else {
        const QDir::Filters filters = QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoSymLinks | QDir::NoDotAndDotDot;
        entries = QDir(root).entryInfoList(filters, sortFlags(sortColumn, sortOrder));
    }
    endResetModel();
}

void LocalFileSystemModel::sort(int column, Qt::SortOrder order)
{
    sortColumn = column;
    sortOrder = order;
    setRootPath(root);
}

void LocalFileSystemModel::on_directoryChanged(const QString &)
{
    setRootPath(root);
}

bool LocalFileSystemModel::isInRange(const QModelIndex &index) const
{
    return index.row() >= 0 && index.column() >= 0 && index.model() == this && index.row() < entries.size();
}

QFileInfo LocalFileSystemModel::fileInfo(const QModelIndex &index) const
{
    return index.isValid() && isInRange(index) ? entries.at(index.row()) : QFileInfo();
}

QModelIndex LocalFileSystemModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent) || parent.isValid() || row < 0 || row >= entries.size())
        return QModelIndex();
    return createIndex(row, column, quintptr(row));
}

QModelIndex LocalFileSystemModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int LocalFileSystemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entries.size();
}

int LocalFileSystemModel::columnCount(const QModelIndex &) const
{
    return columns;
}

QVariant LocalFileSystemModel::data(const QModelIndex &index, int role) const
{
    if (!isInRange(index))
        return QVariant();
    const QFileInfo entry = entries.at(index.row());
    const bool volume = isVolumeRoot(entry);
    switch (role) {
    case Qt::ToolTipRole:
        return volume ? volumeText(entry) : entry.fileName();
    case Qt::DecorationRole:
        if (index.column() != 0)
            return QVariant();
        return iconProvider->icon(entry);
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return volume ? volumeText(entry) : entry.fileName();
        case 1:
            if (volume)
                return QCoreApplication::translate("MainWindowClass", "Drive");
            if (entry.isDir())
                return QCoreApplication::translate("MainWindowClass", "Folder");
            if (entry.isFile())
                return QCoreApplication::translate("MainWindowClass", "File");
            return QVariant();
        case 2:
            return volume ? QVariant(QString()) : QVariant(createdTime(entry));
        case 3:
            return volume ? QVariant(QString()) : QVariant(entry.lastModified());
        case 4:
            if (!entry.isFile())
                return QString();
            return entry.size() <= 0 ? QStringLiteral("0 KB")
                                     : QString::number(entry.size() / 1024 + 1) + QStringLiteral(" KB");
        default:
            return QVariant();
        }
    default:
        return QVariant();
    }
}

QVariant LocalFileSystemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns)
        return QVariant();
    return QCoreApplication::translate("MainWindowClass", headers[section]);
}
