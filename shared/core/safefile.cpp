#include "safefile.h"

#include "tavlogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

SafeFile::Result SafeFile::writeWhole(const QString &target, const QByteArray &bytes, QString *error)
{
    QSaveFile file(target);
    if (!open(file, error))
        return OpenFailed;
    // The reason is taken before cancelWriting() replaces it with its own.
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        setError(error, file.errorString());
        file.cancelWriting();
        return WriteFailed;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return CommitFailed;
    }
    syncFolder(QFileInfo(target).absolutePath());
    return Written;
}

bool SafeFile::open(QSaveFile &file, QString *error)
{
    unsigned int mode = 0;
    if (!replacementMode(file.fileName(), &mode, error))
        return false;
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    // Before any content is in it.
    applyMode(file.handle(), mode);
    return true;
}

bool SafeFile::replacementMode(const QString &target, unsigned int *mode, QString *error)
{
    struct stat st;
    if (::lstat(QFile::encodeName(target).constData(), &st) != 0) {
        if (errno == ENOENT) {
            *mode = 0600;
            return true;
        }
        setError(error, QCoreApplication::translate("SafeFile", "Cannot write %1: %2")
                            .arg(target, QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    if (S_ISLNK(st.st_mode)) {
        const QString reason =
            QCoreApplication::translate("SafeFile", "Cannot write %1: it is a symbolic link").arg(target);
        setError(error, reason);
        return false;
    }
    // Anything but a file (a folder) is refused later, by the rename.
    *mode = S_ISREG(st.st_mode) ? st.st_mode & 0777 : 0600;
    return true;
}

unsigned int SafeFile::processUmask()
{
    // Read, not set and set back, which would race with other threads.
    static const unsigned int mask = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("Umask:"))
                    return line.mid(6).trimmed().toUInt(nullptr, 8) & 0777u;
            }
        }
        return 0022u;
    }();
    return mask;
}

void SafeFile::applyMode(int handle, unsigned int mode)
{
    if (::fchmod(handle, mode_t(mode)) != 0)
        LOG_DEBUG << "file mode not set:" << std::strerror(errno);
}

bool SafeFile::commit(QSaveFile &file, bool sync)
{
    if (!file.flush() || (sync && ::fsync(file.handle()) != 0)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void SafeFile::startWriteBack(int handle, qint64 from, qint64 to)
{
#if defined(Q_OS_LINUX)
    if (to > from)
        ::sync_file_range(handle, from, to - from, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(handle);
    Q_UNUSED(from);
    Q_UNUSED(to);
#endif
}

void SafeFile::syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool SafeFile::syncFileSystem(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        LOG_ERROR << "cannot open" << path << "to sync its file system:" << std::strerror(errno);
        return false;
    }
    const bool synced = ::syncfs(fd) == 0;
    if (!synced)
        LOG_ERROR << "syncing the file system of" << path << "failed:" << std::strerror(errno);
    ::close(fd);
    return synced;
}

QString SafeFile::temporaryNames(const QString &targets)
{
    // QSaveFile appends a dot and six random letters to the target's name.
    return QStringLiteral("(?:%1)\\.[A-Za-z0-9]{6}").arg(targets);
}

int SafeFile::removeLeftovers(const QString &folder, const QRegularExpression &names)
{
    const QRegularExpression whole(QRegularExpression::anchoredPattern(names.pattern()),
                                   names.patternOptions());
    int removed = 0;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : entries) {
        if (!whole.match(name).hasMatch())
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        if (QFile::remove(path)) {
            LOG_INFO << "removed the leftover of an interrupted save" << path;
            ++removed;
        } else {
            LOG_ERROR << "cannot remove the leftover of an interrupted save" << path;
        }
    }
    return removed;
}
