#ifndef VECTORFILE_H
#define VECTORFILE_H

#include <QByteArray>
#include <QHash>
#include <QString>

// A file of known-answer vectors, one "name hex" a line; blank lines and
// lines starting with '#' are passed over. A missing file reads as empty.
class VectorFile
{
public:
    explicit VectorFile(const QString &path);

    // The bytes of a vector; fails the running test (empty result) when missing.
    QByteArray get(const QString &name) const;

private:
    QHash<QString, QByteArray> m_vectors;
};

#endif // VECTORFILE_H
