#include "windowdrive.h"

#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "scratchfiles.h"
#include "tavstickmanager.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString plugWindowDrive(const QString &root, FixedDriveLocator &drives, bool usedBefore)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString tmp = root + "/tmp";
    const QString drive = root + "/drive/";
    if (!QDir().mkpath(tmp) || !QDir().mkpath(drive + "KolvaneVave Settings"))
        return QString();
    qputenv("TMPDIR", QFile::encodeName(tmp));
    if (usedBefore && !writeBytes(drive + "KolvaneVave Settings/config.dat", QByteArray()))
        return QString();
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
    return drive;
}
