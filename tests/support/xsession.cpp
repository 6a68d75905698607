#include "xsession.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kPollMs = 100;

} // namespace

XSession::XSession() = default;

XSession::~XSession()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
}

bool XSession::toolsPresent(QString *missing)
{
    QStringList absent;
    for (const char *tool : {"Xvfb", "xdotool", "xprop", "import"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            absent << QString::fromLatin1(tool);
    }
    if (missing)
        *missing = absent.join(QStringLiteral(", "));
    return absent.isEmpty();
}

bool XSession::start(int width, int height)
{
    // The server picks a free display itself and writes its number to the
    // descriptor given: no race with other servers on the machine.
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(width).arg(height), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_server.waitForStarted(10000)) {
        m_error = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
        return false;
    }
    QByteArray said;
    QElapsedTimer timer;
    timer.start();
    while (!said.contains('\n') && timer.elapsed() < 20000 && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(kPollMs);
        said += m_server.readAllStandardOutput();
    }
    bool ok = false;
    const int number = said.trimmed().toInt(&ok);
    if (!ok) {
        m_error = QStringLiteral("Xvfb gave no display number: ") + QString::fromLocal8Bit(said)
                  + QString::fromLocal8Bit(m_server.readAllStandardError());
        return false;
    }
    m_display = QStringLiteral(":%1").arg(number);
    return true;
}

QProcessEnvironment XSession::environment(QProcessEnvironment base) const
{
    base.insert(QStringLiteral("DISPLAY"), m_display);
    base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    base.remove(QStringLiteral("WAYLAND_DISPLAY"));
    base.remove(QStringLiteral("XAUTHORITY"));
    return base;
}

bool XSession::run(const QString &program, const QStringList &args, QByteArray *out, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
    process.start(program, args);
    m_lastCall = program + QLatin1Char(' ') + args.join(QLatin1Char(' '));
    if (!process.waitForStarted(10000))
        return false;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        m_lastCall += QStringLiteral(" (timed out)");
        return false;
    }
    const QByteArray output = process.readAllStandardOutput();
    if (out)
        *out = output;
    const QByteArray errors = process.readAllStandardError();
    if (!errors.isEmpty())
        m_lastCall += QStringLiteral(" -> ") + QString::fromLocal8Bit(errors).trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList XSession::windows(const QString &title)
{
    QByteArray out;
    // Exit code 1 only says that nothing matched.
    run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title},
        &out);
    QStringList ids;
    for (const QByteArray &line : out.split('\n')) {
        if (!line.trimmed().isEmpty())
            ids << QString::fromLatin1(line.trimmed());
    }
    return ids;
}

QString XSession::owner(const QString &window)
{
    QByteArray out;
    run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("WM_TRANSIENT_FOR")}, &out);
    // "WM_TRANSIENT_FOR(WINDOW): window id # 0x200010"
    const int hash = out.indexOf("# 0x");
    if (hash < 0)
        return QString();
    bool ok = false;
    const qulonglong id = out.mid(hash + 4).trimmed().toULongLong(&ok, 16);
    return ok ? QString::number(id) : QString();
}

QString XSession::waitForWindow(const QString &title, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const QStringList ids = windows(title);
        if (!ids.isEmpty())
            return ids.last();
        if (timer.elapsed() > timeoutMs)
            return QString();
        QThread::msleep(kPollMs);
    }
}

bool XSession::waitForNoWindow(const QString &title, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!windows(title).isEmpty()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

bool XSession::focus(const QString &window)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowraise"), window});
    return run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}, nullptr,
               10000);
}

bool XSession::type(const QString &text)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                                           QStringLiteral("--"), text});
}

bool XSession::key(const QStringList &keys)
{
    return run(QStringLiteral("xdotool"),
               QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("--")}
                   + keys);
}

bool XSession::click(const QString &window, int x, int y)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"),
                                           window, QString::number(x), QString::number(y), QStringLiteral("click"),
                                           QStringLiteral("1")});
}

bool XSession::drag(const QString &window, const QPoint &from, const QPoint &to)
{
    QStringList args{QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(from.x()),
                     QString::number(from.y()), QStringLiteral("mousedown"), QStringLiteral("1")};
    // Past the drag distance first, then on in steps, so the drop target
    // hears the pointer arrive.
    for (int step = 1; step <= 8; ++step) {
        const QPoint at = from + (to - from) * step / 8;
        args << QStringLiteral("sleep") << QStringLiteral("0.15") << QStringLiteral("mousemove")
             << QStringLiteral("--window") << window << QString::number(at.x()) << QString::number(at.y());
    }
    args << QStringLiteral("sleep") << QStringLiteral("0.5") << QStringLiteral("mouseup") << QStringLiteral("1");
    return run(QStringLiteral("xdotool"), args);
}

QString XSession::focusedTitle()
{
    QByteArray out;
    run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")}, &out);
    return QString::fromUtf8(out).trimmed();
}

QImage XSession::grab(const QString &window)
{
    QByteArray png;
    if (!run(QStringLiteral("import"), {QStringLiteral("-window"), window, QStringLiteral("png:-")}, &png, 30000))
        return QImage();
    return QImage::fromData(png, "PNG");
}

bool XSession::screenshot(const QString &path)
{
    return run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path}, nullptr, 30000);
}
