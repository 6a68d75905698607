#include "localhttpserver.h"
#include "testcertificate.h"
#include "updaterequest.h"
#include "updateschedule.h"

#include <QtTest>

#include <QUrlQuery>

class TestUpdateRequest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void available_data();
    void available();
    void queryCarriesEachValueWhole_data();
    void queryCarriesEachValueWhole();
    void replies_data();
    void replies();
    void checkAgainstServers_data();
    void checkAgainstServers();

private:
    TestCertificate cert;
};

void TestUpdateRequest::initTestCase()
{
    QVERIFY2(cert.make(), qPrintable(cert.errorText));
}

void TestUpdateRequest::cleanup()
{
    UpdateRequest::setBaseUrl(QUrl());
    UpdateRequest::setTimeOut(30000);
}

void TestUpdateRequest::available_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("available");
    QTest::newRow("https anywhere") << "https://updates.example" << true;
    QTest::newRow("http on this machine") << "http://127.0.0.1:8080" << true;
    QTest::newRow("http elsewhere") << "http://updates.example" << false;
    QTest::newRow("another scheme") << "ftp://127.0.0.1" << false;
}

void TestUpdateRequest::available()
{
    QFETCH(QString, base);
    // This build names no host: nobody to ask until a test says where.
    QVERIFY(!UpdateSchedule::hostConfigured());
    QVERIFY(!UpdateRequest::available());
    QVERIFY(UpdateRequest::baseUrl().isEmpty());
    UpdateRequest::setBaseUrl(QUrl(base));
    QTEST(UpdateRequest::available(), "available");
}

void TestUpdateRequest::queryCarriesEachValueWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("lang");
    QTest::newRow("five-letter code") << "de_DE" << "AA0012" << "de";
    QTest::newRow("short code") << "en" << "AA0012" << "en";
    QTest::newRow("long code") << "zh_TW_x" << "AA0012" << "zh_TW";
    QTest::newRow("serial with delimiters") << "en_US" << "A&ser=B#C D+E%" << "en";
}

void TestUpdateRequest::queryCarriesEachValueWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, serial);
    UpdateRequest::setBaseUrl(QUrl("https://updates.example"));
    const QUrl url = UpdateRequest::checkUrl(language, serial);
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.host(), QStringLiteral("updates.example"));
    QCOMPARE(url.path(), QStringLiteral("/software/checkforupdates.php"));

    const QUrlQuery query(url);
    QStringList keys;
    for (const auto &item : query.queryItems())
        keys << item.first;
    QCOMPARE(keys, QStringList({"ver", "os", "lang", "rel", "pid", "vid", "ser", "osver"}));
    QCOMPARE(query.queryItemValue("ver"), QStringLiteral("6.0.4"));
    QCOMPARE(query.queryItemValue("rel"), QStringLiteral("corvale"));
    QTEST(query.queryItemValue("lang"), "lang");
    QCOMPARE(query.queryItemValue("pid"), QString());
    QCOMPARE(query.queryItemValue("vid"), QString());
    QCOMPARE(query.queryItemValue("ser", QUrl::FullyDecoded), serial);
    QVERIFY(!query.queryItemValue("osver").isEmpty());
    QVERIFY(!url.toString(QUrl::FullyEncoded).contains(' '));
}

void TestUpdateRequest::replies_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("link");

    QTest::newRow("offer")
        << "<r><ReleaseNote>Faster</ReleaseNote><version>7.0</version>"
           "<url>https://dl.example/p/pkg.kvu</url></r>"
        << int(UpdateRequest::Found) << "Faster" << "https://dl.example/p/pkg.kvu";
    QTest::newRow("first url in document order")
        << "<r><a><url>https://dl.example/first.kvu</url></a><url>https://dl.example/second.kvu</url></r>"
        << int(UpdateRequest::Found) << "" << "https://dl.example/first.kvu";
    QTest::newRow("rich release note")
        << "<r><ReleaseNote>&lt;b&gt;New&lt;/b&gt;</ReleaseNote><url>https://dl.example/a.kvu</url></r>"
        << int(UpdateRequest::Found) << "<b>New</b>" << "https://dl.example/a.kvu";
    QTest::newRow("http from this machine")
        << "<r><url>http://127.0.0.1:9/a.kvu</url></r>" << int(UpdateRequest::Found) << ""
        << "http://127.0.0.1:9/a.kvu";
    QTest::newRow("not xml") << "<r><url>https://dl.example/a.kvu</url>" << int(UpdateRequest::NotXml)
                             << "" << "";
    QTest::newRow("empty reply") << "" << int(UpdateRequest::NotXml) << "" << "";
    QTest::newRow("no url") << "<r><ReleaseNote>x</ReleaseNote></r>" << int(UpdateRequest::NoOffer)
                            << "" << "";
    QTest::newRow("names are case-sensitive") << "<r><URL>https://dl.example/a.kvu</URL></r>"
                                              << int(UpdateRequest::NoOffer) << "" << "";
    QTest::newRow("not http(s)") << "<r><url>file:///tmp/a.kvu</url></r>" << int(UpdateRequest::NoOffer)
                                 << "" << "";
    QTest::newRow("plain http elsewhere") << "<r><url>http://dl.example/a.kvu</url></r>"
                                          << int(UpdateRequest::NoOffer) << "" << "";
    QTest::newRow("no file name") << "<r><url>https://dl.example/p/</url></r>"
                                  << int(UpdateRequest::NoOffer) << "" << "";
    QTest::newRow("dot-dot name") << "<r><url>https://dl.example/p/%2E%2E</url></r>"
                                  << int(UpdateRequest::NoOffer) << "" << "";
    QTest::newRow("control character") << "<r><url>https://dl.example/a%0Ab.kvu</url></r>"
                                       << int(UpdateRequest::NoOffer) << "" << "";
}

void TestUpdateRequest::replies()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    UpdateRequest::Offer offer;
    offer.link = QStringLiteral("untouched");
    QCOMPARE(UpdateRequest::parseReply(text, &offer), result);
    if (result == UpdateRequest::Found) {
        QTEST(offer.releaseNote, "note");
        QTEST(offer.link, "link");
    } else {
        QCOMPARE(offer.link, QStringLiteral("untouched"));
    }
}

void TestUpdateRequest::checkAgainstServers_data()
{
    QTest::addColumn<bool>("tls");
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("result");

    const QByteArray offer = "<r><ReleaseNote>N</ReleaseNote><version>7</version>"
                             "<url>https://dl.example/pkg.kvu</url></r>";
    QTest::newRow("offer over https") << true << true << 200 << offer << false << int(UpdateRequest::Found);
    QTest::newRow("certificate not trusted") << true << false << 200 << offer << false
                                             << int(UpdateRequest::Failed);
    QTest::newRow("nothing newer (404)") << false << false << 404 << offer << false
                                         << int(UpdateRequest::Failed);
    QTest::newRow("not xml") << false << false << 200 << QByteArray("<html>") << false
                             << int(UpdateRequest::NotXml);
    QTest::newRow("time-out") << false << false << 200 << offer << true << int(UpdateRequest::Failed);
}

void TestUpdateRequest::checkAgainstServers()
{
    QFETCH(bool, tls);
    QFETCH(bool, trusted);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, silent);

    LocalHttpServer server;
    QVERIFY(tls ? server.startTls(cert.certificate, cert.key) : server.start());
    server.setReply(status, body);
    server.setSilent(silent);
    std::unique_ptr<TrustedCertificate> trust;
    if (trusted)
        trust.reset(new TrustedCertificate(cert.certificate));
    UpdateRequest::setBaseUrl(server.url(QString()));
    UpdateRequest::setTimeOut(300);

    const UpdateRequest::Offer before = UpdateRequest::lastOffer();
    int polls = 0;
    const int result = UpdateRequest::check(UpdateRequest::checkUrl("en_US", "SER1"),
                                            [&polls](int poll) { polls = poll; });
    QTEST(result, "result");
    QVERIFY(polls > 0);
    if (result == UpdateRequest::Found) {
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().first().path(), QByteArray("/software/checkforupdates.php"));
        QCOMPARE(UpdateRequest::lastOffer().link, QStringLiteral("https://dl.example/pkg.kvu"));
        QCOMPARE(UpdateRequest::lastOffer().version, QStringLiteral("7"));
    } else {
        QCOMPARE(UpdateRequest::lastOffer().link, before.link);
    }
}

QTEST_MAIN(TestUpdateRequest)
#include "tst_updaterequest.moc"
