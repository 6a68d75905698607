#include "tavstickmanager.h"

#include "drivelocator.h"
#include "tavlogging.h"

TAVStick::TAVStick(const QString &serialNo, const QString &mountPoint, int vID, int pID)
    : m_serialNo(serialNo), m_mountPoint(mountPoint), m_vID(vID), m_pID(pID)
{
}

TAVStickManager::~TAVStickManager()
{
    qDeleteAll(m_sticks);
}

TAVStickManager *TAVStickManager::getInstance()
{
    static TAVStickManager instance;
    return &instance;
}

void TAVStickManager::setDriveLocator(DriveLocator *locator)
{
    getInstance()->m_locator = locator;
}

void TAVStickManager::update()
{
    TAVStickManager *self = getInstance();
    QHash<QString, USBStick> found;
    if (self->m_locator)
        found = self->m_locator->getUSBSticks();
    else
        LOG_WARNING << "no drive locator set: no drive can be found";

    qDeleteAll(self->m_sticks);
    self->m_sticks.clear();
    for (const USBStick &stick : qAsConst(found)) {
        LOG_INFO << "flash drive found on" << stick.getMountPoint() << stick.getSerialNo()
                 << QString("0x%1").arg(stick.getPID(), 0, 16)
                 << QString("0x%1").arg(stick.getVID(), 0, 16);
        delete self->m_sticks.take(stick.getSerialNo());
        self->m_sticks.insert(stick.getSerialNo(),
                              new TAVStick(stick.getSerialNo(), stick.getMountPoint(),
                                           stick.getVID(), stick.getPID()));
    }
}

QString TAVStickManager::getPathBySerialNo(const QString &serialNo)
{
    const TAVStick *stick = getInstance()->m_sticks.value(serialNo);
    if (!stick) {
        LOG_ERROR << "getPathBySerial failed for" << serialNo;
        return QString();
    }
    return stick->getMountPoint();
}

QString TAVStickManager::getSerialByPath(const QString &path)
{
    const TAVStick *stick = getInstance()->findByPath(path);
    if (!stick) {
        LOG_ERROR << "getSerialByPath failed for" << path;
        return QString();
    }
    return stick->getSerialNo();
}

QString TAVStickManager::getMountPoint(const QString &path)
{
    const TAVStick *stick = getInstance()->findByPath(path);
    return stick ? stick->getMountPoint() : QString();
}

bool TAVStickManager::isFlashDriveAvailable(const QString &serialNo)
{
    return getInstance()->m_sticks.contains(serialNo);
}

bool TAVStickManager::isFlashDriveAvailable()
{
    return !getInstance()->m_sticks.isEmpty();
}

QStringList TAVStickManager::drives()
{
    QStringList list;
    for (const TAVStick *stick : qAsConst(getInstance()->m_sticks))
        list << stick->getSerialNo() + QLatin1Char('\n') + stick->getMountPoint();
    list.sort();
    return list;
}

bool TAVStickManager::isFlashDrive(const QString &path)
{
    return getInstance()->findByPath(path) != nullptr;
}

bool TAVStickManager::isNetworkDrive(const QString &path)
{
    return path.size() >= 3 && path.startsWith(QLatin1String("//"));
}

bool TAVStickManager::isLocalDrive(const QString &path)
{
    return !isFlashDrive(path) && !isNetworkDrive(path);
}

const TAVStick *TAVStickManager::findByPath(const QString &path) const
{
    // A mount point ends with "/", so it prefixes the paths inside it and
    // not the mount point written without its slash. Where mount points
    // nest (a stick mounted inside another, or a system started from a
    // stick at "/"), the path belongs to the deepest one, whatever the
    // hash's order.
    const TAVStick *best = nullptr;
    for (const TAVStick *stick : m_sticks) {
        const QString mount = stick->getMountPoint();
        if (path.startsWith(mount, Qt::CaseSensitive)
            && (!best || mount.size() > best->getMountPoint().size()))
            best = stick;
    }
    return best;
}
