// Reads fuzzed bytes as a vault body file through the three header readers.
#include "fuzzsupport.h"
#include "tavciphers.h"
#include "tavlogging.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <unistd.h>

namespace {

QString scratchPath()
{
    return QStringLiteral("/tmp/fuzz_userheader_%1.bin").arg(::getpid());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    TAVLogger::setStdoutSink([](const QByteArray &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TAVKey key = FuzzSupport::patternKey();
    const QString path = scratchPath();
    if (!FuzzSupport::writeInput(path, data, size))
        return 0;

    QDateTime created;
    QString name;
    TAVCipher cipher = TAV_CIPHER_NONE;
    TAVCrypto::readFileHeader(path, &created, &name, &cipher, key);

    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        unsigned char iv[16];
        // The stored cipher as the expected one reaches the name; 2 is the usual vault cipher.
        const TAVCipher expected = size > 9 ? TAVCipher(data[9]) : TAV_AES256;
        if (TAVCrypto::readFileHeader(&file, iv, &created, &name, expected, key) == 0) {
            QByteArray body = file.read(4096);
            TAVCrypto::decryptBlock(reinterpret_cast<unsigned char *>(body.data()), body.size(), 512,
                                    iv, expected, key);
        }
        TAVCrypto::readFileHeader(&file, iv, &created, &name, TAV_AES256, key);
        TAVCrypto::readFileHeader(&file, iv);
    }
    return 0;
}
