// Preferences of the window and the user, and the interface language.
#include "mainwindow.h"

#include "tavciphers.h"
#include "tavlogging.h"
#include "tavsettings.h"
#include "tavtreeview.h"
#include "mainwindowform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QSplitter>
#include <QTranslator>

void MainWindow::readSettings()
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->setFileName(settingsFileName);
    settings->beginGroup(QStringLiteral("Settings"));
    settings->read();

    resize(settings->value(QStringLiteral("size"), QSize(1024, 580)).toSize());
    move(settings->value(QStringLiteral("pos"), QPoint(0, 0)).toPoint());
    restoreGeometry(settings->value(QStringLiteral("MainWindow/geometry")).toByteArray());
    restoreState(settings->value(QStringLiteral("MainWindow/windowState")).toByteArray(), 0);
    ui->mainSplitter->restoreState(settings->value(QStringLiteral("splitterSizes")).toByteArray());
    ui->computerSplitter->restoreState(
        settings->value(QStringLiteral("comp_splitterSizes")).toByteArray());
    const QByteArray treeHeader = settings->value(QStringLiteral("treeHeader")).toByteArray();
    if (!treeHeader.isEmpty())
        ui->treeView->header()->restoreState(treeHeader);
    ui->fsTreeView->header()->restoreState(
        settings->value(QStringLiteral("comp_treeHeader")).toByteArray());

    encryptionMethod = settings->value(QStringLiteral("encryptionMethod"),
                                       int(TAVCiphers::platform_preferred_cipher())).toInt();
    curLanguage = settings->value(QStringLiteral("Language"), QStringLiteral("en_US")).toString();
    passwordHintText = settings->value(QStringLiteral("passwordhint"), QString()).toString();
    doNotShowHowTo = settings->value(QStringLiteral("doNotShowHowTo"), false).toBool();
    minuteOfTimeOut = settings->value(QStringLiteral("MinuteOfTimeOut"), 10).toInt();
    lastChangedPasswordDate = settings->value(QStringLiteral("LastChangedPasswordDate"),
                                              QDateTime::currentDateTime()).toDateTime();
    dayOfChangePasswordRemind = settings->value(QStringLiteral("DayOfChangePasswordRemind"), 30).toInt();
    backupLocation = settings->value(QStringLiteral("BackupLocation"), 0).toInt();
    numberOfBackups = settings->value(QStringLiteral("NumberOfBackups"), 5).toInt();
    retentionBackup = settings->value(QStringLiteral("RetentionBackup"), false).toBool();
    mountType = settings->value(QStringLiteral("MountType"), 0).toInt();
    settings->endGroup();
}

void MainWindow::writeSettings()
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->setFileName(settingsFileName);
    settings->beginGroup(QStringLiteral("Settings"));
    settings->setValue(QStringLiteral("size"), QSize(width(), height()));
    settings->setValue(QStringLiteral("pos"), pos());
    settings->setValue(QStringLiteral("MainWindow/geometry"), saveGeometry());
    settings->setValue(QStringLiteral("MainWindow/windowState"), saveState(0));
    settings->setValue(QStringLiteral("splitterSizes"), ui->mainSplitter->saveState());
    settings->setValue(QStringLiteral("comp_splitterSizes"), ui->computerSplitter->saveState());
    settings->setValue(QStringLiteral("treeHeader"), ui->treeView->header()->saveState());
    settings->setValue(QStringLiteral("comp_treeHeader"), ui->fsTreeView->header()->saveState());
    // Only a period never chosen: a stored 0 is the user's "Never".
    if (!settings->value(QStringLiteral("CheckUpdate")).isValid()) {
        settings->setValue(QStringLiteral("DateCheckUpdate"), QDate::currentDate());
        settings->setValue(QStringLiteral("CheckUpdate"), 1);
    }
    settings->endGroup();
    if (settings->write() != TAVSettings::WriteOk)
        LOG_ERROR << "Settings not written to" << settingsFileName;
}

void MainWindow::applyLanguage()
{
    QString code = curLanguage;
    if (code.isEmpty()) {
        code = QLocale::system().name();
        if (code == QLatin1String("zh_CN") || code == QLatin1String("zh_SG"))
            code = QStringLiteral("zh_CN");
        else if (code == QLatin1String("zh_HK") || code == QLatin1String("zh_MO")
                 || code == QLatin1String("zh_TW"))
            code = QStringLiteral("zh_TW");
        if (code.startsWith(QLatin1String("ar")))
            code = QStringLiteral("ar_AR");
        if (!languageList.contains(code))
            code = QStringLiteral("en_US");
        curLanguage = code;
    }
    if (code != QLatin1String("en_US")) {
        languageFileName = QStringLiteral("kolvane_") + code + QStringLiteral(".qm");
        LOG_DEBUG << "Install translator" << languageFileName;
        installTranslator(QStringLiteral(":/res/") + languageFileName);
    }
    const int position = languageList.indexOf(code);
    ui->cboLanguage->setCurrentIndex(position < 0 ? 0 : position + 1);
    QGuiApplication::setLayoutDirection(code.startsWith(QLatin1String("ar")) ? Qt::RightToLeft
                                                                             : Qt::LeftToRight);
}

void MainWindow::installTranslator(const QString &name)
{
    translator = new QTranslator(this);
    if (!translator->load(name, QString(), QString(), QString()))
        LOG_DEBUG << "No translation in" << name;
    QCoreApplication::installTranslator(translator);
}
