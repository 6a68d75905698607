#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <QByteArray>
#include <QList>

// Collects the logger's standard-output lines while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    QList<QByteArray> lines() const;
    void clear();
};

#endif // LOGCAPTURE_H
