#include "filesizelimit.h"
#include "fixeddrivelocator.h"
#include "mainsettings.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "modalanswerer.h"
#include "passwordanswers.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "tavcryptofile.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavkeychain.h"
#include "tavsearchindex.h"
#include "tavsettings.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "usbstick.h"

#include <QtTest>

#include <QAction>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QLineEdit>
#include <QStackedWidget>

#include <memory>

namespace {

const QString kPassword = QStringLiteral("Old pass 1");
const QString kNewPassword = QStringLiteral("N3w Password");
const QString kOwnPassword = QStringLiteral("Own vault 9");
const QString kInvalid = QStringLiteral("The current password entered is invalid. Please try again.");

QStringList texts(const ScriptedPrompter &prompter)
{
    QStringList all;
    for (const ScriptedPrompter::Prompt &p : prompter.prompts)
        all << p.text;
    return all;
}

// Every file below the folders, by path, with the hash of its bytes.
QMap<QString, QByteArray> hashes(const QStringList &folders)
{
    QMap<QString, QByteArray> all;
    for (const QString &folder : folders) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            all.insert(path, QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256).toHex());
        }
    }
    return all;
}

// 0 opened; 4 wrong key; else another open code.
int opens(const QString &file, const TAVKey &key)
{
    TAVCryptoFile data(file);
    TAVCipher cipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    const int code = data.open(QIODevice::ReadOnly, &cipher, key, &version);
    data.close();
    return code;
}

// The vault key that a key file yields under a master key.
TAVKey unwrapped(const QString &folder, const TAVKey &master)
{
    TAVKey key;
    if (TAVKeyChain(folder + "/keychain.dat").getKey(QString(), &key) != 0)
        return TAVKey(QStringLiteral("no such entry"));
    key.decrypt(master);
    return key;
}

TAVKey listKeyOf(const QString &name)
{
    for (const TAVFileSystemEntry &entry : TAVFileSystem::getInstance()->getVaultList())
        if (entry.name == name)
            return entry.key;
    return TAVKey(QStringLiteral("no such vault"));
}

} // namespace

// The password change on a drive set up by the program's own first run,
// with two more vaults on a local disk: "Extra" made like New Vault (its key
// file under the master key) and "Own", whose key file holds its key under
// a password of its own.
class TestChangePassword : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cancelChangesNoFile_data();
    void cancelChangesNoFile();
    void wrongThenRightPasswordInTheSameDialog();
    void rightPasswordRekeysListAndKeyFiles();
    void failedListWriteKeepsTheOldPassword();
    void keyFileThatCannotBeWrittenIsNamed();
    void damagedKeyFileIsNamed();
    void lockClosesTheDialog();

private:
    void addVault(const QString &name, const TAVKey &wrapUnder);
    // Runs Change Password with the dialog answered by `answers`.
    void changePassword(ModalAnswerer &answers);
    QString listFile() const { return drive + "KolvaneVave Settings/filesystem.dat"; }
    QString settingsFile() const { return drive + "KolvaneVave Settings/config.dat"; }
    QString defaultVault() const { return drive + "KolvaneVave Vault"; }
    QString localVault(const QString &name) const { return local + name; }

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    QString local;
    std::unique_ptr<MainWindow> window;
};

void TestChangePassword::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    QVERIFY(writeBytes(dir.filePath("mountinfo"), "1 25 8:1 / / rw shared:1 - ext4 /dev/sda1 rw\n"));
    MainWindow::setMountTablePath(dir.filePath("mountinfo"));
    drive = dir.filePath("drive") + "/";
    local = dir.filePath("local") + "/";
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
    MainWindow::setArguments({"kolvanevave"});
}

void TestChangePassword::init()
{
    for (const QString &path : {drive, local})
        QDir(path).removeRecursively();
    QVERIFY(QDir().mkpath(drive));
    TAVStickManager::update();

    ModalAnswerer answers;
    answers.act(PasswordAnswers::createPassword(kPassword, "old hint"));
    window = std::make_unique<MainWindow>();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(window->unlocked);
    QCOMPARE(window->ui->centralStackedWidget->currentIndex(), 1);
    QCOMPARE(opens(listFile(), TAVKey(kPassword)), 0);

    addVault("Extra", TAVKey(kPassword));
    addVault("Own", TAVKey(kOwnPassword));
    QCOMPARE(TAVFileSystem::getInstance()->getVaultList().size(), 3);
}

void TestChangePassword::cleanup()
{
    window.reset();
    TAVSearchIndex::getInstance()->clear();
    TAVFileSystem *root = TAVFileSystem::getInstance();
    root->removeAll();
    while (!root->getVaultList().isEmpty())
        root->removeVaultItem(root->getVaultList().first().name);
    MainWindow::key = TAVKey();
}

void TestChangePassword::addVault(const QString &name, const TAVKey &wrapUnder)
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const QString folder = localVault(name);
    QVERIFY(QDir().mkpath(folder));
    const TAVKey vaultKey;
    TAVVault *vault = root->addVault(name, folder, TAV_AES256, vaultKey);
    vault->setLoaded(true);
    QCOMPARE(root->addNewVault(vault), 0);
    QCOMPARE(vault->save(), 0);
    TAVKey wrapped(vaultKey);
    QCOMPARE(wrapped.encrypt(wrapUnder), 0);
    QCOMPARE(TAVKeyChain(vault->getKeyFileName()).setKey(QString(), wrapped), 0);
    QCOMPARE(root->saveToFile(listFile(), MainWindow::key), 0);
}

void TestChangePassword::changePassword(ModalAnswerer &answers)
{
    window->ui->actionChange_Password->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
}

void TestChangePassword::cancelChangesNoFile_data()
{
    QTest::addColumn<int>("daysSinceChange");
    QTest::addColumn<bool>("reminderRuns");
    QTest::newRow("reminder not due: goes on") << 0 << true;
    // One already due would ask again at once: it waits for the next unlock.
    QTest::newRow("reminder due: off until the next unlock") << 40 << false;
}

void TestChangePassword::cancelChangesNoFile()
{
    QFETCH(int, daysSinceChange);
    QFETCH(bool, reminderRuns);
    window->lastChangedPasswordDate = QDateTime::currentDateTime().addDays(-daysSinceChange);
    const QStringList folders{drive, local};
    const auto before = hashes(folders);
    QVERIFY(before.size() > 8);
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    answers.act([](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Kolvane\u2122 vave - Change Password"));
        dialog->findChild<QLineEdit *>("lneCurPwd")->setText(kPassword);
        QVERIFY(ModalAnswerer::clickButton(dialog, "Cancel"));
    });
    changePassword(answers);

    QCOMPARE(texts(prompter), QStringList());
    QCOMPARE(hashes(folders), before);
    QVERIFY(MainWindow::key == TAVKey(kPassword));
    if (reminderRuns)
        QVERIFY(window->expiredDate->isRunning());
    else
        QTRY_VERIFY(!window->expiredDate->isRunning());
}

void TestChangePassword::wrongThenRightPasswordInTheSameDialog()
{
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    QWidget *first = nullptr;
    QWidget *second = nullptr;
    answers.act(PasswordAnswers::changePassword("not it", kNewPassword, "green", &first));
    answers.act([&](QWidget *dialog) {
        second = dialog;
        // What the user typed is still there.
        QCOMPARE(dialog->findChild<QLineEdit *>("lneCurPwd")->text(), QString("not it"));
        QCOMPARE(dialog->findChild<QLineEdit *>("lnePassword")->text(), kNewPassword);
        dialog->findChild<QLineEdit *>("lneCurPwd")->setText(kPassword);
        QVERIFY(ModalAnswerer::clickButton(dialog, "OK"));
    });
    changePassword(answers);

    QVERIFY(first && first == second);
    QCOMPARE(texts(prompter), QStringList{kInvalid});
    QCOMPARE(prompter.prompts.first().icon, QMessageBox::Information);
    QVERIFY(MainWindow::key == TAVKey(kNewPassword));
    QCOMPARE(opens(listFile(), TAVKey(kNewPassword)), 0);
}

void TestChangePassword::rightPasswordRekeysListAndKeyFiles()
{
    const QByteArray ownChain = fileBytes(localVault("Own") + "/keychain.dat");
    const TAVKey defaultKey = listKeyOf("Flash Drive");
    const TAVKey extraKey = listKeyOf("Extra");
    QVERIFY(unwrapped(defaultVault(), TAVKey(kPassword)) == defaultKey);
    QVERIFY(unwrapped(localVault("Extra"), TAVKey(kPassword)) == extraKey);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    answers.act(PasswordAnswers::changePassword(kPassword, kNewPassword, "green"));
    changePassword(answers);
    QCOMPARE(texts(prompter), QStringList());

    // The list opens only with the new key, and holds the same vaults.
    QCOMPARE(opens(listFile(), TAVKey(kNewPassword)), 0);
    QCOMPARE(opens(listFile(), TAVKey(kPassword)), 4);
    QVERIFY(MainWindow::key == TAVKey(kNewPassword));
    TAVFileSystem *root = TAVFileSystem::getInstance();
    QCOMPARE(root->readVaultFile(listFile(), TAVKey(kNewPassword)), 0);
    QCOMPARE(root->getListVaultName(), QStringList({"Flash Drive", "Extra", "Own"}));
    QVERIFY(listKeyOf("Extra") == extraKey);

    // Both key files under the master key follow; the one under its own
    // password is left byte for byte.
    QVERIFY(unwrapped(defaultVault(), TAVKey(kNewPassword)) == defaultKey);
    QVERIFY(unwrapped(localVault("Extra"), TAVKey(kNewPassword)) == extraKey);
    QCOMPARE(fileBytes(localVault("Own") + "/keychain.dat"), ownChain);
    QVERIFY(unwrapped(localVault("Own"), TAVKey(kOwnPassword)) == listKeyOf("Own"));

    // The date and the hint are stored; the reminder counts from the change.
    MainSettings stored;
    stored.read(settingsFile());
    QCOMPARE(stored.passwordHint, QString("green"));
    QVERIFY(stored.lastChangedPasswordDate >= before);
    QVERIFY(stored.lastChangedPasswordDate <= QDateTime::currentDateTime());
    QCOMPARE(window->passwordHintText, QString("green"));
    QVERIFY(window->expiredDate->isRunning());
    QCOMPARE(window->expiredDate->expiredDate(),
             stored.lastChangedPasswordDate.addDays(window->dayOfChangePasswordRemind));

    // The next unlock takes the new password, not the old one.
    window->on_actionLock_triggered();
    window->ui->ledPassword->setText(kPassword);
    window->on_ledPassword_returnPressed();
    QVERIFY(!window->unlocked);
    window->ui->ledPassword->setText(kNewPassword);
    window->on_ledPassword_returnPressed();
    QVERIFY(window->unlocked);
    QCOMPARE(texts(prompter), QStringList{"Your password is not correct. Please try again."});
}

// A list that cannot be written (a stick full up to the last byte): the
// error is shown and nothing else changes.
void TestChangePassword::failedListWriteKeepsTheOldPassword()
{
    const QStringList folders{drive, local};
    const auto before = hashes(folders);
    ScriptedPrompter prompter;
    ModalAnswerer answers;
    answers.act(PasswordAnswers::changePassword(kPassword, kNewPassword, "green"));
    {
        FileSizeLimit limit(200);
        if (!limit.isActive())
            QSKIP("no file size limit on this system");
        QVERIFY(fileBytes(listFile()).size() > 200);
        changePassword(answers);
    }

    QCOMPARE(texts(prompter),
             QStringList{QString("The list of vaults could not be saved to %1. Your password has not been "
                                 "changed; the current password still opens your vaults.")
                             .arg(listFile())});
    QCOMPARE(hashes(folders), before);
    QVERIFY(MainWindow::key == TAVKey(kPassword));
    QCOMPARE(window->passwordHintText, QString("old hint"));

    window->on_actionLock_triggered();
    window->ui->ledPassword->setText(kPassword);
    window->on_ledPassword_returnPressed();
    QVERIFY(window->unlocked);
}

// One key file that cannot be replaced is named; it stays whole, and the
// others are re-wrapped.
void TestChangePassword::keyFileThatCannotBeWrittenIsNamed()
{
    // Extra's key file, grown with other entries past the size the stick
    // still takes; the list stays below it.
    const QString extraChain = localVault("Extra") + "/keychain.dat";
    TAVKeyChain chain(extraChain);
    for (int i = 0; i < 40; ++i)
        chain.keys.insert(QString("spare %1").arg(i), TAVKey());
    QCOMPARE(chain.write(), 0);
    const QByteArray extraBytes = fileBytes(extraChain);
    const int listSize = fileBytes(listFile()).size();
    QVERIFY(extraBytes.size() > listSize + 2000);
    const TAVKey defaultKey = listKeyOf("Flash Drive");

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    answers.act(PasswordAnswers::changePassword(kPassword, kNewPassword, ""));
    {
        FileSizeLimit limit(rlim_t(listSize + 1000));
        if (!limit.isActive())
            QSKIP("no file size limit on this system");
        changePassword(answers);
    }

    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().icon, QMessageBox::Warning);
    QVERIFY2(prompter.prompts.first().text.contains(QString("Extra (%1)").arg(extraChain)),
             qPrintable(prompter.prompts.first().text));
    QVERIFY(!prompter.prompts.first().text.contains("Flash Drive"));
    QCOMPARE(fileBytes(extraChain), extraBytes);
    QVERIFY(MainWindow::key == TAVKey(kNewPassword));
    QCOMPARE(opens(listFile(), TAVKey(kNewPassword)), 0);
    QVERIFY(unwrapped(defaultVault(), TAVKey(kNewPassword)) == defaultKey);
}

// A key file with a flipped byte can't be re-wrapped: it is left as it is,
// and the user is told which vault's key file that is.
void TestChangePassword::damagedKeyFileIsNamed()
{
    const QString extraChain = localVault("Extra") + "/keychain.dat";
    QByteArray damaged = fileBytes(extraChain);
    damaged[2] = char(damaged[2] ^ 0x01);
    QVERIFY(writeBytes(extraChain, damaged));

    ScriptedPrompter prompter;
    ModalAnswerer answers;
    answers.act(PasswordAnswers::changePassword(kPassword, kNewPassword, ""));
    changePassword(answers);

    QVERIFY(MainWindow::key == TAVKey(kNewPassword));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().icon, QMessageBox::Warning);
    QCOMPARE(prompter.prompts.first().text,
             QString("Your password has been changed, but the key files of these vaults are damaged and were "
                     "left as they are:\nExtra (%1)\n\nThe vaults open as before, but such a folder can't be "
                     "added again as an existing vault.")
                 .arg(extraChain));
    QCOMPARE(fileBytes(extraChain), damaged);
}

void TestChangePassword::lockClosesTheDialog()
{
    const auto before = hashes({drive, local});
    ModalAnswerer answers;
    answers.act([this](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("lneCurPwd")->setText(kPassword);
        window->on_actionLock_triggered();
    });
    changePassword(answers);
    QVERIFY(!window->unlocked);
    QCOMPARE(hashes({drive, local}), before);
    QVERIFY(MainWindow::key == TAVKey(kPassword));
    // A reminder never runs behind the login page.
    QTRY_VERIFY(!window->expiredDate->isRunning());
}

QTEST_MAIN(TestChangePassword)
#include "tst_changepassword.moc"
