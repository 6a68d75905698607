// Copy of a 1 GiB file item between vaults, next to references measured in
// the same run.
//
//   bench_copymove [dir]     works in a temporary folder under dir (default
//                            the system's temporary folder), removed after
//
// Ours: TAVFileSystem::copyItem of one 1 GiB file item
//   - into a vault of another key (cipher 2 to cipher 2),
//   - into a vault of another key and cipher (cipher 2 to cipher 4),
//   - into another folder of the same vault (the body copied as it is).
// References:
//   - the plain way through the disk: FileCipher decrypts the body to a
//     plain file and encrypts that into the new body (what a copy that went
//     through an extract and an add would cost, with plain bytes on disk);
//   - `cp` of the body followed by an fsync of the copy (the disk's limit).
// Every figure is the best wall time of two runs, each after a sync(), so
// none pays for writing back the one before. Our bodies and FileCipher's are
// synced before they replace their destination.
#include "filecipher.h"
#include "fileutils.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>

#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr qint64 kFileSize = qint64(1) << 30;

TAVKey keyOf(int seed)
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char(seed + 7 * i);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

bool writePattern(const QString &path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (qint64 done = 0; done < kFileSize; done += chunk.size()) {
        for (int i = 0; i < chunk.size(); i += 8)
            *reinterpret_cast<quint64 *>(chunk.data() + i) = quint64(done + i) * 0x9e3779b97f4a7c15ULL;
        if (out.write(chunk) != chunk.size())
            return false;
    }
    return out.flush();
}

QByteArray sha256(const QString &path)
{
    QFile in(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return in.open(QIODevice::ReadOnly) && hash.addData(&in) ? hash.result() : QByteArray();
}

bool fsyncFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Best wall time of two runs; `undo` runs after each, untimed.
double best(const std::function<bool()> &operation, const std::function<void()> &undo)
{
    double result = -1;
    for (int round = 0; round < 2; ++round) {
        ::sync();
        QElapsedTimer timer;
        timer.start();
        const bool ok = operation();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (!ok) {
            std::printf("  (a run failed)\n");
            undo();
            return -1;
        }
        if (result < 0 || seconds < result)
            result = seconds;
        undo();
    }
    return result;
}

double mibPerSecond(double seconds)
{
    return seconds > 0 ? double(kFileSize) / (1024.0 * 1024.0) / seconds : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QTemporaryDir dir(base + QStringLiteral("/bench_copymove-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder under %s\n", qPrintable(base));
        return 1;
    }
    const auto path = [&](const QString &name) { return dir.path() + QLatin1Char('/') + name; };
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const auto addVault = [&](const QString &name, TAVCipher cipher, const TAVKey &key) {
        QDir().mkpath(path(name));
        auto *vault = new TAVVault(root, name, path(name), cipher, key);
        vault->setLoaded(true);
        root->addItem(vault);
        return vault;
    };
    TAVVault *a = addVault(QStringLiteral("A"), TAV_AES256, keyOf(1));
    TAVVault *b = addVault(QStringLiteral("B"), TAV_AES256, keyOf(2));
    TAVVault *c = addVault(QStringLiteral("C"), TAV_AES1024, keyOf(3));
    a->addFolder(QStringLiteral("Sub"));

    std::printf("copy of a 1 GiB file item, in %s\n", qPrintable(dir.path()));
    const QString plain = path(QStringLiteral("big.bin"));
    if (!writePattern(plain)) {
        std::fprintf(stderr, "cannot write the 1 GiB file\n");
        return 1;
    }
    TAVFile *file = a->addFile(plain);
    file->encrypt(plain);
    const QByteArray plainHash = sha256(plain);
    const QString body = file->getFullPhysicalFileName();

    const auto copyInto = [&](const QString &target) {
        return [=] { return root->copyItem(QStringLiteral("A/big.bin"), target); };
    };
    const auto removeCopy = [&](TAVItemContainer *container) {
        return [=] {
            container->deleteItem(QStringLiteral("big.bin"));
            // The body goes once the index no longer lists the item.
            TAVItem *vault = nullptr;
            if (container->getVault(&vault) == 0)
                static_cast<TAVVault *>(vault)->save();
            QThreadPool::globalInstance()->waitForDone();
        };
    };

    // Checks once that a copy decrypts to the original bytes.
    bool verified = true;
    const auto verify = [&](TAVItemContainer *container, TAVVault *vault) {
        if (!root->copyItem(QStringLiteral("A/big.bin"), container->GetFullDisplayPath())) {
            verified = false;
            return;
        }
        auto *copy = static_cast<TAVFile *>(container->getItem(QStringLiteral("big.bin")));
        const QString out = path(QStringLiteral("check.bin"));
        verified = verified
            && FileCipher::decryptFile(copy->getFullPhysicalFileName(), out, vault->getCipher(), vault->getKey()) == 0
            && sha256(out) == plainHash;
        QFile::remove(out);
        removeCopy(container)();
    };
    verify(b, b);
    verify(c, c);
    verify(static_cast<TAVItemContainer *>(a->getItem(QStringLiteral("Sub"))), a);
    std::printf("every copy decrypts to the original bytes: %s\n\n", verified ? "yes" : "NO");

    const double toB = best(copyInto(QStringLiteral("B")), removeCopy(b));
    const double toC = best(copyInto(QStringLiteral("C")), removeCopy(c));
    auto *sub = static_cast<TAVItemContainer *>(a->getItem(QStringLiteral("Sub")));
    const double within = best(copyInto(QStringLiteral("A/Sub")), removeCopy(sub));

    const QString plainCopy = path(QStringLiteral("plain.tmp"));
    const QString out = path(QStringLiteral("out.bin"));
    const double viaDisk = best(
        [&] {
            return FileCipher::decryptFile(body, plainCopy, a->getCipher(), a->getKey()) == 0
                && FileCipher::encryptFile(plainCopy, out, b->getCipher(), b->getKey()) == 0;
        },
        [&] {
            QFile::remove(plainCopy);
            QFile::remove(out);
        });
    const double cp = best(
        [&] { return QProcess::execute(QStringLiteral("cp"), {body, out}) == 0 && fsyncFile(out); },
        [&] { QFile::remove(out); });

    std::printf("%-52s %8s %8s %10s %10s\n", "", "s", "MiB/s", "vs plain", "vs cp");
    const auto row = [&](const char *label, double seconds) {
        std::printf("%-52s %8.2f %8.0f %10.2f %10.2f\n", label, seconds, mibPerSecond(seconds),
                    viaDisk / seconds, cp / seconds);
    };
    row("ours, another key (cipher 2 to 2)", toB);
    row("ours, another key and cipher (cipher 2 to 4)", toC);
    row("ours, one vault (body copied as it is)", within);
    row("reference: FileCipher decrypt to disk + encrypt", viaDisk);
    row("reference: cp + fsync", cp);
    std::printf("\n(vs columns: the reference's time over ours; above 1 is faster than the reference)\n");

    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory of the whole run: %.0f MiB\n", double(usage.ru_maxrss) / 1024.0);

    for (TAVVault *vault : {a, b, c}) {
        root->removeItem(vault);
        vault->removeAll();
        delete vault;
    }
    return verified ? 0 : 1;
}
