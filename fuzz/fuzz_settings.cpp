// Reads arbitrary bytes as the settings file. Beyond surviving them: whatever
// reads as a store must write, read back, and write again to the same bytes.

#include "fuzzsupport.h"
#include "tavlogging.h"
#include "tavsettings.h"

#include <QByteArray>
#include <QFile>
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
    const QString input = dir.filePath("input.dat");
    const QString first = dir.filePath("first.dat");
    const QString second = dir.filePath("second.dat");
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    FuzzSupport::writeInputOrAbort(setup.input, data, size);

    TAVSettings *settings = TAVSettings::getInstance();
    settings->setFileName(setup.input);
    const int result = settings->read();
    // A damaged input is set aside under a name of its own: not kept here.
    if (!settings->keptDamagedFile().isEmpty())
        QFile::remove(settings->keptDamagedFile());
    if (result != TAVSettings::ReadOk && result != TAVSettings::ReadDamaged)
        std::abort();
    if (result != TAVSettings::ReadOk)
        return 0;

    settings->setFileName(setup.first);
    if (settings->write() != TAVSettings::WriteOk)
        std::abort();
    if (settings->read() != TAVSettings::ReadOk)
        std::abort();
    settings->setFileName(setup.second);
    if (settings->write() != TAVSettings::WriteOk)
        std::abort();
    if (FuzzSupport::fileBytes(setup.first) != FuzzSupport::fileBytes(setup.second))
        std::abort();
    return 0;
}
