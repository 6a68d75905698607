// Saves a vault's index and the vault list over and over, switching each
// between two known contents (VaultTree seeds 1 and 2), until it is killed.
// Usage: vault_save_loop <vault folder> <vault list file> <list 1> <list 2>
// (lists 1 and 2: saved vault lists of the two contents, to copy from)
// Prints "saving" once both files have loaded and the loop begins.
#include "tavfilesystem.h"
#include "tavlogging.h"
#include "tavvault.h"
#include "vaulttree.h"
#include "vaultvectors.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 2;
    qInstallMessageHandler(dropMessage);
    TAVLogger::setLogLevel(TAVLogger::Fatal);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString listFile = QString::fromLocal8Bit(argv[2]);

    // Both vault objects start from the index as it is on the disk (which
    // checks it once more); each then holds one of the two trees.
    TAVVault first(nullptr, QStringLiteral("Crash"), folder, TAV_AES256, VaultVectors::vaultKey());
    TAVVault second(nullptr, QStringLiteral("Crash"), folder, TAV_AES256, VaultVectors::vaultKey());
    TAVFileSystem *root = TAVFileSystem::getInstance();
    if (first.load() != 0 || second.load() != 0 || root->readVaultFile(listFile, VaultVectors::masterKey()) != 0)
        return 3;
    first.removeAll();
    VaultTree::fill(&first, VaultTree::crashTestFiles(1), 1);
    second.removeAll();
    VaultTree::fill(&second, VaultTree::crashTestFiles(2), 2);
    const QString lists[2] = {QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])};
    std::printf("saving\n");
    std::fflush(stdout);

    for (int round = 0;; ++round) {
        TAVVault &vault = round % 2 ? first : second; // the first save changes the files
        if (vault.save() != 0 || root->readVaultFile(lists[1 - round % 2], VaultVectors::masterKey()) != 0
            || root->saveToFile(listFile, VaultVectors::masterKey()) != 0)
            return 5;
    }
}
