#ifndef PSEUDORANDOM_H
#define PSEUDORANDOM_H

#include <QRandomGenerator>

// A seedable stream of pseudo-random numbers for things that only need to look
// random on screen (the keypad's shuffle). Never for keys: those come from the
// crypto library. Tests install a source whose numbers they know.
class PseudoRandom
{
public:
    virtual ~PseudoRandom();

    // Restarts the stream: the same seed gives the same numbers.
    virtual void seed(quint32 value);
    // The next number, 0 to 2^31 - 1.
    virtual quint32 draw();

    // The source in use: the real one unless another was installed.
    static PseudoRandom *getInstance();
    // Installs a source (not owned); nullptr puts the real one back.
    static void setInstance(PseudoRandom *source);

private:
    QRandomGenerator m_generator;
};

#endif // PSEUDORANDOM_H
