#include "locknotifier.h"
#include "mainsettings.h"
#include "modalanswerer.h"
#include "optionsdialog.h"
#include "scriptedprompter.h"
#include "tavsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

template <typename T>
T *part(QWidget *dialog, const QString &name)
{
    T *widget = dialog->findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

TAVSettings *store()
{
    return TAVSettings::getInstance();
}

void storeValues(const QVariantMap &values)
{
    store()->beginGroup(QStringLiteral("Settings"));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store()->setValue(it.key(), it.value());
    store()->endGroup();
}

// The values the settings file holds under the group "Settings"; invalid for
// an absent key. Replaces the store's memory by the file.
QVariantMap onDisk(const QString &file, const QStringList &keys)
{
    store()->setFileName(file);
    store()->read();
    QVariantMap values;
    store()->beginGroup(QStringLiteral("Settings"));
    for (const QString &key : keys)
        values.insert(key, store()->value(key));
    store()->endGroup();
    return values;
}

const QStringList kKeys = {"encryptionMethod", "DoNotAsk", "DayOfChangePasswordRemind", "MinuteOfTimeOut",
                           "RetentionBackup", "NumberOfBackups", "BackupLocation", "MountType"};

QString radioOf(int cipher)
{
    return QStringLiteral("radAES%1").arg(QList<int>{0, 128, 256, 512, 1024}.value(cipher));
}

// What the user does to one field.
void change(QWidget *dialog, const QString &field, int value)
{
    if (field == QLatin1String("timeout")) {
        part<QSpinBox>(dialog, "spinBoxTimeout")->setValue(value);
    } else if (field == QLatin1String("expiry")) {
        part<QSpinBox>(dialog, "spinBoxPasswordExpire")->setValue(value);
    } else if (field == QLatin1String("cipher")) {
        part<QRadioButton>(dialog, radioOf(value))->click();
    } else if (field == QLatin1String("retention and number")) {
        part<QCheckBox>(dialog, "chkRetention")->click();
        part<QSpinBox>(dialog, "spinBoxNumOfBackup")->setValue(value);
    } else if (field == QLatin1String("number")) {
        part<QSpinBox>(dialog, "spinBoxNumOfBackup")->setValue(value);
    } else if (field == QLatin1String("number, then retention cleared")) {
        part<QCheckBox>(dialog, "chkRetention")->click();
        part<QSpinBox>(dialog, "spinBoxNumOfBackup")->setValue(value);
        part<QCheckBox>(dialog, "chkRetention")->click();
    } else if (field == QLatin1String("location")) {
        part<QComboBox>(dialog, "cboBackupLocation")->setCurrentIndex(value);
    } else if (field == QLatin1String("mount")) {
        part<QComboBox>(dialog, "cboMountType")->setCurrentIndex(value);
    } else if (field == QLatin1String("mount and back")) {
        part<QComboBox>(dialog, "cboMountType")->setCurrentIndex(value);
        part<QComboBox>(dialog, "cboMountType")->setCurrentIndex(0);
    } else if (field != QLatin1String("nothing")) {
        qFatal("unknown field %s", qPrintable(field));
    }
}

QString documentsBackup()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/KolvaneVave/Backup");
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void newDialogState();
    void loadFillsFields_data();
    void loadFillsFields();
    void fieldIsSaved_data();
    void fieldIsSaved();
    void damagedCipherSelectsPreferred_data();
    void damagedCipherSelectsPreferred();
    void restoreToDefault_data();
    void restoreToDefault();
    void retentionClickEnablesNumber();
    void locationToolTipFollows();
    void activity();

private:
    QString settingsFile() const { return dir->filePath(QStringLiteral("config.dat")); }
    std::unique_ptr<QTemporaryDir> dir;
    MainSettings current;
};

void TestOptionsDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestOptionsDialog::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    store()->setFileName(settingsFile());
    store()->read(); // no file yet: an empty store
    current = MainSettings();
}

void TestOptionsDialog::newDialogState()
{
    OptionsDialog dialog;
    QCOMPARE(part<QPushButton>(&dialog, "btnOk")->text(), QStringLiteral("OK"));
    QCOMPARE(part<QPushButton>(&dialog, "btnCancel")->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog.minimumSize(), QSize(389, 313));
    QCOMPARE(dialog.maximumSize(), QSize(389, 313));
    // Qt adds the system menu to a window with a close button.
    QCOMPARE(dialog.windowFlags() & ~Qt::WindowSystemMenuHint,
             Qt::WindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::CustomizeWindowHint
                             | Qt::WindowCloseButtonHint));
    QTabWidget *tabs = part<QTabWidget>(&dialog, "tabWidget");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Timeouts"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Encryption"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Locations"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!tabs->tabIcon(i).isNull());
    QCOMPARE(dialog.getTimeOutValue(), 10);
    QCOMPARE(dialog.getPasswordExpire(), 0);
    QCOMPARE(dialog.getEncryptMethod(), TAV_AES128);
    QCOMPARE(part<QSpinBox>(&dialog, "spinBoxTimeout")->maximum(), 120);
    QCOMPARE(part<QSpinBox>(&dialog, "spinBoxTimeout")->toolTip(), QStringLiteral("0 = Timeout Disabled"));
    QCOMPARE(part<QSpinBox>(&dialog, "spinBoxPasswordExpire")->maximum(), 999);
    QCOMPARE(part<QSpinBox>(&dialog, "spinBoxNumOfBackup")->minimum(), 1);
    QCOMPARE(part<QSpinBox>(&dialog, "spinBoxNumOfBackup")->maximum(), 20);
    QCOMPARE(part<QPushButton>(&dialog, "btnResetConfirm")->text(), QStringLiteral("Restore to default"));
    QComboBox *locations = part<QComboBox>(&dialog, "cboBackupLocation");
    QCOMPARE(locations->itemText(0), QStringLiteral("Application Data"));
    QCOMPARE(locations->itemText(1), QStringLiteral("My Documents"));
    QCOMPARE(part<QComboBox>(&dialog, "cboMountType")->currentText(), QStringLiteral("None"));
    QCOMPARE(part<QGroupBox>(&dialog, "BackupOptoins")->toolTip(), OptionsDialog::backupFolder(0));
    QVERIFY(OptionsDialog::backupFolder(0).endsWith(QLatin1String("/Backup")));
    QCOMPARE(OptionsDialog::backupFolder(1), documentsBackup());
    QCOMPARE(OptionsDialog::backupFolder(2), QString());
}

void TestOptionsDialog::loadFillsFields_data()
{
    QTest::addColumn<QVariant>("doNotAsk");
    QTest::addColumn<bool>("restoreEnabled");
    QTest::newRow("confirmation off: restore offered") << QVariant(true) << true;
    QTest::newRow("confirmation on") << QVariant(false) << false;
    QTest::newRow("never set") << QVariant() << false;
}

void TestOptionsDialog::loadFillsFields()
{
    QFETCH(QVariant, doNotAsk);
    QFETCH(bool, restoreEnabled);
    storeValues({{"encryptionMethod", 3}, {"DayOfChangePasswordRemind", 45}, {"MinuteOfTimeOut", 20}});
    if (doNotAsk.isValid())
        storeValues({{"DoNotAsk", doNotAsk}});
    current.backupLocation = 1;
    current.retentionBackup = true;
    current.numberOfBackups = 9;
    current.mountType = 1;

    OptionsDialog dialog;
    dialog.load(settingsFile(), current);
    QCOMPARE(dialog.getEncryptMethod(), TAV_AES512);
    QCOMPARE(dialog.getPasswordExpire(), 45);
    QCOMPARE(dialog.getTimeOutValue(), 20);
    QCOMPARE(part<QPushButton>(&dialog, "btnResetConfirm")->isEnabled(), restoreEnabled);
    QCOMPARE(part<QComboBox>(&dialog, "cboBackupLocation")->currentIndex(), 1);
    QCOMPARE(part<QGroupBox>(&dialog, "BackupOptoins")->toolTip(), documentsBackup());
    QVERIFY(part<QCheckBox>(&dialog, "chkRetention")->isChecked());
    QVERIFY(part<QSpinBox>(&dialog, "spinBoxNumOfBackup")->isEnabled());
    QCOMPARE(part<QSpinBox>(&dialog, "spinBoxNumOfBackup")->value(), 9);
    QCOMPARE(part<QComboBox>(&dialog, "cboMountType")->currentIndex(), 1);
}

void TestOptionsDialog::fieldIsSaved_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QVariantMap>("changed"); // keys whose stored value differs from the unchanged row's
    QTest::addColumn<int>("prompts");
    QTest::addColumn<QString>("backupPath");

    const QString old = QStringLiteral("old path");
    QTest::newRow("nothing") << "nothing" << 0 << QVariantMap() << 0 << old;
    QTest::newRow("time-out 0: never lock") << "timeout" << 0 << QVariantMap{{"MinuteOfTimeOut", 0}} << 0 << old;
    QTest::newRow("time-out 120") << "timeout" << 120 << QVariantMap{{"MinuteOfTimeOut", 120}} << 0 << old;
    QTest::newRow("expiry 0: no reminder") << "expiry" << 0 << QVariantMap{{"DayOfChangePasswordRemind", 0}} << 0
                                           << old;
    QTest::newRow("expiry 999") << "expiry" << 999 << QVariantMap{{"DayOfChangePasswordRemind", 999}} << 0 << old;
    for (int cipher : {1, 3, 4})
        QTest::addRow("cipher %d", cipher) << "cipher" << cipher << QVariantMap{{"encryptionMethod", cipher}} << 0
                                           << old;
    QTest::newRow("retention on, 5 to 7") << "retention and number" << 7
                                          << QVariantMap{{"RetentionBackup", true}, {"NumberOfBackups", 7}} << 0
                                          << old;
    QTest::newRow("retention on, number kept") << "retention and number" << 5
                                               << QVariantMap{{"RetentionBackup", true}} << 0 << old;
    QTest::newRow("number without retention") << "number" << 7 << QVariantMap() << 0 << old;
    QTest::newRow("number, then retention cleared") << "number, then retention cleared" << 7 << QVariantMap() << 0
                                                    << old;
    QTest::newRow("location: documents") << "location" << 1 << QVariantMap{{"BackupLocation", 1}} << 0
                                         << documentsBackup();
    QTest::newRow("mount type: restart message") << "mount" << 1 << QVariantMap{{"MountType", 1}} << 1 << old;
    QTest::newRow("mount type changed and back") << "mount and back" << 1 << QVariantMap() << 0 << old;
}

void TestOptionsDialog::fieldIsSaved()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QVariantMap, changed);
    QFETCH(int, prompts);
    QFETCH(QString, backupPath);

    ScriptedPrompter prompter;
    OptionsDialog dialog;
    dialog.load(settingsFile(), current);
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        change(shown, field, value);
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("btnOk")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));

    QString path = QStringLiteral("old path");
    QCOMPARE(dialog.saveSetting(false, current, path), int(TAVSettings::WriteOk));

    // An unchanged dialog writes these four and nothing else.
    QVariantMap expected{{"encryptionMethod", 2}, {"DoNotAsk", QVariant()},  {"DayOfChangePasswordRemind", 30},
                         {"MinuteOfTimeOut", 10}, {"RetentionBackup", false}, {"NumberOfBackups", QVariant()},
                         {"BackupLocation", QVariant()}, {"MountType", QVariant()}};
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        expected[it.key()] = it.value();
    QCOMPARE(onDisk(settingsFile(), kKeys), expected);

    // The main window's values follow what was written.
    QCOMPARE(current.encryptionMethod, expected["encryptionMethod"].toInt());
    QCOMPARE(current.minuteOfTimeOut, expected["MinuteOfTimeOut"].toInt());
    QCOMPARE(current.dayOfChangePasswordRemind, expected["DayOfChangePasswordRemind"].toInt());
    QCOMPARE(current.retentionBackup, expected["RetentionBackup"].toBool());
    QCOMPARE(current.numberOfBackups, expected["NumberOfBackups"].isValid() ? expected["NumberOfBackups"].toInt() : 5);
    QCOMPARE(current.backupLocation, expected["BackupLocation"].toInt());
    QCOMPARE(current.mountType, expected["MountType"].toInt());
    QCOMPARE(path, backupPath);

    QCOMPARE(prompter.prompts.size(), prompts);
    if (prompts) {
        QCOMPARE(prompter.prompts[0].icon, QMessageBox::Information);
        QCOMPARE(prompter.prompts[0].title, QStringLiteral("Kolvane\u2122 vave"));
        QCOMPARE(prompter.prompts[0].text,
                 QStringLiteral("You will need to restart the application for these changes to take effect"));
    }
}

void TestOptionsDialog::damagedCipherSelectsPreferred_data()
{
    QTest::addColumn<bool>("throughStore"); // stored and load()ed, or set by the opener directly
    QTest::addColumn<QVariant>("cipher");
    QTest::addColumn<int>("selected");
    QTest::newRow("stored 4") << true << QVariant(4) << 4;
    QTest::newRow("stored 0") << true << QVariant(0) << 2;
    QTest::newRow("stored 5") << true << QVariant(5) << 2;
    QTest::newRow("stored -1") << true << QVariant(-1) << 2;
    QTest::newRow("stored as text") << true << QVariant(QStringLiteral("1")) << 2;
    QTest::newRow("set 1") << false << QVariant(1) << 1;
    QTest::newRow("set 0") << false << QVariant(0) << 2;
    QTest::newRow("set 7") << false << QVariant(7) << 2;
    QTest::newRow("set -2147483648") << false << QVariant(INT_MIN) << 2;
}

void TestOptionsDialog::damagedCipherSelectsPreferred()
{
    QFETCH(bool, throughStore);
    QFETCH(QVariant, cipher);
    QFETCH(int, selected);
    OptionsDialog dialog;
    if (throughStore) {
        storeValues({{"encryptionMethod", cipher}});
        dialog.load(settingsFile(), current);
    } else {
        dialog.setSettingsFile(settingsFile());
        dialog.setEncryptMethod(cipher.toInt());
    }
    QVERIFY(part<QRadioButton>(&dialog, radioOf(selected))->isChecked());
    QCOMPARE(int(dialog.getEncryptMethod()), selected);
    QString path;
    QCOMPARE(dialog.saveSetting(false, current, path), int(TAVSettings::WriteOk));
    QCOMPARE(onDisk(settingsFile(), {"encryptionMethod"}).value("encryptionMethod"), QVariant(selected));
}

void TestOptionsDialog::restoreToDefault_data()
{
    QTest::addColumn<QString>("end"); // how the dialog ends after the press
    QTest::newRow("then OK") << "btnOk";
    QTest::newRow("then Cancel") << "btnCancel";
    QTest::newRow("then lock") << "lock";
}

void TestOptionsDialog::restoreToDefault()
{
    QFETCH(QString, end);
    storeValues({{"DoNotAsk", true}});
    QCOMPARE(store()->write(), int(TAVSettings::WriteOk));

    OptionsDialog dialog;
    dialog.load(settingsFile(), current);
    QSignalSpy resets(&dialog, &OptionsDialog::saveReset);
    bool enabledBefore = false;
    bool enabledAfter = true;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        QPushButton *restore = part<QPushButton>(shown, "btnResetConfirm");
        enabledBefore = restore->isEnabled();
        restore->click();
        enabledAfter = restore->isEnabled();
        part<QSpinBox>(shown, "spinBoxTimeout")->setValue(33);
        if (end == QLatin1String("lock"))
            LockNotifier::getInstance()->notifyLocked();
        else
            QVERIFY(ModalAnswerer::clickButton(shown, end));
    });
    const int result = dialog.exec();
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(enabledBefore);
    QVERIFY(!enabledAfter);
    QCOMPARE(resets.count(), 1);
    // Already on disk, however the dialog ended.
    QCOMPARE(onDisk(settingsFile(), {"DoNotAsk"}).value("DoNotAsk"), QVariant(false));

    store()->setFileName(settingsFile());
    if (end == QLatin1String("btnOk")) {
        QCOMPARE(result, int(QDialog::Accepted));
        storeValues({{"DoNotAsk", true}}); // as if set again meanwhile: the reset is written once more
        QString path;
        QCOMPARE(dialog.saveSetting(true, current, path), int(TAVSettings::WriteOk));
        const QVariantMap saved = onDisk(settingsFile(), kKeys);
        QCOMPARE(saved.value("DoNotAsk"), QVariant(false));
        QCOMPARE(saved.value("MinuteOfTimeOut"), QVariant(33));
    } else {
        QCOMPARE(result, int(QDialog::Rejected));
        // Nothing else reached the file.
        const QVariantMap saved = onDisk(settingsFile(), kKeys);
        for (const QString &key : kKeys) {
            if (key != QLatin1String("DoNotAsk"))
                QVERIFY2(!saved.value(key).isValid(), qPrintable(key));
        }
    }
}

void TestOptionsDialog::retentionClickEnablesNumber()
{
    OptionsDialog dialog;
    QCheckBox *retention = part<QCheckBox>(&dialog, "chkRetention");
    QSpinBox *number = part<QSpinBox>(&dialog, "spinBoxNumOfBackup");
    dialog.setNumberOfBackupDisable(false);
    QVERIFY(!number->isEnabled());
    retention->click();
    QVERIFY(number->isEnabled());
    retention->click();
    QVERIFY(!number->isEnabled());
    // Setting the box alone leaves the spin box as it is.
    dialog.setRetentionBackup(true);
    QVERIFY(!number->isEnabled());
    dialog.setNumberOfBackupDisable(true);
    QVERIFY(number->isEnabled());
}

void TestOptionsDialog::locationToolTipFollows()
{
    OptionsDialog dialog;
    dialog.load(settingsFile(), current);
    QComboBox *location = part<QComboBox>(&dialog, "cboBackupLocation");
    QGroupBox *group = part<QGroupBox>(&dialog, "BackupOptoins");
    location->setCurrentIndex(1);
    QCOMPARE(group->toolTip(), documentsBackup());
    location->setCurrentIndex(0);
    QCOMPARE(group->toolTip(), OptionsDialog::backupFolder(0));
    QString path = QStringLiteral("old path");
    dialog.saveSetting(false, current, path);
    QCOMPARE(path, QStringLiteral("old path"));
    QCOMPARE(onDisk(settingsFile(), {"BackupLocation"}).value("BackupLocation"), QVariant());
}

void TestOptionsDialog::activity()
{
    OptionsDialog dialog;
    dialog.setDisableRestoreButton(true);
    dialog.show();
    QSignalSpy activity(&dialog, &OptionsDialog::userAction);
    for (const char *name : {"radAES256", "radAES512", "radAES1024", "radAES128", "btnResetConfirm"}) {
        activity.clear();
        part<QAbstractButton>(&dialog, name)->click();
        QVERIFY2(activity.count() == 1, name);
    }
    for (const char *name : {"spinBoxTimeout", "spinBoxPasswordExpire"}) {
        activity.clear();
        emit part<QSpinBox>(&dialog, name)->editingFinished();
        QVERIFY2(activity.count() == 1, name);
    }
    activity.clear();
    part<QComboBox>(&dialog, "cboMountType")->setCurrentIndex(1);
    part<QCheckBox>(&dialog, "chkRetention")->click();
    QCOMPARE(activity.count(), 0);
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
