#include "safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

SafeFile::Result SafeFile::writeWhole(const QString &target, const QByteArray &bytes, QString *error)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return OpenFailed;
    }
    // The reason is taken before cancelWriting() replaces it with its own.
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        setError(error, file.errorString());
        file.cancelWriting();
        return WriteFailed;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return CommitFailed;
    }
    syncFolder(QFileInfo(target).absolutePath());
    return Written;
}

bool SafeFile::commit(QSaveFile &file)
{
    if (!file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void SafeFile::syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
