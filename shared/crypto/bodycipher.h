#ifndef BODYCIPHER_H
#define BODYCIPHER_H

#include "tavcipherprops.h"
#include "tavkey.h"

#include <QtGlobal>

#include <functional>

class QIODevice;

// The loop shared by whole-file encryption and the crypto worker: the body
// of a vault file goes from one open file to another in chunks of 65,536
// bytes, each XORed with the block keystream at its own file offset. Every
// read and write is checked: a short write (a full disk) is a failure.
// Into a file, every 8 MiB written are sent on to the disk at once, so a
// large body's closing sync has little left to wait for. Past its first
// 8 MiB, a body between two files (devices with positions, used by nothing
// else meanwhile) is read, enciphered and written by three threads at once,
// in slots of 1 MiB; afterChunk is still called on the caller's thread.
// After a failure errno holds the reason, whichever thread met it.
class BodyCipher
{
public:
    enum Outcome {
        Done,        // the source was read to its end and every byte written
        ReadFailed,  // reading the source failed
        WriteFailed, // a write failed or fell short
        Cancelled,   // afterChunk asked to stop
    };

    // Called after each chunk with the file offset reached in the output's
    // numbering; returning false stops the loop (a cancel).
    using AfterChunk = std::function<bool(quint64 offset)>;

    // The cipher and key were checked by the caller. `offset` is the file
    // offset of the first body byte (512). *offsetReached gets the offset
    // after the last byte written.
    static Outcome run(QIODevice *in, QIODevice *out, quint64 offset, const unsigned char *iv,
                       TAVCipher cipher, const TAVKey &key, const AfterChunk &afterChunk,
                       quint64 *offsetReached = nullptr);

    static constexpr qint64 kChunk = 65536;
    static constexpr quint64 kWriteBackStep = 8 << 20;
    static constexpr quint64 kPipelineFrom = 8 << 20;
};

#endif // BODYCIPHER_H
