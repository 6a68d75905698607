#ifndef LOGFILE_H
#define LOGFILE_H

#include "tavlogging.h"

#include <QString>

// Where the log file goes when the command line asks for one: beside the
// program when its folder takes new files, else in the user's data folder.
// Never relative to the current working folder.
class LogFile
{
public:
    // "KolvaneVave.log"
    static QString fileName();

    // The log file's path. programFolder defaults to the folder of the
    // running program. Empty when neither place can take the file.
    static QString path(const QString &programFolder = QString());

    // Names the log file, sets the level and switches file logging on. False
    // (and file logging left as it was) when there is no place for the file.
    static bool enable(TAVLogger::LogLevel level, const QString &programFolder = QString());

private:
    LogFile() = delete;
};

#endif // LOGFILE_H
