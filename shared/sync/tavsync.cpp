#include "tavsync.h"

#include "atomicfilewriter.h"
#include "filecipher.h"
#include "fileutils.h"
#include "mounttable.h"
#include "ownerthreadcall.h"
#include "pendingbodies.h"
#include "syncstatefile.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavlogging.h"
#include "tavvault.h"
#include "utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QWaitCondition>

#include <algorithm>
#include <atomic>
#include <exception>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QMutex sync_running;

namespace {

// Read, change and write of a peer list: one at a time.
QMutex listMutex;

QMutex settingsMutex;
QStringList protectedList; // under settingsMutex
QString mountInfoPath;     // under settingsMutex

// cancelRuns() moves it on; a run started before stops.
std::atomic<int> cancelEpoch{0};

QMutex runsMutex;
QWaitCondition runsEnded;
int activeRuns = 0; // under runsMutex

// Changes per call on the vault's thread: few enough to keep the GUI
// answering, many enough that the calls cost little.
constexpr int kChunk = 64;

struct ActiveRun
{
    ActiveRun()
    {
        QMutexLocker lock(&runsMutex);
        ++activeRuns;
    }
    ~ActiveRun()
    {
        QMutexLocker lock(&runsMutex);
        --activeRuns;
        runsEnded.wakeAll();
    }
};

bool onGuiThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Holds sync_running: waits for it on a pool thread, only tries it on the
// GUI thread. Released on every way out.
class RunLock
{
public:
    RunLock() : m_locked(onGuiThread() ? sync_running.tryLock() : (sync_running.lock(), true)) {}
    ~RunLock()
    {
        if (m_locked)
            sync_running.unlock();
    }
    bool locked() const { return m_locked; }

private:
    bool m_locked;
};

QString withSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

// A folder as the file system has it: links resolved where it exists.
QString resolvedFolder(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// One of the two holds the other, or they are the same.
bool overlaps(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (a == QLatin1String("/") || b == QLatin1String("/") || a == b)
        return true;
    return a.startsWith(b + QLatin1Char('/')) || b.startsWith(a + QLatin1Char('/'));
}

bool isCoarseType(const QString &type)
{
    return type == QLatin1String("vfat") || type == QLatin1String("msdos") || type == QLatin1String("fat")
        || type == QLatin1String("umsdos") || type == QLatin1String("exfat");
}

// Makes everything written on the file system that holds `folder` durable:
// one call for the many bodies of a run, in place of one sync per body.
bool syncFileSystem(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
#ifdef Q_OS_LINUX
    const bool synced = ::syncfs(fd) == 0;
#else
    ::sync();
    const bool synced = true;
#endif
    ::close(fd);
    return synced;
}

QString fullVaultPath(const QString &vaultRoot, const QString &relative)
{
    return vaultRoot + relative;
}

// What one run knows about itself.
class Run
{
    Q_DECLARE_TR_FUNCTIONS(TAVSync)

public:
    Run(TAVVault *vault, int epoch) : m_vault(vault), m_epoch(epoch), m_unloads(vault->unloadCount()) {}

    TAVVault *vault() const { return m_vault; }
    bool cancelled() const { return cancelEpoch.load() != m_epoch; }
    bool unloaded() const { return m_vault->unloadCount() != m_unloads; }
    bool stopped() const { return cancelled() || unloaded(); }

    // Runs fn on the vault's thread while the run may still change the
    // vault: not stopped, the vault loaded. False when fn did not run.
    bool onVault(const std::function<void()> &fn)
    {
        bool ran = false;
        OwnerThreadCall::run(
            m_vault,
            [&] {
                if (stopped() || !m_vault->isLoaded())
                    return;
                ran = true;
                fn();
            },
            [this] { return stopped(); });
        return ran;
    }

    void line(const QString &text) { m_vault->syncProgress(text); }

    // The line that says why the run stopped.
    void stopLine()
    {
        if (cancelled())
            line(tr("Synchronization cancelled."));
        else
            line(tr("Vault is not loaded"));
    }

    void failed(const QString &path, const QString &reason = QString())
    {
        line(QStringLiteral("Failed: %1").arg(path));
        if (!reason.isEmpty())
            line(reason);
        LOG_ERROR << "Failed:" << path << reason;
    }

private:
    TAVVault *m_vault;
    int m_epoch;
    int m_unloads;
};

enum class PeerOutcome { Finished, Failed, Stopped, EndRun };

QString exceptionText(const std::exception &e)
{
    return QString::fromLatin1(e.what());
}

QStringList sortedKeys(const SyncActions &actions, bool folders, bool (*order)(const QString &, const QString &),
                       bool diskSide)
{
    QStringList paths;
    for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
        if (it->isDir == folders)
            paths << it.key();
    }
    // By the length of the path on the side acted on: parents before children.
    std::stable_sort(paths.begin(), paths.end(), [&](const QString &a, const QString &b) {
        const SyncAction &x = actions[a];
        const SyncAction &y = actions[b];
        return order(diskSide ? x.diskPath : x.vaultPath, diskSide ? y.diskPath : y.vaultPath);
    });
    return paths;
}

QStringList allKeysSorted(const SyncActions &actions, bool (*order)(const QString &, const QString &), bool diskSide)
{
    QStringList paths = actions.keys();
    std::stable_sort(paths.begin(), paths.end(), [&](const QString &a, const QString &b) {
        const SyncAction &x = actions[a];
        const SyncAction &y = actions[b];
        return order(diskSide ? x.diskPath : x.vaultPath, diskSide ? y.diskPath : y.vaultPath);
    });
    return paths;
}

// A path below root that is, or is reached through, a symbolic link.
bool throughLink(const QString &root, const QString &relative)
{
    QString path = root;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        path = withSlash(path) + part;
        if (QFileInfo(path).isSymLink())
            return true;
    }
    return false;
}

// Which folder a path names: another folder mounted or moved into its place
// has another device or inode.
struct FolderId
{
    dev_t device = 0;
    ino_t inode = 0;
    bool valid = false;

    static FolderId of(const QString &path)
    {
        struct stat st;
        if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            return {};
        return {st.st_dev, st.st_ino, true};
    }
    bool operator==(const FolderId &other) const
    {
        return valid && other.valid && device == other.device && inode == other.inode;
    }
};

// The peer's state as the comparison asks it. A state written before its
// entries were hashed (names in the clear) is read as none: nothing is
// deleted once, and what was deleted since comes back as a copy.
SyncLastState lastStateOf(const QString &statePath, const QByteArray &entryKey)
{
    QStringList entries;
    QDateTime written;
    switch (SyncStateFile::read(statePath, &entries, &written)) {
    case SyncStateFile::Missing:
        LOG_DEBUG << "opening of" << statePath << "failed";
        return {};
    case SyncStateFile::Damaged:
        // Read as a first synchronisation: nothing is deleted on either side.
        LOG_ERROR << "damaged state file" << statePath;
        return {};
    case SyncStateFile::Read:
        break;
    }
    for (const QString &entry : qAsConst(entries)) {
        if (!SyncStateFile::isEntry(entry)) {
            LOG_WARNING << "state file of an earlier version, read as a first synchronization:" << statePath;
            return {};
        }
    }
    const QSet<QString> known(entries.cbegin(), entries.cend());
    SyncLastState last;
    last.knows = [known, entryKey](const QString &k) { return known.contains(SyncStateFile::entryOf(entryKey, k)); };
    last.size = known.size();
    last.written = written;
    return last;
}

// The peer's disk folder lies inside or holds an earlier peer's of the same
// host: a run would copy the vault into itself, one level more each time.
bool nestedInEarlierPeer(const QList<TAVSyncEntry> &list, int index)
{
    const TAVSyncEntry &peer = list.at(index);
    const QString folder = resolvedFolder(peer.diskFolder);
    for (int i = 0; i < index; ++i) {
        const QString other = resolvedFolder(list.at(i).diskFolder);
        if (list.at(i).host == peer.host && other != folder && overlaps(folder, other))
            return true;
    }
    return false;
}

class PeerSync
{
    Q_DECLARE_TR_FUNCTIONS(TAVSync)

public:
    PeerSync(Run &run, const TAVSyncEntry &peer, bool nested)
        : m_run(run), m_vault(run.vault()), m_peer(peer), m_nested(nested)
    {
    }

    PeerOutcome sync();

private:
    bool phaseDiskFolders();
    bool phaseVaultFolders();
    bool phaseToDisk();
    bool phaseToVault();
    bool phaseDeleteInVault();
    bool phaseDeleteOnDisk();
    // The peer folder is still the one listed at the start; once it is
    // not, says so and stays false.
    bool peerIntact();
    // A skipped or kept path: told, and the run ends with errors.
    void skippedLine(const QString &text);
    // The disk file about to be replaced is still as listed (or still absent).
    bool unchangedOnDisk(const QString &key, const QString &diskPath) const;

    Run &m_run;
    TAVVault *m_vault;
    TAVSyncEntry m_peer;
    bool m_nested;
    FolderId m_peerId;
    bool m_peerGone = false;
    QString m_vaultRoot;
    QString m_diskRoot;
    QString m_vaultFolder; // physical
    TAVCipher m_cipher = TAV_CIPHER_NONE;
    TAVKey m_key;
    QByteArray m_entryKey; // the state's entries are made under it
    TAVFolderMap m_vaultMap;
    TAVFolderMap m_diskMap;
    SyncPlan m_plan;
    QSet<QString> m_failedToDisk; // keys whose copy to the disk failed
    QSet<QString> m_leftOut;      // keys kept out of the state: changed on the disk during the run
    bool m_vaultChanged = false;
    bool m_bodiesWritten = false; // new bodies not yet synced to the disk
    bool m_bodiesPending = false; // the run's bodies are listed as pending
    bool m_itemFailed = false;
};

PeerOutcome PeerSync::sync()
{
    const QString host = m_peer.host;
    const QString start = QStringLiteral("Starting synchronization on %1 %2 to %3")
                              .arg(host, m_peer.diskFolder, m_peer.vaultFolder);
    m_run.line(start);
    LOG_DEBUG << start;

    const int refused =
        m_nested ? int(TAVSync::NestedPeer) : TAVSync::checkDiskFolder(m_vault, m_peer.diskFolder);
    if (refused) {
        m_run.failed(m_peer.diskFolder, TAVSync::addSyncPeerMessage(refused));
        return PeerOutcome::Failed;
    }

    const QString statePath = TAVSync::stateFilePath(m_vault, m_peer.id);
    LOG_DEBUG << statePath;

    bool found = false;
    if (!m_run.onVault([&] {
            m_cipher = m_vault->getCipher();
            m_key = m_vault->getKey();
            m_vaultFolder = m_vault->getFullPhysicalVaultPath();
            if (TAVItemContainer *container = getItemContainer(m_vault, m_peer.vaultFolder)) {
                getVaultFolderInfo(QString(), &m_vaultMap, container);
                found = true;
            }
        }))
        return PeerOutcome::Stopped;
    if (!found) {
        m_run.failed(m_peer.vaultFolder);
        return PeerOutcome::Failed;
    }
    LOG_DEBUG << "vault contains" << m_vaultMap.size() << "files";
    for (const TAVFolderEntry &entry : qAsConst(m_vaultMap))
        LOG_TRACE << "in vault" << entry.path << entry.modified.toString(Qt::TextDate);

    m_entryKey = SyncStateFile::entryKey(m_key);
    const SyncLastState last = lastStateOf(statePath, m_entryKey);
    QHash<QString, QString> skipped;
    m_peerId = FolderId::of(m_peer.diskFolder);
    switch (getDiskFolderInfo(m_peer.diskFolder, &m_diskMap, &skipped)) {
    case 0:
        break;
    case 1:
        LOG_DEBUG << "getFolderInfo failed";
        m_run.failed(m_peer.diskFolder, tr("The folder does not exist."));
        return PeerOutcome::EndRun;
    default:
        m_run.failed(m_peer.diskFolder, tr("The folder can't be read: nothing was deleted or copied for this peer."));
        return PeerOutcome::Failed;
    }
    LOG_DEBUG << "disk contains" << m_diskMap.size() << "files";
    for (const TAVFolderEntry &entry : qAsConst(m_diskMap))
        LOG_TRACE << "on disk" << entry.path << entry.modified.toString(Qt::TextDate);

    m_vaultRoot = withSlash(m_peer.vaultFolder);
    m_diskRoot = withSlash(m_peer.diskFolder);
    const bool coarse = TAVSync::hasCoarseTimes(m_vaultFolder) || TAVSync::hasCoarseTimes(m_peer.diskFolder);
    const QList<QString> skippedKeys = skipped.keys();
    m_plan = SyncComparison::compare(m_vaultMap, m_diskMap, last, QSet<QString>(skippedKeys.cbegin(), skippedKeys.cend()),
                                     coarse);
    for (const QString &key : qAsConst(m_plan.ambiguous))
        skippedLine(skipped.value(key));
    if (m_plan.guard != SyncPlan::NoGuard) {
        const QString text = m_plan.guard == SyncPlan::DiskSideEmpty
            ? tr("The disk folder %1 is empty, but held %2 items at the last synchronization: "
                 "nothing was deleted or copied for this peer.")
                  .arg(m_peer.diskFolder)
                  .arg(last.size)
            : tr("The vault folder %1 is empty, but held %2 items at the last synchronization: "
                 "nothing was deleted or copied for this peer.")
                  .arg(m_peer.vaultFolder)
                  .arg(last.size);
        LOG_WARNING << text;
        m_run.line(text);
        return PeerOutcome::Failed;
    }

    // A phase returns false when the run stopped; one that finds the peer
    // folder gone or replaced ends early, and the rest is left undone.
    for (bool (PeerSync::*phase)() : {&PeerSync::phaseDiskFolders, &PeerSync::phaseVaultFolders, &PeerSync::phaseToDisk,
                                      &PeerSync::phaseToVault, &PeerSync::phaseDeleteInVault, &PeerSync::phaseDeleteOnDisk}) {
        if (!(this->*phase)())
            return PeerOutcome::Stopped;
        if (m_peerGone)
            break;
    }

    // One save for all the peer's changes: the index on the disk is the
    // one from before the run until everything is in.
    if (m_vaultChanged) {
        // The bodies first, then the index that refers to them: the save is
        // the commit point, so it must never name a body still in the cache.
        if (m_bodiesWritten && !syncFileSystem(m_vaultFolder)) {
            m_run.failed(m_vaultFolder, tr("The new files could not be written to the disk."));
            return PeerOutcome::Failed;
        }
        int saved = 1;
        if (!m_run.onVault([&] { saved = m_vault->save(); }))
            return PeerOutcome::Stopped;
        if (saved != 0) {
            m_run.failed(m_vault->getVaultIdxFileName(), tr("The vault's index could not be saved."));
            return PeerOutcome::Failed;
        }
    }
    // Every body of the run is now named by the index or was removed.
    if (m_bodiesPending)
        PendingBodies::clear(m_vaultFolder);

    // A state written for another folder than the one listed would have
    // the next run delete what this one copied out.
    if (!peerIntact())
        return PeerOutcome::Failed;

    // What the vault folder holds now, less the paths that never reached
    // the disk: read as deleted on the disk, they would be deleted in the
    // vault by the next run.
    QStringList state;
    state.reserve(m_vaultMap.size());
    for (auto it = m_vaultMap.cbegin(); it != m_vaultMap.cend(); ++it) {
        if ((m_failedToDisk.contains(it.key()) && !m_diskMap.contains(it.key())) || m_leftOut.contains(it.key()))
            continue;
        state << SyncStateFile::entryOf(m_entryKey, it->path);
    }
    QString error;
    if (!SyncStateFile::write(statePath, state, &error)) {
        LOG_ERROR << "could not write syncfile" << statePath << error;
        m_run.failed(statePath, error);
        m_itemFailed = true;
    }
    m_run.line(tr("Done"));
    return m_itemFailed ? PeerOutcome::Failed : PeerOutcome::Finished;
}

bool PeerSync::peerIntact()
{
    if (m_peerGone)
        return false;
    if (FolderId::of(m_peer.diskFolder) == m_peerId)
        return true;
    m_peerGone = true;
    m_itemFailed = true;
    const QString text = tr("The folder %1 was removed or replaced during the synchronization: nothing more was "
                            "copied or deleted for this peer.")
                             .arg(m_peer.diskFolder);
    LOG_ERROR << text;
    m_run.line(text);
    return false;
}

void PeerSync::skippedLine(const QString &text)
{
    LOG_WARNING << text;
    m_run.line(text);
    m_itemFailed = true;
}

bool PeerSync::unchangedOnDisk(const QString &key, const QString &diskPath) const
{
    struct stat st;
    const bool exists = ::lstat(QFile::encodeName(diskPath).constData(), &st) == 0;
    const auto listed = m_diskMap.constFind(key);
    if (listed == m_diskMap.cend())
        return !exists && errno == ENOENT;
    const qint64 modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return exists && S_ISREG(st.st_mode) && qint64(st.st_size) == listed->size
        && modified == listed->modified.toMSecsSinceEpoch();
}

bool PeerSync::phaseDiskFolders()
{
    const QStringList keys = sortedKeys(m_plan.toDisk, true, descstringsort, true);
    for (const QString &key : keys) {
        if (m_run.stopped())
            return false;
        if (!peerIntact())
            return true;
        const QString path = m_diskRoot + m_plan.toDisk[key].diskPath;
        LOG_DEBUG << "need to make path on disk" << path;
        // One level at a time (parents come first): never the peer folder
        // or anything above it.
        const QByteArray name = QFile::encodeName(path);
        struct stat st;
        if (::mkdir(name.constData(), 0777) != 0
            && !(errno == EEXIST && ::lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode))) {
            m_failedToDisk.insert(key);
            m_itemFailed = true;
            m_run.failed(path, QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
    return true;
}

bool PeerSync::phaseVaultFolders()
{
    const QStringList keys = sortedKeys(m_plan.toVault, true, descstringsort, false);
    for (int first = 0; first < keys.size(); first += kChunk) {
        const QStringList chunk = keys.mid(first, kChunk);
        QList<int> results;    // 0 created, 1 refused, 2 threw
        QStringList reasons;
        if (!m_run.onVault([&] {
                QSet<TAVItemContainer *> changed;
                for (const QString &key : chunk) {
                    const QString path = fullVaultPath(m_vaultRoot, m_plan.toVault[key].vaultPath);
                    LOG_DEBUG << "need to make path in vault" << path;
                    try {
                        const int result = createVaultFolder(m_vault, path);
                        results << (result == 0 ? 0 : 1);
                        reasons << QString();
                        if (result == 0)
                            changed.insert(getItemContainer(m_vault, path.left(path.lastIndexOf('/') + 1)));
                    } catch (const std::exception &e) {
                        results << 2;
                        reasons << exceptionText(e);
                    }
                    if (m_run.stopped())
                        break;
                }
                for (TAVItemContainer *c : qAsConst(changed))
                    m_vault->refresh(c);
            }))
            return false;
        for (int i = 0; i < results.size(); ++i) {
            const SyncAction &a = m_plan.toVault[chunk.at(i)];
            const QString path = fullVaultPath(m_vaultRoot, a.vaultPath);
            if (results.at(i) == 0) {
                m_vaultChanged = true;
                m_run.line(a.vaultPath.mid(a.vaultPath.lastIndexOf('/') + 1));
                TAVFolderEntry entry;
                entry.path = a.vaultPath;
                entry.isDir = true;
                m_vaultMap.insert(chunk.at(i), entry);
            } else {
                m_itemFailed = true;
                m_run.failed(path, reasons.at(i));
            }
        }
        if (results.size() < chunk.size())
            return false;
    }
    return true;
}

bool PeerSync::phaseToDisk()
{
    const QStringList keys = sortedKeys(m_plan.toDisk, false, descstringsort, true);
    for (int first = 0; first < keys.size(); first += kChunk) {
        const QStringList chunk = keys.mid(first, kChunk);
        QStringList bodies;
        QList<QDateTime> times;
        if (!m_run.onVault([&] {
                for (const QString &key : chunk) {
                    TAVItem *item = getItem(m_vault, fullVaultPath(m_vaultRoot, m_plan.toDisk[key].vaultPath));
                    const bool isFile = item && item->GetClassID() == TAV_CLASS_FILE;
                    bodies << (isFile ? static_cast<TAVFile *>(item)->getFullPhysicalFileName() : QString());
                    times << (isFile ? item->GetModifiedDate() : QDateTime());
                }
            }))
            return false;
        for (int i = 0; i < chunk.size(); ++i) {
            if (m_run.stopped())
                return false;
            if (!peerIntact())
                return true;
            const QString &key = chunk.at(i);
            const SyncAction &a = m_plan.toDisk[key];
            const QString vaultPath = fullVaultPath(m_vaultRoot, a.vaultPath);
            const QString diskPath = m_diskRoot + a.diskPath;
            LOG_DEBUG << "need to copy" << vaultPath << "to disk" << diskPath;
            m_run.line(QStringLiteral("Copy %1 from vault to disk %2").arg(vaultPath, diskPath));
            QString reason;
            bool changed = false;
            if (bodies.at(i).isEmpty()) {
                reason = tr("The item is no longer in the vault.");
            } else if (QFileInfo(diskPath).isDir()) {
                reason = QStringLiteral("File [%1] is locked.\nPlease close the application which is locking that "
                                        "file and then try again.")
                             .arg(diskPath);
            } else {
                LOG_DEBUG << "decrypt" << vaultPath << "to" << diskPath;
                try {
                    // Written beside the target and renamed over it when
                    // complete: a failure leaves the target as it was, and
                    // so does a target the user saved meanwhile.
                    const int result = FileCipher::decryptFile(bodies.at(i), diskPath, m_cipher, m_key, [&] {
                        changed = !unchangedOnDisk(key, diskPath);
                        return !changed && peerIntact();
                    });
                    if (result == 0)
                        FileUtils::setModificationTime(diskPath, times.at(i));
                    else if (result != 5)
                        reason = QStringLiteral("Decryption failed.");
                } catch (const std::exception &e) {
                    reason = exceptionText(e);
                }
            }
            if (m_peerGone)
                return true;
            if (changed) {
                m_leftOut.insert(key);
                skippedLine(tr("Kept %1: it changed on the disk during the synchronization.").arg(diskPath));
            } else if (reason.isEmpty()) {
                m_run.line(vaultPath);
            } else {
                m_failedToDisk.insert(key);
                m_itemFailed = true;
                m_run.failed(vaultPath, reason);
            }
        }
    }
    return true;
}

bool PeerSync::phaseToVault()
{
    const QStringList keys = sortedKeys(m_plan.toVault, false, descstringsort, false);
    if (keys.isEmpty())
        return true;
    // Every body's name is listed before the first is written: a run killed
    // before its index save leaves bodies the next load can tell and remove.
    QHash<QString, QUuid> ids;
    QStringList names;
    for (const QString &key : keys) {
        const QUuid id = QUuid::createUuid();
        ids.insert(key, id);
        names << FileUtils::UuidToFileName(id);
    }
    if (!PendingBodies::record(m_vaultFolder, m_cipher, m_key, names)) {
        for (const QString &key : keys)
            m_run.failed(m_diskRoot + m_plan.toVault[key].diskPath, tr("The vault's folder can't be written."));
        m_itemFailed = true;
        return true;
    }
    m_bodiesPending = true;
    // The vault's sub-folders this run made or found: each looked at once.
    QSet<QString> madeFolders;
    for (int first = 0; first < keys.size(); first += kChunk) {
        const QStringList chunk = keys.mid(first, kChunk);
        struct Encrypted
        {
            QString key;
            QUuid id;
            QString body;
            QDateTime created;
            QDateTime modified;
            QString reason; // set when it failed
        };
        QList<Encrypted> done;
        // Encrypted here, each into a new body: the old body stays the
        // index's until the one save at the end.
        for (const QString &key : chunk) {
            if (m_run.stopped())
                break;
            const SyncAction &a = m_plan.toVault[key];
            const QString diskPath = m_diskRoot + a.diskPath;
            const QString vaultPath = fullVaultPath(m_vaultRoot, a.vaultPath);
            LOG_DEBUG << "need to copy" << diskPath << "to vault" << vaultPath;
            m_run.line(QStringLiteral("Copy %1 from disk to vault %2").arg(diskPath, vaultPath));
            Encrypted e;
            e.key = key;
            e.id = ids.value(key);
            const QString name = FileUtils::UuidToFileName(e.id);
            e.body = m_vaultFolder + QLatin1Char('/') + name.left(2) + QLatin1Char('/') + name;
            if (!peerIntact())
                break;
            try {
                struct stat st;
                if (::lstat(QFile::encodeName(diskPath).constData(), &st) != 0)
                    throw TAVException(QStringLiteral("File %1 does not exist").arg(diskPath));
                if (S_ISLNK(st.st_mode))
                    throw TAVException(tr("Skipped: %1 (a symbolic link)").arg(diskPath));
                if (!S_ISREG(st.st_mode))
                    throw TAVException(tr("Skipped: %1 (not a file or a folder)").arg(diskPath));
                const QString bodyFolder = QFileInfo(e.body).absolutePath();
                if (!madeFolders.contains(bodyFolder)) {
                    QDir().mkpath(bodyFolder);
                    madeFolders.insert(bodyFolder);
                }
                // The dates as they were before the content is read: a
                // change made meanwhile is newer and found by the next run.
                FileUtils::dates(diskPath, &e.created, &e.modified);
                // Synced all at once before the index save.
                m_bodiesWritten = true;
                if (FileCipher::encryptFile(diskPath, e.body, m_cipher, m_key, FileCipher::SyncLater, e.created) != 0)
                    throw TAVException(TAV_CANNOT_ENCRYPT);
            } catch (const std::exception &ex) {
                e.reason = exceptionText(ex);
            }
            done << e;
        }
        int applied = 0;
        const bool ran = m_run.onVault([&] {
            QSet<TAVItemContainer *> changed;
            for (; applied < done.size(); ++applied) {
                Encrypted &e = done[applied];
                if (!e.reason.isEmpty())
                    continue;
                if (m_run.stopped())
                    break;
                const SyncAction &a = m_plan.toVault[e.key];
                const QString vaultPath = fullVaultPath(m_vaultRoot, a.vaultPath);
                try {
                    TAVItem *item = getItem(m_vault, vaultPath);
                    TAVItemContainer *container = nullptr;
                    if (item && item->GetClassID() == TAV_CLASS_FILE) {
                        LOG_DEBUG << "encrypt (existing)" << vaultPath << "from" << m_diskRoot + a.diskPath;
                        static_cast<TAVFile *>(item)->adoptBody(e.id, e.created, e.modified);
                        container = static_cast<TAVItemContainer *>(item->GetParent());
                    } else if (item) {
                        e.reason = tr("A folder of that name is in the vault.");
                    } else {
                        container = getItemContainer(m_vault, vaultPath.left(vaultPath.lastIndexOf('/') + 1));
                        if (!container || !container->canAddFile()) {
                            e.reason = tr("Its folder is not in the vault.");
                            container = nullptr;
                        } else {
                            LOG_DEBUG << "encrypt (new)" << vaultPath << "from" << m_diskRoot + a.diskPath
                                      << "folder name is" << container->GetName();
                            container->addFileWithBody(m_diskRoot + a.diskPath, e.id, e.created, e.modified);
                        }
                    }
                    if (container)
                        changed.insert(container);
                } catch (const std::exception &ex) {
                    e.reason = exceptionText(ex);
                }
            }
            for (TAVItemContainer *c : qAsConst(changed))
                m_vault->refresh(c);
        });
        const int kept = ran ? applied : 0;
        for (int i = 0; i < done.size(); ++i) {
            const Encrypted &e = done.at(i);
            const SyncAction &a = m_plan.toVault[e.key];
            if (i >= kept || !e.reason.isEmpty()) {
                // Never listed by an index: no one else knows this body.
                QFile::remove(e.body);
                if (i < kept) {
                    m_itemFailed = true;
                    m_run.failed(m_diskRoot + a.diskPath, e.reason);
                }
                continue;
            }
            m_vaultChanged = true;
            m_run.line(m_diskRoot + a.diskPath);
            TAVFolderEntry entry;
            entry.path = a.vaultPath;
            entry.modified = e.modified;
            m_vaultMap.insert(e.key, entry);
        }
        if (m_peerGone)
            return true;
        if (kept < chunk.size())
            return false;
    }
    return true;
}

bool PeerSync::phaseDeleteInVault()
{
    // Decided from a listing of the peer folder: not when it went since.
    if (!peerIntact())
        return true;
    const QStringList keys = allKeysSorted(m_plan.delFromVault, stringsort, false);
    for (int first = 0; first < keys.size(); first += kChunk) {
        const QStringList chunk = keys.mid(first, kChunk);
        QList<int> results; // deleteVaultItem's, or -1 when it threw
        QStringList reasons;
        if (!m_run.onVault([&] {
                QSet<TAVItemContainer *> changed;
                for (const QString &key : chunk) {
                    if (m_run.stopped())
                        break;
                    const QString path = fullVaultPath(m_vaultRoot, m_plan.delFromVault[key].vaultPath);
                    LOG_DEBUG << "delete from vault" << path;
                    TAVItem *item = getItem(m_vault, path);
                    TAVItemContainer *parent =
                        item ? static_cast<TAVItemContainer *>(item->GetParent()) : nullptr;
                    try {
                        const int result = deleteVaultItem(m_vault, path);
                        results << result;
                        reasons << QString();
                        if (result == 0 && parent)
                            changed.insert(parent);
                    } catch (const std::exception &e) {
                        results << -1;
                        reasons << exceptionText(e);
                    }
                }
                changed.remove(nullptr);
                for (TAVItemContainer *c : qAsConst(changed))
                    m_vault->refresh(c);
            }))
            return false;
        for (int i = 0; i < results.size(); ++i) {
            const QString &key = chunk.at(i);
            const SyncAction &a = m_plan.delFromVault[key];
            const QString path = fullVaultPath(m_vaultRoot, a.vaultPath);
            m_run.line(QStringLiteral("Delete from vault %1").arg(path));
            switch (results.at(i)) {
            case 0:
                m_vaultChanged = true;
                m_vaultMap.remove(key);
                m_run.line(a.vaultPath.mid(a.vaultPath.lastIndexOf('/') + 1));
                break;
            case 1: // gone already
                m_vaultMap.remove(key);
                break;
            case 2:
                m_run.line(tr("Kept %1: it holds items the last synchronization did not know.").arg(path));
                break;
            default:
                LOG_ERROR << "deleteVaultItem failed";
                m_itemFailed = true;
                m_run.failed(path, reasons.at(i));
                break;
            }
        }
        if (results.size() < chunk.size())
            return false;
    }
    return true;
}

bool PeerSync::phaseDeleteOnDisk()
{
    const QStringList keys = allKeysSorted(m_plan.delFromDisk, stringsort, true);
    for (const QString &key : keys) {
        if (m_run.stopped())
            return false;
        if (!peerIntact())
            return true;
        const SyncAction &a = m_plan.delFromDisk[key];
        const QString path = m_diskRoot + a.diskPath;
        LOG_DEBUG << "delete from disk" << path;
        m_run.line(QStringLiteral("Delete from disk %1").arg(path));
        // Only what the state knew goes, one entry at a time, and never
        // through a link: what a link leads to is someone else's.
        if (throughLink(m_diskRoot, a.diskPath)) {
            m_run.line(tr("Kept %1: it is reached through a symbolic link.").arg(path));
            continue;
        }
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        if (info.isDir()) {
            if (QDir().rmdir(path))
                continue;
            if (!QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
                m_run.line(tr("Kept %1: it holds files the last synchronization did not know.").arg(path));
                continue;
            }
        } else if (QFile::remove(path)) {
            continue;
        }
        m_itemFailed = true;
        m_run.failed(path);
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// Peer list

int TAVSync::readSyncList(QList<TAVSyncEntry> *list, TAVVault *vault)
{
    const QString path = vault->getVaultSyncFileName();
    LOG_DEBUG << "reading sync list from" << path;
    TAVCryptoFile file(path);
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    const int opened = file.open(QIODevice::ReadOnly, &cipher, vault->getKey(), &version);
    if (opened != 0) {
        LOG_ERROR << "could not read sync list" << opened;
        return 1;
    }
    const qint64 expected = file.size() - file.pos();
    const QByteArray payload = file.readAll();
    if (file.error() != QFileDevice::NoError || payload.size() != expected || !parseSyncList(payload, list)) {
        LOG_ERROR << "could not read sync list: damaged" << path;
        return 1;
    }
    return 0;
}

int TAVSync::saveSyncList(QList<TAVSyncEntry> list, TAVVault *vault)
{
    const QString path = vault->getVaultSyncFileName();
    LOG_DEBUG << "saving sync list to" << path;
    QString error;
    const int written =
        AtomicFileWriter::writeDataFile(path, vault->getCipher(), vault->getKey(), 1, serializeSyncList(list), &error);
    if (written != AtomicFileWriter::Written) {
        LOG_ERROR << "could not write sync list" << written << error;
        return 1;
    }
    return 0;
}

int TAVSync::addSyncPeer(TAVVault *vault, QString host, QString diskFolder, QString vaultFolder)
{
    if (const int refused = checkDiskFolder(vault, diskFolder)) {
        LOG_ERROR << "sync peer refused" << diskFolder << refused;
        return refused;
    }
    QMutexLocker lock(&listMutex);
    QList<TAVSyncEntry> list;
    if (readSyncList(&list, vault) != 0) {
        LOG_ERROR << "readSyncList failed";
        // Going on would replace every peer the file holds with this one.
        if (QFileInfo::exists(vault->getVaultSyncFileName()))
            return ListUnreadable;
        list.clear();
    }
    for (const TAVSyncEntry &entry : qAsConst(list)) {
        if (entry.sameFolders(host, diskFolder, vaultFolder))
            return PeerExists;
    }
    TAVSyncEntry entry;
    entry.id = QUuid::createUuid();
    entry.host = host;
    entry.diskFolder = diskFolder;
    entry.vaultFolder = vaultFolder;
    list.append(entry);
    if (nestedInEarlierPeer(list, list.size() - 1)) {
        LOG_ERROR << "sync peer refused: nested in another" << diskFolder;
        return NestedPeer;
    }
    if (saveSyncList(list, vault) != 0) {
        LOG_ERROR << "write synclist failed";
        return ListNotWritten;
    }
    return PeerOk;
}

int TAVSync::delSyncPeer(TAVVault *vault, QString host, QString diskFolder, QString vaultFolder)
{
    QMutexLocker lock(&listMutex);
    QList<TAVSyncEntry> list;
    if (readSyncList(&list, vault) != 0) {
        LOG_ERROR << "readSyncList failed";
        return 1;
    }
    int index = -1;
    for (int i = 0; i < list.size() && index < 0; ++i) {
        if (list.at(i).sameFolders(host, diskFolder, vaultFolder))
            index = i;
    }
    if (index < 0)
        return 2;
    const QUuid id = list.takeAt(index).id;
    FileUtils::removeDelayed(stateFilePath(vault, id), false);
    LOG_DEBUG << "remove" << host << diskFolder << vaultFolder;
    if (saveSyncList(list, vault) != 0) {
        LOG_ERROR << "write synclist failed";
        return 3;
    }
    return 0;
}

QString TAVSync::addSyncPeerMessage(int result)
{
    switch (result) {
    case PeerOk:
        return QString();
    case ListUnreadable:
        return tr("The list of synchronization peers of this vault can't be read. Nothing was changed.");
    case PeerExists:
        return tr("These folders are already synchronized.");
    case ListNotWritten:
        return tr("The list of synchronization peers could not be written. The folder was not added.");
    case VaultFolderPeer:
        return tr("This folder can't be synchronized: it is the vault's own folder, lies inside it or holds it.");
    case ProtectedFolder:
        return tr("This folder can't be synchronized: the application keeps its own files there.");
    case NestedPeer:
        return tr("This folder can't be synchronized: it holds or lies inside a folder already synchronized "
                  "with this vault.");
    default:
        return tr("The folder could not be added.");
    }
}

int TAVSync::checkDiskFolder(TAVVault *vault, const QString &diskFolder)
{
    const QString disk = resolvedFolder(diskFolder);
    if (overlaps(disk, resolvedFolder(vault->getFullPhysicalVaultPath())))
        return VaultFolderPeer;
    for (const QString &folder : protectedFolders()) {
        if (!folder.isEmpty() && overlaps(disk, resolvedFolder(folder)))
            return ProtectedFolder;
    }
    return 0;
}

void TAVSync::setProtectedFolders(const QStringList &folders)
{
    QMutexLocker lock(&settingsMutex);
    protectedList = folders;
}

QStringList TAVSync::protectedFolders()
{
    QMutexLocker lock(&settingsMutex);
    return protectedList;
}

void TAVSync::cancelRuns()
{
    cancelEpoch.fetch_add(1);
}

TAVSync::RunHold::RunHold()
{
    QMutexLocker lock(&runsMutex);
    ++activeRuns;
}

TAVSync::RunHold::~RunHold()
{
    QMutexLocker lock(&runsMutex);
    --activeRuns;
    runsEnded.wakeAll();
}

bool TAVSync::waitForRuns(int msecs)
{
    QMutexLocker lock(&runsMutex);
    QDeadlineTimer deadline(msecs);
    while (activeRuns > 0) {
        if (!runsEnded.wait(&runsMutex, deadline))
            return activeRuns == 0;
    }
    return true;
}

void TAVSync::setMountInfoPath(const QString &path)
{
    QMutexLocker lock(&settingsMutex);
    mountInfoPath = path;
}

bool TAVSync::hasCoarseTimes(const QString &path)
{
    QString table;
    {
        QMutexLocker lock(&settingsMutex);
        table = mountInfoPath;
    }
    const QList<MountEntry> mounts = MountTable::read(table.isEmpty() ? MountTable::defaultPath() : table);
    const QString target = resolvedFolder(path);
    QString best;
    QString type;
    for (const MountEntry &entry : mounts) {
        const QString &mount = entry.mountPoint;
        const bool holds =
            mount == QLatin1String("/") || target == mount || target.startsWith(mount + QLatin1Char('/'));
        // The last of equal mount points is the one on top.
        if (holds && mount.size() >= best.size()) {
            best = mount;
            type = entry.fileSystemType;
        }
    }
    return isCoarseType(type);
}

QString TAVSync::stateFilePath(TAVVault *vault, const QUuid &id)
{
    return vault->getFullPhysicalVaultPath() + QLatin1Char('/') + UuidToSyncFileName(id);
}

QStringList TAVSync::stateFiles(const QString &vaultFolder)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}\\.sync$"));
    QStringList found;
    const QStringList names = QDir(vaultFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        if (pattern.match(name).hasMatch())
            found << vaultFolder + QLatin1Char('/') + name;
    return found;
}

// ---------------------------------------------------------------------------
// The runs

int TAVSync::syncFolders(TAVVault *vault)
{
    if (!vault)
        return 1;
    const int epoch = cancelEpoch.load();
    ActiveRun active;
    Run run(vault, epoch);
    RunLock lock;
    run.line(tr("Starting..."));
    auto finishWithErrors = [&] {
        run.line(tr("Synchronization finished with errors: see the lines above."));
        vault->syncCompleteWithErrors();
        return 1;
    };
    if (!lock.locked()) {
        run.line(tr("Another synchronization is running."));
        return finishWithErrors();
    }
    if (!run.onVault([] {})) {
        run.stopLine();
        return finishWithErrors();
    }
    if (!QFileInfo::exists(vault->getVaultSyncFileName())) {
        run.line(tr("No synchronization peers defined."));
        return 0;
    }
    QList<TAVSyncEntry> list;
    if (readSyncList(&list, vault) != 0) {
        LOG_ERROR << "readSyncList failed";
        run.failed(vault->getVaultSyncFileName(), addSyncPeerMessage(ListUnreadable));
        return finishWithErrors();
    }

    const QString host = Utils::getHostName();
    bool anyPeer = false;
    bool failed = false;
    for (int index = 0; index < list.size(); ++index) {
        const TAVSyncEntry &peer = list.at(index);
        bool found = false;
        if (!run.onVault([&] { found = getItemContainer(vault, peer.vaultFolder) != nullptr; })) {
            run.stopLine();
            failed = true;
            break;
        }
        if (!found) {
            LOG_ERROR << "vault folder" << peer.vaultFolder << "not found, erasing from syncfile";
            delSyncPeer(vault, peer.host, peer.diskFolder, peer.vaultFolder);
            continue;
        }
        if (peer.host != host)
            continue;
        anyPeer = true;
        const PeerOutcome outcome = PeerSync(run, peer, nestedInEarlierPeer(list, index)).sync();
        if (outcome == PeerOutcome::Finished)
            continue;
        failed = true;
        if (outcome == PeerOutcome::Stopped) {
            run.stopLine();
            break;
        }
        if (outcome == PeerOutcome::EndRun)
            break;
    }
    if (failed)
        return finishWithErrors();
    if (anyPeer)
        vault->syncComplete();
    return 0;
}

int TAVSync::scanVault(TAVVault *vault)
{
    if (!vault)
        return 1;
    const int epoch = cancelEpoch.load();
    ActiveRun active;
    Run run(vault, epoch);
    RunLock lock;
    if (!lock.locked())
        return 1;
    if (!run.onVault([] {}))
        return 1;
    if (!QFileInfo::exists(vault->getVaultSyncFileName()))
        return 0;
    QList<TAVSyncEntry> list;
    if (readSyncList(&list, vault) != 0) {
        LOG_ERROR << "readSyncList failed";
        return 1;
    }
    const QString host = Utils::getHostName();
    const QString vaultFolder = vault->getFullPhysicalVaultPath();
    for (int index = 0; index < list.size(); ++index) {
        const TAVSyncEntry &peer = list.at(index);
        bool found = false;
        TAVFolderMap vaultMap;
        QByteArray entryKey;
        if (!run.onVault([&] {
                entryKey = SyncStateFile::entryKey(vault->getKey());
                if (TAVItemContainer *container = getItemContainer(vault, peer.vaultFolder)) {
                    found = true;
                    if (peer.host == host)
                        getVaultFolderInfo(QString(), &vaultMap, container);
                }
            }))
            return 1;
        if (!found) {
            LOG_ERROR << "vault folder" << peer.vaultFolder << "not found, skipping";
            continue;
        }
        if (peer.host != host)
            continue;
        const QString start =
            QStringLiteral("Starting scan on %1 %2 to %3").arg(host, peer.diskFolder, peer.vaultFolder);
        vault->syncProgress(start);
        LOG_DEBUG << start;
        if (checkDiskFolder(vault, peer.diskFolder) != 0 || nestedInEarlierPeer(list, index)) {
            // A synchronisation refuses such a peer: nothing waits.
            vault->SyncItemScan(0);
            continue;
        }
        const SyncLastState last = lastStateOf(stateFilePath(vault, peer.id), entryKey);
        LOG_DEBUG << "vault contains" << vaultMap.size() << "files";
        TAVFolderMap diskMap;
        QHash<QString, QString> skipped;
        if (getDiskFolderInfo(peer.diskFolder, &diskMap, &skipped) != 0) {
            LOG_DEBUG << "getFolderInfo failed";
            return 1;
        }
        LOG_DEBUG << "disk contains" << diskMap.size() << "files";
        const bool coarse = hasCoarseTimes(vaultFolder) || hasCoarseTimes(peer.diskFolder);
        const QList<QString> skippedKeys = skipped.keys();
        const SyncPlan plan = SyncComparison::compare(vaultMap, diskMap, last,
                                                      QSet<QString>(skippedKeys.cbegin(), skippedKeys.cend()), coarse);
        LOG_DEBUG << "toDisk" << plan.toDisk.size();
        LOG_DEBUG << "toVault" << plan.toVault.size();
        LOG_DEBUG << "delFromVault" << plan.delFromVault.size();
        LOG_DEBUG << "delFromDisk" << plan.delFromDisk.size();
        LOG_DEBUG << "total changes" << plan.total();
        vault->SyncItemScan(plan.total());
        if (run.stopped())
            return 1;
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Helpers

int getVaultFolderInfo(QString prefix, TAVFolderMap *map, TAVItemContainer *container)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *child = container->getItemAt(i);
        const int classId = child->GetClassID();
        // Hidden names take no part, as on the disk: such items stay as they are.
        if ((classId != TAV_CLASS_FILE && classId != TAV_CLASS_FOLDER) || child->GetName().startsWith(QLatin1Char('.')))
            continue;
        TAVFolderEntry entry;
        entry.path = prefix + child->GetName();
        entry.modified = child->GetModifiedDate();
        entry.isDir = classId == TAV_CLASS_FOLDER;
        map->insert(SyncComparison::keyOf(entry.path), entry);
        if (entry.isDir)
            getVaultFolderInfo(entry.path + QLatin1Char('/'), map, static_cast<TAVItemContainer *>(child));
    }
    return 0;
}

int getDiskFolderInfo(QString root, TAVFolderMap *map, QHash<QString, QString> *skipped)
{
    // Read with the system's own calls: QDir tells no error (an unreadable
    // folder would read as emptied) and follows links.
    struct stat rootStat;
    const QByteArray rootName = QFile::encodeName(root);
    if (::stat(rootName.constData(), &rootStat) != 0)
        return errno == ENOENT || errno == ENOTDIR ? 1 : 2;
    if (!S_ISDIR(rootStat.st_mode))
        return 1;
    const auto skip = [skipped](const QString &key, const QString &line) {
        if (skipped && !skipped->contains(key))
            skipped->insert(key, line);
    };
    const auto unreadable = [](const QString &path, int error) {
        return QCoreApplication::translate("TAVSync", "Failed: %1 (can't be read: %2)")
            .arg(path, QString::fromLocal8Bit(std::strerror(error)));
    };
    struct Entry
    {
        QString name;
        struct stat st;
    };
    struct Folder
    {
        QByteArray path;
        QString prefix; // relative path of its entries, ending in "/" (empty at the top)
    };
    QList<Folder> stack;
    stack.append({rootName, QString()});
    while (!stack.isEmpty()) {
        const Folder folder = stack.takeLast();
        const bool top = folder.prefix.isEmpty();
        // The peer folder itself was chosen by the user and may be a link;
        // below it no link is followed.
        const int fd = ::open(folder.path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (top ? 0 : O_NOFOLLOW));
        DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
        int error = fd < 0 ? errno : 0;
        if (fd >= 0 && !dir) {
            error = errno;
            ::close(fd);
        }
        QList<Entry> entries;
        while (dir) {
            errno = 0;
            const dirent *ent = ::readdir(dir);
            if (!ent) {
                error = errno;
                break;
            }
            const QString name = QFile::decodeName(ent->d_name);
            // Hidden entries take no part (the vault's are left out alike).
            if (name.startsWith(QLatin1Char('.')))
                continue;
            Entry entry{name, {}};
            if (::fstatat(fd, ent->d_name, &entry.st, AT_SYMLINK_NOFOLLOW) != 0) {
                const QString relative = folder.prefix + name;
                skip(SyncComparison::keyOf(relative), unreadable(relative, errno));
                continue;
            }
            entries.append(entry);
        }
        if (dir)
            ::closedir(dir);
        if (error != 0) {
            // Nothing below a folder that can't be read is known: it takes
            // no part, on either side.
            if (top)
                return 2;
            const QString relative = folder.prefix.chopped(1);
            const QString key = SyncComparison::keyOf(relative);
            map->remove(key);
            skip(key, unreadable(relative, error));
            continue;
        }
        QHash<QString, QStringList> byKey;
        for (const Entry &entry : qAsConst(entries))
            byKey[SyncComparison::keyOf(folder.prefix + entry.name)] << entry.name;
        for (const Entry &entry : qAsConst(entries)) {
            const QString relative = folder.prefix + entry.name;
            const QString key = SyncComparison::keyOf(relative);
            const QStringList &same = byKey[key];
            if (same.size() > 1) {
                // Both would be one item in the vault: neither is taken.
                QStringList names;
                for (const QString &name : same)
                    names << folder.prefix + name;
                names.sort();
                skip(key, QCoreApplication::translate("TAVSync", "Skipped: %1 (names that differ only in case)")
                              .arg(names.join(QStringLiteral(", "))));
                continue;
            }
            const mode_t mode = entry.st.st_mode;
            if (S_ISLNK(mode)) {
                // Neither file nor folder: never read, written or deleted through.
                skip(key, QCoreApplication::translate("TAVSync", "Skipped: %1 (a symbolic link)").arg(relative));
                continue;
            }
            if (!S_ISDIR(mode) && !S_ISREG(mode)) {
                skip(key, QCoreApplication::translate("TAVSync", "Skipped: %1 (not a file or a folder)").arg(relative));
                continue;
            }
            TAVFolderEntry item;
            item.path = relative;
            item.modified = QDateTime::fromMSecsSinceEpoch(
                qint64(entry.st.st_mtim.tv_sec) * 1000 + entry.st.st_mtim.tv_nsec / 1000000, Qt::UTC);
            item.isDir = S_ISDIR(mode);
            item.size = item.isDir ? -1 : qint64(entry.st.st_size);
            map->insert(key, item);
            if (item.isDir)
                stack.append({folder.path + '/' + QFile::encodeName(entry.name), relative + QLatin1Char('/')});
        }
    }
    return 0;
}

TAVItemContainer *getItemContainer(TAVVault *vault, QString path)
{
    if (path.size() == 1 && path == QLatin1String("/"))
        return vault;
    if (path.size() >= 2 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const QStringList parts = path.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return vault;
    TAVItemContainer *current = vault;
    for (int i = 1; i < parts.size(); ++i) {
        TAVItem *item = current->getItem(parts.at(i));
        if (!item || (item->GetClassID() != TAV_CLASS_FOLDER && item->GetClassID() != TAV_CLASS_VAULT))
            return nullptr;
        current = static_cast<TAVItemContainer *>(item);
    }
    return current;
}

TAVItem *getItem(TAVVault *vault, QString path)
{
    if (path == QLatin1String("/"))
        return vault;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return nullptr;
    TAVItemContainer *current = vault;
    TAVItem *item = nullptr;
    for (int i = 1; i < parts.size(); ++i) {
        item = current->getItem(parts.at(i));
        if (!item)
            return nullptr;
        if (i < parts.size() - 1) {
            if (item->GetClassID() != TAV_CLASS_FOLDER)
                return nullptr;
            current = static_cast<TAVItemContainer *>(item);
        }
    }
    return item;
}

int createVaultFolder(TAVVault *vault, QString path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString parentPath = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    TAVItemContainer *container = getItemContainer(vault, parentPath);
    if (!container) {
        LOG_ERROR << " error not container during create directory";
        return 1;
    }
    if (getItem(vault, path)) {
        LOG_ERROR << "Directory already exists";
        return 1;
    }
    if (!container->canAddFolder())
        return 1;
    container->addFolder(name);
    return 0;
}

int deleteVaultItem(TAVVault *vault, QString path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    TAVItem *item = getItem(vault, path);
    if (!item || !item->GetParent() || item == vault) {
        LOG_ERROR << " error file or vault not found during delete";
        return 1;
    }
    if (item->GetClassID() == TAV_CLASS_FOLDER && static_cast<TAVItemContainer *>(item)->getItemCount() > 0) {
        LOG_ERROR << "dir not empty";
        return 2;
    }
    static_cast<TAVItemContainer *>(item->GetParent())->deleteItem(name);
    return 0;
}

bool descstringsort(const QString &a, const QString &b)
{
    return a.size() < b.size();
}

bool stringsort(const QString &a, const QString &b)
{
    return a.size() > b.size();
}
