#include "tavdialog.h"

#include "locknotifier.h"
#include "useractivity.h"

TAVDialog::TAVDialog(QWidget *parent)
    : QDialog(parent)
{
    connect(LockNotifier::getInstance(), &LockNotifier::locked, this, &QDialog::reject);
}

void TAVDialog::On_UserAction()
{
    emit userAction();
}

bool TAVDialog::event(QEvent *e)
{
    // Reported before the dialog acts, so the timer restarts first.
    if (isUserActivity(e->type()))
        emit userAction();
    return QDialog::event(e);
}
