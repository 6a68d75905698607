#ifndef TAVFILESYSTEM_H
#define TAVFILESYSTEM_H

#include "tavcipherprops.h"
#include "tavfilesystementry.h"
#include "tavitemcontainer.h"
#include "tavvault.h"

#include <QList>
#include <QStringList>
#include <QUuid>

class TAVKey;

// The root of the vault tree: its children are the vaults. It also keeps the
// vault list, the record of every vault the user knows with the vault's own
// key, written to "filesystem.dat" under the master key. The tree and the
// list are separate: callers keep them in step (addVaultItem,
// renameVaultItem, removeVaultItem, then saveToFile). GUI thread only.
class TAVFileSystem : public TAVItemContainer
{
    Q_OBJECT
public:
    // Results of readVaultFile() and appendFromFile() beside the data-file
    // stream's open codes (0 read, 1 missing or unreadable, 2 header too
    // short, 3 not a data file, 4 wrong key, 6 unknown cipher).
    enum { VaultListDamaged = 7 }; // the key fits, but the list is cut short or damaged

    static TAVFileSystem *getInstance();

    QString GetFullDisplayPath() const override;
    QString GetFullPath() const override;
    int GetClassID() const override;
    bool canAddVault() const override;
    bool canAddFolder() const override;
    bool canAddFile() const override;
    bool canDelete() const override;
    // All three throw: the root holds vaults only.
    TAVFolder *addFolder(const QString &name) override;
    TAVFile *addFile(const QFileInfo &source) override;
    TAVFile *addFile() override;
    // Renames a vault (found ignoring case), a change of letter case
    // included; throws "Invalid current item name." when there is none and
    // "Duplicate item name." when another vault bears the new name. The
    // folder on the disk and the list stay.
    void renameItem(const QString &oldName, const QString &newName) override;
    // Removes the vault's "index.dat" and the copies of earlier indexes kept
    // beside it, then drops the vault and its items
    // and removes its file bodies in the background. The folder with its
    // version, key-chain and sync files stays.
    void deleteItem(const QString &name) override;

    // (The copy and move of items between containers belong here too.)

    // The item at a path of names joined by "/", the first a vault (names
    // compared ignoring case); the root for the empty path; else null.
    TAVItem *findItemByPath(const QString &path);

    // Copy and move of a file or folder tree into a folder or vault, by full
    // display paths (MyVault/Letters/a.txt), all or nothing (TAVItemTransfer):
    // bodies re-encrypted into a vault of another key or cipher, a failure
    // leaving the tree and the disk as they were. The caller has checked that
    // the target is neither the item, nor inside it, nor its parent, and
    // saves the vaults afterwards: a same-named item that was replaced
    // loses its bodies only with that save.
    //
    // True when both paths were found and nothing failed, also when the
    // target takes no item of this kind (nothing copied); false when a path
    // is not found or the copy failed (logged).
    bool copyItem(const QString &sourcePath, const QString &targetPath);
    // The worker of the above; throws TAVException on failure.
    void copyItem(TAVItem *item, TAVItemContainer *target);
    // True when moved; false when a path is not found or the target takes no
    // item of this kind. Between two vault folders both indexes are saved
    // here, the target's first. Throws TAVException on failure, with
    // everything as it was.
    bool moveItem(const QString &sourcePath, const QString &targetPath);

    int vaultCount() const;
    // Names in tree order, an exact repeat skipped.
    QStringList getListVaultName() const;
    // Folder paths in tree order, an exact repeat skipped.
    QStringList getListVault() const;
    bool vaultNameIsExist(const QString &name) const;
    bool existingVaultPhysicalPath(const QString &path) const;
    // name, else name_1, name_2, ...: the first not borne by a vault (ignoring case).
    QString generateVaultName(const QString &name) const;

    static bool isFileItem(TAVItem *item);
    static bool isFolderItem(TAVItem *item);
    static bool isVaultItem(TAVItem *item);

    // Reads "version.dat" of the vault folder at path: 0 read (the three
    // out-values set); 1 no file; 2 damaged (out-values untouched).
    static int getVaultInfo(const QString &path, QUuid &id, QString &name, TAVCipher &cipher);

    // The vault list
    // Writes the list, replacing the file whole: 0 saved, 1 not (the old file is unchanged).
    int saveToFile(const QString &path, const TAVKey &key);
    // Replaces the list in memory by the file's: 0, an open code, or
    // VaultListDamaged. On any failure the list in memory is unchanged.
    int readVaultFile(const QString &path, const TAVKey &key);
    // readVaultFile, then one unloaded vault per record; on failure the tree is untouched.
    int appendFromFile(const QString &path, const TAVKey &key);
    // Appends the vault's record and sets the vault's type from its folder; 0.
    int addVaultItem(TAVVault *vault);
    // addVaultItem, then the vault's version file: 0, or 1 when that could not be written.
    int addNewVault(TAVVault *vault);
    // 2 on a plugged-in flash drive, else 3 on a local disk, else 4 for a
    // network path ("//..."), else 0.
    static TAVVaultType scanVaultType(const QString &path);
    // The first record of exactly that name gets the new one and goes to the end.
    void renameVaultItem(const QString &oldName, const QString &newName);
    // Removes the first record of exactly that name.
    void removeVaultItem(const QString &name);

    // The records in list order.
    const TAVFileSystemEntryList &getVaultList() const { return vaultList; }

private:
    TAVFileSystem();

    TAVFileSystemEntryList vaultList;
};

#endif // TAVFILESYSTEM_H
