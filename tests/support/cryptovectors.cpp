#include "cryptovectors.h"

#include "tavkey.h"
#include "vectorfile.h"

#include <QtEndian>

QByteArray CryptoVectors::get(const QString &name)
{
    static const VectorFile vectors(QStringLiteral(KV_TEST_DATA "/crypto/vectors.txt"));
    return vectors.get(name);
}

TAVKey CryptoVectors::key()
{
    return TAVKey::fromHex(QString::fromLatin1(get(QStringLiteral("input_key")).toHex()));
}

TAVKey CryptoVectors::wrapKey()
{
    return TAVKey::fromHex(QString::fromLatin1(get(QStringLiteral("input_wrapkey")).toHex()));
}

QByteArray CryptoVectors::iv()
{
    return get(QStringLiteral("input_iv")) + QByteArray(8, '\0');
}

QByteArray CryptoVectors::nonce()
{
    return get(QStringLiteral("input_nonce"));
}

QString CryptoVectors::name()
{
    return QString::fromLatin1(get(QStringLiteral("input_name")));
}

QDateTime CryptoVectors::created()
{
    return QDateTime::fromSecsSinceEpoch(qFromBigEndian<quint32>(get(QStringLiteral("input_created")).constData()));
}

QByteArray CryptoVectors::pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    // Unsigned, so sizes past 64 MiB wrap instead of overflowing; the low
    // byte, the only one kept, is the same.
    for (int i = 0; i < size; ++i)
        bytes[i] = char((31u * uint(i) + (uint(i) >> 8)) & 0xFFu);
    return bytes;
}
