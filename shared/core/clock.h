#ifndef CLOCK_H
#define CLOCK_H

#include <QDateTime>

// The time as the program sees it. Everything that measures or shows time
// (progress estimates, reminders, seeds) asks the current clock, so tests can
// install one that stands still or jumps on demand.
class Clock
{
public:
    virtual ~Clock();

    // Local date and time now.
    virtual QDateTime currentDateTime() const;
    // Milliseconds on a steady clock that never runs backwards; only
    // differences between two readings mean anything.
    virtual qint64 steadyMs() const;

    // With TZ unset, the C library looks at /etc/localtime again before
    // every local-time conversion (about twenty times for each file added);
    // named once here, the zone is read once, and a zone changed while the
    // program runs is seen at its next start. A TZ that is set stays as it
    // is. Call at the start of main, before any thread.
    static void settleTimeZone();

    // The clock in use: the real one unless another was installed.
    static Clock *getInstance();
    // Installs a clock (not owned); nullptr puts the real one back.
    static void setInstance(Clock *clock);
};

#endif // CLOCK_H
