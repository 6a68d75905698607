// The vault properties dialog, the index repair offered for a vault that
// can't be loaded, the icon view's clicks and the refreshes a synchronisation
// asks for.
#include "mainwindow.h"

#include "mainwindowform.h"
#include "productinfo.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfilesystemtreemodel.h"
#include "tavlogging.h"
#include "tavsearchindex.h"
#include "tavvault.h"
#include "tavvaultproperty.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {

// lupdate does not see texts passed through here: write
// Ui_MainWindowClass::tr("...") instead.
[[maybe_unused]] QString trMain(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

TAVVault *vaultOf(TAVItem *item)
{
    TAVItem *vault = nullptr;
    if (!item || item->getVault(&vault) != 0)
        return nullptr;
    return qobject_cast<TAVVault *>(vault);
}

} // namespace

void MainWindow::prepareVaultProperty(TavVaultProperty *dialog)
{
    dialog->setAsk([this](QMessageBox::Icon icon, const QString &title, const QString &text,
                          const QStringList &buttons) {
        // A lock ends the dialog's work; nothing more is asked or told then.
        if (!unlocked)
            return -1;
        return showMessage(icon, title, text, buttons);
    });
    connect(dialog, &TavVaultProperty::repairFinished, this, &MainWindow::vaultRepaired);
}

void MainWindow::vaultRepaired(TAVVault *vault)
{
    if (!vault)
        return;
    // The items the repair took out are still alive: nothing may point at
    // them once it returns.
    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVFileSystemTreeModel::getInstance()->setRootItem(root);
    TAVSearchIndex::getInstance()->clear();
    buildSearchIndex(root);
    if (unlocked && ui->centralStackedWidget->currentIndex() != 0)
        updateView(tavModel->rootItem());
}

void MainWindow::on_actionVaultProperty_triggered()
{
    stopTimeOut();
    TAVItem *container = getParentItem();
    if (!container) {
        // Only reachable with several items selected, when the action is off.
        LOG_ERROR << "container";
        startTimeOut();
        return;
    }
    TAVVault *vault = vaultOf(container);
    if (!vault) {
        LOG_ERROR << "getVault failed";
        startTimeOut();
        return;
    }
    TavVaultProperty dialog(this);
    dialog.setWindowTitle(ProductInfo::title() + tr(" - Vault Property"));
    prepareVaultProperty(&dialog);
    connect(this, &MainWindow::appLocked, &dialog, &QDialog::reject);
    connect(&dialog, &TavVaultProperty::userAction, this, &MainWindow::startTimeOut);
    startTimeOut();
    dialog.setVault(vault);
    dialog.exec();
    startTimeOut();
}

bool MainWindow::offerIndexRepair(TAVVault *vault)
{
    if (!vault) {
        LOG_ERROR << "getVault failed";
        return false;
    }
    const int answer = showMessage(
        QMessageBox::Question, QStringLiteral("%1 - %2").arg(ProductInfo::title(), tr("Load Vault")),
        tr("The vault's location is accessible but the vault could not be loaded. Do you want to try to "
           "repair the vault?"),
        {Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr(" No ")});
    if (answer != 0)
        return false;
    TavVaultProperty dialog(this);
    dialog.setWindowTitle(ProductInfo::title() + tr(" - Vault Property"));
    prepareVaultProperty(&dialog);
    dialog.setVault(vault);
    dialog.on_btnRepair_clicked();
    return dialog.lastRepair().succeeded();
}

void MainWindow::on_actionOpenInFinder_triggered()
{
    // Kept disabled while no vault can be shown in the file manager: a
    // trigger then (a shortcut, a direct call) does nothing.
    if (!ui->actionOpenInFinder->isEnabled())
        return;
    TAVItem *container = getParentItem();
    if (!container) {
        LOG_ERROR << "container";
        return;
    }
    TAVVault *vault = vaultOf(container);
    if (!vault) {
        LOG_ERROR << "getVault failed";
        return;
    }
    // Vaults are never mounted here: without a mount point there is nothing
    // to show, and the top of the file system is not it.
    const QString mountPoint = vault->getFUSEMountPoint();
    if (mountPoint.isEmpty()) {
        LOG_INFO << "vault" << vault->GetName() << "is not mounted";
        return;
    }
    QDesktopServices::openUrl(QUrl(QStringLiteral("file:///") + mountPoint, QUrl::TolerantMode));
}

void MainWindow::vault_refresh(TAVItemContainer *folder)
{
    if (!folder)
        return;
    // A synchronisation reports every folder it changed: gathered, they cost
    // one sort and one statistics walk per interval instead of one each.
    pendingRefreshPaths << folder->GetFullDisplayPath();
    if (TAVVault *vault = vaultOf(folder))
        pendingRefreshVaults.insert(vault->GetId());
    if (!vaultRefreshTimer) {
        vaultRefreshTimer = new QTimer(this);
        vaultRefreshTimer->setSingleShot(true);
        vaultRefreshTimer->setInterval(kVaultRefreshDelayMs);
        connect(vaultRefreshTimer, &QTimer::timeout, this, &MainWindow::flushVaultRefresh);
    }
    // Not restarted by later requests: a steady stream still updates the
    // view once per interval.
    if (!vaultRefreshTimer->isActive())
        vaultRefreshTimer->start();
}

void MainWindow::flushVaultRefresh()
{
    const QStringList paths = std::exchange(pendingRefreshPaths, {});
    const QSet<QUuid> vaults = std::exchange(pendingRefreshVaults, {});
    if (!unlocked || ui->centralStackedWidget->currentIndex() == 0)
        return;
    TAVItemContainer *shown = tavModel->rootItem();
    if (!shown)
        shown = TAVFileSystem::getInstance();
    // A plain text prefix: the shown container is the changed one or lies
    // above it (always so for the root, whose path is empty).
    const QString shownPath = shown->GetFullDisplayPath();
    bool viewChanged = false;
    for (const QString &path : paths)
        viewChanged = viewChanged || path.startsWith(shownPath);
    TAVVault *shownVault = vaultOf(shown);
    const bool statsChanged = shownVault && vaults.contains(shownVault->GetId());
    if (viewChanged)
        updateView(shown); // renews the statistics of a vault shown as well
    else if (statsChanged)
        updateVaultStats(shown);
}
