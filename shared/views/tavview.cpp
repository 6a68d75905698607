#include "tavview.h"

#include "fileutils.h"
#include "prompter.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavitemcontainer.h"
#include "tavdrophost.h"
#include "localfilesystemmodel.h"
#include "tavlogging.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QTextCodec>
#include <QUuid>

const char TAVView::kItemMimeType[] = "application/x-tavitem";
const char TAVView::kOriginMimeType[] = "application/x-kolvane-item-origin";

namespace {

// The drag folder a drag's data was prepared in.
const char kDragFolderProperty[] = "kvDragFolder";

std::function<Qt::DropAction(QDrag *)> &dragRunner()
{
    static std::function<Qt::DropAction(QDrag *)> runner;
    return runner;
}

QStringList &dragFolderList()
{
    static QStringList folders;
    return folders;
}

QString cleaned(const QString &path)
{
    return QDir::cleanPath(path);
}

// The path as the disk resolves it when it is there, so that a link and
// its target compare equal.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? cleaned(info.absoluteFilePath()) : canonical;
}

} // namespace

QByteArray TAVView::encodeItemPaths(const QStringList &paths)
{
    return QTextCodec::codecForName("UTF-16")->fromUnicode(paths.join(QLatin1Char('|')));
}

QStringList TAVView::decodeItemPaths(const QByteArray &bytes)
{
    return QTextCodec::codecForName("UTF-16")->toUnicode(bytes).split(QLatin1Char('|'));
}

QByteArray TAVView::processIdentity()
{
    // The process id alone could come back in a later process.
    static const QByteArray identity = QByteArray::number(QCoreApplication::applicationPid()) + ' '
        + QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return identity;
}

void TAVView::setItemPayload(QMimeData *data, const QList<TAVItem *> &items)
{
    QStringList paths;
    for (TAVItem *item : items)
        paths << item->GetFullDisplayPath();
    data->setData(QLatin1String(kItemMimeType), encodeItemPaths(paths));
    data->setData(QLatin1String(kOriginMimeType), processIdentity());
}

bool TAVView::hasOwnItems(const QMimeData *data)
{
    return data && data->hasFormat(QLatin1String(kItemMimeType))
        && data->data(QLatin1String(kOriginMimeType)) == processIdentity();
}

QStringList TAVView::itemPaths(const QMimeData *data)
{
    if (!hasOwnItems(data))
        return QStringList();
    return decodeItemPaths(data->data(QLatin1String(kItemMimeType)));
}

bool TAVView::hasDropData(const QMimeData *data)
{
    return data && (hasOwnItems(data) || data->hasUrls());
}

QStringList TAVView::localPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data)
        return paths;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    return paths;
}

void TAVView::setDragAndDropCursor(QDrag *drag, bool many)
{
    const QPixmap pixmap(many ? QStringLiteral(":/res/files_24.png") : QStringLiteral(":/res/file_24.png"));
    drag->setHotSpot(QPoint(pixmap.width() - 20, 0));
    drag->setPixmap(pixmap);
}

void TAVView::dragEnter(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (hasOwnItems(data)) {
        event->acceptProposedAction();
        return;
    }
    if (data && data->hasUrls()) {
        QByteArray list = data->data(QStringLiteral("text/uri-list"));
        const int nul = list.indexOf('\0');
        if (nul >= 0)
            list.truncate(nul);
        if (list.startsWith("file://")) {
            event->acceptProposedAction();
            return;
        }
    }
    event->ignore();
}

void TAVView::paint(QAbstractItemView *view)
{
    QAbstractItemModel *model = view->model();
    if (!model || model->objectName() != QLatin1String("TAVFileSystemModel"))
        return;
    QPainter painter(view->viewport());
    if (model->rowCount(view->rootIndex()) >= 1)
        return;
    painter.setPen(QColor(Qt::lightGray));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(20);
    font.setWeight(75);
    font.setItalic(false);
    painter.setFont(font);
    TAVItemContainer *shown = TAVFileSystemModel::getInstance()->rootItem();
    const bool vaultList = !shown || shown->GetClassID() == TAV_CLASS_FILESYSTEM;
    const QString text = vaultList ? QCoreApplication::translate("MainWindowClass", "Add a vault here")
                                   : QCoreApplication::translate("MainWindowClass",
                                                                 "Add a file or create a folder here");
    const int left = view->layoutDirection() == Qt::LeftToRight ? -100 : 0;
    painter.drawText(QRect(left, 0, view->width(), view->height()), Qt::AlignCenter, text);
}

bool TAVView::isSameOrInside(const QString &path, const QString &folder)
{
    const QString p = cleaned(path);
    const QString f = cleaned(folder);
    if (p == f)
        return true;
    return p.startsWith(f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/'));
}

TAVView::Refusal TAVView::vaultDropRefusal(TAVItemContainer *target, const QStringList &paths,
                                           const QString &shownPath, QString *badPath)
{
    const QString t = target->GetFullPath();
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (const QString &p : paths) {
        if (badPath)
            *badPath = p;
        TAVItem *item = root->findItemByPath(p);
        if (!item)
            continue;
        // Compared as the tree names them, so the case of a typed path
        // does not matter.
        const QString itemPath = item->GetFullPath();
        if (t == itemPath)
            return ItSelf;
        if (isSameOrInside(t, itemPath))
            return InsideSource;
        if (item->GetParent() && item->GetParent()->GetFullPath() == t)
            return OwnParent;
    }
    if (badPath)
        badPath->clear();
    if (t == shownPath)
        return ShownContainer;
    return Accepted;
}

bool TAVView::localDropRefused(const QString &folder, const QStringList &paths)
{
    const QString target = resolved(folder);
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            continue;
        // A link is dragged as itself: its own folder counts, not its target's.
        const QString source = info.isSymLink() ? cleaned(info.absoluteFilePath()) : resolved(path);
        if (isSameOrInside(target, source))
            return true;
        if (resolved(info.absolutePath()) == target)
            return true;
    }
    return false;
}

QString TAVView::makeDragFolder()
{
    const QString folder = FileUtils::makeUniqueTempPath();
    dragFolderList() << folder;
    return folder;
}

void TAVView::wipeDragFolders()
{
    const QStringList folders = dragFolderList();
    for (const QString &folder : folders)
        wipeDragFolder(folder);
}

void TAVView::wipeDragFolder(const QString &folder)
{
    dragFolderList().removeAll(folder);
    if (QFileInfo(folder).isDir() && !FileUtils::removeDir(folder, true))
        LOG_ERROR << "the drag folder" << folder << "could not be removed";
}

QStringList TAVView::dragFolders()
{
    return dragFolderList();
}

QList<QUrl> TAVView::prepareUrls(QWidget *parent, const QList<TAVItem *> &items, const QString &folder)
{
    QList<QUrl> urls;
    for (TAVItem *item : items) {
        const QString target = folder + QLatin1Char('/') + item->GetDisplayName();
        if (prepareItem(parent, item, folder))
            urls << QUrl::fromLocalFile(target);
    }
    return urls;
}

bool TAVView::prepareItem(QWidget *parent, TAVItem *item, const QString &folder)
{
    const QString name = item->GetDisplayName();
    const QString path = folder + QLatin1Char('/') + name;
    try {
        // A name that would leave the folder is never written.
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
            || name.contains(QLatin1Char('/')))
            throw TAVException(TAV_INVALID_FILENAME);
        if (item->GetClassID() == TAV_CLASS_FILE) {
            static_cast<TAVFile *>(item)->decrypt(path);
            FileUtils::setModificationTime(path, item->GetModifiedDate());
        } else {
            QDir().mkdir(path);
            auto *container = static_cast<TAVItemContainer *>(item);
            for (int i = 0; i < container->getItemCount(); ++i)
                prepareItem(parent, container->getItemAt(i), path);
        }
        return true;
    } catch (const TAVException &e) {
        Prompter::instance()->ask(QMessageBox::Warning, parent ? parent->window()->windowTitle() : QString(),
                                  QString::fromUtf8(e.what()), QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
}

QMimeData *TAVView::makeVaultDragData(QWidget *parent, const QList<TAVItem *> &items)
{
    if (items.isEmpty())
        return nullptr;
    for (TAVItem *item : items)
        if (item->GetClassID() == TAV_CLASS_VAULT || item->GetClassID() == TAV_CLASS_FILESYSTEM)
            return nullptr;
    auto *data = new QMimeData;
    setItemPayload(data, items);
    const QString folder = makeDragFolder();
    data->setProperty(kDragFolderProperty, folder);
    data->setUrls(prepareUrls(parent, items, folder));
    return data;
}

void TAVView::setDragRunner(std::function<Qt::DropAction(QDrag *)> runner)
{
    dragRunner() = std::move(runner);
}

Qt::DropAction TAVView::execDrag(QDrag *drag)
{
    const QString folder = drag->mimeData()->property(kDragFolderProperty).toString();
    const Qt::DropAction result =
        dragRunner() ? dragRunner()(drag) : drag->exec(Qt::CopyAction | Qt::MoveAction);
    // target() is a widget of this program, or null for another application.
    if (!folder.isEmpty() && (result == Qt::IgnoreAction || drag->target()))
        wipeDragFolder(folder);
    return result;
}

bool TAVView::shiftHeld(const QDropEvent *event)
{
    return event->keyboardModifiers() & Qt::ShiftModifier;
}

TAVDropHost *TAVView::dropHost(QObject *window)
{
    return dynamic_cast<TAVDropHost *>(window);
}

QString TAVView::shownPath()
{
    TAVItemContainer *shown = TAVFileSystemModel::getInstance()->rootItem();
    return shown ? shown->GetFullPath() : QString();
}

bool TAVView::acceptsOnVault(TAVItemContainer *target, const QMimeData *data)
{
    if (!target || !target->canAddFile())
        return false;
    if (hasOwnItems(data))
        return vaultDropRefusal(target, itemPaths(data), shownPath()) == Accepted;
    return !localPaths(data).isEmpty();
}

bool TAVView::acceptsOnDisk(TAVDropHost *host, const QString &folder, const QMimeData *data)
{
    if (!host || folder.isEmpty() || !host->canDropInto(QFileInfo(folder)))
        return false;
    if (hasOwnItems(data))
        return true;
    const QStringList paths = localPaths(data);
    return !paths.isEmpty() && !localDropRefused(folder, paths);
}

void TAVView::acceptDrag(QDropEvent *event)
{
    event->setDropAction(shiftHeld(event) ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
}

void TAVView::dropOnVault(QWidget *view, TAVDropHost *host, TAVItemContainer *target, QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    const bool move = shiftHeld(event);
    const QList<QUrl> urls = data->urls();
    if (hasOwnItems(data)) {
        host->dropItemsOnVault(view, target, itemPaths(data), move, urls);
    } else {
        const QStringList paths = localPaths(data);
        if (paths.isEmpty()) {
            event->ignore();
            return;
        }
        host->dropFilesOnVault(view, target, paths, move, urls);
    }
    event->acceptProposedAction();
    event->setDropAction(Qt::CopyAction);
    event->ignore();
}

void TAVView::dropOnDisk(QWidget *view, TAVDropHost *host, const QString &folder, QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    const bool move = shiftHeld(event);
    if (!host || folder.isEmpty() || !host->canDropInto(QFileInfo(folder))) {
        event->ignore();
        return;
    }
    if (hasOwnItems(data)) {
        host->dropItemsOnDisk(view, itemPaths(data), folder, move);
    } else if (!host->dropFilesOnDisk(view, localPaths(data), folder, move)) {
        event->ignore();
        return;
    }
    // Whatever the mode, the copies were made here: the source keeps its files.
    event->acceptProposedAction();
    event->setDropAction(Qt::CopyAction);
}

QString TAVView::localFolderAt(QAbstractItemView *view, const QPoint &pos)
{
    auto *local = qobject_cast<LocalFileSystemModel *>(view->model());
    if (!local)
        return QString();
    const QModelIndex index = view->indexAt(pos);
    QString folder;
    if (!index.isValid()) {
        folder = local->rootPath();
    } else {
        const QFileInfo info = local->fileInfo(index);
        folder = info.exists() && info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QString();
    return QDir::cleanPath(folder);
}

void TAVView::drop(QWidget *view, TAVDropHost *host, QDropEvent *event, bool local,
                   const std::function<QString()> &localTarget,
                   const std::function<TAVItemContainer *()> &vaultTarget, bool &moveMode)
{
    if (!hasDropData(event->mimeData())) {
        event->ignore();
        return;
    }
    moveMode = shiftHeld(event);
    if (!host) {
        event->ignore();
        return;
    }
    // A local view drops into local folders only: a vault container is never
    // the target of a drop onto the local side.
    if (local) {
        dropOnDisk(view, host, localTarget(), event);
        return;
    }
    TAVItemContainer *target = vaultTarget();
    if (!target) {
        event->ignore();
        return;
    }
    dropOnVault(view, host, target, event);
}

void TAVView::answerDragMove(QDropEvent *event, bool accepted)
{
    if (accepted)
        acceptDrag(event);
    else
        event->ignore();
}
