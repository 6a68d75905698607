#include "logcapture.h"

#include "tavlogging.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex captureMutex;
QList<QByteArray> captured;

void collect(const QByteArray &line)
{
    QMutexLocker lock(&captureMutex);
    captured.append(line);
}
} // namespace

LogCapture::LogCapture()
{
    clear();
    TAVLogger::setStdoutSink(collect);
}

LogCapture::~LogCapture()
{
    TAVLogger::setStdoutSink(nullptr);
}

QList<QByteArray> LogCapture::lines() const
{
    QMutexLocker lock(&captureMutex);
    return captured;
}

void LogCapture::clear()
{
    QMutexLocker lock(&captureMutex);
    captured.clear();
}
