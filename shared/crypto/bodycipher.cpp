#include "bodycipher.h"

#include "safefile.h"
#include "tavcrypto.h"

#include <QByteArray>
#include <QFileDevice>

#include <openssl/crypto.h>

#include <cstring>

BodyCipher::Outcome BodyCipher::run(QIODevice *in, QIODevice *out, quint64 offset,
                                    const unsigned char *iv, TAVCipher cipher, const TAVKey &key,
                                    const AfterChunk &afterChunk, quint64 *offsetReached)
{
    unsigned char counterIv[16] = {};
    std::memcpy(counterIv, iv, 8);
    // Kept by the thread between runs (wiped after each): a job of many small
    // files would otherwise take and give back 64 KiB for every one. Nothing
    // stays in it across afterChunk, so a run begun from there may use it too.
    thread_local QByteArray buffer(int(kChunk), Qt::Uninitialized);
    auto *data = reinterpret_cast<unsigned char *>(buffer.data());
    Outcome outcome = Done;
    qint64 used = 0; // what the buffer ever held: a small file's run wipes only that
    auto *file = qobject_cast<QFileDevice *>(out);
    quint64 writeBackFrom = offset;
    for (;;) {
        const qint64 count = in->read(buffer.data(), kChunk);
        if (count < 0) {
            used = kChunk; // what a failed read left in it is not known
            outcome = ReadFailed;
            break;
        }
        used = qMax(used, count);
        if (count > 0) {
            if (TAVCrypto::encryptBlock(data, int(count), offset, counterIv, cipher, key) != 0) {
                outcome = WriteFailed;
                break;
            }
            const qint64 written = out->write(buffer.constData(), count);
            if (written != count) {
                outcome = WriteFailed;
                break;
            }
            offset += quint64(written);
            if (file && offset - writeBackFrom >= kWriteBackStep && file->flush()) {
                SafeFile::startWriteBack(file->handle(), qint64(writeBackFrom), qint64(offset));
                writeBackFrom = offset;
            }
        }
        if (afterChunk && !afterChunk(offset)) {
            outcome = Cancelled;
            break;
        }
        if (count < kChunk)
            break; // the end of the source

    }
    OPENSSL_cleanse(buffer.data(), size_t(used));
    if (offsetReached)
        *offsetReached = offset;
    return outcome;
}
