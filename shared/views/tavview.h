#ifndef TAVVIEW_H
#define TAVVIEW_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QAbstractItemView;
class QDrag;
class QDragEnterEvent;
class QDropEvent;
class QObject;
class QPoint;
class TAVDropHost;
class QMimeData;
class QWidget;
class TAVItem;
class TAVItemContainer;

// What the views that take part in drag and drop share: the item payload they
// exchange, the drag cursor, the drag-enter filter, the hint of an empty
// contents view, the plain copies a drag out of a vault hands over and the
// rules that say which drops are refused. No instances, no state but the
// list of drag folders still to wipe.
class TAVView
{
public:
    // Full display paths of the dragged items joined by "|", UTF-16 with a
    // byte-order mark, host byte order.
    static const char kItemMimeType[];
    // Beside it, the identity of the process that made it: the paths name
    // items of this process's tree, so another running copy's are ignored.
    static const char kOriginMimeType[];

    static QByteArray encodeItemPaths(const QStringList &paths);
    static QStringList decodeItemPaths(const QByteArray &bytes);
    // This process's identity as kOriginMimeType carries it.
    static QByteArray processIdentity();
    // Sets both item formats for these items, in order.
    static void setItemPayload(QMimeData *data, const QList<TAVItem *> &items);
    // The item paths of a payload made by this process; empty for none or for
    // another process's payload (the drop then falls back to the URLs).
    static QStringList itemPaths(const QMimeData *data);
    static bool hasOwnItems(const QMimeData *data);
    // Something a drop can use: this process's item payload or URLs.
    static bool hasDropData(const QMimeData *data);
    // The local paths of the drag's file URLs, in order; other URLs left out.
    static QStringList localPaths(const QMimeData *data);

    static void setDragAndDropCursor(QDrag *drag, bool many);
    // Accepts the proposed action for own items or a URL list beginning with
    // "file://"; ignores the event otherwise.
    static void dragEnter(QDragEnterEvent *event);
    // The hint painted into an empty vault contents view.
    static void paint(QAbstractItemView *view);

    // True when `path` is `folder` itself or lies below it, by whole path
    // components: "Docs" is not inside "Doc".
    static bool isSameOrInside(const QString &path, const QString &folder);

    // Why a drop of vault items onto a vault container is refused.
    enum Refusal {
        Accepted = 0,
        ItSelf,        // the target is a dragged item
        InsideSource,  // the target lies inside a dragged item
        OwnParent,     // a dragged item is already in the target
        ShownContainer // the target is the container the contents views show
    };
    // The same rule for drag-over and drop, over every dragged path; `badPath`
    // gets the path that decided. Paths naming no item are passed over.
    static Refusal vaultDropRefusal(TAVItemContainer *target, const QStringList &paths,
                                    const QString &shownPath, QString *badPath = nullptr);
    // The same for local paths dropped into a local folder: refused when the
    // folder is one of them, lies inside one, or already holds one of them
    // (a copy onto itself, whose move would then delete it).
    static bool localDropRefused(const QString &folder, const QStringList &paths);

    // A drag out of a vault: a new folder inside the private temporary
    // folder, kept until wipeDragFolders() (file managers may still be
    // copying from it after the drag returns).
    static QString makeDragFolder();
    // Wipes and removes every drag folder made so far; the lock and the end
    // of the program call it.
    static void wipeDragFolders();
    // Wipes and removes one of them (a drag that has ended).
    static void wipeDragFolder(const QString &folder);
    static QStringList dragFolders();
    // Writes the items as plain files and folders into `folder`; one URL per
    // item written whole. A failure is shown (parent `parent`) and adds no URL.
    static QList<QUrl> prepareUrls(QWidget *parent, const QList<TAVItem *> &items, const QString &folder);
    static bool prepareItem(QWidget *parent, TAVItem *item, const QString &folder);
    // The MIME data of a drag of vault items: the payload and the URLs of
    // their plain copies in a new drag folder. Null when nothing may be
    // dragged (no item, or a vault among them).
    static QMimeData *makeVaultDragData(QWidget *parent, const QList<TAVItem *> &items);
    // Runs a drag and, when it ended inside the program or was refused,
    // wipes the plain copies it made at once: only another application that
    // took the drop may still be reading them.
    static Qt::DropAction execDrag(QDrag *drag);
    // What runs a drag once it is made; tests answer in place of the
    // platform's drag loop. Null restores QDrag::exec.
    static void setDragRunner(std::function<Qt::DropAction(QDrag *)> runner);

    // The drop rules the three views share. The vault container a drag of
    // `data` may be dropped into (the views find it by role); whether the
    // drag is accepted there; the same for a local folder with the host's
    // say on the folder.
    static bool acceptsOnVault(TAVItemContainer *target, const QMimeData *data);
    static bool acceptsOnDisk(TAVDropHost *host, const QString &folder, const QMimeData *data);
    // Sets copy or move (Shift) and accepts.
    static void acceptDrag(QDropEvent *event);
    // Carry out a drop: vault items or files into a vault container, or into
    // a local folder. The source is told that nothing was moved, so that it
    // never removes its originals itself.
    static void dropOnVault(QWidget *view, TAVDropHost *host, TAVItemContainer *target, QDropEvent *event);
    static void dropOnDisk(QWidget *view, TAVDropHost *host, const QString &folder, QDropEvent *event);
    // A vault or local view's drop, after the view left its drag state: into
    // the local folder or the vault container under the pointer, as the view's
    // role says. moveMode follows Shift.
    static void drop(QWidget *view, TAVDropHost *host, QDropEvent *event, bool local,
                     const std::function<QString()> &localTarget,
                     const std::function<TAVItemContainer *()> &vaultTarget, bool &moveMode);
    // Accepts a drag-move where the drop would act, else refuses it, so the
    // cursor tells what the drop will do.
    static void answerDragMove(QDropEvent *event, bool accepted);
    // The local folder under a position of a view over the local listing
    // model: a file row means its folder, no row the listed folder. Empty
    // when there is none.
    static QString localFolderAt(QAbstractItemView *view, const QPoint &pos);
    // The shown container's path, empty when none.
    static QString shownPath();
    static TAVDropHost *dropHost(QObject *window);
    static bool shiftHeld(const QDropEvent *event);

private:
    TAVView() = delete;
};

#endif // TAVVIEW_H
