#include "filefixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace FileFixture {

qint64 endedProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    return child;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool symlink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

int mode(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

} // namespace FileFixture

HeldFile::HeldFile(const QString &path)
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
{
}

HeldFile::~HeldFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray HeldFile::bytes() const
{
    const qint64 length = size();
    if (length < 0)
        return QByteArray();
    QByteArray out(int(length), '\0');
    qint64 done = 0;
    while (done < length) {
        const ssize_t got = ::pread(m_fd, out.data() + done, size_t(length - done), off_t(done));
        if (got <= 0)
            break;
        done += got;
    }
    out.truncate(int(done));
    return out;
}

qint64 HeldFile::size() const
{
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return -1;
    return qint64(st.st_size);
}

quint64 HeldFile::inode() const
{
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return 0;
    return quint64(st.st_ino);
}
