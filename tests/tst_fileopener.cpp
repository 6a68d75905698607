#include "fileopener.h"

#include <QtTest>

namespace {

// Records the program it is asked to start instead of starting it.
class RecordingOpener : public FileOpener
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
    };
    QList<Call> calls;
    bool startSucceeds = true;

protected:
    bool start(const QString &program, const QStringList &arguments) override
    {
        calls.append({program, arguments});
        return startSucceeds;
    }
};

} // namespace

class TestFileOpener : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void fileGoesToXdgOpenAsOneArgument_data();
    void fileGoesToXdgOpenAsOneArgument();
    void notAFileToOpen_data();
    void notAFileToOpen();
    void openerThatDoesNotStart();

private:
    QString makeFile(const QString &name);

    QTemporaryDir m_dir;
    RecordingOpener m_opener;
};

void TestFileOpener::init()
{
    QVERIFY(m_dir.isValid());
    m_opener.calls.clear();
    m_opener.startSucceeds = true;
    FileOpener::setInstance(&m_opener);
}

void TestFileOpener::cleanup()
{
    FileOpener::setInstance(nullptr);
}

QString TestFileOpener::makeFile(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("x");
    return path;
}

void TestFileOpener::fileGoesToXdgOpenAsOneArgument_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "report.pdf";
    QTest::newRow("blanks and shell characters") << "my file; rm -rf $HOME & `x` 'y'.txt";
    QTest::newRow("starts with a dash") << "--help";
    QTest::newRow("percent and hash") << "100% #1.odt";
}

void TestFileOpener::fileGoesToXdgOpenAsOneArgument()
{
    QFETCH(QString, name);
    const QString path = makeFile(name);
    QVERIFY(!path.isEmpty());

    QVERIFY(FileOpener::instance()->open(path));
    QCOMPARE(m_opener.calls.size(), 1);
    QCOMPARE(m_opener.calls.first().program, QString("xdg-open"));
    QCOMPARE(m_opener.calls.first().arguments, QStringList{path});
}

void TestFileOpener::notAFileToOpen_data()
{
    QTest::addColumn<QString>("path"); // "@" stands for the temporary folder
    QTest::newRow("empty") << "";
    QTest::newRow("missing file") << "@/missing.txt";
    QTest::newRow("a folder") << "@";
    QTest::newRow("relative path") << "file.txt";
}

void TestFileOpener::notAFileToOpen()
{
    QFETCH(QString, path);
    QVERIFY(!makeFile("file.txt").isEmpty());
    path.replace("@", m_dir.path());
    // A relative name would find the file from here; it is still refused.
    const QString oldWorkingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));

    const bool opened = FileOpener::instance()->open(path);
    QDir::setCurrent(oldWorkingFolder);
    QVERIFY(!opened);
    QCOMPARE(m_opener.calls.size(), 0);
}

void TestFileOpener::openerThatDoesNotStart()
{
    m_opener.startSucceeds = false;
    QVERIFY(!FileOpener::instance()->open(makeFile("a.txt")));
    QCOMPARE(m_opener.calls.size(), 1);
}

QTEST_GUILESS_MAIN(TestFileOpener)
#include "tst_fileopener.moc"
