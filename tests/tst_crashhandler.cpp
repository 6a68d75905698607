#include "appstate.h"
#include "crashhandler.h"
#include "localhttpserver.h"
#include "logcapture.h"
#include "problemreport.h"
#include "scriptedprompter.h"

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

// The query as a form-reading server decodes it ("+" is a blank).
QHash<QString, QString> decodeQuery(const QByteArray &raw)
{
    QHash<QString, QString> items;
    for (const QByteArray &pair : raw.split('&')) {
        const int equals = pair.indexOf('=');
        QByteArray key = pair.left(equals), value = pair.mid(equals + 1);
        key.replace('+', ' ');
        value.replace('+', ' ');
        items.insert(QUrl::fromPercentEncoding(key), QUrl::fromPercentEncoding(value));
    }
    return items;
}

// A trace as the handler saves it.
const QByteArray kSavedTrace = "KolvaneVave crash trace\n"
                               "signal 11\n"
                               "/lib/x86_64-linux-gnu/libc.so.6(+0x3bfd0)[0x7f5a1c43bfd0]\n"
                               "/opt/kv/kolvanevave(_ZN10MainWindow11refreshViewEP7TAVItem+0x2a)[0x55d0c0de1234]\n"
                               "/opt/kv/kolvanevave(main+0x10) [0x55d0c0de0010]\n"
                               "/opt/kv/kolvanevave(_Zbroken+0x8)[0x55d0c0de0020]\n"
                               "[0x7ffd00000001]\n"
                               "end of trace\n";

const QString kTraceText =
    "1       0x7f5a1c43bfd0 /lib/x86_64-linux-gnu/libc.so.6(+0x3bfd0)[0x7f5a1c43bfd0]\n"
    "2       0x55d0c0de1234 MainWindow::refreshView(TAVItem*) + 42\n"
    "3       0x55d0c0de0010 main + 16\n"
    "4       0x55d0c0de0020 _Zbroken + 8\n"
    "5       0x7ffd00000001 [0x7ffd00000001]\n";

const char kBoxText[] = "A problem occured during the execution of this application.\n"
                        "Please click Ok to report this problem or Cancel to quit.\n\n";

} // namespace

class TestCrashHandler : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void crashLeavesACompleteTrace_data();
    void crashLeavesACompleteTrace();
    void noCrashNoTrace();
    void noCoreFileIsEverWritten();
    void traceTextFromSavedTrace();
    void reportIsSentOnOk();
    void nothingSentOnCancel();
    void withoutReportHostTheTraceIsOnlyLogged();
    void nothingWaiting();
    void traceOfARealCrashIsReported();

private:
    void writeTrace(const QByteArray &saved);
    // Runs the helper; the trace file it was given.
    void runHelper(const QString &mode, QProcess::ExitStatus *status, int *exitCode);

    QTemporaryDir m_dir;
    QString m_trace;
    std::unique_ptr<LocalHttpServer> m_server;
};

void TestCrashHandler::init()
{
    QVERIFY(m_dir.isValid());
    m_trace = m_dir.filePath("state/crash-trace.txt");
    QFile::remove(m_trace);
    ProblemReport::setServer(QUrl());
    ProblemReport::setTimeOut(10000);
    AppState::curLanguage.clear();
    m_server = std::make_unique<LocalHttpServer>();
}

void TestCrashHandler::cleanup()
{
    ProblemReport::setServer(QUrl());
    m_server.reset();
}

void TestCrashHandler::writeTrace(const QByteArray &saved)
{
    QVERIFY(QDir().mkpath(QFileInfo(m_trace).path()));
    QFile file(m_trace);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(saved), qint64(saved.size()));
}

void TestCrashHandler::runHelper(const QString &mode, QProcess::ExitStatus *status, int *exitCode)
{
    QProcess child;
    // Under AddressSanitizer its own fault handler would take the signal
    // first; the program's handler is what is tested here.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               (asan.isEmpty() ? QString() : asan + QLatin1Char(':'))
                   + QStringLiteral("handle_segv=0:allow_user_segv_handler=1"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(KV_HELPER_DIR "/crash_helper"), {m_trace, mode});
    QVERIFY2(child.waitForFinished(60000), qPrintable(child.errorString()));
    QCOMPARE(child.readAllStandardOutput(), QByteArray("installed\n"));
    *status = child.exitStatus();
    *exitCode = child.exitCode();
}

// The keys are in memory: once the handler is in place no core file may be
// written, whatever the shell's limit was, and the process is not dumpable.
void TestCrashHandler::noCoreFileIsEverWritten()
{
    QProcess child;
    child.start(QStringLiteral(KV_HELPER_DIR "/crash_helper"), {m_trace, QStringLiteral("limits")});
    QVERIFY2(child.waitForFinished(60000), qPrintable(child.errorString()));
    const QByteArray out = child.readAllStandardOutput();
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    const QByteArray dumpable = "1"; // the sanitizers' leak check traces the process
#else
    const QByteArray dumpable = "0";
#endif
    QCOMPARE(out, QByteArray("installed\ncore 0 0 dumpable " + dumpable + "\n"));
}

void TestCrashHandler::crashLeavesACompleteTrace_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("write through a null pointer") << "segv";
    QTest::newRow("stack overflow") << "overflow";
}

void TestCrashHandler::crashLeavesACompleteTrace()
{
    QFETCH(QString, mode);
    QProcess::ExitStatus status;
    int exitCode = 0;
    runHelper(mode, &status, &exitCode);
    QVERIFY(!QTest::currentTestFailed());

    // Ends as the crash it is, not as a success.
    QCOMPARE(status, QProcess::CrashExit);
    QCOMPARE(exitCode, SIGSEGV);

    QFile file(m_trace);
    QVERIFY2(file.open(QIODevice::ReadOnly), "no trace was written");
    const QByteArray saved = file.readAll();
    QVERIFY2(saved.startsWith("KolvaneVave crash trace\nsignal 11\n"), saved.constData());
    QVERIFY2(saved.endsWith("\nend of trace\n"), saved.constData());
    QVERIFY2(saved.contains("libc.so.6"), saved.constData());
    const QStringList frames = CrashHandler::traceText(saved).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(frames.size() >= 3, saved.constData());
    QVERIFY(!QFileInfo::exists(m_trace + ".part"));
    QCOMPARE(QFileInfo(m_trace).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFile::Permissions());
}

void TestCrashHandler::noCrashNoTrace()
{
    QProcess::ExitStatus status;
    int exitCode = 0;
    runHelper("exit", &status, &exitCode);
    QCOMPARE(status, QProcess::NormalExit);
    QCOMPARE(exitCode, 0);
    QVERIFY(!QFileInfo::exists(m_trace));
    QVERIFY(!CrashHandler::reportPending(m_trace));
}

void TestCrashHandler::traceTextFromSavedTrace()
{
    QCOMPARE(CrashHandler::traceText(kSavedTrace), kTraceText);
}

void TestCrashHandler::reportIsSentOnOk()
{
    QVERIFY(m_server->start());
    ProblemReport::setServer(m_server->url());
    AppState::curLanguage = "de_DE";
    writeTrace(kSavedTrace);
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Ok;

    QVERIFY(CrashHandler::reportPending(m_trace));

    QCOMPARE(prompter.prompts.size(), 1);
    const ScriptedPrompter::Prompt &box = prompter.prompts.first();
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, QString("A problem occured"));
    QCOMPARE(box.text, QString(kBoxText));
    QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.defaultButton, QMessageBox::Ok);

    QCOMPARE(m_server->requests().size(), 1);
    const LocalHttpServer::Request request = m_server->requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path(), QByteArray("/software/reportproblem.php"));
    const QHash<QString, QString> query = decodeQuery(request.rawQuery());
    QCOMPARE(query.value("app"), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QCOMPARE(query.value("ver"), QString(KV_VERSION "M"));
    QCOMPARE(query.value("lang"), QString("de_DE"));
    for (const char *empty : {"condition", "sourceFile", "line"}) {
        QVERIFY2(query.contains(empty), empty);
        QCOMPARE(query.value(empty), QString());
    }
    QCOMPARE(query.value("function"), kTraceText);
    QVERIFY(!QFileInfo::exists(m_trace));

    // Reported once: the next start finds nothing.
    QVERIFY(!CrashHandler::reportPending(m_trace));
    QCOMPARE(prompter.prompts.size(), 1);
}

void TestCrashHandler::nothingSentOnCancel()
{
    QVERIFY(m_server->start());
    ProblemReport::setServer(m_server->url());
    writeTrace(kSavedTrace);
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Cancel;

    QVERIFY(CrashHandler::reportPending(m_trace));
    QCOMPARE(prompter.prompts.size(), 1);
    QTest::qWait(50);
    QCOMPARE(m_server->requests().size(), 0);
    QVERIFY(!QFileInfo::exists(m_trace));
}

void TestCrashHandler::withoutReportHostTheTraceIsOnlyLogged()
{
    writeTrace(kSavedTrace);
    ScriptedPrompter prompter;
    LogCapture log;

    QVERIFY(CrashHandler::reportPending(m_trace));
    QCOMPARE(prompter.prompts.size(), 0);
    QVERIFY(!QFileInfo::exists(m_trace));
    const QByteArray logged = log.lines().join('\n');
    for (const QString &frame : kTraceText.split('\n', Qt::SkipEmptyParts))
        QVERIFY2(logged.contains(frame.toUtf8()), qPrintable(frame));
}

void TestCrashHandler::nothingWaiting()
{
    ScriptedPrompter prompter;
    QVERIFY(!CrashHandler::reportPending(m_trace));
    QVERIFY(!CrashHandler::reportPending(QString()));
    QCOMPARE(prompter.prompts.size(), 0);
}

void TestCrashHandler::traceOfARealCrashIsReported()
{
    QProcess::ExitStatus status;
    int exitCode = 0;
    runHelper("segv", &status, &exitCode);
    QVERIFY(!QTest::currentTestFailed());
    QFile file(m_trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString expected = CrashHandler::traceText(file.readAll());
    file.close();

    QVERIFY(m_server->start());
    ProblemReport::setServer(m_server->url());
    ScriptedPrompter prompter;
    prompter.answers << QMessageBox::Ok;
    QVERIFY(CrashHandler::reportPending(m_trace));

    QCOMPARE(m_server->requests().size(), 1);
    const QString function = decodeQuery(m_server->requests().first().rawQuery()).value("function");
    QCOMPARE(function, expected);
    QVERIFY(function.contains("libc.so.6"));
}

QTEST_MAIN(TestCrashHandler)
#include "tst_crashhandler.moc"
