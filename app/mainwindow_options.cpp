// The Options action and the password hint of the login page.
#include "mainwindow.h"

#include "mainsettings.h"
#include "optionsdialog.h"
#include "productinfo.h"
#include "tavexpireddate.h"
#include "tavlogging.h"
#include "tavsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

void MainWindow::on_actionOptions_triggered()
{
    stopTimeOut();
    resetConfirmDelete = false;

    OptionsDialog dialog(this);
    dialog.setWindowTitle(ProductInfo::title() + tr(" - Options"));
    connect(&dialog, &OptionsDialog::saveReset, this, &MainWindow::SaveResetConfirmDelete);
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &OptionsDialog::userAction, this, &MainWindow::startTimeOut);

    // The window's own process-wide values for the backup and mount fields;
    // the rest the dialog reads from the store, each value checked, so a
    // damaged cipher shows as the preferred one, never a weaker one.
    MainSettings current;
    current.readValues();
    encryptionMethod = current.encryptionMethod;
    current.backupLocation = backupLocation;
    current.retentionBackup = retentionBackup;
    current.numberOfBackups = numberOfBackups;
    current.mountType = mountType;
    dialog.load(settingsFileName, current);

    startTimeOut();
    if (dialog.exec() == QDialog::Accepted) {
        minuteOfTimeOut = dialog.getTimeOutValue();
        if (inactivityTimer)
            inactivityTimer->setInterval(minuteOfTimeOut * 60000);

        dayOfChangePasswordRemind = dialog.getPasswordExpire();
        if (expiredDate) {
            if (dayOfChangePasswordRemind > 0) {
                // A run still going takes the new date at its next look.
                expiredDate->setExpiredDate(lastChangedPasswordDate.addDays(dayOfChangePasswordRemind));
                expiredDate->begin(QThread::LowestPriority);
            } else {
                expiredDate->stop();
            }
        }
        encryptionMethod = dialog.getEncryptMethod();

        QString path = backupPath;
        const int written = dialog.saveSetting(resetConfirmDelete, current, path);
        backupPath = path;
        backupLocation = current.backupLocation;
        retentionBackup = current.retentionBackup;
        numberOfBackups = current.numberOfBackups;
        mountType = current.mountType;
        if (written != TAVSettings::WriteOk) {
            LOG_ERROR << "options not written to" << settingsFileName;
            showMessage(QMessageBox::Warning, windowTitle(),
                        tr("The options could not be saved to %1. They hold until the program "
                           "ends.")
                            .arg(QDir::toNativeSeparators(settingsFileName)),
                        {QCoreApplication::translate("MainWindowClass", "OK")});
        }
    }
    startTimeOut();
}

void MainWindow::SaveResetConfirmDelete()
{
    resetConfirmDelete = true;
}

void MainWindow::showPasswordHint()
{
    showMessage(QMessageBox::Information, ProductInfo::title(),
                QStringLiteral("%1: %2   ").arg(tr("Password Hint"), passwordHintText),
                {QCoreApplication::translate("MainWindowClass", "OK")});
}
