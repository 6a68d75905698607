// Copy, cut and paste of vault items and Move Item, run through the main
// window's slots on loaded vaults with real bodies: what lands where, what
// the bodies decrypt to, what the indexes on the disk list afterwards, and
// every question asked on the way.
#include "fixeddrivelocator.h"
#include "windowdrive.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "localfilesystemmodel.h"
#include "scriptedprompter.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemtreemodel.h"
#include "tavfolder.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavlistview.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"
#include "windowselection.h"

#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QMimeData>
#include <QProgressDialog>
#include <QTextCodec>

#include <functional>
#include <memory>

namespace {

const QString copyFormat = QStringLiteral("application/x-qt-windows-mime;value='Copy'");
const QString cutFormat = QStringLiteral("application/x-qt-windows-mime;value='Cut'");
const QString replaceText = QStringLiteral(
    "There is already a file with the same name in this location. Do you want to replace it?");

TAVKey keyOf(char seed)
{
    QByteArray bytes(128, '\0');
    for (int i = 0; i < 128; ++i)
        bytes[i] = char(seed + 7 * i);
    return TAVKey::fromHex(QString::fromLatin1(bytes.toHex()));
}

TAVFileSystem *root()
{
    return TAVFileSystem::getInstance();
}

template <typename T = TAVItem>
T *at(const QString &path)
{
    return qobject_cast<T *>(root()->findItemByPath(path));
}

// Every item below a container by its path inside it: "Docs/a.txt".
QStringList paths(const TAVItemContainer *container)
{
    const int prefix = container->GetFullDisplayPath().size() + 1;
    QStringList names;
    for (const QString &line : VaultFixture::describe(container))
        names << line.section(QLatin1Char(' '), 0, 0).mid(prefix);
    names.sort();
    return names;
}

QStringList childNames(const TAVItemContainer *container)
{
    QStringList names;
    for (int i = 0; i < container->getItemCount(); ++i)
        names << container->getItemAt(i)->GetName();
    names.sort();
    return names;
}

// What the vault's index on the disk lists, read by a vault of its own.
QStringList indexed(const TAVVault *vault)
{
    auto *reader = new TAVVault(root(), QStringLiteral("reader"), vault->getFullPhysicalVaultPath(),
                                vault->getCipher(), vault->getKey());
    QStringList names = reader->load() == 0 ? paths(reader) : QStringList{QStringLiteral("<not loaded>")};
    reader->removeAll();
    delete reader;
    return names;
}

QStringList promptTexts(const ScriptedPrompter &prompter)
{
    QStringList texts;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        texts << p.text;
    return texts;
}

QStringList clipboardFormats()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data ? data->formats() : QStringList();
}

// A prompter that does something to the window (press Cancel, lock) while
// the question is up, then answers from its script.
class ActingPrompter : public ScriptedPrompter
{
public:
    std::function<void()> during;
    int choose(QMessageBox *box) override
    {
        if (during)
            during();
        return ScriptedPrompter::choose(box);
    }
};

} // namespace

class TestClipboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void copyAndCutPaste_data();
    void copyAndCutPaste();
    void lockClearsTheProgramsClipboard();
    void replaceQuestion_data();
    void replaceQuestion();
    void refusedPasteIsReported_data();
    void refusedPasteIsReported();
    void cancelledPasteKeepsWhatWasDone();
    void lockDuringPasteStopsAndSaves();
    void moveItemToChosenFolder_data();
    void moveItemToChosenFolder();
    void selectAllInTheVaultPane();
    void disabledOpenInFileManagerDoesNothing();
    void localBrowserBesideAVault();

private:
    TAVVault *addVault(const QString &name, TAVCipher cipher, const TAVKey &key, bool loaded = true);
    TAVFile *addFile(TAVItemContainer *parent, const QString &name, const QByteArray &bytes);
    // Every file below the container decrypts to the bytes it was made from.
    void verifyBodies(const TAVItemContainer *container);
    void paste(TAVItemContainer *target);
    void refreshFolderTree() { TAVFileSystemTreeModel::getInstance()->setRootItem(root()); }

    QTemporaryDir dir;
    FixedDriveLocator drives;
    std::unique_ptr<VaultFixture> files;
    std::unique_ptr<MainWindow> window;
    QHash<QString, QByteArray> made; // plain bytes by item name
    TAVVault *a = nullptr;
    TAVVault *b = nullptr;
};

void TestClipboard::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestClipboard::init()
{
    files = std::make_unique<VaultFixture>();
    made.clear();
    MainWindow::key = TAVKey(QStringLiteral("pw"));
    window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
    // Two vaults of different keys and ciphers: bodies re-encrypted between them.
    a = addVault("A", TAV_AES256, keyOf('a'));
    b = addVault("B", TAV_AES512, keyOf('b'));
    TAVFolder *docs = a->addFolder("Docs");
    addFile(docs, "a.txt", "first document");
    QByteArray big(70000, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 31 + i / 256);
    addFile(docs->addFolder("Sub"), "b.bin", big);
    addFile(a, "top.txt", "top of the vault");
    a->addFolder("Other");
    b->addFolder("Inbox");
    QCOMPARE(a->save(), 0);
    QCOMPARE(b->save(), 0);
    MainWindow::vaultCipher = TAV_AES256;
    QApplication::clipboard()->clear();
}

void TestClipboard::cleanup()
{
    window.reset();
    QThreadPool::globalInstance()->waitForDone();
    root()->removeAll();
    files.reset();
    MainWindow::key = TAVKey();
}

TAVVault *TestClipboard::addVault(const QString &name, TAVCipher cipher, const TAVKey &key, bool loaded)
{
    const QString folder = files->path("vaults/" + name);
    QDir().mkpath(folder);
    auto *vault = new TAVVault(root(), name, folder, cipher, key);
    vault->setLoaded(loaded);
    root()->addItem(vault);
    return vault;
}

TAVFile *TestClipboard::addFile(TAVItemContainer *parent, const QString &name, const QByteArray &bytes)
{
    made.insert(name, bytes);
    return files->addFile(parent, name, bytes);
}

void TestClipboard::verifyBodies(const TAVItemContainer *container)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        if (item->GetClassID() == TAV_CLASS_FILE)
            QVERIFY2(files->plain(static_cast<TAVFile *>(item)) == made.value(item->GetName()),
                     qPrintable(item->GetFullPath()));
        else
            verifyBodies(static_cast<TAVItemContainer *>(item));
    }
}

void TestClipboard::paste(TAVItemContainer *target)
{
    WindowSelection::selectVaultItems(window.get(), target, {});
    window->on_actionPasteItem_triggered();
}

// ---- Copy, cut and paste ----------------------------------------------------

void TestClipboard::copyAndCutPaste_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("target");
    QTest::newRow("copy within one vault") << false << "A/Other";
    QTest::newRow("copy across vaults") << false << "B/Inbox";
    QTest::newRow("cut within one vault") << true << "A/Other";
    QTest::newRow("cut across vaults") << true << "B/Inbox";
}

void TestClipboard::copyAndCutPaste()
{
    QFETCH(bool, cut);
    QFETCH(QString, target);
    ScriptedPrompter prompter;
    const QStringList aBefore = paths(a);
    WindowSelection::selectVaultItems(window.get(), a, {at("A/Docs"), at("A/top.txt")});
    if (cut)
        window->on_actionCutItem_triggered();
    else
        window->on_actionCopyItem_triggered();

    // The payload: full paths joined by "|", UTF-16 with a byte-order mark,
    // under the one type of the action.
    const QString text = QStringLiteral("A/Docs|A/top.txt");
    QByteArray expected("\xff\xfe");
    for (const QChar c : text) {
        expected += char(c.unicode() & 0xff);
        expected += char(c.unicode() >> 8);
    }
    QCOMPARE(clipboardFormats(), QStringList{cut ? cutFormat : copyFormat});
    QCOMPARE(QApplication::clipboard()->mimeData()->data(cut ? cutFormat : copyFormat), expected);

    auto *into = at<TAVItemContainer>(target);
    paste(into);
    QCOMPARE(promptTexts(prompter), QStringList());
    QCOMPARE(childNames(into), (QStringList{"Docs", "top.txt"}));
    QCOMPARE(paths(at<TAVItemContainer>(target + "/Docs")), (QStringList{"Sub", "Sub/b.bin", "a.txt"}));
    verifyBodies(a);
    verifyBodies(b);
    // The sources stay after a copy and are gone after a cut.
    QCOMPARE(at("A/Docs") == nullptr, cut);
    QCOMPARE(at("A/top.txt") == nullptr, cut);
    if (!cut)
        for (const QString &path : aBefore)
            QVERIFY2(paths(a).contains(path), qPrintable(path));

    // Both indexes on the disk hold what the window shows.
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(indexed(a), paths(a));
    QCOMPARE(indexed(b), paths(b));
    // A body for each file, nothing left behind.
    QCOMPARE(VaultFixture::bodies(a).size(), paths(a).filter(QRegularExpression("\\.(txt|bin)$")).size());
    QCOMPARE(VaultFixture::bodies(b).size(), paths(b).filter(QRegularExpression("\\.(txt|bin)$")).size());

    // Pasted once: the clipboard is empty, and a second paste, even onto a
    // new item at an old path, does nothing.
    QCOMPARE(clipboardFormats(), QStringList());
    if (cut)
        files->addFile(a, "top.txt", "made after the cut");
    const QStringList aAfter = paths(a);
    const QStringList intoAfter = paths(into);
    paste(into);
    QCOMPARE(paths(a), aAfter);
    QCOMPARE(paths(into), intoAfter);
    QCOMPARE(promptTexts(prompter), QStringList());
}

// ---- The replace question -----------------------------------------------------

// Copy and Cut put the items' vault paths on the system clipboard: the lock
// takes them off again, and leaves anything another program put there.
void TestClipboard::lockClearsTheProgramsClipboard()
{
    WindowSelection::selectVaultItems(window.get(), a, {at("A/top.txt")});
    window->on_actionCopyItem_triggered();
    QCOMPARE(clipboardFormats(), QStringList{copyFormat});
    window->on_actionLock_triggered();
    QCOMPARE(clipboardFormats(), QStringList());

    QApplication::clipboard()->setText("another program's text");
    window->on_actionLock_triggered();
    QCOMPARE(QApplication::clipboard()->text(), QString("another program's text"));
}

void TestClipboard::replaceQuestion_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("replaced");
    QTest::addColumn<bool>("lastCopied");
    QTest::newRow("Yes at the first replaces all three") << QList<int>{0} << QStringList{"r1.txt", "r2.txt", "r3.txt"} << true;
    QTest::newRow("No asks again at each") << QList<int>{1, 1, 1} << QStringList{} << true;
    QTest::newRow("No, then Yes") << QList<int>{1, 0} << QStringList{"r2.txt", "r3.txt"} << true;
    QTest::newRow("closed by a lock: nothing more") << QList<int>{-1} << QStringList{} << false;
}

void TestClipboard::replaceQuestion()
{
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, replaced);
    QFETCH(bool, lastCopied);
    TAVFolder *src = a->addFolder("Src");
    for (const char *name : {"r1.txt", "r2.txt", "r3.txt", "z.txt"})
        addFile(src, name, QByteArray("new ") + name);
    auto *inbox = at<TAVFolder>("B/Inbox");
    // A folder clashes with a file of its name in another case.
    TAVFolder *clashing = inbox->addFolder("R1.TXT");
    const QString innerBody = files->addFile(clashing, "inner.txt", "old inner")->getFullPhysicalFileName();
    files->addFile(inbox, "r2.txt", "old r2.txt");
    files->addFile(inbox, "r3.txt", "old r3.txt");
    QCOMPARE(b->save(), 0);

    ScriptedPrompter prompter;
    prompter.choices = answers;
    WindowSelection::selectVaultItems(window.get(), src, {at("A/Src/r1.txt"), at("A/Src/r2.txt"),
                                                          at("A/Src/r3.txt"), at("A/Src/z.txt")});
    window->on_actionCopyItem_triggered();
    paste(inbox);

    QStringList asked;
    for (int i = 0; i < answers.size(); ++i)
        asked << replaceText;
    QCOMPARE(promptTexts(prompter), asked);
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        QCOMPARE(p.buttonTexts, (QStringList{" Yes ", " No "}));
    for (const QString name : {"r1.txt", "r2.txt", "r3.txt"}) {
        TAVItem *item = inbox->getItem(name);
        QVERIFY(item);
        if (replaced.contains(name)) {
            QCOMPARE(item->GetClassID(), int(TAV_CLASS_FILE));
            QCOMPARE(item->GetName(), name);
            QCOMPARE(files->plain(static_cast<TAVFile *>(item)), QByteArray("new ") + name.toLatin1());
        } else if (item->GetClassID() == TAV_CLASS_FILE) {
            QCOMPARE(files->plain(static_cast<TAVFile *>(item)), "old " + name.toLatin1());
        } else {
            QCOMPARE(paths(static_cast<TAVItemContainer *>(item)), QStringList{"inner.txt"});
        }
    }
    QCOMPARE(inbox->getItem("z.txt") != nullptr, lastCopied);
    QThreadPool::globalInstance()->waitForDone();
    // The replaced folder's body went with it once the index no longer listed it.
    QCOMPARE(QFileInfo::exists(innerBody), !replaced.contains("r1.txt"));
    QCOMPARE(indexed(b), paths(b));
    QCOMPARE(clipboardFormats(), QStringList());
}

// ---- Refusals, cancel and lock --------------------------------------------------

void TestClipboard::refusedPasteIsReported_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("landed");
    QTest::newRow("into its own sub-folder, renamed since the copy")
        << "rename" << "A/DOCS/Sub" << "1 item(s) could not be copied:\nA/Docs" << QStringList{"b.bin"};
    QTest::newRow("into a vault that is not loaded")
        << "unloaded" << "C" << "2 item(s) could not be copied:\nA/Docs\nA/top.txt" << QStringList{};
    QTest::newRow("a body that is missing")
        << "body" << "B/Inbox" << "1 item(s) could not be copied:\nA/top.txt" << QStringList{"Docs"};
}

void TestClipboard::refusedPasteIsReported()
{
    QFETCH(QString, setup);
    QFETCH(QString, target);
    WindowSelection::selectVaultItems(window.get(), a, {at("A/Docs"), at("A/top.txt")});
    if (setup == "rename")
        WindowSelection::selectVaultItems(window.get(), a, {at("A/Docs")});
    window->on_actionCopyItem_triggered();
    if (setup == "rename")
        at("A/Docs")->SetName("DOCS");
    if (setup == "unloaded")
        addVault("C", TAV_AES256, keyOf('c'), false);
    if (setup == "body")
        QVERIFY(QFile::remove(at<TAVFile>("A/top.txt")->getFullPhysicalFileName()));

    ScriptedPrompter prompter;
    prompter.choices = {0};
    TAVItemContainer *into = at<TAVItemContainer>(target);
    if (setup == "unloaded")
        WindowSelection::selectVaultItems(window.get(), root(), {into});
    else
        WindowSelection::selectVaultItems(window.get(), into, {});
    window->on_actionPasteItem_triggered();

    QFETCH(QString, message);
    QCOMPARE(promptTexts(prompter), QStringList{message});
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList{"OK"});
    QTEST(childNames(into), "landed");
    QCOMPARE(clipboardFormats(), QStringList());
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(VaultFixture::bodies(b).size(), paths(b).filter(QRegularExpression("\\.(txt|bin)$")).size());
}

void TestClipboard::cancelledPasteKeepsWhatWasDone()
{
    TAVFolder *src = a->addFolder("Src");
    for (const char *name : {"r1.txt", "r2.txt", "z.txt"})
        addFile(src, name, QByteArray("new ") + name);
    auto *inbox = at<TAVFolder>("B/Inbox");
    files->addFile(inbox, "r1.txt", "old r1");
    QCOMPARE(b->save(), 0);
    WindowSelection::selectVaultItems(window.get(), src, {at("A/Src/r1.txt"), at("A/Src/r2.txt"),
                                                          at("A/Src/z.txt")});
    window->on_actionCopyItem_triggered();

    // Cancel is pressed while the first item's question is up.
    ActingPrompter prompter;
    prompter.choices = {0};
    bool cancelled = false;
    prompter.during = [&] {
        for (QProgressDialog *progress : window->findChildren<QProgressDialog *>()) {
            if (progress->isVisible()) {
                progress->cancel();
                cancelled = true;
            }
        }
    };
    paste(inbox);
    QVERIFY(cancelled);
    QCOMPARE(promptTexts(prompter), QStringList{replaceText});
    QCOMPARE(childNames(inbox), QStringList{"r1.txt"});
    QCOMPARE(files->plain(at<TAVFile>("B/Inbox/r1.txt")), QByteArray("new r1.txt"));
    QCOMPARE(indexed(b), paths(b));
    QCOMPARE(clipboardFormats(), QStringList());
}

void TestClipboard::lockDuringPasteStopsAndSaves()
{
    TAVFolder *src = a->addFolder("Src");
    for (const char *name : {"a1.txt", "r1.txt", "z.txt"})
        addFile(src, name, QByteArray("new ") + name);
    auto *inbox = at<TAVFolder>("B/Inbox");
    files->addFile(inbox, "r1.txt", "old r1");
    QCOMPARE(b->save(), 0);
    WindowSelection::selectVaultItems(window.get(), src, {at("A/Src/a1.txt"), at("A/Src/r1.txt"),
                                                          at("A/Src/z.txt")});
    window->on_actionCopyItem_triggered();
    const QString bFolder = b->getFullPhysicalVaultPath();
    const TAVKey bKey = b->getKey();

    // The inactivity lock falls due while the question is up: the box goes
    // without an answer.
    ActingPrompter prompter;
    prompter.during = [&] { window->on_actionLock_triggered(); };
    paste(inbox);
    QCOMPARE(promptTexts(prompter), QStringList{replaceText});
    QVERIFY(window->isScreenLocked());
    // The run stopped there; what it had done is in the index on the disk,
    // and the vaults went out of memory only after it.
    auto *reader = new TAVVault(root(), "reader", bFolder, TAV_AES512, bKey);
    QCOMPARE(reader->load(), 0);
    QCOMPARE(paths(reader), (QStringList{"Inbox", "Inbox/a1.txt", "Inbox/r1.txt"}));
    QCOMPARE(files->plain(static_cast<TAVFile *>(reader->findItem("reader/Inbox/r1.txt"))), QByteArray("old r1"));
    reader->removeAll();
    delete reader;
    QCOMPARE(root()->getItemCount(), 0);
}

// ---- Move Item --------------------------------------------------------------------

void TestClipboard::moveItemToChosenFolder_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QStringList>("moved");
    QTest::newRow("across vaults, a clash replaced")
        << "B/Inbox" << QStringList{replaceText} << QStringList{"Docs", "top.txt"};
    QTest::newRow("a folder into its own sub-folder: skipped silently")
        << "A/Docs/Sub" << QStringList{} << QStringList{"top.txt"};
    QTest::newRow("into the vault they are in: nothing, silently")
        << "A" << QStringList{} << QStringList{};
    QTest::newRow("into a vault that is not loaded")
        << "C" << QStringList{"Can not move 'A/Docs' to 'C'!", "Can not move 'A/top.txt' to 'C'!"}
        << QStringList{};
}

void TestClipboard::moveItemToChosenFolder()
{
    QFETCH(QString, target);
    QFETCH(QStringList, prompts);
    QFETCH(QStringList, moved);
    addVault("C", TAV_AES256, keyOf('c'), false);
    const QString oldTopBody = files->addFile(at<TAVFolder>("B/Inbox"), "top.txt", "old top")->getFullPhysicalFileName();
    QCOMPARE(b->save(), 0);
    refreshFolderTree();
    const QString movedTopBody = at<TAVFile>("A/top.txt")->getFullPhysicalFileName();

    ScriptedPrompter prompter;
    prompter.choices = {0};
    ModalAnswerer answers;
    answers.act(WindowSelection::chooseTargetFolder(target));
    WindowSelection::selectVaultItems(window.get(), a, {at("A/Docs"), at("A/top.txt")});
    window->on_actionMoveItem_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().first().title, window->windowTitle());
    QCOMPARE(promptTexts(prompter), prompts);

    for (const QString &name : {QStringLiteral("Docs"), QStringLiteral("top.txt")}) {
        QCOMPARE(at("A/" + name) == nullptr, moved.contains(name));
        if (moved.contains(name))
            QVERIFY2(at(target + "/" + name), qPrintable(name));
    }
    if (moved.contains("top.txt"))
        QCOMPARE(files->plain(at<TAVFile>(target + "/top.txt")), QByteArray("top of the vault"));
    verifyBodies(a);
    if (target == "B/Inbox")
        verifyBodies(b);
    QThreadPool::globalInstance()->waitForDone();
    if (target == "B/Inbox") {
        // The replaced file's body and the moved file's old body are gone.
        QVERIFY(!QFileInfo::exists(oldTopBody));
        QVERIFY(!QFileInfo::exists(movedTopBody));
    }
    QCOMPARE(indexed(a), paths(a));
    QCOMPARE(indexed(b), paths(b));
    QCOMPARE(VaultFixture::bodies(a).size(), paths(a).filter(QRegularExpression("\\.(txt|bin)$")).size());
    QCOMPARE(VaultFixture::bodies(b).size(), paths(b).filter(QRegularExpression("\\.(txt|bin)$")).size());
}

// ---- Select All and Open in file manager --------------------------------------------

void TestClipboard::selectAllInTheVaultPane()
{
    window->show();
    QApplication::setActiveWindow(window.get());
    WindowSelection::selectVaultItems(window.get(), a, {});
    window->ui->treeView->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(window->ui->treeView->hasFocus());
    window->on_actionSelectAll_triggered();
    QCOMPARE(window->getSelectedItems().size(), 3);
    QVERIFY(window->ui->actionCopyItem->isEnabled());
    QVERIFY(window->ui->actionCutItem->isEnabled());
    QVERIFY(!window->ui->actionPasteItem->isEnabled());
    QVERIFY(!window->ui->actionNew_Folder->isEnabled());
    QVERIFY(window->ui->actionDeleteItem->isEnabled());
    QVERIFY(window->actions().contains(window->ui->actionDeleteItem));
    QVERIFY(!window->actions().contains(window->ui->actionLocalDeleteItem));
}

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

void TestClipboard::disabledOpenInFileManagerDoesNothing()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    WindowSelection::selectVaultItems(window.get(), root(), {a});
    window->on_treeView_clicked(QModelIndex());
    QVERIFY(window->ui->actionOpenInFinder->isVisible());
    QVERIFY(!window->ui->actionOpenInFinder->isEnabled());
    window->on_actionOpenInFinder_triggered();
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(recorder.opened, QList<QUrl>());
}

void TestClipboard::localBrowserBesideAVault()
{
    const QString local = files->path("Local documents");
    QVERIFY(QDir().mkpath(local));
    for (const char *name : {"budget 2026.ods", "letter.txt", "photo.jpg"})
        QVERIFY(writeBytes(local + "/" + name, QByteArray(1500, 'x')));
    QVERIFY(QDir().mkpath(local + "/Projects"));
    window->resize(1200, 760);
    window->show();
    refreshFolderTree();
    WindowSelection::selectVaultItems(window.get(), at<TAVItemContainer>("A/Docs"), {at("A/Docs/a.txt")});
    window->syncDirView();
    auto *listing = qobject_cast<LocalFileSystemModel *>(window->ui->fsTreeView->model());
    listing->setRootPath(local);
    window->syncLocalDirView();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The folder tree fills in the background: shown in step once it has.
    QTest::qWait(500);
    window->syncLocalDirView();
    QTest::qWait(200);
    QVERIFY(window->ui->fsTreeView->isVisible());
    QVERIFY(window->ui->treeView->isVisible());
    QCOMPARE(listing->rowCount(), 4);
    if (ScreenShot::enabled())
        QVERIFY(ScreenShot::take("clip-local-browser-beside-vault"));
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
