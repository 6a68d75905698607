#include "backup.h"

#include "backupheader.h"
#include "fileutils.h"
#include "masterkey.h"
#include "safefile.h"
#include "tavlogging.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint64 kChunk = 65536;
const QLatin1String kHeaderName("vaultinfo.dat");
const QLatin1String kNameFormat("yyyy-MM-dd_hh-mm-ss");

// Data files (suffix empty or "dat") go into a backup and back; the header
// never does, nor sync state, icons or the Finder's hidden files.
bool takesFile(const QString &name)
{
    if (name == kHeaderName)
        return false;
    const QString suffix = QFileInfo(name).suffix();
    return suffix.isEmpty() || suffix == QLatin1String("dat");
}

// Puts everything written on the volume of `folder` onto the disk. One pass
// for the whole backup instead of one per file: the header is committed only
// after it.
bool syncVolume(const QString &folder, QString *error)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
#ifdef __linux__
    const int rc = ::syncfs(fd);
#else
    ::sync();
    const int rc = 0;
#endif
    const int saved = errno;
    ::close(fd);
    if (rc != 0) {
        *error = QString::fromLocal8Bit(std::strerror(saved));
        return false;
    }
    return true;
}

bool isLink(const QString &path)
{
    return QFileInfo(path).isSymLink();
}

// The time and the serial (1, or n of "_n") of a backup folder's name.
bool parseBackupName(const QString &name, QDateTime *time, int *serial)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2})(?:_([1-9]\\d{0,8}))?$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    const QDateTime parsed = QDateTime::fromString(match.captured(1), kNameFormat);
    if (!parsed.isValid())
        return false;
    *time = parsed;
    *serial = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    return true;
}

// The header of a backup folder. 0 read; 1 cannot open; 2 version; 3 an
// exception; 4 invalid IV (only when checkIv); 5 cut short or damaged.
int loadHeader(const QString &folder, BackupHeader *out, bool checkIv)
{
    const QString path = folder + QLatin1Char('/') + kHeaderName;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "unable to open file" << path << file.errorString();
        return 1;
    }
    try {
        if (file.size() > BackupHeader::kMaxBytes) {
            LOG_ERROR << "damaged header" << path << "of" << file.size() << "bytes";
            return 5;
        }
        const QByteArray bytes = file.read(BackupHeader::kMaxBytes + 1);
        if (file.error() != QFileDevice::NoError) {
            LOG_ERROR << "unable to read file" << path << file.errorString();
            return 5;
        }
        BackupHeader header;
        switch (BackupHeader::fromBytes(bytes, &header)) {
        case BackupHeader::Parsed:
            break;
        case BackupHeader::WrongVersion:
            LOG_ERROR << "file is not the right version";
            return 2;
        case BackupHeader::Damaged:
            LOG_ERROR << "damaged header" << path;
            return 5;
        }
        if (checkIv && !header.hasValidIv()) {
            LOG_ERROR << "invalid iv in header";
            return 4;
        }
        *out = header;
        return 0;
    } catch (const std::exception &e) {
        LOG_ERROR << "error reading datastream header" << e.what();
        return 3;
    }
}

} // namespace

Backup::Backup(QObject *parent) : QObject(parent) {}

int Backup::failCopy(const QString &reason)
{
    m_error = reason;
    return CopyFailed;
}

namespace {

// The real path of a folder that may not exist yet: the deepest part that
// exists with its links resolved, then the rest as given. A backup location
// reached through a link to the vault folder is then seen to lie inside it.
QString canonicalEvenIfMissing(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList rest;
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/")) {
        rest.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).absolutePath();
    }
    QString real = QFileInfo(existing).canonicalFilePath();
    if (real.isEmpty())
        real = existing;
    for (const QString &part : qAsConst(rest))
        real += (real.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + part;
    return QDir::cleanPath(real);
}

} // namespace

int Backup::folderToFolder(const QString &vaultFolder, const QString &backupFolder, const QString &vaultName,
                           quint64 size, const TAVKey &vaultKey)
{
    m_error.clear();
    LOG_DEBUG << "FoldertoFolder backup" << vaultFolder << backupFolder;
    if (!QFileInfo(vaultFolder).isDir()) {
        LOG_ERROR << "source folder" << vaultFolder << "does not exist";
        m_error = tr("the vault folder %1 does not exist.").arg(vaultFolder);
        return SourceMissing;
    }
    const QString vaultPath = QFileInfo(vaultFolder).canonicalFilePath();
    const QString backupPath = canonicalEvenIfMissing(backupFolder);
    if (backupPath == vaultPath || backupPath.startsWith(vaultPath + QLatin1Char('/'))) {
        LOG_ERROR << "backup folder" << backupFolder << "lies inside the vault folder" << vaultFolder;
        m_error = tr("the backup location lies inside the vault folder.");
        return CopyFailed;
    }

    // Made before anything is written: without random bytes or a key that
    // can be wrapped there is no header, so there must be no folder either.
    BackupHeader header;
    switch (BackupHeader::make(vaultName, size, vaultKey, MasterKey::key, &header)) {
    case BackupHeader::Made:
        break;
    case BackupHeader::NoRandomBytes:
        m_error = tr("no random bytes could be had for the backup's key check.");
        return HeaderRefused;
    case BackupHeader::KeyRefused:
        LOG_ERROR << "the vault key cannot be wrapped for the backup header";
        m_error = tr("the vault key could not be protected for the backup's key check.");
        return HeaderRefused;
    }

    FileUtils::makePath(backupFolder);
    const QString headerPath = backupFolder + QLatin1Char('/') + kHeaderName;
    // An earlier header would vouch for a mix of old and new files while this
    // copy runs, and for whatever is left if it fails.
    if ((QFileInfo::exists(headerPath) || isLink(headerPath)) && !QFile::remove(headerPath)) {
        LOG_ERROR << "error opening" << headerPath << "cannot remove the earlier header";
        m_error = tr("the earlier key check %1 could not be removed.").arg(headerPath);
        return HeaderFailed;
    }
    QSaveFile file(headerPath);
    QString error;
    if (!SafeFile::open(file, &error)) {
        LOG_ERROR << "error opening" << headerPath << error;
        m_error = tr("the key check %1 could not be written: %2").arg(headerPath, error);
        return HeaderFailed;
    }
    const QByteArray bytes = header.toBytes();
    if (file.write(bytes) != bytes.size()) {
        LOG_ERROR << "error writing" << headerPath << file.errorString();
        m_error = tr("the key check %1 could not be written: %2").arg(headerPath, file.errorString());
        file.cancelWriting();
        return HeaderFailed;
    }

    if (toFolder(vaultFolder, backupFolder) != 0) {
        file.cancelWriting();
        return CopyFailed;
    }
    if (!syncVolume(backupFolder, &error)) {
        LOG_ERROR << "cannot sync backup" << backupFolder << error;
        file.cancelWriting();
        return failCopy(tr("the copied files could not be written to the disk: %1").arg(error));
    }
    // The commit mark: only now does the folder hold a backup.
    if (!SafeFile::commit(file)) {
        LOG_ERROR << "error writing" << headerPath << file.errorString();
        m_error = tr("the key check %1 could not be written: %2").arg(headerPath, file.errorString());
        return HeaderFailed;
    }
    SafeFile::syncFolder(backupFolder);
    return Written;
}

int Backup::folderToFolder(const QString &backupFolder, const QString &vaultFolder)
{
    m_error.clear();
    if (!QFileInfo(backupFolder).isDir()) {
        LOG_ERROR << "source folder" << backupFolder << "does not exist";
        m_error = tr("the backup folder %1 does not exist.").arg(backupFolder);
        return 1;
    }
    FileUtils::makePath(vaultFolder);
    return toFolder(backupFolder, vaultFolder);
}

int Backup::folderToFolder(const QString &backupFolder, const QString &vaultFolder, const QStringList &last)
{
    m_deferred = last;
    const int result = folderToFolder(backupFolder, vaultFolder);
    m_deferred.clear();
    if (result != 0)
        return result;
    for (const QString &name : last) {
        const QFileInfo entry(backupFolder + QLatin1Char('/') + name);
        if (!entry.isFile() || entry.isSymLink())
            continue;
        if (copy(entry.absoluteFilePath(), vaultFolder + QLatin1Char('/') + name) != 0)
            return CopyFailed;
    }
    m_error.clear();
    return 0;
}

int Backup::toFolder(const QString &source, const QString &target)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir()) {
        LOG_ERROR << "source folder" << source << "does not exist";
        m_error = tr("the folder %1 does not exist.").arg(source);
        return 1;
    }
    // An unreadable folder would list as empty and lose its files unseen.
    if (!sourceInfo.isReadable() || !sourceInfo.isExecutable()) {
        LOG_ERROR << "cannot read folder" << source;
        return failCopy(tr("the folder %1 could not be read.").arg(source));
    }
    const QFileInfoList entries = QDir(source).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    // Deferred names are taken at the top only, and by the caller.
    const QStringList deferred = m_deferred;
    m_deferred.clear();
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (deferred.contains(name) && entry.isFile())
            continue;
        // A link would lead out of the vault folder, or round in a circle.
        if (entry.isSymLink()) {
            LOG_DEBUG << "skipping" << name;
            continue;
        }
        if (entry.isDir()) {
            const QString folder = target + QLatin1Char('/') + name;
            if (isLink(folder) || !QDir().mkpath(folder)) {
                LOG_ERROR << "cannot create folder" << folder;
                return failCopy(tr("the folder %1 could not be made.").arg(folder));
            }
            if (toFolder(entry.absoluteFilePath(), folder) != 0)
                return CopyFailed;
        } else if (entry.isFile() && takesFile(name)) {
            if (copy(entry.absoluteFilePath(), target + QLatin1Char('/') + name) != 0)
                return CopyFailed;
        } else {
            LOG_DEBUG << "skipping" << name;
            emit progress(entry.isFile() ? entry.size() : 0);
        }
    }
    m_error.clear();
    return 0;
}

int Backup::copy(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        LOG_ERROR << "cannot open file for read" << source << in.errorString();
        m_error = tr("%1 could not be read: %2").arg(source, in.errorString());
        return 1;
    }
    // Writing through a link would put the bytes wherever it points.
    if (isLink(target)) {
        LOG_ERROR << "cannot open file for write" << target << "it is a symbolic link";
        m_error = tr("%1 could not be written: it is a symbolic link.").arg(target);
        return 2;
    }
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        LOG_ERROR << "cannot open file for write" << target << out.errorString();
        m_error = tr("%1 could not be written: %2").arg(target, out.errorString());
        return 2;
    }
    out.setPermissions(in.permissions());

    std::unique_ptr<char[]> buffer(new char[kChunk]);
    qint64 copied = 0;
    for (;;) {
        const qint64 got = in.read(buffer.get(), kChunk);
        if (got < 0) {
            LOG_ERROR << "read failed" << source << in.errorString();
            m_error = tr("%1 could not be read: %2").arg(source, in.errorString());
            return 3;
        }
        // A short write is tried again, so a full disk is told by its own error.
        for (qint64 written = 0; written < got;) {
            const qint64 n = out.write(buffer.get() + written, got - written);
            if (n <= 0) {
                LOG_ERROR << "write failed" << target << out.errorString();
                m_error = tr("%1 could not be written: %2").arg(target, out.errorString());
                return 3;
            }
            written += n;
        }
        copied += got;
        emit progress(got);
        if (got < kChunk) {
            if (in.atEnd())
                break;
            if (got == 0) {
                LOG_ERROR << "read stopped early" << source;
                m_error = tr("%1 could not be read to its end.").arg(source);
                return 3;
            }
        }
    }
    if (out.size() != copied) {
        LOG_ERROR << "write fell short" << target << out.size() << "of" << copied;
        m_error = tr("%1 could not be written whole.").arg(target);
        return 3;
    }
    m_error.clear();
    return 0;
}

int Backup::checkKey(const QString &backupFolder, const TAVKey &unwrapKey, const TAVKey &vaultKey, TAVKey &out)
{
    BackupHeader header;
    if (loadHeader(backupFolder, &header, true) != 0) {
        LOG_ERROR << "readHeader failed";
        return 1;
    }
    if (header.opensWith(vaultKey)) {
        LOG_DEBUG << "the key is correct";
        out = vaultKey;
        return 0;
    }
    TAVKey unwrapped = header.storedKey;
    if (unwrapped.decrypt(unwrapKey) == 0 && header.opensWith(unwrapped)) {
        LOG_DEBUG << "the password is correct";
        out = unwrapped;
        return 0;
    }
    qDebug() << "Ask user password";
    return 2;
}

int Backup::checkKey(const QString &backupFolder, const TAVKey &unwrapKey, TAVKey &out)
{
    BackupHeader header;
    if (loadHeader(backupFolder, &header, true) != 0) {
        LOG_ERROR << "readHeader failed";
        return 1;
    }
    TAVKey unwrapped = header.storedKey;
    if (unwrapped.decrypt(unwrapKey) == 0 && header.opensWith(unwrapped)) {
        LOG_DEBUG << "the password is correct";
        out = unwrapped;
        return 0;
    }
    return 3;
}

int Backup::getVaultNameFromFile(const QString &backupFolder, QString &name)
{
    BackupHeader header;
    switch (loadHeader(backupFolder, &header, false)) {
    case 0:
        name = header.name;
        return 0;
    case 1:
        return 1;
    case 2:
        return 2;
    default:
        return 3;
    }
}

bool Backup::isBackupName(const QString &name)
{
    QDateTime time;
    int serial = 0;
    return parseBackupName(name, &time, &serial);
}

QString Backup::newBackupName(const QString &perVaultFolder, const QDateTime &time)
{
    const QString base = time.toString(kNameFormat);
    QString name = base;
    for (int serial = 2;; ++serial) {
        const QString path = perVaultFolder + QLatin1Char('/') + name;
        if (!QFileInfo::exists(path) && !isLink(path))
            return name;
        name = base + QLatin1Char('_') + QString::number(serial);
    }
}

int Backup::removeBackup(const QString &perVaultFolder, int numberToKeep, const QString &newBackup)
{
    struct Found {
        QDateTime time;
        int serial;
        QString path;
    };
    const QString kept = newBackup.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(newBackup).absoluteFilePath());
    // The new backup is one of those kept, whatever its name says of its time.
    int others = qMax(numberToKeep, 1) - (kept.isEmpty() ? 0 : 1);

    QDateTime keptTime;
    int keptSerial = 0;
    const bool keptNamed = !kept.isEmpty() && parseBackupName(QFileInfo(kept).fileName(), &keptTime, &keptSerial);

    QList<Found> found;
    int abandoned = 0;
    const QFileInfoList entries =
        QDir(perVaultFolder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        Found item;
        if (!parseBackupName(entry.fileName(), &item.time, &item.serial))
            continue;
        item.path = QDir::cleanPath(entry.absoluteFilePath());
        if (item.path == kept)
            continue;
        // A backup that never got its header (killed while it copied) and
        // is older than the one just made will never be finished: it goes.
        // One still being written by another run is newer, and stays.
        if (!QFileInfo::exists(item.path + QLatin1Char('/') + kHeaderName)) {
            if (keptNamed && (item.time < keptTime || (item.time == keptTime && item.serial < keptSerial))) {
                LOG_INFO << "removing the unfinished backup folder" << item.path;
                FileUtils::removeDelayed(item.path, false);
                ++abandoned;
            }
            continue;
        }
        // A folder without a header that reads is no backup: it is neither
        // counted as one kept nor removed.
        BackupHeader header;
        if (loadHeader(item.path, &header, true) != 0)
            continue;
        found.append(item);
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.time != b.time ? a.time > b.time : a.serial > b.serial;
    });
    int removed = 0;
    for (int i = others; i < found.size(); ++i) {
        LOG_INFO << "removing backup folder" << found.at(i).path;
        FileUtils::removeDelayed(found.at(i).path, false);
        ++removed;
    }
    return removed + abandoned;
}

int readHeader(const QString &folder, QByteArray &iv, quint32 &check, QString &name, TAVKey &storedKey)
{
    BackupHeader header;
    const int rc = loadHeader(folder, &header, true);
    if (rc != 0)
        return rc;
    iv = header.iv;
    check = header.check;
    name = header.name;
    storedKey = header.storedKey;
    return 0;
}

bool checkkey(const QByteArray &iv, const quint32 &check, const TAVKey &key)
{
    BackupHeader header;
    header.iv = iv;
    header.check = check;
    return !header.opensWith(key);
}
