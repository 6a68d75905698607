#ifndef TAVLISTVIEW_H
#define TAVLISTVIEW_H

#include <QList>
#include <QListView>
#include <QModelIndexList>
#include <QStringList>
#include <QUrl>
#include <QPoint>

class QMainWindow;
class TAVItem;
class TAVItemContainer;

// The icon view of the main window ("listView" over the vault contents,
// "fsListView" on the local side). A press emits clicked() at once and
// Return opens the current item as a double click does.
class TAVListView : public QListView
{
    Q_OBJECT
public:
    explicit TAVListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    // The vault items of the selected indexes (column 0), in selection order.
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
    // Starts a drag of the selection, as the tree view does.
    virtual void startDrag();

    bool moveMode = false;
    // The window that owns the view, set by it after building its form.
    QMainWindow *mainWindow = nullptr;

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

#endif // TAVLISTVIEW_H
