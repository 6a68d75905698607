#ifndef XSESSION_H
#define XSESSION_H

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPoint>
#include <QString>
#include <QStringList>

// A private X display (Xvfb on a free display number, no window manager) and
// the hands of a person in front of it: xdotool finds windows by their
// titles, gives them the keyboard focus, types and presses keys; ImageMagick
// takes pictures of the screen. For tests that drive the real program from
// outside, with no hooks inside it.
class XSession
{
public:
    XSession();
    ~XSession(); // ends the display
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Xvfb, xdotool and import are installed.
    static bool toolsPresent(QString *missing);

    // Starts the display; false with errorString() when it does not come up.
    bool start(int width = 1280, int height = 800);
    QString display() const { return m_display; }
    QString errorString() const { return m_error; }

    // `base` with DISPLAY set to this display and Qt told to use it.
    QProcessEnvironment environment(QProcessEnvironment base) const;

    // The ids of the visible windows whose title matches the regular
    // expression, newest last.
    QStringList windows(const QString &title);
    // The window it says it belongs to (WM_TRANSIENT_FOR), as a decimal id
    // like the others; empty when none.
    QString owner(const QString &window);
    // Polls until a visible window with that title exists; its id, or empty
    // after the time-out.
    QString waitForWindow(const QString &title, int timeoutMs = 20000);
    // Polls until no visible window has that title.
    bool waitForNoWindow(const QString &title, int timeoutMs = 20000);
    // Gives the window the keyboard focus and raises it (there is no window
    // manager to activate it).
    bool focus(const QString &window);
    // Types text as key presses into the focused window.
    bool type(const QString &text);
    // Presses keys or chords in turn ("Return", "ctrl+a", "Tab").
    bool key(const QStringList &keys);
    // A left click at a point of the window (relative to its top left).
    bool click(const QString &window, int x, int y);
    // A drag with the left button held, as a hand makes it: pressed at one
    // point of the window, moved in steps, released at the other.
    bool drag(const QString &window, const QPoint &from, const QPoint &to);
    // The title of the window that has the focus.
    QString focusedTitle();
    // A picture of one window as it is on the screen; null when it can't be had.
    QImage grab(const QString &window);
    // The whole screen into a PNG file.
    bool screenshot(const QString &path);

    // The last xdotool call's arguments and output, for failure messages.
    QString lastCall() const { return m_lastCall; }

private:
    bool run(const QString &program, const QStringList &args, QByteArray *out = nullptr, int timeoutMs = 20000);

    QProcess m_server;
    QString m_display;
    QString m_error;
    QString m_lastCall;
};

#endif // XSESSION_H
