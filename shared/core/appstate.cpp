#include "appstate.h"

#include "fileutils.h"
#include "tavlogging.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

QString AppState::tempPath;
QString AppState::mountPoint;
QString AppState::curLanguage;
QStringList AppState::keptCopies;
const char AppState::keptListName[] = "kept-copies";

namespace {

const QString kTopName = QStringLiteral("Kolvane Vave");

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

// An existing real folder of ours made private again (a crash or another
// tool may have widened it); through its descriptor, so no link is followed.
bool makeExistingPrivate(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    const bool ok = ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return ok && isPrivateFolder(path);
}

// A fresh private folder from a mkdtemp pattern ending in "XXXXXX".
QString makeUniqueFolder(const QString &pattern)
{
    QByteArray native = QFile::encodeName(pattern);
    if (!::mkdtemp(native.data()) || !isPrivateFolder(native))
        return QString();
    return QFile::decodeName(native);
}

bool ownedByUs(const QString &path, struct stat *st)
{
    return ::lstat(QFile::encodeName(path).constData(), st) == 0 && st->st_uid == ::geteuid();
}

// Whether a process of this id may be running. One we can't signal (another
// user's) counts as running: its folder is never ours to judge.
bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid != qint64(pid_t(pid)))
        return false;
    if (pid == qint64(::getpid()))
        return false; // our folder is the one just made; this is an earlier run's
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// The copies an ended run listed as holding changes not in their vault and
// that are still in its folder.
QStringList listedCopies(const QString &folder)
{
    const QString listPath = folder + QLatin1Char('/') + QLatin1String(AppState::keptListName);
    struct stat st;
    if (!ownedByUs(listPath, &st) || !S_ISREG(st.st_mode))
        return {};
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly))
        return {};
    QStringList copies;
    for (const QByteArray &line : list.readAll().split('\n')) {
        const QString relative = QString::fromUtf8(QByteArray::fromPercentEncoding(line));
        if (relative.isEmpty() || QDir::isAbsolutePath(relative)
            || QDir::cleanPath(relative).startsWith(QLatin1String("..")))
            continue;
        const QString copy = folder + QLatin1Char('/') + QDir::cleanPath(relative);
        if (ownedByUs(copy, &st) && S_ISREG(st.st_mode))
            copies << copy;
    }
    return copies;
}

// Wipes and removes what ended runs left in a top folder; the folders of
// running processes, `own` and entries of other users stay.
void removeLeftovers(const QString &top, const QString &own)
{
    static const QRegularExpression processFolder(QStringLiteral("^([0-9]{1,10})-[A-Za-z0-9]{6}$"));
    const QStringList names = QDir(top).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                  | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QString path = top + QLatin1Char('/') + name;
        struct stat st;
        if (path == own || !ownedByUs(path, &st))
            continue;
        const QRegularExpressionMatch match = processFolder.match(name);
        if (match.hasMatch() && S_ISDIR(st.st_mode)) {
            if (processRuns(match.captured(1).toLongLong()))
                continue;
            const QStringList kept = listedCopies(path);
            if (!kept.isEmpty()) {
                LOG_WARNING << "Copies with changes not in their vault kept from an earlier run:" << kept;
                AppState::keptCopies += kept;
                continue;
            }
        }
        // A dead process's folder, or anything else of ours: decrypted
        // copies of a run that ended. Links are removed, never followed.
        LOG_INFO << "Removing the leftover" << path;
        FileUtils::removeFile(path, true);
    }
}

} // namespace

bool AppState::setTempPath(const QString &baseFolder)
{
    const QString base = QDir::cleanPath(baseFolder.isEmpty() ? QDir::tempPath() : baseFolder);
    const QString preferred = base + QLatin1Char('/') + kTopName;
    const QByteArray native = QFile::encodeName(preferred);
    const QString pid = QString::number(::getpid());

    // Decrypted copies live in here: only a folder of ours, mode 0700, will
    // do. What another user put under the name is never reused nor removed;
    // a link or file of ours there is removed (as itself) and made anew.
    bool preferredUsable = false;
    struct stat st;
    if (::lstat(native.constData(), &st) == 0) {
        if (st.st_uid != ::geteuid()) {
            LOG_WARNING << "Temporary folder owned by another user, not used:" << preferred;
        } else if (S_ISDIR(st.st_mode)) {
            preferredUsable = makeExistingPrivate(native);
        } else {
            FileUtils::remove(preferred, false);
        }
    }
    if (!preferredUsable && ::lstat(native.constData(), &st) != 0)
        preferredUsable = makePrivateFolder(native);

    // This process's own folder goes in first, so that a copy starting at the
    // same time sees it running.
    QString top;
    QString own;
    if (preferredUsable) {
        top = preferred;
        own = makeUniqueFolder(top + QLatin1Char('/') + pid + QStringLiteral("-XXXXXX"));
    }
    // Another run may remove an empty fallback folder before ours is in it.
    for (int attempt = 0; own.isEmpty() && attempt < 3; ++attempt) {
        top = makeUniqueFolder(preferred + QStringLiteral("-XXXXXX"));
        if (top.isEmpty())
            break;
        own = makeUniqueFolder(top + QLatin1Char('/') + pid + QStringLiteral("-XXXXXX"));
    }
    if (own.isEmpty()) {
        LOG_ERROR << "Cannot make a private temporary folder under" << base << std::strerror(errno);
        return false;
    }
    if (top != preferred)
        LOG_WARNING << "Temporary folder" << preferred << "not usable, using" << top;
    if (!FileUtils::setTempPath(own))
        return false;
    tempPath = own;

    keptCopies.clear();
    if (preferredUsable)
        removeLeftovers(preferred, own);
    // Fallback folders of earlier runs are looked at as well, and go once empty.
    const QStringList fallbacks = QDir(base).entryList({kTopName + QStringLiteral("-??????")},
                                                       QDir::Dirs | QDir::Hidden | QDir::System);
    for (const QString &name : fallbacks) {
        const QString path = base + QLatin1Char('/') + name;
        if (path == top || !ownedByUs(path, &st) || !S_ISDIR(st.st_mode))
            continue;
        removeLeftovers(path, own);
        ::rmdir(QFile::encodeName(path).constData()); // only when empty
    }
    return true;
}
