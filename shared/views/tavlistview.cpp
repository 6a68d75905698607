#include "tavlistview.h"

#include "tavfilesystemmodel.h"
#include "tavsearchmodel.h"
#include "localfilesystemmodel.h"
#include "tavitemcontainer.h"
#include "tavlogging.h"
#include "tavview.h"

#include <QApplication>
#include <QDrag>
#include <QMainWindow>
#include <QDragEnterEvent>
#include <QMimeData>

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
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        if (index.column() != 0)
            continue;
        const auto *results = qobject_cast<const TAVSearchModel *>(index.model());
        if (TAVItem *item = results ? results->itemFromIndex(index)
                                    : TAVFileSystemModel::getInstance()->itemFromIndex(index))
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

QModelIndexList TAVListView::getSelectedModelIndexes() const
{
    QModelIndexList indexes;
    if (!selectionModel())
        return indexes;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        if (index.column() == 0)
            indexes.prepend(index);
    return indexes;
}

QStringList TAVListView::getSelectedItemNames() const
{
    QStringList names;
    for (TAVItem *item : getSelectedTAVItems())
        names << item->GetDisplayName();
    return names;
}

bool TAVListView::isSelectedItem(TAVItem *item) const
{
    return getSelectedTAVItems().contains(item);
}

QList<QUrl> TAVListView::prepareUrls(const QList<TAVItem *> &items, const QString &folder)
{
    LOG_DEBUG << "prepare urls listview";
    return TAVView::prepareUrls(this, items, folder);
}

bool TAVListView::prepareItem(TAVItem *item, const QString &folder)
{
    return TAVView::prepareItem(this, item, folder);
}

bool TAVListView::isLocalRole() const
{
    return model() && model()->objectName() == QLatin1String("LocalFileSystemModel");
}

void TAVListView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QListView::mouseMoveEvent(event);
        return;
    }
    if ((event->pos() - dragStartPosition).manhattanLength() >= QApplication::startDragDistance())
        startDrag();
}

void TAVListView::startDrag()
{
    if (!model() || !dragEnabled())
        return;
    LOG_DEBUG << "start drag";
    setCursor(Qt::WaitCursor);
    QMimeData *data = nullptr;
    if (isLocalRole()) {
        auto *local = qobject_cast<LocalFileSystemModel *>(model());
        QList<QUrl> urls;
        for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
            if (!index.isValid() || index.column() != 0)
                continue;
            const QFileInfo info = local->fileInfo(index);
            if (info.exists() && !info.fileName().isEmpty())
                urls << QUrl::fromLocalFile(info.absoluteFilePath());
        }
        if (!urls.isEmpty()) {
            data = new QMimeData;
            data->setUrls(urls);
        }
    } else {
        TAVItemContainer *shown = TAVFileSystemModel::getInstance()->rootItem();
        // Vaults are never dragged: the list view shows them only at the root.
        if (shown && shown->GetClassID() != TAV_CLASS_FILESYSTEM)
            data = TAVView::makeVaultDragData(this, getSelectedTAVItems());
    }
    if (!data) {
        setCursor(Qt::ArrowCursor);
        return;
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    TAVView::setDragAndDropCursor(drag, data->urls().size() > 1);
    setCursor(Qt::ArrowCursor);
    // The result is not used: a drag never removes its source.
    TAVView::execDrag(drag);
    setCursor(Qt::ArrowCursor);
}

void TAVListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    TAVView::paint(this);
}

void TAVListView::dragEnterEvent(QDragEnterEvent *event)
{
    QAbstractItemView::dragEnterEvent(event);
    TAVView::dragEnter(event);
}

void TAVListView::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
    QListView::dragLeaveEvent(event);
}

TAVItemContainer *TAVListView::vaultTargetAt(const QPoint &pos) const
{
    if (!model() || model()->objectName() != QLatin1String("TAVFileSystemModel"))
        return nullptr; // search results take no drops
    TAVFileSystemModel *contents = TAVFileSystemModel::getInstance();
    const QModelIndex index = indexAt(pos);
    TAVItem *item = index.isValid() ? contents->itemFromIndex(index) : nullptr;
    // Anything that can't take files (a file icon) means the container shown.
    if (!item || !item->canAddFile())
        item = contents->rootItem();
    if (!item || !item->canAddFile())
        return nullptr;
    return qobject_cast<TAVItemContainer *>(item);
}

QString TAVListView::localTargetAt(const QPoint &pos)
{
    return TAVView::localFolderAt(this, pos);
}

void TAVListView::dragMoveEvent(QDragMoveEvent *event)
{
    QListView::dragMoveEvent(event);
    const QMimeData *data = event->mimeData();
    if (!TAVView::hasDropData(data)) {
        event->ignore();
        return;
    }
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        setSelection(event->answerRect(), QItemSelectionModel::ClearAndSelect);
        viewport()->update();
    }
    const bool accepted = isLocalRole()
        ? TAVView::acceptsOnDisk(TAVView::dropHost(mainWindow), localTargetAt(event->pos()), data)
        : TAVView::acceptsOnVault(vaultTargetAt(event->pos()), data);
    TAVView::answerDragMove(event, accepted);
}

void TAVListView::dropEvent(QDropEvent *event)
{
    // What the base handler does, without handing the drop to the model: a
    // file-system model would copy or move the files itself.
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    const QPoint pos = event->pos();
    TAVView::drop(this, TAVView::dropHost(mainWindow), event, isLocalRole(),
                  [&] { return localTargetAt(pos); }, [&] { return vaultTargetAt(pos); }, moveMode);
}
