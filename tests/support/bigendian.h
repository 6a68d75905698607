#ifndef BIGENDIAN_H
#define BIGENDIAN_H

#include <QByteArray>
#include <QtEndian>

// The bytes of a number as the data streams write it (most significant
// first), for hand-made file bytes in tests.
inline QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray be64(quint64 value)
{
    QByteArray bytes(8, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

#endif // BIGENDIAN_H
