#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavvault.h"

#include <QtTest>

// The item base: records in the index, paths, owning vault, dates.
class TestTAVItem : public QObject
{
    Q_OBJECT
private slots:
    void recordMatchesHandWrittenBytes();
    void recordUnderRootHasEmptyParentPath();
    void nullAndEmptyNamesStayDistinct_data();
    void nullAndEmptyNamesStayDistinct();
    void damagedRecordLeavesItemUnchanged();
    void smallTreeRoundTrips();
    void pathsAndOwningVault();
    void detachedItem();
    void createdDateClimbsOnlyWhenLater();
    void modifiedDateClimbsToRoot();
    void refCount();
};

namespace {

QByteArray serialized(TAVItem *item)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(15);
    item->serialize(s);
    return bytes;
}

const QUuid fixedId(QStringLiteral("{3f2504e0-4f89-11d3-9a0c-0305e82c3301}"));
const QDateTime created1(QDate(2020, 1, 2), QTime(3, 4, 5, 6));
const QDateTime modified1(QDate(2021, 3, 4), QTime(23, 59, 59, 999));

// Deletes a detached subtree: containers release only their lists.
void destroyTree(TAVItemContainer *top)
{
    top->removeAll();
    delete top;
}

} // namespace

void TestTAVItem::recordMatchesHandWrittenBytes()
{
    auto *vault = new TAVVault(nullptr, QStringLiteral("V"), QString(), TAV_AES256, TAVKey());
    vault->setLoaded(true);
    TAVFolder *folder = vault->addFolder(QStringLiteral("F"));
    TAVFile *file = folder->addFile();
    file->SetName(QStringLiteral("a.txt"));
    file->SetId(fixedId);
    file->SetOriginalSize(1000);
    file->SetCurrentSize(1528);
    file->SetCreatedDate(created1);
    file->SetModifiedDate(modified1);

    const QByteArray expected = QByteArray::fromHex(
        "00000001"                              // class id: file
        "00000006" "0056002f0046"               // parent path "V/F", UTF-16BE
        "0000000a" "0061002e007400780074"       // name "a.txt"
        "3f2504e04f8911d39a0c0305e82c3301"      // identifier, RFC 4122 order
        "00000000000003e8"                      // original size 1000
        "00000000000005f8"                      // current size 1528
        "00000000002584e3" "00a8888e" "00"      // created: JD 2458851, 03:04:05.006, local
        "000000000025868e" "05265bff" "00");    // modified: JD 2459278, 23:59:59.999, local
    QCOMPARE(serialized(file).toHex(), expected.toHex());
    destroyTree(vault);
}

void TestTAVItem::recordUnderRootHasEmptyParentPath()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    auto *vault = new TAVVault(nullptr, QStringLiteral("V"), QString(), TAV_AES256, TAVKey());
    root->addItem(vault);
    vault->setLoaded(true);
    vault->addFolder(QStringLiteral("F"));
    vault->SetId(fixedId);
    vault->SetCreatedDate(created1);
    vault->SetModifiedDate(modified1);

    // A vault's record carries no children; its parent path is empty, not null.
    const QByteArray bytes = serialized(vault);
    QCOMPARE(bytes.left(14).toHex(), QByteArray("00000003" "00000000" "00000002" "0056"));
    QCOMPARE(bytes.size(), 4 + 4 + 6 + 16 + 8 + 8 + 13 + 13);

    root->removeItem(vault);
    destroyTree(vault);
}

void TestTAVItem::nullAndEmptyNamesStayDistinct_data()
{
    QTest::addColumn<QByteArray>("nameBytes");
    QTest::addColumn<bool>("isNull");
    QTest::newRow("null") << QByteArray::fromHex("ffffffff") << true;
    QTest::newRow("empty") << QByteArray::fromHex("00000000") << false;
}

void TestTAVItem::nullAndEmptyNamesStayDistinct()
{
    QFETCH(QByteArray, nameBytes);
    QFETCH(bool, isNull);
    const QByteArray tail = QByteArray::fromHex(
        "3f2504e04f8911d39a0c0305e82c3301" "0000000000000000" "0000000000000000"
        "00000000002584e3" "00a8888e" "00" "000000000025868e" "05265bff" "00");
    QByteArray record = nameBytes + tail;

    auto *parent = new TAVFolder(nullptr, QStringLiteral("P"));
    auto *folder = new TAVFolder(nullptr, QStringLiteral("x"));
    parent->addItem(folder);
    QDataStream in(record);
    in.setVersion(15);
    folder->deserialize(in, 1);
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(folder->GetName().isNull(), isNull);
    QVERIFY(folder->GetName().isEmpty());
    QCOMPARE(folder->GetId(), fixedId);
    QCOMPARE(folder->GetCreatedDate(), created1);
    QCOMPARE(folder->GetModifiedDate(), modified1);

    // Written back, the name keeps its form: ffffffff for null, 00000000 for empty.
    const QByteArray again = serialized(folder);
    QCOMPARE(again.mid(4 + 4 + 2).toHex(), record.toHex());
    destroyTree(parent);
}

void TestTAVItem::damagedRecordLeavesItemUnchanged()
{
    auto *folder = new TAVFolder(nullptr, QStringLiteral("keep"));
    folder->SetId(fixedId);
    // A record cut inside its identifier.
    QByteArray record = QByteArray::fromHex("00000002" "0061" "3f2504e04f89");
    QDataStream in(record);
    in.setVersion(15);
    QVERIFY_EXCEPTION_THROWN(folder->deserialize(in, 1), TAVException);
    QCOMPARE(folder->GetName(), QStringLiteral("keep"));
    QCOMPARE(folder->GetId(), fixedId);
    delete folder;
}

void TestTAVItem::smallTreeRoundTrips()
{
    auto *vault = new TAVVault(nullptr, QStringLiteral("V"), QString(), TAV_AES256, TAVKey());
    vault->setLoaded(true);
    TAVFolder *docs = vault->addFolder(QStringLiteral("Docs"));
    TAVFolder *deep = docs->addFolder(QStringLiteral("Deep"));
    TAVFile *a = docs->addFile();
    a->SetName(QStringLiteral("a.txt"));
    a->SetOriginalSize(5);
    a->SetCurrentSize(517);
    TAVFile *b = deep->addFile();
    b->SetName(QString::fromUtf8("b \xc3\xa9\xe2\x82\xac.bin")); // beyond Latin-1
    b->SetOriginalSize(Q_UINT64_C(5000000000));
    b->SetCurrentSize(Q_UINT64_C(5000000512));
    b->SetModifiedDate(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59, 1)));
    TAVItem *top = vault->addFile();
    top->SetName(QStringLiteral("top"));

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(15);
        for (int i = 0; i < vault->getItemCount(); ++i)
            vault->getItemAt(i)->serialize(out);
    }

    // Read back the way the index is read: class id and parent path find the
    // parent, the item reads the rest of its record.
    auto *copy = new TAVVault(nullptr, QStringLiteral("V"), QString(), TAV_AES256, TAVKey());
    QDataStream in(bytes);
    in.setVersion(15);
    while (!in.atEnd()) {
        qint32 cls;
        QString parentPath;
        in >> cls >> parentPath;
        auto *parent = static_cast<TAVItemContainer *>(copy->findItem(parentPath));
        QVERIFY(parent);
        TAVItem *item = nullptr;
        if (cls == TAV_CLASS_FILE) {
            item = parent->addFile();
        } else {
            QCOMPARE(cls, qint32(TAV_CLASS_FOLDER));
            item = new TAVFolder(parent, QString());
            parent->addItem(item);
        }
        item->deserialize(in, 1);
    }

    QByteArray again;
    {
        QDataStream out(&again, QIODevice::WriteOnly);
        out.setVersion(15);
        for (int i = 0; i < copy->getItemCount(); ++i)
            copy->getItemAt(i)->serialize(out);
    }
    QCOMPARE(again.toHex(), bytes.toHex());
    TAVItem *b2 = copy->findItem(QStringLiteral("V/Docs/Deep/") + b->GetName());
    QVERIFY(b2);
    QCOMPARE(b2->GetId(), b->GetId());
    QCOMPARE(b2->GetOriginalSize(), Q_UINT64_C(5000000000));
    QCOMPARE(b2->GetModifiedDate(), b->GetModifiedDate());
    QCOMPARE(copy->GetOriginalSize(), Q_UINT64_C(5000000005));
    QCOMPARE(copy->getItemCount(), 2);
    destroyTree(vault);
    destroyTree(copy);
}

void TestTAVItem::pathsAndOwningVault()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    QCOMPARE(root->GetFullPath(), QString());
    QCOMPARE(root->GetClassID(), 7);
    auto *vault = new TAVVault(nullptr, QStringLiteral("V"), QStringLiteral("/somewhere/V"), TAV_AES256, TAVKey());
    root->addItem(vault);
    vault->setLoaded(true);
    TAVFolder *folder = vault->addFolder(QStringLiteral("F"));
    TAVFile *file = folder->addFile();
    file->SetName(QStringLiteral("a.txt"));

    QCOMPARE(vault->GetFullPath(), QStringLiteral("V"));
    QCOMPARE(folder->GetFullPath(), QStringLiteral("V/F"));
    QCOMPARE(file->GetFullPath(), QStringLiteral("V/F/a.txt"));
    QCOMPARE(file->GetFullDisplayPath(), QStringLiteral("V/F/a.txt"));
    QCOMPARE(file->GetParentPath(), QStringLiteral("V/F"));
    QCOMPARE(vault->GetParentPath(), QString());

    TAVItem *found = nullptr;
    QCOMPARE(file->getVault(&found), 0);
    QCOMPARE(found, static_cast<TAVItem *>(vault));
    QCOMPARE(vault->getVault(&found), 0);
    QCOMPARE(found, static_cast<TAVItem *>(vault));
    found = file;
    QCOMPARE(root->getVault(&found), 1);
    QCOMPARE(found, static_cast<TAVItem *>(file)); // untouched
    QVERIFY(vault->GetMutex() != nullptr);
    QCOMPARE(file->GetMutex(), vault->GetMutex());
    QCOMPARE(root->GetMutex(), nullptr);
    QCOMPARE(file->getFullPhysicalFileName(),
             QStringLiteral("/somewhere/V/") + file->GetId().toString().mid(1, 2) + QLatin1Char('/')
                 + file->GetId().toString().remove(QRegularExpression(QStringLiteral("[{}-]"))));

    root->removeItem(vault);
    destroyTree(vault);
}

void TestTAVItem::detachedItem()
{
    auto *folder = new TAVFolder(nullptr, QStringLiteral("Lonely"));
    QCOMPARE(folder->GetFullPath(), QStringLiteral("Lonely"));
    QVERIFY(folder->GetParentPath().isEmpty());
    QVERIFY(!folder->GetParentPath().isNull());
    TAVItem *found = nullptr;
    QCOMPARE(folder->getVault(&found), 1);
    QCOMPARE(found, nullptr);
    QCOMPARE(folder->GetMutex(), nullptr);
    delete folder;
}

void TestTAVItem::createdDateClimbsOnlyWhenLater()
{
    const QDateTime early(QDate(2000, 1, 1), QTime(0, 0));
    const QDateTime middle(QDate(2010, 1, 1), QTime(0, 0));
    const QDateTime late(QDate(2020, 1, 1), QTime(0, 0));
    auto *top = new TAVFolder(nullptr, QStringLiteral("top"));
    TAVFolder *mid = top->addFolder(QStringLiteral("mid"));
    TAVFolder *leaf = mid->addFolder(QStringLiteral("leaf"));
    top->SetCreatedDate(late);
    mid->SetCreatedDate(early);
    leaf->SetCreatedDate(early);

    leaf->SetCreatedDate(middle); // raises mid, stops at top (later already)
    QCOMPARE(leaf->GetCreatedDate(), middle);
    QCOMPARE(mid->GetCreatedDate(), middle);
    QCOMPARE(top->GetCreatedDate(), late);

    leaf->SetCreatedDate(early); // earlier: the ancestors keep theirs
    QCOMPARE(leaf->GetCreatedDate(), early);
    QCOMPARE(mid->GetCreatedDate(), middle);
    destroyTree(top);
}

void TestTAVItem::modifiedDateClimbsToRoot()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const QDateTime future(QDate(2099, 1, 1), QTime(0, 0));
    const QDateTime past(QDate(1990, 6, 1), QTime(12, 0));
    auto *vault = new TAVVault(nullptr, QStringLiteral("V"), QString(), TAV_AES256, TAVKey());
    root->addItem(vault);
    vault->setLoaded(true);
    TAVFolder *folder = vault->addFolder(QStringLiteral("F"));
    TAVFile *file = folder->addFile();
    root->SetModifiedDate(future);

    file->SetModifiedDate(past); // every ancestor takes it, even when it was later
    QCOMPARE(folder->GetModifiedDate(), past);
    QCOMPARE(vault->GetModifiedDate(), past);
    QCOMPARE(root->GetModifiedDate(), past);

    root->removeItem(vault);
    destroyTree(vault);
}

void TestTAVItem::refCount()
{
    TAVFolder folder(nullptr, QStringLiteral("f"));
    QCOMPARE(folder.incref(), 1);
    QCOMPARE(folder.deref(), 0);
}

QTEST_GUILESS_MAIN(TestTAVItem)
#include "tst_tavitem.moc"
