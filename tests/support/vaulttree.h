#ifndef VAULTTREE_H
#define VAULTTREE_H

#include <QStringList>

class TAVFileSystem;
class TAVItemContainer;

// Vault trees that tests can make again and compare.
namespace VaultTree {

// Adds `files` file items to the container, spread over folders (up to
// `perFolder` files each, folders two levels deep, some files at the top).
// Names, identifiers, sizes and dates follow from `seed` alone, so two
// calls with the same arguments make equal trees.
void fill(TAVItemContainer *container, int files, int seed, int perFolder = 50);

// One line per item below the container, in index order: class id, full
// path, identifier, sizes and dates. Equal lists mean equal trees.
QStringList describe(const TAVItemContainer *container);

// Adds `count` vaults to the root and lists each (addVaultItem): folders
// below `base`, names, identifiers, ciphers and keys following from `seed`.
void listVaults(TAVFileSystem *root, int count, int seed, const QString &base);

// The two contents (seeds 1 and 2) that the crash test's saving process
// switches between: files in the vault, vaults in the list.
constexpr int crashTestFiles(int seed) { return seed == 1 ? 600 : 300; }
constexpr int crashTestVaults(int seed) { return seed == 1 ? 40 : 25; }

} // namespace VaultTree

#endif // VAULTTREE_H
