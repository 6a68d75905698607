#ifndef ITEMHANDLE_H
#define ITEMHANDLE_H

#include <QPointer>

class TAVItem;
class TAVVault;

// A tree item as a model row or index refers to it. It reads null once the item
// is destroyed, and for an item inside a vault also once that vault is destroyed
// or unloaded, so a row or index that outlived a change of the tree is never
// followed into freed or detached items.
//
// get() never touches a parent.
class ItemHandle
{
public:
    ItemHandle() = default;
    // Make it only while the item is in the tree: it climbs the parents to find the vault.
    explicit ItemHandle(TAVItem *item);
    // A child of the container that `parent` holds (which must be live): takes
    // the vault from it, without climbing.
    ItemHandle(TAVItem *item, const ItemHandle &parent);

    TAVItem *get() const;
    // The pointer the handle was made with, for comparison only (never follow it).
    const void *key() const { return m_key; }

private:
    QPointer<TAVItem> m_item;
    QPointer<TAVVault> m_vault; // the vault above the item
    const void *m_key = nullptr;
    bool m_inVault = false;
};

#endif // ITEMHANDLE_H
