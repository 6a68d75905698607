#include "appstate.h"
#include "filefixture.h"
#include "fileutils.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestAppState : public QObject
{
    Q_OBJECT
private slots:
    void makesPrivateFolder();
    void leftoverOfOursIsMadeAnew();
    void foreignEntryIsNeverReused_data();
    void foreignEntryIsNeverReused();
    void failsWhenNothingCanBeMade();

private:
    static void verifyPrivate(const QString &path)
    {
        struct stat st;
        QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0);
        QVERIFY(S_ISDIR(st.st_mode));
        QCOMPARE(st.st_uid, ::geteuid());
        QCOMPARE(int(st.st_mode & 07777), 0700);
        QCOMPARE(AppState::tempPath, path);
        QCOMPARE(FileUtils::getTempPath(), path);
    }
};

void TestAppState::makesPrivateFolder()
{
    QTemporaryDir base;
    const mode_t old = ::umask(0); // a lax umask must not widen the folder
    const bool made = AppState::setTempPath(base.path());
    ::umask(old);
    QVERIFY(made);
    verifyPrivate(base.path() + "/Kolvane Vave");
}

void TestAppState::leftoverOfOursIsMadeAnew()
{
    QTemporaryDir base;
    const QString folder = base.path() + "/Kolvane Vave";
    QVERIFY(FileFixture::write(folder + "/old decrypted copy.txt", "left from a crash"));
    QVERIFY(FileFixture::write(folder + "/sub/more", "x"));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));

    QVERIFY(AppState::setTempPath(base.path()));
    verifyPrivate(folder);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestAppState::foreignEntryIsNeverReused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder of another user") << "foreign folder";
    QTest::newRow("link of another user") << "foreign link";
    QTest::newRow("our own link to elsewhere") << "own link";
}

void TestAppState::foreignEntryIsNeverReused()
{
    QFETCH(QString, kind);
    QTemporaryDir base;
    const QString name = base.path() + "/Kolvane Vave";
    const QString elsewhere = base.path() + "/elsewhere";
    QVERIFY(FileFixture::write(elsewhere + "/keep", "target of a link"));
    const bool foreign = kind.startsWith("foreign");
    if (foreign && ::geteuid() != 0)
        QSKIP("giving an entry to another user needs root");

    if (kind == "foreign folder") {
        QVERIFY(FileFixture::write(name + "/theirs", "another user's file"));
        QVERIFY(::chmod(QFile::encodeName(name).constData(), 0777) == 0);
        QVERIFY(::chown(QFile::encodeName(name).constData(), 65534, 65534) == 0);
    } else {
        QVERIFY(FileFixture::symlink(elsewhere, name));
        if (foreign)
            QVERIFY(::lchown(QFile::encodeName(name).constData(), 65534, 65534) == 0);
    }

    QVERIFY(AppState::setTempPath(base.path()));

    // Nothing of the other entry is touched or followed.
    QCOMPARE(FileFixture::read(elsewhere + "/keep"), QByteArray("target of a link"));
    if (kind == "foreign folder")
        QCOMPARE(FileFixture::read(name + "/theirs"), QByteArray("another user's file"));
    if (foreign) {
        QVERIFY(AppState::tempPath.startsWith(name + "-"));
        QCOMPARE(AppState::tempPath.size(), name.size() + 7);
    } else {
        // Our own stale link is removed as a link and the name made anew.
        QCOMPARE(AppState::tempPath, name);
    }
    verifyPrivate(AppState::tempPath);
}

void TestAppState::failsWhenNothingCanBeMade()
{
    QTemporaryDir base;
    const QString before = AppState::tempPath;
    QVERIFY(FileFixture::write(base.path() + "/a-file", "x"));
    QVERIFY(!AppState::setTempPath(base.path() + "/a-file"));
    QCOMPARE(AppState::tempPath, before);
}

QTEST_GUILESS_MAIN(TestAppState)
#include "tst_appstate.moc"
