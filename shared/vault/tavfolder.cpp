#include "tavfolder.h"

TAVFolder::TAVFolder(TAVItem *parent, const QString &name) : TAVItemContainer(name)
{
    SetParent(parent);
}

TAVFolder::TAVFolder(TAVItem *parent, FromIndex) : TAVItemContainer(FromIndex{})
{
    SetParent(parent);
}

int TAVFolder::GetClassID() const
{
    return TAV_CLASS_FOLDER;
}

bool TAVFolder::canAddVault() const
{
    return false;
}

bool TAVFolder::canAddFolder() const
{
    return true;
}

bool TAVFolder::canAddFile() const
{
    return true;
}
