#ifndef FIXEDDRIVELOCATOR_H
#define FIXEDDRIVELOCATOR_H

#include "drivelocator.h"

// Drives a test plugs in and out by hand, for the drive registry:
//   FixedDriveLocator drives;
//   drives.plug(USBStick("SER1", "/media/STICK/", 0x5581, 0x781));
//   TAVStickManager::setDriveLocator(&drives);
//   TAVStickManager::update();
class FixedDriveLocator : public DriveLocator
{
public:
    void plug(const USBStick &stick) { m_sticks.insert(stick.getSerialNo(), stick); }
    void unplug(const QString &serialNo) { m_sticks.remove(serialNo); }
    void unplugAll() { m_sticks.clear(); }

    QHash<QString, USBStick> getUSBSticks() const override { return m_sticks; }

private:
    QHash<QString, USBStick> m_sticks;
};

#endif // FIXEDDRIVELOCATOR_H
