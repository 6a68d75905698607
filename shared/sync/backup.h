#ifndef BACKUP_H
#define BACKUP_H

#include "tavkey.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

// Backups of vault folders. A backup is a dated folder holding a plain copy
// of the vault folder's data files (still enciphered under the vault's own
// key) and the header "vaultinfo.dat" (BackupHeader), which names the vault
// and lets a restore test a key before anything is overwritten.
//
// The header is the backup's commit mark: it is written under a temporary
// name and renamed into place only once every file was copied whole and
// synced, so a folder without one is an interrupted or failed backup, and
// its key check fails.
//
// What a copy takes, at every level: files whose suffix is empty or "dat",
// except "vaultinfo.dat"; every sub-folder is made, also an empty one.
// Symbolic links are never followed or copied.
class Backup : public QObject
{
    Q_OBJECT
public:
    // Results of the writer.
    enum WriteResult {
        Written = 0,
        SourceMissing = 1,   // no vault folder
        HeaderFailed = 2,    // the header could not be opened, written or put in place
        CopyFailed = 3,      // a file or folder could not be copied
        HeaderRefused = 4,   // no random bytes for the IV, or a key that can't be used; nothing written
    };

    explicit Backup(QObject *parent = nullptr);

    // Writes a backup of vaultFolder into backupFolder: the header is made
    // first (so a failing random source writes nothing), the files copied
    // and synced, and the header committed last. An earlier header in
    // backupFolder is removed before anything is copied.
    int folderToFolder(const QString &vaultFolder, const QString &backupFolder, const QString &vaultName,
                       quint64 size, const TAVKey &vaultKey);
    // Copies a backup back over a vault folder: files of the same relative
    // path are replaced, others stay. 0 done; 1 no backup folder; 3 a file or
    // folder could not be copied.
    int folderToFolder(const QString &backupFolder, const QString &vaultFolder);
    // The same, with the files named in `last` (at the top of the folder)
    // copied after everything else, in that order.
    int folderToFolder(const QString &backupFolder, const QString &vaultFolder, const QStringList &last);
    // The tree copy under the rule above; stops at the first file or folder
    // that fails. 0 done; 1 no source folder; 3 a copy failed.
    int toFolder(const QString &source, const QString &target);
    // One file through a 64 KiB buffer, every read and write checked. 0 done;
    // 1 the source can't be read; 2 the target can't be opened (or is a
    // symbolic link); 3 reading or writing failed part-way.
    int copy(const QString &source, const QString &target);

    // Why the last operation of this object failed; empty after success.
    QString errorString() const { return m_error; }

    // Finds a key that opens a backup: the vault key, else the stored key
    // unwrapped under unwrapKey. 0 found (out set); 1 header unreadable; 2 neither.
    static int checkKey(const QString &backupFolder, const TAVKey &unwrapKey, const TAVKey &vaultKey,
                        TAVKey &out);
    // The stored key unwrapped under unwrapKey. 0 it opens the backup (out
    // set); 1 header unreadable; 3 it does not.
    static int checkKey(const QString &backupFolder, const TAVKey &unwrapKey, TAVKey &out);
    // 0 read (name set); 1 cannot open; 2 version is not 1; 3 cut short or damaged.
    static int getVaultNameFromFile(const QString &backupFolder, QString &name);

    // True when a folder name has the form of a backup's: the start time
    // "yyyy-MM-dd_hh-mm-ss", with "_2", "_3"... for later backups of the same second.
    static bool isBackupName(const QString &name);
    // A name of that form for `time` that is not yet taken in perVaultFolder.
    static QString newBackupName(const QString &perVaultFolder, const QDateTime &time);

    // Removes the older backups of one vault so that numberToKeep remain,
    // newBackup always among them. Only folders whose names have the backup
    // form are looked at, ordered by the time in their names; only complete
    // backups (a header that reads) count and are removed. A folder without
    // any header that is older than newBackup (a backup killed midway) is
    // removed too; one with a damaged header is left alone. The removal runs
    // in the background. The number of folders given to removal.
    static int removeBackup(const QString &perVaultFolder, int numberToKeep, const QString &newBackup);

signals:
    // Bytes handled since the previous signal (copied and skipped files alike).
    void progress(qlonglong value);

private:
    int failCopy(const QString &reason);

    QString m_error;
    QStringList m_deferred; // see folderToFolder(backupFolder, vaultFolder, last)
};

// Reads the header of a backup folder; the out arguments are set only on 0.
// 0 read; 1 cannot open; 2 version is not 1; 3 an exception while reading;
// 4 the IV is not 16 bytes ending in 8 zero bytes; 5 cut short or damaged.
int readHeader(const QString &folder, QByteArray &iv, quint32 &check, QString &name, TAVKey &storedKey);

// True when the key does NOT open a header with this IV and check value.
bool checkkey(const QByteArray &iv, const quint32 &check, const TAVKey &key);

#endif // BACKUP_H
