#include "tavfile.h"

#include "filecipher.h"
#include "fileutils.h"
#include "randomsource.h"
#include "tavcrypto.h"
#include "tavcryptothread.h"
#include "tavexception.h"
#include "tavitemcontainer.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <openssl/crypto.h>

#include <cstring>

namespace {

TAVVault *vaultOf(const TAVItem *item)
{
    TAVItem *vault = nullptr;
    return item->getVault(&vault) == 0 ? static_cast<TAVVault *>(vault) : nullptr;
}

// Throws for a source that is not there. Its kind is asked first: the one
// look that tells it also tells whether it is there, its size and dates.
void checkSource(const QFileInfo &info)
{
    if (!info.isFile() && !info.exists())
        throw TAVException(QCoreApplication::translate("TAVFile", "File %1 does not exist").arg(info.filePath()));
}

[[noreturn]] void throwDecryptionFailed()
{
    throw TAVException(QCoreApplication::translate("TAVItem", "Decryption failed."));
}

// -1 for anything but a regular file (a pipe's reads may block).
qint64 regularFileSize(const QFileInfo &info)
{
    return info.isFile() ? info.size() : -1;
}

// Files up to this size are done on the calling thread: a thread started
// and waited for costs more than their work, and on a busy machine each
// hand-over between the threads waits for a processor.
constexpr qint64 kInlineBytes = 256 * 1024;

// Runs the worker and keeps the GUI thread's events flowing (progress, the
// cancel button) until it ends; the last queued signals are delivered too.
// `bytes` is the size of the file it reads.
void runWorker(TAVCryptoThread *worker, qint64 bytes)
{
    if (bytes >= 0 && bytes <= kInlineBytes) {
        // Its signals were delivered as they were sent; the caller lets
        // the window's events run between files.
        worker->runHere();
        return;
    }
    worker->start(QThread::InheritPriority);
    while (!worker->wait(10))
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void checkWorker(TAVCryptoThread *worker)
{
    if (!worker)
        throw TAVException(QStringLiteral("Invalid Crypto Worker."));
    // Its fields belong to the file it is working on until it ends.
    if (worker->isRunning())
        throw TAVException(QStringLiteral("The crypto worker is busy with another file."));
}

} // namespace

TAVFile::TAVFile(TAVItem *parent) : TAVItem(QStringLiteral("file"))
{
    if (!parent)
        throw TAVException(QStringLiteral("File without a container."));
    SetParent(parent);
}

TAVFile::TAVFile(TAVItem *parent, FromIndex) : TAVItem(FromIndex{})
{
    if (!parent)
        throw TAVException(QStringLiteral("File without a container."));
    SetParent(parent);
}

TAVFile::TAVFile(TAVItem *parent, const QFileInfo &source) : TAVItem(QStringLiteral("file"))
{
    if (!parent)
        throw TAVException(QStringLiteral("File without a container."));
    SetParent(parent);
    const QString name = FileUtils::getFileName(source.filePath());
    SetName(name);
    if (!TAVItemNameValidator::validate(name))
        throw TAVException(QStringLiteral("Invalid file name."));
    if (parent->GetClassID() != TAV_CLASS_FILE
        && static_cast<TAVItemContainer *>(parent)->exists(name))
        throw TAVException(QStringLiteral("dupplicate file name."));
    // Only this item's dates: it is not in the parent's list yet, and the
    // ancestors' dates are the caller's work once the content is in.
    storeDatesOf(source);
}

// The body file while the item is open, with what its cipher needs.
struct TAVFile::OpenBody : QFile
{
    explicit OpenBody(const QString &path) : QFile(path) {}
    ~OpenBody() override { OPENSSL_cleanse(nonce, sizeof nonce); }
    unsigned char nonce[16] = {};
    bool writing = false;
};

TAVFile::~TAVFile()
{
    if (body && body->isOpen())
        body->close();
}

int TAVFile::GetClassID() const
{
    return TAV_CLASS_FILE;
}

bool TAVFile::canAddVault() const
{
    return false;
}

bool TAVFile::canAddFolder() const
{
    return false;
}

bool TAVFile::canAddFile() const
{
    return false;
}

QString TAVFile::getFullPhysicalFileName() const
{
    TAVVault *vault = vaultOf(this);
    const QString folder = vault ? vault->getFullPhysicalVaultPath() : QString();
    // A vault whose folder is unknown (empty) or not found again (a relative
    // path, its drive unplugged) has no place for bodies: never resolve one
    // against the root or the working folder.
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        LOG_ERROR << "getFullPhysicalFileName failed";
        return QString();
    }
    const QString idName = FileUtils::UuidToFileName(GetId());
    return folder + QLatin1Char('/') + idName.left(2) + QLatin1Char('/') + idName;
}

void TAVFile::encrypt(const QString &source)
{
    const QFileInfo info(source);
    checkSource(info);
    TAVVault *vault = vaultOf(this);
    const QString bodyPath = getFullPhysicalFileName();
    if (!vault || bodyPath.isEmpty()) {
        LOG_ERROR << "getVault failed";
        return;
    }
    FileUtils::makeFolder(QFileInfo(bodyPath).path());
    // Throws when a file can't be opened; any other failure leaves the old
    // body in place and must not be taken for success.
    if (FileCipher::encryptFile(source, bodyPath, vault->getCipher(), vault->getKey()) != 0)
        throw TAVException(TAV_CANNOT_ENCRYPT);
    // The sizes of what the body holds: the source may have grown meanwhile.
    const quint64 stored = FileUtils::getFileSize(bodyPath);
    SetCurrentSize(stored);
    SetOriginalSize(stored - qMin<quint64>(stored, TAVCrypto::kHeaderSize));
    // As the source was before it was read.
    storeDatesOf(info);
    if (GetParent())
        GetParent()->SetModifiedDate(GetModifiedDate());
}

void TAVFile::adoptBody(const QUuid &bodyId, const QDateTime &createdDate, const QDateTime &modifiedDate)
{
    const QString oldBody = getFullPhysicalFileName();
    SetId(bodyId);
    const QString newBody = getFullPhysicalFileName();
    TAVVault *vault = vaultOf(this);
    if (vault && !oldBody.isEmpty() && oldBody != newBody && QFileInfo::exists(oldBody))
        vault->discardBodies({oldBody});
    const quint64 stored = newBody.isEmpty() ? 0 : FileUtils::getFileSize(newBody);
    SetCurrentSize(stored);
    SetOriginalSize(stored - qMin<quint64>(stored, TAVCrypto::kHeaderSize));
    StoreDates(createdDate, modifiedDate);
    if (GetParent())
        GetParent()->SetModifiedDate(modifiedDate);
}

void TAVFile::storeDatesOf(const QFileInfo &source)
{
    QDateTime created;
    QDateTime modified;
    FileUtils::dates(source, &created, &modified);
    StoreDates(created, modified);
}

void TAVFile::encrypt(const QString &source, TAVCryptoThread *worker)
{
    encrypt(QFileInfo(source), worker);
}

void TAVFile::encrypt(const QFileInfo &info, TAVCryptoThread *worker)
{
    checkSource(info);
    TAVVault *vault = vaultOf(this);
    const QString bodyPath = getFullPhysicalFileName();
    if (!vault || bodyPath.isEmpty()) {
        LOG_ERROR << "getVault failed";
        return;
    }
    checkWorker(worker);
    // The path inside the vault, from its first "/": /Letters/a.txt.
    const QString fullPath = GetFullPath();
    const int slash = fullPath.indexOf(QLatin1Char('/'));
    worker->setKey(vault->getKey(), vault->getCipher());
    worker->created = GetCreatedDate();
    worker->source = info.filePath();
    worker->destination = bodyPath;
    worker->name = slash < 0 ? fullPath : fullPath.mid(slash);
    worker->function = 0;
    const qint64 size = regularFileSize(info);
    worker->sourceSize = size;
    runWorker(worker, size);
    // Cancelled or failed: the worker wrote nothing over the old body (a new
    // item has none), so the item keeps its sizes and dates.
    if (worker->state != 0)
        return;
    // What the body holds: the source may have grown or shrunk meanwhile.
    const quint64 stored = worker->written;
    SetCurrentSize(stored);
    SetOriginalSize(stored - qMin<quint64>(stored, TAVCrypto::kHeaderSize));
    // As the source was before it was read.
    storeDatesOf(info);
}

void TAVFile::decrypt(const QString &destination)
{
    const QString bodyPath = getFullPhysicalFileName();
    if (bodyPath.isEmpty() || !QFileInfo::exists(bodyPath))
        throw TAVException(QStringLiteral("Encrypted file doesn't exist."));
    // The destination is replaced only once the plain file is complete, so a
    // body that can't be decrypted never costs an existing file. What can't
    // be replaced at all is told now.
    const QFileInfo target(destination);
    if (target.exists() && (target.isDir() || !QFileInfo(target.absolutePath()).isWritable()))
        throw TAVException(QStringLiteral("File [%1] is locked.\nPlease close the application which is "
                                          "locking that file and then try again.")
                               .arg(destination));
    TAVVault *vault = vaultOf(this);
    if (!vault) {
        LOG_ERROR << "getVault failed d";
        return;
    }
    if (FileCipher::decryptFile(bodyPath, destination, vault->getCipher(), vault->getKey()) != 0)
        throwDecryptionFailed();
    FileUtils::setModificationTime(destination, GetModifiedDate());
}

void TAVFile::decrypt(const QString &destination, TAVCryptoThread *worker)
{
    const QString bodyPath = getFullPhysicalFileName();
    if (bodyPath.isEmpty() || !QFileInfo::exists(bodyPath))
        throw TAVException(QStringLiteral("Encrypted file doesn't exist."));
    TAVVault *vault = vaultOf(this);
    if (!vault) {
        LOG_ERROR << "getVault failed";
        return;
    }
    checkWorker(worker);
    worker->setKey(vault->getKey(), vault->getCipher());
    worker->source = bodyPath;
    worker->destination = destination;
    worker->function = 1;
    runWorker(worker, regularFileSize(QFileInfo(bodyPath)));
    if (worker->state != 0)
        throwDecryptionFailed();
}

bool TAVFile::open(QIODevice::OpenMode mode)
{
    body.reset();
    TAVVault *vault = vaultOf(this);
    const QString bodyPath = getFullPhysicalFileName();
    if (!vault || bodyPath.isEmpty()) {
        LOG_ERROR << "getVault failed";
        return false;
    }
    body.reset(new OpenBody(bodyPath));
    unsigned char *nonce = body->nonce;
    const bool writing = mode & (QIODevice::WriteOnly | QIODevice::Append);
    body->writing = writing;
    // QFile truncates on WriteOnly alone; the header must survive.
    const QIODevice::OpenMode fileMode =
        writing ? QIODevice::OpenMode(QIODevice::ReadWrite) : QIODevice::OpenMode(QIODevice::ReadOnly);
    const auto openOrThrow = [&](QIODevice::OpenMode m) {
        if (!body->open(m)) {
            LOG_ERROR << "cannot open file" << bodyPath;
            throw TAVException(QStringLiteral("cannot open file ") + bodyPath);
        }
    };

    if (!QFileInfo::exists(bodyPath) || QFileInfo(bodyPath).size() == 0) {
        if (writing)
            FileUtils::makeFolder(QFileInfo(bodyPath).path());
        openOrThrow(fileMode);
        if (!RandomSource::bytes(nonce, 8)) {
            LOG_ERROR << "Could not create random bytes.";
            body->close();
            return false;
        }
        if (!writing
            || TAVCrypto::writeFileHeader(body.get(), nonce, QDateTime::currentDateTime(), bodyPath,
                                          vault->getCipher(), vault->getKey())
                   != 0) {
            LOG_ERROR << "error during writeFileHeader";
            body->close();
            return false;
        }
        SetCurrentSize(quint64(body->size()));
        SetOriginalSize(0);
        return true;
    }
    if (QFileInfo(bodyPath).size() < TAVCrypto::kHeaderSize) {
        LOG_ERROR << "Something wrong here, no valid header found";
        return false;
    }
    openOrThrow(fileMode);
    QDateTime created;
    QString name;
    if (TAVCrypto::readFileHeader(body.get(), nonce, &created, &name, vault->getCipher(), vault->getKey()) != 0) {
        LOG_ERROR << "Error during readFileHeader";
        body->close();
        return false;
    }
    return true;
}

qint64 TAVFile::read(char *data, unsigned length)
{
    TAVVault *vault = vaultOf(this);
    if (!vault || !body || !body->isOpen())
        return -1;
    const quint64 offset = quint64(body->pos());
    const qint64 count = body->read(data, qint64(length));
    if (count > 0
        && TAVCrypto::decryptBlock(reinterpret_cast<unsigned char *>(data), int(count), offset, body->nonce,
                                   vault->getCipher(), vault->getKey())
               != 0)
        return -1;
    return count;
}

qint64 TAVFile::write(const char *data, unsigned length)
{
    TAVVault *vault = vaultOf(this);
    if (!vault || !body || !body->isOpen() || !body->writing)
        return -1;
    QByteArray enciphered(data, int(length));
    const quint64 offset = quint64(body->pos());
    if (TAVCrypto::encryptBlock(reinterpret_cast<unsigned char *>(enciphered.data()), enciphered.size(),
                                offset, body->nonce, vault->getCipher(), vault->getKey())
        != 0)
        return -1;
    const qint64 count = body->write(enciphered);
    if (count < 0)
        return -1;
    const quint64 stored = quint64(body->size());
    SetCurrentSize(stored);
    SetOriginalSize(stored - qMin<quint64>(stored, TAVCrypto::kHeaderSize));
    return count;
}

bool TAVFile::seek(quint64 position)
{
    return body && body->isOpen() && body->seek(qint64(position + TAVCrypto::kHeaderSize));
}

quint64 TAVFile::pos() const
{
    const qint64 p = body ? body->pos() : 0;
    return p > TAVCrypto::kHeaderSize ? quint64(p - TAVCrypto::kHeaderSize) : 0;
}

int TAVFile::close()
{
    if (!body || !body->isOpen())
        return 0;
    const bool wasWriting = body->writing;
    body->writing = false;
    const bool flushed = !wasWriting || body->flush();
    body.reset();
    if (!wasWriting)
        return 0;
    SetModifiedDate(QDateTime::currentDateTime());
    TAVVault *vault = vaultOf(this);
    if (!flushed || !vault)
        return 1;
    return vault->save();
}
