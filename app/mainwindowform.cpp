#include "mainwindowform.h"

#include "textfit.h"

#include "localdirtreeview.h"
#include "tavlistview.h"
#include "tavtreeview.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileIconProvider>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpacerItem>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QAction *makeAction(QMainWindow *window, const char *name, const char *icon = nullptr)
{
    QAction *action = icon ? new QAction(QIcon(QString::fromLatin1(icon)), QString(), window)
                           : new QAction(window);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void styledPanel(QFrame *frame)
{
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(0);
    frame->setContentsMargins(0, 0, 0, 0);
}

void whiteBackground(QWidget *widget)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(Qt::white, Qt::SolidPattern));
    widget->setPalette(pal);
}

QFrame *rule(QWidget *parent, QFrame::Shape shape, QFrame::Shadow shadow)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(shadow);
    return line;
}

QFont headerFont()
{
    QFont font;
    font.setPixelSize(14);
    font.setWeight(75);
    return font;
}

QToolButton *paneButton(QWidget *parent, QAction *action)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(32, 32));
    button->setFixedSize(32, 32);
    button->setStyleSheet(QStringLiteral("border:none"));
    return button;
}

QFrame *separator(QWidget *parent)
{
    QFrame *line = rule(parent, QFrame::VLine, QFrame::Sunken);
    line->setFixedSize(2, 24);
    return line;
}

QToolButton *browseButton(QWidget *parent, QAction *action)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setIconSize(QSize(32, 32));
    button->setFixedHeight(22);
    button->setStyleSheet(QStringLiteral(
        "QToolButton{background-color: transparent; color:black; font: bold;}"));
    return button;
}

} // namespace

void Ui_MainWindowClass::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindowClass"));
    window->setWindowFlags(Qt::Window);
    window->setMinimumSize(1000, 400);
    window->setBaseSize(1000, 400);
    window->resize(1024, 580);
    window->setIconSize(QSize(16, 16));
    QFont font(QStringLiteral("Lucida Grande"));
    // 12 points on the 72-dpi screens the layout was drawn for: 12 pixels
    // here, so the fixed-width fields hold their texts.
    font.setPixelSize(12);
    window->setFont(font);

    setupActions(window);

    centralStackedWidget = new QStackedWidget(window);
    centralStackedWidget->setObjectName(QStringLiteral("centralStackedWidget"));
    centralStackedWidget->setContentsMargins(0, 0, 0, 0);
    setupLoginPage();
    setupMainPage();
    window->setCentralWidget(centralStackedWidget);

    setupToolBar(window);
    setupMenus(window);
    setupStatusBar(window);

    const QString gap(32, QLatin1Char(' '));
    window->setStyleSheet(
        QStringLiteral("#main_ToolBar{ background-image: url(:/res/top_bar.png); border: none; }")
        + gap + QStringLiteral("#statusBar{ background-image: url(:/res/footer_bg.png); }")
        + gap + QStringLiteral("#tavViewHeaderFrame{ background-image: url(:/res/header_bg.png); }")
        + gap + QStringLiteral("#comViewHeaderFrame{ background-image: url(:/res/header_bg.png); }"));

    lblStatusIcon->hide();
    lblStatusText->hide();
    centralStackedWidget->setCurrentIndex(0);
    tavViewStackedWidget->setCurrentIndex(0);
    computerViewStackedWidget->setCurrentIndex(0);

    retranslateUi(window);
    QMetaObject::connectSlotsByName(window);
}

void Ui_MainWindowClass::setupActions(QMainWindow *window)
{
    actionAdd_Files = makeAction(window, "actionAdd_Files", ":/res/file_add_32.png");
    actionDeleteItem = makeAction(window, "actionDeleteItem");
    actionDeleteItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    actionLocalRenameItem = makeAction(window, "actionLocalRenameItem");
    actionLocalRenameItem->setShortcut(QKeySequence(QStringLiteral("F2")));
    actionLocalDeleteItem = makeAction(window, "actionLocalDeleteItem");
    actionLocalDeleteItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    actionNew_Vault = makeAction(window, "actionNew_Vault");
    actionRemove_Vault = makeAction(window, "actionRemove_Vault");
    actionExit = makeAction(window, "actionExit");
    actionExit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    actionSynchronize = makeAction(window, "actionSynchronize", ":/res/refresh_32.png");
    actionDetails = makeAction(window, "actionDetails");
    actionDetails->setCheckable(true);
    actionDetails->setChecked(true);
    actionList = makeAction(window, "actionList");
    actionList->setCheckable(true);
    actionThumbnail = makeAction(window, "actionThumbnail");
    actionThumbnail->setCheckable(true);
    actionFolders = makeAction(window, "actionFolders");
    actionFolders->setCheckable(true);
    actionSupport_Center = makeAction(window, "actionSupport_Center", ":/res/help_earth.png");
    actionNew_Folder = makeAction(window, "actionNew_Folder", ":/res/folder_add_32.png");
    actionRemove_Folder = makeAction(window, "actionRemove_Folder");
    actionDecrypt_File = makeAction(window, "actionDecrypt_File");
    actionAdd_Existing_Vault = makeAction(window, "actionAdd_Existing_Vault");
    actionChange_Password = makeAction(window, "actionChange_Password");
    actionAbout = makeAction(window, "actionAbout", ":/res/about.png");
    actionCheckUpdate = makeAction(window, "actionCheckUpdate");
    actionLock = makeAction(window, "actionLock", ":/res/lock_32.png");
    actionCopyItem = makeAction(window, "actionCopyItem", ":/res/copy_32.png");
    actionCopyItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    actionCutItem = makeAction(window, "actionCutItem", ":/res/cut_32.png");
    actionCutItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    actionPasteItem = makeAction(window, "actionPasteItem", ":/res/paste_32.png");
    actionPasteItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    actionMoveItem = makeAction(window, "actionMoveItem", ":/res/move.png");
    actionRenameItem = makeAction(window, "actionRenameItem");
    actionRenameItem->setShortcut(QKeySequence(QStringLiteral("F2")));
    actionMoveBack = makeAction(window, "actionMoveBack", ":/res/back.png");
    actionMoveForward = makeAction(window, "actionMoveForward", ":/res/forward_32.png");
    actionMoveHome = makeAction(window, "actionMoveHome", ":/res/jump_32.png");
    actionSelectAll = makeAction(window, "actionSelectAll");
    actionSelectAll->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    {
        // Made once for the three browse actions and released at once.
        QFileIconProvider icons;
        actionBrowseDesktop = new QAction(icons.icon(QFileIconProvider::Desktop), QString(), window);
        actionBrowseDesktop->setObjectName(QStringLiteral("actionBrowseDesktop"));
        actionBrowseMyDocuments = new QAction(icons.icon(QFileIconProvider::Folder), QString(), window);
        actionBrowseMyDocuments->setObjectName(QStringLiteral("actionBrowseMyDocuments"));
        actionBrowseComputer = new QAction(icons.icon(QFileIconProvider::Computer), QString(), window);
        actionBrowseComputer->setObjectName(QStringLiteral("actionBrowseComputer"));
    }
    actionBackupAllVault = makeAction(window, "actionBackupAllVault");
    actionRestore_Vault = makeAction(window, "actionRestore_Vault");
    actionOptions = makeAction(window, "actionOptions");
    actionVaultProperty = makeAction(window, "actionVaultProperty");
    actionAddSyncPeer = makeAction(window, "actionAddSyncPeer", ":/res/refresh_16.png");
    actionOpenInFinder = makeAction(window, "actionOpenInFinder");
    actionBackupVault = makeAction(window, "actionBackupVault");
}

void Ui_MainWindowClass::setupLoginPage()
{
    loginScreenFrame = new QFrame(centralStackedWidget);
    loginScreenFrame->setObjectName(QStringLiteral("loginScreenFrame"));
    loginScreenFrame->setMinimumSize(200, 200);
    whiteBackground(loginScreenFrame);
    styledPanel(loginScreenFrame);
    auto *grid = new QGridLayout(loginScreenFrame);

    lblLoginImage = new QLabel(loginScreenFrame);
    lblLoginImage->setObjectName(QStringLiteral("lblLoginImage"));
    lblLoginImage->setPixmap(QPixmap(QStringLiteral(":/res/app-icon.png")));
    lblLoginImage->setAlignment(Qt::AlignCenter);
    grid->addWidget(lblLoginImage, 1, 1, 1, 3, Qt::AlignCenter);
    grid->setRowStretch(0, 10);

    auto *column = new QVBoxLayout();
    cboLanguage = new QComboBox(loginScreenFrame);
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    cboLanguage->setFixedWidth(208);
    cboLanguage->addItem(QIcon(), QString());
    // The languages' own names, never translated.
    static const char *const names[] = {
        "Deutsch", "English", "Español", "Français", "Italiano",
        "日本语", "Português", "简体中文版", "繁體中文版"};
    for (const char *name : names)
        cboLanguage->addItem(QString::fromUtf8(name));
    column->addWidget(cboLanguage, 0, Qt::AlignCenter);

    auto *passwordRow = new QHBoxLayout();
    ledPassword = new QLineEdit(loginScreenFrame);
    ledPassword->setObjectName(QStringLiteral("ledPassword"));
    ledPassword->setFixedWidth(170);
    ledPassword->setEchoMode(QLineEdit::Password);
    passwordRow->addWidget(ledPassword, 0, Qt::AlignCenter);
    btnVirKeyBoard = new QToolButton(loginScreenFrame);
    btnVirKeyBoard->setObjectName(QStringLiteral("btnVirKeyBoard"));
    btnVirKeyBoard->setIcon(QIcon(QStringLiteral(":/res/virtualkeyboard-icon.png")));
    btnVirKeyBoard->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnVirKeyBoard->setFixedHeight(24);
    btnVirKeyBoard->setCursor(Qt::PointingHandCursor);
    btnVirKeyBoard->setStyleSheet(
        QStringLiteral("#btnVirKeyBoard{background-color:button;color:black;border:none}"));
    passwordRow->addWidget(btnVirKeyBoard);
    column->addLayout(passwordRow);

    btnLogin = new QPushButton(loginScreenFrame);
    btnLogin->setObjectName(QStringLiteral("btnLogin"));
    btnLogin->setFixedWidth(120);
    column->addWidget(btnLogin, 0, Qt::AlignCenter);

    passwordHint = new QPushButton(loginScreenFrame);
    passwordHint->setObjectName(QStringLiteral("passwordHint"));
    passwordHint->setFlat(true);
    passwordHint->setCursor(Qt::PointingHandCursor);
    passwordHint->setStyleSheet(QStringLiteral("color: gray"));
    passwordHint->hide();
    column->addWidget(passwordHint, 0, Qt::AlignCenter);
    grid->addLayout(column, 2, 2, 1, 1, Qt::AlignCenter);

    centralStackedWidget->insertWidget(0, loginScreenFrame);
}

void Ui_MainWindowClass::setupMainPage()
{
    viewScreenFrame = new QFrame(centralStackedWidget);
    viewScreenFrame->setObjectName(QStringLiteral("viewScreenFrame"));
    viewScreenFrame->setMinimumSize(600, 240);
    whiteBackground(viewScreenFrame);
    styledPanel(viewScreenFrame);
    auto *layout = new QVBoxLayout(viewScreenFrame);
    layout->setContentsMargins(0, 0, 0, 0);

    mainSplitter = new QSplitter(Qt::Vertical, viewScreenFrame);
    mainSplitter->addWidget(setupVaultPane(mainSplitter));
    mainSplitter->addWidget(setupComputerPane(mainSplitter));
    mainSplitter->setSizes({350, 250});
    layout->addWidget(mainSplitter);

    // Kept in step by the navigation but never shown nor laid out.
    dirView = new TAVTreeView(viewScreenFrame);
    dirView->setObjectName(QStringLiteral("dirView"));
    dirView->header()->hide();
    dirView->hide();

    centralStackedWidget->insertWidget(1, viewScreenFrame);
}

QFrame *Ui_MainWindowClass::setupVaultPane(QWidget *parent)
{
    vaultPaneFrame = new QFrame(parent);
    styledPanel(vaultPaneFrame);
    auto *pane = new QVBoxLayout(vaultPaneFrame);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->setSpacing(0);

    auto *gridLayoutWidget = new QWidget(vaultPaneFrame);
    gridLayoutWidget->setObjectName(QStringLiteral("gridLayoutWidget"));
    gridLayoutWidget->setGeometry(0, 0, 561, 41);
    auto *tavHeaderLayout = new QGridLayout(gridLayoutWidget);
    tavHeaderLayout->setObjectName(QStringLiteral("tavHeaderLayout"));
    tavHeaderLayout->setSpacing(6);
    tavHeaderLayout->setContentsMargins(0, 0, 0, 0);
    auto *horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setSpacing(6);
    horizontalLayout->addSpacing(10);
    lblVaultHeader = new QLabel(gridLayoutWidget);
    lblVaultHeader->setFixedHeight(24);
    lblVaultHeader->setStyleSheet(QStringLiteral("color: gray"));
    lblVaultHeader->setFont(headerFont());
    horizontalLayout->addWidget(lblVaultHeader);
    horizontalLayout->addItem(new QSpacerItem(250, 24, QSizePolicy::Preferred, QSizePolicy::Preferred));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionMoveBack));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionMoveForward));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionMoveHome));
    horizontalLayout->addWidget(separator(gridLayoutWidget));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionAdd_Files));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionNew_Folder));
    horizontalLayout->addWidget(separator(gridLayoutWidget));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionCopyItem));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionCutItem));
    horizontalLayout->addWidget(paneButton(gridLayoutWidget, actionPasteItem));
    qSearchLed = new QLineEdit(gridLayoutWidget);
    qSearchLed->setFixedSize(150, 20);
    qSearchLed->setAttribute(Qt::WA_MacShowFocusRect, false);
    qSearchLed->setStyleSheet(QStringLiteral(
        "QLineEdit {color: rgb(127, 0, 63); selection-color: white; border: 2px groove gray; "
        "border-radius: 8px; padding: 2px 4px; } QLineEdit:focus {border: 2px groove dodgerblue;} "));
    horizontalLayout->addWidget(qSearchLed, 0, Qt::AlignVCenter);
    horizontalLayout->addItem(new QSpacerItem(10, 24, QSizePolicy::Fixed, QSizePolicy::Preferred));
    tavHeaderLayout->addLayout(horizontalLayout, 0, 0, 10, 1);
    pane->addWidget(gridLayoutWidget);

    tavViewHeaderFrame = new QFrame(vaultPaneFrame);
    tavViewHeaderFrame->setObjectName(QStringLiteral("tavViewHeaderFrame"));
    tavViewHeaderFrame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    tavViewHeaderFrame->setFrameShape(QFrame::NoFrame);
    pane->addWidget(tavViewHeaderFrame);
    pane->addWidget(rule(vaultPaneFrame, QFrame::HLine, QFrame::Raised));

    tavViewStackedWidget = new QStackedWidget(vaultPaneFrame);
    tavViewStackedWidget->setObjectName(QStringLiteral("tavViewStackedWidget"));
    tavViewStackedWidget->setContentsMargins(0, 0, 0, 0);
    tavViewStackedWidget->setFrameShape(QFrame::NoFrame);
    treeView = new TAVTreeView(tavViewStackedWidget);
    treeView->setObjectName(QStringLiteral("treeView"));
    treeView->setFrameShape(QFrame::NoFrame);
    tavViewStackedWidget->addWidget(treeView);
    listView = new TAVListView(tavViewStackedWidget);
    listView->setObjectName(QStringLiteral("listView"));
    listView->setFrameShape(QFrame::NoFrame);
    tavViewStackedWidget->addWidget(listView);
    pane->addWidget(tavViewStackedWidget);
    return vaultPaneFrame;
}

QFrame *Ui_MainWindowClass::setupComputerPane(QWidget *parent)
{
    computerPaneFrame = new QFrame(parent);
    styledPanel(computerPaneFrame);
    auto *pane = new QVBoxLayout(computerPaneFrame);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->setSpacing(0);

    comViewHeaderFrame = new QFrame(computerPaneFrame);
    comViewHeaderFrame->setObjectName(QStringLiteral("comViewHeaderFrame"));
    comViewHeaderFrame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    comViewHeaderFrame->setFrameShape(QFrame::NoFrame);
    auto *header = new QVBoxLayout(comViewHeaderFrame);
    header->setContentsMargins(10, 5, 10, 5);
    header->setSpacing(0);
    lblComputerHeader = new QLabel(comViewHeaderFrame);
    lblComputerHeader->setFixedHeight(24);
    lblComputerHeader->setStyleSheet(QStringLiteral("color: gray"));
    lblComputerHeader->setFont(headerFont());
    header->addWidget(lblComputerHeader);
    pane->addWidget(comViewHeaderFrame);
    pane->addWidget(rule(computerPaneFrame, QFrame::HLine, QFrame::Raised));

    computerSplitter = new QSplitter(Qt::Horizontal, computerPaneFrame);
    computerSplitter->setContentsMargins(-1, -1, 0, 0);

    auto *left = new QFrame(computerSplitter);
    left->setFrameShape(QFrame::NoFrame);
    left->setContentsMargins(0, 0, 0, 0);
    auto *leftRow = new QHBoxLayout(left);
    leftRow->setContentsMargins(0, 0, 0, 0);
    leftRow->setSpacing(0);
    auto *leftColumn = new QVBoxLayout();
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->setSpacing(0);
    leftColumn->addItem(new QSpacerItem(10, 5, QSizePolicy::Preferred, QSizePolicy::Fixed));
    leftColumn->addWidget(browseButton(left, actionBrowseComputer));
    leftColumn->addWidget(browseButton(left, actionBrowseDesktop));
    leftColumn->addWidget(browseButton(left, actionBrowseMyDocuments));
    leftColumn->addItem(new QSpacerItem(10, 10, QSizePolicy::Preferred, QSizePolicy::Fixed));
    auto *line = new QFrame(left);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background-color: #d5d5d5;"));
    leftColumn->addWidget(line);
    auto *treeBox = new QVBoxLayout();
    treeBox->setContentsMargins(5, 0, 0, 0);
    fsDirView = new LocalDirTreeView(left);
    fsDirView->setObjectName(QStringLiteral("fsDirView"));
    fsDirView->setFrameShape(QFrame::NoFrame);
    treeBox->addWidget(fsDirView);
    leftColumn->addLayout(treeBox);
    leftRow->addLayout(leftColumn);
    leftRow->addWidget(rule(left, QFrame::VLine, QFrame::Raised));
    computerSplitter->addWidget(left);

    auto *right = new QFrame(computerSplitter);
    right->setFrameShape(QFrame::NoFrame);
    right->setContentsMargins(0, 0, 0, 0);
    auto *rightRow = new QHBoxLayout(right);
    rightRow->setContentsMargins(0, 0, 0, 0);
    rightRow->setSpacing(0);
    rightRow->addWidget(rule(right, QFrame::VLine, QFrame::Raised));
    computerViewStackedWidget = new QStackedWidget(right);
    computerViewStackedWidget->setObjectName(QStringLiteral("computerViewStackedWidget"));
    computerViewStackedWidget->setContentsMargins(0, 0, 0, 0);
    computerViewStackedWidget->setFrameShape(QFrame::NoFrame);
    fsTreeView = new TAVTreeView(computerViewStackedWidget);
    fsTreeView->setObjectName(QStringLiteral("fsTreeView"));
    fsTreeView->setFrameShape(QFrame::NoFrame);
    computerViewStackedWidget->addWidget(fsTreeView);
    fsListView = new TAVListView(computerViewStackedWidget);
    fsListView->setObjectName(QStringLiteral("fsListView"));
    fsListView->setFrameShape(QFrame::NoFrame);
    computerViewStackedWidget->addWidget(fsListView);
    rightRow->addWidget(computerViewStackedWidget);
    computerSplitter->addWidget(right);
    computerSplitter->setSizes({225, 575});
    pane->addWidget(computerSplitter);
    return computerPaneFrame;
}

void Ui_MainWindowClass::setupToolBar(QMainWindow *window)
{
    main_ToolBar = new QToolBar(window);
    main_ToolBar->setObjectName(QStringLiteral("main_ToolBar"));
    main_ToolBar->setIconSize(QSize(32, 32));
    main_ToolBar->setFixedHeight(42);
    main_ToolBar->setMovable(false);
    main_ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    main_ToolBar->setContentsMargins(5, 0, 5, 0);
    window->addToolBar(Qt::TopToolBarArea, main_ToolBar);

    auto *fixedGap = new QWidget(main_ToolBar);
    fixedGap->setFixedSize(10, 42);
    main_ToolBar->addWidget(fixedGap);
    auto *expandingGap = new QWidget(main_ToolBar);
    expandingGap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    expandingGap->setFixedHeight(42);
    toolBarGapAction = main_ToolBar->addWidget(expandingGap);
    lblToolBarLogo = new QLabel(main_ToolBar);
    lblToolBarLogo->setPixmap(QPixmap(QStringLiteral(":/res/kvlite_logo.png")));
    lblToolBarLogo->setFixedSize(220, 37);
    lblToolBarLogo->setContentsMargins(8, 0, 0, 0);
    main_ToolBar->addWidget(lblToolBarLogo);
}

void Ui_MainWindowClass::setupMenus(QMainWindow *window)
{
    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    QFont bold;
    bold.setPixelSize(14);
    bold.setWeight(75);
    auto menu = [this, &bold](const char *name, bool boldFont) {
        auto *m = new QMenu(menuBar);
        m->setObjectName(QString::fromLatin1(name));
        if (boldFont)
            m->setFont(bold);
        menuBar->addAction(m->menuAction());
        return m;
    };
    menuFile = menu("menuFile", true);
    menuEdit = menu("menuEdit", false);
    menuTool = menu("menuTool", true);
    menuView = menu("menuView", true);
    menuHelps = menu("menuHelps", true);
    window->setMenuBar(menuBar);

    menuFile->addAction(actionNew_Vault);
    menuFile->addAction(actionAdd_Existing_Vault);
    menuFile->addSeparator();
    menuFile->addAction(actionAdd_Files);
    menuFile->addAction(actionDecrypt_File);
    menuFile->addAction(actionExit);
    menuFile->addAction(actionLock);
    menuEdit->addAction(actionCopyItem);
    menuEdit->addAction(actionCutItem);
    menuEdit->addAction(actionPasteItem);
    menuEdit->addSeparator();
    menuEdit->addAction(actionNew_Folder);
    menuEdit->addAction(actionRenameItem);
    menuEdit->addAction(actionDeleteItem);
    menuEdit->addAction(actionMoveItem);
    menuEdit->addAction(actionSelectAll);
    menuTool->addAction(actionSynchronize);
    menuTool->addSeparator();
    menuTool->addAction(actionAddSyncPeer);
    menuTool->addAction(actionChange_Password);
    menuTool->addAction(actionBackupAllVault);
    menuTool->addAction(actionRestore_Vault);
    menuTool->addAction(actionOptions);
    menuView->addAction(actionDetails);
    menuView->addAction(actionList);
    menuView->addAction(actionThumbnail);
    menuView->addAction(actionVaultProperty);
    menuHelps->addAction(actionSupport_Center);
    menuHelps->addAction(actionCheckUpdate);
    menuHelps->addAction(actionAbout);
}

void Ui_MainWindowClass::setupStatusBar(QMainWindow *window)
{
    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setContentsMargins(10, 0, 10, 0);
    statusBar->setFixedHeight(52);
    statusBar->setStyleSheet(QStringLiteral("QStatusBar::item {border: none}"));
    lblStatusIcon = new QLabel(statusBar);
    lblStatusIcon->setFixedSize(40, 40);
    lblStatusIcon->setScaledContents(true);
    lblStatusIcon->setPixmap(QPixmap(QStringLiteral(":/res/vault.png")));
    statusBar->addWidget(lblStatusIcon);
    lblStatusText = new QLabel(statusBar);
    statusBar->addWidget(lblStatusText);
    window->setStatusBar(statusBar);
}

void Ui_MainWindowClass::retranslateUi(QMainWindow *window)
{
    Q_UNUSED(window)
    cboLanguage->setItemText(0, tr("[Select Language]"));
    btnLogin->setText(tr("Login"));
    passwordHint->setText(tr("Forgot your password?"));
    btnVirKeyBoard->setText(QString());
    btnVirKeyBoard->setToolTip(tr("Virtual Keyboard"));
    ledPassword->setPlaceholderText(tr("Enter Your Password"));
    // 170 pixels, or what the hint needs in a longer language.
    ledPassword->setFixedWidth(qMax(170, TextFit::neededWidth(ledPassword)));
    qSearchLed->setPlaceholderText(tr("Search..."));
    lblComputerHeader->setText(tr("My Computer"));
    lblVaultHeader->setText(tr("My Vault"));

    actionAdd_Files->setText(tr("Add File(s)"));
    actionDeleteItem->setText(tr("Delete"));
    actionLocalRenameItem->setText(tr("Rename"));
    actionLocalDeleteItem->setText(tr("Delete"));
    actionNew_Vault->setText(tr("New Vault"));
    actionRemove_Vault->setText(tr("Disconnect Vault"));
    actionExit->setText(tr("Exit"));
    actionSynchronize->setText(tr("Synchronize"));
    actionDetails->setText(tr("Details"));
    actionList->setText(tr("List"));
    actionThumbnail->setText(tr("Icons"));
    actionFolders->setText(tr("Folders"));
    actionSupport_Center->setText(tr("Get Online Support"));
    actionNew_Folder->setText(tr("New Folder"));
    actionRemove_Folder->setText(tr("Remove Folder"));
    actionDecrypt_File->setText(tr("Save File(s) to..."));
    actionAdd_Existing_Vault->setText(tr("Add Existing Vault"));
    actionChange_Password->setText(tr("Change Password"));
    actionAbout->setText(tr("About"));
    actionCheckUpdate->setText(tr("Check For Updates"));
    actionLock->setText(tr("Lock"));
    actionCopyItem->setText(tr("Copy"));
    actionCutItem->setText(tr("Cut"));
    actionPasteItem->setText(tr("Paste"));
    actionMoveItem->setText(tr("Move to Folder..."));
    actionRenameItem->setText(tr("Rename"));
    actionMoveBack->setText(tr("Go Back"));
    actionMoveForward->setText(tr("Go Forward"));
    actionMoveHome->setText(tr("Go Home"));
    actionSelectAll->setText(tr("Select All"));
    actionBrowseDesktop->setText(tr("Desktop"));
    actionBrowseMyDocuments->setText(tr("Documents"));
    actionBrowseComputer->setText(tr("Computer"));
    actionBackupAllVault->setText(tr("Backup Vault Data"));
    actionRestore_Vault->setText(tr("Restore Vault Data"));
    actionOptions->setText(tr("Options..."));
    actionVaultProperty->setText(tr("Properties"));
    actionAddSyncPeer->setText(tr("Add Sync Peer"));
    actionOpenInFinder->setText(tr("Reveal in Finder"));
    actionBackupVault->setText(tr("Backup Vault"));

    menuFile->setTitle(tr("File"));
    menuEdit->setTitle(tr("Edit"));
    menuTool->setTitle(tr("Tools"));
    menuView->setTitle(tr("View"));
    menuHelps->setTitle(tr("Help"));
    main_ToolBar->setWindowTitle(tr("Main ToolBar"));
}
