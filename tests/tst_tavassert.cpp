#include <QProcess>
#include <QtTest>

class TestTAVAssert : public QObject
{
    Q_OBJECT
private slots:
    void failedCheckEndsProgramWithFailure_data();
    void failedCheckEndsProgramWithFailure();
};

void TestTAVAssert::failedCheckEndsProgramWithFailure_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("report"); // the whole of the last line, and no line break after it
    QTest::newRow("folder tree check")
        << "tree-root-row" << true
        << "^Assertion failed at \\S*/shared/views/tavfilesystemtreemodel\\.cpp:\\d+ "
           "inside data Condition: className!=TAVFileSystemClass$";
    QTest::newRow("macro, false")
        << "macro-fails" << true
        << "^Assertion failed at \\S*/failing_check\\.cpp:\\d+ inside main Condition: argc == 42$";
    QTest::newRow("macro, true") << "macro-holds" << false << QString();
}

void TestTAVAssert::failedCheckEndsProgramWithFailure()
{
    QFETCH(QString, mode);
    QFETCH(bool, fails);
    QFETCH(QString, report);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(KV_HELPER_DIR "/failing_check"), {mode});
    QVERIFY2(child.waitForFinished(30000), qPrintable(child.errorString()));
    const QByteArray out = child.readAllStandardOutput();
    // Qt may add its own warnings on lines of their own; the report is the last line.
    const QByteArray err = child.readAllStandardError();
    const QString lastLine = QString::fromUtf8(err.mid(err.lastIndexOf('\n') + 1));

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    if (!fails) {
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(out, QByteArray("after check\n"));
        QVERIFY2(!err.contains("Assertion failed"), err.constData());
        return;
    }
    QVERIFY2(child.exitCode() != 0, "a failed check must not end as a success");
    QVERIFY2(QRegularExpression(report).match(lastLine).hasMatch(), err.constData());
    QCOMPARE(out, QByteArray("asked: A problem occured\n")); // the box, and nothing after the check
}

QTEST_GUILESS_MAIN(TestTAVAssert)
#include "tst_tavassert.moc"
