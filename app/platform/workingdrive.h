#ifndef WORKINGDRIVE_H
#define WORKINGDRIVE_H

#include "drivelocator.h"

#include <QHash>
#include <QString>

// The drive the program works on: the USB stick that holds the program, or,
// when it runs from anywhere else, a stand-in drive folder. The stand-in is
// the folder named by KOLVANE_DRIVE_ROOT, else "Drive" in the user's data
// folder; it is registered in the drive registry like a stick, under a
// serial number of its own kept in a small file inside it, so the settings,
// the vault list, the default vault and the drive refresh find it like any
// stick. Nothing is ever placed relative to the current working folder.
//
// It is also the registry's drive locator: the USB drives found by the
// platform layer plus the stand-in once it is in use. Keep it alive as long
// as the registry is updated (for the program's life):
//   static WorkingDrive drive;
//   if (!drive.find()) { tell drive.errorText() and stop }
//   mountPoint = drive.mountPoint(); workingDeviceID = drive.serialNo();
class WorkingDrive : public DriveLocator
{
public:
    // usbDrives: where the USB sticks are found (not owned); null takes the
    // running system's.
    explicit WorkingDrive(const DriveLocator *usbDrives = nullptr);
    ~WorkingDrive() override;

    WorkingDrive(const WorkingDrive &) = delete;
    WorkingDrive &operator=(const WorkingDrive &) = delete;

    // The name of the file inside the stand-in that holds its serial number.
    static QString serialFileName();

    // Makes itself the registry's locator, updates the registry and takes
    // the stick whose mount point holds programPath (the running program
    // when empty), found by serial number and then mount point; else the
    // stand-in, made on first use and registered. False, with errorText(),
    // when no stand-in can be had: no folder for it, or a serial file that
    // can't be made or read (a damaged one is left as it is, since the
    // vault list knows the drive by that number).
    bool find(const QString &programPath = QString());

    // Ends with "/".
    QString mountPoint() const { return m_mountPoint; }
    QString serialNo() const { return m_serialNo; }
    bool isStandIn() const { return m_hasStandIn; }
    QString errorText() const { return m_errorText; }

    QHash<QString, USBStick> getUSBSticks() const override;

private:
    bool openStandIn();
    bool fail(const QString &text);

    const DriveLocator *m_usbDrives;
    DriveLocator *m_ownUsbDrives = nullptr;
    bool m_hasStandIn = false;
    USBStick m_standIn;
    QString m_mountPoint;
    QString m_serialNo;
    QString m_errorText;
};

#endif // WORKINGDRIVE_H
