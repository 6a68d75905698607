#include "fakeclock.h"
#include "filesizelimit.h"
#include "fileutils.h"
#include "scriptedprompter.h"
#include "tavcrypto.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavindexrepair.h"
#include "tavkeychain.h"
#include "tavvault.h"
#include "treetestutils.h"
#include "vaultfixture.h"

#include <QMutex>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kBackupName = QStringLiteral("index.dat.bak-20141120-120000");

// A vault object on an existing folder, unloaded, hung on the root while it lives.
struct ReopenedVault
{
    TAVVault *vault;
    ReopenedVault(const QString &name, const QString &folder, TAVCipher cipher, const TAVKey &key)
        : vault(new TAVVault(TAVFileSystem::getInstance(), name, folder, cipher, key))
    {
        TAVFileSystem::getInstance()->addItem(vault);
    }
    ~ReopenedVault()
    {
        TAVFileSystem::getInstance()->removeItem(vault);
        destroyItemTree(vault);
    }
};

TAVFile *fileAt(TAVItemContainer *vault, const QString &path)
{
    TAVItem *item = vault->findItem(vault->GetName() + QLatin1Char('/') + path);
    return item && item->GetClassID() == TAV_CLASS_FILE ? static_cast<TAVFile *>(item) : nullptr;
}

QStringList childNames(TAVItemContainer *container)
{
    QStringList names;
    for (int i = 0; i < container->getItemCount(); ++i)
        names << container->getItemAt(i)->GetName();
    names.sort();
    return names;
}

struct Run
{
    TAVIndexRepair::Result result;
    QStringList lines;
    int done = 0;
    int failed = 0;
};

} // namespace

class TestTAVIndexRepair : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void lostItemsComeBackUnderTheirHeaderNames();
    void keyIsCheckedBeforeAnythingChanges_data();
    void keyIsCheckedBeforeAnythingChanges();
    void askedBeforeEmptyingTheIndex_data();
    void askedBeforeEmptyingTheIndex();
    void bodiesThatCannotGoWhereTheyBelong();
    void cancelKeepsTheOldIndexAndTree_data();
    void cancelKeepsTheOldIndexAndTree();
    void failedSaveIsReportedAndPutsBackTheTree();
    void secondRepairOrRunningSyncIsRefused_data();
    void secondRepairOrRunningSyncIsRefused();
    void deletingTheVaultRemovesTheKeptIndexes();

private:
    // A file item at path (folders made as needed) whose header holds
    // `stored` (default: the path inside the vault, as the worker writes it).
    TAVFile *addFile(const QString &path, const QByteArray &bytes, const QString &stored = QString());
    // A body in the folder that no item owns; its path.
    QString addOrphan(const QString &stored, const QByteArray &bytes);
    Run repair(TAVIndexRepair &engine);

    QScopedPointer<FakeClock> clock;
    QScopedPointer<ScriptedPrompter> prompter;
    QScopedPointer<VaultFixture> fx;
    TAVVault *vault = nullptr;
    TAVKey key;
};

void TestTAVIndexRepair::init()
{
    clock.reset(new FakeClock(QDateTime(QDate(2014, 11, 20), QTime(12, 0))));
    prompter.reset(new ScriptedPrompter);
    fx.reset(new VaultFixture);
    key = TAVKey();
    vault = fx->addVault(QStringLiteral("Private"), TAV_AES256, key);
}

void TestTAVIndexRepair::cleanup()
{
    fx.reset();
    prompter.reset();
    clock.reset();
}

TAVFile *TestTAVIndexRepair::addFile(const QString &path, const QByteArray &bytes, const QString &stored)
{
    TAVItemContainer *container = vault;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (int i = 0; i + 1 < parts.size(); ++i) {
        TAVItem *found = container->getItem(parts.at(i));
        container = found ? static_cast<TAVItemContainer *>(found) : container->addFolder(parts.at(i));
    }
    TAVFile *file = fx->addFile(container, parts.last(), bytes);
    const QString name = stored.isNull() ? QLatin1Char('/') + path : stored;
    if (TAVCrypto::updateFileHeader(file->getFullPhysicalFileName(), name, vault->getCipher(), key) != 0)
        return nullptr;
    return file;
}

QString TestTAVIndexRepair::addOrphan(const QString &stored, const QByteArray &bytes)
{
    TAVFile *file = addFile(QStringLiteral("orphan.tmp"), bytes, stored);
    const QString body = file->getFullPhysicalFileName();
    vault->removeItem(QStringLiteral("orphan.tmp"));
    return body;
}

Run TestTAVIndexRepair::repair(TAVIndexRepair &engine)
{
    Run run;
    connect(&engine, &TAVIndexRepair::repairProgress, this, [&run](const QString &l) { run.lines << l; });
    connect(&engine, &TAVIndexRepair::repairDone, this, [&run] { ++run.done; });
    connect(&engine, &TAVIndexRepair::repairFailed, this, [&run] { ++run.failed; });
    run.result = engine.run();
    return run;
}

// Half the items lost from the index come back from their headers with
// their identifiers, sizes and creation times; items whose body is gone
// leave; renamed items come back under the name their header keeps, and
// those written by the sync or the watcher (a bare name) at the top.
void TestTAVIndexRepair::lostItemsComeBackUnderTheirHeaderNames()
{
    addFile(QStringLiteral("Letters/a.doc"), "alpha");
    TAVFile *b = addFile(QStringLiteral("Letters/2014/b.doc"), QByteArray(3000, 'b'));
    TAVFile *c = addFile(QStringLiteral("c.txt"), "");
    addFile(QStringLiteral("Photos/d.jpg"), "delta");
    TAVFile *e = addFile(QStringLiteral("e-old.txt"), "echo");
    vault->renameItem(QStringLiteral("e-old.txt"), QStringLiteral("e.txt"));
    TAVFile *f = addFile(QStringLiteral("Photos/f.txt"), "foxtrot", QStringLiteral("f.txt"));
    TAVFile *g = addFile(QStringLiteral("g.txt"), "golf");
    addFile(QStringLiteral("h.txt"), "hotel");
    vault->addFolder(QStringLiteral("Empty"));
    QCOMPARE(vault->save(), 0);

    struct Lost { QUuid id; quint64 current, original; qint64 created; QByteArray body; };
    QHash<QString, Lost> lost;
    for (TAVFile *file : {b, c, e, f}) {
        lost.insert(file->GetName(), {file->GetId(), file->GetCurrentSize(), file->GetOriginalSize(),
                                      file->GetCreatedDate().toSecsSinceEpoch(), fx->plain(file)});
        static_cast<TAVItemContainer *>(file->GetParent())->removeItem(file->GetName());
    }
    QFile::remove(g->getFullPhysicalFileName());
    QCOMPARE(vault->save(), 0);
    const QByteArray oldIndex = fileBytes(vault->getVaultIdxFileName());
    vault->deleteItem(QStringLiteral("h.txt")); // its body waits for the next save

    Run run;
    {
        TAVIndexRepair engine(vault);
        run = repair(engine);
    }
    QCOMPARE(run.result.outcome, TAVIndexRepair::Repaired);
    QCOMPARE(run.result.rebuilt, 4);
    QCOMPARE(run.result.removed, 1);
    QCOMPARE(run.result.recovered, 0);
    QCOMPARE(run.result.skipped, 0);
    QCOMPARE(run.done, 1);
    QCOMPARE(run.failed, 0);
    QVERIFY(prompter->prompts.isEmpty());
    QCOMPARE(run.lines.first(), QStringLiteral("Start repair index file"));
    QCOMPARE(run.lines.last(), QStringLiteral("Done"));
    QVERIFY(run.lines.contains(QStringLiteral("Private/Letters/a.doc")));

    const QHash<QString, QString> placed{{QStringLiteral("b.doc"), QStringLiteral("Letters/2014/b.doc")},
                                         {QStringLiteral("c.txt"), QStringLiteral("c.txt")},
                                         {QStringLiteral("e.txt"), QStringLiteral("e-old.txt")},
                                         {QStringLiteral("f.txt"), QStringLiteral("f.txt")}};
    for (auto it = placed.cbegin(); it != placed.cend(); ++it) {
        TAVFile *file = fileAt(vault, it.value());
        QVERIFY2(file, qPrintable(it.value()));
        const Lost &was = lost.value(it.key());
        QCOMPARE(file->GetId(), was.id);
        QCOMPARE(file->GetCurrentSize(), was.current);
        QCOMPARE(file->GetOriginalSize(), was.original);
        QCOMPARE(file->GetCreatedDate().toSecsSinceEpoch(), was.created);
        QCOMPARE(fx->plain(file), was.body);
    }
    QCOMPARE(childNames(vault), (QStringList{"Empty", "Letters", "Photos", "c.txt", "e-old.txt", "f.txt"}));
    QCOMPARE(childNames(static_cast<TAVItemContainer *>(vault->getItem("Photos"))), QStringList{"d.jpg"});
    QVERIFY(!fileAt(vault, QStringLiteral("g.txt")));

    // The index on the disk is the repaired tree; the old one is kept beside it.
    const QStringList repaired = VaultFixture::describe(vault);
    ReopenedVault again(QStringLiteral("Private"), vault->getFullPhysicalVaultPath(), TAV_AES256, key);
    QCOMPARE(again.vault->load(), 0);
    QCOMPARE(VaultFixture::describe(again.vault), repaired);
    QCOMPARE(QFileInfo(run.result.backup).fileName(), kBackupName);
    QCOMPARE(fileBytes(run.result.backup), oldIndex);
}

// The key must be vouched for by the index, by the key chain under the
// master key, or by most header names reading as names; otherwise nothing
// is saved. Garbled names are still rebuilt (in "Recovered") when the key
// is vouched for otherwise.
void TestTAVIndexRepair::keyIsCheckedBeforeAnythingChanges_data()
{
    QTest::addColumn<QString>("index"); // "kept", "missing", "damaged"
    QTest::addColumn<bool>("rightKey");
    QTest::addColumn<QString>("keyChain"); // "none", "master", "other"
    QTest::addColumn<bool>("garbled");
    QTest::addColumn<int>("outcome");

    const int ok = TAVIndexRepair::Repaired;
    const int wrong = TAVIndexRepair::WrongKey;
    QTest::newRow("index opens, names garbled") << "kept" << true << "none" << true << ok;
    QTest::newRow("key chain unwraps, names garbled") << "missing" << true << "master" << true << ok;
    QTest::newRow("key chain under another key, names garbled") << "missing" << true << "other" << true << wrong;
    QTest::newRow("names read, no index") << "missing" << true << "none" << false << ok;
    QTest::newRow("names read, damaged index") << "damaged" << true << "none" << false << ok;
    QTest::newRow("wrong key, index kept") << "kept" << false << "none" << false << wrong;
    QTest::newRow("wrong key, no index") << "missing" << false << "none" << false << wrong;
    QTest::newRow("wrong key, key chain of the right one") << "missing" << false << "master" << false << wrong;
}

void TestTAVIndexRepair::keyIsCheckedBeforeAnythingChanges()
{
    QFETCH(QString, index);
    QFETCH(bool, rightKey);
    QFETCH(QString, keyChain);
    QFETCH(bool, garbled);
    QFETCH(int, outcome);

    const QStringList names = garbled
        ? QStringList{QString::fromLatin1("/\x07ring\x1b.txt"), QString::fromLatin1("/Lett\x01rs/\x02.doc"),
                      QString::fromLatin1("/\x7f\x80\x9f")}
        : QStringList{"/Letters/2014/a.doc", "/Photos/summer holiday.jpg", "/notes on the budget.txt"};
    for (const QString &name : names)
        addOrphan(name, "content");
    QCOMPARE(vault->save(), 0);
    const QString folder = vault->getFullPhysicalVaultPath();
    if (index == QLatin1String("missing"))
        QVERIFY(QFile::remove(vault->getVaultIdxFileName()));
    if (index == QLatin1String("damaged")) {
        QFile file(vault->getVaultIdxFileName());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not an index at all");
    }
    const TAVKey master(QStringLiteral("the password"));
    if (keyChain != QLatin1String("none")) {
        TAVKey wrapped = key;
        wrapped.encrypt(keyChain == QLatin1String("master") ? master : TAVKey(QStringLiteral("another")));
        QCOMPARE(TAVKeyChain(vault->getKeyFileName()).setKey(QString(), wrapped), 0);
    }
    const QByteArray indexBefore = fileBytes(vault->getVaultIdxFileName());
    fx->removeVault(vault);
    vault = nullptr;

    ReopenedVault reopened(QStringLiteral("Private"), folder, TAV_AES256, rightKey ? key : TAVKey());
    TAVIndexRepair engine(reopened.vault);
    engine.setMasterKey(master);
    const Run run = repair(engine);

    QCOMPARE(int(run.result.outcome), outcome);
    if (outcome == TAVIndexRepair::WrongKey) {
        QCOMPARE(run.failed, 1);
        QCOMPARE(run.done, 0);
        QCOMPARE(fileBytes(folder + "/index.dat"), indexBefore);
        QCOMPARE(QFileInfo::exists(folder + "/index.dat"), index != QLatin1String("missing"));
        QVERIFY(!QFileInfo::exists(folder + '/' + kBackupName));
        QCOMPARE(reopened.vault->getItemCount(), 0);
        QVERIFY(!reopened.vault->isLoaded());
    } else {
        QCOMPARE(run.result.rebuilt, names.size());
        QCOMPARE(run.result.recovered, garbled ? names.size() : 0);
        QVERIFY(reopened.vault->isLoaded());
        ReopenedVault again(QStringLiteral("Private"), folder, TAV_AES256, key);
        QCOMPARE(again.vault->load(), 0);
        QCOMPARE(again.vault->getVaultItemCount(), names.size());
        if (!garbled)
            QVERIFY(fileAt(again.vault, QStringLiteral("Letters/2014/a.doc")));
        QCOMPARE(QFileInfo::exists(folder + '/' + kBackupName), index != QLatin1String("missing"));
    }
}

// A walk that finds far fewer bodies than the index lists (a drive not
// there, a folder half copied) asks first; anything but yes changes nothing.
void TestTAVIndexRepair::askedBeforeEmptyingTheIndex_data()
{
    QTest::addColumn<QString>("answer"); // through the prompter, or a callback closed without an answer
    QTest::addColumn<bool>("repaired");
    QTest::newRow("no") << "no" << false;
    QTest::newRow("box closed (-1)") << "closed" << false;
    QTest::newRow("yes") << "yes" << true;
}

void TestTAVIndexRepair::askedBeforeEmptyingTheIndex()
{
    QFETCH(QString, answer);
    QFETCH(bool, repaired);

    addFile(QStringLiteral("Letters/a.doc"), "a");
    addFile(QStringLiteral("b.doc"), "b");
    addFile(QStringLiteral("c.doc"), "c");
    QCOMPARE(vault->save(), 0);
    const QString folder = vault->getFullPhysicalVaultPath();
    for (const QString &body : VaultFixture::bodies(vault))
        QVERIFY(QFile::remove(folder + '/' + body));
    const QByteArray oldIndex = fileBytes(vault->getVaultIdxFileName());
    const QStringList oldTree = VaultFixture::describe(vault);

    TAVIndexRepair engine(vault);
    QString asked;
    if (answer == QLatin1String("closed"))
        engine.setConfirm([&asked](const QString &, const QString &text) { asked = text; return -1; });
    else
        prompter->answers << (answer == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
    const Run run = repair(engine);
    if (answer != QLatin1String("closed")) {
        QCOMPARE(prompter->prompts.size(), 1);
        asked = prompter->prompts.first().text;
    }
    QVERIFY2(asked.startsWith(QStringLiteral("Only 0 of the 3 files")), qPrintable(asked));

    if (!repaired) {
        QCOMPARE(run.result.outcome, TAVIndexRepair::Declined);
        QCOMPARE(run.failed, 1);
        QCOMPARE(fileBytes(vault->getVaultIdxFileName()), oldIndex);
        QCOMPARE(VaultFixture::describe(vault), oldTree);
        QVERIFY(!QFileInfo::exists(folder + '/' + kBackupName));
    } else {
        QCOMPARE(run.result.outcome, TAVIndexRepair::Repaired);
        QCOMPARE(run.result.removed, 3);
        QCOMPARE(vault->getVaultItemCount(), 0);
        QCOMPARE(childNames(vault), QStringList{"Letters"}); // folders stay
        QCOMPARE(fileBytes(folder + '/' + kBackupName), oldIndex);
    }
}

// Unreadable headers and files that are no body in its place are skipped
// and stay on the disk; bodies whose place is taken, is a file, is cut
// short or breaks the name rule go to "Recovered" under free names.
void TestTAVIndexRepair::bodiesThatCannotGoWhereTheyBelong()
{
    TAVFile *a = addFile(QStringLiteral("Letters/a.doc"), "first a");
    TAVFile *notes = addFile(QStringLiteral("notes.txt"), "notes");
    const QUuid aId = a->GetId();
    const QUuid notesId = notes->GetId();
    QHash<QString, QByteArray> content; // stored name -> plain bytes
    const QStringList stored{"/Letters/a.doc", "/dup.txt", "/dup.txt", "/dup.txt", "/notes.txt/inner.txt",
                             ".tters/2014/long.doc", "/bad:name?.txt"};
    for (int i = 0; i < stored.size(); ++i)
        addOrphan(stored.at(i), QByteArray("body ") + QByteArray::number(i));
    const QString shortBody = addOrphan(QStringLiteral("/short.txt"), "short");
    QFile cut(shortBody);
    QVERIFY(cut.resize(100));
    const QString oddVersion = addOrphan(QStringLiteral("/version.txt"), "version");
    {
        QFile f(oddVersion);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(8);
        f.write("\x09", 1);
    }
    const QString misplaced = addOrphan(QStringLiteral("/misplaced.txt"), "misplaced");
    const QString folder = vault->getFullPhysicalVaultPath();
    QVERIFY(QFile::rename(misplaced, folder + '/' + QFileInfo(misplaced).fileName()));
    QDir().mkpath(folder + "/zz");
    QFile::copy(shortBody, folder + "/zz/zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz");
    QCOMPARE(vault->save(), 0);
    const QStringList bodiesBefore = VaultFixture::bodies(vault);

    TAVIndexRepair engine(vault);
    const Run run = repair(engine);

    QCOMPARE(run.result.outcome, TAVIndexRepair::Repaired);
    QCOMPARE(run.result.rebuilt, 7);
    QCOMPARE(run.result.recovered, 6);
    QCOMPARE(run.result.skipped, 4);
    auto *recovered = static_cast<TAVItemContainer *>(vault->getItem(QStringLiteral("Recovered")));
    QVERIFY(recovered && recovered->GetClassID() == TAV_CLASS_FOLDER);
    QCOMPARE(childNames(recovered), (QStringList{"a.doc", "bad_name_.txt", "dup (2).txt", "dup.txt", "inner.txt",
                                                 "long.doc"}));
    QCOMPARE(childNames(vault), (QStringList{"Letters", "Recovered", "dup.txt", "notes.txt"}));
    QCOMPARE(fileAt(vault, QStringLiteral("Letters/a.doc"))->GetId(), aId);
    QCOMPARE(fileAt(vault, QStringLiteral("notes.txt"))->GetId(), notesId);
    QCOMPARE(fx->plain(fileAt(vault, QStringLiteral("Recovered/a.doc"))), QByteArray("body 0"));
    QCOMPARE(fx->plain(fileAt(vault, QStringLiteral("Recovered/inner.txt"))), QByteArray("body 4"));
    QCOMPARE(VaultFixture::bodies(vault), bodiesBefore); // nothing on the disk moved or went
}

// A cancel, while the index is matched or while bodies are read, leaves the
// index, the tree and the folder as they were and is not a success.
void TestTAVIndexRepair::cancelKeepsTheOldIndexAndTree_data()
{
    QTest::addColumn<QString>("at"); // the progress line that presses Cancel
    QTest::newRow("matching the index") << "Private/kept.txt";
    QTest::newRow("reading the second body") << "second";
}

void TestTAVIndexRepair::cancelKeepsTheOldIndexAndTree()
{
    QFETCH(QString, at);
    addFile(QStringLiteral("kept.txt"), "kept");
    TAVFile *gone = addFile(QStringLiteral("gone.txt"), "gone");
    QCOMPARE(vault->save(), 0);
    QFile::remove(gone->getFullPhysicalFileName());
    for (int i = 0; i < 3; ++i)
        addOrphan(QStringLiteral("/lost %1.txt").arg(i), "lost");
    QCOMPARE(vault->save(), 0);
    const QByteArray oldIndex = fileBytes(vault->getVaultIdxFileName());
    const QStringList oldTree = VaultFixture::describe(vault);

    TAVIndexRepair engine(vault);
    int bodies = 0;
    const QString folder = vault->getFullPhysicalVaultPath();
    connect(&engine, &TAVIndexRepair::repairProgress, this, [&](const QString &line) {
        if (line.startsWith(folder))
            ++bodies;
        if (line == at || (at == QLatin1String("second") && bodies == 2))
            engine.cancel();
    });
    const Run run = repair(engine);

    QCOMPARE(run.result.outcome, TAVIndexRepair::Cancelled);
    QVERIFY(!run.result.succeeded());
    QCOMPARE(run.done, 0);
    QCOMPARE(run.failed, 1);
    QVERIFY(!run.lines.contains(QStringLiteral("Done")));
    QCOMPARE(fileBytes(vault->getVaultIdxFileName()), oldIndex);
    QCOMPARE(VaultFixture::describe(vault), oldTree);
    QVERIFY(!QFileInfo::exists(folder + '/' + kBackupName));
}

// An index that can't be written is a failure, and the tree in memory is
// put back to the index still on the disk.
void TestTAVIndexRepair::failedSaveIsReportedAndPutsBackTheTree()
{
    TAVFile *gone = addFile(QStringLiteral("Letters/gone.txt"), "gone");
    addFile(QStringLiteral("Letters/kept.txt"), "kept");
    QCOMPARE(vault->save(), 0);
    QFile::remove(gone->getFullPhysicalFileName());
    for (int i = 0; i < 8; ++i)
        addOrphan(QStringLiteral("/Letters/new/lost number %1.txt").arg(i), "lost");
    QCOMPARE(vault->save(), 0);
    const QByteArray oldIndex = fileBytes(vault->getVaultIdxFileName());
    const QStringList oldTree = VaultFixture::describe(vault);
    const QDateTime vaultCreated = vault->GetCreatedDate();

    Run run;
    {
        // Room for the copy of the old index, not for the grown new one.
        FileSizeLimit limit(rlim_t(oldIndex.size() + 64));
        if (!limit.isActive())
            QSKIP("no file size limit here");
        TAVIndexRepair engine(vault);
        run = repair(engine);
    }
    QCOMPARE(run.result.outcome, TAVIndexRepair::Failed);
    QVERIFY(!run.result.succeeded());
    QCOMPARE(run.done, 0);
    QCOMPARE(run.failed, 1);
    QCOMPARE(run.lines.last(), run.result.message);
    QCOMPARE(fileBytes(vault->getVaultIdxFileName()), oldIndex);
    QCOMPARE(VaultFixture::describe(vault), oldTree);
    QCOMPARE(vault->GetCreatedDate(), vaultCreated);
    QCOMPARE(vault->save(), 0); // the tree is still the index's
}

// A second repair of the same vault started while one runs (the dialog
// stays usable during its event passes), or one while a synchronisation
// runs, is refused and changes nothing.
void TestTAVIndexRepair::secondRepairOrRunningSyncIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("second repair of the vault") << "second";
    QTest::newRow("sync running (hook)") << "hook";
    QTest::newRow("sync running (mutex held)") << "mutex";
}

void TestTAVIndexRepair::secondRepairOrRunningSyncIsRefused()
{
    QFETCH(QString, kind);
    addFile(QStringLiteral("kept.txt"), "kept");
    QCOMPARE(vault->save(), 0);
    addOrphan(QStringLiteral("/lost.txt"), "lost");
    QCOMPARE(vault->save(), 0);
    const QByteArray oldIndex = fileBytes(vault->getVaultIdxFileName());

    QMutex syncMutex;
    TAVIndexRepair first(vault);
    first.setSyncMutex(&syncMutex);
    if (kind == QLatin1String("second")) {
        Run inner;
        bool syncHeld = false;
        connect(&first, &TAVIndexRepair::repairProgress, this, [&](const QString &line) {
            if (line != QLatin1String("Private/kept.txt"))
                return;
            syncHeld = !syncMutex.tryLock();
            if (!syncHeld)
                syncMutex.unlock();
            TAVIndexRepair second(vault);
            inner = repair(second);
        });
        const Run outer = repair(first);
        QCOMPARE(inner.result.outcome, TAVIndexRepair::Refused);
        QCOMPARE(inner.failed, 1);
        QVERIFY(syncHeld); // no synchronisation starts in the middle
        QCOMPARE(outer.result.outcome, TAVIndexRepair::Repaired);
        QCOMPARE(outer.result.rebuilt, 1);
        QVERIFY(syncMutex.tryLock()); // released at the end
        syncMutex.unlock();
        return;
    }
    if (kind == QLatin1String("hook"))
        first.setSyncRunning([] { return true; });
    else
        syncMutex.lock();
    const Run run = repair(first);
    if (kind == QLatin1String("mutex"))
        syncMutex.unlock();
    QCOMPARE(run.result.outcome, TAVIndexRepair::Refused);
    QCOMPARE(run.result.message, QStringLiteral("A synchronization is running. Please try again when it has finished."));
    QCOMPARE(fileBytes(vault->getVaultIdxFileName()), oldIndex);
    QVERIFY(!fileAt(vault, QStringLiteral("lost.txt")));
}

void TestTAVIndexRepair::deletingTheVaultRemovesTheKeptIndexes()
{
    addOrphan(QStringLiteral("/lost.txt"), "lost");
    QCOMPARE(vault->save(), 0);
    TAVIndexRepair once(vault);
    QCOMPARE(once.run().outcome, TAVIndexRepair::Repaired);
    clock->advance(1000);
    TAVIndexRepair twice(vault);
    QCOMPARE(twice.run().outcome, TAVIndexRepair::Repaired);
    const QString folder = vault->getFullPhysicalVaultPath();
    QCOMPARE(vault->getIndexBackupFiles().size(), 2);

    // The root destroys the vaults it deletes: one of its own, not the fixture's.
    fx->removeVault(vault);
    vault = nullptr;
    auto *doomed = new TAVVault(TAVFileSystem::getInstance(), QStringLiteral("Private"), folder, TAV_AES256, key);
    TAVFileSystem::getInstance()->addItem(doomed);
    QCOMPARE(doomed->load(), 0);
    TAVFileSystem::getInstance()->deleteItem(QStringLiteral("Private"));

    QVERIFY(!QFileInfo::exists(folder + "/index.dat"));
    QCOMPARE(QDir(folder).entryList({"index.dat.bak-*"}, QDir::Files), QStringList());
}

QTEST_MAIN(TestTAVIndexRepair)
#include "tst_tavindexrepair.moc"
