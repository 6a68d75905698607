#ifndef LINUXUSBLIB_H
#define LINUXUSBLIB_H

#include "drivelocator.h"

#include <QHash>
#include <QString>

// Finds the plugged-in USB drives on Linux from sysfs and the mount table:
// the USB devices of <root>/sys/bus/usb/devices with their ids and serial
// numbers, the disks of <root>/sys/block below each, and the mount of each
// disk's first partition in <root>/proc/self/mountinfo, matched by device
// number. The root is "/" for the running system; tests lay out their own.
class LinuxUSBLib : public DriveLocator
{
public:
    explicit LinuxUSBLib(const QString &root = QStringLiteral("/"));

    // Devices are visited in the name order of sys/bus/usb/devices; a
    // device's disk is the first of its disks by name. Skipped: devices with
    // no disk, no serial number, an id that is not hexadecimal, or no
    // mounted first partition (the last with an Error log line).
    QHash<QString, USBStick> getUSBSticks() const override;

    // The mount point of the first partition of a disk such as "sdb" (of the
    // disk itself when it has no partition table), without a trailing "/".
    // Only a mount of the file system's root counts, never a bind mount of a
    // folder inside it; the first in the table wins. 0 when found; 1, an
    // Error log line and mountPath unchanged when not.
    int getMountPath(const QString &diskName, QString &mountPath) const;

private:
    QString sysPath(const QString &relative) const;

    QString m_root;
};

#endif // LINUXUSBLIB_H
