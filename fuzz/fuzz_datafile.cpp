// Opens fuzzed bytes as a data file and reads its payload as records.
#include "fuzzsupport.h"
#include "tavciphers.h"
#include "tavcryptofile.h"
#include "tavlogging.h"

#include <QDataStream>
#include <QString>

#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    TAVLogger::setStdoutSink([](const QByteArray &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TAVKey key = FuzzSupport::patternKey();
    const QString path = QStringLiteral("/tmp/fuzz_datafile_%1.bin").arg(::getpid());
    if (!FuzzSupport::writeInput(path, data, size))
        return 0;

    TAVCryptoFile file(path);
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    if (file.open(QIODevice::ReadOnly, &cipher, key, &version) != 0)
        return 0;

    // Records as the vault list and index read them, then the rest in odd pieces.
    QDataStream stream(&file);
    stream.setVersion(15);
    for (int i = 0; i < 64 && stream.status() == QDataStream::Ok; ++i) {
        quint32 number;
        QString text;
        QByteArray bytes;
        TAVCipher c;
        stream >> number >> text >> bytes >> c;
    }
    file.seek(24 + (size % 13));
    while (!file.read(1 + int(size % 31)).isEmpty()) {
    }
    return 0;
}
