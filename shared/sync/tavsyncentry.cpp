#include "tavsyncentry.h"

QDataStream &operator<<(QDataStream &stream, const TAVSyncEntry &entry)
{
    return stream << entry.id << entry.host << entry.diskFolder << entry.vaultFolder;
}

QDataStream &operator>>(QDataStream &stream, TAVSyncEntry &entry)
{
    return stream >> entry.id >> entry.host >> entry.diskFolder >> entry.vaultFolder;
}

QByteArray serializeSyncList(const QList<TAVSyncEntry> &list)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(15);
    stream << quint32(list.size());
    for (const TAVSyncEntry &entry : list)
        stream << entry;
    return payload;
}

bool parseSyncList(const QByteArray &payload, QList<TAVSyncEntry> *list)
{
    QDataStream stream(payload);
    stream.setVersion(15);
    quint32 count = 0;
    stream >> count;
    // The smallest record: the identifier and three empty strings. A count
    // the bytes can't hold is damage, found before anything is reserved.
    constexpr qint64 kSmallestRecord = 16 + 3 * 4;
    if (stream.status() != QDataStream::Ok || count > quint64(payload.size() - 4) / kSmallestRecord)
        return false;
    QList<TAVSyncEntry> read;
    for (quint32 i = 0; i < count; ++i) {
        TAVSyncEntry entry;
        stream >> entry;
        if (stream.status() != QDataStream::Ok)
            return false;
        read.append(entry);
    }
    if (!stream.atEnd())
        return false;
    *list = read;
    return true;
}

QString UuidToSyncFileName(const QUuid &id)
{
    QString text = id.toString();
    text.remove(QLatin1Char('{')).remove(QLatin1Char('}')).remove(QLatin1Char('-'));
    return text + QStringLiteral(".sync");
}
