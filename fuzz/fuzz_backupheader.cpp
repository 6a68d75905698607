// Reads arbitrary bytes as a backup's "vaultinfo.dat" through every reader:
// the header reader, the name reader and both key checks. A header either
// reads whole or not at all, and one that reads writes back to the same
// length and the same fields.

#include "backup.h"
#include "backupheader.h"
#include "fuzzsupport.h"
#include "tavkey.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// 128 bytes: (251 - 13i) mod 256, the master key of the seeds.
TAVKey unwrapKey()
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char((251 - 13 * i) & 0xff);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

struct Setup
{
    Setup() : vaultKey(FuzzSupport::patternKey()), masterKey(unwrapKey())
    {
        FuzzSupport::silence();
        if (!dir.isValid())
            std::abort();
    }
    QTemporaryDir dir;
    TAVKey vaultKey;
    TAVKey masterKey;
};

bool sameFields(const BackupHeader &a, const BackupHeader &b)
{
    return a.iv == b.iv && a.check == b.check && a.storedKey == b.storedKey && a.name == b.name
        && a.size == b.size;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString folder = setup.dir.path();
    FuzzSupport::writeInputOrAbort(folder + "/vaultinfo.dat", data, size);
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));

    BackupHeader parsed;
    const BackupHeader::ParseResult rc = BackupHeader::fromBytes(input, &parsed);
    if (rc == BackupHeader::Parsed) {
        const QByteArray again = parsed.toBytes();
        BackupHeader reread;
        if (again.size() != input.size() || BackupHeader::fromBytes(again, &reread) != BackupHeader::Parsed
            || !sameFields(parsed, reread) || parsed.storedKey.key.size() != 128)
            std::abort();
    }

    QByteArray iv("untouched");
    quint32 check = 7;
    QString name = QStringLiteral("untouched");
    TAVKey stored = TAVKey::fromHex(QStringLiteral("ab"));
    const int read = readHeader(folder, iv, check, name, stored);
    if (read == 0) {
        if (rc != BackupHeader::Parsed || !parsed.hasValidIv() || iv != parsed.iv || name != parsed.name)
            std::abort();
        checkkey(iv, check, setup.vaultKey);
    } else if (iv != "untouched" || check != 7 || name != QStringLiteral("untouched")
               || stored.key != QByteArray::fromHex("ab")) {
        std::abort(); // refused, yet half-read
    }

    QString storedName = QStringLiteral("untouched");
    const int nameRc = Backup::getVaultNameFromFile(folder, storedName);
    if ((nameRc == 0) != (rc == BackupHeader::Parsed))
        std::abort();
    if (nameRc != 0 && storedName != QStringLiteral("untouched"))
        std::abort();

    TAVKey out = TAVKey::fromHex(QString());
    const int four = Backup::checkKey(folder, setup.masterKey, setup.vaultKey, out);
    const int three = Backup::checkKey(folder, setup.masterKey, out);
    if ((four == 1) != (read != 0) || (three == 1) != (read != 0))
        std::abort();
    return 0;
}
