#include "utils.h"

#include "tavlogging.h"

#include <QElapsedTimer>
#include <QHostInfo>

namespace {
QElapsedTimer stopwatch;
}

QString Utils::getHostName()
{
    return shortHostName(QHostInfo::localHostName());
}

QString Utils::shortHostName(const QString &hostName)
{
    const int dot = hostName.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return hostName;
    return hostName.left(dot);
}

int Utils::TimerStart()
{
    stopwatch.start();
    return 0;
}

int Utils::TimerStop()
{
    LOG_INFO << "elapst time" << stopwatch.elapsed() << "ms";
    return 0;
}
