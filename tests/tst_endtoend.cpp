// The real program under a private X display, driven from outside as a person
// would: xdotool finds its windows by their titles and types and presses
// keys; after each step the files on the stand-in drive are read back with
// the library's own classes, and a picture of the screen is kept under the
// build folder (tests/e2e-shots).
#include "filecipher.h"
#include "filefixture.h"
#include "fixeddrivelocator.h"
#include "scratchfiles.h"
#include "tavexception.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfolder.h"
#include "tavkey.h"
#include "tavkeychain.h"
#include "tavstickmanager.h"
#include "tavsyncentry.h"
#include "tavvault.h"
#include "usbstick.h"
#include "xsession.h"

#include <QtTest>

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>

#include <memory>

#ifndef KV_PROGRAM
#define KV_PROGRAM ""
#endif
#ifndef KV_SHOTS
#define KV_SHOTS ""
#endif
#ifndef KV_FAKE_OPENER
#define KV_FAKE_OPENER ""
#endif

namespace {

const QString kPassword = QStringLiteral("Blue!Kite7rain");
const QString kNewPassword = QStringLiteral("Green#Owl42sky");

// Titles, as regular expressions over the window names.
const QString kMainTitle = QStringLiteral("^Kolvane.* vave$");
const QString kCreatePasswordTitle = QStringLiteral("Create Password$");
const QString kChangePasswordTitle = QStringLiteral("Change Password$");
const QString kAddFilesTitle = QStringLiteral("Select Files to Encrypt$");
const QString kExtractTitle = QStringLiteral("^Please choose a folder to extract");
const QString kSyncPeerTitle = QStringLiteral("^Please choose a folder to synchronise");
const QString kRestoreTitle = QStringLiteral("Restore Wizard$");

// Waits while the condition is false, up to the time-out; its last value.
template <typename Condition>
bool eventually(Condition condition, int timeoutMs = 30000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return condition();
        QThread::msleep(100);
    }
    return true;
}

// What the drive holds, read the way an unlock reads it.
struct DriveContents
{
    QString error;                 // empty when everything read
    QMap<QString, QByteArray> files; // "Vault/dir/name" -> plain bytes
    QStringList folders;           // "Vault/dir"
    QStringList orphanBodies;      // body files no index names
    QStringList vaults;            // the names the vault list holds, in its order
    QString vaultId;               // of the first vault
};

void resetTree()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    root->removeAll();
    while (!root->getVaultList().isEmpty())
        root->removeVaultItem(root->getVaultList().first().name);
}

void collect(TAVItemContainer *container, const TAVVault *vault, const QString &scratch, DriveContents *out,
             QSet<QString> *bodies)
{
    for (int i = 0; i < container->getItemCount(); ++i) {
        TAVItem *item = container->getItemAt(i);
        const QString path = item->GetFullDisplayPath();
        if (auto *file = qobject_cast<TAVFile *>(item)) {
            const QString body = file->getFullPhysicalFileName();
            bodies->insert(QFileInfo(body).absoluteFilePath());
            const QString plain = scratch + QStringLiteral("/plain");
            QFile::remove(plain);
            QByteArray bytes;
            if (FileCipher::decryptFile(body, plain, vault->getCipher(), vault->getKey()) == 0)
                bytes = fileBytes(plain);
            else
                bytes = QByteArrayLiteral("<does not decrypt>");
            QFile::remove(plain);
            out->files.insert(path, bytes);
        } else if (auto *folder = qobject_cast<TAVItemContainer *>(item)) {
            out->folders << path;
            collect(folder, vault, scratch, out, bodies);
        }
    }
}

// The stand-in drive as the program registers it, so that the vault list's
// entries find their folders on it.
void plugDrive(const QString &drive)
{
    static FixedDriveLocator drives;
    drives.unplugAll();
    const QString serial = QString::fromLatin1(fileBytes(drive + QStringLiteral("/.kolvanevave-drive-serial"))).trimmed();
    drives.plug(USBStick(serial, drive + QLatin1Char('/'), 0, 0));
    TAVStickManager::setDriveLocator(&drives);
    TAVStickManager::update();
}

DriveContents readDrive(const QString &drive, const QString &password, const QString &scratch)
{
    DriveContents out;
    resetTree();
    plugDrive(drive);
    TAVFileSystem *root = TAVFileSystem::getInstance();
    const int read = root->appendFromFile(drive + QStringLiteral("/KolvaneVave Settings/filesystem.dat"),
                                          TAVKey(password));
    if (read != 0) {
        out.error = QStringLiteral("the vault list does not open with the password (code %1)").arg(read);
        resetTree();
        return out;
    }
    for (const TAVFileSystemEntry &entry : root->getVaultList())
        out.vaults << entry.name;
    try {
        for (int i = 0; i < root->getItemCount(); ++i) {
            auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
            if (!vault)
                continue;
            for (const TAVFileSystemEntry &entry : root->getVaultList()) {
                if (entry.name == vault->GetName()) {
                    // A vault on the drive is listed by its place on it; any
                    // other by its full path.
                    if (entry.type == TAV_VAULT_FLASH || entry.type == TAV_VAULT_PARTNER_FLASH)
                        vault->setFullPhysicalVaultPath(drive + QLatin1Char('/') + entry.path);
                    if (out.vaultId.isEmpty())
                        out.vaultId = entry.id.toString();
                }
            }
            if (vault->load() != 0) {
                out.error = QStringLiteral("the vault %1 does not load").arg(vault->GetName());
                break;
            }
            QSet<QString> named;
            collect(vault, vault, scratch, &out, &named);
            QDirIterator it(vault->getFullPhysicalVaultPath(), QDir::Files | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QFileInfo info(it.next());
                // Bodies live one level down, in the 256 sub-folders.
                if (info.dir().dirName().size() == 2 && !named.contains(info.absoluteFilePath()))
                    out.orphanBodies << info.fileName();
            }
        }
    } catch (const TAVException &e) {
        out.error = QString::fromUtf8(e.what());
    }
    resetTree();
    return out;
}

// The files below a folder of the disk: relative path -> bytes.
QMap<QString, QByteArray> diskFiles(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), fileBytes(path));
    }
    return files;
}

// The same files below a folder ("prefix/...").
QMap<QString, QByteArray> prefixed(const QMap<QString, QByteArray> &files, const QString &prefix)
{
    QMap<QString, QByteArray> named;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        named.insert(prefix + QLatin1Char('/') + it.key(), it.value());
    return named;
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

} // namespace

// One run of the program on a fresh drive, home and display.
class ProgramRun
{
public:
    explicit ProgramRun(const QString &name) : m_name(name) {}
    ~ProgramRun()
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(10000);
        }
    }

    bool setUp(QString *why)
    {
        if (!m_dir.isValid()) {
            *why = QStringLiteral("no temporary folder");
            return false;
        }
        for (const char *sub : {"home", "data", "config", "tmp", "bin", "drive", "out", "scratch"})
            QDir().mkpath(path(QString::fromLatin1(sub)));
        // Opening a file in its application starts "xdg-open": ours records
        // the path and leaves the copy alone.
        if (!QStringLiteral(KV_FAKE_OPENER).isEmpty())
            QFile::link(QStringLiteral(KV_FAKE_OPENER), path(QStringLiteral("bin/xdg-open")));
        m_shots = QStringLiteral(KV_SHOTS) + QLatin1Char('/') + m_name;
        QDir(m_shots).removeRecursively();
        QDir().mkpath(m_shots);
        if (!m_x.start()) {
            *why = m_x.errorString();
            return false;
        }
        return true;
    }

    QString path(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }
    QString drive() const { return path(QStringLiteral("drive")); }
    QString tempFolder() const { return path(QStringLiteral("tmp/Kolvane Vave")); }
    QString backupFolder() const { return path(QStringLiteral("data/KolvaneVave/Backup")); }
    QString openedLog() const { return path(QStringLiteral("opened.txt")); }
    XSession &x() { return m_x; }

    bool startProgram()
    {
        QProcessEnvironment env = m_x.environment(QProcessEnvironment::systemEnvironment());
        env.insert(QStringLiteral("KOLVANE_DRIVE_ROOT"), drive());
        env.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("tmp")));
        env.insert(QStringLiteral("TMPDIR"), path(QStringLiteral("tmp")));
        env.insert(QStringLiteral("PATH"), path(QStringLiteral("bin")) + QLatin1Char(':') + env.value("PATH"));
        env.insert(QStringLiteral("KV_OPENED_LOG"), openedLog());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.remove(QStringLiteral("SESSION_MANAGER"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        m_program.setProcessEnvironment(env);
        m_program.setStandardOutputFile(m_shots + QStringLiteral("/program-output.txt"), QIODevice::Append);
        m_program.setStandardErrorFile(m_shots + QStringLiteral("/program-errors.txt"), QIODevice::Append);
        m_program.start(QStringLiteral(KV_PROGRAM), QStringList());
        return m_program.waitForStarted(20000);
    }

    bool waitForExit(int timeoutMs = 60000) { return m_program.waitForFinished(timeoutMs); }
    bool running() const { return m_program.state() == QProcess::Running; }
    int exitCode() const { return m_program.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_program.exitStatus(); }
    QByteArray errors() const { return fileBytes(m_shots + QStringLiteral("/program-errors.txt")); }

    // A picture of the screen, numbered in the order taken.
    void shot(const QString &what)
    {
        QThread::msleep(400); // the last paint reaches the server
        m_x.screenshot(m_shots + QStringLiteral("/%1-%2.png").arg(++m_shotCount, 2, 10, QLatin1Char('0')).arg(what));
    }

    // The main window's id, once it is up.
    QString mainWindow;

    // Waits for a window of the program other than the main window; with
    // parentless, only for one that the main window does not own (the
    // program's message boxes, not the progress dialogs that bear the same
    // title).
    QString waitForDialog(const QString &title, bool parentless = false, int timeoutMs = 30000)
    {
        QString found;
        eventually(
            [&] {
                for (const QString &id : m_x.windows(title)) {
                    if (id != mainWindow && (!parentless || m_x.owner(id) != mainWindow))
                        found = id;
                }
                return !found.isEmpty();
            },
            timeoutMs);
        return found;
    }
    bool dialogGone(const QString &id, int timeoutMs = 30000)
    {
        return eventually([&] { return !m_x.windows(QStringLiteral(".")).contains(id); }, timeoutMs);
    }

    // Focuses the window, then types and presses: "{Tab}" style entries are keys.
    bool input(const QString &window, const QStringList &steps)
    {
        if (!m_x.focus(window))
            return false;
        QThread::msleep(150);
        for (const QString &step : steps) {
            const bool isKey = step.startsWith(QLatin1Char('{')) && step.endsWith(QLatin1Char('}'));
            const bool ok = isKey ? m_x.key({step.mid(1, step.size() - 2)}) : m_x.type(step);
            if (!ok)
                return false;
            QThread::msleep(80);
        }
        return true;
    }

    // Whether the main window shows the unlocked main page: its toolbar then
    // holds the Lock and Synchronize buttons, while the locked one is a bare
    // band, the same colour all along a row.
    bool looksUnlocked()
    {
        const QImage window = m_x.grab(mainWindow);
        if (window.width() < 400 || window.height() < 80)
            return false;
        const int y = 43; // the middle of the toolbar, below the menu bar
        const QColor band = window.pixelColor(4, y);
        int differing = 0;
        for (int x = 10; x < 300; ++x) {
            const QColor c = window.pixelColor(x, y);
            if (qAbs(c.red() - band.red()) + qAbs(c.green() - band.green()) + qAbs(c.blue() - band.blue()) > 60)
                ++differing;
        }
        return differing > 10;
    }

    // A decrypted copy in the program's private temporary folder.
    QStringList decryptedCopies() const
    {
        QStringList copies;
        QDirIterator it(tempFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            copies << it.next();
        return copies;
    }

private:
    QString m_name;
    QTemporaryDir m_dir;
    XSession m_x;
    QProcess m_program;
    QString m_shots;
    int m_shotCount = 0;
};

class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void itemsFromFirstRunToRestore();
    void folderSync();
    void vaultsAndDragOut();

private:
    // First run with a new password: the main window stands, the list opens.
    void firstRun(ProgramRun &run, const QString &password);
    // Opens a menu of the menu bar with Alt (0 File ... 4 Help), then presses
    // the keys that lead to the entry (the first enabled entry is active once
    // the menu opens; Up wraps round to the last), then Return.
    void menu(ProgramRun &run, int menuIndex, const QStringList &keys);
    // A click on an empty spot of the vault pane gives it the focus with
    // nothing selected; then the keys.
    void inVaultPane(ProgramRun &run, const QStringList &keys);
    // Answers the newest box of the program: Tab presses, then Space.
    void answerBox(ProgramRun &run, int tabs, const QString &shot);
    // Picks a path in the program's file dialog of that title.
    void pickPath(ProgramRun &run, const QString &title, const QString &path, const QString &shot);
    void lock(ProgramRun &run);
    void unlock(ProgramRun &run, const QString &password);
    void quit(ProgramRun &run);
    void changePassword(ProgramRun &run, QString *password);
    void checkDrive(ProgramRun &run, const QString &password, const QMap<QString, QByteArray> &expected);
};

void TestEndToEnd::initTestCase()
{
    if (QStringLiteral(KV_PROGRAM).isEmpty())
        QSKIP("the program is not part of this build");
    QString missing;
    if (!XSession::toolsPresent(&missing))
        QSKIP(qPrintable(QStringLiteral("missing tools: ") + missing));
}

void TestEndToEnd::cleanup()
{
    resetTree();
}

void TestEndToEnd::firstRun(ProgramRun &run, const QString &password)
{
    QVERIFY(run.startProgram());
    const QString dialog = run.x().waitForWindow(kCreatePasswordTitle, 60000);
    QVERIFY2(!dialog.isEmpty(), "no create-password dialog");
    // The password, past the two keypad buttons to the repeat, then OK by Return.
    QVERIFY(run.input(dialog, {password, QStringLiteral("{Tab}"), QStringLiteral("{Tab}"), QStringLiteral("{Tab}"),
                               password}));
    run.shot(QStringLiteral("create-password"));
    QVERIFY(run.input(dialog, {QStringLiteral("{Return}")}));
    run.mainWindow = run.x().waitForWindow(kMainTitle, 60000);
    QVERIFY2(!run.mainWindow.isEmpty(), "no main window");
    QVERIFY2(eventually([&] { return run.looksUnlocked(); }), "the main page does not show");
    const QString list = run.drive() + QStringLiteral("/KolvaneVave Settings/filesystem.dat");
    QVERIFY(eventually([&] { return QFileInfo::exists(list); }));
    run.shot(QStringLiteral("first-run"));
    checkDrive(run, password, {});
    QVERIFY(readDrive(run.drive(), password + QStringLiteral("x"), run.path(QStringLiteral("scratch")))
                .error.contains(QStringLiteral("does not open")));
}

void TestEndToEnd::checkDrive(ProgramRun &run, const QString &password, const QMap<QString, QByteArray> &expected)
{
    DriveContents drive;
    // The index is the last thing written: wait for it to say what is expected.
    eventually([&] {
        drive = readDrive(run.drive(), password, run.path(QStringLiteral("scratch")));
        return drive.error.isEmpty() && drive.files == expected;
    });
    QVERIFY2(drive.error.isEmpty(), qPrintable(drive.error));
    QCOMPARE(drive.files.keys(), expected.keys());
    QCOMPARE(drive.files, expected);
    QVERIFY2(drive.orphanBodies.isEmpty(), qPrintable(drive.orphanBodies.join(", ")));
}

void TestEndToEnd::menu(ProgramRun &run, int menuIndex, const QStringList &keys)
{
    QStringList steps{QStringLiteral("{alt}")};
    for (int i = 0; i < menuIndex; ++i)
        steps << QStringLiteral("{Right}");
    steps << QStringLiteral("{Down}");
    for (const QString &key : keys)
        steps << QLatin1Char('{') + key + QLatin1Char('}');
    QVERIFY(run.input(run.mainWindow, steps));
    run.shot(QStringLiteral("menu"));
    QVERIFY(run.input(run.mainWindow, {QStringLiteral("{Return}")}));
}

void TestEndToEnd::inVaultPane(ProgramRun &run, const QStringList &keys)
{
    QVERIFY(run.x().focus(run.mainWindow));
    QVERIFY(run.x().click(run.mainWindow, 700, 300));
    QThread::msleep(300);
    QVERIFY(run.input(run.mainWindow, keys));
    QThread::msleep(300);
}

void TestEndToEnd::answerBox(ProgramRun &run, int tabs, const QString &shot)
{
    const QString box = run.waitForDialog(kMainTitle, true);
    QVERIFY2(!box.isEmpty(), qPrintable(QStringLiteral("no box: ") + shot));
    run.shot(shot);
    QStringList steps;
    for (int i = 0; i < tabs; ++i)
        steps << QStringLiteral("{Tab}");
    steps << QStringLiteral("{space}");
    QVERIFY(run.input(box, steps));
    QVERIFY(run.dialogGone(box));
}

void TestEndToEnd::pickPath(ProgramRun &run, const QString &title, const QString &path, const QString &shot)
{
    const QString picker = run.waitForDialog(title);
    QVERIFY2(!picker.isEmpty(), qPrintable(QStringLiteral("no file dialog: ") + title));
    // The toolkit's own dialog: the file-name field has the focus and takes a whole path.
    QVERIFY(run.input(picker, {path}));
    run.shot(shot);
    QVERIFY(run.input(picker, {QStringLiteral("{Return}")}));
    QVERIFY(run.dialogGone(picker));
}

void TestEndToEnd::lock(ProgramRun &run)
{
    // File: the first enabled entry, then Up round to Lock, the last.
    menu(run, 0, {QStringLiteral("Up")});
    QVERIFY2(eventually([&] { return !run.looksUnlocked(); }), "the login page does not show");
    QVERIFY(eventually([&] { return run.decryptedCopies().isEmpty(); }, 10000));
    run.shot(QStringLiteral("locked"));
}

void TestEndToEnd::unlock(ProgramRun &run, const QString &password)
{
    // The password field has the focus on the login page.
    QVERIFY(run.input(run.mainWindow, {password, QStringLiteral("{Return}")}));
    QVERIFY2(eventually([&] { return run.looksUnlocked(); }), "the main page does not show");
    run.shot(QStringLiteral("unlocked"));
}

void TestEndToEnd::quit(ProgramRun &run)
{
    QVERIFY(run.input(run.mainWindow, {QStringLiteral("{ctrl+q}")}));
    QVERIFY2(run.waitForExit(), "the program did not end");
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);
    const QByteArray errors = run.errors();
    for (const char *report : {"AddressSanitizer", "LeakSanitizer", "runtime error:"})
        QVERIFY2(!errors.contains(report), errors.constData());
    QVERIFY2(run.decryptedCopies().isEmpty(), qPrintable(run.decryptedCopies().join(", ")));
}

// First run, add a folder, open a file, lock, unlock, extract, change the
// password, lock and unlock with the new one, back up, delete a file,
// restore the backup, quit.
void TestEndToEnd::itemsFromFirstRunToRestore()
{
    ProgramRun run(QStringLiteral("items"));
    QString why;
    QVERIFY2(run.setUp(&why), qPrintable(why));

    // A folder of files to keep: text, binary, empty, a sub-folder, a blank
    // and letters beyond ASCII in names.
    const QString source = run.path(QStringLiteral("source/Papers"));
    QVERIFY(FileFixture::write(source + QStringLiteral("/letter.txt"), "Dear reader,\nthis stays between us.\n"));
    QVERIFY(QDir().mkpath(source + QStringLiteral("/Photos 2026")));
    QVERIFY(FileFixture::write(source + QStringLiteral("/Photos 2026/beach.raw"), randomBytes(300000)));
    QVERIFY(FileFixture::write(source + QStringLiteral("/empty.txt"), QByteArray()));
    QVERIFY(FileFixture::write(source + QString::fromUtf8("/r\u00e9sum\u00e9.odt"), randomBytes(7000)));
    const QMap<QString, QByteArray> plain = diskFiles(source);
    const QMap<QString, QByteArray> stored = prefixed(plain, QStringLiteral("Flash Drive/Papers"));
    QString password = kPassword;

    firstRun(run, password);
    if (QTest::currentTestFailed())
        return;

    // Into the vault (its icon is the only one), then File > Add File(s).
    inVaultPane(run, {QStringLiteral("{Home}"), QStringLiteral("{Return}")});
    menu(run, 0, {QStringLiteral("Down"), QStringLiteral("Down")});
    pickPath(run, kAddFilesTitle, source, QStringLiteral("add-folder"));
    answerBox(run, 0, QStringLiteral("keep-originals")); // " No " has the focus
    checkDrive(run, password, stored);
    QCOMPARE(diskFiles(source), plain);
    run.shot(QStringLiteral("added"));

    // Into the folder, and Return on the letter opens it in its application
    // (the stand-in for "xdg-open"): a decrypted copy in the private folder.
    inVaultPane(run, {QStringLiteral("{Home}"), QStringLiteral("{Return}")});
    inVaultPane(run, {QStringLiteral("let"), QStringLiteral("{Return}")});
    QVERIFY(eventually([&] { return QFileInfo::exists(run.openedLog()); }));
    const QString copy = QString::fromUtf8(fileBytes(run.openedLog())).trimmed();
    QVERIFY2(copy.startsWith(run.tempFolder() + QLatin1Char('/')), qPrintable(copy));
    QCOMPARE(fileBytes(copy), plain.value(QStringLiteral("letter.txt")));
    run.shot(QStringLiteral("opened"));

    lock(run);
    QVERIFY(!QFileInfo::exists(copy));
    checkDrive(run, password, stored);

    unlock(run, password);
    // Into the vault, select the folder, File > Save File(s) to...
    inVaultPane(run, {QStringLiteral("{Home}"), QStringLiteral("{Return}")});
    inVaultPane(run, {QStringLiteral("{Home}")});
    menu(run, 0, {QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down")});
    const QString out = run.path(QStringLiteral("out"));
    pickPath(run, kExtractTitle, out, QStringLiteral("extract-to"));
    answerBox(run, 0, QStringLiteral("extracted"));
    QCOMPARE(diskFiles(out), prefixed(plain, QStringLiteral("Papers")));

    // Tools > Change Password: Up from the first entry wraps to Options,
    // Restore, Backup, Change Password.
    changePassword(run, &password);
    if (QTest::currentTestFailed())
        return;
    lock(run);
    checkDrive(run, password, stored);
    unlock(run, password);

    // The vault selected, Tools > Backup Vault Data.
    inVaultPane(run, {QStringLiteral("{Home}")});
    menu(run, 2, {QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Up")});
    answerBox(run, 0, QStringLiteral("backed-up"));
    QStringList backups;
    QDirIterator it(run.backupFolder(), {QStringLiteral("vaultinfo.dat")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        backups << it.next();
    QCOMPARE(backups.size(), 1);

    // Into the vault and the folder; the letter selected by typing, Ctrl+D, " Yes ".
    inVaultPane(run, {QStringLiteral("{Home}"), QStringLiteral("{Return}")});
    inVaultPane(run, {QStringLiteral("{Home}"), QStringLiteral("{Return}")});
    inVaultPane(run, {QStringLiteral("let")});
    QVERIFY(run.input(run.mainWindow, {QStringLiteral("{ctrl+d}")}));
    answerBox(run, 1, QStringLiteral("delete-letter"));
    QMap<QString, QByteArray> withoutLetter = stored;
    withoutLetter.remove(QStringLiteral("Flash Drive/Papers/letter.txt"));
    checkDrive(run, password, withoutLetter);
    run.shot(QStringLiteral("deleted"));

    // Tools > Restore Vault Data: the vault in the list, the one backup, Restore, Close.
    menu(run, 2, {QStringLiteral("Up"), QStringLiteral("Up")});
    const QString wizard = run.waitForDialog(kRestoreTitle);
    QVERIFY2(!wizard.isEmpty(), "no restore wizard");
    QVERIFY(run.input(wizard, {QStringLiteral("{Down}")}));
    run.shot(QStringLiteral("restore-vault"));
    QVERIFY(run.input(wizard, {QStringLiteral("{Tab}"), QStringLiteral("{space}")}));
    QThread::msleep(500);
    // The list of backups has the focus, its first row current.
    run.shot(QStringLiteral("restore-backup"));
    QVERIFY(run.input(wizard, {QStringLiteral("{Tab}"), QStringLiteral("{Tab}"), QStringLiteral("{space}")}));
    QThread::msleep(500);
    run.shot(QStringLiteral("restore-confirm"));
    QVERIFY(run.input(wizard, {QStringLiteral("{Tab}"), QStringLiteral("{space}")}));
    checkDrive(run, password, stored);
    run.shot(QStringLiteral("restored"));
    QVERIFY(run.input(wizard, {QStringLiteral("{space}")}));
    QVERIFY(run.dialogGone(wizard));

    quit(run);
    checkDrive(run, password, stored);
}

void TestEndToEnd::changePassword(ProgramRun &run, QString *password)
{
    menu(run, 2, {QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Up")});
    const QString dialog = run.waitForDialog(kChangePasswordTitle);
    QVERIFY2(!dialog.isEmpty(), "no change-password dialog");
    // The current password, the new one, past the three keypad buttons to the repeat.
    QVERIFY(run.input(dialog, {*password, QStringLiteral("{Tab}"), kNewPassword}));
    QVERIFY(run.input(dialog, {QStringLiteral("{Tab}"), QStringLiteral("{Tab}"), QStringLiteral("{Tab}"),
                               QStringLiteral("{Tab}"), kNewPassword}));
    run.shot(QStringLiteral("change-password"));
    QVERIFY(run.input(dialog, {QStringLiteral("{Return}")}));
    QVERIFY(run.dialogGone(dialog));
    const QString old = *password;
    *password = kNewPassword;
    // The list opens with the new password only; the default vault's key
    // chain is wrapped under it.
    QVERIFY(eventually([&] {
        return readDrive(run.drive(), *password, run.path(QStringLiteral("scratch"))).error.isEmpty();
    }));
    QVERIFY(!readDrive(run.drive(), old, run.path(QStringLiteral("scratch"))).error.isEmpty());
    TAVKey wrapped;
    QCOMPARE(TAVKeyChain(run.drive() + QStringLiteral("/KolvaneVave Vault/keychain.dat")).getKey(QString(), &wrapped), 0);
    QCOMPARE(wrapped.decrypt(TAVKey(*password)), 0);
}

// A sync peer: the vault and a folder on the disk in step, then changes on
// both sides and Synchronize.
// A second vault made through File > New Vault, disconnected through its
// context menu and added back through File > Add Existing Vault; a file
// dragged with the mouse out of the vault onto the local pane.
void TestEndToEnd::vaultsAndDragOut()
{
    ProgramRun run(QStringLiteral("vaults"));
    QString why;
    QVERIFY2(run.setUp(&why), qPrintable(why));
    const QString second = run.path(QStringLiteral("Second"));
    const QString desktop = run.path(QStringLiteral("home/Desktop"));
    const QString letter = run.path(QStringLiteral("source/letter.txt"));
    QVERIFY(QDir().mkpath(second));
    QVERIFY(QDir().mkpath(desktop));
    const QByteArray letterBytes("Dear reader,\nthis leaves the vault by hand.\n");
    QVERIFY(FileFixture::write(letter, letterBytes));
    const QString password = kPassword;
    auto vaults = [&] {
        return readDrive(run.drive(), password, run.path(QStringLiteral("scratch"))).vaults;
    };

    firstRun(run, password);
    if (QTest::currentTestFailed())
        return;

    // File > New Vault, the first entry, in a folder of the disk.
    inVaultPane(run, {});
    menu(run, 0, {});
    pickPath(run, QStringLiteral("Please select a location for the new vault:"), second,
             QStringLiteral("new-vault"));
    QVERIFY(eventually([&] { return vaults() == QStringList({QStringLiteral("Flash Drive"), QStringLiteral("Second")}); }));
    for (const char *name : {"index.dat", "version.dat", "keychain.dat"})
        QVERIFY2(QFileInfo::exists(second + QLatin1Char('/') + QLatin1String(name)), name);
    run.shot(QStringLiteral("two-vaults"));

    // Its context menu (the menu key on the selected vault), Disconnect Vault:
    // the list forgets it, its folder stays.
    inVaultPane(run, {QStringLiteral("Sec"), QStringLiteral("{Menu}"), QStringLiteral("{Up}"),
                      QStringLiteral("{Up}")});
    run.shot(QStringLiteral("vault-menu"));
    QVERIFY(run.input(run.mainWindow, {QStringLiteral("{Return}")}));
    answerBox(run, 1, QStringLiteral("disconnect")); // " Yes "
    QVERIFY(eventually([&] { return vaults() == QStringList{QStringLiteral("Flash Drive")}; }));
    QVERIFY(QFileInfo::exists(second + QStringLiteral("/index.dat")));

    // File > Add Existing Vault, the second entry, with the password.
    inVaultPane(run, {});
    menu(run, 0, {QStringLiteral("Down")});
    pickPath(run, QStringLiteral("Please choose the folder of your existing vault\\(s\\):"), second,
             QStringLiteral("add-existing"));
    const QString ask = run.waitForDialog(kMainTitle);
    QVERIFY2(!ask.isEmpty(), "no password question");
    QVERIFY(run.input(ask, {password, QStringLiteral("{Return}")}));
    QVERIFY(eventually([&] { return vaults() == QStringList({QStringLiteral("Flash Drive"), QStringLiteral("Second")}); }));
    run.shot(QStringLiteral("added-back"));

    // A letter into the first vault, then dragged out onto the local pane,
    // which shows the Desktop.
    inVaultPane(run, {QStringLiteral("{Home}"), QStringLiteral("{Return}")});
    menu(run, 0, {QStringLiteral("Down"), QStringLiteral("Down")});
    pickPath(run, kAddFilesTitle, letter, QStringLiteral("add-letter"));
    answerBox(run, 0, QStringLiteral("keep-letter"));
    checkDrive(run, password, {{QStringLiteral("Flash Drive/letter.txt"), letterBytes}});
    QVERIFY(run.x().click(run.mainWindow, 52, 411)); // the Desktop button
    QThread::msleep(500);
    run.shot(QStringLiteral("before-drag"));
    QVERIFY(run.x().drag(run.mainWindow, QPoint(60, 126), QPoint(650, 470)));
    QVERIFY2(eventually([&] { return fileBytes(desktop + QStringLiteral("/letter.txt")) == letterBytes; }),
             "the dragged letter did not arrive");
    run.shot(QStringLiteral("dragged-out"));
    // Dropped inside the program: the plain copy made for the drag is gone.
    QVERIFY2(eventually([&] { return run.decryptedCopies().isEmpty(); }, 10000),
             qPrintable(run.decryptedCopies().join(QStringLiteral(", "))));
    checkDrive(run, password, {{QStringLiteral("Flash Drive/letter.txt"), letterBytes}});
    quit(run);
}

void TestEndToEnd::folderSync()
{
    ProgramRun run(QStringLiteral("sync"));
    QString why;
    QVERIFY2(run.setUp(&why), qPrintable(why));
    const QString peer = run.path(QStringLiteral("peer"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
    QVERIFY(FileFixture::write(peer + QStringLiteral("/notes.txt"), "first notes\n"));
    QVERIFY(FileFixture::write(peer + QStringLiteral("/plan.txt"), "the plan\n"));
    QVERIFY(FileFixture::write(peer + QStringLiteral("/Drafts/draft.txt"), randomBytes(20000)));
    for (const QString &name : {QStringLiteral("notes.txt"), QStringLiteral("plan.txt"), QStringLiteral("Drafts/draft.txt")}) {
        QFile file(peer + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(before, QFileDevice::FileModificationTime));
    }
    const QMap<QString, QByteArray> first = diskFiles(peer);

    firstRun(run, kPassword);
    if (QTest::currentTestFailed())
        return;

    // Into the vault; Tools > Add Sync Peer (after Synchronize), the disk folder.
    inVaultPane(run, {QStringLiteral("{Home}"), QStringLiteral("{Return}")});
    menu(run, 2, {QStringLiteral("Down")});
    pickPath(run, kSyncPeerTitle, peer, QStringLiteral("sync-peer"));
    answerBox(run, 0, QStringLiteral("first-sync"));
    checkDrive(run, kPassword, prefixed(first, QStringLiteral("Flash Drive")));
    QCOMPARE(diskFiles(peer), first);

    // The disk side: notes rewritten, a new file. The vault side: the plan
    // deleted, a new file added.
    const QByteArray newNotes("second notes, longer than the first\n");
    QVERIFY(FileFixture::write(peer + QStringLiteral("/notes.txt"), newNotes));
    {
        QFile notes(peer + QStringLiteral("/notes.txt"));
        QVERIFY(notes.open(QIODevice::ReadWrite));
        QVERIFY(notes.setFileTime(QDateTime::currentDateTime().addSecs(120), QFileDevice::FileModificationTime));
    }
    QVERIFY(FileFixture::write(peer + QStringLiteral("/from-disk.txt"), "made on the disk\n"));
    const QString elsewhere = run.path(QStringLiteral("elsewhere/from-vault.bin"));
    const QByteArray fromVault = randomBytes(5000);
    QVERIFY(FileFixture::write(elsewhere, fromVault));

    inVaultPane(run, {QStringLiteral("plan")});
    QVERIFY(run.input(run.mainWindow, {QStringLiteral("{ctrl+d}")}));
    answerBox(run, 1, QStringLiteral("delete-plan"));
    menu(run, 0, {QStringLiteral("Down"), QStringLiteral("Down")});
    pickPath(run, kAddFilesTitle, elsewhere, QStringLiteral("add-file"));
    answerBox(run, 0, QStringLiteral("keep-original"));

    // Tools > Synchronize.
    menu(run, 2, {});
    answerBox(run, 0, QStringLiteral("synchronised"));

    QMap<QString, QByteArray> both = first;
    both.remove(QStringLiteral("plan.txt"));
    both.insert(QStringLiteral("notes.txt"), newNotes);
    both.insert(QStringLiteral("from-disk.txt"), "made on the disk\n");
    both.insert(QStringLiteral("from-vault.bin"), fromVault);
    checkDrive(run, kPassword, prefixed(both, QStringLiteral("Flash Drive")));
    QCOMPARE(diskFiles(peer), both);
    run.shot(QStringLiteral("both-sides"));

    // A link in the peer to a folder outside it: named as skipped, the run
    // ends with errors, and nothing is read or written through it.
    const QString outside = run.path(QStringLiteral("outside"));
    QVERIFY(FileFixture::write(outside + QStringLiteral("/secret.txt"), "not for the vault\n"));
    QVERIFY(QFile::link(outside, peer + QStringLiteral("/outside-link")));
    menu(run, 2, {});
    answerBox(run, 0, QStringLiteral("skipped-link"));
    // The progress window stays open with its lines until it is closed.
    const QString progress = run.waitForDialog(QStringLiteral("^Synchronization$"));
    QVERIFY2(!progress.isEmpty(), "no progress window");
    run.shot(QStringLiteral("skipped-link-lines"));
    QVERIFY(run.input(progress, {QStringLiteral("{Escape}")}));
    QVERIFY(run.dialogGone(progress));
    checkDrive(run, kPassword, prefixed(both, QStringLiteral("Flash Drive")));
    QCOMPARE(QDir(outside).entryList(QDir::Files), QStringList{QStringLiteral("secret.txt")});

    // More new files than the Synchronize badge has digits for: counted at
    // the next unlock, shown as "999+" (looked at on the picture).
    for (int i = 0; i < 1200; ++i)
        QVERIFY(FileFixture::write(peer + QStringLiteral("/many/n%1.txt").arg(i), "n"));
    lock(run);
    unlock(run, kPassword);
    QThread::msleep(3000);
    run.shot(QStringLiteral("badge-999-plus"));

    quit(run);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
