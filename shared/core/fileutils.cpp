#include "fileutils.h"

#include "mounttable.h"
#include "platformutils.h"
#include "tavlogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QtConcurrent>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace {

QMutex tempPathMutex;
QString temppath;

constexpr qint64 kWipeBlock = 4096;
constexpr qint64 kCopyBlock = 64 * 1024;

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Overwrites the whole of an open regular file in place with one block of
// pseudo-random bytes (0 to 254) and forces the new bytes to the disk.
bool overwriteAndSync(int fd, const QString &path)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        LOG_ERROR << "FileUtils::wipe not a regular file" << path;
        return false;
    }
    // Another name still leads to these bytes: overwriting them would destroy
    // that file too. Only this name is removed.
    if (st.st_nlink > 1) {
        LOG_WARNING << "FileUtils::wipe has other links, not overwritten" << path;
        return false;
    }
    char buffer[kWipeBlock];
    QRandomGenerator *random = QRandomGenerator::global();
    for (char &byte : buffer)
        byte = char(random->bounded(255));

    const qint64 length = st.st_size;
    qint64 done = 0;
    while (done < length) {
        const size_t chunk = size_t(qMin(kWipeBlock, length - done));
        const ssize_t written = ::pwrite(fd, buffer, chunk, off_t(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            LOG_ERROR << "FileUtils::wipe write failed" << path << errnoText(errno);
            return false;
        }
        done += written;
    }
    if (::fsync(fd) != 0) {
        LOG_ERROR << "FileUtils::wipe fsync failed" << path << errnoText(errno);
        return false;
    }
    return true;
}

// Opens the entry `name` of the folder `dirFd` for wiping without following a
// link. A read-only file of ours is made writable for the overwrite (and its
// mode put back), through its descriptor so that no link can be slipped in.
bool wipeAt(int dirFd, const QByteArray &name, const QString &path)
{
    LOG_DEBUG << "FileUtils::wipeFile " << path;
    int fd = ::openat(dirFd, name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    int restoreFd = -1;
    mode_t restoreMode = 0;
    if (fd < 0 && errno == EACCES) {
        const int pathFd = ::openat(dirFd, name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        struct stat st;
        if (pathFd >= 0 && ::fstat(pathFd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(pathFd);
            if (::chmod(self.constData(), (st.st_mode & 07777) | S_IWUSR) == 0) {
                fd = ::open(self.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
                restoreFd = pathFd;
                restoreMode = st.st_mode & 07777;
            }
        }
        if (restoreFd < 0 && pathFd >= 0)
            ::close(pathFd);
    }
    if (fd < 0) {
        LOG_ERROR << "FileUtils::wipe cannot open" << path << errnoText(errno);
        return false;
    }
    const bool ok = overwriteAndSync(fd, path);
    ::close(fd);
    if (restoreFd >= 0) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(restoreFd);
        ::chmod(self.constData(), restoreMode);
        ::close(restoreFd);
    }
    return ok;
}

QString childPath(const QString &parent, const QByteArray &name)
{
    return parent + QLatin1Char('/') + QFile::decodeName(name);
}

// Removes the folder `name` of the folder `parentFd` depth first. Works on
// descriptors and never follows a link, so a link swapped in mid-way can't
// send the removal outside the tree.
bool removeTreeAt(int parentFd, const QByteArray &name, bool secure, const QString &path)
{
    LOG_DEBUG << "FileUtils::removeDir" << path;
    const int fd = ::openat(parentFd, name.constData(),
                            O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        LOG_ERROR << "FileUtils::removeDir cannot open" << path << errnoText(errno);
        return false;
    }
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    QList<QByteArray> entries;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        if (entryName != "." && entryName != "..")
            entries.append(entryName);
    }
    // Failures of single entries are logged and the walk goes on; the removal
    // of the folder itself then fails and says so.
    for (const QByteArray &entryName : entries) {
        const QString entryPath = childPath(path, entryName);
        struct stat st;
        if (::fstatat(fd, entryName.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            removeTreeAt(fd, entryName, secure, entryPath);
            continue;
        }
        if (secure && S_ISREG(st.st_mode))
            wipeAt(fd, entryName, entryPath);
        if (::unlinkat(fd, entryName.constData(), 0) != 0)
            LOG_ERROR << "FileUtils::removeDir cannot remove" << entryPath << errnoText(errno);
    }
    ::closedir(dir);
    if (::unlinkat(parentFd, name.constData(), AT_REMOVEDIR) != 0) {
        LOG_ERROR << "FileUtils::removeDir cannot remove" << path << errnoText(errno);
        return false;
    }
    return true;
}

bool isFatType(const QString &type)
{
    return type == QLatin1String("vfat") || type == QLatin1String("msdos")
        || type == QLatin1String("fat") || type == QLatin1String("umsdos");
}

// The path with links resolved as far as it exists, so that a link into
// another volume is judged by the volume that holds its target.
QString resolvedPath(const QString &path)
{
    QString existing = QDir::cleanPath(path);
    QString rest;
    while (!existing.isEmpty() && existing != QLatin1String("/") && !QFileInfo::exists(existing)) {
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        rest.prepend(existing.mid(slash));
        existing = slash > 0 ? existing.left(slash) : QStringLiteral("/");
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    if (canonical.isEmpty())
        return QDir::cleanPath(path);
    return QDir::cleanPath(canonical + rest);
}

} // namespace

bool FileUtils::wipe(const QString &path)
{
    return wipeAt(AT_FDCWD, QFile::encodeName(path), path);
}

bool FileUtils::removeFile(const QString &path, bool secure)
{
    LOG_DEBUG << "FileUtils::removeFile " << path;
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::lstat(native.constData(), &st) != 0) {
        LOG_ERROR << "FileUtils::removeFile cannot find" << path << errnoText(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode))
        return removeDir(path, secure);
    if (secure && S_ISREG(st.st_mode))
        wipeAt(AT_FDCWD, native, path);
    if (::unlink(native.constData()) != 0) {
        LOG_ERROR << "FileUtils::removeFile cannot remove" << path << errnoText(errno);
        return false;
    }
    return true;
}

bool FileUtils::removeDir(const QString &path, bool secure)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    const int slash = clean.lastIndexOf(QLatin1Char('/'));
    const QString name = clean.mid(slash + 1);
    if (path.isEmpty() || name.isEmpty() || name == QLatin1String("..")) {
        LOG_ERROR << "FileUtils::removeDir refuses" << path;
        return false;
    }
    const QByteArray nativeName = QFile::encodeName(name);
    const QString parent = slash > 0 ? clean.left(slash) : QStringLiteral("/");

    struct stat st;
    if (::lstat(QFile::encodeName(clean).constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // A link to a folder: the link goes, the folder it points to stays.
        LOG_DEBUG << "FileUtils::removeDir" << path;
        if (::unlink(QFile::encodeName(clean).constData()) != 0) {
            LOG_ERROR << "FileUtils::removeDir cannot remove" << path << errnoText(errno);
            return false;
        }
        return true;
    }

    const int parentFd = ::open(QFile::encodeName(parent).constData(),
                                O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0) {
        LOG_ERROR << "FileUtils::removeDir cannot open" << parent << errnoText(errno);
        return false;
    }
    const bool ok = removeTreeAt(parentFd, nativeName, secure, clean);
    ::close(parentFd);
    return ok;
}

void FileUtils::removeList(const QStringList &paths, bool secure)
{
    LOG_DEBUG << "FileUtils::removeList " << paths;
    for (const QString &path : paths)
        removeFile(path, secure);
}

bool FileUtils::remove(const QString &path, bool secure)
{
    return removeFile(path, secure);
}

void FileUtils::remove(const QStringList &paths, bool secure)
{
    removeList(paths, secure);
}

void FileUtils::removeDelayed(const QString &path, bool secure)
{
    LOG_DEBUG << "FileUtils::removeDelayed" << path;
    QtConcurrent::run([path, secure] { removeFile(path, secure); });
}

void FileUtils::removeDelayed(const QStringList &paths, bool secure)
{
    QtConcurrent::run([paths, secure] { removeList(paths, secure); });
}

bool FileUtils::copy(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "FileUtils::copy cannot open" << source << in.errorString();
        return false;
    }
    const QFileInfo targetInfo(target);
    // Written beside the target and renamed over it once complete: a failed
    // copy never costs the old target.
    QTemporaryFile out(targetInfo.absolutePath() + QLatin1String("/.")
                       + targetInfo.fileName() + QLatin1String(".XXXXXX"));
    if (!out.open()) {
        LOG_ERROR << "FileUtils::copy cannot create a file beside" << target << out.errorString();
        return false;
    }
    QByteArray buffer;
    for (;;) {
        buffer = in.read(kCopyBlock);
        if (buffer.isEmpty()) {
            if (in.error() != QFileDevice::NoError || !in.atEnd()) {
                LOG_ERROR << "FileUtils::copy read failed" << source << in.errorString();
                return false;
            }
            break;
        }
        if (out.write(buffer) != buffer.size()) {
            LOG_ERROR << "FileUtils::copy write failed" << target << out.errorString();
            return false;
        }
    }
    if (!out.flush() || ::fsync(out.handle()) != 0) {
        LOG_ERROR << "FileUtils::copy flush failed" << target << out.errorString();
        return false;
    }
    out.setPermissions(in.permissions());
    if (::rename(QFile::encodeName(out.fileName()).constData(),
                 QFile::encodeName(target).constData()) != 0) {
        LOG_ERROR << "FileUtils::copy cannot replace" << target << errnoText(errno);
        return false;
    }
    out.setAutoRemove(false);
    return true;
}

bool FileUtils::rename(const QString &source, const QString &target)
{
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    // rename(2) replaces the target in one step; if it fails the target stays.
    if (::rename(from.constData(), to.constData()) == 0)
        return true;
    const int error = errno;
    struct stat st;
    if (error == EXDEV && ::lstat(from.constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        // Another volume: copy whole, then drop the source.
        if (!copy(source, target))
            return false;
        if (::unlink(from.constData()) != 0) {
            LOG_ERROR << "FileUtils::rename cannot remove" << source << errnoText(errno);
            return false;
        }
        return true;
    }
    LOG_ERROR << "FileUtils::rename failed" << source << target << errnoText(error);
    return false;
}

QString FileUtils::getTempPath()
{
    QMutexLocker lock(&tempPathMutex);
    if (temppath.isEmpty())
        temppath = QDir::tempPath();
    return temppath;
}

bool FileUtils::setTempPath(const QString &path)
{
    {
        QMutexLocker lock(&tempPathMutex);
        temppath = path;
    }
    return QDir().mkpath(path);
}

QString FileUtils::genTempFileName()
{
    return getTempPath() + QLatin1Char('/') + QUuid::createUuid().toString() + QLatin1String(".tmp");
}

QString FileUtils::makeUniqueTempPath()
{
    const QString base = getTempPath();
    const QString path = base + QLatin1Char('/') + QUuid::createUuid().toString();
    QDir().mkpath(base);
    // Decrypted copies go in here: readable by the user alone.
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0)
        LOG_ERROR << "FileUtils::makeUniqueTempPath cannot create" << path << errnoText(errno);
    return path;
}

QString FileUtils::UuidToFileName(const QUuid &id)
{
    return id.toString(QUuid::Id128);
}

QUuid FileUtils::FileNameToUuid(const QString &name)
{
    if (name.size() != 32)
        return QUuid();
    for (const QChar c : name) {
        const ushort u = c.unicode();
        const bool hex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (!hex)
            return QUuid();
    }
    QString text = name;
    text.insert(0, QLatin1Char('{'));
    text.insert(9, QLatin1Char('-'));
    text.insert(14, QLatin1Char('-'));
    text.insert(19, QLatin1Char('-'));
    text.insert(24, QLatin1Char('-'));
    text.insert(37, QLatin1Char('}'));
    return QUuid(text);
}

bool FileUtils::isPortableFileName(const QString &name)
{
    if (name.isEmpty() || name.size() > 255)
        return false;
    static const QString reserved = QStringLiteral("/\\:*?<>|");
    for (const QChar c : name) {
        if (reserved.contains(c))
            return false;
    }
    return true;
}

QString FileUtils::FileSizeToString(quint64 size)
{
    // Single precision, as the size has always been shown.
    const float value = float(size);
    if (size == 0)
        return QCoreApplication::translate("FileUtils", "0 KB");
    if (size <= 1024)
        return QCoreApplication::translate("FileUtils", "1 KB");
    if (size <= 1048576)
        return QCoreApplication::translate("FileUtils", "%1 KB")
            .arg(double(value * (1.0f / 1024.0f)), 0, 'f', 2);
    if (size <= 1073741824)
        return QCoreApplication::translate("FileUtils", "%1 MB")
            .arg(double(value * (1.0f / 1048576.0f)), 0, 'f', 2);
    return QCoreApplication::translate("FileUtils", "%1 GB")
        .arg(double(value * (1.0f / 1073741824.0f)), 0, 'f', 2);
}

quint64 FileUtils::getFileSize(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? quint64(info.size()) : 0;
}

namespace {

// The sizes of the regular files below an open folder (the descriptor is
// taken over). Each entry is looked at by its name in its folder, not by its
// whole path: a job's count of 100,000 files walks no path 100,000 times.
qint64 sizeBelow(int folder)
{
    DIR *listing = ::fdopendir(folder);
    if (!listing) {
        ::close(folder);
        return 0;
    }
    qint64 total = 0;
    while (const dirent *entry = ::readdir(listing)) {
        if (entry->d_name[0] == '.')
            continue; // hidden, and the folder and its parent
        const int at = ::dirfd(listing);
        struct stat st;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            if (::fstatat(at, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            isFolder = S_ISDIR(st.st_mode);
        }
        if (isFolder) {
            const int sub = ::openat(at, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0)
                total += sizeBelow(sub);
        } else if (::fstatat(at, entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode)) {
            total += st.st_size; // a link to a file counts as the file
        }
    }
    ::closedir(listing);
    return total;
}

} // namespace

qint64 FileUtils::getDirSize(const QString &path)
{
    // Hidden entries are left out and a link to a folder is not entered, as
    // in the add's own walk.
    const int folder = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return folder < 0 ? 0 : sizeBelow(folder);
}

qint64 FileUtils::getListFileSize(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths) {
        if (path == QLatin1String(".") || path == QLatin1String(".."))
            continue;
        if (QFileInfo(path).isDir())
            total += getDirSize(path);
        else
            total += qint64(getFileSize(path));
    }
    return total;
}

bool FileUtils::getFileSystemType(const QString &path, TAVFileSystemType *type,
                                  const QString &mountInfoPath)
{
    if (!path.startsWith(QLatin1Char('/')))
        return true;
    const QList<MountEntry> mounts =
        MountTable::read(mountInfoPath.isEmpty() ? MountTable::defaultPath() : mountInfoPath);
    if (mounts.isEmpty()) {
        LOG_DEBUG << "FileUtils::getFileSystemType cannot read the mount table";
        return true;
    }
    // The last entry of a mount point wins: it is the one mounted on top.
    QMap<QString, QString> typeOf;
    for (const MountEntry &entry : mounts)
        typeOf.insert(entry.mountPoint, entry.fileSystemType);

    // The longest mount point that holds the path as a whole component:
    // a volume "A" does not hold "AB".
    const QString target = resolvedPath(path);
    QString best;
    bool found = false;
    for (auto it = typeOf.cbegin(); it != typeOf.cend(); ++it) {
        const QString &mount = it.key();
        const bool holds = mount == QLatin1String("/") || target == mount
            || target.startsWith(mount + QLatin1Char('/'));
        if (holds && (!found || mount.size() > best.size())) {
            best = mount;
            found = true;
        }
    }
    if (!found)
        return true;
    *type = isFatType(typeOf.value(best)) ? TAV_FS_FAT : TAV_FS_OTHER;
    return false;
}

qint64 FileUtils::size(const QString &path)
{
    return QFileInfo(path).size();
}

namespace {

QDateTime createdOf(const QFileInfo &info)
{
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

} // namespace

QDateTime FileUtils::created(const QString &path)
{
    return createdOf(QFileInfo(path));
}

void FileUtils::dates(const QString &path, QDateTime *created, QDateTime *modified)
{
    dates(QFileInfo(path), created, modified);
}

void FileUtils::dates(const QFileInfo &info, QDateTime *created, QDateTime *modified)
{
    *created = createdOf(info);
    *modified = info.lastModified();
}

QDateTime FileUtils::modified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

QDateTime FileUtils::accessed(const QString &path)
{
    return QFileInfo(path).lastRead();
}

QString FileUtils::getFileExtention(const QString &path)
{
    return QFileInfo(path).completeSuffix();
}

QString FileUtils::getFilePath(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

QString FileUtils::getFileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

void FileUtils::makePath(const QString &path)
{
    QDir().mkpath(path);
}

bool FileUtils::makeFolder(const QString &path)
{
    // One mkdir tells; something else in its place fails the writes into it.
    return ::mkdir(QFile::encodeName(path).constData(), 0777) == 0 || errno == EEXIST;
}

int FileUtils::setModificationTime(const QString &path, const QDateTime &time)
{
    struct utimbuf times;
    times.actime = time_t(time.toSecsSinceEpoch());
    times.modtime = times.actime;
    return ::utime(QFile::encodeName(path).constData(), &times) == 0 ? 0 : -1;
}

void FileUtils::setVaultDirIcon(const QString &dir)
{
    PlatformUtils::setVaultDirIcon(dir);
}
