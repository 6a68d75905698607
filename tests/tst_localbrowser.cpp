// The local file browser of the main window, run through its slots on
// folders of a temporary folder: opening a file through the opener, the
// browse actions, which local actions a click allows, and the listing's own
// rename and delete.
#include "filedialoganswer.h"
#include "fixeddrivelocator.h"
#include "localfilesystemmodel.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "productinfo.h"
#include "recordingopener.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "tavfilesystem.h"
#include "tavstickmanager.h"
#include "localdirtreeview.h"
#include "tavtreeview.h"
#include "usbstick.h"
#include "windowselection.h"

#include <QtTest>

#include <QAction>
#include <QFileSystemModel>
#include <QInputDialog>

#include <memory>
#include <unistd.h>

namespace {

const QString canNotRename = QStringLiteral("The application can not rename a file");
const QString clash = QStringLiteral("An item with the name you specified already exists. Please try again.");

QStringList promptTexts(const ScriptedPrompter &prompter)
{
    QStringList texts;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        texts << p.text;
    return texts;
}

// Every entry of a folder, hidden ones and dangling links included.
QStringList allEntries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                               | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeBytes(path, bytes);
}

} // namespace

class TestLocalBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rename_data();
    void rename();
    void renameEachSelectedItem();
    void remove_data();
    void remove();
    void openFile_data();
    void openFile();
    void doubleClickEntersAFolder();
    void browseActions();
    void clickEnablesTheLocalActions();
    void newFolderGoesIntoTheListedFolder();

private:
    LocalFileSystemModel *listing() const
    {
        return qobject_cast<LocalFileSystemModel *>(window->ui->fsTreeView->model());
    }
    QModelIndex rowOf(const QString &name) const;
    void focusListing();

    QTemporaryDir dir;
    FixedDriveLocator drives;
    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<MainWindow> window;
    QString folder; // the folder listed
};

void TestLocalBrowser::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    // The standard desktop and documents folders are looked up under here.
    qputenv("HOME", QFile::encodeName(dir.filePath("home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("home/.config")));
    QVERIFY(QDir().mkpath(dir.filePath("home/Desktop")));
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    const QString drive = dir.filePath("drive") + "/";
    QVERIFY(QDir().mkpath(drive + "KolvaneVave Settings"));
    QVERIFY(writeBytes(drive + "KolvaneVave Settings/config.dat", QByteArray()));
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
}

void TestLocalBrowser::init()
{
    work = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid());
    folder = work->filePath("list");
    QVERIFY(writeFile(folder + "/doc.txt", "the document"));
    QVERIFY(writeFile(folder + "/taken.txt", "another"));
    QVERIFY(writeFile(folder + "/Photos/one.jpg", "jpeg"));
    QVERIFY(::symlink("nowhere", QFile::encodeName(folder + "/ghost").constData()) == 0);
    window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
    listing()->setRootPath(folder);
}

void TestLocalBrowser::cleanup()
{
    window.reset();
    TAVFileSystem::getInstance()->removeAll();
    work.reset();
}

QModelIndex TestLocalBrowser::rowOf(const QString &name) const
{
    for (int row = 0; row < listing()->rowCount(); ++row) {
        const QModelIndex index = listing()->index(row, 0);
        if (listing()->fileInfo(index).fileName() == name)
            return index;
    }
    return QModelIndex();
}

void TestLocalBrowser::focusListing()
{
    window->show();
    QApplication::setActiveWindow(window.get());
    window->ui->fsTreeView->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(window->ui->fsTreeView->hasFocus());
}

// ---- Rename -------------------------------------------------------------------

void TestLocalBrowser::rename_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("renamedTo");
    QTest::newRow("a file") << "doc.txt" << true << "notes v2 'final'.txt" << "" << "notes v2 'final'.txt";
    QTest::newRow("a folder") << "Photos" << true << "Pictures" << "" << "Pictures";
    QTest::newRow("cancelled") << "doc.txt" << false << "other.txt" << "" << "";
    QTest::newRow("unchanged") << "doc.txt" << true << "doc.txt" << clash << "";
    QTest::newRow("empty: the folder itself") << "doc.txt" << true << "" << clash << "";
    QTest::newRow("another entry's name") << "doc.txt" << true << "taken.txt" << clash << "";
    QTest::newRow("a dangling link's name") << "doc.txt" << true << "ghost" << clash << "";
    QTest::newRow("a path out of the folder") << "doc.txt" << true << "../escaped.txt" << canNotRename << "";
    QTest::newRow("a path into a sub-folder") << "doc.txt" << true << "Photos/doc.txt" << canNotRename << "";
    QTest::newRow("dot") << "Photos" << true << "." << canNotRename << "";
    QTest::newRow("dot dot") << "Photos" << true << ".." << canNotRename << "";
    QTest::newRow("a NUL") << "doc.txt" << true << QString("a") + QChar(0) + "b" << canNotRename << "";
}

void TestLocalBrowser::rename()
{
    QFETCH(QString, item);
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, renamedTo);
    const QStringList before = allEntries(folder);
    const QStringList parentBefore = allEntries(work->path());
    QCOMPARE(WindowSelection::selectLocalEntries(window.get(), {item}), QStringList{item});

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    QString label;
    QString initial;
    QString title;
    answers.act([&](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input)
            return;
        label = input->labelText();
        initial = input->textValue();
        title = input->windowTitle();
        if (!accept) {
            input->reject();
            return;
        }
        input->setTextValue(typed);
        input->accept();
    });
    window->on_actionLocalRenameItem_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(label, QString("Please enter a new name:") + QString(40, ' '));
    QCOMPARE(initial, item);
    QCOMPARE(title, ProductInfo::title());
    QCOMPARE(promptTexts(prompter), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(prompter.prompts.first().title, ProductInfo::title());
        QCOMPARE(prompter.prompts.first().buttonTexts, QStringList{"OK"});
    }

    QStringList expected = before;
    if (!renamedTo.isEmpty()) {
        expected.removeOne(item);
        expected << renamedTo;
        expected.sort();
    }
    QCOMPARE(allEntries(folder), expected);
    QCOMPARE(allEntries(work->path()), parentBefore);
    QCOMPARE(allEntries(folder + "/Photos"), renamedTo == "Pictures" ? QStringList() : QStringList{"one.jpg"});
    QCOMPARE(fileBytes(folder + "/taken.txt"), QByteArray("another"));
    // The listing is read again in the same folder.
    QCOMPARE(listing()->rootPath(), folder + "/");
    QCOMPARE(rowOf(renamedTo.isEmpty() ? item : renamedTo).isValid(), true);
}

void TestLocalBrowser::renameEachSelectedItem()
{
    WindowSelection::selectLocalEntries(window.get(), {"doc.txt", "taken.txt"});
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    QStringList offered;
    for (int i = 0; i < 2; ++i)
        answers.act([&offered](QWidget *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            if (!input)
                return;
            offered << input->textValue();
            // The first is refused; the second still gets its dialog.
            input->setTextValue(offered.size() == 1 ? "x/y" : "renamed.txt");
            input->accept();
        });
    window->on_actionLocalRenameItem_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(offered.size(), 2);
    QCOMPARE(promptTexts(prompter), QStringList{canNotRename});
    QVERIFY(QFileInfo::exists(folder + "/" + offered.first()));
    QVERIFY(!QFileInfo::exists(folder + "/" + offered.last()));
    QCOMPARE(fileBytes(folder + "/renamed.txt").isEmpty(), false);
}

// ---- Delete -------------------------------------------------------------------

void TestLocalBrowser::remove_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("gone");
    const QString file = "Are you sure you want to permanently delete this file?";
    const QString folderQ = "Are you sure you want to permanently delete this folder?";
    QTest::newRow("a file") << QStringList{"doc.txt"} << "" << 0 << file << QStringList{"doc.txt"};
    QTest::newRow("a folder holding a link to another folder")
        << QStringList{"Photos"} << "link inside" << 0 << folderQ << QStringList{"Photos"};
    QTest::newRow("a link to a folder in place of the selected folder")
        << QStringList{"Photos"} << "swap for a link" << 0 << folderQ << QStringList{"Photos"};
    QTest::newRow("three items") << QStringList{"doc.txt", "Photos", "taken.txt"} << "" << 0
                                 << "Are you sure you want to permanently delete these 3 items?"
                                 << QStringList{"doc.txt", "Photos", "taken.txt"};
    QTest::newRow("No") << QStringList{"doc.txt"} << "" << 1 << file << QStringList{};
    QTest::newRow("closed by the lock") << QStringList{"Photos"} << "" << -1 << folderQ << QStringList{};
    QTest::newRow("nothing selected") << QStringList{} << "" << 0
                                      << "Are you sure you want to permanently delete these 0 items?"
                                      << QStringList{};
}

void TestLocalBrowser::remove()
{
    QFETCH(QStringList, selection);
    QFETCH(QString, setup);
    QFETCH(int, answer);
    QFETCH(QStringList, gone);
    // Outside the listing: must survive whatever goes.
    const QString keep = work->filePath("outside/keep");
    QVERIFY(writeFile(keep + "/keep.txt", "kept"));
    // Another name of doc.txt's data: a deleted file is unlinked, not overwritten.
    QVERIFY(::link(QFile::encodeName(folder + "/doc.txt").constData(),
                   QFile::encodeName(work->filePath("outside/doc-link.txt")).constData()) == 0);
    if (setup == "link inside")
        QVERIFY(QFile::link(keep, folder + "/Photos/shortcut"));
    listing()->setRootPath(folder);
    QCOMPARE(WindowSelection::selectLocalEntries(window.get(), selection).size(), selection.size());
    if (setup == "swap for a link") {
        // Between listing and deleting the folder became a link elsewhere.
        QVERIFY(QDir(folder + "/Photos").removeRecursively());
        QVERIFY(QFile::link(keep, folder + "/Photos"));
    }
    const QStringList before = allEntries(folder);

    ScriptedPrompter prompter;
    prompter.choices = {answer};
    window->on_actionLocalDeleteItem_triggered();
    QFETCH(QString, question);
    QCOMPARE(promptTexts(prompter), QStringList{question});
    QCOMPARE(prompter.prompts.first().buttonTexts, (QStringList{" Yes ", " No "}));
    QCOMPARE(prompter.prompts.first().title, window->windowTitle());

    QStringList expected = before;
    for (const QString &name : gone)
        expected.removeOne(name);
    QCOMPARE(allEntries(folder), expected);
    QCOMPARE(allEntries(keep), QStringList{"keep.txt"});
    QCOMPARE(fileBytes(keep + "/keep.txt"), QByteArray("kept"));
    QCOMPARE(fileBytes(work->filePath("outside/doc-link.txt")), QByteArray("the document"));
    QCOMPARE(listing()->rootPath(), folder + "/");
    for (const QString &name : gone)
        QVERIFY2(!rowOf(name).isValid(), qPrintable(name));
}

// ---- Opening and browsing -------------------------------------------------------

void TestLocalBrowser::openFile_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("choose");
    QTest::newRow("opened by the desktop's opener") << true << false;
    QTest::newRow("no opener: an application chosen") << false << true;
    QTest::newRow("no opener: cancelled") << false << false;
}

void TestLocalBrowser::openFile()
{
    QFETCH(bool, opens);
    QFETCH(bool, choose);
    // Characters a shell would read: none must matter.
    const QString name = "it's a \\ file; $(touch x) & `y`.txt";
    const QString path = folder + "/" + name;
    QVERIFY(writeFile(path, "text"));
    const QString programs = work->filePath("programs");
    QVERIFY(writeFile(programs + "/viewer", "#!/bin/sh\n"));
    QVERIFY(QFile::setPermissions(programs + "/viewer", QFile::ReadOwner | QFile::ExeOwner));
    listing()->setRootPath(folder);

    RecordingOpener opener;
    opener.startSucceeds = opens;
    FileOpener::setInstance(&opener);
    ScriptedPrompter prompter;
    prompter.choices = {choose ? 0 : 1};
    ModalAnswerer answers;
    if (choose)
        answers.act(FileDialogAnswer::select(programs, {"viewer"}));
    window->on_fsTreeView_doubleClicked(rowOf(name));
    FileOpener::setInstance(nullptr);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    QCOMPARE(opener.calls.size(), choose ? 2 : 1);
    QCOMPARE(opener.calls.first().program, QString("xdg-open"));
    QCOMPARE(opener.calls.first().arguments, QStringList{path});
    if (choose) {
        QCOMPARE(opener.calls.last().program, programs + "/viewer");
        QCOMPARE(opener.calls.last().arguments, QStringList{path});
    }
    if (opens) {
        QCOMPARE(promptTexts(prompter), QStringList());
    } else {
        QCOMPARE(promptTexts(prompter),
                 QStringList{"There is no default application specified to open the document [" + path + "]"});
        QCOMPARE(prompter.prompts.first().buttonTexts, (QStringList{"Choose application...", "Cancel"}));
    }
    QCOMPARE(listing()->rootPath(), folder + "/");
    QCOMPARE(window->activeModel, static_cast<QAbstractItemModel *>(listing()));
    QVERIFY(!QFileInfo::exists(folder + "/x"));
}

void TestLocalBrowser::doubleClickEntersAFolder()
{
    RecordingOpener opener;
    FileOpener::setInstance(&opener);
    window->on_fsTreeView_doubleClicked(QModelIndex()); // an empty area: nothing
    QCOMPARE(listing()->rootPath(), folder + "/");
    QVERIFY(window->activeModel != listing());
    window->on_fsTreeView_doubleClicked(rowOf("Photos"));
    FileOpener::setInstance(nullptr);
    QCOMPARE(opener.calls.size(), 0);
    QCOMPARE(listing()->rootPath(), folder + "/Photos/");
    QCOMPARE(window->activeModel, static_cast<QAbstractItemModel *>(listing()));
    // The folder tree follows the listing.
    auto *tree = qobject_cast<QFileSystemModel *>(window->ui->fsDirView->model());
    QCOMPARE(tree->filePath(window->ui->fsDirView->currentIndex()), folder + "/Photos");
}

void TestLocalBrowser::browseActions()
{
    window->on_actionBrowseDesktop_triggered();
    QCOMPARE(listing()->rootPath(), dir.filePath("home/Desktop") + "/");
    // No documents folder there: the listing stays.
    window->on_actionBrowseMyDocuments_triggered();
    QCOMPARE(listing()->rootPath(), dir.filePath("home/Desktop") + "/");
    window->on_actionBrowseComputer_triggered();
    QCOMPARE(listing()->rootPath(), QString("/"));
    // A click in the folder tree lists the folder clicked.
    auto *tree = qobject_cast<QFileSystemModel *>(window->ui->fsDirView->model());
    window->on_fsDirView_clicked(tree->index(folder));
    QCOMPARE(listing()->rootPath(), folder + "/");
    QCOMPARE(window->activeModel, static_cast<QAbstractItemModel *>(listing()));
}

void TestLocalBrowser::clickEnablesTheLocalActions()
{
    focusListing();
    Ui_MainWindowClass *ui = window->ui;
    WindowSelection::selectLocalEntries(window.get(), {"doc.txt", "taken.txt"});
    window->on_fsTreeView_clicked(rowOf("doc.txt"));
    QVERIFY(ui->actionLocalDeleteItem->isEnabled());
    QVERIFY(!ui->actionLocalRenameItem->isEnabled());
    QVERIFY(!ui->actionCopyItem->isEnabled());
    QVERIFY(!ui->actionDeleteItem->isEnabled());
    QVERIFY(window->actions().contains(ui->actionLocalDeleteItem));

    WindowSelection::selectLocalEntries(window.get(), {"doc.txt"});
    window->on_fsTreeView_clicked(rowOf("doc.txt"));
    QVERIFY(ui->actionLocalDeleteItem->isEnabled());
    QVERIFY(ui->actionLocalRenameItem->isEnabled());
    QVERIFY(ui->actionLocalRenameItem->isVisible());

    // Nothing selected in a folder that can be written: New Folder.
    ui->actionNew_Folder->setEnabled(false);
    WindowSelection::selectLocalEntries(window.get(), {});
    window->on_fsTreeView_clicked(rowOf("doc.txt"));
    QVERIFY(ui->actionNew_Folder->isEnabled());
    QCOMPARE(window->activeModel, static_cast<QAbstractItemModel *>(listing()));

    // A click on an empty area changes nothing, not even the active pane.
    window->activeModel = nullptr;
    window->on_fsTreeView_clicked(QModelIndex());
    QVERIFY(window->activeModel == nullptr);
}

void TestLocalBrowser::newFolderGoesIntoTheListedFolder()
{
    // The folder tree shows one folder, the listing another: Computer
    // collapses the tree without moving its current entry.
    auto *tree = qobject_cast<QFileSystemModel *>(window->ui->fsDirView->model());
    window->on_fsDirView_clicked(tree->index(folder + "/Photos"));
    QCOMPARE(tree->filePath(window->ui->fsDirView->currentIndex()), folder + "/Photos");
    listing()->setRootPath(folder);
    window->on_fsTreeView_clicked(rowOf("doc.txt"));
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    answers.act([](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            input->setTextValue("Made here");
            input->accept();
        }
    });
    window->on_actionNew_Folder_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(promptTexts(prompter), QStringList());
    QVERIFY(QFileInfo(folder + "/Made here").isDir());
    QCOMPARE(allEntries(folder + "/Photos"), QStringList{"one.jpg"});
    QVERIFY(rowOf("Made here").isValid());
}

QTEST_MAIN(TestLocalBrowser)
#include "tst_localbrowser.moc"
