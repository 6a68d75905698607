// Installs the crash handler and then crashes, so a test can look at the
// trace it leaves. Usage: crash_helper <trace file> segv|overflow|exit|limits
// ("limits" prints the core-file limit and whether the process is dumpable).
#include "crashhandler.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace {

int *volatile nowhere = nullptr;

// Not instrumented: under the undefined-behaviour sanitizer the store would
// be reported and the program ended before the fault this helper is about.
__attribute__((noinline, no_sanitize("undefined"))) void writeThroughNull()
{
    *nowhere = 42;
}

// Deep enough to exhaust any stack; the depth comes from outside so the
// compiler can't see an end to it.
__attribute__((noinline)) int recurse(long depth)
{
    volatile char frame[4096];
    frame[0] = char(depth);
    if (depth > 0)
        frame[1] = char(recurse(depth - 1));
    return frame[0] + frame[1];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 64;
    if (!CrashHandler::install(QString::fromLocal8Bit(argv[1])))
        return 65;
    std::printf("installed\n");
    std::fflush(stdout);

    if (std::strcmp(argv[2], "segv") == 0)
        writeThroughNull();
    else if (std::strcmp(argv[2], "overflow") == 0)
        return recurse(std::atol("1000000000")) == 7 ? 1 : 2;
    else if (std::strcmp(argv[2], "limits") == 0) {
        struct rlimit core {};
        ::getrlimit(RLIMIT_CORE, &core);
        std::printf("core %llu %llu dumpable %d\n", (unsigned long long)core.rlim_cur,
                    (unsigned long long)core.rlim_max, ::prctl(PR_GET_DUMPABLE, 0, 0, 0, 0));
        return 0;
    }
    else if (std::strcmp(argv[2], "exit") != 0)
        return 64;
    return 0;
}
