#ifndef CRYPTOVECTORS_H
#define CRYPTOVECTORS_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TAVKey;

// Known-answer vectors of the keys, keystreams and stored formats, computed
// outside this code base (tests/data/crypto/make_vectors.py with hashlib and
// openssl) and read from tests/data/crypto/vectors.txt.
class CryptoVectors
{
public:
    // The bytes of a vector; fails the running test (empty result) when missing.
    static QByteArray get(const QString &name);

    // The fixed inputs the vectors were computed from.
    static TAVKey key();      // 128 bytes: (7i + 3) mod 256
    static TAVKey wrapKey();  // 128 bytes: (251 - 13i) mod 256
    static QByteArray iv();    // 16 bytes: 8 fixed, 8 zero
    static QByteArray nonce(); // 8 bytes
    static QString name();       // the header name of the user-file vectors
    static QDateTime created();  // their creation time, 2021-03-04 05:06:07 UTC

    // The plain bodies of the whole-file vectors: byte i is (31i + i/256) mod 256.
    static QByteArray pattern(int size);
};

#endif // CRYPTOVECTORS_H
