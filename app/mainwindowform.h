#ifndef MAINWINDOWFORM_H
#define MAINWINDOWFORM_H

#include <QCoreApplication>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class QToolButton;
class QWidget;
class LocalDirTreeView;
class TAVListView;
class TAVTreeView;

// The main window's form, Ui_MainWindowClass, written by hand (so its file is
// not named ui_*.h, which the form compiler would claim): every action, page,
// pane, view, menu, the tool bar and the status bar. setupUi builds it on the window and binds the window's
// on_<object>_<signal> slots by name; retranslateUi sets every text in the
// context "MainWindowClass".
class Ui_MainWindowClass
{
    // The form's texts, and the button captions the main window translates
    // explicitly, are in the context "MainWindowClass".
    Q_DECLARE_TR_FUNCTIONS(MainWindowClass)

public:
    QAction *actionAdd_Files;
    QAction *actionDeleteItem;
    QAction *actionLocalRenameItem;
    QAction *actionLocalDeleteItem;
    QAction *actionNew_Vault;
    QAction *actionRemove_Vault;
    QAction *actionExit;
    QAction *actionSynchronize;
    QAction *actionDetails;
    QAction *actionList;
    QAction *actionThumbnail;
    QAction *actionFolders;
    QAction *actionSupport_Center;
    QAction *actionNew_Folder;
    QAction *actionRemove_Folder;
    QAction *actionDecrypt_File;
    QAction *actionAdd_Existing_Vault;
    QAction *actionChange_Password;
    QAction *actionAbout;
    QAction *actionCheckUpdate;
    QAction *actionLock;
    QAction *actionCopyItem;
    QAction *actionCutItem;
    QAction *actionPasteItem;
    QAction *actionMoveItem;
    QAction *actionRenameItem;
    QAction *actionMoveBack;
    QAction *actionMoveForward;
    QAction *actionMoveHome;
    QAction *actionSelectAll;
    QAction *actionBrowseDesktop;
    QAction *actionBrowseMyDocuments;
    QAction *actionBrowseComputer;
    QAction *actionBackupAllVault;
    QAction *actionRestore_Vault;
    QAction *actionOptions;
    QAction *actionVaultProperty;
    QAction *actionAddSyncPeer;
    QAction *actionOpenInFinder;
    QAction *actionBackupVault;

    QStackedWidget *centralStackedWidget;
    QFrame *loginScreenFrame;
    QLabel *lblLoginImage;
    QComboBox *cboLanguage;
    QLineEdit *ledPassword;
    QToolButton *btnVirKeyBoard;
    QPushButton *btnLogin;
    QPushButton *passwordHint;
    QFrame *viewScreenFrame;
    QFrame *vaultPaneFrame;
    QFrame *computerPaneFrame;
    QLabel *lblVaultHeader;
    QLabel *lblComputerHeader;
    QLineEdit *qSearchLed;
    QFrame *tavViewHeaderFrame;
    QFrame *comViewHeaderFrame;
    TAVTreeView *dirView;
    QStackedWidget *tavViewStackedWidget;
    TAVTreeView *treeView;
    TAVListView *listView;
    LocalDirTreeView *fsDirView;
    QStackedWidget *computerViewStackedWidget;
    TAVTreeView *fsTreeView;
    TAVListView *fsListView;
    QSplitter *mainSplitter;
    QSplitter *computerSplitter;
    QToolBar *main_ToolBar;
    QAction *toolBarGapAction;
    QLabel *lblToolBarLogo;
    QMenuBar *menuBar;
    QMenu *menuFile;
    QMenu *menuEdit;
    QMenu *menuTool;
    QMenu *menuView;
    QMenu *menuHelps;
    QStatusBar *statusBar;
    QLabel *lblStatusIcon;
    QLabel *lblStatusText;

    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);

private:
    void setupActions(QMainWindow *window);
    void setupLoginPage();
    void setupMainPage();
    QFrame *setupVaultPane(QWidget *parent);
    QFrame *setupComputerPane(QWidget *parent);
    void setupToolBar(QMainWindow *window);
    void setupMenus(QMainWindow *window);
    void setupStatusBar(QMainWindow *window);
};

namespace Ui {
class MainWindowClass : public Ui_MainWindowClass
{
};
} // namespace Ui

#endif // MAINWINDOWFORM_H
