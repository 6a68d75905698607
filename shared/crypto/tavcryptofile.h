#ifndef TAVCRYPTOFILE_H
#define TAVCRYPTOFILE_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QFile>

#include <memory>

class Aes128;

// The system's own data files (vault index, vault list, sync peers): a
// QFile whose bytes from offset 20 on are enciphered with the data-file
// keystream at their absolute offsets, so a QDataStream on top reads and
// writes records as in any file.
//
//   0   4  magic A1B4C3D2, little-endian (D2 C3 B4 A1)   plain
//   4   4  version, little-endian (writers write 1)      plain
//   8   4  cipher, little-endian                         plain
//  12   8  nonce, random                                  plain
//  20   4  the magic again                                enciphered
//  24      the payload                                    enciphered
//
// The file is always unbuffered, so every call knows its true position.
// It writes in place: a caller that replaces a file it keeps writes to a
// temporary name beside it and renames that over the old file.
class TAVCryptoFile : public QFile
{
    Q_OBJECT

public:
    explicit TAVCryptoFile(const QString &path);
    ~TAVCryptoFile() override;

    // Codes of open():
    //   0 open, positioned at 24
    //   1 the file could not be opened (or, writing, its header not written)
    //   2 reading: header shorter than 24 bytes; writing: no random nonce (nothing opened)
    //   3 reading: not a data file (no magic)
    //   4 reading: the key is wrong
    //   5 the mode holds neither ReadOnly nor WriteOnly; nothing opened
    //   6 the cipher is outside the table or the key too short for it (writing: nothing opened)
    // After 2, 3, 4 or 6 when reading, the file stays open; close or destroy it.
    // A mode with WriteOnly writes, even with ReadOnly as well.
    int open(QIODevice::OpenMode mode, TAVCipher cipher, const TAVKey &key, unsigned int version);
    // Reading stores the header's cipher and version through the pointers (either may be null).
    int open(QIODevice::OpenMode mode, TAVCipher *cipher, const TAVKey &key, unsigned int *version);

    // Turns the keystream on or off for later reads and writes; returns 0.
    int setEncryption(bool on);

    // Re-enciphers the data file at path from oldKey to newKey, keeping its
    // nonce; the new file replaces the old one whole. 0 done; 1 cannot be
    // opened or read; 2 header too short; 3 not a data file; 4 oldKey is wrong;
    // 5 the new file cannot be created; 6 writing it failed; 7 the cipher is
    // outside the table or a key too short for it. The old file stays on every failure.
    static int reKey(const QString &path, const TAVKey &oldKey, const TAVKey &newKey);

    static constexpr quint32 kMagic = 0xA1B4C3D2u;
    static constexpr int kHeaderSize = 24;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    using QFile::open; // opening without a key would bypass the header and the keystream

    bool prepareKeystream(TAVCipher cipher, const TAVKey &key);
    bool applyKeystream(unsigned char *data, qint64 length, qint64 position);

    bool encryption = false;
    std::unique_ptr<Aes128> aes; // AES-128 schedule of derivedKey bytes 0 to 15
    QByteArray derivedKey;       // the first bits / 8 bytes of the key
    unsigned char nonce[8] = {};
    int rounds = 0;              // keystream passes: bits / 128
};

// Prepares pass i of the data-file keystream at file position pos: counter
// bytes 0-7 are the nonce (XORed with derivedKey bytes 16i to 16i+7 when i is
// above 0), bytes 8-15 pos / 16 big-endian; the 16 bytes of ecount are cleared.
int xinit_ctr(unsigned char *counter, unsigned char *ecount, unsigned char *nonce,
              unsigned long long pos, unsigned char *derivedKey, unsigned int i);

#endif // TAVCRYPTOFILE_H
