#ifndef OPTIONSDIALOG_H
#define OPTIONSDIALOG_H

#include "tavcipherprops.h"
#include "tavdialog.h"

class MainSettings;

namespace Ui {
class OptionsDialog;
}

// The user's preferences: the inactivity time-out, the password reminder
// and the delete confirmation ("Timeouts"), the cipher of new vaults
// ("Encryption"), and the backup folder, backup retention and mount type
// ("Locations"). OK accepts and Cancel rejects; nothing but "Restore to
// default" writes before the opener calls saveSetting().
//
// The opener: construct, set the title, connect saveReset() (note that the
// reset was asked for) and userAction(), load(), exec(); on Accepted apply
// getTimeOutValue(), getPasswordExpire() and getEncryptMethod(), then
// saveSetting(). A lock rejects the dialog.
class OptionsDialog : public TAVDialog
{
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget *parent = nullptr);
    ~OptionsDialog() override;

    // Fills every field: the cipher, reminder period and time-out as the
    // settings store holds them, "Restore to default" enabled only while the
    // delete confirmation is off, and the backup and mount fields from the
    // main window's `current` values. saveSetting() will write settingsFile.
    void load(const QString &settingsFile, const MainSettings &current);

    int getTimeOutValue() const;
    int getPasswordExpire() const;
    // The selected cipher, 1 to 4; AES128 (logged) when none is selected.
    TAVCipher getEncryptMethod() const;

    // Writes the fields into the group "Settings" and the settings file and
    // brings the main window's `current` values and `backupPath` in line:
    // the cipher, the reminder period, the time-out and retention always;
    // the number of backups only when retention is on and it changed; the
    // backup location (and with it the folder) and the mount type only when
    // they changed, a changed mount type after telling the user it needs a
    // restart. `resetRequested` (Restore to default pressed while open)
    // writes "DoNotAsk" false again. Returns TAVSettings::WriteResult.
    int saveSetting(bool resetRequested, MainSettings &current, QString &backupPath);

    // The backup folder of a location: 0 the application's data folder,
    // 1 the user's documents; empty for any other value.
    static QString backupFolder(int location);
    void setLocationToolTip();

    void setTimeoutValue(int minutes);
    void setPasswordExpire(int days);
    // Selects the button of a cipher; a value outside 1 to 4 (a damaged
    // setting) selects the preferred cipher, never a weaker one.
    void setEncryptMethod(int cipher);
    void setAES128Check(bool on);
    void setAES256Check(bool on);
    void setAES512Check(bool on);
    void setAES1024Check(bool on);
    void setBackupLocation(int index);
    void setNumberOfBackup(int n);
    // The argument is the spin box's enabled state.
    void setNumberOfBackupDisable(bool enabled);
    // Ticks the box only; the spin box follows a click, not this.
    void setRetentionBackup(bool on);
    void setSettingsFile(const QString &path);
    // The argument is the button's enabled state.
    void setDisableRestoreButton(bool enabled);
    void setMountType(int index);

signals:
    // "Restore to default" has written "DoNotAsk" false.
    void saveReset();

private slots:
    void on_btnOk_clicked();
    void on_btnCancel_clicked();
    void on_btnResetConfirm_clicked();
    void chkRetention_Click();
    void on_cboBackupLocation_currentIndexChanged(int index);

private:
    QString settingsFile;
    Ui::OptionsDialog *ui;
};

#endif // OPTIONSDIALOG_H
