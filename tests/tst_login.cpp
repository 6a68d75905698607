#include "cryptovectors.h"
#include "fakeclock.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "tavcryptothread.h"
#include "tavexpireddate.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilewatcher.h"
#include "tavfolder.h"
#include "tavsearchindex.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "useddrive.h"
#include "usbstick.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

const QString kPassword = QStringLiteral("Correct horse 7");
const QString kWrong = QStringLiteral("Your password is not correct. Please try again.");

QStringList texts(const ScriptedPrompter &prompter)
{
    QStringList all;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        all << p.text;
    return all;
}

QStringList names(const QList<TAVItem *> &items)
{
    QStringList all;
    for (TAVItem *item : items)
        all << item->GetName();
    all.sort(Qt::CaseInsensitive);
    return all;
}

QStringList repeated(const QString &text, int times)
{
    QStringList all;
    for (int i = 0; i < times; ++i)
        all << text;
    return all;
}

TAVVault *vaultNamed(const QString &name)
{
    return qobject_cast<TAVVault *>(TAVFileSystem::getInstance()->getItem(name));
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void returnUnlocksAndLoadsEveryVault();
    void wrongPasswordsAreCountedAndTheTenthWaits();
    void keypadOnlyFillsTheField_data();
    void keypadOnlyFillsTheField();
    void lockClosesBoxesWipesCopiesAndUnloads();
    void lockKeepsCopiesWhoseChangesAreNotInTheVault();
    void inactivityLocks_data();
    void inactivityLocks();
    void reminderComesOnceTheDateHasPassed_data();
    void reminderComesOnceTheDateHasPassed();
    void lockDuringEncryptionUnloadsAfterTheJob_data();
    void lockDuringEncryptionUnloadsAfterTheJob();
    void damageIsNotAWrongPassword_data();
    void damageIsNotAWrongPassword();
    void missingVaultIsAskedForOnlyOnItsOwnDrive_data();
    void missingVaultIsAskedForOnlyOnItsOwnDrive();
    void cryptoJobFailureComesFromTheWorkersEndState_data();
    void cryptoJobFailureComesFromTheWorkersEndState();
    void errorBoxClosedByTheLockStillSetsTheFlag();

private:
    std::unique_ptr<MainWindow> makeWindow();
    // Types the password and presses Return.
    void login(MainWindow *window, const QString &password);
    QString vaultFolder(const QString &name) const { return drive + name; }

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    QString otherDrive;
    QString localFolder;
};

void TestLogin::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    // A vault folder must never be made relative to the working folder.
    QVERIFY(QDir().mkpath(dir.filePath("cwd")));
    QVERIFY(QDir::setCurrent(dir.filePath("cwd")));
    drive = dir.filePath("drive") + "/";
    otherDrive = dir.filePath("other") + "/";
    localFolder = dir.filePath("local") + "/";
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
}

// Every test starts from a drive holding Alpha (on the drive) and Bravo (on
// a local disk), written under kPassword.
void TestLogin::init()
{
    for (const QString &path : {drive, otherDrive, localFolder})
        QDir(path).removeRecursively();
    QVERIFY(QDir().mkpath(drive));
    drives.unplug("SER2");
    TAVStickManager::update();
    QVERIFY(layOutUsedDrive(drive, kPassword,
                            {{"Alpha", vaultFolder("Alpha"),
                              {"Letters/", "Letters/Invoice march.txt", "Letters/invitation.txt",
                               "Photo.jpg"}},
                             {"Bravo", localFolder + "Bravo", {"Inbox/", "Inbox/notes.txt"}}}));
}

void TestLogin::cleanup()
{
    TAVSearchIndex::getInstance()->clear();
    TAVFileSystem::getInstance()->removeAll();
    QCOMPARE(QDir(dir.filePath("cwd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
}

std::unique_ptr<MainWindow> TestLogin::makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->lockOutStepMs = 1;
    return window;
}

void TestLogin::login(MainWindow *window, const QString &password)
{
    window->ui->ledPassword->setText(password);
    QTest::keyClick(window->ui->ledPassword, Qt::Key_Return);
}

void TestLogin::returnUnlocksAndLoadsEveryVault()
{
    auto window = makeWindow();
    ScriptedPrompter prompter;
    Ui_MainWindowClass *ui = window->ui;
    QVERIFY(!ui->btnLogin->isEnabled());
    ui->ledPassword->setText(kPassword);
    QVERIFY(ui->btnLogin->isEnabled());
    QTest::keyClick(ui->ledPassword, Qt::Key_Return);

    QCOMPARE(texts(prompter), QStringList());
    QVERIFY(window->unlocked);
    QCOMPARE(ui->centralStackedWidget->currentIndex(), 1);
    QVERIFY(vaultNamed("Alpha") && vaultNamed("Alpha")->isLoaded());
    QVERIFY(vaultNamed("Bravo") && vaultNamed("Bravo")->isLoaded());
    QCOMPARE(vaultNamed("Alpha")->vaultType(), TAV_VAULT_FLASH);
    // The field is emptied after the attempt, and the button follows it.
    QCOMPARE(ui->ledPassword->text(), QString());
    QVERIFY(!ui->btnLogin->isEnabled());
    QVERIFY(ui->qSearchLed->isEnabled());
    QVERIFY(ui->actionDetails->isChecked());
    QVERIFY(ui->main_ToolBar->actions().contains(ui->actionLock));
    QVERIFY(ui->main_ToolBar->actions().contains(ui->actionSynchronize));
    QVERIFY(window->inactivityTimer->isActive());
    QCOMPARE(window->inactivityTimer->interval(), window->minuteOfTimeOut * 60000);
    QVERIFY(window->expiredDate->isRunning());

    // Every item can be found by the beginning of its name, in any case.
    QCOMPARE(names(TAVSearchIndex::getInstance()->searchItems("INV")),
             QStringList({"invitation.txt", "Invoice march.txt"}));
    QCOMPARE(names(TAVSearchIndex::getInstance()->searchItems("no")), QStringList({"notes.txt"}));
    QCOMPARE(names(TAVSearchIndex::getInstance()->searchItems("b")), QStringList({"Bravo"}));
}

void TestLogin::wrongPasswordsAreCountedAndTheTenthWaits()
{
    auto window = makeWindow();
    ScriptedPrompter prompter;
    QStringList waits;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        if (auto *wait = window->findChild<QProgressDialog *>())
            if (!waits.contains(wait->labelText()))
                waits << wait->labelText();
    });
    watch.start(1);

    // Success does not reset the count: 3 wrong, unlock, lock, 6 wrong ...
    for (int i = 0; i < 3; ++i)
        login(window.get(), "wrong");
    QCOMPARE(window->failedLogins, 3);
    login(window.get(), kPassword);
    QVERIFY(!window->isScreenLocked());
    window->on_actionLock_triggered();
    for (int i = 0; i < 6; ++i)
        login(window.get(), "wrong " + QString::number(i));
    QCOMPARE(window->failedLogins, 9);
    QCOMPARE(waits, QStringList());
    QCOMPARE(texts(prompter), repeated(kWrong, 9));
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({"OK"}));
    QCOMPARE(prompter.prompts.first().icon, QMessageBox::Warning);
    // ... and the tenth makes the user wait, after which the count is 0.
    login(window.get(), "");
    QCOMPARE(texts(prompter), repeated(kWrong, 10));
    QCOMPARE(waits, QStringList({"You have exceeded the maximum (10) login attempts. You must "
                                 "wait 1 minute before trying to login again."}));
    QCOMPARE(window->failedLogins, 0);
    QVERIFY(!window->findChild<QProgressDialog *>());
    QVERIFY(window->isScreenLocked());
    QCOMPARE(window->ui->ledPassword->text(), QString());
}

void TestLogin::keypadOnlyFillsTheField_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::newRow("Enter") << "Enter" << kPassword;
    QTest::newRow("Cancel") << "Cancel" << "typed before";
}

void TestLogin::keypadOnlyFillsTheField()
{
    QFETCH(QString, button);
    auto window = makeWindow();
    window->ui->ledPassword->setText("typed before");
    ModalAnswerer answers;
    answers.act([&](QWidget *keypad) {
        keypad->findChild<QLineEdit *>("lineEdit")->setText(kPassword);
        const QByteArray shots = qgetenv("KV_SHOT_DIR");
        if (!shots.isEmpty())
            keypad->grab().save(QString::fromLocal8Bit(shots) + "/shot-login-keypad.png");
        QVERIFY(ModalAnswerer::clickButton(keypad, button));
    });
    QTest::mouseClick(window->ui->btnVirKeyBoard, Qt::LeftButton);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().first().title, QString::fromUtf8("Kolvane\u2122 vave - Virtual Keyboard"));
    QTEST(window->ui->ledPassword->text(), "field");
    QVERIFY(window->isScreenLocked()); // nothing submitted
    if (button == "Enter") {
        QTest::mouseClick(window->ui->btnLogin, Qt::LeftButton);
        QVERIFY(!window->isScreenLocked());
    }
}

void TestLogin::lockClosesBoxesWipesCopiesAndUnloads()
{
    auto window = makeWindow();
    login(window.get(), kPassword);
    TAVVault *alpha = vaultNamed("Alpha");
    TAVVault *bravo = vaultNamed("Bravo");
    auto *photo = qobject_cast<TAVFile *>(alpha->getItem("Photo.jpg"));
    QVERIFY(photo);
    const QString copy = window->fileWatcher->openCopy(photo);
    QCOMPARE(fileBytes(copy), QByteArray("Photo.jpg"));
    window->passwordHintText = "my cat";

    // The lock comes while a question is open: it closes with no answer.
    ModalAnswerer answers;
    MainWindow *w = window.get();
    answers.act([w](QWidget *) { w->on_actionLock_triggered(); });
    QCOMPARE(window->showMessage(QMessageBox::Question, "T", "Delete it?", {" No ", " Yes "}), -1);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    Ui_MainWindowClass *ui = window->ui;
    QVERIFY(window->isScreenLocked());
    QVERIFY(!window->unlocked);
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!QFileInfo::exists(QFileInfo(copy).path()));
    QVERIFY(!alpha->isLoaded() && !bravo->isLoaded());
    QCOMPARE(alpha->getItemCount(), 0);
    QVERIFY(!window->inactivityTimer->isActive());
    QTRY_VERIFY(!window->expiredDate->isRunning());
    QVERIFY(!ui->qSearchLed->isEnabled());
    QVERIFY(!ui->actionDetails->isEnabled());
    QVERIFY(!ui->main_ToolBar->actions().contains(ui->actionLock));
    QVERIFY(!ui->main_ToolBar->actions().contains(ui->actionSynchronize));
    QVERIFY(!ui->passwordHint->isHidden());
    QVERIFY(ui->lblStatusText->isHidden());
    // Only the vaults can be found now.
    QCOMPARE(names(TAVSearchIndex::getInstance()->searchItems("a")), QStringList({"Alpha"}));
    QCOMPARE(names(TAVSearchIndex::getInstance()->searchItems("Let")), QStringList());

    // The next unlock still needs the password, and uses the list in memory:
    // the same vault objects come back loaded.
    QVERIFY(QFile::remove(drive + "Alpha/version.dat")); // not needed for the list
    ScriptedPrompter prompter;
    login(window.get(), "wrong");
    QCOMPARE(texts(prompter), QStringList({kWrong}));
    login(window.get(), kPassword);
    QCOMPARE(vaultNamed("Alpha"), alpha);
    QVERIFY(alpha->isLoaded() && bravo->isLoaded());
    QCOMPARE(names(TAVSearchIndex::getInstance()->searchItems("Let")), QStringList({"Letters"}));
}

// A copy whose changes could not be put into the vault is kept at the lock,
// named to the user, guarded at the end, and put in at the next unlock.
void TestLogin::lockKeepsCopiesWhoseChangesAreNotInTheVault()
{
    auto window = makeWindow();
    login(window.get(), kPassword);
    auto *photo = qobject_cast<TAVFile *>(vaultNamed("Alpha")->getItem("Photo.jpg"));
    const QString copy = window->fileWatcher->openCopy(photo);

    // The vault's folder goes away, then the copy is saved, then the lock.
    QVERIFY(QDir().rename(drive + "Alpha", drive + "Alpha away"));
    QTest::qWait(1100); // a later modification time
    QVERIFY(writeBytes(copy, "edited while the vault was away"));
    ScriptedPrompter prompter;
    window->on_actionLock_triggered();
    QVERIFY(QFile::exists(copy));
    QCOMPARE(window->keptCopies, QStringList({copy}));
    const QStringList shown = texts(prompter).filter("kept unencrypted");
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(copy), qPrintable(shown.first()));

    // Closing asks first; no answer keeps the program running.
    window->show();
    prompter.prompts.clear();
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({" No ", " Yes "}));
    QVERIFY(prompter.prompts.first().text.contains(copy));

    // Back with its folder, the vault takes the changes at the unlock.
    QVERIFY(QDir().rename(drive + "Alpha away", drive + "Alpha"));
    login(window.get(), kPassword);
    QVERIFY(!window->isScreenLocked());
    QCOMPARE(window->keptCopies, QStringList());
    QVERIFY(!QFile::exists(copy));
    photo = qobject_cast<TAVFile *>(vaultNamed("Alpha")->getItem("Photo.jpg"));
    const QString back = dir.filePath("back.jpg");
    photo->decrypt(back);
    QCOMPARE(fileBytes(back), QByteArray("edited while the vault was away"));
    prompter.choices = {};
    QVERIFY(window->close());
}

void TestLogin::inactivityLocks_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("locks");
    QTest::newRow("50 ms") << 50 << true;
    QTest::newRow("0: never") << 0 << false;
}

void TestLogin::inactivityLocks()
{
    QFETCH(int, interval);
    auto window = makeWindow();
    login(window.get(), kPassword);
    window->inactivityTimer->setInterval(interval);
    window->startTimeOut();
    QTest::qWait(300);
    QTEST(window->isScreenLocked(), "locks");
    QCOMPARE(vaultNamed("Alpha")->isLoaded(), !window->isScreenLocked());
    if (window->isScreenLocked())
        QVERIFY(!window->inactivityTimer->isActive());
}

void TestLogin::reminderComesOnceTheDateHasPassed_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("daysSinceChange");
    QTest::addColumn<bool>("atOnce");
    QTest::addColumn<bool>("running");
    QTest::newRow("date passed") << 30 << 31 << true << false;
    QTest::newRow("date ahead") << 30 << 29 << false << true;
    QTest::newRow("no reminder") << 0 << 400 << false << false;
}

void TestLogin::reminderComesOnceTheDateHasPassed()
{
    QFETCH(int, period);
    QFETCH(int, daysSinceChange);
    FakeClock clock;
    // Made before the window so that a reminder coming late, while the
    // window closes, is still answered.
    ScriptedPrompter prompter;
    prompter.choices = {1, 1}; // " No "
    auto window = makeWindow();
    window->expiredDate->setCheckInterval(10);
    window->dayOfChangePasswordRemind = period;
    window->lastChangedPasswordDate = clock.currentDateTime().addDays(-daysSinceChange);
    login(window.get(), kPassword);
    QFETCH(bool, atOnce);
    // The check runs on a thread of the lowest priority: on a busy machine
    // it can take a while.
    if (atOnce)
        QTRY_COMPARE_WITH_TIMEOUT(texts(prompter).size(), 1, 10000);
    else
        QTest::qWait(200);

    const QString reminder = QString::fromUtf8(
        "Your Kolvane\u2122 vave password has reached it's timeout date. It is recommended that "
        "you change your password often to ensure the highest level of security. Would you "
        "like to change it now?");
    QCOMPARE(texts(prompter), atOnce ? QStringList({reminder}) : QStringList());
    QTEST(window->expiredDate->isRunning(), "running");
    if (atOnce) {
        QCOMPARE(prompter.prompts.first().icon, QMessageBox::Question);
        QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({" Yes ", " No "}));
        QVERIFY(window->inactivityTimer->isActive());
    }
    // Two days on, the date has passed: once, and only while unlocked.
    clock.advance(2LL * 24 * 3600 * 1000);
    if (period > 0)
        QTRY_COMPARE_WITH_TIMEOUT(texts(prompter).size(), 1, 10000);
    QTest::qWait(200);
    QCOMPARE(texts(prompter).size(), period > 0 ? 1 : 0);
}

void TestLogin::lockDuringEncryptionUnloadsAfterTheJob_data()
{
    QTest::addColumn<bool>("unlockDuringJob");
    QTest::newRow("locked until the job ends") << false;
    QTest::newRow("unlocked again during the job") << true;
}

void TestLogin::lockDuringEncryptionUnloadsAfterTheJob()
{
    QFETCH(bool, unlockDuringJob);
    auto window = makeWindow();
    login(window.get(), kPassword);
    TAVVault *alpha = vaultNamed("Alpha");
    QByteArray bytes(160 * 1024 * 1024, '\0');
    for (int i = 0; i < bytes.size(); i += 4096)
        bytes[i] = char(i / 4096);
    QVERIFY(QDir().mkpath(dir.filePath("plain")));
    const QString plain = dir.filePath("plain/big.bin");
    QVERIFY(writeBytes(plain, bytes));

    // An add job as the operations run it, with the lock coming in its wait.
    MainWindow *w = window.get();
    bool lockedWhileRunning = false;
    QTimer::singleShot(0, [&] {
        lockedWhileRunning = w->cryptoThread->isRunning();
        w->on_actionLock_triggered();
        QVERIFY(alpha->isLoaded()); // never unloaded under the job
        if (unlockDuringJob)
            login(w, kPassword);
    });
    window->busy = true;
    window->cryptoError = window->accessDenied = false;
    TAVFile *item = alpha->addFile(plain);
    item->encrypt(plain, window->cryptoThread);
    QCOMPARE(window->finishCryptoJob(), 0);
    QVERIFY2(lockedWhileRunning, "the job ended before the lock; make the file larger");
    QCOMPARE(vaultNamed("Alpha"), alpha);
    QVERIFY(alpha->isLoaded());
    window->onFileSystemChanged(alpha);
    window->busy = false;
    window->onCrytoWorkerCompleted();

    QCOMPARE(window->isScreenLocked(), !unlockDuringJob);
    if (unlockDuringJob) {
        QVERIFY(alpha->isLoaded());
        QCOMPARE(alpha->getItem("big.bin"), static_cast<TAVItem *>(item));
    } else {
        QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
        QCOMPARE(TAVSearchIndex::getInstance()->searchItems("big"), QList<TAVItem *>());
        login(window.get(), kPassword); // the list is read again
        alpha = vaultNamed("Alpha");
        QVERIFY(alpha && alpha->isLoaded());
        item = qobject_cast<TAVFile *>(alpha->getItem("big.bin"));
        QVERIFY(item);
    }
    // The body is whole.
    const QString back = dir.filePath("plain/back.bin");
    item->decrypt(back);
    QCOMPARE(fileBytes(back) == bytes, true);
    QCOMPARE(names(TAVSearchIndex::getInstance()->searchItems("big")), QStringList({"big.bin"}));
}

void TestLogin::damageIsNotAWrongPassword_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("file"); // relative to the drive; empty: no file named
    QTest::addColumn<QString>("text"); // when no file is named
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("unlocked");
    QTest::addColumn<bool>("alphaLoaded");
    const QString list = "KolvaneVave Settings/filesystem.dat";
    QTest::newRow("list under another password") << "password" << "" << kWrong << 1 << false << false;
    QTest::newRow("list missing") << "remove" << "" << "Failure reading the filesystems file" << 0 << false << false;
    QTest::newRow("list not a data file") << "garbage" << "" << "Failure reading the filesystems file" << 0 << false << false;
    QTest::newRow("list cut short") << "cut" << list << "" << 0 << false << false;
    QTest::newRow("list of an unknown cipher") << "cipher" << list << "" << 0 << false << false;
    QTest::newRow("index cut short") << "cut" << "Alpha/index.dat" << "" << 0 << true << false;
    QTest::newRow("index under another key") << "foreign" << "Alpha/index.dat" << "" << 0 << true << false;
    QTest::newRow("version record damaged") << "garbage" << "Alpha/version.dat" << "" << 0 << true << true;
    QTest::newRow("Alpha's key in the list, a flipped bit") << "listkey" << "" << "" << 0 << true << false;
}

void TestLogin::damageIsNotAWrongPassword()
{
    QFETCH(QString, damage);
    QFETCH(QString, file);
    QFETCH(QString, text);
    QString target = drive + (file.isEmpty() ? "KolvaneVave Settings/filesystem.dat" : file);
    QByteArray bytes = fileBytes(target);
    if (damage == "cut")
        bytes.chop(bytes.size() > 60 ? 20 : 1);
    else if (damage == "cipher")
        bytes[8] = char(99);
    else if (damage == "garbage")
        bytes = QByteArray(64, 'x');
    else if (damage == "foreign")
        bytes = fileBytes(localFolder + "Bravo/index.dat");
    if (damage == "listkey") {
        // The list's plain content, as it is written, locates Alpha's key in
        // the enciphered file (a counter-mode stream: a flipped bit stays put).
        TAVFileSystem *root = TAVFileSystem::getInstance();
        QCOMPARE(root->readVaultFile(target, TAVKey(kPassword)), 0);
        QByteArray payload;
        QByteArray alphaKey;
        {
            QDataStream s(&payload, QIODevice::WriteOnly);
            s.setVersion(15);
            s << qint32(root->getVaultList().size());
            for (const TAVFileSystemEntry &entry : root->getVaultList()) {
                s << entry;
                if (entry.name == "Alpha")
                    alphaKey = entry.key.key;
            }
        }
        root->removeAll();
        while (!root->getVaultList().isEmpty())
            root->removeVaultItem(root->getVaultList().first().name);
        const int at = payload.indexOf(alphaKey);
        QVERIFY(at > 0 && !alphaKey.isEmpty());
        const int offset = bytes.size() - payload.size();
        bytes[offset + at + 7] = char(bytes[offset + at + 7] ^ 0x10);
    }
    if (damage == "remove")
        QVERIFY(QFile::remove(target));
    else if (damage != "password")
        QVERIFY(writeBytes(target, bytes));

    auto window = makeWindow();
    ScriptedPrompter prompter;
    login(window.get(), damage == "password" ? "another password" : kPassword);
    if (!file.isEmpty())
        text = window->damagedFileText(target);
    if (damage == "listkey")
        text = QString("The key of the vault Alpha in %1 is damaged. The vault's own key file still opens it: "
                       "disconnect the vault and add it again with Add Existing Vault.")
                   .arg(target);
    QCOMPARE(texts(prompter), QStringList({text}));
    QVERIFY(!texts(prompter).contains(kWrong) || damage == "password");
    QTEST(window->failedLogins, "failures");
    QFETCH(bool, unlocked);
    QCOMPARE(!window->isScreenLocked(), unlocked);
    if (unlocked) {
        QVERIFY(vaultNamed("Bravo")->isLoaded());
        QTEST(vaultNamed("Alpha")->isLoaded(), "alphaLoaded");
    }
}

void TestLogin::missingVaultIsAskedForOnlyOnItsOwnDrive_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("listAfter");
    QTest::newRow("working drive, Yes") << "working" << QList<int>{0} << true
                                        << QStringList({"Bravo", "Flash Drive"});
    QTest::newRow("working drive, No") << "working" << QList<int>{1} << true
                                       << QStringList({"Alpha", "Bravo"});
    QTest::newRow("working drive, closed by a lock") << "working" << QList<int>{} << true
                                                     << QStringList({"Alpha", "Bravo"});
    QTest::newRow("another drive, unplugged") << "other" << QList<int>{0} << false
                                              << QStringList({"Alpha", "Bravo", "Charlie"});
    QTest::newRow("local disk") << "local" << QList<int>{0} << false
                                << QStringList({"Alpha", "Bravo"});
}

void TestLogin::missingVaultIsAskedForOnlyOnItsOwnDrive()
{
    QFETCH(QString, where);
    QString gone;
    if (where == "working") {
        gone = drive + "Alpha";
    } else if (where == "local") {
        gone = localFolder + "Bravo";
    } else {
        // Charlie lives on a second stick, which is now away.
        drives.plug(USBStick("SER2", otherDrive, 0x5581, 0x781));
        TAVStickManager::update();
        QVERIFY(QDir().mkpath(otherDrive));
        QVERIFY(QDir(drive + "Alpha").removeRecursively());
        QVERIFY(QDir(localFolder + "Bravo").removeRecursively());
        QVERIFY(layOutUsedDrive(drive, kPassword,
                                {{"Alpha", vaultFolder("Alpha"), {}},
                                 {"Bravo", localFolder + "Bravo", {}},
                                 {"Charlie", otherDrive + "Charlie", {"c.txt"}}}));
        drives.unplug("SER2");
    }
    if (!gone.isEmpty())
        QVERIFY(QDir(gone).removeRecursively());

    auto window = makeWindow();
    ScriptedPrompter prompter;
    QFETCH(QList<int>, answers);
    prompter.choices = answers;
    login(window.get(), kPassword);
    QVERIFY(!window->isScreenLocked());
    const QString question = "The vault on your Flash Drive is missing, do you want to create a new one?";
    QFETCH(bool, asked);
    QCOMPARE(texts(prompter), asked ? QStringList({question}) : QStringList());
    if (asked) {
        QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({" Yes ", " No "}));
        // Return keeps the entry.
        QCOMPARE(prompter.prompts.first().defaultText, QString(" No "));
    }

    QStringList listed;
    for (const TAVFileSystemEntry &entry : TAVFileSystem::getInstance()->getVaultList())
        listed << entry.name;
    listed.sort();
    QTEST(listed, "listAfter");
    if (listed.contains("Flash Drive")) {
        // Made anew in the same folder: new key, empty index, all on the disk.
        TAVVault *fresh = vaultNamed("Flash Drive");
        QVERIFY(fresh && fresh->isLoaded());
        QCOMPARE(fresh->getFullPhysicalVaultPath(), gone);
        QCOMPARE(fresh->getItemCount(), 0);
        for (const char *name : {"index.dat", "version.dat", "keychain.dat"})
            QVERIFY2(QFile::exists(gone + "/" + name), name);
        QVERIFY(!vaultNamed("Alpha"));
        // The saved list holds it too.
        window->on_actionLock_triggered();
        TAVFileSystem::getInstance()->removeAll();
        login(window.get(), kPassword);
        QVERIFY(vaultNamed("Flash Drive") && vaultNamed("Flash Drive")->isLoaded());
    } else if (!gone.isEmpty()) {
        QVERIFY(!QFileInfo::exists(gone));
    }
    // Nothing made in the working folder (checked in cleanup) nor elsewhere.
    QVERIFY(!QFileInfo::exists(otherDrive + "Charlie") || where == "other");
}

void TestLogin::cryptoJobFailureComesFromTheWorkersEndState_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("boxes");
    QTest::newRow("done") << "body" << 0 << 0;
    // A body's own missing folder is made; one whose parent is missing too is not.
    QTest::newRow("destination folders missing") << "no such folder/sub/body" << 2 << 1;
}

void TestLogin::cryptoJobFailureComesFromTheWorkersEndState()
{
    QFETCH(QString, destination);
    auto window = makeWindow();
    ScriptedPrompter prompter;
    QTemporaryDir work;
    QVERIFY(writeBytes(work.filePath("plain.txt"), "some text"));
    TAVCryptoThread *worker = window->cryptoThread;
    worker->source = work.filePath("plain.txt");
    worker->destination = work.filePath(destination);
    worker->name = "plain.txt";
    worker->created = QDateTime::currentDateTime();
    worker->setKey(CryptoVectors::key(), TAV_AES256);
    worker->function = 0;
    window->cryptoError = window->accessDenied = false;
    worker->start();
    // The run ends before its queued error reaches the window.
    QVERIFY(worker->wait(10000));
    QVERIFY(!window->cryptoError);
    QTEST(window->finishCryptoJob(), "result");
    QFETCH(int, boxes);
    QCOMPARE(prompter.prompts.size(), boxes);
    QCOMPARE(window->cryptoError, boxes > 0);
    if (boxes) {
        QVERIFY2(prompter.prompts.first().text.startsWith("Cannot open file for write"),
                 qPrintable(prompter.prompts.first().text));
        QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({"OK"}));
    }
    // Nothing is left queued to fall on the next file.
    window->cryptoError = false;
    QCoreApplication::processEvents();
    QVERIFY(!window->cryptoError);
    QCOMPARE(prompter.prompts.size(), boxes);
}

void TestLogin::errorBoxClosedByTheLockStillSetsTheFlag()
{
    auto window = makeWindow();
    login(window.get(), kPassword);
    ModalAnswerer answers;
    MainWindow *w = window.get();
    answers.act([w](QWidget *) { w->on_actionLock_triggered(); });
    window->crypto_AccessDeny_Message("Cannot open file for read /x\nError: denied");
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(window->accessDenied);
    QVERIFY(window->isScreenLocked());
    QCOMPARE(answers.seen().first().text, QString("Cannot open file for read /x\nError: denied"));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
