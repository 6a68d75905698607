// Start-up helpers, the temporary folder, the timers and the volume events.
#include "mainwindow.h"

#include "productinfo.h"
#include "tavfilesystem.h"
#include "tavlogging.h"
#include "tavstickmanager.h"
#include "mainwindowform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStackedWidget>
#include <QTimer>

void MainWindow::setProgramPath(const QString &path)
{
    programPath = path;
}

void MainWindow::applyLogSwitches(const QStringList &args)
{
    QDir folder(QCoreApplication::applicationDirPath());
    folder.cdUp();
    folder.cdUp();
    folder.cdUp();
    const QString logFile = folder.absolutePath() + QStringLiteral("/KolvaneVave.log");
    // Tested in this order, so the most detailed one given wins.
    const struct { const char *flag; TAVLogger::LogLevel level; } switches[] = {
        {"-d", TAVLogger::Info}, {"-dd", TAVLogger::Debug}, {"-ddd", TAVLogger::Trace}};
    for (const auto &option : switches) {
        if (args.contains(QString::fromLatin1(option.flag), Qt::CaseInsensitive)) {
            TAVLogger::setFileName(logFile);
            TAVLogger::setLogLevel(option.level);
            TAVLogger::setEnabled();
        }
    }
    LOG_INFO << "Starting" << "KolvaneVave" << "version" << ProductInfo::displayVersion();
    LOG_INFO << "Date" << QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    TAVLogger::LogPlatformInfo();
}

void MainWindow::applyLanguageSwitch(const QStringList &args)
{
    const int i = args.indexOf(QStringLiteral("-lang"));
    if (i <= 0 || i + 1 >= args.size())
        return;
    curLanguage = args.at(i + 1);
    if (curLanguage != QLatin1String("en_US")) {
        languageFileName = QStringLiteral("kolvane_") + curLanguage + QStringLiteral(".qm");
        LOG_DEBUG << "Install translator" << languageFileName;
        installTranslator(QStringLiteral(":/res/") + languageFileName);
    }
    QGuiApplication::setLayoutDirection(curLanguage.startsWith(QLatin1String("ar"))
                                            ? Qt::RightToLeft
                                            : Qt::LeftToRight);
}

void MainWindow::firstRun()
{
    LOG_INFO << "firstRun: no settings file at" << settingsFileName << "- first run not handled yet";
}

void MainWindow::setTempPath()
{
    QDir folder(QCoreApplication::applicationDirPath());
    folder.cdUp();
    folder.cdUp();
    folder.cdUp();
    LOG_DEBUG << "Application path" << folder.absolutePath();
    // Makes "<system temporary folder>/Kolvane Vave" ours alone, clearing
    // what a previous run left in it; sets tempPath.
    if (!AppState::setTempPath())
        LOG_ERROR << "No private temporary folder could be made under" << QDir::tempPath();
}

bool MainWindow::isInstalled() const
{
    return QFile::exists(QStringLiteral("/Applications/kolvane.app"));
}

bool MainWindow::isScreenLocked() const
{
    return ui->centralStackedWidget->currentIndex() == 0;
}

void MainWindow::startTimeOut()
{
    if (!inactivityTimer)
        return;
    if (inactivityTimer->isActive())
        inactivityTimer->stop();
    if (ui->centralStackedWidget->currentIndex() == 0)
        return;
    inactivityTimer->start();
}

void MainWindow::stopTimeOut()
{
    if (inactivityTimer && inactivityTimer->isActive())
        inactivityTimer->stop();
}

void MainWindow::volumeEvent(bool mounted)
{
    if (mounted)
        isMount = true;
    else
        isUnmount = true;
}

void MainWindow::MountUnmountUSB()
{
    if (!isMount && !isUnmount)
        return;
    TAVStickManager::update();
    refresh_vaults();
    updateView(TAVFileSystem::getInstance());
    showNormal();
    isMount = false;
    isUnmount = false;
}

void MainWindow::refresh_vaults()
{
    LOG_DEBUG << "refresh called";
}

void MainWindow::loadVault()
{
    LOG_DEBUG << "loadVault: not handled yet";
}
