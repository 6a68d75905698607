#include "filedialoganswer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QListView>
#include <QMetaObject>

#include <algorithm>

namespace FileDialogAnswer {

ModalAnswerer::Action select(const QString &folder, const QStringList &names,
                             std::function<void()> beforeAccept)
{
    return [folder, names, beforeAccept](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog)
            return;
        dialog->setDirectory(folder);
        auto *list = dialog->findChild<QListView *>(QStringLiteral("listView"));
        if (!list) {
            dialog->reject();
            return;
        }
        // The file system model lists the folder in the background.
        QList<QModelIndex> found;
        QElapsedTimer waited;
        waited.start();
        while (found.size() != names.size() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            found.clear();
            const QModelIndex root = list->rootIndex();
            for (int row = 0; row < list->model()->rowCount(root); ++row) {
                const QModelIndex index = list->model()->index(row, 0, root);
                if (names.contains(index.data().toString()))
                    found.append(index);
            }
        }
        if (found.size() != names.size()) {
            dialog->reject();
            return;
        }
        // Rows come in the order the folder is read until the model has
        // sorted them: select in the order the test names them, so the
        // dialog hands the files over in that order.
        std::sort(found.begin(), found.end(), [&names](const QModelIndex &a, const QModelIndex &b) {
            return names.indexOf(a.data().toString()) < names.indexOf(b.data().toString());
        });
        list->selectionModel()->clearSelection();
        for (const QModelIndex &index : found)
            list->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (beforeAccept)
            beforeAccept();
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

} // namespace FileDialogAnswer
