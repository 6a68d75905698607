// Restores a vault folder from a backup folder and ends the process, as a
// kill would, at the numbered step of the switch. Prints the restore's
// result and the number of steps it went through when it is not ended.
// Usage: restore_kill <vault folder> <backup folder> <key hex> <step>
#include "tavkey.h"
#include "tavvault.h"
#include "vaultrestore.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 64;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString backup = QString::fromLocal8Bit(argv[2]);
    const TAVKey key = TAVKey::fromHex(QString::fromLatin1(argv[3]));
    const int killAt = std::atoi(argv[4]);
    int steps = 0;
    VaultRestore::setStepHook([&steps, killAt](int step) {
        steps = step;
        if (step == killAt)
            ::_exit(9); // no clean-up of any kind, as a kill
    });
    TAVVault vault(nullptr, QStringLiteral("V"), folder, TAV_AES256, key);
    if (vault.load() != 0)
        return 65;
    VaultRestore restore;
    const int result = restore.run(&vault, backup, key);
    std::printf("result %d %d\n", result, steps);
    std::fflush(stdout);
    return 0;
}
