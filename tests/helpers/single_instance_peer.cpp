// Starts the application object under a key, says whether another instance
// runs, and passes a message to it.
// Usage: single_instance_peer <key> send [message] | <key> abandon
#include "single_application.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 64;
    const QString key = QString::fromLocal8Bit(argv[1]);
    const bool abandon = std::strcmp(argv[2], "abandon") == 0;
    const QString message = argc > 3 ? QString::fromUtf8(argv[3]) : QString();
    const bool hasMessage = argc > 3;

    SingleApplication app(argc, argv, key);
    std::printf("running=%d\n", app.isRunning() ? 1 : 0);
    if (hasMessage)
        std::printf("sent=%d\n", app.sendMessage(message) ? 1 : 0);
    std::fflush(stdout);
    if (abandon)
        std::_Exit(0); // ends without detaching, as a crash would
    return 0;
}
