#include "ownerthreadcall.h"

#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QWaitCondition>

#include <exception>
#include <memory>

namespace {

struct Call
{
    enum State { Waiting, Running, Done, Abandoned };
    QMutex mutex;
    QWaitCondition changed;
    State state = Waiting;
    std::function<void()> function;
    std::exception_ptr error;
};

} // namespace

bool OwnerThreadCall::run(QObject *owner, const std::function<void()> &function,
                          const std::function<bool()> &cancelled)
{
    if (!owner)
        return false;
    if (QThread::currentThread() == owner->thread()) {
        if (cancelled && cancelled())
            return false;
        function();
        return true;
    }

    auto call = std::make_shared<Call>();
    call->function = function;
    // Destroyed before the call ran: the queued call is dropped with it.
    const QMetaObject::Connection gone = QObject::connect(owner, &QObject::destroyed, [call] {
        QMutexLocker lock(&call->mutex);
        if (call->state == Call::Waiting) {
            call->state = Call::Abandoned;
            call->changed.wakeAll();
        }
    });
    QMetaObject::invokeMethod(owner, [call] {
        {
            QMutexLocker lock(&call->mutex);
            if (call->state != Call::Waiting)
                return;
            call->state = Call::Running;
        }
        try {
            call->function();
        } catch (...) {
            call->error = std::current_exception();
        }
        QMutexLocker lock(&call->mutex);
        call->state = Call::Done;
        call->changed.wakeAll();
    }, Qt::QueuedConnection);

    bool ran = false;
    {
        QMutexLocker lock(&call->mutex);
        while (call->state != Call::Done && call->state != Call::Abandoned) {
            if (call->state == Call::Waiting && cancelled && cancelled()) {
                call->state = Call::Abandoned;
                break;
            }
            call->changed.wait(&call->mutex, 20);
        }
        ran = call->state == Call::Done;
    }
    QObject::disconnect(gone);
    if (call->error)
        std::rethrow_exception(call->error);
    return ran;
}
