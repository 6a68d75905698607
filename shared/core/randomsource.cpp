#include "randomsource.h"

#include <QAtomicPointer>

namespace {
QAtomicPointer<RandomSource> installedSource;
}

RandomSource::~RandomSource() = default;

void RandomSource::seed(quint32 value)
{
    m_generator.seed(value);
}

quint32 RandomSource::draw()
{
    return m_generator.generate() >> 1;
}

RandomSource *RandomSource::getInstance()
{
    static RandomSource realSource;
    RandomSource *source = installedSource.loadAcquire();
    return source ? source : &realSource;
}

void RandomSource::setInstance(RandomSource *source)
{
    installedSource.storeRelease(source);
}
