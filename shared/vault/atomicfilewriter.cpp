#include "atomicfilewriter.h"

#include "safefile.h"
#include "tavcryptofile.h"
#include "tavkey.h"
#include "tavlogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

int AtomicFileWriter::writeDataFile(const QString &target, TAVCipher cipher, const TAVKey &key,
                                    unsigned int version, const QByteArray &payload,
                                    QString *error)
{
    unsigned int mode = 0;
    if (!SafeFile::replacementMode(target, &mode, error)) {
        LOG_ERROR << "not replacing" << target << (error ? *error : QString());
        return OpenFailed;
    }
    const QString folder = QFileInfo(target).absolutePath();
    const QString temporary =
        folder + QLatin1Char('/') + QUuid::createUuid().toString() + QStringLiteral(".tmp");

    // Made here, owner-only and never through a link, then given the mode
    // the replaced file had, before any content is in it.
    const int fd = ::open(QFile::encodeName(temporary).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        setError(error, reason);
        LOG_ERROR << "cannot create" << temporary << reason;
        return OpenFailed;
    }
    SafeFile::applyMode(fd, mode);
    ::close(fd);

    TAVCryptoFile file(temporary);
    const int opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate, cipher, key, version);
    if (opened != 0) {
        setError(error, file.errorString());
        LOG_ERROR << "cannot create" << temporary << "open returned" << opened << file.errorString();
        QFile::remove(temporary);
        return OpenFailed;
    }

    bool ok = file.write(payload) == payload.size();
    ok = ok && file.flush() && ::fsync(file.handle()) == 0;
    if (ok) {
        file.close();
        ok = file.error() == QFileDevice::NoError;
    }
    if (!ok) {
        const QString reason = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QString::fromLocal8Bit(std::strerror(errno));
        setError(error, reason);
        LOG_ERROR << "cannot write" << temporary << reason;
        file.close();
        QFile::remove(temporary);
        return WriteFailed;
    }

    // rename(2) replaces the target in one step: there is never a moment
    // without a complete file under the target's name.
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        setError(error, reason);
        LOG_ERROR << "rename" << temporary << "to" << target << "failed:" << reason;
        QFile::remove(temporary);
        return RenameFailed;
    }
    // After a rename the folder's entry must reach the disk too, or a power
    // cut could bring back the old name.
    SafeFile::syncFolder(folder);
    return Written;
}

int AtomicFileWriter::removeLeftovers(const QString &folder, const QStringList &plainFiles)
{
    // The names writeDataFile gives its temporary files (QUuid::toString()).
    QString pattern = QStringLiteral(
        "\\{[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}\\}\\.tmp");
    if (!plainFiles.isEmpty()) {
        QStringList names;
        for (const QString &name : plainFiles)
            names.append(QRegularExpression::escape(name));
        pattern += QLatin1Char('|') + SafeFile::temporaryNames(names.join(QLatin1Char('|')));
    }
    return SafeFile::removeLeftovers(folder, QRegularExpression(pattern));
}

bool AtomicFileWriter::writePlainFile(const QString &target, const QByteArray &bytes, QString *error)
{
    return SafeFile::writeWhole(target, bytes, error) == SafeFile::Written;
}
