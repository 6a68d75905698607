#include "tavlogging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSysInfo>
#include <QTextStream>

#include <cstdio>
#include <algorithm>
#include <vector>
#include <memory>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>

namespace {

TAVLogger::LogLevel log_level = TAVLogger::Info;
QString log_name;
QFile log_device;
QTextStream log_file;
bool logging_enabled = false;
TAVLogger::LineSink stdout_sink = nullptr;

// Statements arrive from the GUI thread, the crypto worker and pool tasks;
// one lock per line keeps every line whole on both outputs.
QMutex &lineMutex()
{
    static QMutex mutex;
    return mutex;
}

// QDebug writes to its device by pointer and never deletes it. A statement's
// stream is gone when its text stream drops the watch on the device (see
// disconnectNotify); the thread's finished devices are freed when its next
// statement opens, and devices of statements still open are kept.
thread_local std::vector<std::unique_ptr<LogDevice>> open_devices;

} // namespace

LogDevice::LogDevice() : m_semaphore(1)
{
    // Taken for the statement's life and given back once its text is written.
    m_semaphore.acquire();
}

LogDevice::~LogDevice() = default;

void LogDevice::setStatement(TAVLogger::LogLevel level, const char *file, int line,
                             const char *function)
{
    m_level = level;
    m_file = file;
    m_line = line;
    m_function = function;
}

qint64 LogDevice::readData(char *, qint64)
{
    return 0;
}

qint64 LogDevice::writeData(const char *data, qint64 maxSize)
{
    if (maxSize > 0) {
        const void *zero = std::memchr(data, 0, size_t(maxSize));
        const qint64 length = zero ? static_cast<const char *>(zero) - data : maxSize;
        TAVLogger::write(m_level, m_file, m_line, m_function,
                         QString::fromLocal8Bit(data, int(length)));
    }
    if (m_semaphore.available() == 0)
        m_semaphore.release();
    return maxSize;
}

void LogDevice::disconnectNotify(const QMetaMethod &)
{
    // The statement's text stream watched aboutToClose(); that watch ends only
    // when the stream is destroyed, after its last text reached writeData.
    m_finished.store(true, std::memory_order_release);
}

QDebug TAVLogger::write(LogLevel level, const char *file, int line, const char *function)
{
    open_devices.erase(std::remove_if(open_devices.begin(), open_devices.end(),
                                      [](const std::unique_ptr<LogDevice> &d) { return d->isFinished(); }),
                       open_devices.end());
    open_devices.push_back(std::make_unique<LogDevice>());
    LogDevice *device = open_devices.back().get();
    device->open(QIODevice::WriteOnly);
    device->setStatement(level, file, line, function);
    return QDebug(device);
}

void TAVLogger::write(LogLevel level, const char *file, int line, const char *,
                      const QString &message)
{
    if (level < log_level)
        return;

    QString source = QString::fromLocal8Bit(file ? file : "");
    const int slash = source.lastIndexOf(QDir::separator());
    if (slash >= 0)
        source = source.mid(slash + 1);

    const QString time = QDateTime::currentDateTime().toLocalTime().toString("hh:mm:ss.zzz");
    const QString text = QString("%1 %2 %3 %4 %5")
                             .arg(time)
                             .arg(levelToChar(level))
                             .arg(source)
                             .arg(line)
                             .arg(message);

    QMutexLocker lock(&lineMutex());
    QByteArray out = text.toLatin1();
    out.append('\n');
    if (stdout_sink) {
        stdout_sink(out);
    } else {
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        std::fflush(stdout);
    }
    if (logging_enabled) {
        log_file << text << "\n";
        log_file.flush();
    }
}

void TAVLogger::setFileName(const QString &name)
{
    qDebug() << "logfilename set to" << name;
    log_name = name;
}

void TAVLogger::setEnabled()
{
    if (log_name.isEmpty())
        return;
    if (log_device.isOpen()) {
        logging_enabled = true;
        return;
    }
    // The log carries item names and paths: never appended through a link
    // planted in its place, only to a regular file of this user's (0600 when
    // made here).
    const int fd = ::open(QFile::encodeName(log_name).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        qWarning() << "the log file is not a regular file and is not written:" << log_name;
        return;
    }
    if (!log_device.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text,
                         QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return;
    }
    logging_enabled = true;
    log_file.setDevice(&log_device);
    qDebug() << "logging active";
}

void TAVLogger::setLogLevel(LogLevel level)
{
    log_level = level;
}

void TAVLogger::LogPlatformInfo()
{
    // There is no Mac system version here; the line names the running system.
    TAVLogger::write(Info, __FILE__, __LINE__, "LogPlatformInfo")
        << QSysInfo::prettyProductName().toLocal8Bit().constData()
        << QSysInfo::kernelType().toLocal8Bit().constData()
        << QSysInfo::kernelVersion().toLocal8Bit().constData();
}

QChar TAVLogger::levelToChar(LogLevel level)
{
    static const char letters[] = "TDIWEF";
    if (level < Trace || level > Fatal)
        return QChar();
    return QChar::fromLatin1(letters[level]);
}

QString TAVLogger::levelToString(LogLevel level)
{
    static const char *const names[] = {"Trace", "Debug", "Info", "Warning", "Error", "Fatal"};
    if (level < Trace || level > Fatal)
        return QString();
    return QString::fromLatin1(names[level]);
}

TAVLogger::LogLevel TAVLogger::levelFromString(const QString &text)
{
    static const char *const keywords[] = {"trace", "debug", "info", "warning", "error", "fatal"};
    const QString word = text.trimmed().toLower();
    for (int i = Trace; i <= Fatal; ++i) {
        if (word == QLatin1String(keywords[i]))
            return LogLevel(i);
    }
    return Debug;
}

void TAVLogger::setStdoutSink(LineSink sink)
{
    QMutexLocker lock(&lineMutex());
    stdout_sink = sink;
}
