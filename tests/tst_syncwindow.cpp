#include "fixeddrivelocator.h"
#include "windowdrive.h"
#include "logcapture.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "syncfixture.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavstickmanager.h"
#include "tavsync.h"
#include "tavsyncprogressdialog.h"
#include "tavvault.h"
#include "translation.h"
#include "usbstick.h"
#include "utils.h"
#include "vaultfixture.h"

#include <QtConcurrent>
#include <QtTest>

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include <memory>

namespace {

// Answers the window's boxes as a prompter does, and notes what the sync
// progress dialog showed when each box came up. A dialog left open after its
// result (a run with errors) is closed, as the user would.
class ResultCatcher : public ScriptedPrompter
{
public:
    int choose(QMessageBox *box) override
    {
        TAVSyncProgressDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<TAVSyncProgressDialog *>(w); d && d->isVisible())
                dialog = d;
        }
        dialogTexts << (dialog ? dialog->text() : QStringLiteral("<no dialog>"));
        // With KV_SHOT_DIR set and a name given, the window is saved as a picture.
        const QString shots = qEnvironmentVariable("KV_SHOT_DIR");
        if (dialog && !shots.isEmpty() && !shot.isEmpty())
            dialog->grab().save(shots + QLatin1Char('/') + shot + QStringLiteral(".png"));
        if (dialog) {
            dialogLabels << dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
            QTimer::singleShot(0, dialog, &QDialog::close);
        }
        ScriptedPrompter::choose(box);
        return 0;
    }
    QStringList dialogTexts;
    QStringList dialogLabels;
    QString shot;
    QStringList texts() const
    {
        QStringList t;
        for (const Prompt &p : prompts)
            t << p.text;
        return t;
    }
};

// Picks `folder` in the folder dialog the action opens.
ModalAnswerer::Action pickFolder(const QString &folder, QStringList *seen = nullptr)
{
    return [folder, seen](QWidget *widget) {
        auto *picker = qobject_cast<QFileDialog *>(widget);
        if (!picker) {
            widget->close();
            return;
        }
        if (seen)
            *seen << picker->windowTitle() << QString::number(picker->fileMode())
                  << QString::number(picker->testOption(QFileDialog::ShowDirsOnly));
        picker->setDirectory(folder);
        QMetaObject::invokeMethod(picker, "accept");
    };
}

QList<TAVSyncEntry> peers(TAVVault *vault)
{
    QList<TAVSyncEntry> list;
    TAVSync::readSyncList(&list, vault);
    return list;
}

void waitUntil(const std::function<bool()> &done, int ms = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Declared after the fixtures, so it goes first: lets the runs still going
// (the scan after a synchronisation) end while this thread serves their calls.
struct Settle
{
    ~Settle() { waitUntil([] { return TAVSync::waitForRuns(0); }); }
};

} // namespace

class TestSyncWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void addSyncPeer_data();
    void addSyncPeer();
    void peerPairsTheFolderShown_data();
    void peerPairsTheFolderShown();
    void failedRunShowsOneResultAndStaysOpen();
    void progressDialogModes();
    void badgeCountsEveryPeerAndIsRecountedAfterARun();
    void synchronizeOnlyForALoadedVault_data();
    void synchronizeOnlyForALoadedVault();
    void lockMidRunKeepsTheIndex();
    void removingAVaultEndsItsRunsFirst();
    void skippedLinesInTheUsersLanguage();

private:
    std::unique_ptr<MainWindow> makeWindow();

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
};

void TestSyncWindow::initTestCase()
{
    QVERIFY(dir.isValid());
    drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestSyncWindow::cleanup()
{
    TAVSync::waitForRuns(10000);
    QCoreApplication::processEvents();
}

std::unique_ptr<MainWindow> TestSyncWindow::makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->findChild<QStackedWidget *>("centralStackedWidget")->setCurrentIndex(1);
    window->unlocked = true;
    return window;
}

void TestSyncWindow::addSyncPeer_data()
{
    QTest::addColumn<QString>("folder"); // which folder is picked
    QTest::addColumn<QString>("message"); // the box; empty: added and synchronised
    QTest::newRow("added") << "disk" << "";
    QTest::newRow("exists") << "disk twice" << "These folders are already synchronized.";
    const QString vaultFolder =
        "This folder can't be synchronized: it is the vault's own folder, lies inside it or holds it.";
    const QString own = "This folder can't be synchronized: the application keeps its own files there.";
    QTest::newRow("the vault's folder") << "vault" << vaultFolder;
    QTest::newRow("inside the vault's folder") << "vault/00" << vaultFolder;
    QTest::newRow("holding the vault's folder") << "above vault" << vaultFolder;
    QTest::newRow("another vault's folder") << "other vault" << own;
    QTest::newRow("settings folder") << "settings" << own;
    QTest::newRow("inside the backup folder") << "backup/x" << own;
    QTest::newRow("temporary folder") << "temp" << own;
}

// Through the action as the user goes: the folder picked in the dialog, then
// either the first synchronisation with its lines and result, or one box
// saying why nothing was added.
void TestSyncWindow::addSyncPeer()
{
    QFETCH(QString, folder);
    QFETCH(QString, message);
    auto window = makeWindow();
    SyncFixture fixture;
    VaultFixture others;
    Settle settle;
    TAVVault *other = others.addVault("Other");
    fixture.layVault({"a.txt=alpha"});
    window->updateView(fixture.vault());

    QString picked = fixture.diskFolder();
    if (folder == "disk twice")
        fixture.addPeer();
    else if (folder == "vault")
        picked = fixture.vault()->getFullPhysicalVaultPath();
    else if (folder == "vault/00")
        picked = fixture.vault()->getFullPhysicalVaultPath() + "/00";
    else if (folder == "above vault")
        picked = QFileInfo(fixture.vault()->getFullPhysicalVaultPath()).absolutePath();
    else if (folder == "other vault")
        picked = other->getFullPhysicalVaultPath();
    else if (folder == "settings")
        picked = window->settingsFolder();
    else if (folder == "backup/x")
        picked = MainWindow::backupPath + "/x";
    else if (folder == "temp")
        picked = MainWindow::tempPath;
    QVERIFY2(!picked.isEmpty(), qPrintable(folder));
    QVERIFY(QDir().mkpath(picked));
    const QList<TAVSyncEntry> before = peers(fixture.vault());

    ResultCatcher prompter;
    ModalAnswerer answers;
    QStringList pickerSeen;
    answers.act(pickFolder(picked, &pickerSeen));
    window->findChild<QAction *>("actionAddSyncPeer")->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(pickerSeen, QStringList({"Please choose a folder to synchronise this folder with:",
                                      QString::number(QFileDialog::Directory), "1"}));

    if (!message.isEmpty()) {
        QCOMPARE(prompter.texts(), QStringList{message});
        QCOMPARE(prompter.dialogTexts, QStringList{"<no dialog>"});
        QCOMPARE(peers(fixture.vault()).size(), before.size());
        QVERIFY(!QFile::exists(fixture.diskFolder() + "/a.txt"));
        return;
    }
    QCOMPARE(prompter.texts(), QStringList{"Synchronization completed successfully."});
    const QString host = Utils::getHostName();
    const QString disk = fixture.diskFolder();
    QCOMPARE(prompter.dialogTexts.first(),
             QString("Starting...\nStarting synchronization on %1 %2 to /\nCopy /a.txt from vault to disk %2/a.txt\n"
                     "/a.txt\nDone\n")
                 .arg(host, disk));
    const QList<TAVSyncEntry> after = peers(fixture.vault());
    QCOMPARE(after.size(), 1);
    QCOMPARE(after.first().host, host);
    QCOMPARE(after.first().diskFolder, disk);
    QCOMPARE(after.first().vaultFolder, QString("/"));
    QCOMPARE(fixture.diskSide(), QStringList{"a.txt=alpha"});
}

void TestSyncWindow::peerPairsTheFolderShown_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("vaultFolder");
    QTest::newRow("the vault") << "" << "/";
    QTest::newRow("two levels down") << "Reports/2014" << "/Reports/2014";
}

void TestSyncWindow::peerPairsTheFolderShown()
{
    QFETCH(QString, shown);
    QFETCH(QString, vaultFolder);
    auto window = makeWindow();
    SyncFixture fixture;
    Settle settle;
    fixture.layVault({"Reports/", "Reports/2014/"});
    TAVItemContainer *container = getItemContainer(fixture.vault(), "/" + shown);
    QVERIFY(container);
    window->updateView(container);

    ResultCatcher prompter;
    ModalAnswerer answers;
    answers.act(pickFolder(fixture.diskFolder()));
    window->findChild<QAction *>("actionAddSyncPeer")->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    const QList<TAVSyncEntry> list = peers(fixture.vault());
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().vaultFolder, vaultFolder);
}

// A run that fails says so once and leaves its lines to be read.
void TestSyncWindow::failedRunShowsOneResultAndStaysOpen()
{
    auto window = makeWindow();
    SyncFixture fixture;
    Settle settle;
    fixture.layVault({"a.txt=alpha"});
    fixture.addPeer("/", fixture.path("gone"));
    window->updateView(fixture.vault());

    ResultCatcher prompter;
    LogCapture log;
    window->findChild<QAction *>("actionSynchronize")->trigger();
    QCOMPARE(prompter.texts(),
             QStringList{"Synchronization finished with errors. The lines in the progress window say which items "
                         "could not be synchronized."});
    QCOMPARE(prompter.dialogLabels, QStringList{"Synchronization finished with errors:"});
    QVERIFY2(prompter.dialogTexts.first().endsWith(
                 "Failed: " + fixture.path("gone") + "\nThe folder does not exist.\n"
                 "Synchronization finished with errors: see the lines above.\n"),
             qPrintable(prompter.dialogTexts.first()));
}

void TestSyncWindow::progressDialogModes()
{
    ResultCatcher prompter;
    {
        TAVSyncProgressDialog dialog;
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog.windowTitle(), QString("Synchronization"));
        auto *button = dialog.findChild<QPushButton *>("btnCancel");
        QCOMPARE(button->text(), QString("Close"));
        dialog.addSyncProgress("one");
        dialog.addSyncProgress("");
        QCOMPARE(dialog.text(), QString("one\nNo items is synced\n"));
        QSignalSpy cancels(&dialog, &TAVSyncProgressDialog::cancelRepair);
        dialog.show();
        button->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(cancels.count(), 0);
    }
    {
        TAVSyncProgressDialog dialog;
        dialog.setProgressName("Repair Progress");
        QCOMPARE(dialog.windowTitle(), QString("Repair Progress"));
        QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString("Repair Progress:"));
        auto *button = dialog.findChild<QPushButton *>("btnCancel");
        QCOMPARE(button->text(), QString("Cancel"));
        dialog.show();
        // One result, however often the end is told.
        dialog.progressComplete();
        dialog.progressComplete();
        dialog.progressFailed();
        QVERIFY(!dialog.isVisible());
    }
    {
        TAVSyncProgressDialog dialog;
        dialog.setProgressName("Repair Progress");
        auto *button = dialog.findChild<QPushButton *>("btnCancel");
        QSignalSpy cancels(&dialog, &TAVSyncProgressDialog::cancelRepair);
        dialog.show();
        button->click();
        QCOMPARE(cancels.count(), 1);
        QVERIFY(!dialog.isVisible());
        // A cancelled run's late end is never told as a success.
        dialog.progressComplete();
    }
    QCOMPARE(prompter.texts(), QStringList{"Repair completed successfully."});
}

// The badge says how many changes wait over every peer of every vault, and
// is counted again once a run has ended.
void TestSyncWindow::badgeCountsEveryPeerAndIsRecountedAfterARun()
{
    auto window = makeWindow();
    SyncFixture first;
    first.layVault({"Docs/", "Docs/a.txt=a", "Docs/b.txt=b"}); // three to the disk
    first.addPeer();
    SyncFixture second;
    Settle settle;
    second.layDisk({"c.txt=c"}); // one into the vault
    second.addPeer();
    QAction *synchronize = window->findChild<QAction *>("actionSynchronize");
    const QString pending = "There are %1 file(s) to be synchronized.";

    window->startSyncScans();
    waitUntil([&] { return synchronize->toolTip() == pending.arg(4); });
    QCOMPARE(synchronize->toolTip(), pending.arg(4));
    QVERIFY(!synchronize->icon().isNull());

    ResultCatcher prompter;
    window->updateView(first.vault());
    synchronize->trigger();
    QCOMPARE(prompter.texts(), QStringList{"Synchronization completed successfully."});
    waitUntil([&] { return synchronize->toolTip() == pending.arg(1); });
    QCOMPARE(synchronize->toolTip(), pending.arg(1));

    // Nothing left anywhere: the plain icon.
    window->updateView(second.vault());
    synchronize->trigger();
    waitUntil([&] { return synchronize->toolTip() == "Start synchronizing files now."; });
    QCOMPARE(synchronize->toolTip(), QString("Start synchronizing files now."));
}

void TestSyncWindow::synchronizeOnlyForALoadedVault_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::newRow("loaded") << true;
    QTest::newRow("not loaded") << false;
}

void TestSyncWindow::synchronizeOnlyForALoadedVault()
{
    QFETCH(bool, loaded);
    auto window = makeWindow();
    SyncFixture fixture;
    Settle settle;
    fixture.layVault({"a.txt=alpha"});
    fixture.addPeer();
    window->updateView(fixture.vault());
    if (!loaded)
        fixture.vault()->unload();
    window->updateSyncActions();
    QCOMPARE(window->findChild<QAction *>("actionSynchronize")->isEnabled(), loaded);
    QCOMPARE(window->findChild<QAction *>("actionAddSyncPeer")->isEnabled(), loaded);

    // Reached anyway, it starts nothing for a vault that is not there.
    ResultCatcher prompter;
    LogCapture log;
    window->on_actionSynchronize_triggered();
    QCOMPARE(prompter.texts().size(), loaded ? 1 : 0);
    QCOMPARE(fixture.diskSide(), loaded ? QStringList{"a.txt=alpha"} : QStringList());
}

// A lock while a run takes files into the vault: the run stops before its
// next change, the index on the disk stays as it was and no body is left.
void TestSyncWindow::lockMidRunKeepsTheIndex()
{
    auto window = makeWindow();
    SyncFixture fixture;
    QStringList files;
    for (int i = 0; i < 300; ++i)
        files << QString("f%1.txt=content %1").arg(i);
    fixture.layDisk(files);
    fixture.addPeer();
    const QByteArray index = fixture.indexBytes();
    window->updateView(fixture.vault());

    bool locked = false;
    QObject guard;
    connect(fixture.vault(), &TAVVault::itemSyncProgress, &guard, [&](const QString &line) {
        if (locked || !line.startsWith("Copy "))
            return;
        locked = true;
        // As the lock does it: the dialogs first, then the runs, then the vaults.
        emit window->appLocked();
        window->cancelSyncRuns();
        fixture.vault()->unload();
    });
    ResultCatcher prompter;
    window->findChild<QAction *>("actionSynchronize")->trigger();
    QVERIFY(locked);
    waitUntil([] { return TAVSync::waitForRuns(0); });
    QVERIFY(TAVSync::waitForRuns(0));
    QCoreApplication::processEvents();

    QCOMPARE(prompter.texts(), QStringList()); // the dialog went with the lock
    QCOMPARE(fixture.saves(), 0);
    QCOMPARE(fixture.indexBytes(), index);
    QCOMPARE(VaultFixture::bodies(fixture.vault()), QStringList());
}

// Remove Vault destroys the vault object: a run the user left going on it
// (the Add Sync Peer dialog closed mid-run) has ended before, never after.
void TestSyncWindow::removingAVaultEndsItsRunsFirst()
{
    auto window = makeWindow();
    auto fixture = std::make_unique<SyncFixture>();
    QStringList files;
    for (int i = 0; i < 300; ++i)
        files << QString("f%1.txt=content %1").arg(i);
    fixture->layDisk(files);
    fixture->addPeer();
    TAVVault *vault = fixture->vault();
    const QString name = vault->GetName();
    window->updateView(vault);

    bool removed = false;
    bool runsLeft = true;
    QObject guard;
    connect(vault, &TAVVault::itemSyncProgress, &guard, [&](const QString &line) {
        if (removed || !line.startsWith("Copy "))
            return;
        removed = true;
        ScriptedPrompter prompter;
        prompter.choices = {1}; // " Yes "
        window->findChild<QAction *>("actionRemove_Vault")->trigger();
        runsLeft = !TAVSync::waitForRuns(0);
    });
    QtConcurrent::run(QThreadPool::globalInstance(), &TAVSync::syncFolders, vault);
    waitUntil([&] { return removed; });
    QVERIFY(removed);
    fixture->forgetVault(); // gone with the remove
    QVERIFY(!runsLeft);
    QVERIFY(!TAVFileSystem::getInstance()->getItem(name));
}

void TestSyncWindow::skippedLinesInTheUsersLanguage()
{
    Translation translation;
    QVERIFY(translation.install(QStringLiteral(":/res/kolvane_de_DE.qm")));
    auto window = makeWindow();
    SyncFixture fixture;
    Settle settle;
    fixture.layVault({"a.txt=alpha"});
    fixture.layDisk({"a.txt=alpha"});
    QVERIFY(QFile::link(fixture.path("outside"), fixture.diskFolder() + "/link"));
    fixture.addPeer();
    window->updateView(fixture.vault());

    ResultCatcher prompter;
    prompter.shot = QStringLiteral("sync-skipped-de_DE");
    window->findChild<QAction *>("actionSynchronize")->trigger();
    translation.removeCurrent();
    QCOMPARE(prompter.dialogTexts.size(), 1);
    QVERIFY2(prompter.dialogTexts.first().contains(QString::fromUtf8("Übersprungen: link (ein symbolischer Link)\n")),
             qPrintable(prompter.dialogTexts.first()));
    QVERIFY(prompter.dialogTexts.first().endsWith(
        QString::fromUtf8("Synchronisierung mit Fehlern beendet: siehe die Zeilen oben.\n")));
}

QTEST_MAIN(TestSyncWindow)
#include "tst_syncwindow.moc"
