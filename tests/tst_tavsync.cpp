#include "atomicfilewriter.h"
#include "filefixture.h"
#include "fileutils.h"
#include "logcapture.h"
#include "pendingbodies.h"
#include "syncfixture.h"
#include "synccomparison.h"
#include "syncstatefile.h"
#include "tavcryptofile.h"
#include "tavfile.h"
#include "tavindexrepair.h"
#include "tavsync.h"
#include "tavvault.h"
#include "unprivilegedrun.h"
#include "utils.h"

#include <QtConcurrent>
#include <QtTest>

#include <thread>

namespace {

const QStringList none;

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Qt's data-stream form of a string, written out by hand.
QByteArray streamString(const QString &text)
{
    if (text.isNull())
        return QByteArray::fromHex("ffffffff");
    QByteArray bytes;
    const quint32 length = quint32(text.size() * 2);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((length >> shift) & 0xff));
    for (const QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    return bytes;
}

QByteArray fileBytes(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

bool hasLine(const QStringList &lines, const QString &start)
{
    for (const QString &l : lines) {
        if (l.startsWith(start))
            return true;
    }
    return false;
}

} // namespace

class TestTavSync : public QObject
{
    Q_OBJECT

private slots:
    void comparison_data();
    void comparison();
    void scenarios_data();
    void scenarios();
    void fatTimes();
    void linksAreNeverFollowedByDeletions();
    void decryptionFailureKeepsTargetAndState();
    void cancelStopsBeforeTheNextChange();
    void unloadStopsTheRunAndKeepsTheIndex();
    void notLoadedVaultIsNotSynchronised();
    void guiCallerNeverWaitsForTheLock();
    void savesDoNotGrowWithChanges();
    void peersOfThisHostAndOthers();
    void missingDiskFolderEndsTheRun();
    void stateFileGoldenBytes();
    void syncListGoldenBytes();
    void peerList_data();
    void peerList();
    void damagedReadersRefuse_data();
    void damagedReadersRefuse();
    void refusedDiskFolders();
    void refusedPeersInTheListAreNotRun();
    void peerFolderGoneOrReplacedDuringARun_data();
    void peerFolderGoneOrReplacedDuringARun();
    void unreadableFoldersAreUnknown_data();
    void unreadableFoldersAreUnknown();
    void linksInThePeerAreSkipped();
    void stateNamesOnlyWhatTheRunRecorded_data();
    void stateNamesOnlyWhatTheRunRecorded();
    void fileSavedDuringTheRunIsKept();
    void repairedIndexStartsAFirstSynchronization();
    void killedRunLeavesNoBodies();
    void concurrentListChangesAllLand();
    void uuidToSyncFileName();
};

// The comparison alone, row by row: vault, disk (path:d or path@t), state.
void TestTavSync::comparison_data()
{
    QTest::addColumn<QStringList>("vault");
    QTest::addColumn<QStringList>("disk");
    QTest::addColumn<QStringList>("state");
    QTest::addColumn<bool>("coarse");
    QTest::addColumn<QStringList>("expected"); // "set key"

    QTest::newRow("vault older") << QStringList{"a@1"} << QStringList{"a@2"} << QStringList{"a"} << false
                                 << QStringList{"toVault a"};
    QTest::newRow("disk older") << QStringList{"a@3"} << QStringList{"a@2"} << none << false
                                << QStringList{"toDisk a"};
    QTest::newRow("equal seconds") << QStringList{"a@2"} << QStringList{"a@2"} << none << false << none;
    QTest::newRow("folder against file") << QStringList{"a:d"} << QStringList{"a@2"} << none << false << none;
    QTest::newRow("vault only, known") << QStringList{"a@1", "k@1"} << QStringList{"k@1"} << QStringList{"a", "k"}
                                       << false << QStringList{"delFromVault a"};
    QTest::newRow("vault only, new") << QStringList{"a@1"} << none << none << false << QStringList{"toDisk a"};
    QTest::newRow("disk only, known") << QStringList{"k@1"} << QStringList{"a@1", "k@1"} << QStringList{"a", "k"}
                                      << false << QStringList{"delFromDisk a"};
    QTest::newRow("disk only, new") << none << QStringList{"a@1"} << none << false << QStringList{"toVault a"};
    QTest::newRow("case folded") << QStringList{"Report@1"} << QStringList{"report@1"} << QStringList{"REPORT"}
                                 << false << none;
    QTest::newRow("coarse 2 s equal") << QStringList{"a@10"} << QStringList{"a@12"} << QStringList{"a"} << true
                                      << none;
    QTest::newRow("coarse 3 s newer") << QStringList{"a@10"} << QStringList{"a@13"} << QStringList{"a"} << true
                                      << QStringList{"toVault a"};
    QTest::newRow("fine 1 s newer") << QStringList{"a@10"} << QStringList{"a@11"} << QStringList{"a"} << false
                                    << QStringList{"toVault a"};
    QTest::newRow("disk empty, state not") << QStringList{"a@1"} << none << QStringList{"a"} << false
                                           << QStringList{"guard disk"};
    QTest::newRow("vault empty, state not") << none << QStringList{"a@1"} << QStringList{"a"} << false
                                            << QStringList{"guard vault"};
    QTest::newRow("folder gone on disk, new item in it")
        << QStringList{"d:d", "d/x@1", "d/new@1", "k@1"} << QStringList{"k@1"} << QStringList{"d", "d/x", "k"}
        << false << QStringList{"delFromVault d/x", "toDisk d", "toDisk d/new"};
    QTest::newRow("folder gone in vault, new file in it")
        << QStringList{"k@1"} << QStringList{"d:d", "d/x@1", "d/new@1", "k@1"} << QStringList{"d", "d/x", "k"}
        << false << QStringList{"delFromDisk d/x", "toVault d", "toVault d/new"};
}

void TestTavSync::comparison()
{
    QFETCH(QStringList, vault);
    QFETCH(QStringList, disk);
    QFETCH(QStringList, state);
    QFETCH(bool, coarse);
    QFETCH(QStringList, expected);

    const auto mapOf = [](const QStringList &entries) {
        TAVFolderMap map;
        for (const QString &text : entries) {
            TAVFolderEntry e;
            e.isDir = text.endsWith(QLatin1String(":d"));
            e.path = e.isDir ? text.chopped(2) : text.section('@', 0, 0);
            e.modified = QDateTime::fromSecsSinceEpoch(1000 + (e.isDir ? 0 : text.section('@', 1).toInt()), Qt::UTC);
            map.insert(SyncComparison::keyOf(e.path), e);
        }
        return map;
    };
    const SyncPlan plan =
        SyncComparison::compare(mapOf(vault), mapOf(disk), SyncLastState::ofPaths(state), {}, coarse);
    QStringList got;
    const auto add = [&got](const char *name, const SyncActions &set) {
        for (auto it = set.cbegin(); it != set.cend(); ++it)
            got << QString::fromLatin1(name) + QLatin1Char(' ') + it.key();
    };
    add("toDisk", plan.toDisk);
    add("toVault", plan.toVault);
    add("delFromVault", plan.delFromVault);
    add("delFromDisk", plan.delFromDisk);
    if (plan.guard == SyncPlan::DiskSideEmpty)
        got << "guard disk";
    if (plan.guard == SyncPlan::VaultSideEmpty)
        got << "guard vault";
    QCOMPARE(sorted(got), sorted(expected));
    QCOMPARE(plan.total(), uint(plan.guard ? 0 : expected.size()));
}

// Whole runs: lay out the vault, the disk and the state, scan, synchronise,
// and compare both sides, the state and a second scan.
void TestTavSync::scenarios_data()
{
    QTest::addColumn<QStringList>("vault");
    QTest::addColumn<QStringList>("disk");
    QTest::addColumn<QStringList>("state"); // "<none>": no state file
    QTest::addColumn<uint>("count");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("vaultAfter");
    QTest::addColumn<QStringList>("diskAfter");
    QTest::addColumn<QStringList>("stateAfter");
    QTest::addColumn<QString>("line"); // a line the run must show, or empty

    const QStringList noState{"<none>"};
    QTest::newRow("first run both ways")
        << QStringList{"a.txt=A@10"} << QStringList{"b.txt=B@20"} << noState << 2u << 0
        << QStringList{"a.txt=A@10", "b.txt=B@20"} << QStringList{"a.txt=A@10", "b.txt=B@20"}
        << QStringList{"a.txt", "b.txt"} << "Copy /a.txt from vault to disk";
    QTest::newRow("newer on disk wins")
        << QStringList{"a=OLD@10"} << QStringList{"a=NEW@20"} << QStringList{"a"} << 1u << 0
        << QStringList{"a=NEW@20"} << QStringList{"a=NEW@20"} << QStringList{"a"} << "Copy";
    QTest::newRow("newer in vault wins")
        << QStringList{"a=NEW@30"} << QStringList{"a=OLD@20"} << QStringList{"a"} << 1u << 0
        << QStringList{"a=NEW@30"} << QStringList{"a=NEW@30"} << QStringList{"a"} << "Copy";
    QTest::newRow("equal seconds, other content")
        << QStringList{"a=X@10"} << QStringList{"a=YY@10"} << QStringList{"a"} << 0u << 0 << QStringList{"a=X@10"}
        << QStringList{"a=YY@10"} << QStringList{"a"} << "Done";
    QTest::newRow("deleted on disk")
        << QStringList{"a=A", "b=B"} << QStringList{"b=B"} << QStringList{"a", "b"} << 1u << 0
        << QStringList{"b=B"} << QStringList{"b=B"} << QStringList{"b"} << "Delete from vault /a";
    QTest::newRow("deleted in vault")
        << QStringList{"b=B"} << QStringList{"a=A", "b=B"} << QStringList{"a", "b"} << 1u << 0
        << QStringList{"b=B"} << QStringList{"b=B"} << QStringList{"b"} << "Delete from disk";
    QTest::newRow("folder deleted on disk")
        << QStringList{"d/", "d/x=X", "k=K"} << QStringList{"k=K"} << QStringList{"d", "d/x", "k"} << 2u << 0
        << QStringList{"k=K"} << QStringList{"k=K"} << QStringList{"k"} << "Delete from vault /d";
    QTest::newRow("folder deleted in vault")
        << QStringList{"k=K"} << QStringList{"d/", "d/x=X", "k=K"} << QStringList{"d", "d/x", "k"} << 2u << 0
        << QStringList{"k=K"} << QStringList{"k=K"} << QStringList{"k"} << "Delete from disk";
    QTest::newRow("folder deleted in vault keeps a new disk file")
        << QStringList{"k=K"} << QStringList{"d/", "d/x=X", "d/new=N", "k=K"} << QStringList{"d", "d/x", "k"} << 3u
        << 0 << QStringList{"d/", "d/new=N", "k=K"} << QStringList{"d/", "d/new=N", "k=K"}
        << QStringList{"d", "d/new", "k"} << "Delete from disk";
    QTest::newRow("folder deleted on disk keeps a new vault file")
        << QStringList{"d/", "d/x=X", "d/new=N", "k=K"} << QStringList{"k=K"} << QStringList{"d", "d/x", "k"} << 3u
        << 0 << QStringList{"d/", "d/new=N", "k=K"} << QStringList{"d/", "d/new=N", "k=K"}
        << QStringList{"d", "d/new", "k"} << "Delete from vault /d/x";
    QTest::newRow("folder against file")
        << QStringList{"p/"} << QStringList{"p=P"} << noState << 0u << 0 << QStringList{"p/"} << QStringList{"p=P"}
        << QStringList{"p"} << "Done";
    QTest::newRow("hidden entries take no part")
        << QStringList{"k=K"} << QStringList{".h=H", ".dir/x=X", "k=K"} << noState << 0u << 0 << QStringList{"k=K"}
        << QStringList{".dir/", ".dir/x=X", ".h=H", "k=K"} << QStringList{"k"} << "Done";
    // A time after the state was written (which is now).
    const QString edited = QStringLiteral("@2000000000");
    QTest::newRow("hidden vault items stay in the vault only")
        << QStringList{".d.txt=H", ".h/", ".h/x=X", "k=K"} << QStringList{"k=K"} << QStringList{"k"} << 0u << 0
        << QStringList{".d.txt=H", ".h/", ".h/x=X", "k=K"} << QStringList{"k=K"} << QStringList{"k"} << "Done";
    QTest::newRow("edited on disk, deleted in vault")
        << QStringList{"k=K"} << QStringList{"a=EDIT" + edited, "k=K"} << QStringList{"a", "k"} << 1u << 0
        << QStringList{"a=EDIT" + edited, "k=K"} << QStringList{"a=EDIT" + edited, "k=K"} << QStringList{"a", "k"}
        << "Copy";
    QTest::newRow("edited in vault, deleted on disk")
        << QStringList{"a=EDIT" + edited, "k=K"} << QStringList{"k=K"} << QStringList{"a", "k"} << 1u << 0
        << QStringList{"a=EDIT" + edited, "k=K"} << QStringList{"a=EDIT" + edited, "k=K"} << QStringList{"a", "k"}
        << "Copy /a from vault to disk";
    QTest::newRow("empty disk folder, state not")
        << QStringList{"a=A", "b=B"} << none << QStringList{"a", "b"} << 0u << 1 << QStringList{"a=A", "b=B"} << none
        << QStringList{"a", "b"} << "The disk folder";
    QTest::newRow("empty vault folder, state not")
        << none << QStringList{"a=A"} << QStringList{"a"} << 0u << 1 << none << QStringList{"a=A"}
        << QStringList{"a"} << "The vault folder";
    QTest::newRow("case-only rename on disk")
        << QStringList{"Report.txt=R@10"} << QStringList{"report.txt=R@10"} << QStringList{"Report.txt"} << 0u << 0
        << QStringList{"Report.txt=R@10"} << QStringList{"report.txt=R@10"} << QStringList{"Report.txt"} << "Done";
    QTest::newRow("case-only rename of a folder")
        << QStringList{"Docs/", "Docs/a=A"} << QStringList{"docs/", "docs/a=A", "docs/b=B"}
        << QStringList{"Docs", "Docs/a"} << 1u << 0 << QStringList{"Docs/", "Docs/a=A", "Docs/b=B"}
        << QStringList{"docs/", "docs/a=A", "docs/b=B"} << QStringList{"Docs", "Docs/a", "Docs/b"} << "Copy";
    QTest::newRow("names folding to one key are skipped")
        << QStringList{"a.txt=V@5", "k=K"} << QStringList{"A.txt=1", "a.txt=2", "k=K"} << QStringList{"a.txt", "k"}
        << 0u << 1 << QStringList{"a.txt=V@5", "k=K"} << QStringList{"A.txt=1", "a.txt=2", "k=K"}
        << QStringList{"a.txt", "k"} << "Skipped: A.txt, a.txt";
    QTest::newRow("a name the vault refuses fails alone")
        << QStringList{"k=K"} << QStringList{"bad|name=X", "ok=Y", "k=K"} << QStringList{"k"} << 2u << 1
        << QStringList{"k=K", "ok=Y"} << QStringList{"bad|name=X", "k=K", "ok=Y"} << QStringList{"k", "ok"}
        << "Failed: ";
}

void TestTavSync::scenarios()
{
    QFETCH(QStringList, vault);
    QFETCH(QStringList, disk);
    QFETCH(QStringList, state);
    QFETCH(uint, count);
    QFETCH(int, result);
    QFETCH(QStringList, vaultAfter);
    QFETCH(QStringList, diskAfter);
    QFETCH(QStringList, stateAfter);
    QFETCH(QString, line);

    SyncFixture f;
    f.layVault(vault);
    f.layDisk(disk);
    const QUuid peer = f.addPeer();
    if (state != QStringList{"<none>"})
        f.setState(peer, state);
    const QByteArray stateBefore = fileBytes(TAVSync::stateFilePath(f.vault(), peer));

    QCOMPARE(f.scan(), QList<uint>{count});
    QCOMPARE(f.sync(), result);
    QCOMPARE(f.vaultSide(), sorted(vaultAfter));
    QCOMPARE(f.diskSide(), sorted(diskAfter));
    QCOMPARE(f.state(peer), sorted(stateAfter));
    if (!line.isEmpty())
        QVERIFY2(hasLine(f.lines(), line), qPrintable(f.lines().join('\n')));
    // One result, once.
    QCOMPARE(f.syncDone() + f.syncFailed(), 1);
    QCOMPARE(f.syncDone(), result == 0 ? 1 : 0);
    if (result == 0) {
        QCOMPARE(f.lines().last(), QStringLiteral("Done"));
        // Converged: nothing waits any more.
        QCOMPARE(f.scan(), QList<uint>{0});
    } else {
        QCOMPARE(f.lines().last(), QStringLiteral("Synchronization finished with errors: see the lines above."));
    }
    if (f.lines().join('\n').contains("is empty, but held"))
        QCOMPARE(fileBytes(TAVSync::stateFilePath(f.vault(), peer)), stateBefore);

    // The index on the disk holds what the tree holds.
    const QStringList inMemory = f.vaultSide();
    f.vault()->unload();
    QCOMPARE(f.vault()->load(), 0);
    QCOMPARE(f.vaultSide(), inMemory);
}

void TestTavSync::fatTimes()
{
    // Times one second apart: equal on FAT, newer elsewhere.
    for (const bool fat : {true, false}) {
        SyncFixture f;
        f.layVault({"a=X@10"});
        f.layDisk({"a=Y@11"});
        const QUuid peer = f.addPeer();
        f.setState(peer, {"a"});
        const QString table = f.path("mountinfo");
        QFile out(table);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("20 1 8:1 / / rw - ext4 /dev/sda1 rw\n");
        out.write(QStringLiteral("36 20 8:17 / %1 rw - %2 /dev/sdb1 rw\n")
                      .arg(f.diskFolder(), fat ? "exfat" : "ext4")
                      .toUtf8());
        out.close();
        TAVSync::setMountInfoPath(table);
        QCOMPARE(TAVSync::hasCoarseTimes(f.diskFolder()), fat);
        QCOMPARE(f.scan(), QList<uint>{fat ? 0u : 1u});
        QCOMPARE(f.sync(), 0);
        TAVSync::setMountInfoPath(QString());
        QCOMPARE(f.diskSide(), QStringList{fat ? "a=Y@11" : "a=Y@11"});
        QCOMPARE(f.vaultSide(), QStringList{fat ? "a=X@10" : "a=Y@11"});
    }
}

void TestTavSync::linksAreNeverFollowedByDeletions()
{
    SyncFixture f;
    const QString outside = f.path("outside");
    QDir().mkpath(outside);
    QFile x(outside + "/x");
    QVERIFY(x.open(QIODevice::WriteOnly));
    x.write("keep me");
    x.close();
    QVERIFY(QFile::link(outside, f.diskFolder() + "/link"));
    // A link back up the tree is walked once, not forever.
    QVERIFY(QFile::link(f.diskFolder(), f.diskFolder() + "/loop"));
    f.layVault({"k=K"});
    f.layDisk({"k=K"});
    const QUuid peer = f.addPeer();
    f.setState(peer, {"k", "link", "link/x"});

    // Links are neither files nor folders: skipped and told, the run ends with errors.
    QCOMPARE(f.sync(), 1);
    QCOMPARE(fileBytes(outside + "/x"), QByteArray("keep me"));
    QVERIFY(QFileInfo(f.diskFolder() + "/link").isSymLink());
    QVERIFY(hasLine(f.lines(), "Skipped: link (a symbolic link)"));
    QVERIFY(hasLine(f.lines(), "Skipped: loop (a symbolic link)"));
}

void TestTavSync::decryptionFailureKeepsTargetAndState()
{
    SyncFixture f;
    f.layVault({"a=NEW@20", "b=B@20"});
    f.layDisk({"a=OLD@10"});
    const QUuid peer = f.addPeer();
    f.setState(peer, {"a"});
    for (const char *name : {"a", "b"}) {
        auto *file = static_cast<TAVFile *>(getItem(f.vault(), QStringLiteral("/%1").arg(name)));
        QFile body(file->getFullPhysicalFileName());
        QVERIFY(body.open(QIODevice::ReadWrite));
        body.resize(100); // shorter than a header
    }
    QCOMPARE(f.sync(), 1);
    QCOMPARE(f.diskSide(), QStringList{"a=OLD@10"});
    QVERIFY(!QFileInfo::exists(f.diskFolder() + "/b"));
    // b never reached the disk: kept out of the state, so the next run does
    // not read it as deleted on the disk.
    QCOMPARE(f.state(peer), QStringList{"a"});
    QVERIFY(hasLine(f.lines(), "Failed: /b"));
    const QStringList leftovers = QDir(f.diskFolder()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(leftovers, QStringList{"a"});
}

void TestTavSync::cancelStopsBeforeTheNextChange()
{
    SyncFixture f;
    f.layVault({"v=V"});
    QStringList disk{"v=V"};
    for (int i = 0; i < 10; ++i)
        disk << QStringLiteral("n%1=N").arg(i);
    f.layDisk(disk);
    const QUuid peer = f.addPeer();
    f.setState(peer, {"v"});
    const QByteArray index = f.indexBytes();
    const QByteArray state = fileBytes(TAVSync::stateFilePath(f.vault(), peer));
    const QStringList tree = f.vaultSide();

    const auto c = QObject::connect(f.vault(), &TAVVault::itemSyncProgress, f.vault(), [](const QString &line) {
        if (line.startsWith("Copy "))
            TAVSync::cancelRuns();
    }, Qt::DirectConnection);
    QCOMPARE(f.sync(true), 1);
    QObject::disconnect(c);
    QVERIFY(hasLine(f.lines(), "Synchronization cancelled."));
    QCOMPARE(f.syncFailed(), 1);
    QCOMPARE(f.indexBytes(), index);
    QCOMPARE(fileBytes(TAVSync::stateFilePath(f.vault(), peer)), state);
    QCOMPARE(f.saves(), 0);
    QCOMPARE(f.vaultSide(), tree);
    // The bodies encrypted for the cancelled chunk are gone again.
    int files = 0;
    QDirIterator it(f.vault()->getFullPhysicalVaultPath(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().dir().dirName().size() == 2)
            ++files;
    }
    QCOMPARE(files, 1);
}

void TestTavSync::unloadStopsTheRunAndKeepsTheIndex()
{
    SyncFixture f;
    f.layVault({"v=V"});
    QStringList disk{"v=V"};
    for (int i = 0; i < 100; ++i)
        disk << QStringLiteral("n%1=N").arg(i);
    f.layDisk(disk);
    const QUuid peer = f.addPeer();
    f.setState(peer, {"v"});
    const QByteArray index = f.indexBytes();
    const QStringList tree = f.vaultSide();

    // Queued to this thread, as a lock would come: the unload lands before
    // the run's first change, which is queued behind it.
    TAVVault *vault = f.vault();
    const auto c = QObject::connect(vault, &TAVVault::itemSyncProgress, vault, [vault](const QString &line) {
        if (line.startsWith("Copy ") && vault->isLoaded())
            vault->unload();
    }, Qt::QueuedConnection);
    QCOMPARE(f.sync(), 1);
    QObject::disconnect(c);
    QVERIFY(hasLine(f.lines(), "Vault is not loaded"));
    QCOMPARE(f.indexBytes(), index);
    QCOMPARE(f.state(peer), QStringList{"v"});
    QCOMPARE(f.saves(), 0);
    QCOMPARE(vault->load(), 0);
    QCOMPARE(f.vaultSide(), tree);
}

void TestTavSync::notLoadedVaultIsNotSynchronised()
{
    SyncFixture f;
    f.layDisk({"a=A"});
    f.addPeer();
    f.vault()->setLoaded(false);
    QCOMPARE(f.sync(), 1);
    QCOMPARE(f.lines(), (QStringList{"Starting...", "Vault is not loaded",
                                     "Synchronization finished with errors: see the lines above."}));
    QCOMPARE(f.syncFailed(), 1);
    QCOMPARE(f.diskSide(), QStringList{"a=A"});
    f.vault()->setLoaded(true);
}

void TestTavSync::guiCallerNeverWaitsForTheLock()
{
    SyncFixture f;
    f.layDisk({"a=A"});
    f.addPeer();
    std::atomic<bool> held{false};
    std::atomic<bool> release{false};
    std::thread holder([&] {
        sync_running.lock();
        held = true;
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        sync_running.unlock();
    });
    while (!held)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    QCOMPARE(f.sync(true), 1);
    QVERIFY(hasLine(f.lines(), "Another synchronization is running."));
    QCOMPARE(f.vaultSide(), QStringList());
    release = true;
    holder.join();
    QCOMPARE(f.sync(true), 0);
    QCOMPARE(f.vaultSide(), QStringList{"a=A"});
}

void TestTavSync::savesDoNotGrowWithChanges()
{
    SyncFixture f;
    QStringList disk;
    for (int i = 0; i < 150; ++i)
        disk << QStringLiteral("f%1/n%2=N").arg(i % 7).arg(i);
    f.layDisk(disk);
    f.addPeer();
    QCOMPARE(f.sync(), 0);
    QCOMPARE(f.saves(), 1);
    QCOMPARE(f.vaultSide().size(), 157);
    QCOMPARE(f.sync(), 0);
    QCOMPARE(f.saves(), 1); // nothing changed: no save
}

void TestTavSync::peersOfThisHostAndOthers()
{
    SyncFixture f;
    f.layVault({"A/", "B/", "C/"});
    const QString second = f.path("second");
    QDir().mkpath(second);
    f.layDisk({"a=1"});
    f.addPeer("/A");
    f.addPeer("/B", second);
    QVERIFY(TAVSync::addSyncPeer(f.vault(), "otherhost", f.path("other"), "/C") == 0);
    QVERIFY(TAVSync::addSyncPeer(f.vault(), "otherhost", f.path("other"), "/Gone") == 0);
    QCOMPARE(f.sync(), 0);
    QCOMPARE(f.lines().count("Done"), 2);
    QCOMPARE(f.syncDone(), 1);
    QCOMPARE(f.vaultSide(), (QStringList{"A/", "A/a=1", "B/", "C/"}));
    QList<TAVSyncEntry> list;
    QCOMPARE(TAVSync::readSyncList(&list, f.vault()), 0);
    QCOMPARE(list.size(), 3); // the peer of a vault folder that is gone went
    QCOMPARE(list.last().vaultFolder, QStringLiteral("/C"));
}

void TestTavSync::missingDiskFolderEndsTheRun()
{
    SyncFixture f;
    f.layVault({"A/", "B/"});
    f.layDisk({"a=1"});
    f.addPeer("/A", f.path("missing"));
    f.addPeer("/B");
    QCOMPARE(f.scan(), QList<uint>{});
    QCOMPARE(f.sync(), 1);
    QVERIFY(hasLine(f.lines(), "Failed: " + f.path("missing")));
    QCOMPARE(f.vaultSide(), (QStringList{"A/", "B/"}));
    QCOMPARE(f.syncFailed(), 1);
}

void TestTavSync::stateFileGoldenBytes()
{
    const QByteArray expected = QByteArray::fromHex("00000001") + streamString("a.txt") + QByteArray::fromHex("00000000");
    QCOMPARE(SyncStateFile::serialize({"a.txt"}), expected);

    // Entries: HMAC-SHA256 under HMAC-SHA256(vault key, "sync state
    // entries") of the case-folded UTF-8 path, 16 bytes in hex (computed
    // with another HMAC implementation).
    QByteArray keyBytes;
    for (int i = 0; i < 128; ++i)
        keyBytes.append(char(i));
    const QByteArray entryKey = SyncStateFile::entryKey(TAVKey::fromHex(QString::fromLatin1(keyBytes.toHex())));
    QCOMPARE(SyncStateFile::entryOf(entryKey, "a.txt"), QStringLiteral("fc567c84b6d61205f895b5a15b6609fa"));
    QCOMPARE(SyncStateFile::entryOf(entryKey, "A.TXT"), QStringLiteral("fc567c84b6d61205f895b5a15b6609fa"));
    QCOMPARE(SyncStateFile::entryOf(entryKey, QString::fromUtf8("Dir/\u00c9t\u00e9.txt")),
             QStringLiteral("24b3fe32f1d0c95019a948552e18a845"));

    SyncFixture f;
    f.layDisk({"a.txt=A"});
    const QUuid peer = f.addPeer();
    QCOMPARE(f.sync(), 0);
    const QString entry = SyncStateFile::entryOf(SyncStateFile::entryKey(f.vault()->getKey()), "a.txt");
    QCOMPARE(fileBytes(TAVSync::stateFilePath(f.vault(), peer)),
             QByteArray::fromHex("00000001") + streamString(entry) + QByteArray::fromHex("00000000"));
    QVERIFY(!fileBytes(TAVSync::stateFilePath(f.vault(), peer)).contains(streamString("a.txt").mid(4)));
    QStringList read;
    QCOMPARE(SyncStateFile::parse(QByteArray::fromHex("00000000"), &read), true);
    QVERIFY(read.isEmpty());
}

void TestTavSync::syncListGoldenBytes()
{
    SyncFixture f;
    QCOMPARE(TAVSync::addSyncPeer(f.vault(), "host", f.diskFolder(), "/"), 0);
    QList<TAVSyncEntry> list;
    QCOMPARE(TAVSync::readSyncList(&list, f.vault()), 0);
    QCOMPARE(list.size(), 1);
    TAVCryptoFile file(f.vault()->getVaultSyncFileName());
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    QCOMPARE(file.open(QIODevice::ReadOnly, &cipher, f.vault()->getKey(), &version), 0);
    QCOMPARE(version, 1u);
    QCOMPARE(cipher, f.vault()->getCipher());
    const QByteArray expected = QByteArray::fromHex("00000001") + list.first().id.toRfc4122() + streamString("host")
        + streamString(f.diskFolder()) + streamString("/");
    QCOMPARE(file.readAll(), expected);

    // Null strings stay null through a write and a read.
    TAVSyncEntry blank;
    blank.id = QUuid::createUuid();
    QCOMPARE(TAVSync::saveSyncList({blank, list.first()}, f.vault()), 0);
    QCOMPARE(TAVSync::readSyncList(&list, f.vault()), 0);
    QCOMPARE(list.size(), 2);
    QVERIFY(list.first().host.isNull() && list.first().diskFolder.isNull());
    QCOMPARE(list.first().id, blank.id);
}

void TestTavSync::peerList_data()
{
    QTest::addColumn<QString>("setup"); // none, one, garbage, otherkey
    QTest::addColumn<QString>("op");    // add, adddup, addslash, del, delmissing
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("peersAfter"); // -1: file unchanged and unreadable
    QTest::newRow("first peer creates the list") << "none" << "add" << 0 << 1;
    QTest::newRow("same three strings") << "one" << "adddup" << 2 << 1;
    QTest::newRow("trailing slash is another peer") << "one" << "addslash" << 0 << 2;
    QTest::newRow("unreadable list is kept") << "garbage" << "add" << 1 << -1;
    QTest::newRow("list under another key is kept") << "otherkey" << "add" << 1 << -1;
    QTest::newRow("delete") << "one" << "del" << 0 << 0;
    QTest::newRow("delete unknown") << "one" << "delmissing" << 2 << 1;
    QTest::newRow("delete without list") << "none" << "del" << 1 << -2;
}

void TestTavSync::peerList()
{
    QFETCH(QString, setup);
    QFETCH(QString, op);
    QFETCH(int, result);
    QFETCH(int, peersAfter);
    SyncFixture f;
    TAVVault *v = f.vault();
    const QString list = v->getVaultSyncFileName();
    const QString host = Utils::getHostName();
    QUuid first;
    if (setup == "one")
        first = f.addPeer();
    if (setup == "garbage")
        QVERIFY(AtomicFileWriter::writePlainFile(list, "not a data file"));
    if (setup == "otherkey")
        QCOMPARE(AtomicFileWriter::writeDataFile(list, TAV_AES256, TAVKey(QStringLiteral("other")), 1,
                                                 serializeSyncList({TAVSyncEntry()})),
                 0);
    if (!first.isNull())
        f.setState(first, {"x"});
    const QByteArray before = fileBytes(list);

    int got = -9;
    if (op == "add")
        got = TAVSync::addSyncPeer(v, host, f.diskFolder(), "/");
    else if (op == "adddup")
        got = TAVSync::addSyncPeer(v, host, f.diskFolder(), "/");
    else if (op == "addslash")
        got = TAVSync::addSyncPeer(v, host, f.diskFolder() + "/", "/");
    else if (op == "del")
        got = TAVSync::delSyncPeer(v, host, f.diskFolder(), "/");
    else if (op == "delmissing")
        got = TAVSync::delSyncPeer(v, host, f.diskFolder(), "/Other");
    QCOMPARE(got, result);
    if (peersAfter == -1) {
        QCOMPARE(fileBytes(list), before);
        return;
    }
    if (peersAfter == -2) {
        QVERIFY(!QFileInfo::exists(list));
        return;
    }
    QList<TAVSyncEntry> peers;
    QCOMPARE(TAVSync::readSyncList(&peers, v), 0);
    QCOMPARE(peers.size(), peersAfter);
    if (result != 0)
        QCOMPARE(fileBytes(list), before);
    if (op == "del")
        QTRY_VERIFY(!QFileInfo::exists(TAVSync::stateFilePath(v, first)));
    if (op == "addslash")
        QCOMPARE(peers.first().id, first);
}

void TestTavSync::damagedReadersRefuse_data()
{
    QTest::addColumn<QByteArray>("payload");
    const QByteArray one = serializeSyncList({TAVSyncEntry{QUuid::createUuid(), "h", "/d", "/"}});
    QTest::newRow("truncated record") << one.left(one.size() - 1);
    QTest::newRow("count too large") << QByteArray::fromHex("00000002") + one.mid(4);
    QTest::newRow("trailing bytes") << one + QByteArray("x");
    QTest::newRow("huge count") << QByteArray::fromHex("7fffffff");
    QTest::newRow("empty") << QByteArray();
}

void TestTavSync::damagedReadersRefuse()
{
    QFETCH(QByteArray, payload);
    QList<TAVSyncEntry> list{TAVSyncEntry{QUuid::createUuid(), "keep", "", ""}};
    QVERIFY(!parseSyncList(payload, &list));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().host, QStringLiteral("keep"));
    // The same damage in a state file reads as nothing, not as half a set.
    QStringList paths{"keep"};
    QByteArray state = SyncStateFile::serialize({"a", "b"});
    state.chop(1);
    QVERIFY(!SyncStateFile::parse(state, &paths));
    QVERIFY(paths.isEmpty());
}

void TestTavSync::refusedDiskFolders()
{
    SyncFixture f;
    TAVVault *v = f.vault();
    const QString vaultFolder = v->getFullPhysicalVaultPath();
    const QString host = Utils::getHostName();
    QCOMPARE(TAVSync::addSyncPeer(v, host, vaultFolder, "/"), int(TAVSync::VaultFolderPeer));
    QCOMPARE(TAVSync::addSyncPeer(v, host, vaultFolder + "/ab", "/"), int(TAVSync::VaultFolderPeer));
    QCOMPARE(TAVSync::addSyncPeer(v, host, f.path(""), "/"), int(TAVSync::VaultFolderPeer));
    QCOMPARE(TAVSync::addSyncPeer(v, host, "/", "/"), int(TAVSync::VaultFolderPeer));
    TAVSync::setProtectedFolders({f.path("settings")});
    QCOMPARE(TAVSync::addSyncPeer(v, host, f.path("settings/sub"), "/"), int(TAVSync::ProtectedFolder));
    TAVSync::setProtectedFolders({});
    QVERIFY(!QFileInfo::exists(v->getVaultSyncFileName()));
    QVERIFY(!TAVSync::addSyncPeerMessage(TAVSync::VaultFolderPeer).isEmpty());
    // A folder beside the vault whose name only starts the same is fine.
    QCOMPARE(TAVSync::addSyncPeer(v, host, vaultFolder + "2", "/"), 0);
}

void TestTavSync::refusedPeersInTheListAreNotRun()
{
    // Peers that an older list (or a crafted one) holds: the run refuses
    // each itself, whatever adding it would have said.
    SyncFixture f;
    f.layVault({"k=K"});
    const QString host = Utils::getHostName();
    const QString inner = f.diskFolder() + "/inner";
    const QString settings = f.path("settings");
    QDir().mkpath(inner);
    QDir().mkpath(settings);
    QCOMPARE(TAVSync::addSyncPeer(f.vault(), host, f.diskFolder(), "/"), 0);
    QCOMPARE(TAVSync::addSyncPeer(f.vault(), host, inner, "/"), int(TAVSync::NestedPeer));
    QCOMPARE(TAVSync::addSyncPeer(f.vault(), host, f.path(""), "/"), int(TAVSync::VaultFolderPeer));
    QList<TAVSyncEntry> list;
    QCOMPARE(TAVSync::readSyncList(&list, f.vault()), 0);
    for (const QString &folder : {inner, f.vault()->getFullPhysicalVaultPath(), settings}) {
        TAVSyncEntry entry;
        entry.id = QUuid::createUuid();
        entry.host = host;
        entry.diskFolder = folder;
        entry.vaultFolder = "/";
        list << entry;
    }
    QCOMPARE(TAVSync::saveSyncList(list, f.vault()), 0);
    TAVSync::setProtectedFolders({settings});

    for (int run = 0; run < 2; ++run) {
        QCOMPARE(f.sync(), 1);
        QCOMPARE(f.scan(), (QList<uint>{0, 0, 0, 0}));
    }
    TAVSync::setProtectedFolders({});
    const QStringList lines = f.lines();
    QVERIFY(hasLine(lines, "Failed: " + inner));
    QVERIFY(lines.contains(TAVSync::addSyncPeerMessage(TAVSync::NestedPeer)));
    QVERIFY(lines.contains(TAVSync::addSyncPeerMessage(TAVSync::VaultFolderPeer)));
    QVERIFY(lines.contains(TAVSync::addSyncPeerMessage(TAVSync::ProtectedFolder)));
    // Only the first peer ran: no copy of the vault inside itself, in its
    // folder or in the settings.
    QCOMPARE(f.vaultSide(), (QStringList{"inner/", "k=K"}));
    QCOMPARE(f.diskSide(), (QStringList{"inner/", "k=K"}));
    QVERIFY(!QFileInfo::exists(f.vault()->getFullPhysicalVaultPath() + "/k"));
    QVERIFY(QDir(settings).isEmpty());
}

void TestTavSync::peerFolderGoneOrReplacedDuringARun_data()
{
    QTest::addColumn<bool>("replaced"); // another folder put in its place
    QTest::newRow("moved away") << false;
    QTest::newRow("replaced") << true;
}

void TestTavSync::peerFolderGoneOrReplacedDuringARun()
{
    QFETCH(bool, replaced);
    SyncFixture f;
    QStringList vault{"k=K", "d/"};
    for (int i = 0; i < 150; ++i)
        vault << QStringLiteral("d/f%1=F").arg(i, 3, 10, QLatin1Char('0'));
    f.layVault(vault);
    f.layDisk({"k=K"});
    const QUuid peer = f.addPeer();
    f.setState(peer, {"k"});
    const QByteArray state = fileBytes(TAVSync::stateFilePath(f.vault(), peer));
    const QString moved = f.path("moved");

    // Moved at the 20th copy, as a user or an unmount would.
    int copies = 0;
    const auto c = QObject::connect(f.vault(), &TAVVault::itemSyncProgress, f.vault(), [&](const QString &line) {
        if (line.startsWith("Copy ") && ++copies == 20) {
            QVERIFY(QDir().rename(f.diskFolder(), moved));
            if (replaced)
                QVERIFY(QDir().mkdir(f.diskFolder()));
        }
    }, Qt::DirectConnection);
    QCOMPARE(f.sync(), 1);
    QObject::disconnect(c);
    QVERIFY2(hasLine(f.lines(), "The folder " + f.diskFolder() + " was removed or replaced during the synchronization"),
             qPrintable(f.lines().join('\n')));
    QCOMPARE(f.lines().last(), QStringLiteral("Synchronization finished with errors: see the lines above."));
    // Nothing made again where the folder was, nothing written into the
    // new one, and the state is the one from before.
    if (replaced)
        QVERIFY(QDir(f.diskFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    else
        QVERIFY(!QFileInfo::exists(f.diskFolder()));
    QCOMPARE(fileBytes(TAVSync::stateFilePath(f.vault(), peer)), state);
    const int copied = QDir(moved + "/d").entryList(QDir::Files).size();
    QVERIFY2(copied > 0 && copied < 150, qPrintable(QString::number(copied)));

    // The next run deletes nothing from the vault.
    QCOMPARE(f.sync(), 1);
    QCOMPARE(f.vaultSide(), sorted(vault));
}

void TestTavSync::unreadableFoldersAreUnknown_data()
{
    QTest::addColumn<QString>("unreadable"); // relative to the disk folder
    QTest::addColumn<QString>("line");
    QTest::newRow("a folder inside") << "d" << "Failed: d (can't be read: Permission denied)";
    QTest::newRow("the peer folder") << "" << "The folder can't be read: nothing was deleted or copied for this peer.";
}

void TestTavSync::unreadableFoldersAreUnknown()
{
    // Permission bits count only for another user than root: the run takes
    // place in a helper started as such.
    QFETCH(QString, unreadable);
    QFETCH(QString, line);
    QTemporaryDir work;
    QVERIFY(UnprivilegedRun::handOver(work.path()));
    QProcess child;
    QVERIFY2(UnprivilegedRun::run(child, "sync_unreadable", {work.path(), unreadable}, work.path()),
             qPrintable(child.errorString()));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QStringList out;
    for (const QByteArray &l : child.readAllStandardOutput().split('\n')) {
        if (l.startsWith("@ "))
            out << QString::fromUtf8(l.mid(2));
    }
    QVERIFY2(child.exitCode() == 0, child.readAllStandardError().constData());
    QVERIFY2(out.contains(line), qPrintable(out.join('\n')));
    QVERIFY(out.contains("result 1"));
    QVERIFY(out.contains("Synchronization finished with errors: see the lines above."));
    // Nothing below the folder was deleted on either side; what the vault
    // alone holds there was not copied into it either.
    QVERIFY2(out.contains("vault d/,d/sub/,d/sub/y=Y,d/vaultonly=V,d/x=X,k=K"), qPrintable(out.join('\n')));
    QVERIFY2(out.contains("disk d/,d/sub/,d/sub/y=Y,d/x=X,k=K"), qPrintable(out.join('\n')));
}

void TestTavSync::linksInThePeerAreSkipped()
{
    SyncFixture f;
    const QString outside = f.path("outside");
    QDir().mkpath(outside + "/etc");
    QVERIFY(FileFixture::write(outside + "/target.txt", "outside file"));
    QVERIFY(FileFixture::write(outside + "/etc/passwd", "outside folder"));
    f.layVault({"a.txt=NEW@50", "etc/", "etc/new=N", "k=K"});
    f.layDisk({"k=K"});
    QVERIFY(QFile::link(outside + "/target.txt", f.diskFolder() + "/a.txt"));
    QVERIFY(QFile::link(outside + "/etc", f.diskFolder() + "/etc"));
    QVERIFY(QFile::link("/", f.diskFolder() + "/root"));
    const QUuid peer = f.addPeer();
    f.setState(peer, {"k", "etc", "etc/new", "a.txt"});

    // The pending count does not walk them either.
    QCOMPARE(f.scan(), QList<uint>{0});
    QCOMPARE(f.sync(), 1);
    for (const char *name : {"a.txt", "etc", "root"})
        QVERIFY2(hasLine(f.lines(), QStringLiteral("Skipped: %1 (a symbolic link)").arg(name)), qPrintable(f.lines().join('\n')));
    // Nothing written through, nothing taken in, nothing deleted.
    QCOMPARE(fileBytes(outside + "/target.txt"), QByteArray("outside file"));
    QCOMPARE(QDir(outside + "/etc").entryList(QDir::Files), QStringList{"passwd"});
    QVERIFY(QFileInfo(f.diskFolder() + "/a.txt").isSymLink());
    QCOMPARE(f.vaultSide(), (QStringList{"a.txt=NEW@50", "etc/", "etc/new=N", "k=K"}));
}

void TestTavSync::stateNamesOnlyWhatTheRunRecorded_data()
{
    QTest::addColumn<QString>("change"); // made to the state file on the stick
    QTest::newRow("a name added in the clear") << "forged";
    QTest::newRow("an entry of another key") << "foreign";
    QTest::newRow("a flipped bit") << "flipped";
    QTest::newRow("written before entries were hashed") << "plain";
}

void TestTavSync::stateNamesOnlyWhatTheRunRecorded()
{
    QFETCH(QString, change);
    SyncFixture f;
    f.layVault({"k=K", "f9.txt=NEW"});
    f.layDisk({"k=K", "precious.txt=P", "f1.txt=ONE"});
    const QUuid peer = f.addPeer();
    const QString statePath = TAVSync::stateFilePath(f.vault(), peer);
    QStringList entries;
    const QByteArray own = SyncStateFile::entryKey(f.vault()->getKey());
    const QByteArray foreign = SyncStateFile::entryKey(TAVKey());
    if (change == "plain") {
        // A user deleted f9.txt on the disk since: it comes back.
        entries = QStringList{"k", "f9.txt"};
    } else {
        entries = QStringList{SyncStateFile::entryOf(own, "k")};
        if (change == "forged")
            entries << "precious.txt";
        if (change == "foreign")
            entries << SyncStateFile::entryOf(foreign, "precious.txt") << SyncStateFile::entryOf(foreign, "f9.txt");
        if (change == "flipped") {
            // An entry of the run's with one digit changed names nothing.
            QString entry = SyncStateFile::entryOf(own, "f9.txt");
            entry[0] = entry[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
            entries << entry;
        }
    }
    QVERIFY(SyncStateFile::write(statePath, entries));

    QCOMPARE(f.sync(), 0);
    // Nothing the run did not record is deleted on either side.
    const QStringList both{"f1.txt=ONE", "f9.txt=NEW", "k=K", "precious.txt=P"};
    QCOMPARE(f.diskSide(), both);
    QCOMPARE(f.vaultSide(), both);
    QCOMPARE(f.state(peer), (QStringList{"f1.txt", "f9.txt", "k", "precious.txt"}));
    // Nothing on the stick names a synchronised file.
    const QByteArray bytes = fileBytes(statePath);
    for (const char *name : {"f1.txt", "f9.txt", "precious.txt"})
        QVERIFY(!bytes.contains(streamString(name).mid(4)));
}

void TestTavSync::fileSavedDuringTheRunIsKept()
{
    SyncFixture f;
    QStringList vault, disk;
    for (int i = 0; i < 10; ++i) {
        vault << QStringLiteral("f%1=VAULT@50").arg(i);
        disk << QStringLiteral("f%1=OLD@10").arg(i);
    }
    vault << "new=VAULT@50";
    f.layVault(vault);
    f.layDisk(disk);
    const QUuid peer = f.addPeer();
    f.setState(peer, {"f0", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9"});

    // The user saves f3 and makes "new" while the run copies them.
    const auto c = QObject::connect(f.vault(), &TAVVault::itemSyncProgress, f.vault(), [&](const QString &line) {
        if (line.startsWith("Copy /f3 "))
            QVERIFY(FileFixture::write(f.diskFolder() + "/f3", "USER"));
        if (line.startsWith("Copy /new "))
            QVERIFY(FileFixture::write(f.diskFolder() + "/new", "USER NEW"));
    }, Qt::DirectConnection);
    QCOMPARE(f.sync(), 1);
    QObject::disconnect(c);
    QCOMPARE(fileBytes(f.diskFolder() + "/f3"), QByteArray("USER"));
    QCOMPARE(fileBytes(f.diskFolder() + "/new"), QByteArray("USER NEW"));
    QCOMPARE(fileBytes(f.diskFolder() + "/f4"), QByteArray("VAULT"));
    QVERIFY(hasLine(f.lines(), "Kept " + f.diskFolder() + "/f3: it changed on the disk during the synchronization."));
    QVERIFY(hasLine(f.lines(), "Kept " + f.diskFolder() + "/new: it changed on the disk during the synchronization."));
    QVERIFY(!f.state(peer).contains("f3"));
    QVERIFY(!f.state(peer).contains("new"));
    // The next run takes the user's saves into the vault.
    QCOMPARE(f.sync(), 0);
    QCOMPARE(f.vaultSide().filter(QRegularExpression("^(f3|new)=USER")).size(), 2);
    QCOMPARE(f.vaultSide(), f.diskSide());
}

void TestTavSync::repairedIndexStartsAFirstSynchronization()
{
    SyncFixture f;
    f.layVault({"gone=G@10", "lost=OLD@5", "k=K"});
    f.layDisk({"gone=G@10", "lost=EDIT@40", "k=K"});
    const QUuid peer = f.addPeer();
    f.setState(peer, {"gone", "lost", "k"});
    // "gone" loses its body; "lost" drops out of the index while its body
    // (dated before the disk's edit) stays.
    auto *gone = static_cast<TAVFile *>(getItem(f.vault(), "/gone"));
    QVERIFY(QFile::remove(gone->getFullPhysicalFileName()));
    auto *lost = static_cast<TAVFile *>(getItem(f.vault(), "/lost"));
    FileUtils::setModificationTime(lost->getFullPhysicalFileName(),
                                   QDateTime::fromSecsSinceEpoch(SyncFixture::kBaseTime + 5, Qt::UTC));
    f.vault()->removeItem(lost);
    delete lost;
    QCOMPARE(f.vault()->save(), 0);

    TAVIndexRepair repair(f.vault());
    repair.setMasterKey(TAVKey(QStringLiteral("unused")));
    repair.setConfirm([](const QString &, const QString &) { return 0; });
    QCOMPARE(int(repair.run().outcome), int(TAVIndexRepair::Repaired));
    QCOMPARE(f.state(peer), QStringList{"<none>"});

    QCOMPARE(f.sync(), 0);
    // The disk's copy of "gone" is kept (and comes back), and the edit of
    // "lost" wins over the rebuilt copy.
    QCOMPARE(f.diskSide(), (QStringList{"gone=G@10", "k=K", "lost=EDIT@40"}));
    QCOMPARE(f.vaultSide(), (QStringList{"gone=G@10", "k=K", "lost=EDIT@40"}));
}

void TestTavSync::killedRunLeavesNoBodies()
{
    // The bodies a run wrote before its index save are listed first; a kill
    // before the save leaves the list, and the next load removes them.
    SyncFixture f;
    f.layVault({"k=K"});
    f.layDisk({"k=K", "a=A", "b=B"});
    f.addPeer();
    const QString folder = f.vault()->getFullPhysicalVaultPath();
    const auto bodies = [&] {
        QStringList found;
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            if (QFileInfo(it.next()).dir().dirName().size() == 2)
                found << it.fileName();
        return found;
    };
    // As a kill would leave it: the bodies written, the index not saved.
    const auto c = QObject::connect(f.vault(), &TAVVault::itemSyncProgress, f.vault(), [&](const QString &line) {
        if (line == f.diskFolder() + "/b")
            TAVSync::cancelRuns();
    }, Qt::DirectConnection);
    const QStringList before = bodies();
    QVERIFY(QFileInfo::exists(PendingBodies::fileName(folder)) == false);
    QStringList listed;
    const auto d = QObject::connect(f.vault(), &TAVVault::itemSyncProgress, f.vault(), [&](const QString &line) {
        if (line.startsWith("Copy ") && listed.isEmpty())
            listed = PendingBodies::read(folder, f.vault()->getKey());
    }, Qt::DirectConnection);
    QCOMPARE(f.sync(), 1);
    QObject::disconnect(c);
    QObject::disconnect(d);
    QCOMPARE(listed.size(), 2);
    for (const QString &body : bodies())
        QVERIFY(before.contains(body) || listed.contains(body));
    QVERIFY(QFileInfo::exists(PendingBodies::fileName(folder)));

    // The process ends here. Were the index damaged, a repair would take
    // none of them in as items...
    f.vault()->unload();
    QVERIFY(AtomicFileWriter::writePlainFile(f.vault()->getVaultIdxFileName(), "damaged"));
    {
        TAVIndexRepair repair(f.vault());
        repair.setMasterKey(TAVKey(QStringLiteral("unused")));
        repair.setConfirm([](const QString &, const QString &) { return 0; });
        const TAVIndexRepair::Result result = repair.run();
        QCOMPARE(int(result.outcome), int(TAVIndexRepair::Repaired));
        QCOMPARE(result.rebuilt, 1); // k alone
    }
    // ...and the next load of the vault removes them.
    f.vault()->unload();
    QCOMPARE(f.vault()->load(), 0);
    QCOMPARE(bodies(), before);
    QVERIFY(!QFileInfo::exists(PendingBodies::fileName(folder)));
    QCOMPARE(f.vaultSide().size(), 1);
    QVERIFY(f.vaultSide().first().startsWith("k=K"));

    // A whole run leaves no list behind, and a forged list removes nothing.
    QCOMPARE(f.sync(), 0);
    QVERIFY(!QFileInfo::exists(PendingBodies::fileName(folder)));
    const QStringList now = bodies();
    QCOMPARE(now.size(), 3);
    QVERIFY(AtomicFileWriter::writeDataFile(PendingBodies::fileName(folder), TAV_AES256, TAVKey(), 1, QByteArray()) == 0);
    f.vault()->unload();
    QCOMPARE(f.vault()->load(), 0);
    QCOMPARE(bodies(), now);
}

void TestTavSync::concurrentListChangesAllLand()
{
    // Each change reads, changes and writes the whole list: two writers at
    // once must not drop each other's peers.
    SyncFixture f;
    TAVVault *v = f.vault();
    const auto adder = [&](const QString &prefix) {
        for (int i = 0; i < 15; ++i)
            QCOMPARE(TAVSync::addSyncPeer(v, "h", f.path(prefix + QString::number(i)), "/"), 0);
    };
    QFuture<void> a = QtConcurrent::run([&] { adder("a"); });
    QFuture<void> b = QtConcurrent::run([&] { adder("b"); });
    a.waitForFinished();
    b.waitForFinished();
    QList<TAVSyncEntry> list;
    QCOMPARE(TAVSync::readSyncList(&list, v), 0);
    QCOMPARE(list.size(), 30);
}

void TestTavSync::uuidToSyncFileName()
{
    QCOMPARE(UuidToSyncFileName(QUuid()), QStringLiteral("00000000000000000000000000000000.sync"));
    QCOMPARE(UuidToSyncFileName(QUuid("{6a1f0c2e-9b3d-4e57-8c21-d04f7a9b1e63}")),
             QStringLiteral("6a1f0c2e9b3d4e578c21d04f7a9b1e63.sync"));
}

QTEST_MAIN(TestTavSync)
#include "tst_tavsync.moc"
