#ifndef TAVKEYCHAIN_H
#define TAVKEYCHAIN_H

#include "tavkey.h"

#include <QHash>
#include <QString>

// A vault folder's "keychain.dat": named keys, stored as the callers hand
// them over (the vault's key, wrapped under the master key, under the null
// name). The file is a data stream holding the hash and nothing else:
// count, then per entry the name (QString) and the key bytes (QByteArray).
// One key under the null name makes 140 bytes.
class TAVKeyChain
{
public:
    // Reads the file; a missing file gives an empty chain.
    explicit TAVKeyChain(const QString &fileName);

    // 0 read (or no file); 1 the file cannot be opened or is damaged (keys left empty).
    int read();
    // 0 written; 1 failed: the old file is left as it was. The file is replaced whole.
    int write();
    // Puts the key under the name, then writes the file; the result of write().
    int setKey(const QString &name, const TAVKey &key);
    // 0 found and copied into *key; 1 absent.
    int getKey(const QString &name, TAVKey *key) const;

    QHash<QString, TAVKey> keys;
    QString fileName;
};

#endif // TAVKEYCHAIN_H
