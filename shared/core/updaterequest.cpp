#include "updaterequest.h"

#include "httphelper.h"
#include "tavlogging.h"
#include "updatedownload.h"
#include "updateschedule.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDomDocument>
#include <QNetworkReply>
#include <QSysInfo>
#include <QThread>

namespace {
QUrl overrideUrl;
int timeOutMs = 30000;
UpdateRequest::Offer last;

QString firstText(const QDomDocument &doc, const QString &name)
{
    return doc.elementsByTagName(name).item(0).toElement().text();
}
} // namespace

QUrl UpdateRequest::baseUrl()
{
    if (!overrideUrl.isEmpty())
        return overrideUrl;
    if (!UpdateSchedule::hostConfigured())
        return QUrl();
    return QUrl(QStringLiteral("https://") + UpdateSchedule::host(), QUrl::StrictMode);
}

void UpdateRequest::setBaseUrl(const QUrl &url)
{
    overrideUrl = url;
}

bool UpdateRequest::available()
{
    return UpdateDownload::isAllowedAddress(baseUrl());
}

int UpdateRequest::timeOut()
{
    return timeOutMs;
}

void UpdateRequest::setTimeOut(int ms)
{
    timeOutMs = ms;
}

QString UpdateRequest::languageKey(const QString &language)
{
    return language.left(language.size() < 6 ? 2 : 5);
}

QUrl UpdateRequest::checkUrl(const QString &language, const QString &serial, const QString &pid,
                             const QString &vid)
{
    const QPair<const char *, QString> items[] = {
        {"ver", QStringLiteral(KV_VERSION)},
        {"os", QStringLiteral("linux")},
        {"lang", languageKey(language)},
        {"rel", QStringLiteral("corvale")},
        {"pid", pid},
        {"vid", vid},
        {"ser", serial},
        {"osver", QSysInfo::prettyProductName()},
    };
    QString query;
    for (const auto &item : items) {
        if (!query.isEmpty())
            query += QLatin1Char('&');
        query += QLatin1String(item.first) + QLatin1Char('=')
                 + QString::fromLatin1(QUrl::toPercentEncoding(item.second));
    }
    QUrl url = baseUrl();
    url.setPath(QStringLiteral("/software/checkforupdates.php"));
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

int UpdateRequest::parseReply(const QString &text, Offer *offer)
{
    QDomDocument doc;
    const bool parsed = doc.setContent(text, false);
    if (!parsed) {
        qDebug() << "setContent returned" << parsed;
        return NotXml;
    }
    Offer found;
    found.releaseNote = firstText(doc, QStringLiteral("ReleaseNote"));
    found.version = firstText(doc, QStringLiteral("version"));
    found.link = firstText(doc, QStringLiteral("url")).trimmed();
    // A link that could never be fetched is no offer: nothing to show.
    if (!UpdateDownload::isAcceptableLink(QUrl(found.link, QUrl::TolerantMode))) {
        LOG_INFO << "update reply without a usable package address:" << found.link;
        return NoOffer;
    }
    if (offer)
        *offer = found;
    return Found;
}

int UpdateRequest::check(const QUrl &url, const std::function<void(int)> &onPoll)
{
    if (!UpdateDownload::isAllowedAddress(url)) {
        LOG_ERROR << "update check refused for" << url.toString();
        return Failed;
    }
    HttpHelper http;
    http.setTimeOut(quint64(qMax(timeOutMs, 1)));
    http.doRequest(url);
    int poll = 0;
    while (http.isRunning()) {
        if (onPoll)
            onPoll(++poll);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(5);
    }
    if (http.errorCode == QNetworkReply::ProxyConnectionRefusedError)
        return ProxyRefused;
    if (http.errorCode != QNetworkReply::NoError) {
        LOG_INFO << "update check failed:" << http.errorCode << http.errorText;
        return Failed;
    }
    Offer offer;
    const int result = parseReply(http.responseText, &offer);
    if (result == Found)
        last = offer;
    return result;
}

UpdateRequest::Offer UpdateRequest::lastOffer()
{
    return last;
}
