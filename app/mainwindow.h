#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "appstate.h"
#include "masterkey.h"
#include "tavcipherprops.h"
#include "tavkey.h"
#include "tavdrophost.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFuture>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QModelIndex>
#include <QNetworkAccessManager>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <functional>

#include <functional>

class DriveLocator;
class LocalFileSystemModel;
class MountWatcher;
class QAction;
class QCloseEvent;
class QFileSystemModel;
class QProgressDialog;
class RestoreWizard;
class QAbstractItemModel;
class QTimer;
class TAVCryptoThread;
class TAVExpiredDate;
class TAVFile;
class TAVFileSystemModel;
class TAVFileWatcher;
class TAVItem;
class TAVItemContainer;
class TAVProgressDialog;
class TAVVault;
class TavVaultProperty;
class Translation;
class Ui_MainWindowClass;
class UpdateDownload;

// The application's one window and the owner of the login state: the main
// form, the models of the views, the timers, the worker threads, the settings
// the operations read and the process-wide values other parts read. One
// class; its implementation is split by concern over the mainwindow_*.cpp
// files.
class MainWindow : public QMainWindow, public TAVDropHost
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
    // `focused` is the button Return presses (the first when -1).
    int showMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                    QStringList buttons, int focused = -1);

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

    // ---- Adding files, action rules, selection and vault statistics
    // (mainwindow_add.cpp, mainwindow_rules.cpp).
    bool canDecrypt(const QList<TAVItem *> &items);
    // The folder walk and the per-file step of an add job. The flag is the
    // job's ask-before-replacing answer ("Yes to All" clears it); the display
    // path is the entry's path below the job's top level. True when the
    // last entry was stored; a job stops on the progress dialog's cancel and
    // on the crypto-error and access-denied flags.
    bool encryptDir(TAVItemContainer *container, QString path, bool &askBeforeReplace,
                    QString displayPath);
    // info: what is known of the file at path (a folder listing's entry).
    bool encryptFile(TAVItemContainer *container, QString path, bool &askBeforeReplace,
                     QString displayPath, const QFileInfo &info);
    // A local folder the user may write into; false for anything else.
    static bool canAddFile(const QFileInfo &info);
    // Makes the local folder tree show and select the listed folder.
    void syncLocalDirView();
    // The space of the volume holding a path; tests put sizes of their own.
    std::function<quint64(const QString &)> freeDiskSpace;
    // Of the add job running: the free space of the vault's disk as asked
    // once (-1 before) and counted down, and the time its folders get.
    qint64 jobFreeSpace = -1;
    QDateTime jobTime;
    std::function<quint64(const QString &)> totalDiskSpace;
    // At most one statistics walk and repaint per this many ms during a job.
    int statsRefreshMs = 250;
    // Extracting and opening items (mainwindow_extract.cpp).
    // Writes a file item as a plain file, or a folder item as a folder with
    // everything below it, into targetDir under the item's name. One
    // askBeforeReplace flag, true at the start, is shared by a whole job;
    // "Yes to All" clears it. displayPath is the item's path within the job,
    // shown in the progress dialog. True only when the item and everything
    // below it were written; false when cancelled, skipped, refused or
    // failed. The item may have been deleted (a damaged body the user chose
    // to drop) when the call returns: don't use the pointer afterwards.
    bool decryptItem(TAVItem *item, QString targetDir, bool &askBeforeReplace, QString displayPath);
    // Decrypts the file to a copy of its own in the private temporary
    // folder, opens it in its usual application (or one the user picks) and
    // leaves it to the watcher, which puts every save back into the vault.
    void openFileInEditor(TAVFile *file);
    // Hook for the repair of a vault whose folder is there but whose index
    // is missing: offers the repair and rebuilds the index; true when the
    // vault can then be loaded (offerIndexRepair).
    bool repairMissingIndex(TAVVault *vault);
    // Enters a vault from the views, loading it first when it is not in memory.
    void enterVault(TAVVault *vault);

    bool isInstalled() const;
    bool isScreenLocked() const;
    int checkPassword(const QString &path, const TAVKey &key);

    // Login and lock.
    // Derives the master key from the password, tests it on the vault list,
    // reads the list into an empty tree and loads every vault whose folder
    // is there. 0 unlocked; 1 wrong password; 2 any other failure, already
    // told to the user (a damaged file is told as damage, by its name).
    int doUnlock(const QString &password);
    // Stops the password reminder and, when a reminder period is set,
    // starts it again for the last change plus that many days.
    void restartExpiryReminder();
    // The vault list written and read back under the new master key, then
    // the key files of the reachable vaults re-wrapped; only then does the
    // new key count. False, after telling the user, when the list could not
    // be written: the old password still opens everything.
    bool changeMasterKey(const TAVKey &oldKey, const TAVKey &newKey);
    // The text that tells a damaged file apart from a wrong password.
    QString damagedFileText(const QString &path) const;
    // Whether the vault's key file, unwrapped under the master key, opens
    // its index: then a list key that does not is the list's damage.
    bool keyFileOpensIndex(TAVVault *vault) const;
    // Asks before quitting while decrypted copies hold changes that are not
    // in their vault; true when the program may end.
    bool confirmQuitWithKeptCopies();
    // Empties the clipboard while it holds this program's Copy or Cut.
    void clearOwnClipboard();
    // Shows the job's progress window under the operation's name.
    void showProgress(const QString &operation);
    // The user already agreed to quit (an update being installed).
    bool quitConfirmed = false;
    // Decrypted copies a lock or an unlock had to keep, with their changes
    // not in the vault; the user has been told.
    QStringList keptCopies;
    // One of the hundred steps of the wait after ten wrong passwords.
    int lockOutStepMs = 600;

    // The end of a crypto job: delivers what the worker still has queued
    // (its error boxes shown, the flags set), then judges by the worker's
    // own end state too. 0 done, 1 cancelled, 2 failed.
    int finishCryptoJob();

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
    // The loaded vaults with their folders, to tell whether a drive refresh
    // changed anything the views show.
    QStringList loadedVaults() const;

    // Start-up ended in a way that ends the program (a first run given up or
    // failed, no working drive): the program leaves with exitCode().
    bool quitRequested() const { return quitAtStart; }
    int exitCode() const { return startExitCode; }

    // Vaults and items (mainwindow_vaults.cpp). The whole creation of a
    // vault with this cipher in a folder the user picks; the rule for the
    // names of new folders and vaults and of renames; the vault list saved
    // on its own (false, after telling the user, when it was not); the
    // window's name and folder prompts (false when not accepted); the
    // search results taken again from the rebuilt name index.
    void newVault(TAVCipher cipher);
    static bool isAllowedItemName(const QString &name);
    bool saveVaultList();
    bool askText(const QString &label, QString *text, bool password = false,
                 const QString &initial = QString());
    bool pickFolder(const QString &caption, bool acceptSave, QString *folder);
    void refreshSearchResults();

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
    // No value until the first Copy or Cut: nothing is pasted before one.
    TAVCipher clipboardCipher = TAV_CIPHER_NONE;
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
    // Lists the local folder again, after something was written into it.
    void onLocalFileSystemChanged(const QString &path = QString());

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
    // Scans in the pool hold their vault: lock and shutdown wait for them.
    QList<QFuture<void>> syncScans;
    // ---- end of synchronisation ----

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyLogSwitches(const QStringList &args);
    void applyLanguageSwitch(const QStringList &args);
    void setupViews();
    void setupColumnActions();
    // The column actions are the window's own, not the form's: they follow
    // a language switch here.
    void retranslateColumnActions();
    void showColumn(int column, QAction *action);
    void restoreViewMode(bool listWasChecked);
    void lockOutWait();
    // Empties the search index and the result list and shows the root, so
    // that nothing holds an item while vaults unload or load.
    void resetItemViews();
    // Unloads every loaded vault (views reset first); a failure is shown
    // and the others still unload.
    void unloadVaults();
    // The search index over the vault items alone, as the login page has it.
    void indexVaultsOnly();
    void loadVaultAtUnlock(TAVVault *vault);
    bool isMissingOnItsDrive(TAVVault *vault) const;
    bool recreateMissingVault(TAVVault *vault);
    void tellKeptCopies(const QStringList &copies);
    void warnSaveFailed(const QString &what);
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
    // Add job (mainwindow_add.cpp).
    QStringList chooseFilesToAdd();
    void runAddJob(TAVItemContainer *container, const QStringList &paths);
    // Before the files of a job are added: its lists emptied, its time taken,
    // the free space not asked yet.
    void beginAddJob();
    // Makes the job's bodies durable and saves the index. When the save
    // fails, the tree is read back from the disk and `container` becomes its
    // reloaded self.
    bool commitAddJob(TAVItemContainer *&container);
    // False, after telling the user, for a name extracting would refuse.
    bool refuseUnportableName(const QString &name, const QString &path);
    TAVItemContainer *revertToSavedIndex(TAVVault *vault, TAVItemContainer *container);
    void removeStoredSources(const QStringList &paths);
    int removeStored(const QString &path); // 0 go on, 1 stop removing
    void scheduleVaultStats(TAVItem *item);
    void flushVaultStats();
    void reportWorkerFailure(TAVVault *vault, const QString &path, quint64 size);
    QSet<QString> storedSources;   // sources stored by the running job
    QSet<QString> walkedFolders;   // canonical folders on the current walk
    QTimer *statsTimer = nullptr;
    QPointer<TAVItem> statsItem;

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
    // Tells where the earlier list went, once the first run has succeeded.
    void tellPreviousVaultList();

    // Vault properties, index repair and the refreshes the sync asks for.
public:
    // Asks whether to rebuild the index of a vault that could not be loaded
    // and, on " Yes ", rebuilds it from the headers of its files behind a
    // progress window and tells the outcome. True when a new index was
    // written; the caller then loads the vault.
    bool offerIndexRepair(TAVVault *vault);
    // Refresh requests are gathered this long, then served by one update.
    static constexpr int kVaultRefreshDelayMs = 250;

private:
    // Boxes through showMessage, and the views rebuilt after a repair.
    void prepareVaultProperty(TavVaultProperty *dialog);
    void vaultRepaired(TAVVault *vault);
    void flushVaultRefresh();

    QTimer *vaultRefreshTimer = nullptr;
    QStringList pendingRefreshPaths;
    QSet<QUuid> pendingRefreshVaults;
    // Backup and restore (mainwindow_backup.cpp).
public:
    // The dialog of the backup that runs; null between backups.
    QProgressDialog *backupProgress = nullptr;
    // The restore wizard while it is open; null otherwise.
    RestoreWizard *restoreWizard = nullptr;

private slots:
    // The wizard is about to take the vault's items away: nothing may show them.
    void restoreStarting(TAVVault *vault);
    // The vault (the same object, or a new one) is loaded again, or back as it was.
    void restoreFinished(TAVVault *vault);

private:
    // The vault a backup is for; null with the reason to tell (empty: nothing to tell).
    TAVVault *backupTarget(QString *refusal);
    void runBackup();
    void unloadVaultsWhileLocked();

    // ---- Drops onto the views and the copy onto the local disk
    // (mainwindow_dragdrop.cpp) ----
public:
    void dropItemsOnVault(QWidget *view, TAVItemContainer *target, const QStringList &paths, bool move,
                          const QList<QUrl> &urls) override;
    void dropFilesOnVault(QWidget *view, TAVItemContainer *target, const QStringList &paths, bool move,
                          const QList<QUrl> &urls) override;
    void dropItemsOnDisk(QWidget *view, const QStringList &paths, const QString &folder, bool move) override;
    bool dropFilesOnDisk(QWidget *view, const QStringList &paths, const QString &folder, bool move) override;
    bool canDropInto(const QFileInfo &folder) override { return canAddFile(folder); }
    // Copies a local file, or a folder with its visible entries, into
    // destination, asking before replacing while the flag is set ("Yes to
    // All" clears it). True only when everything was copied: a move deletes
    // its source on that alone. A question closed by the lock is a " No "
    // that also cancels the rest of the job.
    bool copyDir(QString source, QString destination, bool &askBeforeReplace, QString name);
    // Whether the sources of a move may be deleted now (the user's answer,
    // or true when told never to ask).
    bool confirmFileDelete();

private:
    bool copyEntry(const QString &source, const QString &destination, bool &askBeforeReplace,
                   QSet<QString> &walk, const QString &topTarget);
    void removeCopiedSource(const QString &path, QSet<QString> &walk);
    void removeDroppedSource(const QString &path);
    // Resets the models before `doomed` goes, so that no view, and no repaint
    // while events run, reaches a destroyed item.
    void releaseViewsOf(TAVItem *doomed);
    void finishVaultDrop(TAVItemContainer *target, TAVItemContainer *shown, bool save,
                         const QList<QUrl> &urls);
};

#endif // MAINWINDOW_H
