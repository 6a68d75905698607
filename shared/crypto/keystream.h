#ifndef KEYSTREAM_H
#define KEYSTREAM_H

#include <QtGlobal>

#include <cstddef>

class Aes128;

// The keystreams of the stored formats, on top of one AES-128 key schedule.
// Each XORs a buffer in place; the first byte sits at byte `num` (0 to 15)
// of keystream block q, so any offset, length or chunking gives the same
// bytes. Counter blocks are the 8 high bytes given, then q as a big-endian
// 64-bit number that steps without carrying into the high bytes.
// The callers check ciphers and key lengths; these functions only compute.
namespace Keystream {

// One counter-mode pass: byte p of the stream is XORed with byte p % 16 of
// E(high8 || q).
bool ctrPass(Aes128 &aes, const unsigned char *high8, quint64 q, unsigned num,
             unsigned char *data, size_t length);

// The block keystream of user files: E(C) for a one-pass cipher, and
// E(C) XOR E(C XOR W) when the 16 key bytes W are given; C = iv8 || q.
bool block(Aes128 &aes, const unsigned char *w16, const unsigned char *iv8, quint64 q,
           unsigned num, unsigned char *data, size_t length);

// The data-file keystream at absolute file position pos: one counter pass
// per 128 key bits; pass 0 counts from the nonce, pass i from the nonce XOR
// derived key bytes 16i to 16i+7.
bool dataFile(Aes128 &aes, int rounds, const unsigned char *derivedKey,
              const unsigned char *nonce8, quint64 pos, unsigned char *data, size_t length);

} // namespace Keystream

#endif // KEYSTREAM_H
