#ifndef TAVVAULT_H
#define TAVVAULT_H

#include "fileutils.h"
#include "tavcipherprops.h"
#include "tavexception.h"
#include "tavitemcontainer.h"
#include "tavkey.h"

#include <QAtomicInt>
#include <QDataStream>
#include <QList>
#include <QRecursiveMutex>

#include <atomic>

// Where a vault lives. Stored in the index, the version file and the vault list.
enum TAVVaultType : qint32 {
    TAV_VAULT_UNDEFINED = 0,
    TAV_VAULT_PARTNER_FLASH = 1, // a flash drive of the partner brand; handled as 2
    TAV_VAULT_FLASH = 2,
    TAV_VAULT_LOCAL = 3,
    TAV_VAULT_NETWORK = 4,
};

// A vault type is a signed 32-bit integer in a data stream.
QDataStream &operator<<(QDataStream &stream, const TAVVaultType &type);
QDataStream &operator>>(QDataStream &stream, TAVVaultType &type);

// One vault: a folder on the disk and the tree of folders and files kept in
// its encrypted index ("index.dat", under the vault's own key and cipher),
// with a plain version record ("version.dat") beside it.
//
// A vault is made unloaded (tree empty), loaded from its index at unlock or
// when it is opened, saved after every change and unloaded at lock. It
// writes its index only while its tree is the index's: read from it by
// load(), or a new vault that has no index yet; a vault that is unloaded,
// or whose index could not be read, never replaces its index.
class TAVVault : public TAVItemContainer
{
    Q_OBJECT
public:
    // Results of load() and save() beside 0; a wrong key has its own code.
    enum { VaultFailed = 1, VaultWrongKey = TAV_WRONG_KEY };

    TAVVault(TAVItem *parent, const QString &name, const QString &path, TAVCipher cipher, const TAVKey &key);
    // Destroys the items that unload() detached; those in the tree are the
    // container operations' to destroy.
    ~TAVVault() override;

    int GetClassID() const override;
    bool canAddVault() const override;
    // Both only while loaded.
    bool canAddFolder() const override;
    bool canAddFile() const override;
    // Loaded, or no index file: an unloaded vault with an index can't be deleted.
    bool canDelete() const override;
    // The vault's own record only: its items go to the index through its children.
    void serialize(QDataStream &stream) override;

    // The cipher (not where the vault lives): shown as the encryption method.
    virtual TAVCipher GetVaultType() const;
    // Files (not folders) in the whole tree.
    virtual int getVaultItemCount();
    // Writes the index. 0 written; 1 not written: not loaded, tree not read
    // from the existing index, or the file could not be written (the old
    // index is then unchanged). Once written, the bodies handed to
    // discardBodies() before it began are removed in the background.
    virtual int save();
    // Bodies were renamed into the vault folder without a sync of their own
    // (a job of many files): the next save() syncs the vault's file system
    // first, so an index on the disk never names a body that is not.
    void noteUnsyncedBodies();
    // Makes the noted bodies durable now: true when there were none or the
    // sync of the file system succeeded. A failed sync leaves them noted.
    bool syncBodies();
    // For the index repair, which rebuilt the tree from the bodies: takes the
    // identifier, type and cipher from "version.dat" when it can be read,
    // then writes the tree as the index although it was not read from it.
    // 0 written: the vault is loaded with this tree. 1 not written: the
    // vault's fields, its loaded state and the old index are as they were.
    int saveRebuiltIndex();
    // Reads the index into the empty tree. 0 loaded; 1 the index is missing
    // or unreadable, the vault already holds items, or (tree loaded) the
    // volume's type could not be found; 12 the key does not fit the index.
    // Throws TAVException for a damaged index ("Invalid parent path in
    // archive.", "Invalid class name in archive." or a damaged record).
    // On every failure but the last the vault stays unloaded with an empty tree.
    virtual int load();
    virtual bool isVaultIdxExisting() const;
    // Files (class id 1) in c and all its sub-containers.
    virtual int getVaultItemCount(TAVItemContainer *c);

    QString getVaultIdxFileName() const;
    // Whether the index in a vault folder opens under this key (and names a
    // cipher of the table).
    static bool keyOpensIndex(const QString &folder, const TAVKey &key);
    QString getVaultVersionFileName() const;
    QString getKeyFileName() const;
    QString getVaultSyncFileName() const;
    QString getFullPhysicalVaultPath() const { return fullPhysicalVaultPath; }
    void setFullPhysicalVaultPath(const QString &path) { fullPhysicalVaultPath = path; }
    // The vault folder exists.
    bool isAvailable() const;

    TAVCipher getCipher() const { return cipher; }
    const TAVKey &getKey() const { return key; }
    // For a restore, which puts the vault back under the key of its backup.
    void setKey(const TAVKey &value) { key = value; }
    // Where the vault lives; not GetVaultType(), which is the cipher.
    TAVVaultType vaultType() const { return type; }
    void setVaultType(qint32 value) { type = TAVVaultType(value); }
    FileUtils::TAVFileSystemType getFileSystemType() const { return fileSystemType; }
    // Found from the mount table when the vault is made and loaded; tests set it.
    void setFileSystemType(FileUtils::TAVFileSystemType value) { fileSystemType = value; }

    bool isLoaded() const { return loaded; }
    // Counts the unloads: work that read the tree before and changes it
    // later tells by it that the tree it read is gone, even when the vault
    // was loaded again meanwhile.
    int unloadCount() const { return unloads.loadAcquire(); }
    // For a new vault (no index yet) and at unlock.
    void setLoaded(bool value) { loaded = value; }
    // Bodies of items taken out of the tree. They are removed only by the
    // next save() that writes the index, which no longer lists their items:
    // until then the index on the disk still does, and a save that fails or
    // never comes must find them. An unload drops them from the list (the
    // index kept lists their items). Thread-safe.
    void discardBodies(const QStringList &bodies);
    // The bodies handed to discardBodies() that are still waiting for a save.
    QStringList discardedBodies();

    // Copies of earlier indexes kept beside the index ("index.dat.bak-" and
    // the time): neither a body nor a file the vault reads. The name for a
    // copy made at `time`, and the copies present.
    QString getIndexBackupFileName(const QDateTime &time) const;
    QStringList getIndexBackupFiles() const;

    // Unloaded, tree empty, nothing saved. The detached items stay valid
    // until the next load() or the vault's end, so that views and the search
    // index holding them can be rebuilt first.
    void unload();

    // "version.dat": 0 written, 1 not (the old file is then unchanged).
    int saveVaultVersion();
    // Reads the identifier, type and cipher (not the name) from
    // "version.dat": 0 read; 1 no file; 2 damaged (nothing changed).
    int readVaultVersion();

    // The folder (or the vault) at a path whose first part names the vault:
    // "" or "/" give the vault; a missing part or a file gives null.
    TAVItemContainer *getItemContainer(const QString &path);

    void refresh(TAVItemContainer *c);
    void syncProgress(const QString &name);
    void SyncItemScan(uint total);
    void syncComplete();
    // The end of a synchronisation that did not finish cleanly.
    void syncCompleteWithErrors();

    bool hasFUSEAvailable() const { return false; }
    QString getFUSEMountPoint() const { return QString(); }
    int setFUSEMountPoint(const QString &mountPoint);

signals:
    void vaultRefresh(TAVItemContainer *folder);
    void itemSyncProgress(QString name);
    void itemSyncScan(uint total);
    void syncDone();
    void syncFinishedWithErrors();

private:
    bool hasFolder() const;
    void releaseDetached();

    TAVKey key;
    TAVCipher cipher;
    FileUtils::TAVFileSystemType fileSystemType = FileUtils::TAV_FS_OTHER;
    TAVVaultType type = TAV_VAULT_UNDEFINED;
    bool loaded = false;
    QAtomicInt unloads;
    // The tree is the index's: read from it or written to it since the last
    // unload. Without it an existing index is never replaced.
    bool treeFromIndex = false;
    QString fuseMountPoint;
    QString fullPhysicalVaultPath;
    // Taken by the removal and deletion of items; re-entrant for its holder.
    QRecursiveMutex vaultMutex;
    QStringList bodiesToRemove; // see discardBodies(); under vaultMutex
    std::atomic<bool> unsyncedBodies{false};
    QList<TAVItem *> detached; // what unload() took out of the tree
};

#endif // TAVVAULT_H
