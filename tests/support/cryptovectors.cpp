#include "cryptovectors.h"

#include "tavkey.h"

#include <QFile>
#include <QHash>
#include <QtEndian>
#include <QTest>

namespace {

QHash<QString, QByteArray> load()
{
    QHash<QString, QByteArray> vectors;
    QFile file(QStringLiteral(KV_TEST_DATA "/crypto/vectors.txt"));
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

} // namespace

QByteArray CryptoVectors::get(const QString &name)
{
    static const QHash<QString, QByteArray> vectors = load();
    const auto found = vectors.constFind(name);
    if (found == vectors.constEnd()) {
        QTest::qFail(qPrintable(QStringLiteral("no known-answer vector ") + name), __FILE__, __LINE__);
        return QByteArray();
    }
    return found.value();
}

TAVKey CryptoVectors::key()
{
    return TAVKey::fromHex(QString::fromLatin1(get(QStringLiteral("input_key")).toHex()));
}

TAVKey CryptoVectors::wrapKey()
{
    return TAVKey::fromHex(QString::fromLatin1(get(QStringLiteral("input_wrapkey")).toHex()));
}

QByteArray CryptoVectors::iv()
{
    return get(QStringLiteral("input_iv")) + QByteArray(8, '\0');
}

QByteArray CryptoVectors::nonce()
{
    return get(QStringLiteral("input_nonce"));
}

QString CryptoVectors::name()
{
    return QString::fromLatin1(get(QStringLiteral("input_name")));
}

QDateTime CryptoVectors::created()
{
    return QDateTime::fromSecsSinceEpoch(qFromBigEndian<quint32>(get(QStringLiteral("input_created")).constData()));
}

QByteArray CryptoVectors::pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((31 * i + (i >> 8)) & 0xFF);
    return bytes;
}
