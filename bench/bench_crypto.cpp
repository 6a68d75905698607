// Throughput of the keystreams next to plain EVP AES-128 in the same run.
//
//   bench_crypto            keystreams on 64 KiB and 1 MiB buffers
//
// Each figure is the best of several timed rounds; ratios are to EVP
// AES-128-ECB (the block keystream of ciphers 2 to 4 makes two AES blocks per
// 16 bytes, so 0.5 is their limit) and to EVP AES-128-CTR (cipher 1 and the
// data-file keystream of cipher 1 make one).
#include "aes128.h"
#include "keystream.h"
#include "tavciphers.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <openssl/evp.h>

#include <cstdio>
#include <functional>

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

} // namespace

int main()
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
    return 0;
}
