#include "atomicfilewriter.h"

#include "tavcryptofile.h"
#include "tavkey.h"
#include "tavlogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

// After a rename the folder's entry must reach the disk too, or a power cut
// could bring back the old name.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

int AtomicFileWriter::writeDataFile(const QString &target, TAVCipher cipher, const TAVKey &key,
                                    unsigned int version, const QByteArray &payload,
                                    QString *error)
{
    const QString folder = QFileInfo(target).absolutePath();
    const QString temporary =
        folder + QLatin1Char('/') + QUuid::createUuid().toString() + QStringLiteral(".tmp");

    TAVCryptoFile file(temporary);
    const int opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate, cipher, key, version);
    if (opened != 0) {
        setError(error, file.errorString());
        LOG_ERROR << "cannot create" << temporary << "open returned" << opened << file.errorString();
        // A header that could not be written leaves a stub behind.
        if (opened == 1)
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
    syncFolder(folder);
    return Written;
}

bool AtomicFileWriter::writePlainFile(const QString &target, const QByteArray &bytes, QString *error)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    // commit() alone would rename a file whose last flush fell short into place.
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}
