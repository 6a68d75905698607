#ifndef TAVFILESYSTEMMODEL_H
#define TAVFILESYSTEMMODEL_H

#include "itemhandle.h"
#include "itemicons.h"

#include <QAbstractTableModel>

class TAVItem;
class TAVItemContainer;

// The contents of one container of the vault tree as a table of six columns
// (name, type, modified, created, size, an empty column), one process-wide
// instance shared by the detailed and the icon view.
//
// It only reads the tree and never listens to it: whoever changes the tree
// calls setRootItem again, which sorts and resets. Rows and indexes that
// outlive a change are checked against the tree before use: an index whose
// item is no longer at its row of the shown container, or whose container was
// destroyed or whose vault was unloaded, gives invalid values and a null item.
class TAVFileSystemModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Made on the first call with `parent` as its Qt parent, showing the vault
    // root sorted by name; later calls return it and ignore the argument.
    static TAVFileSystemModel *getInstance(QObject *parent = nullptr);
    ~TAVFileSystemModel() override;

    // Shows the container (the root for any container of class id 7, and for
    // null), sorted by the last sort column and order, and resets.
    void setRootItem(TAVItemContainer *container);
    // The shown container; null once it was destroyed or its vault unloaded.
    TAVItemContainer *rootItem() const;
    // Whether the name column breaks names into lines of 16 characters (the
    // icon view); takes effect at the next repaint.
    void setNameWrapped(bool wrapped) { nameWrapped = wrapped; }
    // The item of a current index of this model; null for anything else.
    TAVItem *itemFromIndex(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Stores the column and order; with a container shown, sorts it, resets
    // and emits modelSorted().
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    static QString wrapDisplayName(const QString &name);
    static QString shortenDisplayName(const QString &name);

signals:
    void modelSorted();

private:
    explicit TAVFileSystemModel(QObject *parent);
    void sortShown();

    static TAVFileSystemModel *self;
    ItemHandle shown;
    int sortColumn = 0;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    bool nameWrapped = false;
    ItemIcons icons;
};

#endif // TAVFILESYSTEMMODEL_H
