#ifndef UTILS_H
#define UTILS_H

#include <QString>

class QAction;

// Small shared chores: the computer's short name, the synchronise action's
// icon, and a stopwatch for timings in the log.
class Utils
{
public:
    // The local host name cut before its first "." ("studio.local" gives
    // "studio"); kept whole when it has none or starts with one.
    static QString getHostName();
    static QString shortHostName(const QString &hostName);

    // The refresh image, with a badge of the count and a tooltip saying it
    // when files wait to be synchronised. Defined with the views, which
    // draw the badge.
    static void setSynchronizeIcon(QAction *action, uint count);

    static int TimerStart();
    // Logs "elapst time <ms> ms" at Info; the stopwatch keeps running.
    static int TimerStop();

private:
    Utils() = delete;
};

#endif // UTILS_H
