// Synchronisations and scans on the pool while this thread, the vault's
// owner as the GUI thread is, renames, adds and deletes items and now and
// then locks and unlocks the vault, round after round. Meant for the
// sanitizer build as much as the plain one: any report there fails the run.
// At the end the tree must reload from its index exactly as it is in
// memory, every body must decrypt, and quiet runs must bring both sides in
// step with nothing left for a scan to count.

#include "syncfixture.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavsync.h"
#include "tavvault.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtConcurrent>
#include <QtTest>

#include <functional>

namespace {

constexpr int kRounds = 64;
constexpr int kEditsPerRound = 6;

// Everything in the vault's tree that the index keeps, one line per item.
QStringList describeTree(TAVItemContainer *container, const QString &prefix = QString())
{
    QStringList out;
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        const QString path = prefix + item->GetName();
        const bool isFile = item->GetClassID() == TAV_CLASS_FILE;
        out << QStringLiteral("%1%2 id=%3 c=%4 m=%5 size=%6/%7")
                   .arg(path, isFile ? QString() : QStringLiteral("/"), item->GetId().toString(),
                        item->GetCreatedDate().toString(Qt::ISODateWithMs),
                        item->GetModifiedDate().toString(Qt::ISODateWithMs))
                   .arg(item->GetOriginalSize())
                   .arg(item->GetCurrentSize());
        if (!isFile)
            out << describeTree(static_cast<TAVItemContainer *>(item), path + QLatin1Char('/'));
    }
    return out;
}

void collect(TAVItemContainer *container, QList<TAVItem *> *items)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        *items << item;
        if (item->GetClassID() == TAV_CLASS_FOLDER)
            collect(static_cast<TAVItemContainer *>(item), items);
    }
}

// What the user does in the window, on this thread, each change saved as
// the window saves it.
class Editor
{
public:
    Editor(SyncFixture &f, QRandomGenerator &random) : m_f(f), m_random(random) {}

    void edit()
    {
        TAVVault *vault = m_f.vault();
        if (!vault->isLoaded())
            return;
        QList<TAVItem *> items;
        collect(vault, &items);
        const int what = items.isEmpty() ? 0 : int(m_random.bounded(5));
        const int n = ++m_counter;
        if (what <= 1) {
            // A file, now and then a folder, in the vault or one of its folders.
            QList<TAVItemContainer *> containers{vault};
            for (TAVItem *item : qAsConst(items)) {
                if (item->GetClassID() == TAV_CLASS_FOLDER)
                    containers << static_cast<TAVItemContainer *>(item);
            }
            TAVItemContainer *into = containers.at(int(m_random.bounded(containers.size())));
            if (what == 1 && n % 3 == 0) {
                into->addFolder(QStringLiteral("gf%1").arg(n));
            } else {
                const QString plain = m_f.path(QStringLiteral("plain/g%1.txt").arg(n));
                QDir().mkpath(QFileInfo(plain).absolutePath());
                QFile out(plain);
                QVERIFY(out.open(QIODevice::WriteOnly));
                out.write(QStringLiteral("G%1").arg(n).toUtf8());
                out.close();
                TAVFile *file = into->addFile(plain);
                file->encrypt(plain);
                QFile::remove(plain);
            }
        } else {
            TAVItem *item = items.at(int(m_random.bounded(items.size())));
            auto *parent = static_cast<TAVItemContainer *>(item->GetParent());
            const QString name = item->GetName();
            if (what <= 3) {
                const QString ext = item->GetClassID() == TAV_CLASS_FILE ? QStringLiteral(".txt") : QString();
                parent->renameItem(name, QStringLiteral("r%1%2").arg(n).arg(ext));
                item->SetModifiedDate(QDateTime::currentDateTime());
            } else {
                parent->deleteItem(name);
            }
        }
        QCOMPARE(vault->save(), 0);
    }

private:
    SyncFixture &m_f;
    QRandomGenerator &m_random;
    int m_counter = 0;
};

} // namespace

class TestSyncStress : public QObject
{
    Q_OBJECT

private slots:
    void runsAndEditsInterleave();
};

void TestSyncStress::runsAndEditsInterleave()
{
    SyncFixture f;
    f.layVault({"va/", "va/a1=A1", "va/a2=A2", "vb/", "vb/deep/", "vb/deep/b1=B1", "v1=V1", "v2=V2"});
    f.layDisk({"da/", "da/d1=D1", "db/", "d2=D2", "d3=D3"});
    f.addPeer();
    QCOMPARE(f.sync(), 0);

    QRandomGenerator random(20261210);
    Editor editor(f, random);
    TAVVault *vault = f.vault();
    QList<uint> counts;
    QObject::connect(vault, &TAVVault::itemSyncScan, vault, [&counts](uint n) { counts << n; },
                     Qt::DirectConnection);

    int diskCounter = 0;
    int syncsWithErrors = 0;
    int locks = 0;
    QElapsedTimer took;
    took.start();
    for (int round = 0; round < kRounds; ++round) {
        // The disk side changes between runs: a new file, an edited one, a
        // deleted one, so each run has work both ways.
        const QString disk = f.diskFolder();
        const qint64 t = 1000 + round * 10;
        f.layDisk({QStringLiteral("%1d%2=D%2@%3").arg(round % 2 ? "da/" : "").arg(++diskCounter).arg(t)});
        QDirIterator files(disk, QDir::Files, QDirIterator::Subdirectories);
        QStringList present;
        while (files.hasNext())
            present << files.next().mid(disk.size() + 1);
        present.sort();
        if (!present.isEmpty()) {
            const QString edited = present.at(int(random.bounded(present.size())));
            f.layDisk({QStringLiteral("%1=E%2@%3").arg(edited).arg(round).arg(t + 5)});
            const QString gone = present.at(int(random.bounded(present.size())));
            if (gone != edited)
                QFile::remove(disk + QLatin1Char('/') + gone);
        }

        const QFuture<int> sync = QtConcurrent::run([vault] { return TAVSync::syncFolders(vault); });
        const QFuture<int> scanA = QtConcurrent::run([vault] { return TAVSync::scanVault(vault); });
        const QFuture<int> scanB = QtConcurrent::run([vault] { return TAVSync::scanVault(vault); });
        const bool lockThisRound = round % 8 == 7;
        int edits = 0;
        QElapsedTimer roundTime;
        roundTime.start();
        while (!sync.isFinished() || !scanA.isFinished() || !scanB.isFinished()) {
            if (edits < kEditsPerRound) {
                editor.edit();
                if (QTest::currentTestFailed())
                    return;
                ++edits;
                if (lockThisRound && edits == kEditsPerRound / 2) {
                    // A lock as the window makes it: runs cancelled, waited
                    // for while serving their calls, then the tree unloaded.
                    TAVSync::cancelRuns();
                    while (!TAVSync::waitForRuns(10))
                        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
                    vault->unload();
                    QCOMPARE(vault->load(), 0);
                    ++locks;
                }
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QVERIFY2(roundTime.elapsed() < 60000, "a run did not end");
        }
        QCoreApplication::processEvents();
        if (sync.result() != 0)
            ++syncsWithErrors;
        // Whatever the run did, no item in the tree lost its body.
        QList<TAVItem *> items;
        collect(vault, &items);
        for (TAVItem *item : qAsConst(items)) {
            if (item->GetClassID() == TAV_CLASS_FILE) {
                const QString body = static_cast<TAVFile *>(item)->getFullPhysicalFileName();
                QVERIFY2(QFileInfo::exists(body), qPrintable(QString("round %1: %2").arg(round).arg(item->GetFullPath())));
            }
        }
    }
    QVERIFY(TAVSync::waitForRuns(10000));
    QThreadPool::globalInstance()->waitForDone();
    qInfo("%d rounds, %d locks, %d runs with errors or stopped, %d counts, %lld ms", kRounds, locks,
          syncsWithErrors, int(counts.size()), took.elapsed());

    // The tree in memory is the one its index holds.
    const QStringList inMemory = describeTree(vault);
    QCOMPARE(vault->save(), 0);
    vault->unload();
    QCOMPARE(vault->load(), 0);
    QCOMPARE(describeTree(vault), inMemory);

    // Quiet runs settle both sides; nothing then waits.
    QCOMPARE(f.sync(), 0);
    QCOMPARE(f.sync(), 0);
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(f.scan(), QList<uint>{0});
    const QStringList vaultSide = f.vaultSide();
    QVERIFY(!vaultSide.join('\n').contains("<undecryptable>"));
    QCOMPARE(vaultSide, f.diskSide());
}

QTEST_MAIN(TestSyncStress)
#include "tst_syncstress.moc"
