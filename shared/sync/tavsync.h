#ifndef TAVSYNC_H
#define TAVSYNC_H

#include "synccomparison.h"
#include "tavsyncentry.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

class TAVItem;
class TAVItemContainer;
class TAVVault;

// Lets one synchronisation or scan run at a time in the process. A caller on
// the GUI thread only tries it: the GUI never waits for a run.
extern QMutex sync_running;

// Sync peers of a vault ("synclist.dat", encrypted under the vault's key),
// their state files, and the two runs over them: syncFolders keeps each peer
// of this host in step, scanVault counts what it would do.
//
// Threads: both runs belong on a pool thread. The disk walk and the
// encryption and decryption of whole files happen there; every change to
// the vault's tree, and the one index save per peer that follows the
// changes, happen on the thread that owns the vault (a blocking queued call,
// or a direct call when the run is already there). A run stops before its
// next change when cancelRuns() is called or the vault is unloaded; it then
// saves nothing and leaves the peer's state file as it was.
//
// Signals (through the vault): itemSyncProgress(QString) for every line,
// itemSyncScan(uint) per scanned peer, vaultRefresh(TAVItemContainer*) after
// changes, and at the end of a synchronisation of peers of this host one
// result: syncDone() when every peer finished without a failed item, else
// syncFinishedWithErrors() after a line saying so.
class TAVSync : public QObject
{
    Q_OBJECT
public:
    // Results of addSyncPeer (and the first three of delSyncPeer).
    enum PeerResult {
        PeerOk = 0,
        ListUnreadable = 1, // the list exists but can't be read: nothing written
        PeerExists = 2,     // (delSyncPeer: no such peer)
        ListNotWritten = 3,
        VaultFolderPeer = 4, // the disk folder is the vault's folder, inside it or holds it
        ProtectedFolder = 5, // the disk folder is, holds or lies inside a protected folder
        NestedPeer = 6,      // the disk folder holds or lies inside another peer's of this host
    };

    // 0 read (the list replaced); 1 missing, unreadable or damaged (the list as it was).
    static int readSyncList(QList<TAVSyncEntry> *list, TAVVault *vault);
    // 0 written (whole, replacing the old file only when complete); 1 not written.
    static int saveSyncList(QList<TAVSyncEntry> list, TAVVault *vault);
    // Read, change and write of the list are one step for all callers.
    static int addSyncPeer(TAVVault *vault, QString host, QString diskFolder, QString vaultFolder);
    // 0 removed (its state file removed in the background); 1 list unreadable;
    // 2 no such peer; 3 list not written.
    static int delSyncPeer(TAVVault *vault, QString host, QString diskFolder, QString vaultFolder);
    // What to tell the user about an addSyncPeer result; empty for 0.
    static QString addSyncPeerMessage(int result);

    // 0 every peer of this host finished without a failed item (or there
    // was none); 1 otherwise.
    static int syncFolders(TAVVault *vault);
    // 0 finished; 1 the list can't be read, a disk folder is missing, the
    // vault is not loaded, or the run was stopped.
    static int scanVault(TAVVault *vault);

    // 0 the disk folder may be a peer of the vault, else VaultFolderPeer or ProtectedFolder.
    static int checkDiskFolder(TAVVault *vault, const QString &diskFolder);
    // Folders no peer may be, hold or lie in: the settings, backup and
    // temporary folders. Thread-safe.
    static void setProtectedFolders(const QStringList &folders);
    static QStringList protectedFolders();

    // Stops the runs started so far before their next change.
    static void cancelRuns();
    // Waits until no run is active; false on time-out. Call cancelRuns()
    // first when waiting on the vault's own thread.
    static bool waitForRuns(int msecs);

    // Counts as an active run from its making to its end: a task queued on
    // the pool (a run and the scan after it) is waited for by waitForRuns()
    // before it has even started, so its vault is never freed under it.
    class RunHold
    {
    public:
        RunHold();
        ~RunHold();
        RunHold(const RunHold &) = delete;
        RunHold &operator=(const RunHold &) = delete;
    };

    // The mount table read to tell FAT and exFAT folders (empty: the process's).
    static void setMountInfoPath(const QString &path);
    // A FAT or exFAT volume holds the path: its times have two-second steps.
    static bool hasCoarseTimes(const QString &path);

    // A state file's path: the vault folder, "/", UuidToSyncFileName(id).
    static QString stateFilePath(TAVVault *vault, const QUuid &id);
    // The state files in a vault folder ("<32 hex digits>.sync"), whichever
    // peer they belong to.
    static QStringList stateFiles(const QString &vaultFolder);
};

// The vault folder's subtree (names beginning with "." left out), keys
// prefixed (empty for the top), always 0.
int getVaultFolderInfo(QString prefix, TAVFolderMap *map, TAVItemContainer *container);
// The disk folder's visible subtree (names beginning with "." left out): 0
// done; 1 no such folder; 2 the folder can't be read (map untouched for
// both). Names that fold to one key, symbolic links, entries that are
// neither file nor folder and folders that can't be read go to `skipped`
// (key -> line): they and everything below them take no part.
int getDiskFolderInfo(QString root, TAVFolderMap *map, QHash<QString, QString> *skipped = nullptr);
// "/" the vault; null when the path leads to no container.
TAVItemContainer *getItemContainer(TAVVault *vault, QString path);
TAVItem *getItem(TAVVault *vault, QString path);
// The tree only (the run saves once per peer): 0 created; 1 no parent
// container, the name taken, or the container takes no folder. Throws
// TAVException for a name the vault refuses.
int createVaultFolder(TAVVault *vault, QString path);
// The tree only: 0 deleted; 1 not found; 2 a folder that still holds items.
int deleteVaultItem(TAVVault *vault, QString path);
// Shortest first, and longest first.
bool descstringsort(const QString &a, const QString &b);
bool stringsort(const QString &a, const QString &b);

#endif // TAVSYNC_H
