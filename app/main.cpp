#include "clock.h"
#include "crashhandler.h"
#include "largepages.h"
#include "mainwindow.h"
#include "single_application.h"
#include "tavlogging.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QSplashScreen>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

// How long the splash stays up.
constexpr int kSplashMs = 1800;

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// Whether the platform Qt will pick has a display to open. Qt ends the
// process with a long message and an abort when it has none.
bool hasDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const QByteArray name = platform ? QByteArray(platform).split(':').first() : QByteArray();
    if (name.isEmpty())
        return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
    if (name == "xcb")
        return isSet("DISPLAY");
    if (name.startsWith("wayland"))
        return isSet("WAYLAND_DISPLAY");
    return true; // offscreen, vnc, eglfs and the like need none
}

} // namespace

int main(int argc, char *argv[])
{
    LargePages::requestForHeap();
    Clock::settleTimeZone();
    if (!hasDisplay()) {
        std::fprintf(stderr, "kolvanevave: no display (set DISPLAY or WAYLAND_DISPLAY, or "
                             "QT_QPA_PLATFORM)\n");
        return 1;
    }

    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QCoreApplication::setApplicationName(QStringLiteral("KolvaneVave"));
    // One copy per user: two would write the same settings, vault list and
    // indexes over each other.
    SingleApplication app(argc, argv,
                          QStringLiteral("Kolvane Vave-") + QString::number(::getuid()));
    if (app.isRunning()) {
        app.sendMessage(QStringLiteral("show"));
        std::fprintf(stderr, "kolvanevave: KolvaneVave is already running for this user; "
                             "this copy ends and leaves it alone.\n");
        return 1;
    }

    CrashHandler::install();
    // A crash of the last run: offered as a report now, or only logged.
    CrashHandler::reportPending();

    Q_INIT_RESOURCE(mainwindow);
    {
        QPixmap picture(QStringLiteral(":/res/splash.png"));
        QSplashScreen splash(picture);
        splash.show();
        QElapsedTimer shown;
        shown.start();
        while (shown.elapsed() < kSplashMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            ::usleep(20000);
        }
        splash.close();
    }

    int code;
    {
        MainWindow window;
        if (window.quitRequested())
            return window.exitCode();
        QObject::connect(&app, &SingleApplication::messageAvailable, &window, [&window] {
            window.showNormal();
            window.raise();
            window.activateWindow();
        });
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        window.move(screen.x() + screen.width() / 2 - window.width() / 2,
                    screen.y() + screen.height() / 2 - window.height() / 2);
        window.show();
        code = app.exec();
    }
    return code;
}
