#include "vectorfile.h"

#include <QFile>
#include <QTest>

VectorFile::VectorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int space = line.indexOf(' ');
        if (space > 0)
            m_vectors.insert(QString::fromLatin1(line.left(space)), QByteArray::fromHex(line.mid(space + 1)));
    }
}

QByteArray VectorFile::get(const QString &name) const
{
    const auto found = m_vectors.constFind(name);
    if (found == m_vectors.constEnd()) {
        QTest::qFail(qPrintable(QStringLiteral("no known-answer vector ") + name), __FILE__, __LINE__);
        return QByteArray();
    }
    return found.value();
}
