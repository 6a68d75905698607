#include "tavlistview.h"

#include "tavfilesystemmodel.h"
#include "tavsearchmodel.h"

#include <QKeyEvent>
#include <QMouseEvent>

TAVListView::TAVListView(QWidget *parent)
    : QListView(parent)
{
    setWrapping(true);
    setDragEnabled(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setViewMode(QListView::IconMode);
}

void TAVListView::setModel(QAbstractItemModel *model)
{
    QListView::setModel(model);
    const QString name = model ? model->objectName() : QString();
    const bool plain = name == QLatin1String("TAVFileSystemModel")
        || name == QLatin1String("TAVFileSystemTreeModel")
        || name == QLatin1String("LocalFileSystemModel");
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Base,
                 QBrush(plain ? QColor(Qt::white) : QColor(245, 244, 237)));
    setPalette(pal);
}

QList<TAVItem *> TAVListView::getSelectedTAVItems() const
{
    QList<TAVItem *> items;
    if (!selectionModel())
        return items;
    // The contents views show either a container or the search results.
    const bool searchResults = model() && model()->objectName() == QLatin1String("TAVSearchModel");
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        if (index.column() != 0)
            continue;
        TAVItem *item = searchResults ? TAVSearchModel::getInstance()->itemFromIndex(index)
                                      : TAVFileSystemModel::getInstance()->itemFromIndex(index);
        if (item)
            items.append(item);
    }
    return items;
}

void TAVListView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex hit = indexAt(event->pos());
    QAbstractItemView::mousePressEvent(event);
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

void TAVListView::keyPressEvent(QKeyEvent *event)
{
    QAbstractItemView::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        emit doubleClicked(currentIndex());
}
