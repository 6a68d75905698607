#include "localrename.h"

#include "tavlogging.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace LocalRename {

bool renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system that cannot promise it (some FUSE ones) gets the test
    // below; any other error is the answer.
    if (errno != EINVAL && errno != ENOSYS) {
        LOG_ERROR << "cannot rename" << from << "to" << to << std::strerror(errno);
        return false;
    }
#endif
    struct stat st;
    if (::lstat(target.constData(), &st) == 0 || errno != ENOENT) {
        LOG_ERROR << "cannot rename" << from << "to" << to << ": the name is taken";
        return false;
    }
    if (::rename(source.constData(), target.constData()) != 0) {
        LOG_ERROR << "cannot rename" << from << "to" << to << std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace LocalRename
