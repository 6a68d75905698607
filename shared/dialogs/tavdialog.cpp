#include "tavdialog.h"

#include "locknotifier.h"
#include "prompter.h"
#include "textfit.h"
#include "useractivity.h"

#include <QCoreApplication>

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

void TAVDialog::showEvent(QShowEvent *event)
{
    TextFit::grow(this);
    QDialog::showEvent(event);
}

int TAVDialog::tellUser(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, this);
    box.addButton(QCoreApplication::translate("MainWindowClass", "OK"), QMessageBox::AcceptRole);
    connect(LockNotifier::getInstance(), &LockNotifier::locked, &box, &QDialog::reject);
    return Prompter::instance()->choose(&box);
}
