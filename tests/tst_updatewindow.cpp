#include "fakeclock.h"
#include "fixeddrivelocator.h"
#include "foldercompressor.h"
#include "localhttpserver.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "processlauncher.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "scriptedprompter.h"
#include "tavfilesystem.h"
#include "tavfilewatcher.h"
#include "tavsettings.h"
#include "tavstickmanager.h"
#include "testcertificate.h"
#include "treesnapshot.h"
#include "updateconfigdialog.h"
#include "updatedownload.h"
#include "updaterequest.h"
#include "updateschedule.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QRadioButton>
#include <QTextEdit>

#include <memory>

namespace {

using Route = LocalHttpServer::Route;

// Records the programs the window starts, and what the drive held then.
class RecordingLauncher : public ProcessLauncher
{
public:
    RecordingLauncher() { ProcessLauncher::setInstance(this); }
    ~RecordingLauncher() override { ProcessLauncher::setInstance(nullptr); }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        programs << program;
        args << arguments;
        executable = QFileInfo(program).permissions() & QFileDevice::ExeOwner;
        copyLeft = !watchedCopy.isEmpty() && QFileInfo::exists(watchedCopy);
        return true;
    }
    QStringList programs;
    QList<QStringList> args;
    QString watchedCopy;
    bool executable = false;
    bool copyLeft = true;
};

QVariant stored(const QString &key)
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup("Settings");
    const QVariant value = settings->value(key);
    settings->endGroup();
    return value;
}

Route ok(const QByteArray &body)
{
    Route r;
    r.body = body;
    return r;
}

// A file with its missing folders.
bool put(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).path()) && writeBytes(path, bytes);
}

QByteArray archiveOf(const QString &folder)
{
    QTemporaryDir out;
    FolderCompressor compressor;
    if (!compressor.compressFolder(folder, out.filePath("a")))
        return QByteArray();
    return fileBytes(out.filePath("a"));
}

} // namespace

class TestUpdateWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void withoutHostUpdatesAreNotAvailable();
    void checkAtStart_data();
    void checkAtStart();
    void configurationDialog();
    void offerDownloadsAndStartsTheUpdater();
    void failedInstallKeepsTheProgramRunning_data();
    void failedInstallKeepsTheProgramRunning();
    void refusedQuitStartsNoUpdater();

private:
    std::unique_ptr<MainWindow> makeWindow();
    void writeSchedule(const QVariant &period, const QVariant &date);
    QStringList tempEntries() const;

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    QString settingsFile;
    TestCertificate cert;
    QString packageFolder; // a good package's tree
    QList<int> exits;
};

void TestUpdateWindow::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(cert.make(), qPrintable(cert.errorText));
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    drive = dir.filePath("drive") + "/";
    settingsFile = drive + "KolvaneVave Settings/config.dat";
    QVERIFY(QDir().mkpath(drive + "KolvaneVave Settings"));
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
    MainWindow::setExitHook([this](int code) { exits << code; });

    packageFolder = dir.filePath("package");
    QVERIFY(put(packageFolder + "/kolvaneliteupgrade.app/kolvaneliteupgrade", "#!updater\n"));
    QVERIFY(put(packageFolder + "/kolvaneliteupgrade.app/lib/part.bin", QByteArray(3000, 'u')));
    QVERIFY(put(packageFolder + "/Kolvane vave.app/kolvanevave", "#!program\n"));
    QVERIFY(put(packageFolder + "/Kolvane vave.app/res/notes.txt", "notes"));
}

void TestUpdateWindow::init()
{
    QFile::remove(settingsFile);
    QVERIFY(writeBytes(settingsFile, QByteArray()));
    exits.clear();
    UpdateRequest::setBaseUrl(QUrl());
    MainWindow::updateLink.clear();
}

void TestUpdateWindow::cleanup()
{
    TAVFileSystem::getInstance()->removeAll();
    UpdateRequest::setBaseUrl(QUrl());
}

std::unique_ptr<MainWindow> TestUpdateWindow::makeWindow()
{
    return std::make_unique<MainWindow>();
}

void TestUpdateWindow::writeSchedule(const QVariant &period, const QVariant &date)
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->setFileName(settingsFile);
    settings->read();
    settings->beginGroup("Settings");
    if (period.isValid())
        settings->setValue("CheckUpdate", period);
    if (date.isValid())
        settings->setValue("DateCheckUpdate", date);
    settings->endGroup();
    QCOMPARE(settings->write(), int(TAVSettings::WriteOk));
}

QStringList TestUpdateWindow::tempEntries() const
{
    return treeSnapshot(dir.filePath("tmp"));
}

void TestUpdateWindow::withoutHostUpdatesAreNotAvailable()
{
    QVERIFY2(!UpdateSchedule::hostConfigured(), "this test needs a build without an update host");
    auto window = makeWindow();
    ScriptedPrompter prompter;
    prompter.choices = {0};
    ModalAnswerer answers(1000); // any dialog opened here is an error
    window->on_actionCheckUpdate_triggered();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text,
             QString("Updates are not available: this copy of Kolvane\u2122 vave has no update "
                     "server to ask."));
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList{"OK"});
}

void TestUpdateWindow::checkAtStart_data()
{
    QTest::addColumn<QVariant>("period");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<int>("storedAfter");

    QTest::newRow("never chosen") << QVariant() << 0 << true << 1;
    QTest::newRow("never") << QVariant(0) << 400 << false << 0;
    QTest::newRow("weekly, 6 days") << QVariant(1) << 6 << false << 1;
    QTest::newRow("weekly, 7 days") << QVariant(1) << 7 << true << 1;
    QTest::newRow("monthly, 29 days") << QVariant(3) << 29 << false << 3;
    QTest::newRow("monthly, 30 days") << QVariant(3) << 30 << true << 3;
}

void TestUpdateWindow::checkAtStart()
{
    QFETCH(QVariant, period);
    QFETCH(int, daysAgo);
    QFETCH(bool, asks);
    FakeClock clock(QDateTime(QDate(2024, 3, 10), QTime(9, 0)));
    const QDate today(2024, 3, 10);
    writeSchedule(period, period.isValid() ? QVariant(today.addDays(-daysAgo)) : QVariant());

    LocalHttpServer server;
    QVERIFY(server.start());
    server.setReply(404, "nothing newer");
    UpdateRequest::setBaseUrl(server.url(QString()));
    ModalAnswerer answers(1000); // a failed check shows nothing
    {
        auto window = makeWindow();
        window->show();
        if (asks) {
            QTRY_COMPARE(server.requests().size(), 1);
            QCOMPARE(stored("DateCheckUpdate").toDate(), today);
            const QUrlQuery query(QString::fromLatin1(server.requests().first().rawQuery()));
            QCOMPARE(query.queryItemValue("ser"), QStringLiteral("SER1"));
        } else {
            QTest::qWait(300);
            QCOMPARE(server.requests().size(), 0);
        }
    }
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    // As the shutdown wrote it: a chosen "Never" stays.
    TAVSettings::getInstance()->read();
    QTEST(stored("CheckUpdate").toInt(), "storedAfter");
}

void TestUpdateWindow::configurationDialog()
{
    FakeClock clock(QDateTime(QDate(2024, 3, 10), QTime(9, 0)));
    writeSchedule(QVariant(), QVariant());
    LocalHttpServer server;
    QVERIFY(server.start());
    server.setReply(404, "nothing newer");
    auto window = makeWindow();
    UpdateRequest::setBaseUrl(server.url(QString()));
    ScriptedPrompter prompter;

    auto choose = [](const char *radio, const char *button, QStringList *seen = nullptr) {
        return [=](QWidget *dialog) {
            if (seen) {
                ScreenShot::take(QStringLiteral("update-config"));
                for (auto *r : dialog->findChildren<QRadioButton *>())
                    if (r->isChecked())
                        *seen << r->objectName();
                *seen << dialog->windowTitle();
            }
            if (radio)
                dialog->findChild<QRadioButton *>(radio)->setChecked(true);
            QVERIFY(ModalAnswerer::clickButton(dialog, button));
        };
    };

    // Nothing stored: "Once a week" is shown; "Never" is stored with today.
    QStringList seen;
    {
        ModalAnswerer answers;
        answers.act(choose("radNeverNot", "OK", &seen));
        window->on_actionCheckUpdate_triggered();
        QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    }
    QCOMPARE(seen, QStringList({"radOneWeek", "Kolvane\u2122 vave - Update Configuration"}));
    TAVSettings::getInstance()->read();
    QCOMPARE(stored("CheckUpdate").toInt(), 0);
    QCOMPARE(stored("DateCheckUpdate").toDate(), QDate(2024, 3, 10));

    // Cancel stores nothing; the stored "Never" is what the dialog shows.
    seen.clear();
    {
        ModalAnswerer answers;
        answers.act(choose("radOneaMonth", "Cancel", &seen));
        window->on_actionCheckUpdate_triggered();
        QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    }
    QCOMPARE(seen.first(), QStringLiteral("radNeverNot"));
    QCOMPARE(stored("CheckUpdate").toInt(), 0);

    // A later choice keeps the first date.
    clock.setDateTime(QDateTime(QDate(2024, 3, 13), QTime(9, 0)));
    {
        ModalAnswerer answers;
        answers.act(choose("radEveryTwoWeek", "OK"));
        window->on_actionCheckUpdate_triggered();
        QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    }
    TAVSettings::getInstance()->read();
    QCOMPARE(stored("CheckUpdate").toInt(), 2);
    QCOMPARE(stored("DateCheckUpdate").toDate(), QDate(2024, 3, 10));

    // "Check for updates now" dates the check even when it then finds nothing.
    clock.setDateTime(QDateTime(QDate(2024, 3, 20), QTime(9, 0)));
    {
        ModalAnswerer answers;
        answers.act([](QWidget *dialog) {
            QVERIFY(ModalAnswerer::clickButton(dialog, "Check for updates now"));
            QVERIFY(ModalAnswerer::clickButton(dialog, "Cancel"));
        });
        window->on_actionCheckUpdate_triggered();
        QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    }
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text,
             QString("Thank you for using Kolvane\u2122 vave\nYou are using Kolvane\u2122 vave 6.0.4M. "
                     "There are currently no updates available.\nPlease try again later."));
    TAVSettings::getInstance()->read();
    QCOMPARE(stored("DateCheckUpdate").toDate(), QDate(2024, 3, 20));
    QCOMPARE(stored("CheckUpdate").toInt(), 2);
}

void TestUpdateWindow::offerDownloadsAndStartsTheUpdater()
{
    const QByteArray archive = archiveOf(packageFolder);
    QVERIFY(!archive.isEmpty());
    LocalHttpServer server;
    QVERIFY(server.startTls(cert.certificate, cert.key));
    TrustedCertificate trust(cert.certificate);
    server.setRoute("/software/checkforupdates.php",
                    ok("<r><ReleaseNote>Faster unlocking</ReleaseNote><version>7.0</version><url>"
                       + server.url("/dl/update.kvu").toEncoded() + "</url></r>"));
    server.setRoute("/dl/update.kvu", ok(archive));

    auto window = makeWindow();
    UpdateRequest::setBaseUrl(server.url(QString()));
    VaultFixture fx;
    TAVVault *vault = fx.addVault("Main");
    RecordingLauncher launcher;
    launcher.watchedCopy = window->fileWatcher->openCopy(fx.addFile(vault, "secret.txt", "plain"));
    QVERIFY(QFileInfo::exists(launcher.watchedCopy));
    ScriptedPrompter prompter;
    prompter.choices = {0}; // "The application will now restart."

    QString title, notes;
    ModalAnswerer answers(10000);
    answers.act([&](QWidget *dialog) {
        title = dialog->windowTitle();
        notes = dialog->findChild<QTextEdit *>("txtReleaseNotes")->toPlainText();
        ScreenShot::take(QStringLiteral("update-available"));
        QVERIFY(ModalAnswerer::clickButton(dialog, "Update"));
    });
    window->autoUpdate();
    QVERIFY2(answers.allAnswered(), qPrintable(answers.errorString()));

    QCOMPARE(title, QString("Kolvane\u2122 vave - New Version Available"));
    QCOMPARE(notes, QString("Faster unlocking"));
    QCOMPARE(MainWindow::updateLink, server.url("/dl/update.kvu").toString());
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text, QString("The application will now restart."));
    QCOMPARE(launcher.programs.size(), 1);
    const QString unpacked = QFileInfo(launcher.programs.first()).path().section('/', 0, -2);
    QCOMPARE(launcher.programs.first(), unpacked + "/kolvaneliteupgrade.app/kolvaneliteupgrade");
    QCOMPARE(launcher.args.first(), QStringList{MainWindow::mountPoint});
    QCOMPARE(MainWindow::mountPoint, drive);
    QVERIFY(launcher.executable);
    QVERIFY2(!launcher.copyLeft, "a decrypted copy was still there when the updater started");
    QCOMPARE(exits, QList<int>{0});
    // The unpacked tree is the package's, byte for byte; the package file is gone.
    QCOMPARE(treeSnapshot(unpacked), treeSnapshot(packageFolder));
    QCOMPARE(QDir(QFileInfo(unpacked).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"vaveUpdater"});
    QVERIFY(QFileInfo(unpacked).path().startsWith(QDir::tempPath() + "/kolvane-update-"));
}

// A copy whose edits could not reach its vault: the user answers " No " to
// quitting, so the program goes on and no updater is started; " Yes " starts
// it without asking a second time at the close.
void TestUpdateWindow::refusedQuitStartsNoUpdater()
{
    const QByteArray archive = archiveOf(packageFolder);
    QVERIFY(!archive.isEmpty());
    for (const int answer : {0, -1, 1}) {
        LocalHttpServer server;
        QVERIFY(server.start());
        server.setRoute("/dl/update.kvu", ok(archive));
        auto window = makeWindow();
        window->show();
        VaultFixture fx;
        TAVVault *vault = fx.addVault("Main");
        ScriptedPrompter prompter;
        const QString copy = window->fileWatcher->openCopy(fx.addFile(vault, "note.txt", "first"));
        QVERIFY(writeBytes(copy, "edited while the vault is closed"));
        vault->unload();
        QTest::qWait(300); // the watcher's notice that the edit could not be stored
        prompter.prompts.clear();
        MainWindow::updateLink = server.url("/dl/update.kvu").toString();
        const QStringList before = tempEntries();
        RecordingLauncher launcher;
        // The restart notice, then the quit question (the watcher's notice
        // between them has only OK).
        prompter.choices = {0, answer};

        window->downloadAndInstallUpdate();

        QStringList texts;
        for (const auto &p : prompter.prompts)
            texts << p.text;
        QVERIFY2(texts.size() == 3 && texts.first() == "The application will now restart."
                     && texts.last().contains("Quit anyway?") && texts.last().contains(copy),
                 qPrintable(texts.join("\n--\n")));
        QVERIFY2(launcher.programs.size() == (answer == 1 ? 1 : 0), qPrintable(texts.join("\n--\n")));
        QCOMPARE(exits, answer == 1 ? QList<int>{0} : QList<int>{});
        QCOMPARE(fileBytes(copy), QByteArray("edited while the vault is closed"));
        if (answer != 1) // nothing unpacked stays behind
            QCOMPARE(tempEntries(), before);
        exits.clear();
        QFile::remove(copy);
    }
}

void TestUpdateWindow::failedInstallKeepsTheProgramRunning_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // "" for none
    QTest::newRow("malicious archive") << "malicious" << "The update could not be installed.";
    QTest::newRow("package without the updater") << "noupdater" << "The update could not be installed.";
    QTest::newRow("cut midway") << "cut" << "Download failed: %1.\nThe update could not be installed.";
    QTest::newRow("cancelled") << "cancel" << "";
    QTest::newRow("restart box closed by the lock") << "lock" << "";
}

void TestUpdateWindow::failedInstallKeepsTheProgramRunning()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);

    QByteArray bytes;
    if (kind == "malicious") {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        s.setVersion(15);
        s << QString("/kolvaneliteupgrade.app/kolvaneliteupgrade") << qCompress(QByteArray("x"));
        s << QString("/../../escape.txt") << qCompress(QByteArray("evil"));
    } else if (kind == "noupdater") {
        QTemporaryDir other;
        QVERIFY(put(other.filePath("Kolvane vave.app/kolvanevave"), "#!program\n"));
        bytes = archiveOf(other.path());
    } else {
        bytes = archiveOf(packageFolder);
    }
    LocalHttpServer server;
    QVERIFY(server.start());
    Route route = ok(bytes);
    if (kind == "cut" || kind == "cancel") {
        route.sendBytes = bytes.size() / 2;
        route.hold = kind == "cancel";
    }
    server.setRoute("/dl/update.kvu", route);

    auto window = makeWindow();
    const QStringList before = tempEntries();
    MainWindow::updateLink = server.url("/dl/update.kvu").toString();
    RecordingLauncher launcher;
    ScriptedPrompter prompter;
    prompter.choices = {kind == "lock" ? -1 : 0, 0, 0};

    ModalAnswerer answers(10000);
    if (kind == "cancel")
        answers.act([&server](QWidget *dialog) {
            QTRY_COMPARE(server.requests().size(), 1);
            QVERIFY(ModalAnswerer::clickButton(dialog, "Cancel"));
        });
    window->downloadAndInstallUpdate();
    QVERIFY2(answers.allAnswered(), qPrintable(answers.errorString()));

    QVERIFY(launcher.programs.isEmpty());
    QVERIFY(exits.isEmpty());
    QVERIFY(!window->updateDownload);
    QStringList texts;
    for (const auto &p : prompter.prompts)
        if (p.text != "The application will now restart.")
            texts << p.text;
    if (message.isEmpty()) {
        QCOMPARE(texts, QStringList());
    } else {
        QCOMPARE(texts.size(), 1);
        if (message.contains("%1")) {
            const QStringList parts = message.split("%1");
            QVERIFY2(texts.first().startsWith(parts.first()) && texts.first().endsWith(parts.last())
                         && texts.first().size() > message.size() - 2,
                     qPrintable(texts.first()));
        } else
            QCOMPARE(texts.first(), message);
    }
    // Nothing of the download is left, and nothing was written beside it.
    QCOMPARE(tempEntries(), before);
    QVERIFY(!QFileInfo::exists(dir.filePath("escape.txt")));
    QVERIFY(!QFileInfo::exists(dir.filePath("tmp/escape.txt")));
}

QTEST_MAIN(TestUpdateWindow)
#include "tst_updatewindow.moc"
