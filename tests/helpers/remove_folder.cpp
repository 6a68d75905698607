// Removes a folder with FileUtils::removeDir in a program of its own, so a test
// can run it as another user. Usage: remove_folder <folder>
// Prints "removed" or "kept" as its last line (after the log's).
#include "fileutils.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 64;
    const bool removed = FileUtils::removeDir(QString::fromLocal8Bit(argv[1]), false);
    std::printf("%s\n", removed ? "removed" : "kept");
    return 0;
}
