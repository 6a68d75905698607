#include "pendingbodies.h"

#include "atomicfilewriter.h"
#include "tavcryptofile.h"
#include "tavlogging.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>

namespace {

bool isBodyName(const QString &name)
{
    static const QRegularExpression form(QStringLiteral("\\A[0-9A-Za-z]{32}\\z"));
    return form.match(name).hasMatch();
}

} // namespace

QString PendingBodies::fileName(const QString &vaultFolder)
{
    return vaultFolder + QStringLiteral("/pending.dat");
}

bool PendingBodies::record(const QString &vaultFolder, TAVCipher cipher, const TAVKey &key, const QStringList &bodyNames)
{
    QStringList names = read(vaultFolder, key);
    names += bodyNames;
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(15);
    stream << names;
    QString error;
    const int written = AtomicFileWriter::writeDataFile(fileName(vaultFolder), cipher, key, 1, payload, &error);
    if (written != AtomicFileWriter::Written) {
        LOG_ERROR << "could not write the list of pending bodies" << written << error;
        return false;
    }
    return true;
}

QStringList PendingBodies::read(const QString &vaultFolder, const TAVKey &key)
{
    const QString path = fileName(vaultFolder);
    if (!QFileInfo::exists(path))
        return {};
    TAVCryptoFile file(path);
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    if (file.open(QIODevice::ReadOnly, &cipher, key, &version) != 0) {
        LOG_ERROR << "the list of pending bodies does not open" << path;
        return {};
    }
    const qint64 expected = file.size() - file.pos();
    const QByteArray payload = file.readAll();
    QDataStream stream(payload);
    stream.setVersion(15);
    QStringList names;
    stream >> names;
    if (file.error() != QFileDevice::NoError || payload.size() != expected || stream.status() != QDataStream::Ok
        || !stream.atEnd()) {
        LOG_ERROR << "the list of pending bodies is damaged" << path;
        return {};
    }
    return names;
}

void PendingBodies::clear(const QString &vaultFolder)
{
    const QString path = fileName(vaultFolder);
    if (QFileInfo::exists(path) && !QFile::remove(path))
        LOG_ERROR << "could not remove" << path;
}

int PendingBodies::removeUncommitted(const QString &vaultFolder, const TAVKey &key, const QSet<QString> &owned)
{
    if (!QFileInfo::exists(fileName(vaultFolder)))
        return 0;
    int removed = 0;
    for (const QString &name : read(vaultFolder, key)) {
        if (!isBodyName(name) || owned.contains(name))
            continue;
        const QString body = vaultFolder + QLatin1Char('/') + name.left(2) + QLatin1Char('/') + name;
        struct stat st;
        if (::lstat(QFile::encodeName(body).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (QFile::remove(body)) {
            LOG_INFO << "removed a body no index names, left by a job that ended before its save:" << body;
            ++removed;
        }
    }
    clear(vaultFolder);
    return removed;
}
