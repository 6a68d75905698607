#include "logcapture.h"
#include "tavlogging.h"

#include <QtConcurrent>
#include <QtTest>

// "hh:mm:ss.zzz L file line message"
static const QString kLinePattern =
    QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d ([TDIWEF]) (\\S*) (\\d+) (.*)\\n$");

static QRegularExpressionMatch parse(const QByteArray &line)
{
    return QRegularExpression(kLinePattern).match(QString::fromLatin1(line));
}

class TestTAVLogging : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void lineFormat();
    void messageItems_data();
    void messageItems();
    void threshold_data();
    void threshold();
    void sourceBaseName_data();
    void sourceBaseName();
    void emptyStatementWritesNothing();
    void nestedStatementsStayApart();
    void threadsKeepLinesWhole();
    void fileLogging();
    void levelNames_data();
    void levelNames();
    void levelFromString_data();
    void levelFromString();
    void platformInfo();

private:
    QTemporaryDir m_dir;
    QString m_logFile;
    QByteArray m_before; // content the log file had before logging began
};

static int debugMessages = 0;
static void countMessages(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++debugMessages;
}

void TestTAVLogging::initTestCase()
{
    // Without a file name, switching on does nothing and says nothing.
    const QtMessageHandler previous = qInstallMessageHandler(countMessages);
    TAVLogger::setEnabled();
    qInstallMessageHandler(previous);
    QCOMPARE(debugMessages, 0);

    // Logging appends to an existing file.
    m_logFile = m_dir.path() + "/KolvaneVave.log";
    m_before = "12:00:00.000 I earlier.cpp 1 from an earlier run \n";
    QFile old(m_logFile);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(m_before);
    old.close();

    QTest::ignoreMessage(QtDebugMsg, qPrintable(QString("logfilename set to \"%1\"").arg(m_logFile)));
    TAVLogger::setFileName(m_logFile);
    QTest::ignoreMessage(QtDebugMsg, "logging active");
    TAVLogger::setEnabled();
}

void TestTAVLogging::cleanup()
{
    TAVLogger::setLogLevel(TAVLogger::Info);
}

void TestTAVLogging::lineFormat()
{
    LogCapture capture;
    const QTime before = QTime::currentTime();
    LOG_WARNING << "Opening" << 42 << QStringLiteral("vault");
    const int line = __LINE__ - 1;

    QCOMPARE(capture.lines().size(), 1);
    const QByteArray text = capture.lines().first();
    const QRegularExpressionMatch m = parse(text);
    QVERIFY2(m.hasMatch(), text.constData());
    QCOMPARE(m.captured(1), QStringLiteral("W"));
    QCOMPARE(m.captured(2), QStringLiteral("tst_tavlogging.cpp"));
    QCOMPARE(m.captured(3).toInt(), line);
    // Items separated by blanks, strings quoted, the trailing blank kept.
    QCOMPARE(m.captured(4), QStringLiteral("Opening 42 \"vault\" "));
    const QTime stamp = QTime::fromString(QString::fromLatin1(text.left(12)), "hh:mm:ss.zzz");
    QVERIFY(stamp.isValid());
    QVERIFY(qAbs(before.msecsTo(stamp)) < 5000);
}

void TestTAVLogging::messageItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("plain text unquoted") << 0 << "abc def ";
    QTest::newRow("outside Latin-1 becomes ?") << 1 << "\"caf\u00e9 ?\" ";
    QTest::newRow("zero byte cuts the message") << 2 << "ab";
}

void TestTAVLogging::messageItems()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    LogCapture capture;
    switch (kind) {
    case 0: LOG_ERROR << "abc" << "def"; break;
    case 1: LOG_ERROR << QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac"); break;
    default: LOG_ERROR.noquote() << (QStringLiteral("ab") + QChar(0) + QStringLiteral("cd")); break;
    }
    QCOMPARE(capture.lines().size(), 1);
    const QRegularExpressionMatch m = parse(capture.lines().first());
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured(4), message);
}

void TestTAVLogging::threshold_data()
{
    QTest::addColumn<int>("threshold");
    for (int level = TAVLogger::Trace; level <= TAVLogger::Fatal; ++level)
        QTest::newRow(qPrintable(TAVLogger::levelToString(TAVLogger::LogLevel(level)))) << level;
}

void TestTAVLogging::threshold()
{
    QFETCH(int, threshold);
    TAVLogger::setLogLevel(TAVLogger::LogLevel(threshold));
    LogCapture capture;
    LOG_TRACE << "t";
    LOG_DEBUG << "d";
    LOG_INFO << "i";
    LOG_WARNING << "w";
    LOG_ERROR << "e";
    LOG_FATAL << "f";
    QString letters;
    for (const QByteArray &line : capture.lines())
        letters += parse(line).captured(1);
    // Statements at the threshold and above are written.
    QCOMPARE(letters, QStringLiteral("TDIWEF").mid(threshold));
}

void TestTAVLogging::sourceBaseName_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("with folders") << QByteArray("/src/shared/core/fileutils.cpp") << "fileutils.cpp";
    QTest::newRow("relative") << QByteArray("core/tavvault.cpp") << "tavvault.cpp";
    QTest::newRow("no folder") << QByteArray("main.cpp") << "main.cpp";
}

void TestTAVLogging::sourceBaseName()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    LogCapture capture;
    TAVLogger::write(TAVLogger::Info, file.constData(), 77, "fn") << "x";
    QCOMPARE(capture.lines().size(), 1);
    const QRegularExpressionMatch m = parse(capture.lines().first());
    QCOMPARE(m.captured(2), name);
    QCOMPARE(m.captured(3), QStringLiteral("77"));
}

void TestTAVLogging::emptyStatementWritesNothing()
{
    LogCapture capture;
    LOG_ERROR;
    { QDebug statement = LOG_ERROR; }
    QCOMPARE(capture.lines().size(), 0);
}

void TestTAVLogging::nestedStatementsStayApart()
{
    // A statement whose items log many lines themselves: the outer statement
    // stays open meanwhile and must still come out whole afterwards.
    const auto noisy = [] {
        for (int i = 0; i < 100; ++i)
            LOG_INFO << "inner" << i;
        return 7;
    };
    LogCapture capture;
    LOG_INFO << "outer before" << noisy() << "outer after";
    const QList<QByteArray> lines = capture.lines();
    QCOMPARE(lines.size(), 101);
    QCOMPARE(parse(lines.last()).captured(4), QStringLiteral("outer before 7 outer after "));
}

void TestTAVLogging::threadsKeepLinesWhole()
{
    constexpr int kThreads = 8;
    constexpr int kLines = 300;
    const QString payload(200, QLatin1Char('x'));
    const qint64 fileBefore = QFileInfo(m_logFile).size();
    LogCapture capture;
    QList<QFuture<void>> running;
    QThreadPool pool;
    pool.setMaxThreadCount(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        running.append(QtConcurrent::run(&pool, [t, payload] {
            for (int i = 0; i < kLines; ++i)
                LOG_INFO << "thread" << t << "line" << i << payload;
        }));
    }
    for (QFuture<void> &f : running)
        f.waitForFinished();

    const QRegularExpression message(QStringLiteral("^thread (\\d) line (\\d+) \"x{200}\" $"));
    const auto checkWhole = [&](const QList<QByteArray> &lines) {
        QCOMPARE(lines.size(), kThreads * kLines);
        QVector<int> next(kThreads, 0);
        for (const QByteArray &line : lines) {
            const QRegularExpressionMatch m = parse(line);
            QVERIFY2(m.hasMatch(), line.constData());
            const QRegularExpressionMatch body = message.match(m.captured(4));
            QVERIFY2(body.hasMatch(), line.constData());
            const int t = body.captured(1).toInt();
            // Each thread's lines arrive whole and in its own order.
            QCOMPARE(body.captured(2).toInt(), next[t]++);
        }
    };
    checkWhole(capture.lines());

    QFile file(m_logFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    file.seek(fileBefore);
    QList<QByteArray> fileLines;
    while (!file.atEnd())
        fileLines.append(file.readLine());
    checkWhole(fileLines);
}

void TestTAVLogging::fileLogging()
{
    LogCapture capture;
    LOG_INFO << QString::fromUtf8("na\xc3\xafve \xe2\x82\xac");
    const int line = __LINE__ - 1;
    LOG_DEBUG << "below the threshold";

    QFile file(m_logFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith(m_before));
    const QByteArray last = content.mid(content.lastIndexOf('\n', content.size() - 2) + 1);
    // The file gets the locale's encoding (UTF-8 here), standard output Latin-1.
    const QRegularExpressionMatch m = QRegularExpression(kLinePattern).match(QString::fromUtf8(last));
    QVERIFY2(m.hasMatch(), last.constData());
    QCOMPARE(m.captured(3).toInt(), line);
    QCOMPARE(m.captured(4), QString::fromUtf8("\"na\xc3\xafve \xe2\x82\xac\" "));
    QCOMPARE(parse(capture.lines().first()).captured(4), QString::fromUtf8("\"na\xc3\xafve ?\" "));
}

void TestTAVLogging::levelNames_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QChar>("letter");
    QTest::newRow("0") << 0 << "Trace" << QChar('T');
    QTest::newRow("1") << 1 << "Debug" << QChar('D');
    QTest::newRow("2") << 2 << "Info" << QChar('I');
    QTest::newRow("3") << 3 << "Warning" << QChar('W');
    QTest::newRow("4") << 4 << "Error" << QChar('E');
    QTest::newRow("5") << 5 << "Fatal" << QChar('F');
    QTest::newRow("6") << 6 << QString() << QChar();
    QTest::newRow("-1") << -1 << QString() << QChar();
}

void TestTAVLogging::levelNames()
{
    QFETCH(int, level);
    QFETCH(QString, name);
    QFETCH(QChar, letter);
    QCOMPARE(TAVLogger::levelToString(TAVLogger::LogLevel(level)), name);
    QCOMPARE(TAVLogger::levelToString(TAVLogger::LogLevel(level)).isNull(), name.isNull());
    QCOMPARE(TAVLogger::levelToChar(TAVLogger::LogLevel(level)), letter);
}

void TestTAVLogging::levelFromString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("level");
    QTest::newRow("trace") << "trace" << 0;
    QTest::newRow("info") << "info" << 2;
    QTest::newRow("WARNING with blanks") << "  WARNING \t" << 3;
    QTest::newRow("Error") << "Error" << 4;
    QTest::newRow("fatal") << "fatal" << 5;
    QTest::newRow("unknown word") << "verbose" << 1;
    QTest::newRow("empty") << "" << 1;
}

void TestTAVLogging::levelFromString()
{
    QFETCH(QString, text);
    QFETCH(int, level);
    QCOMPARE(int(TAVLogger::levelFromString(text)), level);
}

void TestTAVLogging::platformInfo()
{
    LogCapture capture;
    TAVLogger::LogPlatformInfo();
    QCOMPARE(capture.lines().size(), 1);
    const QRegularExpressionMatch m = parse(capture.lines().first());
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured(1), QStringLiteral("I"));
    QCOMPARE(m.captured(2), QStringLiteral("tavlogging.cpp"));
    QVERIFY(!m.captured(4).trimmed().isEmpty());
}

QTEST_GUILESS_MAIN(TestTAVLogging)
#include "tst_tavlogging.moc"
