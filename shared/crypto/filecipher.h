#ifndef FILECIPHER_H
#define FILECIPHER_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QDateTime>
#include <QString>

#include <functional>

// Encrypts a plain file into a vault body file (the 512-byte header, then the
// body under the block keystream), or decrypts one back, on the calling
// thread in one call. Same format as the crypto worker.
//
// The output is written beside the destination under a temporary name and
// renamed over it only when complete, so a failure, a full disk or a crash
// never leaves a destination that looks whole but isn't; an existing
// destination stays as it was on every failure.
//
// Both throw TAVException (code 1) with "cannot open file for read <source>"
// or "cannot open file for write <destination>" when a file cannot be opened.
class FileCipher
{
public:
    enum Sync {
        SyncEach,  // each output synced to the disk before it is renamed into place
        SyncLater, // renamed into place unsynced: the caller syncs the file
                   // system once before anything refers to the output
    };

    // 0 done; 2 no random IV; 3 the header could not be written (or the cipher
    // is outside the table, or the key too short for it); 4 reading the source
    // or writing the body failed (a full disk among others).
    // The header carries `created`, or the source's creation date when it is
    // not valid.
    static int encryptFile(const QString &source, const QString &destination, TAVCipher cipher,
                           const TAVKey &key, Sync sync = SyncEach, const QDateTime &created = QDateTime());

    // Asked once the output is complete, just before it replaces the
    // destination: false keeps the destination as it is.
    using ReplaceCheck = std::function<bool()>;

    // 0 done; 2 the header is refused: shorter than 512 bytes, another version
    // or cipher, a damaged name length; 4 reading or writing failed; 5
    // `mayReplace` said no. The output goes to a hidden file beside the
    // destination and is renamed over it: a destination that is a symbolic
    // link is replaced, never written through.
    static int decryptFile(const QString &source, const QString &destination, TAVCipher cipher,
                           const TAVKey &key, const ReplaceCheck &mayReplace = ReplaceCheck());

private:
    FileCipher() = delete;
};

#endif // FILECIPHER_H
