// The one message box of the window and the small actions of the Help and
// File menus.
#include "mainwindow.h"

#include "aboutdialog.h"
#include "productinfo.h"
#include "prompter.h"
#include "tavmessagebox.h"
#include "tavprogressdialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPushButton>

int MainWindow::showMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                            QStringList buttons, int focused)
{
    TAVMessageBox box(icon, title, text, QMessageBox::NoButton, nullptr,
                      Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    for (const QString &caption : buttons)
        box.addButton(caption, QMessageBox::ActionRole);
    if (focused >= 0 && focused < box.buttons().size())
        box.setDefaultButton(qobject_cast<QPushButton *>(box.buttons().at(focused)));
    connect(&box, &TAVMessageBox::userAction, this, &MainWindow::startTimeOut);
    connect(this, &MainWindow::appLocked, &box, &QDialog::reject);
    startTimeOut();
    box.setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    // -1 when a lock (or the window manager) closed the box: every caller
    // takes that as the answer that changes nothing.
    const int answer = Prompter::instance()->choose(&box);
    stopTimeOut();
    return answer;
}

void MainWindow::showProgress(const QString &operation)
{
    progressDialog->setWindowTitle(ProductInfo::title() + QStringLiteral(" - ") + operation);
    progressDialog->show();
}

void MainWindow::on_actionExit_triggered()
{
    // Closing may be refused (changes of opened files not in their vault).
    if (close())
        QCoreApplication::exit(0);
}

void MainWindow::on_actionSupport_Center_triggered()
{
    stopTimeOut();
    setCursor(Qt::WaitCursor);
    QDesktopServices::openUrl(ProductInfo::webPage(QStringLiteral("/support")));
    setCursor(Qt::ArrowCursor);
    startTimeOut();
}

void MainWindow::on_actionAbout_triggered()
{
    stopTimeOut();
    AboutDialog about(nullptr);
    about.setWindowTitle(windowTitle()
                         + QCoreApplication::translate("MainWindowClass", " - About"));
    about.exec();
    startTimeOut();
}
