#include "bodyrecipher.h"

#include "randomsource.h"
#include "safefile.h"
#include "tavcrypto.h"
#include "tavlogging.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QSaveFile>

#include <openssl/crypto.h>

#include <cstring>

#include <unistd.h>

namespace {

// commit() of Qt 5.15 renames a file whose last flush fell short (a full
// disk) into place; the flush and the sync are checked first.
bool finish(QSaveFile &out)
{
    if (!out.flush() || ::fsync(out.handle()) != 0) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace

BodyRecipher::Result BodyRecipher::recipher(const QString &source, TAVCipher sourceCipher,
                                            const TAVKey &sourceKey, const QString &destination,
                                            TAVCipher targetCipher, const TAVKey &targetKey)
{
    LOG_DEBUG << "re-encrypting" << source << destination;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "cannot open file for read" << source << in.errorString();
        return SourceUnreadable;
    }
    unsigned char sourceIv[16] = {};
    QDateTime created;
    QString name;
    if (TAVCrypto::readFileHeader(&in, sourceIv, &created, &name, sourceCipher, sourceKey) != 0) {
        LOG_ERROR << "Error during readFileHeader" << source;
        return HeaderRefused;
    }
    QSaveFile out(destination);
    QString reason;
    if (!SafeFile::open(out, &reason)) {
        LOG_ERROR << "cannot open file for write" << destination << reason;
        return WriteFailed;
    }
    unsigned char targetIv[16] = {};
    if (!RandomSource::bytes(targetIv, 8)) {
        LOG_ERROR << "Could not create random bytes.";
        out.cancelWriting();
        return NoHeader;
    }
    switch (TAVCrypto::writeFileHeader(&out, targetIv, created, name, targetCipher, targetKey)) {
    case 0:
        break;
    case 2:
        LOG_ERROR << "error during writeFileHeader: cipher refused";
        out.cancelWriting();
        return NoHeader;
    default:
        LOG_ERROR << "error during writeFileHeader" << out.errorString();
        out.cancelWriting();
        return WriteFailed;
    }

    QByteArray buffer(kChunk, Qt::Uninitialized);
    auto *data = reinterpret_cast<unsigned char *>(buffer.data());
    quint64 offset = TAVCrypto::kHeaderSize;
    Result result = Done;
    for (;;) {
        const qint64 count = in.read(buffer.data(), kChunk);
        if (count < 0) {
            LOG_ERROR << "error reading file" << source << in.errorString();
            result = SourceUnreadable;
            break;
        }
        if (count == 0)
            break;
        // The plain bytes exist only here, between the two keystreams.
        if (TAVCrypto::decryptBlock(data, int(count), offset, sourceIv, sourceCipher, sourceKey) != 0
            || TAVCrypto::encryptBlock(data, int(count), offset, targetIv, targetCipher, targetKey) != 0) {
            result = NoHeader;
            break;
        }
        if (out.write(buffer.constData(), count) != count) {
            LOG_ERROR << "error writing file" << destination << out.errorString();
            result = WriteFailed;
            break;
        }
        offset += quint64(count);
    }
    OPENSSL_cleanse(buffer.data(), size_t(buffer.size()));
    OPENSSL_cleanse(sourceIv, sizeof sourceIv);
    if (result != Done) {
        out.cancelWriting();
        return result;
    }
    if (!finish(out)) {
        LOG_ERROR << "error writing file" << destination << out.errorString();
        return WriteFailed;
    }
    return Done;
}
