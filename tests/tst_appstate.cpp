#include "appstate.h"
#include "filefixture.h"
#include "fileutils.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fullyOverwritten(const QByteArray &bytes, const QByteArray &original)
{
    return bytes.size() == original.size() && !bytes.contains(original.left(8));
}

} // namespace

class TestAppState : public QObject
{
    Q_OBJECT
private slots:
    void makesPrivateFolder();
    void leftoversOfEndedRunsAreWiped();
    void runningCopiesKeepTheirFolders();
    void fallbackFoldersAreCleanedToo();
    void keptCopiesOfAnEndedRunStay();
    void foreignEntryIsNeverReused_data();
    void foreignEntryIsNeverReused();
    void failsWhenNothingCanBeMade();

private:
    // This process's folder: "<top>/<pid>-XXXXXX", both private.
    static void verifyPrivate(const QString &top)
    {
        const QString own = AppState::tempPath;
        QCOMPARE(QFileInfo(own).absolutePath(), top);
        QVERIFY2(QRegularExpression(QStringLiteral("^%1-[A-Za-z0-9]{6}$").arg(::getpid()))
                     .match(QFileInfo(own).fileName())
                     .hasMatch(),
                 qPrintable(own));
        for (const QString &path : {top, own}) {
            struct stat st;
            QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0);
            QVERIFY(S_ISDIR(st.st_mode));
            QCOMPARE(st.st_uid, ::geteuid());
            QCOMPARE(int(st.st_mode & 07777), 0700);
        }
        QCOMPARE(FileUtils::getTempPath(), own);
    }
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }
};

void TestAppState::makesPrivateFolder()
{
    QTemporaryDir base;
    const mode_t old = ::umask(0); // a lax umask must not widen the folders
    const bool made = AppState::setTempPath(base.path());
    ::umask(old);
    QVERIFY(made);
    verifyPrivate(base.path() + "/Kolvane Vave");
    QCOMPARE(entries(AppState::tempPath), QStringList());
}

void TestAppState::leftoversOfEndedRunsAreWiped()
{
    QTemporaryDir base;
    const QString top = base.path() + "/Kolvane Vave";
    const QByteArray secret = QByteArray("plain secret of an ended run ").repeated(40);
    const QString dead = top + QStringLiteral("/%1-aB3dE5").arg(FileFixture::endedProcessId());
    // A copy of an ended run, one with a hard link outside (the user's own
    // file, which must keep its bytes), and files of an older layout.
    QVERIFY(FileFixture::write(dead + "/0123/a.txt", secret));
    QVERIFY(FileFixture::write(base.path() + "/mine.txt", secret));
    QVERIFY(::link(QFile::encodeName(base.path() + "/mine.txt").constData(),
                   QFile::encodeName(dead + "/0123/linked.txt").constData()) == 0);
    QVERIFY(FileFixture::write(top + "/old decrypted copy.txt", secret));
    QVERIFY(FileFixture::write(top + "/sub/more", secret));
    QVERIFY(QFile::setPermissions(top, QFileDevice::Permissions(0x7777)));
    HeldFile copy(dead + "/0123/a.txt");
    HeldFile oldCopy(top + "/old decrypted copy.txt");

    QVERIFY(AppState::setTempPath(base.path()));

    verifyPrivate(top);
    QCOMPARE(entries(top), QStringList{QFileInfo(AppState::tempPath).fileName()});
    QVERIFY(fullyOverwritten(copy.bytes(), secret));
    QVERIFY(fullyOverwritten(oldCopy.bytes(), secret));
    QCOMPARE(FileFixture::read(base.path() + "/mine.txt"), secret);
    QCOMPARE(AppState::keptCopies, QStringList());
}

void TestAppState::runningCopiesKeepTheirFolders()
{
    QTemporaryDir base;
    QVERIFY(AppState::setTempPath(base.path()));
    const QString first = AppState::tempPath;
    // Another running copy of the program: its folder under its own id.
    const QString other = base.path() + QStringLiteral("/Kolvane Vave/%1-Qw3rTy").arg(::getppid());
    QVERIFY(FileFixture::write(other + "/0123/b.txt", "open in the other copy"));
    QVERIFY(FileFixture::write(first + "/0123/c.txt", "an earlier run of this id"));

    QVERIFY(AppState::setTempPath(base.path()));

    QVERIFY(AppState::tempPath != first);
    QCOMPARE(FileFixture::read(other + "/0123/b.txt"), QByteArray("open in the other copy"));
    // A folder under our own id that isn't the one just made is an earlier run's.
    QVERIFY(!QFileInfo::exists(first));
}

void TestAppState::fallbackFoldersAreCleanedToo()
{
    QTemporaryDir base;
    const QString ended = QString::number(FileFixture::endedProcessId());
    const QString running = QString::number(::getppid());
    const QString gone = base.path() + "/Kolvane Vave-aB3dE5";
    const QString busy = base.path() + "/Kolvane Vave-Zz99Yy";
    QVERIFY(FileFixture::write(gone + "/" + ended + "-x1x2x3/0123/a.txt", "left"));
    QVERIFY(FileFixture::write(busy + "/" + ended + "-x1x2x3/0123/a.txt", "left"));
    QVERIFY(FileFixture::write(busy + "/" + running + "-y1y2y3/0123/b.txt", "in use"));
    const QString unrelated = base.path() + "/Kolvane Vave-notes.txt";
    QVERIFY(FileFixture::write(unrelated, "not a folder of ours"));

    QVERIFY(AppState::setTempPath(base.path()));

    verifyPrivate(base.path() + "/Kolvane Vave");
    QVERIFY(!QFileInfo::exists(gone));
    QCOMPARE(entries(busy), QStringList{running + "-y1y2y3"});
    QCOMPARE(FileFixture::read(busy + "/" + running + "-y1y2y3/0123/b.txt"), QByteArray("in use"));
    QCOMPARE(FileFixture::read(unrelated), QByteArray("not a folder of ours"));
}

void TestAppState::keptCopiesOfAnEndedRunStay()
{
    QTemporaryDir base;
    const QString top = base.path() + "/Kolvane Vave";
    const QString ended = QString::number(FileFixture::endedProcessId());
    const QString keeping = top + "/" + ended + "-k1k2k3";
    const QString stale = top + "/" + ended + "-s1s2s3";
    // One list names a copy that is still there, with a name that needs
    // encoding; the other only copies that are gone by now.
    const QString name = QStringLiteral("0123/report 100%\n.txt");
    QVERIFY(FileFixture::write(keeping + "/" + name, "edits not in the vault"));
    QVERIFY(FileFixture::write(keeping + "/0123/report.txt~", "editor backup"));
    QVERIFY(FileFixture::write(keeping + "/kept-copies", name.toUtf8().toPercentEncoding("/") + "\n"));
    QVERIFY(FileFixture::write(stale + "/0123/a.txt", "saved long ago"));
    QVERIFY(FileFixture::write(stale + "/kept-copies", "0123/gone.txt\n../../mine.txt\n"));
    QVERIFY(FileFixture::write(base.path() + "/mine.txt", "outside"));

    QVERIFY(AppState::setTempPath(base.path()));

    QCOMPARE(AppState::keptCopies, QStringList{keeping + "/" + name});
    QCOMPARE(FileFixture::read(keeping + "/" + name), QByteArray("edits not in the vault"));
    QCOMPARE(FileFixture::read(keeping + "/0123/report.txt~"), QByteArray("editor backup"));
    QVERIFY(!QFileInfo::exists(stale));
    QCOMPARE(FileFixture::read(base.path() + "/mine.txt"), QByteArray("outside"));
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
    QVERIFY(FileFixture::write(elsewhere + QStringLiteral("/%1-aB3dE5/x").arg(FileFixture::endedProcessId()), "looks ours"));
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
    QCOMPARE(entries(elsewhere).size(), 2);
    if (kind == "foreign folder")
        QCOMPARE(FileFixture::read(name + "/theirs"), QByteArray("another user's file"));
    const QString top = QFileInfo(AppState::tempPath).absolutePath();
    if (foreign) {
        QVERIFY(top.startsWith(name + "-"));
        QCOMPARE(top.size(), name.size() + 7);
    } else {
        // Our own stale link is removed as a link and the name made anew.
        QCOMPARE(top, name);
    }
    verifyPrivate(top);
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
