#include "localdirtreeview.h"

#include "tavdrophost.h"
#include "tavview.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMimeData>
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

void LocalDirTreeView::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    header()->setStretchLastSection(false);
    header()->setFixedHeight(header()->sizeHint().height());
}

void LocalDirTreeView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event);
    emit clicked(currentIndex());
    if (event->button() == Qt::LeftButton)
        dragStartPosition = event->pos();
}

void LocalDirTreeView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    if ((event->pos() - dragStartPosition).manhattanLength() >= QApplication::startDragDistance())
        startDrag();
}

void LocalDirTreeView::keyPressEvent(QKeyEvent *event)
{
    QTreeView::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        emit doubleClicked(currentIndex());
}

void LocalDirTreeView::startDrag()
{
    auto *files = qobject_cast<QFileSystemModel *>(model());
    if (!files)
        return;
    setCursor(Qt::WaitCursor);
    const QFileInfo info = files->fileInfo(currentIndex());
    if (info.exists() && !info.fileName().isEmpty()) {
        auto *data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(info.absoluteFilePath())});
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        TAVView::execDrag(drag);
    }
    setCursor(Qt::ArrowCursor);
}

void LocalDirTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    QAbstractItemView::dragEnterEvent(event);
    const QMimeData *data = event->mimeData();
    if (TAVView::hasOwnItems(data)) {
        event->acceptProposedAction();
        return;
    }
    if (data->hasUrls()) {
        QByteArray list = data->data(QStringLiteral("text/uri-list"));
        const int nul = list.indexOf('\0');
        if (nul >= 0)
            list.truncate(nul);
        if (list.startsWith("file:///")) {
            event->acceptProposedAction();
            return;
        }
    }
    event->ignore();
}

void LocalDirTreeView::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
    QAbstractItemView::dragLeaveEvent(event);
}

QString LocalDirTreeView::targetAt(const QPoint &pos) const
{
    auto *files = qobject_cast<QFileSystemModel *>(model());
    const QModelIndex index = indexAt(pos);
    if (!files || !index.isValid())
        return QString();
    const QFileInfo info = files->fileInfo(index);
    if (!info.exists() || !info.isDir())
        return QString();
    return QDir::cleanPath(info.absoluteFilePath());
}

void LocalDirTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeView::dragMoveEvent(event);
    const QMimeData *data = event->mimeData();
    if (!TAVView::hasDropData(data)) {
        event->ignore();
        return;
    }
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid()) {
        event->ignore();
        return;
    }
    setSelection(event->answerRect(), QItemSelectionModel::ClearAndSelect);
    viewport()->update();
    if (TAVView::acceptsOnDisk(TAVView::dropHost(mainWindow), targetAt(event->pos()), data))
        TAVView::acceptDrag(event);
    else
        event->ignore();
}

void LocalDirTreeView::dropEvent(QDropEvent *event)
{
    // What the base handler does, without handing the drop to the model: a
    // file-system model would copy or move the files itself.
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (!TAVView::hasDropData(event->mimeData())) {
        event->ignore();
        return;
    }
    const QString folder = targetAt(event->pos());
    TAVDropHost *host = TAVView::dropHost(mainWindow);
    if (folder.isEmpty() || !host) {
        event->ignore();
        return;
    }
    moveMode = TAVView::shiftHeld(event);
    TAVView::dropOnDisk(this, host, folder, event);
}
