#include "tavexpireddate.h"

#include "clock.h"

#include <QMutexLocker>

TAVExpiredDate::TAVExpiredDate(QObject *parent)
    : QThread(parent)
{
}

TAVExpiredDate::~TAVExpiredDate()
{
    stop();
    wait();
}

void TAVExpiredDate::setExpiredDate(const QDateTime &moment)
{
    QMutexLocker lock(&mutex);
    when = moment;
}

QDateTime TAVExpiredDate::expiredDate() const
{
    QMutexLocker lock(&mutex);
    return when;
}

void TAVExpiredDate::begin(QThread::Priority priority)
{
    bool wasStopped;
    {
        QMutexLocker lock(&mutex);
        wasStopped = stopped;
    }
    if (wasStopped)
        wait(); // a run told to stop ends at once; let it, so start() is not a no-op
    {
        QMutexLocker lock(&mutex);
        stopped = false;
    }
    start(priority);
}

void TAVExpiredDate::stop()
{
    QMutexLocker lock(&mutex);
    stopped = true;
    wake.wakeAll();
}

void TAVExpiredDate::setCheckInterval(int ms)
{
    QMutexLocker lock(&mutex);
    intervalMs = ms;
}

void TAVExpiredDate::run()
{
    QMutexLocker lock(&mutex);
    while (!stopped) {
        if (when.isValid() && Clock::getInstance()->currentDateTime() > when) {
            lock.unlock();
            emit expired();
            return;
        }
        wake.wait(&mutex, static_cast<unsigned long>(intervalMs));
    }
}
