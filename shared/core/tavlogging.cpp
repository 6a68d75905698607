#include "tavlogging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSysInfo>
#include <QTextStream>

#include <cstdio>
#include <deque>
#include <memory>
#include <cstring>

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

// QDebug writes to its device by pointer and never deletes it, and nothing
// tells when a statement's stream is gone. The devices of a thread's recent
// statements are kept here and the oldest is freed as new ones open; the
// depth covers statements opened while another one is still streaming.
constexpr size_t kKeptDevices = 16;
thread_local std::deque<std::unique_ptr<LogDevice>> recent_devices;

} // namespace

LogDevice::LogDevice() : m_semaphore(1) {}

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
    m_semaphore.release();
    return maxSize;
}

QDebug TAVLogger::write(LogLevel level, const char *file, int line, const char *function)
{
    if (recent_devices.size() >= kKeptDevices)
        recent_devices.pop_front();
    recent_devices.push_back(std::make_unique<LogDevice>());
    LogDevice *device = recent_devices.back().get();
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
    logging_enabled = true;
    if (log_device.isOpen())
        return;
    log_device.setFileName(log_name);
    log_device.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text);
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
