#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// What the fuzz targets share: quiet output, the fixed key of the known-answer
// vectors, and scratch files written and read back. Header-only, so each
// target stays one source file.

#include "tavkey.h"
#include "tavlogging.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace FuzzSupport {

inline void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

// Qt's messages and all but fatal log lines would drown the fuzzer's own.
inline void silence()
{
    qInstallMessageHandler(dropMessage);
    TAVLogger::setLogLevel(TAVLogger::Fatal);
}

// 128 bytes: (7i + 3) mod 256.
inline TAVKey patternKey()
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char((7 * i + 3) & 0xff);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

// Replaces the file at path with the input; false when it can't be opened.
inline bool writeInput(const QString &path, const uint8_t *data, size_t size)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    out.write(reinterpret_cast<const char *>(data), qint64(size));
    return true;
}

// As writeInput, but a file that can't be written whole ends the run: the
// checks after it would judge the wrong bytes.
inline void writeInputOrAbort(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

} // namespace FuzzSupport

#endif // FUZZSUPPORT_H
