#ifndef SAFEFILE_H
#define SAFEFILE_H

#include <QByteArray>
#include <QString>

class QSaveFile;

// The checked way to replace a file whole: the content goes to a QSaveFile,
// is flushed and synced, and only then renamed over the target; the folder
// is synced after, so the rename survives a power cut too. A failure at any
// step leaves the old file as it was and no temporary file behind.
class SafeFile
{
public:
    enum Result {
        Written = 0,
        OpenFailed,   // the temporary file could not be made
        WriteFailed,  // writing, flushing or syncing the content failed
        CommitFailed, // the content was complete but could not replace the target
    };

    // `target` becomes `bytes`. `error` (when given) receives the reason of a
    // failure, as the file told it.
    static Result writeWhole(const QString &target, const QByteArray &bytes,
                             QString *error = nullptr);

    // Flushes and syncs an open QSaveFile, then commits it. commit() of Qt
    // 5.15 alone would rename a file whose last flush fell short (a full disk)
    // into place; on a failed flush or sync the writing is cancelled instead.
    static bool commit(QSaveFile &file);

    // Makes a rename inside `folder` durable; a folder that can't be synced
    // (some file systems refuse) still holds either the old or the new file.
    static void syncFolder(const QString &folder);

private:
    SafeFile() = delete;
};

#endif // SAFEFILE_H
