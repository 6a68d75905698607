#ifndef DRIVELOCATOR_H
#define DRIVELOCATOR_H

#include "usbstick.h"

#include <QHash>
#include <QString>

// Finds the plugged-in USB drives for the drive registry. The platform layer
// implements it; tests hand the registry drives of their own.
class DriveLocator
{
public:
    virtual ~DriveLocator();

    // Every plugged-in USB mass-storage drive that has a serial number and a
    // mounted first partition, by serial number. Where two drives report the
    // same serial number, the one found last is kept.
    virtual QHash<QString, USBStick> getUSBSticks() const = 0;
};

#endif // DRIVELOCATOR_H
