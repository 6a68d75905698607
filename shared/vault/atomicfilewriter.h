#ifndef ATOMICFILEWRITER_H
#define ATOMICFILEWRITER_H

#include "tavcipherprops.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TAVKey;

// Replaces the vault files whole: the new content goes to a temporary file
// in the target's folder, is flushed and synced to the disk, and only then
// renamed over the target. A stick pulled out or a process killed at any
// moment leaves the old file or the new one, never a mix; a failure leaves
// the old file byte for byte and no temporary file behind. A target that is
// a symbolic link is refused; a replaced file keeps its mode and a new one is
// readable by its owner alone (SafeFile's rule).
class AtomicFileWriter
{
public:
    // Results of writeDataFile; `error` (when given) receives the reason.
    enum Result {
        Written = 0,
        OpenFailed = 1,  // the target was refused, or the temporary file could not be made
                         // (or its header written)
        WriteFailed = 2, // writing or syncing the content failed
        RenameFailed = 3 // the content was complete but could not replace the target
    };

    // The encrypted data file at `target` becomes the header and `payload`
    // under the key, written in one call (the data-file stream is unbuffered).
    // The temporary file is named "{uuid}.tmp".
    static int writeDataFile(const QString &target, TAVCipher cipher, const TAVKey &key,
                             unsigned int version, const QByteArray &payload,
                             QString *error = nullptr);

    // The plain file at `target` becomes `bytes` (QSaveFile); true when done.
    static bool writePlainFile(const QString &target, const QByteArray &bytes,
                               QString *error = nullptr);

    // Removes from `folder` the temporary files that saves killed half-way
    // left behind: every "{uuid}.tmp" of writeDataFile, and those of the
    // plain files named in `plainFiles`. Nothing else is touched. The
    // number removed.
    static int removeLeftovers(const QString &folder, const QStringList &plainFiles = {});

private:
    AtomicFileWriter() = delete;
};

#endif // ATOMICFILEWRITER_H
