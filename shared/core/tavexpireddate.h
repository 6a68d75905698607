#ifndef TAVEXPIREDDATE_H
#define TAVEXPIREDDATE_H

#include <QDateTime>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// Reminds the user to change the password: once the set moment has passed,
// emits expired() one time. It looks at the clock every 10 seconds; stop()
// wakes it at once, so a lock or the program's end never waits on a sleep.
class TAVExpiredDate : public QThread
{
    Q_OBJECT
public:
    explicit TAVExpiredDate(QObject *parent = nullptr);
    // Stops a run still going and waits for it.
    ~TAVExpiredDate() override;

    void setExpiredDate(const QDateTime &when);
    QDateTime expiredDate() const;
    // Clears the stop flag and starts the thread; a run still going carries
    // on with the date now set. The flag is cleared here rather than in run(),
    // so a stop() that comes before the thread is scheduled is never lost.
    void begin(QThread::Priority priority = QThread::LowestPriority);
    // Ends the run without waiting for the next look at the clock.
    void stop();

    // Time between two looks at the clock; tests shorten it.
    void setCheckInterval(int ms);

signals:
    void expired();

protected:
    // Looks at the clock until the moment has passed (expired() once) or
    // stop() is called.
    void run() override;

private:
    mutable QMutex mutex;
    QWaitCondition wake;
    QDateTime when;
    bool stopped = false;
    int intervalMs = 10000;
};

#endif // TAVEXPIREDDATE_H
