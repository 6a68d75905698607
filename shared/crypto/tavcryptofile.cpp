#include "tavcryptofile.h"

#include "aes128.h"
#include "keystream.h"
#include "randomsource.h"
#include "safefile.h"
#include "tavlogging.h"

#include <QSaveFile>
#include <QtEndian>

#include <openssl/crypto.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

// Writes go to the file in pieces of this size: the enciphered copy of a
// large write never needs a buffer of the whole payload.
constexpr qint64 kWritePiece = 16384;
constexpr qint64 kReKeyChunk = 65536;

QByteArray leField(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

int xinit_ctr(unsigned char *counter, unsigned char *ecount, unsigned char *nonce,
              unsigned long long pos, unsigned char *derivedKey, unsigned int i)
{
    for (int k = 0; k < 8; ++k)
        counter[k] = i > 0 ? nonce[k] ^ derivedKey[16 * i + k] : nonce[k];
    qToBigEndian(quint64(pos / 16), counter + 8);
    std::memset(ecount, 0, 16);
    return 0;
}

TAVCryptoFile::TAVCryptoFile(const QString &path) : QFile(path) {}

TAVCryptoFile::~TAVCryptoFile()
{
    // QFile's destructor closes; the keystream must be off by then.
    encryption = false;
    close();
    if (!derivedKey.isEmpty() && derivedKey.isDetached())
        OPENSSL_cleanse(derivedKey.data(), size_t(derivedKey.size()));
    OPENSSL_cleanse(nonce, sizeof nonce);
}

int TAVCryptoFile::open(QIODevice::OpenMode mode, TAVCipher cipher, const TAVKey &key, unsigned int version)
{
    return open(mode, &cipher, key, &version);
}

bool TAVCryptoFile::prepareKeystream(TAVCipher cipher, const TAVKey &key)
{
    const int bits = TAVCipherProps::bitsOf(cipher);
    if (bits == 0 || key.key.size() < bits / 8) {
        LOG_ERROR << "data file: refusing cipher" << int(cipher) << "with a key of"
                  << key.key.size() << "bytes";
        return false;
    }
    rounds = bits / 128;
    derivedKey = key.deriveKey(bits);
    aes = std::make_unique<Aes128>(reinterpret_cast<const unsigned char *>(derivedKey.constData()));
    return aes->isValid();
}

bool TAVCryptoFile::applyKeystream(unsigned char *data, qint64 length, qint64 position)
{
    if (!aes || position < 0)
        return false;
    return Keystream::dataFile(*aes, rounds,
                               reinterpret_cast<const unsigned char *>(derivedKey.constData()),
                               nonce, quint64(position), data, size_t(length));
}

int TAVCryptoFile::open(QIODevice::OpenMode mode, TAVCipher *cipher, const TAVKey &key,
                        unsigned int *version)
{
    if (!(mode & (QIODevice::ReadOnly | QIODevice::WriteOnly)))
        return 5;
    encryption = false;

    if (mode & QIODevice::WriteOnly) {
        const TAVCipher writeCipher = cipher ? *cipher : TAVCiphers::platform_preferred_cipher();
        // Everything that can fail without touching the disk is done first,
        // so a refused open leaves an existing file as it was.
        if (!prepareKeystream(writeCipher, key))
            return 6;
        if (!RandomSource::bytes(nonce, int(sizeof nonce))) {
            LOG_ERROR << "Could not create random bytes.";
            return 2;
        }
        if (!QFile::open(mode | QIODevice::Unbuffered))
            return 1;
        const QByteArray plain = leField(kMagic) + leField(version ? *version : 1u)
            + leField(quint32(writeCipher))
            + QByteArray(reinterpret_cast<const char *>(nonce), sizeof nonce);
        bool ok = write(plain) == plain.size();
        encryption = true;
        ok = ok && write(leField(kMagic)) == 4;
        if (!ok) {
            // A short write sets no error of its own; close() clears any.
            const QString reason =
                error() != NoError ? errorString() : QString::fromLocal8Bit(std::strerror(errno));
            LOG_ERROR << "data file: cannot write the header of" << fileName() << reason;
            encryption = false;
            close();
            setErrorString(reason);
            return 1;
        }
        return 0;
    }

    if (!QFile::open(mode | QIODevice::Unbuffered))
        return 1;
    char field[4];
    if (read(field, 4) != 4)
        return 2;
    if (qFromLittleEndian<quint32>(field) != kMagic)
        return 3;
    char rest[16];
    if (read(rest, 16) != 16)
        return 2;
    const TAVCipher fileCipher = TAVCipher(qFromLittleEndian<quint32>(rest + 4));
    if (version)
        *version = qFromLittleEndian<quint32>(rest);
    if (cipher)
        *cipher = fileCipher;
    std::memcpy(nonce, rest + 8, sizeof nonce);
    if (!prepareKeystream(fileCipher, key))
        return 6;
    encryption = true;
    if (read(field, 4) != 4)
        return 2;
    if (qFromLittleEndian<quint32>(field) != kMagic)
        return 4;
    return 0;
}

int TAVCryptoFile::setEncryption(bool on)
{
    encryption = on;
    return 0;
}

qint64 TAVCryptoFile::readData(char *data, qint64 maxSize)
{
    if (!encryption)
        return QFile::readData(data, maxSize);
    const qint64 position = pos();
    const qint64 count = QFile::readData(data, maxSize);
    if (count <= 0)
        return count;
    if (!applyKeystream(reinterpret_cast<unsigned char *>(data), count, position)) {
        OPENSSL_cleanse(data, size_t(count));
        return -1;
    }
    return count;
}

qint64 TAVCryptoFile::writeData(const char *data, qint64 maxSize)
{
    if (!encryption)
        return QFile::writeData(data, maxSize);
    const qint64 position = pos();
    unsigned char piece[kWritePiece];
    qint64 done = 0;
    while (done < maxSize) {
        const qint64 n = qMin(kWritePiece, maxSize - done);
        std::memcpy(piece, data + done, size_t(n));
        if (!applyKeystream(piece, n, position + done)) {
            done = done > 0 ? done : -1;
            break;
        }
        const qint64 written = QFile::writeData(reinterpret_cast<const char *>(piece), n);
        if (written < 0) {
            done = done > 0 ? done : -1;
            break;
        }
        done += written;
        if (written < n)
            break;
    }
    OPENSSL_cleanse(piece, sizeof piece);
    return done;
}

int TAVCryptoFile::reKey(const QString &path, const TAVKey &oldKey, const TAVKey &newKey)
{
    TAVCryptoFile source(path);
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    const int opened = source.open(QIODevice::ReadOnly, &cipher, oldKey, &version);
    if (opened == 1)
        LOG_ERROR << "cannot open file" << path << source.errorString();
    if (opened == 6)
        return 7;
    if (opened != 0)
        return opened;
    const int bits = TAVCipherProps::bitsOf(cipher);
    if (newKey.key.size() < bits / 8)
        return 7;

    // The new file has the old header and nonce, enciphered under the new key.
    const QByteArray newDerived = newKey.deriveKey(bits);
    Aes128 aes(reinterpret_cast<const unsigned char *>(newDerived.constData()));
    const auto *derived = reinterpret_cast<const unsigned char *>(newDerived.constData());
    auto encipher = [&](QByteArray &bytes, qint64 position) {
        return Keystream::dataFile(aes, bits / 128, derived, source.nonce, quint64(position),
                                   reinterpret_cast<unsigned char *>(bytes.data()),
                                   size_t(bytes.size()));
    };

    QSaveFile target(path);
    QString reason;
    if (!SafeFile::open(target, &reason)) {
        LOG_ERROR << "cannot open file" << path << reason;
        return 5;
    }
    QByteArray header = leField(kMagic) + leField(version) + leField(quint32(cipher))
        + QByteArray(reinterpret_cast<const char *>(source.nonce), sizeof source.nonce);
    QByteArray magic = leField(kMagic);
    bool ok = aes.isValid() && encipher(magic, 20) && target.write(header) == header.size()
        && target.write(magic) == magic.size();
    qint64 position = kHeaderSize;
    bool readFailed = false;
    while (ok) {
        QByteArray chunk = source.read(kReKeyChunk);
        if (chunk.isEmpty()) {
            readFailed = !source.atEnd();
            ok = !readFailed;
            if (readFailed)
                LOG_ERROR << "cannot read file" << path << source.errorString();
            break;
        }
        ok = encipher(chunk, position) && target.write(chunk) == chunk.size();
        position += chunk.size();
        OPENSSL_cleanse(chunk.data(), size_t(chunk.size()));
    }
    // commit() alone would rename a file whose last flush fell short into place.
    ok = ok && target.flush() && ::fsync(target.handle()) == 0;
    if (!ok) {
        LOG_ERROR << "cannot write file" << path << target.errorString();
        target.cancelWriting();
        return readFailed ? 1 : 6;
    }
    if (!target.commit()) {
        LOG_ERROR << "cannot write file" << path << target.errorString();
        return 6;
    }
    return 0;
}
