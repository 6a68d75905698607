#ifndef FOLDERCOMPRESSOR_H
#define FOLDERCOMPRESSOR_H

#include <QDataStream>
#include <QObject>
#include <QString>

// A folder archive: the files of a folder tree, one record after another in
// a data stream, each a path relative to the archived folder ("/Contents/
// Info.plist") and the file's content as qCompress made it. No header, no
// count, no end marker; folders exist only as parts of file paths. Update
// packages are archives of this kind.
//
// The writer takes plain files and folders only, never a symbolic link, and
// skips hidden entries. The reader unpacks into a fresh, empty folder only,
// and refuses an archive whose record is cut short, whose lengths don't
// match, or whose path could lead anywhere but below that folder; a refused
// archive leaves nothing of itself behind.
//
// An object serves one archive operation.
class FolderCompressor : public QObject
{
    Q_OBJECT

public:
    explicit FolderCompressor(QObject *parent = nullptr);

    // Writes the archive of `sourceFolder` to `archiveFile`, replacing it
    // whole. False, leaving an existing archive file as it was, when the
    // folder is missing or any file of it can't be read or has a name the
    // reader would refuse.
    bool compressFolder(QString sourceFolder, QString archiveFile);

    // Appends the records of `folder`'s tree, its paths starting with
    // `prefix` ("" for the archived folder itself): sub-folders first, depth
    // first, then the folder's own files, each level sorted by name ignoring
    // case. False when there is no stream to write to (compressFolder binds
    // it) or any entry fails.
    bool compress(QString folder, QString prefix);

    // Recreates the files of `archiveFile` below `targetFolder`, which must
    // be missing (it is created with its parents) or an empty folder. On
    // false nothing this call created is left: neither files nor folders,
    // nor the target folder when it made it.
    bool decompressFolder(QString archiveFile, QString targetFolder);

private:
    QDataStream m_stream;
};

#endif // FOLDERCOMPRESSOR_H
