#ifndef SYNCCOMPARISON_H
#define SYNCCOMPARISON_H

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// One path seen on one side of a comparison.
struct TAVFolderEntry
{
    QString path;       // relative, "/"-separated, as the side spells it
    QDateTime modified;
    bool isDir = false;
    qint64 size = -1;   // a disk file's size as listed (-1: not known)
};

// Relative path folded to its key (see SyncComparison::keyOf) -> entry.
using TAVFolderMap = QHash<QString, TAVFolderEntry>;

// One action of a plan: the path as the vault spells it (or will) and as the
// disk spells it (or will), relative to the peer's two folders.
struct SyncAction
{
    QString vaultPath;
    QString diskPath;
    bool isDir = false;
};

using SyncActions = QHash<QString, SyncAction>; // key -> action

// What the last synchronisation of a peer left: whether it knew a key, how
// many entries its state held, and when the state was written (null: no
// time known).
struct SyncLastState
{
    std::function<bool(const QString &key)> knows = [](const QString &) { return false; };
    int size = 0;
    QDateTime written;

    // The state of these relative paths (compared by their keys).
    static SyncLastState ofPaths(const QStringList &relativePaths, const QDateTime &written = QDateTime());
};

// What a peer's synchronisation does, decided from the two sides and the
// last state alone.
struct SyncPlan
{
    enum Guard {
        NoGuard = 0,
        VaultSideEmpty, // the vault folder is empty while the state is not
        DiskSideEmpty,  // the disk folder is empty while the state is not
    };

    SyncActions toDisk;
    SyncActions toVault;
    SyncActions delFromVault;
    SyncActions delFromDisk;
    // Keys of the disk whose names fold to one key, taking no part (with
    // everything below them).
    QStringList ambiguous;
    // Set when the plan was withheld: all four sets are then empty.
    Guard guard = NoGuard;

    uint total() const
    {
        return uint(toDisk.size() + toVault.size() + delFromVault.size() + delFromDisk.size());
    }
};

// The three-way comparison of a vault folder, a disk folder and the paths the
// vault folder held after the last synchronisation. Pure: the synchronisation
// and the scan both call it, so the count shown is what a run would do.
//
//   in both, both files   vault older: toVault; disk older: toDisk; equal: nothing
//   in both, a folder     nothing
//   vault only            in the state: delFromVault; else toDisk
//   disk only             in the state: delFromDisk; else toVault
//
// A deletion yields to an edit: a file known to the state but changed on
// its side after the state was written is copied back, not deleted.
//
// Times are whole seconds; with coarseTimes (a FAT or exFAT side, which keeps
// two-second times) a difference of up to 2 s counts as equal. Keys are
// compared case-folded, as the vault compares names. When one side is empty
// and the state is not, nothing is planned (an unmounted share or a vault
// not loaded must not read as "everything deleted").
class SyncComparison
{
public:
    static SyncPlan compare(const TAVFolderMap &vault, const TAVFolderMap &disk, const SyncLastState &last,
                            const QSet<QString> &ambiguousDiskKeys, bool coarseTimes);

    // The key of a relative path: case-folded.
    static QString keyOf(const QString &relativePath) { return relativePath.toCaseFolded(); }
    // Equal for the comparison: whole seconds, with the two-second slack when coarse.
    static int compareTimes(const QDateTime &vault, const QDateTime &disk, bool coarseTimes);

private:
    SyncComparison() = delete;
};

#endif // SYNCCOMPARISON_H
