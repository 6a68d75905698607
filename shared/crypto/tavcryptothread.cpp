#include "tavcryptothread.h"

#include "bodycipher.h"
#include "clock.h"
#include "randomsource.h"
#include "replacingfile.h"
#include "tavcrypto.h"
#include "tavlogging.h"

#include <QFile>

#include <cerrno>
#include <cstring>

class TAVCryptoThread::Progress
{
public:
    Progress(TAVCryptoThread *thread, quint64 total)
        : m_thread(thread), m_total(total), m_started(Clock::getInstance()->steadyMs())
    {
        emit m_thread->progress(0);
    }

    void update(quint64 offset)
    {
        // An empty total (nothing to read) counts as done. A source that grew
        // while it was read stops at 100.
        const quint64 percent = m_total == 0 ? 100 : qMin<quint64>(offset * 100 / m_total, 100);
        const qint64 now = Clock::getInstance()->steadyMs();
        if (int(percent) != m_last && (now - m_started > 100 || percent == 100)) {
            m_last = int(percent);
            m_started = now;
            emit m_thread->progress(m_last);
        }
    }

private:
    TAVCryptoThread *m_thread;
    quint64 m_total;
    qint64 m_started;
    int m_last = 0;
};

namespace {

bool usable(TAVCipher cipher, const TAVKey &key)
{
    const int bits = TAVCipherProps::bitsOf(cipher);
    return bits != 0 && key.key.size() >= bits / 8;
}

} // namespace

TAVCryptoThread::TAVCryptoThread() : key(TAVKey::fromHex(QString())) {}

TAVCryptoThread::~TAVCryptoThread()
{
    stop = true;
    wait();
}

void TAVCryptoThread::setKey(const TAVKey &newKey, TAVCipher newCipher)
{
    key = newKey;
    cipher = newCipher;
}

void TAVCryptoThread::run()
{
    state = 0;
    stop = false;
    error.clear();
    told = false;
    written = 0;
    int result = 0;
    if (function == 1) {
        result = decrypt(source, destination);
    } else if (function == 0) {
        result = encrypt(source, destination);
    } else {
        LOG_ERROR << "unknown crypto function:" << function;
    }
    if (result > 0)
        state = stop ? 1 : 2;
    sourceSize = -1;
    newBody = false;
}

int TAVCryptoThread::encrypt(const QString &sourcePath, const QString &destinationPath)
{
    LOG_DEBUG << "threaded encrypting" << sourcePath << destinationPath;
    if (!usable(cipher, key)) {
        LOG_ERROR << "refusing to encrypt: cipher" << int(cipher) << "with a key of"
                  << key.key.size() << "bytes";
        return 4;
    }
    QFile in(sourcePath);
    ReplacingFile out(destinationPath);
    if (const int opened = openFiles(in, out, newBody ? ReplacingFile::NewVaultBody : ReplacingFile::VaultBody))
        return opened;
    unsigned char iv[16] = {};
    if (!RandomSource::bytes(iv, 8)) {
        LOG_ERROR << "Could not create random bytes.";
        out.cancelWriting();
        return 3;
    }
    if (TAVCrypto::writeFileHeader(&out, iv, created, name, cipher, key) != 0) {
        LOG_ERROR << "error during writeFileHeader";
        out.cancelWriting();
        return 4;
    }

    const qint64 size = sourceSize >= 0 ? sourceSize : in.size();
    return cipherBody(in, out, quint64(size) + TAVCrypto::kHeaderSize, iv, 5);
}

int TAVCryptoThread::decrypt(const QString &sourcePath, const QString &destinationPath)
{
    LOG_DEBUG << "threaded decrypting" << sourcePath << destinationPath;
    QFile in(sourcePath);
    ReplacingFile out(destinationPath);
    if (const int opened = openFiles(in, out, ReplacingFile::PlainFile))
        return opened;
    // The header is checked (size, version, cipher), so a damaged or foreign
    // file is refused instead of being turned into garbage.
    unsigned char iv[16] = {};
    QDateTime headerCreated;
    QString headerName;
    if (TAVCrypto::readFileHeader(&in, iv, &headerCreated, &headerName, cipher, key) != 0) {
        LOG_ERROR << "Error during readFileHeader";
        out.cancelWriting();
        return 3;
    }

    return cipherBody(in, out, quint64(in.size()), iv, 3);
}

int TAVCryptoThread::openFiles(QFile &in, ReplacingFile &out, ReplacingFile::Target target)
{
    if (!in.open(QIODevice::ReadOnly)) {
        told = true;
        emit TAVFileAccessDeny(tr("Cannot open file for read %1\nError: %2").arg(in.fileName(), in.errorString()));
        return 1;
    }
    QString reason;
    if (!out.openBeside(target, &reason)) {
        error = reason;
        told = true;
        emit TAVCryptToError(tr("Cannot open file for write %1\nError: %2")
                                 .arg(shownTarget.isEmpty() ? out.targetName() : shownTarget, reason));
        return 2;
    }
    return 0;
}

int TAVCryptoThread::cipherBody(QFile &in, ReplacingFile &out, quint64 total, const unsigned char *iv,
                                int cancelledCode)
{
    Progress progressOf(this, total);
    errno = 0;
    quint64 end = 0;
    const BodyCipher::Outcome outcome =
        BodyCipher::run(&in, &out, TAVCrypto::kHeaderSize, iv, cipher, key, [&](quint64 offset) {
            progressOf.update(offset);
            return !stop;
        }, &end);
    // The system's reason, taken before anything else can change it; Qt's
    // own text of a failed buffered write is only "Unknown error".
    const int reason = errno;
    const auto describe = [reason](const QFileDevice &file) {
        return reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : file.errorString();
    };
    switch (outcome) {
    case BodyCipher::Done:
        errno = 0;
        if (out.commit(syncEachBody)) {
            written = end;
            return 0;
        }
        error = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : out.errorString();
        LOG_ERROR << "error writing file" << error;
        return 4;
    case BodyCipher::Cancelled:
        state = 1;
        out.cancelWriting();
        return cancelledCode;
    case BodyCipher::ReadFailed:
        error = describe(in);
        LOG_ERROR << "error reading file" << error;
        break;
    case BodyCipher::WriteFailed:
        error = describe(out);
        LOG_ERROR << "error writing file" << error;
        break;
    }
    out.cancelWriting();
    return 4;
}
