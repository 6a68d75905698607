#include "fixedrandom.h"

#include "randomsource.h"

#include <atomic>

namespace {

QByteArray pattern;
std::atomic<qint64> drawn{0};

bool fixedBytes(unsigned char *out, int length)
{
    if (pattern.isEmpty())
        return false;
    for (int i = 0; i < length; ++i)
        out[i] = static_cast<unsigned char>(pattern.at(int((drawn + i) % pattern.size())));
    drawn += length;
    return true;
}

} // namespace

FixedRandom::FixedRandom(const QByteArray &bytes)
{
    pattern = bytes;
    drawn = 0;
    RandomSource::setGenerator(fixedBytes);
}

FixedRandom::~FixedRandom()
{
    RandomSource::setGenerator(nullptr);
    pattern.clear();
}

qint64 FixedRandom::bytesDrawn()
{
    return drawn;
}
