#include "httphelper.h"
#include "localhttpserver.h"
#include "testcertificate.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSslSocket>
#include <QThread>
#include <QtTest>

namespace {

// Polls the way the program does: a pass of the event loop, a short sleep.
bool pollUntilDone(HttpHelper &http, int limitMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (http.isRunning()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// Form-encoded text as a server decodes it: "+" is a blank.
QString formDecode(QByteArray text)
{
    text.replace('+', ' ');
    return QUrl::fromPercentEncoding(text);
}

const char kTimedOut[] = "The connection to the remote server is timed out";

} // namespace

class TestHttpHelper : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void newHelperIsIdle();
    void replyBodyBecomesResponseText_data();
    void replyBodyBecomesResponseText();
    void failedRequestKeepsErrorAndNoBody_data();
    void failedRequestKeepsErrorAndNoBody();
    void answerPastTheCapIsRefused_data();
    void answerPastTheCapIsRefused();
    void silentServerTimesOut();
    void answerInTimeIsNotTouchedByTimer();
    void abortEndsRunningRequest();
    void reuseClearsPreviousOutcome();
    void earlierTimerDoesNotCutLaterRequest();
    void postSendsFormFieldIntact();
    void authSendsBasicHeader_data();
    void authSendsBasicHeader();
    void proxyCarriesRequest();
    void untrustedCertificateIsRefused();
    void trustedCertificateIsAccepted();
    void destroyedWhileRunning();
};

void TestHttpHelper::initTestCase()
{
    // Only the servers these tests start are ever asked.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestHttpHelper::newHelperIsIdle()
{
    HttpHelper http;
    QVERIFY(!http.isRunning());
    QCOMPARE(http.errorCode, 0);
    QVERIFY(http.responseText.isEmpty());
    QVERIFY(http.errorText.isEmpty());
}

void TestHttpHelper::replyBodyBecomesResponseText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii") << QByteArray("<update version=\"6.0.5\"/>") << "<update version=\"6.0.5\"/>";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("up to zero byte") << QByteArray("before\0after", 12) << "before";
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac") << QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac");
    QTest::newRow("latin-1 read as utf-8") << QByteArray("caf\xe9!") << QString::fromUtf8("caf\xef\xbf\xbd!");
}

void TestHttpHelper::replyBodyBecomesResponseText()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setReply(200, body);

    HttpHelper http;
    QUrl url = server.url(QStringLiteral("/software/checkforupdates.php"));
    url.setQuery(QStringLiteral("ver=6.0.4&os=Linux"));
    http.doRequest(url);
    QVERIFY(http.isRunning());
    QVERIFY(pollUntilDone(http));

    QCOMPARE(http.errorCode, 0);
    QCOMPARE(http.responseText, expected);
    QVERIFY(http.errorText.isEmpty());
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().at(0).method, QByteArray("GET"));
    QCOMPARE(server.requests().at(0).target, QByteArray("/software/checkforupdates.php?ver=6.0.4&os=Linux"));
}

void TestHttpHelper::answerPastTheCapIsRefused_data()
{
    QTest::addColumn<bool>("announced"); // only the length says so; the body never ends
    QTest::newRow("arriving") << false;
    QTest::newRow("announced") << true;
}

// A server (or whoever answers in its place) that sends more than an
// answer's worth is cut off, never read whole into memory.
void TestHttpHelper::answerPastTheCapIsRefused()
{
    QFETCH(bool, announced);
    LocalHttpServer server;
    QVERIFY(server.start());
    LocalHttpServer::Route route;
    route.body = QByteArray(int(HttpHelper::maxResponseBytes) + 4096, 'x');
    if (announced) {
        route.noLength = true;
        route.headers << qMakePair(QByteArray("Content-Length"), QByteArray::number(qint64(1) << 40));
        route.sendBytes = 100;
        route.hold = true;
    }
    server.setRoute("/software/checkforupdates.php", route);

    HttpHelper http;
    http.setTimeOut(20000);
    http.doRequest(server.url(QStringLiteral("/software/checkforupdates.php")));
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, int(QNetworkReply::UnknownContentError));
    QCOMPARE(http.errorText, QString("The answer of the server is larger than 256 KiB"));
    QVERIFY(http.responseText.isEmpty());
}

void TestHttpHelper::failedRequestKeepsErrorAndNoBody_data()
{
    QTest::addColumn<int>("status"); // 0: nothing listens
    QTest::addColumn<int>("code");
    QTest::newRow("404") << 404 << int(QNetworkReply::ContentNotFoundError);
    QTest::newRow("500") << 500 << int(QNetworkReply::InternalServerError);
    QTest::newRow("refused") << 0 << int(QNetworkReply::ConnectionRefusedError);
}

void TestHttpHelper::failedRequestKeepsErrorAndNoBody()
{
    QFETCH(int, status);
    QFETCH(int, code);
    LocalHttpServer server;
    QUrl url;
    if (status != 0) {
        QVERIFY(server.start());
        server.setReply(status, "an error page that must not pass for a reply");
        url = server.url(QStringLiteral("/missing"));
    } else {
        const quint16 port = closedLocalPort();
        QVERIFY(port != 0);
        url = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    }

    HttpHelper http;
    http.doRequest(url);
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, code);
    QVERIFY(!http.errorText.isEmpty());
    QVERIFY(http.responseText.isEmpty());
}

void TestHttpHelper::silentServerTimesOut()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setSilent(true);

    HttpHelper http;
    http.setTimeOut(300);
    QElapsedTimer clock;
    clock.start();
    http.doRequest(server.url());
    QVERIFY(pollUntilDone(http));
    QVERIFY2(clock.elapsed() >= 290, "ended before its time-out");
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(http.errorCode, int(QNetworkReply::TimeoutError));
    QCOMPARE(http.errorText, QString::fromLatin1(kTimedOut));
    QVERIFY(http.responseText.isEmpty());
}

void TestHttpHelper::answerInTimeIsNotTouchedByTimer()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setReply(200, "in time");

    HttpHelper http;
    http.setTimeOut(200);
    http.doRequest(server.url());
    QVERIFY(pollUntilDone(http));
    QTest::qWait(400); // well past the time-out
    QCOMPARE(http.errorCode, 0);
    QCOMPARE(http.responseText, QStringLiteral("in time"));
    QVERIFY(http.errorText.isEmpty());
}

void TestHttpHelper::abortEndsRunningRequest()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setSilent(true);

    HttpHelper http; // no time-out: only abort() can end this request
    http.abort();    // nothing running: nothing happens
    QCOMPARE(http.errorCode, 0);

    http.doRequest(server.url());
    QTRY_COMPARE(server.requests().size(), 1);
    QTest::qWait(200);
    QVERIFY(http.isRunning());

    http.abort();
    QVERIFY(!http.isRunning());
    QCOMPARE(http.errorCode, int(QNetworkReply::OperationCanceledError));
    QVERIFY(!http.errorText.isEmpty());
    QVERIFY(http.responseText.isEmpty());
    QTest::qWait(50); // the cancelled reply's late events change nothing
    QCOMPARE(http.errorCode, int(QNetworkReply::OperationCanceledError));
}

void TestHttpHelper::reuseClearsPreviousOutcome()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    HttpHelper http;

    server.setReply(404, "gone");
    http.doRequest(server.url(QStringLiteral("/first")));
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, int(QNetworkReply::ContentNotFoundError));

    server.setReply(200, "second");
    http.doRequest(server.url(QStringLiteral("/second")));
    QCOMPARE(http.errorCode, 0);            // cleared at the start,
    QVERIFY(http.errorText.isEmpty());      // before the request runs
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.responseText, QStringLiteral("second"));

    server.setReply(404, "gone again");
    http.doRequest(server.url(QStringLiteral("/third")));
    QVERIFY(http.responseText.isEmpty());
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, int(QNetworkReply::ContentNotFoundError));
    QVERIFY(http.responseText.isEmpty());

    QCOMPARE(server.requests().size(), 3);
    QCOMPARE(server.requests().at(2).target, QByteArray("/third"));
}

void TestHttpHelper::earlierTimerDoesNotCutLaterRequest()
{
    // The first request's time-out would fall in the middle of the second
    // request, which is well inside its own time-out.
    LocalHttpServer fast;
    QVERIFY(fast.start());
    fast.setReply(200, "fast");
    LocalHttpServer slow;
    QVERIFY(slow.start());
    slow.setReply(200, "slow");
    slow.setDelay(700);

    HttpHelper http;
    http.setTimeOut(1000);
    http.doRequest(fast.url());
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.responseText, QStringLiteral("fast"));
    QTest::qWait(500);

    http.doRequest(slow.url());
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, 0);
    QCOMPARE(http.responseText, QStringLiteral("slow"));
}

void TestHttpHelper::postSendsFormFieldIntact()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setReply(200, "ok");
    const QString data = QString::fromUtf8("a&b=c d+e#f%20 caf\xc3\xa9");

    HttpHelper http;
    http.doPostRequest(server.url(QStringLiteral("/post")), data);
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, 0);
    QCOMPARE(http.responseText, QStringLiteral("ok"));

    const LocalHttpServer::Request request = server.requests().value(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QVERIFY2(request.body.startsWith("p="), request.body.constData());
    QVERIFY2(!request.body.mid(2).contains('&') && !request.body.mid(2).contains('='),
             request.body.constData());
    QCOMPARE(formDecode(request.body.mid(2)), data);
}

void TestHttpHelper::authSendsBasicHeader_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("header");
    // Expected values computed outside this code (RFC 7617 and Python's base64).
    QTest::newRow("rfc example") << "Aladdin" << "open sesame"
                                 << QByteArray("Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
    QTest::newRow("latin-1") << "user" << QString::fromUtf8("p\xc3\xa4ssword")
                             << QByteArray("Basic dXNlcjpw5HNzd29yZA==");
}

void TestHttpHelper::authSendsBasicHeader()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QByteArray, header);
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setReply(200, "welcome");

    HttpHelper http;
    http.doRequestAuth(server.url(QStringLiteral("/private")).toString(), user, password);
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.responseText, QStringLiteral("welcome"));
    QCOMPARE(server.requests().value(0).method, QByteArray("GET"));
    QCOMPARE(server.requests().value(0).header("Authorization"), header);
}

void TestHttpHelper::proxyCarriesRequest()
{
    LocalHttpServer proxy;
    QVERIFY(proxy.start());
    proxy.setReply(200, "through the proxy");

    HttpHelper http;
    http.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.serverPort()));
    // The host is never resolved: the proxy receives the whole URL.
    http.doRequest(QUrl(QStringLiteral("http://updates.invalid/software/checkforupdates.php?ver=1")));
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, 0);
    QCOMPARE(http.responseText, QStringLiteral("through the proxy"));
    QCOMPARE(proxy.requests().value(0).target,
             QByteArray("http://updates.invalid/software/checkforupdates.php?ver=1"));
}

void TestHttpHelper::untrustedCertificateIsRefused()
{
    QVERIFY(QSslSocket::supportsSsl());
    TestCertificate certificate;
    QVERIFY2(certificate.make(), qPrintable(certificate.errorText));
    LocalHttpServer server;
    QVERIFY(server.startTls(certificate.certificate, certificate.key));
    server.setReply(200, "an update package nobody vouched for");

    HttpHelper http;
    http.doRequest(server.url(QStringLiteral("/package")));
    QVERIFY(pollUntilDone(http));
    QCOMPARE(http.errorCode, int(QNetworkReply::SslHandshakeFailedError));
    QVERIFY(!http.errorText.isEmpty());
    QVERIFY(http.responseText.isEmpty());
    QVERIFY(server.requests().isEmpty());
}

void TestHttpHelper::trustedCertificateIsAccepted()
{
    QVERIFY(QSslSocket::supportsSsl());
    TestCertificate certificate;
    QVERIFY2(certificate.make(), qPrintable(certificate.errorText));
    LocalHttpServer server;
    QVERIFY(server.startTls(certificate.certificate, certificate.key));
    server.setReply(200, "signed and trusted");

    TrustedCertificate trust(certificate.certificate);
    HttpHelper http;
    http.doRequest(server.url(QStringLiteral("/package")));
    QVERIFY(pollUntilDone(http));
    QVERIFY2(http.errorCode == 0, qPrintable(http.errorText));
    QCOMPARE(http.responseText, QStringLiteral("signed and trusted"));
    QCOMPARE(server.requests().value(0).target, QByteArray("/package"));
}

void TestHttpHelper::destroyedWhileRunning()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setSilent(true);
    {
        HttpHelper http;
        http.setTimeOut(100);
        http.doRequest(server.url());
        QTRY_COMPARE(server.requests().size(), 1);
    }
    QTest::qWait(200); // neither the timer nor the reply may reach the freed object
}

QTEST_MAIN(TestHttpHelper)
#include "tst_httphelper.moc"
