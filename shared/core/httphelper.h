#ifndef HTTPHELPER_H
#define HTTPHELPER_H

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>

class QNetworkProxy;
class QNetworkReply;
class QUrl;

// Runs one HTTP request at a time and keeps its outcome. Callers start a
// request, poll isRunning() while they keep the event loop turning, then read
// errorCode (0 for success) and responseText or errorText.
class HttpHelper : public QObject
{
    Q_OBJECT
public:
    explicit HttpHelper(QObject *parent = nullptr);
    ~HttpHelper() override;

    void doRequest(const QUrl &url);
    // POST of the form field "p" carrying data.
    void doPostRequest(const QUrl &url, QString data);
    // GET with HTTP Basic authentication.
    void doRequestAuth(QString url, QString user, QString password);

    // True from a start until the request's outcome has been recorded.
    bool isRunning() const;
    void setProxy(const QNetworkProxy &proxy);
    // Time-out in milliseconds of the requests started afterwards; 0 for none.
    void setTimeOut(quint64 ms);
    // Cancels a running request; its outcome is the cancellation error.
    void abort();
    // The largest answer taken; a longer one (announced or arriving) ends
    // the request with QNetworkReply::UnknownContentError. The answers asked
    // for here are a few KiB of text.
    static constexpr qint64 maxResponseBytes = 256 * 1024;

    QString responseText; // body of the last successful reply, up to a zero byte
    int errorCode = 0;    // QNetworkReply::NetworkError of the last request
    QString errorText;    // error text of the last failed request

public slots:
    void requestFinished(QNetworkReply *reply);

private slots:
    void on_TimeOut();

private:
    QNetworkRequest begin(const QUrl &url);
    void track(QNetworkReply *reply);

    QNetworkAccessManager manager;
    QNetworkReply *currentReply = nullptr;
    quint64 timeOut = 0;
    // One timer per helper, re-armed by every start, so the time-out of an
    // earlier request can never cut a later one short.
    QTimer timer;
};

#endif // HTTPHELPER_H
