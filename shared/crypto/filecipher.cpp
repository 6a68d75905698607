#include "filecipher.h"

#include "bodycipher.h"
#include "fileutils.h"
#include "randomsource.h"
#include "tavcrypto.h"
#include "tavexception.h"
#include "tavlogging.h"

#include <QFile>
#include <QSaveFile>

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

void openOrThrow(QFile &source, QSaveFile &destination)
{
    if (!source.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "cannot open file for read" << source.fileName();
        throw TAVException(QStringLiteral("cannot open file for read ") + source.fileName());
    }
    if (!destination.open(QIODevice::WriteOnly)) {
        LOG_ERROR << "cannot open file for write" << destination.fileName();
        throw TAVException(QStringLiteral("cannot open file for write ") + destination.fileName());
    }
}

} // namespace

int FileCipher::encryptFile(const QString &source, const QString &destination, TAVCipher cipher,
                            const TAVKey &key)
{
    LOG_DEBUG << "encrypting" << source << destination;
    QFile in(source);
    QSaveFile out(destination);
    openOrThrow(in, out);

    unsigned char iv[16] = {};
    if (!RandomSource::bytes(iv, 8)) {
        LOG_ERROR << "Could not create random bytes.";
        out.cancelWriting();
        return 2;
    }
    if (TAVCrypto::writeFileHeader(&out, iv, FileUtils::created(source), FileUtils::getFileName(source),
                                   cipher, key) != 0) {
        LOG_ERROR << "error during writeFileHeader";
        out.cancelWriting();
        return 3;
    }
    const BodyCipher::Outcome outcome =
        BodyCipher::run(&in, &out, TAVCrypto::kHeaderSize, iv, cipher, key, {});
    if (outcome != BodyCipher::Done || !finish(out)) {
        LOG_ERROR << (outcome == BodyCipher::ReadFailed ? "error reading file" : "error writing file")
                  << (outcome == BodyCipher::ReadFailed ? in.errorString() : out.errorString());
        out.cancelWriting();
        return 4;
    }
    return 0;
}

int FileCipher::decryptFile(const QString &source, const QString &destination, TAVCipher cipher,
                            const TAVKey &key)
{
    LOG_DEBUG << "decrypting" << source << destination;
    QFile in(source);
    QSaveFile out(destination);
    openOrThrow(in, out);

    unsigned char iv[16] = {};
    QDateTime created;
    QString name;
    if (TAVCrypto::readFileHeader(&in, iv, &created, &name, cipher, key) != 0) {
        LOG_ERROR << "Error during readFileHeader";
        out.cancelWriting();
        return 2;
    }
    LOG_DEBUG << "read header name" << name << created.toString();
    const BodyCipher::Outcome outcome =
        BodyCipher::run(&in, &out, TAVCrypto::kHeaderSize, iv, cipher, key, {});
    if (outcome != BodyCipher::Done || !finish(out)) {
        LOG_ERROR << (outcome == BodyCipher::ReadFailed ? "error reading file" : "error writing file")
                  << (outcome == BodyCipher::ReadFailed ? in.errorString() : out.errorString());
        out.cancelWriting();
        return 4;
    }
    return 0;
}
