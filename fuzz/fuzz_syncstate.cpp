// Reads arbitrary bytes as a peer's state file. A file is read whole or
// refused whole (an empty set, never the pairs before the damage); what reads
// must write and read back to the same set of paths.

#include "fuzzsupport.h"
#include "syncstatefile.h"

#include <QSet>
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

QSet<QString> setOf(const QStringList &list)
{
    return QSet<QString>(list.cbegin(), list.cend());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString in = setup.dir.filePath(QStringLiteral("in.sync"));
    const QString out = setup.dir.filePath(QStringLiteral("out.sync"));
    FuzzSupport::writeInputOrAbort(in, data, size);

    QStringList paths{QStringLiteral("marker")};
    const SyncStateFile::Result result = SyncStateFile::read(in, &paths);
    if (result != SyncStateFile::Read) {
        if (result != SyncStateFile::Damaged || !paths.isEmpty())
            std::abort();
        return 0;
    }
    if (!SyncStateFile::write(out, paths))
        std::abort();
    QStringList again;
    if (SyncStateFile::read(out, &again) != SyncStateFile::Read || setOf(again) != setOf(paths))
        std::abort();
    return 0;
}
