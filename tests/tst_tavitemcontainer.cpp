#include "logcapture.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavitemnamevalidator.h"
#include "tavvault.h"

#include <QtTest>

#include <functional>

#include <time.h>

// Containers: look-up, paths, adding, renaming, removing and deleting, sorting;
// and the name rules wherever a name enters the tree.
class TestTAVItemContainer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void nameRules_data();
    void nameRules();
    void lookupIgnoresCase();
    void lookupInALargeFolderFollowsEveryChange();
    void sizesAndCounts();
    void serializeWritesSubtreeInPreOrder();
    void findPaths_data();
    void findPaths();
    void renameRules();
    void removeMatchesExactNameDeleteIgnoresCase();
    void deleteRemovesBodiesRemoveKeepsThem();
    void noBodyPathWithoutVaultFolder_data();
    void noBodyPathWithoutVaultFolder();
    void removalHoldsVaultMutex();
    void rootRefusesFoldersAndFiles();
    void addVaultTakesAFreeName();

    void sortExamples_data();
    void sortExamples();
    void sortMatchesExchangeSort();
    void sortByDateAcrossClockChanges();

private:
    TAVVault *vault = nullptr; // "V", loaded, its folder in vaultDir
    QScopedPointer<QTemporaryDir> vaultDir;
    TAVFile *addNamedFile(TAVItemContainer *c, const QString &name, quint64 size = 0);
};

namespace {
void destroyTree(TAVItemContainer *top)
{
    top->removeAll();
    delete top;
}

QStringList names(TAVItemContainer *c)
{
    QStringList list;
    for (int i = 0; i < c->getItemCount(); ++i)
        list << c->getItemAt(i)->GetName();
    return list;
}

QString exceptionText(const std::function<void()> &f)
{
    try {
        f();
    } catch (const TAVException &e) {
        return QString::fromLatin1(e.what());
    }
    return QString();
}
} // namespace

void TestTAVItemContainer::init()
{
    // Bodies, if any, go to a folder of the test's own.
    vaultDir.reset(new QTemporaryDir);
    vault = new TAVVault(nullptr, QStringLiteral("V"), vaultDir->path(), TAV_AES256, TAVKey());
    vault->setLoaded(true);
}

void TestTAVItemContainer::cleanup()
{
    destroyTree(vault);
    vault = nullptr;
}

TAVFile *TestTAVItemContainer::addNamedFile(TAVItemContainer *c, const QString &name, quint64 size)
{
    TAVFile *file = c->addFile();
    file->SetName(name);
    file->SetOriginalSize(size);
    file->SetCurrentSize(size ? size + 512 : 0);
    return file;
}

void TestTAVItemContainer::nameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fileName"); // passes the file-name rule
    QTest::addColumn<bool>("inTree");   // may enter the tree at all
    QTest::newRow("plain") << "report.txt" << true << true;
    QTest::newRow("spaces and unicode") << QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac") << true << true;
    QTest::newRow("backslash") << "a\\b" << true << true;
    QTest::newRow("leading dot") << ".hidden" << true << true;
    QTest::newRow("three dots") << "..." << true << true;
    QTest::newRow("dot dot inside") << "a..b" << true << true;
    QTest::newRow("empty") << "" << false << true;
    QTest::newRow("slash") << "a/b" << false << false;
    QTest::newRow("slash alone") << "/" << false << false;
    QTest::newRow("dot") << "." << false << false;
    QTest::newRow("dot dot") << ".." << false << false;
    QTest::newRow("nul") << QString::fromLatin1("..\0x", 4) << false << false;
    QTest::newRow("colon") << "a:b" << false << true;
    QTest::newRow("asterisk") << "a*" << false << true;
    QTest::newRow("question") << "a?" << false << true;
    QTest::newRow("double quote") << "a\"b" << false << true;
    QTest::newRow("less") << "a<b" << false << true;
    QTest::newRow("greater") << "a>b" << false << true;
    QTest::newRow("bar") << "a|b" << false << true;
    QTest::newRow("trailing newline") << "a\n" << true << true;
}

void TestTAVItemContainer::nameRules()
{
    QFETCH(QString, name);
    QFETCH(bool, fileName);
    QFETCH(bool, inTree);
    QCOMPARE(TAVItemNameValidator::validate(name), fileName);
    QCOMPARE(TAVItemNameValidator::isPathSafe(name), inTree);

    // Each way in gets a container of its own.
    TAVFolder *adds = vault->addFolder(QStringLiteral("adds"));
    TAVFolder *renames = vault->addFolder(QStringLiteral("renames"));
    TAVFolder *files = vault->addFolder(QStringLiteral("files"));
    TAVFolder *reads = vault->addFolder(QStringLiteral("reads"));

    // A new folder.
    bool added = true;
    try {
        adds->addFolder(name);
    } catch (const TAVException &) {
        added = false;
    }
    QCOMPARE(added, inTree);
    QCOMPARE(adds->getItemCount(), inTree ? 1 : 0);

    // A new name for an existing child.
    TAVFolder *other = renames->addFolder(QStringLiteral("other"));
    bool renamed = true;
    try {
        renames->renameItem(QStringLiteral("other"), name);
    } catch (const TAVException &) {
        renamed = false;
    }
    QCOMPARE(renamed, inTree);
    QCOMPARE(other->GetName(), inTree ? name : QStringLiteral("other"));

    // A new file item from a local path: the file-name rule.
    if (!name.contains(QLatin1Char('/'))) {
        QTemporaryDir dir;
        bool made = true;
        try {
            files->addFile(dir.path() + QLatin1Char('/') + name);
        } catch (const TAVException &) {
            made = false;
        }
        QCOMPARE(made, fileName);
        QCOMPARE(files->getItemCount(), fileName ? 1 : 0);
    }

    // A name read back from a stored index.
    QByteArray record;
    {
        QDataStream out(&record, QIODevice::WriteOnly);
        out.setVersion(15);
        out << name << QUuid::createUuid() << qint64(0) << qint64(0) << QDateTime::currentDateTime()
            << QDateTime::currentDateTime();
    }
    auto *loaded = new TAVFolder(reads, QStringLiteral("placeholder"));
    reads->addItem(loaded);
    QDataStream in(record);
    in.setVersion(15);
    bool read = true;
    try {
        loaded->deserialize(in, 1);
    } catch (const TAVException &e) {
        read = false;
        QCOMPARE(QByteArray(e.what()), QByteArray("Invalid item name in archive."));
    }
    QCOMPARE(read, inTree);
    QCOMPARE(loaded->GetName(), inTree ? name : QStringLiteral("placeholder"));
}

void TestTAVItemContainer::lookupIgnoresCase()
{
    addNamedFile(vault, QStringLiteral("report.txt"));
    QVERIFY(vault->getItem(QStringLiteral("REPORT.TXT")));
    QVERIFY(vault->exists(QStringLiteral("Report.Txt")));
    QVERIFY(!vault->exists(QStringLiteral("report")));
    QCOMPARE(exceptionText([&] { vault->addFolder(QStringLiteral("Report.txt")); }),
             QStringLiteral("Duplicate item name."));
    QCOMPARE(vault->getItemCount(), 1);
    QCOMPARE(vault->getItemAt(0)->GetName(), QStringLiteral("report.txt"));
    QCOMPARE(vault->getItemAt(1), nullptr);
    QCOMPARE(vault->getItemAt(-1), nullptr);

    // A new file whose name clashes ignoring case is refused by the file item.
    QTemporaryDir dir;
    QCOMPARE(exceptionText([&] { vault->addFile(dir.path() + QStringLiteral("/REPORT.TXT")); }),
             QStringLiteral("dupplicate file name."));
}

// A folder of many children is looked up through a hash by name: after
// every kind of change it must answer as a walk of the list would.
void TestTAVItemContainer::lookupInALargeFolderFollowsEveryChange()
{
    TAVFolder *big = vault->addFolder(QStringLiteral("Big"));
    for (int i = 0; i < 100; ++i)
        addNamedFile(big, QStringLiteral("f%1.txt").arg(i));
    const auto walk = [big](const QString &name) -> TAVItem * {
        for (int i = 0; i < big->getItemCount(); ++i)
            if (QString::compare(big->getItemAt(i)->GetName(), name, Qt::CaseInsensitive) == 0)
                return big->getItemAt(i);
        return nullptr;
    };
    const QStringList probes{"f0.txt", "F7.TXT", "f99.txt", "f100.txt", "new.txt", "renamed.txt",
                             "direct.txt", "Ärger.txt", "ärger.TXT", "twin", "file", "f5.txt"};
    const auto agrees = [&](const char *step) {
        for (const QString &name : probes)
            if (big->getItem(name) != walk(name))
                return QString("%1: %2").arg(step, name);
        return QString();
    };
    QCOMPARE(agrees("filled"), QString());
    addNamedFile(big, QStringLiteral("new.txt"));
    addNamedFile(big, QStringLiteral("Ärger.txt"));
    QCOMPARE(agrees("added"), QString());
    big->renameItem(QStringLiteral("f1.txt"), QStringLiteral("renamed.txt"));
    QCOMPARE(agrees("renamed"), QString());
    walk(QStringLiteral("f2.txt"))->SetName(QStringLiteral("direct.txt"));
    QCOMPARE(agrees("named directly"), QString());
    // Two children of one name (as a damaged index may hold): the first wins,
    // and once it is gone the second answers.
    TAVItem *first = walk(QStringLiteral("f3.txt"));
    first->SetName(QStringLiteral("twin"));
    walk(QStringLiteral("f4.txt"))->SetName(QStringLiteral("TWIN"));
    QCOMPARE(big->getItem(QStringLiteral("twin")), first);
    big->removeItem(first);
    QCOMPARE(agrees("first twin taken out"), QString());
    delete first;
    big->sort(0, Qt::DescendingOrder);
    QCOMPARE(agrees("sorted"), QString());
    big->removeItem(QStringLiteral("f0.txt"));
    big->deleteItem(QStringLiteral("F99.txt"));
    QCOMPARE(agrees("removed and deleted"), QString());
    QVERIFY(!big->getItem(QStringLiteral("f0.txt")));
    QVERIFY(big->getItem(QStringLiteral("NEW.TXT")));
    big->removeAll();
    QCOMPARE(agrees("emptied"), QString());
}

void TestTAVItemContainer::sizesAndCounts()
{
    TAVFolder *f = vault->addFolder(QStringLiteral("F"));
    TAVFolder *g = f->addFolder(QStringLiteral("G"));
    addNamedFile(vault, QStringLiteral("a"), Q_UINT64_C(3) << 30);
    addNamedFile(f, QStringLiteral("b"), 10);
    addNamedFile(g, QStringLiteral("c"), 20);
    QCOMPARE(vault->GetOriginalSize(), (Q_UINT64_C(3) << 30) + 30);
    QCOMPARE(vault->GetCurrentSize(), (Q_UINT64_C(3) << 30) + 30 + 3 * 512);
    QCOMPARE(g->GetOriginalSize(), quint64(20));
    QCOMPARE(vault->addFolder(QStringLiteral("empty"))->GetOriginalSize(), quint64(0));
    QCOMPARE(vault->getItemCount(), 3);
    QCOMPARE(vault->getContainerItemCount(), 2);
    QCOMPARE(f->getContainerItemCount(), 1);
}

void TestTAVItemContainer::serializeWritesSubtreeInPreOrder()
{
    TAVFolder *f = vault->addFolder(QStringLiteral("F"));
    TAVFolder *g = f->addFolder(QStringLiteral("G"));
    addNamedFile(g, QStringLiteral("deep"));
    addNamedFile(f, QStringLiteral("b"));
    addNamedFile(vault, QStringLiteral("top"));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(15);
    f->serialize(out);
    QDataStream in(bytes);
    in.setVersion(15);
    QStringList seen;
    while (!in.atEnd()) {
        auto *probe = new TAVFolder(nullptr, QString());
        qint32 cls;
        QString parentPath;
        in >> cls >> parentPath;
        probe->deserialize(in, 1);
        seen << QStringLiteral("%1 %2 %3").arg(cls).arg(parentPath, probe->GetName());
        delete probe;
    }
    QCOMPARE(seen, QStringList({"2 V F", "2 V/F G", "1 V/F/G deep", "1 V/F b"}));
}

void TestTAVItemContainer::findPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("item");      // full path of findItem's result, "-" for null
    QTest::addColumn<QString>("container"); // the same for findItemContainer
    QTest::newRow("slash") << "/" << "V" << "V";
    QTest::newRow("own name") << "V" << "V" << "V";
    QTest::newRow("own name other case") << "v" << "V" << "V";
    QTest::newRow("other name") << "W" << "-" << "V";
    QTest::newRow("first part not compared") << "W/F" << "V/F" << "V/F";
    QTest::newRow("folder") << "V/F" << "V/F" << "V/F";
    QTest::newRow("folder other case") << "V/f/g" << "V/F/G" << "V/F/G";
    QTest::newRow("trailing slash") << "V/F/" << "-" << "V/F";
    QTest::newRow("file") << "V/F/a.txt" << "V/F/a.txt" << "-";
    QTest::newRow("through a file") << "V/F/a.txt/x" << "-" << "-";
    QTest::newRow("missing") << "V/none" << "-" << "-";
    QTest::newRow("leading slash") << "/F" << "V/F" << "V/F";
    QTest::newRow("double slash") << "V//F" << "-" << "-";
}

void TestTAVItemContainer::findPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, item);
    QFETCH(QString, container);
    TAVFolder *f = vault->addFolder(QStringLiteral("F"));
    f->addFolder(QStringLiteral("G"));
    addNamedFile(f, QStringLiteral("a.txt"));
    TAVItem *found = vault->findItem(path);
    QCOMPARE(found ? found->GetFullPath() : QStringLiteral("-"), item);
    TAVItemContainer *c = vault->findItemContainer(path);
    QCOMPARE(c ? c->GetFullPath() : QStringLiteral("-"), container);
}

void TestTAVItemContainer::renameRules()
{
    TAVFile *a = addNamedFile(vault, QStringLiteral("a"));
    addNamedFile(vault, QStringLiteral("B"));
    const QDateTime before = a->GetModifiedDate();

    vault->renameItem(QStringLiteral("a"), QStringLiteral("A")); // case alone: no change
    QCOMPARE(a->GetName(), QStringLiteral("a"));

    QCOMPARE(exceptionText([&] { vault->renameItem(QStringLiteral("A"), QStringLiteral("b")); }),
             QStringLiteral("Duplicate item name."));
    QCOMPARE(a->GetName(), QStringLiteral("a"));

    {
        LogCapture log;
        vault->renameItem(QStringLiteral("missing"), QStringLiteral("c"));
        QCOMPARE(log.lines().size(), 1);
        QVERIFY(log.lines().first().contains("file does not exists \"missing\""));
    }
    QCOMPARE(names(vault), QStringList({"a", "B"}));

    vault->renameItem(QStringLiteral("A"), QStringLiteral("c:d")); // found ignoring case; no file-name rule
    QCOMPARE(a->GetName(), QStringLiteral("c:d"));
    QCOMPARE(a->GetModifiedDate(), before);
}

void TestTAVItemContainer::removeMatchesExactNameDeleteIgnoresCase()
{
    TAVFolder *docs = vault->addFolder(QStringLiteral("docs"));
    addNamedFile(docs->addFolder(QStringLiteral("sub")), QStringLiteral("x"));
    QPointer<TAVFolder> watch(docs);

    vault->removeItem(QStringLiteral("Docs"));
    QCOMPARE(names(vault), QStringList({"docs"}));
    vault->deleteItem(QStringLiteral("Docs"));
    QCOMPARE(vault->getItemCount(), 0);
    QVERIFY(watch.isNull());

    TAVFolder *again = vault->addFolder(QStringLiteral("docs"));
    QPointer<TAVFolder> watchSub(again->addFolder(QStringLiteral("sub")));
    vault->removeItem(QStringLiteral("docs"));
    QCOMPARE(vault->getItemCount(), 0);
    QVERIFY(watchSub.isNull()); // the subtree goes too

    // removeItem(TAVItem*) only unlinks.
    TAVFile *f = addNamedFile(vault, QStringLiteral("kept"));
    vault->removeItem(static_cast<TAVItem *>(f));
    QCOMPARE(vault->getItemCount(), 0);
    QCOMPARE(f->GetName(), QStringLiteral("kept"));
    delete f;
}

void TestTAVItemContainer::deleteRemovesBodiesRemoveKeepsThem()
{
    TAVFolder *f = vault->addFolder(QStringLiteral("F"));
    QStringList deleted;
    QStringList kept;
    auto makeBody = [](TAVFile *file) {
        const QString path = file->getFullPhysicalFileName();
        QDir().mkpath(QFileInfo(path).path());
        QFile body(path);
        body.open(QIODevice::WriteOnly);
        body.write("body");
        return path;
    };
    deleted << makeBody(addNamedFile(f, QStringLiteral("one")));
    deleted << makeBody(addNamedFile(f->addFolder(QStringLiteral("G")), QStringLiteral("two")));
    deleted << makeBody(addNamedFile(vault, QStringLiteral("three")));
    TAVFolder *r = vault->addFolder(QStringLiteral("R"));
    kept << makeBody(addNamedFile(r, QStringLiteral("four")));
    kept << makeBody(addNamedFile(vault, QStringLiteral("five")));

    vault->deleteItem(QStringLiteral("f"));
    vault->deleteItem(QStringLiteral("THREE"));
    vault->removeItem(QStringLiteral("R"));
    vault->removeItem(QStringLiteral("five"));
    QCOMPARE(vault->getItemCount(), 0);
    // The deleted bodies wait for an index that no longer lists their items.
    QThreadPool::globalInstance()->waitForDone();
    for (const QString &path : deleted + kept)
        QVERIFY2(QFile::exists(path), qPrintable(path));
    QCOMPARE(vault->save(), 0);
    QThreadPool::globalInstance()->waitForDone();
    for (const QString &path : deleted)
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    for (const QString &path : kept)
        QVERIFY2(QFile::exists(path), qPrintable(path));

    // deleteAll empties the vault and removes the remaining bodies with the next save.
    const QString last = makeBody(addNamedFile(vault->addFolder(QStringLiteral("X")), QStringLiteral("six")));
    vault->deleteAll();
    QCOMPARE(vault->getItemCount(), 0);
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(QFile::exists(last));
    QCOMPARE(vault->save(), 0);
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(!QFile::exists(last));
}

void TestTAVItemContainer::noBodyPathWithoutVaultFolder_data()
{
    QTest::addColumn<bool>("inVault");
    QTest::addColumn<QString>("vaultPath");
    QTest::newRow("outside any vault") << false << QString();
    QTest::newRow("vault folder unknown") << true << QString();
    QTest::newRow("vault folder relative") << true << QStringLiteral("rel/V");
}

void TestTAVItemContainer::noBodyPathWithoutVaultFolder()
{
    // Without a vault folder a file item has no body path. Resolving one
    // anyway would make folders under "/" or the working folder and hand
    // paths there (or an empty path, naming the working folder itself) to
    // the background removal.
    QFETCH(bool, inVault);
    QFETCH(QString, vaultPath);
    QTemporaryDir cwd;
    QTemporaryDir sources;
    const QString oldCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cwd.path()));
    QFile precious(QStringLiteral("precious.txt"));
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.close();
    QFile source(sources.filePath(QStringLiteral("new.txt")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.close();

    TAVItemContainer *top = inVault ? static_cast<TAVItemContainer *>(new TAVVault(
                                          nullptr, QStringLiteral("V"), vaultPath, TAV_AES256, TAVKey()))
                                    : new TAVFolder(nullptr, QStringLiteral("D"));
    TAVFile *f = addNamedFile(top, QStringLiteral("x"));
    QCOMPARE(f->getFullPhysicalFileName(), QString());
    // A body lying where a relative vault path would point stays untouched.
    const QString stray = vaultPath + QLatin1Char('/') + f->GetId().toString(QUuid::Id128).left(2)
        + QLatin1Char('/') + f->GetId().toString(QUuid::Id128);
    if (!vaultPath.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(stray).path()));
        QFile body(stray);
        QVERIFY(body.open(QIODevice::WriteOnly));
    }
    top->addFile(source.fileName());
    addNamedFile(top->addFolder(QStringLiteral("sub")), QStringLiteral("y"));
    top->deleteItem(QStringLiteral("x"));
    top->deleteAll();
    QThreadPool::globalInstance()->waitForDone();
    const QStringList left = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QDir::setCurrent(oldCwd);

    const QStringList expected =
        vaultPath.isEmpty() ? QStringList{"precious.txt"} : QStringList{"precious.txt", "rel"};
    QCOMPARE(left, expected);
    if (!vaultPath.isEmpty())
        QVERIFY(QFile::exists(cwd.filePath(stray)));
    QCOMPARE(top->getItemCount(), 0);
    delete top;
}

void TestTAVItemContainer::removalHoldsVaultMutex()
{
    TAVFolder *f = vault->addFolder(QStringLiteral("F"));
    addNamedFile(f->addFolder(QStringLiteral("G")), QStringLiteral("x"));
    addNamedFile(vault, QStringLiteral("y"));

    // While another thread holds the vault's mutex, a removal waits for it;
    // the nested removals of sub-folders re-enter the same mutex.
    QSemaphore held;
    QSemaphore release;
    QThread *holder = QThread::create([&] {
        vault->GetMutex()->lock();
        held.release();
        release.acquire();
        vault->GetMutex()->unlock();
    });
    holder->start();
    held.acquire();
    QAtomicInt done(0);
    QThread *remover = QThread::create([&] {
        vault->deleteItem(QStringLiteral("F"));
        done.storeRelease(1);
    });
    remover->start();
    QTest::qWait(100);
    QCOMPARE(done.loadAcquire(), 0);
    QCOMPARE(vault->getItemCount(), 2);
    release.release();
    QVERIFY(remover->wait(5000));
    QVERIFY(holder->wait(5000));
    QCOMPARE(done.loadAcquire(), 1);
    QCOMPARE(names(vault), QStringList({"y"}));
    delete remover;
    delete holder;
}

void TestTAVItemContainer::rootRefusesFoldersAndFiles()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    QCOMPARE(root->GetName(), QStringLiteral("Vaults"));
    QVERIFY(root->canAddVault());
    QVERIFY(!root->canAddFolder());
    QVERIFY(!root->canAddFile());
    QVERIFY(!root->canDelete());
    QCOMPARE(exceptionText([&] { root->addFolder(QStringLiteral("x")); }),
             QStringLiteral("Not allow to add folder in FileSystem root."));
    QCOMPARE(exceptionText([&] { root->addFile(QStringLiteral("x")); }),
             QStringLiteral("Not allow to add file in FileSystem root."));
    QCOMPARE(exceptionText([&] { root->addFile(); }), QStringLiteral("Not allow to add file in FileSystem root."));
    QCOMPARE(root->getItemCount(), 0);

    // An unloaded vault takes no folders or files; a folder takes both, never vaults.
    TAVVault unloaded(nullptr, QStringLiteral("U"), QString(), TAV_AES256, TAVKey());
    QVERIFY(!unloaded.canAddFolder());
    QVERIFY(!unloaded.canAddFile());
    QVERIFY(!unloaded.canAddVault());
    TAVFolder folder(nullptr, QStringLiteral("f"));
    QVERIFY(folder.canAddFolder() && folder.canAddFile() && !folder.canAddVault() && folder.canDelete());
}

void TestTAVItemContainer::addVaultTakesAFreeName()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const TAVKey key;
    TAVVault *a = root->addVault(QStringLiteral("Vault"), QStringLiteral("/v/a"), TAV_AES128, key);
    TAVVault *b = root->addVault(QStringLiteral("vault_1"), QStringLiteral("/v/b"), TAV_AES256, key);
    QCOMPARE(root->generateVaultName(QStringLiteral("Vault")), QStringLiteral("Vault_2"));
    QCOMPARE(root->generateVaultName(QStringLiteral("Other")), QStringLiteral("Other"));

    LogCapture log;
    TAVVault *c = root->addVault(QStringLiteral("VAULT"), QStringLiteral("/v/c"), TAV_AES512, key);
    QCOMPARE(c->GetName(), QStringLiteral("VAULT_2")); // free among Vault and vault_1, ignoring case
    QCOMPARE(log.lines().size(), 1);
    QVERIFY(log.lines().first().contains("Name already exists"));
    QCOMPARE(c->GetParent(), static_cast<TAVItem *>(root));
    QCOMPARE(c->getFullPhysicalVaultPath(), QStringLiteral("/v/c"));
    QCOMPARE(c->getCipher(), TAV_AES512);
    QVERIFY(c->getKey() == key);
    QVERIFY(!c->isLoaded());
    QCOMPARE(c->GetFullPath(), QStringLiteral("VAULT_2"));

    QCOMPARE(exceptionText([&] { root->addVault(QStringLiteral(".."), QStringLiteral("/v/d"), TAV_AES256, key); }),
             QStringLiteral("Invalid item name."));
    QCOMPARE(root->getItemCount(), 3);
    for (TAVItem *v : {static_cast<TAVItem *>(a), static_cast<TAVItem *>(b), static_cast<TAVItem *>(c)}) {
        root->removeItem(v);
        delete v;
    }
}

namespace {

// One child for a sort case: "f name" for a file or "d name" for a folder,
// then optionally a size and "@secs" (both dates that many seconds after a
// fixed base; "@-" makes them invalid).
TAVItem *addSpec(TAVItemContainer *c, const QString &spec)
{
    const QStringList parts = spec.split(QLatin1Char(' '));
    TAVItem *item;
    if (parts.at(0) == QLatin1String("d")) {
        item = new TAVFolder(c, parts.at(1));
    } else {
        item = new TAVFile(c);
        item->SetName(parts.at(1));
    }
    c->addItem(item);
    static const QDateTime base(QDate(2021, 5, 1), QTime(10, 0));
    for (const QString &p : parts.mid(2)) {
        if (p.startsWith(QLatin1Char('@'))) {
            const QDateTime d =
                p == QLatin1String("@-") ? QDateTime() : base.addMSecs(qint64(p.mid(1).toDouble() * 1000));
            item->SetCreatedDate(d);
            item->SetModifiedDate(d);
        } else {
            item->SetOriginalSize(p.toULongLong());
            item->SetCurrentSize(p.toULongLong());
        }
    }
    return item;
}

} // namespace

void TestTAVItemContainer::sortExamples_data()
{
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");

    const QStringList mixed{"f b", "d a", "f A"};
    QTest::newRow("name ascending: folders first, case ignored") << mixed << 0 << 0 << QStringList{"a", "A", "b"};
    QTest::newRow("name descending: files first") << mixed << 0 << 1 << QStringList{"b", "A", "a"};
    QTest::newRow("class id ascending") << QStringList{"f x", "d y", "f z", "d w"} << 1 << 0
                                        << QStringList{"x", "z", "y", "w"};
    QTest::newRow("size: 3 GiB after 1 KiB") << QStringList{"f big 3221225472", "f small 1024"} << 4 << 0
                                             << QStringList{"small", "big"};
    QTest::newRow("size beyond 63 bits") << QStringList{"f huge 18446744073709551615", "f one 1"} << 5 << 0
                                         << QStringList{"one", "huge"};
    // Equal values never swap, yet the exchange sort is not stable: b1 is
    // carried past b2 when a is swapped to the front.
    QTest::newRow("ties as the exchange sort leaves them")
        << QStringList{"f b1 2", "f c 3", "f b2 2", "f a 1"} << 4 << 0 << QStringList{"a", "b2", "b1", "c"};
    QTest::newRow("ties descending")
        << QStringList{"f b1 2", "f a 1", "f b2 2", "f c 3"} << 4 << 1 << QStringList{"c", "b2", "b1", "a"};
    QTest::newRow("dates ascending: latest first") << QStringList{"f old @0", "f new @100", "f mid @50"} << 3 << 0
                                                   << QStringList{"new", "mid", "old"};
    QTest::newRow("created descending: oldest first") << QStringList{"f old @0", "f new @100", "f mid @50"} << 2
                                                      << 1 << QStringList{"old", "mid", "new"};
    QTest::newRow("same second ties")
        << QStringList{"f p @5.1", "f q @9", "f r @5.9", "f s @1"} << 3 << 0 << QStringList{"q", "p", "r", "s"};
    // An invalid date compares equal to every date, so it stays where it is
    // while the others sort around it.
    QTest::newRow("invalid date stays") << QStringList{"f a @1", "f x @-", "f b @2"} << 3 << 0
                                        << QStringList{"b", "x", "a"};
    QTest::newRow("unknown column keeps order") << mixed << 6 << 0 << QStringList{"b", "a", "A"};
}

void TestTAVItemContainer::sortExamples()
{
    QFETCH(QStringList, children);
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, expected);
    for (const QString &spec : children)
        addSpec(vault, spec);
    vault->sort(column, Qt::SortOrder(order));
    QCOMPARE(names(vault), expected);
}

namespace {

// The exchange sort exactly as the rule reads, as a check on the fast one.
int referenceCompare(TAVItem *a, TAVItem *b, int column)
{
    auto secs = [](const QDateTime &d) {
        const qint64 ms = d.toMSecsSinceEpoch();
        return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    };
    switch (column) {
    case 0:
        if (a->GetClassID() != b->GetClassID())
            return a->GetClassID() == 1 ? 1 : -1;
        return QString::compare(a->GetDisplayName().toUpper(), b->GetDisplayName().toUpper());
    case 1:
        return a->GetClassID() - b->GetClassID();
    case 2:
    case 3: {
        const QDateTime da = column == 2 ? a->GetCreatedDate() : a->GetModifiedDate();
        const QDateTime db = column == 2 ? b->GetCreatedDate() : b->GetModifiedDate();
        if (!da.isValid() || !db.isValid())
            return 0;
        return int(qBound<qint64>(-1, secs(db) - secs(da), 1));
    }
    case 4:
        return a->GetCurrentSize() > b->GetCurrentSize() ? 1 : (a->GetCurrentSize() < b->GetCurrentSize() ? -1 : 0);
    case 5:
        return a->GetOriginalSize() > b->GetOriginalSize() ? 1 : (a->GetOriginalSize() < b->GetOriginalSize() ? -1 : 0);
    }
    return 0;
}

QList<TAVItem *> childList(TAVItemContainer *c)
{
    QList<TAVItem *> list;
    for (int i = 0; i < c->getItemCount(); ++i)
        list << c->getItemAt(i);
    return list;
}

QList<TAVItem *> referenceSort(TAVItemContainer *c, int column, int order)
{
    QList<TAVItem *> list = childList(c);
    for (int i = 0; i + 1 < list.size(); ++i)
        for (int j = i + 1; j < list.size(); ++j) {
            const int v = referenceCompare(list.at(i), list.at(j), column);
            if ((order == 0 && v > 0) || (order == 1 && v < 0))
                list.swapItemsAt(i, j);
        }
    return list;
}

} // namespace

void TestTAVItemContainer::sortMatchesExchangeSort()
{
    // Random lists full of ties (few distinct names, sizes and seconds) on every
    // column and both orders, each sort starting from the previous one's order.
    QRandomGenerator rng(20240611);
    for (int round = 0; round < 400; ++round) {
        auto *c = new TAVFolder(nullptr, QStringLiteral("c"));
        const int n = int(rng.bounded(40));
        const int spread = 1 + int(rng.bounded(5));
        const bool someInvalidDates = round % 5 == 0;
        for (int i = 0; i < n; ++i) {
            const QChar letter = QChar((rng.bounded(2) ? 'a' : 'A') + int(rng.bounded(spread)));
            QString date = QStringLiteral("@%1").arg(rng.bounded(spread * 1000) / 1000.0);
            if (someInvalidDates && rng.bounded(6) == 0)
                date = QStringLiteral("@-");
            addSpec(c, QStringLiteral("%1 %2 %3 %4")
                           .arg(rng.bounded(3) == 0 ? "d" : "f", QString(letter))
                           .arg(rng.bounded(spread))
                           .arg(date));
        }
        for (int column = 0; column <= 5; ++column) {
            for (int order = 0; order <= 1; ++order) {
                const QList<TAVItem *> expected = referenceSort(c, column, order);
                c->sort(column, Qt::SortOrder(order));
                QVERIFY2(childList(c) == expected,
                         qPrintable(QStringLiteral("round %1 column %2 order %3").arg(round).arg(column).arg(order)));
            }
        }
        destroyTree(c);
    }
}

void TestTAVItemContainer::sortByDateAcrossClockChanges()
{
    // Local dates around both changes of the clock sort as the exchange sort
    // has them, also in the hour that happens twice (file times converted
    // from the system's clock, as the file items take them).
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QRandomGenerator rng(99);
    for (const QDateTime &change : {QDateTime(QDate(2021, 3, 28), QTime(2, 30)),
                                    QDateTime(QDate(2021, 10, 31), QTime(2, 30))}) {
        auto *c = new TAVFolder(nullptr, QStringLiteral("c"));
        for (int i = 0; i < 60; ++i) {
            TAVFile *f = c->addFile();
            const QDateTime d = QDateTime::fromMSecsSinceEpoch(
                change.toMSecsSinceEpoch() + qint64(rng.bounded(4 * 3600 * 1000)) - 2 * 3600 * 1000);
            f->SetCreatedDate(d);
            f->SetModifiedDate(d.addMSecs(int(rng.bounded(2000))));
        }
        for (int column : {2, 3}) {
            for (int order = 0; order <= 1; ++order) {
                const QList<TAVItem *> expected = referenceSort(c, column, order);
                c->sort(column, Qt::SortOrder(order));
                QVERIFY(childList(c) == expected);
            }
        }
        destroyTree(c);
    }
    if (oldTz.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oldTz);
    tzset();
}

QTEST_GUILESS_MAIN(TestTAVItemContainer)
#include "tst_tavitemcontainer.moc"
