#include "updatedownload.h"

#include "tavlogging.h"

#include <QDir>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>

namespace {
int idleMs = 60000;

bool isRedirectStatus(int status)
{
    return status >= 300 && status < 400;
}

int statusOf(QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}
} // namespace

UpdateDownload::UpdateDownload(QObject *parent) : QObject(parent)
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this,
            [this] { fail(TimedOut, tr("The server did not answer in time")); });
    connect(&m_manager, &QNetworkAccessManager::finished, this, &UpdateDownload::onReplyFinished);
}

UpdateDownload::~UpdateDownload()
{
    disconnect(&m_manager, nullptr, this, nullptr);
    m_idle.stop();
    dropReply();
    if (!m_complete && !m_folder.isEmpty())
        discard();
}

bool UpdateDownload::isAllowedAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    const QString host = url.host().toLower();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

QString UpdateDownload::fileNameOf(const QUrl &url)
{
    const QString path = url.path(QUrl::FullyDecoded);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool UpdateDownload::isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool UpdateDownload::isAcceptableLink(const QUrl &url)
{
    return isAllowedAddress(url) && isSafeFileName(fileNameOf(url));
}

int UpdateDownload::idleTimeOut()
{
    return idleMs;
}

void UpdateDownload::setIdleTimeOut(int ms)
{
    idleMs = ms;
}

bool UpdateDownload::start(const QUrl &url)
{
    if (m_running || !m_folder.isEmpty()) {
        m_error = CannotSave;
        m_errorText = tr("A download is already under way");
        return false;
    }
    m_url = url;
    if (!isAllowedAddress(url)) {
        m_error = RefusedAddress;
        m_errorText = tr("The address %1 is not a secure one").arg(url.toString());
        return false;
    }
    const QString name = fileNameOf(url);
    if (!isSafeFileName(name)) {
        m_error = RefusedFileName;
        m_errorText = tr("The address %1 names no file").arg(url.toString());
        return false;
    }

    // A folder of our own, made new, so no one else's file can be in the way
    // or be replaced.
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kolvane-update-XXXXXX"));
    if (!dir.isValid()) {
        m_error = CannotSave;
        m_errorText = dir.errorString();
        return false;
    }
    dir.setAutoRemove(false);
    m_folder = dir.path();
    m_file.setFileName(m_folder + QLatin1Char('/') + name);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        m_error = CannotSave;
        m_errorText = m_file.errorString();
        QDir().rmdir(m_folder);
        m_folder.clear();
        return false;
    }
    LOG_INFO << "Download file name set to" << m_file.fileName();
    m_error = NoError;
    m_errorText.clear();
    m_running = true;
    request(url);
    return true;
}

void UpdateDownload::request(const QUrl &url)
{
    m_url = url;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    // Peer verification on: what arrives here gets installed.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateDownload::writeAvailable);
    // The announced size decides before any byte of the body is taken.
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        if (m_reply && !isRedirectStatus(statusOf(m_reply))
            && m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxPackageBytes)
            failTooLarge();
    });
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64 total) {
                m_idle.start(qMax(idleMs, 1));
                if (m_reply && !isRedirectStatus(statusOf(m_reply)))
                    emit progress(received, total);
            });
    m_idle.start(qMax(idleMs, 1));
}

void UpdateDownload::writeAvailable()
{
    if (!m_reply || !m_file.isOpen())
        return;
    m_idle.start(qMax(idleMs, 1));
    const QByteArray chunk = m_reply->readAll();
    // Only the body of the package itself: a redirect's or an error page's
    // bytes are read and dropped.
    const int status = statusOf(m_reply);
    if (status < 200 || status >= 300 || chunk.isEmpty())
        return;
    if (m_file.size() + chunk.size() > maxPackageBytes) {
        failTooLarge();
        return;
    }
    if (m_file.write(chunk) != chunk.size())
        fail(WriteFailed, m_file.errorString());
}

void UpdateDownload::onReplyFinished(QNetworkReply *reply)
{
    if (reply != m_reply) {
        reply->deleteLater();
        return;
    }
    m_idle.stop();
    writeAvailable();
    if (!m_running)
        return; // the write failed and said so

    if (reply->error() != QNetworkReply::NoError) {
        fail(NetworkFailure, reply->errorString());
        return;
    }
    const int status = statusOf(reply);
    if (isRedirectStatus(status)) {
        const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        if (!target.isValid() || target.isEmpty()) {
            fail(NetworkFailure, tr("Redirected without a new address"));
            return;
        }
        const QUrl next = m_url.resolved(target);
        if (++m_redirects > maxRedirects) {
            fail(TooManyRedirects, tr("Too many redirections"));
            return;
        }
        if (m_url.scheme().toLower() == QLatin1String("https")
            && next.scheme().toLower() != QLatin1String("https")) {
            fail(InsecureRedirect, tr("Redirected from a secure address to %1").arg(next.toString()));
            return;
        }
        if (!isAllowedAddress(next)) {
            fail(RefusedAddress, tr("The address %1 is not a secure one").arg(next.toString()));
            return;
        }
        LOG_INFO << "update download redirected to" << next.toString();
        dropReply();
        request(next);
        return;
    }
    if (status < 200 || status >= 300) {
        fail(NetworkFailure, tr("The server answered %1").arg(status));
        return;
    }

    dropReply();
    const bool flushed = m_file.flush();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError) {
        fail(WriteFailed, m_file.errorString());
        return;
    }
    m_running = false;
    m_complete = true;
    emit finished();
}

void UpdateDownload::cancel()
{
    if (m_running)
        fail(Cancelled, tr("Cancelled"));
}

void UpdateDownload::failTooLarge()
{
    fail(TooLarge, tr("The package is larger than %1 MiB").arg(maxPackageBytes >> 20));
}

void UpdateDownload::fail(Error error, const QString &text)
{
    if (!m_running)
        return;
    LOG_ERROR << "update download failed:" << text;
    m_error = error;
    m_errorText = text;
    m_running = false;
    m_idle.stop();
    dropReply();
    discard();
    emit finished();
}

void UpdateDownload::dropReply()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}

void UpdateDownload::discard()
{
    if (m_file.isOpen())
        m_file.close();
    if (!m_file.fileName().isEmpty() && QFile::exists(m_file.fileName())
        && !QFile::remove(m_file.fileName()))
        LOG_ERROR << "could not remove" << m_file.fileName();
    // Never more than the empty folder: whatever else is in it stays.
    if (!m_folder.isEmpty())
        QDir().rmdir(m_folder);
    m_complete = false;
}
