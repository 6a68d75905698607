#ifndef TAVFILEWATCHER_H
#define TAVFILEWATCHER_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>

class QFileSystemWatcher;
class TAVFile;
class TAVVault;

// Keeps the decrypted copies of vault files that the user opened in other
// applications, and puts every save of such a copy back into the vault: the
// copy is encrypted into the item's body and the vault's index is saved. At
// lock and at the end every copy is wiped and removed, except a copy whose
// changes could not be put into the vault (its vault's folder not found, a
// full disk): that one is never wiped. It stays, watched, and its changes
// are tried again at every notice of a save and at retryKeptCopies().
//
// A save is recognised by the copy's identity, size and modification time
// at full resolution, and by its content (a checksum) when the times can't
// tell: two saves too close together, a tool that puts the old time back. Editors that save by writing a new file and
// renaming it over the copy are followed through the copy's folder.
//
// A copy knows its item by the item's and the vault's identifiers too, so
// that it finds the item again once its vault is loaded anew (after an
// unlock). The copies kept are listed in AppState::keptListName in the
// temporary folder, so that the next start leaves them alone.
//
// The main window opens a file with openCopy() and then hands the returned
// path to the system's opener. At lock it calls removeWatchingFiles() and
// tells the user about the copies returned; at unlock, once the vaults are
// loaded, it calls retryKeptCopies(). GUI thread only.
class TAVFileWatcher : public QObject
{
    Q_OBJECT
public:
    TAVFileWatcher();
    // Wipes the copies whose changes are in the vault (removeWatchingFiles);
    // the others stay on the disk, listed for the next start.
    ~TAVFileWatcher() override;

    // Watches a copy for an item. A path already watched keeps its item ("file
    // already monitored" in the log). The copy as it is now counts as saved.
    void addFile(const QString &path, TAVFile *file);
    // Stops watching a copy; a save not yet handled reaches the vault first.
    // A copy whose changes can't be put into the vault stays watched (logged).
    // An unknown path is logged ("file not found in watchlist").
    void removeFile(const QString &path);
    bool isBeingWatched(const QString &path) const;
    // Saves not yet handled reach the vault; then every copy, also one whose
    // watch was lost, is wiped and removed, with the folders openCopy made
    // for them (and whatever an editor left in them). A copy of a deleted
    // item is wiped too. A copy whose changes could not be put into the
    // vault is kept with its folder and its watch; it is wiped once a later
    // notice or retryKeptCopies() has put them in. Returns the copies kept.
    QStringList removeWatchingFiles();
    // Tries again to put the changes of every kept copy into the vault,
    // finding each item again in the loaded vaults. A copy kept at a lock
    // whose changes are now in is wiped as removeWatchingFiles() would have;
    // others stay watched. Returns the copies still kept.
    QStringList retryKeptCopies();
    // The copies whose changes are not in the vault at the moment.
    QStringList keptCopies() const;

    // Decrypts an item for editing to a copy of its own in the temporary
    // folder, "<temp>/<random 32 hex digits>/<item name>", and watches it;
    // returns the copy's path. An item already open gets its copy decrypted
    // anew in the same place. Two items never share a copy, whatever their
    // names. Throws TAVException when there is no temporary folder or the
    // item can't be decrypted (nothing is then watched for it), when the
    // copy or its folder is a symbolic link (nothing is written), and when
    // the item's copy holds changes that could not be put into the vault
    // (the copy is then kept and stays watched).
    QString openCopy(TAVFile *file);

signals:
    // The copies whose changes are not in the vault changed: the list now.
    void keptCopiesChanged(const QStringList &copies);

private slots:
    void on_fileChanged(const QString &path);
    void on_directoryChanged(const QString &folder);

private:
    // What a copy looked like when it was last put into the vault.
    struct Snapshot
    {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        // Taken within the time stamps' resolution of the last change: a
        // later save could leave the same times, so the content decides.
        bool recent = false;
        QByteArray checksum; // SHA-256 of the content
    };
    struct Entry
    {
        QPointer<TAVFile> file;   // null once the item is gone or reloaded
        QPointer<TAVVault> vault; // the item's vault, when known
        QUuid vaultId;
        QUuid itemId;
        Snapshot saved;
        // Kept at a lock: wiped as soon as its changes are in the vault.
        bool afterLock = false;
    };
    enum class Target { Ready, Unreachable, Deleted };

    static Snapshot snapshotOf(const QString &path);
    static bool unchanged(const Snapshot &saved, const QString &path);
    // The entry's item if its vault is loaded (found again by identifier
    // after a reload); Unreachable while the vault is unloaded or unknown,
    // Deleted when a loaded vault no longer holds it.
    static Target resolve(Entry &entry);
    bool sameItem(const Entry &entry, TAVFile *file) const;
    // Encrypts the copy into its item when it changed since the last save.
    // False when the copy holds changes that are not in the vault.
    bool synchronise(const QString &path);
    // A copy kept at a lock whose changes are now in the vault is wiped.
    void settle(const QString &path);
    // Wipes a copy and its folder and drops its entry.
    void forget(const QString &path);
    void setKept(const QString &path, bool keep);
    void writeKeptList() const;
    // Watches whatever file is at the path now (a replaced copy is a new file).
    void rearm(const QString &path);
    void watchFolder(const QString &path);
    void unwatchFolder(const QString &path);
    static void warn(const QString &text);

    QFileSystemWatcher *watcher;
    QHash<QString, Entry> watched;  // copy path -> its item
    QHash<QString, int> folders;    // folders of the copies, with the number of copies in each
    QHash<QString, QString> ownFolders; // copy path -> the folder openCopy made for it
    // Copies being encrypted: a notice that comes while a warning box is
    // open must not start the same work again.
    QSet<QString> busy;
    QSet<QString> kept; // copies holding changes that are not in the vault
};

#endif // TAVFILEWATCHER_H
