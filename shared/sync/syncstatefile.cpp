#include "syncstatefile.h"

#include "atomicfilewriter.h"

#include <QDataStream>
#include <QFile>
#include <QSet>

SyncStateFile::Result SyncStateFile::read(const QString &path, QStringList *paths)
{
    paths->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Missing;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Damaged;
    return parse(bytes, paths) ? Read : Damaged;
}

bool SyncStateFile::write(const QString &path, const QStringList &paths, QString *error)
{
    return AtomicFileWriter::writePlainFile(path, serialize(paths), error);
}

QByteArray SyncStateFile::serialize(const QStringList &paths)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(15);
    const QSet<QString> unique(paths.cbegin(), paths.cend());
    stream << quint32(unique.size());
    for (const QString &path : unique)
        stream << path << qint32(0);
    return bytes;
}

bool SyncStateFile::parse(const QByteArray &bytes, QStringList *paths)
{
    paths->clear();
    QDataStream stream(bytes);
    stream.setVersion(15);
    quint32 count = 0;
    stream >> count;
    // The smallest pair is an empty string's length and the value.
    if (stream.status() != QDataStream::Ok || count > quint64(bytes.size() - 4) / 8)
        return false;
    QStringList read;
    for (quint32 i = 0; i < count; ++i) {
        QString key;
        qint32 value = 0;
        stream >> key >> value;
        if (stream.status() != QDataStream::Ok)
            return false;
        read.append(key);
    }
    if (!stream.atEnd())
        return false;
    *paths = read;
    return true;
}
