// Start-up helpers, the temporary folder, the timers and the volume events.
#include "mainwindow.h"

#include "languagetable.h"
#include "logfile.h"
#include "mountwatcher.h"
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

void MainWindow::setMountTablePath(const QString &path)
{
    mountTablePath = path;
}

void MainWindow::applyLogSwitches(const QStringList &args)
{
    // The most detailed switch given wins.
    const struct { const char *flag; TAVLogger::LogLevel level; } switches[] = {
        {"-ddd", TAVLogger::Trace}, {"-dd", TAVLogger::Debug}, {"-d", TAVLogger::Info}};
    for (const auto &option : switches) {
        if (args.contains(QString::fromLatin1(option.flag), Qt::CaseInsensitive)) {
            LogFile::enable(option.level);
            break;
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
    const QString resource = LanguageTable::translationResource(curLanguage);
    if (!resource.isEmpty())
        installTranslator(resource);
    QGuiApplication::setLayoutDirection(LanguageTable::layoutDirection(curLanguage));
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

void MainWindow::MountUnmountUSB()
{
    if (!mountWatcher)
        return;
    // The kernel's change signal already polled; this catches a table that
    // gives none. Several changes between two ticks count as one.
    mountWatcher->poll();
    if (!mountWatcher->isMount() && !mountWatcher->isUnmount())
        return;
    TAVStickManager::update();
    refresh_vaults();
    updateView(TAVFileSystem::getInstance());
    if (isVisible())
        showNormal();
    mountWatcher->clearFlags();
}

void MainWindow::refresh_vaults()
{
    LOG_DEBUG << "refresh called";
}

void MainWindow::loadVault()
{
    LOG_DEBUG << "loadVault: not handled yet";
}
