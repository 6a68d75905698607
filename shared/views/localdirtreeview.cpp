#include "localdirtreeview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

LocalDirTreeView::LocalDirTreeView(QWidget *parent)
    : QTreeView(parent)
{
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAutoScroll(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setIndentation(0);
    QFont small = QApplication::font();
    small.setPixelSize(11);
    setFont(small);
}

void LocalDirTreeView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event);
    emit clicked(currentIndex());
    if (event->button() == Qt::LeftButton)
        dragStartPosition = event->pos();
}

void LocalDirTreeView::keyPressEvent(QKeyEvent *event)
{
    QTreeView::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        emit doubleClicked(currentIndex());
}
