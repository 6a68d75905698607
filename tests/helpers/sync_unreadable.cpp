// Synchronises a peer one of whose folders (or the peer folder itself) can't
// be read, and prints the run's lines, result and both sides after it, each
// line starting with "@ ". Run as a user other than root: root reads any
// folder. Everything is made below <work folder>.
// Usage: sync_unreadable <work folder> <folder to make unreadable, relative; empty for the peer folder>
#include "syncfixture.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include <sys/stat.h>

namespace {
void print(const QString &line)
{
    std::printf("@ %s\n", line.toUtf8().constData());
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    qputenv("TMPDIR", argv[1]);
    QCoreApplication app(argc, argv);
    const QString unreadable = QString::fromLocal8Bit(argv[2]);
    int result = -1;
    {
        SyncFixture f;
        const QStringList both{"k=K", "d/", "d/x=X", "d/sub/", "d/sub/y=Y"};
        f.layVault(both + QStringList{"d/vaultonly=V"});
        f.layDisk(both);
        const QUuid peer = f.addPeer();
        f.setState(peer, {"k", "d", "d/x", "d/sub", "d/sub/y", "d/vaultonly"});
        const QByteArray folder = QFile::encodeName(f.diskFolder() + (unreadable.isEmpty() ? QString() : "/" + unreadable));
        if (::chmod(folder.constData(), 0) != 0)
            return 3;
        result = f.sync();
        ::chmod(folder.constData(), 0700);
        for (const QString &line : f.lines())
            print(line);
        print(QStringLiteral("result %1").arg(result));
        print(QStringLiteral("vault ") + f.vaultSide().join(QLatin1Char(',')));
        print(QStringLiteral("disk ") + f.diskSide().join(QLatin1Char(',')));
    }
    std::fflush(stdout);
    return 0;
}
