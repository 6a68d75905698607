#ifndef ITEMTREEFIXTURE_H
#define ITEMTREEFIXTURE_H

#include <QList>
#include <QString>
#include <QTemporaryDir>

class TAVFile;
class TAVFolder;
class TAVItem;
class TAVItemContainer;
class TAVVault;

// A small vault tree under the process-wide root, for model and view tests.
// Vault folders (each with an "index.dat") lie in a temporary folder of the
// fixture's own. Every vault added, and every item detached by unload(), is
// taken off the root and destroyed with the fixture.
class ItemTreeFixture
{
public:
    ItemTreeFixture();
    ~ItemTreeFixture();
    ItemTreeFixture(const ItemTreeFixture &) = delete;
    ItemTreeFixture &operator=(const ItemTreeFixture &) = delete;

    // A vault of the given type (0 undefined ... 4 network disk) on the root.
    TAVVault *addVault(const QString &name, int vaultType = 3, bool loaded = true);
    TAVFolder *addFolder(TAVItemContainer *parent, const QString &name);
    // A file item; the stored size defaults to the plain size plus a 512-byte header.
    TAVFile *addFile(TAVItemContainer *parent, const QString &name, quint64 originalSize = 0,
                     qint64 currentSize = -1);

    // The sample tree:
    //   Alpha (vault, local disk)
    //     Docs/            Letters/ (empty), "a.txt" (1,023 bytes)
    //     beta/  _under/  1st/
    //     "Zeta.txt" (empty), "big.bin" (1,024 bytes)
    //   Bravo (vault, flash drive)
    //     Inner/           Deep/ (empty)
    //   Charlie (vault, undefined type, not loaded)
    void buildSample();

    // The item at a full display path such as "Alpha/Docs/a.txt"; null if none.
    TAVItem *item(const QString &path) const;
    TAVVault *vault(const QString &name) const;
    QString vaultFolder(const QString &name) const;

    // What unloading does to the tree: the vault's items are detached, still
    // alive, and the vault is no longer loaded.
    void unload(TAVVault *vault);
    // Takes an item out of its container's list, alive, as a move does midway.
    void detach(TAVItem *item);
    // Takes a vault off the root and destroys it with its tree.
    void removeVault(TAVVault *vault);

private:
    QTemporaryDir dir;
    QList<TAVVault *> vaults;
    QList<TAVItem *> detached;
};

#endif // ITEMTREEFIXTURE_H
