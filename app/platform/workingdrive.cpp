#include "workingdrive.h"

#include "linuxusblib.h"
#include "tavlogging.h"
#include "tavstickmanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char kRootVariable[] = "KOLVANE_DRIVE_ROOT";
constexpr int kMaxSerial = 128;

// A serial number as the registry and the vault list carry it: printable
// ASCII without blanks.
bool isSerial(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > kMaxSerial)
        return false;
    for (char c : text) {
        if (c < 0x21 || c > 0x7e)
            return false;
    }
    return true;
}

QByteArray newSerial()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex().toUpper();
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

WorkingDrive::WorkingDrive(const DriveLocator *usbDrives) : m_usbDrives(usbDrives)
{
    if (!m_usbDrives) {
        m_ownUsbDrives = new LinuxUSBLib();
        m_usbDrives = m_ownUsbDrives;
    }
}

WorkingDrive::~WorkingDrive()
{
    delete m_ownUsbDrives;
}

QString WorkingDrive::serialFileName()
{
    return QStringLiteral(".kolvanevave-drive-serial");
}

QHash<QString, USBStick> WorkingDrive::getUSBSticks() const
{
    QHash<QString, USBStick> sticks = m_usbDrives->getUSBSticks();
    if (m_hasStandIn)
        sticks.insert(m_standIn.getSerialNo(), m_standIn);
    return sticks;
}

bool WorkingDrive::fail(const QString &text)
{
    m_errorText = text;
    LOG_ERROR << "working drive:" << text;
    return false;
}

bool WorkingDrive::find(const QString &programPath)
{
    m_hasStandIn = false;
    m_standIn = USBStick();
    m_mountPoint.clear();
    m_serialNo.clear();
    m_errorText.clear();

    TAVStickManager::setDriveLocator(this);
    TAVStickManager::update();

    const QString program =
        programPath.isEmpty() ? QCoreApplication::applicationFilePath() : programPath;
    if (TAVStickManager::isFlashDrive(program)) {
        m_serialNo = TAVStickManager::getSerialByPath(program);
        m_mountPoint = TAVStickManager::getPathBySerialNo(m_serialNo);
        LOG_INFO << "working drive: the stick" << m_serialNo << "at" << m_mountPoint;
        return true;
    }

    if (!openStandIn())
        return false;
    m_hasStandIn = true;
    TAVStickManager::update();
    m_serialNo = m_standIn.getSerialNo();
    m_mountPoint = TAVStickManager::getPathBySerialNo(m_serialNo);
    LOG_INFO << "working drive: the folder" << m_mountPoint << "standing in as drive"
             << m_serialNo;
    return true;
}

bool WorkingDrive::openStandIn()
{
    QString folder = qEnvironmentVariable(kRootVariable);
    if (folder.isEmpty()) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (data.isEmpty() || QDir::isRelativePath(data))
            return fail(QCoreApplication::translate("WorkingDrive", "There is no data folder for the drive folder."));
        folder = data + QStringLiteral("/Drive");
    } else if (QDir::isRelativePath(folder)) {
        return fail(QCoreApplication::translate("WorkingDrive", "%1 must name a folder by its full path: %2")
                        .arg(QLatin1String(kRootVariable), folder));
    }
    folder = QDir::cleanPath(folder);

    // A folder named by hand that is not there (a stick not mounted, a typo)
    // is never made: only the default one is.
    if (!qEnvironmentVariableIsEmpty(kRootVariable) && !QFileInfo(folder).isDir())
        return fail(QCoreApplication::translate("WorkingDrive", "The drive folder %1 named by %2 does not exist.")
                        .arg(folder, QLatin1String(kRootVariable)));
    const bool made = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return fail(QCoreApplication::translate("WorkingDrive", "The drive folder %1 can't be made.").arg(folder));
    // It holds the settings and the default vault: for this user only.
    if (made)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folder = QFileInfo(folder).canonicalFilePath();
    if (folder == QLatin1String("/"))
        return fail(QCoreApplication::translate("WorkingDrive", "The drive folder can't be the root folder."));

    const QString serialPath = folder + QLatin1Char('/') + serialFileName();
    const QByteArray nativePath = QFile::encodeName(serialPath);
    if (!QFileInfo::exists(serialPath)) {
        // Written whole under a private name and linked into place, so a
        // second copy of the program starting at the same time finds either
        // no file or the complete one, and never replaces it.
        const QByteArray temp = QFile::encodeName(
            folder + QStringLiteral("/.serial-") + QString::number(::getpid()) + QStringLiteral(".tmp"));
        const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return fail(QCoreApplication::translate("WorkingDrive", "The drive's serial file %1 can't be made: %2")
                            .arg(serialPath, errnoText()));
        const bool written = writeAll(fd, newSerial() + '\n') && ::fsync(fd) == 0;
        const int closed = ::close(fd);
        if (!written || closed != 0) {
            const QString why = errnoText();
            ::unlink(temp.constData());
            return fail(QCoreApplication::translate("WorkingDrive", "The drive's serial file %1 can't be written: %2")
                            .arg(serialPath, why));
        }
        if (::link(temp.constData(), nativePath.constData()) != 0 && errno != EEXIST) {
            // A file system without hard links (FAT on a stick): moved
            // into place instead.
            if (::rename(temp.constData(), nativePath.constData()) != 0) {
                const QString why = errnoText();
                ::unlink(temp.constData());
                return fail(QCoreApplication::translate("WorkingDrive", "The drive's serial file %1 can't be made: %2")
                                .arg(serialPath, why));
            }
        }
        ::unlink(temp.constData());
    }

    QFile file(serialPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("WorkingDrive", "The drive's serial file %1 can't be read: %2")
                        .arg(serialPath, file.errorString()));
    const QByteArray serial = file.read(kMaxSerial + 2).trimmed();
    if (!isSerial(serial) || !file.atEnd())
        return fail(QCoreApplication::translate("WorkingDrive", "The drive's serial file %1 is damaged.").arg(serialPath));

    m_standIn = USBStick(QString::fromLatin1(serial), folder + QLatin1Char('/'), 0, 0);
    return true;
}
