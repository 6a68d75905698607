#ifndef REPLACINGFILE_H
#define REPLACINGFILE_H

#include <QFile>

// A file written whole under a temporary name beside its target (the target's
// name, a dot and six letters or digits, as QSaveFile names its own) and
// renamed over the target only when complete: a cancel, a failure or a crash
// never leaves a partial target, and an existing one stays as it was.
//
// Unlike QSaveFile, whose commit always syncs, the sync is the caller's
// choice: a job of many files writes them all unsynced and makes them
// durable with one sync of the file system at its end
// (SafeFile::syncFileSystem), before anything that relies on them.
class ReplacingFile : public QFile
{
public:
    explicit ReplacingFile(const QString &target);
    // An uncommitted temporary file is removed.
    ~ReplacingFile() override;

    enum Target {
        // Any file: it gets the target's mode, or the usual mode of a new
        // file (0666 less the umask).
        PlainFile,
        // A vault body (SafeFile's rule): a target that is a symbolic link
        // is refused, the file gets the target's mode or 0600, and a missing
        // folder (a body's two-letter one; the vault's own is there) is made.
        VaultBody,
        // A new item's body, under a name just drawn: as VaultBody, without
        // the look at a target that can't be there yet (0600).
        NewVaultBody,
    };

    // Creates the temporary file, write-only. False, with the reason in
    // `error`, when it can't be made.
    bool openBeside(Target target, QString *error = nullptr);

    // Flushes, syncs when asked, closes and renames over the target; the
    // folder is synced after a synced commit. On failure the temporary file
    // is removed, the target is untouched and errno holds the reason.
    bool commit(bool sync);

    // Drops what was written; the target is untouched.
    void cancelWriting();

    QString targetName() const { return m_target; }

private:
    QString m_target;
    QString m_temporary; // QFile opened on a descriptor keeps no name
    int m_fd = -1;
    bool m_made = false;
};

#endif // REPLACINGFILE_H
