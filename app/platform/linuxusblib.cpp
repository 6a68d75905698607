#include "linuxusblib.h"

#include "tavlogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSet>
#include <QStringList>

namespace {

// sysfs attributes are short; anything longer is not one of ours.
constexpr qint64 kMaxAttribute = 4096;

enum class Attribute { Missing, Present };

// An attribute's text without the newline sysfs ends it with.
Attribute readAttribute(const QString &dir, const QString &name, QString &text)
{
    QFile file(dir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return Attribute::Missing;
    QByteArray bytes = file.read(kMaxAttribute);
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    text = QString::fromUtf8(bytes);
    return Attribute::Present;
}

QString attribute(const QString &dir, const QString &name)
{
    QString text;
    readAttribute(dir, name, text);
    return text;
}

// A USB id ("0781") as a number: 0 when the device has no such attribute,
// false when it has one that is not a hexadecimal number.
bool readId(const QString &dir, const QString &name, int *id)
{
    QString text;
    if (readAttribute(dir, name, text) == Attribute::Missing) {
        *id = 0;
        return true;
    }
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 16);
    if (ok)
        *id = value;
    return ok;
}

bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}

// The kernel writes space, tab, newline and backslash in mount table fields
// as a backslash and three octal digits.
QByteArray unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()
            && isOctal(field.at(i + 1)) && isOctal(field.at(i + 2)) && isOctal(field.at(i + 3))) {
            out.append(char(((field.at(i + 1) - '0') << 6) | ((field.at(i + 2) - '0') << 3)
                            | (field.at(i + 3) - '0')));
            i += 3;
        } else {
            out.append(field.at(i));
        }
    }
    return out;
}

struct MountEntry
{
    QString device;     // "major:minor" of the mounted file system
    QString root;       // the folder of the file system that is mounted
    QString mountPoint; // where it is mounted
};

// Lines of mountinfo: id, parent id, major:minor, root, mount point, then
// options we don't need.
QList<MountEntry> readMountTable(const QString &path)
{
    QList<MountEntry> table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        table.append({QString::fromLatin1(fields.at(2)),
                      QFile::decodeName(unescapeMountField(fields.at(3))),
                      QFile::decodeName(unescapeMountField(fields.at(4)))});
    }
    return table;
}

// The nearest folder above a block device that is one of the USB devices
// (not one of their interfaces or SCSI hosts). Empty for a disk not on USB.
QString usbDeviceAbove(const QString &blockDevice, const QSet<QString> &usbDevices)
{
    if (blockDevice.isEmpty())
        return QString();
    QDir dir(blockDevice);
    while (dir.cdUp() && !dir.isRoot()) {
        if (usbDevices.contains(dir.absolutePath()))
            return dir.absolutePath();
    }
    return QString();
}

} // namespace

LinuxUSBLib::LinuxUSBLib(const QString &root) : m_root(root) {}

QString LinuxUSBLib::sysPath(const QString &relative) const
{
    return QDir(m_root).filePath(QStringLiteral("sys/") + relative);
}

QHash<QString, USBStick> LinuxUSBLib::getUSBSticks() const
{
    QHash<QString, USBStick> sticks;

    // The USB devices, in name order; their interfaces ("2-1:1.0") are
    // listed beside them and left out.
    QStringList usbDevices;
    const QFileInfoList entries = QDir(sysPath(QStringLiteral("bus/usb/devices")))
                                      .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString device = entry.canonicalFilePath();
        if (!entry.fileName().contains(QLatin1Char(':')) && !device.isEmpty())
            usbDevices.append(device);
    }
    const QSet<QString> usbDeviceSet(usbDevices.cbegin(), usbDevices.cend());

    // Disks by the USB device they hang below (a hub's disks belong to the
    // stick behind it), each list in name order.
    QHash<QString, QStringList> disksOfDevice;
    const QFileInfoList disks = QDir(sysPath(QStringLiteral("block")))
                                    .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &disk : disks) {
        const QString device = usbDeviceAbove(disk.canonicalFilePath(), usbDeviceSet);
        if (!device.isEmpty())
            disksOfDevice[device].append(disk.fileName());
    }

    for (const QString &device : qAsConst(usbDevices)) {
        const auto found = disksOfDevice.constFind(device);
        if (found == disksOfDevice.cend())
            continue; // no storage below it

        int vid = 0;
        int pid = 0;
        if (!readId(device, QStringLiteral("idVendor"), &vid)
            || !readId(device, QStringLiteral("idProduct"), &pid))
            continue;

        const QString serial = attribute(device, QStringLiteral("serial"));
        if (serial.isEmpty())
            continue;

        QString mountPoint;
        if (getMountPath(found.value().first(), mountPoint) != 0)
            continue;
        if (mountPoint.size() >= 2)
            mountPoint += QLatin1Char('/');

        sticks.insert(serial, USBStick(serial, mountPoint, pid, vid));
    }
    return sticks;
}

int LinuxUSBLib::getMountPath(const QString &diskName, QString &mountPath) const
{
    // Matched by device number, not by name: sdb1 must not find sdb10.
    QString device;
    if (!diskName.isEmpty() && !diskName.contains(QLatin1Char('/')) && diskName != QLatin1String(".")
        && diskName != QLatin1String("..")) {
        const QString diskDir = sysPath(QStringLiteral("block/") + diskName);
        bool partitioned = false;
        const QFileInfoList children = QDir(diskDir).entryInfoList(
            QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
        for (const QFileInfo &child : children) {
            QString number;
            if (readAttribute(child.filePath(), QStringLiteral("partition"), number)
                == Attribute::Missing)
                continue;
            partitioned = true;
            if (number.trimmed() == QLatin1String("1"))
                device = attribute(child.filePath(), QStringLiteral("dev")).trimmed();
        }
        // A stick formatted without a partition table holds its volume on
        // the whole disk.
        if (!partitioned)
            device = attribute(diskDir, QStringLiteral("dev")).trimmed();
    }

    if (!device.isEmpty()) {
        const QList<MountEntry> table =
            readMountTable(QDir(m_root).filePath(QStringLiteral("proc/self/mountinfo")));
        for (const MountEntry &entry : table) {
            if (entry.device == device && entry.root == QLatin1String("/")) {
                mountPath = entry.mountPoint;
                return 0;
            }
        }
    }
    LOG_ERROR << "disk not found while looking for" << diskName;
    return 1;
}
