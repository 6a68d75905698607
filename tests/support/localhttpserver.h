#ifndef LOCALHTTPSERVER_H
#define LOCALHTTPSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for tests, run by the test's own event
// loop. It records every request and answers each with the configured reply,
// after an optional delay, or not at all when silent. With a certificate and
// key it speaks TLS.
class LocalHttpServer : public QTcpServer
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray target; // as sent: path and query, or a full URL to a proxy
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;

        QByteArray header(const QByteArray &name) const; // case-insensitive
        QByteArray path() const;                         // target up to "?"
        QByteArray rawQuery() const;                     // target after "?"
    };

    // A reply of its own for one path, in place of the configured one.
    struct Route
    {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers; // e.g. {"Location", "/next"}
        bool noLength = false; // no Content-Length: the body ends with the connection
        int sendBytes = -1;    // >= 0: only this much of the body is sent, then...
        bool hold = false;     // ...the connection stays open (else it is cut)
    };

    explicit LocalHttpServer(QObject *parent = nullptr);

    // Listens on 127.0.0.1 at a free port; plain HTTP.
    bool start();
    // The same over TLS with this certificate and key.
    bool startTls(const QSslCertificate &certificate, const QSslKey &key);

    // "http(s)://127.0.0.1:port" + path.
    QUrl url(const QString &path = QStringLiteral("/")) const;

    void setReply(int status, const QByteArray &body);
    void setDelay(int ms);        // wait this long before answering
    void setSilent(bool silent); // read requests, never answer
    void setRoute(const QByteArray &path, const Route &route);

    QList<Request> requests() const { return m_requests; }
    int tlsErrorCount() const { return m_tlsErrors; } // handshakes the server saw fail

signals:
    void requestReceived();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void readFrom(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QByteArray &path);

    bool m_tls = false;
    QSslCertificate m_certificate;
    QSslKey m_key;
    int m_status = 200;
    QByteArray m_body;
    int m_delay = 0;
    bool m_silent = false;
    QHash<QByteArray, Route> m_routes;
    QList<Request> m_requests;
    int m_tlsErrors = 0;
};

// A port on 127.0.0.1 where nothing listens, for refused connections.
quint16 closedLocalPort();

#endif // LOCALHTTPSERVER_H
