// The login page, the lock and the password reminder.
#include "mainwindow.h"

#include "languagetable.h"
#include "locknotifier.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavfilewatcher.h"
#include "tavlogging.h"
#include "tavvault.h"
#include "translation.h"
#include "mainwindowform.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

int MainWindow::checkPassword(const QString &path, const TAVKey &candidate)
{
    TAVCryptoFile file(path);
    TAVCipher cipher;
    unsigned int version = 0;
    const int code = file.open(QIODevice::ReadOnly, &cipher, candidate, &version);
    file.close();
    return code;
}

void MainWindow::on_btnLogin_clicked(bool)
{
    on_ledPassword_returnPressed();
}

void MainWindow::on_ledPassword_returnPressed()
{
    LOG_INFO << "login: not handled yet";
}

void MainWindow::on_ledPassword_textChanged(const QString &text)
{
    ui->btnLogin->setEnabled(!text.isEmpty());
}

void MainWindow::on_btnVirKeyBoard_clicked()
{
    LOG_INFO << "on-screen keypad for the login: not handled yet";
}

void MainWindow::on_cboLanguage_currentIndexChanged(int index)
{
    // The prompt item keeps the language in force; any other item replaces
    // the newest translation with its own and sets the layout direction.
    curLanguage = translation->selectComboItem(index, curLanguage);
    if (!LanguageTable::codeAt(index).isEmpty())
        ui->retranslateUi(this);
}

void MainWindow::showPasswordHint()
{
    LOG_INFO << "password hint: not handled yet";
}

void MainWindow::on_actionLock_triggered()
{
    unlocked = false;
    // Every dialog and message box open now closes with no answer.
    emit appLocked();
    LockNotifier::getInstance()->notifyLocked();
    ui->centralStackedWidget->setCurrentIndex(0);
    stopTimeOut();
    const QStringList kept = fileWatcher->removeWatchingFiles();
    ui->actionDetails->setEnabled(false);
    ui->actionList->setEnabled(false);
    ui->actionThumbnail->setEnabled(false);
    if (expiredDate)
        expiredDate->stop();
    if (!busy) {
        TAVFileSystem *root = TAVFileSystem::getInstance();
        for (int i = 0; i < root->getItemCount(); ++i) {
            auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
            if (vault && vault->isLoaded())
                vault->unload();
        }
        updateView(root);
    }
    if (!kept.isEmpty())
        tellKeptCopies(kept);
}

void MainWindow::timeout_timer()
{
    if (inactivityTimer && inactivityTimer->interval() != 0)
        on_actionLock_triggered();
}

void MainWindow::actionPasswordExpired_triggered()
{
    LOG_INFO << "password reminder: not handled yet";
}

void MainWindow::on_actionChange_Password_triggered()
{
    LOG_INFO << "change password: not handled yet";
}
