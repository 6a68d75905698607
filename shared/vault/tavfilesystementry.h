#ifndef TAVFILESYSTEMENTRY_H
#define TAVFILESYSTEMENTRY_H

#include "tavcipherprops.h"
#include "tavkey.h"
#include "tavvault.h"

#include <QDataStream>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

// One record of the vault list: how to find a vault again and its own key.
struct TAVFileSystemEntry
{
    // A null id, null texts, type 0, cipher 0 and a fresh random key.
    TAVFileSystemEntry() = default;

    QUuid id;         // the vault's identifier when it was listed
    QString location; // flash drive (types 1, 2): its serial number; local (3): the host name; network (4): empty; 0: null
    QString name;     // the vault's name
    QString path;     // types 1, 2: the folder below the drive's mount point; 3, 4: the full folder path; 0: null
    TAVVaultType type = TAV_VAULT_UNDEFINED;
    TAVCipher cipher = TAV_CIPHER_NONE;
    TAVKey key;

    bool operator==(const TAVFileSystemEntry &other) const;
    bool operator!=(const TAVFileSystemEntry &other) const { return !(*this == other); }

    // Makes QList<TAVFileSystemEntry> the meta-type "TAVFileSystemEntryList",
    // with its stream operators, so a QVariant can hold and stream one.
    static void registerMetaType();
};

using TAVFileSystemEntryList = QList<TAVFileSystemEntry>;
Q_DECLARE_METATYPE(TAVFileSystemEntryList)

// Stream form, in this order: id, location, name, path, type (qint32), key
// (00 00 00 80 and its 128 bytes), cipher (qint32).
QDataStream &operator<<(QDataStream &stream, const TAVFileSystemEntry &entry);
QDataStream &operator>>(QDataStream &stream, TAVFileSystemEntry &entry);

#endif // TAVFILESYSTEMENTRY_H
