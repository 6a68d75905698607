// The update check, its settings, the download and the installation; and
// the options.
#include "mainwindow.h"

#include "fileutils.h"
#include "foldercompressor.h"
#include "processlauncher.h"
#include "productinfo.h"
#include "tavfilewatcher.h"
#include "tavlogging.h"
#include "tavsettings.h"
#include "updateavailabledialog.h"
#include "updateconfigdialog.h"
#include "updatedownload.h"
#include "updaterequest.h"
#include "updaterprogram.h"
#include "updateschedule.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>

#include <limits>

namespace {

std::function<void(int)> exitHook;

QString okText()
{
    return QCoreApplication::translate("MainWindowClass", "OK");
}

// The archive keeps no permissions: every file of the bundle gets its
// owner's execute bit, as the bundles' programs need it.
bool makeExecutable(const QString &bundle)
{
    QDirIterator it(bundle, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (info.isSymLink())
            continue;
        if (!QFile::setPermissions(path, info.permissions() | QFileDevice::ExeOwner
                                             | QFileDevice::ExeUser)) {
            LOG_ERROR << "could not make executable:" << path;
            return false;
        }
    }
    return true;
}

} // namespace

void MainWindow::setExitHook(std::function<void(int)> hook)
{
    exitHook = std::move(hook);
}

void MainWindow::autoCheckUpdate()
{
    // Sent once the window is up: an installation ends the program through
    // the event loop, which must be running by then.
    if (UpdateSchedule::checkAtStart(UpdateRequest::available()))
        QTimer::singleShot(0, this, &MainWindow::runDueUpdateCheck);
}

void MainWindow::runDueUpdateCheck()
{
    if (!isVisible() || busy || QApplication::activeModalWidget()) {
        QTimer::singleShot(1000, this, &MainWindow::runDueUpdateCheck);
        return;
    }
    autoUpdate();
}

int MainWindow::checkUpdate()
{
    if (!UpdateRequest::available())
        return UpdateRequest::Failed;
    const QUrl url = UpdateRequest::checkUrl(curLanguage, workingDeviceID, pID, vID);

    QProgressDialog progress(nullptr, Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    progress.setFixedSize(420, 80);
    progress.setLabelText(tr("Checking for updates... please wait"));
    progress.setCancelButton(nullptr);
    progress.setRange(0, 100);
    progress.setValue(0);
    progress.show();
    const int result =
        UpdateRequest::check(url, [&progress](int poll) { progress.setValue(poll % 100); });
    progress.setValue(100);
    progress.close();

    if (result == UpdateRequest::Found) {
        const UpdateRequest::Offer offer = UpdateRequest::lastOffer();
        updateReleaseNote = offer.releaseNote;
        updateVer = offer.version;
        updateLink = offer.link;
    }
    return result;
}

void MainWindow::autoUpdate()
{
    if (checkUpdate() != UpdateRequest::Found)
        return;
    UpdateAvailableDialog offer(this);
    offer.setWindowTitle(ProductInfo::title() + tr(" - New Version Available"));
    offer.SetReleaseNotes(updateReleaseNote);
    connect(&offer, &UpdateAvailableDialog::Update, this, &MainWindow::downloadAndInstallUpdate);
    connect(&offer, &TAVDialog::userAction, this, &MainWindow::startTimeOut);
    offer.exec();
}

void MainWindow::on_actionCheckUpdate_triggered()
{
    if (!UpdateRequest::available()) {
        showMessage(QMessageBox::Information, windowTitle(),
                    tr("Updates are not available: this copy of %1 has no update server to ask.")
                        .arg(ProductInfo::title()),
                    {okText()});
        startTimeOut();
        return;
    }
    UpdateConfigDialog dialog(this);
    dialog.setWindowTitle(ProductInfo::title() + tr(" - Update Configuration"));
    dialog.setChecker([] { return checkUpdate(); });
    connect(&dialog, &UpdateConfigDialog::confirmUpdate, this, &MainWindow::downloadAndInstallUpdate);
    connect(&dialog, &TAVDialog::userAction, this, &MainWindow::startTimeOut);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (UpdateSchedule::storeChosenPeriod(dialog.checkUpdateValue) != TAVSettings::WriteOk)
        LOG_ERROR << "Settings not written after the update configuration";
}

void MainWindow::downloadAndInstallUpdate()
{
    if (updateDownload) {
        LOG_INFO << "an update download is already under way";
        return;
    }
    stopTimeOut();
    const QUrl url(updateLink, QUrl::TolerantMode);
    downloadCancelled = false;
    updateDownload = new UpdateDownload(this);
    connect(updateDownload, &UpdateDownload::progress, this, &MainWindow::downloadProgress);
    connect(updateDownload, &UpdateDownload::finished, this, &MainWindow::downloadFinished);

    auto *dialog = new QProgressDialog(this, Qt::Dialog | Qt::FramelessWindowHint
                                                 | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    dialog->setFixedSize(400, 110);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowTitle(ProductInfo::title());
    dialog->setCancelButtonText(QCoreApplication::translate("MainWindowClass", "Cancel"));
    // Closed by the end of the download, not by the last byte's progress.
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setLabelText(tr("Downloading the update...              "));
    connect(dialog, &QProgressDialog::canceled, this, &MainWindow::cancelDownload);
    // A lock stops the download, as it closes every other box.
    connect(this, &MainWindow::appLocked, dialog, &QProgressDialog::cancel);
    downloadProgressDialog = dialog;

    startDownloadUpdate(url);
    if (updateDownload)
        dialog->exec();

    downloadProgressDialog = nullptr;
    dialog->deleteLater();
    startTimeOut();
}

void MainWindow::startDownloadUpdate(const QUrl &url)
{
    if (!updateDownload || updateDownload->start(url))
        return;
    LOG_ERROR << "update download not started:" << updateDownload->errorText();
    const QString text = updateDownload->error() == UpdateDownload::CannotSave
        ? tr("Unable to save the file %1: %2.")
              .arg(UpdateDownload::fileNameOf(url), updateDownload->errorText())
        : tr("The update could not be installed.");
    delete updateDownload;
    updateDownload = nullptr;
    showMessage(QMessageBox::Information, windowTitle(), text, {okText()});
}

void MainWindow::downloadProgress(qlonglong received, qlonglong total)
{
    if (downloadCancelled || !downloadProgressDialog)
        return;
    if (total < 1) {
        downloadProgressDialog->setRange(0, 0); // no size told: a busy bar
        return;
    }
    // The bar counts in ints: a package above their range is shown scaled.
    const qlonglong scale = total / std::numeric_limits<int>::max() + 1;
    downloadProgressDialog->setRange(0, int(total / scale));
    downloadProgressDialog->setValue(int(qBound<qlonglong>(0, received, total) / scale));
}

void MainWindow::downloadReadyRead()
{
    if (updateDownload)
        updateDownload->writeAvailable();
}

void MainWindow::cancelDownload()
{
    downloadCancelled = true;
    if (updateDownload)
        updateDownload->cancel();
}

void MainWindow::downloadFinished()
{
    UpdateDownload *download = updateDownload;
    updateDownload = nullptr;
    if (!download)
        return;
    download->deleteLater();
    if (downloadProgressDialog)
        downloadProgressDialog->hide();

    if (downloadCancelled || download->error() == UpdateDownload::Cancelled)
        return; // the partial file is gone with the download; nothing to say
    if (!download->isComplete()) {
        showMessage(QMessageBox::Warning, windowTitle(),
                    tr("Download failed: %1.").arg(download->errorText()) + QLatin1Char('\n')
                        + tr("The update could not be installed."),
                    {okText()});
        return;
    }

    const QString package = download->filePath();
    const QString target = download->folder() + QStringLiteral("/vaveUpdater");
    auto fail = [&](const QString &why) {
        LOG_ERROR << "update not installed:" << why;
        QFile::remove(package);
        if (QFileInfo::exists(target))
            FileUtils::remove(target, false); // made by this unpacking alone
        download->discard();
        showMessage(QMessageBox::Warning, windowTitle(), tr("The update could not be installed."),
                    {okText()});
    };

    if (showMessage(QMessageBox::Information, ProductInfo::title(),
                    tr("The application will now restart."), {okText()}) != 0) {
        // Closed by the lock: nothing is installed and the program goes on.
        QFile::remove(package);
        download->discard();
        return;
    }

    FolderCompressor compressor(this);
    if (!compressor.decompressFolder(package, target)) {
        fail(QStringLiteral("the package could not be unpacked"));
        return;
    }
    QFile::remove(package);

    const QString updater = target + QLatin1Char('/') + QLatin1String(UpdaterProgram::updaterBundle);
    const QString application =
        target + QLatin1Char('/') + QLatin1String(UpdaterProgram::applicationBundle);
    const QString program = updater + QLatin1Char('/') + QLatin1String(UpdaterProgram::program);
    if (!QFileInfo(updater).isDir() || !QFileInfo(application).isDir()
        || !QFileInfo(program).isFile()) {
        fail(QStringLiteral("the package lacks the updater or the application"));
        return;
    }
    if (!makeExecutable(updater) || !makeExecutable(application)) {
        fail(QStringLiteral("the bundles could not be made executable"));
        return;
    }

    // What a normal close does before anything else touches the drive:
    // decrypted copies wiped (their changes saved first), settings written.
    fileWatcher->removeWatchingFiles();
    // Copies whose changes could not reach their vault: the user may refuse
    // to quit, and then no updater runs beside the program that goes on.
    if (!confirmQuitWithKeptCopies()) {
        LOG_INFO << "update not installed: the user kept the program running";
        FileUtils::remove(target, false);
        download->discard();
        return;
    }
    if (QFile::exists(settingsFile()))
        writeSettings();

    if (!ProcessLauncher::instance()->startDetached(program, {mountPoint})) {
        fail(QStringLiteral("the updater could not be started"));
        return;
    }
    // Already asked: the close that follows does not ask again.
    quitConfirmed = true;
    LOG_INFO << "updater started:" << program << mountPoint;

    // The rest of the shutdown (vaults unloaded, worker stopped) is the
    // window's own, once the event loop ends.
    if (exitHook) {
        exitHook(0);
        return;
    }
    close();
    QCoreApplication::exit(0);
}
