#include "fakedrives.h"

#include <QDir>
#include <QFile>

namespace {

const QString kPci = QStringLiteral("devices/pci0000:00");
const QString kUsbController = kPci + QStringLiteral("/0000:00:14.0");
const QString kSataController = kPci + QStringLiteral("/0000:00:17.0/ata1");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("FakeDrives: cannot write %s", qPrintable(path));
}

void writeAttribute(const QString &dir, const QString &name, const QString &text)
{
    if (!text.isNull())
        writeFile(dir + QLatin1Char('/') + name, text.toUtf8() + '\n');
}

void makeDir(const QString &path)
{
    if (!QDir().mkpath(path))
        qFatal("FakeDrives: cannot make %s", qPrintable(path));
}

void link(const QString &target, const QString &linkPath)
{
    if (!QFile::link(target, linkPath))
        qFatal("FakeDrives: cannot link %s", qPrintable(linkPath));
}

// As the kernel writes mount table fields.
QByteArray escapeMountField(const QString &text)
{
    QByteArray out;
    for (const char c : QFile::encodeName(text)) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\')
            out += '\\' + QByteArray::number(int(uchar(c)), 8).rightJustified(3, '0');
        else
            out += c;
    }
    return out;
}

} // namespace

FakeDrives::FakeDrives(const QString &root) : m_root(QDir(root).absolutePath())
{
    makeDir(sys(QStringLiteral("bus/usb/devices")));
    makeDir(sys(QStringLiteral("block")));
    makeDir(sys(kSataController));
    writeAttribute(sys(kPci + QStringLiteral("/0000:00:17.0")), QStringLiteral("vendor"),
                   QStringLiteral("0x8086"));
    makeDir(m_root + QStringLiteral("/proc/self"));
    writeFile(m_root + QStringLiteral("/proc/self/mountinfo"), QByteArray());
}

QString FakeDrives::sys(const QString &relative) const
{
    return m_root + QStringLiteral("/sys/") + relative;
}

QString FakeDrives::usbDeviceDir(const QString &port)
{
    const auto known = m_usbDirs.constFind(port);
    if (known != m_usbDirs.cend())
        return known.value();

    QString parent;
    const int dot = port.lastIndexOf(QLatin1Char('.'));
    if (port.startsWith(QLatin1String("usb"))) {
        parent = sys(kUsbController);
    } else if (dot > 0) {
        if (!m_usbDirs.contains(port.left(dot)))
            addUsbDevice(port.left(dot), QString(), QStringLiteral("05e3"), QStringLiteral("0608"));
        parent = m_usbDirs.value(port.left(dot));
    } else {
        const QString bus = QStringLiteral("usb") + port.section(QLatin1Char('-'), 0, 0);
        if (!m_usbDirs.contains(bus)) // root hubs report the controller as their serial
            addUsbDevice(bus, QStringLiteral("0000:00:14.0"), QStringLiteral("1d6b"),
                         QStringLiteral("0002"));
        parent = m_usbDirs.value(bus);
    }
    return parent + QLatin1Char('/') + port;
}

void FakeDrives::addUsbDevice(const QString &port, const QString &serial, const QString &vendor,
                              const QString &product)
{
    const QString dir = usbDeviceDir(port);
    makeDir(dir);
    writeAttribute(dir, QStringLiteral("idVendor"), vendor);
    writeAttribute(dir, QStringLiteral("idProduct"), product);
    writeAttribute(dir, QStringLiteral("serial"), serial);
    link(dir, sys(QStringLiteral("bus/usb/devices/")) + port);
    m_usbDirs.insert(port, dir);

    if (!port.startsWith(QLatin1String("usb"))) {
        const QString interface = port + QStringLiteral(":1.0");
        makeDir(dir + QLatin1Char('/') + interface);
        writeAttribute(dir + QLatin1Char('/') + interface, QStringLiteral("bInterfaceClass"),
                       QStringLiteral("08"));
        link(dir + QLatin1Char('/') + interface, sys(QStringLiteral("bus/usb/devices/")) + interface);
    }
}

void FakeDrives::addDisk(const QString &port, const QString &disk)
{
    const int host = m_disks++;
    const QString scsi = QStringLiteral("/host%1/target%1:0:0/%1:0:0:0/block/").arg(host);
    const QString parent = port.isEmpty()
        ? sys(kSataController)
        : m_usbDirs.value(port) + QLatin1Char('/') + port + QStringLiteral(":1.0");
    if (!port.isEmpty() && !m_usbDirs.contains(port))
        qFatal("FakeDrives: no USB device at %s", qPrintable(port));
    const QString dir = parent + scsi + disk;
    makeDir(dir);
    const QString number = QStringLiteral("8:%1").arg(16 * (host + 1));
    writeAttribute(dir, QStringLiteral("dev"), number);
    writeAttribute(dir, QStringLiteral("removable"), port.isEmpty() ? "0" : "1");
    link(dir, sys(QStringLiteral("block/")) + disk);
    m_blockDirs.insert(disk, dir);
    m_devNumbers.insert(disk, number);
}

QString FakeDrives::addPartition(const QString &disk, int number)
{
    if (!m_blockDirs.contains(disk))
        qFatal("FakeDrives: no disk %s", qPrintable(disk));
    const QString name = disk + (disk.back().isDigit() ? QStringLiteral("p") : QString())
        + QString::number(number);
    const QString dir = m_blockDirs.value(disk) + QLatin1Char('/') + name;
    makeDir(dir);
    const int diskMinor = m_devNumbers.value(disk).section(QLatin1Char(':'), 1).toInt();
    const QString devNumber = QStringLiteral("8:%1").arg(diskMinor + number);
    writeAttribute(dir, QStringLiteral("partition"), QString::number(number));
    writeAttribute(dir, QStringLiteral("dev"), devNumber);
    m_blockDirs.insert(name, dir);
    m_devNumbers.insert(name, devNumber);
    return name;
}

void FakeDrives::addMount(const QString &blockDevice, const QString &mountPoint,
                          const QString &fsRoot)
{
    if (!m_devNumbers.contains(blockDevice))
        qFatal("FakeDrives: no block device %s", qPrintable(blockDevice));
    appendMountLine(m_devNumbers.value(blockDevice), fsRoot, mountPoint,
                    QStringLiteral("/dev/") + blockDevice);
}

void FakeDrives::addOtherMount(const QString &deviceNumber, const QString &mountPoint)
{
    appendMountLine(deviceNumber, QStringLiteral("/"), mountPoint, QStringLiteral("tmpfs"));
}

void FakeDrives::appendMountLine(const QString &deviceNumber, const QString &fsRoot,
                                 const QString &mountPoint, const QString &source)
{
    const int id = 30 + m_mounts++;
    QFile file(m_root + QStringLiteral("/proc/self/mountinfo"));
    const QByteArray line = QByteArray::number(id) + " 1 " + deviceNumber.toLatin1() + ' '
        + escapeMountField(fsRoot) + ' ' + escapeMountField(mountPoint)
        + " rw,nosuid,nodev,relatime shared:" + QByteArray::number(id) + " - vfat "
        + escapeMountField(source) + " rw,fmask=0022,dmask=0022\n";
    if (!file.open(QIODevice::Append) || file.write(line) != line.size())
        qFatal("FakeDrives: cannot write the mount table");
}

QString FakeDrives::mountFolder(const QString &label) const
{
    const QString path = m_root + QStringLiteral("/media/") + label;
    makeDir(path);
    return path;
}

QString FakeDrives::plugStick(const QString &serial, const QString &label)
{
    QString port;
    do {
        port = QStringLiteral("2-%1").arg(m_nextPort++);
    } while (m_usbDirs.contains(port));
    addUsbDevice(port, serial);
    QString disk;
    for (char letter = 'b'; disk.isEmpty() || m_blockDirs.contains(disk); ++letter)
        disk = QStringLiteral("sd") + QLatin1Char(letter);
    addDisk(port, disk);
    const QString partition = addPartition(disk, 1);
    const QString mountPoint = mountFolder(label);
    addMount(partition, mountPoint);
    return mountPoint + QLatin1Char('/');
}
