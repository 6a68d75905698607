#include "itemhandle.h"

#include "tavitem.h"
#include "tavvault.h"

ItemHandle::ItemHandle(TAVItem *item) : m_item(item), m_key(item)
{
    if (!item)
        return;
    TAVItem *vault = nullptr;
    if (item->getVault(&vault) == 0 && vault != item) {
        m_inVault = true;
        m_vault = qobject_cast<TAVVault *>(vault);
    }
}

ItemHandle::ItemHandle(TAVItem *item, const ItemHandle &parent) : m_item(item), m_key(item)
{
    TAVItem *container = parent.get();
    if (container && container->GetClassID() == TAV_CLASS_VAULT) {
        m_inVault = true;
        m_vault = qobject_cast<TAVVault *>(container);
    } else {
        m_inVault = parent.m_inVault;
        m_vault = parent.m_vault;
    }
}

TAVItem *ItemHandle::get() const
{
    if (m_inVault && (!m_vault || !m_vault->isLoaded()))
        return nullptr;
    return m_item.data();
}
