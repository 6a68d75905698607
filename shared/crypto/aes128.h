#ifndef AES128_H
#define AES128_H

#include <cstddef>

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

// AES-128 encryption under one 16-byte key, through OpenSSL's EVP interface
// (the low-level AES calls are many times slower and gone from OpenSSL 3).
// Every keystream of the system is built from the two operations below.
// A copy carries the prepared key schedule; one object serves one thread.
class Aes128
{
public:
    explicit Aes128(const unsigned char *key16);
    Aes128(const Aes128 &other);
    Aes128 &operator=(const Aes128 &other);
    ~Aes128();

    // False when OpenSSL could not set the key up; every call then fails.
    bool isValid() const { return m_ecb != nullptr; }

    // True when this schedule was made from these 16 key bytes.
    bool usesKey(const unsigned char *key16) const;

    // ECB: out = E(in), block by block; in and out may be the same buffer.
    bool encryptBlocks(const unsigned char *in, unsigned char *out, size_t blocks);

    // XORs data with the counter-mode keystream that starts at the block
    // counter (encrypted, then stepped as a 128-bit big-endian number once per
    // 16 bytes). A length that is not a multiple of 16 uses the first bytes of
    // the last keystream block.
    bool ctrXor(unsigned char *data, size_t length, const unsigned char *counter16);

    // A schedule of these 16 key bytes kept for the calling thread: the two
    // keys a thread used last stay prepared, so a call per chunk costs no key
    // set-up and no copy. Null when OpenSSL fails. Valid until the thread's
    // next call with two other keys, or its end.
    static Aes128 *forThisThread(const unsigned char *key16);

private:
    void reset();
    bool copyFrom(const Aes128 &other);

    unsigned char m_key[16];
    EVP_CIPHER_CTX *m_ecb = nullptr;
    EVP_CIPHER_CTX *m_ctr = nullptr; // made on first use
};

#endif // AES128_H
