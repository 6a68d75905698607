// Reads arbitrary bytes as the payload of a vault index (enciphered into a
// data file under the vault's key first, so the bytes reach the reader).
// Beyond surviving them: an index that loads must save and load again into a
// fresh vault, with the same files, and the index settles: the third save
// has the second's bytes. (Not the first's: Qt's local-time conversion
// settles dates millions of years away only on the second pass.)

#include "atomicfilewriter.h"
#include "randomsource.h"
#include "tavexception.h"
#include "tavkey.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

bool fixedBytes(unsigned char *out, int length)
{
    std::memset(out, 0x5a, size_t(length));
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

struct Setup
{
    Setup()
    {
        qInstallMessageHandler(dropMessage);
        TAVLogger::setLogLevel(TAVLogger::Fatal);
        RandomSource::setGenerator(fixedBytes);
        if (!dir.isValid() || !QDir(dir.path()).mkpath("in") || !QDir(dir.path()).mkpath("out")
            || !QDir(dir.path()).mkpath("again") || !QDir(dir.path()).mkpath("last"))
            std::abort();
        QByteArray bytes(128, '\0');
        for (int i = 0; i < 128; ++i)
            bytes[i] = char((7 * i + 3) & 0xff);
        key = TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
    }
    QTemporaryDir dir;
    TAVKey key;
};

// Loads the vault at folder; null when the index does not load.
TAVVault *loadVault(const QString &folder, const TAVKey &key)
{
    auto *vault = new TAVVault(nullptr, QStringLiteral("V"), folder, TAV_AES256, key);
    int result = 1;
    try {
        result = vault->load();
    } catch (const TAVException &) {
        if (vault->getItemCount() != 0 || vault->isLoaded())
            std::abort(); // a damaged index must leave nothing behind
        delete vault;
        return nullptr;
    }
    if (result != 0) {
        if (vault->getItemCount() != 0 || vault->isLoaded())
            std::abort();
        delete vault;
        return nullptr;
    }
    return vault;
}

void destroy(TAVVault *vault)
{
    vault->removeAll();
    delete vault;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString in = setup.dir.filePath("in");
    const QString out = setup.dir.filePath("out");
    const QString again = setup.dir.filePath("again");
    const QString last = setup.dir.filePath("last");
    const QByteArray payload(reinterpret_cast<const char *>(data), int(size));
    if (AtomicFileWriter::writeDataFile(in + "/index.dat", TAV_AES256, setup.key, 1, payload) != 0)
        std::abort();

    TAVVault *first = loadVault(in, setup.key);
    if (!first)
        return 0;
    const int items = first->getVaultItemCount();
    first->setFullPhysicalVaultPath(out);
    QFile::remove(out + "/index.dat");
    if (first->save() != 0)
        std::abort();
    destroy(first);

    TAVVault *second = loadVault(out, setup.key);
    if (!second || second->getVaultItemCount() != items)
        std::abort();
    second->setFullPhysicalVaultPath(again);
    QFile::remove(again + "/index.dat");
    if (second->save() != 0)
        std::abort();
    destroy(second);

    TAVVault *third = loadVault(again, setup.key);
    if (!third || third->getVaultItemCount() != items)
        std::abort();
    third->setFullPhysicalVaultPath(last);
    QFile::remove(last + "/index.dat");
    if (third->save() != 0)
        std::abort();
    destroy(third);
    if (fileBytes(again + "/index.dat") != fileBytes(last + "/index.dat"))
        std::abort();
    return 0;
}
