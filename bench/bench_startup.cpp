// Start-up of the main window up to the login page, on a stand-in drive that
// was used before (a settings file and a list of 20 vaults), without the
// splash's fixed time. Prints the median and the slowest of the runs.
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "tavfilesystem.h"
#include "tavkey.h"
#include "tavsettings.h"
#include "tavvault.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    QDir().mkpath(home.filePath("tmp"));
    qputenv("TMPDIR", QFile::encodeName(home.filePath("tmp")));
    const QString drive = home.filePath("drive");
    qputenv("KOLVANE_DRIVE_ROOT", QFile::encodeName(drive));
    QApplication app(argc, argv);

    // The drive as a returning start finds it.
    const QString settings = drive + "/KolvaneVave Settings";
    QDir().mkpath(settings);
    const TAVKey master(QStringLiteral("bench password"));
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < 20; ++i) {
        const QString folder = drive + QStringLiteral("/Vault %1").arg(i);
        QDir().mkpath(folder);
        TAVVault *vault = root->addVault(QStringLiteral("Vault %1").arg(i), folder, TAV_AES256, TAVKey());
        root->addVaultItem(vault);
    }
    root->saveToFile(settings + "/filesystem.dat", master);
    root->removeAll();
    TAVSettings *store = TAVSettings::getInstance();
    store->setFileName(settings + "/config.dat");
    store->beginGroup("Settings");
    store->setValue("passwordhint", QStringLiteral("hint"));
    store->endGroup();
    store->write();

    FixedDriveLocator noSticks;
    MainWindow::setUsbDrives(&noSticks);
    MainWindow::setProgramPath(home.filePath("bin/kolvanevave"));
    MainWindow::setArguments({QStringLiteral("kolvanevave")});

    const int runs = 20;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        MainWindow window;
        const qint64 ns = timer.nsecsElapsed();
        if (!window.isScreenLocked()) {
            std::fprintf(stderr, "start-up did not end on the login page\n");
            return 1;
        }
        ms.push_back(ns / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to the login page (20 vaults listed): median %.1f ms, slowest %.1f ms over %d runs\n",
                ms[ms.size() / 2], ms.back(), runs);
    return 0;
}
