#ifndef RANDOMSOURCE_H
#define RANDOMSOURCE_H

// Where every random byte of the encryption engine comes from: OpenSSL's
// RAND_bytes, unless a test has put a fixed or failing generator in place
// (nonces and IVs then become reproducible, and the failure paths reachable).
class RandomSource
{
public:
    // Fills out with length bytes; false when no random bytes could be had.
    using Generator = bool (*)(unsigned char *out, int length);

    static bool bytes(unsigned char *out, int length);

    // Replaces the generator for the whole process; null restores RAND_bytes.
    static void setGenerator(Generator generator);

private:
    RandomSource() = delete;
};

#endif // RANDOMSOURCE_H
