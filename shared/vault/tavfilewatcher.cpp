#include "tavfilewatcher.h"

#include "appstate.h"
#include "fileutils.h"
#include "prompter.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSaveFile>
#include <QUrl>

#include <sys/stat.h>
#include <sys/types.h>
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

bool isLink(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

TAVVault *vaultOfItem(const TAVItem *item)
{
    TAVItem *vault = nullptr;
    return item && item->getVault(&vault) == 0 ? static_cast<TAVVault *>(vault) : nullptr;
}

TAVVault *findVault(const QUuid &id)
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < root->getItemCount(); ++i) {
        TAVItem *item = root->getItemAt(i);
        if (item && item->GetClassID() == TAV_CLASS_VAULT && item->GetId() == id)
            return static_cast<TAVVault *>(item);
    }
    return nullptr;
}

TAVFile *findFile(const TAVItemContainer *container, const QUuid &id)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        if (!item)
            continue;
        if (item->GetClassID() == TAV_CLASS_FILE) {
            if (item->GetId() == id)
                return static_cast<TAVFile *>(item);
        } else if (TAVFile *found = findFile(static_cast<TAVItemContainer *>(item), id)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

TAVFileWatcher::TAVFileWatcher() : watcher(new QFileSystemWatcher)
{
    connect(watcher, &QFileSystemWatcher::fileChanged, this, &TAVFileWatcher::on_fileChanged);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &TAVFileWatcher::on_directoryChanged);
}

TAVFileWatcher::~TAVFileWatcher()
{
    const QStringList left = removeWatchingFiles();
    if (!left.isEmpty())
        LOG_ERROR << "Copies with changes not in their vault are left in place:" << left;
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
    entry.vault = vaultOfItem(file);
    entry.vaultId = entry.vault ? entry.vault->GetId() : QUuid();
    entry.itemId = file ? file->GetId() : QUuid();
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
    if (!synchronise(path)) {
        LOG_ERROR << "changes not in the vault: still watched" << path;
        return;
    }
    watcher->removePath(path);
    watched.remove(path);
    unwatchFolder(path);
}

bool TAVFileWatcher::isBeingWatched(const QString &path) const
{
    return watched.contains(path);
}

QStringList TAVFileWatcher::removeWatchingFiles()
{
    const QStringList paths = watched.keys();
    for (const QString &path : paths)
        synchronise(path);
    QSet<QString> keptFolders;
    for (const QString &path : paths) {
        if (kept.contains(path)) {
            // Its changes exist nowhere else: never wiped.
            watched[path].afterLock = true;
            keptFolders.insert(ownFolders.value(path, QFileInfo(path).absolutePath()));
            continue;
        }
        forget(path);
    }
    // An editor's backup or swap file beside a copy is as plain as the copy;
    // so is whatever is left in the folder of a copy no longer watched.
    const auto orphans = ownFolders;
    for (auto it = orphans.constBegin(); it != orphans.constEnd(); ++it) {
        if (watched.contains(it.key()) || keptFolders.contains(it.value()))
            continue;
        if (QFileInfo::exists(it.value()) || isLink(it.value()))
            FileUtils::removeDir(it.value(), true);
        ownFolders.remove(it.key());
    }
    writeKeptList();
    return keptCopies();
}

QStringList TAVFileWatcher::retryKeptCopies()
{
    const QStringList paths = keptCopies();
    for (const QString &path : paths) {
        synchronise(path);
        settle(path);
    }
    return keptCopies();
}

QStringList TAVFileWatcher::keptCopies() const
{
    QStringList list = kept.values();
    list.sort();
    return list;
}

void TAVFileWatcher::settle(const QString &path)
{
    const auto it = watched.constFind(path);
    if (it != watched.constEnd() && it->afterLock && !kept.contains(path))
        forget(path);
}

void TAVFileWatcher::forget(const QString &path)
{
    watcher->removePath(path);
    if (QFileInfo::exists(path) || isLink(path))
        FileUtils::remove(path, true);
    const QString folder = ownFolders.take(path);
    if (!folder.isEmpty() && (QFileInfo::exists(folder) || isLink(folder)))
        FileUtils::removeDir(folder, true);
    watched.remove(path);
    unwatchFolder(path);
    setKept(path, false);
}

void TAVFileWatcher::setKept(const QString &path, bool keep)
{
    if (keep == kept.contains(path))
        return;
    if (keep)
        kept.insert(path);
    else
        kept.remove(path);
    writeKeptList();
    emit keptCopiesChanged(keptCopies());
}

void TAVFileWatcher::writeKeptList() const
{
    if (AppState::tempPath.isEmpty())
        return;
    const QString listPath = AppState::tempPath + QLatin1Char('/') + QLatin1String(AppState::keptListName);
    QByteArray lines;
    for (const QString &path : keptCopies()) {
        if (path.startsWith(AppState::tempPath + QLatin1Char('/')))
            lines += path.mid(AppState::tempPath.size() + 1).toUtf8().toPercentEncoding("/") + '\n';
    }
    if (lines.isEmpty()) {
        if (QFileInfo::exists(listPath) || isLink(listPath))
            QFile::remove(listPath);
        return;
    }
    // The list is replaced whole, and never through a link.
    if (isLink(listPath))
        QFile::remove(listPath);
    QSaveFile list(listPath);
    if (!list.open(QIODevice::WriteOnly) || list.write(lines) != lines.size() || !list.commit())
        LOG_ERROR << "Cannot write the list of kept copies" << listPath << list.errorString();
}

QString TAVFileWatcher::openCopy(TAVFile *file)
{
    if (!file)
        throw TAVException(TAV_INVALID_POINTER);
    if (AppState::tempPath.isEmpty())
        throw TAVException(QStringLiteral("There is no temporary folder for the decrypted copy."));
    // The copy's name is ours: a link there would send the plain bytes
    // wherever it points.
    const auto refuseLink = [](const QString &path) {
        if (isLink(path))
            throw TAVException(tr("%1 is a symbolic link: the decrypted copy is not written there.").arg(path));
    };

    QString folder;
    for (auto it = watched.constBegin(); it != watched.constEnd(); ++it) {
        if (sameItem(it.value(), file)) {
            const QString old = it.key();
            refuseLink(old);
            // A save not yet handled reaches the vault before the copy is made
            // anew. One that can't (told already) would be decrypted over or
            // wiped: the copy stays as it is, watched, for the next try.
            if (!synchronise(old))
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
    if (newFolder) {
        FileUtils::makePath(AppState::tempPath);
        folder = AppState::tempPath + QLatin1Char('/') + FileUtils::UuidToFileName(QUuid::createUuid());
        // A new name of our own, made here and nowhere else.
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0)
            throw TAVException(tr("The folder %1 for the decrypted copy could not be made.").arg(folder));
    } else {
        refuseLink(folder);
        FileUtils::makePath(folder);
    }
    const QString path = folder + QLatin1Char('/') + file->GetName();
    ownFolders.insert(path, folder);
    try {
        refuseLink(path);
        file->decrypt(path);
    } catch (...) {
        ownFolders.remove(path);
        if (newFolder)
            FileUtils::removeDir(folder, true);
        else
            ownFolders.insert(path, folder); // wiped with the rest at the lock
        throw;
    }
    addFile(path, file);
    return path;
}

void TAVFileWatcher::on_fileChanged(const QString &path)
{
    synchronise(path);
    settle(path);
}

void TAVFileWatcher::on_directoryChanged(const QString &folder)
{
    // A copy renamed over, or made anew after its removal, shows up here.
    const QStringList paths = watched.keys();
    for (const QString &path : paths) {
        if (QFileInfo(path).absolutePath() == folder) {
            synchronise(path);
            settle(path);
        }
    }
}

TAVFileWatcher::Target TAVFileWatcher::resolve(Entry &entry)
{
    if (TAVVault *vault = vaultOfItem(entry.file)) {
        entry.vault = vault;
        entry.vaultId = vault->GetId();
        // An unloaded vault's items are detached: nothing written to them
        // would reach its index.
        return vault->isLoaded() ? Target::Ready : Target::Unreachable;
    }
    if (!entry.vault && !entry.vaultId.isNull())
        entry.vault = findVault(entry.vaultId);
    if (!entry.vault || !entry.vault->isLoaded())
        return Target::Unreachable;
    entry.file = entry.itemId.isNull() ? nullptr : findFile(entry.vault, entry.itemId);
    return entry.file ? Target::Ready : Target::Deleted;
}

bool TAVFileWatcher::sameItem(const Entry &entry, TAVFile *file) const
{
    if (entry.file)
        return entry.file == file;
    const TAVVault *vault = vaultOfItem(file);
    return !entry.itemId.isNull() && entry.itemId == file->GetId() && vault && vault->GetId() == entry.vaultId;
}

bool TAVFileWatcher::synchronise(const QString &path)
{
    auto it = watched.find(path);
    if (it == watched.end())
        return true;
    if (busy.contains(path))
        return !kept.contains(path);
    // A save that replaces the copy may be midway: the folder's notice comes
    // when the new copy is in place. Nothing is taken from a missing copy,
    // nor from a link put in its place.
    if (!QFileInfo::exists(path) || isLink(path)) {
        setKept(path, false);
        return true;
    }
    rearm(path);
    if (unchanged(it->saved, path)) {
        setKept(path, false);
        return true;
    }

    const Target target = resolve(*it);
    // A copy whose item was deleted stays until the wipe, and is ignored.
    if (target == Target::Deleted) {
        setKept(path, false);
        return true;
    }
    QPointer<TAVFile> file = it->file;
    const bool afterLock = it->afterLock;
    const QString name = file ? file->GetName() : QFileInfo(path).fileName();
    // Without a loaded vault, or a vault folder (its drive unplugged), the
    // direct encryption would do nothing and return: the save would be taken
    // as done and the copy wiped at the lock.
    if (target == Target::Unreachable || file->getFullPhysicalFileName().isEmpty()) {
        setKept(path, true);
        // After a lock the main window tells; no box on the locked screen.
        if (!afterLock)
            warn(target == Target::Unreachable
                     ? tr("The changes of %1 could not be put into the vault: the vault is not open.").arg(name)
                     : tr("The changes of %1 could not be put into the vault: the vault's folder is not found.")
                           .arg(name));
        return false;
    }
    const Snapshot before = snapshotOf(path);
    busy.insert(path);
    try {
        LOG_DEBUG << "setting mod time" << QFileInfo(path).lastModified().toString();
        file->encrypt(path);
    } catch (const TAVException &e) {
        busy.remove(path);
        // Not taken as saved: the next notice, or the lock, tries again.
        setKept(path, true);
        warn(QString::fromLatin1(e.what()));
        return false;
    }
    busy.remove(path);
    it = watched.find(path);
    if (it != watched.end())
        it->saved = before;
    setKept(path, false);
    TAVItem *vault = nullptr;
    if (file && file->getVault(&vault) == 0 && static_cast<TAVVault *>(vault)->save() != 0)
        warn(tr("The changes of %1 are in the vault, but the vault's index could not be saved.")
                 .arg(file->GetName()));
    return true;
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
