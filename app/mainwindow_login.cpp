// The login page, the lock and the password reminder.
#include "mainwindow.h"

#include "locknotifier.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavfilewatcher.h"
#include "tavlogging.h"
#include "tavvault.h"
#include "mainwindowform.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTranslator>

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
    if (translator)
        QCoreApplication::removeTranslator(translator);
    if (index > 0 && index - 1 < languageList.size()) {
        curLanguage = languageList.at(index - 1);
        if (curLanguage != QLatin1String("en_US")) {
            languageFileName = QStringLiteral("kolvane_") + curLanguage + QStringLiteral(".qm");
            installTranslator(QStringLiteral(":/res/") + languageFileName);
        }
        ui->retranslateUi(this);
    }
    QGuiApplication::setLayoutDirection(curLanguage.startsWith(QLatin1String("ar"))
                                            ? Qt::RightToLeft
                                            : Qt::LeftToRight);
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
    fileWatcher->removeWatchingFiles();
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
