#include "replacingfile.h"

#include "fileutils.h"
#include "safefile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReplacingFile::ReplacingFile(const QString &target) : m_target(target) {}

ReplacingFile::~ReplacingFile()
{
    cancelWriting();
}

bool ReplacingFile::openBeside(Target target, QString *error)
{
    const bool vaultRule = target != PlainFile;
    unsigned int mode = 0600;
    bool keepMode = target == NewVaultBody;
    if (target == VaultBody) {
        if (!SafeFile::replacementMode(m_target, &mode, error))
            return false;
        keepMode = true;
    } else if (target == PlainFile) {
        struct stat st;
        if (::stat(QFile::encodeName(m_target).constData(), &st) == 0) {
            mode = st.st_mode & 07777;
            keepMode = true;
        }
    }
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    bool madeFolder = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = m_target + QLatin1Char('.');
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        // The umask applies to a new file as it does to any other.
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              vaultRule ? 0600 : 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            // A vault body's sub-folder is made when its first body is
            // written, not looked for before each one. When it can't be,
            // mkdir's errno tells why (a read-only drive, say).
            if (errno == ENOENT && vaultRule && !madeFolder) {
                madeFolder = true;
                if (FileUtils::makeFolder(QFileInfo(m_target).path()))
                    continue;
            }
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        // The mode open() gave it is often the one wanted already.
        const unsigned int created = (vaultRule ? 0600u : 0666u) & ~SafeFile::processUmask();
        if (keepMode && mode != created)
            SafeFile::applyMode(fd, mode);
        m_temporary = name;
        // The descriptor stays ours: its close() reports a failed write-back too.
        if (!QFile::open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            if (error)
                *error = errorString();
            ::close(fd);
            ::unlink(QFile::encodeName(name).constData());
            return false;
        }
        m_fd = fd;
        m_made = true;
        return true;
    }
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(EEXIST));
    return false;
}

bool ReplacingFile::commit(bool sync)
{
    if (!m_made || !isOpen()) {
        errno = EBADF;
        return false;
    }
    bool ok = flush() && (!sync || ::fsync(m_fd) == 0);
    int reason = errno;
    QFile::close();
    if (::close(m_fd) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    m_fd = -1;
    if (ok && std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0) {
        ok = false;
        reason = errno;
    }
    if (!ok) {
        cancelWriting();
        errno = reason;
        return false;
    }
    m_made = false;
    if (sync)
        SafeFile::syncFolder(QFileInfo(m_target).absolutePath());
    return true;
}

void ReplacingFile::cancelWriting()
{
    if (!m_made)
        return;
    if (isOpen())
        QFile::close();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    ::unlink(QFile::encodeName(m_temporary).constData());
    m_made = false;
}
