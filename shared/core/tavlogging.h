#ifndef TAVLOGGING_H
#define TAVLOGGING_H

#include <QDebug>
#include <QIODevice>
#include <QSemaphore>
#include <QString>

#include <atomic>

// Process-wide logger: each statement becomes one line
// "time level-letter source-file line message" on standard output and,
// once switched on, in the log file.
class TAVLogger
{
public:
    enum LogLevel { Trace = 0, Debug = 1, Info = 2, Warning = 3, Error = 4, Fatal = 5 };

    static QDebug write(LogLevel level, const char *file, int line, const char *function);
    static void write(LogLevel level, const char *file, int line, const char *function,
                      const QString &message);

    static void setFileName(const QString &name);
    static void setEnabled();
    static void setLogLevel(LogLevel level);
    static void LogPlatformInfo();

    static QChar levelToChar(LogLevel level);
    static QString levelToString(LogLevel level);
    static LogLevel levelFromString(const QString &text);

    // Where standard-output lines go; tests capture them here. Null restores stdout.
    using LineSink = void (*)(const QByteArray &line);
    static void setStdoutSink(LineSink sink);

private:
    TAVLogger() = delete;
};

// Funnels one statement's text into the line writer.
class LogDevice : public QIODevice
{
public:
    LogDevice();
    ~LogDevice() override;

    void setStatement(TAVLogger::LogLevel level, const char *file, int line, const char *function);
    // True once the statement's stream is gone and the device may be freed.
    bool isFinished() const { return m_finished.load(std::memory_order_acquire); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;
    void disconnectNotify(const QMetaMethod &signal) override;

private:
    std::atomic<bool> m_finished{false};
    QSemaphore m_semaphore;
    TAVLogger::LogLevel m_level = TAVLogger::Info;
    const char *m_file = nullptr;
    int m_line = 0;
    const char *m_function = nullptr;
};

#define TAVLOG(level) TAVLogger::write(TAVLogger::level, __FILE__, __LINE__, __func__)
#define LOG_TRACE TAVLOG(Trace)
#define LOG_DEBUG TAVLOG(Debug)
#define LOG_INFO TAVLOG(Info)
#define LOG_WARNING TAVLOG(Warning)
#define LOG_ERROR TAVLOG(Error)
#define LOG_FATAL TAVLOG(Fatal)

#endif // TAVLOGGING_H
