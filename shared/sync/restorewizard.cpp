#include "restorewizard.h"
#include "ui_restorewizard.h"

#include "backup.h"
#include "clock.h"
#include "fileutils.h"
#include "locknotifier.h"
#include "masterkey.h"
#include "platformutils.h"
#include "productinfo.h"
#include "prompter.h"
#include "tavfilesystem.h"
#include "tavfiledialog.h"
#include "tavitemnamevalidator.h"
#include "tavlogging.h"
#include "tavmessagebox.h"
#include "tavvault.h"
#include "vaultrestore.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHash>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initRestoreResources()
{
    Q_INIT_RESOURCE(restore);
}

namespace {

constexpr int kUnlistedRole = Qt::UserRole + 1;

QFileInfoList subFolders(const QString &folder, QDir::SortFlags sort)
{
    return QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, sort);
}

// True when one path is the other or lies inside it.
bool overlaps(const QString &a, const QString &b)
{
    const QString x = QDir::cleanPath(a) + QLatin1Char('/');
    const QString y = QDir::cleanPath(b) + QLatin1Char('/');
    return x.startsWith(y) || y.startsWith(x);
}

} // namespace

RestoreWizard::RestoreWizard(QWidget *parent)
    : TAVDialog(parent), vaultKey(TAVKey::fromHex(QString())), ui(new Ui_RestoreWizard),
      restoreKey(TAVKey::fromHex(QString())), engine(new VaultRestore(this))
{
    initRestoreResources();
    ui->setupUi(this);
    showPage(ChooseVault);
    connect(ui->cboListVault, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &RestoreWizard::cboListVaultChanged);
    ui->btnIntroNext->setEnabled(false);
    const int widths[] = {90, 60, 70, 150};
    for (int column = 0; column < 4; ++column)
        ui->restoreTreeWidget->setColumnWidth(column, widths[column]);
    ui->restoreTreeWidget->setRootIsDecorated(false);
    connect(engine, &VaultRestore::progress, this, &RestoreWizard::setProgress);
    connect(engine, &VaultRestore::vaultReleased, this, &RestoreWizard::restoreStarting);
    connect(ui->restoreTreeWidget, &QTreeWidget::itemClicked, this, &RestoreWizard::restoreItemClicked);
    // A row chosen with the arrow keys counts as well: without a mouse the
    // wizard could otherwise never get past this page.
    connect(ui->restoreTreeWidget, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { restoreItemClicked(current, 0); });
    // A lock closes the wizard, but not in the middle of a copy: see locked().
    disconnect(LockNotifier::getInstance(), &LockNotifier::locked, this, nullptr);
    connect(LockNotifier::getInstance(), &LockNotifier::locked, this, &RestoreWizard::locked);
    connect(ui->ledPassword, &QLineEdit::textEdited, this, &RestoreWizard::userAction);
    connect(ui->ledTargetFolder, &QLineEdit::textEdited, this, &RestoreWizard::userAction);

    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::CustomizeWindowHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("%1 - Restore Wizard").arg(ProductInfo::title()));
}

RestoreWizard::~RestoreWizard()
{
    delete ui;
}

int RestoreWizard::currentPage() const
{
    return ui->stackedWidget->currentIndex();
}

void RestoreWizard::showPage(Page page)
{
    ui->stackedWidget->setCurrentIndex(page);
}

void RestoreWizard::addVaultToCombo()
{
    ui->cboListVault->addItem(tr("Select the vault to restore"));
    const QIcon icon(QStringLiteral(":/res/vault.png"));
    for (const TAVFileSystemEntry &entry : TAVFileSystem::getInstance()->getVaultList())
        ui->cboListVault->addItem(icon, entry.name, entry.id.toString());
    ui->cboListVault->addItem(icon, tr("Other unlisted vault"));
    ui->cboListVault->setItemData(ui->cboListVault->count() - 1, true, kUnlistedRole);
}

void RestoreWizard::cboListVaultChanged(int index)
{
    ui->btnIntroNext->setEnabled(index > 0);
}

TAVVault *RestoreWizard::vaultById(const QUuid &id) const
{
    if (id.isNull())
        return nullptr;
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < root->getItemCount(); ++i) {
        auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
        if (vault && vault->GetId() == id)
            return vault;
    }
    return nullptr;
}

void RestoreWizard::on_btnIntroNext_clicked()
{
    ui->restoreTreeWidget->clear();
    ui->btnRestoreSelectedItem->setEnabled(false);
    const int index = ui->cboListVault->currentIndex();
    // By identifier: names may differ in case only, or read like the unlisted entry.
    const QUuid id(ui->cboListVault->itemData(index).toString());
    TAVVault *vault = ui->cboListVault->itemData(index, kUnlistedRole).toBool() ? nullptr : vaultById(id);
    if (!vault) {
        if (!ui->cboListVault->itemData(index, kUnlistedRole).toBool())
            LOG_ERROR << "vault not found in filesystem";
        unlisted = true;
        vaultId = QUuid();
        vaultName.clear();
        getListBackup();
    } else {
        unlisted = false;
        vaultId = id;
        vaultName = vault->GetName();
        vaultKey = vault->getKey();
        getListBackup(id.toString());
    }
    showPage(ui->restoreTreeWidget->topLevelItemCount() == 0 ? NoBackups : ChooseBackup);
}

void RestoreWizard::getListBackup(const QString &id)
{
    const QDate today = Clock::getInstance()->currentDateTime().date();
    const QIcon icon(QStringLiteral(":/res/vault.png"));
    const QFileInfoList folders = subFolders(backupPath + QLatin1Char('/') + id, QDir::Time);
    for (const QFileInfo &folder : folders) {
        const QString path = folder.absoluteFilePath();
        // A backup killed before its header was written is no backup: no
        // password would ever open it.
        if (!QFileInfo(path + QStringLiteral("/vaultinfo.dat")).isFile())
            continue;
        QString name;
        Backup::getVaultNameFromFile(path, name);
        const qint64 days = folder.lastModified().date().daysTo(today);
        QString age;
        if (days == 1)
            age = tr("Yesterday");
        else if (days < 2)
            age = tr("Today");
        else
            age = tr("%1 Days ago").arg(days);
        auto *row = new QTreeWidgetItem(ui->restoreTreeWidget);
        row->setText(0, name);
        row->setIcon(0, icon);
        row->setData(0, Qt::UserRole, path);
        row->setToolTip(0, path);
        row->setText(1, age);
        row->setText(2, FileUtils::FileSizeToString(quint64(FileUtils::getDirSize(path))));
        row->setText(3, folder.lastModified().toString(QStringLiteral("dd/MM/yyyy HH mm ss AP")));
    }
}

void RestoreWizard::getListBackup()
{
    QHash<QString, QString> folders;
    for (const QFileInfo &folder : subFolders(backupPath, QDir::Name))
        folders.insert(folder.fileName(), folder.absoluteFilePath());
    for (const TAVFileSystemEntry &entry : TAVFileSystem::getInstance()->getVaultList())
        folders.remove(entry.id.toString());
    // A vault of the tree that the list lacks is no unlisted vault either.
    TAVFileSystem *root = TAVFileSystem::getInstance();
    for (int i = 0; i < root->getItemCount(); ++i)
        folders.remove(root->getItemAt(i)->GetId().toString());
    QStringList ids = folders.keys();
    ids.sort();
    for (const QString &id : qAsConst(ids))
        getListBackup(id);
}

void RestoreWizard::restoreItemClicked(QTreeWidgetItem *item, int)
{
    if (item)
        ui->btnRestoreSelectedItem->setEnabled(true);
}

void RestoreWizard::on_btnRestoreSelectedItem_clicked()
{
    QTreeWidgetItem *row = ui->restoreTreeWidget->currentItem();
    if (!row)
        return;
    backupFolder = row->data(0, Qt::UserRole).toString();
    int rc;
    if (!unlisted) {
        rc = Backup::checkKey(backupFolder, MasterKey::key, vaultKey, restoreKey);
    } else {
        vaultName = row->text(0);
        rc = Backup::checkKey(backupFolder, MasterKey::key, restoreKey);
    }
    if (rc == 0) {
        LOG_DEBUG << "the key is correct";
        showConfirm();
    } else {
        LOG_ERROR << "the key is incorrect";
        showPage(Password);
        ui->ledPassword->setFocus(Qt::OtherFocusReason);
    }
}

void RestoreWizard::on_btnPasswordNext_clicked()
{
    const TAVKey typed(ui->ledPassword->text());
    if (Backup::checkKey(backupFolder, typed, restoreKey) == 0)
        showConfirm();
    else
        showPage(WrongPassword);
}

void RestoreWizard::showConfirm()
{
    ui->lblTargetFolder->setVisible(unlisted);
    ui->ledTargetFolder->setVisible(unlisted);
    ui->btnBrowseTarget->setVisible(unlisted);
    ui->label_11->setVisible(!unlisted);
    if (unlisted)
        ui->label_5->setText(tr("<html><head/><body><p>By clicking 'Restore' the backup becomes a new vault in "
                                "the new, empty folder below. No existing vault is changed.</p></body></html>"));
    else
        ui->label_5->setText(tr("<html><head/><body><p>By clicking 'Restore' you will replace all data in the "
                                "selected vault with data from the backup.</p><p>Click 'Back' if any changes are "
                                "needed before proceeding.</p><p><br/></p></body></html>"));
    showPage(Confirm);
}

void RestoreWizard::on_btnBrowseTarget_clicked()
{
    TAVFileDialog dialog(this, tr("Choose a new, empty folder for the vault"), QDir::homePath(), QString());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    connect(&dialog, &TAVFileDialog::userAction, this, &RestoreWizard::userAction);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ui->ledTargetFolder->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

int RestoreWizard::ask(QMessageBox::Icon icon, const QString &text, const QStringList &buttons)
{
    TAVMessageBox box(icon, windowTitle(), text, QMessageBox::NoButton, this);
    for (const QString &caption : buttons)
        box.addButton(caption, QMessageBox::ActionRole);
    connect(&box, &TAVMessageBox::userAction, this, &RestoreWizard::userAction);
    return Prompter::instance()->choose(&box);
}

QString RestoreWizard::newVaultFolder(bool *made)
{
    *made = false;
    const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(ui->ledTargetFolder->text().trimmed()));
    const QFileInfo info(folder);
    QString refusal;
    if (folder.isEmpty() || QDir::isRelativePath(folder) || folder == QLatin1String("/")) {
        refusal = tr("Please choose a new, empty folder for the restored vault.");
    } else if (info.isSymLink() || (info.exists() && !info.isDir())) {
        refusal = tr("%1 is not a folder. Please choose a new, empty folder for the restored vault.")
                      .arg(QDir::toNativeSeparators(folder));
    } else if (info.exists() && !QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System
                                                      | QDir::NoDotAndDotDot)) {
        refusal = tr("The folder %1 is not empty. Please choose a new, empty folder for the restored vault.")
                      .arg(QDir::toNativeSeparators(folder));
    } else {
        TAVFileSystem *root = TAVFileSystem::getInstance();
        for (int i = 0; i < root->getItemCount() && refusal.isEmpty(); ++i) {
            auto *vault = qobject_cast<TAVVault *>(root->getItemAt(i));
            if (vault && !vault->getFullPhysicalVaultPath().isEmpty()
                && overlaps(folder, vault->getFullPhysicalVaultPath()))
                refusal = tr("The folder %1 belongs to the vault %2. Please choose a new, empty folder for the "
                             "restored vault.")
                              .arg(QDir::toNativeSeparators(folder), vault->GetName());
        }
        if (refusal.isEmpty() && !backupPath.isEmpty() && overlaps(folder, backupPath))
            refusal = tr("The folder %1 lies in the backup location. Please choose another folder.")
                          .arg(QDir::toNativeSeparators(folder));
    }
    if (refusal.isEmpty() && !info.exists()) {
        if (!QDir().mkpath(folder))
            refusal = tr("The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder));
        else
            *made = true;
    }
    if (!refusal.isEmpty()) {
        ask(QMessageBox::Information, refusal, {QCoreApplication::translate("MainWindowClass", "OK")});
        return QString();
    }
    return folder;
}

void RestoreWizard::on_btnRestore_clicked()
{
    doneBytes = 0;
    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVVault *vault = nullptr;
    bool madeFolder = false;
    if (!unlisted) {
        vault = vaultById(vaultId);
        if (!vault) {
            LOG_ERROR << "vault not found in filesystem";
            return;
        }
    } else {
        const QString folder = newVaultFolder(&madeFolder);
        if (folder.isEmpty())
            return;
        QString name = vaultName.trimmed();
        if (!TAVItemNameValidator::isPathSafe(name))
            name = tr("Restored vault");
        vault = new TAVVault(root, root->generateVaultName(name), folder, TAV_AES256, restoreKey);
    }
    vaultPath = vault->getFullPhysicalVaultPath();
    totalBytes = FileUtils::getDirSize(backupFolder);

    engine->setSyncLock(syncLock);
    engine->setAllowDirect(false);
    ui->progressBar->setValue(0);
    showPage(Restoring);
    copying = true;
    VaultRestore::Result result = engine->run(vault, backupFolder, restoreKey);
    if (result == VaultRestore::NoRoomToStage) {
        copying = false;
        const int answer = ask(QMessageBox::Warning,
                               engine->message() + QStringLiteral("\n\n")
                                   + tr("The backup can be copied straight over the vault's files instead. If that "
                                        "fails part-way, the vault can't be put back as it was. Restore anyway?"),
                               {tr(" Yes "), tr(" No ")});
        if (answer == 0 && !lockedWhileCopying) {
            copying = true;
            engine->setAllowDirect(true);
            result = engine->run(vault, backupFolder, restoreKey);
        }
    }
    copying = false;

    if (result == VaultRestore::Restored) {
        if (unlisted) {
            // A second vault of the same identifier would share its backups and sync states.
            bool taken = false;
            for (int i = 0; i < root->getItemCount(); ++i)
                taken = taken || root->getItemAt(i)->GetId() == vault->GetId();
            for (const TAVFileSystemEntry &entry : root->getVaultList())
                taken = taken || entry.id == vault->GetId();
            if (taken || vault->GetId().isNull()) {
                vault->SetId(QUuid::createUuid());
                vault->saveVaultVersion();
            }
            if (!QFileInfo::exists(vaultPath + QStringLiteral("/.directory")))
                PlatformUtils::setVaultDirIcon(vaultPath);
            root->addItem(vault);
        } else {
            // The record takes the key the vault is now under.
            for (const TAVFileSystemEntry &entry : root->getVaultList()) {
                if (entry.id == vaultId) {
                    root->removeVaultItem(entry.name);
                    break;
                }
            }
        }
        root->addVaultItem(vault);
        restored = vault;
        succeeded = true;
        showPage(Done);
        emit restoreFinished(vault);
    } else {
        const QString text = engine->message();
        if (unlisted) {
            delete vault;
            // What this wizard made, and only when nothing is left in it.
            if (madeFolder)
                QDir().rmdir(vaultPath);
        } else {
            emit restoreFinished(vault);
        }
        if (result == VaultRestore::SyncRunning || result == VaultRestore::NoRoomToStage) {
            // Nothing changed: the user may try again.
            showPage(Confirm);
            if (result == VaultRestore::SyncRunning)
                ask(QMessageBox::Information, text, {QCoreApplication::translate("MainWindowClass", "OK")});
        } else {
            fail(text);
        }
    }
    if (lockedWhileCopying)
        cancel();
}

void RestoreWizard::fail(const QString &text)
{
    ui->lblRestoreError->setText(text);
    showPage(Failed);
}

void RestoreWizard::setProgress(int percent)
{
    doneBytes = totalBytes * qBound(0, percent, 100) / 100;
    ui->progressBar->setValue(qBound(0, percent, 100));
    QCoreApplication::processEvents();
}

void RestoreWizard::locked()
{
    if (copying) {
        // Closed once the copy is done: stopping it half-way would leave a vault in pieces.
        lockedWhileCopying = true;
        return;
    }
    cancel();
}

void RestoreWizard::reject()
{
    if (copying) {
        LOG_DEBUG << "restore wizard stays open while the copy runs";
        return;
    }
    if (succeeded && !listWritten) {
        listWritten = true;
        QDialog::reject();
        emit updateRestore();
        return;
    }
    QDialog::reject();
}

void RestoreWizard::closeEvent(QCloseEvent *event)
{
    if (copying) {
        event->ignore();
        return;
    }
    TAVDialog::closeEvent(event);
}

void RestoreWizard::cancel()
{
    reject();
    close();
}

void RestoreWizard::on_btnClose_clicked() { cancel(); }
void RestoreWizard::on_btnFailedClose_clicked() { cancel(); }
void RestoreWizard::on_btnIntroCancel_clicked() { cancel(); }
void RestoreWizard::on_btnSelectVaultCancel_clicked() { cancel(); }
void RestoreWizard::on_btnPasswordCancel_clicked() { cancel(); }
void RestoreWizard::on_btnRestoreCancel_clicked() { cancel(); }
void RestoreWizard::on_btnRestoreErrorCancel_clicked() { cancel(); }
void RestoreWizard::on_cancel_4_clicked() { cancel(); }

void RestoreWizard::on_btnSelectVaultBack_clicked() { showPage(ChooseVault); }
void RestoreWizard::on_btnRestoreErrorBack_clicked() { showPage(ChooseVault); }

void RestoreWizard::on_btnPasswordBack_clicked()
{
    showPage(ChooseBackup);
    ui->btnRestoreSelectedItem->setEnabled(false);
}

void RestoreWizard::on_btnRestoreBack_clicked()
{
    showPage(ChooseBackup);
    ui->btnRestoreSelectedItem->setEnabled(false);
}

void RestoreWizard::on_btnIncorrectPassword_clicked() { showPage(Password); }
