// Reads arbitrary bytes as a vault's "version.dat", through the vault and
// through the root's adoption reader. A file that reads must write and read
// back to the same values.

#include "tavfilesystem.h"
#include "tavkey.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

struct Setup
{
    Setup()
    {
        qInstallMessageHandler(dropMessage);
        TAVLogger::setLogLevel(TAVLogger::Fatal);
        if (!dir.isValid())
            std::abort();
    }
    QTemporaryDir dir;
    TAVKey key;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString folder = setup.dir.path();
    {
        QFile file(folder + "/version.dat");
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort();
    }

    QUuid id;
    QString name;
    TAVCipher cipher = TAV_CIPHER_NONE;
    const int info = TAVFileSystem::getVaultInfo(folder, id, name, cipher);

    TAVVault vault(nullptr, QStringLiteral("V"), folder, TAV_AES128, setup.key);
    const QUuid before = vault.GetId();
    const int read = vault.readVaultVersion();
    if (read != 0 && read != 2)
        std::abort();
    if (info == 0 && (read != 0 || vault.GetId() != id || vault.getCipher() != cipher))
        std::abort();
    if (read != 0) {
        if (vault.GetId() != before || vault.getCipher() != TAV_AES128)
            std::abort(); // a damaged file changes nothing
        return 0;
    }

    const QUuid readId = vault.GetId();
    const TAVVaultType readType = vault.vaultType();
    const TAVCipher readCipher = vault.getCipher();
    if (vault.saveVaultVersion() != 0)
        std::abort();
    TAVVault copy(nullptr, QStringLiteral("V"), folder, TAV_AES128, setup.key);
    if (copy.readVaultVersion() != 0 || copy.GetId() != readId || copy.vaultType() != readType
        || copy.getCipher() != readCipher)
        std::abort();
    if (TAVFileSystem::getVaultInfo(folder, id, name, cipher) != 0 || name != QLatin1String("V"))
        std::abort();
    return 0;
}
