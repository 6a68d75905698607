#ifndef TAVCRYPTO_H
#define TAVCRYPTO_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QFileDevice;

// The user-file body: a 512-byte header, then the file's bytes enciphered
// with the block keystream at their own offsets.
//
//   0   8  IV bytes 0 to 7 (IV bytes 8 to 15 are zero)      plain
//   8   1  version, 1                                        plain
//   9   1  cipher                                            plain
//  10   4  creation time, seconds since 1970, little-endian  enciphered at 10
//  14   2  name length n, little-endian, at most 496         plain
//  16   n  the name in Latin-1                               enciphered at 16
//  16+n    zeros up to 512
//
// Block keystream for key K, cipher c and IV: counter block C = IV bytes 0
// to 7 || q as big-endian 64 bits for block q = offset / 16; keystream block
// E(C) for cipher 1 and E(C) XOR E(C XOR W) for ciphers 2 to 4, with E the
// AES-128 encryption under K bytes 0 to 15 and W the key bytes 16-31 (2),
// 48-63 (3) or 112-127 (4). Cipher 0 leaves the data unchanged.
//
// A cipher outside 0 to 4, or a key too short for its cipher, is refused
// before any keystream is made.
class TAVCrypto
{
public:
    // 0: iv is 16 bytes, 0-7 random, 8-15 zero. 1: no random bytes (iv unchanged).
    static int generateIV(QByteArray &iv);

    // XOR length bytes in place with the block keystream, the first byte at
    // file offset `offset`. 0 done (cipher 0: nothing to do); 1 refused (a
    // cipher outside the table, a key too short, a negative length), data unchanged.
    static int encryptBlock(unsigned char *data, int length, unsigned long long offset,
                            unsigned char *iv, TAVCipher cipher, const TAVKey &key);
    static int decryptBlock(unsigned char *data, int length, unsigned long long offset,
                            unsigned char *iv, TAVCipher cipher, const TAVKey &key);

    // Writes the header at the start of an empty file open for writing and
    // leaves it at 512. Names of 241 characters or more become "." and their last 239.
    // 0 done; 1 a write failed; 2 the cipher is refused (nothing written).
    static int writeFileHeader(QFileDevice *file, unsigned char *iv, QDateTime created, QString name,
                               TAVCipher cipher, const TAVKey &key);

    // Reads and checks the header of an open body file against the expected
    // cipher and leaves the file at 512. 0 done; 1 shorter than 512 bytes or a
    // name length above 496; 2 another cipher, or one outside the table;
    // 3 a version other than 1.
    static int readFileHeader(QFileDevice *file, unsigned char *iv, QDateTime *created, QString *name,
                              TAVCipher cipher, const TAVKey &key);

    // Reads only the IV (bytes 0-7 of the 16-byte iv, the rest cleared) and
    // leaves the file at 512. 0 done; 1 shorter than 512 bytes (iv cleared).
    static int readFileHeader(QFileDevice *file, unsigned char *iv);

    // Reads the header of the body file at path with the cipher it names.
    // 0 done; 1 shorter than 512 bytes or a name length above 496; 2 a version
    // other than 1; 3 the file cannot be opened; 4 a cipher outside the table.
    static int readFileHeader(QString path, QDateTime *created, QString *name, TAVCipher *cipher,
                              const TAVKey &key);

    // Rewrites the name in a body file's header. 0 done; 1 shorter than 512
    // bytes; 2 cannot be opened or written; 3 the cipher is refused.
    static int updateFileHeader(QString path, QString name, TAVCipher cipher, const TAVKey &key);

    // "TAV" and the UTF-8 text under counter-mode passes of the key, in Base64.
    // encrypt: 0 done. decrypt: 0 done; 1 fewer than 3 bytes; 2 not "TAV".
    // Both: 3 the cipher is refused.
    static int encryptString(QString *out, QString text, TAVCipher cipher, const TAVKey &key);
    static int decryptString(QString *out, QString text, TAVCipher cipher, const TAVKey &key);

    // Longest name the header can hold, and the longest the system writes.
    static constexpr int kMaxHeaderName = 496;
    static constexpr int kMaxWrittenName = 240;
    static constexpr int kHeaderSize = 512;
};

// The block keystream engine: XORs data starting at byte *num of the block
// of the 16-byte counter (IV half and block number). When *num is not 0 that
// block is computed first; every block computed steps the counter's low 64
// bits (no carry into the IV half). Stores the final position back in *num.
// 0 done; 1 refused (cipher outside 1 to 4, key too short, *num above 15).
int TAV_ctr128_encrypt(unsigned char *data, unsigned long length, unsigned char *counter,
                       unsigned int *num, TAVCipher cipher, const TAVKey &key);

#endif // TAVCRYPTO_H
