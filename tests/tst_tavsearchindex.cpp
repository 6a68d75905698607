#include "tavfile.h"
#include "tavfolder.h"
#include "tavsearchindex.h"

#include <QtTest>

#include <memory>
#include <vector>

// The name index: prefixes, case, order, duplicates, removal, clear.
class TestTAVSearchIndex : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void prefixIgnoringCase_data();
    void prefixIgnoringCase();
    void mostRecentFirstAndDuplicates();
    void manyHitsKeepTheOrder();
    void removeDropsEveryEntry();
    void clearEmptiesEverything();
    void singleton();

private:
    TAVFolder *folder(const QString &name);
    TAVFolder *top = nullptr;
    TAVSearchIndex index;
};

namespace {
QStringList names(const QList<TAVItem *> &items)
{
    QStringList list;
    for (TAVItem *item : items)
        list << item->GetName();
    return list;
}
} // namespace

void TestTAVSearchIndex::init()
{
    top = new TAVFolder(nullptr, QStringLiteral("top"));
    index.clear();
}

void TestTAVSearchIndex::cleanup()
{
    index.clear();
    top->removeAll();
    delete top;
}

TAVFolder *TestTAVSearchIndex::folder(const QString &name)
{
    auto *f = new TAVFolder(top, name);
    top->addItem(f);
    return f;
}

void TestTAVSearchIndex::prefixIgnoringCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("one letter") << "a" << QStringList{"ab", "a"};
    QTest::newRow("one letter, many") << "d" << QStringList{"documents", "document beta", "Document alpha"};
    QTest::newRow("longer prefix") << "ab" << QStringList{"ab"};
    QTest::newRow("upper case") << "RE" << QStringList{"Report.pdf"};
    QTest::newRow("lower case") << "re" << QStringList{"Report.pdf"};
    QTest::newRow("whole name") << "REPORT.PDF" << QStringList{"Report.pdf"};
    QTest::newRow("not a prefix") << "port" << QStringList{};
    QTest::newRow("longer than the name") << "report.pdfx" << QStringList{};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("non-ASCII case") << QString::fromUtf8("\xc3\x89T") << QStringList{QString::fromUtf8("\xc3\xa9t\xc3\xa9")};
    QTest::newRow("shares a prefix only") << "rep" << QStringList{"Report.pdf"};
    QTest::newRow("long common start") << "document " << QStringList{"document beta", "Document alpha"};
    QTest::newRow("differs after eight") << "DOCUMENT B" << QStringList{"document beta"};
    QTest::newRow("high code units") << QString::fromUtf8("\xef\xbc\xa1")
                                     << QStringList{QString::fromUtf8("\xef\xbc\xa1\xef\xbc\xa2")};
}

void TestTAVSearchIndex::prefixIgnoringCase()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    index.addItem(folder(QStringLiteral("a")));
    index.addItem(folder(QStringLiteral("ab")));
    index.addItem(folder(QStringLiteral("Report.pdf")));
    index.addItem(folder(QStringLiteral("Rap")));
    index.addItem(folder(QString::fromUtf8("\xc3\xa9t\xc3\xa9")));
    index.addItem(folder(QStringLiteral("Document alpha")));
    index.addItem(folder(QString::fromUtf8("\xef\xbc\xa1\xef\xbc\xa2"))); // fullwidth AB
    index.addItem(folder(QStringLiteral("document beta")));
    index.addItem(folder(QStringLiteral("documents")));
    index.addItem(folder(QString())); // indexes nothing
    QCOMPARE(names(index.searchItems(text)), found);
}

void TestTAVSearchIndex::mostRecentFirstAndDuplicates()
{
    TAVFolder *first = folder(QStringLiteral("Same"));
    TAVFolder *second = folder(QStringLiteral("same"));
    index.addItem(first);
    index.addItem(second);
    index.addItem(folder(QStringLiteral("sa")));
    index.addItem(first); // added twice: found twice
    const QList<TAVItem *> hits = index.searchItems(QStringLiteral("sAm"));
    QCOMPARE(hits, (QList<TAVItem *>{first, second, first}));
    QCOMPARE(names(index.searchItems(QStringLiteral("s"))), QStringList({"Same", "sa", "same", "Same"}));

    // Adding after a search is seen by the next search.
    index.addItem(folder(QStringLiteral("samba")));
    QCOMPARE(names(index.searchItems(QStringLiteral("sam"))), QStringList({"samba", "Same", "same", "Same"}));
}

void TestTAVSearchIndex::manyHitsKeepTheOrder()
{
    // Both a few hits among many names and most names hitting.
    QList<TAVItem *> xs;
    QList<TAVItem *> ys;
    for (int i = 0; i < 2000; ++i) {
        TAVFolder *f = folder((i % 100 == 0 ? QStringLiteral("y%1") : QStringLiteral("x%1")).arg(i));
        index.addItem(f);
        (i % 100 == 0 ? ys : xs).prepend(f);
    }
    QCOMPARE(index.searchItems(QStringLiteral("X")), xs);
    QCOMPARE(index.searchItems(QStringLiteral("y")), ys);
    QCOMPARE(index.searchItems(QStringLiteral("x19")).size(), 1 + 10 + 99); // x19, x190.., x1900.. but y1900
}

void TestTAVSearchIndex::removeDropsEveryEntry()
{
    TAVFolder *a = folder(QStringLiteral("alpha"));
    TAVFolder *b = folder(QStringLiteral("alps"));
    index.addItem(a);
    index.addItem(b);
    index.addItem(a);
    index.removeItem(a);
    QCOMPARE(names(index.searchItems(QStringLiteral("al"))), QStringList({"alps"}));

    // Renamed after indexing: still dropped under the old name's prefixes.
    index.addItem(a);
    a->SetName(QStringLiteral("beta"));
    index.removeItem(a);
    QCOMPARE(names(index.searchItems(QStringLiteral("alph"))), QStringList());
    QCOMPARE(names(index.searchItems(QStringLiteral("al"))), QStringList({"alps"}));
    index.removeItem(a); // not indexed: nothing happens
    QCOMPARE(names(index.searchItems(QStringLiteral("a"))), QStringList({"alps"}));
}

void TestTAVSearchIndex::clearEmptiesEverything()
{
    index.addItem(folder(QStringLiteral("one")));
    index.addItem(folder(QStringLiteral("two")));
    QCOMPARE(index.searchItems(QStringLiteral("o")).size(), 1);
    index.clear();
    QVERIFY(index.searchItems(QStringLiteral("o")).isEmpty());
    QVERIFY(index.searchItems(QStringLiteral("t")).isEmpty());
    index.addItem(folder(QStringLiteral("three")));
    QCOMPARE(names(index.searchItems(QStringLiteral("t"))), QStringList({"three"}));
}

void TestTAVSearchIndex::singleton()
{
    TAVSearchIndex *one = TAVSearchIndex::getInstance();
    QVERIFY(one);
    QCOMPARE(TAVSearchIndex::getInstance(), one);
    QVERIFY(one->searchItems(QStringLiteral("a")).isEmpty());
}

QTEST_GUILESS_MAIN(TestTAVSearchIndex)
#include "tst_tavsearchindex.moc"
