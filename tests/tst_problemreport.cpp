#include "appstate.h"
#include "localhttpserver.h"
#include "problemreport.h"
#include "scriptedprompter.h"
#include "tavassert.h"

#include <QNetworkProxy>
#include <QtTest>

namespace {

using QueryItems = QList<QPair<QString, QString>>;

// The query as a form-reading server decodes it ("+" is a blank).
QueryItems decodeQuery(const QByteArray &raw)
{
    QueryItems items;
    for (const QByteArray &pair : raw.split('&')) {
        const int equals = pair.indexOf('=');
        QByteArray key = pair.left(equals), value = pair.mid(equals + 1);
        key.replace('+', ' ');
        value.replace('+', ' ');
        items.append({QUrl::fromPercentEncoding(key), QUrl::fromPercentEncoding(value)});
    }
    return items;
}

const char kFolderTreeBox[] =
    "A problem occured during the execution of this application.\n"
    "Please click Ok to report this problem or Cancel to quit.\n"
    "\n"
    "If you have this same problem more often and can tell us\n"
    "how to reproduce it, please contact support@kolvanevave.com\n"
    "Please download the latest beta from our download page and verify\n"
    "if the problem is still in the latest beta. The download link for\n"
    "beta releases is at the bottom of the download page.\n"
    "\n"
    "Problem data:\n"
    "Filename: /src/shared/views/tavfilesystemtreemodel.cpp (59)\n"
    "Function: data condition className!=TAVFileSystemClass";

} // namespace

Q_DECLARE_METATYPE(QueryItems)

class TestProblemReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void boxTellsTheFailedCheck();
    void cancelSendsNothing();
    void placeholdersInValuesStayLiteral();
    void withoutReportHostNothingIsSent();
    void requestArrivesIntact_data();
    void requestArrivesIntact();
    void failedReportIsTold_data();
    void failedReportIsTold();
};

void TestProblemReport::initTestCase()
{
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    // A build without a report host has no endpoint at all.
    QCOMPARE(ProblemReport::server().isEmpty(), QByteArray(KV_REPORT_HOST).isEmpty());
}

void TestProblemReport::init()
{
    // Nothing leaves the machine, whatever host the build names.
    ProblemReport::setServer(QUrl());
}

void TestProblemReport::cleanup()
{
    ProblemReport::setServer(QUrl());
    ProblemReport::setTimeOut(10000);
    AppState::curLanguage.clear();
}

void TestProblemReport::boxTellsTheFailedCheck()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    ProblemReport::setServer(server.url(QString()));
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Cancel;

    QCOMPARE(__tavassert("/src/shared/views/tavfilesystemtreemodel.cpp", 59, "data",
                         "className!=TAVFileSystemClass"),
             0);

    QCOMPARE(prompter.prompts.size(), 1);
    const ScriptedPrompter::Prompt box = prompter.prompts.at(0);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, QStringLiteral("A problem occured"));
    QCOMPARE(box.text, QString::fromLatin1(kFolderTreeBox));
    QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.defaultButton, QMessageBox::Ok);
}

void TestProblemReport::cancelSendsNothing()
{
    LocalHttpServer server;
    QVERIFY(server.start());
    ProblemReport::setServer(server.url(QString()));
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Cancel;

    __tavassert("model.cpp", 7, "f", "x");
    QTest::qWait(100);
    QVERIFY(server.requests().isEmpty());
    QCOMPARE(prompter.prompts.size(), 1); // no outcome box either
}

void TestProblemReport::placeholdersInValuesStayLiteral()
{
    ProblemData problem;
    problem.sourceFile = "/src/%4.cpp";
    problem.line = 12;
    problem.function = QStringLiteral("f%2");
    problem.condition = QStringLiteral("%1 > 0");
    const QString text = ProblemReport::messageText(problem, true);
    QVERIFY2(text.endsWith(QStringLiteral("Filename: /src/%4.cpp (12)\nFunction: f%2 condition %1 > 0")),
             qPrintable(text));
}

void TestProblemReport::withoutReportHostNothingIsSent()
{
    LocalHttpServer server; // listening, but nobody points at it
    QVERIFY(server.start());
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Ok;

    __tavassert("/src/shared/views/tavfilesystemtreemodel.cpp", 59, "data",
                "className!=TAVFileSystemClass");
    QTest::qWait(100);
    QVERIFY(server.requests().isEmpty());
    QCOMPARE(prompter.prompts.size(), 1);
    const ScriptedPrompter::Prompt box = prompter.prompts.at(0);
    QCOMPARE(box.icon, QMessageBox::Critical);
    // Only Ok, and no offer of a report that can't be sent.
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QString expected = QString::fromLatin1(kFolderTreeBox);
    expected.remove(QStringLiteral("Please click Ok to report this problem or Cancel to quit.\n"));
    QCOMPARE(box.text, expected);
}

void TestProblemReport::requestArrivesIntact_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<bool>("inner");
    QTest::addColumn<QueryItems>("expected");

    QTest::newRow("folder tree check, no language")
        << QString() << QByteArray("/src/shared/views/tavfilesystemtreemodel.cpp")
        << "data" << "className!=TAVFileSystemClass" << false
        << QueryItems{{"app", "tst_problemreport"}, {"ver", "6.0.4M"}, {"os", "Linux"},
                      {"lang", "default"}, {"condition", "className!=TAVFileSystemClass"},
                      {"sourceFile", "/src/shared/views/tavfilesystemtreemodel.cpp"},
                      {"line", "59"}, {"function", "data"}};
    QTest::newRow("delimiters and blanks in values")
        << QStringLiteral("de_DE") << QByteArray("/src/my folder/a&b=c.cpp")
        << QString::fromUtf8("operator+= \xc3\xa9") << "a && b == c + d #1 ? 100%" << false
        << QueryItems{{"app", "tst_problemreport"}, {"ver", "6.0.4M"}, {"os", "Linux"},
                      {"lang", "de_DE"}, {"condition", "a && b == c + d #1 ? 100%"},
                      {"sourceFile", "/src/my folder/a&b=c.cpp"}, {"line", "59"},
                      {"function", QString::fromUtf8("operator+= \xc3\xa9")}};
    QTest::newRow("inner location")
        << QStringLiteral("fr") << QByteArray("/src/outer.cpp") << "outer" << "p != nullptr" << true
        << QueryItems{{"app", "tst_problemreport"}, {"ver", "6.0.4M"}, {"os", "Linux"},
                      {"lang", "fr"}, {"condition", "p != nullptr"},
                      {"sourceFile", "/src/outer.cpp"}, {"line", "59"}, {"function", "outer"},
                      {"innerSourceFile", "/src/in ner&.cpp"}, {"innerLine", "321"}};
}

void TestProblemReport::requestArrivesIntact()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, file);
    QFETCH(QString, function);
    QFETCH(QString, condition);
    QFETCH(bool, inner);
    QFETCH(QueryItems, expected);

    LocalHttpServer server;
    QVERIFY(server.start());
    server.setReply(200, "thanks");
    ProblemReport::setServer(server.url(QString()));
    AppState::curLanguage = language;
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Ok << QMessageBox::Ok;

    if (inner)
        __tavassert_spot(file.constData(), 59, function.toStdString(), condition.toStdString(),
                         TAVSpotItem("/src/in ner&.cpp", 321, "inner"));
    else
        __tavassert(file.constData(), 59, function.toStdString(), condition.toStdString());

    QCOMPARE(server.requests().size(), 1);
    const LocalHttpServer::Request request = server.requests().at(0);
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path(), QByteArray("/software/reportproblem.php"));
    QVERIFY2(!request.rawQuery().contains(' ') && !request.rawQuery().contains('+'),
             request.rawQuery().constData());
    QCOMPARE(decodeQuery(request.rawQuery()), expected);

    QCOMPARE(prompter.prompts.size(), 2);
    const ScriptedPrompter::Prompt outcome = prompter.prompts.at(1);
    QCOMPARE(outcome.icon, QMessageBox::Information);
    QCOMPARE(outcome.title, QStringLiteral("Send Report"));
    QCOMPARE(outcome.text, QStringLiteral("Report was sent successful!"));
    QCOMPARE(outcome.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestProblemReport::failedReportIsTold_data()
{
    QTest::addColumn<QString>("server"); // "404", "refused" or "silent"
    QTest::addColumn<QString>("start");  // what the outcome text begins with
    QTest::addColumn<QString>("end");    // and ends with
    QTest::newRow("404") << "404" << "Error sending report!\n" << " (203)";
    QTest::newRow("offline") << "refused" << "Error sending report!\nConnection refused" << " (1)";
    QTest::newRow("never answers")
        << "silent" << "Error sending report!\nThe connection to the remote server is timed out (4)"
        << "timed out (4)";
}

void TestProblemReport::failedReportIsTold()
{
    QFETCH(QString, server);
    QFETCH(QString, start);
    QFETCH(QString, end);

    LocalHttpServer local;
    if (server == QLatin1String("refused")) {
        const quint16 port = closedLocalPort();
        QVERIFY(port != 0);
        ProblemReport::setServer(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
    } else {
        QVERIFY(local.start());
        local.setReply(404, "no such page");
        local.setSilent(server == QLatin1String("silent"));
        ProblemReport::setServer(local.url(QString()));
    }
    // The local server turns only between the report's 100 ms waits, so only
    // the silent one gets a short time-out.
    ProblemReport::setTimeOut(server == QLatin1String("silent") ? 300 : 10000);
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Ok << QMessageBox::Ok;

    __tavassert("model.cpp", 1, "f", "x");

    QCOMPARE(prompter.prompts.size(), 2);
    const ScriptedPrompter::Prompt outcome = prompter.prompts.at(1);
    QCOMPARE(outcome.title, QStringLiteral("Send Report"));
    QVERIFY2(outcome.text.startsWith(start), qPrintable(outcome.text));
    QVERIFY2(outcome.text.endsWith(end), qPrintable(outcome.text));
}

QTEST_MAIN(TestProblemReport)
#include "tst_problemreport.moc"
