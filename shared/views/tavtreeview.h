#ifndef TAVTREEVIEW_H
#define TAVTREEVIEW_H

#include <QList>
#include <QModelIndexList>
#include <QPoint>
#include <QStringList>
#include <QTreeView>
#include <QUrl>

class QMainWindow;
class TAVItem;
class TAVItemContainer;

// The tree-shaped view of the main window: the vault folder tree ("dirView"),
// the detailed contents of a vault container ("treeView") and of a local
// folder ("fsTreeView"), told apart by object names. A press emits clicked()
// at once and Return opens the current item as a double click does.
class TAVTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit TAVTreeView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // The vault items of the selected rows (column 0), in selection order;
    // empty over the local model.
    QList<TAVItem *> getSelectedTAVItems() const;
    // The selected indexes of column 0, last selected first.
    QModelIndexList getSelectedModelIndexes() const;
    QStringList getSelectedItemNames() const;
    bool isSelectedItem(TAVItem *item) const;
    // The plain copies of a drag out of a vault (TAVView).
    QList<QUrl> prepareUrls(const QList<TAVItem *> &items, const QString &folder);
    bool prepareItem(TAVItem *item, const QString &folder);
    // The drop target under a position: the vault container (null for none)
    // or, over the local listing, the local folder (empty for none).
    TAVItemContainer *vaultTargetAt(const QPoint &pos) const;
    QString localTargetAt(const QPoint &pos);

    bool moveMode = false;
    // The window that owns the view, set by it after building its form.
    QMainWindow *mainWindow = nullptr;

    // Starts a drag of the selection: local entries as file URLs, vault
    // items as their payload with plain copies for other applications.
    virtual void startDrag();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool isLocalRole() const;
    void startDrag(Qt::DropActions) override { startDrag(); }
    QPoint dragStartPosition;
};

#endif // TAVTREEVIEW_H
