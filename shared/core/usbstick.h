#ifndef USBSTICK_H
#define USBSTICK_H

#include <QString>

// One plugged-in USB drive as the platform layer finds it: its serial number,
// the mount point of its first partition and its ids.
class USBStick
{
public:
    USBStick() = default;
    // The product id comes before the vendor id here (the registry's record
    // takes them the other way round).
    USBStick(const QString &serialNo, const QString &mountPoint, int pid, int vid);

    QString getSerialNo() const { return m_serialNo; }
    // Ends with "/" unless it is "/" itself.
    QString getMountPoint() const { return m_mountPoint; }
    int getPID() const { return m_pid; }
    int getVID() const { return m_vid; }

private:
    QString m_serialNo;
    QString m_mountPoint;
    int m_pid = 0;
    int m_vid = 0;
};

#endif // USBSTICK_H
