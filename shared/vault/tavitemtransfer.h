#ifndef TAVITEMTRANSFER_H
#define TAVITEMTRANSFER_H

class TAVItem;
class TAVItemContainer;

// Copy and move of files and folder trees between containers of the vault
// tree, all or nothing: every body is written first, and the tree changes
// only once all of them are in place. A failure removes what was written and
// leaves the tree, the bodies and any item of the same name in the target as
// they were.
//
// Bodies keep the bytes they have between vaults of one key and cipher; into
// a vault of another key or cipher each is re-encrypted body to body, with
// no plain byte on the disk.
//
// A replaced item's bodies are removed only once an index of the target
// vault that no longer lists it is saved: by the move between two vault
// folders itself, else by the caller's save (TAVVault::discardBodies).
//
// Bodies are read and written only in their own sub-folders of the vault
// folders: a symbolic link in their place ends the transfer with
// "Unable to copy the file.".
//
// The callers guarantee that the item is a file or a folder and that the
// target is neither the item, nor inside it, nor its parent. GUI thread
// only; a move takes both vaults' locks in one fixed order.
class TAVItemTransfer
{
public:
    // A copy under new identifiers, replacing a child of the same name
    // (ignoring case). The new files take the source's sizes and creation
    // date and are dated now, with their ancestors. False when the target
    // takes no item of this kind (nothing copied). Throws TAVException on
    // failure ("Invalid file name.", "Unable to copy the file.").
    static bool copy(TAVItem *item, TAVItemContainer *target);

    // The item itself, with its identifiers, sizes and dates, replacing a
    // child of the same name; it and its new ancestors are dated now. Between
    // two vault folders the bodies go along, and both vaults' indexes are
    // saved (the target's first) before the old bodies are removed. False
    // when the target takes no item of this kind. Throws TAVException on
    // failure ("Unable to copy the file.", "The vault index could not be
    // saved.").
    static bool move(TAVItem *item, TAVItemContainer *target);

private:
    TAVItemTransfer() = delete;
};

#endif // TAVITEMTRANSFER_H
