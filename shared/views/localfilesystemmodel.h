#ifndef LOCALFILESYSTEMMODEL_H
#define LOCALFILESYSTEMMODEL_H

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QList>

#include <memory>

class QFileIconProvider;
class QFileSystemWatcher;

// The entries of one folder of the local disk as a flat table of five columns
// (name, type, created, modified, size), in QDir's order, read again whenever
// the folder's own entries change on the disk. Hidden entries, symbolic links
// and "." and ".." are not listed.
class LocalFileSystemModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    // The watcher and the icon provider belong to the model alone.
    explicit LocalFileSystemModel(QObject *parent = nullptr);
    ~LocalFileSystemModel() override;

    // Lists the folder (a final "/" is added) and watches it instead of the
    // previous one; the empty text empties the listing. Also re-reads an
    // unchanged path.
    void setRootPath(const QString &path);
    QString rootPath() const { return root; }
    // The entry of a row; an empty QFileInfo for an index out of range.
    QFileInfo fileInfo(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Stores the column and order and re-reads the folder.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private slots:
    void on_directoryChanged(const QString &path);

private:
    bool isInRange(const QModelIndex &index) const;

    QString root;
    QList<QFileInfo> entries;
    int sortColumn = 0;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    std::unique_ptr<QFileIconProvider> iconProvider;
    QFileSystemWatcher *watcher; // a Qt child of the model
};

#endif // LOCALFILESYSTEMMODEL_H
