#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "appstate.h"
#include "masterkey.h"
#include "tavcipherprops.h"
#include "tavkey.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QModelIndex>
#include <QNetworkAccessManager>
#include <QPoint>
#include <QStringList>
#include <QUrl>

#include <functional>

class DriveLocator;
class LocalFileSystemModel;
class MountWatcher;
class QAction;
class QCloseEvent;
class QFileSystemModel;
class QAbstractItemModel;
class QTimer;
class TAVCryptoThread;
class TAVExpiredDate;
class TAVFileSystemModel;
class TAVFileWatcher;
class TAVItem;
class TAVItemContainer;
class TAVProgressDialog;
class TAVVault;
class Translation;
class Ui_MainWindowClass;

// The application's one window and the owner of the login state: the main
// form, the models of the views, the timers, the worker threads, the settings
// the operations read and the process-wide values other parts read. One
// class; its implementation is split by concern over the mainwindow_*.cpp
// files.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    // Writes the settings, unloads the vaults unless a job runs, and stops
    // and waits for the worker threads before they go: no half-written body
    // and no thread killed in the middle of its work.
    ~MainWindow() override;

    // Process-wide values. Those the library also reads live there and are
    // only named here.
    static TAVKey &key;             // master key (MasterKey::key)
    static QString &tempPath;       // temporary folder for decrypted copies (AppState)
    static QString &mountPoint;     // working drive's mount point, ending with "/" (AppState)
    static QString &curLanguage;    // interface language code (AppState)
    static TAVCipher vaultCipher;   // cipher of the vault being worked on
    static QString workingDeviceID; // serial number of the working drive
    static QString backupPath;
    static int backupLocation;      // 0 application data folder, 1 documents folder
    static int numberOfBackups;
    static bool retentionBackup;
    static int mountType;
    static QString updateLink;
    static QString updateVer;
    static QString updateReleaseNote;
    static QString pID;
    static QString vID;

    // Where the program is taken to run from when its drive is looked up;
    // empty (the default) means QCoreApplication::applicationFilePath().
    static void setProgramPath(const QString &path);
    // Where USB sticks are found (not owned); null (the default) is the
    // system's. Tests hand in drives of their own.
    static void setUsbDrives(const DriveLocator *drives);
    // The command line start-up reads; empty (the default) means the
    // application's own arguments.
    static void setArguments(const QStringList &args);
    // The folder a log switch puts the log file in; empty (the default)
    // means beside the program, else the user's data folder.
    static void setLogFolder(const QString &folder);
    // The mount table the drive poll watches; empty (the default) means the
    // system's. Tests hand in a file of their own.
    static void setMountTablePath(const QString &path);

    // Every question and report: a modal box with the caller's button texts,
    // tied to the lock and to the inactivity timer. Returns the index of the
    // pressed button, or -1 when the box closed without one (a lock).
    int showMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                    QStringList buttons);

    // View refresh and navigation.
    void updateView(TAVItemContainer *container);
    void onFileSystemChanged(TAVItemContainer *changed);
    void syncDirView();
    void onCrytoWorkerCompleted();
    void buildSearchIndex(TAVItem *item) const;
    TAVItem *getParentItem();
    TAVItem *getCurrentItem();
    QList<TAVItem *> getSelectedItems();
    bool canMoveHome();
    void showFileSystemView();
    void ChangeDefaultView();
    QModelIndex findDirViewItem(const QModelIndex &index, const QString &path) const;
    void resetDirView();
    // Appends a container entered by the user to the navigation history.
    void enterHistory(TAVItemContainer *container);

    // Item rules the action states depend on (filled by the item operations).
    bool canDelete(const QList<TAVItem *> &items);
    bool canCopyItems();
    bool canCutItems();
    bool canPasteItems();
    void updateVaultStats(TAVItem *item);

    bool isInstalled() const;
    bool isScreenLocked() const;
    int checkPassword(const QString &path, const TAVKey &key);

    // Settings, language and the update schedule.
    void readSettings();
    void writeSettings();
    void applyLanguage();
    void installTranslator(const QString &name);
    // "kolvane_<code>.qm" of the last translation installed; empty before any.
    QString languageFile() const;
    void autoCheckUpdate();
    void autoUpdate();

    // The main page as an unlock or a first run leaves it: icons of the
    // vaults, the Tools entries and the Lock and Synchronize buttons, the
    // reminder and the inactivity timer running.
    void showMainPage();

    // First run on a drive (no settings file): a new default vault, or the
    // adoption of the default vault folder already there. A run that fails
    // or is given up removes what it made and asks the program to end.
    void firstRun();
    bool kvVaveCreatePassword();
    bool registerStick(const QString &password);
    void connectVault();
    QString genAutoUniqueVaultName() const;
    void setTempPath();
    void loadVault();
    // Loads and unloads the vaults as their drives and folders come and go;
    // ends the program when its own drive is gone while unlocked. True when
    // some list entry had no vault in the tree.
    bool refresh_vaults();

    // Start-up ended in a way that ends the program (a first run given up or
    // failed, no working drive): the program leaves with exitCode().
    bool quitRequested() const { return quitAtStart; }
    int exitCode() const { return startExitCode; }

    // Paths on the working drive.
    QString settingsFolder() const { return settingsDir; }
    QString settingsFile() const { return settingsFileName; }
    QString defaultVaultFolder() const { return defaultVaultDir; }

    Ui_MainWindowClass *ui;
    TAVProgressDialog *progressDialog = nullptr;
    bool busy = false; // an add or extract job runs
    TAVCryptoThread *cryptoThread = nullptr;
    bool unlocked = false;
    bool cryptoError = false;
    bool accessDenied = false;
    QString passwordHintText;
    int minuteOfTimeOut = 10;
    int dayOfChangePasswordRemind = 30;
    int encryptionMethod = 2;
    QDateTime lastChangedPasswordDate;
    int failedLogins = 0;
    QStringList history;
    int historyIndex = 0;
    QAbstractItemModel *activeModel = nullptr;
    TAVCipher clipboardCipher = TAVCiphers::platform_preferred_cipher();
    TAVFileWatcher *fileWatcher = nullptr;
    QTimer *inactivityTimer = nullptr;
    QTimer *drivePollTimer = nullptr;
    MountWatcher *mountWatcher = nullptr;
    TAVExpiredDate *expiredDate = nullptr;
    bool resetConfirmDelete = false;
    bool doNotShowHowTo = false;

signals:
    void appLocked();

public slots:
    void startTimeOut();
    void stopTimeOut();

    // Login, lock and the login page.
    void on_btnLogin_clicked(bool checked = false);
    void on_ledPassword_returnPressed();
    void on_ledPassword_textChanged(const QString &text);
    void on_btnVirKeyBoard_clicked();
    void on_cboLanguage_currentIndexChanged(int index);
    void showPasswordHint();
    void on_actionLock_triggered();
    void timeout_timer();
    void actionPasswordExpired_triggered();
    void on_actionChange_Password_triggered();
    void MountUnmountUSB();

    // Navigation and views.
    void on_actionThumbnail_triggered();
    void on_actionDetails_triggered();
    void on_actionList_triggered();
    void showHeaderContextMenu(const QPoint &pos);
    void on_dirView_clicked(const QModelIndex &index);
    void showDirViewContextMenu(const QPoint &pos);
    void onModelSorted();
    void qSearchLed_textChanged(const QString &text);
    void on_actionMoveHome_triggered();
    void on_actionMoveBack_triggered();
    void on_actionMoveForward_triggered();
    void on_actionShowName_triggered();
    void on_actionShowType_triggered();
    void on_actionShowOriginalSize_triggered();
    void on_actionShowDateCreated_triggered();
    void on_actionShowDateModified_triggered();

    // The crypto worker and the progress dialog.
    void crypto_progress(int percent);
    void crypto_Message(const QString &text);
    void crypto_AccessDeny_Message(const QString &text);
    void progress_canceled();

    // Help menu, options and updates.
    void on_actionExit_triggered();
    void on_actionSupport_Center_triggered();
    void on_actionAbout_triggered();
    void on_actionCheckUpdate_triggered();
    void on_actionOptions_triggered();
    void SaveResetConfirmDelete();
    void downloadAndInstallUpdate();
    void startDownloadUpdate(const QUrl &url);
    void downloadProgress(qlonglong received, qlonglong total);
    void downloadReadyRead();
    void cancelDownload();
    void downloadFinished();

    // Vault and item operations.
    void on_actionAdd_Files_triggered();
    void on_actionDecrypt_File_triggered();
    void on_actionDeleteItem_triggered();
    void on_actionRenameItem_triggered();
    void on_actionNew_Folder_triggered();
    void on_actionRemove_Folder_triggered();
    void on_actionNew_Vault_triggered();
    void on_actionRemove_Vault_triggered();
    void on_actionAdd_Existing_Vault_triggered();
    void on_actionCopyItem_triggered();
    void on_actionCutItem_triggered();
    void on_actionPasteItem_triggered();
    void on_actionMoveItem_triggered();
    void on_actionSelectAll_triggered();
    void on_actionVaultProperty_triggered();
    void on_actionOpenInFinder_triggered();
    void on_treeView_clicked(const QModelIndex &index);
    void on_treeView_doubleClicked(const QModelIndex &index);
    void on_listView_clicked(const QModelIndex &index);
    void on_listView_doubleClicked(const QModelIndex &index);
    void tavSelectionChanged();
    void showContextMenu(const QPoint &pos);
    void vault_refresh(TAVItemContainer *folder);
    void localShowContextMenu(const QPoint &pos);
    void on_fsDirView_clicked(const QModelIndex &index);
    void on_fsTreeView_clicked(const QModelIndex &index);
    void on_fsTreeView_doubleClicked(const QModelIndex &index);
    void on_fsListView_clicked(const QModelIndex &index);
    void on_fsListView_doubleClicked(const QModelIndex &index);
    void on_actionLocalRenameItem_triggered();
    void on_actionLocalDeleteItem_triggered();
    void on_actionBrowseDesktop_triggered();
    void on_actionBrowseMyDocuments_triggered();
    void on_actionBrowseComputer_triggered();

    // Synchronisation, backup and restore.
    void on_actionBackupVault_triggered();
    void on_actionBackupAllVault_triggered();
    void on_actionRestore_Vault_triggered();
    void on_actionAddSyncPeer_triggered();
    void backupVaultProgress(qlonglong bytes);
    void updateRestore();
    void changeSyncIcon(uint total);

    // ---- Synchronisation from the window (mainwindow_sync.cpp) ----
public:
    // After unlock: the pending-change scan of every loaded vault on the
    // pool; the Synchronize badge shows the sum of their counts.
    void startSyncScans();
    // At lock, before the vaults are unloaded: every synchronisation and
    // scan stops before its next change, so no index is saved after it.
    void cancelSyncRuns();
    // A synchronisation of the vault behind a modal progress dialog (over
    // `parent`, else the window) with its lines and one result; the vault is
    // scanned again after it. Returns while the run may still go on.
    void synchronizeVault(TAVVault *vault, QWidget *parent = nullptr);

public slots:
    // Synchronize and Add Sync Peer: enabled only for a loaded vault.
    void updateSyncActions();
    void on_actionSynchronize_triggered();

private:
    void addSyncPeer();
    void protectSyncFolders();
    // A scan of the vault for the badge, to run on the pool.
    std::function<void()> syncScanTask(TAVVault *vault);
    void showSyncCount();
    int syncScanGeneration = 0;        // counts of older scans are dropped
    QHash<TAVVault *, uint> syncCounts; // pending changes per vault
    // ---- end of synchronisation ----

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyLogSwitches(const QStringList &args);
    void applyLanguageSwitch(const QStringList &args);
    void setupViews();
    void setupColumnActions();
    void showColumn(int column, QAction *action);
    void restoreViewMode(bool listWasChecked);
    void warnSaveFailed(const QString &what);
    // One warning listing the decrypted copies that were kept because their
    // changes could not reach their vault.
    void tellKeptCopies(const QStringList &copies);
    bool findWorkingDrive();
    void requestQuit(int code);
    bool adoptDefaultVault(const QString &newPassword);
    bool unwrapDefaultVaultKey(const QString &candidate, TAVKey *vaultKey, TAVCipher *cipher) const;
    bool refuseAdoption();
    bool writeFirstVaultList(const TAVKey &master);
    bool writeFirstSettings(bool withHint);
    void failFirstRun(const QString &text);
    void undoFirstRun();

    Translation *translation = nullptr;
    QUrl updateDownloadUrl;
    QString updateDownloadFile;
    QAction *actionShowName = nullptr;
    QAction *actionShowType = nullptr;
    QAction *actionShowOriginalSize = nullptr;
    QAction *actionShowDateCreated = nullptr;
    QAction *actionShowDateModified = nullptr;
    QFileSystemModel *localDirModel = nullptr;
    LocalFileSystemModel *localFileModel = nullptr;
    TAVFileSystemModel *tavModel = nullptr;
    QString settingsDir;
    QString settingsFileName;
    QString defaultVaultDir;
    QString password;
    QNetworkAccessManager networkManager;

    static QString programPath;
    static QString mountTablePath;
    static const DriveLocator *usbDrives;
    static QStringList arguments;
    static QString logFolder;

    bool quitAtStart = false;
    int startExitCode = 0;
    // What this first run made, in order; undone in reverse when it fails.
    QStringList firstRunCreated;
    QString previousVaultList; // an earlier list set aside by this first run
};

#endif // MAINWINDOW_H
