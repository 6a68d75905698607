// Drag and drop on the vault and local views, sent as synthetic drag-enter,
// drag-move and drop events to a real main window over real vaults.
#include "appstate.h"
#include "windowdrive.h"
#include "confirmfiledeletedialog.h"
#include "fixeddrivelocator.h"
#include "localdirtreeview.h"
#include "localfilesystemmodel.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "scriptedprompter.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavfolder.h"
#include "tavlistview.h"
#include "tavprogressdialog.h"
#include "tavsettings.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "tavview.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileSystemModel>
#include <QMimeData>
#include <QStackedWidget>

#include <functional>
#include <memory>

namespace {

QByteArray pattern(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7 + i / 251);
    return bytes;
}

bool putFile(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeBytes(path, bytes);
}

// Every entry below a folder, hidden ones included, with sizes and dates.
QStringList snapshot(const QString &dir)
{
    QStringList lines;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        lines << info.filePath() + ' ' + QString::number(info.size()) + ' '
                + QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    lines.sort();
    return lines;
}

// Every entry of a folder, hidden ones and folders included, by name.
QStringList listing(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

QStringList texts(const ScriptedPrompter &prompter)
{
    QStringList seen;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        seen << p.text;
    return seen;
}

QMimeData *itemData(const QList<TAVItem *> &items, const QList<QUrl> &urls = {})
{
    auto *data = new QMimeData;
    TAVView::setItemPayload(data, items);
    if (!urls.isEmpty())
        data->setUrls(urls);
    return data;
}

QMimeData *urlData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

struct Over {
    bool entered = false;
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

Over dragOver(QAbstractItemView *view, const QPoint &pos, const QMimeData *data, bool shift = false)
{
    const Qt::KeyboardModifiers mods = shift ? Qt::ShiftModifier : Qt::NoModifier;
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, mods);
    QApplication::sendEvent(view->viewport(), &enter);
    QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, mods);
    QApplication::sendEvent(view->viewport(), &move);
    return {enter.isAccepted(), move.isAccepted(), move.dropAction()};
}

// The drop follows a drag-enter, as it always does: Qt hands the drop to the
// widget that took the enter. No drag-move: the drop is judged on its own.
Qt::DropAction drop(QAbstractItemView *view, const QPoint &pos, const QMimeData *data, bool shift = false)
{
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                          shift ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent event(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                     shift ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

// A prompter that runs a hook when it answers the n-th box (counted from 1).
class HookedPrompter : public ScriptedPrompter
{
public:
    int at = 0;
    std::function<void()> hook;
    int choose(QMessageBox *box) override
    {
        const int answer = ScriptedPrompter::choose(box);
        if (prompts.size() == at && hook)
            hook();
        return answer;
    }
};

// Answers the delete confirmation whenever it shows, and nothing else (the
// progress dialog may be modal above the window meanwhile).
class ConfirmAnswer : public QObject
{
public:
    explicit ConfirmAnswer(const QStringList &buttons = {})
        : queue(buttons)
    {
        connect(&timer, &QTimer::timeout, this, &ConfirmAnswer::poll);
        timer.start(5);
    }
    QStringList queue; // object names; "btnNo" once it is empty
    std::function<void()> before;
    int shown = 0;
    QStringList titles;

private:
    void poll()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<ConfirmFileDeleteDialog *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            ++shown;
            titles << dialog->windowTitle();
            if (before)
                before();
            ModalAnswerer::clickButton(dialog, queue.isEmpty() ? QStringLiteral("btnNo") : queue.takeFirst());
            return;
        }
    }
    QTimer timer;
};

const QString kReplaceItem = QStringLiteral(
    "There is already an item with the same name in this location. Do you want to replace it?");

} // namespace

class TestDragDrop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void payloadIsTheGoldenUtf16Text();
    void payloadOfAnotherProcessIsIgnored();
    void dragCursorFollowsTheUrlCount();
    void pathComponentsDecideInside_data();
    void pathComponentsDecideInside();
    void dragEnterFilters_data();
    void dragEnterFilters();

    void fourCases_data();
    void fourCases();
    void silentVaultDrops_data();
    void silentVaultDrops();
    void selfDropIsRefusedForEveryPath_data();
    void selfDropIsRefusedForEveryPath();
    void localSelfDropIsRefused_data();
    void localSelfDropIsRefused();
    void dragMoveNeverWrites();
    void replaceQuestion_data();
    void replaceQuestion();
    void mainBarRule_data();
    void mainBarRule();
    void cancelAfterKOfN();
    void moveConfirmation_data();
    void moveConfirmation();
    void moveIntoVaultRemovesOnlyStoredSources();
    void copyFailingMidwayKeepsEverySource();
    void lockClosedQuestionStopsTheCopy();
    void symlinkLoopIsSkipped();
    void movingTheShownFolderLeavesNoDanglingView();
    void movedTreeBetweenVaultsOfOtherKeys();
    void dragOutDecryptsIntoPrivateFolderWipedAtLock();
    void mouseStartsADragOnEveryView_data();
    void mouseStartsADragOnEveryView();
    void shiftDragToDiskRemovesOnlyWhatWasExtracted();
    void screenshotOfTheViews();

private:
    std::unique_ptr<MainWindow> makeWindow();
    // The contents views show `shown`; the local views list `folder`.
    void show(MainWindow *window, TAVItemContainer *shown, const QString &folder, bool icons);
    QPoint rowOf(QAbstractItemView *view, TAVItem *item);
    QPoint emptyArea(QAbstractItemView *view);

    QTemporaryDir dir;
    FixedDriveLocator drives;
    std::unique_ptr<HookedPrompter> prompter;
    std::unique_ptr<QTemporaryDir> work;
};

void TestDragDrop::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestDragDrop::init()
{
    prompter = std::make_unique<HookedPrompter>();
    work = std::make_unique<QTemporaryDir>(dir.filePath("work-XXXXXX"));
    QVERIFY(work->isValid());
    ConfirmFileDeleteDialog::storeDoNotAsk(false);
}

void TestDragDrop::cleanup()
{
    prompter.reset();
    work.reset();
    TAVFileSystem::getInstance()->removeAll();
}

std::unique_ptr<MainWindow> TestDragDrop::makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
    window->resize(1200, 800);
    window->show();
    return window;
}

void TestDragDrop::show(MainWindow *window, TAVItemContainer *shown, const QString &folder, bool icons)
{
    window->updateView(shown);
    if (icons)
        window->on_actionThumbnail_triggered();
    else
        window->on_actionDetails_triggered();
    auto *local = qobject_cast<LocalFileSystemModel *>(window->ui->fsTreeView->model());
    QVERIFY(local);
    local->setRootPath(folder);
    // The local icon view takes the same listing.
    if (window->ui->fsListView->model() != local)
        window->ui->fsListView->setModel(local);
    window->ui->fsListView->setViewMode(QListView::IconMode);
    window->ui->computerViewStackedWidget->setCurrentWidget(icons ? static_cast<QWidget *>(window->ui->fsListView)
                                                                   : window->ui->fsTreeView);
    QApplication::processEvents();
}

QPoint TestDragDrop::rowOf(QAbstractItemView *view, TAVItem *item)
{
    QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        if (TAVFileSystemModel::getInstance()->itemFromIndex(index) == item)
            return view->visualRect(index).center();
    }
    return QPoint(-1, -1);
}

QPoint TestDragDrop::emptyArea(QAbstractItemView *view)
{
    const QPoint corner(view->viewport()->width() - 5, view->viewport()->height() - 5);
    return view->indexAt(corner).isValid() ? QPoint(-1, -1) : corner;
}

void TestDragDrop::payloadIsTheGoldenUtf16Text()
{
    VaultFixture fixture;
    TAVVault *docs = fixture.addVault("Docs");
    TAVFile *a = fixture.addFile(docs, "a.txt", "a");
    TAVFolder *b = fixture.addFolder(docs, "b");
    QMimeData data;
    TAVView::setItemPayload(&data, {a, b});
    // Byte-order mark, then "Docs/a.txt|Docs/b" in UTF-16 little-endian (x86).
    const QByteArray golden = QByteArray::fromHex("fffe"
                                                  "44006f00630073002f00610"
                                                  "02e00740078007400"
                                                  "7c00"
                                                  "44006f00630073002f006200");
    QCOMPARE(data.data("application/x-tavitem"), golden);
    QCOMPARE(TAVView::itemPaths(&data), QStringList({"Docs/a.txt", "Docs/b"}));
    // Nothing but the paths travels in that format.
    QVERIFY(!data.data("application/x-tavitem").contains(TAVView::processIdentity()));
}

void TestDragDrop::payloadOfAnotherProcessIsIgnored()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    fixture.addFile(vault, "a.txt", "vault a");
    TAVFolder *target = fixture.addFolder(vault, "Target");
    const QString plain = work->filePath("src/a.txt");
    QVERIFY(putFile(plain, "from the disk"));
    show(window.get(), vault, work->path(), false);

    // Another copy's item payload beside its file URLs: the URLs are used.
    QMimeData data;
    data.setData("application/x-tavitem", TAVView::encodeItemPaths({"Alpha/a.txt"}));
    data.setData(TAVView::kOriginMimeType, "1 another-process");
    data.setUrls({QUrl::fromLocalFile(plain)});
    QVERIFY(!TAVView::hasOwnItems(&data));
    TAVTreeView *view = window->ui->treeView;
    const QPoint at = rowOf(view, target);
    QVERIFY(dragOver(view, at, &data).accepted);
    drop(view, at, &data);
    auto *added = qobject_cast<TAVFile *>(target->getItem("a.txt"));
    QVERIFY(added);
    QCOMPARE(fixture.plain(added), QByteArray("from the disk"));

    // Without URLs there is nothing to use.
    QMimeData bare;
    bare.setData("application/x-tavitem", TAVView::encodeItemPaths({"Alpha/a.txt"}));
    QVERIFY(!dragOver(view, at, &bare).entered);
}

void TestDragDrop::dragCursorFollowsTheUrlCount()
{
    auto window = makeWindow(); // its resources hold the pixmaps
    for (bool many : {false, true}) {
        QDrag drag(window.get());
        TAVView::setDragAndDropCursor(&drag, many);
        const QImage expected(many ? ":/res/files_24.png" : ":/res/file_24.png");
        QVERIFY(!expected.isNull());
        QCOMPARE(drag.pixmap().toImage().convertToFormat(expected.format()), expected);
        QCOMPARE(drag.hotSpot(), QPoint(expected.width() - 20, 0));
    }
}

void TestDragDrop::pathComponentsDecideInside_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("inside");
    QTest::newRow("itself") << "/a/Doc" << "/a/Doc" << true;
    QTest::newRow("below") << "/a/Doc/x/y" << "/a/Doc" << true;
    QTest::newRow("sibling sharing a prefix") << "/a/Documents" << "/a/Doc" << false;
    QTest::newRow("parent") << "/a" << "/a/Doc" << false;
    QTest::newRow("trailing separator") << "/a/Doc/x" << "/a/Doc/" << true;
    QTest::newRow("the root holds everything") << "/x" << "/" << true;
    QTest::newRow("vault paths") << "Alpha/Docs" << "Alpha/Doc" << false;
}

void TestDragDrop::pathComponentsDecideInside()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(bool, inside);
    QCOMPARE(TAVView::isSameOrInside(path, folder), inside);
}

void TestDragDrop::dragEnterFilters_data()
{
    QTest::addColumn<bool>("localTree");
    QTest::addColumn<QByteArray>("uriList");
    QTest::addColumn<bool>("ownItems");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("vault view, file url") << false << QByteArray("file:///tmp/a\r\n") << false << true;
    QTest::newRow("vault view, file url with a host") << false << QByteArray("file://host/a\r\n") << false << true;
    QTest::newRow("vault view, http first") << false << QByteArray("http://x/a\r\nfile:///b\r\n") << false << false;
    QTest::newRow("vault view, http and own items") << false << QByteArray("http://x/a\r\n") << true << true;
    QTest::newRow("local tree, file url") << true << QByteArray("file:///tmp/a\r\n") << false << true;
    QTest::newRow("local tree, file url with a host") << true << QByteArray("file://host/a\r\n") << false << false;
    QTest::newRow("local tree, own items") << true << QByteArray() << true << true;
}

void TestDragDrop::dragEnterFilters()
{
    QFETCH(bool, localTree);
    QFETCH(QByteArray, uriList);
    QFETCH(bool, ownItems);
    QFETCH(bool, accepted);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "a.txt", "a");
    QMimeData data;
    if (!uriList.isEmpty())
        data.setData("text/uri-list", uriList);
    if (ownItems)
        TAVView::setItemPayload(&data, {file});
    QAbstractItemView *view = localTree ? static_cast<QAbstractItemView *>(window->ui->fsDirView)
                                        : window->ui->treeView;
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QCOMPARE(enter.isAccepted(), accepted);
}

void TestDragDrop::fourCases_data()
{
    QTest::addColumn<bool>("icons");
    QTest::addColumn<int>("dropCase");
    QTest::addColumn<bool>("move");
    for (bool icons : {false, true})
        for (int dropCase = 1; dropCase <= 4; ++dropCase)
            for (bool move : {false, true})
                QTest::addRow("%s, case %d, %s", icons ? "list view" : "tree view", dropCase,
                              move ? "move" : "copy")
                    << icons << dropCase << move;
}

void TestDragDrop::fourCases()
{
    QFETCH(bool, icons);
    QFETCH(int, dropCase);
    QFETCH(bool, move);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    const QByteArray vaultBytes = pattern(70000, 1), diskBytes = pattern(5000, 2);
    TAVFile *file = fixture.addFile(vault, "a.txt", vaultBytes);
    TAVFolder *target = fixture.addFolder(vault, "Target");
    const QString source = work->filePath("src/local.txt");
    const QString dst = work->filePath("dst");
    QVERIFY(putFile(source, diskBytes));
    QVERIFY(QDir().mkpath(dst));
    show(window.get(), vault, dst, icons);

    const bool vaultSide = dropCase <= 2;
    QAbstractItemView *view = vaultSide
        ? (icons ? static_cast<QAbstractItemView *>(window->ui->listView) : window->ui->treeView)
        : (icons ? static_cast<QAbstractItemView *>(window->ui->fsListView) : window->ui->fsTreeView);
    const QPoint at = vaultSide ? rowOf(view, target) : emptyArea(view);
    QVERIFY(at.x() >= 0);
    std::unique_ptr<QMimeData> data(dropCase % 2 == 1 ? itemData({file}) : urlData({source}));

    const Over over = dragOver(view, at, data.get(), move);
    QVERIFY(over.entered);
    QVERIFY(over.accepted);
    QCOMPARE(over.action, move ? Qt::MoveAction : Qt::CopyAction);

    ConfirmAnswer confirm({"btnYes"}); // the originals may go
    drop(view, at, data.get(), move);
    QCOMPARE(confirm.shown, move && dropCase != 1 ? 1 : 0);
    QVERIFY(!window->busy);
    QCOMPARE(texts(*prompter), QStringList());

    switch (dropCase) {
    case 1: {
        auto *copy = qobject_cast<TAVFile *>(target->getItem("a.txt"));
        QVERIFY(copy);
        QCOMPARE(fixture.plain(copy), vaultBytes);
        QCOMPARE(vault->getItem("a.txt") != nullptr, !move);
        break;
    }
    case 2: {
        auto *added = qobject_cast<TAVFile *>(target->getItem("local.txt"));
        QVERIFY(added);
        QCOMPARE(fixture.plain(added), diskBytes);
        QCOMPARE(QFileInfo::exists(source), !move);
        break;
    }
    case 3:
        QCOMPARE(fileBytes(dst + "/a.txt"), vaultBytes);
        QCOMPARE(vault->getItem("a.txt") != nullptr, !move);
        break;
    case 4:
        QCOMPARE(fileBytes(dst + "/local.txt"), diskBytes);
        QCOMPARE(QFileInfo::exists(source), !move);
        break;
    }
}

void TestDragDrop::silentVaultDrops_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("the shown container's empty area") << "empty";
    QTest::newRow("a file row means the shown container") << "file";
    QTest::newRow("the folder the item is in") << "own folder";
    QTest::newRow("the dragged folder itself") << "itself";
}

void TestDragDrop::silentVaultDrops()
{
    QFETCH(QString, where);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *other = fixture.addFile(vault, "other.txt", "o");
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    TAVFile *inner = fixture.addFile(docs, "inner.txt", "i");
    show(window.get(), vault, work->path(), false);
    TAVTreeView *view = window->ui->treeView;
    const QStringList before = VaultFixture::describe(vault);

    QPoint at;
    std::unique_ptr<QMimeData> data;
    if (where == "empty") {
        at = emptyArea(view);
        data.reset(itemData({inner}));
    } else if (where == "file") {
        at = rowOf(view, other);
        data.reset(itemData({inner}));
    } else if (where == "own folder") {
        at = rowOf(view, docs);
        data.reset(itemData({inner}));
    } else {
        at = rowOf(view, docs);
        data.reset(itemData({docs}));
    }
    QVERIFY(at.x() >= 0);
    for (bool shift : {false, true}) {
        // The cursor tells the truth: what the drop would skip is refused.
        QVERIFY(!dragOver(view, at, data.get(), shift).accepted);
        drop(view, at, data.get(), shift);
        QCOMPARE(VaultFixture::describe(vault), before);
        QCOMPARE(texts(*prompter), QStringList());
    }
}

void TestDragDrop::selfDropIsRefusedForEveryPath_data()
{
    QTest::addColumn<bool>("icons");
    QTest::newRow("tree view") << false;
    QTest::newRow("list view") << true;
}

void TestDragDrop::selfDropIsRefusedForEveryPath()
{
    QFETCH(bool, icons);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *doc = fixture.addFolder(vault, "Doc");
    TAVFolder *documents = fixture.addFolder(vault, "Documents");
    TAVFolder *loose = fixture.addFolder(vault, "Loose");
    fixture.addFile(doc, "d.txt", "d");
    TAVFolder *sub = fixture.addFolder(documents, "Sub");
    show(window.get(), documents, work->path(), icons);
    QAbstractItemView *view = icons ? static_cast<QAbstractItemView *>(window->ui->listView)
                                    : window->ui->treeView;

    // Doc dropped onto Sub below its sibling Documents: only a shared prefix.
    {
        std::unique_ptr<QMimeData> data(itemData({doc}));
        const QPoint at = rowOf(view, sub);
        QVERIFY(dragOver(view, at, data.get()).accepted);
        drop(view, at, data.get());
        QVERIFY(sub->getItem("Doc"));
        QCOMPARE(texts(*prompter), QStringList());
    }
    // Loose and Documents dropped onto Sub, which lies inside the second
    // dragged path: refused while dragging, and the drop copies nothing.
    const QStringList before = VaultFixture::describe(vault);
    std::unique_ptr<QMimeData> data(itemData({loose, documents}));
    const QPoint at = rowOf(view, sub);
    for (bool shift : {false, true})
        QVERIFY(!dragOver(view, at, data.get(), shift).accepted);
    drop(view, at, data.get(), true);
    QCOMPARE(VaultFixture::describe(vault), before);
    QCOMPARE(texts(*prompter), QStringList({"Can not move 'Alpha/Documents' to 'Alpha/Documents/Sub'!"}));
}

void TestDragDrop::localSelfDropIsRefused_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("target"); // relative to the work folder
    QTest::addColumn<bool>("accepted");
    for (const char *view : {"fsTreeView", "fsListView", "fsDirView"}) {
        QTest::addRow("%s: into the second dragged folder", view) << view << "D" << false;
        QTest::addRow("%s: below the second dragged folder", view) << view << "D/sub" << false;
        QTest::addRow("%s: the folder the file is in", view) << view << "" << false;
        QTest::addRow("%s: a sibling sharing the prefix", view) << view << "Documents" << true;
    }
}

void TestDragDrop::localSelfDropIsRefused()
{
    QFETCH(QString, view);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    auto window = makeWindow();
    const QString base = work->path();
    QVERIFY(putFile(base + "/x.txt", "x"));
    QVERIFY(putFile(base + "/D/sub/s.txt", "s"));
    QVERIFY(QDir().mkpath(base + "/Documents"));
    std::unique_ptr<QMimeData> data(urlData({base + "/x.txt", base + "/D"}));
    const QString folder = target.isEmpty() ? base : base + "/" + target;

    QAbstractItemView *v = nullptr;
    QPoint at;
    if (view == "fsDirView") {
        auto *tree = window->ui->fsDirView;
        auto *files = qobject_cast<QFileSystemModel *>(tree->model());
        QVERIFY(files);
        const QModelIndex index = files->index(folder);
        QVERIFY(index.isValid());
        tree->scrollTo(index);
        tree->setCurrentIndex(index);
        // The file-system model fills in the background.
        QTRY_VERIFY(tree->visualRect(index).isValid() && tree->indexAt(tree->visualRect(index).center()) == index);
        v = tree;
        at = tree->visualRect(index).center();
    } else {
        show(window.get(), TAVFileSystem::getInstance(), folder, view == "fsListView");
        v = view == "fsListView" ? static_cast<QAbstractItemView *>(window->ui->fsListView) : window->ui->fsTreeView;
        at = emptyArea(v);
    }
    QVERIFY(at.x() >= 0);
    const QStringList before = snapshot(base);
    QCOMPARE(dragOver(v, at, data.get(), true).accepted, accepted);
    if (accepted)
        return; // the copy itself is the four cases' business
    ConfirmAnswer confirm;
    drop(v, at, data.get(), true);
    QCOMPARE(confirm.shown, 0);
    QCOMPARE(snapshot(base), before);
}

void TestDragDrop::dragMoveNeverWrites()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "a.txt", "a");
    const QString base = work->path();
    QVERIFY(putFile(base + "/src/x.txt", "x"));
    QVERIFY(QDir().mkpath(base + "/dst"));
    show(window.get(), vault, base + "/dst", false);
    const QStringList before = snapshot(base);
    std::unique_ptr<QMimeData> items(itemData({file}));
    std::unique_ptr<QMimeData> urls(urlData({base + "/src/x.txt"}));
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(window->ui->fsTreeView),
                                    static_cast<QAbstractItemView *>(window->ui->fsListView)})
        for (const QMimeData *data : {items.get(), urls.get()})
            QVERIFY(dragOver(view, emptyArea(view), data).accepted);
    QCOMPARE(snapshot(base), before);
}

void TestDragDrop::replaceQuestion_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QStringList>("replaced"); // of "a.txt", "b.txt"
    QTest::newRow("Yes, Yes") << QList<int>{0, 0} << 2 << QStringList{"a.txt", "b.txt"};
    QTest::newRow("Yes to All silences it") << QList<int>{1} << 1 << QStringList{"a.txt", "b.txt"};
    QTest::newRow("No keeps the old item and goes on") << QList<int>{2, 0} << 2 << QStringList{"b.txt"};
    QTest::newRow("closed by the lock keeps it and stops") << QList<int>{-1} << 1 << QStringList{};
}

void TestDragDrop::replaceQuestion()
{
    QFETCH(QList<int>, answers);
    QFETCH(int, questions);
    QFETCH(QStringList, replaced);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *from = fixture.addFolder(vault, "From");
    TAVFolder *to = fixture.addFolder(vault, "To");
    TAVFile *a = fixture.addFile(from, "a.txt", "new a");
    TAVFile *b = fixture.addFile(from, "b.txt", "new b");
    fixture.addFile(to, "a.txt", "old a");
    fixture.addFile(to, "B.TXT", "old b");
    show(window.get(), vault, work->path(), false);
    prompter->choices = answers;
    std::unique_ptr<QMimeData> data(itemData({a, b}));
    const QPoint at = rowOf(window->ui->treeView, to);
    QVERIFY(dragOver(window->ui->treeView, at, data.get()).accepted);
    drop(window->ui->treeView, at, data.get());
    QStringList expectedTexts;
    for (int i = 0; i < questions; ++i)
        expectedTexts << kReplaceItem;
    QCOMPARE(texts(*prompter), expectedTexts);
    for (const char *name : {"a.txt", "b.txt"}) {
        auto *now = qobject_cast<TAVFile *>(to->getItem(name));
        QVERIFY(now);
        const QByteArray expected = (replaced.contains(name) ? "new " : "old ") + QByteArray(name).left(1);
        QCOMPARE(fixture.plain(now), expected);
    }
}

void TestDragDrop::mainBarRule_data()
{
    QTest::addColumn<int>("dropCase");
    QTest::addColumn<QStringList>("dragged"); // "f" a file, "d" a folder
    QTest::addColumn<bool>("visible");
    for (int dropCase : {2, 3, 4}) {
        QTest::addRow("case %d, one file", dropCase) << dropCase << QStringList{"f"} << false;
        QTest::addRow("case %d, one folder", dropCase) << dropCase << QStringList{"d"} << true;
        QTest::addRow("case %d, two files", dropCase) << dropCase << QStringList{"f", "g"} << true;
    }
}

void TestDragDrop::mainBarRule()
{
    QFETCH(int, dropCase);
    QFETCH(QStringList, dragged);
    QFETCH(bool, visible);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *target = fixture.addFolder(vault, "Target");
    const QString base = work->path();
    QVERIFY(QDir().mkpath(base + "/dst"));
    QList<TAVItem *> items;
    QStringList paths;
    for (const QString &kind : dragged) {
        if (kind == "d") {
            TAVFolder *folder = fixture.addFolder(vault, "d");
            fixture.addFile(folder, "in.txt", "in");
            items << folder;
            QVERIFY(putFile(base + "/src/d/in.txt", "in"));
        } else {
            items << fixture.addFile(vault, kind + ".txt", kind.toLatin1());
            QVERIFY(putFile(base + "/src/" + kind + ".txt", kind.toLatin1()));
        }
        paths << base + "/src/" + (kind == "d" ? QString("d") : kind + ".txt");
    }
    show(window.get(), vault, base + "/dst", false);
    // The rule is read while the job runs: at the first question of a
    // replace, which an existing entry brings up.
    bool seen = false;
    bool wasVisible = false;
    prompter->at = 1;
    prompter->choices = {0};
    prompter->hook = [&] {
        seen = true;
        wasVisible = window->progressDialog->isMainProgressVisible();
    };
    std::unique_ptr<QMimeData> data(dropCase == 3 ? itemData(items) : urlData(paths));
    if (dropCase == 2) {
        if (dragged.first() == "d")
            fixture.addFile(fixture.addFolder(target, "d"), "in.txt", "old");
        else
            fixture.addFile(target, dragged.first() + ".txt", "old");
        drop(window->ui->treeView, rowOf(window->ui->treeView, target), data.get());
    } else {
        QVERIFY(putFile(base + "/dst/" + (dragged.first() == "d" ? QString("d/in.txt") : dragged.first() + ".txt"), "old"));
        drop(window->ui->fsTreeView, emptyArea(window->ui->fsTreeView), data.get());
    }
    QVERIFY(seen);
    QCOMPARE(wasVisible, visible);
}

void TestDragDrop::cancelAfterKOfN()
{
    // Four files copied onto the disk; the user cancels while the second is
    // handled (at its replace question): it completes, the rest are not copied.
    auto window = makeWindow();
    const QString base = work->path();
    QStringList paths;
    for (int i = 1; i <= 4; ++i) {
        paths << base + QString("/src/f%1.txt").arg(i);
        QVERIFY(putFile(paths.last(), QByteArray::number(i)));
    }
    QVERIFY(putFile(base + "/dst/f2.txt", "old"));
    show(window.get(), TAVFileSystem::getInstance(), base + "/dst", false);
    prompter->choices = {0};
    prompter->at = 1;
    prompter->hook = [&] { window->progressDialog->cancel(); };
    std::unique_ptr<QMimeData> data(urlData(paths));
    ConfirmAnswer confirm({"btnYes"});
    drop(window->ui->fsTreeView, emptyArea(window->ui->fsTreeView), data.get(), true);
    QCOMPARE(confirm.shown, 1);
    QCOMPARE(listing(base + "/dst"), QStringList({"f1.txt", "f2.txt"}));
    QCOMPARE(fileBytes(base + "/dst/f2.txt"), QByteArray("2"));
    // The first was moved; the cancelled one and those never reached stay.
    QCOMPARE(listing(base + "/src"), QStringList({"f2.txt", "f3.txt", "f4.txt"}));
    QVERIFY(!window->busy);
}

void TestDragDrop::moveConfirmation_data()
{
    QTest::addColumn<int>("dropCase");
    QTest::addColumn<QString>("answer"); // "yes", "yes, ticked", "no", "never ask" (stored before)
    QTest::addColumn<bool>("removed");
    for (int dropCase : {2, 3, 4}) {
        QTest::addRow("case %d, Yes", dropCase) << dropCase << "yes" << true;
        QTest::addRow("case %d, Yes with the box ticked", dropCase) << dropCase << "yes, ticked" << true;
        QTest::addRow("case %d, No", dropCase) << dropCase << "no" << false;
        QTest::addRow("case %d, told never to ask", dropCase) << dropCase << "never ask" << true;
    }
}

void TestDragDrop::moveConfirmation()
{
    QFETCH(int, dropCase);
    QFETCH(QString, answer);
    QFETCH(bool, removed);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *target = fixture.addFolder(vault, "Target");
    TAVFile *file = fixture.addFile(vault, "a.txt", "vault");
    const QString base = work->path();
    QVERIFY(putFile(base + "/src/a.txt", "disk"));
    QVERIFY(QDir().mkpath(base + "/dst"));
    show(window.get(), vault, base + "/dst", false);
    if (answer == "never ask")
        QCOMPARE(ConfirmFileDeleteDialog::storeDoNotAsk(true), 0);
    ConfirmAnswer confirm({answer.startsWith("yes") ? "btnYes" : "btnNo"});
    confirm.before = [answer] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<ConfirmFileDeleteDialog *>(widget))
                dialog->findChild<QCheckBox *>("chkDoNotAsk")->setChecked(answer == "yes, ticked");
    };
    std::unique_ptr<QMimeData> data(dropCase == 3 ? itemData({file}) : urlData({base + "/src/a.txt"}));
    if (dropCase == 2)
        drop(window->ui->treeView, rowOf(window->ui->treeView, target), data.get(), true);
    else
        drop(window->ui->fsTreeView, emptyArea(window->ui->fsTreeView), data.get(), true);
    QCOMPARE(confirm.shown, answer == "never ask" ? 0 : 1);
    if (answer != "never ask")
        QCOMPARE(confirm.titles.value(0), QString::fromUtf8("Kolvane\u2122 vave - Confirm file delete"));
    // Only a ticked box (or the earlier choice) stops the question for good.
    QCOMPARE(ConfirmFileDeleteDialog::isSwitchedOff(), answer == "yes, ticked" || answer == "never ask");
    if (dropCase == 3) {
        QCOMPARE(fileBytes(base + "/dst/a.txt"), QByteArray("vault"));
        QCOMPARE(vault->getItem("a.txt") == nullptr, removed);
    } else {
        QVERIFY(dropCase == 2 ? target->getItem("a.txt") != nullptr : QFileInfo::exists(base + "/dst/a.txt"));
        QCOMPARE(QFileInfo::exists(base + "/src/a.txt"), !removed);
    }
}

void TestDragDrop::moveIntoVaultRemovesOnlyStoredSources()
{
    // Three files moved into a vault folder: the first is refused (" No " to
    // its replace question), the others are stored. Only those go, and only
    // once the index on the disk lists them.
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *target = fixture.addFolder(vault, "Target");
    fixture.addFile(target, "a.txt", "old a");
    QVERIFY(vault->save() == 0);
    const QString base = work->path();
    QStringList paths;
    for (const char *name : {"a.txt", "b.txt"})
        paths << base + "/src/" + name;
    paths << base + "/src/folder";
    QVERIFY(putFile(paths.at(0), "new a"));
    QVERIFY(putFile(paths.at(1), "new b"));
    QVERIFY(putFile(base + "/src/folder/c.txt", "c"));
    QVERIFY(putFile(base + "/src/folder/.hidden", "not stored"));
    show(window.get(), vault, base, false);
    prompter->choices = {2}; // " No " to replacing a.txt
    bool listedBeforeAsking = false;
    ConfirmAnswer confirm({"btnYes"});
    confirm.before = [&] {
        // Asked after the save: the index on the disk already lists them.
        TAVVault check(nullptr, "Alpha", vault->getFullPhysicalVaultPath(), vault->getCipher(), vault->getKey());
        QCOMPARE(check.load(), 0);
        auto *listed = qobject_cast<TAVItemContainer *>(check.getItem("Target"));
        const bool listsThem = listed && listed->getItem("b.txt") && listed->getItem("folder");
        check.removeAll();
        QVERIFY(listsThem);
        listedBeforeAsking = listsThem;
    };
    std::unique_ptr<QMimeData> data(urlData(paths));
    drop(window->ui->treeView, rowOf(window->ui->treeView, target), data.get(), true);
    QCOMPARE(confirm.shown, 1);
    QVERIFY(listedBeforeAsking);
    QCOMPARE(listing(base + "/src"), QStringList({"a.txt", "folder"}));
    QCOMPARE(listing(base + "/src/folder"), QStringList({".hidden"}));
    QCOMPARE(fixture.plain(qobject_cast<TAVFile *>(target->getItem("a.txt"))), QByteArray("old a"));
}

void TestDragDrop::copyFailingMidwayKeepsEverySource()
{
    // In move mode, a folder one of whose files can't be copied (a folder of
    // its name is in the way) keeps every source, and so does a later file
    // that the failure did not reach.
    auto window = makeWindow();
    const QString base = work->path();
    QVERIFY(putFile(base + "/src/S/a.txt", "a"));
    QVERIFY(putFile(base + "/src/S/b.txt", "b"));
    QVERIFY(putFile(base + "/src/S/c.txt", "c"));
    QVERIFY(QDir().mkpath(base + "/dst/S/b.txt"));
    show(window.get(), TAVFileSystem::getInstance(), base + "/dst", false);
    prompter->choices = {1}; // "Yes to All" to merging into the folder
    const QStringList before = snapshot(base + "/src");
    std::unique_ptr<QMimeData> data(urlData({base + "/src/S"}));
    ConfirmAnswer confirm; // none may be asked: nothing is deleted
    drop(window->ui->fsTreeView, emptyArea(window->ui->fsTreeView), data.get(), true);
    QCOMPARE(confirm.shown, 0);
    QCOMPARE(snapshot(base + "/src"), before);
    QCOMPARE(fileBytes(base + "/dst/S/c.txt"), QByteArray("c"));

    // The same copy alone, without questions: its result says it failed.
    bool ask = false;
    window->progressDialog->reset();
    QVERIFY(!window->copyDir(base + "/src/S", base + "/dst", ask, "S"));
}

void TestDragDrop::lockClosedQuestionStopsTheCopy()
{
    auto window = makeWindow();
    const QString base = work->path();
    QVERIFY(putFile(base + "/src/a.txt", "new a"));
    QVERIFY(putFile(base + "/src/b.txt", "new b"));
    QVERIFY(putFile(base + "/dst/a.txt", "old a"));
    show(window.get(), TAVFileSystem::getInstance(), base + "/dst", false);
    prompter->choices = {-1};
    std::unique_ptr<QMimeData> data(urlData({base + "/src/a.txt", base + "/src/b.txt"}));
    ConfirmAnswer confirm;
    drop(window->ui->fsTreeView, emptyArea(window->ui->fsTreeView), data.get(), true);
    QCOMPARE(confirm.shown, 0);
    QCOMPARE(texts(*prompter), QStringList({"The file '" + base
                                            + "/dst/a.txt' already exist. Would you like to replace the "
                                              "existing file?"}));
    QCOMPARE(fileBytes(base + "/dst/a.txt"), QByteArray("old a"));
    QVERIFY(!QFileInfo::exists(base + "/dst/b.txt"));
    QCOMPARE(listing(base + "/src"), QStringList({"a.txt", "b.txt"}));
}

void TestDragDrop::symlinkLoopIsSkipped()
{
    auto window = makeWindow();
    const QString base = work->path();
    QVERIFY(putFile(base + "/src/T/a.txt", "a"));
    QVERIFY(QFile::link(base + "/src/T", base + "/src/T/loop"));
    QVERIFY(putFile(base + "/other/o.txt", "o"));
    QVERIFY(QFile::link(base + "/other", base + "/src/T/elsewhere"));
    QVERIFY(QDir().mkpath(base + "/dst"));
    bool ask = true;
    window->progressDialog->reset();
    QVERIFY(window->copyDir(base + "/src/T", base + "/dst", ask, "T"));
    QCOMPARE(listing(base + "/dst/T"), QStringList({"a.txt", "elsewhere"}));
    // A link to a folder elsewhere is copied as that folder.
    QCOMPARE(fileBytes(base + "/dst/T/elsewhere/o.txt"), QByteArray("o"));
}

void TestDragDrop::movingTheShownFolderLeavesNoDanglingView()
{
    // The folder shown in the contents views is moved by a drop on the
    // folder tree; repaints while the drop runs and after it find only live items.
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *alpha = fixture.addVault("Alpha");
    TAVVault *beta = fixture.addVault("Beta", TAV_AES128);
    TAVFolder *docs = fixture.addFolder(alpha, "Docs");
    fixture.addFile(docs, "a.txt", pattern(3000, 5));
    show(window.get(), docs, work->path(), false);
    window->resetDirView();
    TAVTreeView *tree = window->ui->dirView;
    TAVFileSystemTreeModel *model = TAVFileSystemTreeModel::getInstance();
    QModelIndex betaIndex;
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->itemFromIndex(model->index(row, 0)) == beta)
            betaIndex = model->index(row, 0);
    QVERIFY(betaIndex.isValid());
    const QPoint at = tree->visualRect(betaIndex).center();
    std::unique_ptr<QMimeData> data(itemData({docs}));
    QVERIFY(dragOver(tree, at, data.get(), true).accepted);
    QPointer<TAVFolder> watched = docs;
    QTimer repaint;
    connect(&repaint, &QTimer::timeout, [&] {
        window->ui->treeView->repaint();
        window->ui->listView->repaint();
        tree->repaint();
    });
    repaint.start(0);
    drop(tree, at, data.get(), true);
    repaint.stop();
    auto *moved = qobject_cast<TAVFolder *>(beta->getItem("Docs"));
    QVERIFY(moved);
    QVERIFY(!alpha->getItem("Docs"));
    QVERIFY(!watched || watched == moved);
    QCOMPARE(fixture.plain(qobject_cast<TAVFile *>(moved->getItem("a.txt"))), pattern(3000, 5));
    TAVItemContainer *shown = TAVFileSystemModel::getInstance()->rootItem();
    QVERIFY(shown == alpha || shown == beta || shown == moved);
    window->ui->treeView->repaint();
    tree->repaint();
}

void TestDragDrop::movedTreeBetweenVaultsOfOtherKeys()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *alpha = fixture.addVault("Alpha", TAV_AES256, TAVKey());
    TAVVault *beta = fixture.addVault("Beta", TAV_AES128, TAVKey());
    TAVFolder *tree = fixture.addFolder(alpha, "Tree");
    const QByteArray one = pattern(150000, 7), two = pattern(17, 8), three = pattern(65536, 9);
    fixture.addFile(tree, "one.bin", one);
    TAVFolder *sub = fixture.addFolder(tree, "sub");
    fixture.addFile(sub, "two.txt", two);
    fixture.addFile(fixture.addFolder(sub, "deeper"), "three.dat", three);
    fixture.addFolder(tree, "empty");
    TAVFolder *into = fixture.addFolder(beta, "Into");
    QCOMPARE(alpha->save(), 0);
    QCOMPARE(beta->save(), 0);
    show(window.get(), alpha, work->path(), false);

    // Dragged from Alpha's contents onto Beta's folder in the folder tree.
    window->resetDirView();
    TAVTreeView *dirView = window->ui->dirView;
    TAVFileSystemTreeModel *model = TAVFileSystemTreeModel::getInstance();
    QModelIndex betaIndex;
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->itemFromIndex(model->index(row, 0)) == beta)
            betaIndex = model->index(row, 0);
    dirView->expand(betaIndex);
    const QModelIndex intoIndex = model->index(0, 0, betaIndex);
    QCOMPARE(model->itemFromIndex(intoIndex), static_cast<TAVItem *>(into));
    const QPoint at = dirView->visualRect(intoIndex).center();
    std::unique_ptr<QMimeData> data(itemData({tree}));
    QVERIFY(dragOver(dirView, at, data.get(), true).accepted);
    drop(dirView, at, data.get(), true);
    QCOMPARE(texts(*prompter), QStringList());
    QVERIFY(!alpha->getItem("Tree"));

    // Both indexes as the disk has them: every file listed has its body,
    // and Beta's decrypt to the original bytes under Beta's key and cipher.
    QThreadPool::globalInstance()->waitForDone();
    const QHash<QString, QByteArray> expected{{"Into/Tree/one.bin", one},
                                              {"Into/Tree/sub/two.txt", two},
                                              {"Into/Tree/sub/deeper/three.dat", three}};
    for (TAVVault *vault : {alpha, beta}) {
        TAVVault check(nullptr, vault->GetName(), vault->getFullPhysicalVaultPath(), vault->getCipher(),
                       vault->getKey());
        QCOMPARE(check.load(), 0);
        int files = 0;
        std::function<void(TAVItemContainer *, const QString &)> walk = [&](TAVItemContainer *c,
                                                                            const QString &path) {
            for (int i = 0; i < c->getItemCount(); ++i) {
                TAVItem *item = c->getItemAt(i);
                const QString p = path.isEmpty() ? item->GetName() : path + "/" + item->GetName();
                if (auto *file = qobject_cast<TAVFile *>(item)) {
                    ++files;
                    QVERIFY2(QFileInfo::exists(file->getFullPhysicalFileName()), qPrintable(p));
                    QCOMPARE(fixture.decryptBody(file->getFullPhysicalFileName(), vault->getCipher(),
                                                 vault->getKey()),
                             expected.value(p));
                } else {
                    walk(static_cast<TAVItemContainer *>(item), p);
                }
            }
        };
        walk(&check, QString());
        QCOMPARE(files, vault == beta ? 3 : 0);
        const bool movedInto = check.getItem("Into")
            && static_cast<TAVItemContainer *>(check.getItem("Into"))->getItem("Tree");
        check.removeAll();
        QCOMPARE(movedInto, vault == beta);
    }
    QCOMPARE(VaultFixture::bodies(alpha), QStringList());
}

void TestDragDrop::dragOutDecryptsIntoPrivateFolderWipedAtLock()
{
    auto window = makeWindow();
    QVERIFY(!AppState::tempPath.isEmpty());
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    const QByteArray a = pattern(90000, 3), b = pattern(12, 4);
    TAVFile *file = fixture.addFile(vault, "a.txt", a);
    file->SetModifiedDate(QDateTime(QDate(2019, 3, 14), QTime(15, 9, 26)));
    TAVFolder *folder = fixture.addFolder(vault, "Docs");
    fixture.addFile(folder, "b.bin", b);
    show(window.get(), vault, work->path(), false);

    std::unique_ptr<QMimeData> data(TAVView::makeVaultDragData(window->ui->treeView, {file, folder}));
    QVERIFY(data);
    QCOMPARE(TAVView::itemPaths(data.get()), QStringList({"Alpha/a.txt", "Alpha/Docs"}));
    const QList<QUrl> urls = data->urls();
    QCOMPARE(urls.size(), 2);
    const QString dragFolder = QFileInfo(urls.first().toLocalFile()).absolutePath();
    QVERIFY2(dragFolder.startsWith(AppState::tempPath + "/"), qPrintable(dragFolder));
    QCOMPARE(QFileInfo(dragFolder).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFileDevice::Permissions());
    QCOMPARE(fileBytes(urls.at(0).toLocalFile()), a);
    QCOMPARE(QFileInfo(urls.at(0).toLocalFile()).lastModified(), file->GetModifiedDate());
    QCOMPARE(fileBytes(urls.at(1).toLocalFile() + "/b.bin"), b);
    // Vaults are never dragged.
    QVERIFY(!TAVView::makeVaultDragData(window->ui->treeView, {file, vault}));

    // Kept after the drag (a file manager may still be copying), gone at the lock.
    QVERIFY(QFileInfo(dragFolder).isDir());
    window->on_actionLock_triggered();
    QVERIFY(!QFileInfo::exists(dragFolder));
    QVERIFY(TAVView::dragFolders().isEmpty());
}

void TestDragDrop::mouseStartsADragOnEveryView_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("copies"); // plain copies are made for the drag
    QTest::newRow("details") << "treeView" << true;
    QTest::newRow("icons") << "listView" << true;
    QTest::newRow("local folder tree") << "fsDirView" << false;
    QTest::newRow("local list") << "fsTreeView" << false;
}

// Pressed on an item and moved past the drag distance, as a person drags: the
// drag begins. Refused, it leaves no plain copy behind; taken by another
// application, its copies wait for the lock.
void TestDragDrop::mouseStartsADragOnEveryView()
{
    QFETCH(QString, view);
    QFETCH(bool, copies);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    fixture.addFile(docs, "inner.txt", "inner");
    TAVFile *file = fixture.addFile(vault, "a.txt", "plain a");
    QVERIFY(putFile(work->path() + "/local.txt", "local"));
    const bool icons = view == "listView";
    show(window.get(), vault, work->path(), icons);
    if (icons)
        window->ui->tavViewStackedWidget->setCurrentWidget(window->ui->listView);

    auto *target = window->findChild<QAbstractItemView *>(view);
    QVERIFY(target);
    QVERIFY(target->isVisible());
    QPoint at;
    if (view == "fsTreeView") {
        auto *local = qobject_cast<LocalFileSystemModel *>(target->model());
        QModelIndex row;
        for (int i = 0; i < local->rowCount(); ++i)
            if (local->fileInfo(local->index(i, 0)).fileName() == "local.txt")
                row = local->index(i, 0);
        QVERIFY(row.isValid());
        at = target->visualRect(row).center();
    } else if (view == "fsDirView") {
        auto *tree = qobject_cast<QTreeView *>(target);
        auto *folders = qobject_cast<QFileSystemModel *>(tree->model());
        QVERIFY(folders);
        const QModelIndex index = folders->index(work->path());
        QVERIFY(index.isValid());
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
            tree->expand(up);
        QTRY_VERIFY((tree->scrollTo(index), tree->viewport()->rect().contains(tree->visualRect(index).center())));
        at = tree->visualRect(index).center();
    } else {
        at = rowOf(target, file);
    }
    QVERIFY(target->viewport()->rect().contains(at));

    // The drag loop answered as a refusal, then as a drop onto another
    // application.
    for (const Qt::DropAction answer : {Qt::IgnoreAction, Qt::CopyAction}) {
        int began = 0;
        QStringList copiesSeen;
        TAVView::setDragRunner([&](QDrag *drag) {
            ++began;
            for (const QUrl &url : drag->mimeData()->urls())
                if (QFileInfo::exists(url.toLocalFile()) && !url.toLocalFile().startsWith(work->path()))
                    copiesSeen << url.toLocalFile();
            return answer;
        });
        QTest::mousePress(target->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        const QPoint past = at + QPoint(QApplication::startDragDistance() + 4, 0);
        QMouseEvent move(QEvent::MouseMove, past, target->viewport()->mapToGlobal(past), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target->viewport(), &move);
        QTest::mouseRelease(target->viewport(), Qt::LeftButton, Qt::NoModifier, past);
        TAVView::setDragRunner(nullptr);
        QCOMPARE(began, 1);
        QCOMPARE(copiesSeen.size(), copies ? 1 : 0);
        if (answer == Qt::IgnoreAction) {
            // Refused: its copies are gone at once, not at the lock.
            QVERIFY(TAVView::dragFolders().isEmpty());
            for (const QString &copy : copiesSeen)
                QVERIFY2(!QFileInfo::exists(copy), qPrintable(copy));
        } else {
            // Another application may still be reading them: kept until the lock.
            QCOMPARE(TAVView::dragFolders().size(), copies ? 1 : 0);
            for (const QString &copy : copiesSeen)
                QVERIFY2(QFileInfo::exists(copy), qPrintable(copy));
            window->on_actionLock_triggered();
            for (const QString &copy : copiesSeen)
                QVERIFY2(!QFileInfo::exists(copy), qPrintable(copy));
        }
    }
}

// A Shift-drag onto the disk moves: only the items written whole leave the
// vault; one whose replacing the user refused stays.
void TestDragDrop::shiftDragToDiskRemovesOnlyWhatWasExtracted()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *a = fixture.addFile(vault, "a.txt", "vault a");
    TAVFile *b = fixture.addFile(vault, "b.txt", "vault b");
    const QString base = work->path();
    QVERIFY(putFile(base + "/dst/b.txt", "disk b"));
    show(window.get(), vault, base + "/dst", false);
    prompter->choices = {2}; // " No " to replacing b.txt
    ConfirmAnswer confirm({"btnYes"});
    std::unique_ptr<QMimeData> data(itemData({a, b}));
    drop(window->ui->fsTreeView, emptyArea(window->ui->fsTreeView), data.get(), true);
    QCOMPARE(confirm.shown, 1);
    QCOMPARE(fileBytes(base + "/dst/a.txt"), QByteArray("vault a"));
    QCOMPARE(fileBytes(base + "/dst/b.txt"), QByteArray("disk b"));
    QVERIFY(!vault->getItem("a.txt"));
    auto *kept = qobject_cast<TAVFile *>(vault->getItem("b.txt"));
    QVERIFY(kept);
    QCOMPARE(fixture.plain(kept), QByteArray("vault b"));
}

void TestDragDrop::screenshotOfTheViews()
{
    if (!ScreenShot::enabled())
        QSKIP("screenshots only under a real X server with KV_SHOT_DIR");
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    fixture.addVault("Beta", TAV_AES128);
    TAVFolder *letters = fixture.addFolder(vault, "Letters");
    fixture.addFolder(letters, "2019");
    fixture.addFolder(vault, "Photos");
    fixture.addFile(vault, "notes.txt", pattern(1200, 1));
    fixture.addFile(vault, "budget.xlsx", pattern(48000, 2));
    fixture.addFile(vault, "a rather long file name for wrapping.pdf", pattern(250000, 3));
    QVERIFY(putFile(work->filePath("local/report.doc"), "r"));
    QVERIFY(QDir().mkpath(work->filePath("local/Pictures")));
    window->resetDirView();
    window->ui->dirView->expandAll();
    show(window.get(), vault, work->filePath("local"), false);
    QVERIFY(ScreenShot::take("dnd-details"));
    window->on_actionList_triggered();
    QVERIFY(ScreenShot::take("dnd-list"));
    window->on_actionThumbnail_triggered();
    QVERIFY(ScreenShot::take("dnd-icons"));
    // An empty folder shows its hint.
    window->updateView(fixture.addFolder(vault, "Empty"));
    window->on_actionDetails_triggered();
    QVERIFY(ScreenShot::take("dnd-empty-hint"));
}

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
