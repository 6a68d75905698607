#include "cryptovectors.h"
#include "filefixture.h"
#include "filesizelimit.h"
#include "fileutils.h"
#include "tavcrypto.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavitemtransfer.h"
#include "tavvault.h"
#include "treetestutils.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace {

TAVKey keyOf(char seed)
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char(seed + 11 * i);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

TAVVault *vaultOf(const TAVItem *item)
{
    TAVItem *vault = nullptr;
    return item->getVault(&vault) == 0 ? static_cast<TAVVault *>(vault) : nullptr;
}

TAVFileSystem *root()
{
    return TAVFileSystem::getInstance();
}

// Every body of a vault with its bytes: what the disk holds.
QMap<QString, QByteArray> bodyBytes(const TAVVault *vault)
{
    QMap<QString, QByteArray> map;
    for (const QString &body : VaultFixture::bodies(vault))
        map.insert(body, FileFixture::read(vault->getFullPhysicalVaultPath() + "/" + body));
    return map;
}

int headerCipher(const QString &body)
{
    const QByteArray bytes = FileFixture::read(body);
    return bytes.size() >= 512 ? int(quint8(bytes.at(9))) : -1;
}

// Every file below an item, by its path inside the item.
void filesBelow(TAVItem *item, const QString &prefix, QMap<QString, TAVFile *> &files)
{
    const QString path = prefix.isEmpty() ? item->GetDisplayName() : prefix + "/" + item->GetDisplayName();
    if (item->GetClassID() == TAV_CLASS_FILE) {
        files.insert(path, static_cast<TAVFile *>(item));
        return;
    }
    auto *container = static_cast<TAVItemContainer *>(item);
    for (int i = 0; i < container->getItemCount(); ++i)
        filesBelow(container->getItemAt(i), path, files);
}

QMap<QString, TAVFile *> filesBelow(TAVItem *item)
{
    QMap<QString, TAVFile *> files;
    filesBelow(item, QString(), files);
    return files;
}

// The identifier that the vault's index on the disk gives the item at a path
// inside the vault ("Other/top.txt"); null when the index lists none.
QUuid idInIndex(const TAVVault *vault, const QString &path)
{
    TAVVault probe(nullptr, "probe", vault->getFullPhysicalVaultPath(), vault->getCipher(), vault->getKey());
    QUuid id;
    if (probe.load() == 0) {
        if (TAVItem *item = probe.findItem("probe/" + path))
            id = item->GetId();
    }
    probe.removeAll();
    return id;
}

} // namespace

class TestTAVCopyMove : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void copyGivesNewItemsThatDecrypt_data();
    void copyGivesNewItemsThatDecrypt();
    void moveTakesTheItemAndItsBodies_data();
    void moveTakesTheItemAndItsBodies();
    void replacesTheSameNamedItem_data();
    void replacesTheSameNamedItem();
    void failedTransferChangesNothing_data();
    void failedTransferChangesNothing();
    void failedIndexSaveUndoesTheMove();
    void moveNeverWritesOverABodyOfTheTarget();
    void missingPathsAndRefusedKindsChangeNothing();
    void replacedBodiesOutliveAFailedSave_data();
    void replacedBodiesOutliveAFailedSave();
    void linkedBodyFoldersAreRefused_data();
    void linkedBodyFoldersAreRefused();
    void copyRefusesASourceBodyThatIsALink();
    void goneTargetVaultFolderIsNotMadeAgain_data();
    void goneTargetVaultFolderIsNotMadeAgain();
    void opposedMovesOnTwoThreadsFinish();

private:
    // A: AES256 under one key; B: AES1024 under another; C: A's key and
    // cipher in another folder; Shut: not loaded.
    //   A/Docs/a.txt, A/Docs/empty.txt, A/Docs/Sub/b.bin, A/top.txt, A/Other/
    //   B/Inbox/
    void buildTree();
    // Every vault's tree and bodies, for "nothing changed".
    QStringList state() const;
    bool transferOfTopIsRefused(bool move, const QString &target);

    QScopedPointer<VaultFixture> fx;
    TAVVault *a = nullptr;
    TAVVault *b = nullptr;
    TAVVault *c = nullptr;
    QMap<QString, QByteArray> plainOf; // original bytes by file name
};

void TestTAVCopyMove::init()
{
    fx.reset(new VaultFixture);
    buildTree();
}

void TestTAVCopyMove::cleanup()
{
    QThreadPool::globalInstance()->waitForDone();
    fx.reset();
}

void TestTAVCopyMove::buildTree()
{
    a = fx->addVault("A", TAV_AES256, keyOf(1));
    b = fx->addVault("B", TAV_AES1024, keyOf(2));
    c = fx->addVault("C", TAV_AES256, keyOf(1));
    fx->addVault("Shut", TAV_AES128, keyOf(3))->setLoaded(false);
    plainOf = {{"a.txt", "alpha"}, {"empty.txt", ""}, {"b.bin", CryptoVectors::pattern(70000)}, {"top.txt", "top"}};
    TAVFolder *docs = a->addFolder("Docs");
    fx->addFile(docs, "a.txt", plainOf["a.txt"]);
    fx->addFile(docs, "empty.txt", plainOf["empty.txt"]);
    fx->addFile(docs->addFolder("Sub"), "b.bin", plainOf["b.bin"]);
    fx->addFile(a, "top.txt", plainOf["top.txt"]);
    a->addFolder("Other");
    b->addFolder("Inbox");
}

QStringList TestTAVCopyMove::state() const
{
    QStringList lines;
    for (TAVVault *v : {a, b, c}) {
        lines << VaultFixture::describe(v);
        const QMap<QString, QByteArray> bodies = bodyBytes(v);
        for (auto it = bodies.constBegin(); it != bodies.constEnd(); ++it)
            lines << v->GetName() + " body " + it.key() + " " + QCryptographicHash::hash(it.value(), QCryptographicHash::Sha1).toHex();
        lines << v->GetName() + (QFileInfo::exists(v->getVaultIdxFileName()) ? " has an index" : " has no index");
    }
    return lines;
}

void TestTAVCopyMove::copyGivesNewItemsThatDecrypt_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("sameBytes"); // bodies copied as they are
    QTest::newRow("file, one vault") << "A/top.txt" << "A/Docs" << true;
    QTest::newRow("folder tree, one vault") << "A/Docs" << "A/Other" << true;
    QTest::newRow("file, another key and cipher") << "A/Docs/a.txt" << "B/Inbox" << false;
    QTest::newRow("folder tree, another key and cipher") << "A/Docs" << "B/Inbox" << false;
    QTest::newRow("folder tree, another vault of the same key") << "A/Docs" << "C" << true;
}

void TestTAVCopyMove::copyGivesNewItemsThatDecrypt()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(bool, sameBytes);
    TAVItem *item = root()->findItemByPath(source);
    const QMap<QString, TAVFile *> sourceFiles = filesBelow(item);
    const QStringList sourceTree = VaultFixture::describe(a);
    const QMap<QString, QByteArray> sourceBodies = bodyBytes(a);
    auto *to = static_cast<TAVItemContainer *>(root()->findItemByPath(target));
    TAVVault *toVault = nullptr;
    {
        TAVItem *v = nullptr;
        to->getVault(&v);
        toVault = static_cast<TAVVault *>(v);
    }
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    QVERIFY(root()->copyItem(source, target));

    TAVItem *copied = to->getItem(item->GetDisplayName());
    QVERIFY(copied && copied != item);
    const QMap<QString, TAVFile *> copiedFiles = filesBelow(copied);
    QCOMPARE(copiedFiles.keys(), sourceFiles.keys());
    for (auto it = copiedFiles.constBegin(); it != copiedFiles.constEnd(); ++it) {
        TAVFile *from = sourceFiles.value(it.key());
        TAVFile *file = it.value();
        QVERIFY2(file->GetId() != from->GetId(), qPrintable(it.key()));
        QCOMPARE(fx->plain(file), plainOf.value(file->GetName()));
        QCOMPARE(headerCipher(file->getFullPhysicalFileName()), int(toVault->getCipher()));
        QCOMPARE(FileFixture::read(file->getFullPhysicalFileName()) == FileFixture::read(from->getFullPhysicalFileName()),
                 sameBytes);
        QCOMPARE(file->GetOriginalSize(), from->GetOriginalSize());
        QCOMPARE(file->GetCurrentSize(), from->GetCurrentSize());
        QCOMPARE(file->GetCreatedDate(), from->GetCreatedDate());
        QVERIFY(file->GetModifiedDate() >= before);
    }
    QVERIFY(toVault->GetModifiedDate() >= before);
    // The source is untouched (a copy inside A adds to A's tree, not to its files).
    if (toVault != a) {
        QCOMPARE(VaultFixture::describe(a), sourceTree);
        QCOMPARE(bodyBytes(a), sourceBodies);
    }
    for (auto it = sourceFiles.constBegin(); it != sourceFiles.constEnd(); ++it)
        QCOMPARE(fx->plain(it.value()), plainOf.value(it.value()->GetName()));
    QCOMPARE(VaultFixture::bodies(toVault).size(),
             (toVault == a ? sourceBodies.size() : 0) + copiedFiles.size());
}

void TestTAVCopyMove::moveTakesTheItemAndItsBodies_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::newRow("file between folders of one vault") << "A/top.txt" << "A/Docs/Sub";
    QTest::newRow("folder tree between folders of one vault") << "A/Docs" << "A/Other";
    QTest::newRow("file, another key and cipher") << "A/Docs/Sub/b.bin" << "B/Inbox";
    QTest::newRow("folder tree, another key and cipher") << "A/Docs" << "B/Inbox";
    QTest::newRow("folder tree, another vault of the same key") << "A/Docs" << "C";
}

void TestTAVCopyMove::moveTakesTheItemAndItsBodies()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    TAVItem *item = root()->findItemByPath(source);
    const QMap<QString, TAVFile *> files = filesBelow(item);
    QMap<TAVFile *, QUuid> ids;
    QMap<TAVFile *, QByteArray> oldBytes;
    for (TAVFile *file : files) {
        ids.insert(file, file->GetId());
        oldBytes.insert(file, FileFixture::read(file->getFullPhysicalFileName()));
    }
    const QMap<QString, QByteArray> aBodies = bodyBytes(a);
    auto *to = static_cast<TAVItemContainer *>(root()->findItemByPath(target));
    TAVItem *v = nullptr;
    to->getVault(&v);
    auto *toVault = static_cast<TAVVault *>(v);
    const QString oldParent = item->GetParent()->GetFullDisplayPath();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    QVERIFY(root()->moveItem(source, target));

    QCOMPARE(item->GetParent(), static_cast<TAVItem *>(to));
    QVERIFY(!static_cast<TAVItemContainer *>(root()->findItemByPath(oldParent))->exists(item->GetDisplayName()));
    QVERIFY(item->GetModifiedDate() >= before && toVault->GetModifiedDate() >= before);
    for (TAVFile *file : files) {
        QCOMPARE(file->GetId(), ids.value(file));
        QCOMPARE(fx->plain(file), plainOf.value(file->GetName()));
        QCOMPARE(headerCipher(file->getFullPhysicalFileName()), int(toVault->getCipher()));
    }
    if (toVault == a) {
        // Nothing on the disk changes, and the vault is not saved.
        QCOMPARE(bodyBytes(a), aBodies);
        QVERIFY(!QFileInfo::exists(a->getVaultIdxFileName()));
        return;
    }
    // The bodies left A (nothing else of A's did) and both indexes were saved.
    QCOMPARE(VaultFixture::bodies(a).size(), aBodies.size() - files.size());
    QCOMPARE(VaultFixture::bodies(toVault).size(), files.size());
    QVERIFY(QFileInfo::exists(a->getVaultIdxFileName()));
    QVERIFY(QFileInfo::exists(toVault->getVaultIdxFileName()));
    for (TAVFile *file : files) {
        const bool sameKey = toVault->getKey() == a->getKey() && toVault->getCipher() == a->getCipher();
        QCOMPARE(FileFixture::read(file->getFullPhysicalFileName()) == oldBytes.value(file), sameKey);
    }
}

void TestTAVCopyMove::replacesTheSameNamedItem_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("replaced"); // the path of the item replaced
    QTest::newRow("copy, a file of another case") << false << "A/top.txt" << "B" << "B/TOP.TXT";
    QTest::newRow("move, a file of another case") << true << "A/top.txt" << "B" << "B/TOP.TXT";
    QTest::newRow("copy, the folder the source is in") << false << "A/Docs/Sub/Docs" << "A" << "A/Docs";
    QTest::newRow("move, the folder the source is in") << true << "A/Docs/Sub/Docs" << "A" << "A/Docs";
}

void TestTAVCopyMove::replacesTheSameNamedItem()
{
    QFETCH(bool, move);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, replaced);
    fx->addFile(b, "TOP.TXT", "the old top of B");
    fx->addFile(static_cast<TAVItemContainer *>(root()->findItemByPath("A/Docs/Sub"))->addFolder("Docs"),
                "inner.txt", "inner");
    plainOf.insert("inner.txt", "inner");
    TAVItem *old = root()->findItemByPath(replaced);
    const QMap<QString, TAVFile *> oldFiles = filesBelow(old);
    // The bodies of the replaced item, but those of a moved item inside it.
    const QList<TAVFile *> moved = move ? filesBelow(root()->findItemByPath(source)).values() : QList<TAVFile *>();
    QStringList oldBodies;
    for (TAVFile *file : oldFiles) {
        if (!moved.contains(file))
            oldBodies << file->getFullPhysicalFileName();
    }
    const QString name = root()->findItemByPath(source)->GetDisplayName();
    auto *to = static_cast<TAVItemContainer *>(root()->findItemByPath(target));
    const int count = to->getItemCount();

    QVERIFY(move ? root()->moveItem(source, target) : root()->copyItem(source, target));

    TAVItem *now = to->getItem(name);
    QVERIFY(now);
    QCOMPARE(now->GetDisplayName(), name);
    QCOMPARE(now->GetParent(), static_cast<TAVItem *>(to));
    QCOMPARE(to->getItemCount(), count); // one in place of the other
    for (TAVFile *file : filesBelow(now))
        QCOMPARE(fx->plain(file), plainOf.value(file->GetName()));
    // The caller saves; then the replaced bodies go.
    QCOMPARE(vaultOf(to)->save(), 0);
    QThreadPool::globalInstance()->waitForDone();
    for (const QString &body : oldBodies)
        QVERIFY2(!QFileInfo::exists(body), qPrintable(body));
}

void TestTAVCopyMove::failedTransferChangesNothing_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("target");
    QTest::newRow("copy, one vault") << false << "A/Other";
    QTest::newRow("copy, another key and cipher") << false << "B";
    QTest::newRow("copy, another vault of the same key") << false << "C";
    QTest::newRow("move, another key and cipher") << true << "B";
    QTest::newRow("move, another vault of the same key") << true << "C";
}

void TestTAVCopyMove::failedTransferChangesNothing()
{
    QFETCH(bool, move);
    QFETCH(QString, target);
    // A "Docs" in the target that a copy would replace, and a big file whose
    // body can't be written: a.txt and empty.txt are copied before it fails.
    auto *to = static_cast<TAVItemContainer *>(root()->findItemByPath(target));
    TAVFolder *oldDocs = to->addFolder("Docs");
    TAVFile *oldFile = fx->addFile(oldDocs, "kept.txt", "kept");
    const QStringList before = state();
    bool result = true;
    QString thrown;
    {
        FileSizeLimit limit(60000);
        if (!limit.isActive())
            QSKIP("no file size limit here");
        if (move)
            thrown = exceptionText([&] { result = root()->moveItem("A/Docs", target); });
        else
            result = root()->copyItem("A/Docs", target);
    }
    if (move)
        QCOMPARE(thrown, QString::fromLatin1(TAVException::messageFor(TAV_CANNOT_COPY)));
    else
        QVERIFY(!result);
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(state(), before);
    QCOMPARE(to->getItem("Docs"), static_cast<TAVItem *>(oldDocs));
    QCOMPARE(fx->plain(oldFile), QByteArray("kept"));
    QCOMPARE(fx->plain(static_cast<TAVFile *>(root()->findItemByPath("A/Docs/Sub/b.bin"))), plainOf["b.bin"]);
}

void TestTAVCopyMove::failedIndexSaveUndoesTheMove()
{
    // B's index can't be written: a folder stands in its place.
    QVERIFY(QDir().mkpath(b->getVaultIdxFileName()));
    TAVFile *replacedTop = fx->addFile(b, "top.txt", "B's own");
    fx->addFile(b, "z.txt", "after it");
    const QStringList before = state();
    QCOMPARE(exceptionText([&] { root()->moveItem("A/top.txt", "B"); }),
             QStringLiteral("The vault index could not be saved."));
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(state(), before); // the order of children included
    QCOMPARE(fx->plain(replacedTop), QByteArray("B's own"));
    QCOMPARE(fx->plain(static_cast<TAVFile *>(root()->findItemByPath("A/top.txt"))), QByteArray("top"));

    // A's index can't be written: B's, saved first, is written again without the item.
    QVERIFY(QDir().rmdir(b->getVaultIdxFileName()));
    QVERIFY(QDir().mkpath(a->getVaultIdxFileName()));
    QStringList expected = state();
    QCOMPARE(exceptionText([&] { root()->moveItem("A/top.txt", "B"); }),
             QStringLiteral("The vault index could not be saved."));
    QThreadPool::globalInstance()->waitForDone();
    expected.replaceInStrings("B has no index", "B has an index");
    QCOMPARE(state(), expected);
}

void TestTAVCopyMove::moveNeverWritesOverABodyOfTheTarget()
{
    // C is a copy of a vault folder: its twin of A/top.txt has the same identifier.
    auto *top = static_cast<TAVFile *>(root()->findItemByPath("A/top.txt"));
    TAVFile *twin = fx->addFile(c, "twin.txt", "C's own twin");
    const QString oldPlace = twin->getFullPhysicalFileName();
    twin->SetId(top->GetId());
    QVERIFY(QDir().mkpath(QFileInfo(twin->getFullPhysicalFileName()).path()));
    QVERIFY(QFile::rename(oldPlace, twin->getFullPhysicalFileName()));

    QVERIFY(root()->moveItem("A/top.txt", "C"));

    QVERIFY(top->GetId() != twin->GetId());
    QCOMPARE(fx->plain(twin), QByteArray("C's own twin"));
    QCOMPARE(fx->plain(top), QByteArray("top"));
    QCOMPARE(VaultFixture::bodies(c).size(), 2);
}

void TestTAVCopyMove::missingPathsAndRefusedKindsChangeNothing()
{
    const QStringList before = state();
    QVERIFY(!root()->copyItem("A/missing.txt", "B"));
    QVERIFY(!root()->copyItem("A/top.txt", "B/missing"));
    QVERIFY(!root()->moveItem("A/missing.txt", "B"));
    QVERIFY(!root()->moveItem("A/top.txt", "B/missing"));
    // A vault that is not loaded takes nothing: a copy says so with true.
    QVERIFY(root()->copyItem("A/top.txt", "Shut"));
    QVERIFY(!root()->moveItem("A/top.txt", "Shut"));
    QCOMPARE(state(), before);
    QCOMPARE(static_cast<TAVVault *>(root()->findItemByPath("Shut"))->getItemCount(), 0);
}

void TestTAVCopyMove::replacedBodiesOutliveAFailedSave_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("copy over it") << "copy";
    QTest::newRow("move within the vault over it") << "move";
    QTest::newRow("delete it") << "delete";
}

void TestTAVCopyMove::replacedBodiesOutliveAFailedSave()
{
    QFETCH(QString, operation);
    auto *other = static_cast<TAVItemContainer *>(root()->findItemByPath("A/Other"));
    TAVFile *old = fx->addFile(other, "top.txt", "the old one");
    const QUuid oldId = old->GetId();
    const QString oldBody = old->getFullPhysicalFileName();
    QCOMPARE(a->save(), 0);
    QCOMPARE(idInIndex(a, "Other/top.txt"), oldId);

    if (operation == "copy")
        QVERIFY(root()->copyItem("A/top.txt", "A/Other"));
    else if (operation == "move")
        QVERIFY(root()->moveItem("A/top.txt", "A/Other"));
    else
        other->deleteItem("top.txt");
    TAVItem *now = other->getItem("top.txt");
    QCOMPARE(now != nullptr, operation != "delete");

    // The caller's save fails: the index on the disk lists the old item, so
    // its body must still be there.
    QThreadPool::globalInstance()->waitForDone();
    {
        FileSizeLimit limit(64);
        if (!limit.isActive())
            QSKIP("no file size limit here");
        QCOMPARE(a->save(), int(TAVVault::VaultFailed));
    }
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(idInIndex(a, "Other/top.txt"), oldId);
    QCOMPARE(fx->decryptBody(oldBody, a->getCipher(), a->getKey()), QByteArray("the old one"));

    // The next save that writes the index takes the old body along.
    QCOMPARE(a->save(), 0);
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(!QFileInfo::exists(oldBody));
    QCOMPARE(idInIndex(a, "Other/top.txt"), now ? now->GetId() : QUuid());
    if (now)
        QCOMPARE(fx->plain(static_cast<TAVFile *>(now)), plainOf["top.txt"]);
}

void TestTAVCopyMove::linkedBodyFoldersAreRefused_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("target");
    QTest::newRow("copy, bytes as they are") << false << "C";
    QTest::newRow("copy, re-encrypted") << false << "B";
    QTest::newRow("move, bytes as they are") << true << "C";
    QTest::newRow("move, re-encrypted") << true << "B";
}

void TestTAVCopyMove::linkedBodyFoldersAreRefused()
{
    QFETCH(bool, move);
    QFETCH(QString, target);
    // Every body sub-folder of the target is a link to a folder outside it,
    // so wherever the new body goes, it would be written out of the vault.
    const QString outside = fx->path("outside");
    QVERIFY(QDir().mkpath(outside));
    auto *to = static_cast<TAVVault *>(root()->findItemByPath(target));
    for (int i = 0; i < 256; ++i) {
        const QString sub = QString::number(i, 16).rightJustified(2, '0');
        QVERIFY(QFile::link(outside, to->getFullPhysicalVaultPath() + "/" + sub));
    }
    const QStringList before = state();

    QVERIFY(transferOfTopIsRefused(move, target));
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(state(), before);
}

// Copies or moves A/top.txt into target: true when that failed as a copy that
// could not be made.
bool TestTAVCopyMove::transferOfTopIsRefused(bool move, const QString &target)
{
    if (!move)
        return !root()->copyItem("A/top.txt", target);
    return exceptionText([&] { root()->moveItem("A/top.txt", target); })
        == QString::fromLatin1(TAVException::messageFor(TAV_CANNOT_COPY));
}

void TestTAVCopyMove::goneTargetVaultFolderIsNotMadeAgain_data()
{
    linkedBodyFoldersAreRefused_data();
}

void TestTAVCopyMove::goneTargetVaultFolderIsNotMadeAgain()
{
    QFETCH(bool, move);
    QFETCH(QString, target);
    // The target's folder went with its drive: nothing may be written where
    // the drive was, and the item stays where it was.
    auto *to = static_cast<TAVVault *>(root()->findItemByPath(target));
    const QString folder = to->getFullPhysicalVaultPath();
    QVERIFY(QDir(folder).removeRecursively());

    QVERIFY(transferOfTopIsRefused(move, target));
    QThreadPool::globalInstance()->waitForDone();
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(root()->findItemByPath("A/top.txt"));
    QCOMPARE(fx->plain(static_cast<TAVFile *>(root()->findItemByPath("A/top.txt"))), plainOf["top.txt"]);
    QVERIFY(!to->getItem("top.txt"));
}

void TestTAVCopyMove::copyRefusesASourceBodyThatIsALink()
{
    // A's body of top.txt is a link to a file outside the vault.
    auto *top = static_cast<TAVFile *>(root()->findItemByPath("A/top.txt"));
    const QString body = top->getFullPhysicalFileName();
    const QString outside = fx->path("outside.body");
    QVERIFY(QFile::rename(body, outside));
    QVERIFY(QFile::link(outside, body));
    const QStringList before = state();

    QVERIFY(!root()->copyItem("A/top.txt", "C"));

    QCOMPARE(state(), before);
    QVERIFY(!c->exists("top.txt"));
}

void TestTAVCopyMove::opposedMovesOnTwoThreadsFinish()
{
    // Two vaults over one folder: the moves touch no disk, so they are quick
    // and meet often. Each thread moves its own folder to and fro, the other
    // always the other way.
    auto *x = fx->addVault("X");
    auto *y = fx->addVault("Y");
    y->setFullPhysicalVaultPath(x->getFullPhysicalVaultPath());
    TAVFolder *first = x->addFolder("first");
    TAVFolder *second = y->addFolder("second");
    std::atomic<bool> failed{false};
    const auto shuttle = [&failed](TAVItem *item, TAVItemContainer *there, TAVItemContainer *back) {
        return [=, &failed] {
            try {
                for (int i = 0; i < 20000; ++i) {
                    if (!TAVItemTransfer::move(item, there) || !TAVItemTransfer::move(item, back))
                        failed = true;
                }
            } catch (...) {
                failed = true;
            }
        };
    };
    std::unique_ptr<QThread> one(QThread::create(shuttle(first, y, x)));
    std::unique_ptr<QThread> two(QThread::create(shuttle(second, x, y)));
    one->start();
    two->start();
    const bool finished = one->wait(60000) && two->wait(60000);
    if (!finished) {
        // Deadlocked: the threads hold the vaults' locks for ever, so the
        // vaults and threads must outlive the test.
        one.release();
        two.release();
        fx.take();
        QFAIL("two moves in opposite directions deadlocked");
    }
    QVERIFY(!failed);
    QCOMPARE(first->GetParent(), static_cast<TAVItem *>(x));
    QCOMPARE(second->GetParent(), static_cast<TAVItem *>(y));
    QCOMPARE(x->getItemCount(), 1);
    QCOMPARE(y->getItemCount(), 1);
}

QTEST_MAIN(TestTAVCopyMove)
#include "tst_tavcopymove.moc"
