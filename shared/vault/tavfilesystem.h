#ifndef TAVFILESYSTEM_H
#define TAVFILESYSTEM_H

#include "tavitemcontainer.h"

// The root of the vault tree: its children are the vaults. For now only what
// the item tree relies on: the singleton, class id, empty paths, capabilities,
// the refusal of folders and files, and free vault names; the vault list comes
// with the root's own work.
class TAVFileSystem : public TAVItemContainer
{
    Q_OBJECT
public:
    static TAVFileSystem *getInstance();

    QString GetFullDisplayPath() const override;
    QString GetFullPath() const override;
    int GetClassID() const override;
    bool canAddVault() const override;
    bool canAddFolder() const override;
    bool canAddFile() const override;
    bool canDelete() const override;
    TAVFolder *addFolder(const QString &name) override;
    TAVFile *addFile(const QString &source) override;
    TAVFile *addFile() override;

    // name, else name_1, name_2, ...: the first not borne by a vault (ignoring case).
    QString generateVaultName(const QString &name) const;

private:
    TAVFileSystem();
};

#endif // TAVFILESYSTEM_H
