#include "tavfilewatcher.h"

#include "appstate.h"
#include "fileutils.h"
#include "prompter.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <sys/stat.h>
#include <time.h>

namespace {

// File systems keep times from nanoseconds (ext4, tmpfs) to two seconds
// (FAT); a save within this much of the last change may leave the same times.
constexpr qint64 kTimeResolutionNs = 2000000000LL;

qint64 nanoseconds(const struct timespec &t)
{
    return qint64(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

QByteArray checksumOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace

TAVFileWatcher::TAVFileWatcher() : watcher(new QFileSystemWatcher)
{
    connect(watcher, &QFileSystemWatcher::fileChanged, this, &TAVFileWatcher::on_fileChanged);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &TAVFileWatcher::on_directoryChanged);
}

TAVFileWatcher::~TAVFileWatcher()
{
    removeWatchingFiles();
    delete watcher;
}

TAVFileWatcher::Snapshot TAVFileWatcher::snapshotOf(const QString &path)
{
    Snapshot s;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.device = quint64(st.st_dev);
    s.inode = quint64(st.st_ino);
    s.size = qint64(st.st_size);
    s.modifiedNs = nanoseconds(st.st_mtim);
    s.changedNs = nanoseconds(st.st_ctim);
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    s.recent = nanoseconds(now) - qMax(s.modifiedNs, s.changedNs) < kTimeResolutionNs;
    s.checksum = checksumOf(path);
    return s;
}

bool TAVFileWatcher::unchanged(const Snapshot &saved, const QString &path)
{
    struct stat st;
    if (!saved.exists || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    // Another file (a save by renaming), another size or another time: a save.
    if (quint64(st.st_dev) != saved.device || quint64(st.st_ino) != saved.inode
        || qint64(st.st_size) != saved.size || nanoseconds(st.st_mtim) != saved.modifiedNs)
        return false;
    // The same times long after the last change: nothing was written.
    if (!saved.recent && nanoseconds(st.st_ctim) == saved.changedNs)
        return true;
    // A save too close to the last to tell by the times, or one that put the
    // old time back, or only a change of permissions: the content decides.
    return checksumOf(path) == saved.checksum;
}

void TAVFileWatcher::addFile(const QString &path, TAVFile *file)
{
    if (watched.contains(path)) {
        LOG_ERROR << "file already monitored";
        return;
    }
    Entry entry;
    entry.file = file;
    entry.saved = snapshotOf(path);
    watched.insert(path, entry);
    watcher->addPath(path);
    watchFolder(path);
}

void TAVFileWatcher::removeFile(const QString &path)
{
    if (!watched.contains(path)) {
        LOG_ERROR << "file not found in watchlist";
        return;
    }
    synchronise(path);
    watcher->removePath(path);
    watched.remove(path);
    unwatchFolder(path);
}

bool TAVFileWatcher::isBeingWatched(const QString &path) const
{
    return watched.contains(path);
}

void TAVFileWatcher::removeWatchingFiles()
{
    const QStringList paths = watched.keys();
    for (const QString &path : paths)
        synchronise(path);
    for (const QString &path : paths) {
        watcher->removePath(path);
        if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
            FileUtils::remove(path, true);
    }
    // An editor's backup or swap file beside a copy is as plain as the copy.
    for (const QString &folder : qAsConst(ownFolders)) {
        if (QFileInfo(folder).exists())
            FileUtils::removeDir(folder, true);
    }
    for (auto it = folders.constBegin(); it != folders.constEnd(); ++it)
        watcher->removePath(it.key());
    watched.clear();
    folders.clear();
    ownFolders.clear();
}

QString TAVFileWatcher::openCopy(TAVFile *file)
{
    if (!file)
        throw TAVException(TAV_INVALID_POINTER);
    if (AppState::tempPath.isEmpty())
        throw TAVException(QStringLiteral("There is no temporary folder for the decrypted copy."));

    QString folder;
    for (auto it = watched.constBegin(); it != watched.constEnd(); ++it) {
        if (it.value().file == file) {
            const QString old = it.key();
            // A save not yet handled reaches the vault before the copy is made
            // anew. One that can't (told already) would be decrypted over or
            // wiped: the copy stays as it is, watched, for the next try.
            synchronise(old);
            const auto entry = watched.constFind(old);
            if (entry != watched.constEnd() && QFileInfo::exists(old) && !unchanged(entry->saved, old))
                throw TAVException(tr("%1 is open with changes that are not in the vault yet.").arg(old));
            folder = ownFolders.value(old);
            removeFile(old);
            if (QFileInfo(old).fileName() != file->GetName() && QFileInfo::exists(old))
                FileUtils::remove(old, true); // renamed since: the old name goes
            ownFolders.remove(old);
            break;
        }
    }
    const bool newFolder = folder.isEmpty();
    if (newFolder)
        folder = AppState::tempPath + QLatin1Char('/') + FileUtils::UuidToFileName(QUuid::createUuid());
    FileUtils::makePath(folder);
    const QString path = folder + QLatin1Char('/') + file->GetName();
    ownFolders.insert(path, folder);
    try {
        file->decrypt(path);
    } catch (...) {
        if (newFolder) {
            ownFolders.remove(path);
            FileUtils::removeDir(folder, true);
        }
        throw;
    }
    addFile(path, file);
    return path;
}

void TAVFileWatcher::on_fileChanged(const QString &path)
{
    synchronise(path);
}

void TAVFileWatcher::on_directoryChanged(const QString &folder)
{
    // A copy renamed over, or made anew after its removal, shows up here.
    const QStringList paths = watched.keys();
    for (const QString &path : paths) {
        if (QFileInfo(path).absolutePath() == folder)
            synchronise(path);
    }
}

void TAVFileWatcher::synchronise(const QString &path)
{
    auto it = watched.find(path);
    // A copy whose item was deleted stays until the wipe, and is ignored.
    if (it == watched.end() || !it->file || busy.contains(path))
        return;
    // A save that replaces the copy may be midway: the folder's notice comes
    // when the new copy is in place. Nothing is taken from a missing copy.
    if (!QFileInfo::exists(path))
        return;
    rearm(path);
    if (unchanged(it->saved, path))
        return;

    QPointer<TAVFile> file = it->file;
    // Without a vault folder (its drive unplugged) the direct encryption
    // would do nothing and return: the save would be taken as done and the
    // copy wiped at the lock.
    if (file->getFullPhysicalFileName().isEmpty()) {
        warn(tr("The changes of %1 could not be put into the vault: the vault's folder is not found.")
                 .arg(file->GetName()));
        return;
    }
    const Snapshot before = snapshotOf(path);
    busy.insert(path);
    try {
        LOG_DEBUG << "setting mod time" << QFileInfo(path).lastModified().toString();
        file->encrypt(path);
    } catch (const TAVException &e) {
        busy.remove(path);
        // Not taken as saved: the next notice, or the lock, tries again.
        warn(QString::fromLatin1(e.what()));
        return;
    }
    busy.remove(path);
    it = watched.find(path);
    if (it != watched.end())
        it->saved = before;
    TAVItem *vault = nullptr;
    if (file && file->getVault(&vault) == 0 && static_cast<TAVVault *>(vault)->save() != 0)
        warn(tr("The changes of %1 are in the vault, but the vault's index could not be saved.")
                 .arg(file->GetName()));
}

void TAVFileWatcher::rearm(const QString &path)
{
    watcher->removePath(path);
    watcher->addPath(path);
}

void TAVFileWatcher::watchFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (folders[folder]++ == 0)
        watcher->addPath(folder);
}

void TAVFileWatcher::unwatchFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    auto it = folders.find(folder);
    if (it == folders.end())
        return;
    if (--it.value() == 0) {
        watcher->removePath(folder);
        folders.erase(it);
    }
}

void TAVFileWatcher::warn(const QString &text)
{
    Prompter::instance()->ask(QMessageBox::Warning, QStringLiteral("FileWatcher error"), text, QMessageBox::Ok,
                              QMessageBox::Ok);
}
