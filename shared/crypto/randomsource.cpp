#include "randomsource.h"

#include <openssl/rand.h>

#include <atomic>

namespace {
std::atomic<RandomSource::Generator> replacement{nullptr};
}

bool RandomSource::bytes(unsigned char *out, int length)
{
    if (length < 0)
        return false;
    if (Generator generator = replacement.load())
        return generator(out, length);
    return length == 0 || RAND_bytes(out, length) == 1;
}

void RandomSource::setGenerator(Generator generator)
{
    replacement.store(generator);
}
