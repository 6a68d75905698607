#ifndef TAVTREEVIEW_H
#define TAVTREEVIEW_H

#include <QList>
#include <QModelIndexList>
#include <QPoint>
#include <QTreeView>

class QMainWindow;
class TAVItem;

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

    bool moveMode = false;
    // The window that owns the view, set by it after building its form.
    QMainWindow *mainWindow = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPoint dragStartPosition;
};

#endif // TAVTREEVIEW_H
