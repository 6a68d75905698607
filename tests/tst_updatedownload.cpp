#include "localhttpserver.h"
#include "testcertificate.h"
#include "updatedownload.h"

#include <QtTest>

namespace {

using Route = LocalHttpServer::Route;

QByteArray package(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((uint(i) * 7919u) >> 3); // unsigned: no overflow for large sizes
    return bytes;
}

Route redirectTo(const QByteArray &location)
{
    Route r;
    r.status = 302;
    r.body = "REDIRECT-BODY";
    r.headers = {{"Location", location}};
    return r;
}

Route ok(const QByteArray &body)
{
    Route r;
    r.body = body;
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList paths(const LocalHttpServer &server)
{
    QStringList out;
    for (const auto &r : server.requests())
        out << QString::fromLatin1(r.path());
    return out;
}

} // namespace

class TestUpdateDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void links_data();
    void links();
    void packageArrivesWholeInAPrivateFolder();
    void redirects_data();
    void redirects();
    void httpsNeverFallsBackToHttp();
    void failuresLeaveNothing_data();
    void failuresLeaveNothing();
    void cancelLeavesNothing();

private:
    // Runs a download of `url` to its end.
    bool run(UpdateDownload &download, const QUrl &url);
    QStringList tempEntries() const;

    QTemporaryDir tmp;
    TestCertificate cert;
};

void TestUpdateDownload::initTestCase()
{
    QVERIFY(tmp.isValid());
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    QCOMPARE(QDir::tempPath(), QDir(tmp.path()).canonicalPath());
    QVERIFY2(cert.make(), qPrintable(cert.errorText));
}

void TestUpdateDownload::cleanup()
{
    UpdateDownload::setIdleTimeOut(60000);
    // Every test ends with nothing of a download left but what it kept.
    for (const QString &name : tempEntries())
        QDir(tmp.filePath(name)).removeRecursively();
}

QStringList TestUpdateDownload::tempEntries() const
{
    return QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool TestUpdateDownload::run(UpdateDownload &download, const QUrl &url)
{
    QSignalSpy finished(&download, &UpdateDownload::finished);
    if (!download.start(url))
        return false;
    if (!finished.wait(10000))
        return false;
    return finished.size() == 1 && !download.isRunning();
}

void TestUpdateDownload::links_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("acceptable");
    QTest::addColumn<int>("error"); // what start() says when refused

    QTest::newRow("https file") << "https://dl.example/a/b/pkg.kvu" << true << 0;
    QTest::newRow("http on this machine") << "http://127.0.0.1:1/pkg.kvu" << true << 0;
    QTest::newRow("http localhost") << "http://localhost:1/pkg.kvu" << true << 0;
    QTest::newRow("http elsewhere") << "http://dl.example/pkg.kvu" << false
                                    << int(UpdateDownload::RefusedAddress);
    QTest::newRow("file scheme") << "file:///etc/passwd" << false << int(UpdateDownload::RefusedAddress);
    QTest::newRow("empty") << "" << false << int(UpdateDownload::RefusedAddress);
    QTest::newRow("folder") << "https://dl.example/a/" << false << int(UpdateDownload::RefusedFileName);
    QTest::newRow("host only") << "https://dl.example" << false << int(UpdateDownload::RefusedFileName);
    QTest::newRow("dot") << "https://dl.example/a/%2E" << false << int(UpdateDownload::RefusedFileName);
    QTest::newRow("dot-dot") << "https://dl.example/a/%2E%2E" << false
                             << int(UpdateDownload::RefusedFileName);
    QTest::newRow("newline") << "https://dl.example/a%0Ab" << false << int(UpdateDownload::RefusedFileName);
    QTest::newRow("nul") << "https://dl.example/a%00b" << false << int(UpdateDownload::RefusedFileName);
    QTest::newRow("delete") << "https://dl.example/a%7Fb" << false << int(UpdateDownload::RefusedFileName);
}

void TestUpdateDownload::links()
{
    QFETCH(QString, link);
    QFETCH(bool, acceptable);
    const QUrl url(link, QUrl::TolerantMode);
    QCOMPARE(UpdateDownload::isAcceptableLink(url), acceptable);
    QVERIFY(!UpdateDownload::fileNameOf(url).contains('/'));
    if (acceptable)
        return;
    UpdateDownload download;
    QSignalSpy finished(&download, &UpdateDownload::finished);
    QVERIFY(!download.start(url));
    QTEST(int(download.error()), "error");
    QVERIFY(finished.isEmpty());
    QCOMPARE(tempEntries(), QStringList());
}

void TestUpdateDownload::packageArrivesWholeInAPrivateFolder()
{
    LocalHttpServer server;
    QVERIFY(server.startTls(cert.certificate, cert.key));
    TrustedCertificate trust(cert.certificate);
    const QByteArray bytes = package(700 * 1024);
    server.setRoute("/dl/pkg.kvu", ok(bytes));

    UpdateDownload download;
    QSignalSpy progress(&download, &UpdateDownload::progress);
    QVERIFY(run(download, server.url("/dl/pkg.kvu")));
    QCOMPARE(download.error(), UpdateDownload::NoError);
    QVERIFY(download.isComplete());
    QCOMPARE(QFileInfo(download.folder()).absolutePath(), QDir::tempPath());
    // Owner only: rwx------.
    QCOMPARE(int(QFileInfo(download.folder()).permissions() & 0x7077), 0x7000);
    QCOMPARE(download.filePath(), download.folder() + "/pkg.kvu");
    QCOMPARE(fileBytes(download.filePath()), bytes);
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0).toLongLong(), qint64(bytes.size()));
    QCOMPARE(progress.last().at(1).toLongLong(), qint64(bytes.size()));

    // A second download never lands in the first one's folder.
    UpdateDownload second;
    QVERIFY(run(second, server.url("/dl/pkg.kvu")));
    QVERIFY(second.folder() != download.folder());
    second.discard();
    download.discard();
    QCOMPARE(tempEntries(), QStringList());
}

void TestUpdateDownload::redirects_data()
{
    QTest::addColumn<QList<QByteArray>>("locations"); // the chain, /start first
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QStringList>("requested");

    QTest::newRow("relative") << QList<QByteArray>{"sub/pkg.kvu"} << true
                              << QStringList{"/dir/start", "/dir/sub/pkg.kvu"};
    QTest::newRow("absolute path") << QList<QByteArray>{"/pkg.kvu"} << true
                                   << QStringList{"/dir/start", "/pkg.kvu"};
    QTest::newRow("five") << QList<QByteArray>{"/r1", "/r2", "/r3", "/r4", "/pkg.kvu"} << true
                          << QStringList{"/dir/start", "/r1", "/r2", "/r3", "/r4", "/pkg.kvu"};
    QTest::newRow("six") << QList<QByteArray>{"/r1", "/r2", "/r3", "/r4", "/r5", "/pkg.kvu"} << false
                         << QStringList{"/dir/start", "/r1", "/r2", "/r3", "/r4", "/r5"};
}

void TestUpdateDownload::redirects()
{
    QFETCH(QList<QByteArray>, locations);
    QFETCH(bool, complete);
    LocalHttpServer server;
    QVERIFY(server.start());
    const QByteArray bytes = package(4096);
    // Every hop answers with its own body; none of it may reach the package.
    QByteArray from = "/dir/start";
    for (const QByteArray &to : locations) {
        server.setRoute(from, redirectTo(to));
        from = to.startsWith('/') ? to : "/dir/" + to;
    }
    server.setRoute(from, ok(bytes));

    UpdateDownload download;
    QVERIFY(run(download, server.url("/dir/start")));
    QTEST(paths(server), "requested");
    QCOMPARE(download.isComplete(), complete);
    if (complete) {
        QCOMPARE(fileBytes(download.filePath()), bytes);
        QCOMPARE(download.url(), server.url(QString::fromLatin1(from)));
        download.discard();
    } else {
        QCOMPARE(download.error(), UpdateDownload::TooManyRedirects);
    }
    QCOMPARE(tempEntries(), QStringList());
}

void TestUpdateDownload::httpsNeverFallsBackToHttp()
{
    LocalHttpServer plain;
    QVERIFY(plain.start());
    plain.setRoute("/pkg.kvu", ok(package(100)));
    LocalHttpServer secure;
    QVERIFY(secure.startTls(cert.certificate, cert.key));
    TrustedCertificate trust(cert.certificate);
    secure.setRoute("/start", redirectTo(plain.url("/pkg.kvu").toEncoded()));

    UpdateDownload download;
    QVERIFY(run(download, secure.url("/start")));
    QCOMPARE(download.error(), UpdateDownload::InsecureRedirect);
    QVERIFY(plain.requests().isEmpty());
    QCOMPARE(tempEntries(), QStringList());
}

void TestUpdateDownload::failuresLeaveNothing_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("sendBytes");
    QTest::addColumn<bool>("hold");
    QTest::addColumn<int>("error");
    QTest::newRow("cut midway") << 200 << 5000 << false << int(UpdateDownload::NetworkFailure);
    QTest::newRow("stalls midway") << 200 << 5000 << true << int(UpdateDownload::TimedOut);
    QTest::newRow("not found") << 404 << -1 << false << int(UpdateDownload::NetworkFailure);
    QTest::newRow("redirect without address") << 302 << -1 << false << int(UpdateDownload::NetworkFailure);
    // Announced past the cap: refused before anything is written.
    QTest::newRow("announced larger than a package") << 200 << 5000 << true << int(UpdateDownload::TooLarge);
}

void TestUpdateDownload::failuresLeaveNothing()
{
    QFETCH(int, status);
    QFETCH(int, sendBytes);
    QFETCH(bool, hold);
    LocalHttpServer server;
    QVERIFY(server.start());
    Route route = ok(package(64 * 1024));
    route.status = status;
    route.sendBytes = sendBytes;
    route.hold = hold;
    if (QByteArray(QTest::currentDataTag()).startsWith("announced")) {
        route.noLength = true;
        route.headers << qMakePair(QByteArray("Content-Length"),
                                   QByteArray::number(UpdateDownload::maxPackageBytes + 1));
    }
    server.setRoute("/pkg.kvu", route);
    UpdateDownload::setIdleTimeOut(300);

    UpdateDownload download;
    QVERIFY(run(download, server.url("/pkg.kvu")));
    QTEST(int(download.error()), "error");
    QVERIFY(!download.isComplete());
    QVERIFY(!download.errorText().isEmpty());
    QVERIFY(!QFileInfo::exists(download.filePath()));
    QCOMPARE(tempEntries(), QStringList());
}

void TestUpdateDownload::cancelLeavesNothing()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    Route route = ok(package(64 * 1024));
    route.sendBytes = 5000;
    route.hold = true;
    server.setRoute("/pkg.kvu", route);

    UpdateDownload download;
    QSignalSpy finished(&download, &UpdateDownload::finished);
    QVERIFY(download.start(server.url("/pkg.kvu")));
    // Part of the body is in; the rest never comes.
    QTRY_COMPARE(server.requests().size(), 1);
    QTest::qWait(300);
    QVERIFY(QFileInfo::exists(download.filePath()));
    download.cancel();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(download.error(), UpdateDownload::Cancelled);
    QCOMPARE(tempEntries(), QStringList());
}

QTEST_MAIN(TestUpdateDownload)
#include "tst_updatedownload.moc"
