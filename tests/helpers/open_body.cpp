// Opens a new vault body with ReplacingFile in a program of its own, so a test
// can run it as another user. Usage: open_body <body path>
// Prints "opened" or the reason it could not as its last line (after the log's).
#include "replacingfile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 64;
    ReplacingFile body(QString::fromLocal8Bit(argv[1]));
    QString error;
    const bool opened = body.openBeside(ReplacingFile::NewVaultBody, &error);
    std::printf("%s\n", opened ? "opened" : qPrintable(error));
    return 0;
}
