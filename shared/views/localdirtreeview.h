#ifndef LOCALDIRTREEVIEW_H
#define LOCALDIRTREEVIEW_H

#include <QPoint>
#include <QTreeView>

// The folder tree of the local disk ("fsDirView"). Every press emits
// clicked() with the current index, so the contents beside it follow the
// folder; Return opens it as a double click does.
class LocalDirTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit LocalDirTreeView(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPoint dragStartPosition;
};

#endif // LOCALDIRTREEVIEW_H
