#ifndef VAULTBACKUP_H
#define VAULTBACKUP_H

#include "tavkey.h"

#include <QObject>
#include <QString>
#include <QUuid>

class QMutex;
class TAVVault;

// Backs up one vault into a new dated folder of the backup location, checks
// the result and then applies retention; the window shows the progress and
// the message. Runs on the caller's thread; `progress` is emitted after
// every chunk, so a connected slot can let the event loop run.
//
// Backup location layout: <location>/<vault id in braces>/<yyyy-MM-dd_hh-mm-ss>,
// with "_2", "_3"... for further backups started in the same second.
class VaultBackup : public QObject
{
    Q_OBJECT
public:
    enum Result {
        Done = 0,
        NothingToBackup = 1, // the vault holds no file item; nothing written
        VaultMissing = 2,    // the vault folder is not on the disk; nothing written
        SyncRunning = 3,     // a synchronisation holds the lock; nothing written
        Failed = 4,          // the backup could not be made whole; older backups untouched
    };

    // What a backup needs of a vault.
    struct Source {
        QString folder;    // the vault folder
        QUuid id;          // names the per-vault folder
        QString name;      // goes into the header
        quint64 size = 0;  // the vault's current size, goes into the header
        int fileCount = 0; // file items in the vault's whole tree
        TAVKey key = TAVKey::fromHex(QString());
    };
    static Source sourceOf(TAVVault *vault);

    explicit VaultBackup(QObject *parent = nullptr);

    void setBackupPath(const QString &path) { m_backupPath = path; }
    // With retention on, `keep` backups of the vault remain after a backup
    // that succeeded, the new one among them (fewer than 1 counts as 1).
    void setRetention(bool on, int keep)
    {
        m_retention = on;
        m_keep = keep;
    }
    // The lock that every synchronisation holds. A backup takes it for its
    // whole run, or refuses to start while a synchronisation has it.
    void setSyncLock(QMutex *lock) { m_syncLock = lock; }

    Result run(const Source &source);

    // The text for the user, for every result.
    QString message() const { return m_message; }
    // The dated folder of the last successful backup; empty otherwise.
    QString backupFolder() const { return m_folder; }
    // The writer's code (Backup::WriteResult) of the last run; -1 when it did not run.
    int backupCode() const { return m_backupCode; }

signals:
    // 0 to 100, never more; 100 once the copy is done.
    void progress(int percent);

private:
    void addProgress(qlonglong bytes);
    Result fail(const QString &reason);

    QString m_backupPath;
    bool m_retention = false;
    int m_keep = 5;
    QMutex *m_syncLock = nullptr;

    QString m_message;
    QString m_folder;
    int m_backupCode = -1;
    quint64 m_done = 0;
    quint64 m_total = 0;
    int m_percent = -1;
};

#endif // VAULTBACKUP_H
