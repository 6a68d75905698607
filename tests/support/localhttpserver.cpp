#include "localhttpserver.h"

#include <QHostAddress>
#include <QPointer>
#include <QSslSocket>
#include <QTimer>

QByteArray LocalHttpServer::Request::header(const QByteArray &name) const
{
    for (const auto &h : headers)
        if (h.first.toLower() == name.toLower())
            return h.second;
    return QByteArray();
}

QByteArray LocalHttpServer::Request::path() const
{
    const int mark = target.indexOf('?');
    return mark < 0 ? target : target.left(mark);
}

QByteArray LocalHttpServer::Request::rawQuery() const
{
    const int mark = target.indexOf('?');
    return mark < 0 ? QByteArray() : target.mid(mark + 1);
}

LocalHttpServer::LocalHttpServer(QObject *parent) : QTcpServer(parent) {}

bool LocalHttpServer::start()
{
    m_tls = false;
    return listen(QHostAddress(QHostAddress::LocalHost), 0);
}

bool LocalHttpServer::startTls(const QSslCertificate &certificate, const QSslKey &key)
{
    m_tls = true;
    m_certificate = certificate;
    m_key = key;
    return listen(QHostAddress(QHostAddress::LocalHost), 0);
}

QUrl LocalHttpServer::url(const QString &path) const
{
    QUrl u;
    u.setScheme(m_tls ? QStringLiteral("https") : QStringLiteral("http"));
    u.setHost(QStringLiteral("127.0.0.1"));
    u.setPort(serverPort());
    u.setPath(path);
    return u;
}

void LocalHttpServer::setReply(int status, const QByteArray &body)
{
    m_status = status;
    m_body = body;
}

void LocalHttpServer::setDelay(int ms)
{
    m_delay = ms;
}

void LocalHttpServer::setSilent(bool silent)
{
    m_silent = silent;
}

void LocalHttpServer::setRoute(const QByteArray &path, const Route &route)
{
    m_routes.insert(path, route);
}

void LocalHttpServer::incomingConnection(qintptr descriptor)
{
    QTcpSocket *socket = nullptr;
    if (m_tls) {
        auto *tls = new QSslSocket(this);
        if (!tls->setSocketDescriptor(descriptor)) {
            delete tls;
            return;
        }
        tls->setLocalCertificate(m_certificate);
        tls->setPrivateKey(m_key);
        tls->setPeerVerifyMode(QSslSocket::VerifyNone);
        connect(tls, QOverload<const QList<QSslError> &>::of(&QSslSocket::sslErrors), this,
                [this] { ++m_tlsErrors; });
        connect(tls, &QAbstractSocket::errorOccurred, this, [this, tls] {
            if (!tls->isEncrypted())
                ++m_tlsErrors;
        });
        tls->startServerEncryption();
        socket = tls;
    } else {
        socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
    }
    socket->setProperty("buffer", QByteArray());
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void LocalHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    for (;;) {
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            break;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        Request request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        int length = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon < 0)
                continue;
            const QByteArray name = lines[i].left(colon).trimmed();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            request.headers.append({name, value});
            if (name.toLower() == "content-length")
                length = value.toInt();
        }
        if (buffer.size() < end + 4 + length)
            break;
        request.body = buffer.mid(end + 4, length);
        buffer.remove(0, end + 4 + length);
        m_requests.append(request);
        emit requestReceived();
        if (m_silent)
            continue;
        QPointer<QTcpSocket> guarded(socket);
        const QByteArray path = request.path();
        if (m_delay > 0)
            QTimer::singleShot(m_delay, this, [this, guarded, path] {
                if (guarded)
                    answer(guarded, path);
            });
        else
            answer(socket, path);
    }
    socket->setProperty("buffer", buffer);
}

void LocalHttpServer::answer(QTcpSocket *socket, const QByteArray &path)
{
    if (m_routes.contains(path)) {
        const Route route = m_routes.value(path);
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " Status\r\n"
                          + "Content-Type: application/octet-stream\r\n";
        if (!route.noLength)
            head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
        for (const auto &h : route.headers)
            head += h.first + ": " + h.second + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket->write(head + (route.sendBytes < 0 ? route.body : route.body.left(route.sendBytes)));
        if (route.sendBytes >= 0 && route.hold)
            return;
        socket->disconnectFromHost(); // with sendBytes, short of the length it told
        return;
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(m_status)
                       + (m_status == 200 ? " OK" : m_status == 404 ? " Not Found" : " Status")
                       + "\r\nContent-Type: text/plain\r\nContent-Length: "
                       + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n"
                       + m_body;
    socket->write(reply);
    socket->disconnectFromHost();
}

quint16 closedLocalPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress(QHostAddress::LocalHost), 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
