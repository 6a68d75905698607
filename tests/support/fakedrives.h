#ifndef FAKEDRIVES_H
#define FAKEDRIVES_H

#include <QHash>
#include <QString>

// A fake sysfs and mount table under a folder, laid out the way Linux shows
// USB drives, for LinuxUSBLib(root) to read:
//   QTemporaryDir dir;
//   FakeDrives drives(dir.path());
//   const QString mount = drives.plugStick("4C530001", "STICK"); // ".../media/STICK/"
//   LinuxUSBLib usb(drives.root());
//   TAVStickManager::setDriveLocator(&usb);
//   TAVStickManager::update();
// Mount points are real folders under the root, so files can be put there.
class FakeDrives
{
public:
    // root: an existing folder, empty but for what this lays out.
    explicit FakeDrives(const QString &root);

    QString root() const { return m_root; }

    // A USB device at a port such as "1-2", or "1-1.3" behind the hub at
    // "1-1" (made as a hub without serial number when missing), below the
    // root hub of its bus, and its first interface, both listed in
    // sys/bus/usb/devices. A null text leaves that attribute out; any other
    // is written with sysfs's closing newline.
    void addUsbDevice(const QString &port, const QString &serial,
                      const QString &vendor = QStringLiteral("0781"),
                      const QString &product = QStringLiteral("5581"));

    // A disk such as "sdb" below the first interface of the device at a port
    // (through a SCSI host and target), listed in sys/block. An empty port
    // puts it behind the SATA controller: a disk that is not on USB.
    void addDisk(const QString &port, const QString &disk);

    // Partition n of a disk: "sdb" + 1 is "sdb1", "mmcblk0" + 1 "mmcblk0p1".
    // Returns its name.
    QString addPartition(const QString &disk, int number);

    // Appends a mount table line: a disk or partition ("sdb1") mounted at a
    // path; fsRoot is the folder of its file system mounted there ("/" for
    // the whole file system, another folder for a bind mount).
    void addMount(const QString &blockDevice, const QString &mountPoint,
                  const QString &fsRoot = QStringLiteral("/"));
    // A mount line for a device that has no block device here ("0:52").
    void addOtherMount(const QString &deviceNumber, const QString &mountPoint);

    // The folder <root>/media/<label>, made on disk; no trailing "/".
    QString mountFolder(const QString &label) const;

    // A stick at the next free port with one partition mounted at
    // mountFolder(label). Returns the mount point as the registry holds it,
    // with a trailing "/".
    QString plugStick(const QString &serial, const QString &label);

private:
    QString sys(const QString &relative) const;
    QString usbDeviceDir(const QString &port);
    void appendMountLine(const QString &deviceNumber, const QString &fsRoot,
                         const QString &mountPoint, const QString &source);

    QString m_root;
    QHash<QString, QString> m_usbDirs;     // port -> device folder
    QHash<QString, QString> m_blockDirs;   // disk or partition -> folder
    QHash<QString, QString> m_devNumbers;  // disk or partition -> "major:minor"
    int m_disks = 0;
    int m_mounts = 0;
    int m_nextPort = 1;
};

#endif // FAKEDRIVES_H
