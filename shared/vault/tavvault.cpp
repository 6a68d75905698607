#include "tavvault.h"

TAVVault::TAVVault(TAVItem *parent, const QString &name, const QString &path, TAVCipher vaultCipher,
                   const TAVKey &vaultKey)
    : TAVItemContainer(name), key(vaultKey), cipher(vaultCipher), fullPhysicalVaultPath(path)
{
    SetParent(parent);
    SetMutex(&vaultMutex);
}

TAVVault::~TAVVault()
{
    SetMutex(nullptr);
}

int TAVVault::GetClassID() const
{
    return TAV_CLASS_VAULT;
}

bool TAVVault::canAddVault() const
{
    return false;
}

bool TAVVault::canAddFolder() const
{
    return loaded;
}

bool TAVVault::canAddFile() const
{
    return loaded;
}

void TAVVault::serialize(QDataStream &stream)
{
    TAVItem::serialize(stream);
}
