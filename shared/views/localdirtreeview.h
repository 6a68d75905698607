#ifndef LOCALDIRTREEVIEW_H
#define LOCALDIRTREEVIEW_H

#include <QPoint>
#include <QString>
#include <QTreeView>

class QMainWindow;

// The folder tree of the local disk ("fsDirView"). Every press emits
// clicked() with the current index, so the contents beside it follow the
// folder; Return opens it as a double click does. It takes drops of vault
// items and local files into the folder under the pointer and drags the
// current folder out.
class LocalDirTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit LocalDirTreeView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    // The folder under a position that may take a drop; empty for none.
    QString targetAt(const QPoint &pos) const;
    // Drags the current folder as one file URL.
    virtual void startDrag();

    bool moveMode = false;
    // The window that owns the view, set by it after building its form.
    QMainWindow *mainWindow = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void startDrag(Qt::DropActions) override { startDrag(); }
    QPoint dragStartPosition;
};

#endif // LOCALDIRTREEVIEW_H
