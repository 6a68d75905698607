#include "appstate.h"
#include "windowdrive.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "recordingopener.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilewatcher.h"
#include "tavfolder.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QFileDialog>
#include <QLineEdit>

#include <memory>

#include <signal.h>

namespace {

QStringList texts(const ScriptedPrompter &prompter)
{
    QStringList seen;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        seen << p.text;
    return seen;
}

QModelIndex indexOf(TAVItem *item)
{
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->itemFromIndex(model->index(row, 0)) == item)
            return model->index(row, 0);
    return {};
}

} // namespace

class TestOpenItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fileOpensAsOneArgumentWithoutAShell();
    void sameNamedItemsGetCopiesOfTheirOwn();
    void editOfTheCopyReachesTheVault();
    void lockWipesTheCopy();
    void noApplication_data();
    void noApplication();
    void damagedBodyOnOpen_data();
    void damagedBodyOnOpen();
    void unsafeNameIsNotOpened();
    void doubleClickEntersFoldersAndVaults();
    void realOpenerOnADesktop();

private:
    std::unique_ptr<MainWindow> makeWindow();

    QTemporaryDir dir;
    FixedDriveLocator drives;
    RecordingOpener opener;
    std::unique_ptr<ScriptedPrompter> prompter;
};

void TestOpenItems::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
    // Anything a shell would run lands in the folder we look at.
    QVERIFY(QDir::setCurrent(dir.path()));
}

void TestOpenItems::init()
{
    opener.calls.clear();
    opener.startSucceeds = true;
    opener.otherStartSucceeds = true;
    FileOpener::setInstance(&opener);
    prompter = std::make_unique<ScriptedPrompter>();
}

void TestOpenItems::cleanup()
{
    FileOpener::setInstance(nullptr);
    prompter.reset();
    TAVFileSystem::getInstance()->removeAll();
}

std::unique_ptr<MainWindow> TestOpenItems::makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
    return window;
}

void TestOpenItems::fileOpensAsOneArgumentWithoutAShell()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "a;touch x", "content; $(touch y)");
    window->updateView(vault);

    window->on_treeView_doubleClicked(indexOf(file));

    QCOMPARE(opener.calls.size(), 1);
    QCOMPARE(opener.calls.first().program, QStringLiteral("xdg-open"));
    const QStringList args = opener.calls.first().arguments;
    QCOMPARE(args.size(), 1);
    const QString copy = args.first();
    // <private temporary folder>/<32 hex digits>/<the item's name>
    const QRegularExpression shape("^" + QRegularExpression::escape(AppState::tempPath)
                                   + "/[0-9a-f]{32}/a;touch x$");
    QVERIFY2(shape.match(copy).hasMatch(), qPrintable(copy));
    QCOMPARE(fileBytes(copy), QByteArray("content; $(touch y)"));
    QVERIFY(window->fileWatcher->isBeingWatched(copy));
    QCOMPARE(QFileInfo(copy).lastModified(), file->GetModifiedDate().addMSecs(
                                                 -file->GetModifiedDate().time().msec()));
    QVERIFY(!QFileInfo::exists(dir.filePath("x")));
    QVERIFY(!QFileInfo::exists(dir.filePath("y")));
    QCOMPARE(texts(*prompter), QStringList());
}

void TestOpenItems::sameNamedItemsGetCopiesOfTheirOwn()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *alpha = fixture.addVault("Alpha");
    TAVVault *beta = fixture.addVault("Beta");
    TAVFile *first = fixture.addFile(alpha, "notes.txt", "alpha notes");
    TAVFolder *inner = fixture.addFolder(alpha, "Inner");
    TAVFile *second = fixture.addFile(inner, "notes.txt", "inner notes");
    TAVFile *third = fixture.addFile(beta, "notes.txt", "beta notes");

    for (TAVFile *file : {first, second, third})
        window->openFileInEditor(file);

    QCOMPARE(opener.calls.size(), 3);
    QStringList copies;
    for (const RecordingOpener::Call &call : opener.calls)
        copies << call.arguments.first();
    QCOMPARE(QSet<QString>(copies.begin(), copies.end()).size(), 3);
    QCOMPARE(fileBytes(copies.at(0)), QByteArray("alpha notes"));
    QCOMPARE(fileBytes(copies.at(1)), QByteArray("inner notes"));
    QCOMPARE(fileBytes(copies.at(2)), QByteArray("beta notes"));
    for (const QString &copy : copies)
        QVERIFY(window->fileWatcher->isBeingWatched(copy));
}

void TestOpenItems::editOfTheCopyReachesTheVault()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    TAVFile *file = fixture.addFile(docs, "letter.txt", "first draft");
    QCOMPARE(vault->save(), 0);

    window->openFileInEditor(file);
    QCOMPARE(opener.calls.size(), 1);
    const QString copy = opener.calls.first().arguments.first();
    // An editor saves the copy.
    QVERIFY(writeBytes(copy, "second draft, longer"));
    QTRY_COMPARE(fixture.plain(file), QByteArray("second draft, longer"));

    // The vault read back from its folder holds the edit.
    vault->unload();
    QCOMPARE(vault->load(), 0);
    auto *reloaded = qobject_cast<TAVFile *>(
        qobject_cast<TAVItemContainer *>(vault->getItem("Docs"))->getItem("letter.txt"));
    QVERIFY(reloaded);
    QCOMPARE(fixture.plain(reloaded), QByteArray("second draft, longer"));
    QCOMPARE(reloaded->GetOriginalSize(), quint64(20));
}

void TestOpenItems::lockWipesTheCopy()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "secret.txt", "plain secret");
    QCOMPARE(vault->save(), 0);
    window->openFileInEditor(file);
    const QString copy = opener.calls.first().arguments.first();
    QVERIFY(QFileInfo::exists(copy));

    window->on_actionLock_triggered();

    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(!QFileInfo::exists(QFileInfo(copy).absolutePath()));
    QVERIFY(!window->fileWatcher->isBeingWatched(copy));
}

void TestOpenItems::noApplication_data()
{
    QTest::addColumn<int>("answer");        // to the offer: 0 choose, 1 Cancel, -1 closed
    QTest::addColumn<bool>("programStarts");
    QTest::addColumn<bool>("kept");          // the copy stays, watched

    QTest::newRow("chosen program") << 0 << true << true;
    QTest::newRow("chosen program does not start") << 0 << false << false;
    QTest::newRow("Cancel") << 1 << true << false;
    QTest::newRow("closed by the lock") << -1 << true << false;
}

void TestOpenItems::noApplication()
{
    QFETCH(int, answer);
    QFETCH(bool, programStarts);
    QFETCH(bool, kept);

    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "report.odt", "report");
    opener.startSucceeds = false;
    opener.otherStartSucceeds = programStarts;
    const QString program = fixture.path("bin/my editor");
    QVERIFY(QDir().mkpath(QFileInfo(program).absolutePath()));
    QVERIFY(writeBytes(program, "#!/bin/sh\n"));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));

    prompter->choices = {answer, 0};
    ModalAnswerer answers;
    if (answer == 0)
        answers.act([program](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(files);
            QCOMPARE(files->directory().absolutePath(), QStringLiteral("/usr/bin"));
            files->setDirectory(QFileInfo(program).absolutePath());
            auto *name = files->findChild<QLineEdit *>("fileNameEdit");
            QVERIFY(name);
            name->setText(QFileInfo(program).fileName());
            QMetaObject::invokeMethod(files, "accept");
        });
    window->openFileInEditor(file);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    QVERIFY(!texts(*prompter).isEmpty());
    QCOMPARE(texts(*prompter).first(),
             QStringLiteral("There is no default application specified to open the document [report.odt]"));
    QCOMPARE(prompter->prompts.first().buttonTexts, QStringList({"Choose application...", "Cancel"}));
    const QString copy = opener.calls.first().arguments.first();
    if (answer == 0) {
        QCOMPARE(opener.calls.size(), 2);
        QCOMPARE(opener.calls.at(1).program, program);
        QCOMPARE(opener.calls.at(1).arguments, QStringList({copy}));
    } else {
        QCOMPARE(opener.calls.size(), 1);
    }
    QCOMPARE(QFileInfo::exists(copy), kept);
    QCOMPARE(QFileInfo::exists(QFileInfo(copy).absolutePath()), kept);
    QCOMPARE(window->fileWatcher->isBeingWatched(copy), kept);
}

void TestOpenItems::damagedBodyOnOpen_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("header refused, Yes") << "header" << 0 << true;
    QTest::newRow("header refused, closed") << "header" << -1 << false;
    QTest::newRow("body missing, Yes") << "missing" << 0 << true;
    QTest::newRow("body missing, No") << "missing" << 1 << false;
}

void TestOpenItems::damagedBodyOnOpen()
{
    QFETCH(QString, damage);
    QFETCH(int, answer);
    QFETCH(bool, deleted);

    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "bad.txt", "bad");
    QCOMPARE(vault->save(), 0);
    const QString body = file->getFullPhysicalFileName();
    if (damage == "header") {
        QFile f(body);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QCOMPARE(f.write(QByteArray(512, '\0')), qint64(512));
    } else {
        QVERIFY(QFile::remove(body));
    }

    prompter->choices = {answer};
    window->openFileInEditor(file);

    QCOMPARE(opener.calls.size(), 0);
    QCOMPARE(texts(*prompter),
             QStringList({"The file [bad.txt] is invalid and cannot be opened or decrypted. It is "
                          "either corrupt, been tampered with or belongs to another license.\nDo you "
                          "want to delete it from your vault?"}));
    QCOMPARE(vault->getItem("bad.txt") == nullptr, deleted);
    // No copy was left in the private folder.
    QCOMPARE(QDir(AppState::tempPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    vault->unload();
    QCOMPARE(vault->load(), 0);
    QCOMPARE(vault->getItem("bad.txt") == nullptr, deleted);
}

void TestOpenItems::unsafeNameIsNotOpened()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "fine.txt", "x");
    file->SetName("../../escaped"); // as an index read from the disk could hold it
    window->openFileInEditor(file);
    QCOMPARE(opener.calls.size(), 0);
    QCOMPARE(prompter->prompts.size(), 1);
    QVERIFY(!QFileInfo::exists(QFileInfo(AppState::tempPath + "/../../escaped").absoluteFilePath()));
    QCOMPARE(QDir(AppState::tempPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

void TestOpenItems::doubleClickEntersFoldersAndVaults()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    fixture.addFile(docs, "in.txt", "in");
    QCOMPARE(vault->save(), 0);
    vault->unload();
    TAVVault *gone = fixture.addVault("Gone");
    QVERIFY(QDir(gone->getFullPhysicalVaultPath()).removeRecursively());
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    window->updateView(TAVFileSystem::getInstance());

    // A vault not in memory is loaded and shown; a folder is entered.
    window->on_treeView_doubleClicked(indexOf(vault));
    QVERIFY(vault->isLoaded());
    QCOMPARE(model->rootItem(), vault);
    auto *loadedDocs = qobject_cast<TAVItemContainer *>(vault->getItem("Docs"));
    QVERIFY(loadedDocs);
    window->on_treeView_doubleClicked(indexOf(loadedDocs));
    QCOMPARE(model->rootItem(), loadedDocs);
    QCOMPARE(window->history, QStringList({"Alpha", "Alpha/Docs"}));
    QCOMPARE(window->activeModel, model);

    // A vault whose folder is gone says so and changes nothing.
    window->updateView(TAVFileSystem::getInstance());
    window->on_treeView_doubleClicked(indexOf(gone));
    QCOMPARE(texts(*prompter),
             QStringList({"This vault could not be loaded, it may be located on another computer or "
                          "the original vault file has been manually removed."}));
    QCOMPARE(model->rootItem(), TAVFileSystem::getInstance());
    QCOMPARE(window->history.size(), 2);
    QCOMPARE(opener.calls.size(), 0);
}

// Only with KV_REAL_OPENER=1 on a desktop (a display and a text editor set
// for text/plain): the copy goes through the real xdg-open; the editor gets
// it, types a line and saves through xdotool, the save reaches the vault, and
// the lock wipes the copy.
void TestOpenItems::realOpenerOnADesktop()
{
    if (qgetenv("KV_REAL_OPENER") != "1")
        QSKIP("set KV_REAL_OPENER=1 on a desktop to run");
    FileOpener::setInstance(nullptr);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "note (1).txt", "first line\n");
    QCOMPARE(vault->save(), 0);

    QVERIFY(!window->fileWatcher->isBeingWatched(QString()));
    window->openFileInEditor(file);
    QCOMPARE(prompter->prompts.size(), 0);
    const QStringList inTemp = QDir(AppState::tempPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(inTemp.size(), 1);
    const QString copy = AppState::tempPath + "/" + inTemp.first() + "/note (1).txt";
    QVERIFY(window->fileWatcher->isBeingWatched(copy));
    qInfo() << "copy:" << copy;

    // The process that got the copy's path as an argument.
    qint64 editor = 0;
    QElapsedTimer waited;
    waited.start();
    while (!editor && waited.elapsed() < 15000) {
        QTest::qWait(200);
        for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
            QFile cmdline("/proc/" + pid + "/cmdline");
            if (pid.toLongLong() > 0 && cmdline.open(QIODevice::ReadOnly)
                && cmdline.readAll().split('\0').contains(copy.toUtf8()))
                editor = pid.toLongLong();
        }
    }
    QVERIFY2(editor, "no process took the copy");
    QFile cmdline(QString("/proc/%1/cmdline").arg(editor));
    QVERIFY(cmdline.open(QIODevice::ReadOnly));
    qInfo() << "opened by pid" << editor << cmdline.readAll().replace('\0', ' ');

    if (!QStandardPaths::findExecutable("xdotool").isEmpty()) {
        QTest::qWait(1500); // the editor's window comes up
        QProcess::execute("xdotool", {"search", "--sync", "--pid", QString::number(editor),
                                      "windowactivate", "--sync"});
        QProcess::execute("xdotool", {"key", "ctrl+End"});
        QProcess::execute("xdotool", {"type", "--delay", "20", "typed on the desktop"});
        QProcess::execute("xdotool", {"key", "ctrl+s"});
        QTRY_VERIFY_WITH_TIMEOUT(fixture.plain(file).contains("typed on the desktop"), 10000);
        qInfo() << "vault now holds:" << fixture.plain(file);
    }

    window->on_actionLock_triggered();
    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(!QFileInfo::exists(QFileInfo(copy).absolutePath()));
    ::kill(pid_t(editor), SIGTERM);
}

QTEST_MAIN(TestOpenItems)
#include "tst_openitems.moc"
