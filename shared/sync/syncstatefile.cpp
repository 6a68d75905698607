#include "syncstatefile.h"

#include "atomicfilewriter.h"
#include "synccomparison.h"
#include "tavkey.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <openssl/evp.h>
#include <openssl/hmac.h>

namespace {

QByteArray hmacSha256(const QByteArray &key, const QByteArray &message)
{
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!HMAC(EVP_sha256(), key.constData(), key.size(), reinterpret_cast<const unsigned char *>(message.constData()),
              size_t(message.size()), out, &length))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(out), int(length));
}

} // namespace

SyncStateFile::Result SyncStateFile::read(const QString &path, QStringList *paths, QDateTime *written)
{
    paths->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Missing;
    if (written)
        *written = QFileInfo(file).fileTime(QFileDevice::FileModificationTime).toUTC();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Damaged;
    return parse(bytes, paths) ? Read : Damaged;
}

bool SyncStateFile::write(const QString &path, const QStringList &paths, QString *error)
{
    return AtomicFileWriter::writePlainFile(path, serialize(paths), error);
}

QByteArray SyncStateFile::entryKey(const TAVKey &vaultKey)
{
    return hmacSha256(vaultKey.key, QByteArrayLiteral("sync state entries"));
}

QString SyncStateFile::entryOf(const QByteArray &entryKey, const QString &relativePath)
{
    return QString::fromLatin1(hmacSha256(entryKey, SyncComparison::keyOf(relativePath).toUtf8()).left(16).toHex());
}

bool SyncStateFile::isEntry(const QString &text)
{
    if (text.size() != 32)
        return false;
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    }
    return true;
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
