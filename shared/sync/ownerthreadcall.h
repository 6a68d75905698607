#ifndef OWNERTHREADCALL_H
#define OWNERTHREADCALL_H

#include <QObject>

#include <functional>

// Runs a function on the thread that owns an object and waits for it: a
// direct call when already there, else a queued call that the caller waits
// for. The wait gives up, without the function ever running, when
// `cancelled` says so before the owner thread has started it, or when the
// object is destroyed first; so an owner thread that waits for the caller
// (after cancelling it) never deadlocks with it. An exception thrown by the
// function reaches the caller.
class OwnerThreadCall
{
public:
    // True when the function ran.
    static bool run(QObject *owner, const std::function<void()> &function,
                    const std::function<bool()> &cancelled = {});

private:
    OwnerThreadCall() = delete;
};

#endif // OWNERTHREADCALL_H
