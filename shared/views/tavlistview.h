#ifndef TAVLISTVIEW_H
#define TAVLISTVIEW_H

#include <QList>
#include <QListView>
#include <QPoint>

class QMainWindow;
class TAVItem;

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

    bool moveMode = false;
    // The window that owns the view, set by it after building its form.
    QMainWindow *mainWindow = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPoint dragStartPosition;
};

#endif // TAVLISTVIEW_H
