#ifndef TAVCIPHERPROPS_H
#define TAVCIPHERPROPS_H

#include <QDataStream>
#include <QString>

// The cipher number stored with every vault and file. All ciphers are AES
// with a 128-bit key; the wider names bring further key bytes into the
// keystream. 0 is no cipher; no other value is defined.
enum TAVCipher : qint32 {
    TAV_CIPHER_NONE = 0,
    TAV_AES128 = 1,
    TAV_AES256 = 2,
    TAV_AES512 = 3,
    TAV_AES1024 = 4,
};

namespace TAVCiphers {
// The cipher of new vaults.
TAVCipher platform_preferred_cipher();
} // namespace TAVCiphers

// A cipher is a signed 32-bit integer in a data stream.
QDataStream &operator<<(QDataStream &stream, const TAVCipher &cipher);
QDataStream &operator>>(QDataStream &stream, TAVCipher &cipher);

// Name and bit length of a cipher. A value outside 1 to 4 is logged, has an
// empty name and 0 bits, and is never used to derive a keystream.
class TAVCipherProps
{
public:
    explicit TAVCipherProps(TAVCipher cipher);

    int lengthInBits() const { return bits; }
    int lengthInBytes() const { return bits >> 3; }
    QString toString() const { return name; }
    bool isValid() const { return bits != 0; }

    // Bit length of a cipher of the table, 0 for any other value; logs nothing.
    static int bitsOf(int cipher);

    QString name;
    int bits = 0;
};

#endif // TAVCIPHERPROPS_H
