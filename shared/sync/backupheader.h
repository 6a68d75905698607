#ifndef BACKUPHEADER_H
#define BACKUPHEADER_H

#include "tavkey.h"

#include <QByteArray>
#include <QString>

// The key-check header "vaultinfo.dat" of a backup folder. Qt data stream,
// big-endian:
//
//   offset   field                       bytes
//   0        version, qint32 1           4
//   4        IV as a byte array          4 + 16: 0-7 random, 8-15 zero
//   24       check value, quint32        4
//   28       stored key as a byte array  4 + 128: the vault key wrapped under the master key
//   160      vault name as a string      4 + 2n: UTF-16 code units
//   164+2n   size, qint64                8: the vault's size when it was backed up
//
// The check value is the magic 0xA1B4C3D2 laid out little-endian, enciphered
// with the block keystream (cipher 1, offset 0, the IV) under the vault key,
// and read back little-endian. A key that deciphers it to the magic opens
// the backup; the stored key lets a later login's master key find it.
class BackupHeader
{
public:
    static constexpr quint32 kMagic = 0xA1B4C3D2u;
    static constexpr qint32 kVersion = 1;
    // No name comes near this; anything longer is not one of our headers,
    // and a reader never has to hold more.
    static constexpr int kMaxBytes = 1 << 20;

    enum MakeResult {
        Made = 0,
        NoRandomBytes = 1, // no IV could be had
        KeyRefused = 2,    // the vault key or the master key is not a usable 128-byte key
    };

    enum ParseResult {
        Parsed = 0,
        WrongVersion = 2,
        Damaged = 3, // cut short, a field of the wrong length, or bytes after the size
    };

    QByteArray iv;
    quint32 check = 0;
    TAVKey storedKey = TAVKey::fromHex(QString());
    QString name;
    qint64 size = 0;

    // A new header for a vault: fresh IV, the check value under vaultKey and
    // vaultKey wrapped under wrapKey. `out` is set only when Made.
    static MakeResult make(const QString &name, quint64 size, const TAVKey &vaultKey,
                           const TAVKey &wrapKey, BackupHeader *out);

    QByteArray toBytes() const;

    // Reads a whole header file. Every field must be there with its length,
    // the stored key 128 bytes, and nothing may follow the size; `out` is set
    // only when Parsed. The IV's length is the caller's to judge.
    static ParseResult fromBytes(const QByteArray &bytes, BackupHeader *out);

    // The check value of the magic under a key and an IV; false when the key
    // or the IV can't be used.
    static bool checkValue(const QByteArray &iv, const TAVKey &key, quint32 *value);

    // True when the IV is one the writer makes: 16 bytes, the last 8 zero.
    bool hasValidIv() const;

    // True when `key` deciphers the check value to the magic.
    bool opensWith(const TAVKey &key) const;
};

#endif // BACKUPHEADER_H
