#include "appstate.h"

#include "fileutils.h"
#include "tavlogging.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

QString AppState::tempPath;
QString AppState::mountPoint;
QString AppState::curLanguage;

namespace {

// A real folder (not a link) owned by us, with no access for anyone else.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700;
}

// Makes `path` as a new folder of ours with mode 0700; fails if anything of
// that name appeared meanwhile.
bool makePrivateFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) != 0)
        return false;
    // The umask can only take bits away; put the owner's back if it did.
    ::chmod(path.constData(), 0700);
    return isPrivateFolder(path);
}

} // namespace

bool AppState::setTempPath(const QString &baseFolder)
{
    const QString base = QDir::cleanPath(baseFolder.isEmpty() ? QDir::tempPath() : baseFolder);
    const QString preferred = base + QStringLiteral("/Kolvane Vave");
    const QByteArray native = QFile::encodeName(preferred);

    // Decrypted copies live in here: only a folder we make ourselves, mode
    // 0700, will do. What another user put under the name is never reused
    // nor removed.
    struct stat st;
    if (::lstat(native.constData(), &st) == 0) {
        if (st.st_uid == ::geteuid())
            FileUtils::remove(preferred, false);
        else
            LOG_WARNING << "Temporary folder owned by another user, not used:" << preferred;
    }

    QString chosen;
    if (makePrivateFolder(native)) {
        chosen = preferred;
    } else {
        QByteArray pattern = QFile::encodeName(preferred + QStringLiteral("-XXXXXX"));
        if (::mkdtemp(pattern.data()) && isPrivateFolder(pattern)) {
            chosen = QFile::decodeName(pattern);
            LOG_WARNING << "Temporary folder" << preferred << "not usable, using" << chosen;
        }
    }
    if (chosen.isEmpty()) {
        LOG_ERROR << "Cannot make a private temporary folder under" << base << std::strerror(errno);
        return false;
    }
    if (!FileUtils::setTempPath(chosen))
        return false;
    tempPath = chosen;
    return true;
}
