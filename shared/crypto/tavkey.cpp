#include "tavkey.h"

#include "aes128.h"
#include "keystream.h"
#include "randomsource.h"
#include "tavexception.h"
#include "tavlogging.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QtEndian>

#include <openssl/crypto.h>

#include <cstring>

namespace {

constexpr int kKeyBytes = 128;

// The derivation's fixed salt: these 32 ASCII characters, not decoded.
const char kSalt[] = "3b9d0e72a5c14f86d2e7b01c9a4f6e38";

QByteArray md5(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5);
}

void cleanse(QByteArray &bytes)
{
    // Only a buffer nobody else shares is ours to clear.
    if (bytes.isDetached() && !bytes.isEmpty())
        OPENSSL_cleanse(bytes.data(), size_t(bytes.size()));
}

} // namespace

TAVKey::TAVKey() : key(kKeyBytes, '\0')
{
    // Bytes of 255 are drawn again rather than folded: keys stay 0 to 254
    // without favouring any value.
    unsigned char pool[64];
    int filled = 0;
    while (filled < kKeyBytes) {
        if (!RandomSource::bytes(pool, int(sizeof pool))) {
            OPENSSL_cleanse(pool, sizeof pool);
            wipe();
            LOG_ERROR << "Could not create random bytes.";
            throw TAVException(QCoreApplication::translate("MainWindowClass",
                                                           "Could not create random bytes."));
        }
        for (unsigned char byte : pool) {
            if (byte != 255 && filled < kKeyBytes)
                key[filled++] = char(byte);
        }
    }
    OPENSSL_cleanse(pool, sizeof pool);
}

TAVKey::TAVKey(const QString &password) : key(pbkdf2(password, kKeyBytes)) {}

TAVKey::TAVKey(const TAVKey &other)
    : key(other.key), aesReady(other.aesReady),
      m_aes(other.m_aes ? std::make_unique<Aes128>(*other.m_aes) : nullptr)
{
}

TAVKey &TAVKey::operator=(const TAVKey &other)
{
    if (this != &other) {
        wipe();
        key = other.key;
        aesReady = other.aesReady;
        m_aes = other.m_aes ? std::make_unique<Aes128>(*other.m_aes) : nullptr;
    }
    return *this;
}

TAVKey::~TAVKey()
{
    wipe();
}

void TAVKey::wipe()
{
    cleanse(key);
    m_aes.reset();
    aesReady = false;
}

QByteArray TAVKey::pbkdf2(const QString &password, int length)
{
    if (length <= 0)
        return QByteArray();
    // The salt's 32 characters and the block number i as 4 big-endian bytes.
    char work[36];
    std::memcpy(work, kSalt, 32);
    QByteArray secret = password.toLatin1();
    QByteArray out;
    quint32 block = 1;
    for (int remaining = length; remaining > 0; remaining -= 16, ++block) {
        work[32] = char(block >> 24);
        work[33] = char(block >> 16);
        work[34] = char(block >> 8);
        work[35] = char(block);
        QByteArray u = md5(secret);
        QByteArray t = md5(QByteArray::fromRawData(work, sizeof work));
        for (int round = 0; round < 999; ++round) {
            QByteArray next = md5(u);
            cleanse(u);
            u = next;
            for (int k = 0; k < 16; ++k)
                t[k] = char(t[k] ^ u[k]);
        }
        out += t;
        cleanse(u);
        cleanse(t);
    }
    OPENSSL_cleanse(work, sizeof work);
    cleanse(secret);
    if (out.size() > length) {
        OPENSSL_cleanse(out.data() + length, size_t(out.size() - length));
        out.truncate(length);
    }
    return out;
}

QByteArray TAVKey::deriveKey(int bits) const
{
    return key.left(bits / 8);
}

QString TAVKey::toHex() const
{
    return QString::fromLatin1(key.toHex());
}

TAVKey TAVKey::fromHex(const QString &hex)
{
    return TAVKey(QByteArray::fromHex(hex.toLatin1()), FromBytes());
}

TAVKey::TAVKey(const QByteArray &bytes, FromBytes) : key(bytes) {}

Aes128 *TAVKey::schedule()
{
    if (key.size() < 16)
        return nullptr;
    const auto *bytes = reinterpret_cast<const unsigned char *>(key.constData());
    // The bytes are a public field: a schedule made from older bytes is dropped.
    if (!aesReady || !m_aes || !m_aes->usesKey(bytes)) {
        m_aes = std::make_unique<Aes128>(bytes);
        aesReady = m_aes->isValid();
        if (!aesReady) {
            m_aes.reset();
            return nullptr;
        }
    }
    return m_aes.get();
}

int TAVKey::encrypt(const TAVKey &wrapKey)
{
    if (key.size() != kKeyBytes || wrapKey.key.size() != kKeyBytes) {
        LOG_ERROR << "key wrap needs two keys of 128 bytes, not" << key.size() << "and"
                  << wrapKey.key.size();
        return 1;
    }
    const auto *wrap = reinterpret_cast<const unsigned char *>(wrapKey.key.constData());
    Aes128 aes(wrap);
    unsigned char work[kKeyBytes];
    std::memcpy(work, key.constData(), sizeof work);
    // Passes under the counters wrap[16j..16j+7] || 0 for j = 7 down to 1,
    // then an all-zero counter; each is a plain XOR, so the order is free.
    static const unsigned char zero[8] = {};
    bool ok = aes.isValid();
    for (int j = 7; ok && j >= 0; --j)
        ok = Keystream::ctrPass(aes, j > 0 ? wrap + 16 * j : zero, 0, 0, work, sizeof work);
    if (ok) {
        wipe();
        key = QByteArray(reinterpret_cast<const char *>(work), kKeyBytes);
    } else {
        LOG_ERROR << "key wrap failed";
    }
    OPENSSL_cleanse(work, sizeof work);
    return ok ? 0 : 1;
}

int TAVKey::decrypt(const TAVKey &wrapKey)
{
    return encrypt(wrapKey);
}

bool TAVKey::operator==(const TAVKey &other) const
{
    return key.size() == other.key.size()
        && CRYPTO_memcmp(key.constData(), other.key.constData(), size_t(key.size())) == 0;
}

QString TAVKey::hash() const
{
    return QString::fromLatin1(md5(key).toHex().toUpper());
}

QDataStream &operator<<(QDataStream &stream, const TAVKey &key)
{
    return stream << key.key;
}

QDataStream &operator>>(QDataStream &stream, TAVKey &key)
{
    QByteArray bytes;
    stream >> bytes;
    key.wipe();
    key.key = bytes;
    return stream;
}
