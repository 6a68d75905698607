#ifndef SAFEFILE_H
#define SAFEFILE_H

#include <QByteArray>
#include <QString>

class QRegularExpression;
class QSaveFile;

// The checked way to replace a file whole: the content goes to a QSaveFile,
// is flushed and synced, and only then renamed over the target; the folder
// is synced after, so the rename survives a power cut too. A failure at any
// step leaves the old file as it was and no temporary file behind.
//
// The files of the vault folders and of the settings folder are written
// through here only, under one rule: a target that is a symbolic link is
// refused (QSaveFile would write through it to wherever it points, so a
// crafted vault folder could have any file of the user overwritten); a
// replaced file keeps its mode; a new one is readable by its owner alone.
class SafeFile
{
public:
    enum Result {
        Written = 0,
        OpenFailed,   // the target was refused or the temporary file could not be made
        WriteFailed,  // writing, flushing or syncing the content failed
        CommitFailed, // the content was complete but could not replace the target
    };

    // `target` becomes `bytes`. `error` (when given) receives the reason of a
    // failure, as the file told it.
    static Result writeWhole(const QString &target, const QByteArray &bytes,
                             QString *error = nullptr);

    // Opens `file` write-only under the rule above; false, with the reason
    // in `error`, when its target is refused or can't be opened.
    static bool open(QSaveFile &file, QString *error = nullptr);

    // The mode (permission bits) that the file replacing `target` gets: the
    // target's own, or 0600 when there is no target yet. False, with a
    // reason naming the file, when the target is a symbolic link or can't
    // be looked at.
    static bool replacementMode(const QString &target, unsigned int *mode, QString *error = nullptr);

    // The process's umask, read once: the program never changes it.
    static unsigned int processUmask();

    // Gives an open file its mode. Some file systems (FAT) keep no modes and
    // refuse the change; the file is then left as the mount made it.
    static void applyMode(int handle, unsigned int mode);

    // Flushes and syncs an open QSaveFile, then commits it. commit() of Qt
    // 5.15 alone would rename a file whose last flush fell short (a full
    // disk) into place; on a failed flush or sync the writing is cancelled instead.
    // Without `sync` the content is flushed but not synced: for a job of many
    // files that syncs the whole file system once, with syncFileSystem(),
    // before it commits to them.
    static bool commit(QSaveFile &file, bool sync = true);

    // Makes everything written to the file system holding `path` durable
    // (syncfs). False when the path can't be opened or the sync reports an
    // error (a write-back that failed since the job began).
    static bool syncFileSystem(const QString &path);

    // Starts writing bytes [from, to) of an open file to the disk without
    // waiting for them. A large file written in steps is then mostly on the
    // disk when its sync comes, instead of all of it being written then.
    // Where the system has no such request, nothing happens.
    static void startWriteBack(int handle, qint64 from, qint64 to);

    // Makes a rename inside `folder` durable; a folder that can't be synced
    // (some file systems refuse) still holds either the old or the new file.
    static void syncFolder(const QString &folder);

    // The names QSaveFile gives the temporary files of targets whose names
    // match `targets` (a regular expression): where the file system has no
    // unnamed files, a save killed half-way leaves one behind.
    static QString temporaryNames(const QString &targets);

    // Removes the plain files of `folder` (no links, no folders) whose whole
    // names match `names`: what killed saves left there. The number removed.
    static int removeLeftovers(const QString &folder, const QRegularExpression &names);

private:
    SafeFile() = delete;
};

#endif // SAFEFILE_H
