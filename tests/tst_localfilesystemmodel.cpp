#include "filefixture.h"
#include "localfilesystemmodel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

#include <sys/time.h>

namespace {
// Also for folders, which QFile does not open.
bool setModified(const QString &path, const QDateTime &when)
{
    const timeval times[2] = {{time_t(when.toSecsSinceEpoch()), 0}, {time_t(when.toSecsSinceEpoch()), 0}};
    return ::utimes(QFile::encodeName(path).constData(), times) == 0;
}
} // namespace

// The local folder model: one folder's entries, their values, QDir's filters
// and order, and the listing that follows the disk.
class TestLocalFileSystemModel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void passesModelTester();
    void values_data();
    void values();
    void headers();
    void hiddenLinksAndDotsNotListed();
    void sortOrders_data();
    void sortOrders();
    void rootPathRules();
    void followsTheDisk();
    void fileInfoOfRows();
    void ownedByItsParent();

private:
    QStringList names() const;
    QString path(const QString &name) const { return dir->path() + QLatin1Char('/') + name; }
    void write(const QString &name, int size, const QDateTime &modified = QDateTime());
    QModelIndex indexOf(const QString &name, int column) const;

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<LocalFileSystemModel> model;
};

void TestLocalFileSystemModel::init()
{
    dir.reset(new QTemporaryDir);
    model.reset(new LocalFileSystemModel);
}

void TestLocalFileSystemModel::cleanup()
{
    model.reset();
    dir.reset();
}

void TestLocalFileSystemModel::write(const QString &name, int size, const QDateTime &modified)
{
    QVERIFY(FileFixture::write(path(name), QByteArray(size, 'x')));
    if (modified.isValid()) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
}

QStringList TestLocalFileSystemModel::names() const
{
    QStringList list;
    for (int row = 0; row < model->rowCount(); ++row)
        list << model->index(row, 0).data().toString();
    return list;
}

QModelIndex TestLocalFileSystemModel::indexOf(const QString &name, int column) const
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == name)
            return model->index(row, column);
    }
    return QModelIndex();
}

void TestLocalFileSystemModel::passesModelTester()
{
    QCOMPARE(model->objectName(), QStringLiteral("LocalFileSystemModel"));
    QAbstractItemModelTester tester(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), 0);
    write("b.txt", 3);
    write("A.txt", 2000);
    QVERIFY(QDir().mkpath(path("Sub/inner")));
    model->setRootPath(dir->path());
    QCOMPARE(model->rowCount(), 3);
    for (int column = 0; column < 5; ++column)
        model->sort(column, column % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
    model->setRootPath(path("Sub"));
    model->setRootPath(QString());
}

void TestLocalFileSystemModel::values_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    const int display = Qt::DisplayRole;
    QTest::newRow("0 bytes") << "empty.txt" << 4 << display << QVariant("0 KB");
    QTest::newRow("1 byte") << "one.bin" << 4 << display << QVariant("1 KB");
    QTest::newRow("1,023 bytes") << "k1023" << 4 << display << QVariant("1 KB");
    QTest::newRow("1,024 bytes") << "k1024" << 4 << display << QVariant("2 KB");
    QTest::newRow("folder size") << "Sub" << 4 << display << QVariant(QString());
    QTest::newRow("file type") << "one.bin" << 1 << display << QVariant("File");
    QTest::newRow("folder type") << "Sub" << 1 << display << QVariant("Folder");
    QTest::newRow("name") << "k1024" << 0 << display << QVariant("k1024");
    QTest::newRow("modified") << "k1024" << 3 << display
                              << QVariant(QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9)));
    QTest::newRow("tooltip name") << "k1024" << 0 << int(Qt::ToolTipRole) << QVariant("k1024");
    QTest::newRow("tooltip every column") << "Sub" << 4 << int(Qt::ToolTipRole) << QVariant("Sub");
    QTest::newRow("no decoration past name") << "Sub" << 1 << int(Qt::DecorationRole) << QVariant();
    QTest::newRow("no alignment") << "k1024" << 4 << int(Qt::TextAlignmentRole) << QVariant();
    QTest::newRow("no edit") << "k1024" << 0 << int(Qt::EditRole) << QVariant();
}

void TestLocalFileSystemModel::values()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    write("empty.txt", 0);
    write("one.bin", 1);
    write("k1023", 1023);
    write("k1024", 1024, QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9)));
    QVERIFY(QDir().mkpath(path("Sub")));
    model->setRootPath(dir->path());

    const QModelIndex index = indexOf(name, column);
    QVERIFY(index.isValid());
    QCOMPARE(model->data(index, role), expected);

    // Created: when the file was made, whatever its modification time says.
    const QDateTime created = model->data(indexOf("k1024", 2)).toDateTime();
    QVERIFY(qAbs(created.secsTo(QDateTime::currentDateTime())) < 600);
    QVERIFY(!model->data(indexOf(name, 0), Qt::DecorationRole).value<QIcon>().isNull());
}

void TestLocalFileSystemModel::headers()
{
    const QStringList texts({"Name", "Type", "Date Created", "Date", "Size"});
    for (int section = 0; section < texts.size(); ++section)
        QCOMPARE(model->headerData(section, Qt::Horizontal, Qt::DisplayRole), QVariant(texts.at(section)));
    QVERIFY(!model->headerData(5, Qt::Horizontal, Qt::DisplayRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Vertical, Qt::DisplayRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QCOMPARE(model->columnCount(), 5);
}

void TestLocalFileSystemModel::hiddenLinksAndDotsNotListed()
{
    write("seen.txt", 1);
    write(".hidden", 1);
    QVERIFY(QDir().mkpath(path(".hiddendir")));
    QVERIFY(QDir().mkpath(path("folder")));
    QVERIFY(FileFixture::symlink(path("seen.txt"), path("link to file")));
    QVERIFY(FileFixture::symlink(path("folder"), path("link to folder")));
    QVERIFY(FileFixture::symlink(path("nowhere"), path("dangling")));
    model->setRootPath(dir->path());
    QCOMPARE(names(), QStringList({"folder", "seen.txt"}));
}

void TestLocalFileSystemModel::sortOrders_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");
    const int up = Qt::AscendingOrder;
    const int down = Qt::DescendingOrder;
    // Files: apple.txt 300 bytes, oldest; Banana.md 10 bytes, newest; cherry.txt 2,000 bytes.
    // Folders: Zoo (newest folder), bin (oldest folder).
    QTest::newRow("name up") << 0 << up << QStringList({"bin", "Zoo", "apple.txt", "Banana.md", "cherry.txt"});
    QTest::newRow("name down") << 0 << down << QStringList({"cherry.txt", "Banana.md", "apple.txt", "Zoo", "bin"});
    QTest::newRow("size up") << 4 << up << QStringList({"bin", "Zoo", "cherry.txt", "apple.txt", "Banana.md"});
    QTest::newRow("modified up") << 3 << up << QStringList({"Zoo", "bin", "Banana.md", "cherry.txt", "apple.txt"});
    QTest::newRow("created sorts by modified") << 2 << up
                                               << QStringList({"Zoo", "bin", "Banana.md", "cherry.txt", "apple.txt"});
    QTest::newRow("modified down") << 3 << down
                                   << QStringList({"apple.txt", "cherry.txt", "Banana.md", "bin", "Zoo"});
    QTest::newRow("type up") << 1 << up << QStringList({"bin", "Zoo", "Banana.md", "apple.txt", "cherry.txt"});
}

void TestLocalFileSystemModel::sortOrders()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, expected);
    const QDateTime base(QDate(2020, 2, 2), QTime(10, 0));
    write("apple.txt", 300, base);
    write("Banana.md", 10, base.addDays(2));
    write("cherry.txt", 2000, base.addDays(1));
    QVERIFY(QDir().mkpath(path("Zoo")));
    QVERIFY(QDir().mkpath(path("bin")));
    QVERIFY(setModified(path("Zoo"), base.addDays(5)));
    QVERIFY(setModified(path("bin"), base.addDays(-5)));
    model->setRootPath(dir->path());
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    model->sort(column, Qt::SortOrder(order));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(names(), expected);
}

void TestLocalFileSystemModel::rootPathRules()
{
    QVERIFY(QDir().mkpath(path("one")));
    QVERIFY(QDir().mkpath(path("two")));
    write("one/a", 1);

    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    model->setRootPath(path("one"));
    QCOMPARE(model->rootPath(), path("one/"));
    QCOMPARE(names(), QStringList({"a"}));
    // The same path again re-reads the folder.
    write("one/b", 1);
    model->setRootPath(path("one/"));
    QCOMPARE(names(), QStringList({"a", "b"}));
    QCOMPARE(reset.count(), 2);

    // The watch moves with the listing: the old folder is no longer followed.
    model->setRootPath(path("two"));
    QCOMPARE(model->rowCount(), 0);
    write("one/c", 1);
    write("two/d", 1);
    QTRY_COMPARE(names(), QStringList({"d"}));
    QTest::qWait(200);
    QCOMPARE(names(), QStringList({"d"}));

    model->setRootPath(QString());
    QCOMPARE(model->rootPath(), QString());
    QCOMPARE(model->rowCount(), 0);

    // A folder that cannot be read lists nothing; no error.
    model->setRootPath(path("missing"));
    QCOMPARE(model->rootPath(), path("missing/"));
    QCOMPARE(model->rowCount(), 0);
}

void TestLocalFileSystemModel::followsTheDisk()
{
    write("first", 1);
    model->setRootPath(dir->path());
    QCOMPARE(model->rowCount(), 1);
    write("second", 10);
    QTRY_COMPARE(names(), QStringList({"first", "second"}));
    QVERIFY(QDir().mkpath(path("sub")));
    QTRY_COMPARE(names(), QStringList({"sub", "first", "second"}));
    QVERIFY(QFile::remove(path("first")));
    QTRY_COMPARE(names(), QStringList({"sub", "second"}));
    // Changes inside a sub-folder are not followed: no re-read.
    QTest::qWait(200); // the removal's notices have all come in
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    write("sub/deep", 1);
    QVERIFY(QDir().mkpath(path("sub/deeper")));
    QTest::qWait(300);
    QCOMPARE(reset.count(), 0);
    QVERIFY(QDir(path("sub")).removeRecursively());
    QTRY_COMPARE(names(), QStringList({"second"}));
}

void TestLocalFileSystemModel::fileInfoOfRows()
{
    write("x.txt", 5);
    model->setRootPath(dir->path());
    QCOMPARE(model->fileInfo(model->index(0, 3)).absoluteFilePath(), path("x.txt"));
    QCOMPARE(model->fileInfo(model->index(0, 3)).size(), qint64(5));
    QVERIFY(model->fileInfo(model->index(1, 0)).filePath().isEmpty());
    QVERIFY(model->fileInfo(QModelIndex()).filePath().isEmpty());
    QStandardItemModel other(3, 3);
    QVERIFY(model->fileInfo(other.index(0, 0)).filePath().isEmpty());
    QVERIFY(!model->data(other.index(0, 0)).isValid());
    QVERIFY(!model->index(0, 5).isValid());
    QVERIFY(!model->index(0, 0, model->index(0, 0)).isValid());

    // An index kept past a re-read that emptied the folder gives nothing.
    const QModelIndex old = model->index(0, 0);
    QVERIFY(QFile::remove(path("x.txt")));
    model->setRootPath(dir->path());
    QVERIFY(!model->data(old).isValid());
    QVERIFY(model->fileInfo(old).filePath().isEmpty());
}

void TestLocalFileSystemModel::ownedByItsParent()
{
    // The watcher belongs to the model alone: whichever goes first, each is
    // destroyed once.
    auto *parent = new QObject;
    auto *child = new LocalFileSystemModel(parent);
    child->setRootPath(dir->path());
    delete parent;

    QObject keeper;
    auto *alone = new LocalFileSystemModel(&keeper);
    alone->setRootPath(dir->path());
    delete alone;
    QVERIFY(keeper.children().isEmpty());
}

QTEST_MAIN(TestLocalFileSystemModel)
#include "tst_localfilesystemmodel.moc"
