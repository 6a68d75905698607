#include "tavtreeview.h"

#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavsearchmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

TAVTreeView::TAVTreeView(QWidget *parent)
    : QTreeView(parent)
{
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setAlternatingRowColors(true);
    setSortingEnabled(true);
    setRootIsDecorated(false);
    sortByColumn(0, Qt::AscendingOrder);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAutoScroll(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAutoFillBackground(true);
    setUniformRowHeights(true);
    setIndentation(0);
    QFont small = QApplication::font();
    small.setPixelSize(11);
    setFont(small);
}

void TAVTreeView::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    resizeColumnToContents(0);
    QPalette pal = palette();
    const bool search = model && model->objectName() == QLatin1String("TAVSearchModel");
    pal.setBrush(QPalette::All, QPalette::Window,
                 QBrush(search ? QColor(245, 244, 237) : QColor(Qt::white)));
    setPalette(pal);
    header()->setStretchLastSection(true);
    header()->setFixedHeight(header()->sizeHint().height());
}

QList<TAVItem *> TAVTreeView::getSelectedTAVItems() const
{
    QList<TAVItem *> items;
    if (!model() || model()->objectName() == QLatin1String("LocalFileSystemModel")
        || !selectionModel())
        return items;
    const bool folderTree = objectName() == QLatin1String("dirView");
    const bool searchResults = model()->objectName() == QLatin1String("TAVSearchModel");
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        if (index.column() != 0)
            continue;
        // The contents views show either a container or the search results.
        TAVItem *item = folderTree
            ? TAVFileSystemTreeModel::getInstance()->itemFromIndex(index)
            : searchResults ? TAVSearchModel::getInstance()->itemFromIndex(index)
                            : TAVFileSystemModel::getInstance()->itemFromIndex(index);
        if (item)
            items.append(item);
    }
    return items;
}

QModelIndexList TAVTreeView::getSelectedModelIndexes() const
{
    QModelIndexList indexes;
    if (!selectionModel())
        return indexes;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected)
        if (index.column() == 0)
            indexes.prepend(index);
    return indexes;
}

void TAVTreeView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex hit = indexAt(event->pos());
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        dragStartPosition = event->pos();
        if (!hit.isValid()) {
            clearSelection();
            if (selectionModel())
                selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Select);
            return;
        }
    }
    emit clicked(currentIndex());
}

void TAVTreeView::keyPressEvent(QKeyEvent *event)
{
    QTreeView::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        emit doubleClicked(currentIndex());
}
