#ifndef ITEMICONS_H
#define ITEMICONS_H

#include <QIcon>

// The plain icons the vault models show, loaded once per model: an icon made
// from a file name, or asked of the style, reads its images on every call,
// and views ask for icons on every repaint of every row.
struct ItemIcons
{
    ItemIcons();

    QIcon file;         // the style's file icon
    QIcon folder;       // the style's closed-folder icon, in large sizes too
    QIcon openFolder;   // ":/res/openfolder.png"
    QIcon closedFolder; // ":/res/closedfolder.png"
    QIcon vault;        // ":/res/vault.png"
    QIcon vaultError;   // ":/res/vault_error.png"
    QIcon partnerVault; // ":/res/vlmr_vault.png"
};

#endif // ITEMICONS_H
