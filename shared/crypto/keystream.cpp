#include "keystream.h"

#include "aes128.h"

#include <QtEndian>

#include <openssl/crypto.h>

#include <cstring>

namespace {

inline quint64 load64(const unsigned char *p)
{
    quint64 v;
    std::memcpy(&v, p, 8);
    return v;
}

inline void store64(unsigned char *p, quint64 v)
{
    std::memcpy(p, &v, 8);
}

inline void xorBytes(unsigned char *data, const unsigned char *stream, size_t length)
{
    size_t i = 0;
    for (; i + 8 <= length; i += 8)
        store64(data + i, load64(data + i) ^ load64(stream + i));
    for (; i < length; ++i)
        data[i] ^= stream[i];
}

// Blocks of C XOR W built and encrypted together: 4 KiB stays in the L1 cache.
constexpr size_t kBatchBlocks = 256;

} // namespace

namespace Keystream {

bool ctrPass(Aes128 &aes, const unsigned char *high8, quint64 q, unsigned num,
             unsigned char *data, size_t length)
{
    if (length == 0)
        return true;
    unsigned char counter[16];
    std::memcpy(counter, high8, 8);
    if (num != 0) {
        unsigned char stream[16];
        qToBigEndian(q, counter + 8);
        if (!aes.encryptBlocks(counter, stream, 1))
            return false;
        const size_t n = qMin(size_t(16 - num), length);
        xorBytes(data, stream + num, n);
        OPENSSL_cleanse(stream, sizeof stream);
        data += n;
        length -= n;
        ++q;
    }
    while (length > 0) {
        // OpenSSL's counter carries into the high bytes; ours wraps, so a run
        // never crosses q = 2^64 in one call.
        const quint64 blocks = quint64((length + 15) / 16);
        const quint64 untilWrap = 0 - q; // 0 stands for 2^64
        const quint64 take = (untilWrap != 0 && blocks > untilWrap) ? untilWrap : blocks;
        const size_t bytes = size_t(qMin(quint64(length), take * 16));
        qToBigEndian(q, counter + 8);
        if (!aes.ctrXor(data, bytes, counter))
            return false;
        data += bytes;
        length -= bytes;
        q += take;
    }
    return true;
}

bool block(Aes128 &aes, const unsigned char *w16, const unsigned char *iv8, quint64 q,
           unsigned num, unsigned char *data, size_t length)
{
    if (!ctrPass(aes, iv8, q, num, data, length))
        return false;
    if (!w16 || length == 0)
        return true;

    // Second half of the keystream: E(C XOR W). Its counters don't step as a
    // plain counter, so they are laid out and encrypted in batches.
    const quint64 high = load64(iv8) ^ load64(w16);
    const quint64 lowW = load64(w16 + 8);
    unsigned char batch[kBatchBlocks * 16];
    bool ok = true;
    if (num != 0) {
        store64(batch, high);
        store64(batch + 8, qToBigEndian(q) ^ lowW);
        ok = aes.encryptBlocks(batch, batch, 1);
        const size_t n = qMin(size_t(16 - num), length);
        xorBytes(data, batch + num, n);
        data += n;
        length -= n;
        ++q;
    }
    while (ok && length > 0) {
        const size_t blocks = qMin(kBatchBlocks, (length + 15) / 16);
        for (size_t k = 0; k < blocks; ++k) {
            store64(batch + 16 * k, high);
            store64(batch + 16 * k + 8, qToBigEndian(quint64(q + k)) ^ lowW);
        }
        ok = aes.encryptBlocks(batch, batch, blocks);
        const size_t bytes = qMin(length, blocks * 16);
        xorBytes(data, batch, bytes);
        data += bytes;
        length -= bytes;
        q += blocks;
    }
    OPENSSL_cleanse(batch, sizeof batch);
    return ok;
}

bool dataFile(Aes128 &aes, int rounds, const unsigned char *derivedKey,
              const unsigned char *nonce8, quint64 pos, unsigned char *data, size_t length)
{
    for (int i = rounds - 1; i >= 0; --i) {
        unsigned char high[8];
        for (int k = 0; k < 8; ++k)
            high[k] = i > 0 ? nonce8[k] ^ derivedKey[16 * i + k] : nonce8[k];
        if (!ctrPass(aes, high, pos / 16, unsigned(pos % 16), data, length))
            return false;
    }
    return true;
}

} // namespace Keystream
