#include "aboutdialog.h"
#include "changepassworddialog.h"
#include "kvvavecreatepassworddialog.h"
#include "pleasewaitdialog.h"
#include "tavprogresslogdialog.h"
#include "updateavailabledialog.h"
#include "updateconfigdialog.h"
#include "textfit.h"
#include "velmora_howto.h"
#include "vir_keypad_dialog.h"
#include "confirmfiledeletedialog.h"
#include "cryptovectors.h"
#include "filedialoganswer.h"
#include "fixeddrivelocator.h"
#include "languagetable.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "markingtranslator.h"
#include "modalanswerer.h"
#include "optionsdialog.h"
#include "screenshot.h"
#include "tavbrowsefolderdialog.h"
#include "scratchfiles.h"
#include "scriptedprompter.h"
#include "tavcryptothread.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavfilesystemtreemodel.h"
#include "tavfolder.h"
#include "tavprogressdialog.h"
#include "tavsearchindex.h"
#include "tavsettings.h"
#include "tavstickmanager.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

const QString kSettings = QStringLiteral("Settings");

TAVSettings *store()
{
    return TAVSettings::getInstance();
}

// One stored value as the settings file holds it; invalid when absent.
QVariant onDisk(const QString &file, const QString &key)
{
    store()->setFileName(file);
    store()->read();
    store()->beginGroup(kSettings);
    const QVariant value = store()->value(key);
    store()->endGroup();
    return value;
}

void storeValue(const QString &key, const QVariant &value)
{
    store()->beginGroup(kSettings);
    store()->setValue(key, value);
    store()->endGroup();
    QCOMPARE(store()->write(), int(TAVSettings::WriteOk));
}

template <typename T>
T *part(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Every text the main form shows, by object and property: the window's own
// widgets and actions (never those of a dialog it owns).
void formTexts(QObject *object, QMap<QString, QString> &texts, const QString &path)
{
    if (qobject_cast<QDialog *>(object))
        return;
    for (const char *property : {"text", "title", "placeholderText", "toolTip", "windowTitle"}) {
        const QVariant value = object->property(property);
        if (value.type() == QVariant::String && !value.toString().isEmpty())
            texts.insert(path + QLatin1Char('.') + QLatin1String(property), value.toString());
    }
    if (auto *combo = qobject_cast<QComboBox *>(object))
        texts.insert(path + QStringLiteral(".item0"), combo->itemText(0));
    int n = 0;
    for (QObject *child : object->children())
        formTexts(child, texts, path + QLatin1Char('/')
                                    + (child->objectName().isEmpty() ? QString::number(n++) : child->objectName()));
}

// The texts of a shown dialog that do not fit their widget, as
// "object: text"; tab pages are shown one after the other.
QStringList cutTexts(QWidget *dialog)
{
    QStringList cut;
    auto check = [&cut, dialog](QWidget *widget, const QString &text, bool fits, int needs) {
        if (!widget->isVisible())
            return;
        // Whole in its widget, and the widget whole inside the dialog.
        const QRect inDialog(widget->mapTo(dialog, QPoint(0, 0)), widget->size());
        if (!fits || !dialog->rect().contains(inDialog))
            cut << QStringLiteral("%1 \"%2\" (%3 px wide, needs %6, at %4, dialog %5)")
                       .arg(widget->objectName(), text)
                       .arg(widget->width())
                       .arg(inDialog.x())
                       .arg(dialog->width())
                       .arg(needs);
    };
    auto checkAll = [&] {
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (!label->text().isEmpty() && !label->wordWrap())
                check(label, label->text(), label->sizeHint().width() <= label->width(), label->sizeHint().width());
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            if (button->text().isEmpty())
                continue;
            const bool box = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
            const int needed = box ? button->sizeHint().width()
                                   : button->fontMetrics().horizontalAdvance(TextFit::shownText(button->text())) + 8;
            check(button, button->text(), needed <= button->width(), needed);
        }
        for (QGroupBox *group : dialog->findChildren<QGroupBox *>())
            check(group, group->title(),
                  group->fontMetrics().horizontalAdvance(group->title()) + 16 <= group->width(),
                  group->fontMetrics().horizontalAdvance(group->title()) + 16);
    };
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>()) {
        if (edit->placeholderText().isEmpty() || !edit->text().isEmpty())
            continue;
        // The frame, the text margins and the room of a trailing action.
        const int needed = edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + 12
            + (edit->actions().isEmpty() ? 0 : edit->height());
        check(edit, edit->placeholderText(), needed <= edit->width(), needed);
    }
    if (auto *tabs = dialog->findChild<QTabWidget *>()) {
        // No tab squeezed or scrolled out of sight.
        QTabBar *bar = tabs->tabBar();
        for (int i = 0; i < tabs->count(); ++i)
            check(bar, tabs->tabText(i),
                  bar->sizeHint().width() <= bar->width() && bar->rect().contains(bar->tabRect(i)),
                  bar->sizeHint().width());
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            checkAll();
        }
        tabs->setCurrentIndex(0);
    } else {
        checkAll();
    }
    return cut;
}

} // namespace

class TestWindowFlows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void optionsApplyAndStore_data();
    void optionsApplyAndStore();
    void optionsRestoreToDefault_data();
    void optionsRestoreToDefault();
    void optionsDamagedCipherStoresThePreferredOne();
    void optionsClosedByTheLockApplyNothing();
    void passwordHintShowsTheStoredHint_data();
    void passwordHintShowsTheStoredHint();
    void languageSwitchRetranslatesEveryFormText();
    void dialogsShowEveryTextWhole_data();
    void dialogsShowEveryTextWhole();
    void closingWhileAJobRunsCancelsIt();

private:
    // Runs Options with the dialog answered by `action`.
    void runOptions(ModalAnswerer::Action action);
    QString settingsFile() const { return drive + "KolvaneVave Settings/config.dat"; }

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    std::unique_ptr<MainWindow> window;
};

void TestWindowFlows::initTestCase()
{
    QVERIFY(dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QDir().mkpath(dir.filePath("tmp")));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    QVERIFY(writeBytes(dir.filePath("mountinfo"), "1 25 8:1 / / rw shared:1 - ext4 /dev/sda1 rw\n"));
    MainWindow::setMountTablePath(dir.filePath("mountinfo"));
    drive = dir.filePath("drive") + "/";
    drives.plug(USBStick("SER1", drive, 0x5581, 0x781));
    TAVStickManager::setDriveLocator(&drives);
    MainWindow::setUsbDrives(&drives);
    MainWindow::setProgramPath(drive + "KolvaneVave.app/kolvanevave");
    MainWindow::setArguments({"kolvanevave"});
}

// An unlocked window on a used drive whose settings file holds nothing yet.
void TestWindowFlows::init()
{
    QDir(drive).removeRecursively();
    QVERIFY(QDir().mkpath(drive + "KolvaneVave Settings"));
    QVERIFY(writeBytes(settingsFile(), QByteArray()));
    TAVStickManager::update();
    window = std::make_unique<MainWindow>();
    window->unlocked = true;
    window->showMainPage();
}

void TestWindowFlows::cleanup()
{
    window.reset();
    TAVSearchIndex::getInstance()->clear();
    TAVFileSystem::getInstance()->removeAll();
    MainWindow::backupLocation = 0;
    MainWindow::numberOfBackups = 5;
    MainWindow::retentionBackup = false;
    MainWindow::mountType = 0;
}

void TestWindowFlows::runOptions(ModalAnswerer::Action action)
{
    ModalAnswerer answers;
    answers.act([action](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Kolvane\u2122 vave - Options"));
        action(dialog);
    });
    window->ui->actionOptions->trigger();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
}

void TestWindowFlows::optionsApplyAndStore_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("time-out 15") << "spinBoxTimeout" << 15 << "MinuteOfTimeOut" << QVariant(15);
    QTest::newRow("time-out 0: never locks") << "spinBoxTimeout" << 0 << "MinuteOfTimeOut" << QVariant(0);
    QTest::newRow("reminder 7") << "spinBoxPasswordExpire" << 7 << "DayOfChangePasswordRemind" << QVariant(7);
    QTest::newRow("reminder 0: stopped") << "spinBoxPasswordExpire" << 0 << "DayOfChangePasswordRemind"
                                         << QVariant(0);
    QTest::newRow("cipher AES 512") << "radAES512" << 3 << "encryptionMethod" << QVariant(3);
    QTest::newRow("cipher AES 128") << "radAES128" << 1 << "encryptionMethod" << QVariant(1);
    QTest::newRow("backups in the documents") << "cboBackupLocation" << 1 << "BackupLocation" << QVariant(1);
    QTest::newRow("retention, 7 backups") << "chkRetention" << 7 << "NumberOfBackups" << QVariant(7);
    QTest::newRow("mount type") << "cboMountType" << 1 << "MountType" << QVariant(1);
}

void TestWindowFlows::optionsApplyAndStore()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);

    QVERIFY(window->expiredDate->isRunning());
    const QDateTime lastChange = window->lastChangedPasswordDate;
    ScriptedPrompter prompter;
    runOptions([&](QWidget *dialog) {
        const QByteArray name = field.toLatin1();
        if (auto *spin = dialog->findChild<QSpinBox *>(field)) {
            spin->setValue(value);
        } else if (auto *radio = dialog->findChild<QRadioButton *>(field)) {
            radio->click();
        } else if (auto *combo = dialog->findChild<QComboBox *>(field)) {
            combo->setCurrentIndex(value);
        } else {
            part<QCheckBox>(dialog, name.constData())->click();
            part<QSpinBox>(dialog, "spinBoxNumOfBackup")->setValue(value);
        }
        QVERIFY(ModalAnswerer::clickButton(dialog, "btnOk"));
    });

    QCOMPARE(onDisk(settingsFile(), key), stored);
    // The running window follows at once.
    if (key == "MinuteOfTimeOut") {
        QCOMPARE(window->minuteOfTimeOut, value);
        QCOMPARE(window->inactivityTimer->interval(), value * 60000);
    } else if (key == "DayOfChangePasswordRemind") {
        QCOMPARE(window->dayOfChangePasswordRemind, value);
        if (value > 0) {
            QVERIFY(window->expiredDate->isRunning());
            QCOMPARE(window->expiredDate->expiredDate(), lastChange.addDays(value));
        } else {
            QTRY_VERIFY(!window->expiredDate->isRunning());
        }
    } else if (key == "encryptionMethod") {
        QCOMPARE(window->encryptionMethod, value);
    } else if (key == "BackupLocation") {
        QCOMPARE(MainWindow::backupLocation, 1);
        QCOMPARE(MainWindow::backupPath, OptionsDialog::backupFolder(1));
    } else if (key == "NumberOfBackups") {
        QVERIFY(MainWindow::retentionBackup);
        QCOMPARE(onDisk(settingsFile(), "RetentionBackup"), QVariant(true));
        QCOMPARE(MainWindow::numberOfBackups, 7);
    } else if (key == "MountType") {
        QCOMPARE(MainWindow::mountType, 1);
        QCOMPARE(prompter.prompts.size(), 1);
    }
    if (key != "MountType")
        QCOMPARE(prompter.prompts.size(), 0);
    // The time-out restarts from its full interval once the dialog is gone.
    QVERIFY(window->inactivityTimer->isActive());
}

void TestWindowFlows::optionsRestoreToDefault_data()
{
    QTest::addColumn<QString>("close");
    QTest::newRow("then OK") << "btnOk";
    QTest::newRow("then Cancel") << "btnCancel";
}

// "Restore to default" turns the delete confirmation back on for good, also
// when the dialog is then cancelled.
void TestWindowFlows::optionsRestoreToDefault()
{
    QFETCH(QString, close);
    storeValue("DoNotAsk", true);
    runOptions([&](QWidget *dialog) {
        auto *reset = part<QPushButton>(dialog, "btnResetConfirm");
        QVERIFY(reset->isEnabled());
        reset->click();
        QVERIFY(!reset->isEnabled());
        QCOMPARE(onDisk(settingsFile(), "DoNotAsk"), QVariant(false));
        QVERIFY(ModalAnswerer::clickButton(dialog, close));
    });
    QVERIFY(window->resetConfirmDelete);
    QCOMPARE(onDisk(settingsFile(), "DoNotAsk"), QVariant(false));
    // The next opening starts with the button off again.
    runOptions([](QWidget *dialog) {
        QVERIFY(!part<QPushButton>(dialog, "btnResetConfirm")->isEnabled());
        QVERIFY(ModalAnswerer::clickButton(dialog, "btnCancel"));
    });
    QVERIFY(!window->resetConfirmDelete);
}

// A stored cipher outside 1 to 4 never becomes a weaker one: the preferred
// cipher is shown, taken and stored.
void TestWindowFlows::optionsDamagedCipherStoresThePreferredOne()
{
    storeValue("encryptionMethod", 9);
    runOptions([](QWidget *dialog) {
        QVERIFY(part<QRadioButton>(dialog, "radAES256")->isChecked());
        QVERIFY(!part<QRadioButton>(dialog, "radAES128")->isChecked());
        QVERIFY(ModalAnswerer::clickButton(dialog, "btnOk"));
    });
    QCOMPARE(window->encryptionMethod, 2);
    QCOMPARE(onDisk(settingsFile(), "encryptionMethod"), QVariant(2));
}

void TestWindowFlows::optionsClosedByTheLockApplyNothing()
{
    const QByteArray before = fileBytes(settingsFile());
    runOptions([this](QWidget *dialog) {
        part<QSpinBox>(dialog, "spinBoxTimeout")->setValue(1);
        part<QSpinBox>(dialog, "spinBoxPasswordExpire")->setValue(0);
        window->on_actionLock_triggered();
    });
    QCOMPARE(window->minuteOfTimeOut, 10);
    QCOMPARE(window->dayOfChangePasswordRemind, 30);
    QCOMPARE(fileBytes(settingsFile()), before);
}

void TestWindowFlows::passwordHintShowsTheStoredHint_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a hint") << "my cat" << "Password Hint: my cat   ";
    QTest::newRow("none stored") << "" << "Password Hint:    ";
}

void TestWindowFlows::passwordHintShowsTheStoredHint()
{
    QFETCH(QString, hint);
    QFETCH(QString, shown);
    window->on_actionLock_triggered();
    window->passwordHintText = hint;
    ScriptedPrompter prompter;
    window->ui->passwordHint->click();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().icon, QMessageBox::Information);
    QCOMPARE(prompter.prompts.first().title, QString::fromUtf8("Kolvane\u2122 vave"));
    QCOMPARE(prompter.prompts.first().text, shown);
    QCOMPARE(prompter.prompts.first().buttonTexts, QStringList{"OK"});
}

// A language picked in the combo takes effect at once: every text of the
// main form comes out of the translation then in force.
void TestWindowFlows::languageSwitchRetranslatesEveryFormText()
{
    window->on_actionLock_triggered();
    auto *combo = window->ui->cboLanguage;
    QCOMPARE(combo->currentIndex(), LanguageTable::comboIndex("en_US"));
    QMap<QString, QString> english;
    formTexts(window.get(), english, "MainWindow");
    english.remove("MainWindow.windowTitle"); // the product's name is never translated
    QVERIFY(english.size() > 60);
    QCOMPARE(english.value("MainWindow/centralStackedWidget/loginScreenFrame/btnLogin.text"), QString("Login"));

    MarkingTranslator marks("MainWindowClass");
    QCoreApplication::installTranslator(&marks);
    // The prompt item keeps the form as it is.
    combo->setCurrentIndex(0);
    QMap<QString, QString> now;
    formTexts(window.get(), now, "MainWindow");
    QCOMPARE(now.value("MainWindow/centralStackedWidget/loginScreenFrame/btnLogin.text"), QString("Login"));

    combo->setCurrentIndex(LanguageTable::comboIndex("en_US"));
    now.clear();
    formTexts(window.get(), now, "MainWindow");
    QStringList unchanged;
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        if (now.value(it.key()) == it.value())
            unchanged << it.key() + " = " + it.value();
    QCoreApplication::removeTranslator(&marks);
    QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join('\n')));
    QCOMPARE(now.value("MainWindow/centralStackedWidget/loginScreenFrame/btnLogin.text"),
             MarkingTranslator::marked("Login"));

    // Back to the source texts once the translation is gone.
    combo->setCurrentIndex(0);
    combo->setCurrentIndex(LanguageTable::comboIndex("en_US"));
    now.clear();
    formTexts(window.get(), now, "MainWindow");
    now.remove("MainWindow.windowTitle");
    QCOMPARE(now, english);
}

void TestWindowFlows::dialogsShowEveryTextWhole_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("language");
    // Every translation the program has, Korean and Arabic included.
    const QStringList languages = {"en_US", "nl_NL", "zh_TW", "zh_CN", "es_ES", "de_DE",
                                   "pt_PT", "it_IT", "ko_KO", "ja_JP", "fr_FR", "ar_AR"};
    for (const QString &language : languages) {
        for (const char *name : {"folder-picker", "delete-confirmation", "change-password", "options", "login",
                                 "create-password", "about", "update-available", "update-config", "keypad",
                                 "please-wait", "progress", "progress-log", "howto"})
            QTest::addRow("%s, %s", name, qPrintable(language)) << name << language;
    }
}

// Each dialog as its opener shows it: no text cut off. With KV_SHOT_DIR
// set (under a real X server) the screen is saved as "dialog-<name>.png".
void TestWindowFlows::dialogsShowEveryTextWhole()
{
    QFETCH(QString, dialog);
    QFETCH(QString, language);
    // The window is made again in the language, as a start in it makes it.
    window.reset();
    QTranslator translator;
    if (language != LanguageTable::sourceLanguage()) {
        QVERIFY(translator.load(LanguageTable::translationResource(language)));
        QCoreApplication::installTranslator(&translator);
    }
    QGuiApplication::setLayoutDirection(LanguageTable::layoutDirection(language));
    struct Restore {
        QTranslator *translator;
        ~Restore()
        {
            QCoreApplication::removeTranslator(translator);
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        }
    } restore{&translator};
    window = std::make_unique<MainWindow>();
    VaultFixture fixture;
    std::unique_ptr<QDialog> shown;
    const QString title = window->windowTitle();
    if (dialog == "login") {
        // The login page is the window's first page: measured in the window.
        window->resize(1024, 580);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->ui->centralStackedWidget->currentIndex(), 0);
        const QStringList cut = cutTexts(window->ui->centralStackedWidget->currentWidget());
        if (ScreenShot::enabled())
            QVERIFY(ScreenShot::take("login-" + language));
        window.reset();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        return;
    }
    if (dialog == "folder-picker") {
        TAVVault *documents = fixture.addVault("Documents");
        fixture.addFolder(fixture.addFolder(documents, "Reports"), "2014");
        fixture.addVault("Photos");
        TAVFileSystemTreeModel::getInstance()->setRootItem(TAVFileSystem::getInstance());
        shown = std::make_unique<TAVBrowseFolderDialog>(window.get());
        shown->setWindowTitle(title);
        shown->findChild<QTreeView *>("dirBrowserView")->expandAll();
    } else if (dialog == "delete-confirmation") {
        shown = std::make_unique<ConfirmFileDeleteDialog>(window.get());
        shown->setWindowTitle(QString("%1 - Confirm file delete").arg(title));
    } else if (dialog == "create-password") {
        shown = std::make_unique<KVVaveCreatePasswordDialog>(window.get());
    } else if (dialog == "about") {
        shown = std::make_unique<AboutDialog>(window.get());
    } else if (dialog == "update-available") {
        shown = std::make_unique<UpdateAvailableDialog>(window.get());
    } else if (dialog == "update-config") {
        shown = std::make_unique<UpdateConfigDialog>(window.get());
    } else if (dialog == "keypad") {
        shown = std::make_unique<Vir_KeyPad_Dialog>(window.get());
    } else if (dialog == "please-wait") {
        shown = std::make_unique<PleaseWaitDialog>(window.get());
    } else if (dialog == "progress") {
        auto progress = std::make_unique<TAVProgressDialog>(window.get());
        progress->reset();
        shown = std::move(progress);
    } else if (dialog == "progress-log") {
        shown = std::make_unique<TAVProgressLogDialog>(window.get());
    } else if (dialog == "howto") {
        shown = std::make_unique<velmora_howto>(window.get());
    } else if (dialog == "change-password") {
        shown = std::make_unique<ChangePasswordDialog>(window.get());
        shown->setWindowTitle(title + " - Change Password");
    } else {
        auto options = std::make_unique<OptionsDialog>(window.get());
        options->setWindowTitle(title + " - Options");
        shown = std::move(options);
    }
    const int formWidth = shown->width();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    // Where the texts fit, the form keeps its size: in the source language a
    // window grows by a few pixels at most (a tab bar short of room).
    if (language == LanguageTable::sourceLanguage())
        QVERIFY2(shown->width() - formWidth <= 24,
                 qPrintable(QString("%1 grew from %2 to %3").arg(dialog).arg(formWidth).arg(shown->width())));
    const QStringList cut = cutTexts(shown.get());
    if (ScreenShot::enabled())
        QVERIFY(ScreenShot::take("dialog-" + dialog + "-" + language));
    shown.reset();
    window.reset(); // before the vaults go with the fixture
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

// Closing the window while files are being added: the job stops after the
// file in hand, keeps what it stored, asks nothing about the originals, and
// the window goes.
void TestWindowFlows::closingWhileAJobRunsCancelsIt()
{
    VaultFixture fixture;
    TAVVault *vault = fixture.addVault("Alpha");
    window->updateView(vault);
    window->show();
    const QString local = fixture.path("local");
    QVERIFY(QDir().mkpath(local));
    QVERIFY(writeBytes(local + "/1.bin", "first"));
    QVERIFY(writeBytes(local + "/2.bin", CryptoVectors::pattern(96 * 1024 * 1024)));
    QVERIFY(writeBytes(local + "/3.bin", "third"));
    bool closed = false;
    connect(window->cryptoThread, &TAVCryptoThread::progress, window.get(), [&] {
        if (window->cryptoThread->source.endsWith("2.bin") && !closed)
            closed = window->close();
    });

    ScriptedPrompter prompter;
    ModalAnswerer answers(10000);
    answers.act(FileDialogAnswer::select(local, {"1.bin", "2.bin", "3.bin"}));
    // The program would end with its last window; here the test goes on.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    window->ui->actionAdd_Files->trigger();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    QVERIFY(closed);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->busy);
    QVERIFY(!window->progressDialog->isVisible());
    for (const ScriptedPrompter::Prompt &prompt : prompter.prompts)
        QVERIFY2(!prompt.text.contains("remove the original"), qPrintable(prompt.text));
    QCOMPARE(VaultFixture::bodies(vault).size(), 1);
    // The index on the disk names what was stored, and only that.
    vault->unload();
    QCOMPARE(vault->load(), 0);
    QCOMPARE(vault->getItemCount(), 1);
    QCOMPARE(vault->getItemAt(0)->GetName(), QString("1.bin"));
    QCOMPARE(fileBytes(local + "/2.bin").size(), 96 * 1024 * 1024);
    window.reset(); // before the vault goes with the fixture
}

QTEST_MAIN(TestWindowFlows)
#include "tst_windowflows.moc"
