#include "httphelper.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QUrl>

#include <limits>

HttpHelper::HttpHelper(QObject *parent) : QObject(parent)
{
    connect(&manager, &QNetworkAccessManager::finished, this, &HttpHelper::requestFinished);
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early
    connect(&timer, &QTimer::timeout, this, &HttpHelper::on_TimeOut);
}

HttpHelper::~HttpHelper()
{
    // The manager takes any pending reply with it; its completion must not
    // reach this half-destroyed object.
    disconnect(&manager, nullptr, this, nullptr);
    timer.stop();
    currentReply = nullptr;
}

void HttpHelper::doRequest(const QUrl &url)
{
    const QNetworkRequest request = begin(url);
    track(manager.get(request));
}

void HttpHelper::doPostRequest(const QUrl &url, QString data)
{
    QNetworkRequest request = begin(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    // Every byte but the unreserved ones encoded: a "+" or "&" in the data
    // must not read as a blank or a new field at the other end.
    track(manager.post(request, "p=" + QUrl::toPercentEncoding(data)));
}

void HttpHelper::doRequestAuth(QString url, QString user, QString password)
{
    QNetworkRequest request = begin(QUrl(url, QUrl::TolerantMode));
    const QByteArray credentials = (user + QLatin1Char(':') + password).toLatin1();
    request.setRawHeader("Authorization", "Basic " + credentials.toBase64());
    track(manager.get(request));
}

bool HttpHelper::isRunning() const
{
    // The reply is dropped only once its outcome is recorded, so a caller
    // that sees false can read the outcome at once.
    return currentReply != nullptr;
}

void HttpHelper::setProxy(const QNetworkProxy &proxy)
{
    manager.setProxy(proxy);
}

void HttpHelper::setTimeOut(quint64 ms)
{
    timeOut = ms;
}

void HttpHelper::abort()
{
    QNetworkReply *reply = currentReply;
    if (!reply || !reply->isRunning())
        return;
    timer.stop();
    reply->abort();
    if (currentReply == reply) {
        // The completion was not delivered during abort(): record the
        // cancellation here, or the request would pass for a success.
        errorCode = reply->error() != QNetworkReply::NoError ? int(reply->error())
                                                             : int(QNetworkReply::OperationCanceledError);
        errorText = reply->errorString();
        responseText.clear();
    }
    reply->deleteLater();
    currentReply = nullptr;
}

void HttpHelper::requestFinished(QNetworkReply *reply)
{
    if (!reply)
        return;
    if (reply != currentReply) {
        // A reply that was aborted or replaced: its outcome is already told.
        reply->deleteLater();
        return;
    }
    timer.stop();
    errorCode = int(reply->error());
    if (errorCode != QNetworkReply::NoError) {
        errorText = reply->errorString();
        responseText.clear();
    } else {
        const QByteArray body = reply->readAll();
        const int zero = body.indexOf('\0');
        responseText = QString::fromUtf8(zero < 0 ? body : body.left(zero));
    }
    reply->deleteLater();
    currentReply = nullptr;
}

void HttpHelper::on_TimeOut()
{
    QNetworkReply *reply = currentReply;
    if (!reply || !reply->isRunning())
        return;
    reply->abort();
    reply->deleteLater();
    currentReply = nullptr;
    // Set after the abort, so they replace what the cancelled reply recorded.
    errorCode = QNetworkReply::TimeoutError;
    errorText = tr("The connection to the remote server is timed out");
    responseText.clear();
}

QNetworkRequest HttpHelper::begin(const QUrl &url)
{
    // One request at a time: a request still under way is cancelled first, so
    // its completion can't land in the new outcome.
    abort();
    timer.stop();
    responseText.clear();
    errorText.clear();
    errorCode = 0;

    QNetworkRequest request(url);
    // Peer verification stays on: the same client fetches update packages
    // that get installed, so an unknown certificate must stop the request.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);
    return request;
}

void HttpHelper::track(QNetworkReply *reply)
{
    currentReply = reply;
    if (reply->isFinished()) {
        // Some failures finish the reply before it is handed over; record them
        // now, as the signal may already have gone by.
        requestFinished(reply);
        return;
    }
    if (timeOut != 0)
        timer.start(int(qMin<quint64>(timeOut, quint64(std::numeric_limits<int>::max()))));
    // Never held whole in memory past the cap, whatever the server sends or
    // announces.
    const auto refuse = [this, reply] {
        if (reply != currentReply)
            return;
        timer.stop();
        currentReply = nullptr;
        reply->abort();
        reply->deleteLater();
        errorCode = QNetworkReply::UnknownContentError;
        errorText = tr("The answer of the server is larger than %1 KiB").arg(maxResponseBytes / 1024);
        responseText.clear();
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, refuse] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxResponseBytes)
            refuse();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [refuse](qint64 received, qint64) {
        if (received > maxResponseBytes)
            refuse();
    });
}
