// Synchronises a vault folder with a disk folder (one peer, "/" to the disk
// folder) and ends the process, as a kill would, at the numbered line of the
// run. Prints "lines <n>" when it is not ended. The vault is made when its
// folder holds no index yet.
// Usage: sync_kill <vault folder> <disk folder> <key hex> <line, 0: none>
#include "tavfilesystem.h"
#include "tavkey.h"
#include "tavlogging.h"
#include "tavsync.h"
#include "tavvault.h"
#include "utils.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 64;
    TAVLogger::setLogLevel(TAVLogger::Fatal);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString disk = QString::fromLocal8Bit(argv[2]);
    const TAVKey key = TAVKey::fromHex(QString::fromLatin1(argv[3]));
    const int killAt = std::atoi(argv[4]);
    auto *vault = new TAVVault(TAVFileSystem::getInstance(), QStringLiteral("V"), folder, TAV_AES256, key);
    TAVFileSystem::getInstance()->addItem(vault);
    if (vault->isVaultIdxExisting()) {
        if (vault->load() != 0)
            return 65;
    } else {
        QDir().mkpath(folder);
        vault->setLoaded(true);
        if (vault->save() != 0 || TAVSync::addSyncPeer(vault, Utils::getHostName(), disk, QStringLiteral("/")) != 0)
            return 66;
    }
    int lines = 0;
    QObject::connect(vault, &TAVVault::itemSyncProgress, vault, [&lines, killAt](const QString &) {
        if (++lines == killAt)
            ::_exit(9); // no clean-up of any kind, as a kill
    }, Qt::DirectConnection);
    const int result = TAVSync::syncFolders(vault);
    std::printf("lines %d result %d\n", lines, result);
    std::fflush(stdout);
    ::_exit(0);
}
