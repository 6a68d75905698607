#include "iconimage.h"
#include "itemtreefixture.h"
#include "tavfile.h"
#include "tavfolder.h"
#include "tavsearchindex.h"
#include "tavsearchmodel.h"
#include "tavvault.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QStyle>
#include <QtTest>

#include <memory>

// The search result model: flat rows in the order given, the table's values
// with its own differences, and rows whose items went away.
class TestTAVSearchModel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void passesModelTester();
    void rowsKeepTheGivenOrder();
    void values_data();
    void values();
    void headers();
    void staleRowsGiveNothing_data();
    void staleRowsGiveNothing();

private:
    QList<TAVItem *> items(const QStringList &paths) const;

    std::unique_ptr<QObject> owner;
    TAVSearchModel *model = nullptr;
    std::unique_ptr<ItemTreeFixture> tree;
};

void TestTAVSearchModel::init()
{
    tree.reset(new ItemTreeFixture);
    tree->buildSample();
    owner.reset(new QObject);
    model = TAVSearchModel::getInstance(owner.get());
}

void TestTAVSearchModel::cleanup()
{
    owner.reset();
    model = nullptr;
    tree.reset();
}

QList<TAVItem *> TestTAVSearchModel::items(const QStringList &paths) const
{
    QList<TAVItem *> list;
    for (const QString &path : paths)
        list << tree->item(path);
    return list;
}

void TestTAVSearchModel::passesModelTester()
{
    QCOMPARE(model->objectName(), QStringLiteral("TAVSearchModel"));
    QCOMPARE(TAVSearchModel::getInstance(nullptr), model);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), 0);
    model->setItemList(items({"Alpha", "Alpha/Docs/a.txt", "Bravo/Inner/Deep", "Charlie"}));
    model->setItemList({});
    model->setItemList(items({"Alpha/Docs"}));
}

void TestTAVSearchModel::rowsKeepTheGivenOrder()
{
    // As the search index gives them: nested items become flat rows.
    TAVSearchIndex index;
    for (const char *path : {"Alpha/Docs", "Alpha/Docs/a.txt", "Alpha/big.bin", "Bravo/Inner/Deep", "Alpha/beta"})
        index.addItem(tree->item(path));
    const QList<TAVItem *> found = index.searchItems(QStringLiteral("B"));
    model->setItemList(found);
    QCOMPARE(model->rowCount(), found.size());
    QCOMPARE(model->rowCount(), 2);
    for (int row = 0; row < found.size(); ++row) {
        const QModelIndex cell = model->index(row, 0);
        QCOMPARE(model->itemFromIndex(cell), found.at(row));
        QVERIFY(!model->parent(cell).isValid());
        QCOMPARE(model->rowCount(cell), 0);
    }

    // Deep items, and a header click changes nothing.
    const QList<TAVItem *> list = items({"Bravo/Inner/Deep", "Alpha/Docs/a.txt", "Alpha"});
    model->setItemList(list);
    model->sort(0, Qt::AscendingOrder);
    for (int row = 0; row < list.size(); ++row)
        QCOMPARE(model->itemFromIndex(model->index(row, 0)), list.at(row));
    QCOMPARE(model->columnCount(), 7);
    QVERIFY(model->index(2, 6).isValid());
    QVERIFY(!model->index(3, 0).isValid());
    QVERIFY(!model->index(0, 7).isValid());
    QVERIFY(!model->index(-1, 0).isValid());
}

void TestTAVSearchModel::values_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    const int display = Qt::DisplayRole;
    const int tip = Qt::ToolTipRole;
    const QString longName = QStringLiteral("Alpha/abcdefghijklmnopq");
    QTest::newRow("name never wrapped") << longName << 0 << display << QVariant("abcdefghijklmnopq");
    QTest::newRow("size 0") << "Alpha/Zeta.txt" << 4 << display << QVariant("0 KB");
    QTest::newRow("size 1,023") << "Alpha/Docs/a.txt" << 4 << display << QVariant("1 KB");
    QTest::newRow("size 1,024") << "Alpha/big.bin" << 4 << display << QVariant("2 KB");
    QTest::newRow("type folder") << "Alpha/Docs" << 1 << display << QVariant(2);
    QTest::newRow("type vault") << "Charlie" << 1 << display << QVariant(3);
    QTest::newRow("blank column") << "Alpha/big.bin" << 5 << display << QVariant(QString());
    QTest::newRow("seventh column") << "Alpha/big.bin" << 6 << display << QVariant();
    QTest::newRow("tooltip") << "Alpha/Docs" << 0 << tip << QVariant("Docs");
    QTest::newRow("tooltip FileSystem") << "Bravo/FileSystem" << 0 << tip << QVariant("FileSystem");
    QTest::newRow("tooltip other column") << "Alpha/Docs" << 2 << tip << QVariant();
    QTest::newRow("size aligned") << "Alpha/big.bin" << 4 << int(Qt::TextAlignmentRole)
                                  << QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    QTest::newRow("name not aligned") << "Alpha/big.bin" << 0 << int(Qt::TextAlignmentRole) << QVariant();
    QTest::newRow("role 8") << "Alpha/big.bin" << 4 << int(Qt::BackgroundRole) << QVariant();
    QTest::newRow("edit role") << "Alpha/big.bin" << 0 << int(Qt::EditRole) << QVariant();
}

void TestTAVSearchModel::values()
{
    QFETCH(QString, path);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    tree->addFolder(tree->vault("Alpha"), QStringLiteral("abcdefghijklmnopq"));
    tree->addFolder(tree->vault("Bravo"), QStringLiteral("FileSystem"));
    model->setItemList(items({"Alpha/Docs", path}));
    QCOMPARE(model->data(model->index(1, column), role), expected);
}

void TestTAVSearchModel::headers()
{
    const QStringList texts({"Name", "Type", "Date", "Date Created", "Size", ""});
    for (int section = 0; section < texts.size(); ++section)
        QCOMPARE(model->headerData(section, Qt::Horizontal, Qt::DisplayRole), QVariant(texts.at(section)));
    QVERIFY(!model->headerData(6, Qt::Horizontal, Qt::DisplayRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Vertical, Qt::DisplayRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

    // The icons: every vault the plain image, loaded or not; files and folders the style's.
    model->setItemList(items({"Alpha", "Charlie", "Alpha/Docs", "Alpha/big.bin"}));
    const QImage vault = imageOf(QIcon(":/res/vault.png"));
    QCOMPARE(imageOf(model->data(model->index(0, 0), Qt::DecorationRole)), vault);
    QCOMPARE(imageOf(model->data(model->index(1, 0), Qt::DecorationRole)), vault);
    QStyle *style = QApplication::style();
    // The style's closed folder, drawn as large as a file in the icon view.
    const QIcon folder = model->data(model->index(2, 0), Qt::DecorationRole).value<QIcon>();
    QCOMPARE(folder.pixmap(16, 16).toImage(), style->standardIcon(QStyle::SP_DirClosedIcon).pixmap(16, 16).toImage());
    QCOMPARE(folder.actualSize(QSize(48, 48)), QSize(48, 48));
    QCOMPARE(imageOf(model->data(model->index(3, 0), Qt::DecorationRole)),
             imageOf(style->standardIcon(QStyle::SP_FileIcon)));
    QVERIFY(!model->data(model->index(0, 1), Qt::DecorationRole).isValid());
}

void TestTAVSearchModel::staleRowsGiveNothing_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<QStringList>("kept");
    const QStringList alphaItems({"Alpha/Docs", "Alpha/Docs/a.txt", "Alpha/Docs/Letters", "Alpha/big.bin"});
    QTest::newRow("delete folder") << "delete Docs"
                                   << QStringList({"Alpha/Docs", "Alpha/Docs/a.txt", "Alpha/Docs/Letters"})
                                   << QStringList({"Alpha", "Alpha/big.bin", "Bravo/Inner"});
    QTest::newRow("unload vault") << "unload" << alphaItems << QStringList({"Alpha", "Bravo/Inner"});
    QTest::newRow("unload and remove vault") << "unload and remove" << QStringList{"Alpha"} + alphaItems
                                             << QStringList({"Bravo/Inner"});
    QTest::newRow("new results") << "new results" << QStringList{"Alpha"} + alphaItems << QStringList();
}

void TestTAVSearchModel::staleRowsGiveNothing()
{
    QFETCH(QString, change);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, kept);

    const QStringList paths = gone + kept;
    model->setItemList(items(paths));
    QVector<QVector<QModelIndex>> old(paths.size());
    for (int row = 0; row < paths.size(); ++row) {
        for (int column = 0; column < 7; ++column)
            old[row] << model->index(row, column);
    }

    TAVVault *alpha = tree->vault("Alpha");
    if (change == QLatin1String("delete Docs"))
        alpha->deleteItem(QStringLiteral("Docs"));
    if (change.startsWith(QLatin1String("unload")))
        tree->unload(alpha);
    if (change.endsWith(QLatin1String("remove")))
        tree->removeVault(alpha);
    if (change == QLatin1String("new results"))
        model->setItemList(items({"Bravo/Inner/Deep", "Bravo/Inner", "Bravo", "Charlie", "Alpha/beta"}));

    for (int row = 0; row < paths.size(); ++row) {
        const QModelIndex index = old.at(row).at(0);
        if (row < gone.size()) {
            QVERIFY2(!model->itemFromIndex(index), qPrintable(paths.at(row)));
            for (const QModelIndex &cell : old.at(row)) {
                for (int role = 0; role < 8; ++role)
                    QVERIFY(!model->data(cell, role).isValid());
            }
        } else {
            QCOMPARE(model->itemFromIndex(index)->GetFullDisplayPath(), paths.at(row));
            QCOMPARE(model->data(index).toString(), paths.at(row).section(QLatin1Char('/'), -1));
        }
    }
}

QTEST_MAIN(TestTAVSearchModel)
#include "tst_tavsearchmodel.moc"
