#ifndef FAKECLOCK_H
#define FAKECLOCK_H

#include "clock.h"

// A clock that stands still until the test moves it. Installed as the
// program's clock while it lives; the previous clock comes back afterwards.
class FakeClock : public Clock
{
public:
    explicit FakeClock(const QDateTime &now = QDateTime(QDate(2014, 11, 20), QTime(12, 0), Qt::UTC));
    ~FakeClock() override;
    FakeClock(const FakeClock &) = delete;
    FakeClock &operator=(const FakeClock &) = delete;

    // Moves both the date and the steady clock forward.
    void advance(qint64 ms);
    // Sets the date alone; the steady clock does not follow a date change.
    void setDateTime(const QDateTime &now);

    QDateTime currentDateTime() const override;
    qint64 steadyMs() const override;

private:
    Clock *m_previous;
    QDateTime m_now;
    qint64 m_steadyMs = 1000000;
};

#endif // FAKECLOCK_H
