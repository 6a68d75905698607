#ifndef UPDATEDOWNLOAD_H
#define UPDATEDOWNLOAD_H

#include <QFile>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// Fetches an update package into a fresh private folder made for it (mode
// 0700, in the system's temporary folder), writing it to disk as it arrives.
// Only https is fetched, or plain http from this machine; a redirect is
// followed at most maxRedirects times, resolved against the address it came
// from, never from https to anything else, and its own body is never written.
// A download that fails or is cancelled leaves nothing behind: its file and
// its folder are removed.
//
// An object serves one download.
class UpdateDownload : public QObject
{
    Q_OBJECT
public:
    enum Error {
        NoError,
        RefusedAddress,   // not https, nor http from this machine
        RefusedFileName,  // the address names no usable file
        CannotSave,       // no folder or file could be made for it
        NetworkFailure,   // the request failed (HTTP error status included)
        TooManyRedirects,
        InsecureRedirect, // a redirect from https to anything else
        TimedOut,         // nothing arrived for idleTimeOut()
        WriteFailed,
        Cancelled,
        TooLarge,         // more than maxPackageBytes arrived, or were announced
    };
    static constexpr int maxRedirects = 5;
    // An update package is a few tens of MiB: anything past this is not one,
    // and is never written on.
    static constexpr qint64 maxPackageBytes = qint64(512) << 20;

    explicit UpdateDownload(QObject *parent = nullptr);
    // A download still under way is abandoned and its file removed.
    ~UpdateDownload() override;

    // https anywhere, or http to this machine (127.0.0.0/8, ::1, localhost).
    static bool isAllowedAddress(const QUrl &url);
    // The last component of the address's decoded path.
    static QString fileNameOf(const QUrl &url);
    // False for "", ".", "..", and names holding "/" or control characters.
    static bool isSafeFileName(const QString &name);
    // An allowed address that names a usable file.
    static bool isAcceptableLink(const QUrl &url);

    // Longest wait for the next bytes, in milliseconds (60 s unless set).
    static int idleTimeOut();
    static void setIdleTimeOut(int ms);

    // Makes the folder and the file and sends the request. False, with
    // error() set and nothing made, when the address or its file name is
    // refused or nothing could be made; finished() then does not come.
    bool start(const QUrl &url);
    // Stops the download; finished() follows with Cancelled.
    void cancel();
    // Writes what the reply has to the file (the reply's readyRead does it).
    void writeAvailable();

    bool isRunning() const { return m_running; }
    // The package is whole on disk at filePath().
    bool isComplete() const { return m_complete; }
    Error error() const { return m_error; }
    QString errorText() const { return m_errorText; }
    QString folder() const { return m_folder; }
    QString filePath() const { return m_file.fileName(); }
    QUrl url() const { return m_url; }
    int redirectCount() const { return m_redirects; }

    // Removes the package file and, when nothing else is in it, its folder.
    void discard();

signals:
    void progress(qint64 received, qint64 total);
    // The download ended: complete, failed or cancelled (see error()).
    void finished();

private:
    void request(const QUrl &url);
    void onReplyFinished(QNetworkReply *reply);
    void fail(Error error, const QString &text);
    void failTooLarge();
    void dropReply();

    QNetworkAccessManager m_manager;
    QNetworkReply *m_reply = nullptr;
    QFile m_file;
    QString m_folder;
    QUrl m_url;
    int m_redirects = 0;
    Error m_error = NoError;
    QString m_errorText;
    bool m_running = false;
    bool m_complete = false;
    QTimer m_idle;
};

#endif // UPDATEDOWNLOAD_H
