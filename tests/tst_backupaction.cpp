// The window's side of a vault backup: which vault, the progress dialog,
// the messages and the retention taken from the options.
#include "backup.h"
#include "windowdrive.h"
#include "fakeclock.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "masterkey.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "scriptedprompter.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavlistview.h"
#include "tavstickmanager.h"
#include "tavsync.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QProgressDialog>
#include <QStackedWidget>

#include <memory>

namespace {

// What the backup's progress dialog showed while it ran.
struct ProgressWatch : QObject {
    MainWindow *window;
    QList<int> values;
    bool cancelShown = false;
    bool sawDialog = false;
    QTimer timer;
    explicit ProgressWatch(MainWindow *w) : window(w)
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            QProgressDialog *dialog = window->backupProgress;
            if (!dialog || !dialog->isVisible())
                return;
            sawDialog = true;
            if (values.isEmpty() || values.last() != dialog->value())
                values << dialog->value();
            for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
                cancelShown = cancelShown || button->isVisible();
        });
        timer.start();
    }
};

} // namespace

class TestBackupAction : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void backupOfTheShownVault();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void severalItemsOfOneVault();
    void backupDataEntryTakesTheCurrentVaultOnly();
    void retentionFromTheOptions_data();
    void retentionFromTheOptions();
    void screenshots();

private:
    QStringList backupsOf(TAVVault *vault) const;
    void select(const QList<TAVItem *> &items);

    QTemporaryDir dir;
    FixedDriveLocator drives;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<VaultFixture> fixture;
    TAVVault *photos = nullptr;
    TAVVault *music = nullptr;
};

void TestBackupAction::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestBackupAction::init()
{
    MasterKey::key = TAVKey(QStringLiteral("master password"));
    window = std::make_unique<MainWindow>();
    // The window empties the vault tree as it starts: the vaults come after it.
    fixture = std::make_unique<VaultFixture>();
    photos = fixture->addVault("Photos");
    TAVFolder *trips = fixture->addFolder(photos, "Trips");
    fixture->addFile(photos, "a.txt", QByteArray(200000, 'a'));
    fixture->addFile(trips, "b.txt", "b");
    QCOMPARE(photos->save(), 0);
    music = fixture->addVault("Music");
    fixture->addFile(music, "c.txt", "c");
    QCOMPARE(music->save(), 0);

    MainWindow::backupPath = fixture->path("backups");
    MainWindow::retentionBackup = false;
    MainWindow::numberOfBackups = 5;
    window->unlocked = true;
    window->showMainPage();
    window->updateView(photos);
}

void TestBackupAction::cleanup()
{
    window.reset();
    fixture.reset();
    TAVFileSystem::getInstance()->removeAll();
}

QStringList TestBackupAction::backupsOf(TAVVault *vault) const
{
    return QDir(MainWindow::backupPath + "/" + vault->GetId().toString())
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Selects the items in the contents view on show, as a user's clicks would.
void TestBackupAction::select(const QList<TAVItem *> &items)
{
    auto *stack = window->findChild<QStackedWidget *>("tavViewStackedWidget");
    QAbstractItemView *view = stack->currentIndex() == 0
        ? static_cast<QAbstractItemView *>(window->findChild<TAVTreeView *>("treeView"))
        : static_cast<QAbstractItemView *>(window->findChild<TAVListView *>("listView"));
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    view->setFocus();
    view->selectionModel()->clearSelection();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (items.contains(model->itemFromIndex(index)))
            view->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QCOMPARE(window->getSelectedItems().size(), items.size());
}

void TestBackupAction::backupOfTheShownVault()
{
    ScriptedPrompter prompter;
    prompter.choices = {0};
    ProgressWatch watch(window.get());
    window->findChild<QAction *>("actionBackupVault")->trigger();

    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().icon, QMessageBox::Information);
    QCOMPARE(prompter.prompts.first().title, QString::fromUtf8("Kolvane\u2122 vave"));
    QCOMPARE(prompter.prompts.first().text, QString("Backup completed successfully."));
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({"OK"}));

    const QStringList made = backupsOf(photos);
    QCOMPARE(made.size(), 1);
    QVERIFY(Backup::isBackupName(made.first()));
    const QString folder = MainWindow::backupPath + "/" + photos->GetId().toString() + "/" + made.first();
    QVERIFY(QFile::exists(folder + "/vaultinfo.dat"));
    QCOMPARE(fileBytes(folder + "/index.dat"), fileBytes(photos->getVaultIdxFileName()));
    QVERIFY(backupsOf(music).isEmpty());

    // Several reports, none past 100, and no Cancel button that would do nothing.
    QVERIFY(watch.sawDialog);
    QVERIFY2(watch.values.size() >= 2, qPrintable(QString::number(watch.values.size())));
    for (int value : watch.values)
        QVERIFY2(value >= 0 && value <= 100, qPrintable(QString::number(value)));
    QVERIFY(!watch.cancelShown);
    QVERIFY(!window->backupProgress);
    // The handler gives the inactivity timer back.
    QVERIFY(window->inactivityTimer->isActive());
}

void TestBackupAction::refusalsWriteNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("text");
    QTest::newRow("vault without files") << "empty"
        << "There is nothing to backup as your vault does not contain any data.";
    QTest::newRow("vault folder gone") << "gone" << "Vault Photos does not exist.";
    QTest::newRow("synchronisation running") << "sync"
        << "A synchronisation is running; please try again when it has finished.";
    QTest::newRow("items of two vaults selected") << "two vaults"
        << "The selected items lie in more than one vault. Please select the one vault to back up.";
    QTest::newRow("no vault shown or selected") << "root" << "Please select the vault to back up.";
}

void TestBackupAction::refusalsWriteNothing()
{
    QFETCH(QString, situation);
    QFETCH(QString, text);
    std::unique_ptr<QMutexLocker> syncRuns;
    if (situation == "empty") {
        TAVVault *empty = fixture->addVault("Empty");
        fixture->addFolder(empty, "Only a folder");
        window->updateView(empty);
    } else if (situation == "gone") {
        QVERIFY(QDir(photos->getFullPhysicalVaultPath()).removeRecursively());
    } else if (situation == "sync") {
        syncRuns = std::make_unique<QMutexLocker>(&sync_running);
    } else if (situation == "two vaults") {
        window->updateView(TAVFileSystem::getInstance());
        select({photos, music});
    } else {
        window->updateView(TAVFileSystem::getInstance());
    }

    ScriptedPrompter prompter;
    prompter.choices = {0};
    ProgressWatch watch(window.get());
    window->on_actionBackupVault_triggered();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text, text);
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({"OK"}));
    QVERIFY(!watch.sawDialog);
    QVERIFY2(!QFileInfo::exists(MainWindow::backupPath) || entries(MainWindow::backupPath).isEmpty(),
             qPrintable(entries(MainWindow::backupPath).join(',')));
}

// Several items of one vault say which vault: that one is backed up.
void TestBackupAction::severalItemsOfOneVault()
{
    fixture->addFile(photos, "second.txt", "2");
    window->updateView(photos);
    QList<TAVItem *> files;
    for (int i = 0; i < photos->getItemCount(); ++i)
        if (photos->getItemAt(i)->GetClassID() == TAV_CLASS_FILE)
            files << photos->getItemAt(i);
    QCOMPARE(files.size(), 2);
    select(files);
    QVERIFY(!window->getParentItem());

    ScriptedPrompter prompter;
    prompter.choices = {0};
    window->on_actionBackupVault_triggered();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text, QString("Backup completed successfully."));
    QCOMPARE(backupsOf(photos).size(), 1);
}

void TestBackupAction::backupDataEntryTakesTheCurrentVaultOnly()
{
    window->updateView(music);
    ScriptedPrompter prompter;
    prompter.choices = {0};
    window->findChild<QAction *>("actionBackupAllVault")->trigger();
    QCOMPARE(backupsOf(music).size(), 1);
    QVERIFY(backupsOf(photos).isEmpty());
    QVERIFY(window->inactivityTimer->isActive());
}

void TestBackupAction::retentionFromTheOptions_data()
{
    QTest::addColumn<bool>("retention");
    QTest::addColumn<int>("keep");
    QTest::addColumn<int>("left");
    QTest::newRow("off") << false << 2 << 4;
    QTest::newRow("keep 2") << true << 2 << 2;
    QTest::newRow("keep 1") << true << 1 << 1;
}

void TestBackupAction::retentionFromTheOptions()
{
    QFETCH(bool, retention);
    QFETCH(int, keep);
    FakeClock clock(QDateTime(QDate(2020, 5, 1), QTime(10, 0)));
    MainWindow::retentionBackup = retention;
    MainWindow::numberOfBackups = keep;
    ScriptedPrompter prompter;
    prompter.choices = {0, 0, 0, 0};
    QStringList made;
    for (int i = 0; i < 4; ++i) {
        window->on_actionBackupVault_triggered();
        made = backupsOf(photos) + made;
        clock.advance(60 * 1000);
        QThreadPool::globalInstance()->waitForDone();
    }
    for (const auto &prompt : prompter.prompts)
        QCOMPARE(prompt.text, QString("Backup completed successfully."));
    const QStringList left = backupsOf(photos);
    QTEST(left.size(), "left");
    // The newest are those kept.
    QCOMPARE(left.last(), QString("2020-05-01_10-03-00"));
}

// Pictures of the progress and of the final message, under Xvfb.
void TestBackupAction::screenshots()
{
    if (!ScreenShot::enabled())
        QSKIP("KV_SHOT_DIR is not set");
    for (int i = 0; i < 40; ++i)
        fixture->addFile(photos, QString("big%1.bin").arg(i), QByteArray(4 << 20, char(i)));
    QCOMPARE(photos->save(), 0);
    window->resize(1024, 580);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->updateView(photos);

    bool shot = false;
    bool told = false;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!shot && window->backupProgress && window->backupProgress->value() >= 40) {
            shot = true;
            ScreenShot::take("backup-progress");
        }
        // The progress dialog is modal too: the message is the box that follows it.
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!told && box && box->isVisible()) {
            told = true;
            ScreenShot::take("backup-done");
            ModalAnswerer::clickButton(box, "OK");
        }
    });
    poll.start();
    window->on_actionBackupVault_triggered();
    QVERIFY(shot);
    QVERIFY(told);
}

QTEST_MAIN(TestBackupAction)
#include "tst_backupaction.moc"
