// Reads fuzzed bytes as a vault's key chain file.
#include "fuzzsupport.h"
#include "tavciphers.h"
#include "tavlogging.h"

#include <QFile>
#include <QString>

#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    TAVLogger::setStdoutSink([](const QByteArray &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = QStringLiteral("/tmp/fuzz_keychain_%1.dat").arg(::getpid());
    if (!FuzzSupport::writeInput(path, data, size))
        return 0;
    TAVKeyChain chain(path);
    TAVKey key = TAVKey::fromHex(QString());
    if (chain.getKey(QString(), &key) == 0) {
        // A stored key is unwrapped under the master key right after reading.
        static const TAVKey master(QStringLiteral("fuzz"));
        key.decrypt(master);
    }
    return 0;
}
