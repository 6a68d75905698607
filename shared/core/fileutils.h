#ifndef FILEUTILS_H
#define FILEUTILS_H

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>

class QFileInfo;

// File operations the whole system shares: removal with optional wipe,
// background removal, copy and rename that replace the target, the program's
// temporary folder, body file names, sizes and the volume type.
//
// Removal never follows a symbolic link: a link is removed as itself and its
// target keeps every byte.
class FileUtils
{
public:
    enum TAVFileSystemType {
        TAV_FS_FAT = 0,   // FAT volume: files are limited to 4 GiB
        TAV_FS_OTHER = 1, // anything else
    };

    // Removal
    // Overwrites a regular file's bytes once in place (same length), flushes
    // them to the disk and leaves the file there for the caller to remove.
    // True when every byte was overwritten and synced (an empty file counts);
    // false for a missing file, a link, a non-regular file or a failed write,
    // and for a file with more than one hard link: its bytes belong to the
    // other names too and stay as they are.
    static bool wipe(const QString &path);
    // A file or link is wiped first when secure (links never are), then removed;
    // a folder is removed as removeDir(path, secure). The result is the removal's.
    static bool removeFile(const QString &path, bool secure);
    // Removes a folder tree depth first; with secure every file in it is
    // wiped before it is removed. Links inside are removed, never followed.
    // The result is the removal of the folder itself.
    static bool removeDir(const QString &path, bool secure);
    static void removeList(const QStringList &paths, bool secure);
    static bool remove(const QString &path, bool secure);
    static void remove(const QStringList &paths, bool secure);
    // Runs the removal on the global thread pool and returns at once.
    static void removeDelayed(const QString &path, bool secure);
    static void removeDelayed(const QStringList &paths, bool secure);

    // Copy and rename replace the target only once the new content is complete:
    // a failure leaves an existing target as it was.
    static bool copy(const QString &source, const QString &target);
    static bool rename(const QString &source, const QString &target);

    // Temporary paths
    static QString getTempPath();
    static bool setTempPath(const QString &path);
    static QString genTempFileName();
    static QString makeUniqueTempPath();

    // Names, identifiers and text
    static QString UuidToFileName(const QUuid &id);
    static QUuid FileNameToUuid(const QString &name);
    static bool isPortableFileName(const QString &name);
    static QString FileSizeToString(quint64 size);

    // Sizes
    static quint64 getFileSize(const QString &path);
    static qint64 getDirSize(const QString &path);
    static qint64 getListFileSize(const QStringList &paths);

    // Type of the volume holding an absolute path. Returns false when the
    // type was found and stored, true when it was not (type unchanged).
    static bool getFileSystemType(const QString &path, TAVFileSystemType *type,
                                  const QString &mountInfoPath = QString());

    // File information
    static qint64 size(const QString &path);
    static QDateTime created(const QString &path);
    static QDateTime modified(const QString &path);
    // Both, from one look at the file.
    static void dates(const QString &path, QDateTime *created, QDateTime *modified);
    // The same from what info read (one look, shared with its size and kind).
    static void dates(const QFileInfo &info, QDateTime *created, QDateTime *modified);
    static QDateTime accessed(const QString &path);
    static QString getFileExtention(const QString &path);
    static QString getFilePath(const QString &path);
    static QString getFileName(const QString &path);

    // Others
    static void makePath(const QString &path);
    // Makes one folder whose parent is there (never the parents: a vault
    // folder gone with its drive is not made again elsewhere). True when it
    // was made or something of that name is there; else errno tells why.
    static bool makeFolder(const QString &path);
    // Sets access and modification time to the time in whole seconds; 0 or -1.
    static int setModificationTime(const QString &path, const QDateTime &time);
    // Gives a vault folder the vault icon (PlatformUtils::setVaultDirIcon).
    static void setVaultDirIcon(const QString &dir);

private:
    FileUtils() = delete;
};

#endif // FILEUTILS_H
