#ifndef VAULTRESTORE_H
#define VAULTRESTORE_H

#include "tavkey.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QMutex;
class TAVVault;

// Puts a vault folder back to one of its backups, in stages that can be
// undone: the backup's files are copied into a staging folder beside the
// vault folder and checked (the index opens with the key, every body it
// lists is there); then each file is renamed into the vault folder, the file
// it replaces renamed aside first; then the vault is loaded. Any failure
// puts the replaced files back and loads the vault as it was. Files of the
// vault folder that the backup does not hold are never touched, except the
// sync state files ("*.sync"), which a restore makes stale and removes.
//
// The vault object stays the same throughout: it is unloaded, re-keyed,
// its version read again and loaded, so whatever points at it stays valid.
// Its items are released when it is unloaded: vaultReleased() comes first.
// Runs on the caller's thread; progress() after every chunk of the copy.
class VaultRestore : public QObject
{
    Q_OBJECT
public:
    enum Result {
        Restored = 0,
        SyncRunning = 1,  // a synchronisation holds the lock; nothing changed
        NoRoomToStage = 2, // not enough free space for the staging copy; nothing changed
        Failed = 3,       // nothing restored; the vault as it was (see message())
        Damaged = 4,      // a restore without staging failed part-way
    };

    explicit VaultRestore(QObject *parent = nullptr);

    // The lock every synchronisation holds; a restore only tries it.
    void setSyncLock(QMutex *lock) { m_syncLock = lock; }
    // After NoRoomToStage, and the user's consent: copy straight over the
    // vault's files, which can't be undone if it fails part-way.
    void setAllowDirect(bool on) { m_allowDirect = on; }

    // The vault's folder must exist. A vault that was loaded is loaded on
    // return; one that was not is loaded only when restored.
    Result run(TAVVault *vault, const QString &backupFolder, const TAVKey &key);

    QString message() const { return m_message; }
    // Bytes the staging copy needs, and bytes free beside the vault (0: unknown).
    quint64 neededBytes() const { return m_needed; }
    quint64 freeBytes() const { return m_free; }


    // A restore killed while it switched the vault's files leaves a journal
    // beside the vault folder. This finishes it forward when it had been
    // committed (the restored vault loaded), else puts every file of the
    // vault back as it was; then the staging folders go. Called before the
    // vault is loaded (at unlock and when its drive comes back). True when
    // there was something to do.
    static bool recover(const QString &vaultFolder);
    // The journal's name for a vault folder.
    static QString journalPath(const QString &vaultFolder);
    // Tests end the process at a numbered step of the switch (1, 2, ...).
    static void setStepHook(std::function<void(int step)> hook);

signals:
    // 0 to 100; 100 once the vault is loaded.
    void progress(int percent);
    // The vault is about to be unloaded: its items must not be shown any more.
    void vaultReleased(TAVVault *vault);

protected:
    // Renames a file or folder; the one place a restore moves files, so a
    // test can make a move fail part-way.
    virtual bool moveFile(const QString &from, const QString &to);

private:
    struct Moved {
        QString relative;
        bool setAside = false; // the vault's own file went to the aside folder
        bool placed = false;   // the backup's file is in the vault folder
    };
    struct Saved;

    Result runStaged(TAVVault *vault, const QString &backupFolder, const TAVKey &key, Saved &saved);
    Result runDirect(TAVVault *vault, const QString &backupFolder, const TAVKey &key, Saved &saved);
    bool verify(const QString &folder, const TAVKey &key);
    // Loads the vault from what its folder now holds; false with m_message set.
    bool load(TAVVault *vault, const TAVKey &key);
    // Loads the vault as it was before the run (when it was loaded).
    bool loadBack(TAVVault *vault, const Saved &saved);
    // Undoes the moves; false when a file could not be put back.
    bool putBack(const QString &vaultFolder, const QString &staging, const QString &aside,
                 const QList<Moved> &moves, const QStringList &madeFolders);
    void finish(TAVVault *vault);
    static void step();
    void addProgress(qlonglong bytes);

    QMutex *m_syncLock = nullptr;
    bool m_allowDirect = false;
    QString m_message;
    quint64 m_needed = 0;
    quint64 m_free = 0;
    quint64 m_total = 0;
    quint64 m_done = 0;
    int m_percent = -1;
};

#endif // VAULTRESTORE_H
