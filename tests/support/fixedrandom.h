#ifndef FIXEDRANDOM_H
#define FIXEDRANDOM_H

#include <QByteArray>

// While it lives, the encryption engine's random bytes are the given bytes,
// repeated as often as asked for: nonces, IVs and keys become reproducible.
// An empty pattern makes every request fail (no random bytes to be had).
// One at a time per process.
class FixedRandom
{
public:
    explicit FixedRandom(const QByteArray &pattern);
    ~FixedRandom();

    FixedRandom(const FixedRandom &) = delete;
    FixedRandom &operator=(const FixedRandom &) = delete;

    // How many bytes were asked for so far.
    static qint64 bytesDrawn();
};

#endif // FIXEDRANDOM_H
