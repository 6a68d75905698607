#include "appstate.h"
#include "filefixture.h"
#include "filesizelimit.h"
#include "fileutils.h"
#include "logcapture.h"
#include "scriptedprompter.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilewatcher.h"
#include "tavfolder.h"
#include "tavvault.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QThreadPool>

#include <QDirIterator>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Writes the copy in place, as most editors do.
bool saveInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Writes a new file beside the copy and renames it over the copy.
bool saveByRename(const QString &path, const QByteArray &bytes)
{
    const QString temp = path + QStringLiteral(".new");
    return saveInPlace(temp, bytes) && ::rename(QFile::encodeName(temp).constData(),
                                                QFile::encodeName(path).constData()) == 0;
}

// Writes the copy in place and puts its old modification time back, to the
// nanosecond, as a copying tool keeping times does.
bool saveKeepingTheTime(const QString &path, const QByteArray &bytes)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !saveInPlace(path, bytes))
        return false;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

// Every file below a folder, relative to it.
QStringList filesBelow(const QString &folder)
{
    QStringList list;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        list << QDir(folder).relativeFilePath(it.next());
    list.sort();
    return list;
}

} // namespace

class TestTAVFileWatcher : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void savesReachTheVault_data();
    void savesReachTheVault();
    void aNoticeWithoutChangeEncryptsNothing();
    void sameNamedItemsGetCopiesOfTheirOwn();
    void openingAgainKeepsTheCopyAndItsSaves();
    void lockWipesEveryCopy();
    void failedEncryptionIsToldAndTriedAgain();
    void saveWhileTheVaultFolderIsGoneIsToldAndKept();
    void reopeningWithUnsavedChangesKeepsTheCopy();
    void copyOfADeletedItemIsIgnoredThenWiped();
    void unsavedCopyOutlivesTheLock_data();
    void unsavedCopyOutlivesTheLock();
    void theEndLeavesUnsavedCopiesForTheNextStart();
    void copyIsNeverWrittenThroughALink_data();
    void copyIsNeverWrittenThroughALink();

private:
    QScopedPointer<VaultFixture> fx;
    QScopedPointer<ScriptedPrompter> prompter;
    TAVVault *vault = nullptr;
    QString savedTempPath;
};

void TestTAVFileWatcher::init()
{
    fx.reset(new VaultFixture);
    prompter.reset(new ScriptedPrompter);
    vault = fx->addVault(QStringLiteral("Main"), TAV_AES256);
    savedTempPath = AppState::tempPath;
    QVERIFY(QDir().mkpath(fx->path(QStringLiteral("tmp"))));
    QVERIFY(AppState::setTempPath(fx->path(QStringLiteral("tmp"))));
}

void TestTAVFileWatcher::cleanup()
{
    AppState::tempPath = savedTempPath;
    prompter.reset();
    fx.reset();
    vault = nullptr;
}

void TestTAVFileWatcher::savesReachTheVault_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("in place") << 0;
    QTest::newRow("new file renamed over the copy") << 1;
    QTest::newRow("in place, the old time put back") << 2;
}

void TestTAVFileWatcher::savesReachTheVault()
{
    QFETCH(int, how);
    TAVFolder *letters = vault->addFolder(QStringLiteral("Letters"));
    TAVFile *file = fx->addFile(letters, QStringLiteral("a.txt"), "first");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    QVERIFY(copy.startsWith(AppState::tempPath + "/"));
    QCOMPARE(QFileInfo(copy).fileName(), QStringLiteral("a.txt"));
    QCOMPARE(FileFixture::read(copy), QByteArray("first"));
    QVERIFY(watcher.isBeingWatched(copy));
    QVERIFY(!QFileInfo::exists(vault->getVaultIdxFileName()));

    // Saves of the same size one right after the other, each waited for:
    // they fall within one second, most within one tick of the file times.
    const QList<QByteArray> saves = {"AAAAA", "BBBBB", "CCCCC", "a longer text", "DDDDD"};
    for (const QByteArray &bytes : saves) {
        QVERIFY(how == 0 ? saveInPlace(copy, bytes)
                         : how == 1 ? saveByRename(copy, bytes) : saveKeepingTheTime(copy, bytes));
        QTRY_COMPARE(fx->plain(file), bytes);
        QCOMPARE(file->GetOriginalSize(), quint64(bytes.size()));
        QCOMPARE(file->GetCurrentSize(), quint64(bytes.size()) + 512);
    }
    // Each save wrote the vault's index too: it loads with the last sizes.
    QVERIFY(QFileInfo::exists(vault->getVaultIdxFileName()));
    QCOMPARE(file->GetModifiedDate(), QFileInfo(copy).lastModified());
    QCOMPARE(QFileInfo(copy).fileName(), QStringLiteral("a.txt"));
    // An in-place save after renaming saves is still seen: the watch followed.
    QVERIFY(saveInPlace(copy, "last"));
    QTRY_COMPARE(fx->plain(file), QByteArray("last"));
    QVERIFY(prompter->prompts.isEmpty());

    // The vault's index was saved with the item as it is now.
    const QDateTime modified = file->GetModifiedDate();
    vault->unload();
    QCOMPARE(vault->load(), 0);
    auto *reloaded = static_cast<TAVFile *>(TAVFileSystem::getInstance()->findItemByPath("Main/Letters/a.txt"));
    QVERIFY(reloaded);
    QCOMPARE(reloaded->GetOriginalSize(), quint64(4));
    QCOMPARE(reloaded->GetModifiedDate(), modified);
    QCOMPARE(fx->plain(reloaded), QByteArray("last"));
}

void TestTAVFileWatcher::aNoticeWithoutChangeEncryptsNothing()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "content");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    const QByteArray body = FileFixture::read(file->getFullPhysicalFileName());
    const QStringList items = VaultFixture::describe(vault);
    // A change of permissions is a notice without a save.
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QTest::qWait(200);
    QCOMPARE(FileFixture::read(file->getFullPhysicalFileName()), body); // a new IV would change every byte
    QCOMPARE(VaultFixture::describe(vault), items);
    // The watch is still there for a real save.
    QVERIFY(saveInPlace(copy, "edited"));
    QTRY_COMPARE(fx->plain(file), QByteArray("edited"));
}

void TestTAVFileWatcher::sameNamedItemsGetCopiesOfTheirOwn()
{
    TAVFile *first = fx->addFile(vault->addFolder(QStringLiteral("One")), QStringLiteral("notes.txt"), "one");
    TAVFile *second = fx->addFile(vault->addFolder(QStringLiteral("Two")), QStringLiteral("NOTES.txt"), "two");
    TAVVault *other = fx->addVault(QStringLiteral("Other"), TAV_AES128);
    TAVFile *third = fx->addFile(other, QStringLiteral("notes.txt"), "three");
    TAVFileWatcher watcher;
    const QString a = watcher.openCopy(first);
    const QString b = watcher.openCopy(second);
    const QString c = watcher.openCopy(third);
    QCOMPARE(QSet<QString>({a.toLower(), b.toLower(), c.toLower()}).size(), 3);
    QCOMPARE(FileFixture::read(a), QByteArray("one"));
    QCOMPARE(FileFixture::read(b), QByteArray("two"));
    QCOMPARE(FileFixture::read(c), QByteArray("three"));

    QVERIFY(saveInPlace(b, "two, edited"));
    QTRY_COMPARE(fx->plain(second), QByteArray("two, edited"));
    QVERIFY(saveByRename(a, "one, edited"));
    QTRY_COMPARE(fx->plain(first), QByteArray("one, edited"));
    QCOMPARE(fx->plain(second), QByteArray("two, edited"));
    QCOMPARE(fx->plain(third), QByteArray("three"));
}

void TestTAVFileWatcher::openingAgainKeepsTheCopyAndItsSaves()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "first");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    // A save the watcher has not handled yet (no events ran) is not lost
    // when the item is opened again.
    QVERIFY(saveInPlace(copy, "saved before opening again"));
    LogCapture log;
    QCOMPARE(watcher.openCopy(file), copy);
    QCOMPARE(fx->plain(file), QByteArray("saved before opening again"));
    QCOMPARE(FileFixture::read(copy), QByteArray("saved before opening again"));
    for (const QByteArray &line : log.lines())
        QVERIFY2(!line.contains("file already monitored"), line.constData());
    QVERIFY(saveInPlace(copy, "and after"));
    QTRY_COMPARE(fx->plain(file), QByteArray("and after"));
}

void TestTAVFileWatcher::lockWipesEveryCopy()
{
    TAVFile *kept = fx->addFile(vault, QStringLiteral("kept.txt"), "plain secret one");
    TAVFile *lost = fx->addFile(vault, QStringLiteral("lost.txt"), "plain secret two");
    TAVFileWatcher watcher;
    const QString keptCopy = watcher.openCopy(kept);
    const QString lostCopy = watcher.openCopy(lost);
    HeldFile held(keptCopy);
    QVERIFY(held.isOpen());

    // An editor's backup beside a copy, and a copy whose watch was lost: it
    // was removed (the notice ran) and written anew, no notice handled yet.
    QVERIFY(saveInPlace(keptCopy + "~", "plain secret one, backup"));
    QVERIFY(QFile::remove(lostCopy));
    QTest::qWait(100);
    QVERIFY(saveInPlace(lostCopy, "plain secret two, rewritten"));
    // And a save right before the lock.
    QVERIFY(saveInPlace(keptCopy, "plain secret one, last save"));

    watcher.removeWatchingFiles();

    QCOMPARE(filesBelow(AppState::tempPath), QStringList());
    QVERIFY(!watcher.isBeingWatched(keptCopy));
    QVERIFY(!watcher.isBeingWatched(lostCopy));
    QVERIFY(!held.bytes().contains("plain secret")); // overwritten before removal
    // Both late saves reached the vault first.
    QCOMPARE(fx->plain(kept), QByteArray("plain secret one, last save"));
    QCOMPARE(fx->plain(lost), QByteArray("plain secret two, rewritten"));

    // The end of the watcher wipes too.
    QString again;
    {
        TAVFileWatcher last;
        again = last.openCopy(kept);
        QVERIFY(QFileInfo::exists(again));
    }
    QCOMPARE(filesBelow(AppState::tempPath), QStringList());
}

void TestTAVFileWatcher::failedEncryptionIsToldAndTriedAgain()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "small");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    const QByteArray body = FileFixture::read(file->getFullPhysicalFileName());
    const QStringList items = VaultFixture::describe(vault);
    const QByteArray big(60000, 'x');
    {
        // The copy fits, its body (header included) does not.
        FileSizeLimit limit(60100);
        if (!limit.isActive())
            QSKIP("no file size limit here");
        QVERIFY(saveInPlace(copy, big));
        QTRY_COMPARE(prompter->prompts.size(), 1);
    }
    QCOMPARE(prompter->prompts.at(0).title, QStringLiteral("FileWatcher error"));
    QCOMPARE(prompter->prompts.at(0).text, QString::fromLatin1(TAVException::messageFor(TAV_CANNOT_ENCRYPT)));
    QCOMPARE(prompter->prompts.at(0).icon, QMessageBox::Warning);
    QCOMPARE(FileFixture::read(file->getFullPhysicalFileName()), body);
    QCOMPARE(VaultFixture::describe(vault), items);
    // The save was not taken as done: the lock puts it into the vault.
    watcher.removeWatchingFiles();
    QCOMPARE(fx->plain(file), big);
}

void TestTAVFileWatcher::saveWhileTheVaultFolderIsGoneIsToldAndKept()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "small");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    const QString folder = vault->getFullPhysicalVaultPath();
    // The drive holding the vault was unplugged and its folder not found again.
    vault->setFullPhysicalVaultPath(QString());
    QVERIFY(saveInPlace(copy, "edited"));
    QTRY_COMPARE(prompter->prompts.size(), 1);
    QCOMPARE(prompter->prompts.at(0).title, QStringLiteral("FileWatcher error"));
    QVERIFY(prompter->prompts.at(0).text.contains(QStringLiteral("a.txt")));
    // Not taken as saved: once the folder is back, the lock puts it in.
    vault->setFullPhysicalVaultPath(folder);
    watcher.removeWatchingFiles();
    QCOMPARE(fx->plain(file), QByteArray("edited"));
    QCOMPARE(prompter->prompts.size(), 1);
}

void TestTAVFileWatcher::reopeningWithUnsavedChangesKeepsTheCopy()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "small");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    const QString folder = vault->getFullPhysicalVaultPath();
    vault->setFullPhysicalVaultPath(QString());
    QVERIFY(saveInPlace(copy, "edited"));
    QTRY_COMPARE(prompter->prompts.size(), 1);
    // Opened again while the save can't reach the vault: refused, the
    // edited copy neither decrypted over nor dropped from the watch.
    QVERIFY_EXCEPTION_THROWN(watcher.openCopy(file), TAVException);
    QCOMPARE(FileFixture::read(copy), QByteArray("edited"));
    QVERIFY(watcher.isBeingWatched(copy));
    vault->setFullPhysicalVaultPath(folder);
    watcher.removeWatchingFiles();
    QCOMPARE(fx->plain(file), QByteArray("edited"));
}

void TestTAVFileWatcher::copyOfADeletedItemIsIgnoredThenWiped()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("gone.txt"), "secret");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    vault->deleteItem(QStringLiteral("gone.txt"));
    QCOMPARE(vault->save(), 0); // the body goes once the index no longer lists it
    QVERIFY(saveInPlace(copy, "edited after the item was deleted"));
    QTest::qWait(200);
    QVERIFY(prompter->prompts.isEmpty());
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(VaultFixture::bodies(vault), QStringList());
    watcher.removeWatchingFiles();
    QCOMPARE(filesBelow(AppState::tempPath), QStringList());
}

void TestTAVFileWatcher::unsavedCopyOutlivesTheLock_data()
{
    QTest::addColumn<bool>("byRetry");
    QTest::newRow("tried again at unlock") << true;
    QTest::newRow("a save after unlock") << false;
}

void TestTAVFileWatcher::unsavedCopyOutlivesTheLock()
{
    QFETCH(bool, byRetry);
    TAVFile *file = fx->addFile(vault->addFolder(QStringLiteral("Letters")), QStringLiteral("a.txt"), "first");
    QCOMPARE(vault->save(), 0);
    TAVFile *other = fx->addFile(vault, QStringLiteral("b.txt"), "other");
    TAVFileWatcher watcher;
    QSignalSpy spy(&watcher, &TAVFileWatcher::keptCopiesChanged);
    const QString copy = watcher.openCopy(file);
    const QString otherCopy = watcher.openCopy(other);
    // The stick holding the vault is pulled: its folder is gone.
    const QString folder = vault->getFullPhysicalVaultPath();
    QVERIFY(QDir().rename(folder, folder + ".away"));
    QVERIFY(saveInPlace(copy, "edited while away"));
    QTRY_COMPARE(prompter->prompts.size(), 1);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(), QStringList{copy});

    // The lock wipes the copy without changes and keeps the other, watched.
    QCOMPARE(watcher.removeWatchingFiles(), QStringList{copy});
    QCOMPARE(watcher.keptCopies(), QStringList{copy});
    QVERIFY(!QFileInfo::exists(otherCopy));
    QCOMPARE(FileFixture::read(copy), QByteArray("edited while away"));
    QVERIFY(watcher.isBeingWatched(copy));
    const QString relative = QDir(AppState::tempPath).relativeFilePath(copy);
    QCOMPARE(FileFixture::read(AppState::tempPath + "/kept-copies"), relative.toUtf8() + "\n");
    vault->unload();

    // A save while locked waits, without a box.
    QVERIFY(saveInPlace(copy, "edited while locked"));
    QTest::qWait(200);
    QCOMPARE(watcher.keptCopies(), QStringList{copy});

    // The stick is back; the unlock loads the vault anew.
    QVERIFY(QDir().rename(folder + ".away", folder));
    QCOMPARE(vault->load(), 0);
    QByteArray expected = "edited while locked";
    if (byRetry) {
        QCOMPARE(watcher.retryKeptCopies(), QStringList());
    } else {
        expected = "edited after unlock";
        QVERIFY(saveInPlace(copy, expected));
        QTRY_VERIFY(!watcher.isBeingWatched(copy));
    }
    auto *reloaded = static_cast<TAVFile *>(TAVFileSystem::getInstance()->findItemByPath("Main/Letters/a.txt"));
    QVERIFY(reloaded);
    QCOMPARE(fx->plain(reloaded), expected);
    // In the vault now: wiped as the lock would have, list and all.
    QCOMPARE(filesBelow(AppState::tempPath), QStringList());
    QCOMPARE(watcher.keptCopies(), QStringList());
    QCOMPARE(spy.last().at(0).toStringList(), QStringList());
    QCOMPARE(prompter->prompts.size(), 2); // the lock's own try told once more
}

void TestTAVFileWatcher::theEndLeavesUnsavedCopiesForTheNextStart()
{
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "first");
    const QString folder = vault->getFullPhysicalVaultPath();
    QString copy;
    {
        TAVFileWatcher watcher;
        copy = watcher.openCopy(file);
        QVERIFY(QDir().rename(folder, folder + ".away"));
        QVERIFY(saveInPlace(copy, "edited while away"));
        QTRY_COMPARE(prompter->prompts.size(), 1);
    }
    QCOMPARE(FileFixture::read(copy), QByteArray("edited while away"));

    // The program ended (its folder now under the id of a process that is
    // gone); the next start leaves the copy where it is and names it.
    const QString ended = QFileInfo(AppState::tempPath).absolutePath() + "/"
        + QString::number(FileFixture::endedProcessId()) + "-aB3dE5";
    QVERIFY(QDir().rename(AppState::tempPath, ended));
    const QString moved = ended + copy.mid(AppState::tempPath.size());
    QVERIFY(AppState::setTempPath(fx->path(QStringLiteral("tmp"))));
    QCOMPARE(AppState::keptCopies, QStringList{moved});
    QCOMPARE(FileFixture::read(moved), QByteArray("edited while away"));
}

void TestTAVFileWatcher::copyIsNeverWrittenThroughALink_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("the copy is a link") << "copy";
    QTest::newRow("the copy's folder is a link") << "folder";
    QTest::newRow("the renamed item's name is a link") << "renamed";
}

void TestTAVFileWatcher::copyIsNeverWrittenThroughALink()
{
    QFETCH(QString, where);
    TAVFile *file = fx->addFile(vault, QStringLiteral("a.txt"), "plain secret");
    TAVFileWatcher watcher;
    const QString copy = watcher.openCopy(file);
    const QString folder = QFileInfo(copy).absolutePath();
    const QString outside = fx->path(QStringLiteral("outside"));
    QVERIFY(FileFixture::write(outside + "/target.txt", "outside bytes"));
    const QByteArray body = FileFixture::read(file->getFullPhysicalFileName());

    QString link;
    if (where == "copy") {
        link = copy;
        QVERIFY(QFile::remove(copy));
        QVERIFY(FileFixture::symlink(outside + "/target.txt", copy));
    } else if (where == "folder") {
        link = folder;
        QVERIFY(FileUtils::removeDir(folder, true));
        QVERIFY(FileFixture::symlink(outside, folder));
    } else {
        link = folder + "/b.txt";
        QVERIFY(FileFixture::symlink(outside + "/target.txt", link));
        vault->renameItem(QStringLiteral("a.txt"), QStringLiteral("b.txt"));
        QCOMPARE(file->GetName(), QStringLiteral("b.txt"));
    }
    QTest::qWait(100); // the notices of the change come and go

    try {
        watcher.openCopy(file);
        QFAIL("a link was written through");
    } catch (const TAVException &e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains(link), e.what());
    }
    QCOMPARE(FileFixture::read(outside + "/target.txt"), QByteArray("outside bytes"));
    QCOMPARE(QDir(outside).entryList(QDir::Files), QStringList{"target.txt"});
    // Nor was the link's target taken into the vault.
    QCOMPARE(FileFixture::read(file->getFullPhysicalFileName()), body);

    watcher.removeWatchingFiles();
    QCOMPARE(FileFixture::read(outside + "/target.txt"), QByteArray("outside bytes"));
}

QTEST_MAIN(TestTAVFileWatcher)
#include "tst_tavfilewatcher.moc"
