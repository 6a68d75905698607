#include "tavkeychain.h"

#include "safefile.h"
#include "tavlogging.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <unistd.h>

namespace {
constexpr int kStreamVersion = 15;
constexpr int kKeyBytes = 128;
} // namespace

TAVKeyChain::TAVKeyChain(const QString &fileName) : fileName(fileName)
{
    read();
}

int TAVKeyChain::read()
{
    keys.clear();
    QFile file(fileName);
    if (!file.exists())
        return 0;
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "error reading keychain" << file.errorString();
        return 1;
    }
    QDataStream stream(&file);
    stream.setVersion(kStreamVersion);
    quint32 count = 0;
    stream >> count;
    QHash<QString, TAVKey> loaded;
    bool damaged = false;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString name;
        TAVKey key = TAVKey::fromHex(QString());
        stream >> name >> key;
        if (stream.status() != QDataStream::Ok)
            break;
        // Every key the system stores is 128 bytes; anything else can't be unwrapped.
        if (key.key.size() != kKeyBytes) {
            damaged = true;
            break;
        }
        loaded.insert(name, key);
    }
    // A damaged chain is reported, not taken as an empty or partial one.
    if (damaged || stream.status() != QDataStream::Ok || !file.atEnd()) {
        LOG_ERROR << "error reading keychain: damaged file" << fileName;
        return 1;
    }
    keys = loaded;
    return 0;
}

int TAVKeyChain::write()
{
    // Written whole beside the old file and renamed over it, so a pulled
    // stick never leaves a vault without its key.
    QSaveFile file(fileName);
    QString reason;
    if (!SafeFile::open(file, &reason)) {
        LOG_ERROR << "error writing keychain" << reason;
        return 1;
    }
    QDataStream stream(&file);
    stream.setVersion(kStreamVersion);
    stream << keys;
    // commit() alone would rename a file whose last flush fell short (a full
    // disk) into place; flush and sync are checked first.
    if (stream.status() != QDataStream::Ok || !file.flush() || ::fsync(file.handle()) != 0) {
        LOG_ERROR << "error writing keychain" << file.errorString();
        file.cancelWriting();
        return 1;
    }
    if (!file.commit()) {
        LOG_ERROR << "error writing keychain" << file.errorString();
        return 1;
    }
    return 0;
}

int TAVKeyChain::setKey(const QString &name, const TAVKey &key)
{
    keys.insert(name, key);
    return write();
}

int TAVKeyChain::getKey(const QString &name, TAVKey *key) const
{
    const auto found = keys.constFind(name);
    if (found == keys.constEnd())
        return 1;
    *key = found.value();
    return 0;
}
