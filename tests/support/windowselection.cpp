#include "windowselection.h"

#include "localfilesystemmodel.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "tavfilesystemmodel.h"
#include "tavlistview.h"
#include "tavtreeview.h"

#include <QDialog>
#include <QStackedWidget>
#include <QTest>
#include <QTreeView>

namespace WindowSelection {

void selectVaultItems(MainWindow *window, TAVItemContainer *shown, const QList<TAVItem *> &items)
{
    window->updateView(shown);
    QAbstractItemView *view = window->ui->tavViewStackedWidget->currentIndex() == 0
        ? static_cast<QAbstractItemView *>(window->ui->treeView)
        : static_cast<QAbstractItemView *>(window->ui->listView);
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    view->clearSelection();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (items.contains(model->itemFromIndex(index)))
            view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select
                                                               | QItemSelectionModel::Rows);
    }
}

QStringList selectLocalEntries(MainWindow *window, const QStringList &names)
{
    QTreeView *view = window->ui->fsTreeView;
    auto *model = qobject_cast<LocalFileSystemModel *>(view->model());
    QStringList found;
    view->clearSelection();
    for (int row = 0; model && row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QString name = model->fileInfo(index).fileName();
        if (!names.contains(name))
            continue;
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        found << name;
    }
    return found;
}

ModalAnswerer::Action chooseTargetFolder(const QString &path)
{
    return [path](QWidget *dialog) {
        auto *tree = dialog->findChild<QTreeView *>(QStringLiteral("dirBrowserView"));
        QModelIndex parent;
        bool all = tree != nullptr;
        for (const QString &name : path.split(QLatin1Char('/'))) {
            if (!all)
                break;
            QModelIndex found;
            QAbstractItemModel *model = tree->model();
            for (int row = 0; row < model->rowCount(parent) && !found.isValid(); ++row) {
                const QModelIndex child = model->index(row, 0, parent);
                if (child.data().toString() == name)
                    found = child;
            }
            all = found.isValid();
            if (all) {
                tree->expand(found);
                parent = found;
            }
        }
        if (!all) {
            if (auto *box = qobject_cast<QDialog *>(dialog))
                box->reject();
            return;
        }
        tree->scrollTo(parent);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(parent).center());
        ModalAnswerer::clickButton(dialog, QStringLiteral("OK"));
    };
}

} // namespace WindowSelection
