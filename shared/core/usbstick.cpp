#include "usbstick.h"

USBStick::USBStick(const QString &serialNo, const QString &mountPoint, int pid, int vid)
    : m_serialNo(serialNo), m_mountPoint(mountPoint), m_pid(pid), m_vid(vid)
{
}
