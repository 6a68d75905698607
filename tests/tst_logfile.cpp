#include "logfile.h"

#include <QtTest>

class TestLogFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void place_data();
    void place();
    void noPlaceForTheFile_data();
    void noPlaceForTheFile();
    void linkInThePlaceOfTheLogIsNotFollowed();
    void enableWritesLinesToTheFile();

private:
    QString dataFolder() const { return m_dir.filePath("xdg-data"); }

    QTemporaryDir m_dir;
    QString m_oldWorkingFolder;
};

void TestLogFile::init()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(m_dir.filePath("program")));
    QFile file(m_dir.filePath("a file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataFolder()));
    // Started from a folder of its own, to see that nothing lands there.
    m_oldWorkingFolder = QDir::currentPath();
    QVERIFY(QDir().mkpath(m_dir.filePath("cwd")));
    QVERIFY(QDir::setCurrent(m_dir.filePath("cwd")));
}

void TestLogFile::cleanup()
{
    QDir::setCurrent(m_oldWorkingFolder);
    QVERIFY(QDir(m_dir.filePath("cwd")).isEmpty());
}

void TestLogFile::place_data()
{
    // The program's folder below the temporary folder; whether the log goes
    // beside it (else into the user's data folder).
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<bool>("beside");

    QTest::newRow("folder that takes files") << "program" << true;
    QTest::newRow("folder whose parent is missing") << "missing/bin" << false;
    QTest::newRow("path below a file") << "a file/bin" << false;
    QTest::newRow("the folder is a file") << "a file" << false;
}

void TestLogFile::place()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, beside);

    const QString program = m_dir.filePath(programFolder);
    const QString expected =
        beside ? program + "/KolvaneVave.log"
               : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                     + "/KolvaneVave.log";
    QVERIFY(expected.startsWith(beside ? program : dataFolder()));
    QCOMPARE(LogFile::path(program), expected);
    QVERIFY(QFileInfo(QFileInfo(expected).path()).isDir());
}

void TestLogFile::noPlaceForTheFile_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::newRow("data folder below a file") << QFile::encodeName(m_dir.filePath("a file/data"));
    QTest::newRow("relative data folder") << QByteArray("relative/data");
}

void TestLogFile::noPlaceForTheFile()
{
    QFETCH(QByteArray, dataHome);
    qputenv("XDG_DATA_HOME", dataHome);

    const QString program = m_dir.filePath("missing/bin");
    QCOMPARE(LogFile::path(program), QString());
    QVERIFY(!LogFile::enable(TAVLogger::Debug, program));
}

// A link planted where the log goes (a file the user can write elsewhere):
// nothing is appended through it.
void TestLogFile::linkInThePlaceOfTheLogIsNotFollowed()
{
    const QString program = m_dir.filePath("planted");
    QVERIFY(QDir().mkpath(program));
    const QString outside = m_dir.filePath("outside.txt");
    QFile target(outside);
    QVERIFY(target.open(QIODevice::WriteOnly));
    QCOMPARE(target.write("the user's own file\n"), qint64(20));
    target.close();
    QVERIFY(QFile::link(outside, program + "/KolvaneVave.log"));
    LogFile::enable(TAVLogger::Debug, program);
    LOG_DEBUG << "an item name that must not leak";
    QVERIFY(target.open(QIODevice::ReadOnly));
    QCOMPARE(target.readAll(), QByteArray("the user's own file\n"));
    QVERIFY(QFileInfo(program + "/KolvaneVave.log").isSymLink());
}

void TestLogFile::enableWritesLinesToTheFile()
{
    const QString program = m_dir.filePath("program");
    QVERIFY(LogFile::enable(TAVLogger::Debug, program));
    LOG_DEBUG << "first line";
    LOG_TRACE << "below the level";

    QFile log(program + "/KolvaneVave.log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY2(text.contains("first line"), text.constData());
    QVERIFY(!text.contains("below the level"));
    // Made for this user only.
    QCOMPARE(log.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFileDevice::Permissions());
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
