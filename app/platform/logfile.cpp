#include "logfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString LogFile::fileName()
{
    return QStringLiteral("KolvaneVave.log");
}

QString LogFile::path(const QString &programFolder)
{
    const QString program =
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    const QFileInfo programDir(program);
    if (programDir.isAbsolute() && programDir.isDir() && programDir.isWritable())
        return QDir(programDir.absoluteFilePath()).filePath(fileName());

    // An installed program's folder belongs to the system; the user's own
    // data folder takes the log then. A relative one (a bad XDG_DATA_HOME)
    // would land wherever the program was started from, so it doesn't count.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty() || QDir::isRelativePath(data) || !QDir().mkpath(data))
        return QString();
    return QDir(data).filePath(fileName());
}

bool LogFile::enable(TAVLogger::LogLevel level, const QString &programFolder)
{
    const QString file = path(programFolder);
    if (file.isEmpty()) {
        LOG_WARNING << "no folder takes the log file; logging to standard output only";
        return false;
    }
    TAVLogger::setFileName(file);
    TAVLogger::setLogLevel(level);
    TAVLogger::setEnabled();
    return true;
}
