// The crypto worker's feedback: progress, error boxes and cancellation.
#include "mainwindow.h"

#include "tavcryptothread.h"
#include "tavlogging.h"
#include "tavprogressdialog.h"

#include <QCoreApplication>
#include <QEvent>

void MainWindow::crypto_progress(int percent)
{
    if (progressDialog && progressDialog->isVisible())
        progressDialog->setItemValue(percent);
}

void MainWindow::crypto_Message(const QString &text)
{
    showMessage(QMessageBox::Warning, windowTitle(), text,
                {QCoreApplication::translate("MainWindowClass", "OK")});
    cryptoError = true;
}

void MainWindow::crypto_AccessDeny_Message(const QString &text)
{
    showMessage(QMessageBox::Warning, windowTitle(), text,
                {QCoreApplication::translate("MainWindowClass", "OK")});
    accessDenied = true;
}

void MainWindow::progress_canceled()
{
    if (!cryptoThread)
        return;
    cryptoThread->stop = true;
    cryptoThread->wait(1000);
}

int MainWindow::finishCryptoJob()
{
    if (!cryptoThread)
        return 2;
    cryptoThread->wait();
    // The worker's last signals may still be queued when its run has ended;
    // delivered now, they belong to this file and not to the next one.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    const int state = cryptoThread->state;
    // A failure stays a failure even if no signal told of it.
    if (state == 2)
        cryptoError = true;
    if (state == 1)
        return 1;
    return state == 2 || cryptoError || accessDenied ? 2 : 0;
}
