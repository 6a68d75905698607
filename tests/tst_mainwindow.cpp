#include "cryptovectors.h"
#include "windowdrive.h"
#include "filefixture.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "scriptedprompter.h"
#include "tavcryptothread.h"
#include "tavexpireddate.h"
#include "tavtreeview.h"
#include "tavlistview.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilewatcher.h"
#include "tavfolder.h"
#include "tavsettings.h"
#include "languagetable.h"
#include "mountwatcher.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolBar>

#include <memory>

namespace {

// Takes the URLs the window asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// The menu's entries as object names, "-" for a separator.
QStringList entries(const QMenu *menu)
{
    QStringList names;
    for (QAction *action : menu->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void formActions_data();
    void formActions();
    void formMenusAndWidgets();
    void windowStartsOnTheLoginPage();
    void mainPageShowsEveryLabelWhole();

    void showMessageTakesTheCallersButtons_data();
    void showMessageTakesTheCallersButtons();
    void showMessageReturnsThePressedButton();
    void showMessageClosedByTheLockReturnsMinusOne();
    void helpActions();

    void navigationHistory();
    void historyEntryThatNoLongerResolves();

    void changeSavesTheRightFile();
    void failedSavesAreShownOncePerOperation();

    void shutdownDuringEncryptionLeavesNoPartialBody();

    void damagedSettingsTakeTheirDefaults();
    void cutSettingsFileIsKeptAndTold();
    void craftedViewStatesAreLeftOut();
    void languageComboTranslatesTheForm();
    void drivePollActsOnMountTableChanges();
    void unrelatedMountsLeaveTheViewAlone();
    void keptCopiesAreToldAtLockAndAtStart();

private:
    std::unique_ptr<MainWindow> makeWindow();

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(dir.isValid());
    // A drive used before: the window comes up on the login page.
    drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestMainWindow::cleanup()
{
    TAVFileSystem::getInstance()->removeAll();
}

std::unique_ptr<MainWindow> TestMainWindow::makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    return window;
}

void TestMainWindow::formActions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("hasIcon");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    const struct {
        const char *name, *text, *shortcut;
        bool icon, checkable, checked;
    } rows[] = {
        {"actionAdd_Files", "Add File(s)", "", true, false, false},
        {"actionDeleteItem", "Delete", "Ctrl+D", false, false, false},
        {"actionLocalRenameItem", "Rename", "F2", false, false, false},
        {"actionLocalDeleteItem", "Delete", "Ctrl+D", false, false, false},
        {"actionNew_Vault", "New Vault", "", false, false, false},
        {"actionRemove_Vault", "Disconnect Vault", "", false, false, false},
        {"actionExit", "Exit", "Ctrl+Q", false, false, false},
        {"actionSynchronize", "Synchronize", "", true, false, false},
        {"actionDetails", "Details", "", false, true, true},
        {"actionList", "List", "", false, true, false},
        {"actionThumbnail", "Icons", "", false, true, false},
        {"actionFolders", "Folders", "", false, true, false},
        {"actionSupport_Center", "Get Online Support", "", true, false, false},
        {"actionNew_Folder", "New Folder", "", true, false, false},
        {"actionRemove_Folder", "Remove Folder", "", false, false, false},
        {"actionDecrypt_File", "Save File(s) to...", "", false, false, false},
        {"actionAdd_Existing_Vault", "Add Existing Vault", "", false, false, false},
        {"actionChange_Password", "Change Password", "", false, false, false},
        {"actionAbout", "About", "", true, false, false},
        {"actionCheckUpdate", "Check For Updates", "", false, false, false},
        {"actionLock", "Lock", "", true, false, false},
        {"actionCopyItem", "Copy", "Ctrl+C", true, false, false},
        {"actionCutItem", "Cut", "Ctrl+X", true, false, false},
        {"actionPasteItem", "Paste", "Ctrl+V", true, false, false},
        {"actionMoveItem", "Move to Folder...", "", true, false, false},
        {"actionRenameItem", "Rename", "F2", false, false, false},
        {"actionMoveBack", "Go Back", "", true, false, false},
        {"actionMoveForward", "Go Forward", "", true, false, false},
        {"actionMoveHome", "Go Home", "", true, false, false},
        {"actionSelectAll", "Select All", "Ctrl+A", false, false, false},
        {"actionBrowseDesktop", "Desktop", "", true, false, false},
        {"actionBrowseMyDocuments", "Documents", "", true, false, false},
        {"actionBrowseComputer", "Computer", "", true, false, false},
        {"actionBackupAllVault", "Backup Vault Data", "", false, false, false},
        {"actionRestore_Vault", "Restore Vault Data", "", false, false, false},
        {"actionOptions", "Options...", "", false, false, false},
        {"actionVaultProperty", "Properties", "", false, false, false},
        {"actionAddSyncPeer", "Add Sync Peer", "", true, false, false},
        {"actionOpenInFinder", "Reveal in Finder", "", false, false, false},
        {"actionBackupVault", "Backup Vault", "", false, false, false},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << QString(r.name) << QString(r.text) << QString(r.shortcut)
                              << r.icon << r.checkable << r.checked;
}

// The form alone, as setupUi leaves it on a bare window.
void TestMainWindow::formActions()
{
    QFETCH(QString, name);
    QMainWindow window;
    Ui_MainWindowClass ui;
    ui.setupUi(&window);
    const QList<QAction *> found = window.findChildren<QAction *>(name);
    QCOMPARE(found.size(), 1);
    QAction *action = found.first();
    QCOMPARE(action->parent(), &window);
    QTEST(action->text(), "text");
    QTEST(action->shortcut().toString(), "shortcut");
    QTEST(!action->icon().isNull(), "hasIcon");
    QTEST(action->isCheckable(), "checkable");
    QTEST(action->isChecked(), "checked");
}

void TestMainWindow::formMenusAndWidgets()
{
    QMainWindow window;
    Ui_MainWindowClass ui;
    ui.setupUi(&window);

    QCOMPARE(window.objectName(), QString("MainWindowClass"));
    QCOMPARE(window.minimumSize(), QSize(1000, 400));
    QCOMPARE(window.size(), QSize(1024, 580));

    QStringList titles;
    for (QAction *menu : ui.menuBar->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"File", "Edit", "Tools", "View", "Help"}));
    QCOMPARE(entries(ui.menuFile),
             QStringList({"actionNew_Vault", "actionAdd_Existing_Vault", "-", "actionAdd_Files",
                          "actionDecrypt_File", "actionExit", "actionLock"}));
    QCOMPARE(entries(ui.menuEdit),
             QStringList({"actionCopyItem", "actionCutItem", "actionPasteItem", "-",
                          "actionNew_Folder", "actionRenameItem", "actionDeleteItem",
                          "actionMoveItem", "actionSelectAll"}));
    QCOMPARE(entries(ui.menuTool),
             QStringList({"actionSynchronize", "-", "actionAddSyncPeer", "actionChange_Password",
                          "actionBackupAllVault", "actionRestore_Vault", "actionOptions"}));
    QCOMPARE(entries(ui.menuView), QStringList({"actionDetails", "actionList", "actionThumbnail",
                                                "actionVaultProperty"}));
    QCOMPARE(entries(ui.menuHelps),
             QStringList({"actionSupport_Center", "actionCheckUpdate", "actionAbout"}));

    // Login page texts, the languages never translated.
    QCOMPARE(ui.cboLanguage->count(), 10);
    QCOMPARE(ui.cboLanguage->itemText(0), QString("[Select Language]"));
    QCOMPARE(ui.cboLanguage->itemText(2), QString("English"));
    QCOMPARE(ui.cboLanguage->itemText(9), QString::fromUtf8("繁體中文版"));
    QCOMPARE(ui.btnLogin->text(), QString("Login"));
    QCOMPARE(ui.passwordHint->text(), QString("Forgot your password?"));
    QCOMPARE(ui.ledPassword->placeholderText(), QString("Enter Your Password"));
    QCOMPARE(ui.ledPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(ui.qSearchLed->placeholderText(), QString("Search..."));
    QCOMPARE(ui.lblVaultHeader->text(), QString("My Vault"));
    QCOMPARE(ui.lblComputerHeader->text(), QString("My Computer"));
    QCOMPARE(ui.main_ToolBar->windowTitle(), QString("Main ToolBar"));

    // Hidden at start, first pages shown.
    QVERIFY(ui.passwordHint->isHidden());
    QVERIFY(ui.dirView->isHidden());
    QVERIFY(ui.lblStatusIcon->isHidden());
    QVERIFY(ui.lblStatusText->isHidden());
    QCOMPARE(ui.centralStackedWidget->currentWidget(), ui.loginScreenFrame);
    QCOMPARE(ui.tavViewStackedWidget->currentWidget(), static_cast<QWidget *>(ui.treeView));
    QCOMPARE(ui.computerViewStackedWidget->currentWidget(), static_cast<QWidget *>(ui.fsTreeView));
    for (const char *name : {"dirView", "treeView", "listView", "fsDirView", "fsTreeView",
                             "fsListView", "centralStackedWidget", "tavViewStackedWidget",
                             "computerViewStackedWidget", "main_ToolBar", "statusBar",
                             "tavViewHeaderFrame", "comViewHeaderFrame", "loginScreenFrame",
                             "viewScreenFrame", "cboLanguage", "ledPassword", "btnLogin",
                             "btnVirKeyBoard", "passwordHint", "lblLoginImage"})
        QVERIFY2(window.findChild<QWidget *>(name), name);

    // Actions inserted before the gap stand left of it; the logo stays last.
    QAction *extra = new QAction("X", &window);
    ui.main_ToolBar->insertAction(ui.toolBarGapAction, extra);
    const QList<QAction *> bar = ui.main_ToolBar->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar.at(1), extra);
    QCOMPARE(bar.at(2), ui.toolBarGapAction);
    QCOMPARE(ui.main_ToolBar->widgetForAction(bar.at(3)), static_cast<QWidget *>(ui.lblToolBarLogo));
}

void TestMainWindow::windowStartsOnTheLoginPage()
{
    auto window = makeWindow();
    auto *stack = window->findChild<QStackedWidget *>("centralStackedWidget");
    QCOMPARE(stack->currentIndex(), 0);
    QVERIFY(window->isScreenLocked());
    QVERIFY(!window->findChild<QPushButton *>("btnLogin")->isEnabled());
    QVERIFY(window->inactivityTimer->isSingleShot());
    QVERIFY(!window->inactivityTimer->isActive());
    QCOMPARE(window->inactivityTimer->interval(), 300000);
    QVERIFY(window->drivePollTimer->isActive());
    QCOMPARE(window->drivePollTimer->interval(), 5000);
    QVERIFY(!window->cryptoThread->isRunning());
    QVERIFY(!window->expiredDate->isRunning());
    QCOMPARE(window->windowTitle(), QString::fromUtf8("Kolvane\u2122 vave"));
    QCOMPARE(MainWindow::mountPoint, drive);
    QCOMPARE(window->settingsFile(), drive + "KolvaneVave Settings/config.dat");
    // Each running copy has a folder of its own under the shared one.
    QCOMPARE(QFileInfo(MainWindow::tempPath).absolutePath(), dir.filePath("tmp") + "/Kolvane Vave");
    QVERIFY(QFileInfo(MainWindow::tempPath).fileName().startsWith(QString::number(QCoreApplication::applicationPid()) + "-"));
    QVERIFY(QFileInfo(MainWindow::tempPath).isDir());
    QVERIFY(QThreadPool::globalInstance()->maxThreadCount() >= 16);
    // The column actions reach their slots by name: unchecking Name hides it.
    auto *tree = window->findChild<QTreeView *>("treeView");
    QAction *name = window->findChild<QAction *>("actionShowName");
    QVERIFY(name && name->isChecked());
    name->trigger();
    QVERIFY(tree->isColumnHidden(0));
    name->trigger();
    QVERIFY(!tree->isColumnHidden(0));
    if (ScreenShot::enabled()) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(ScreenShot::take(QStringLiteral("login-page-screen")));
    }
}

// At the default size nothing of the main page is cut off; with KV_SHOT_DIR
// set the page is also saved there as a picture.
void TestMainWindow::mainPageShowsEveryLabelWhole()
{
    auto window = makeWindow();
    VaultFixture fixture;
    fixture.addVault("Alpha");
    fixture.addVault("Flash Drive");
    window->unlocked = true;
    window->resize(1024, 580);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->showMainPage();
    QCoreApplication::processEvents();

    auto *bar = window->findChild<QToolBar *>("main_ToolBar");
    QStringList labels;
    for (QAction *action : bar->actions())
        if (!action->text().isEmpty())
            labels << action->objectName();
    QCOMPARE(labels, QStringList({"actionLock", "actionSynchronize"}));
    for (QAction *action : bar->actions()) {
        QWidget *button = bar->widgetForAction(action);
        QVERIFY(button && button->isVisible());
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(action->objectName()));
    }
    for (QAction *menu : window->menuBar()->actions())
        QVERIFY2(window->menuBar()->actionGeometry(menu).right() < window->width(),
                 qPrintable(menu->text()));
    auto *search = window->findChild<QLineEdit *>();
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        if (edit->placeholderText() == "Search...")
            search = edit;
    QVERIFY(search->isVisible() && search->isEnabled());
    QVERIFY(search->fontMetrics().horizontalAdvance(search->placeholderText()) < search->width() - 8);
    const QRect inWindow(search->mapTo(window.get(), QPoint(0, 0)), search->size());
    QVERIFY(window->rect().contains(inWindow));
    QVERIFY(window->inactivityTimer->isActive());

    const QByteArray shots = qgetenv("KV_SHOT_DIR");
    if (!shots.isEmpty())
        QVERIFY(window->grab().save(QString::fromLocal8Bit(shots) + "/shot-mainwin-main.png"));
    if (ScreenShot::enabled())
        QVERIFY(ScreenShot::take(QStringLiteral("mainwin-main-screen")));
}

void TestMainWindow::showMessageTakesTheCallersButtons_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("expected");
    QTest::newRow("first") << QList<int>{0} << 0;
    QTest::newRow("third") << QList<int>{2} << 2;
    QTest::newRow("closed without an answer") << QList<int>{} << -1;
}

void TestMainWindow::showMessageTakesTheCallersButtons()
{
    QFETCH(QList<int>, script);
    auto window = makeWindow();
    ScriptedPrompter prompter;
    prompter.choices = script;
    const int answer = window->showMessage(QMessageBox::Question, "Title", "Replace it?",
                                           {" No ", " Yes ", "Yes to All"});
    QTEST(answer, "expected");
    QCOMPARE(prompter.prompts.size(), 1);
    const ScriptedPrompter::Prompt &p = prompter.prompts.first();
    QCOMPARE(p.icon, QMessageBox::Question);
    QCOMPARE(p.title, QString("Title"));
    QCOMPARE(p.text, QString("Replace it?"));
    QCOMPARE(p.buttonTexts, QStringList({" No ", " Yes ", "Yes to All"}));
    QVERIFY(!window->inactivityTimer->isActive());
}

void TestMainWindow::showMessageReturnsThePressedButton()
{
    auto window = makeWindow();
    ModalAnswerer answers;
    answers.press("C");
    QCOMPARE(window->showMessage(QMessageBox::Information, "T", "Pick", {"A", "B", "C"}), 2);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().first().text, QString("Pick"));
    QCOMPARE(answers.seen().first().buttons, QStringList({"A", "B", "C"}));
}

void TestMainWindow::showMessageClosedByTheLockReturnsMinusOne()
{
    auto window = makeWindow();
    window->findChild<QStackedWidget *>("centralStackedWidget")->setCurrentIndex(1);
    window->unlocked = true;
    QSignalSpy locked(window.get(), &MainWindow::appLocked);
    ModalAnswerer answers;
    MainWindow *w = window.get();
    answers.act([w](QWidget *) { w->on_actionLock_triggered(); });
    QCOMPARE(window->showMessage(QMessageBox::Warning, "T", "Delete?", {"OK"}), -1);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(locked.count(), 1);
    QVERIFY(window->isScreenLocked());
}

void TestMainWindow::helpActions()
{
    auto window = makeWindow();
    UrlCatcher catcher;
    window->findChild<QAction *>("actionSupport_Center")->trigger();
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first().scheme(), QString("https"));
    QCOMPARE(catcher.urls.first().path(), QString("/support"));
    QVERIFY(!catcher.urls.first().host().isEmpty());

    ModalAnswerer answers;
    answers.reject();
    window->findChild<QAction *>("actionAbout")->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().first().title, QString::fromUtf8("Kolvane\u2122 vave - About"));

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->findChild<QAction *>("actionExit")->trigger();
    QVERIFY(!window->isVisible());
}

void TestMainWindow::navigationHistory()
{
    // The window empties the vault tree as it starts: the vaults come after it.
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *inner = fixture.addFolder(vault, "Inner");
    window->findChild<QStackedWidget *>("centralStackedWidget")->setCurrentIndex(1);
    window->unlocked = true;
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    QAction *back = window->findChild<QAction *>("actionMoveBack");
    QAction *forward = window->findChild<QAction *>("actionMoveForward");
    QAction *home = window->findChild<QAction *>("actionMoveHome");

    // Entering a vault and then its folder; the same one twice counts once.
    window->enterHistory(vault);
    window->updateView(vault);
    window->enterHistory(inner);
    window->enterHistory(inner);
    window->updateView(inner);
    QCOMPARE(window->history, QStringList({vault->GetFullDisplayPath(), inner->GetFullDisplayPath()}));
    QCOMPARE(window->historyIndex, 2);
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    struct Step { QAction *action; TAVItemContainer *shown; int index; };
    const Step steps[] = {
        {back, vault, 1},
        {back, TAVFileSystem::getInstance(), 0},
        {forward, vault, 1},
        {forward, inner, 2},
    };
    for (const Step &step : steps) {
        step.action->trigger();
        QCOMPARE(model->rootItem(), step.shown);
        QCOMPARE(window->historyIndex, step.index);
        QCOMPARE(back->isEnabled(), step.index > 0);
        QCOMPARE(forward->isEnabled(), step.index < 2);
        QCOMPARE(home->isEnabled(), step.shown != TAVFileSystem::getInstance());
    }
    // The root is shown as icons while Details stays the chosen mode.
    home->trigger();
    QCOMPARE(model->rootItem(), TAVFileSystem::getInstance());
    QCOMPARE(window->findChild<QStackedWidget *>("tavViewStackedWidget")->currentIndex(), 1);
    QVERIFY(window->findChild<QAction *>("actionDetails")->isChecked());
    QVERIFY(!home->isEnabled());
    QCOMPARE(window->historyIndex, 2);
    forward->trigger(); // nothing ahead: nothing changes
    QCOMPARE(model->rootItem(), TAVFileSystem::getInstance());

    // Back into a folder brings Details back.
    back->trigger();
    QCOMPARE(model->rootItem(), vault);
    QCOMPARE(window->findChild<QStackedWidget *>("tavViewStackedWidget")->currentIndex(), 0);
}

void TestMainWindow::historyEntryThatNoLongerResolves()
{
    // The window empties the vault tree as it starts: the vaults come after it.
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *inner = fixture.addFolder(vault, "Inner");
    window->findChild<QStackedWidget *>("centralStackedWidget")->setCurrentIndex(1);
    window->enterHistory(vault);
    window->enterHistory(inner);
    window->updateView(inner);
    const QString gone = inner->GetFullDisplayPath();
    vault->removeItem(QStringLiteral("Inner"));
    window->updateView(vault);
    window->history.append(gone); // entered again before it went
    window->historyIndex = 3;

    window->on_actionMoveBack_triggered();
    QCOMPARE(window->historyIndex, 2);
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), vault);
    window->historyIndex = 1;
    window->on_actionMoveForward_triggered();
    QCOMPARE(window->historyIndex, 1);
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), vault);
}

void TestMainWindow::changeSavesTheRightFile()
{
    // The window empties the vault tree as it starts: the vaults come after it.
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *alpha = fixture.addVault("Alpha");
    TAVVault *bravo = fixture.addVault("Bravo");
    TAVFolder *inner = fixture.addFolder(alpha, "Inner");
    MainWindow::key = CryptoVectors::key();
    const QString list = window->settingsFolder() + "/filesystem.dat";
    const QString alphaIndex = alpha->getFullPhysicalVaultPath() + "/index.dat";
    const QString bravoIndex = bravo->getFullPhysicalVaultPath() + "/index.dat";
    QFile::remove(list);
    QFile::remove(alphaIndex);
    QFile::remove(bravoIndex);

    ScriptedPrompter prompter;
    window->onFileSystemChanged(inner); // a change inside Alpha: its index only
    QVERIFY(QFile::exists(alphaIndex));
    QVERIFY(!QFile::exists(bravoIndex));
    QVERIFY(!QFile::exists(list));

    window->onFileSystemChanged(TAVFileSystem::getInstance()); // the list itself
    QVERIFY(QFile::exists(list));
    QVERIFY(QFile::exists(bravoIndex));
    QVERIFY(prompter.prompts.isEmpty());
    QFile::remove(list);
    MainWindow::key = TAVKey();
}

// A save that did not reach the drive is told to the user, once per file
// that stayed old, never dropped.
void TestMainWindow::failedSavesAreShownOncePerOperation()
{
    // The window empties the vault tree as it starts: the vaults come after it.
    auto window = makeWindow();
    VaultFixture fixture;
    TAVVault *alpha = fixture.addVault("Alpha");
    TAVVault *bravo = fixture.addVault("Bravo");
    TAVFolder *inner = fixture.addFolder(alpha, "Inner");
    MainWindow::key = CryptoVectors::key();
    // A folder where a file should go: no save can replace it, even as root.
    const QString list = window->settingsFolder() + "/filesystem.dat";
    QVERIFY(QDir().mkpath(list + "/x"));
    QVERIFY(QDir().mkpath(alpha->getFullPhysicalVaultPath() + "/index.dat/x"));

    ScriptedPrompter prompter;
    window->onFileSystemChanged(inner);
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.at(0).icon, QMessageBox::Warning);
    QCOMPARE(prompter.prompts.at(0).text, QString("The index of the vault Alpha could not be saved."));
    QCOMPARE(prompter.prompts.at(0).buttonTexts, QStringList({"OK"}));

    prompter.prompts.clear();
    window->onFileSystemChanged(TAVFileSystem::getInstance());
    QCOMPARE(prompter.prompts.size(), 2);
    QCOMPARE(prompter.prompts.at(0).text,
             QString("The list of vaults could not be saved to %1.").arg(list));
    QCOMPARE(prompter.prompts.at(1).text, QString("The index of the vault Alpha could not be saved."));
    Q_UNUSED(bravo)
    QVERIFY(QDir(list).removeRecursively());
    MainWindow::key = TAVKey();
}

// Closing the program while the worker encrypts a large file: the worker is
// told to stop and waited for, so the body is either absent or whole.
void TestMainWindow::shutdownDuringEncryptionLeavesNoPartialBody()
{
    QTemporaryDir work;
    const QString plain = work.filePath("plain.bin");
    QByteArray bytes(48 * 1024 * 1024, '\0');
    for (int i = 0; i < bytes.size(); i += 4096)
        bytes[i] = char(i / 4096);
    QVERIFY(writeBytes(plain, bytes));
    const QString body = work.filePath("body");

    auto window = makeWindow();
    TAVCryptoThread *worker = window->cryptoThread;
    worker->source = plain;
    worker->destination = body;
    worker->name = "plain.bin";
    worker->created = QDateTime::currentDateTime();
    worker->setKey(CryptoVectors::key(), TAV_AES256);
    worker->function = 0;
    QSignalSpy progress(worker, &TAVCryptoThread::progress);
    worker->start();
    QTRY_VERIFY(progress.count() > 0 || !worker->isRunning());
    QVERIFY2(worker->isRunning(), "the job ended before the shutdown; make the file larger");
    window.reset(); // the destructor runs while the job may still go on

    const QStringList left = entries(work.path());
    if (left.contains("body")) {
        TAVCryptoThread check;
        check.setKey(CryptoVectors::key(), TAV_AES256);
        QCOMPARE(check.decrypt(body, work.filePath("back")), 0);
        QCOMPARE(fileBytes(work.filePath("back")), bytes);
    }
    QCOMPARE(entries(work.path()).filter(QRegularExpression("^(?!plain\\.bin$|body$|back$)")),
             QStringList());
}

// Values a damaged or hand-edited file holds never reach the window: each
// takes its default, while the sound ones are kept.
void TestMainWindow::damagedSettingsTakeTheirDefaults()
{
    const QString file = drive + "KolvaneVave Settings/config.dat";
    const QByteArray before = fileBytes(file);
    TAVSettings *store = TAVSettings::getInstance();
    store->setFileName(file);
    store->beginGroup("Settings");
    store->setValue("MinuteOfTimeOut", -5);             // would switch the lock off
    store->setValue("encryptionMethod", 9);             // no such cipher
    store->setValue("DayOfChangePasswordRemind", "x");  // not a number
    store->setValue("NumberOfBackups", 7);              // sound
    store->setValue("passwordhint", "blue");            // sound
    store->setValue("size", QSize(1100, 700));          // sound
    store->setValue("MainWindow/geometry", QByteArray()); // else it gives the size
    store->endGroup();
    QCOMPARE(store->write(), int(TAVSettings::WriteOk));

    {
        auto window = makeWindow();
        QCOMPARE(window->minuteOfTimeOut, 10);
        QCOMPARE(window->encryptionMethod, 2);
        QCOMPARE(window->dayOfChangePasswordRemind, 30);
        QCOMPARE(MainWindow::numberOfBackups, 7);
        QCOMPARE(window->passwordHintText, QString("blue"));
        QCOMPARE(window->size(), QSize(1100, 700));
        QVERIFY(!window->findChild<QPushButton *>("passwordHint")->isHidden());
    }
    QVERIFY(writeBytes(file, before));
    store->read();
}

// A settings file cut short is set aside whole under a name of its own,
// the user is told once, and the defaults are used; the next save writes a
// new file beside the kept one.
void TestMainWindow::cutSettingsFileIsKeptAndTold()
{
    const QString file = drive + "KolvaneVave Settings/config.dat";
    const QByteArray before = fileBytes(file);
    TAVSettings *store = TAVSettings::getInstance();
    store->setFileName(file);
    store->beginGroup("Settings");
    store->setValue("passwordhint", "the blue one");
    store->setValue("MinuteOfTimeOut", 25);
    store->endGroup();
    QCOMPARE(store->write(), int(TAVSettings::WriteOk));
    const QByteArray cut = fileBytes(file).left(fileBytes(file).size() / 2);
    QVERIFY(writeBytes(file, cut));

    {
        ScriptedPrompter prompter;
        auto window = makeWindow();
        QCOMPARE(prompter.prompts.size(), 1);
        const QString kept = store->keptDamagedFile();
        QVERIFY(kept.startsWith(file + ".damaged-"));
        QCOMPARE(fileBytes(kept), cut);
        QCOMPARE(prompter.prompts.first().icon, QMessageBox::Warning);
        QCOMPARE(prompter.prompts.first().text,
                 QString("The settings file %1 is damaged. It was kept as %2, and the default settings are used.")
                     .arg(file, kept));
        QCOMPARE(window->minuteOfTimeOut, 10);
        window.reset(); // writes the settings anew
        QCOMPARE(fileBytes(kept), cut);
        QVERIFY(QFile::remove(kept));
    }
    QVERIFY(writeBytes(file, before));
    store->read();
}

// A header state whose count would make Qt allocate gigabytes, and a
// splitter state of the same kind, never reach Qt: the window starts with
// its own layout; a sound state of the other header is still taken.
void TestMainWindow::craftedViewStatesAreLeftOut()
{
    const QString file = drive + "KolvaneVave Settings/config.dat";
    const QByteArray before = fileBytes(file);
    QByteArray sound;
    {
        auto window = makeWindow();
        window->findChild<TAVTreeView *>("fsTreeView")->header()->resizeSection(0, 321);
        sound = window->findChild<TAVTreeView *>("fsTreeView")->header()->saveState();
    }
    QByteArray crafted = sound;
    crafted.replace(21, 4, QByteArray::fromHex("7ffffff0"));
    QByteArray splitter = QByteArray::fromHex("000000ff00000001") + QByteArray::fromHex("7ffffff0");
    TAVSettings *store = TAVSettings::getInstance();
    store->setFileName(file);
    store->beginGroup("Settings");
    store->setValue("treeHeader", crafted);
    store->setValue("splitterSizes", splitter);
    store->setValue("comp_treeHeader", sound);
    store->endGroup();
    QCOMPARE(store->write(), int(TAVSettings::WriteOk));

    {
        auto window = makeWindow();
        QCOMPARE(window->findChild<TAVTreeView *>("treeView")->header()->sectionSize(0), 250);
        QCOMPARE(window->findChild<TAVTreeView *>("fsTreeView")->header()->sectionSize(0), 321);
    }
    QVERIFY(writeBytes(file, before));
    store->read();
}

// Picking a language on the login page puts its translation in force at
// once; the next pick takes the previous one off again.
void TestMainWindow::languageComboTranslatesTheForm()
{
    auto window = makeWindow();
    auto *combo = window->findChild<QComboBox *>("cboLanguage");
    auto *login = window->findChild<QPushButton *>("btnLogin");
    QCOMPARE(login->text(), QString("Login"));

    const struct { const char *code; const char *text; const char *file; } steps[] = {
        {"de_DE", "Anmelden", "kolvane_de_DE.qm"},
        {"fr_FR", "Connexion", "kolvane_fr_FR.qm"},
        {"en_US", "Login", "kolvane_fr_FR.qm"}, // the source language has no file
    };
    for (const auto &step : steps) {
        combo->setCurrentIndex(LanguageTable::comboIndex(step.code));
        QCOMPARE(MainWindow::curLanguage, QString(step.code));
        QCOMPARE(login->text(), QString::fromUtf8(step.text));
        QCOMPARE(window->languageFile(), QString(step.file));
    }
    // The prompt item keeps the language in force.
    combo->setCurrentIndex(LanguageTable::comboIndex("de_DE"));
    combo->setCurrentIndex(0);
    QCOMPARE(MainWindow::curLanguage, QString("de_DE"));
    QCOMPARE(login->text(), QString("Anmelden"));
    window.reset();
    QCOMPARE(QCoreApplication::translate("MainWindowClass", "Login"), QString("Login"));
}

// The drive poll rereads the registry only when the mount table changed
// since the last tick, and clears the watcher's flags once it has acted.
void TestMainWindow::drivePollActsOnMountTableChanges()
{
    const QString table = dir.filePath("mountinfo");
    const QString root = "1 25 8:1 / / rw shared:1 - ext4 /dev/sda1 rw";
    const QString stick = "40 25 8:17 / /media/STICK2 rw shared:1 - vfat /dev/sdb1 rw";
    QVERIFY(writeBytes(table, (root + "\n").toUtf8()));
    MainWindow::setMountTablePath(table);
    auto window = makeWindow();
    MainWindow::setMountTablePath(QString());
    QVERIFY(window->mountWatcher);

    // A stick the registry has not seen yet: nothing changed in the table,
    // so the tick leaves the registry as it was.
    drives.plug(USBStick("SER2", dir.filePath("stick2") + "/", 0x5581, 0x781));
    window->MountUnmountUSB();
    QVERIFY(!TAVStickManager::isFlashDriveAvailable("SER2"));

    QVERIFY(writeBytes(table, (root + "\n" + stick + "\n").toUtf8()));
    window->MountUnmountUSB();
    QVERIFY(TAVStickManager::isFlashDriveAvailable("SER2"));
    QVERIFY(!window->mountWatcher->isMount());
    QVERIFY(!window->mountWatcher->isUnmount());

    drives.unplug("SER2");
    QVERIFY(writeBytes(table, (root + "\n").toUtf8()));
    window->MountUnmountUSB();
    QVERIFY(!TAVStickManager::isFlashDriveAvailable("SER2"));
    QVERIFY(!window->mountWatcher->isUnmount());
}

// Mounts that are neither drives nor under a vault come and go all the time
// on a busy machine: the view stays where the user left it. A vault's drive
// that goes still takes the view back to the vault list.
void TestMainWindow::unrelatedMountsLeaveTheViewAlone()
{
    const QString table = dir.filePath("mountinfo-unrelated");
    const QString root = "1 25 8:1 / / rw shared:1 - ext4 /dev/sda1 rw\n";
    const QString other = "77 25 0:52 / /run/user/1000/doc rw - fuse.portal portal rw\n";
    QVERIFY(writeBytes(table, root.toUtf8()));
    MainWindow::setMountTablePath(table);
    auto window = makeWindow();
    MainWindow::setMountTablePath(QString());

    VaultFixture fixture;
    drives.plug(USBStick("SER3", fixture.path("vaults") + "/", 0x5581, 0x781));
    TAVStickManager::update();
    TAVVault *vault = fixture.addVault("Alpha");
    TAVFolder *inner = fixture.addFolder(vault, "Inner");
    fixture.addFile(inner, "a.txt", "alpha");
    TAVFileSystem::getInstance()->addVaultItem(vault);
    QCOMPARE(TAVFileSystem::getInstance()->getVaultList().first().location, QString("SER3"));
    window->findChild<QStackedWidget *>("centralStackedWidget")->setCurrentIndex(1);
    window->unlocked = true;
    window->show();
    window->setWindowState(Qt::WindowMaximized);
    window->updateView(inner);
    TAVFileSystemModel *model = TAVFileSystemModel::getInstance();
    auto *view = window->findChild<TAVTreeView *>("treeView");
    view->setCurrentIndex(model->index(0, 0));
    QCOMPARE(view->getSelectedTAVItems().size(), 1);

    for (const QString &lines : {root + other, root}) {
        QVERIFY(writeBytes(table, lines.toUtf8()));
        window->MountUnmountUSB();
        QCOMPARE(model->rootItem(), static_cast<TAVItemContainer *>(inner));
        QCOMPARE(view->getSelectedTAVItems().size(), 1);
        QCOMPARE(view->getSelectedTAVItems().first()->GetName(), QString("a.txt"));
        QVERIFY(window->windowState() & Qt::WindowMaximized);
        QVERIFY(vault->isLoaded());
    }

    // The vault's drive unplugged: unloaded, and the view is back at the list.
    drives.unplug("SER3");
    QVERIFY(writeBytes(table, (root + other).toUtf8()));
    window->MountUnmountUSB();
    QVERIFY(!vault->isLoaded());
    QCOMPARE(model->rootItem(), static_cast<TAVItemContainer *>(TAVFileSystem::getInstance()));
    window->hide();
}

// Decrypted copies whose changes never reached their vault are never lost
// silently: the lock lists those it keeps, the next start those it finds.
void TestMainWindow::keptCopiesAreToldAtLockAndAtStart()
{
    QString copy;
    {
        auto window = makeWindow();
        VaultFixture fixture;
        TAVVault *vault = fixture.addVault("Alpha");
        TAVFile *file = fixture.addFile(vault, "note.txt", "first");
        window->findChild<QStackedWidget *>("centralStackedWidget")->setCurrentIndex(1);
        window->unlocked = true;
        copy = window->fileWatcher->openCopy(file);
        QVERIFY(writeBytes(copy, "edited while the vault is closed"));
        vault->unload();

        ScriptedPrompter prompter;
        window->on_actionLock_triggered();
        QVERIFY(!prompter.prompts.isEmpty());
        const ScriptedPrompter::Prompt told = prompter.prompts.last();
        QCOMPARE(told.icon, QMessageBox::Warning);
        QCOMPARE(told.buttonTexts, QStringList({"OK"}));
        QVERIFY2(told.text.contains(copy), qPrintable(told.text));
        QCOMPARE(fileBytes(copy), QByteArray("edited while the vault is closed"));

    }

    // The copy outlived its run: the next start names it.
    const QString left = dir.filePath("tmp/Kolvane Vave/")
        + QString::number(FileFixture::endedProcessId()) + "-k1k2k3";
    const QString kept = left + "/0123/note.txt";
    QVERIFY(QDir().mkpath(left + "/0123"));
    QVERIFY(writeBytes(kept, "edits"));
    QVERIFY(writeBytes(left + "/kept-copies", "0123/note.txt\n"));
    ScriptedPrompter prompter;
    auto window = makeWindow();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().icon, QMessageBox::Warning);
    QVERIFY2(prompter.prompts.first().text.contains(kept), qPrintable(prompter.prompts.first().text));
    QVERIFY(QFile::exists(kept));
    window.reset();
    QVERIFY(QDir(left).removeRecursively());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
