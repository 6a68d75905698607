#include "tavfiledialog.h"

#include "locknotifier.h"
#include "useractivity.h"

#include <QListView>
#include <QTreeView>

TAVFileDialog::TAVFileDialog(QWidget *parent, const QString &caption, const QString &directory,
                             const QString &filter)
    : QFileDialog(parent, caption, directory, filter)
{
    // The views below exist only in the toolkit's own dialog.
    setOption(QFileDialog::DontUseNativeDialog, true);
    if (auto *list = findChild<QListView *>(QStringLiteral("listView")))
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (auto *tree = findChild<QTreeView *>())
        tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFileMode(QFileDialog::ExistingFiles);
    connect(LockNotifier::getInstance(), &LockNotifier::locked, this, &QDialog::reject);
}

TAVFileDialog::TAVFileDialog(QWidget *parent, Qt::WindowFlags flags)
    : QFileDialog(parent, flags)
{
    // Still the toolkit's own dialog: a platform panel delivers no input
    // events here, and the user's work in it would not hold off the lock.
    setOption(QFileDialog::DontUseNativeDialog, true);
    connect(LockNotifier::getInstance(), &LockNotifier::locked, this, &QDialog::reject);
}

void TAVFileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    emit filesSelected(files);
    QDialog::accept();
}

void TAVFileDialog::On_UserAction()
{
    emit userAction();
}

bool TAVFileDialog::event(QEvent *e)
{
    if (isUserActivity(e->type()))
        emit userAction();
    return QFileDialog::event(e);
}
