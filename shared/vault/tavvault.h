#ifndef TAVVAULT_H
#define TAVVAULT_H

#include "tavcipherprops.h"
#include "tavitemcontainer.h"
#include "tavkey.h"

#include <QRecursiveMutex>

// One vault: a folder on the disk and the tree of folders and files kept in
// its encrypted index, under the vault's own key and cipher. For now only what
// the item tree relies on: class id, capabilities, loaded flag, folder path,
// key and cipher, its own record and its mutex; the index and version files
// come with the vault's own work.
class TAVVault : public TAVItemContainer
{
    Q_OBJECT
public:
    TAVVault(TAVItem *parent, const QString &name, const QString &path, TAVCipher cipher, const TAVKey &key);
    ~TAVVault() override;

    int GetClassID() const override;
    bool canAddVault() const override;
    bool canAddFolder() const override;
    bool canAddFile() const override;
    // The vault's own record only: its items go to the index through its children.
    void serialize(QDataStream &stream) override;

    QString getFullPhysicalVaultPath() const { return fullPhysicalVaultPath; }
    void setFullPhysicalVaultPath(const QString &path) { fullPhysicalVaultPath = path; }
    TAVCipher getCipher() const { return cipher; }
    const TAVKey &getKey() const { return key; }
    bool isLoaded() const { return loaded; }
    void setLoaded(bool value) { loaded = value; }

private:
    TAVKey key;
    TAVCipher cipher;
    bool loaded = false;
    QString fullPhysicalVaultPath;
    // Taken by the removal and deletion of items; re-entrant for its holder.
    QRecursiveMutex vaultMutex;
};

#endif // TAVVAULT_H
