#include "vaultvectors.h"

#include "tavkey.h"

#include <QFile>
#include <QHash>
#include <QTest>

namespace {

QHash<QString, QByteArray> load()
{
    QHash<QString, QByteArray> vectors;
    QFile file(QStringLiteral(KV_TEST_DATA "/vault/vectors.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return vectors;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int space = line.indexOf(' ');
        if (space > 0)
            vectors.insert(QString::fromLatin1(line.left(space)), QByteArray::fromHex(line.mid(space + 1)));
    }
    return vectors;
}

TAVKey keyFrom(const QByteArray &bytes)
{
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

} // namespace

QByteArray VaultVectors::get(const QString &name)
{
    static const QHash<QString, QByteArray> vectors = load();
    const auto found = vectors.constFind(name);
    if (found == vectors.constEnd()) {
        QTest::qFail(qPrintable(QStringLiteral("no known-answer vector ") + name), __FILE__, __LINE__);
        return QByteArray();
    }
    return found.value();
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
