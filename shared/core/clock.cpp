#include "clock.h"

#include <QAtomicPointer>
#include <QElapsedTimer>

#include <ctime>

namespace {
QAtomicPointer<Clock> installedClock;
}

Clock::~Clock() = default;

QDateTime Clock::currentDateTime() const
{
    return QDateTime::currentDateTime();
}

qint64 Clock::steadyMs() const
{
    static const QElapsedTimer origin = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return origin.elapsed();
}

Clock *Clock::getInstance()
{
    static Clock realClock;
    Clock *clock = installedClock.loadAcquire();
    return clock ? clock : &realClock;
}

void Clock::setInstance(Clock *clock)
{
    installedClock.storeRelease(clock);
}

void Clock::settleTimeZone()
{
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    ::tzset();
}
