// Unpacks arbitrary bytes as a folder archive into a fresh folder. Whatever
// the bytes, nothing may appear beside that folder; a refused archive leaves
// not even the folder, an accepted one leaves plain files and folders only.

#include "foldercompressor.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>
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
    }
    QTemporaryDir dir;
};

QStringList scratchEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                  | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString scratch = setup.dir.path();
    const QString archive = scratch + QStringLiteral("/archive.bin");
    const QString target = scratch + QStringLiteral("/unpacked/target");
    FuzzSupport::writeInputOrAbort(archive, data, size);

    FolderCompressor reader;
    const bool ok = reader.decompressFolder(archive, target);

    if (!ok) {
        if (scratchEntries(scratch) != QStringList{QStringLiteral("archive.bin")})
            std::abort(); // a refused archive left something behind
        return 0;
    }
    if (scratchEntries(scratch) != QStringList{QStringLiteral("archive.bin"), QStringLiteral("unpacked")}
        || scratchEntries(scratch + QStringLiteral("/unpacked")) != QStringList{QStringLiteral("target")})
        std::abort();
    QDirIterator it(target, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink() || !(info.isFile() || info.isDir()))
            std::abort();
    }
    if (!QDir(scratch + QStringLiteral("/unpacked")).removeRecursively())
        std::abort();
    return 0;
}
