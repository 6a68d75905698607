#include "backupheader.h"

#include "tavcipherprops.h"
#include "tavcrypto.h"
#include "tavlogging.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

BackupHeader::MakeResult BackupHeader::make(const QString &name, quint64 size, const TAVKey &vaultKey,
                                            const TAVKey &wrapKey, BackupHeader *out)
{
    BackupHeader header;
    if (TAVCrypto::generateIV(header.iv) != 0)
        return NoRandomBytes;
    if (vaultKey.key.size() != 128 || !checkValue(header.iv, vaultKey, &header.check))
        return KeyRefused;
    // A key that can't be wrapped must never reach the file as it is.
    header.storedKey = vaultKey;
    if (header.storedKey.encrypt(wrapKey) != 0)
        return KeyRefused;
    header.name = name;
    header.size = qint64(size);
    *out = header;
    return Made;
}

QByteArray BackupHeader::toBytes() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(15);
    stream << kVersion << iv << check << storedKey << name << size;
    return bytes;
}

BackupHeader::ParseResult BackupHeader::fromBytes(const QByteArray &bytes, BackupHeader *out)
{
    if (bytes.size() > kMaxBytes)
        return Damaged;
    QDataStream stream(bytes);
    stream.setVersion(15);
    qint32 version = 0;
    stream >> version;
    if (stream.status() != QDataStream::Ok)
        return Damaged;
    if (version != kVersion)
        return WrongVersion;
    BackupHeader header;
    stream >> header.iv >> header.check >> header.storedKey >> header.name >> header.size;
    if (stream.status() != QDataStream::Ok || !stream.atEnd() || header.storedKey.key.size() != 128)
        return Damaged;
    *out = header;
    return Parsed;
}

bool BackupHeader::checkValue(const QByteArray &iv, const TAVKey &key, quint32 *value)
{
    if (iv.size() != 16)
        return false;
    unsigned char word[4];
    qToLittleEndian<quint32>(kMagic, word);
    QByteArray ivCopy = iv;
    if (TAVCrypto::encryptBlock(word, int(sizeof word), 0, reinterpret_cast<unsigned char *>(ivCopy.data()),
                                TAV_AES128, key) != 0)
        return false;
    *value = qFromLittleEndian<quint32>(word);
    return true;
}

bool BackupHeader::hasValidIv() const
{
    return iv.size() == 16 && iv.mid(8) == QByteArray(8, '\0');
}

bool BackupHeader::opensWith(const TAVKey &key) const
{
    if (iv.size() != 16)
        return false;
    unsigned char word[4];
    qToLittleEndian<quint32>(check, word);
    QByteArray ivCopy = iv;
    if (TAVCrypto::decryptBlock(word, int(sizeof word), 0, reinterpret_cast<unsigned char *>(ivCopy.data()),
                                TAV_AES128, key) != 0)
        return false;
    return qFromLittleEndian<quint32>(word) == kMagic;
}
