#ifndef VAULTVECTORS_H
#define VAULTVECTORS_H

#include <QByteArray>
#include <QString>

class TAVKey;

// Known-answer bytes of the vault files ("version.dat", an index, the vault
// list), built from the record tables alone by
// tests/data/vault/make_vault_vectors.py and read from vectors.txt there.
class VaultVectors
{
public:
    // The bytes of a vector; fails the running test (empty result) when missing.
    static QByteArray get(const QString &name);

    static TAVKey vaultKey();  // 128 bytes: (7i + 3) mod 256
    static TAVKey masterKey(); // 128 bytes: (251 - 13i) mod 256
    static QByteArray nonce(); // the data-file nonce of the enciphered vectors
};

#endif // VAULTVECTORS_H
