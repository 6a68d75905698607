#include "pseudorandom.h"

#include <QAtomicPointer>

namespace {
QAtomicPointer<PseudoRandom> installedSource;
}

PseudoRandom::~PseudoRandom() = default;

void PseudoRandom::seed(quint32 value)
{
    m_generator.seed(value);
}

quint32 PseudoRandom::draw()
{
    return m_generator.generate() >> 1;
}

PseudoRandom *PseudoRandom::getInstance()
{
    static PseudoRandom realSource;
    PseudoRandom *source = installedSource.loadAcquire();
    return source ? source : &realSource;
}

void PseudoRandom::setInstance(PseudoRandom *source)
{
    installedSource.storeRelease(source);
}
