#include "single_application.h"

#include <QProcess>
#include <QSharedMemory>
#include <QUuid>
#include <QtTest>

#include <cstring>

namespace {

// A key of this run only, so no test ever meets the program's own block.
QString freshKey()
{
    return QStringLiteral("kv-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Runs the peer program and returns its standard output.
QByteArray runPeer(const QStringList &arguments)
{
    QProcess peer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    peer.setProcessEnvironment(env);
    peer.start(QStringLiteral(KV_HELPER_DIR "/single_instance_peer"), arguments);
    if (!peer.waitForFinished(30000) || peer.exitStatus() != QProcess::NormalExit
        || peer.exitCode() != 0)
        return "peer failed: " + peer.readAllStandardError();
    return peer.readAllStandardOutput();
}

} // namespace

class TestSingleApplication : public QObject
{
    Q_OBJECT
public:
    explicit TestSingleApplication(const QString &key) : m_key(key) {}

private slots:
    void firstInstanceHasEmptyMailbox();
    void pollDeliversWaitingMessageOnce_data();
    void pollDeliversWaitingMessageOnce();
    void secondProcessSeesFirstAndPassesMessage_data();
    void secondProcessSeesFirstAndPassesMessage();
    void keyIsFreeOnceFirstInstanceIsGone_data();
    void keyIsFreeOnceFirstInstanceIsGone();

private:
    SingleApplication *app() { return static_cast<SingleApplication *>(qApp); }
    QByteArray block();
    bool putInBlock(const QByteArray &bytes);

    QString m_key;
};

QByteArray TestSingleApplication::block()
{
    QSharedMemory peer(m_key);
    if (!peer.attach(QSharedMemory::ReadOnly) || !peer.lock())
        return QByteArray();
    const QByteArray bytes(static_cast<const char *>(peer.constData()), peer.size());
    peer.unlock();
    return bytes;
}

bool TestSingleApplication::putInBlock(const QByteArray &bytes)
{
    QSharedMemory peer(m_key);
    if (!peer.attach() || !peer.lock())
        return false;
    // Stale text first, so a reader that passes the zero byte is caught.
    std::memset(peer.data(), 'z', size_t(peer.size()));
    std::memcpy(peer.data(), bytes.constData(), size_t(qMin(bytes.size(), peer.size())));
    peer.unlock();
    return true;
}

void TestSingleApplication::firstInstanceHasEmptyMailbox()
{
    QVERIFY(!app()->isRunning());
    QVERIFY(!app()->sendMessage(QStringLiteral("to nobody")));
    const QByteArray bytes = block();
    QCOMPARE(bytes.size(), SingleApplication::kBlockSize);
    QCOMPARE(bytes.at(0), '0');
    QVERIFY(!bytes.contains("to nobody"));
}

void TestSingleApplication::pollDeliversWaitingMessageOnce_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("message");
    QTest::newRow("text") << QByteArray("1hello\0", 7) << "hello";
    QTest::newRow("empty") << QByteArray("1\0", 2) << "";
    QTest::newRow("any flag but 0") << QByteArray("xabc\0", 5) << "abc";
    QTest::newRow("utf-8") << QByteArray("1caf\xc3\xa9\0", 7) << QString::fromUtf8("caf\xc3\xa9");
}

void TestSingleApplication::pollDeliversWaitingMessageOnce()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, message);
    QSignalSpy spy(app(), &SingleApplication::messageAvailable);

    app()->checkForMessage(); // an empty mailbox tells nothing
    QCOMPARE(spy.count(), 0);

    QVERIFY(putInBlock(record));
    app()->checkForMessage();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), message);
    QCOMPARE(block().at(0), '0');

    app()->checkForMessage();
    QCOMPARE(spy.count(), 1);
}

void TestSingleApplication::secondProcessSeesFirstAndPassesMessage_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("received");
    const QString text = QString::fromUtf8("open \"/media/stick/a & b.txt\" \xe2\x82\xac");
    QTest::newRow("text") << text << text;
    // Longer than the block: cut, never written past it.
    QTest::newRow("longer than the block")
        << QString(SingleApplication::kBlockSize + 900, QLatin1Char('a'))
        << QString(SingleApplication::kBlockSize - 1, QLatin1Char('a'));
}

void TestSingleApplication::secondProcessSeesFirstAndPassesMessage()
{
    QFETCH(QString, message);
    QFETCH(QString, received);
    QSignalSpy spy(app(), &SingleApplication::messageAvailable);

    QCOMPARE(runPeer({m_key, QStringLiteral("send"), message}), QByteArray("running=1\nsent=1\n"));
    // Delivered by the first instance's own poll.
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 5000);
    QCOMPARE(spy.at(0).at(0).toString(), received);
    QTest::qWait(1200); // the next poll finds the mailbox empty
    QCOMPARE(spy.count(), 1);
}

void TestSingleApplication::keyIsFreeOnceFirstInstanceIsGone_data()
{
    QTest::addColumn<QString>("firstEnds");
    QTest::newRow("normally") << "send";
    QTest::newRow("without detaching") << "abandon";
}

void TestSingleApplication::keyIsFreeOnceFirstInstanceIsGone()
{
    QFETCH(QString, firstEnds);
    const QString key = freshKey();
    QCOMPARE(runPeer({key, firstEnds}), QByteArray("running=0\n"));
    QCOMPARE(runPeer({key, QStringLiteral("send"), QStringLiteral("anyone?")}),
             QByteArray("running=0\nsent=0\n"));
}

int main(int argc, char **argv)
{
    const QString key = freshKey();
    SingleApplication app(argc, argv, key);
    TestSingleApplication test(key);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
