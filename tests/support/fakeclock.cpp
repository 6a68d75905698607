#include "fakeclock.h"

FakeClock::FakeClock(const QDateTime &now)
    : m_previous(Clock::getInstance())
    , m_now(now)
{
    Clock::setInstance(this);
}

FakeClock::~FakeClock()
{
    Clock::setInstance(m_previous);
}

void FakeClock::advance(qint64 ms)
{
    m_now = m_now.addMSecs(ms);
    m_steadyMs += ms;
}

void FakeClock::setDateTime(const QDateTime &now)
{
    m_now = now;
}

QDateTime FakeClock::currentDateTime() const
{
    return m_now;
}

qint64 FakeClock::steadyMs() const
{
    return m_steadyMs;
}
