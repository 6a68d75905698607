#ifndef TAVSTICKMANAGER_H
#define TAVSTICKMANAGER_H

#include <QHash>
#include <QString>
#include <QStringList>

class DriveLocator;

// One drive of the registry.
class TAVStick
{
public:
    // The vendor id comes before the product id here (USBStick takes them
    // the other way round).
    TAVStick(const QString &serialNo, const QString &mountPoint, int vID, int pID);

    QString getSerialNo() const { return m_serialNo; }
    // Ends with "/" unless it is "/" itself.
    QString getMountPoint() const { return m_mountPoint; }
    int getvID() const { return m_vID; }
    int getpID() const { return m_pID; }

private:
    QString m_serialNo;
    QString m_mountPoint;
    int m_vID;
    int m_pID;
};

// The process-wide registry of plugged-in USB drives, known by serial number:
// where a drive is mounted, which drive holds a path, and whether a path lies
// on a flash drive, a network path or a local disk. It answers from the last
// update() and never refreshes itself. GUI thread only.
class TAVStickManager
{
public:
    virtual ~TAVStickManager();

    static TAVStickManager *getInstance();

    // Where update() finds the drives (not owned; it must outlive its use).
    // The program sets the platform layer's locator before the first
    // update(); without one the registry stays empty.
    static void setDriveLocator(DriveLocator *locator);

    // Replaces the whole registry by the drives plugged in now; every
    // record handed out before is gone.
    static void update();

    static QString getPathBySerialNo(const QString &serialNo);
    static QString getSerialByPath(const QString &path);
    static QString getMountPoint(const QString &path);
    static bool isFlashDriveAvailable(const QString &serialNo);
    static bool isFlashDriveAvailable();
    // Every drive as "serial number, mount point", sorted: two calls compare
    // equal while the same drives stay at the same places.
    static QStringList drives();
    static bool isFlashDrive(const QString &path);
    static bool isNetworkDrive(const QString &path);
    static bool isLocalDrive(const QString &path);

private:
    TAVStickManager() = default;
    TAVStickManager(const TAVStickManager &) = delete;
    TAVStickManager &operator=(const TAVStickManager &) = delete;

    // The drive whose mount point prefixes the path; the deepest one when
    // mount points nest. Null when none does.
    const TAVStick *findByPath(const QString &path) const;

    QHash<QString, TAVStick *> m_sticks; // owned; key = the record's serial number
    DriveLocator *m_locator = nullptr;
};

#endif // TAVSTICKMANAGER_H
