// Reads arbitrary bytes as the payload of the vault list (enciphered into a
// data file under the master key first). A list that reads must fill the
// tree, save, read back to the same records and save again to the same bytes.

#include "atomicfilewriter.h"
#include "randomsource.h"
#include "tavfilesystem.h"
#include "tavkey.h"
#include "tavlogging.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

bool fixedBytes(unsigned char *out, int length)
{
    std::memset(out, 0xa5, size_t(length));
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
        if (!dir.isValid())
            std::abort();
    }
    QTemporaryDir dir;
    TAVKey key{QStringLiteral("fuzz")};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString in = setup.dir.filePath("in.dat");
    const QString first = setup.dir.filePath("first.dat");
    const QString second = setup.dir.filePath("second.dat");
    const QByteArray payload(reinterpret_cast<const char *>(data), int(size));
    if (AtomicFileWriter::writeDataFile(in, TAV_AES256, setup.key, 1, payload) != 0)
        std::abort();

    TAVFileSystem *root = TAVFileSystem::getInstance();
    const TAVFileSystemEntryList before = root->getVaultList();
    const int result = root->appendFromFile(in, setup.key);
    if (result != 0) {
        if (result != TAVFileSystem::VaultListDamaged || root->getVaultList() != before
            || root->vaultCount() != 0)
            std::abort(); // a damaged list changes nothing
        return 0;
    }
    const TAVFileSystemEntryList entries = root->getVaultList();
    if (root->vaultCount() != entries.size())
        std::abort();
    root->removeAll();

    if (root->saveToFile(first, setup.key) != 0 || root->readVaultFile(first, setup.key) != 0
        || root->getVaultList() != entries || root->saveToFile(second, setup.key) != 0)
        std::abort();
    if (fileBytes(first) != fileBytes(second))
        std::abort();
    return 0;
}
