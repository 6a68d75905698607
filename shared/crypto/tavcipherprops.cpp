#include "tavcipherprops.h"

#include "tavlogging.h"

TAVCipher TAVCiphers::platform_preferred_cipher()
{
    return TAV_AES256;
}

QDataStream &operator<<(QDataStream &stream, const TAVCipher &cipher)
{
    return stream << qint32(cipher);
}

QDataStream &operator>>(QDataStream &stream, TAVCipher &cipher)
{
    qint32 value = 0;
    stream >> value;
    cipher = TAVCipher(value);
    return stream;
}

int TAVCipherProps::bitsOf(int cipher)
{
    switch (cipher) {
    case TAV_AES128: return 128;
    case TAV_AES256: return 256;
    case TAV_AES512: return 512;
    case TAV_AES1024: return 1024;
    default: return 0;
    }
}

TAVCipherProps::TAVCipherProps(TAVCipher cipher) : bits(bitsOf(cipher))
{
    switch (cipher) {
    case TAV_AES128: name = QStringLiteral("AES128"); break;
    case TAV_AES256: name = QStringLiteral("AES256"); break;
    case TAV_AES512: name = QStringLiteral("AES512"); break;
    case TAV_AES1024: name = QStringLiteral("AES1024"); break;
    default: LOG_ERROR << "unknown cipher" << int(cipher); break;
    }
}
