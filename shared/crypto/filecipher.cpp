#include "filecipher.h"

#include "bodycipher.h"
#include "fileutils.h"
#include "randomsource.h"
#include "replacingfile.h"
#include "safefile.h"
#include "tavcrypto.h"
#include "tavexception.h"
#include "tavlogging.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void openSourceOrThrow(QFile &source)
{
    if (!source.open(QIODevice::ReadOnly)) {
        LOG_ERROR << "cannot open file for read" << source.fileName();
        throw TAVException(QStringLiteral("cannot open file for read ") + source.fileName());
    }
}

[[noreturn]] void throwCannotWrite(const QSaveFile &destination, const QString &reason)
{
    LOG_ERROR << "cannot open file for write" << destination.fileName() << reason;
    throw TAVException(QStringLiteral("cannot open file for write ") + destination.fileName());
}

// A failed run's log line: the side that failed and why. After a whole run
// it was the closing flush, sync or rename; errno tells when the file holds
// no error of its own.
void logFailedRun(BodyCipher::Outcome outcome, const QFileDevice &in, const QFileDevice &out)
{
    const int closing = errno;
    const bool reading = outcome == BodyCipher::ReadFailed;
    const QString reason = reading ? in.errorString()
        : outcome == BodyCipher::Done && out.error() == QFileDevice::NoError
        ? QString::fromLocal8Bit(std::strerror(closing))
        : out.errorString();
    LOG_ERROR << (reading ? "error reading file" : "error writing file") << reason;
}

// The body after the header, then the file committed: 0 done, 4 reading or
// writing failed (the destination is then dropped).
int cipherBody(QFile &in, QSaveFile &out, const unsigned char *iv, TAVCipher cipher,
               const TAVKey &key)
{
    const BodyCipher::Outcome outcome =
        BodyCipher::run(&in, &out, TAVCrypto::kHeaderSize, iv, cipher, key, {});
    if (outcome != BodyCipher::Done || !SafeFile::commit(out)) {
        logFailedRun(outcome, in, out);
        out.cancelWriting();
        return 4;
    }
    return 0;
}

// The body after the header into `out`, a temporary file beside the
// destination, then renamed over it: 0 done; 4 reading, writing or the
// rename failed; 5 `mayReplace` said no (the temporary file then goes with
// `out`). The output is synced before the rename and the folder after it.
int cipherIntoPlace(QFile &in, QTemporaryFile &out, const QString &destination, const unsigned char *iv,
                    TAVCipher cipher, const TAVKey &key, const FileCipher::ReplaceCheck &mayReplace)
{
    const BodyCipher::Outcome outcome = BodyCipher::run(&in, &out, TAVCrypto::kHeaderSize, iv, cipher, key, {});
    if (outcome != BodyCipher::Done || !out.flush() || ::fsync(out.handle()) != 0) {
        logFailedRun(outcome, in, out);
        return 4;
    }
    if (mayReplace && !mayReplace()) {
        LOG_DEBUG << "kept" << destination;
        return 5;
    }
    out.close();
    if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(destination).constData()) != 0) {
        LOG_ERROR << "error writing file" << destination << "rename failed";
        return 4;
    }
    out.setAutoRemove(false);
    SafeFile::syncFolder(QFileInfo(destination).absolutePath());
    return 0;
}

// A body written for a batch: beside the destination under a temporary
// name, renamed over it when complete, never synced here (QSaveFile would
// sync each one). Same rules as SafeFile: no link as the destination, the
// replaced file's mode or 0600.
int encryptUnsynced(QFile &in, const QString &source, const QString &destination, TAVCipher cipher,
                    const TAVKey &key, const QDateTime &created)
{
    ReplacingFile out(destination);
    QString reason;
    if (!out.openBeside(ReplacingFile::VaultBody, &reason)) {
        LOG_ERROR << "cannot open file for write" << destination << reason;
        throw TAVException(QStringLiteral("cannot open file for write ") + destination);
    }
    unsigned char iv[16] = {};
    if (!RandomSource::bytes(iv, 8)) {
        LOG_ERROR << "Could not create random bytes.";
        return 2;
    }
    if (TAVCrypto::writeFileHeader(&out, iv, created, FileUtils::getFileName(source), cipher, key) != 0) {
        LOG_ERROR << "error during writeFileHeader";
        return 3;
    }
    const BodyCipher::Outcome outcome = BodyCipher::run(&in, &out, TAVCrypto::kHeaderSize, iv, cipher, key, {});
    if (outcome != BodyCipher::Done || !out.commit(false)) {
        logFailedRun(outcome, in, out);
        return 4;
    }
    return 0;
}

} // namespace

int FileCipher::encryptFile(const QString &source, const QString &destination, TAVCipher cipher,
                            const TAVKey &key, Sync sync, const QDateTime &created)
{
    LOG_DEBUG << "encrypting" << source << destination;
    QFile in(source);
    openSourceOrThrow(in);
    const QDateTime headerDate = created.isValid() ? created : FileUtils::created(source);
    if (sync == SyncLater)
        return encryptUnsynced(in, source, destination, cipher, key, headerDate);
    QSaveFile out(destination);
    // A body goes into a vault folder: never through a link placed there.
    QString reason;
    if (!SafeFile::open(out, &reason))
        throwCannotWrite(out, reason);

    unsigned char iv[16] = {};
    if (!RandomSource::bytes(iv, 8)) {
        LOG_ERROR << "Could not create random bytes.";
        out.cancelWriting();
        return 2;
    }
    if (TAVCrypto::writeFileHeader(&out, iv, headerDate, FileUtils::getFileName(source), cipher, key) != 0) {
        LOG_ERROR << "error during writeFileHeader";
        out.cancelWriting();
        return 3;
    }
    return cipherBody(in, out, iv, cipher, key);
}

int FileCipher::decryptFile(const QString &source, const QString &destination, TAVCipher cipher,
                            const TAVKey &key, const ReplaceCheck &mayReplace)
{
    LOG_DEBUG << "decrypting" << source << destination;
    QFile in(source);
    openSourceOrThrow(in);
    // Not QSaveFile: it writes through a link to wherever the link points.
    const QFileInfo target(destination);
    QTemporaryFile out(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    // A replaced file keeps its mode; a new one (or one replacing a link)
    // gets the mode of any new file.
    struct stat st;
    const unsigned int mode = ::lstat(QFile::encodeName(destination).constData(), &st) == 0 && S_ISREG(st.st_mode)
        ? unsigned(st.st_mode & 07777)
        : 0666u & ~SafeFile::processUmask();
    if (!out.open()) {
        LOG_ERROR << "cannot open file for write" << destination << out.errorString();
        throw TAVException(QStringLiteral("cannot open file for write ") + destination);
    }
    SafeFile::applyMode(out.handle(), mode);

    unsigned char iv[16] = {};
    QDateTime created;
    QString name;
    if (TAVCrypto::readFileHeader(&in, iv, &created, &name, cipher, key) != 0) {
        LOG_ERROR << "Error during readFileHeader";
        return 2;
    }
    LOG_DEBUG << "read header name" << name << created.toString();
    return cipherIntoPlace(in, out, destination, iv, cipher, key, mayReplace);
}
