// Rebuilds a vault's index from body files made of fuzzed bytes: one whose
// header holds a fuzzed name and creation time, written under the vault's
// key as the program writes them, and one that is the bytes as they are.
// Beyond surviving them: an item the repair brings back always bears a name
// the item-name rule allows, so nothing read from a body can reach outside a
// folder when it is extracted.
#include "fuzzsupport.h"
#include "fileutils.h"
#include "tavcrypto.h"
#include "tavfilesystem.h"
#include "tavindexrepair.h"
#include "tavitemnamevalidator.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Never destroyed: libFuzzer ends the process with exit(), after the
// statics the application object would still need.
QCoreApplication *app = nullptr;
std::unique_ptr<QTemporaryDir> dir;

bool writeBody(const QString &folder, const QByteArray &bytes)
{
    const QString name = FileUtils::UuidToFileName(QUuid::createUuid());
    QDir().mkpath(folder + QLatin1Char('/') + name.left(2));
    QFile file(folder + QLatin1Char('/') + name.left(2) + QLatin1Char('/') + name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool namesAreSound(const TAVItemContainer *container)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        const TAVItem *item = container->getItemAt(i);
        const QString name = item->GetName();
        if (!TAVItemNameValidator::validate(name) || name == QLatin1String(".") || name == QLatin1String("..")
            || name.contains(QLatin1Char('/')))
            return false;
        if (auto *folder = qobject_cast<const TAVItemContainer *>(item))
            if (!namesAreSound(folder))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::silence();
    app = new QCoreApplication(*argc, *argv);
    dir = std::make_unique<QTemporaryDir>();
    return dir->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TAVKey key = FuzzSupport::patternKey();
    const QString folder = dir->filePath(QStringLiteral("vault"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);

    TAVFileSystem *root = TAVFileSystem::getInstance();
    auto *vault = new TAVVault(root, QStringLiteral("Fuzz"), folder, TAV_AES256, key);
    vault->setLoaded(true);
    if (vault->save() != 0)
        std::abort();

    // The first 8 bytes a time in milliseconds, the rest a name.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    qint64 msecs = 0;
    if (bytes.size() >= 8)
        msecs = qFromBigEndian<qint64>(bytes.constData());
    const QString name = QString::fromUtf8(bytes.mid(8));
    {
        const QString body = FileUtils::UuidToFileName(QUuid::createUuid());
        QDir().mkpath(folder + QLatin1Char('/') + body.left(2));
        QFile file(folder + QLatin1Char('/') + body.left(2) + QLatin1Char('/') + body);
        unsigned char iv[16] = {};
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        TAVCrypto::writeFileHeader(&file, iv, QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC), name,
                                   TAV_AES256, key);
        file.write(bytes.left(64));
    }
    if (!writeBody(folder, bytes))
        std::abort();

    {
        TAVIndexRepair repair(vault);
        repair.setMasterKey(key);
        repair.setConfirm([](const QString &, const QString &) { return 0; });
        const TAVIndexRepair::Result result = repair.run();
        if (result.succeeded() && !namesAreSound(vault))
            std::abort();
    }
    vault->unload();
    delete vault;
    return 0;
}
