#ifndef TAVFOLDER_H
#define TAVFOLDER_H

#include "tavitemcontainer.h"

// A folder inside a vault. Made by a container's addFolder and by the index loader.
class TAVFolder : public TAVItemContainer
{
    Q_OBJECT
public:
    TAVFolder(TAVItem *parent, const QString &name);
    TAVFolder(TAVItem *parent, FromIndex);

    int GetClassID() const override;
    bool canAddVault() const override;
    bool canAddFolder() const override;
    bool canAddFile() const override;
};

#endif // TAVFOLDER_H
