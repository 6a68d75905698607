#include "filefixture.h"
#include "filesizelimit.h"
#include "fixeddrivelocator.h"
#include "logcapture.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "scriptedprompter.h"
#include "tavcryptofile.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavkeychain.h"
#include "tavlogging.h"
#include "tavsettings.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "workingdrive.h"

#include <QtTest>

#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>

#include <sys/inotify.h>
#include <unistd.h>

#include <memory>

namespace {

const QString kPassword = QStringLiteral(" Str0ng!pass"); // a blank in front, kept as typed

// The names of what appears in watched folders, in order, as "folder/name".
class CreationLog
{
public:
    CreationLog() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~CreationLog() { ::close(m_fd); }
    void watch(const QString &folder)
    {
        const int wd = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(),
                                         IN_CREATE | IN_MOVED_TO);
        m_names.insert(wd, QFileInfo(folder).fileName());
    }
    QStringList events()
    {
        QStringList seen;
        alignas(inotify_event) char buffer[16384];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<inotify_event *>(p);
                const QString name = QString::fromLocal8Bit(event->name);
                // The temporary names of whole-file writes are not the files.
                if (!name.contains(QLatin1Char('.')) || name.endsWith(QLatin1String(".dat")))
                    seen << m_names.value(event->wd) + QLatin1Char('/') + name;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return seen;
    }

private:
    int m_fd;
    QHash<int, QString> m_names;
};

// Fills the create-password dialog and presses OK.
ModalAnswerer::Action createPassword(const QString &password, const QString &hint)
{
    return [password, hint](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("lnePassword")->setText(password);
        dialog->findChild<QLineEdit *>("lneRePassword")->setText(password);
        dialog->findChild<QLineEdit *>("PasswordHint")->setText(hint);
        QVERIFY(ModalAnswerer::clickButton(dialog, "btnOK"));
    };
}

ModalAnswerer::Action typePassword(const QString &password)
{
    return [password](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        QVERIFY(input);
        QCOMPARE(input->textEchoMode(), QLineEdit::Password);
        input->setTextValue(password);
        input->accept();
    };
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunCreatesTheDefaultVault();
    void cancelledFirstRunLeavesTheDriveAsItWas_data();
    void cancelledFirstRunLeavesTheDriveAsItWas();
    void failedFirstRunLeavesTheDriveAsItWas();
    void adoptionOfTheDefaultVault_data();
    void adoptionOfTheDefaultVault();
    void damagedKeyFileOfTheDefaultVaultIsNamed();
    void earlierVaultListIsKeptAndTold();
    void returningStartShowsTheLoginPage();
    void commandLineSwitches_data();
    void commandLineSwitches();
    void driveRefresh();

    void noDisplayIsSaidInOneLine();
    void secondCopyIsRefused();
    void crashOfTheLastRunIsTakenAtStart();

private:
    std::unique_ptr<MainWindow> firstRun(ModalAnswerer &answers);
    void makeOldVault(const QString &password, TAVCipher cipher);
    static void resetTree();
    QProcessEnvironment childEnvironment() const;

    QTemporaryDir m_home;
    QString m_drive;
    QString m_settings;
    QString m_vault;
    QString m_table;
    FixedDriveLocator m_usb;
};

void TestStartup::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
    QVERIFY(QDir().mkpath(m_home.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(m_home.filePath("tmp")));
    m_table = m_home.filePath("mountinfo");
    QVERIFY(writeBytes(m_table, "1 25 8:1 / / rw shared:1 - ext4 /dev/sda1 rw\n"));
    MainWindow::setMountTablePath(m_table);
    MainWindow::setUsbDrives(&m_usb);
    // The program runs from no stick: the stand-in is the drive.
    MainWindow::setProgramPath(m_home.filePath("bin/kolvanevave"));
}

void TestStartup::init()
{
    static int run = 0;
    m_drive = m_home.filePath(QStringLiteral("drive%1").arg(++run));
    qputenv("KOLVANE_DRIVE_ROOT", QFile::encodeName(m_drive));
    QVERIFY(QDir().mkpath(m_drive));
    m_settings = m_drive + "/KolvaneVave Settings";
    m_vault = m_drive + "/KolvaneVave Vault";
    MainWindow::setArguments({"kolvanevave"});
    resetTree();
}

void TestStartup::cleanup()
{
    resetTree();
    MainWindow::key.key.clear();
    MainWindow::key.aesReady = false;
}

void TestStartup::resetTree()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    root->removeAll();
    while (!root->getVaultList().isEmpty())
        root->removeVaultItem(root->getVaultList().first().name);
}

std::unique_ptr<MainWindow> TestStartup::firstRun(ModalAnswerer &answers)
{
    answers.act(createPassword(kPassword, "the usual one"));
    auto window = std::make_unique<MainWindow>();
    return window;
}

void TestStartup::makeOldVault(const QString &password, TAVCipher cipher)
{
    QVERIFY(QDir().mkpath(m_vault));
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const TAVKey vaultKey;
    TAVVault *vault = root->addVault("Old Name", m_vault, cipher, vaultKey);
    vault->setLoaded(true);
    QCOMPARE(root->addNewVault(vault), 0);
    QCOMPARE(vault->save(), 0);
    TAVKey wrapped(vaultKey);
    QCOMPARE(wrapped.encrypt(TAVKey(password)), 0);
    QCOMPARE(TAVKeyChain(vault->getKeyFileName()).setKey(QString(), wrapped), 0);
    resetTree();
}

// A new drive: the settings folder, then the vault with its key chain,
// version record and empty index, then the list, and the settings file last,
// whose presence says the drive is set up.
void TestStartup::firstRunCreatesTheDefaultVault()
{
    CreationLog log;
    ModalAnswerer answers;
    answers.act([&](QWidget *dialog) {
        // The settings folder is made before the question: watch it and the drive.
        log.watch(m_drive);
        log.watch(m_settings);
        ScreenShot::take(QStringLiteral("first-run-password"));
        createPassword(kPassword, "the usual one")(dialog);
    });
    auto window = std::make_unique<MainWindow>();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!window->quitRequested());
    QCOMPARE(answers.seen().first().title, QString::fromUtf8("Kolvane\u2122 vave - Create Password"));

    const QStringList order = log.events();
    const int vaultMade = order.indexOf(QFileInfo(m_drive).fileName() + "/KolvaneVave Vault");
    const int listMade = order.indexOf("KolvaneVave Settings/filesystem.dat");
    const int settingsMade = order.indexOf("KolvaneVave Settings/config.dat");
    QVERIFY2(vaultMade >= 0 && vaultMade < listMade && listMade < settingsMade, qPrintable(order.join(", ")));
    QCOMPARE(entries(m_settings), QStringList({"config.dat", "filesystem.dat"}));
    for (const char *name : {"keychain.dat", "version.dat", "index.dat", "vault.png", ".directory"})
        QVERIFY2(entries(m_vault).contains(name), name);
    for (const char *name : {"keychain.dat", "version.dat", "index.dat"})
        QVERIFY(QFileInfo(m_vault + "/" + name).lastModified()
                <= QFileInfo(m_settings + "/filesystem.dat").lastModified());

    // The list, read back with the password as typed, names the vault.
    TAVFileSystem *root = TAVFileSystem::getInstance();
    resetTree();
    QCOMPARE(root->readVaultFile(m_settings + "/filesystem.dat", TAVKey(kPassword)), 0);
    QCOMPARE(root->getVaultList().size(), 1);
    const TAVFileSystemEntry entry = root->getVaultList().first();
    QCOMPARE(entry.name, QString("Flash Drive"));
    QCOMPARE(int(entry.type), int(TAV_VAULT_FLASH));
    QCOMPARE(entry.path, QString("KolvaneVave Vault"));
    QCOMPARE(int(entry.cipher), 2);
    QCOMPARE(entry.location, MainWindow::workingDeviceID);
    QVERIFY(root->readVaultFile(m_settings + "/filesystem.dat", TAVKey(kPassword.trimmed())) != 0);

    // The key chain unwrapped with the password's key is the list's key.
    TAVKey unwrapped;
    QCOMPARE(TAVKeyChain(m_vault + "/keychain.dat").getKey(QString(), &unwrapped), 0);
    QCOMPARE(unwrapped.decrypt(TAVKey(kPassword)), 0);
    QVERIFY(unwrapped == entry.key);
    QVERIFY(unwrapped != TAVKey(kPassword));
    TAVCryptoFile index(m_vault + "/index.dat");
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    QCOMPARE(index.open(QIODevice::ReadOnly, &cipher, unwrapped, &version), 0);
    QCOMPARE(int(cipher), 2);

    // Settings: the hint and the password defaults.
    TAVSettings *store = TAVSettings::getInstance();
    store->setFileName(m_settings + "/config.dat");
    QCOMPARE(store->read(), 0);
    store->beginGroup("Settings");
    QCOMPARE(store->value("passwordhint").toString(), QString("the usual one"));
    QCOMPARE(store->value("MinuteOfTimeOut").toInt(), 10);
    QCOMPARE(store->value("DayOfChangePasswordRemind").toInt(), 30);
    QVERIFY(store->value("LastChangedPasswordDate").toDateTime().isValid());
    store->endGroup();

    // The main page, unlocked, without a login.
    QVERIFY(window->unlocked);
    QCOMPARE(window->findChild<QStackedWidget *>("centralStackedWidget")->currentIndex(), 1);
    QVERIFY(window->inactivityTimer->isActive());
    QCOMPARE(window->inactivityTimer->interval(), 10 * 60000);
    QVERIFY(window->expiredDate->isRunning());
    QVERIFY(MainWindow::key == TAVKey(kPassword));
}

void TestStartup::cancelledFirstRunLeavesTheDriveAsItWas_data()
{
    QTest::addColumn<bool>("earlierList");
    QTest::newRow("new drive") << false;
    QTest::newRow("settings folder with an earlier list") << true;
}

void TestStartup::cancelledFirstRunLeavesTheDriveAsItWas()
{
    QFETCH(bool, earlierList);
    QVERIFY(QDir().mkpath(m_settings) || !earlierList);
    if (!earlierList) // an empty stick
        QVERIFY(QDir(m_drive).removeRecursively() && QDir().mkpath(m_drive));
    if (earlierList)
        QVERIFY(writeBytes(m_settings + "/filesystem.dat", "an earlier list"));
    ModalAnswerer answers;
    answers.press("btnCancel");
    auto window = std::make_unique<MainWindow>();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(window->quitRequested());
    QCOMPARE(window->exitCode(), 0);
    window.reset();
    if (earlierList) {
        QCOMPARE(entries(m_settings), QStringList({"filesystem.dat"}));
        QCOMPARE(fileBytes(m_settings + "/filesystem.dat"), QByteArray("an earlier list"));
    } else {
        QVERIFY(!QFileInfo::exists(m_settings));
    }
    QVERIFY(!QFileInfo::exists(m_vault));
}

// A write that fails part way (here the key chain, the first file past the
// limit) ends the run with an error and takes back all it wrote.
void TestStartup::failedFirstRunLeavesTheDriveAsItWas()
{
    QVERIFY(QDir().mkpath(m_settings));
    QVERIFY(writeBytes(m_settings + "/filesystem.dat", "an earlier list"));
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    std::unique_ptr<MainWindow> window;
    {
        answers.act([&](QWidget *dialog) { createPassword(kPassword, "")(dialog); });
        FileSizeLimit limit(100);
        if (!limit.isActive())
            QSKIP("no file size limit here");
        window = std::make_unique<MainWindow>();
    }
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(window->quitRequested());
    QCOMPARE(window->exitCode(), 1);
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text,
             QString("Unable to write vault structure. This program cannot continue."));
    window.reset();
    QVERIFY(!QFileInfo::exists(m_vault));
    QCOMPARE(entries(m_settings), QStringList({"filesystem.dat"}));
    QCOMPARE(fileBytes(m_settings + "/filesystem.dat"), QByteArray("an earlier list"));
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
}

void TestStartup::adoptionOfTheDefaultVault_data()
{
    QTest::addColumn<QString>("keyChainPassword");
    QTest::addColumn<QStringList>("typed");      // one per password dialog
    QTest::addColumn<QList<int>>("answers");     // the questions' buttons: 0 Yes, 1 No
    QTest::addColumn<bool>("adopted");
    QTest::addColumn<QString>("master");         // the password the list is under

    QTest::newRow("right password") << "secret" << QStringList{"secret"} << QList<int>{0} << true << "secret";
    QTest::newRow("typed with blanks, chain without")
        << "secret" << QStringList{"  secret "} << QList<int>{0} << true << "secret";
    QTest::newRow("chain written with blanks")
        << " secret" << QStringList{" secret"} << QList<int>{0} << true << " secret";
    QTest::newRow("wrong, then right")
        << "secret" << QStringList{"wrong", "secret"} << QList<int>{0, 0} << true << "secret";
    QTest::newRow("refused at once") << "secret" << QStringList{} << QList<int>{1} << false << "";
    QTest::newRow("wrong, then given up") << "secret" << QStringList{"wrong"} << QList<int>{0, 1} << false << "";
}

// The default vault folder already there: asked for, its own password tried
// as typed and trimmed, adopted with its own cipher and identifier.
void TestStartup::adoptionOfTheDefaultVault()
{
    QFETCH(QString, keyChainPassword);
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, answers);
    QFETCH(bool, adopted);
    QFETCH(QString, master);

    makeOldVault(keyChainPassword, TAV_AES128);
    const QStringList vaultBefore = entries(m_vault);
    const QByteArray indexBefore = fileBytes(m_vault + "/index.dat");
    QUuid id;
    QString name;
    TAVCipher cipher;
    QCOMPARE(TAVFileSystem::getVaultInfo(m_vault, id, name, cipher), 0);

    ScriptedPrompter prompter;
    prompter.choices = answers;
    ModalAnswerer dialogs;
    for (const QString &password : typed)
        dialogs.act(typePassword(password));
    auto window = std::make_unique<MainWindow>();
    QVERIFY2(dialogs.ok(), qPrintable(dialogs.errorString()));
    QCOMPARE(prompter.prompts.first().text,
             QString("A vault already exists on the flash drive. Do you want to use that vault?"));
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList({" Yes ", " No "}));
    if (typed.size() > 1)
        QCOMPARE(prompter.prompts.at(1).text,
                 QString("That is not the correct password for this vault. Do you want to try again?"));
    QCOMPARE(entries(m_vault), vaultBefore);
    QCOMPARE(fileBytes(m_vault + "/index.dat"), indexBefore);

    if (!adopted) {
        QVERIFY(window->quitRequested());
        QCOMPARE(window->exitCode(), 0);
        QVERIFY(prompter.prompts.last().text.contains("cannot continue as there is already a vault"));
        window.reset();
        QVERIFY(!QFileInfo::exists(m_settings));
        return;
    }
    QVERIFY(!window->quitRequested());
    QVERIFY(window->unlocked);
    QCOMPARE(window->findChild<QStackedWidget *>("centralStackedWidget")->currentIndex(), 1);
    TAVFileSystem *root = TAVFileSystem::getInstance();
    auto *vault = qobject_cast<TAVVault *>(root->getItemAt(0));
    QVERIFY(vault && vault->isLoaded());
    QCOMPARE(vault->GetName(), QString("Old Name")); // the index's name
    QCOMPARE(int(vault->getCipher()), int(TAV_AES128));
    QCOMPARE(vault->GetId(), id);

    resetTree();
    QCOMPARE(root->readVaultFile(m_settings + "/filesystem.dat", TAVKey(master)), 0);
    const TAVFileSystemEntry entry = root->getVaultList().first();
    QCOMPARE(entry.name, QString("Flash Drive"));
    QCOMPARE(int(entry.cipher), int(TAV_AES128));
    QCOMPARE(entry.id, id);
    TAVSettings *store = TAVSettings::getInstance();
    store->setFileName(m_settings + "/config.dat");
    QCOMPARE(store->read(), 0);
    store->beginGroup("Settings");
    QCOMPARE(store->value("MinuteOfTimeOut").toInt(), 10);
    QVERIFY(!store->value("passwordhint").isValid());
    store->endGroup();
}

// A flipped byte in the default vault's key file: named as damage, never
// taken for a wrong password; the vault stays as it is and the run ends.
void TestStartup::damagedKeyFileOfTheDefaultVaultIsNamed()
{
    makeOldVault(kPassword, TAV_AES256);
    QByteArray chain = fileBytes(m_vault + "/keychain.dat");
    chain[2] = char(chain[2] ^ 0x01);
    QVERIFY(writeBytes(m_vault + "/keychain.dat", chain));
    const QStringList vaultBefore = entries(m_vault);
    ScriptedPrompter prompter;
    prompter.choices = {0}; // " Yes ", use that vault
    ModalAnswerer dialogs(500); // no password is asked for
    auto window = std::make_unique<MainWindow>();
    QVERIFY(dialogs.seen().isEmpty());
    QStringList texts;
    for (const auto &p : prompter.prompts)
        texts << p.text;
    QCOMPARE(texts, (QStringList{"A vault already exists on the flash drive. Do you want to use that vault?",
                                 QString("The file %1/keychain.dat is damaged and could not be read. This is not "
                                         "caused by your password.")
                                     .arg(m_vault)}));
    QVERIFY(window->quitRequested());
    QCOMPARE(window->exitCode(), 1);
    QCOMPARE(entries(m_vault), vaultBefore);
    QCOMPARE(fileBytes(m_vault + "/keychain.dat"), chain);
}

// A vault list left without its settings file is set aside by a first run,
// and the user is told where it went.
void TestStartup::earlierVaultListIsKeptAndTold()
{
    QVERIFY(QDir().mkpath(m_settings));
    QVERIFY(writeBytes(m_settings + "/filesystem.dat", "an earlier list"));
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    auto window = firstRun(answers);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!window->quitRequested());
    const QStringList aside = QDir(m_settings).entryList({"filesystem.dat.previous-*"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    const QString kept = m_settings + "/" + aside.first();
    QCOMPARE(fileBytes(kept), QByteArray("an earlier list"));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text,
             QString("An earlier list of vaults was found on the drive. It was kept as %1.").arg(kept));
}

void TestStartup::returningStartShowsTheLoginPage()
{
    {
        ModalAnswerer answers;
        auto window = firstRun(answers);
        QVERIFY(answers.ok());
    }
    // A vault in the tree from before: the start empties it until unlock.
    TAVFileSystem::getInstance()->addVault("Stale", m_vault, TAV_AES256, TAVKey());
    ScriptedPrompter prompter;
    auto window = std::make_unique<MainWindow>();
    QVERIFY(prompter.prompts.isEmpty());
    QVERIFY(!window->unlocked);
    QVERIFY(window->isScreenLocked());
    QCOMPARE(TAVFileSystem::getInstance()->getItemCount(), 0);
    QVERIFY(!window->findChild<QPushButton *>("btnLogin")->isEnabled());
    QVERIFY(!window->findChild<QPushButton *>("passwordHint")->isHidden());
    QVERIFY(window->drivePollTimer->isActive());
    QVERIFY(!window->inactivityTimer->isActive());
    QCOMPARE(window->inactivityTimer->interval(), 300000);
    QVERIFY(!window->expiredDate->isRunning());
}

void TestStartup::commandLineSwitches_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("logged"); // the levels that reach the log file: T D I; "-" no file
    QTest::addColumn<QString>("language"); // the last translation file installed
    QTest::addColumn<bool>("firstRun");  // the settings were removed: a first run

    // The no-switch row first: file logging, once on, stays on in the process.
    QTest::newRow("none") << QStringList{} << "-" << "" << false;
    QTest::newRow("-d") << QStringList{"-d"} << "I" << "" << false;
    QTest::newRow("-d -dd") << QStringList{"-d", "-dd"} << "DI" << "" << false;
    QTest::newRow("-DD") << QStringList{"-DD"} << "DI" << "" << false;
    QTest::newRow("-dd -ddd") << QStringList{"-dd", "-ddd"} << "TDI" << "" << false;
    // Installed, then replaced by the stored language as the start settles it.
    QTest::newRow("-lang de_DE") << QStringList{"-lang", "de_DE"} << "" << "kolvane_de_DE.qm" << false;
    QTest::newRow("-LANG de_DE") << QStringList{"-LANG", "de_DE"} << "" << "" << false;
    QTest::newRow("-lang last") << QStringList{"-lang"} << "" << "" << false;
    QTest::newRow("-update") << QStringList{"-update"} << "" << "" << false;
    QTest::newRow("-R") << QStringList{"-R"} << "" << "" << true;
}

void TestStartup::commandLineSwitches()
{
    QFETCH(QStringList, args);
    QFETCH(QString, logged);
    QFETCH(QString, language);
    QFETCH(bool, firstRun);
    {
        ModalAnswerer answers;
        auto window = this->firstRun(answers);
        QVERIFY(answers.ok());
    }
    // File logging, once on, stays on the first file it opened.
    const QString logs = m_home.filePath("logs");
    QVERIFY(QDir().mkpath(logs));
    MainWindow::setLogFolder(logs);
    MainWindow::setArguments(QStringList{"kolvanevave"} + args);

    ModalAnswerer answers;
    if (firstRun)
        answers.press("btnCancel");
    ScriptedPrompter prompter; // the adoption question: no
    auto window = std::make_unique<MainWindow>();
    MainWindow::setLogFolder(QString());
    const QByteArray marker = QByteArray("marker ") + QTest::currentDataTag() + " ";
    LOG_TRACE << marker + "T";
    LOG_DEBUG << marker + "D";
    LOG_INFO << marker + "I";
    if (firstRun) {
        // The settings went; the vault stayed, so it is offered for adoption.
        QVERIFY(window->quitRequested());
        QCOMPARE(prompter.prompts.first().text,
                 QString("A vault already exists on the flash drive. Do you want to use that vault?"));
        QVERIFY(!QFileInfo::exists(m_settings));
        QVERIFY(QFileInfo::exists(m_vault + "/index.dat"));
        return;
    }
    QVERIFY(window->isScreenLocked());
    QCOMPARE(window->findChild<QPushButton *>("btnLogin")->text(), QString("Login"));
    QCOMPARE(window->languageFile(), language);

    if (!logged.isEmpty()) {
        const QString file = logs + "/KolvaneVave.log";
        QCOMPARE(QFileInfo::exists(file), logged != "-");
        const QByteArray text = fileBytes(file);
        for (const char level : {'T', 'D', 'I'})
            QCOMPARE(text.contains(marker + level), logged.contains(QLatin1Char(level)));
    }
    window.reset();
    QCOMPARE(QCoreApplication::translate("MainWindowClass", "Login"), QString("Login"));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

// The vaults follow their drive and folder on each tick that saw the mount
// table change, never while an operation runs; the program's own drive gone
// ends it.
void TestStartup::driveRefresh()
{
    ModalAnswerer answers;
    auto window = firstRun(answers);
    QVERIFY(answers.ok());
    TAVFileSystem *root = TAVFileSystem::getInstance();
    auto *vault = qobject_cast<TAVVault *>(root->getItem("Flash Drive"));
    QVERIFY(vault && vault->isLoaded());
    int change = 0;
    auto tick = [&] {
        // Any change of the table makes the tick act.
        QVERIFY(writeBytes(m_table, QStringLiteral("1 25 8:1 / / rw shared:1 - ext4 /dev/sda1 rw\n"
                                                   "%1 25 8:17 / /media/S%1 rw - vfat /dev/sdb1 rw\n")
                                        .arg(++change)
                                        .toUtf8()));
        window->MountUnmountUSB();
    };

    // The stand-in's vault folder goes away and comes back.
    const QString away = m_drive + "/away";
    QVERIFY(QDir().rename(m_vault, away));
    tick();
    QVERIFY(!vault->isLoaded());
    QVERIFY(QDir().rename(away, m_vault));
    tick();
    QVERIFY(vault->isLoaded());

    // An entry without a vault, listed first, is passed over; the vault,
    // renamed in the tree since it was listed, is found by its identifier.
    TAVVault *stray = root->addVault("Stray", m_drive + "/stray", TAV_AES256, TAVKey());
    root->addVaultItem(stray);
    root->removeItem(QString("Stray"));
    root->removeVaultItem("Flash Drive");
    root->addVaultItem(vault);
    QCOMPARE(root->getVaultList().first().name, QString("Stray"));
    root->renameItem("Flash Drive", "Renamed");
    QVERIFY(QDir().rename(m_vault, away));
    tick();
    QVERIFY(!vault->isLoaded());
    QVERIFY(QDir().rename(away, m_vault));

    // A job runs: nothing is loaded or unloaded; the next tick after it acts.
    window->busy = true;
    tick();
    QVERIFY(!vault->isLoaded());
    window->busy = false;
    window->MountUnmountUSB(); // no new change, but the flags were kept
    QVERIFY(vault->isLoaded());

    // The drive's settings gone while unlocked: told, then the window closes.
    window->show();
    QVERIFY(QFile::remove(m_settings + "/config.dat"));
    ScriptedPrompter prompter;
    tick();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text,
             QString::fromUtf8("Kolvane\u2122 vave cannot continue because the USB drive used has been "
                               "removed. Click OK to exit Kolvane\u2122 vave"));
    QVERIFY(!window->isVisible());
}

QProcessEnvironment TestStartup::childEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KOLVANE_DRIVE_ROOT", m_drive);
    env.insert("HOME", m_home.path());
    env.insert("XDG_DATA_HOME", m_home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    env.insert("TMPDIR", m_home.filePath("tmp"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

void TestStartup::noDisplayIsSaidInOneLine()
{
    if (QStringLiteral(KV_PROGRAM).isEmpty())
        QSKIP("the program is not part of this build");
    QProcessEnvironment env = childEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(KV_PROGRAM), QStringList());
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 1);
    const QByteArray said = program.readAllStandardError();
    QCOMPARE(said.count('\n'), 1);
    QVERIFY2(said.contains("no display"), said.constData());
    QCOMPARE(entries(m_drive), QStringList());
}

// The first copy waits in its create-password dialog; a second copy for the
// same user says so and ends before it touches anything.
void TestStartup::secondCopyIsRefused()
{
    if (QStringLiteral(KV_PROGRAM).isEmpty())
        QSKIP("the program is not part of this build");
    QProcess first;
    first.setProcessEnvironment(childEnvironment());
    first.start(QStringLiteral(KV_PROGRAM), QStringList());
    QVERIFY(first.waitForStarted(20000));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_settings), 20000);

    QProcessEnvironment env = childEnvironment();
    const QString otherDrive = m_drive + "-second";
    env.insert("KOLVANE_DRIVE_ROOT", otherDrive);
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(KV_PROGRAM), QStringList());
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(second.readAllStandardError().contains("already running"));
    QVERIFY(!QFileInfo::exists(otherDrive));
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    QVERIFY(first.waitForFinished(20000));
}

// A trace left by a crash is taken at the next start: without a report
// server only logged, then removed.
void TestStartup::crashOfTheLastRunIsTakenAtStart()
{
    if (QStringLiteral(KV_PROGRAM).isEmpty())
        QSKIP("the program is not part of this build");
    const QString trace = m_home.filePath("data/KolvaneVave/crash-trace.txt");
    QVERIFY(writeBytes(trace, "1 0x1234 lostFunction() + 4\n"));
    QProcess program;
    program.setProcessEnvironment(childEnvironment());
    program.start(QStringLiteral(KV_PROGRAM), QStringList());
    QVERIFY(program.waitForStarted(20000));
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(trace), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_settings), 20000);
    program.kill();
    QVERIFY(program.waitForFinished(20000));
    const QByteArray out = program.readAllStandardOutput();
    QVERIFY2(out.contains("the program ended with a crash last time"), out.constData());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

// The program binary, when this build makes it.
#ifndef KV_PROGRAM
#define KV_PROGRAM ""
#endif
