#include "foldercompressor.h"

#include "safefile.h"
#include "tavlogging.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QVector>

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int kStreamVersion = 15;
const quint32 kNullLength = 0xFFFFFFFFu;
// No file system takes a path of more than 4,096 bytes; a longer path field
// is damage, and is refused before it is read.
const quint32 kMaxPathBytes = 65536;
// What qCompress and a byte array can hold of one file, and of its
// compressed form.
const qint64 kMaxFileBytes = 2000000000;
const qint64 kMaxBodyBytes = qint64(std::numeric_limits<int>::max()) - 1024;
// Deflate never expands its input more than about 1,032 times; a body that
// claims more is damaged, and is refused before anything is allocated.
const quint64 kMaxDeflateRatio = 1032;

// One component of a stored path: a name the reader recreates as it is,
// below the target folder and nowhere else.
bool isSafeName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || !name.isValidUtf16())
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c.category() == QChar::Other_Control)
            return false;
    }
    // The bytes the file system sees, in case the encoding maps a character
    // to something the checks above let through.
    const QByteArray native = QFile::encodeName(name);
    return !native.isEmpty() && native != "." && native != ".." && !native.contains('/')
           && !native.contains('\0');
}

// A stored path is "/" followed by one or more safe names joined by "/".
bool splitRecordPath(const QString &path, QStringList *components)
{
    if (!path.startsWith(QLatin1Char('/')))
        return false;
    *components = path.mid(1).split(QLatin1Char('/'), Qt::KeepEmptyParts);
    for (const QString &name : qAsConst(*components)) {
        if (!isSafeName(name))
            return false;
    }
    return true;
}

// The content of a plain file, never through a link: a link put in place
// after the folder was listed makes the open fail rather than be followed.
bool readPlainFile(const QString &path, QByteArray *content)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileBytes) {
        ::close(fd);
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    *content = file.readAll();
    return file.error() == QFileDevice::NoError && content->size() <= kMaxFileBytes;
}

qint64 bytesLeft(const QDataStream &stream)
{
    return stream.device()->size() - stream.device()->pos();
}

bool readLength(QDataStream &stream, quint32 *length)
{
    stream >> *length;
    return stream.status() == QDataStream::Ok;
}

// A length-prefixed field whose length is checked against what the file
// still holds before anything is allocated.
bool readField(QDataStream &stream, quint32 length, QByteArray *bytes)
{
    if (qint64(length) > bytesLeft(stream) || qint64(length) > kMaxBodyBytes)
        return false;
    bytes->resize(int(length));
    return stream.readRawData(bytes->data(), int(length)) == int(length)
           && stream.status() == QDataStream::Ok;
}

bool readPath(QDataStream &stream, QString *path, QString *why)
{
    quint32 length = 0;
    if (!readLength(stream, &length)) {
        *why = QStringLiteral("record cut short");
        return false;
    }
    if (length == 0 || length == kNullLength || length % 2 != 0 || length > kMaxPathBytes) {
        *why = QStringLiteral("bad path length %1").arg(length);
        return false;
    }
    QByteArray raw;
    if (!readField(stream, length, &raw)) {
        *why = QStringLiteral("path cut short");
        return false;
    }
    const int units = int(length / 2);
    path->resize(units);
    for (int i = 0; i < units; ++i) {
        const ushort hi = uchar(raw.at(2 * i));
        const ushort lo = uchar(raw.at(2 * i + 1));
        (*path)[i] = QChar(ushort((hi << 8) | lo));
    }
    return true;
}

bool readBody(QDataStream &stream, QByteArray *body, QString *why)
{
    quint32 length = 0;
    if (!readLength(stream, &length)) {
        *why = QStringLiteral("record without content");
        return false;
    }
    // A null field, or one too short for the size word qCompress puts
    // first, was never written by the writer.
    if (length == kNullLength || length < 4 || qint64(length) > kMaxBodyBytes) {
        *why = QStringLiteral("bad content length %1").arg(length);
        return false;
    }
    if (!readField(stream, length, body)) {
        *why = QStringLiteral("content cut short");
        return false;
    }
    return true;
}

// qUncompress alone turns damage into an empty file; here the content must
// unpack to exactly the size its first four bytes announce.
bool uncompressBody(const QByteArray &body, QByteArray *content)
{
    const quint32 size = (quint32(uchar(body.at(0))) << 24) | (quint32(uchar(body.at(1))) << 16)
                         | (quint32(uchar(body.at(2))) << 8) | quint32(uchar(body.at(3)));
    if (body.size() == 4) {
        content->clear();
        return size == 0;
    }
    if (quint64(size) > quint64(body.size() - 4) * kMaxDeflateRatio || qint64(size) > kMaxFileBytes)
        return false;
    *content = qUncompress(body);
    return quint32(content->size()) == size;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// The files and folders of one unpack, all reached from one open handle on
// the target folder and never through a link, so no record can place
// anything elsewhere. Everything it makes is listed, for undoing.
class Unpacker
{
public:
    Unpacker() = default;
    Unpacker(const Unpacker &) = delete;
    Unpacker &operator=(const Unpacker &) = delete;
    ~Unpacker()
    {
        if (m_root >= 0)
            ::close(m_root);
    }

    // The target must be an empty folder (not a link to one) or missing;
    // a missing one is made with its missing parents.
    bool prepare(const QString &target)
    {
        if (target.isEmpty())
            return false;
        const QString path = QDir::cleanPath(QFileInfo(target).absoluteFilePath());
        const QByteArray native = QFile::encodeName(path);
        struct stat st;
        if (::lstat(native.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)
                || !QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System
                                       | QDir::NoDotAndDotDot))
                return false;
        } else {
            if (errno != ENOENT || !makeFolders(path))
                return false;
        }
        m_root = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (m_root < 0) {
            removeMadeFolders();
            return false;
        }
        return true;
    }

    bool writeFile(const QStringList &components, const QByteArray &content)
    {
        int dir = m_root;
        QByteArray relative;
        bool ok = true;
        for (int i = 0; ok && i < components.size() - 1; ++i) {
            const QByteArray name = QFile::encodeName(components.at(i));
            relative += (relative.isEmpty() ? QByteArray() : QByteArray("/")) + name;
            if (::mkdirat(dir, name.constData(), 0777) == 0)
                m_folders.append(relative);
            else if (errno != EEXIST)
                ok = false;
            // An existing entry of that name that is a file or a link stops
            // the record here.
            const int next =
                ok ? ::openat(dir, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                   : -1;
            if (dir != m_root)
                ::close(dir);
            dir = next;
            ok = dir >= 0;
        }
        if (!ok)
            return false;

        const QByteArray name = QFile::encodeName(components.last());
        relative += (relative.isEmpty() ? QByteArray() : QByteArray("/")) + name;
        const int flags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        int fd = ::openat(dir, name.constData(), flags | O_CREAT | O_EXCL, 0666);
        if (fd >= 0)
            m_files.append(relative);
        else if (errno == EEXIST) // a second record of the same path replaces the first
            fd = ::openat(dir, name.constData(), flags | O_TRUNC);
        if (dir != m_root)
            ::close(dir);
        if (fd < 0)
            return false;
        struct stat st;
        ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && writeAll(fd, content);
        return ::close(fd) == 0 && ok;
    }

    // Removes what this unpack made: its files, its folders, and the target
    // folder with the parents it made for it.
    void rollback()
    {
        for (int i = m_files.size() - 1; i >= 0; --i)
            ::unlinkat(m_root, m_files.at(i).constData(), 0);
        for (int i = m_folders.size() - 1; i >= 0; --i)
            ::unlinkat(m_root, m_folders.at(i).constData(), AT_REMOVEDIR);
        if (m_root >= 0) {
            ::close(m_root);
            m_root = -1;
        }
        removeMadeFolders();
    }

private:
    bool makeFolders(const QString &path)
    {
        QStringList missing;
        QString p = path;
        struct stat st;
        while (::lstat(QFile::encodeName(p).constData(), &st) != 0 && errno == ENOENT) {
            missing.prepend(p);
            const QString parent = QFileInfo(p).path();
            if (parent == p)
                break;
            p = parent;
        }
        for (const QString &folder : qAsConst(missing)) {
            if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0) {
                removeMadeFolders();
                return false;
            }
            m_madeFolders.append(folder);
        }
        return true;
    }

    void removeMadeFolders()
    {
        for (int i = m_madeFolders.size() - 1; i >= 0; --i)
            ::rmdir(QFile::encodeName(m_madeFolders.at(i)).constData());
        m_madeFolders.clear();
    }

    int m_root = -1;
    QStringList m_madeFolders;     // absolute, outermost first
    QVector<QByteArray> m_folders; // below the target, in the order made
    QVector<QByteArray> m_files;   // below the target
};

} // namespace

FolderCompressor::FolderCompressor(QObject *parent)
    : QObject(parent)
{
    m_stream.setVersion(kStreamVersion);
}

bool FolderCompressor::compressFolder(QString sourceFolder, QString archiveFile)
{
    if (!QFileInfo(sourceFolder).isDir())
        return false;
    // Written whole and renamed, so a failed walk leaves no half archive
    // where a complete one is expected.
    QSaveFile archive(archiveFile);
    if (!archive.open(QIODevice::WriteOnly))
        return false;
    m_stream.setDevice(&archive);
    m_stream.setVersion(kStreamVersion);
    const bool ok = compress(sourceFolder, QString()) && m_stream.status() == QDataStream::Ok;
    m_stream.setDevice(nullptr);
    if (!ok) {
        archive.cancelWriting();
        LOG_WARNING << "folder" << sourceFolder << "not archived";
        return false;
    }
    return SafeFile::commit(archive);
}

bool FolderCompressor::compress(QString folder, QString prefix)
{
    if (!m_stream.device() || !QFileInfo(folder).isDir())
        return false;
    const QDir dir(folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;

    // Links are left out: one to a folder could lead anywhere, or back
    // into this tree without end.
    const QStringList folders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, order);
    for (const QString &name : folders) {
        if (!isSafeName(name) || !compress(folder + QLatin1Char('/') + name, prefix + QLatin1Char('/') + name)) {
            LOG_WARNING << "cannot archive folder" << folder + QLatin1Char('/') + name;
            return false;
        }
    }

    const QStringList files = dir.entryList(QDir::Files | QDir::NoSymLinks, order);
    for (const QString &name : files) {
        QByteArray content;
        if (!isSafeName(name) || !readPlainFile(folder + QLatin1Char('/') + name, &content)) {
            LOG_WARNING << "cannot archive file" << folder + QLatin1Char('/') + name;
            return false;
        }
        const QByteArray body = qCompress(content);
        if (body.size() < 4)
            return false;
        m_stream << QString(prefix + QLatin1Char('/') + name) << body;
        if (m_stream.status() != QDataStream::Ok)
            return false;
    }
    return true;
}

bool FolderCompressor::decompressFolder(QString archiveFile, QString targetFolder)
{
    if (!QFileInfo(archiveFile).isFile())
        return false;
    QFile archive(archiveFile);
    if (!archive.open(QIODevice::ReadOnly))
        return false;
    Unpacker unpacker;
    if (!unpacker.prepare(targetFolder)) {
        LOG_WARNING << "not unpacking into" << targetFolder << ": not a fresh, empty folder";
        return false;
    }

    m_stream.setDevice(&archive);
    m_stream.setVersion(kStreamVersion);
    QString why;
    while (why.isEmpty() && !m_stream.atEnd()) {
        QString path;
        QByteArray body;
        QStringList components;
        QByteArray content;
        if (!readPath(m_stream, &path, &why) || !readBody(m_stream, &body, &why))
            break;
        if (!splitRecordPath(path, &components))
            why = QStringLiteral("path refused");
        else if (!uncompressBody(body, &content))
            why = QStringLiteral("damaged content");
        else if (!unpacker.writeFile(components, content))
            why = QStringLiteral("cannot write");
    }
    const qint64 offset = archive.pos();
    m_stream.setDevice(nullptr);
    if (!why.isEmpty()) {
        LOG_WARNING << "archive" << archiveFile << "refused at byte" << offset << ":" << why;
        unpacker.rollback();
        return false;
    }
    return true;
}
