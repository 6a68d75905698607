#include "tavinputdialog.h"

#include "locknotifier.h"
#include "useractivity.h"

TAVInputDialog::TAVInputDialog(QWidget *parent, const QString &title, const QString &label,
                               QInputDialog::InputMode mode)
    : QInputDialog(parent)
{
    setWindowTitle(title);
    setLabelText(label);
    setInputMode(mode);
    connect(LockNotifier::getInstance(), &LockNotifier::locked, this, &QDialog::reject);
}

void TAVInputDialog::On_UserAction()
{
    emit userAction();
}

bool TAVInputDialog::event(QEvent *e)
{
    if (isUserActivity(e->type()))
        emit userAction();
    return QInputDialog::event(e);
}
