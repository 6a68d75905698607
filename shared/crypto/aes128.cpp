#include "aes128.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <climits>
#include <cstring>
#include <memory>

namespace {

// The ciphers are fetched once: an implicit fetch on every key set-up costs
// more than the AES work of a small call.
const EVP_CIPHER *ecbCipher()
{
#if OPENSSL_VERSION_NUMBER >= 0x30000000L
    static EVP_CIPHER *cipher = EVP_CIPHER_fetch(nullptr, "AES-128-ECB", nullptr);
    return cipher;
#else
    return EVP_aes_128_ecb();
#endif
}

const EVP_CIPHER *ctrCipher()
{
#if OPENSSL_VERSION_NUMBER >= 0x30000000L
    static EVP_CIPHER *cipher = EVP_CIPHER_fetch(nullptr, "AES-128-CTR", nullptr);
    return cipher;
#else
    return EVP_aes_128_ctr();
#endif
}

EVP_CIPHER_CTX *makeContext(const EVP_CIPHER *cipher, const unsigned char *key)
{
    if (!cipher)
        return nullptr;
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    if (!ctx)
        return nullptr;
    if (EVP_EncryptInit_ex(ctx, cipher, nullptr, key, nullptr) != 1
        || EVP_CIPHER_CTX_set_padding(ctx, 0) != 1) {
        EVP_CIPHER_CTX_free(ctx);
        return nullptr;
    }
    return ctx;
}

EVP_CIPHER_CTX *copyContext(const EVP_CIPHER_CTX *from)
{
    if (!from)
        return nullptr;
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    if (ctx && EVP_CIPHER_CTX_copy(ctx, from) != 1) {
        EVP_CIPHER_CTX_free(ctx);
        return nullptr;
    }
    return ctx;
}

// EVP takes int lengths; large buffers go through in slices.
constexpr size_t kSlice = size_t(1) << 30;

} // namespace

Aes128::Aes128(const unsigned char *key16)
{
    std::memcpy(m_key, key16, sizeof m_key);
    m_ecb = makeContext(ecbCipher(), m_key);
}

Aes128::Aes128(const Aes128 &other)
{
    copyFrom(other);
}

Aes128 &Aes128::operator=(const Aes128 &other)
{
    if (this != &other) {
        reset();
        copyFrom(other);
    }
    return *this;
}

Aes128::~Aes128()
{
    reset();
}

void Aes128::reset()
{
    // Freeing a context cleanses its key schedule.
    EVP_CIPHER_CTX_free(m_ecb);
    EVP_CIPHER_CTX_free(m_ctr);
    m_ecb = m_ctr = nullptr;
    OPENSSL_cleanse(m_key, sizeof m_key);
}

bool Aes128::copyFrom(const Aes128 &other)
{
    std::memcpy(m_key, other.m_key, sizeof m_key);
    m_ecb = copyContext(other.m_ecb);
    m_ctr = copyContext(other.m_ctr);
    return m_ecb != nullptr;
}

Aes128 *Aes128::forThisThread(const unsigned char *key16)
{
    // Freed, and so cleansed, when the thread ends.
    thread_local std::unique_ptr<Aes128> recent[2];
    for (auto &entry : recent) {
        if (entry && entry->usesKey(key16))
            return entry.get();
    }
    // The older entry makes way; the newer one moves down.
    recent[1] = std::move(recent[0]);
    recent[0] = std::make_unique<Aes128>(key16);
    if (!recent[0]->isValid()) {
        recent[0].reset();
        return nullptr;
    }
    return recent[0].get();
}

bool Aes128::usesKey(const unsigned char *key16) const
{
    return CRYPTO_memcmp(m_key, key16, sizeof m_key) == 0;
}

bool Aes128::encryptBlocks(const unsigned char *in, unsigned char *out, size_t blocks)
{
    if (!m_ecb)
        return false;
    size_t length = blocks * 16;
    while (length > 0) {
        const size_t n = length < kSlice ? length : kSlice;
        int outLength = 0;
        if (EVP_EncryptUpdate(m_ecb, out, &outLength, in, int(n)) != 1 || size_t(outLength) != n)
            return false;
        in += n;
        out += n;
        length -= n;
    }
    return true;
}

bool Aes128::ctrXor(unsigned char *data, size_t length, const unsigned char *counter16)
{
    if (!m_ecb)
        return false;
    if (!m_ctr) {
        m_ctr = makeContext(ctrCipher(), m_key);
        if (!m_ctr)
            return false;
    }
    // A new IV also clears the context's position inside a keystream block.
    if (EVP_EncryptInit_ex(m_ctr, nullptr, nullptr, nullptr, counter16) != 1)
        return false;
    while (length > 0) {
        const size_t n = length < kSlice ? length : kSlice;
        int outLength = 0;
        if (EVP_EncryptUpdate(m_ctr, data, &outLength, data, int(n)) != 1 || size_t(outLength) != n)
            return false;
        data += n;
        length -= n;
    }
    return true;
}
