#include "optionsdialog.h"
#include "trcontext.h"
#include "ui_optionsdialog.h"

#include "confirmfiledeletedialog.h"
#include "mainsettings.h"
#include "productinfo.h"
#include "prompter.h"
#include "tavlogging.h"
#include "tavsettings.h"

#include <QStandardPaths>

static void initOptionsResources()
{
    Q_INIT_RESOURCE(optionsicons);
}

namespace {

// lupdate does not see texts passed through here: write
// MainFormText::tr("...") instead.
[[maybe_unused]] QString mainText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

// Folder name under the documents folder. Fixed rather than the
// application's name, so the folder chosen here is the one the next start
// derives from the stored location, and earlier backups stay found.
const QString kDocumentsFolderName = QStringLiteral("KolvaneVave");

} // namespace

OptionsDialog::OptionsDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui::OptionsDialog)
{
    initOptionsResources();
    ui->setupUi(this);
    ui->btnCancel->setText(MainFormText::tr("Cancel"));
    ui->btnOk->setText(MainFormText::tr("OK"));

    connect(ui->spinBoxTimeout, &QSpinBox::editingFinished, this, &OptionsDialog::On_UserAction);
    connect(ui->spinBoxPasswordExpire, &QSpinBox::editingFinished, this, &OptionsDialog::On_UserAction);
    for (QAbstractButton *button :
         {static_cast<QAbstractButton *>(ui->radAES128), static_cast<QAbstractButton *>(ui->radAES256),
          static_cast<QAbstractButton *>(ui->radAES512), static_cast<QAbstractButton *>(ui->radAES1024),
          static_cast<QAbstractButton *>(ui->btnResetConfirm)})
        connect(button, &QAbstractButton::released, this, &OptionsDialog::On_UserAction);
    connect(ui->chkRetention, &QCheckBox::clicked, this, &OptionsDialog::chkRetention_Click);

    setLocationToolTip();
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::CustomizeWindowHint
                   | Qt::WindowCloseButtonHint);
}

OptionsDialog::~OptionsDialog()
{
    delete ui;
}

void OptionsDialog::load(const QString &file, const MainSettings &current)
{
    // The store's own values, each checked against its range.
    MainSettings stored;
    stored.readValues();
    setPasswordExpire(stored.dayOfChangePasswordRemind);
    setTimeoutValue(stored.minuteOfTimeOut);
    setDisableRestoreButton(ConfirmFileDeleteDialog::isSwitchedOff());
    setSettingsFile(file);
    setEncryptMethod(stored.encryptionMethod);

    setBackupLocation(current.backupLocation);
    setRetentionBackup(current.retentionBackup);
    setNumberOfBackupDisable(current.retentionBackup);
    setNumberOfBackup(current.numberOfBackups);
    setMountType(current.mountType);
}

int OptionsDialog::getTimeOutValue() const
{
    return ui->spinBoxTimeout->value();
}

int OptionsDialog::getPasswordExpire() const
{
    return ui->spinBoxPasswordExpire->value();
}

TAVCipher OptionsDialog::getEncryptMethod() const
{
    if (ui->radAES128->isChecked())
        return TAV_AES128;
    if (ui->radAES256->isChecked())
        return TAV_AES256;
    if (ui->radAES512->isChecked())
        return TAV_AES512;
    if (ui->radAES1024->isChecked())
        return TAV_AES1024;
    LOG_ERROR << "No encryption method selected, defaulting to AES128";
    return TAV_AES128;
}

int OptionsDialog::saveSetting(bool resetRequested, MainSettings &current, QString &backupPath)
{
    TAVSettings *settings = TAVSettings::getInstance();
    if (!settingsFile.isEmpty())
        settings->setFileName(settingsFile);
    settings->beginGroup(QStringLiteral("Settings"));

    // The keys are those MainSettings reads back at start.
    const struct {
        QRadioButton *button;
        int cipher;
    } ciphers[] = {{ui->radAES128, TAV_AES128},
                   {ui->radAES256, TAV_AES256},
                   {ui->radAES512, TAV_AES512},
                   {ui->radAES1024, TAV_AES1024}};
    for (const auto &entry : ciphers) {
        if (entry.button->isChecked()) {
            settings->setValue(QStringLiteral("encryptionMethod"), entry.cipher);
            current.encryptionMethod = entry.cipher;
        }
    }
    if (resetRequested)
        settings->setValue(QStringLiteral("DoNotAsk"), false);

    current.dayOfChangePasswordRemind = ui->spinBoxPasswordExpire->value();
    current.minuteOfTimeOut = ui->spinBoxTimeout->value();
    settings->setValue(QStringLiteral("DayOfChangePasswordRemind"), current.dayOfChangePasswordRemind);
    settings->setValue(QStringLiteral("MinuteOfTimeOut"), current.minuteOfTimeOut);

    const int number = ui->spinBoxNumOfBackup->value();
    const bool retention = ui->chkRetention->isChecked();
    settings->setValue(QStringLiteral("RetentionBackup"), retention);
    current.retentionBackup = retention;
    // Without retention the count is not in force, so it is not taken.
    if (number != current.numberOfBackups && retention) {
        settings->setValue(QStringLiteral("NumberOfBackups"), number);
        current.numberOfBackups = number;
    }

    const int location = ui->cboBackupLocation->currentIndex();
    if (location != current.backupLocation) {
        settings->setValue(QStringLiteral("BackupLocation"), location);
        current.backupLocation = location;
        backupPath = backupFolder(location);
    }

    const int mountType = ui->cboMountType->currentIndex();
    if (mountType != current.mountType) {
        settings->setValue(QStringLiteral("MountType"), mountType);
        current.mountType = mountType;
        Prompter::instance()->ask(QMessageBox::Information, ProductInfo::title(),
                                  tr("You will need to restart the application for these changes to take effect"),
                                  QMessageBox::Ok, QMessageBox::Ok);
    }

    settings->endGroup();
    return settings->write();
}

QString OptionsDialog::backupFolder(int location)
{
    switch (location) {
    case 0:
        return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Backup");
    case 1:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
               + kDocumentsFolderName + QStringLiteral("/Backup");
    default:
        return QString();
    }
}

void OptionsDialog::setLocationToolTip()
{
    ui->BackupOptoins->setToolTip(backupFolder(ui->cboBackupLocation->currentIndex()));
}

void OptionsDialog::setTimeoutValue(int minutes)
{
    ui->spinBoxTimeout->setValue(minutes);
}

void OptionsDialog::setPasswordExpire(int days)
{
    ui->spinBoxPasswordExpire->setValue(days);
}

void OptionsDialog::setEncryptMethod(int cipher)
{
    switch (cipher) {
    case TAV_AES128:
        setAES128Check(true);
        break;
    case TAV_AES512:
        setAES512Check(true);
        break;
    case TAV_AES1024:
        setAES1024Check(true);
        break;
    case TAV_AES256:
        setAES256Check(true);
        break;
    default:
        // A damaged value must not leave the weakest cipher selected, to be
        // stored on OK.
        LOG_WARNING << "Stored cipher" << cipher << "is not one of 1 to 4; the preferred cipher is selected";
        setEncryptMethod(TAVCiphers::platform_preferred_cipher());
        break;
    }
}

void OptionsDialog::setAES128Check(bool on)
{
    ui->radAES128->setChecked(on);
}

void OptionsDialog::setAES256Check(bool on)
{
    ui->radAES256->setChecked(on);
}

void OptionsDialog::setAES512Check(bool on)
{
    ui->radAES512->setChecked(on);
}

void OptionsDialog::setAES1024Check(bool on)
{
    ui->radAES1024->setChecked(on);
}

void OptionsDialog::setBackupLocation(int index)
{
    ui->cboBackupLocation->setCurrentIndex(index);
}

void OptionsDialog::setNumberOfBackup(int n)
{
    ui->spinBoxNumOfBackup->setValue(n);
}

void OptionsDialog::setNumberOfBackupDisable(bool enabled)
{
    ui->spinBoxNumOfBackup->setEnabled(enabled);
}

void OptionsDialog::setRetentionBackup(bool on)
{
    ui->chkRetention->setChecked(on);
}

void OptionsDialog::setSettingsFile(const QString &path)
{
    settingsFile = path;
}

void OptionsDialog::setDisableRestoreButton(bool enabled)
{
    ui->btnResetConfirm->setEnabled(enabled);
}

void OptionsDialog::setMountType(int index)
{
    ui->cboMountType->setCurrentIndex(index);
}

void OptionsDialog::on_btnOk_clicked()
{
    QDialog::accept();
}

void OptionsDialog::on_btnCancel_clicked()
{
    QDialog::reject();
}

void OptionsDialog::on_btnResetConfirm_clicked()
{
    ui->btnResetConfirm->setEnabled(false);
    // Written at once: the confirmation is back even if the dialog is then
    // cancelled.
    ConfirmFileDeleteDialog::storeDoNotAsk(false);
    emit saveReset();
}

void OptionsDialog::chkRetention_Click()
{
    ui->spinBoxNumOfBackup->setEnabled(ui->chkRetention->isChecked());
}

void OptionsDialog::on_cboBackupLocation_currentIndexChanged(int)
{
    setLocationToolTip();
}
