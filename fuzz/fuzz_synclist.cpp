// Reads arbitrary bytes as the payload of a vault's peer list (enciphered
// into "synclist.dat" under the vault's key first). A list is read whole or
// refused whole: a refused one leaves the caller's list as it was; one that
// reads must write back to the very same payload.

#include "atomicfilewriter.h"
#include "fuzzsupport.h"
#include "tavsync.h"
#include "tavsyncentry.h"
#include "tavvault.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

struct Setup
{
    Setup()
    {
        FuzzSupport::silence();
        if (!dir.isValid())
            std::abort();
        vault = new TAVVault(nullptr, QStringLiteral("Fuzz"), dir.path(), TAV_AES256, FuzzSupport::patternKey());
    }
    QTemporaryDir dir;
    TAVVault *vault = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QByteArray payload(reinterpret_cast<const char *>(data), int(size));
    if (AtomicFileWriter::writeDataFile(setup.vault->getVaultSyncFileName(), TAV_AES256, setup.vault->getKey(), 1,
                                        payload)
        != 0)
        std::abort();

    TAVSyncEntry marker;
    marker.host = QStringLiteral("marker");
    QList<TAVSyncEntry> list{marker};
    if (TAVSync::readSyncList(&list, setup.vault) != 0) {
        if (list.size() != 1 || list.first().host != marker.host)
            std::abort(); // refused, yet changed
        return 0;
    }
    if (serializeSyncList(list) != payload)
        std::abort();
    return 0;
}
