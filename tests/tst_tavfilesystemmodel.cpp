#include "iconimage.h"
#include "iconprovider.h"
#include "itemtreefixture.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavvault.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyle>
#include <QtTest>

#include <memory>

// The contents model: rows of one container, its columns and values, sorting,
// and indexes that outlive a change of the tree.
class TestTAVFileSystemModel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void passesModelTester();
    void instanceAndRoot();
    void values_data();
    void values();
    void icons_data();
    void icons();
    void headers_data();
    void headers();
    void wrapAndShorten_data();
    void wrapAndShorten();
    void sortKeepsColumnAndSignals();
    void staleIndexesGiveNothing_data();
    void staleIndexesGiveNothing();

private:
    QModelIndex indexOf(const QString &name, int column = 0) const;

    std::unique_ptr<QObject> owner;
    TAVFileSystemModel *model = nullptr;
    std::unique_ptr<ItemTreeFixture> tree;
};

namespace {
TAVItemContainer *asContainer(TAVItem *item)
{
    return static_cast<TAVItemContainer *>(item);
}
} // namespace

void TestTAVFileSystemModel::init()
{
    tree.reset(new ItemTreeFixture);
    tree->buildSample();
    owner.reset(new QObject);
    model = TAVFileSystemModel::getInstance(owner.get());
}

void TestTAVFileSystemModel::cleanup()
{
    owner.reset(); // destroys the model: the next test makes a fresh one
    model = nullptr;
    tree.reset();
}

QModelIndex TestTAVFileSystemModel::indexOf(const QString &name, int column) const
{
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, column);
        if (model->itemFromIndex(index)->GetName() == name)
            return index;
    }
    return QModelIndex();
}

void TestTAVFileSystemModel::passesModelTester()
{
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (const char *path : {"Alpha", "Alpha/Docs", "Alpha/beta", "Bravo", "Charlie", ""}) {
        model->setRootItem(asContainer(path[0] ? tree->item(path) : TAVFileSystem::getInstance()));
        for (int column = 0; column < 6; ++column)
            model->sort(column, column % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
}

void TestTAVFileSystemModel::instanceAndRoot()
{
    QCOMPARE(model->objectName(), QStringLiteral("TAVFileSystemModel"));
    QCOMPARE(static_cast<QObject *>(model)->parent(), owner.get());
    QCOMPARE(TAVFileSystemModel::getInstance(nullptr), model);

    // Starts on the root: the vaults, sorted by name.
    QCOMPARE(model->rootItem(), static_cast<TAVItemContainer *>(TAVFileSystem::getInstance()));
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->data(model->index(row, 0)).toString();
    QCOMPARE(names, QStringList({"Alpha", "Bravo", "Charlie"}));

    // A vault's rows are all its children, folders before files; none has children.
    model->setRootItem(tree->vault("Alpha"));
    QCOMPARE(model->rowCount(), 6);
    QCOMPARE(model->columnCount(), 6);
    QCOMPARE(model->data(model->index(0, 0)).toString(), QStringLiteral("1st"));
    QCOMPARE(model->data(model->index(5, 0)).toString(), QStringLiteral("Zeta.txt"));
    QCOMPARE(model->rowCount(model->index(0, 0)), 0);
    QVERIFY(!model->parent(model->index(0, 0)).isValid());
    QVERIFY(!model->index(6, 0).isValid());
    QVERIFY(!model->index(0, 6).isValid());

    // Any container of the root's class id, and null, show the root.
    model->setRootItem(nullptr);
    QCOMPARE(model->rootItem(), static_cast<TAVItemContainer *>(TAVFileSystem::getInstance()));

    // An index of another model is no index of this one.
    QStandardItemModel other(6, 6);
    QVERIFY(!model->itemFromIndex(other.index(0, 0)));
    QVERIFY(!model->data(other.index(0, 0)).isValid());
}

void TestTAVFileSystemModel::values_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("wrapped");
    QTest::addColumn<QVariant>("expected");

    const int display = Qt::DisplayRole;
    const QString alpha = QStringLiteral("Alpha");
    const QString docs = QStringLiteral("Alpha/Docs");
    QTest::newRow("size 0 stored") << alpha << "Zeta.txt" << 4 << display << false << QVariant("0 KB");
    QTest::newRow("size 1,023") << docs << "a.txt" << 4 << display << false << QVariant("1 KB");
    QTest::newRow("size 1,024") << alpha << "big.bin" << 4 << display << false << QVariant("2 KB");
    QTest::newRow("plain 0, stored 7") << alpha << "stored only" << 4 << display << false << QVariant("1 KB");
    QTest::newRow("plain 5,000, stored 0") << alpha << "plain only" << 4 << display << false << QVariant("0 KB");
    QTest::newRow("folder sums") << alpha << "Docs" << 4 << display << false << QVariant("1 KB");
    QTest::newRow("vault sums") << "" << "Alpha" << 4 << display << false << QVariant("7 KB");
    QTest::newRow("type file") << alpha << "big.bin" << 1 << display << false << QVariant(1);
    QTest::newRow("type folder") << alpha << "Docs" << 1 << display << false << QVariant(2);
    QTest::newRow("type vault") << "" << "Bravo" << 1 << display << false << QVariant(3);
    QTest::newRow("modified") << alpha << "big.bin" << 2 << display << false
                              << QVariant(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7)));
    QTest::newRow("created") << alpha << "big.bin" << 3 << display << false
                             << QVariant(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    QTest::newRow("blank column") << alpha << "big.bin" << 5 << display << false << QVariant(QString());
    QTest::newRow("name") << alpha << "big.bin" << 0 << display << false << QVariant("big.bin");

    const QString name17 = QStringLiteral("abcdefghijklmnopq");
    QTest::newRow("17 wrapped") << alpha << name17 << 0 << display << true << QVariant("abcdefghijklmnop\nq");
    QTest::newRow("17 unwrapped") << alpha << name17 << 0 << display << false << QVariant(name17);
    QTest::newRow("tooltip never wrapped") << alpha << name17 << 0 << int(Qt::ToolTipRole) << true
                                           << QVariant(name17);

    const int tip = Qt::ToolTipRole;
    QTest::newRow("tooltip") << alpha << "Docs" << 0 << tip << false << QVariant("Docs");
    QTest::newRow("tooltip other column") << alpha << "Docs" << 1 << tip << false << QVariant();
    QTest::newRow("no tooltip FileSystem") << alpha << "FileSystem" << 0 << tip << false << QVariant();
    QTest::newRow("tooltip filesystem") << "Bravo" << "filesystem" << 0 << tip << false << QVariant("filesystem");

    const int align = Qt::TextAlignmentRole;
    QTest::newRow("size aligned") << alpha << "big.bin" << 4 << align << false
                                  << QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    QTest::newRow("name not aligned") << alpha << "big.bin" << 0 << align << false << QVariant();
    QTest::newRow("date not aligned") << alpha << "big.bin" << 2 << align << false << QVariant();

    QTest::newRow("edit role") << alpha << "big.bin" << 0 << int(Qt::EditRole) << false << QVariant();
    QTest::newRow("status tip") << alpha << "big.bin" << 0 << int(Qt::StatusTipRole) << false << QVariant();
    QTest::newRow("font") << alpha << "big.bin" << 0 << int(Qt::FontRole) << false << QVariant();
    QTest::newRow("role 8") << alpha << "big.bin" << 4 << int(Qt::BackgroundRole) << false << QVariant();
    QTest::newRow("user role") << alpha << "big.bin" << 0 << int(Qt::UserRole) << false << QVariant();
    QTest::newRow("decoration of size") << alpha << "big.bin" << 4 << int(Qt::DecorationRole) << false
                                        << QVariant();
}

void TestTAVFileSystemModel::values()
{
    QFETCH(QString, container);
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(bool, wrapped);
    QFETCH(QVariant, expected);

    TAVVault *alpha = tree->vault("Alpha");
    TAVFile *big = static_cast<TAVFile *>(tree->item("Alpha/big.bin"));
    big->SetCreatedDate(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    big->SetModifiedDate(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7)));
    tree->addFile(alpha, QStringLiteral("stored only"), 0, 7);
    tree->addFile(alpha, QStringLiteral("plain only"), 5000, 0);
    tree->addFolder(alpha, QStringLiteral("abcdefghijklmnopq"));
    tree->addFolder(alpha, QStringLiteral("FileSystem"));
    tree->addFolder(tree->vault("Bravo"), QStringLiteral("filesystem"));

    model->setRootItem(container.isEmpty() ? TAVFileSystem::getInstance() : asContainer(tree->item(container)));
    model->setNameWrapped(wrapped);
    const QModelIndex index = indexOf(name, column);
    QVERIFY(index.isValid());
    QCOMPARE(model->data(index, role), expected);
}

void TestTAVFileSystemModel::icons_data()
{
    QTest::addColumn<int>("vaultType");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("overlay"); // empty: the image alone; "-": no icon

    QTest::newRow("unloaded local") << 3 << false << ":/res/error_32.png";
    QTest::newRow("unloaded partner") << 1 << false << ":/res/error_32.png";
    QTest::newRow("undefined") << 0 << true << ":/res/help2.png";
    QTest::newRow("partner") << 1 << true << "";
    QTest::newRow("flash drive") << 2 << true << ":/res/stick_32.png";
    QTest::newRow("local disk") << 3 << true << ":/res/harddrive_32.png";
    QTest::newRow("network") << 4 << true << ":/res/network_32.png";
    QTest::newRow("type 5") << 5 << true << "-";
}

void TestTAVFileSystemModel::icons()
{
    QFETCH(int, vaultType);
    QFETCH(bool, loaded);
    QFETCH(QString, overlay);

    TAVVault *vault = tree->addVault(QStringLiteral("Delta"), vaultType, loaded);
    model->setRootItem(TAVFileSystem::getInstance());
    const QModelIndex index = indexOf(vault->GetName());
    const QVariant icon = model->data(index, Qt::DecorationRole);
    if (overlay == QLatin1String("-")) {
        QVERIFY(!icon.isValid());
        return;
    }
    const QIcon expected = overlay.isEmpty() ? QIcon(":/res/vlmr_vault.png")
                                             : IconProvider::makeIcon(":/res/vault.png", overlay);
    QCOMPARE(imageOf(icon), imageOf(expected));
    QVERIFY(!model->data(model->index(index.row(), 1), Qt::DecorationRole).isValid());

    // Files and folders take the style's icons.
    model->setRootItem(tree->vault("Alpha"));
    QStyle *style = QApplication::style();
    QCOMPARE(imageOf(model->data(indexOf("big.bin"), Qt::DecorationRole)),
             imageOf(style->standardIcon(QStyle::SP_FileIcon)));
    // The style's closed folder, drawn as large as a file in the icon view.
    const QIcon folder = model->data(indexOf("Docs"), Qt::DecorationRole).value<QIcon>();
    QCOMPARE(folder.pixmap(16, 16).toImage(), style->standardIcon(QStyle::SP_DirClosedIcon).pixmap(16, 16).toImage());
    QCOMPARE(folder.actualSize(QSize(48, 48)), QSize(48, 48));
}

void TestTAVFileSystemModel::headers_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    const int h = Qt::Horizontal;
    const int d = Qt::DisplayRole;
    QTest::newRow("0") << 0 << h << d << QVariant("Name");
    QTest::newRow("1") << 1 << h << d << QVariant("Type");
    QTest::newRow("2") << 2 << h << d << QVariant("Date");
    QTest::newRow("3") << 3 << h << d << QVariant("Date Created");
    QTest::newRow("4") << 4 << h << d << QVariant("Size");
    QTest::newRow("5") << 5 << h << d << QVariant(QString());
    QTest::newRow("6") << 6 << h << d << QVariant();
    QTest::newRow("-1") << -1 << h << d << QVariant();
    QTest::newRow("vertical") << 0 << int(Qt::Vertical) << d << QVariant();
    QTest::newRow("tooltip") << 0 << h << int(Qt::ToolTipRole) << QVariant();
}

void TestTAVFileSystemModel::headers()
{
    QFETCH(int, section);
    QFETCH(int, orientation);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    QCOMPARE(model->headerData(section, Qt::Orientation(orientation), role), expected);
}

void TestTAVFileSystemModel::wrapAndShorten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("wrapped");
    QTest::addColumn<QString>("shortened");
    const QString a16 = QStringLiteral("ABCDEFGHIJKLMNOP");
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("14") << a16.left(14) << a16.left(14) << a16.left(14);
    QTest::newRow("15") << a16.left(15) << a16.left(15) << "ABCDEFGHIJKL...";
    QTest::newRow("16") << a16 << a16 << "ABCDEFGHIJKL...";
    QTest::newRow("17") << a16 + "q" << a16 + "\nq" << "ABCDEFGHIJKL...";
    QTest::newRow("32") << a16 + a16 << a16 + "\n" + a16 << "ABCDEFGHIJKL...";
    QTest::newRow("33") << a16 + a16 + "z" << a16 + "\n" + a16 + "\nz" << "ABCDEFGHIJKL...";
}

void TestTAVFileSystemModel::wrapAndShorten()
{
    QFETCH(QString, name);
    QFETCH(QString, wrapped);
    QFETCH(QString, shortened);
    QCOMPARE(TAVFileSystemModel::wrapDisplayName(name), wrapped);
    QCOMPARE(TAVFileSystemModel::shortenDisplayName(name), shortened);
}

void TestTAVFileSystemModel::sortKeepsColumnAndSignals()
{
    TAVVault *alpha = tree->vault("Alpha");
    // Created and modified dates in opposite orders.
    const QDateTime base(QDate(2022, 6, 1), QTime(12, 0));
    auto *old = tree->addFile(alpha, QStringLiteral("made early, changed late"));
    auto *young = tree->addFile(alpha, QStringLiteral("made late, changed early"));
    old->SetCreatedDate(base);
    young->SetCreatedDate(base.addDays(1));
    young->SetModifiedDate(base.addDays(2));
    old->SetModifiedDate(base.addDays(3));

    model->setRootItem(alpha);
    QSignalSpy sorted(model, &TAVFileSystemModel::modelSorted);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    auto firstFile = [this] {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString name = model->data(model->index(row, 0)).toString();
            if (name.startsWith(QLatin1String("made")))
                return name;
        }
        return QString();
    };

    // "Date" shows the modification date and orders by it (latest first going up).
    model->sort(2, Qt::AscendingOrder);
    QCOMPARE(sorted.count(), 1);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(firstFile(), QStringLiteral("made early, changed late"));
    // "Date Created" by the creation date.
    model->sort(3, Qt::AscendingOrder);
    QCOMPARE(firstFile(), QStringLiteral("made late, changed early"));

    // setRootItem sorts again by the last column and order, without the signal.
    old->SetCreatedDate(base.addDays(5));
    model->setRootItem(alpha);
    QCOMPARE(firstFile(), QStringLiteral("made early, changed late"));
    QCOMPARE(sorted.count(), 2);

    // With the shown container gone, sort only stores the column and order.
    TAVFolder *docs = static_cast<TAVFolder *>(tree->item("Alpha/Docs"));
    model->setRootItem(docs);
    alpha->removeItem(QStringLiteral("Docs"));
    QCOMPARE(model->rowCount(), 0);
    model->sort(0, Qt::DescendingOrder);
    QCOMPARE(sorted.count(), 2);
    model->setRootItem(alpha);
    QCOMPARE(model->data(model->index(0, 0)).toString(), QStringLiteral("Zeta.txt"));
}

void TestTAVFileSystemModel::staleIndexesGiveNothing_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("resetAfter");

    QTest::newRow("delete shown folder") << "Alpha/Docs" << "delete Docs" << false;
    QTest::newRow("delete shown folder, reset") << "Alpha/Docs" << "delete Docs" << true;
    QTest::newRow("delete rows") << "Alpha" << "delete rows" << false;
    QTest::newRow("delete rows, reset") << "Alpha" << "delete rows" << true;
    QTest::newRow("unload shown vault") << "Alpha" << "unload" << false;
    QTest::newRow("unload vault of shown folder") << "Alpha/Docs" << "unload" << false;
    QTest::newRow("unload, reset") << "Alpha/Docs" << "unload" << true;
    QTest::newRow("unload and remove vault") << "Alpha/Docs" << "unload and remove" << false;
    QTest::newRow("remove shown vault") << "Alpha" << "remove" << false;
    QTest::newRow("remove vault from root") << "" << "remove" << false;
    QTest::newRow("remove vault from root, reset") << "" << "remove" << true;
}

void TestTAVFileSystemModel::staleIndexesGiveNothing()
{
    QFETCH(QString, shown);
    QFETCH(QString, change);
    QFETCH(bool, resetAfter);

    TAVVault *alpha = tree->vault("Alpha");
    model->setRootItem(shown.isEmpty() ? TAVFileSystem::getInstance() : asContainer(tree->item(shown)));
    // Every index of an item that goes, with the item's address.
    QList<QPersistentModelIndex> persistent;
    QList<QModelIndex> old;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            old << model->index(row, column);
            persistent << old.last();
        }
    }
    QVERIFY(!old.isEmpty());
    QList<QModelIndex> gone;

    if (change == QLatin1String("delete Docs")) {
        gone = old;
        alpha->deleteItem(QStringLiteral("Docs"));
    } else if (change == QLatin1String("delete rows")) {
        for (const QModelIndex &index : old) {
            const QString name = model->itemFromIndex(index)->GetName();
            if (name == QLatin1String("beta") || name == QLatin1String("big.bin") || name == QLatin1String("1st"))
                gone << index;
        }
        alpha->deleteItem(QStringLiteral("1st"));
        alpha->removeItem(QStringLiteral("beta"));
        alpha->deleteItem(QStringLiteral("BIG.BIN"));
    } else if (change.startsWith(QLatin1String("unload"))) {
        gone = old;
        tree->unload(alpha);
        if (change.endsWith(QLatin1String("remove")))
            tree->removeVault(alpha);
    } else if (change == QLatin1String("remove")) {
        for (const QModelIndex &index : old) {
            if (!shown.isEmpty() || model->itemFromIndex(index) == alpha)
                gone << index;
        }
        tree->removeVault(alpha);
    }
    if (resetAfter)
        model->setRootItem(model->rootItem()); // the root once the shown container is gone

    for (const QModelIndex &index : gone) {
        QVERIFY(!model->itemFromIndex(index));
        for (int role = 0; role < 8; ++role)
            QVERIFY2(!model->data(index, role).isValid(), qPrintable(QString::number(role)));
    }
    // Whatever stayed is still itself.
    for (const QModelIndex &index : old) {
        if (TAVItem *item = model->itemFromIndex(index))
            QCOMPARE(model->data(index, Qt::ToolTipRole).toString(), item->GetName());
    }
    if (resetAfter) {
        for (const QPersistentModelIndex &index : persistent)
            QVERIFY(!index.isValid());
    }
}

QTEST_MAIN(TestTAVFileSystemModel)
#include "tst_tavfilesystemmodel.moc"
