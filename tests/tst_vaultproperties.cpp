#include "fileutils.h"
#include "filesizelimit.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scriptedprompter.h"
#include "syncfixture.h"
#include "tavcrypto.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavkeychain.h"
#include "tavprogresslogdialog.h"
#include "tavstickmanager.h"
#include "tavsync.h"
#include "tavvault.h"
#include "tavvaultproperty.h"
#include "treetestutils.h"
#include "usbstick.h"
#include "utils.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A vault object on an existing folder, unloaded, hung on the root while it lives.
struct ReopenedVault
{
    TAVVault *vault;
    ReopenedVault(const QString &name, const QString &folder, TAVCipher cipher, const TAVKey &key)
        : vault(new TAVVault(TAVFileSystem::getInstance(), name, folder, cipher, key))
    {
        TAVFileSystem::getInstance()->addItem(vault);
    }
    ~ReopenedVault()
    {
        TAVFileSystem::getInstance()->removeItem(vault);
        destroyItemTree(vault);
    }
};

// The table of the properties dialog, one "host|disk|vault" per row.
QStringList peerRows(const TavVaultProperty *dialog)
{
    QStringList rows;
    auto *table = dialog->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
    for (int i = 0; i < table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = table->topLevelItem(i);
        rows << QStringList({row->text(0), row->text(1), row->text(2)}).join(QLatin1Char('|'));
    }
    return rows;
}

// The peer list on the disk, in the same form.
QStringList peerList(TAVVault *vault)
{
    QList<TAVSyncEntry> peers;
    if (TAVSync::readSyncList(&peers, vault) != 0)
        return {QStringLiteral("<unreadable>")};
    QStringList rows;
    for (const TAVSyncEntry &peer : peers)
        rows << QStringList({peer.host, peer.diskFolder, peer.vaultFolder}).join(QLatin1Char('|'));
    return rows;
}

// Every item below the container, sorted: its path, and for a file its
// identifier and sizes (dates differ on rebuilt items by design).
QStringList contents(const TAVItemContainer *container)
{
    QStringList lines;
    for (int i = 0; i < container->getItemCount(); ++i) {
        const TAVItem *item = container->getItemAt(i);
        if (item->GetClassID() == TAV_CLASS_FILE) {
            lines << QStringLiteral("%1 %2 %3/%4")
                         .arg(item->GetFullPath().section('/', 1), item->GetId().toString())
                         .arg(item->GetOriginalSize())
                         .arg(item->GetCurrentSize());
        } else {
            lines << item->GetFullPath().section('/', 1) + "/";
            lines << contents(static_cast<const TAVItemContainer *>(item));
        }
    }
    lines.sort();
    return lines;
}

QString labelText(const QWidget *dialog, const char *name)
{
    return dialog->findChild<QLabel *>(QString::fromLatin1(name))->text();
}

void click(QWidget *dialog, const char *name)
{
    dialog->findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
}

// Runs the action on the next modal dialog of that class once it shows.
// Dialogs opened one after the other from one click are told apart by
// their class, never by the moment they open.
template <class Dialog>
void answerNext(std::function<void(Dialog *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        QTimer::singleShot(0, dialog, [dialog, action] { action(dialog); });
    });
    poll->start();
}

// Picks a folder in the next peer folder picker.
void pickFolder(const QString &folder)
{
    answerNext<QFileDialog>([folder](QFileDialog *picker) {
        // In folder mode the folder being shown is the one chosen.
        picker->setDirectory(folder);
        QMetaObject::invokeMethod(picker, "accept");
    });
}

// Keeps the text of the progress log that opens over the watched dialog,
// as it closes.
class LogReader : public QObject
{
public:
    explicit LogReader(QString *log) : log(log) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildPolished) {
            auto *dialog = qobject_cast<TAVProgressLogDialog *>(static_cast<QChildEvent *>(event)->child());
            if (dialog)
                connect(dialog, &QDialog::finished, this, [this, dialog] { *log = dialog->text(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString *log;
};

// Pictures of the dialogs for review, taken only when KV_SHOT_DIR names a folder.
QString shotPath(const QString &name)
{
    const QString dir = qEnvironmentVariable("KV_SHOT_DIR");
    return dir.isEmpty() || name.isEmpty() ? QString() : dir + "/" + name + ".png";
}

void shoot(QWidget *widget, const QString &name)
{
    const QString path = shotPath(name);
    if (path.isEmpty())
        return;
    widget->raise();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QTest::qWait(50);
    widget->grab().save(path);
}

// Records like the scripted prompter and, for pictures, shows each box for
// a moment and keeps a picture of it.
class ShootingPrompter : public ScriptedPrompter
{
public:
    explicit ShootingPrompter(const QString &name) : name(name) {}
    int choose(QMessageBox *box) override
    {
        const int answer = ScriptedPrompter::choose(box);
        if (!shotPath(name).isEmpty()) {
            box->show();
            shoot(box, name);
            box->hide();
        }
        return answer;
    }

private:
    QString name;
};

QStringList texts(const QList<ScriptedPrompter::Prompt> &prompts)
{
    QStringList all;
    for (const ScriptedPrompter::Prompt &prompt : prompts)
        all << prompt.text;
    return all;
}

} // namespace

class TestVaultProperties : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void showsTheVaultAndItsPeers_data();
    void showsTheVaultAndItsPeers();
    void addAndRemoveShowTheListAsItIs();
    void synchronizeRunsThePeersOfThisHost();
    void repairFromTheDialog_data();
    void repairFromTheDialog();
    void repairOfferedForAVaultWithoutIndex_data();
    void repairOfferedForAVaultWithoutIndex();
    void setVaultPassword_data();
    void setVaultPassword();
    void defaultVaultNames_data();
    void defaultVaultNames();
    void refreshUpdatesTheViewThatShowsTheChange_data();
    void refreshUpdatesTheViewThatShowsTheChange();
    void burstOfRefreshesCostsOneUpdate();

private:
    std::unique_ptr<MainWindow> unlockedWindow();
    // Opens the properties of the vault shown through the window's action
    // and runs `inside` on the dialog; false when it never opened.
    // The dialogs that open from `inside` are answered by `then`, in order.
    bool withProperties(MainWindow *window, const std::function<void(TavVaultProperty *)> &inside,
                        ModalAnswerer *answers, const QList<ModalAnswerer::Action> &then = {});

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
};

void TestVaultProperties::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    drive = dir.filePath("drive") + "/";
    QVERIFY(QDir().mkpath(drive + "KolvaneVave Settings"));
    QVERIFY(QFile(drive + "KolvaneVave Settings/config.dat").open(QIODevice::WriteOnly));
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
}

void TestVaultProperties::cleanup()
{
    TAVFileSystem::getInstance()->removeAll();
}

// The window empties the vault tree as it starts: vaults come after it.
std::unique_ptr<MainWindow> TestVaultProperties::unlockedWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->ui->centralStackedWidget->setCurrentIndex(1);
    return window;
}

bool TestVaultProperties::withProperties(MainWindow *window,
                                         const std::function<void(TavVaultProperty *)> &inside,
                                         ModalAnswerer *answers, const QList<ModalAnswerer::Action> &then)
{
    bool opened = false;
    answers->act([&](QWidget *dialog) {
        auto *properties = qobject_cast<TavVaultProperty *>(dialog);
        if (!properties)
            return;
        opened = true;
        inside(properties);
        properties->reject();
    });
    for (const ModalAnswerer::Action &action : then)
        answers->act(action);
    window->ui->actionVaultProperty->trigger();
    return opened;
}

void TestVaultProperties::showsTheVaultAndItsPeers_data()
{
    QTest::addColumn<bool>("withIndex");
    QTest::newRow("index on the disk") << true;
    QTest::newRow("no index file") << false;
}

// The four figures of the vault, and both of its peers, this host's and
// another's, as the list holds them.
void TestVaultProperties::showsTheVaultAndItsPeers()
{
    QFETCH(bool, withIndex);
    auto window = unlockedWindow();
    VaultFixture fx;
    TAVVault *vault = fx.addVault("Private", TAV_AES256);
    TAVFolder *letters = fx.addFolder(vault, "Letters");
    TAVFile *a = fx.addFile(vault, "a.txt", QByteArray(600, 'a'));
    TAVFile *b = fx.addFile(letters, "b.txt", QByteArray(1500, 'b'));
    if (withIndex)
        QCOMPARE(vault->save(), 0);
    const QString host = Utils::getHostName();
    QCOMPARE(TAVSync::addSyncPeer(vault, host, "/home/me/Documents", "/"), 0);
    QCOMPARE(TAVSync::addSyncPeer(vault, "elsewhere", "/Users/me/Reports", "/Letters"), 0);
    window->updateView(vault);

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    QString title, cipher, files, storage, path, pathTip, repairText;
    int tab = -1;
    QStringList rows;
    QVERIFY(withProperties(window.get(), [&](TavVaultProperty *d) {
        title = d->windowTitle();
        cipher = labelText(d, "lbencryption");
        files = labelText(d, "lbNumItem");
        storage = labelText(d, "lbTotalSpace");
        path = labelText(d, "lbFullPhysicalPath");
        pathTip = d->findChild<QLabel *>("lbFullPhysicalPath")->toolTip();
        repairText = d->findChild<QPushButton *>("btnRepair")->text();
        tab = d->findChild<QTabWidget *>("tabWidget")->currentIndex();
        rows = peerRows(d);
        if (withIndex) {
            shoot(d, "vaultproperty-info");
            d->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
            shoot(d, "vaultproperty-peers");
        }
    }, &answers));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    QCOMPARE(title, QString("Kolvane\u2122 vave - Vault Property"));
    QCOMPARE(cipher, withIndex ? QString("Type of encryption: AES256") : QString("Type of encryption:"));
    QCOMPARE(files, QString("Total number of files: 2"));
    const quint64 stored = a->GetCurrentSize() + b->GetCurrentSize();
    QCOMPARE(storage, "Total storage space: " + FileUtils::FileSizeToString(stored));
    QCOMPARE(path, "Full Physical Path: " + vault->getFullPhysicalVaultPath());
    QCOMPARE(pathTip, vault->getFullPhysicalVaultPath());
    QCOMPARE(repairText, QString("Repair vault "));
    QCOMPARE(tab, 0);
    QCOMPARE(rows, QStringList({host + "|/home/me/Documents|/", "elsewhere|/Users/me/Reports|/Letters"}));
    QVERIFY(prompter.prompts.isEmpty());
}

// Every add and remove shows the list as it is on the disk afterwards: a
// refused add tells why, and a remove that could not be written leaves the
// peer listed.
void TestVaultProperties::addAndRemoveShowTheListAsItIs()
{
    auto window = unlockedWindow();
    VaultFixture fx;
    TAVVault *vault = fx.addVault("Private");
    QCOMPARE(vault->save(), 0);
    const QString host = Utils::getHostName();
    const QString first = fx.path("disk/first");
    const QString second = fx.path("disk/second");
    QVERIFY(QDir().mkpath(first));
    QVERIFY(QDir().mkpath(second));
    QCOMPARE(TAVSync::addSyncPeer(vault, "elsewhere", "/Users/me/Old", "/"), 0);
    window->updateView(vault);

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    QStringList afterAdds, afterDuplicate, afterRemove, afterFailedRemove, afterGoneRemove;
    int limitActive = -1;
    QVERIFY(withProperties(window.get(), [&](TavVaultProperty *d) {
        pickFolder(first);
        click(d, "btnadd");
        pickFolder(second);
        click(d, "btnadd");
        afterAdds = peerRows(d);
        pickFolder(first);
        click(d, "btnadd"); // the same pair again
        afterDuplicate = peerRows(d);

        auto *table = d->findChild<QTreeWidget *>("treeWidget");
        table->setCurrentItem(table->topLevelItem(1));
        click(d, "btnRemove");
        afterRemove = peerRows(d);

        // A list that can't be written: the peer stays in it and in the table.
        table->setCurrentItem(table->topLevelItem(0));
        {
            FileSizeLimit limit(16);
            limitActive = limit.isActive();
            click(d, "btnRemove");
        }
        afterFailedRemove = peerRows(d);

        // Removed behind the dialog's back: the row goes, and the user is told.
        QCOMPARE(TAVSync::delSyncPeer(vault, host, second, "/"), 0);
        table->setCurrentItem(table->topLevelItem(1));
        click(d, "btnRemove");
        afterGoneRemove = peerRows(d);

        table->setCurrentItem(nullptr);
        click(d, "btnRemove"); // nothing current: nothing happens
    }, &answers));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    if (!limitActive)
        QSKIP("no file size limit here");

    const QString old = "elsewhere|/Users/me/Old|/";
    QCOMPARE(afterAdds, QStringList({old, host + "|" + first + "|/", host + "|" + second + "|/"}));
    QCOMPARE(afterDuplicate, afterAdds);
    QCOMPARE(afterRemove, QStringList({old, host + "|" + second + "|/"}));
    QCOMPARE(afterFailedRemove, afterRemove);
    QCOMPARE(afterGoneRemove, QStringList({old}));
    QCOMPARE(peerList(vault), afterGoneRemove);
    QCOMPARE(texts(prompter.prompts),
             QStringList({TAVSync::addSyncPeerMessage(TAVSync::PeerExists),
                          "The list of synchronization peers of this vault could not be changed. "
                          "The peer was not removed.",
                          "This synchronization peer is no longer in the list of the vault."}));
    for (const ScriptedPrompter::Prompt &prompt : prompter.prompts) {
        QCOMPARE(prompt.icon, QMessageBox::Warning);
        QCOMPARE(prompt.buttonTexts, QStringList({"OK"}));
    }
}

// "Synchronize" runs the peers of this host behind its progress log and
// ends with the completion box; the files reach the vault.
void TestVaultProperties::synchronizeRunsThePeersOfThisHost()
{
    auto window = unlockedWindow();
    SyncFixture sync;
    sync.layDisk({"Reports/", "Reports/q1.txt=first quarter", "notes.txt=notes"});
    sync.addPeer();
    QCOMPARE(TAVSync::addSyncPeer(sync.vault(), "elsewhere", sync.path("nowhere"), "/"), 0);
    connect(sync.vault(), &TAVVault::vaultRefresh, window.get(), &MainWindow::vault_refresh);
    window->updateView(sync.vault());

    ScriptedPrompter prompter;
    ModalAnswerer answers(20000);
    QString log;
    // The progress log is read as it closes (the completion box closes it).
    LogReader reader(&log);
    QVERIFY(withProperties(window.get(), [&](TavVaultProperty *d) {
        d->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
        d->installEventFilter(&reader);
        click(d, "btnSyncNow");
    }, &answers));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    QCOMPARE(sync.vaultSide(), QStringList({"Reports/", "Reports/q1.txt=first quarter", "notes.txt=notes"}));
    QVERIFY2(log.startsWith("Starting...\n") && log.contains("/Reports/q1.txt\n") && log.endsWith("Done\n"),
             qPrintable(log));
    QVERIFY2(!log.contains("nowhere"), qPrintable(log)); // the other host's peer is left alone
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.at(0).icon, QMessageBox::Information);
    QCOMPARE(prompter.prompts.at(0).text, QString("Synchronization completed successfully."));
    // The refreshes the run sent have reached the view.
    QTRY_COMPARE(TAVFileSystemModel::getInstance()->rowCount(), 2);
}

void TestVaultProperties::repairFromTheDialog_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("half the index lost") << "lost";
    QTest::newRow("wrong key") << "wrongKey";
    QTest::newRow("cancelled") << "cancel";
    QTest::newRow("synchronization running") << "sync";
}

// The repair from the "Info" tab: lost items come back and the views show
// them; a wrong key, a cancel or a running synchronisation changes nothing
// and is told as what it is, never as success.
void TestVaultProperties::repairFromTheDialog()
{
    QFETCH(QString, kind);
    auto window = unlockedWindow();
    VaultFixture fx;
    const TAVKey key;
    TAVVault *vault = fx.addVault("Private", TAV_AES256, key);
    TAVFolder *letters = fx.addFolder(vault, "Letters");
    QList<TAVFile *> files{fx.addFile(vault, "a.txt", "alpha"), fx.addFile(vault, "b.txt", "bravo"),
                           fx.addFile(letters, "c.txt", "charlie"), fx.addFile(letters, "d.txt", "delta")};
    for (TAVFile *file : files)
        QCOMPARE(TAVCrypto::updateFileHeader(file->getFullPhysicalFileName(),
                                             "/" + file->GetFullPath().section('/', 1), TAV_AES256, key),
                 0);
    QCOMPARE(vault->save(), 0);
    const QStringList whole = contents(vault);
    vault->removeItem(QStringLiteral("b.txt"));
    letters->removeItem(QStringLiteral("d.txt"));
    QCOMPARE(vault->save(), 0);
    const QStringList half = VaultFixture::describe(vault);
    const QString folder = vault->getFullPhysicalVaultPath();
    const QByteArray indexBefore = fileBytes(folder + "/index.dat");

    std::unique_ptr<ReopenedVault> wrong;
    TAVVault *target = vault;
    if (kind == "wrongKey") {
        fx.removeVault(vault);
        wrong = std::make_unique<ReopenedVault>("Private", folder, TAV_AES256, TAVKey());
        target = wrong->vault;
    }
    window->updateView(target);

    ShootingPrompter prompter(kind == "lost" ? "repair-result" : "");
    ModalAnswerer answers;
    QString log;
    int done = 0;
    int bodies = 0;
    bool wasVisible = false;
    if (kind == "sync")
        sync_running.lock();
    QVERIFY(withProperties(window.get(), [&](TavVaultProperty *d) {
        connect(d, &TavVaultProperty::repairDone, this, [&done] { ++done; });
        connect(d, &TavVaultProperty::repairProgress, this, [&](const QString &line) {
            auto *progress = d->findChild<TAVProgressLogDialog *>();
            wasVisible = wasVisible || (progress && progress->isVisible());
            if (progress)
                log = progress->text() + line + "\n";
            if (kind == "cancel" && line.startsWith(folder) && progress)
                click(progress, "btnCancel");
            if (kind == "lost" && line.startsWith(folder) && ++bodies == 2 && progress)
                shoot(progress, "repair-progress");
        });
        click(d, "btnRepair");
    }, &answers));
    if (kind == "sync")
        sync_running.unlock();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    QCOMPARE(prompter.prompts.size(), 1);
    const ScriptedPrompter::Prompt told = prompter.prompts.at(0);
    QCOMPARE(told.buttonTexts, QStringList({"OK"}));
    QVERIFY(wasVisible);
    if (kind == "lost") {
        QCOMPARE(told.icon, QMessageBox::Information);
        QVERIFY2(told.text.startsWith("The index was repaired: 2 files rebuilt"), qPrintable(told.text));
        QCOMPARE(done, 1);
        QVERIFY(log.startsWith("Start repair index file\n"));
        QVERIFY(log.endsWith("Done\n"));
        QCOMPARE(bodies, 2);
        QCOMPARE(contents(vault), whole);
        ReopenedVault again("Private", folder, TAV_AES256, key);
        QCOMPARE(again.vault->load(), 0);
        QCOMPARE(contents(again.vault), whole);
        // The views show the items that came back.
        QCOMPARE(TAVFileSystemModel::getInstance()->rowCount(), 3);
        return;
    }
    QCOMPARE(told.icon, QMessageBox::Warning);
    QCOMPARE(done, 0);
    QVERIFY(!log.contains("Done"));
    QVERIFY(!told.text.contains("repaired:"));
    QCOMPARE(fileBytes(folder + "/index.dat"), indexBefore);
    if (kind == "wrongKey") {
        QCOMPARE(told.text, QString("The vault's key does not fit the files in its folder. Nothing was repaired."));
        QCOMPARE(target->getItemCount(), 0);
    } else {
        QCOMPARE(VaultFixture::describe(vault), half);
        QCOMPARE(told.text, kind == "cancel"
                                ? QString("The repair was cancelled. The index was not changed.")
                                : QString("A synchronization is running. Please try again when it has finished."));
    }
}

void TestVaultProperties::repairOfferedForAVaultWithoutIndex_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << 0;
    QTest::newRow("no") << 1;
    QTest::newRow("closed by the lock") << -1;
}

// A vault whose folder holds bodies but no index: the question, and on yes
// the index rebuilt from the headers, ready to load.
void TestVaultProperties::repairOfferedForAVaultWithoutIndex()
{
    QFETCH(int, answer);
    auto window = unlockedWindow();
    VaultFixture fx;
    const TAVKey key;
    TAVVault *made = fx.addVault("Private", TAV_AES256, key);
    TAVFolder *letters = fx.addFolder(made, "Letters");
    for (TAVFile *file : {fx.addFile(made, "a.txt", "alpha"), fx.addFile(letters, "b.txt", "bravo")})
        QCOMPARE(TAVCrypto::updateFileHeader(file->getFullPhysicalFileName(),
                                             "/" + file->GetFullPath().section('/', 1), TAV_AES256, key),
                 0);
    const QString folder = made->getFullPhysicalVaultPath();
    fx.removeVault(made);
    QVERIFY(!QFileInfo::exists(folder + "/index.dat"));
    ReopenedVault reopened("Private", folder, TAV_AES256, key);

    ScriptedPrompter prompter;
    if (answer >= 0)
        prompter.choices << answer;
    const bool repaired = window->offerIndexRepair(reopened.vault);

    QVERIFY(!prompter.prompts.isEmpty());
    const ScriptedPrompter::Prompt question = prompter.prompts.at(0);
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.title, QString("Kolvane\u2122 vave - Load Vault"));
    QCOMPARE(question.text, QString("The vault's location is accessible but the vault could not be loaded. "
                                    "Do you want to try to repair the vault?"));
    QCOMPARE(question.buttonTexts, QStringList({" Yes ", " No "}));
    QCOMPARE(repaired, answer == 0);
    QCOMPARE(QFileInfo::exists(folder + "/index.dat"), answer == 0);
    if (answer != 0) {
        QCOMPARE(prompter.prompts.size(), 1);
        return;
    }
    QCOMPARE(prompter.prompts.size(), 2);
    QCOMPARE(prompter.prompts.at(1).icon, QMessageBox::Information);
    ReopenedVault again("Again", folder, TAV_AES256, key);
    QCOMPARE(again.vault->load(), 0);
    QCOMPARE(again.vault->getVaultItemCount(), 2);
    QVERIFY(again.vault->findItem("Again/Letters/b.txt"));
}

void TestVaultProperties::setVaultPassword_data()
{
    QTest::addColumn<QStringList>("typed"); // one entry per password box; "<cancel>" cancels it
    QTest::addColumn<bool>("failWrite");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("wrappedUnder"); // empty: the key chain is unchanged

    const QString again = "Please try again and enter a password";
    QTest::newRow("set") << QStringList({"river stone", "river stone"}) << false
                         << "The vault password was set." << "river stone";
    QTest::newRow("blanks around it are kept") << QStringList({" river ", " river "}) << false
                                               << "The vault password was set." << " river ";
    QTest::newRow("a typo in the second") << QStringList({"river stone", "river stnoe"}) << false
                                          << "The two passwords are not the same. The vault password was not changed."
                                          << "";
    QTest::newRow("first cancelled") << QStringList({"<cancel>"}) << false << again << "";
    QTest::newRow("second cancelled") << QStringList({"river", "<cancel>"}) << false << again << "";
    QTest::newRow("blanks only") << QStringList({"   "}) << false << again << "";
    QTest::newRow("write fails") << QStringList({"river", "river"}) << true
                                 << "The vault password could not be saved in %1. The key chain was not changed."
                                 << "";
}

// The vault key in the key chain, wrapped under a password typed twice;
// anything short of two equal passwords and a whole write leaves the key
// chain as it was, and the user is told either way.
void TestVaultProperties::setVaultPassword()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, failWrite);
    QFETCH(QString, told);
    QFETCH(QString, wrappedUnder);
    auto window = unlockedWindow();
    VaultFixture fx;
    const TAVKey key;
    TAVVault *vault = fx.addVault("Private", TAV_AES256, key);
    QCOMPARE(vault->save(), 0);
    const TAVKey master(QStringLiteral("master password"));
    TAVKey underMaster = key;
    underMaster.encrypt(master);
    QCOMPARE(TAVKeyChain(vault->getKeyFileName()).setKey(QString(), underMaster), 0);
    const QByteArray chainBefore = fileBytes(vault->getKeyFileName());
    const QStringList filesBefore =
        QDir(vault->getFullPhysicalVaultPath()).entryList(QDir::Files | QDir::Hidden);
    window->updateView(vault);

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    QStringList labels;
    QList<QLineEdit::EchoMode> echoes;
    bool limitActive = true;
    QVERIFY(withProperties(window.get(), [&](TavVaultProperty *d) {
        std::unique_ptr<FileSizeLimit> limit;
        if (failWrite) {
            limit = std::make_unique<FileSizeLimit>(64);
            limitActive = limit->isActive();
        }
        // One box after the other: each answered as it shows.
        std::function<void(int)> answer = [&](int i) {
            if (i >= typed.size())
                return;
            answerNext<QInputDialog>([&, i](QInputDialog *input) {
                labels << input->labelText();
                echoes << input->textEchoMode();
                if (typed.at(i) == "<cancel>") {
                    input->reject();
                } else {
                    input->setTextValue(typed.at(i));
                    input->accept();
                }
                answer(i + 1);
            });
        };
        answer(0);
        click(d, "btnCopyKey");
    }, &answers));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    if (!limitActive)
        QSKIP("no file size limit here");

    QCOMPARE(labels.size(), typed.size());
    QCOMPARE(echoes, QList<QLineEdit::EchoMode>() << QVector<QLineEdit::EchoMode>(typed.size(), QLineEdit::Password).toList());
    QCOMPARE(labels.value(0), QString("Please enter a new password to encrypt the key:"));
    if (labels.size() > 1)
        QCOMPARE(labels.at(1), QString("Please enter the password again:"));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.at(0).text, told.arg(vault->getKeyFileName()));
    QCOMPARE(prompter.prompts.at(0).icon, wrappedUnder.isEmpty() ? QMessageBox::Warning : QMessageBox::Information);
    QCOMPARE(prompter.prompts.at(0).title, QString("Kolvane\u2122 vave - Vault Property"));
    if (wrappedUnder.isEmpty()) {
        QCOMPARE(fileBytes(vault->getKeyFileName()), chainBefore);
        QCOMPARE(QDir(vault->getFullPhysicalVaultPath()).entryList(QDir::Files | QDir::Hidden), filesBefore);
        return;
    }
    TAVKeyChain chain(vault->getKeyFileName());
    TAVKey stored;
    QCOMPARE(chain.getKey(QString(), &stored), 0);
    TAVKey viaTrimmed = stored;
    stored.decrypt(TAVKey(wrappedUnder));
    QVERIFY(stored == key);
    viaTrimmed.decrypt(TAVKey(wrappedUnder.trimmed()));
    QCOMPARE(viaTrimmed == key, wrappedUnder == wrappedUnder.trimmed());
    QCOMPARE(vault->getKey(), key); // only the key chain's copy changes
}

void TestVaultProperties::defaultVaultNames_data()
{
    QTest::addColumn<QStringList>("vaults");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList() << "Flash Drive";
    QTest::newRow("others only") << QStringList({"Private", "Flash"}) << "Flash Drive";
    QTest::newRow("base taken") << QStringList({"Flash Drive"}) << "Flash Drive1";
    QTest::newRow("taken in any case") << QStringList({"Flash Drive", "flash drive1"}) << "Flash Drive2";
    QTest::newRow("a gap is filled") << QStringList({"FLASH DRIVE", "Flash Drive2"}) << "Flash Drive1";
    QTest::newRow("numbered only") << QStringList({"Flash Drive1"}) << "Flash Drive";
}

void TestVaultProperties::defaultVaultNames()
{
    QFETCH(QStringList, vaults);
    QFETCH(QString, expected);
    auto window = unlockedWindow();
    VaultFixture fx;
    for (const QString &name : vaults)
        fx.addVault(name);
    QCOMPARE(window->genAutoUniqueVaultName(), expected);
}

void TestVaultProperties::refreshUpdatesTheViewThatShowsTheChange_data()
{
    QTest::addColumn<QString>("shown");   // "" the root
    QTest::addColumn<QString>("changed");
    QTest::addColumn<bool>("updated");
    QTest::newRow("the folder itself") << "V/Docs" << "V/Docs" << true;
    QTest::newRow("below the shown folder") << "V/Docs" << "V/Docs/Old" << true;
    QTest::newRow("a sibling beginning with its name") << "V/Do" << "V/Docs/Old" << true;
    QTest::newRow("a folder beside it") << "V/Do" << "V/Other" << false;
    QTest::newRow("another vault") << "W" << "V/Docs/Old" << false;
    QTest::newRow("the root shown") << "" << "V/Docs" << true;
}

// What a refresh request updates: the view that shows the changed folder or
// a folder above it, by the text of their paths.
void TestVaultProperties::refreshUpdatesTheViewThatShowsTheChange()
{
    QFETCH(QString, shown);
    QFETCH(QString, changed);
    QFETCH(bool, updated);
    auto window = unlockedWindow();
    VaultFixture fx;
    TAVVault *v = fx.addVault("V");
    fx.addVault("W");
    TAVFolder *docs = fx.addFolder(v, "Docs");
    fx.addFolder(docs, "Old");
    fx.addFolder(v, "Do");
    fx.addFolder(v, "Other");
    TAVFileSystem *root = TAVFileSystem::getInstance();
    auto *shownItem = static_cast<TAVItemContainer *>(shown.isEmpty() ? root : root->findItemByPath(shown));
    auto *changedItem = static_cast<TAVItemContainer *>(root->findItemByPath(changed));
    QVERIFY(shownItem && changedItem);
    window->updateView(shownItem);

    QSignalSpy resets(TAVFileSystemModel::getInstance(), &QAbstractItemModel::modelReset);
    window->vault_refresh(changedItem);
    QVERIFY(resets.isEmpty()); // not before the interval ends
    QTest::qWait(MainWindow::kVaultRefreshDelayMs * 3);
    QCOMPARE(resets.size(), updated ? 1 : 0);
    QCOMPARE(TAVFileSystemModel::getInstance()->rootItem(), shownItem);
}

// A synchronisation that changes many folders in a row costs one update of
// the view, not one per folder; a request after it gets its own.
void TestVaultProperties::burstOfRefreshesCostsOneUpdate()
{
    auto window = unlockedWindow();
    VaultFixture fx;
    TAVVault *vault = fx.addVault("V");
    QList<TAVFolder *> folders;
    for (int i = 0; i < 40; ++i)
        folders << fx.addFolder(vault, QStringLiteral("F%1").arg(i));
    window->updateView(vault);
    connect(vault, &TAVVault::vaultRefresh, window.get(), &MainWindow::vault_refresh);

    QSignalSpy resets(TAVFileSystemModel::getInstance(), &QAbstractItemModel::modelReset);
    // From the pool, as a synchronisation sends them.
    QThreadPool::globalInstance()->start([vault, folders] {
        for (int round = 0; round < 5; ++round)
            for (TAVFolder *folder : folders)
                vault->refresh(folder);
    });
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(MainWindow::kVaultRefreshDelayMs * 3);
    QCOMPARE(resets.size(), 1);

    vault->refresh(folders.first());
    QTest::qWait(MainWindow::kVaultRefreshDelayMs * 3);
    QCOMPARE(resets.size(), 2);

    // Locked meanwhile: nothing is updated behind the login page.
    vault->refresh(vault);
    window->unlocked = false;
    window->ui->centralStackedWidget->setCurrentIndex(0);
    QTest::qWait(MainWindow::kVaultRefreshDelayMs * 3);
    QCOMPARE(resets.size(), 2);
}

QTEST_MAIN(TestVaultProperties)
#include "tst_vaultproperties.moc"
