#include "tavcrypto.h"

#include "aes128.h"
#include "keystream.h"
#include "randomsource.h"
#include "tavlogging.h"

#include <QFile>
#include <QtEndian>

#include <openssl/crypto.h>

#include <cstring>

namespace {


// Offset of the key bytes W of the block keystream; -1 for a single pass.
int widthOffset(int cipher)
{
    const int bits = TAVCipherProps::bitsOf(cipher);
    return bits > 128 ? (bits / 8) / 16 * 16 - 16 : -1;
}

// True for cipher 0 and for a cipher of the table whose key bytes the key has.
bool blockCipherUsable(int cipher, const TAVKey &key)
{
    if (cipher == TAV_CIPHER_NONE)
        return true;
    const int bits = TAVCipherProps::bitsOf(cipher);
    return bits != 0 && key.key.size() >= bits / 8;
}

// The block keystream from byte num of block q; the cipher was checked by the caller.
bool applyBlockAt(const TAVKey &key, int cipher, const unsigned char *iv, quint64 q, unsigned num,
                  unsigned char *data, size_t length)
{
    if (cipher == TAV_CIPHER_NONE || length == 0)
        return true;
    Aes128 *aes = Aes128::forThisThread(reinterpret_cast<const unsigned char *>(key.key.constData()));
    if (!aes)
        return false;
    const int w = widthOffset(cipher);
    const auto *w16 = w < 0 ? nullptr : reinterpret_cast<const unsigned char *>(key.key.constData()) + w;
    return Keystream::block(*aes, w16, iv, q, num, data, length);
}

// The block keystream at a file offset.
bool applyBlock(const TAVKey &key, int cipher, const unsigned char *iv, quint64 offset,
                unsigned char *data, size_t length)
{
    return applyBlockAt(key, cipher, iv, offset / 16, unsigned(offset % 16), data, length);
}

// Counter-mode passes of encryptString: one per 128 bits of the cipher; pass
// i > 0 counts from key bytes 16i to 16i+7, the last from an all-zero block.
bool applyStringPasses(const TAVKey &key, int cipher, QByteArray &buffer)
{
    const int passes = TAVCipherProps::bitsOf(cipher) / 128;
    Aes128 *aes = Aes128::forThisThread(reinterpret_cast<const unsigned char *>(key.key.constData()));
    if (!aes)
        return false;
    static const unsigned char zero[8] = {};
    auto *data = reinterpret_cast<unsigned char *>(buffer.data());
    const auto *k = reinterpret_cast<const unsigned char *>(key.key.constData());
    for (int i = passes - 1; i >= 0; --i) {
        if (!Keystream::ctrPass(*aes, i > 0 ? k + 16 * i : zero, 0, 0, data, size_t(buffer.size())))
            return false;
    }
    return true;
}

bool stringCipherUsable(int cipher, const TAVKey &key)
{
    const int bits = TAVCipherProps::bitsOf(cipher);
    return bits != 0 && key.key.size() >= bits / 8;
}

// QDateTime::toTime_t without the deprecated call: invalid dates and those
// outside 1970 to 2106 give 0xFFFFFFFF.
quint32 toTimeT(const QDateTime &time)
{
    if (!time.isValid())
        return 0xFFFFFFFFu;
    const qint64 seconds = time.toMSecsSinceEpoch() / 1000;
    if (quint64(seconds) >= Q_UINT64_C(0xFFFFFFFF))
        return 0xFFFFFFFFu;
    return quint32(seconds);
}

QByteArray headerName(QString name)
{
    if (name.length() > TAVCrypto::kMaxWrittenName)
        name = QLatin1Char('.') + name.right(TAVCrypto::kMaxWrittenName - 1);
    return name.toLatin1();
}

QString nameFromHeader(const unsigned char *bytes, int length)
{
    const void *zero = std::memchr(bytes, 0, size_t(length));
    const int used = zero ? int(static_cast<const unsigned char *>(zero) - bytes) : length;
    return QString::fromLatin1(reinterpret_cast<const char *>(bytes), used);
}

// Deciphers the time and name fields of a read header in place and hands
// them out. The caller has checked the cipher and the name length.
bool decodeHeader(unsigned char *header, int cipher, const TAVKey &key, QDateTime *created,
                  QString *name)
{
    const int length = qFromLittleEndian<quint16>(header + 14);
    if (!applyBlock(key, cipher, header, 10, header + 10, 4)
        || !applyBlock(key, cipher, header, 16, header + 16, size_t(length)))
        return false;
    if (created)
        *created = QDateTime::fromSecsSinceEpoch(qFromLittleEndian<quint32>(header + 10));
    if (name)
        *name = nameFromHeader(header + 16, length);
    return true;
}

} // namespace

int TAVCrypto::generateIV(QByteArray &iv)
{
    unsigned char random[8];
    if (!RandomSource::bytes(random, int(sizeof random))) {
        LOG_ERROR << "Could not create random bytes.";
        return 1;
    }
    iv = QByteArray(16, '\0');
    std::memcpy(iv.data(), random, sizeof random);
    OPENSSL_cleanse(random, sizeof random);
    return 0;
}

int TAVCrypto::encryptBlock(unsigned char *data, int length, unsigned long long offset,
                            unsigned char *iv, TAVCipher cipher, const TAVKey &key)
{
    if (cipher == TAV_CIPHER_NONE)
        return 0;
    if (length < 0 || !blockCipherUsable(cipher, key)) {
        LOG_ERROR << "refusing to encipher: cipher" << int(cipher) << "key bytes" << key.key.size()
                  << "length" << length;
        return 1;
    }
    return applyBlock(key, cipher, iv, offset, data, size_t(length)) ? 0 : 1;
}

int TAVCrypto::decryptBlock(unsigned char *data, int length, unsigned long long offset,
                            unsigned char *iv, TAVCipher cipher, const TAVKey &key)
{
    return encryptBlock(data, length, offset, iv, cipher, key);
}

int TAV_ctr128_encrypt(unsigned char *data, unsigned long length, unsigned char *counter,
                       unsigned int *num, TAVCipher cipher, const TAVKey &key)
{
    if (cipher == TAV_CIPHER_NONE || !blockCipherUsable(cipher, key) || *num > 15) {
        LOG_ERROR << "refusing keystream: cipher" << int(cipher) << "key bytes" << key.key.size();
        return 1;
    }
    const quint64 q = qFromBigEndian<quint64>(counter + 8);
    const unsigned int first = *num;
    if (!applyBlockAt(key, cipher, counter, q, first, data, length))
        return 1;
    // Every block whose keystream was made stepped the counter, the block of
    // a non-zero starting position included.
    const quint64 steps = length > 0 ? (quint64(first) + length - 1) / 16 + 1 : (first != 0 ? 1 : 0);
    qToBigEndian(quint64(q + steps), counter + 8);
    *num = unsigned((quint64(first) + length) % 16);
    return 0;
}

int TAVCrypto::writeFileHeader(QFileDevice *file, unsigned char *iv, QDateTime created, QString name,
                               TAVCipher cipher, const TAVKey &key)
{
    if (!blockCipherUsable(cipher, key)) {
        LOG_ERROR << "invalid cipher during writeFileHeader" << int(cipher);
        return 2;
    }
    const QByteArray latin = headerName(name);
    unsigned char header[kHeaderSize] = {};
    std::memcpy(header, iv, 8);
    header[8] = 1;
    header[9] = static_cast<unsigned char>(cipher);
    qToLittleEndian(toTimeT(created), header + 10);
    qToLittleEndian(quint16(latin.size()), header + 14);
    std::memcpy(header + 16, latin.constData(), size_t(latin.size()));
    bool ok = applyBlock(key, cipher, iv, 10, header + 10, 4)
        && applyBlock(key, cipher, iv, 16, header + 16, size_t(latin.size()));
    // Writers start from an empty file. Written where it stands, the header
    // waits in the write buffer with the first part of the body: a small
    // file is then one write.
    ok = ok && (file->pos() == 0 || file->seek(0))
        && file->write(reinterpret_cast<const char *>(header), kHeaderSize) == kHeaderSize;
    OPENSSL_cleanse(header, sizeof header);
    if (!ok) {
        LOG_ERROR << "cannot write the file header" << file->errorString();
        return 1;
    }
    return 0;
}

int TAVCrypto::readFileHeader(QFileDevice *file, unsigned char *iv, QDateTime *created, QString *name,
                              TAVCipher cipher, const TAVKey &key)
{
    unsigned char header[kHeaderSize];
    if (file->size() < kHeaderSize || !file->seek(0)
        || file->read(reinterpret_cast<char *>(header), kHeaderSize) != kHeaderSize) {
        LOG_ERROR << "invalid file during readFileHeader";
        return 1;
    }
    std::memcpy(iv, header, 8);
    if (header[8] != 1) {
        LOG_ERROR << "unknown version field during readFileHeader" << int(header[8]);
        return 3;
    }
    if (header[9] != static_cast<unsigned char>(cipher)) {
        LOG_ERROR << "invalid cipher during readFileHeader" << int(header[9]);
        return 2;
    }
    if (!blockCipherUsable(cipher, key)) {
        LOG_ERROR << "invalid cipher during readFileHeader" << int(cipher);
        return 2;
    }
    const int length = qFromLittleEndian<quint16>(header + 14);
    if (length > kMaxHeaderName) {
        LOG_ERROR << "invalid name length during readFileHeader" << length;
        return 1;
    }
    const bool ok = decodeHeader(header, cipher, key, created, name) && file->seek(kHeaderSize);
    OPENSSL_cleanse(header, sizeof header);
    if (!ok) {
        LOG_ERROR << "invalid file during readFileHeader";
        return 1;
    }
    return 0;
}

int TAVCrypto::readFileHeader(QFileDevice *file, unsigned char *iv)
{
    std::memset(iv, 0, 16);
    if (file->size() < kHeaderSize || !file->seek(0)
        || file->read(reinterpret_cast<char *>(iv), 8) != 8 || !file->seek(kHeaderSize)) {
        std::memset(iv, 0, 16);
        LOG_ERROR << "invalid file during readFileHeader";
        return 1;
    }
    return 0;
}

int TAVCrypto::readFileHeader(QString path, QDateTime *created, QString *name, TAVCipher *cipher,
                              const TAVKey &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "error during readFileHeader" << file.errorString();
        return 3;
    }
    unsigned char header[kHeaderSize];
    if (file.size() < kHeaderSize
        || file.read(reinterpret_cast<char *>(header), kHeaderSize) != kHeaderSize) {
        LOG_ERROR << "invalid file during readFileHeader" << file.size();
        return 1;
    }
    if (header[8] != 1) {
        LOG_ERROR << "unknown version field during readFileHeader" << int(header[8]);
        return 2;
    }
    const TAVCipher stored = TAVCipher(header[9]);
    LOG_DEBUG << "cipher" << int(stored);
    if (cipher)
        *cipher = stored;
    if (!blockCipherUsable(stored, key)) {
        LOG_ERROR << "invalid cipher during readFileHeader" << int(stored);
        return 4;
    }
    const int length = qFromLittleEndian<quint16>(header + 14);
    if (length > kMaxHeaderName) {
        LOG_ERROR << "invalid name length during readFileHeader" << length;
        return 1;
    }
    const bool ok = decodeHeader(header, stored, key, created, name);
    OPENSSL_cleanse(header, sizeof header);
    return ok ? 0 : 4;
}

int TAVCrypto::updateFileHeader(QString path, QString name, TAVCipher cipher, const TAVKey &key)
{
    if (!blockCipherUsable(cipher, key)) {
        LOG_ERROR << "updateFileHeader refuses cipher" << int(cipher);
        return 3;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        LOG_ERROR << "updateFileHeader failed while opening" << file.errorString();
        return 2;
    }
    if (file.size() < kHeaderSize) {
        LOG_ERROR << "updateFileHeader failed because file too small";
        return 1;
    }
    unsigned char iv[16] = {};
    if (file.read(reinterpret_cast<char *>(iv), 8) != 8) {
        LOG_ERROR << "updateFileHeader failed while reading" << file.errorString();
        return 2;
    }
    // Length, name and the zeros after it, so no byte of the old name stays.
    const QByteArray latin = headerName(name);
    unsigned char tail[kHeaderSize - 14] = {};
    qToLittleEndian(quint16(latin.size()), tail);
    std::memcpy(tail + 2, latin.constData(), size_t(latin.size()));
    bool ok = applyBlock(key, cipher, iv, 16, tail + 2, size_t(latin.size()));
    ok = ok && file.seek(14)
        && file.write(reinterpret_cast<const char *>(tail), sizeof tail) == qint64(sizeof tail)
        && file.flush();
    OPENSSL_cleanse(tail, sizeof tail);
    if (!ok) {
        LOG_ERROR << "updateFileHeader failed while writing" << file.errorString();
        return 2;
    }
    file.close();
    return 0;
}

int TAVCrypto::encryptString(QString *out, QString text, TAVCipher cipher, const TAVKey &key)
{
    if (!stringCipherUsable(cipher, key)) {
        LOG_ERROR << "encryptString refuses cipher" << int(cipher);
        return 3;
    }
    QByteArray buffer = QByteArrayLiteral("TAV") + text.toUtf8();
    if (!applyStringPasses(key, cipher, buffer))
        return 3;
    *out = QString::fromLatin1(buffer.toBase64());
    return 0;
}

int TAVCrypto::decryptString(QString *out, QString text, TAVCipher cipher, const TAVKey &key)
{
    if (!stringCipherUsable(cipher, key)) {
        LOG_ERROR << "decryptString refuses cipher" << int(cipher);
        return 3;
    }
    QByteArray buffer = QByteArray::fromBase64(text.toLatin1());
    if (!applyStringPasses(key, cipher, buffer))
        return 3;
    if (buffer.size() < 3)
        return 1;
    if (!buffer.startsWith("TAV"))
        return 2;
    *out = QString::fromUtf8(buffer.mid(3));
    return 0;
}
