#ifndef TAVFILEWATCHER_H
#define TAVFILEWATCHER_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class QFileSystemWatcher;
class TAVFile;

// Keeps the decrypted copies of vault files that the user opened in other
// applications, and puts every save of such a copy back into the vault: the
// copy is encrypted into the item's body and the vault's index is saved. At
// lock and at the end every copy is wiped and removed.
//
// A save is recognised by the copy's identity, size and modification time
// at full resolution, and by its content (a checksum) when the times can't
// tell: two saves too close together, a tool that puts the old time back. Editors that save by writing a new file and
// renaming it over the copy are followed through the copy's folder.
//
// The main window opens a file with openCopy() and then hands the returned
// path to the system's opener. GUI thread only.
class TAVFileWatcher : public QObject
{
    Q_OBJECT
public:
    TAVFileWatcher();
    // Wipes the remaining copies (removeWatchingFiles).
    ~TAVFileWatcher() override;

    // Watches a copy for an item. A path already watched keeps its item ("file
    // already monitored" in the log). The copy as it is now counts as saved.
    void addFile(const QString &path, TAVFile *file);
    // Stops watching a copy; a save not yet handled reaches the vault first.
    // An unknown path is logged ("file not found in watchlist").
    void removeFile(const QString &path);
    bool isBeingWatched(const QString &path) const;
    // Saves not yet handled reach the vault; then every copy, also one whose
    // watch was lost, is wiped and removed, with the folders openCopy made
    // for them (and whatever an editor left in them), and the table emptied.
    void removeWatchingFiles();

    // Decrypts an item for editing to a copy of its own in the temporary
    // folder, "<temp>/<random 32 hex digits>/<item name>", and watches it;
    // returns the copy's path. An item already open gets its copy decrypted
    // anew in the same place. Two items never share a copy, whatever their
    // names. Throws TAVException when there is no temporary folder or the
    // item can't be decrypted (nothing is then watched for it), and when the
    // item's copy holds changes that could not be put into the vault (the
    // copy is then kept and stays watched).
    QString openCopy(TAVFile *file);

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
        QPointer<TAVFile> file; // null once the item is gone
        Snapshot saved;
    };

    static Snapshot snapshotOf(const QString &path);
    static bool unchanged(const Snapshot &saved, const QString &path);
    // Encrypts the copy into its item when it changed since the last save.
    void synchronise(const QString &path);
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
};

#endif // TAVFILEWATCHER_H
