// Construction (the start-up, in its fixed order) and shutdown.
#include "mainwindow.h"
#include "tavview.h"

#include "localfilesystemmodel.h"
#include "mountwatcher.h"
#include "productinfo.h"
#include "tavcryptothread.h"
#include "tavexception.h"
#include "tavexpireddate.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavfilewatcher.h"
#include "tavlistview.h"
#include "tavlogging.h"
#include "tavprogressdialog.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "translation.h"
#include "localdirtreeview.h"
#include "fileutils.h"
#include "mainwindowform.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>
#include <QToolBar>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initMainWindowResources()
{
    Q_INIT_RESOURCE(mainwindow);
    Q_INIT_RESOURCE(dialogs);
    Q_INIT_RESOURCE(core);
}

TAVKey &MainWindow::key = MasterKey::key;
QString &MainWindow::tempPath = AppState::tempPath;
QString &MainWindow::mountPoint = AppState::mountPoint;
QString &MainWindow::curLanguage = AppState::curLanguage;
TAVCipher MainWindow::vaultCipher = TAVCiphers::platform_preferred_cipher();
QString MainWindow::workingDeviceID;
QString MainWindow::backupPath;
int MainWindow::backupLocation = 0;
int MainWindow::numberOfBackups = 0;
bool MainWindow::retentionBackup = false;
int MainWindow::mountType = 0;
QString MainWindow::updateLink;
QString MainWindow::updateVer;
QString MainWindow::updateReleaseNote;
QString MainWindow::pID;
QString MainWindow::vID;
QString MainWindow::programPath;
QString MainWindow::mountTablePath;
const DriveLocator *MainWindow::usbDrives = nullptr;
QStringList MainWindow::arguments;
QString MainWindow::logFolder;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindowClass)
{
    initMainWindowResources();
    unlocked = false;
    doNotShowHowTo = false;

    // The column actions exist before the form, so that its by-name binding
    // reaches their slots.
    setupColumnActions();
    ui->setupUi(this);
    setWindowTitle(ProductInfo::title());
    tempPath.clear();

    ui->treeView->mainWindow = this;
    ui->listView->mainWindow = this;
    ui->dirView->mainWindow = this;
    ui->fsListView->mainWindow = this;
    ui->fsTreeView->mainWindow = this;
    ui->fsDirView->mainWindow = this;

    history.clear();
    historyIndex = 0;
    failedLogins = 0;
    fileWatcher = new TAVFileWatcher();
    translation = new Translation(this);

    const QStringList args = arguments.isEmpty() ? QCoreApplication::arguments() : arguments;
    applyLogSwitches(args);
    applyLanguageSwitch(args);

    setupViews();

    // The working drive: the stick holding the program, else the stand-in.
    // Without one there is no place for the settings: nothing is ever put
    // relative to the working folder.
    if (!findWorkingDrive())
        return;
    settingsDir = mountPoint + QStringLiteral("KolvaneVave Settings");
    settingsFileName = settingsDir + QStringLiteral("/config.dat");
    defaultVaultDir = mountPoint + QStringLiteral("KolvaneVave Vault");

    if (args.contains(QStringLiteral("-r"), Qt::CaseInsensitive)) {
        LOG_INFO << "Option -r detected, removing config file" << settingsFileName;
        FileUtils::remove(settingsDir, false);
    }
    if (args.contains(QStringLiteral("-update"), Qt::CaseInsensitive))
        LOG_INFO << "Option -update detected; nothing to do at start";

    readSettings();
    autoCheckUpdate();
    backupPath = backupLocation == 0
        ? QStandardPaths::writableLocation(QStandardPaths::DataLocation) + QStringLiteral("/Backup")
        : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QStringLiteral("/KolvaneVave/Backup");
    applyLanguage();
    retranslateColumnActions();

    if (!QFile::exists(settingsFileName)) {
        firstRun();
        if (quitAtStart)
            return;
    }

    setTempPath();
    if (!AppState::keptCopies.isEmpty())
        tellKeptCopies(AppState::keptCopies);

    inactivityTimer = new QTimer(this);
    inactivityTimer->setSingleShot(true);
    connect(inactivityTimer, &QTimer::timeout, this, &MainWindow::timeout_timer);

    if (ui->centralStackedWidget->currentIndex() == 0 && QFile::exists(settingsFileName)) {
        try {
            TAVFileSystem::getInstance()->removeAll();
            LOG_DEBUG << "File" << settingsFileName << "read succesfull";
        } catch (const TAVException &e) {
            LOG_ERROR << "Exception:" << e.what();
            showMessage(QMessageBox::Warning, windowTitle(), QString::fromUtf8(e.what()),
                        {QCoreApplication::translate("MainWindowClass", "OK")});
        }
    }

    cryptoThread = new TAVCryptoThread();
    connect(cryptoThread, &TAVCryptoThread::progress, this, &MainWindow::crypto_progress);
    connect(cryptoThread, &TAVCryptoThread::TAVCryptToError, this, &MainWindow::crypto_Message);
    connect(cryptoThread, &TAVCryptoThread::TAVFileAccessDeny, this,
            &MainWindow::crypto_AccessDeny_Message);

    progressDialog = new TAVProgressDialog(this);
    connect(progressDialog, &TAVProgressDialog::canceled, this, &MainWindow::progress_canceled);

    ui->actionDetails->setEnabled(unlocked);
    ui->actionList->setEnabled(unlocked);
    ui->actionThumbnail->setEnabled(unlocked);
    ui->qSearchLed->setEnabled(unlocked);
    ui->actionDeleteItem->setEnabled(false);
    busy = false;

    if (QThreadPool::globalInstance()->maxThreadCount() < 16)
        QThreadPool::globalInstance()->setMaxThreadCount(16);

    QHeaderView *header = ui->treeView->header();
    actionShowName->setChecked(!header->isSectionHidden(0));
    actionShowType->setChecked(!header->isSectionHidden(1));
    actionShowOriginalSize->setChecked(!header->isSectionHidden(4));
    actionShowDateCreated->setChecked(!header->isSectionHidden(3));
    actionShowDateModified->setChecked(!header->isSectionHidden(2));
    setWindowTitle(ProductInfo::title());

    connect(ui->qSearchLed, &QLineEdit::textChanged, this, &MainWindow::qSearchLed_textChanged);
    expiredDate = new TAVExpiredDate(this);
    connect(expiredDate, &TAVExpiredDate::expired, this,
            &MainWindow::actionPasswordExpired_triggered);

    if (ui->centralStackedWidget->currentIndex() == 0) {
        inactivityTimer->setInterval(300000);
        updateView(TAVFileSystem::getInstance());
        ui->ledPassword->setFocus(Qt::OtherFocusReason);
    } else {
        showMainPage();
    }

    drivePollTimer = new QTimer(this);
    drivePollTimer->setSingleShot(false);
    drivePollTimer->setInterval(5000);
    connect(drivePollTimer, &QTimer::timeout, this, &MainWindow::MountUnmountUSB);
    drivePollTimer->start();

    setAcceptDrops(false);
    // Volumes mounted and unmounted: noted by the watcher as they happen,
    // acted on by the drive poll.
    mountWatcher = new MountWatcher(
        mountTablePath.isEmpty() ? MountTable::defaultPath() : mountTablePath, this);

    addAction(ui->actionDeleteItem);
    addAction(ui->actionRenameItem);
    ui->btnLogin->setEnabled(false);

    ui->main_ToolBar->setStyleSheet(
        QStringLiteral("QToolBar{ background-image: url(:/res/top_bar.png); border: none; }"));
    // Added to the form's sheet, which holds the header and status-bar pictures.
    setStyleSheet(styleSheet() + QLatin1Char(' ')
                  + QStringLiteral("QToolButton {background-color: transparent; color:white; font: bold;}"));

    connect(ui->passwordHint, &QPushButton::clicked, this, &MainWindow::showPasswordHint);
    ui->passwordHint->setVisible(!passwordHintText.isEmpty());

    connect(ui->treeView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::tavSelectionChanged);
    connect(ui->listView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::tavSelectionChanged);
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(ui->treeView),
                                    static_cast<QAbstractItemView *>(ui->listView)})
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &MainWindow::updateSyncActions, Qt::UniqueConnection);

    startTimeOut();
}

void MainWindow::setupColumnActions()
{
    auto make = [this](const char *name) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        return action;
    };
    actionShowName = make("actionShowName");
    actionShowType = make("actionShowType");
    actionShowOriginalSize = make("actionShowOriginalSize");
    actionShowDateCreated = make("actionShowDateCreated");
    actionShowDateModified = make("actionShowDateModified");
    retranslateColumnActions();
}

// The column switches are made before the language is settled, so their
// texts are set again whenever the form's are.
void MainWindow::retranslateColumnActions()
{
    actionShowName->setText(Ui_MainWindowClass::tr("Name"));
    actionShowType->setText(Ui_MainWindowClass::tr("Type"));
    actionShowOriginalSize->setText(Ui_MainWindowClass::tr("Size"));
    actionShowDateCreated->setText(Ui_MainWindowClass::tr("Date Created"));
    actionShowDateModified->setText(Ui_MainWindowClass::tr("Date"));
}

void MainWindow::setupViews()
{
    // Local folder tree.
    localDirModel = new QFileSystemModel(ui->fsDirView);
    localDirModel->setObjectName(QStringLiteral("localDirModel"));
    localDirModel->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    localDirModel->setRootPath(QStringLiteral("/"));
    ui->fsDirView->setModel(localDirModel);
    ui->fsDirView->setSortingEnabled(true);
    ui->fsDirView->setColumnHidden(1, true);
    ui->fsDirView->setColumnHidden(2, true);
    ui->fsDirView->setColumnHidden(3, true);
    ui->fsDirView->header()->setStretchLastSection(true);
    ui->fsDirView->expand(localDirModel->index(0, 0, QModelIndex()));
    ui->fsDirView->setRootIsDecorated(true);
    ui->fsDirView->setRootIndex(localDirModel->index(QStringLiteral("/")));
    localDirModel->sort(0, Qt::AscendingOrder);

    // Vault folder tree.
    TAVFileSystemTreeModel *treeModel = TAVFileSystemTreeModel::getInstance(this);
    treeModel->setTreeView(ui->dirView);
    ui->dirView->setModel(treeModel);
    ui->dirView->setItemsExpandable(true);
    ui->dirView->setRootIsDecorated(true);
    ui->dirView->setAlternatingRowColors(false);
    ui->dirView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->dirView->setSelectionBehavior(QAbstractItemView::SelectItems);
    ui->dirView->header()->setStretchLastSection(true);
    ui->dirView->setSortingEnabled(false);
    ui->dirView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->dirView, &QWidget::customContextMenuRequested, this,
            &MainWindow::showDirViewContextMenu);

    // Contents views of the vaults.
    tavModel = TAVFileSystemModel::getInstance(this);
    tavModel->setObjectName(QStringLiteral("TAVFileSystemModel"));
    ui->treeView->setModel(tavModel);
    ui->listView->setModel(tavModel);
    ui->treeView->setColumnHidden(1, true);
    ui->treeView->setColumnHidden(3, true);
    QHeaderView *header = ui->treeView->header();
    header->resizeSection(0, 250);
    header->resizeSection(2, 140);
    header->resizeSection(3, 140);
    header->resizeSection(4, 70);
    header->resizeSection(5, 70);
    ui->treeView->sortByColumn(0, Qt::AscendingOrder);
    ui->treeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->treeView, &QWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
    header->setSectionsClickable(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &MainWindow::showHeaderContextMenu);
    ui->fsTreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->fsTreeView, &QWidget::customContextMenuRequested, this,
            &MainWindow::localShowContextMenu);
    ui->listView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->listView, &QWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
    connect(tavModel, &TAVFileSystemModel::modelSorted, this, &MainWindow::onModelSorted);

    // Local file list.
    localFileModel = new LocalFileSystemModel(this);
    localFileModel->setObjectName(QStringLiteral("LocalFileSystemModel"));
    ui->fsTreeView->setModel(localFileModel);
    ui->fsTreeView->setColumnHidden(1, true);
    ui->fsTreeView->setColumnHidden(2, true);
    localFileModel->setRootPath(QStringLiteral("/"));
    QHeaderView *localHeader = ui->fsTreeView->header();
    localHeader->resizeSection(0, 250);
    localHeader->resizeSection(3, 140);
    localHeader->resizeSection(4, 60);
    ui->fsTreeView->sortByColumn(0, Qt::AscendingOrder);
    // Items are dragged out of every pane; the list view and the local folder
    // tree switch it on themselves.
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(ui->treeView),
                                    static_cast<QAbstractItemView *>(ui->dirView),
                                    static_cast<QAbstractItemView *>(ui->fsTreeView)})
        view->setDragEnabled(true);
    activeModel = tavModel;
}

void MainWindow::showMainPage()
{
    ui->centralStackedWidget->setCurrentIndex(1);
    on_actionThumbnail_triggered();
    ui->actionDetails->setChecked(true);
    ui->actionThumbnail->setChecked(false);
    ui->actionDetails->setEnabled(true);
    ui->actionList->setEnabled(true);
    ui->actionThumbnail->setEnabled(true);
    ui->qSearchLed->setEnabled(true);
    ui->menuTool->addAction(ui->actionChange_Password);
    ui->menuTool->addAction(ui->actionBackupAllVault);
    ui->menuTool->addAction(ui->actionRestore_Vault);
    ui->menuTool->addSeparator();
    ui->menuTool->addAction(ui->actionOptions);
    inactivityTimer->setInterval(minuteOfTimeOut * 60000);
    setWindowTitle(ProductInfo::title());
    ui->main_ToolBar->insertAction(ui->toolBarGapAction, ui->actionLock);
    ui->main_ToolBar->insertAction(ui->toolBarGapAction, ui->actionSynchronize);
    updateView(TAVFileSystem::getInstance());
    buildSearchIndex(TAVFileSystem::getInstance());
    if (dayOfChangePasswordRemind > 0) {
        expiredDate->setExpiredDate(lastChangedPasswordDate.addDays(dayOfChangePasswordRemind));
        expiredDate->begin(QThread::LowestPriority);
    }
    ui->qSearchLed->setFocus(Qt::OtherFocusReason);
    startTimeOut();
}

MainWindow::~MainWindow()
{
    LOG_DEBUG << "Application shutdown";
    cancelSyncRuns();
    if (QFile::exists(settingsFileName))
        writeSettings();

    if (!busy) {
        TAVFileSystem *root = TAVFileSystem::getInstance();
        for (int i = 0; i < root->getItemCount(); ++i) {
            auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
            if (vault && vault->isLoaded())
                vault->unload();
        }
        updateView(root);
    }

    // A file job still running is told to stop and waited for: its output
    // is committed whole or not at all, never cut off by the end.
    if (cryptoThread) {
        cryptoThread->stop = true;
        cryptoThread->wait();
        delete cryptoThread;
        cryptoThread = nullptr;
    }
    delete progressDialog;
    progressDialog = nullptr;
    delete inactivityTimer;
    inactivityTimer = nullptr;
    if (expiredDate) {
        expiredDate->stop();
        expiredDate->wait();
        delete expiredDate;
        expiredDate = nullptr;
    }
    delete fileWatcher;
    fileWatcher = nullptr;
    TAVView::wipeDragFolders();
    delete actionShowName;
    delete actionShowType;
    delete actionShowOriginalSize;
    delete actionShowDateCreated;
    delete actionShowDateModified;
    delete localDirModel;
    delete localFileModel;
    delete ui;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!quitConfirmed && !confirmQuitWithKeptCopies()) {
        event->ignore();
        return;
    }
    // A job still running is cancelled as by its Cancel button: it stops
    // after the file in hand, keeps what it stored, wipes no original, and
    // the program ends once it has wound down.
    if (busy && progressDialog)
        progressDialog->cancel();
    event->accept();
}
