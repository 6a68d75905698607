#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "appstate.h"
#include "masterkey.h"
#include "tavcipherprops.h"
#include "tavkey.h"

#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QModelIndex>
#include <QNetworkAccessManager>
#include <QPoint>
#include <QStringList>
#include <QUrl>

#include <functional>

class LocalFileSystemModel;
class QAction;
class QCloseEvent;
class QFileSystemModel;
class QProgressDialog;
class QAbstractItemModel;
class QTimer;
class QTranslator;
class TAVCryptoThread;
class TAVExpiredDate;
class TAVFileSystemModel;
class TAVFileWatcher;
class TAVItem;
class TAVItemContainer;
class TAVProgressDialog;
class Ui_MainWindowClass;
class UpdateDownload;

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

    // Volume events of the platform: noted here, acted on by the drive poll.
    static bool isMount;
    static bool isUnmount;
    static void volumeEvent(bool mounted);

    // Where the program is taken to run from when its drive is looked up;
    // empty (the default) means QCoreApplication::applicationFilePath().
    static void setProgramPath(const QString &path);

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
    void autoCheckUpdate();
    void autoUpdate();

    // The main page as an unlock or a first run leaves it: icons of the
    // vaults, the Tools entries and the Lock and Synchronize buttons, the
    // reminder and the inactivity timer running.
    void showMainPage();

    // Start-up steps owned by later work.
    void firstRun();
    void setTempPath();
    void loadVault();
    void refresh_vaults();

    // Paths on the working drive.
    QString settingsFolder() const { return settingsDir; }
    QString settingsFile() const { return settingsFileName; }
    QString defaultVaultFolder() const { return defaultVaultDir; }

    // Update check, download and installation.
    // One check against the update host with a progress box; an
    // UpdateRequest result. On a find, updateReleaseNote, updateVer and
    // updateLink hold the offer.
    static int checkUpdate();
    // Called with the exit code once the updater runs, in place of closing
    // the window and ending the event loop (tests observe the exit there).
    static void setExitHook(std::function<void(int)> hook);
    // The start-up check, once the window is up and nothing modal is open.
    void runDueUpdateCheck();
    UpdateDownload *updateDownload = nullptr;
    QProgressDialog *downloadProgressDialog = nullptr;
    bool downloadCancelled = false;

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

    QTranslator *translator = nullptr;
    QUrl updateDownloadUrl;
    QString updateDownloadFile;
    QString languageFileName;
    QStringList languageList;
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
};

#endif // MAINWINDOW_H
