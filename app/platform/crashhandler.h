#ifndef CRASHHANDLER_H
#define CRASHHANDLER_H

#include <QByteArray>
#include <QString>

// The last resort after a segmentation fault. Inside the signal only what is
// safe there is done: the stack trace is written to a file whose path was
// prepared at start (under a temporary name, moved into place once whole),
// and the signal is raised again so the process ends as the crash it is.
// At the next start reportPending() finds the trace, offers the problem
// report when a report server is set (else only logs it) and removes it.
class CrashHandler
{
public:
    // "crash-trace.txt" in the user's data folder; empty when there is none.
    static QString defaultTracePath();

    // Hooks SIGSEGV; the handler runs on a stack of its own, so a stack
    // overflow is caught as well (on the thread that installs it). False
    // when the path can't be used or the handler not installed.
    // Core dumps are switched off first (the keys are in memory), whatever
    // becomes of the handler.
    static bool install(const QString &tracePath = defaultTracePath());
    // No core file, and (outside the sanitizer builds) not dumpable.
    static void forbidCoreDumps();

    // Called once at start, with the event loop's application object in
    // place. When a trace is waiting: without a report server its lines go
    // to the log; with one, the problem box asks through the prompter and
    // Ok sends the report (one GET, within the report time-out). The trace
    // file is removed either way. True when a trace was found.
    static bool reportPending(const QString &tracePath = defaultTracePath());

    // The report's trace text made from a saved trace: a line per frame,
    // "index address name + offset" with the name demangled, or "index
    // address description" for a frame without a symbol name.
    static QString traceText(const QByteArray &saved);

private:
    CrashHandler() = delete;
};

#endif // CRASHHANDLER_H
