#include "iconimage.h"
#include "itemtreefixture.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemtreemodel.h"
#include "tavfolder.h"
#include "tavvault.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

#include <memory>

// The folder tree model: vaults and folders by lower-cased name, no files, the
// icons worked out at paint time, and indexes that outlive a change of the tree.
class TestTAVFileSystemTreeModel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void passesModelTester();
    void treeViewExpandsEveryFolder();
    void rowOrder_data();
    void rowOrder();
    void rowLookupEdges();
    void values_data();
    void values();
    void folderIconFollowsCurrentOfView();
    void vaultIconFollowsDisk();
    void relativeVaultFolderIsNotAvailable();
    void staleIndexesGiveNothing_data();
    void staleIndexesGiveNothing();
    void childrenChangedWithoutReset();
    void detachedFolderOutlivesItsParent();

private:
    QModelIndex indexOf(const QString &path) const;

    std::unique_ptr<QObject> owner;
    TAVFileSystemTreeModel *model = nullptr;
    std::unique_ptr<ItemTreeFixture> tree;
};

void TestTAVFileSystemTreeModel::init()
{
    tree.reset(new ItemTreeFixture);
    tree->buildSample();
    owner.reset(new QObject);
    model = TAVFileSystemTreeModel::getInstance(owner.get());
}

void TestTAVFileSystemTreeModel::cleanup()
{
    owner.reset();
    model = nullptr;
    tree.reset();
}

// The index of a vault or folder found by walking down the model by names.
QModelIndex TestTAVFileSystemTreeModel::indexOf(const QString &path) const
{
    QModelIndex parent;
    for (const QString &name : path.split(QLatin1Char('/'))) {
        QModelIndex found;
        for (int row = 0; row < model->rowCount(parent) && !found.isValid(); ++row) {
            const QModelIndex child = model->index(row, 0, parent);
            if (child.data().toString() == name)
                found = child;
        }
        if (!found.isValid())
            return QModelIndex();
        parent = found;
    }
    return parent;
}

void TestTAVFileSystemTreeModel::passesModelTester()
{
    QCOMPARE(model->objectName(), QStringLiteral("TAVFileSystemTreeModel"));
    QCOMPARE(TAVFileSystemTreeModel::getInstance(nullptr), model);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    tree->addFolder(static_cast<TAVFolder *>(tree->item("Alpha/Docs/Letters")), QStringLiteral("2019"));
    model->setRootItem(nullptr);
    QVERIFY(indexOf("Alpha/Docs/Letters/2019").isValid());
}

void TestTAVFileSystemTreeModel::treeViewExpandsEveryFolder()
{
    QTreeView view;
    view.setModel(model);
    view.expandAll();
    QStringList shown;
    for (QModelIndex index = view.model()->index(0, 0); index.isValid(); index = view.indexBelow(index))
        shown << model->itemFromIndex(index)->GetFullDisplayPath();
    QCOMPARE(shown, QStringList({"Alpha", "Alpha/1st", "Alpha/_under", "Alpha/beta", "Alpha/Docs",
                                 "Alpha/Docs/Letters", "Bravo", "Bravo/Inner", "Bravo/Inner/Deep", "Charlie"}));
    QVERIFY(!(model->flags(indexOf("Alpha")) & Qt::ItemNeverHasChildren));
    QVERIFY(model->hasChildren(indexOf("Alpha/Docs")));
    QVERIFY(!model->hasChildren(indexOf("Alpha/Docs/Letters")));
    QVERIFY(!model->hasChildren(indexOf("Charlie")));
}

void TestTAVFileSystemTreeModel::rowOrder_data()
{
    QTest::addColumn<QStringList>("children"); // in list order; "f:" marks a file
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("case ignored") << QStringList({"beta", "Alpha", "gamma"}) << QStringList({"Alpha", "beta", "gamma"});
    QTest::newRow("files left out") << QStringList({"f:a.txt", "b", "f:c.txt", "D"}) << QStringList({"b", "D"});
    QTest::newRow("underscore between digits and letters")
        << QStringList({"Zed", "_x", "abc", "9a", "_A"}) << QStringList({"9a", "_A", "_x", "abc", "Zed"});
    QTest::newRow("only files") << QStringList({"f:x", "f:y"}) << QStringList();
    QTest::newRow("accented after plain")
        << QStringList({QString::fromUtf8("\xc3\x89t\xc3\xa9"), "zoo", "Eta"})
        << QStringList({"Eta", "zoo", QString::fromUtf8("\xc3\x89t\xc3\xa9")});
}

void TestTAVFileSystemTreeModel::rowOrder()
{
    QFETCH(QStringList, children);
    QFETCH(QStringList, rows);

    TAVVault *vault = tree->addVault(QStringLiteral("Echo"));
    for (const QString &child : children) {
        if (child.startsWith(QLatin1String("f:")))
            tree->addFile(vault, child.mid(2));
        else
            tree->addFolder(vault, child);
    }
    model->setRootItem(nullptr);
    const QModelIndex parent = indexOf("Echo");
    QVERIFY(parent.isValid());
    QCOMPARE(model->rowCount(parent), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        QCOMPARE(index.data().toString(), rows.at(row));
        TAVItem *item = model->getItemAtRow(vault, row);
        QCOMPARE(model->itemFromIndex(index), item);
        QCOMPARE(model->getItemRow(item), row);
        QCOMPARE(model->parent(index), parent);
    }
    QVERIFY(!model->index(rows.size(), 0, parent).isValid());
    QVERIFY(!model->getItemAtRow(vault, rows.size()));
}

void TestTAVFileSystemTreeModel::rowLookupEdges()
{
    TAVVault *alpha = tree->vault("Alpha");
    QVERIFY(!model->getItemAtRow(nullptr, 0));
    QVERIFY(!model->getItemAtRow(alpha, -1));
    QCOMPARE(model->getItemRow(nullptr), 0);
    QCOMPARE(model->getItemRow(tree->item("Alpha/big.bin")), -1); // a file is never a row
    QCOMPARE(model->getItemRow(tree->vault("Bravo")), 1);
    TAVFolder loose(nullptr, QStringLiteral("loose"));
    QCOMPARE(model->getItemRow(&loose), 0);

    // Vaults hang from the invisible root.
    QVERIFY(!model->parent(indexOf("Bravo")).isValid());
    QCOMPARE(model->parent(indexOf("Bravo/Inner/Deep")), indexOf("Bravo/Inner"));
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 1);
    QCOMPARE(model->columnCount(indexOf("Alpha")), 1);
    QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::DisplayRole).isValid());

    // One column: nothing lies in or under a second one.
    QVERIFY(!model->index(0, 1).isValid());
    QVERIFY(!model->index(0, 1, indexOf("Alpha")).isValid());
    QStandardItemModel other(2, 2);
    QCOMPARE(model->rowCount(other.index(0, 1)), 0);
}

void TestTAVFileSystemTreeModel::values_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    const int display = Qt::DisplayRole;
    const int tip = Qt::ToolTipRole;
    QTest::newRow("vault name") << "Alpha" << display << QVariant("Alpha");
    QTest::newRow("folder name") << "Alpha/Docs/Letters" << display << QVariant("Letters");
    QTest::newRow("tooltip") << "Bravo/Inner" << tip << QVariant("Inner");
    QTest::newRow("no tooltip FileSystem") << "Bravo/FileSystem" << tip << QVariant();
    QTest::newRow("tooltip filesystem") << "Alpha/filesystem" << tip << QVariant("filesystem");
    QTest::newRow("vault FileSystem shown") << "FileSystem" << display << QVariant("FileSystem");
    QTest::newRow("vault FileSystem no tooltip") << "FileSystem" << tip << QVariant();
    QTest::newRow("edit role") << "Alpha" << int(Qt::EditRole) << QVariant();
    QTest::newRow("alignment") << "Alpha" << int(Qt::TextAlignmentRole) << QVariant();
    QTest::newRow("size hint") << "Alpha" << int(Qt::SizeHintRole) << QVariant();
}

void TestTAVFileSystemTreeModel::values()
{
    QFETCH(QString, path);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    tree->addFolder(tree->vault("Bravo"), QStringLiteral("FileSystem"));
    tree->addFolder(tree->vault("Alpha"), QStringLiteral("filesystem"));
    tree->addVault(QStringLiteral("FileSystem"));
    model->setRootItem(nullptr);

    const QModelIndex index = indexOf(path);
    QVERIFY(index.isValid());
    QCOMPARE(model->data(index, role), expected);
}

void TestTAVFileSystemTreeModel::folderIconFollowsCurrentOfView()
{
    const QModelIndex docs = indexOf("Alpha/Docs");
    const QModelIndex beta = indexOf("Alpha/beta");
    QCOMPARE(imageOf(docs.data(Qt::DecorationRole)), imageOf(":/res/closedfolder.png"));

    auto *view = new QTreeView;
    view->setModel(model);
    model->setTreeView(view);
    view->setCurrentIndex(docs);
    QCOMPARE(imageOf(docs.data(Qt::DecorationRole)), imageOf(":/res/openfolder.png"));
    QCOMPARE(imageOf(beta.data(Qt::DecorationRole)), imageOf(":/res/closedfolder.png"));
    view->setCurrentIndex(beta);
    QCOMPARE(imageOf(docs.data(Qt::DecorationRole)), imageOf(":/res/closedfolder.png"));
    QCOMPARE(imageOf(beta.data(Qt::DecorationRole)), imageOf(":/res/openfolder.png"));

    // A view that went away leaves every folder closed.
    delete view;
    QCOMPARE(imageOf(beta.data(Qt::DecorationRole)), imageOf(":/res/closedfolder.png"));
}

void TestTAVFileSystemTreeModel::vaultIconFollowsDisk()
{
    const QModelIndex alpha = indexOf("Alpha");
    const QString folder = tree->vaultFolder("Alpha");
    const QString index = folder + QStringLiteral("/index.dat");
    QCOMPARE(imageOf(alpha.data(Qt::DecorationRole)), imageOf(":/res/vault.png"));
    // Unloaded vaults are told by their folder alone.
    QCOMPARE(imageOf(indexOf("Charlie").data(Qt::DecorationRole)), imageOf(":/res/vault.png"));

    QVERIFY(QFile::rename(index, index + ".away"));
    QCOMPARE(imageOf(alpha.data(Qt::DecorationRole)), imageOf(":/res/vault_error.png"));
    QVERIFY(QFile::rename(index + ".away", index));
    QCOMPARE(imageOf(alpha.data(Qt::DecorationRole)), imageOf(":/res/vault.png"));

    QVERIFY(QFile::rename(folder, folder + ".away"));
    QCOMPARE(imageOf(alpha.data(Qt::DecorationRole)), imageOf(":/res/vault_error.png"));
    QVERIFY(QFile::rename(folder + ".away", folder));
    QCOMPARE(imageOf(alpha.data(Qt::DecorationRole)), imageOf(":/res/vault.png"));

    tree->vault("Bravo")->setFullPhysicalVaultPath(QString());
    QCOMPARE(imageOf(indexOf("Bravo").data(Qt::DecorationRole)), imageOf(":/res/vault_error.png"));
}

void TestTAVFileSystemTreeModel::relativeVaultFolderIsNotAvailable()
{
    // A stick unplugged leaves a relative folder path; the working folder
    // happens to hold a vault folder of that name, index and all.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir(work.path()).mkpath("Sticks/Bravo"));
    QFile index(work.path() + "/Sticks/Bravo/index.dat");
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    tree->vault("Bravo")->setFullPhysicalVaultPath("Sticks/Bravo");
    const QImage shown = imageOf(indexOf("Bravo").data(Qt::DecorationRole));
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(shown, imageOf(":/res/vault_error.png"));
}

void TestTAVFileSystemTreeModel::staleIndexesGiveNothing_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("resetAfter");
    QTest::addColumn<QStringList>("gone"); // paths whose old indexes must give nothing
    QTest::addColumn<QStringList>("kept"); // paths whose old indexes still work

    const QStringList alphaFolders({"Alpha/1st", "Alpha/_under", "Alpha/beta", "Alpha/Docs", "Alpha/Docs/Letters"});
    const QStringList bravo({"Bravo", "Bravo/Inner", "Bravo/Inner/Deep"});
    QTest::newRow("delete folder") << "delete Docs" << false << QStringList({"Alpha/Docs", "Alpha/Docs/Letters"})
                                   << QStringList{"Alpha", "Alpha/beta"} + bravo;
    QTest::newRow("unload vault") << "unload" << false << alphaFolders << QStringList{"Alpha"} + bravo;
    QTest::newRow("unload and remove vault") << "unload and remove" << false
                                             << QStringList{"Alpha"} + alphaFolders << bravo;
    QTest::newRow("remove vault") << "remove" << false << QStringList{"Alpha"} + alphaFolders << bravo;
    QTest::newRow("reset only") << "" << true << QStringList{"Alpha"} + alphaFolders + bravo << QStringList();
    QTest::newRow("unload, reset") << "unload" << true << QStringList{"Alpha"} + alphaFolders + bravo
                                   << QStringList();
}

void TestTAVFileSystemTreeModel::staleIndexesGiveNothing()
{
    QFETCH(QString, change);
    QFETCH(bool, resetAfter);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, kept);

    QHash<QString, QModelIndex> old;
    QHash<QString, QModelIndex> oldChild; // first child index of each, if any
    for (const QStringList &paths : {gone, kept}) {
        for (const QString &path : paths) {
            old.insert(path, indexOf(path));
            QVERIFY2(old.value(path).isValid(), qPrintable(path));
            oldChild.insert(path, model->index(0, 0, old.value(path)));
        }
    }

    TAVVault *alpha = tree->vault("Alpha");
    if (change == QLatin1String("delete Docs"))
        alpha->deleteItem(QStringLiteral("Docs"));
    if (change.startsWith(QLatin1String("unload")))
        tree->unload(alpha);
    if (change.endsWith(QLatin1String("remove")))
        tree->removeVault(alpha);
    if (resetAfter)
        model->setRootItem(nullptr);

    for (const QString &path : gone) {
        const QModelIndex index = old.value(path);
        QVERIFY2(!model->itemFromIndex(index), qPrintable(path));
        for (int role = 0; role < 8; ++role)
            QVERIFY2(!model->data(index, role).isValid(), qPrintable(path));
        QVERIFY(!model->parent(index).isValid());
        QCOMPARE(model->rowCount(index), 0);
        QVERIFY(!model->index(0, 0, index).isValid());
        if (oldChild.value(path).isValid()) {
            QVERIFY(!model->data(oldChild.value(path)).isValid());
            QVERIFY(!model->parent(oldChild.value(path)).isValid());
        }
    }
    for (const QString &path : kept) {
        const QModelIndex index = old.value(path);
        QCOMPARE(model->itemFromIndex(index)->GetFullDisplayPath(), path);
        QCOMPARE(index.data().toString(), path.section(QLatin1Char('/'), -1));
    }
}

void TestTAVFileSystemTreeModel::childrenChangedWithoutReset()
{
    // Whoever changes the tree resets; until then the model neither crashes nor
    // shows rows that are gone.
    TAVVault *alpha = tree->vault("Alpha");
    const QModelIndex alphaIndex = indexOf("Alpha");
    QCOMPARE(model->rowCount(alphaIndex), 4);
    tree->addFolder(alpha, QStringLiteral("0 first"));
    QCOMPARE(model->rowCount(alphaIndex), 5);
    QCOMPARE(model->index(0, 0, alphaIndex).data().toString(), QStringLiteral("0 first"));
    alpha->removeItem(QStringLiteral("0 first"));
    alpha->removeItem(QStringLiteral("1st"));
    QCOMPARE(model->rowCount(alphaIndex), 3);
    QCOMPARE(model->index(0, 0, alphaIndex).data().toString(), QStringLiteral("_under"));

    // A folder renamed is found again at its new row.
    TAVItem *beta = tree->item("Alpha/beta");
    alpha->renameItem(QStringLiteral("beta"), QStringLiteral("zulu"));
    QCOMPARE(model->getItemRow(beta), 2);
    QCOMPARE(model->getItemAtRow(alpha, 2), beta);
}

void TestTAVFileSystemTreeModel::detachedFolderOutlivesItsParent()
{
    // A folder taken out of the tree alive (a move midway) whose old parent is
    // then destroyed: its parent pointer dangles, and the model must never
    // follow it.
    tree->addFolder(static_cast<TAVFolder *>(tree->item("Alpha/Docs/Letters")), QStringLiteral("2019"));
    model->setRootItem(nullptr);
    const QModelIndex letters = indexOf("Alpha/Docs/Letters");
    const QModelIndex year = indexOf("Alpha/Docs/Letters/2019");
    QVERIFY(year.isValid());
    tree->detach(model->itemFromIndex(letters));
    tree->vault("Alpha")->deleteItem(QStringLiteral("Docs"));

    QVERIFY(!model->parent(letters).isValid());
    QVERIFY(!model->parent(year).isValid());
    QVERIFY(model->index(0, 0, letters).isValid()); // the folder itself still lives
    QVERIFY(!model->parent(model->index(0, 0, letters)).isValid());
    QCOMPARE(model->rowCount(indexOf("Alpha")), 3);

    model->setRootItem(nullptr);
    for (const QModelIndex &index : {letters, year}) {
        QVERIFY(!model->itemFromIndex(index));
        QVERIFY(!model->data(index).isValid());
        QVERIFY(!model->parent(index).isValid());
    }
}

QTEST_MAIN(TestTAVFileSystemTreeModel)
#include "tst_tavfilesystemtreemodel.moc"
