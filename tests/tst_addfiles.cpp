#include "cryptovectors.h"
#include "windowdrive.h"
#include "filedialoganswer.h"
#include "filesizelimit.h"
#include "fixeddrivelocator.h"
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
#include "tavvault.h"
#include "treetestutils.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QLabel>

#include <memory>

#include <unistd.h>

namespace {

// Counts the index writes, so a job is seen to commit once.
class CountingVault : public TAVVault
{
public:
    using TAVVault::TAVVault;
    int save() override
    {
        ++saves;
        return TAVVault::save();
    }
    int saves = 0;
};

// Path below the vault -> plain bytes of every file, "<folder>" for folders.
using Tree = QMap<QString, QByteArray>;

void readItems(TAVItemContainer *container, const QString &prefix, Tree &tree, const QString &scratch)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        const QString path = prefix + item->GetName();
        if (auto *file = qobject_cast<TAVFile *>(item)) {
            file->decrypt(scratch);
            tree.insert(path, fileBytes(scratch));
            QFile::remove(scratch);
        } else {
            tree.insert(path, "<folder>");
            readItems(static_cast<TAVItemContainer *>(item), path + "/", tree, scratch);
        }
    }
}

// The vault as a fresh load of its folder finds it; "<not loaded>" as the
// only key when its index can't be read.
Tree reloaded(const TAVVault *vault)
{
    TAVVault copy(nullptr, "copy", vault->getFullPhysicalVaultPath(), vault->getCipher(), vault->getKey());
    Tree tree;
    if (copy.load() != 0)
        return Tree{{"<not loaded>", QByteArray()}};
    QTemporaryDir scratch;
    readItems(&copy, QString(), tree, scratch.filePath("plain"));
    copy.removeAll();
    return tree;
}

// The same for a local folder, as an add walks it (hidden entries left out).
void readLocal(const QString &folder, const QString &prefix, Tree &tree)
{
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString path = prefix + info.fileName();
        if (info.isDir()) {
            tree.insert(path, "<folder>");
            readLocal(info.filePath(), path + "/", tree);
        } else {
            tree.insert(path, fileBytes(info.filePath()));
        }
    }
}

QStringList texts(const ScriptedPrompter &prompter, bool questions = true)
{
    QStringList list;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        if (questions || p.icon != QMessageBox::Question)
            list << p.text;
    return list;
}

QStringList childNames(const TAVItemContainer *container)
{
    QStringList names;
    for (int i = 0; i < container->getItemCount(); ++i)
        names << container->getItemAt(i)->GetName();
    names.sort(Qt::CaseInsensitive);
    return names;
}

const QString removeQuestion =
    "Would you like to completely remove the original file(s) from your computer?";
const QString wipeQuestion =
    "You are about to securely wipe the original file(s) from your computer. You will not be able to "
    "recover these file(s) once they have been removed. Do you wish to continue?";

// Answers like ScriptedPrompter, and runs a hook when a box with this text
// opens (before it is answered).
class HookedPrompter : public ScriptedPrompter
{
public:
    QHash<QString, std::function<void()>> hooks;
    int choose(QMessageBox *box) override
    {
        if (auto hook = hooks.value(box->text()))
            hook();
        return ScriptedPrompter::choose(box);
    }
};

} // namespace

class TestAddFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addsFilesAndFolderTreeByteForByte();
    void cancelDuringTheSecondOfThreeFiles();
    void failedIndexSaveWipesNothing();
    void replacedItemSurvivesAFailedReplace_data();
    void replacedItemSurvivesAFailedReplace();
    void replaceQuestion_data();
    void replaceQuestion();
    void spaceAndSizeLimits_data();
    void spaceAndSizeLimits();
    void missingPathsAreReportedNotAdded();
    void namesExtractWouldRefuseAreNotAdded();
    void wipeRemovesOnlyWhatWasStored();
    void statisticsAreCoalescedDuringAJob();
    void targetThatRefusesFiles();
    void canAddFileAsksTheSystem_data();
    void canAddFileAsksTheSystem();

private:
    CountingVault *addVault(const QString &name);
    // Runs Add Files with the dialog answered by `choose`.
    void addFiles(ModalAnswerer::Action choose);
    QString local(const QString &relative, const QByteArray &bytes);

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<MainWindow> window;
    QList<CountingVault *> vaults;
};

void TestAddFiles::initTestCase()
{
    QVERIFY(dir.isValid());
    drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestAddFiles::init()
{
    work = std::make_unique<QTemporaryDir>(dir.filePath("work-XXXXXX"));
    QVERIFY(work->isValid());
    window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
}

void TestAddFiles::cleanup()
{
    window.reset();
    for (CountingVault *vault : qAsConst(vaults)) {
        TAVFileSystem::getInstance()->removeItem(vault);
        destroyItemTree(vault);
    }
    vaults.clear();
    TAVFileSystem::getInstance()->removeAll();
    work.reset();
}

CountingVault *TestAddFiles::addVault(const QString &name)
{
    const QString folder = work->filePath("vaults/" + name);
    QDir().mkpath(folder);
    auto *vault = new CountingVault(TAVFileSystem::getInstance(), name, folder, TAV_AES256,
                                    CryptoVectors::key());
    vault->setLoaded(true);
    TAVFileSystem::getInstance()->addItem(vault);
    vaults << vault;
    window->updateView(vault);
    return vault;
}

QString TestAddFiles::local(const QString &relative, const QByteArray &bytes)
{
    const QString path = work->filePath("local/" + relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeBytes(path, bytes) ? path : QString();
}

void TestAddFiles::addFiles(ModalAnswerer::Action choose)
{
    ModalAnswerer answers(10000);
    answers.act(choose);
    window->ui->actionAdd_Files->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!window->busy);
    QVERIFY(!window->progressDialog->isVisible());
}

void TestAddFiles::addsFilesAndFolderTreeByteForByte()
{
    CountingVault *vault = addVault("Alpha");
    local("a.txt", "alpha");
    local("empty.bin", QByteArray());
    local("big.bin", CryptoVectors::pattern(300000));
    local("Tree/b.txt", "bravo");
    local("Tree/A.txt", "first by name");
    local("Tree/.hidden", "never added");
    local("Tree/sub/deep.bin", CryptoVectors::pattern(70000));
    QVERIFY(QDir().mkpath(work->filePath("local/Tree/empty folder")));

    ScriptedPrompter prompter;
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"a.txt", "empty.bin", "big.bin", "Tree"}));

    Tree expected;
    readLocal(work->filePath("local"), QString(), expected);
    QVERIFY(!expected.contains("Tree/.hidden"));
    QCOMPARE(reloaded(vault), expected);
    // One commit for the whole job, the originals asked about and kept.
    QCOMPARE(vault->saves, 1);
    QCOMPARE(texts(prompter), QStringList{removeQuestion});
    QCOMPARE(fileBytes(work->filePath("local/a.txt")), QByteArray("alpha"));
    QCOMPARE(VaultFixture::bodies(vault).size(), 6);
    // Nothing but bodies, the index and its sub-folders in the vault folder.
    QDirIterator it(vault->getFullPhysicalVaultPath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        QVERIFY2(name == "index.dat" || QRegularExpression("^[0-9a-f]{32}$").match(name).hasMatch(),
                 qPrintable(name));
    }
    QCOMPARE(MainWindow::vaultCipher, TAV_AES256);
    QCOMPARE(window->ui->lblStatusText->text().section('\n', 1).endsWith(" (6 items)"), true);
}

void TestAddFiles::cancelDuringTheSecondOfThreeFiles()
{
    CountingVault *vault = addVault("Alpha");
    local("1.bin", "first");
    local("2.bin", CryptoVectors::pattern(96 * 1024 * 1024));
    local("3.bin", "third");
    // The user presses Cancel once the second file is under way.
    // With KV_SHOT_DIR set the progress window is also saved there as a picture.
    const QString shots = qEnvironmentVariable("KV_SHOT_DIR");
    connect(window->cryptoThread, &TAVCryptoThread::progress, window.get(), [this, shots] {
        if (window->cryptoThread->source.endsWith("2.bin") && !window->progressDialog->wasCanceled) {
            if (!shots.isEmpty())
                window->progressDialog->grab().save(shots + "/shot-add-progress.png");
            window->progressDialog->cancel();
        }
    });

    ScriptedPrompter prompter;
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"1.bin", "2.bin", "3.bin"}));

    QCOMPARE(texts(prompter), QStringList{"The copy operation was cancelled by the user"});
    QCOMPARE(childNames(vault), QStringList{"1.bin"});
    QCOMPARE(reloaded(vault), (Tree{{"1.bin", "first"}}));
    QCOMPARE(vault->saves, 1);
    QCOMPARE(VaultFixture::bodies(vault).size(), 1);
}

void TestAddFiles::failedIndexSaveWipesNothing()
{
    CountingVault *vault = addVault("Alpha");
    // One file on the disk already.
    const QString kept = work->filePath("old/kept.txt");
    QDir().mkpath(work->filePath("old"));
    QVERIFY(writeBytes(kept, "kept before"));
    vault->addFile(kept)->encrypt(kept);
    QCOMPARE(vault->save(), 0);
    const QStringList bodiesBefore = VaultFixture::bodies(vault);
    const QString a = local("a.txt", "alpha");
    const QString b = local("Tree/b.txt", "bravo");

    // The user agrees to the wipe; then the disk refuses the index.
    std::unique_ptr<FileSizeLimit> full;
    HookedPrompter prompter;
    prompter.choices = {1, 1};
    prompter.hooks.insert(wipeQuestion, [&full] { full = std::make_unique<FileSizeLimit>(1); });
    const QString error = "The vault Alpha could not be saved, so the files just added are not kept in it. "
                          "The original files have not been removed.";
    prompter.hooks.insert(error, [&full] { full.reset(); });
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"a.txt", "Tree"}));

    QCOMPARE(texts(prompter), (QStringList{removeQuestion, wipeQuestion, error}));
    QVERIFY(!full);
    QCOMPARE(fileBytes(a), QByteArray("alpha"));
    QCOMPARE(fileBytes(b), QByteArray("bravo"));
    QCOMPARE(reloaded(vault), (Tree{{"kept.txt", "kept before"}}));
    // What the window shows is what the disk holds: the new items are out
    // of the tree and the view, their bodies gone, the old one kept.
    QCOMPARE(childNames(vault), QStringList{"kept.txt"});
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    QCOMPARE(model->rootItem(), static_cast<TAVItemContainer *>(vault));
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QString("kept.txt"));
    QCOMPARE(VaultFixture::bodies(vault), bodiesBefore);
}

void TestAddFiles::replacedItemSurvivesAFailedReplace_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("write fails") << false;
}

void TestAddFiles::replacedItemSurvivesAFailedReplace()
{
    QFETCH(bool, cancel);
    CountingVault *vault = addVault("Alpha");
    const QString old = work->filePath("old/doc.bin");
    QDir().mkpath(work->filePath("old"));
    QVERIFY(writeBytes(old, "old content"));
    TAVFile *item = vault->addFile(old);
    item->encrypt(old);
    QCOMPARE(vault->save(), 0);
    const QUuid id = item->GetId();
    const QString source = local("doc.bin", CryptoVectors::pattern(cancel ? 96 * 1024 * 1024 : 2000000));

    connect(window->cryptoThread, &TAVCryptoThread::progress, window.get(), [this, cancel] {
        if (cancel && !window->progressDialog->wasCanceled)
            window->progressDialog->cancel();
    });
    ScriptedPrompter prompter;
    prompter.choices = {0}; // " Yes ", replace it
    {
        std::unique_ptr<FileSizeLimit> full;
        if (!cancel) {
            full = std::make_unique<FileSizeLimit>(200000);
            QVERIFY(full->isActive());
        }
        addFiles(FileDialogAnswer::select(work->filePath("local"), {"doc.bin"}));
    }

    const QStringList shown = texts(prompter, false);
    QCOMPARE(shown.size(), 1);
    if (cancel) {
        QCOMPARE(shown.first(), QString("The copy operation was cancelled by the user"));
    } else {
        QVERIFY2(shown.first().startsWith(source + " could not be encrypted into the vault: "),
                 qPrintable(shown.first()));
        QVERIFY(!shown.first().contains("disk is full"));
    }
    QCOMPARE(childNames(vault), QStringList{"doc.bin"});
    QCOMPARE(vault->getItem("doc.bin"), static_cast<TAVItem *>(item));
    QCOMPARE(item->GetId(), id);
    QCOMPARE(reloaded(vault), (Tree{{"doc.bin", "old content"}}));
    QCOMPARE(VaultFixture::bodies(vault).size(), 1);
}

void TestAddFiles::replaceQuestion_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("replaced"); // per file x, y, z: n new content, o old
    QTest::newRow("Yes to All at the first") << QList<int>{1} << 1 << "nnn";
    QTest::newRow("No to each") << QList<int>{2, 2, 2} << 3 << "ooo";
    QTest::newRow("closed by the lock") << QList<int>{} << 3 << "ooo";
    QTest::newRow("Yes, No, Yes") << QList<int>{0, 2, 0} << 3 << "non";
}

void TestAddFiles::replaceQuestion()
{
    QFETCH(QList<int>, answers);
    QFETCH(QString, replaced);
    CountingVault *vault = addVault("Alpha");
    // Existing names differ in case from the new ones for y.
    for (const QString &name : QStringList{"x.txt", "Y.txt", "z.txt"}) {
        const QString old = work->filePath("old/" + name);
        QDir().mkpath(work->filePath("old"));
        QVERIFY(writeBytes(old, "old " + name.toUtf8()));
        vault->addFile(old)->encrypt(old);
    }
    QCOMPARE(vault->save(), 0);
    for (const QString &name : QStringList{"x.txt", "y.txt", "z.txt"})
        local(name, "new " + name.toUtf8());

    HookedPrompter prompter;
    prompter.choices = answers;
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"x.txt", "y.txt", "z.txt"}));

    QStringList asked;
    for (const QString &text : texts(prompter))
        if (text.contains("already contains"))
            asked << text;
    QTEST(asked.size(), "asked");
    QCOMPARE(asked.first(), QString::fromUtf8("Kolvane\u2122 vave already contains a file name 'x.txt'. "
                                              "Would you like to replace the existing file?"));
    if (asked.size() > 1)
        QVERIFY(asked.at(1).contains("'y.txt'"));
    const Tree tree = reloaded(vault);
    QCOMPARE(tree.keys(), (QStringList{"Y.txt", "x.txt", "z.txt"}));
    const QStringList names = {"x.txt", "Y.txt", "z.txt"};
    const QList<QByteArray> fresh = {"new x.txt", "new y.txt", "new z.txt"};
    const QList<QByteArray> kept = {"old x.txt", "old Y.txt", "old z.txt"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(tree.value(names[i]), replaced[i] == 'n' ? fresh[i] : kept[i]);
}

void TestAddFiles::spaceAndSizeLimits_data()
{
    QTest::addColumn<bool>("fat");
    QTest::addColumn<qint64>("free");  // -1: the disk's own
    QTest::addColumn<qint64>("size");  // of a.bin; b.txt holds 5 bytes
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("stored");
    const QString fatText = "It is not possible to encrypt the selected file. This may be due to a "
                            "restriction of the USB flash drive file system or the drive is full.";
    const QString fullText = "The application can not add more files because the vault's disk is full.";
    QTest::newRow("FAT refuses 4 GiB, the job goes on")
        << true << qint64(-1) << qint64(4294967296) << QStringList{fatText} << QStringList{"b.txt"};
    QTest::newRow("4 GiB on another volume is only a matter of space")
        << false << qint64(4294967295) << qint64(4294967296) << QStringList{fullText} << QStringList{};
    // The space is asked once per job and counted down: a.bin takes all of
    // it, so b.txt no longer fits.
    QTest::newRow("exactly the free space") << false << qint64(1000) << qint64(1000) << QStringList{fullText}
                                            << QStringList{"a.bin"};
    QTest::newRow("room for both") << false << qint64(2000 + 2 * 512) << qint64(1000) << QStringList{}
                                   << QStringList{"a.bin", "b.txt"};
    QTest::newRow("one byte more stops the job") << false << qint64(999) << qint64(1000)
                                                 << QStringList{fullText} << QStringList{};
    QTest::newRow("an empty file needs no space") << false << qint64(0) << qint64(0)
                                                  << QStringList{fullText} << QStringList{"a.bin"};
}

void TestAddFiles::spaceAndSizeLimits()
{
    QFETCH(bool, fat);
    QFETCH(qint64, free);
    QFETCH(qint64, size);
    QFETCH(QStringList, stored);
    CountingVault *vault = addVault("Alpha");
    if (fat)
        vault->setFileSystemType(FileUtils::TAV_FS_FAT);
    int asked = 0;
    if (free >= 0)
        window->freeDiskSpace = [free, &asked](const QString &) {
            ++asked;
            return quint64(free);
        };
    // Sparse: a 4 GiB source costs no disk.
    QFile big(local("a.bin", QByteArray()));
    QVERIFY(big.resize(size));
    local("b.txt", "bravo");

    ScriptedPrompter prompter;
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"a.bin", "b.txt"}));

    QTEST(texts(prompter, false), "messages");
    QCOMPARE(childNames(vault), stored);
    QCOMPARE(reloaded(vault).keys(), stored);
    // Asked once for the job, not once per file.
    QCOMPARE(asked, free >= 0 ? 1 : 0);
}

void TestAddFiles::missingPathsAreReportedNotAdded()
{
    CountingVault *vault = addVault("Alpha");
    local("real.txt", "here");
    const QString ghost = local("ghost.txt", "gone before the dialog returns");
    ScriptedPrompter prompter;
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"real.txt", "ghost.txt"},
                                      [ghost] { QFile::remove(ghost); }));
    QCOMPARE(texts(prompter, false),
             QStringList{"These items could not be found and were not added:\n"
                         + work->filePath("local/ghost.txt")});
    QCOMPARE(reloaded(vault), (Tree{{"real.txt", "here"}}));
}

// A name that could never be saved out again (a backslash, a colon) is
// refused at the door with the name rules' message; the rest is added.
void TestAddFiles::namesExtractWouldRefuseAreNotAdded()
{
    CountingVault *vault = addVault("Alpha");
    local("fine.txt", "fine");
    local("back\\slash.txt", "odd");
    local("Tree/time 10:30.txt", "odd too");
    local("Tree/kept.txt", "kept");
    ScriptedPrompter prompter;
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"fine.txt", "back\\slash.txt", "Tree"}));
    const QString rule = "The filename %1 contains characters that are not allowed on all platforms.";
    QCOMPARE(texts(prompter, false),
             (QStringList{rule.arg(work->filePath("local/back\\slash.txt")),
                          rule.arg(work->filePath("local/Tree/time 10:30.txt"))}));
    QCOMPARE(reloaded(vault), (Tree{{"fine.txt", "fine"}, {"Tree", "<folder>"}, {"Tree/kept.txt", "kept"}}));
}

void TestAddFiles::wipeRemovesOnlyWhatWasStored()
{
    CountingVault *vault = addVault("Alpha");
    // Tree/c.txt clashes with an item kept by " No ".
    const QString old = work->filePath("old/c.txt");
    QDir().mkpath(work->filePath("old"));
    QVERIFY(writeBytes(old, "kept in the vault"));
    vault->addFolder("Tree")->addFile(old)->encrypt(old);
    QCOMPARE(vault->save(), 0);
    local("Tree/a.txt", "alpha");
    local("Tree/.hidden", "not stored");
    local("Tree/c.txt", "refused");
    local("Tree/sub/b.txt", "bravo");

    ScriptedPrompter prompter;
    prompter.choices = {2, 1, 1}; // " No " to the replace, then yes to the wipe twice
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"Tree"}));

    QCOMPARE(texts(prompter).mid(1), (QStringList{removeQuestion, wipeQuestion}));
    QCOMPARE(entries(work->filePath("local/Tree")), (QStringList{".hidden", "c.txt"}));
    QVERIFY(!QFileInfo::exists(work->filePath("local/Tree/sub")));
    QCOMPARE(reloaded(vault), (Tree{{"Tree", "<folder>"}, {"Tree/a.txt", "alpha"},
                                    {"Tree/c.txt", "kept in the vault"}, {"Tree/sub", "<folder>"},
                                    {"Tree/sub/b.txt", "bravo"}}));
}

void TestAddFiles::statisticsAreCoalescedDuringAJob()
{
    addVault("Alpha");
    for (int i = 0; i < 40; ++i)
        local(QString("Many/%1.txt").arg(i), QByteArray::number(i));
    int walks = 0;
    window->totalDiskSpace = [&walks](const QString &) {
        ++walks;
        return quint64(1) << 40;
    };
    window->statsRefreshMs = 60000;
    ScriptedPrompter prompter;
    addFiles(FileDialogAnswer::select(work->filePath("local"), {"Many"}));
    // The refresh at the end, and the one pending from the job: never one per file.
    QVERIFY2(walks <= 3, qPrintable(QString::number(walks)));
    QVERIFY(window->ui->lblStatusText->text().endsWith(" (40 items)"));
}

void TestAddFiles::targetThatRefusesFiles()
{
    // No dialog opens in either case.
    ModalAnswerer answers;
    ScriptedPrompter prompter;
    CountingVault *vault = addVault("Alpha");
    // The root of the vault tree belongs to no vault: only a log line.
    window->updateView(TAVFileSystem::getInstance());
    window->on_actionAdd_Files_triggered();
    QCOMPARE(texts(prompter), QStringList());
    // A vault that is not loaded takes no files.
    vault->setLoaded(false);
    window->updateView(vault);
    window->on_actionAdd_Files_triggered();
    QCOMPARE(texts(prompter), QStringList{"Cannot add files here."});
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!window->busy);
}

void TestAddFiles::canAddFileAsksTheSystem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("expected");
    QTest::newRow("writable folder") << "folder" << true;
    QTest::newRow("file") << "file" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("read-only folder") << "read-only" << false;
}

void TestAddFiles::canAddFileAsksTheSystem()
{
    QFETCH(QString, kind);
    const QString path = work->filePath(kind);
    if (kind == "file")
        QVERIFY(writeBytes(path, "x"));
    if (kind == "folder" || kind == "read-only")
        QVERIFY(QDir().mkpath(path));
    if (kind == "read-only") {
        if (::geteuid() == 0)
            QSKIP("root may write into any folder");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
    }
    const QStringList before = QDir(work->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QTEST(MainWindow::canAddFile(QFileInfo(path)), "expected");
    if (QFileInfo(path).isDir())
        QCOMPARE(entries(path), QStringList());
    QCOMPARE(QDir(work->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(TestAddFiles)
#include "tst_addfiles.moc"
