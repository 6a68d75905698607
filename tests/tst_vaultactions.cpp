// The vault and item operations of the main window, run through its slots on
// a stand-in drive: the folder and name prompts are answered like a user
// would, the message boxes by a scripted prompter.
#include "filesizelimit.h"
#include "localdirtreeview.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavkeychain.h"
#include "tavlistview.h"
#include "tavsearchmodel.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QStackedWidget>
#include <QTimer>

#include <memory>

namespace {

const char *const kPassword = "pw";

// With KV_SHOT_DIR set, a picture of the dialog as it opened is saved there.
void saveShot(QWidget *dialog, const QString &name)
{
    const QByteArray shots = qgetenv("KV_SHOT_DIR");
    if (shots.isEmpty() || name.isEmpty())
        return;
    QTest::qWait(300); // painted by the window system first
    const QString base = QString::fromLocal8Bit(shots) + "/shot-" + name;
    dialog->grab().save(base + ".png");
    // The whole screen as well, with the title the window manager draws.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QProcess::execute(QStringLiteral("import"), {"-window", "root", base + "-screen.png"});
}

// The prompts of the window, answered as a user would.
void chooseFolder(ModalAnswerer &answers, const QString &folder, const QString &shot = QString())
{
    answers.act([folder, shot](QWidget *dialog) {
        saveShot(dialog, shot);
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files)
            return;
        // As typed in the dialog: the parent entered, the last name typed.
        files->setDirectory(QFileInfo(folder).absolutePath());
        if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(QFileInfo(folder).fileName());
        QMetaObject::invokeMethod(files, "accept");
    });
}

void typeText(ModalAnswerer &answers, const QString &text)
{
    answers.act([text](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input)
            return;
        input->setTextValue(text);
        input->accept();
    });
}

QAbstractItemView *shownView(MainWindow *window)
{
    if (window->ui->tavViewStackedWidget->currentIndex() == 0)
        return window->ui->treeView;
    return window->ui->listView;
}

// Selects the rows of these items in the contents view on show (a container
// or the search results); the last one becomes the current row.
void selectItems(MainWindow *window, const QList<TAVItem *> &items)
{
    QAbstractItemView *view = shownView(window);
    QAbstractItemModel *model = view->model();
    const bool search = model->objectName() == QLatin1String("TAVSearchModel");
    view->clearSelection();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        TAVItem *item = search ? TAVSearchModel::getInstance()->itemFromIndex(index)
                               : TAVFileSystemModel::getInstance()->itemFromIndex(index);
        if (items.contains(item))
            view->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QStringList childNames(const TAVItemContainer *container)
{
    QStringList names;
    for (int i = 0; i < container->getItemCount(); ++i)
        names << container->getItemAt(i)->GetName();
    names.sort();
    return names;
}

QStringList listNames()
{
    QStringList names;
    for (const TAVFileSystemEntry &entry : TAVFileSystem::getInstance()->getVaultList())
        names << entry.name;
    return names;
}

QStringList promptTexts(const ScriptedPrompter &prompter)
{
    QStringList texts;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        texts << p.text;
    return texts;
}

// The tree of a vault folder as its index on the disk holds it, read by a
// vault of its own.
QStringList indexedNames(const QString &folder, const TAVKey &key, TAVCipher cipher)
{
    TAVVault reader(TAVFileSystem::getInstance(), QStringLiteral("reader"), folder, cipher, key);
    if (reader.load() != 0)
        return {QStringLiteral("<not loaded>")};
    QStringList names = VaultFixture::describe(&reader);
    for (QString &line : names)
        line = line.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('/'), 1);
    reader.removeAll();
    names.sort();
    return names;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeBytes(path, bytes);
}

QString versionName(const QString &folder)
{
    QUuid id;
    QString name;
    TAVCipher cipher = TAV_CIPHER_NONE;
    TAVFileSystem::getVaultInfo(folder, id, name, cipher);
    return name;
}

// The whole content of a folder: relative path and bytes of every file.
QMap<QString, QByteArray> folderContent(const QString &folder)
{
    QMap<QString, QByteArray> content;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        content.insert(QDir(folder).relativeFilePath(path), fileBytes(path));
    }
    return content;
}

} // namespace

class TestVaultActions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void createVault_data();
    void createVault();
    void createVaultRefusals_data();
    void createVaultRefusals();
    void createVaultWithAnUnknownCipherDoesNothing();
    void createVaultFailedSaveLeavesNothing();

    void disconnectAndAdopt_data();
    void disconnectAndAdopt();
    void adoptRefusals();

    void deleteVaultRemovesOnlyWhatItOwns_data();
    void deleteVaultRemovesOnlyWhatItOwns();
    void deleteVaultWithoutItsFolderIsAsked();
    void deleteFromSearchResultsAcrossVaults();
    void deleteKeepsBodiesWhenTheIndexIsNotSaved();
    void deleteAnsweredByTheLockDeletesNothing();

    void newFolderNames_data();
    void newFolderNames();
    void newFolderPlaces();
    void removeFolderFromSearchResults();

    void rename_data();
    void rename();
    void renameRefusals();

private:
    std::unique_ptr<MainWindow> unlockedWindow();
    TAVVault *createThroughWindow(MainWindow *window, const QString &folder);
    QString listFile() const { return drive + "KolvaneVave Settings/filesystem.dat"; }

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    std::unique_ptr<QTemporaryDir> work;
};

void TestVaultActions::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    drive = dir.filePath("drive") + "/";
    QVERIFY(QDir().mkpath(drive + "KolvaneVave Settings"));
    QVERIFY(writeFile(drive + "KolvaneVave Settings/config.dat", QByteArray()));
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
}

void TestVaultActions::init()
{
    work = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid());
    MainWindow::key = TAVKey(QString::fromLatin1(kPassword));
}

void TestVaultActions::cleanup()
{
    QThreadPool::globalInstance()->waitForDone();
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (const TAVFileSystemEntry &entry : TAVFileSystemEntryList(root->getVaultList()))
        root->removeVaultItem(entry.name);
    root->removeAll();
    QFile::remove(listFile());
    MainWindow::key = TAVKey();
}

std::unique_ptr<MainWindow> TestVaultActions::unlockedWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
    return window;
}

TAVVault *TestVaultActions::createThroughWindow(MainWindow *window, const QString &folder)
{
    ModalAnswerer answers;
    chooseFolder(answers, folder);
    window->newVault(TAV_AES256);
    if (!answers.ok())
        qWarning() << answers.errorString();
    return qobject_cast<TAVVault *>(
        TAVFileSystem::getInstance()->getItem(QFileInfo(folder).baseName()));
}

// ---- Creating -------------------------------------------------------------

void TestVaultActions::createVault_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("vaultName");
    QTest::newRow("new folder, name up to the first dot")
        << "Projects.old" << false << 2 << "Projects";
    QTest::newRow("existing folder with other files, AES512")
        << "Work" << true << 3 << "Work";
}

void TestVaultActions::createVault()
{
    QFETCH(QString, folderName);
    QFETCH(bool, folderExists);
    QFETCH(int, method);
    QFETCH(QString, vaultName);
    const QString folder = work->filePath("deep/" + folderName);
    QVERIFY(QDir().mkpath(work->filePath("deep")));
    if (folderExists)
        QVERIFY(writeFile(folder + "/mine.txt", "the user's"));

    auto window = unlockedWindow();
    window->encryptionMethod = method;
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    chooseFolder(answers, folder, folderExists ? "" : "newvault-dialog");
    window->findChild<QAction *>("actionNew_Vault")->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().first().title, QString("Please select a location for the new vault:"));
    QCOMPARE(promptTexts(prompter), QStringList());

    TAVFileSystem *root = TAVFileSystem::getInstance();
    auto *vault = qobject_cast<TAVVault *>(root->getItem(vaultName));
    QVERIFY(vault);
    QCOMPARE(vault->GetName(), vaultName);
    QVERIFY(vault->isLoaded());
    QCOMPARE(int(vault->getCipher()), method);
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), root);
    QVERIFY(window->inactivityTimer->isActive());
    for (const char *name : {"index.dat", "version.dat", "keychain.dat", "vault.png"})
        QVERIFY2(QFileInfo(folder + "/" + name).isFile(), name);
    if (folderExists)
        QCOMPARE(fileBytes(folder + "/mine.txt"), QByteArray("the user's"));
    QCOMPARE(versionName(folder), vaultName);
    QCOMPARE(listNames(), QStringList{vaultName});

    // The key chain holds the vault key wrapped under the master key.
    TAVKeyChain chain(folder + "/keychain.dat");
    TAVKey wrapped;
    QCOMPARE(chain.getKey(QString(), &wrapped), 0);
    QVERIFY(wrapped != vault->getKey());
    QCOMPARE(wrapped.decrypt(MainWindow::key), 0);
    QVERIFY(wrapped == vault->getKey());

    // Back after the next login: the list on the drive names it, its index opens.
    vault->unload();
    root->removeAll();
    QCOMPARE(root->appendFromFile(listFile(), MainWindow::key), 0);
    vault = qobject_cast<TAVVault *>(root->getItem(vaultName));
    QVERIFY(vault);
    QCOMPARE(vault->getFullPhysicalVaultPath(), folder);
    QCOMPARE(vault->load(), 0);
    QCOMPARE(vault->getItemCount(), 0);
}

void TestVaultActions::createVaultRefusals_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("message");
    QTest::newRow("holds a vault")
        << "Old" << "The selected folder already contains a vault. Use Add Existing Vault to connect it.";
    QTest::newRow("name taken, other case")
        << "private" << "A Vault with the name you specified already exists. Specify a different vault name and try again.";
    QTest::newRow("no base name")
        << ".hidden" << "The filename .hidden contains characters that are not allowed on all platforms.";
    QTest::newRow("not portable")
        << "a|b" << "The filename a|b contains characters that are not allowed on all platforms.";
}

void TestVaultActions::createVaultRefusals()
{
    QFETCH(QString, folderName);
    auto window = unlockedWindow();
    QVERIFY(createThroughWindow(window.get(), work->filePath("Private")));
    // A vault made here before, no longer listed: its files must stay as they are.
    const QString old = work->filePath("Old");
    {
        TAVVault earlier(TAVFileSystem::getInstance(), "Old", old, TAV_AES256, TAVKey());
        QDir().mkpath(old);
        earlier.setLoaded(true);
        QCOMPARE(earlier.save(), 0);
        QCOMPARE(earlier.saveVaultVersion(), 0);
        QVERIFY(writeFile(old + "/keychain.dat", "chain"));
    }
    const QMap<QString, QByteArray> oldBefore = folderContent(old);
    const QByteArray listBefore = fileBytes(listFile());

    ScriptedPrompter prompter;
    const QString folder = work->filePath(folderName);
    ModalAnswerer answers;
    chooseFolder(answers, folder);
    window->newVault(TAV_AES256);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QFETCH(QString, message);
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text, message);
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList{"OK"});
    QCOMPARE(childNames(TAVFileSystem::getInstance()), QStringList{"Private"});
    QCOMPARE(listNames(), QStringList{"Private"});
    QCOMPARE(fileBytes(listFile()), listBefore);
    QCOMPARE(folderContent(old), oldBefore);
    if (folder != old)
        QVERIFY(!QFileInfo::exists(folder + "/index.dat"));
    QVERIFY(window->inactivityTimer->isActive());
}

void TestVaultActions::createVaultWithAnUnknownCipherDoesNothing()
{
    auto window = unlockedWindow();
    window->encryptionMethod = 5;
    ModalAnswerer answers(500); // any dialog would be an error
    window->on_actionNew_Vault_triggered();
    QTest::qWait(100);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(answers.seen().isEmpty());
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
}

void TestVaultActions::createVaultFailedSaveLeavesNothing()
{
    auto window = unlockedWindow();
    const QString folder = work->filePath("Fresh");
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    chooseFolder(answers, folder);
    {
        FileSizeLimit limit(16);
        if (!limit.isActive())
            QSKIP("the file size limit cannot be set here");
        window->newVault(TAV_AES256);
    }
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(promptTexts(prompter),
             QStringList{"Unable to write vault structure. The vault was not created."});
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
    QCOMPARE(listNames(), QStringList());
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(window->inactivityTimer->isActive());
}

// ---- Disconnecting and adopting -------------------------------------------

void TestVaultActions::disconnectAndAdopt_data()
{
    QTest::addColumn<QString>("loginPassword");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("adopted");
    QTest::addColumn<bool>("damagedKeyFile"); // a flipped byte in its entry count
    QTest::newRow("as typed") << "pw" << "pw" << true << false;
    QTest::newRow("trailing blanks trimmed") << "pw" << "pw  " << true << false;
    QTest::newRow("a blank that belongs to it") << "pw " << "pw " << true << false;
    QTest::newRow("wrong") << "pw" << "nope" << false << false;
    QTest::newRow("damaged key file, right password") << "pw" << "pw" << false << true;
}

void TestVaultActions::disconnectAndAdopt()
{
    QFETCH(QString, loginPassword);
    QFETCH(QString, typed);
    QFETCH(bool, adopted);
    QFETCH(bool, damagedKeyFile);
    MainWindow::key = TAVKey(loginPassword);
    auto window = unlockedWindow();
    const QString folder = work->filePath("Safe");
    TAVVault *vault = createThroughWindow(window.get(), folder);
    QVERIFY(vault);
    VaultFixture plain;
    TAVFile *file = plain.addFile(vault, "letter.txt", "dear reader");
    Q_UNUSED(file)
    QCOMPARE(vault->save(), 0);
    const QStringList bodies = VaultFixture::bodies(vault);
    QCOMPARE(bodies.size(), 1);

    // Disconnect: list entry gone, folder untouched.
    window->updateView(TAVFileSystem::getInstance());
    selectItems(window.get(), {vault});
    const QMap<QString, QByteArray> before = folderContent(folder);
    ScriptedPrompter prompter;
    prompter.choices = {1};
    window->findChild<QAction *>("actionRemove_Vault")->trigger();
    QCOMPARE(promptTexts(prompter), QStringList{"Do you really want to remove the selected vault?"});
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({" No ", " Yes "}));
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
    QCOMPARE(listNames(), QStringList());
    QCOMPARE(folderContent(folder), before);
    TAVFileSystem::getInstance()->removeAll();
    QCOMPARE(TAVFileSystem::getInstance()->appendFromFile(listFile(), MainWindow::key), 0);
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);

    // Adopt it again.
    const QByteArray listBefore = fileBytes(listFile());
    prompter.prompts.clear();
    ModalAnswerer answers;
    chooseFolder(answers, folder);
    if (damagedKeyFile) {
        QByteArray chain = fileBytes(folder + "/keychain.dat");
        chain[2] = char(chain[2] ^ 0x01);
        QVERIFY(writeBytes(folder + "/keychain.dat", chain));
        window->findChild<QAction *>("actionAdd_Existing_Vault")->trigger();
        QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
        // Named as damage, before any password is asked for; nothing changed.
        QCOMPARE(promptTexts(prompter),
                 QStringList{QString("The file %1/keychain.dat is damaged and could not be read. This is not "
                                     "caused by your password.")
                                 .arg(folder)});
        QCOMPARE(answers.seen().size(), 1);
        QCOMPARE(listNames(), QStringList());
        QCOMPARE(fileBytes(listFile()), listBefore);
        return;
    }
    typeText(answers, typed);
    window->findChild<QAction *>("actionAdd_Existing_Vault")->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().at(1).text, QString("Enter your password to unlock the vault:"));
    QVERIFY(window->inactivityTimer->isActive());
    auto *back = qobject_cast<TAVVault *>(TAVFileSystem::getInstance()->getItem("Safe"));
    if (!adopted) {
        QCOMPARE(promptTexts(prompter), QStringList{"The password is not correct for this vault."});
        QVERIFY(!back);
        QCOMPARE(listNames(), QStringList());
        QCOMPARE(fileBytes(listFile()), listBefore);
        QCOMPARE(folderContent(folder), before);
        return;
    }
    QCOMPARE(promptTexts(prompter), QStringList());
    QVERIFY(back);
    QVERIFY(back->isLoaded());
    QCOMPARE(childNames(back), QStringList{"letter.txt"});
    QCOMPARE(plain.plain(static_cast<TAVFile *>(back->getItem("letter.txt"))), QByteArray("dear reader"));
    QCOMPARE(listNames(), QStringList{"Safe"});
    QCOMPARE(TAVFileSystem::getInstance()->getVaultList().first().id, back->GetId());
    // The list on the drive holds it with its key, so the next login opens it.
    back->unload();
    TAVFileSystem::getInstance()->removeAll();
    QCOMPARE(TAVFileSystem::getInstance()->appendFromFile(listFile(), MainWindow::key), 0);
    back = qobject_cast<TAVVault *>(TAVFileSystem::getInstance()->getItem("Safe"));
    QVERIFY(back);
    QCOMPARE(back->load(), 0);
    QCOMPARE(childNames(back), QStringList{"letter.txt"});

    // Adopting the listed folder again is refused.
    prompter.prompts.clear();
    ModalAnswerer again;
    chooseFolder(again, folder);
    window->on_actionAdd_Existing_Vault_triggered();
    QVERIFY2(again.ok(), qPrintable(again.errorString()));
    QCOMPARE(promptTexts(prompter),
             QStringList{"A Vault with the name you specified already exists. Specify a different vault name and try again."});
}

void TestVaultActions::adoptRefusals()
{
    auto window = unlockedWindow();
    ScriptedPrompter prompter;

    // Not a whole vault.
    const QString partial = work->filePath("Partial");
    QVERIFY(writeFile(partial + "/index.dat", "i"));
    QVERIFY(writeFile(partial + "/version.dat", "v"));
    ModalAnswerer answers;
    chooseFolder(answers, partial);
    window->on_actionAdd_Existing_Vault_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(promptTexts(prompter), QStringList{"The selected folder does not contain a vault."});

    // A vault whose name is taken: a new name is asked once.
    const QString folder = work->filePath("One/Shared");
    QVERIFY(QDir().mkpath(work->filePath("One")));
    TAVVault *first = createThroughWindow(window.get(), folder);
    QVERIFY(first);
    window->updateView(TAVFileSystem::getInstance());
    selectItems(window.get(), {first});
    prompter.choices = {1};
    window->on_actionRemove_Vault_triggered();
    QVERIFY(QDir().mkpath(work->filePath("Two")));
    QVERIFY(createThroughWindow(window.get(), work->filePath("Two/Shared")));
    prompter.prompts.clear();

    ModalAnswerer rename;
    chooseFolder(rename, folder);
    typeText(rename, " Renamed ");
    typeText(rename, kPassword);
    window->on_actionAdd_Existing_Vault_triggered();
    QVERIFY2(rename.ok(), qPrintable(rename.errorString()));
    QCOMPARE(rename.seen().at(1).text, QString("A vault with the same name already exists.\nPlease enter a new name"));
    QCOMPARE(promptTexts(prompter), QStringList());
    QCOMPARE(childNames(TAVFileSystem::getInstance()), QStringList({"Renamed", "Shared"}));
    QCOMPARE(versionName(folder), QString("Renamed"));
    QCOMPARE(listNames(), QStringList({"Shared", "Renamed"}));

    // An empty password.
    auto *renamed = qobject_cast<TAVVault *>(TAVFileSystem::getInstance()->getItem("Renamed"));
    window->updateView(TAVFileSystem::getInstance());
    selectItems(window.get(), {renamed});
    prompter.choices = {1};
    window->on_actionRemove_Vault_triggered();
    prompter.prompts.clear();
    ModalAnswerer empty;
    chooseFolder(empty, folder);
    typeText(empty, "   ");
    window->on_actionAdd_Existing_Vault_triggered();
    QVERIFY2(empty.ok(), qPrintable(empty.errorString()));
    QCOMPARE(promptTexts(prompter), QStringList{"Please try again and enter a password"});
    QCOMPARE(childNames(TAVFileSystem::getInstance()), QStringList{"Shared"});
    QVERIFY(window->inactivityTimer->isActive());
}

// ---- Deleting -------------------------------------------------------------

void TestVaultActions::deleteVaultRemovesOnlyWhatItOwns_data()
{
    QTest::addColumn<bool>("shared");
    QTest::newRow("folder shared with the user's files") << true;
    QTest::newRow("folder of its own") << false;
}

void TestVaultActions::deleteVaultRemovesOnlyWhatItOwns()
{
    QFETCH(bool, shared);
    auto window = unlockedWindow();
    const QString folder = work->filePath("Box");
    QMap<QString, QByteArray> users;
    if (shared) {
        users.insert("notes.txt", "keep me");
        users.insert("sub/deep.bin", QByteArray(3000, 'x'));
        users.insert("00/mine.txt", "in a folder named like a body folder");
        users.insert(".directory", "[Desktop Entry]\nIcon=folder-red\n");
        for (auto it = users.cbegin(); it != users.cend(); ++it)
            QVERIFY(writeFile(folder + "/" + it.key(), it.value()));
    }
    TAVVault *vault = createThroughWindow(window.get(), folder);
    QVERIFY(vault);
    VaultFixture plain;
    plain.addFile(vault, "a.txt", "alpha");
    plain.addFile(plain.addFolder(vault, "In"), "b.txt", "bravo");
    QCOMPARE(vault->save(), 0);
    QVERIFY(writeFile(folder + "/synclist.dat", "sync"));
    QVERIFY(writeFile(folder + "/peer1.sync", "peer"));
    QVERIFY(writeFile(vault->getIndexBackupFileName(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5))), "old index"));
    QCOMPARE(VaultFixture::bodies(vault).size(), shared ? 4 : 2); // the user's two in sub-folders

    window->updateView(TAVFileSystem::getInstance());
    selectItems(window.get(), {vault});
    ScriptedPrompter prompter;
    prompter.choices = {1};
    window->findChild<QAction *>("actionDeleteItem")->trigger();
    QCOMPARE(promptTexts(prompter),
             QStringList{"You have choosen to delete the vault titled [Box]. All files within this vault will also be deleted. Do you wish to continue?"});
    QThreadPool::globalInstance()->waitForDone();

    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
    QCOMPARE(listNames(), QStringList());
    QCOMPARE(TAVFileSystem::getInstance()->appendFromFile(listFile(), MainWindow::key), 0);
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
    if (shared) {
        QCOMPARE(folderContent(folder), users); // exactly the user's files, unchanged
    } else {
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(QFileInfo(work->path()).isDir());
    }
}

void TestVaultActions::deleteVaultWithoutItsFolderIsAsked()
{
    auto window = unlockedWindow();
    const QString folder = work->filePath("Gone");
    TAVVault *vault = createThroughWindow(window.get(), folder);
    QVERIFY(vault);
    vault->unload();
    QVERIFY(QDir(folder).removeRecursively()); // the drive is unplugged
    window->updateView(TAVFileSystem::getInstance());
    selectItems(window.get(), {vault});

    ScriptedPrompter prompter; // closed without an answer
    window->on_actionDeleteItem_triggered();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(listNames(), QStringList{"Gone"});
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 1);

    prompter.choices = {1};
    selectItems(window.get(), {vault});
    window->on_actionDeleteItem_triggered();
    QCOMPARE(prompter.prompts.size(), 2);
    QCOMPARE(listNames(), QStringList());
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
}

void TestVaultActions::deleteFromSearchResultsAcrossVaults()
{
    auto window = unlockedWindow();
    VaultFixture fixture;
    QList<TAVVault *> vaults{fixture.addVault("Alpha"), fixture.addVault("Bravo")};
    QList<TAVItem *> apples;
    for (TAVVault *vault : vaults) {
        apples << fixture.addFile(vault, "apple1.txt", "a1 " + vault->GetName().toLatin1());
        TAVFolder *folder = fixture.addFolder(vault, "applebox");
        apples << folder;
        fixture.addFile(folder, "inside.txt", "in");
        apples << fixture.addFile(folder, "apple2.txt", "a2"); // below a folder that goes too
        fixture.addFile(vault, "pear.txt", "pear " + vault->GetName().toLatin1());
        QCOMPARE(vault->save(), 0);
        QCOMPARE(VaultFixture::bodies(vault).size(), 4);
    }
    window->onFileSystemChanged(TAVFileSystem::getInstance()); // the name index
    window->ui->qSearchLed->setText("apple");
    QCOMPARE(shownView(window.get())->model()->objectName(), QString("TAVSearchModel"));
    selectItems(window.get(), apples);
    QCOMPARE(window->getSelectedItems().size(), 6);

    ScriptedPrompter prompter;
    prompter.choices = {1};
    window->findChild<QAction *>("actionDeleteItem")->trigger();
    QCOMPARE(promptTexts(prompter), QStringList{"Do you really want to delete the selected item(s)?"});
    QThreadPool::globalInstance()->waitForDone();

    for (TAVVault *vault : vaults) {
        QCOMPARE(childNames(vault), QStringList{"pear.txt"});
        QCOMPARE(indexedNames(vault->getFullPhysicalVaultPath(), vault->getKey(), vault->getCipher()),
                 QStringList{"pear.txt"});
        QCOMPARE(VaultFixture::bodies(vault).size(), 1);
        QCOMPARE(fixture.plain(static_cast<TAVFile *>(vault->getItem("pear.txt"))),
                 "pear " + vault->GetName().toLatin1());
    }
    QCOMPARE(TAVSearchModel::getInstance()->rowCount(), 0);
}

void TestVaultActions::deleteKeepsBodiesWhenTheIndexIsNotSaved()
{
    auto window = unlockedWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *gone = fixture.addFile(vault, "gone.txt", "gone");
    fixture.addFile(vault, "stays.txt", "stays");
    QCOMPARE(vault->save(), 0);
    const QStringList bodies = VaultFixture::bodies(vault);
    const QByteArray index = fileBytes(vault->getVaultIdxFileName());
    window->updateView(vault);
    selectItems(window.get(), {gone});

    ScriptedPrompter prompter;
    prompter.choices = {1};
    {
        FileSizeLimit limit(16);
        if (!limit.isActive())
            QSKIP("the file size limit cannot be set here");
        window->on_actionDeleteItem_triggered();
        QThreadPool::globalInstance()->waitForDone();
    }
    QCOMPARE(promptTexts(prompter),
             QStringList({"Do you really want to delete the selected item(s)?",
                          "The index of the vault Alpha could not be saved."}));
    QCOMPARE(childNames(vault), QStringList{"stays.txt"});
    QCOMPARE(VaultFixture::bodies(vault), bodies);
    QCOMPARE(fileBytes(vault->getVaultIdxFileName()), index);
    QCOMPARE(indexedNames(vault->getFullPhysicalVaultPath(), vault->getKey(), vault->getCipher()),
             QStringList({"gone.txt", "stays.txt"}));

    // The next save that succeeds takes the body along.
    window->onFileSystemChanged(vault);
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(VaultFixture::bodies(vault).size(), 1);
}

void TestVaultActions::deleteAnsweredByTheLockDeletesNothing()
{
    auto window = unlockedWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFile *file = fixture.addFile(vault, "a.txt", "a");
    QCOMPARE(vault->save(), 0);
    window->updateView(vault);
    selectItems(window.get(), {file});
    ScriptedPrompter prompter; // -1, as a lock leaves the box
    window->on_actionDeleteItem_triggered();
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(childNames(vault), QStringList{"a.txt"});
    QCOMPARE(VaultFixture::bodies(vault).size(), 1);
    QVERIFY(window->inactivityTimer->isActive());
}

// ---- New folder and folder removal -----------------------------------------

void TestVaultActions::newFolderNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");
    const QString refused = "The filename %1 contains characters that are not allowed on all platforms.";
    const QStringList none{"Photos"};
    QTest::newRow("plain, trimmed") << "  Letters " << "" << QStringList({"Letters", "Photos"});
    QTest::newRow("blanks only") << "   " << "" << none;
    QTest::newRow("dot") << "." << refused.arg(".") << none;
    QTest::newRow("dot dot") << ".." << refused.arg("..") << none;
    QTest::newRow("slash") << "a/b" << refused.arg("a/b") << none;
    QTest::newRow("bar") << "a|b" << refused.arg("a|b") << none;
    QTest::newRow("quote") << "a\"b" << refused.arg("a\"b") << none;
    QTest::newRow("256 characters") << QString(256, 'n') << refused.arg(QString(256, 'n')) << none;
    QTest::newRow("taken, other case")
        << "photos"
        << "A folder with the name you specified already exists. Specify a different folder name and try again."
        << none;
}

void TestVaultActions::newFolderNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, after);
    auto window = unlockedWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    fixture.addFolder(vault, "Photos");
    QCOMPARE(vault->save(), 0);
    window->updateView(vault);

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    typeText(answers, typed);
    window->findChild<QAction *>("actionNew_Folder")->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().first().text,
             QString("Please enter a name for your new folder:                    "));
    QCOMPARE(promptTexts(prompter), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(childNames(vault), after);
    QCOMPARE(indexedNames(vault->getFullPhysicalVaultPath(), vault->getKey(), vault->getCipher()), after);
}

void TestVaultActions::newFolderPlaces()
{
    auto window = unlockedWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *photos = fixture.addFolder(vault, "Photos");
    QCOMPARE(vault->save(), 0);

    // The list of vaults takes no folder.
    window->updateView(TAVFileSystem::getInstance());
    ScriptedPrompter prompter;
    window->on_actionNew_Folder_triggered();
    QCOMPARE(promptTexts(prompter), QStringList{"You cannot create a folder here."});

    // A vault selected there: inside it.
    selectItems(window.get(), {vault});
    ModalAnswerer answers;
    typeText(answers, "Top");
    window->on_actionNew_Folder_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(childNames(vault), QStringList({"Photos", "Top"}));

    // A folder selected in the vault: inside the folder, not beside it.
    window->updateView(vault);
    selectItems(window.get(), {photos});
    typeText(answers, "Inner");
    window->on_actionNew_Folder_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(childNames(photos), QStringList{"Inner"});
    QCOMPARE(indexedNames(vault->getFullPhysicalVaultPath(), vault->getKey(), vault->getCipher()),
             QStringList({"Photos", "Photos/Inner", "Top"}));

    // The local pane: a real folder.
    const QString local = work->filePath("local");
    QVERIFY(QDir().mkpath(local));
    auto *localDir = qobject_cast<QFileSystemModel *>(window->ui->fsDirView->model());
    window->on_fsDirView_clicked(localDir->index(local));
    QCOMPARE(window->activeModel, window->ui->fsTreeView->model());
    typeText(answers, "Made");
    window->on_actionNew_Folder_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(QFileInfo(local + "/Made").isDir());
}

void TestVaultActions::removeFolderFromSearchResults()
{
    auto window = unlockedWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *box = fixture.addFolder(vault, "Boxes");
    fixture.addFile(box, "in.txt", "in");
    TAVFile *file = fixture.addFile(vault, "boxlist.txt", "list");
    QCOMPARE(vault->save(), 0);
    window->onFileSystemChanged(TAVFileSystem::getInstance());
    window->ui->qSearchLed->setText("box");
    ScriptedPrompter prompter;

    // A file current: refused.
    selectItems(window.get(), {file});
    prompter.choices = {1};
    window->findChild<QAction *>("actionRemove_Folder")->trigger();
    QCOMPARE(promptTexts(prompter), QStringList({"Do you really want to remove the selected folder?",
                                                 "The selected item is not a folder."}));

    // Closed by the lock: nothing.
    prompter.prompts.clear();
    selectItems(window.get(), {box});
    window->on_actionRemove_Folder_triggered();
    QCOMPARE(childNames(vault), QStringList({"Boxes", "boxlist.txt"}));

    prompter.choices = {1};
    window->on_actionRemove_Folder_triggered();
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(childNames(vault), QStringList{"boxlist.txt"});
    QCOMPARE(indexedNames(vault->getFullPhysicalVaultPath(), vault->getKey(), vault->getCipher()),
             QStringList{"boxlist.txt"});
    QCOMPARE(VaultFixture::bodies(vault).size(), 1);
}

// ---- Renaming -------------------------------------------------------------

void TestVaultActions::rename_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QString>("expected");
    const QString extension = "The file name extension is going to be changed. Do you really want to rename it?";
    QTest::newRow("file") << "report.txt" << "notes.txt" << QList<int>{} << QStringList() << "notes.txt";
    QTest::newRow("file, other extension, yes")
        << "report.txt" << "report.pdf" << QList<int>{1} << QStringList{extension} << "report.pdf";
    QTest::newRow("file, other extension, no")
        << "report.txt" << "report.pdf" << QList<int>{0} << QStringList{extension} << "report.txt";
    QTest::newRow("file, letter case alone") << "report.txt" << "Report.txt" << QList<int>{}
                                             << QStringList() << "report.txt";
    QTest::newRow("folder") << "Inner" << " Outer " << QList<int>{} << QStringList() << "Outer";
    QTest::newRow("vault") << "Work" << "Job" << QList<int>{} << QStringList() << "Job";
    QTest::newRow("vault, letter case alone") << "Work" << "work" << QList<int>{} << QStringList() << "work";
    QTest::newRow("taken by a sibling")
        << "report.txt" << "Other.txt" << QList<int>{}
        << QStringList{"An item with the name you specified already exists. Please try again."}
        << "report.txt";
    QTest::newRow("not portable")
        << "Inner" << "a:b" << QList<int>{}
        << QStringList{"The filename a:b contains characters that are not allowed on all platforms."}
        << "Inner";
}

void TestVaultActions::rename()
{
    QFETCH(QString, what);
    QFETCH(QString, typed);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, questions);
    QFETCH(QString, expected);
    auto window = unlockedWindow();
    const QString folder = work->filePath("Work");
    TAVVault *vault = createThroughWindow(window.get(), folder);
    QVERIFY(vault);
    VaultFixture fixture;
    fixture.addFile(vault, "report.txt", "r");
    fixture.addFile(vault, "other.txt", "o");
    fixture.addFolder(vault, "Inner");
    window->onFileSystemChanged(vault);

    TAVItem *item = what == "Work" ? static_cast<TAVItem *>(vault) : vault->getItem(what);
    window->updateView(item == vault ? static_cast<TAVItemContainer *>(TAVFileSystem::getInstance()) : vault);
    selectItems(window.get(), {item});
    ScriptedPrompter prompter;
    prompter.choices = answers;
    ModalAnswerer dialogs;
    dialogs.act([&](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        QCOMPARE(input->textValue(), what); // the old name to start from
        saveShot(dialog, QTest::currentDataTag() == QByteArray("vault") ? "rename-dialog" : "");
        input->setTextValue(typed);
        input->accept();
    });
    window->findChild<QAction *>("actionRenameItem")->trigger();
    QVERIFY2(dialogs.ok(), qPrintable(dialogs.errorString()));
    QCOMPARE(dialogs.seen().first().text,
             QString("Please enter a new name:                                        "));
    QCOMPARE(promptTexts(prompter), questions);
    QCOMPARE(item->GetName(), expected);
    QVERIFY(window->inactivityTimer->isActive());

    // What the drive holds follows the tree: the index, the version file and the list.
    const QString vaultName = vault->GetName();
    QCOMPARE(versionName(folder), vaultName);
    QCOMPARE(listNames(), QStringList{vaultName});
    QStringList names = indexedNames(folder, vault->getKey(), vault->getCipher());
    QStringList inTree = childNames(vault);
    inTree.sort(Qt::CaseInsensitive);
    names.sort(Qt::CaseInsensitive);
    QCOMPARE(names, inTree);
    vault->unload();
    TAVFileSystem::getInstance()->removeAll();
    QCOMPARE(TAVFileSystem::getInstance()->appendFromFile(listFile(), MainWindow::key), 0);
    auto *reread = qobject_cast<TAVVault *>(TAVFileSystem::getInstance()->getItem(vaultName));
    QVERIFY(reread);
    QCOMPARE(reread->GetName(), vaultName);
    QCOMPARE(reread->load(), 0);
}

void TestVaultActions::renameRefusals()
{
    auto window = unlockedWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    QCOMPARE(vault->save(), 0);
    ScriptedPrompter prompter;

    // Cancelled, or closed by the lock: nothing.
    window->updateView(TAVFileSystem::getInstance());
    selectItems(window.get(), {vault});
    ModalAnswerer dialogs;
    dialogs.reject();
    window->on_actionRenameItem_triggered();
    QVERIFY2(dialogs.ok(), qPrintable(dialogs.errorString()));
    QCOMPARE(vault->GetName(), QString("Alpha"));

    // The list of vaults itself has no name to change.
    window->ui->listView->clearSelection();
    window->ui->treeView->clearSelection();
    typeText(dialogs, "Root");
    window->on_actionRenameItem_triggered();
    QVERIFY2(dialogs.ok(), qPrintable(dialogs.errorString()));
    QCOMPARE(promptTexts(prompter), QStringList());
    QCOMPARE(childNames(TAVFileSystem::getInstance()), QStringList{"Alpha"});
}

QTEST_MAIN(TestVaultActions)
#include "tst_vaultactions.moc"
