#ifndef TAVSEARCHMODEL_H
#define TAVSEARCHMODEL_H

#include "itemhandle.h"
#include "itemicons.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVector>

class TAVItem;

// The result of a name search across all vaults, one flat row per item in the
// order given, with the columns of the vault table model and a seventh empty
// column. Header clicks leave the order as it is.
//
// Rows hold handles, not plain pointers: a row whose item was destroyed, or
// whose vault was destroyed or unloaded, gives invalid values and a null
// item until the next setItemList. Whoever deletes or unloads items should
// still replace the results, so that such rows are not shown at all.
class TAVSearchModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Made on the first call with `parent` as its Qt parent, with no results;
    // later calls return it and ignore the argument.
    static TAVSearchModel *getInstance(QObject *parent = nullptr);
    ~TAVSearchModel() override;

    // Replaces the results (items still in the tree) and resets.
    void setItemList(const QList<TAVItem *> &items);
    // The item of a current index of this model; null for anything else.
    TAVItem *itemFromIndex(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString shortenDisplayName(const QString &name);

private:
    explicit TAVSearchModel(QObject *parent);

    static TAVSearchModel *self;
    QVector<ItemHandle> results;
    ItemIcons icons;
};

#endif // TAVSEARCHMODEL_H
