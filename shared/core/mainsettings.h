#ifndef MAINSETTINGS_H
#define MAINSETTINGS_H

#include <QByteArray>
#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QString>

class TAVSettings;

// The main window's preferences, kept in the group "Settings" of the settings
// store. read() takes them all from the store, checking each against the range
// the options dialog allows; the writers store only the keys their operation
// owns and save the whole store, as every writer of the store does.
class MainSettings
{
public:
    static constexpr int kDefaultWidth = 1024;
    static constexpr int kDefaultHeight = 580;
    static constexpr int kDefaultCipher = 2; // AES256, the cipher of new vaults
    static constexpr int kDefaultTimeOutMinutes = 10;
    static constexpr int kMaxTimeOutMinutes = 120;
    static constexpr int kDefaultRemindDays = 30;
    static constexpr int kMaxRemindDays = 999;
    static constexpr int kDefaultNumberOfBackups = 5;
    static constexpr int kMinNumberOfBackups = 1;
    static constexpr int kMaxNumberOfBackups = 20;

    // Every value at its default; the last password change is the clock's now.
    MainSettings();

    // Window layout, restored by the window when not empty.
    QSize size;                // "size"
    QPoint pos;                // "pos"
    QByteArray geometry;       // "MainWindow/geometry"
    QByteArray windowState;    // "MainWindow/windowState"
    QByteArray splitterSizes;  // "splitterSizes"
    QByteArray compSplitterSizes; // "comp_splitterSizes"
    QByteArray treeHeader;     // "treeHeader"
    QByteArray compTreeHeader; // "comp_treeHeader"

    int encryptionMethod;      // "encryptionMethod", 1 to 4
    QString language;          // "Language"; empty: follow the system's locale
    QString passwordHint;      // "passwordhint"
    bool doNotShowHowTo;       // "doNotShowHowTo"
    int minuteOfTimeOut;       // "MinuteOfTimeOut", 0 (never) to 120
    QDateTime lastChangedPasswordDate; // "LastChangedPasswordDate"
    int dayOfChangePasswordRemind;     // "DayOfChangePasswordRemind", 0 (never) to 999
    int backupLocation;        // "BackupLocation", 0 data folder, 1 documents
    int numberOfBackups;       // "NumberOfBackups", 1 to 20
    bool retentionBackup;      // "RetentionBackup"
    int mountType;             // "MountType", 0 none, 1 path

    // Points the store at the settings file, loads it and takes every value
    // from it (readValues). Returns the store's ReadResult; a missing or
    // damaged file leaves every value at its default.
    int read(const QString &settingsFile);
    // Takes every value from the store's memory. A missing key gives the
    // default; a value of the wrong type or outside its range gives the
    // default too, with a warning, so a damaged file never switches the
    // inactivity lock off or picks a cipher that does not exist.
    void readValues();

    // Shutdown: stores the layout keys and, while no update-check period has
    // been chosen, the first one (weekly from today); saves the store.
    // Returns the store's WriteResult.
    int writeLayout(const QString &settingsFile);

    // The writers of the other operations. Each sets its keys from the
    // members (or the argument) and saves the store; they return the store's
    // WriteResult.
    // The login: "Language", only when it differs from what is stored
    // (returns WriteOk without writing when it is the same).
    int storeLanguage();
    // First run and change of password: "passwordhint".
    int storePasswordHint();
    // A new or adopted default vault: the last password change is now, the
    // reminder period 30 days and the time-out 10 minutes, set in the
    // members too.
    int storeNewPasswordDefaults();
    // A changed password: "LastChangedPasswordDate" becomes now (also set in
    // the member).
    int storePasswordChanged();

private:
    static int write();
};

#endif // MAINSETTINGS_H
