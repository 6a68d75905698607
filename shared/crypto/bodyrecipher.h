#ifndef BODYRECIPHER_H
#define BODYRECIPHER_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QString>

// Re-encrypts a vault body file under another vault's key and cipher, body
// to body: each chunk is deciphered and enciphered again in memory, so no
// plain byte reaches the disk. The new body gets a fresh random IV and the
// old header's name and creation time.
//
// The new body is written beside the destination under a temporary name,
// synced and renamed over it only when complete: a failure leaves no
// destination, and an existing one as it was.
class BodyRecipher
{
public:
    enum Result {
        Done = 0,
        SourceUnreadable = 1, // the source can't be opened or read
        HeaderRefused = 2,    // the source's header doesn't fit the source cipher (or is damaged)
        NoHeader = 3,         // no random IV, or the target cipher or key is refused
        WriteFailed = 4,      // the destination can't be made or written (a full disk among others)
    };

    static Result recipher(const QString &source, TAVCipher sourceCipher, const TAVKey &sourceKey,
                           const QString &destination, TAVCipher targetCipher, const TAVKey &targetKey);

    static constexpr int kChunk = 1 << 20;

private:
    BodyRecipher() = delete;
};

#endif // BODYRECIPHER_H
