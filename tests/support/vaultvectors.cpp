#include "vaultvectors.h"

#include "tavkey.h"
#include "vectorfile.h"

namespace {

TAVKey keyFrom(const QByteArray &bytes)
{
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

} // namespace

QByteArray VaultVectors::get(const QString &name)
{
    static const VectorFile vectors(QStringLiteral(KV_TEST_DATA "/vault/vectors.txt"));
    return vectors.get(name);
}

TAVKey VaultVectors::vaultKey()
{
    return keyFrom(get(QStringLiteral("input_vault_key")));
}

TAVKey VaultVectors::masterKey()
{
    return keyFrom(get(QStringLiteral("input_master_key")));
}

QByteArray VaultVectors::nonce()
{
    return get(QStringLiteral("input_nonce"));
}
