#include "tavmessagebox.h"

#include "locknotifier.h"
#include "useractivity.h"

TAVMessageBox::TAVMessageBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                             QMessageBox::StandardButtons buttons, QWidget *parent, Qt::WindowFlags flags)
    : QMessageBox(icon, title, text, buttons, parent, flags)
{
    connect(LockNotifier::getInstance(), &LockNotifier::locked, this, &QDialog::reject);
}

TAVMessageBox::TAVMessageBox(QWidget *parent)
    : QMessageBox(parent)
{
    connect(LockNotifier::getInstance(), &LockNotifier::locked, this, &QDialog::reject);
}

void TAVMessageBox::On_UserAction()
{
    emit userAction();
}

bool TAVMessageBox::event(QEvent *e)
{
    if (isUserActivity(e->type()))
        emit userAction();
    return QMessageBox::event(e);
}
