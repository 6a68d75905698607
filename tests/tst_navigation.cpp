#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "scriptedprompter.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavlistview.h"
#include "tavsearchindex.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "useddrive.h"
#include "usbstick.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include <memory>

namespace {

const QString kPassword = QStringLiteral("Correct horse 7");

QStringList shownNames(QAbstractItemView *view)
{
    QStringList names;
    QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 0).data(Qt::DisplayRole).toString().remove(QLatin1Char('\n'));
    names.sort(Qt::CaseInsensitive);
    return names;
}

TAVItemContainer *containerAt(const QString &path)
{
    return qobject_cast<TAVItemContainer *>(TAVFileSystem::getInstance()->findItemByPath(path));
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void searchListsMatchesAndGivesTheVaultsBack_data();
    void searchListsMatchesAndGivesTheVaultsBack();
    void viewModes_data();
    void viewModes();
    void backAndForwardBringTheChosenModeBack();
    void folderTreeFindsPathsExactly_data();
    void folderTreeFindsPathsExactly();
    void folderTreeClickLoadsAnUnloadedVault();
    void screenshots();

private:
    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    std::unique_ptr<MainWindow> window;
};

void TestNavigation::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    drive = dir.filePath("drive") + "/";
    QVERIFY(QDir().mkpath(drive));
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    TAVStickManager::update();
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
    QVERIFY(layOutUsedDrive(drive, kPassword,
                            {{"Alpha", drive + "Alpha",
                              {"Letters/", "Letters/Invoice march.txt", "Letters/invitation.txt",
                               "Letters/Old/", "Letters/Old/inventory.csv", "Photo.jpg"}},
                             {"Bravo", drive + "Bravo", {"Inbox/", "Inbox/notes.txt"}}}));
}

// An unlocked window showing the root.
void TestNavigation::init()
{
    window = std::make_unique<MainWindow>();
    window->ui->ledPassword->setText(kPassword);
    QTest::keyClick(window->ui->ledPassword, Qt::Key_Return);
    QVERIFY(!window->isScreenLocked());
}

void TestNavigation::cleanup()
{
    window.reset();
    TAVSearchIndex::getInstance()->clear();
    TAVFileSystem::getInstance()->removeAll();
}

void TestNavigation::searchListsMatchesAndGivesTheVaultsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("two letters") << "in" << QStringList({"Inbox", "inventory.csv", "invitation.txt", "Invoice march.txt"});
    QTest::newRow("other case") << "INVO" << QStringList({"Invoice march.txt"});
    QTest::newRow("a vault") << "br" << QStringList({"Bravo"});
    QTest::newRow("inside a name") << "voice" << QStringList();
}

void TestNavigation::searchListsMatchesAndGivesTheVaultsBack()
{
    QFETCH(QString, text);
    Ui_MainWindowClass *ui = window->ui;
    window->updateView(containerAt("Alpha"));
    QTest::keyClicks(ui->qSearchLed, text);
    QTEST(shownNames(ui->treeView), "found");
    QTEST(shownNames(ui->listView), "found");
    QCOMPARE(ui->treeView->model()->objectName(), QString("TAVSearchModel"));
    QVERIFY(!ui->treeView->dragEnabled() && !ui->listView->acceptDrops());
    QVERIFY(!ui->actionAdd_Files->isEnabled());
    QVERIFY(!ui->actionNew_Folder->isEnabled());
    QVERIFY(!ui->actionAdd_Existing_Vault->isEnabled());
    QCOMPARE(ui->treeView->columnWidth(0), 250);

    ui->qSearchLed->clear();
    QCOMPARE(ui->treeView->model(), static_cast<QAbstractItemModel *>(TAVFileSystemModel::getInstance()));
    QCOMPARE(ui->listView->model(), static_cast<QAbstractItemModel *>(TAVFileSystemModel::getInstance()));
    QVERIFY(ui->treeView->dragEnabled() && ui->listView->acceptDrops());
    QCOMPARE(shownNames(ui->treeView), QStringList({"Letters", "Photo.jpg"}));
    QCOMPARE(QApplication::focusWidget() == ui->qSearchLed || !QApplication::focusWidget(), true);
}

void TestNavigation::viewModes_data()
{
    QTest::addColumn<QString>("shown");  // path of the container shown
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("viewMode");   // QListView::ViewMode, on page 1
    QTest::addColumn<int>("iconSize");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QString>("checked");
    QTest::newRow("root, Details") << "" << "actionDetails" << 1 << int(QListView::IconMode) << 48 << 10 << "actionDetails";
    QTest::newRow("root, List") << "" << "actionList" << 1 << int(QListView::IconMode) << 48 << 10 << "actionList";
    QTest::newRow("root, Icons") << "" << "actionThumbnail" << 1 << int(QListView::IconMode) << 48 << 10 << "actionThumbnail";
    QTest::newRow("vault, Details") << "Alpha" << "actionDetails" << 0 << -1 << 0 << 0 << "actionDetails";
    QTest::newRow("vault, List") << "Alpha" << "actionList" << 1 << int(QListView::ListMode) << 16 << 0 << "actionList";
    QTest::newRow("folder, Icons") << "Alpha/Letters" << "actionThumbnail" << 1 << int(QListView::IconMode) << 48 << 10 << "actionThumbnail";
}

void TestNavigation::viewModes()
{
    QFETCH(QString, shown);
    QFETCH(QString, action);
    QFETCH(int, page);
    Ui_MainWindowClass *ui = window->ui;
    window->updateView(containerAt(shown));
    window->findChild<QAction *>(action)->trigger();
    QCOMPARE(ui->tavViewStackedWidget->currentIndex(), page);
    if (page == 1) {
        QTEST(int(ui->listView->viewMode()), "viewMode");
        QTEST(ui->listView->iconSize().width(), "iconSize");
        QTEST(ui->listView->spacing(), "spacing");
        // Files and folders are drawn at the view's icon size: a folder as large as a file.
        const QSize size = ui->listView->iconSize();
        QAbstractItemModel *model = ui->listView->model();
        for (int row = 0; row < model->rowCount(ui->listView->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, ui->listView->rootIndex());
            const TAVItem *item = TAVFileSystemModel::getInstance()->itemFromIndex(index);
            if (item->GetClassID() != TAV_CLASS_FILE && item->GetClassID() != TAV_CLASS_FOLDER)
                continue;
            const QSize drawn = index.data(Qt::DecorationRole).value<QIcon>().actualSize(size);
            QVERIFY2(drawn == size, qPrintable(QString("%1 drawn at %2 px").arg(item->GetName()).arg(drawn.width())));
        }
    }
    QFETCH(QString, checked);
    for (QAction *mode : {ui->actionDetails, ui->actionList, ui->actionThumbnail})
        QCOMPARE(mode->isChecked(), mode->objectName() == checked);
}

// List chosen at the root shows icons there; entering a folder through the
// history brings the list back.
void TestNavigation::backAndForwardBringTheChosenModeBack()
{
    Ui_MainWindowClass *ui = window->ui;
    TAVItemContainer *alpha = containerAt("Alpha");
    TAVItemContainer *letters = containerAt("Alpha/Letters");
    window->enterHistory(alpha);
    window->enterHistory(letters);
    window->updateView(letters);
    ui->actionMoveHome->trigger();
    ui->actionList->trigger();
    QCOMPARE(ui->listView->viewMode(), QListView::IconMode);
    QVERIFY(ui->actionList->isChecked());

    ui->actionMoveBack->trigger(); // the parent of Letters
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), alpha);
    QCOMPARE(ui->tavViewStackedWidget->currentIndex(), 1);
    QCOMPARE(ui->listView->viewMode(), QListView::ListMode);
    QVERIFY(ui->actionList->isChecked());
    ui->actionMoveForward->trigger();
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), letters);
    QCOMPARE(ui->listView->viewMode(), QListView::ListMode);

    ui->actionDetails->trigger();
    ui->actionMoveBack->trigger();
    ui->actionMoveBack->trigger(); // the root: icons, Details still chosen
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), TAVFileSystem::getInstance());
    QCOMPARE(ui->tavViewStackedWidget->currentIndex(), 1);
    QVERIFY(ui->actionDetails->isChecked());
    QVERIFY(ui->lblStatusText->text().isEmpty());
    // Entering A, going back and entering C keeps A.
    window->enterHistory(containerAt("Bravo"));
    QCOMPARE(window->history, QStringList({"Alpha", "Alpha/Letters", "Bravo"}));
    QCOMPARE(window->historyIndex, 3);
}

void TestNavigation::folderTreeFindsPathsExactly_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::newRow("a vault") << "Bravo" << true;
    QTest::newRow("a deep folder") << "Alpha/Letters/Old" << true;
    QTest::newRow("other letter case") << "Alpha/letters" << false;
    QTest::newRow("a file") << "Alpha/Photo.jpg" << false;
    QTest::newRow("nowhere") << "Alpha/None" << false;
}

void TestNavigation::folderTreeFindsPathsExactly()
{
    QFETCH(QString, path);
    QAbstractItemModel *tree = window->ui->dirView->model();
    QModelIndex found;
    for (int row = 0; row < tree->rowCount() && !found.isValid(); ++row)
        found = window->findDirViewItem(tree->index(row, 0), path);
    QTEST(found.isValid(), "found");
    if (found.isValid())
        QCOMPARE(TAVFileSystemTreeModel::getInstance()->itemFromIndex(found)->GetFullPath(), path);
}

void TestNavigation::folderTreeClickLoadsAnUnloadedVault()
{
    auto *bravo = qobject_cast<TAVVault *>(containerAt("Bravo"));
    TAVSearchIndex::getInstance()->clear();
    window->resetDirView();
    bravo->unload();
    QVERIFY(!bravo->isLoaded());
    QAbstractItemModel *tree = window->ui->dirView->model();
    QModelIndex at;
    for (int row = 0; row < tree->rowCount(); ++row)
        if (TAVFileSystemTreeModel::getInstance()->itemFromIndex(tree->index(row, 0)) == bravo)
            at = tree->index(row, 0);
    QVERIFY(at.isValid());
    window->on_dirView_clicked(at);
    QVERIFY(bravo->isLoaded());
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), static_cast<TAVItemContainer *>(bravo));
    // The index was built again over what the load made.
    QCOMPARE(TAVSearchIndex::getInstance()->searchItems("notes").size(), 1);
}

// With KV_SHOT_DIR set: the login page and the main page in each view mode.
void TestNavigation::screenshots()
{
    const QString shots = QString::fromLocal8Bit(qgetenv("KV_SHOT_DIR"));
    if (shots.isEmpty())
        QSKIP("KV_SHOT_DIR not set");
    window->resize(1024, 580);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    Ui_MainWindowClass *ui = window->ui;
    window->updateView(containerAt("Alpha/Letters"));
    const struct { QAction *action; const char *name; } modes[] = {
        {ui->actionDetails, "details"}, {ui->actionList, "list"}, {ui->actionThumbnail, "icons"}};
    for (const auto &mode : modes) {
        mode.action->trigger();
        QTest::qWait(200);
        QVERIFY(window->grab().save(shots + "/shot-main-" + mode.name + ".png"));
    }
    window->on_actionMoveHome_triggered();
    QTest::qWait(200);
    QVERIFY(window->grab().save(shots + "/shot-main-root.png"));
    window->on_actionLock_triggered();
    QTest::qWait(200);
    QVERIFY(window->grab().save(shots + "/shot-login.png"));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
