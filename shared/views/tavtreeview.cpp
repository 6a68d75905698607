#include "tavtreeview.h"

#include "tavfilesystemmodel.h"
#include "tavsearchmodel.h"
#include "tavfilesystemtreemodel.h"
#include "localfilesystemmodel.h"
#include "tavitemcontainer.h"
#include "tavlogging.h"
#include "tavview.h"

#include <QApplication>
#include <QDrag>
#include <QMainWindow>
#include <QDragEnterEvent>
#include <QMimeData>
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
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        if (index.column() != 0)
            continue;
        const auto *results = qobject_cast<const TAVSearchModel *>(index.model());
        TAVItem *item = folderTree ? TAVFileSystemTreeModel::getInstance()->itemFromIndex(index)
            : results              ? results->itemFromIndex(index)
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

QStringList TAVTreeView::getSelectedItemNames() const
{
    QStringList names;
    for (TAVItem *item : getSelectedTAVItems())
        names << item->GetDisplayName();
    return names;
}

bool TAVTreeView::isSelectedItem(TAVItem *item) const
{
    return getSelectedTAVItems().contains(item);
}

QList<QUrl> TAVTreeView::prepareUrls(const QList<TAVItem *> &items, const QString &folder)
{
    return TAVView::prepareUrls(this, items, folder);
}

bool TAVTreeView::prepareItem(TAVItem *item, const QString &folder)
{
    return TAVView::prepareItem(this, item, folder);
}

bool TAVTreeView::isLocalRole() const
{
    return model() && model()->objectName() == QLatin1String("LocalFileSystemModel");
}

void TAVTreeView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    if ((event->pos() - dragStartPosition).manhattanLength() >= QApplication::startDragDistance())
        startDrag();
}

void TAVTreeView::startDrag()
{
    if (!model() || !dragEnabled())
        return;
    setCursor(Qt::WaitCursor);
    LOG_DEBUG << "startDrag";
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
        const QList<TAVItem *> items = getSelectedTAVItems();
        TAVItemContainer *shown = TAVFileSystemModel::getInstance()->rootItem();
        // Vaults are never dragged, nor anything while the vault list shows.
        const bool vaultList = objectName() != QLatin1String("dirView")
            && (!shown || shown->GetClassID() == TAV_CLASS_FILESYSTEM);
        if (!vaultList)
            data = TAVView::makeVaultDragData(this, items);
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
}

void TAVTreeView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    TAVView::paint(this);
}

void TAVTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    QAbstractItemView::dragEnterEvent(event);
    TAVView::dragEnter(event);
}

void TAVTreeView::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
    QAbstractItemView::dragLeaveEvent(event);
}

TAVItemContainer *TAVTreeView::vaultTargetAt(const QPoint &pos) const
{
    if (!model())
        return nullptr;
    const bool folderTree = objectName() == QLatin1String("dirView");
    const QString modelName = model()->objectName();
    if (modelName != QLatin1String(folderTree ? "TAVFileSystemTreeModel" : "TAVFileSystemModel"))
        return nullptr; // search results take no drops
    TAVFileSystemModel *contents = TAVFileSystemModel::getInstance();
    const QModelIndex index = indexAt(pos);
    TAVItem *item = nullptr;
    if (!index.isValid()) {
        if (folderTree)
            return nullptr;
        item = contents->rootItem();
    } else {
        item = folderTree ? TAVFileSystemTreeModel::getInstance()->itemFromIndex(index)
                          : contents->itemFromIndex(index);
        if (!item || item->GetClassID() == TAV_CLASS_FILE)
            item = contents->rootItem();
    }
    if (!item || !item->canAddFile())
        return nullptr;
    return qobject_cast<TAVItemContainer *>(item);
}

QString TAVTreeView::localTargetAt(const QPoint &pos)
{
    return TAVView::localFolderAt(this, pos);
}

void TAVTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeView::dragMoveEvent(event);
    const QMimeData *data = event->mimeData();
    if (!TAVView::hasDropData(data)) {
        event->ignore();
        return;
    }
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid()) {
        // The row under the pointer is highlighted.
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        setSelection(event->answerRect(), QItemSelectionModel::ClearAndSelect
                         | QItemSelectionModel::Rows);
        viewport()->update();
    }
    const bool accepted = isLocalRole()
        ? TAVView::acceptsOnDisk(TAVView::dropHost(mainWindow), localTargetAt(event->pos()), data)
        : TAVView::acceptsOnVault(vaultTargetAt(event->pos()), data);
    TAVView::answerDragMove(event, accepted);
}

void TAVTreeView::dropEvent(QDropEvent *event)
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
