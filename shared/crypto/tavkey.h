#ifndef TAVKEY_H
#define TAVKEY_H

#include <QByteArray>
#include <QDataStream>
#include <QString>

#include <memory>

class Aes128;

// A 128-byte key: made at random for each vault, or derived from the user's
// password (the master key). Keys wrap other keys in place; that is how a
// vault's key is stored under the master key. A value type: a copy carries
// the prepared AES schedule of bytes 0 to 15, and the bytes are zeroed when
// the last copy goes.
class TAVKey
{
public:
    // A new random key: 128 bytes, each 0 to 254. Throws TAVException when
    // the system has no random bytes to give.
    TAVKey();
    // The key derived from a password: pbkdf2(password, 128).
    explicit TAVKey(const QString &password);
    TAVKey(const TAVKey &other);
    TAVKey &operator=(const TAVKey &other);
    ~TAVKey();

    // The system's own MD5-based derivation: `length` bytes from the Latin-1
    // form of the password. Stored vaults depend on every detail of it.
    static QByteArray pbkdf2(const QString &password, int length);

    // The first bits / 8 key bytes.
    QByteArray deriveKey(int bits) const;

    QString toHex() const;
    static TAVKey fromHex(const QString &hex);

    // The cached AES-128 schedule of key bytes 0 to 15, made on first use;
    // null when the key is shorter than 16 bytes or OpenSSL fails.
    Aes128 *schedule();

    // Wraps this key in place under wrapKey; decrypt is the same operation,
    // so wrapping twice restores the key. 0 done; 1 when either key is not
    // 128 bytes long or OpenSSL fails (the key is then unchanged).
    int encrypt(const TAVKey &wrapKey);
    int decrypt(const TAVKey &wrapKey);

    bool operator==(const TAVKey &other) const;
    bool operator!=(const TAVKey &other) const { return !(*this == other); }

    // MD5 of the key bytes in upper-case hexadecimal.
    QString hash() const;

    QByteArray key;        // the key bytes; 128 for every key the system makes
    bool aesReady = false; // true while schedule() holds the schedule of the current bytes

private:
    struct FromBytes {};
    TAVKey(const QByteArray &bytes, FromBytes);
    void wipe();

    std::unique_ptr<Aes128> m_aes;

    friend QDataStream &operator>>(QDataStream &stream, TAVKey &key);
};

// In a data stream a key is its bytes as a QByteArray: 00 00 00 80 and 128 bytes.
QDataStream &operator<<(QDataStream &stream, const TAVKey &key);
QDataStream &operator>>(QDataStream &stream, TAVKey &key);

#endif // TAVKEY_H
