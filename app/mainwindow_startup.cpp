// Start-up helpers, the temporary folder, the timers and the volume events.
#include "mainwindow.h"

#include "languagetable.h"
#include "logfile.h"
#include "mountwatcher.h"
#include "productinfo.h"
#include "workingdrive.h"
#include "tavfilesystem.h"
#include "tavcryptothread.h"
#include "tavlogging.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "mainwindowform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QGuiApplication>
#include <QStackedWidget>
#include <QTimer>

#include <memory>

void MainWindow::setProgramPath(const QString &path)
{
    programPath = path;
}

void MainWindow::setMountTablePath(const QString &path)
{
    mountTablePath = path;
}

void MainWindow::setUsbDrives(const DriveLocator *drives)
{
    usbDrives = drives;
}

void MainWindow::setArguments(const QStringList &args)
{
    arguments = args;
}

void MainWindow::setLogFolder(const QString &folder)
{
    logFolder = folder;
}

bool MainWindow::findWorkingDrive()
{
    // The registry keeps a pointer to its locator for the program's life;
    // the previous drive goes only once the new one has taken its place.
    static std::unique_ptr<WorkingDrive> drive;
    auto found = std::make_unique<WorkingDrive>(usbDrives);
    const bool ok = found->find(programPath);
    drive = std::move(found);
    if (!ok) {
        showMessage(QMessageBox::Critical, ProductInfo::title(),
                    tr("No drive to work on was found: %1").arg(drive->errorText()),
                    {QCoreApplication::translate("MainWindowClass", "OK")});
        requestQuit(1);
        return false;
    }
    mountPoint = drive->mountPoint();
    workingDeviceID = drive->serialNo();
    return true;
}

void MainWindow::applyLogSwitches(const QStringList &args)
{
    // The most detailed switch given wins.
    const struct { const char *flag; TAVLogger::LogLevel level; } switches[] = {
        {"-ddd", TAVLogger::Trace}, {"-dd", TAVLogger::Debug}, {"-d", TAVLogger::Info}};
    for (const auto &option : switches) {
        if (args.contains(QString::fromLatin1(option.flag), Qt::CaseInsensitive)) {
            LogFile::enable(option.level, logFolder);
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

QStringList MainWindow::loadedVaults() const
{
    QStringList loaded;
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < root->getItemCount(); ++i) {
        auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
        if (vault && vault->isLoaded())
            loaded << vault->GetId().toString() + vault->getFullPhysicalVaultPath();
    }
    loaded.sort();
    return loaded;
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
    // A vault is never unloaded under a job or an operation waiting on a
    // dialog: the flags stay for a later tick.
    if (busy || (cryptoThread && cryptoThread->isRunning()) || QApplication::activeModalWidget()) {
        LOG_DEBUG << "drive refresh put off: an operation is running";
        return;
    }
    // Only a change of the drives or of which vaults can be reached moves the
    // view: on a busy machine other mounts come and go all the time, and the
    // user keeps the folder shown, the selection and the window as they are.
    const QStringList drivesBefore = TAVStickManager::drives();
    const QStringList vaultsBefore = loadedVaults();
    TAVStickManager::update();
    refresh_vaults();
    mountWatcher->clearFlags();
    if (TAVStickManager::drives() == drivesBefore && loadedVaults() == vaultsBefore)
        return;
    updateView(TAVFileSystem::getInstance());
    if (isVisible())
        showNormal();
}
