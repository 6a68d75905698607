#ifndef TAVFILE_H
#define TAVFILE_H

#include "tavitem.h"

// An encrypted file item; its body lives in the vault folder under a name made
// of its identifier. For now: construction, name rules and body placement;
// encryption and decryption of the body come with the file item's own work.
class TAVFile : public TAVItem
{
    Q_OBJECT
public:
    // An unnamed item ("file") as the index loader makes them; throws for a null parent.
    explicit TAVFile(TAVItem *parent);
    // A new item named after the last component of source (a local path or a
    // bare name), dated like the file at source. Throws TAVException for a
    // null parent, a name failing the name rule, or a name already taken in
    // the parent (ignoring case). Makes the body's sub-folder when missing.
    TAVFile(TAVItem *parent, const QString &source);

    int GetClassID() const override;
    bool canAddVault() const override;
    bool canAddFolder() const override;
    bool canAddFile() const override;

    // vault folder/xx/<32 hex digits>, xx the first two digits of the
    // identifier; empty (with a log line) outside any vault and in a vault
    // whose folder path is empty or relative.
    QString getFullPhysicalFileName() const;
};

#endif // TAVFILE_H
