// Throughput of the keystreams and of whole-file encryption, next to a
// reference measured in the same run.
//
//   bench_crypto                 both parts below
//   bench_crypto --keystreams    keystreams on 64 KiB and 1 MiB buffers
//   bench_crypto --files [dir]   a 1 GiB file (made in dir, default the
//                                system's temporary folder, removed after)
//
// Keystreams: each figure is the best of several timed rounds; ratios are to
// EVP AES-128-ECB (the block keystream of ciphers 2 to 4 makes two AES blocks
// per 16 bytes, so 0.5 is their limit) and to EVP AES-128-CTR (cipher 1 and
// the data-file keystream of cipher 1 make one).
//
// Files: FileCipher and the crypto worker encrypt and decrypt the file with
// ciphers 1 and 2; `openssl enc -aes-128-ctr` does the same file. Each
// operation runs in a child process (best wall time of two runs) so its peak
// resident memory can be read. Our outputs are synced to the disk before they
// replace the destination; openssl's are not, so a second reference adds an
// fsync of openssl's output. Every run starts after a sync(), so none pays for
// writing back the one before.
#include "aes128.h"
#include "filecipher.h"
#include "keystream.h"
#include "tavciphers.h"
#include "tavcryptothread.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <openssl/evp.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TAVKey benchKey()
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char(7 * i + 3);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

// Bytes per second of one operation over a buffer of `size` bytes: best of 7
// rounds of at least 150 ms each.
double throughput(size_t size, const std::function<void()> &operation)
{
    double best = 0;
    for (int round = 0; round < 7; ++round) {
        QElapsedTimer timer;
        timer.start();
        qint64 calls = 0;
        do {
            operation();
            ++calls;
        } while (timer.nsecsElapsed() < 150000000);
        const double rate = double(calls) * double(size) / (double(timer.nsecsElapsed()) / 1e9);
        if (rate > best)
            best = rate;
    }
    return best;
}

double mib(double bytesPerSecond)
{
    return bytesPerSecond / (1024.0 * 1024.0);
}

void benchKeystreams()
{
    const TAVKey key = benchKey();
    unsigned char iv[16] = {0xf0, 0xe1, 0xd2, 0xc3, 0xb4, 0xa5, 0x96, 0x87};
    const unsigned char nonce[8] = {0xa1, 0xb2, 0xc3, 0xd4, 0xe5, 0xf6, 0x07, 0x18};

    std::printf("keystream throughput, MiB/s (best of 7 rounds); ratio to EVP in the same run\n");
    for (size_t size : {size_t(64) * 1024, size_t(1024) * 1024}) {
        QByteArray buffer(int(size), '\x5a');
        auto *data = reinterpret_cast<unsigned char *>(buffer.data());

        EVP_CIPHER_CTX *ecb = EVP_CIPHER_CTX_new();
        EVP_CIPHER_CTX *ctr = EVP_CIPHER_CTX_new();
        const auto *k = reinterpret_cast<const unsigned char *>(key.key.constData());
        EVP_EncryptInit_ex(ecb, EVP_aes_128_ecb(), nullptr, k, nullptr);
        EVP_CIPHER_CTX_set_padding(ecb, 0);
        EVP_EncryptInit_ex(ctr, EVP_aes_128_ctr(), nullptr, k, iv);
        int outLength = 0;
        const double ecbRate = throughput(size, [&] {
            EVP_EncryptUpdate(ecb, data, &outLength, data, int(size));
        });
        const double ctrRate = throughput(size, [&] {
            EVP_EncryptUpdate(ctr, data, &outLength, data, int(size));
        });
        EVP_CIPHER_CTX_free(ecb);
        EVP_CIPHER_CTX_free(ctr);

        std::printf("\n%zu KiB buffers\n", size / 1024);
        std::printf("  %-36s %8.0f\n", "EVP AES-128-ECB", mib(ecbRate));
        std::printf("  %-36s %8.0f\n", "EVP AES-128-CTR", mib(ctrRate));
        for (int cipher = 1; cipher <= 4; ++cipher) {
            quint64 offset = 512;
            const double rate = throughput(size, [&] {
                TAVCrypto::encryptBlock(data, int(size), offset, iv, TAVCipher(cipher), key);
                offset += size;
            });
            char label[64];
            std::snprintf(label, sizeof label, "block keystream, cipher %d", cipher);
            std::printf("  %-36s %8.0f   %.2f of ECB   %.2f of CTR\n", label, mib(rate), rate / ecbRate,
                        rate / ctrRate);
        }
        for (int cipher = 1; cipher <= 4; ++cipher) {
            const int bits = TAVCipherProps::bitsOf(cipher);
            const QByteArray derived = key.deriveKey(bits);
            const auto *dk = reinterpret_cast<const unsigned char *>(derived.constData());
            Aes128 aes(dk);
            quint64 position = 24;
            const double rate = throughput(size, [&] {
                Keystream::dataFile(aes, bits / 128, dk, nonce, position, data, size);
                position += size;
            });
            char label[64];
            std::snprintf(label, sizeof label, "data-file keystream, cipher %d", cipher);
            std::printf("  %-36s %8.0f   %.2f of ECB   %.2f of CTR\n", label, mib(rate), rate / ecbRate,
                        rate / ctrRate);
        }
    }
    std::printf("\ntargets: cipher 2 block keystream >= 0.45 of ECB; cipher 1 >= 0.90 of CTR\n");
}

// --- whole files ---------------------------------------------------------

constexpr qint64 kFileSize = qint64(1) << 30;

struct Run {
    double seconds = 0;
    double peakMiB = 0;
    int status = -1;
};

// Runs a program to its end; wall time and the child's peak resident memory.
Run runChild(const QString &program, const QStringList &arguments)
{
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &item : storage)
        argv.push_back(item.data());
    argv.push_back(nullptr);

    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    Run run;
    int status = 0;
    struct rusage usage;
    std::memset(&usage, 0, sizeof usage);
    if (pid > 0 && wait4(pid, &status, 0, &usage) == pid) {
        run.seconds = double(timer.nsecsElapsed()) / 1e9;
        run.peakMiB = double(usage.ru_maxrss) / 1024.0;
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

Run best(const QString &program, const QStringList &arguments, const QString &output)
{
    Run result;
    for (int round = 0; round < 2; ++round) {
        QFile::remove(output);
        // Each run starts with nothing left to write back from the one before.
        ::sync();
        const Run run = runChild(program, arguments);
        if (round == 0 || (run.status == 0 && run.seconds < result.seconds))
            result = run;
    }
    return result;
}

bool sameStartAndEnd(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    const qint64 piece = 1 << 20;
    if (fa.read(piece) != fb.read(piece))
        return false;
    fa.seek(fa.size() - piece);
    fb.seek(fb.size() - piece);
    return fa.read(piece) == fb.read(piece);
}

int runOne(int argc, char **argv)
{
    // bench_crypto --one <fc-enc|fc-dec|wk-enc|wk-dec|fsync> <cipher> <source> <destination>
    if (argc < 6)
        return 2;
    QCoreApplication app(argc, argv);
    const QString op = QString::fromLatin1(argv[2]);
    const TAVCipher cipher = TAVCipher(atoi(argv[3]));
    const QString source = QFile::decodeName(argv[4]);
    const QString destination = QFile::decodeName(argv[5]);
    if (op == "fsync") {
        const int fd = ::open(argv[5], O_RDONLY);
        return fd >= 0 && ::fsync(fd) == 0 ? 0 : 1;
    }
    const TAVKey key = benchKey();
    if (op == "fc-enc")
        return FileCipher::encryptFile(source, destination, cipher, key);
    if (op == "fc-dec")
        return FileCipher::decryptFile(source, destination, cipher, key);
    TAVCryptoThread worker;
    worker.source = source;
    worker.destination = destination;
    worker.name = QStringLiteral("bench.bin");
    worker.created = QDateTime::currentDateTime();
    worker.setKey(key, cipher);
    worker.function = op == "wk-dec" ? 1 : 0;
    worker.start();
    while (worker.isRunning()) {
        QThread::msleep(10);
        QCoreApplication::processEvents();
    }
    return worker.state;
}

void benchFiles(const QString &self, const QString &folder)
{
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    QTemporaryDir dir(folder + QStringLiteral("/kv-bench-XXXXXX"));
    if (openssl.isEmpty() || !dir.isValid()) {
        std::printf("no openssl or no temporary folder; file benchmark skipped\n");
        return;
    }
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));
    {
        QFile file(plain);
        if (!file.open(QIODevice::WriteOnly)) {
            std::printf("cannot write %s\n", qPrintable(plain));
            return;
        }
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((i * 2654435761u) >> 24);
        for (qint64 done = 0; done < kFileSize; done += block.size()) {
            block[0] = char(done >> 20); // no two megabytes alike
            if (file.write(block) != block.size()) {
                std::printf("cannot write %s\n", qPrintable(plain));
                return;
            }
        }
    }
    const QString keyHex = benchKey().toHex().left(32);
    const QString ivHex = QStringLiteral("f0e1d2c3b4a596870000000000000000");
    const QString sealed = dir.filePath(QStringLiteral("sealed.bin"));
    const QString opened = dir.filePath(QStringLiteral("opened.bin"));

    std::printf("\n1 GiB file in %s: wall time (best of 2), throughput, time ratio to openssl, peak RSS\n",
                qPrintable(folder));
    auto print = [](const char *label, const Run &run, double reference) {
        std::printf("  %-34s %6.2f s %7.0f MiB/s   %5.2fx openssl   %6.1f MiB%s\n", label, run.seconds,
                    1024.0 / run.seconds, run.seconds / reference, run.peakMiB,
                    run.status == 0 ? "" : "   FAILED");
    };

    const QStringList encArgs = {"enc", "-aes-128-ctr", "-K", keyHex, "-iv", ivHex, "-in", plain, "-out", sealed};
    const QStringList decArgs = {"enc", "-d", "-aes-128-ctr", "-K", keyHex, "-iv", ivHex, "-in", sealed, "-out", opened};
    const Run sslEnc = best(openssl, encArgs, sealed);
    ::sync();
    Run sslEncSync = runChild(openssl, encArgs);
    const Run sync = runChild(self, {"--one", "fsync", "0", sealed, sealed});
    sslEncSync.seconds += sync.seconds;
    const Run sslDec = best(openssl, decArgs, opened);
    print("openssl enc -aes-128-ctr", sslEnc, sslEnc.seconds);
    print("openssl enc -aes-128-ctr + fsync", sslEncSync, sslEnc.seconds);
    print("openssl enc -d -aes-128-ctr", sslDec, sslDec.seconds);

    for (int cipher : {1, 2}) {
        const QString c = QString::number(cipher);
        struct Step { const char *label; const char *op; QString in; QString out; const Run *reference; };
        const Step steps[] = {
            {"FileCipher encrypt", "fc-enc", plain, sealed, &sslEnc},
            {"FileCipher decrypt", "fc-dec", sealed, opened, &sslDec},
            {"worker encrypt", "wk-enc", plain, sealed, &sslEnc},
            {"worker decrypt", "wk-dec", sealed, opened, &sslDec},
        };
        for (const Step &step : steps) {
            const Run run = best(self, {"--one", step.op, c, step.in, step.out}, step.out);
            char label[64];
            std::snprintf(label, sizeof label, "%s, cipher %d", step.label, cipher);
            print(label, run, step.reference->seconds);
            if (QString(step.op).endsWith("dec") && !sameStartAndEnd(plain, opened))
                std::printf("  ^ the decrypted file differs from the original\n");
        }
    }
    std::printf("\ntargets: cipher 1 no slower than openssl, cipher 2 at most 1.3x, peak memory below 64 MiB\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--one") == 0)
        return runOne(argc, argv);
    const bool keystreams = argc < 2 || std::strcmp(argv[1], "--keystreams") == 0;
    const bool files = argc < 2 || std::strcmp(argv[1], "--files") == 0;
    if (keystreams)
        benchKeystreams();
    if (files) {
        const QString self = QFile::decodeName(QByteArray("/proc/self/exe"));
        const QString resolved = QFileInfo(self).canonicalFilePath();
        const QString folder = argc > 2 ? QFile::decodeName(argv[2]) : QDir::tempPath();
        benchFiles(resolved, folder);
    }
    return 0;
}
