#include "keystream.h"

#include "aes128.h"

#include <QtEndian>

#include <openssl/crypto.h>

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// data ^= the two keystream halves of one pair (aligned).
inline void xorPair(unsigned char *data, const unsigned char *pair)
{
#if defined(__SSE2__)
    const __m128i a = _mm_load_si128(reinterpret_cast<const __m128i *>(pair));
    const __m128i b = _mm_load_si128(reinterpret_cast<const __m128i *>(pair + 16));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(data), _mm_xor_si128(d, _mm_xor_si128(a, b)));
#else
    store64(data, load64(data) ^ load64(pair) ^ load64(pair + 16));
    store64(data + 8, load64(data + 8) ^ load64(pair + 8) ^ load64(pair + 24));
#endif
}

// Counter pairs C = high || q and C XOR W for blocks first + skip to
// first + skip + count - 1, where first is a multiple of 256: only byte 15
// differs between the pairs of one batch.
inline void fillPairs(unsigned char *out, quint64 high, quint64 highW, quint64 lowW, quint64 first,
                      size_t skip, size_t count)
{
    const quint64 low = qToBigEndian(first);
#if defined(__SSE2__)
    const __m128i plain = _mm_set_epi64x(qint64(low), qint64(high));
    const __m128i mixed = _mm_set_epi64x(qint64(low ^ lowW), qint64(highW));
    const __m128i diff = _mm_xor_si128(plain, mixed);
    const __m128i step = _mm_slli_si128(_mm_cvtsi32_si128(1), 15); // 1 in byte 15
    __m128i c = _mm_add_epi8(plain, _mm_slli_si128(_mm_cvtsi32_si128(int(skip)), 15));
    for (size_t k = skip; k < skip + count; ++k) {
        _mm_store_si128(reinterpret_cast<__m128i *>(out + 32 * k), c);
        _mm_store_si128(reinterpret_cast<__m128i *>(out + 32 * k + 16), _mm_xor_si128(c, diff));
        c = _mm_add_epi8(c, step);
    }
#else
    for (size_t k = skip; k < skip + count; ++k) {
        const quint64 l = qToBigEndian(quint64(first + k));
        store64(out + 32 * k, high);
        store64(out + 32 * k + 8, l);
        store64(out + 32 * k + 16, highW);
        store64(out + 32 * k + 24, l ^ lowW);
    }
#endif
}

// Counter pairs per batch: 256 keeps the batch's counters apart in byte 15
// only, and its 8 KiB of counters (encrypted in place) in the L1 cache.
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
    if (!w16)
        return ctrPass(aes, iv8, q, num, data, length);
    if (length == 0)
        return true;

    // Two AES blocks per keystream block: C and C XOR W, laid out side by side
    // and encrypted in one call per batch, then both XORed into the data in
    // one pass. Batches start at a block number that is a multiple of 256, so
    // inside one only the last counter byte moves.
    const quint64 high = load64(iv8);
    const quint64 highW = high ^ load64(w16);
    const quint64 lowW = load64(w16 + 8);
    // Encrypted in place: the counters become the keystream.
    alignas(64) unsigned char stream[kBatchBlocks * 32];
    bool ok = true;
    while (ok && length > 0) {
        const quint64 first = q & ~quint64(kBatchBlocks - 1);
        const size_t skip = size_t(q - first);
        const size_t blocks = qMin(kBatchBlocks - skip, (num + length + 15) / 16);
        fillPairs(stream, high, highW, lowW, first, skip, blocks);
        const unsigned char *pairs = stream + 32 * skip;
        ok = aes.encryptBlocks(pairs, stream + 32 * skip, 2 * blocks);
        size_t done = 0;
        size_t k = 0;
        if (num != 0) {
            done = qMin(size_t(16 - num), length);
            for (size_t i = 0; i < done; ++i)
                data[i] ^= pairs[num + i] ^ pairs[16 + num + i];
            k = 1;
        }
        for (; k < blocks && length - done >= 16; ++k, done += 16)
            xorPair(data + done, pairs + 32 * k);
        if (k < blocks) {
            for (size_t i = 0; done < length; ++i, ++done)
                data[done] ^= pairs[32 * k + i] ^ pairs[32 * k + 16 + i];
        }
        data += done;
        length -= done;
        q += blocks;
        num = 0;
    }
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
