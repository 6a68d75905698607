// The restore wizard: its pages and routes, and restores that succeed, fail
// and are put back, with the vault object kept and nothing else touched.
#include "fakeclock.h"
#include "windowdrive.h"
#include "filefixture.h"
#include "filesizelimit.h"
#include "fixeddrivelocator.h"
#include "labelfit.h"
#include "locknotifier.h"
#include "mainwindow.h"
#include "masterkey.h"
#include "modalanswerer.h"
#include "restorewizard.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "scriptedprompter.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavstickmanager.h"
#include "tavsync.h"
#include "tavvault.h"
#include "treesnapshot.h"
#include "usbstick.h"
#include "vaultbackup.h"
#include "vaultfixture.h"
#include "vaultrestore.h"

#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>

#include <memory>

namespace {

const QString kState = "0123456789abcdef0123456789abcdef.sync";

// A restore whose Nth move fails: the files moved before it must go back.
class FailingMoves : public VaultRestore
{
public:
    int failAt = -1;
    int moves = 0;

protected:
    bool moveFile(const QString &from, const QString &to) override
    {
        if (++moves == failAt)
            return false;
        return VaultRestore::moveFile(from, to);
    }
};

} // namespace

class TestRestoreWizard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageTransitions_data();
    void pageTransitions();
    void restoreThroughTheWindow();
    void failuresLeaveTheVaultAsItWas_data();
    void failuresLeaveTheVaultAsItWas();
    void failedMovePutsEveryFileBack();
    void unlistedBackupBecomesANewVault();
    void unlistedTargetMustBeNewAndEmpty_data();
    void unlistedTargetMustBeNewAndEmpty();
    void vaultsDifferingInCaseOnly();
    void keyboardAloneChoosesABackup();
    void unfinishedBackupIsNotListed();
    void lockWhileIdleClosesTheWizard();
    void lockDuringTheCopyWaitsForItsEnd();
    void refusedWhileASynchronisationRuns();
    void labelsFitTheirText();
    void screenshots();

private:
    QString backUp(TAVVault *vault);
    RestoreWizard *makeWizard();
    // Drives the wizard through steps: "combo:<text>", "row:<n>", "type:<text>",
    // "target:<path>", "disabled:<button>", or a button's object name.
    void run(RestoreWizard *wizard, const QStringList &steps);
    QString vaultState(TAVVault *vault) const;

    QTemporaryDir dir;
    FixedDriveLocator drives;
    std::unique_ptr<FakeClock> clock;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<VaultFixture> fixture;
    TAVVault *photos = nullptr;
    TAVVault *empty = nullptr;
    QString photosBackup;
    QString strangerBackup;
    QStringList photosBefore; // the vault as its backup holds it
};

void TestRestoreWizard::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

QString TestRestoreWizard::backUp(TAVVault *vault)
{
    VaultBackup engine;
    engine.setBackupPath(MainWindow::backupPath);
    if (engine.run(VaultBackup::sourceOf(vault)) != VaultBackup::Done)
        return QString();
    clock->advance(60 * 1000);
    return engine.backupFolder();
}

void TestRestoreWizard::init()
{
    clock = std::make_unique<FakeClock>(QDateTime::currentDateTime());
    // The window empties the vault tree as it starts: the vaults come after it.
    window = std::make_unique<MainWindow>();
    fixture = std::make_unique<VaultFixture>();
    MainWindow::backupPath = fixture->path("backups");
    TAVFileSystem *root = TAVFileSystem::getInstance();

    // A vault of another master password, known to no list: an unlisted backup.
    MasterKey::key = TAVKey(QStringLiteral("old master"));
    TAVVault *stranger = fixture->addVault("Stranger");
    fixture->addFile(stranger, "s.txt", "from elsewhere");
    QCOMPARE(stranger->saveVaultVersion(), 0);
    QCOMPARE(stranger->save(), 0);
    strangerBackup = backUp(stranger);
    QVERIFY(!strangerBackup.isEmpty());
    fixture->removeVault(stranger);

    MasterKey::key = TAVKey(QStringLiteral("master password"));
    photos = fixture->addVault("Photos");
    TAVFolder *trips = fixture->addFolder(photos, "Trips");
    fixture->addFile(photos, "a.txt", QByteArray(300000, 'a'));
    fixture->addFile(trips, "b.txt", "b");
    QCOMPARE(photos->saveVaultVersion(), 0);
    QCOMPARE(photos->save(), 0);
    photosBefore = VaultFixture::describe(photos);
    photosBackup = backUp(photos);
    QVERIFY(!photosBackup.isEmpty());
    root->addVaultItem(photos);

    empty = fixture->addVault("Empty");
    QCOMPARE(empty->save(), 0);
    root->addVaultItem(empty);
}

void TestRestoreWizard::cleanup()
{
    window.reset();
    fixture.reset();
    TAVFileSystem *root = TAVFileSystem::getInstance();
    root->removeAll();
    while (!root->getVaultList().isEmpty())
        root->removeVaultItem(root->getVaultList().first().name);
    clock.reset();
    QThreadPool::globalInstance()->waitForDone();
}

RestoreWizard *TestRestoreWizard::makeWizard()
{
    auto *wizard = new RestoreWizard;
    wizard->setBackupPath(MainWindow::backupPath);
    wizard->setSyncLock(&sync_running);
    wizard->addVaultToCombo();
    wizard->show();
    return wizard;
}

void TestRestoreWizard::run(RestoreWizard *wizard, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString arg = step.section(':', 1);
        if (step.startsWith("combo:")) {
            auto *combo = wizard->findChild<QComboBox *>("cboListVault");
            const int index = combo->findText(arg, Qt::MatchExactly | Qt::MatchCaseSensitive);
            QVERIFY2(index >= 0, qPrintable(step));
            combo->setCurrentIndex(index);
        } else if (step.startsWith("row:")) {
            auto *tree = wizard->findChild<QTreeWidget *>("restoreTreeWidget");
            QTreeWidgetItem *row = tree->topLevelItem(arg.toInt());
            QVERIFY2(row, qPrintable(step));
            tree->setCurrentItem(row);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
        } else if (step.startsWith("type:")) {
            wizard->findChild<QLineEdit *>("ledPassword")->setText(arg);
        } else if (step.startsWith("target:")) {
            wizard->findChild<QLineEdit *>("ledTargetFolder")->setText(arg);
        } else if (step.startsWith("disabled:")) {
            QVERIFY2(!wizard->findChild<QPushButton *>(arg)->isEnabled(), qPrintable(step));
        } else {
            auto *button = wizard->findChild<QPushButton *>(step);
            QVERIFY2(button && button->isVisible() && button->isEnabled(), qPrintable(step));
            button->click();
        }
    }
}

// The vault's tree and the bytes of its folder.
QString TestRestoreWizard::vaultState(TAVVault *vault) const
{
    return (QStringList{vault->isLoaded() ? "loaded" : "unloaded", vault->GetName(), vault->GetId().toString()}
            + VaultFixture::describe(vault) + treeSnapshot(vault->getFullPhysicalVaultPath()))
        .join('\n');
}

void TestRestoreWizard::pageTransitions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("page"); // -1: the wizard closed
    const QStringList photo = {"combo:Photos", "btnIntroNext"};
    const QStringList confirm = photo + QStringList{"row:0", "btnRestoreSelectedItem"};
    const QStringList other = {"combo:Other unlisted vault", "btnIntroNext"};
    const QStringList password = other + QStringList{"row:0", "btnRestoreSelectedItem"};
    const QStringList wrong = password + QStringList{"type:nope", "btnPasswordNext"};
    const QStringList none = {"combo:Empty", "btnIntroNext"};

    QTest::newRow("prompt entry: Next disabled") << QStringList{"disabled:btnIntroNext"} << 0;
    QTest::newRow("vault with backups") << photo + QStringList{"disabled:btnRestoreSelectedItem"} << 1;
    QTest::newRow("backups: Back") << photo + QStringList{"btnSelectVaultBack"} << 0;
    QTest::newRow("vault without backups") << none << 6;
    QTest::newRow("no backups: Back") << none + QStringList{"btnRestoreErrorBack"} << 0;
    QTest::newRow("the vault's own key") << confirm << 4;
    QTest::newRow("confirm: Back") << confirm + QStringList{"btnRestoreBack", "disabled:btnRestoreSelectedItem"} << 1;
    QTest::newRow("unlisted, other master password") << password << 2;
    QTest::newRow("password: Back") << password + QStringList{"btnPasswordBack", "disabled:btnRestoreSelectedItem"} << 1;
    QTest::newRow("wrong password") << wrong << 3;
    QTest::newRow("wrong password: Back keeps the text") << wrong + QStringList{"btnIncorrectPassword"} << 2;
    QTest::newRow("right password") << wrong + QStringList{"btnIncorrectPassword", "type:old master", "btnPasswordNext"} << 4;
    QTest::newRow("Cancel on page 0") << QStringList{"btnIntroCancel"} << -1;
    QTest::newRow("Cancel on page 1") << photo + QStringList{"btnSelectVaultCancel"} << -1;
    QTest::newRow("Cancel on page 2") << password + QStringList{"btnPasswordCancel"} << -1;
    QTest::newRow("Cancel on page 3") << wrong + QStringList{"cancel_4"} << -1;
    QTest::newRow("Cancel on page 4") << confirm + QStringList{"btnRestoreCancel"} << -1;
    QTest::newRow("Cancel on page 6") << none + QStringList{"btnRestoreErrorCancel"} << -1;
}

void TestRestoreWizard::pageTransitions()
{
    QFETCH(QStringList, steps);
    QFETCH(int, page);
    QPointer<RestoreWizard> wizard = makeWizard();
    QSignalSpy update(wizard.data(), &RestoreWizard::updateRestore);
    run(wizard, steps);
    if (page < 0) {
        QTRY_VERIFY(!wizard);
    } else {
        QVERIFY(wizard && wizard->isVisible());
        QCOMPARE(wizard->currentPage(), page);
        if (steps.contains("btnIncorrectPassword") && page == 2 && !steps.contains("type:old master"))
            QCOMPARE(wizard->findChild<QLineEdit *>("ledPassword")->text(), QString("nope"));
        delete wizard;
    }
    QCOMPARE(update.count(), 0);
}

// The whole road from the window: the same vault object back at the state of
// its backup, its bodies whole, the list written on Close, the sync state
// gone, the user's own file and a later body left where they were.
void TestRestoreWizard::restoreThroughTheWindow()
{
    window->unlocked = true;
    window->showMainPage();

    TAVFile *late = fixture->addFile(photos, "late.txt", "added after the backup");
    const QString lateBody = late->getFullPhysicalFileName();
    photos->deleteItem("a.txt");
    QCOMPARE(photos->save(), 0);
    QVERIFY(writeBytes(photos->getFullPhysicalVaultPath() + "/notes.txt", "the user's own"));
    QVERIFY(writeBytes(photos->getFullPhysicalVaultPath() + "/" + kState, "stale"));
    window->updateView(static_cast<TAVItemContainer *>(photos->getItem("Trips")));
    const QString listFile = window->settingsFolder() + "/filesystem.dat";
    QFile::remove(listFile);
    TAVVault *const same = photos;

    ModalAnswerer answers(20000);
    int donePage = -1;
    answers.act([&](QWidget *dialog) {
        auto *wizard = qobject_cast<RestoreWizard *>(dialog);
        QVERIFY(wizard);
        run(wizard, {"combo:Photos", "btnIntroNext", "row:0", "btnRestoreSelectedItem", "btnRestore"});
        donePage = wizard->currentPage();
        QVERIFY(!QFile::exists(listFile));
        run(wizard, {"btnClose"});
    });
    window->on_actionRestore_Vault_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(donePage, int(RestoreWizard::Done));

    TAVFileSystem *root = TAVFileSystem::getInstance();
    QCOMPARE(root->getItem("Photos"), static_cast<TAVItem *>(same));
    QVERIFY(same->isLoaded());
    QCOMPARE(VaultFixture::describe(same), photosBefore);
    auto *a = qobject_cast<TAVFile *>(same->getItem("a.txt"));
    QVERIFY(a);
    QCOMPARE(fixture->plain(a), QByteArray(300000, 'a'));
    auto *b = qobject_cast<TAVFile *>(static_cast<TAVItemContainer *>(same->getItem("Trips"))->getItem("b.txt"));
    QCOMPARE(fixture->plain(b), QByteArray("b"));
    QCOMPARE(fileBytes(same->getVaultIdxFileName()), fileBytes(photosBackup + "/index.dat"));
    QVERIFY(QFile::exists(listFile));
    QVERIFY(!QFile::exists(same->getFullPhysicalVaultPath() + "/" + kState));
    QCOMPARE(fileBytes(same->getFullPhysicalVaultPath() + "/notes.txt"), QByteArray("the user's own"));
    QVERIFY(QFile::exists(lateBody));
    // Nothing left beside the vault, and the views show no detached item.
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(QDir(fixture->path("vaults")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"Empty", "Photos", "Stranger"}));
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), static_cast<TAVItemContainer *>(root));
    QVERIFY(!window->restoreWizard);
}

void TestRestoreWizard::failuresLeaveTheVaultAsItWas_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("copy fails midway") << "copy" << "could not be copied";
    QTest::newRow("index of another key") << "key" << "can't be opened with the key";
    QTest::newRow("index cut short") << "short" << "index";
    QTest::newRow("body missing") << "body" << "lacks the encrypted file of Photos/a.txt";
    QTest::newRow("body cut short") << "cut" << "The encrypted file of Photos/a.txt in the backup is not whole";
}

void TestRestoreWizard::failuresLeaveTheVaultAsItWas()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    fixture->addFile(photos, "late.txt", "added after the backup");
    QCOMPARE(photos->save(), 0);
    QVERIFY(writeBytes(photos->getFullPhysicalVaultPath() + "/" + kState, "kept"));
    const QString before = vaultState(photos);
    auto *a = qobject_cast<TAVFile *>(photos->getItem("a.txt"));
    const QString aBody = photosBackup + "/" + QDir(photos->getFullPhysicalVaultPath()).relativeFilePath(a->getFullPhysicalFileName());
    if (fault == "key")
        QVERIFY(QFile::remove(photosBackup + "/index.dat") && QFile::copy(empty->getVaultIdxFileName(), photosBackup + "/index.dat"));
    else if (fault == "short")
        QVERIFY(writeBytes(photosBackup + "/index.dat", fileBytes(photosBackup + "/index.dat").left(60)));
    else if (fault == "body")
        QVERIFY(QFile::remove(aBody));
    else if (fault == "cut")
        QVERIFY(writeBytes(aBody, fileBytes(aBody).left(600)));

    QPointer<RestoreWizard> wizard = makeWizard();
    QSignalSpy finished(wizard.data(), &RestoreWizard::restoreFinished);
    run(wizard, {"combo:Photos", "btnIntroNext", "row:0", "btnRestoreSelectedItem"});
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (fault == "copy") {
            limit = std::make_unique<FileSizeLimit>(100000);
            if (!limit->isActive())
                QSKIP("no file size limit");
        }
        run(wizard, {"btnRestore"});
    }
    QCOMPARE(wizard->currentPage(), int(RestoreWizard::Failed));
    const QString shown = wizard->findChild<QLabel *>("lblRestoreError")->text();
    QVERIFY2(shown.contains(message), qPrintable(shown));
    QVERIFY2(shown.contains("The vault was not changed."), qPrintable(shown));
    QCOMPARE(vaultState(photos), before);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(QDir(fixture->path("vaults")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"Empty", "Photos", "Stranger"}));
    run(wizard, {"btnFailedClose"});
    QTRY_VERIFY(!wizard);
}

// Files already moved when a later move fails all go back, and the vault
// loads as it was.
void TestRestoreWizard::failedMovePutsEveryFileBack()
{
    fixture->addFile(photos, "late.txt", "added after the backup");
    photos->deleteItem("a.txt");
    QCOMPARE(photos->save(), 0);
    QThreadPool::globalInstance()->waitForDone();
    const QString before = vaultState(photos);
    for (int failAt : {1, 2, 3, 5}) {
        FailingMoves restore;
        restore.failAt = failAt;
        QCOMPARE(int(restore.run(photos, photosBackup, photos->getKey())), int(VaultRestore::Failed));
        QVERIFY2(restore.message().contains("The vault is as it was before."), qPrintable(restore.message()));
        QCOMPARE(vaultState(photos), before);
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(QDir(fixture->path("vaults")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"Empty", "Photos", "Stranger"}));
    }
}

void TestRestoreWizard::unlistedBackupBecomesANewVault()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVVault *other = fixture->addVault("stranger"); // the header's name, in another case
    const QString photosState = vaultState(photos);
    const int listed = root->getVaultList().size();
    const QString target = fixture->path("new/place");

    QPointer<RestoreWizard> wizard = makeWizard();
    QSignalSpy update(wizard.data(), &RestoreWizard::updateRestore);
    run(wizard, {"combo:Other unlisted vault", "btnIntroNext", "row:0", "btnRestoreSelectedItem",
                 "type:old master", "btnPasswordNext", "target:" + target, "btnRestore"});
    QCOMPARE(wizard->currentPage(), int(RestoreWizard::Done));
    TAVVault *made = wizard->restoredVault();
    QVERIFY(made && made != photos && made != other);
    QCOMPARE(made->GetName(), QString("Stranger_1"));
    QCOMPARE(made->getFullPhysicalVaultPath(), target);
    QVERIFY(made->isLoaded());
    QCOMPARE(fixture->plain(qobject_cast<TAVFile *>(made->getItem("s.txt"))), QByteArray("from elsewhere"));
    QCOMPARE(root->getItemAt(root->getItemCount() - 1), static_cast<TAVItem *>(made));
    QCOMPARE(root->getVaultList().size(), listed + 1);
    QCOMPARE(root->getVaultList().last().id, made->GetId());
    QCOMPARE(vaultState(photos), photosState);
    run(wizard, {"btnClose"});
    QTRY_VERIFY(!wizard);
    QCOMPARE(update.count(), 1);
    fixture->removeVault(made); // the fixture destroys it with the others
}

void TestRestoreWizard::unlistedTargetMustBeNewAndEmpty_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text");
    QTest::newRow("not empty") << "busy" << "is not empty";
    QTest::newRow("a vault's folder") << "vaults/Photos" << "is not empty";
    QTest::newRow("inside a vault") << "vaults/Empty/inner" << "belongs to the vault Empty";
    QTest::newRow("relative") << "relative" << "Please choose a new, empty folder";
}

void TestRestoreWizard::unlistedTargetMustBeNewAndEmpty()
{
    QFETCH(QString, target);
    QFETCH(QString, text);
    QVERIFY(FileFixture::write(fixture->path("busy/file"), "x"));
    const QString path = target == "relative" ? target : fixture->path(target);
    const QString before = treeSnapshot(fixture->path("")).join('\n');
    const int vaults = TAVFileSystem::getInstance()->getItemCount();

    QPointer<RestoreWizard> wizard = makeWizard();
    run(wizard, {"combo:Other unlisted vault", "btnIntroNext", "row:0", "btnRestoreSelectedItem",
                 "type:old master", "btnPasswordNext", "target:" + path});
    ScriptedPrompter prompter;
    prompter.choices = {0};
    run(wizard, {"btnRestore"});
    QCOMPARE(prompter.prompts.size(), 1);
    QVERIFY2(prompter.prompts.first().text.contains(text), qPrintable(prompter.prompts.first().text));
    QCOMPARE(wizard->currentPage(), int(RestoreWizard::Confirm));
    QCOMPARE(treeSnapshot(fixture->path("")).join('\n'), before);
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), vaults);
    delete wizard;
}

// "Work" and "work": the one picked is the one restored, by its identifier.
void TestRestoreWizard::vaultsDifferingInCaseOnly()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVVault *upper = fixture->addVault("Work");
    fixture->addFile(upper, "u.txt", "upper");
    QCOMPARE(upper->save(), 0);
    QVERIFY(!backUp(upper).isEmpty());
    root->addVaultItem(upper);
    TAVVault *lower = fixture->addVault("work");
    fixture->addFile(lower, "l.txt", "lower");
    QCOMPARE(lower->save(), 0);
    QVERIFY(!backUp(lower).isEmpty());
    root->addVaultItem(lower);
    fixture->addFile(upper, "u2.txt", "upper later");
    QCOMPARE(upper->save(), 0);
    fixture->addFile(lower, "l2.txt", "lower later");
    QCOMPARE(lower->save(), 0);
    const QString upperState = vaultState(upper);

    QPointer<RestoreWizard> wizard = makeWizard();
    run(wizard, {"combo:work", "btnIntroNext"});
    auto *tree = wizard->findChild<QTreeWidget *>("restoreTreeWidget");
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("work"));
    run(wizard, {"row:0", "btnRestoreSelectedItem", "btnRestore"});
    QCOMPARE(wizard->currentPage(), int(RestoreWizard::Done));
    QCOMPARE(wizard->restoredVault(), lower);
    QVERIFY(lower->getItem("l.txt") && !lower->getItem("l2.txt"));
    QCOMPARE(vaultState(upper), upperState);
    delete wizard;
}

// Without a mouse: the arrow keys choose the backup and Space on Next goes on.
void TestRestoreWizard::keyboardAloneChoosesABackup()
{
    QPointer<RestoreWizard> wizard = makeWizard();
    run(wizard, {"combo:Photos", "btnIntroNext"});
    auto *tree = wizard->findChild<QTreeWidget *>("restoreTreeWidget");
    auto *next = wizard->findChild<QPushButton *>("btnRestoreSelectedItem");
    QVERIFY(!next->isEnabled());
    QTest::keyClick(tree, Qt::Key_Down);
    QVERIFY(tree->currentItem());
    QVERIFY(next->isEnabled());
    QTest::keyClick(next, Qt::Key_Space);
    QCOMPARE(wizard->currentPage(), int(RestoreWizard::Confirm));
    delete wizard;
}

// A backup killed before its header was written is never offered (it used
// to come first, without a name, and every password was "incorrect").
void TestRestoreWizard::unfinishedBackupIsNotListed()
{
    const QString unfinished = QFileInfo(photosBackup).absolutePath() + "/2099-01-01_00-00-00";
    QVERIFY(QDir().mkpath(unfinished + "/00"));
    QVERIFY(QFile::copy(photosBackup + "/index.dat", unfinished + "/index.dat"));
    QPointer<RestoreWizard> wizard = makeWizard();
    run(wizard, {"combo:Photos", "btnIntroNext"});
    auto *tree = wizard->findChild<QTreeWidget *>("restoreTreeWidget");
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->data(0, Qt::UserRole).toString(), photosBackup);
    delete wizard;
    QVERIFY(QDir(unfinished).removeRecursively());
}

void TestRestoreWizard::lockWhileIdleClosesTheWizard()
{
    QPointer<RestoreWizard> wizard = makeWizard();
    QSignalSpy activity(wizard.data(), &RestoreWizard::userAction);
    run(wizard, {"combo:Photos", "btnIntroNext"});
    QTest::keyClick(wizard->findChild<QTreeWidget *>("restoreTreeWidget"), Qt::Key_Down);
    QVERIFY(activity.count() > 0);
    LockNotifier::getInstance()->notifyLocked();
    QTRY_VERIFY(!wizard);
}

// A lock, the close button and Escape during the copy change nothing; the
// wizard closes once the copy is done, and the restore counts.
void TestRestoreWizard::lockDuringTheCopyWaitsForItsEnd()
{
    fixture->addFile(photos, "late.txt", "added after the backup");
    QCOMPARE(photos->save(), 0);
    QPointer<RestoreWizard> wizard = makeWizard();
    QSignalSpy update(wizard.data(), &RestoreWizard::updateRestore);
    run(wizard, {"combo:Photos", "btnIntroNext", "row:0", "btnRestoreSelectedItem"});
    bool stillOpen = false;
    int tries = 0;
    connect(wizard->findChild<QProgressBar *>("progressBar"), &QProgressBar::valueChanged, this, [&](int) {
        if (tries++ > 0)
            return;
        LockNotifier::getInstance()->notifyLocked();
        wizard->close();
        QTest::keyClick(wizard.data(), Qt::Key_Escape);
        stillOpen = wizard && wizard->isVisible() && wizard->isCopying();
    });
    run(wizard, {"btnRestore"});
    QVERIFY(tries > 0);
    QVERIFY(stillOpen);
    QTRY_VERIFY(!wizard);
    QCOMPARE(update.count(), 1);
    QVERIFY(photos->isLoaded());
    QCOMPARE(VaultFixture::describe(photos), photosBefore);
}

void TestRestoreWizard::refusedWhileASynchronisationRuns()
{
    const QString before = vaultState(photos);
    QPointer<RestoreWizard> wizard = makeWizard();
    run(wizard, {"combo:Photos", "btnIntroNext", "row:0", "btnRestoreSelectedItem"});
    ScriptedPrompter prompter;
    prompter.choices = {0};
    {
        QMutexLocker syncRuns(&sync_running);
        run(wizard, {"btnRestore"});
    }
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text,
             QString("A synchronisation is running; please try again when it has finished."));
    QCOMPARE(wizard->currentPage(), int(RestoreWizard::Confirm));
    QCOMPARE(vaultState(photos), before);
    delete wizard;
}

// Every page of the wizard, under Xvfb.
// Labels of the current page whose text would be cut: by their own rect,
// by the page's, or by another widget lying over them.
static QStringList clippedLabels(QWidget *page)
{
    QStringList out;
    const QList<QWidget *> siblings = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty())
            continue;
        const QString cut = clippedLabelText(label);
        if (!cut.isEmpty())
            out << cut;
        if (!page->rect().contains(label->geometry()))
            out << QString("%1: outside the page").arg(label->objectName());
        for (QWidget *other : siblings) {
            if (other != label && other->isVisibleTo(page) && other->geometry().intersects(label->geometry()))
                out << QString("%1: under %2").arg(label->objectName(), other->objectName());
        }
    }
    return out;
}

void TestRestoreWizard::labelsFitTheirText()
{
    QPointer<RestoreWizard> wizard = makeWizard();
    QVERIFY(QTest::qWaitForWindowExposed(wizard.data()));
    auto *pages = wizard->findChild<QStackedWidget *>("stackedWidget");
    QCOMPARE(wizard->size(), QSize(500, 300));
    const QStringList photo = {"combo:Photos", "btnIntroNext", "row:0"};
    const QStringList password = {"combo:Other unlisted vault", "btnIntroNext", "row:0", "btnRestoreSelectedItem"};
    const struct { QStringList steps; int page; } stops[] = {
        {{}, 0},
        {photo, 1},
        {photo + QStringList{"btnRestoreSelectedItem"}, 4},
        {password + QStringList{"type:nope"}, 2},
        {password + QStringList{"type:nope", "btnPasswordNext"}, 3},
        {password + QStringList{"type:old master", "btnPasswordNext"}, 4}, // the unlisted form
        {{"combo:Empty", "btnIntroNext"}, 6},
        {{}, 5},
        {{}, 7},
    };
    QSet<int> seen;
    for (const auto &stop : stops) {
        if (stop.steps.isEmpty()) {
            pages->setCurrentIndex(stop.page);
        } else {
            pages->setCurrentIndex(0);
            run(wizard, stop.steps);
        }
        QCOMPARE(pages->currentIndex(), stop.page);
        QCoreApplication::processEvents();
        const QStringList clipped = clippedLabels(pages->currentWidget());
        QVERIFY2(clipped.isEmpty(), qPrintable(QString("page %1: %2").arg(stop.page).arg(clipped.join("; "))));
        seen.insert(stop.page);
    }
    delete wizard;

    // The failed page with its reason: a backup whose index another key made.
    QVERIFY(QFile::remove(photosBackup + "/index.dat") && QFile::copy(empty->getVaultIdxFileName(), photosBackup + "/index.dat"));
    wizard = makeWizard();
    run(wizard, {"combo:Photos", "btnIntroNext", "row:0", "btnRestoreSelectedItem", "btnRestore"});
    QCOMPARE(wizard->findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 8);
    QVERIFY(!wizard->findChild<QLabel *>("lblRestoreError")->text().isEmpty());
    QCoreApplication::processEvents();
    const QStringList clipped = clippedLabels(wizard->findChild<QStackedWidget *>("stackedWidget")->currentWidget());
    QVERIFY2(clipped.isEmpty(), qPrintable("page 8: " + clipped.join("; ")));
    seen.insert(8);
    QCOMPARE(seen.size(), 9);
    delete wizard;
}

void TestRestoreWizard::screenshots()
{
    if (!ScreenShot::enabled())
        QSKIP("KV_SHOT_DIR is not set");
    for (int i = 0; i < 30; ++i)
        fixture->addFile(photos, QString("big%1.bin").arg(i), QByteArray(4 << 20, char(i)));
    QCOMPARE(photos->save(), 0);
    QVERIFY(!backUp(photos).isEmpty());
    QPointer<RestoreWizard> wizard = makeWizard();
    QVERIFY(QTest::qWaitForWindowExposed(wizard.data()));
    const struct { QStringList steps; const char *name; } shots[] = {
        {{"combo:Photos"}, "restore-0-vault"},
        {{"btnIntroNext", "row:0"}, "restore-1-backups"},
        {{"btnSelectVaultBack", "combo:Other unlisted vault", "btnIntroNext", "row:0", "btnRestoreSelectedItem",
          "type:secret"}, "restore-2-password"},
        {{"btnPasswordNext"}, "restore-3-wrong-password"},
        {{"btnIncorrectPassword", "type:old master", "btnPasswordNext"}, "restore-4b-confirm-unlisted"},
        {{"btnRestoreBack", "btnSelectVaultBack", "combo:Empty", "btnIntroNext"}, "restore-6-no-backups"},
        {{"btnRestoreErrorBack", "combo:Photos", "btnIntroNext", "row:0", "btnRestoreSelectedItem"}, "restore-4-confirm"},
    };
    for (const auto &shot : shots) {
        run(wizard, shot.steps);
        QVERIFY(ScreenShot::take(shot.name));
    }
    bool took = false;
    connect(wizard->findChild<QProgressBar *>("progressBar"), &QProgressBar::valueChanged, this, [&](int value) {
        if (!took && value >= 40) {
            took = true;
            ScreenShot::take("restore-5-restoring");
        }
    });
    run(wizard, {"btnRestore"});
    QVERIFY(took);
    QVERIFY(ScreenShot::take("restore-7-done"));
    run(wizard, {"btnClose"});

    // The failed page: a backup whose index another key made.
    QVERIFY(QFile::remove(photosBackup + "/index.dat") && QFile::copy(empty->getVaultIdxFileName(), photosBackup + "/index.dat"));
    clock->advance(86400 * 1000); // the damaged backup is now the newest
    QVERIFY(QFile::remove(backUp(photos) + "/index.dat"));
    wizard = makeWizard();
    run(wizard, {"combo:Photos", "btnIntroNext", "row:0", "btnRestoreSelectedItem", "btnRestore"});
    QVERIFY(ScreenShot::take("restore-8-failed"));
    delete wizard;
}

QTEST_MAIN(TestRestoreWizard)
#include "tst_restorewizard.moc"
