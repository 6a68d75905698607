#include "fixeddrivelocator.h"
#include "windowdrive.h"
#include "filesizelimit.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "tavcryptothread.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavprogressdialog.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QFileDialog>
#include <QItemSelectionModel>

#include <memory>

namespace {

const QDateTime kFileDate(QDate(2019, 3, 14), QTime(15, 9, 26));
const QDateTime kFolderDate(QDate(2018, 1, 2), QTime(3, 4, 5));
const QDateTime kInnerDate(QDate(2017, 6, 7), QTime(8, 9, 10));

QByteArray pattern(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7 + i / 251);
    return bytes;
}

// Every entry of a folder, folders and hidden files included, by name.
QStringList listing(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

QDateTime modifiedOf(const QString &path)
{
    return QFileInfo(path).lastModified();
}

// The prompt texts in the order they were shown.
QStringList texts(const ScriptedPrompter &prompter)
{
    QStringList seen;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        seen << p.text;
    return seen;
}

QString replaceText(const QString &name)
{
    return QStringLiteral("The folder already contains a file name '%1'. Would you like to replace "
                          "the existing file?")
        .arg(name);
}

QString doneText(const QString &target)
{
    return QStringLiteral("Selected files are extracted to: [%1]").arg(target);
}

QString invalidText(const QString &path)
{
    return QStringLiteral("The file [%1] is invalid and cannot be opened or decrypted. It is either "
                          "corrupt, been tampered with or belongs to another license.\nDo you want to "
                          "delete it from your vault?")
        .arg(path);
}

} // namespace

class TestExtract : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void extractsFilesAndFoldersWithTheirDates();
    void folderMergesIntoAnExistingOne();
    void replaceQuestion_data();
    void replaceQuestion();
    void namesThatLeaveTheTargetAreRefused_data();
    void namesThatLeaveTheTargetAreRefused();
    void cancelKeepsTheLocalFiles();
    void linkInPlaceOfAFolderIsNeverFollowed_data();
    void linkInPlaceOfAFolderIsNeverFollowed();
    void targetSideFailureKeepsFileAndItem_data();
    void targetSideFailureKeepsFileAndItem();
    void damagedBodyIsOfferedForDeletion_data();
    void damagedBodyIsOfferedForDeletion();

private:
    std::unique_ptr<MainWindow> makeWindow();
    // Shows the container and selects these of its items in the details view.
    void select(MainWindow *window, TAVItemContainer *shown, const QList<TAVItem *> &items);
    // Runs the Extract action, choosing `target` in its folder dialog.
    void extractTo(MainWindow *window, const QString &target);

    QTemporaryDir dir;
    FixedDriveLocator drives;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<QTemporaryDir> work;
};

void TestExtract::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestExtract::init()
{
    prompter = std::make_unique<ScriptedPrompter>();
    work = std::make_unique<QTemporaryDir>(QDir::currentPath() + "/extract-XXXXXX");
    QVERIFY(work->isValid());
}

void TestExtract::cleanup()
{
    prompter.reset();
    work.reset();
    TAVFileSystem::getInstance()->removeAll();
}

std::unique_ptr<MainWindow> TestExtract::makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
    return window;
}

void TestExtract::select(MainWindow *window, TAVItemContainer *shown, const QList<TAVItem *> &items)
{
    window->updateView(shown);
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    QItemSelectionModel *selection = window->ui->treeView->selectionModel();
    selection->clearSelection();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (items.contains(model->itemFromIndex(index)))
            selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    window->ui->treeView->setFocus();
    QCOMPARE(window->getSelectedItems().size(), items.size());
}

void TestExtract::extractTo(MainWindow *window, const QString &target)
{
    ModalAnswerer answers;
    answers.act([target](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        QCOMPARE(files->windowTitle(), QStringLiteral("Please choose a folder to extract the file(s) to:"));
        QCOMPARE(files->fileMode(), QFileDialog::Directory);
        files->setDirectory(target);
        QMetaObject::invokeMethod(files, "accept");
    });
    window->ui->actionDecrypt_File->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!window->busy);
}

void TestExtract::extractsFilesAndFoldersWithTheirDates()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    const QByteArray a = pattern(70000, 1), b = pattern(1, 2), c = pattern(65536 * 3 + 17, 3);
    TAVFile *fileA = fixture.addFile(vault, "a.txt", a);
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    TAVFile *fileB = fixture.addFile(docs, "b.bin", b);
    TAVFolder *sub = fixture.addFolder(docs, "sub");
    TAVFile *fileC = fixture.addFile(sub, "c d.txt", c);
    TAVFolder *empty = fixture.addFolder(docs, "Empty");
    // Dates set deepest first: each one also dates its ancestors.
    for (TAVFile *file : {fileA, fileB, fileC})
        file->SetModifiedDate(kFileDate);
    sub->SetModifiedDate(kInnerDate);
    empty->SetModifiedDate(kInnerDate);
    docs->SetModifiedDate(kFolderDate);
    select(window.get(), vault, {fileA, docs});

    const QString target = work->path();
    extractTo(window.get(), target);

    QCOMPARE(texts(*prompter), QStringList({doneText(target)}));
    QCOMPARE(fileBytes(target + "/a.txt"), a);
    QCOMPARE(fileBytes(target + "/Docs/b.bin"), b);
    QCOMPARE(fileBytes(target + "/Docs/sub/c d.txt"), c);
    QVERIFY(QFileInfo(target + "/Docs/Empty").isDir());
    QCOMPARE(listing(target + "/Docs/Empty"), QStringList());
    QCOMPARE(listing(target), QStringList({"Docs", "a.txt"}));
    QCOMPARE(listing(target + "/Docs"), QStringList({"Empty", "b.bin", "sub"}));
    for (const char *file : {"/a.txt", "/Docs/b.bin", "/Docs/sub/c d.txt"})
        QCOMPARE(modifiedOf(target + file), kFileDate);
    QCOMPARE(modifiedOf(target + "/Docs"), kFolderDate);
    QCOMPARE(modifiedOf(target + "/Docs/sub"), kInnerDate);
    QCOMPARE(modifiedOf(target + "/Docs/Empty"), kInnerDate);
    // The vault is only read.
    QCOMPARE(vault->getItemCount(), 2);
}

void TestExtract::folderMergesIntoAnExistingOne()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    fixture.addFile(docs, "a.txt", "new a");
    TAVFolder *sub = fixture.addFolder(docs, "sub");
    fixture.addFile(sub, "b.txt", "new b");
    const QString target = work->path();
    QVERIFY(QDir().mkpath(target + "/Docs"));
    QVERIFY(writeBytes(target + "/Docs/a.txt", "old a"));
    QVERIFY(writeBytes(target + "/Docs/keep.txt", "mine"));
    const QDateTime ownDate = modifiedOf(target + "/Docs");
    select(window.get(), vault, {docs});

    prompter->choices = {0}; // " Yes "
    extractTo(window.get(), target);

    QCOMPARE(texts(*prompter), QStringList({replaceText("a.txt"), doneText(target)}));
    QCOMPARE(prompter->prompts.first().buttonTexts, QStringList({" Yes ", "Yes to All", " No "}));
    QCOMPARE(fileBytes(target + "/Docs/a.txt"), QByteArray("new a"));
    QCOMPARE(fileBytes(target + "/Docs/keep.txt"), QByteArray("mine"));
    QCOMPARE(fileBytes(target + "/Docs/sub/b.txt"), QByteArray("new b"));
    QCOMPARE(listing(target + "/Docs"), QStringList({"a.txt", "keep.txt", "sub"}));
    // A folder merged into keeps its own date.
    QVERIFY(modifiedOf(target + "/Docs") >= ownDate);
}

void TestExtract::replaceQuestion_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<QString>("replaced"); // which of x, y, z take the vault's content
    QTest::addColumn<bool>("finished");   // the job-finished box

    QTest::newRow("Yes each") << QList<int>{0, 0, 0} << 3 << "xyz" << true;
    QTest::newRow("Yes to All") << QList<int>{1} << 1 << "xyz" << true;
    QTest::newRow("No skips one") << QList<int>{0, 2, 0} << 3 << "xz" << false;
    QTest::newRow("closed by the lock") << QList<int>{-1, 0, 0} << 3 << "yz" << false;
}

void TestExtract::replaceQuestion()
{
    QFETCH(QList<int>, choices);
    QFETCH(int, prompts);
    QFETCH(QString, replaced);
    QFETCH(bool, finished);

    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    const QString target = work->path();
    QList<TAVItem *> items;
    for (const QString &name : QStringList{"x", "y", "z"}) {
        items << fixture.addFile(vault, name, "vault " + name.toLatin1());
        QVERIFY(writeBytes(target + "/" + name, "local " + name.toLatin1()));
    }
    select(window.get(), vault, items);

    prompter->choices = choices;
    extractTo(window.get(), target);

    QStringList expected;
    for (int i = 0; i < prompts; ++i)
        expected << replaceText(QStringList({"x", "y", "z"}).at(i));
    if (finished)
        expected << doneText(target);
    QCOMPARE(texts(*prompter), expected);
    for (const QString &name : QStringList{"x", "y", "z"}) {
        const QByteArray want = (replaced.contains(name) ? "vault " : "local ") + name.toLatin1();
        QCOMPARE(fileBytes(target + "/" + name), want);
    }
    QCOMPARE(listing(target), QStringList({"x", "y", "z"}));

    // "Yes to All" holds for one job only: the next one asks again.
    prompter->prompts.clear();
    prompter->choices = {2, 2, 2};
    extractTo(window.get(), target);
    QCOMPARE(prompter->prompts.size(), 3);
}

void TestExtract::namesThatLeaveTheTargetAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("refused");

    QTest::newRow("file ..") << ".." << false << true;
    QTest::newRow("folder ..") << ".." << true << true;
    QTest::newRow("folder .") << "." << true << true;
    QTest::newRow("file with a slash") << "../../escaped" << false << true;
    QTest::newRow("folder with a slash") << "a/../../up" << true << true;
    QTest::newRow("colon") << "x:y.txt" << false << true;
    QTest::newRow("backslash") << "x\\y.txt" << false << true;
    QTest::newRow("256 characters") << QString(256, 'n') << false << true;
    QTest::newRow("255 characters") << QString(255, 'n') << false << false;
    QTest::newRow("dots inside") << "a..b" << false << false;
}

void TestExtract::namesThatLeaveTheTargetAreRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(bool, refused);

    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVItem *odd = nullptr;
    if (folder) {
        TAVFolder *f = fixture.addFolder(vault, "f");
        fixture.addFile(f, "inner.txt", "inner");
        odd = f;
    } else {
        odd = fixture.addFile(vault, "f", "odd");
    }
    TAVFile *next = fixture.addFile(vault, "next.txt", "next");
    select(window.get(), vault, {odd, next});
    // As an index read from the disk could hold it.
    odd->SetName(name);

    const QString root = work->path();
    const QString target = root + "/deep/target";
    QVERIFY(QDir().mkpath(target));
    extractTo(window.get(), target);

    const QString refusal =
        QStringLiteral("The filename %1 contains characters that are not allowed on all platforms and "
                       "cannot be copied.")
            .arg(target + "/" + name);
    if (refused) {
        QCOMPARE(texts(*prompter), QStringList({refusal}));
        QCOMPARE(listing(target), QStringList({"next.txt"}));
    } else {
        QCOMPARE(texts(*prompter), QStringList({doneText(target)}));
        QCOMPARE(fileBytes(target + "/" + name), QByteArray("odd"));
    }
    // Nothing anywhere outside the target folder.
    QCOMPARE(listing(root), QStringList({"deep"}));
    QCOMPARE(listing(root + "/deep"), QStringList({"target"}));
    QCOMPARE(fileBytes(target + "/next.txt"), QByteArray("next"));
}

void TestExtract::linkInPlaceOfAFolderIsNeverFollowed_data()
{
    QTest::addColumn<int>("answer"); // to the replace question
    QTest::newRow("No keeps the link") << 2;
    QTest::newRow("Yes replaces the link") << 0;
    QTest::newRow("closed by the lock") << -1;
}

// A link planted where a folder is to be merged into leads elsewhere: the
// plain content never goes through it. It is asked about as a file of that
// name is, and replaced by a real folder only on " Yes ".
void TestExtract::linkInPlaceOfAFolderIsNeverFollowed()
{
    QFETCH(int, answer);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    fixture.addFile(docs, "secret.txt", "plain secret");
    const QString target = work->path() + "/target";
    const QString elsewhere = work->path() + "/elsewhere";
    QVERIFY(QDir().mkpath(target));
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QFile::link(elsewhere, target + "/Docs"));
    select(window.get(), vault, {docs});
    prompter->choices = {answer};
    extractTo(window.get(), target);

    QCOMPARE(texts(*prompter).value(0), replaceText("Docs"));
    QCOMPARE(listing(elsewhere), QStringList());
    if (answer == 0) {
        QVERIFY(!QFileInfo(target + "/Docs").isSymLink());
        QCOMPARE(fileBytes(target + "/Docs/secret.txt"), QByteArray("plain secret"));
    } else {
        QVERIFY(QFileInfo(target + "/Docs").isSymLink());
    }
}

void TestExtract::cancelKeepsTheLocalFiles()
{
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *big = fixture.addFile(vault, "big.bin", pattern(64 << 20, 5));
    TAVFile *small = fixture.addFile(vault, "small.txt", "vault small");
    const QString target = work->path();
    QVERIFY(writeBytes(target + "/big.bin", "local big"));
    QVERIFY(writeBytes(target + "/small.txt", "local small"));
    select(window.get(), vault, {big, small});

    // Cancel as the first file starts, as the progress dialog's button does.
    QMetaObject::Connection cancel = connect(
        window->cryptoThread, &TAVCryptoThread::progress, window.get(),
        [&window] { window->progressDialog->cancel(); }, Qt::QueuedConnection);
    prompter->choices = {1}; // "Yes to All"
    extractTo(window.get(), target);
    disconnect(cancel);

    QCOMPARE(window->cryptoThread->state.load(), 1);
    // Only the replace question: no failure, no offer to delete, no final box.
    QCOMPARE(texts(*prompter), QStringList({replaceText("big.bin")}));
    QCOMPARE(fileBytes(target + "/big.bin"), QByteArray("local big"));
    QCOMPARE(fileBytes(target + "/small.txt"), QByteArray("local small"));
    QCOMPARE(listing(target), QStringList({"big.bin", "small.txt"}));
    QCOMPARE(vault->getItemCount(), 2);
}

void TestExtract::targetSideFailureKeepsFileAndItem_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("full disk") << "full";
    QTest::newRow("folder in the way") << "folder";
}

// A failure on the side written to never costs the local file, and never
// offers to delete an item whose body is sound.
void TestExtract::targetSideFailureKeepsFileAndItem()
{
    QFETCH(QString, failure);
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "a.bin", pattern(2 << 20, 9));
    const QString target = work->path();
    if (failure == "full") {
        QVERIFY(writeBytes(target + "/a.bin", "local a"));
    } else {
        QVERIFY(QDir().mkpath(target + "/a.bin"));
        QVERIFY(writeBytes(target + "/a.bin/inside", "local a"));
    }
    select(window.get(), vault, {file});
    const QStringList bodies = VaultFixture::bodies(vault);

    prompter->choices = {0};
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (failure == "full") {
            limit = std::make_unique<FileSizeLimit>(1 << 20);
            if (!limit->isActive())
                QSKIP("no file size limit here");
        }
        extractTo(window.get(), target);
    }

    const QStringList shown = texts(*prompter);
    QCOMPARE(shown.first(), replaceText("a.bin"));
    QVERIFY2(!shown.contains(doneText(target)), qPrintable(shown.join('|')));
    for (const QString &text : shown)
        QVERIFY2(!text.contains("Do you want to delete it"), qPrintable(text));
    // Told as a failed write of the target, with the system's reason: never
    // as a body that does not decrypt, never by the hidden name written first.
    const QString told = QString("The file %1/a.bin could not be written.\nError: %2")
                             .arg(target, failure == "full" ? "File too large" : "Is a directory");
    QVERIFY2(shown.contains(told), qPrintable(shown.join('|')));
    for (const QString &text : shown)
        QVERIFY2(!text.contains("Decryption failed") && !text.contains(".part"), qPrintable(text));
    if (failure == "full")
        QCOMPARE(fileBytes(target + "/a.bin"), QByteArray("local a"));
    else
        QCOMPARE(fileBytes(target + "/a.bin/inside"), QByteArray("local a"));
    QCOMPARE(listing(target), QStringList({"a.bin"}));
    QCOMPARE(vault->getItemCount(), 1);
    QCOMPARE(VaultFixture::bodies(vault), bodies);
}

void TestExtract::damagedBodyIsOfferedForDeletion_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("header refused, Yes") << "header" << 0 << true;
    QTest::newRow("header refused, No") << "header" << 1 << false;
    QTest::newRow("header refused, closed by the lock") << "header" << -1 << false;
    QTest::newRow("body missing, Yes") << "missing" << 0 << true;
}

void TestExtract::damagedBodyIsOfferedForDeletion()
{
    QFETCH(QString, damage);
    QFETCH(int, answer);
    QFETCH(bool, deleted);

    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *docs = fixture.addFolder(vault, "Docs");
    TAVFile *bad = fixture.addFile(docs, "bad.txt", pattern(5000, 4));
    fixture.addFile(docs, "good.txt", "good");
    QCOMPARE(vault->save(), 0);
    const QString body = bad->getFullPhysicalFileName();
    if (damage == "header") {
        QFile file(body);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.write(QByteArray(512, '\0')) == 512);
    } else {
        QVERIFY(QFile::remove(body));
    }
    const QString target = work->path();
    QVERIFY(QDir().mkpath(target + "/Docs"));
    QVERIFY(writeBytes(target + "/Docs/bad.txt", "local bad"));
    select(window.get(), vault, {docs});

    prompter->choices = {1, 0, answer}; // "Yes to All", the failure's box, the offer
    extractTo(window.get(), target);

    const QStringList shown = texts(*prompter);
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(1), damage == "header" ? QStringLiteral("Decryption failed.")
                                             : QStringLiteral("Encrypted file doesn't exist."));
    QCOMPARE(shown.at(2), invalidText("Docs/bad.txt"));
    QCOMPARE(prompter->prompts.at(2).buttonTexts, QStringList({" Yes ", " No "}));
    QCOMPARE(fileBytes(target + "/Docs/bad.txt"), QByteArray("local bad"));
    QCOMPARE(fileBytes(target + "/Docs/good.txt"), QByteArray("good"));
    QCOMPARE(listing(target + "/Docs"), QStringList({"bad.txt", "good.txt"}));
    QCOMPARE(docs->getItem("bad.txt") == nullptr, deleted);

    // The index on the disk says the same.
    vault->unload();
    QCOMPARE(vault->load(), 0);
    auto *reloaded = qobject_cast<TAVItemContainer *>(vault->getItem("Docs"));
    QVERIFY(reloaded);
    QCOMPARE(reloaded->getItem("bad.txt") == nullptr, deleted);
    QVERIFY(reloaded->getItem("good.txt"));
}

QTEST_MAIN(TestExtract)
#include "tst_extract.moc"
