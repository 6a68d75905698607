#include "crashhandler.h"

#include "httphelper.h"
#include "problemreport.h"
#include "prompter.h"
#include "tavlogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kMaxFrames = 128;
constexpr qint64 kMaxTraceFile = 1024 * 1024;
const char kHeader[] = "KolvaneVave crash trace\n";
const char kEndMarker[] = "end of trace\n";

// Prepared before any crash: the handler may not allocate or format.
char tracePath[PATH_MAX];
char partPath[PATH_MAX];
// Stack overflows land here rather than on the exhausted stack.
alignas(16) char alternateStack[64 * 1024];
std::atomic_flag handling = ATOMIC_FLAG_INIT;

void writeText(int fd, const char *text)
{
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t n = ::write(fd, text, left);
        if (n <= 0)
            return;
        text += n;
        left -= size_t(n);
    }
}

void writeNumber(int fd, int value)
{
    char digits[16];
    int i = sizeof digits - 1;
    digits[i] = '\0';
    unsigned int v = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[--i] = char('0' + v % 10);
        v /= 10;
    } while (v > 0 && i > 1);
    if (value < 0)
        digits[--i] = '-';
    writeText(fd, digits + i);
}

extern "C" void crashSignalHandler(int signalNumber)
{
    // A second thread faulting meanwhile waits for the first to finish.
    if (handling.test_and_set()) {
        for (;;)
            ::pause();
    }

    const int fd = ::open(partPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeText(fd, kHeader);
        writeText(fd, "signal ");
        writeNumber(fd, signalNumber);
        writeText(fd, "\n");
        void *frames[kMaxFrames];
        const int count = ::backtrace(frames, kMaxFrames);
        // Frame 0 is this handler.
        if (count > 1)
            ::backtrace_symbols_fd(frames + 1, count - 1, fd);
        writeText(fd, kEndMarker);
        ::fsync(fd);
        ::close(fd);
        ::rename(partPath, tracePath);
    }

    // Ends the process as killed by the signal, once this handler returns.
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// The report's "line" value is empty: the crash has no source line.
QUrl withEmptyLine(QUrl url)
{
    QStringList items = url.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
    for (QString &item : items) {
        if (item.startsWith(QLatin1String("line=")))
            item = QStringLiteral("line=");
    }
    url.setQuery(items.join(QLatin1Char('&')), QUrl::StrictMode);
    return url;
}

void sendReport(const QUrl &url)
{
    HttpHelper http;
    http.setTimeOut(quint64(qMax(1, ProblemReport::timeOut()))); // never waits without end
    http.doRequest(url);
    while (http.isRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (http.errorCode == 0)
        LOG_INFO << "crash report sent";
    else
        LOG_WARNING << "crash report failed:" << http.errorCode << http.errorText;
}

} // namespace

QString CrashHandler::defaultTracePath()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty() || QDir::isRelativePath(data))
        return QString();
    return data + QStringLiteral("/crash-trace.txt");
}

void CrashHandler::forbidCoreDumps()
{
    // The master key and the vault keys are in memory, and the usual core
    // pattern writes into the working folder, which may be the stick: the
    // signal re-raised after the report must leave no core behind.
    struct rlimit none {};
    if (::setrlimit(RLIMIT_CORE, &none) != 0)
        LOG_WARNING << "core dumps could not be switched off:" << std::strerror(errno);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // Not dumpable also keeps other programs of the user from reading this
    // one's memory. The sanitizers' leak check needs to trace the process.
    if (::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
        LOG_WARNING << "the process could not be made undumpable:" << std::strerror(errno);
#endif
}

bool CrashHandler::install(const QString &path)
{
    forbidCoreDumps();
    const QByteArray trace = QFile::encodeName(path);
    const QByteArray part = trace + ".part";
    if (path.isEmpty() || QDir::isRelativePath(path) || part.size() >= PATH_MAX) {
        LOG_WARNING << "crash handler not installed: no place for the trace" << path;
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).path())) {
        LOG_WARNING << "crash handler not installed: can't make the folder of" << path;
        return false;
    }
    std::memcpy(tracePath, trace.constData(), size_t(trace.size()) + 1);
    std::memcpy(partPath, part.constData(), size_t(part.size()) + 1);

    // The first backtrace() loads the unwinder, which allocates: done here,
    // not inside the signal.
    void *frames[2];
    ::backtrace(frames, 2);

    stack_t stack {};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    const bool ownStack = ::sigaltstack(&stack, nullptr) == 0;

    struct sigaction action {};
    action.sa_handler = crashSignalHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = ownStack ? SA_ONSTACK : 0;
    if (::sigaction(SIGSEGV, &action, nullptr) != 0) {
        LOG_WARNING << "crash handler not installed:" << std::strerror(errno);
        return false;
    }
    return true;
}

QString CrashHandler::traceText(const QByteArray &saved)
{
    // backtrace_symbols_fd writes "module(symbol+0xoffset)[0xaddress]",
    // "module(+0xoffset)[0xaddress]" or "[0xaddress]" (backtrace_symbols
    // puts a blank before the "[").
    static const QRegularExpression frameLine(QStringLiteral(
        R"(^(?:.*\(([^()+]*)(?:\+(0x[0-9a-fA-F]+))?\) ?)?\[(0x[0-9a-fA-F]+)\]$)"));
    QString text;
    int index = 1;
    for (const QByteArray &rawLine : saved.split('\n')) {
        const QString line = QString::fromLocal8Bit(rawLine).trimmed();
        const QRegularExpressionMatch match = frameLine.match(line);
        if (!match.hasMatch())
            continue;
        // "%-3d %18p ": the index left-aligned in 3, the address right-aligned in 18.
        const QString prefix = QString::number(index).leftJustified(3, QLatin1Char(' '))
                               + QLatin1Char(' ')
                               + match.captured(3).rightJustified(18, QLatin1Char(' '))
                               + QLatin1Char(' ');
        QString name = match.captured(1);
        if (name.isEmpty()) {
            text += prefix + line + QLatin1Char('\n');
        } else {
            if (name.startsWith(QLatin1Char('_'))) {
                int status = -1;
                char *demangled =
                    abi::__cxa_demangle(name.toLatin1().constData(), nullptr, nullptr, &status);
                if (status == 0 && demangled)
                    name = QString::fromLatin1(demangled);
                std::free(demangled);
            }
            bool ok = false;
            const qulonglong offset = match.captured(2).toULongLong(&ok, 16);
            text += prefix + name + QStringLiteral(" + ") + QString::number(ok ? offset : 0)
                    + QLatin1Char('\n');
        }
        ++index;
    }
    return text;
}

bool CrashHandler::reportPending(const QString &path)
{
    if (path.isEmpty())
        return false;
    // A trace cut short by a second fault inside the handler tells nothing.
    QFile::remove(path + QStringLiteral(".part"));

    QFile file(path);
    if (!file.exists())
        return false;
    QByteArray saved;
    if (file.open(QIODevice::ReadOnly))
        saved = file.read(kMaxTraceFile);
    file.close();
    // Removed before anything is asked or sent, so a program that fails
    // while reporting doesn't report the same crash at every start.
    if (!file.remove())
        LOG_WARNING << "crash trace can't be removed:" << path << file.errorString();

    const QString trace = traceText(saved);
    LOG_ERROR << "the program ended with a crash last time";
    for (const QString &line : trace.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        LOG_ERROR << line.toLocal8Bit().constData();

    ProblemData problem;
    problem.function = trace;
    const QUrl url = ProblemReport::requestUrl(problem);
    if (url.isEmpty())
        return true; // no report server: the log is all

    const QMessageBox::StandardButton answer = Prompter::instance()->ask(
        QMessageBox::Critical, QStringLiteral("A problem occured"),
        QStringLiteral("A problem occured during the execution of this application.\n"
                       "Please click Ok to report this problem or Cancel to quit.\n\n"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer == QMessageBox::Ok)
        sendReport(withEmptyLine(url));
    return true;
}
