#ifndef RESTOREWIZARD_H
#define RESTOREWIZARD_H

#include "tavdialog.h"
#include "tavkey.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QUuid>

class QMutex;
class QTreeWidgetItem;
class TAVVault;
class Ui_RestoreWizard;
class VaultRestore;

// The wizard that puts a vault back to one of its backups: choose a vault,
// then a backup; the key comes from the vault, from the backup's copy under
// the master key, or from a password typed for that copy; after the
// confirmation the restore runs (VaultRestore) and the result page says how
// it went.
//
// Pages of stackedWidget: 0 choose a vault, 1 choose a backup, 2 password,
// 3 wrong password, 4 confirm, 5 restoring, 6 no backups, 7 done, 8 failed.
//
// A vault is chosen by its identifier. "Other unlisted vault" lists the
// backups of identifiers no listed vault has, and restores one as a new vault
// into a new, empty folder, never over an existing vault.
//
// While the copy runs the wizard can't be closed; a lock that comes meanwhile
// closes it once the copy has ended. Once a restore has succeeded, leaving
// the wizard in any way emits updateRestore(), so the vault list is written.
class RestoreWizard : public TAVDialog
{
    Q_OBJECT
public:
    enum Page {
        ChooseVault = 0,
        ChooseBackup = 1,
        Password = 2,
        WrongPassword = 3,
        Confirm = 4,
        Restoring = 5,
        NoBackups = 6,
        Done = 7,
        Failed = 8,
    };

    explicit RestoreWizard(QWidget *parent = nullptr);
    ~RestoreWizard() override;

    // Where the backups are (the per-vault folders are under it).
    void setBackupPath(const QString &path) { backupPath = path; }
    // The lock of synchronisations: a restore refuses to start while it is held.
    void setSyncLock(QMutex *lock) { syncLock = lock; }
    void addVaultToCombo();

    int currentPage() const;
    bool isCopying() const { return copying; }
    // The vault restored last (the same object for a listed vault, the new one otherwise).
    TAVVault *restoredVault() const { return restored; }

    // Rows of one identifier folder, newest first.
    void getListBackup(const QString &id);
    // Rows of the identifier folders no listed vault has.
    void getListBackup();

signals:
    void updateRestore();
    // The vault's items are about to go: nothing may show them any more.
    void restoreStarting(TAVVault *vault);
    // The vault is loaded again (restored, or back as it was), or a new vault is in the tree.
    void restoreFinished(TAVVault *vault);

public slots:
    void reject() override;

private slots:
    void cboListVaultChanged(int index);
    void restoreItemClicked(QTreeWidgetItem *item, int column);
    void setProgress(int percent);
    void locked();

    void on_btnIntroNext_clicked();
    void on_btnRestoreSelectedItem_clicked();
    void on_btnPasswordNext_clicked();
    void on_btnRestore_clicked();
    void on_btnClose_clicked();
    void on_btnFailedClose_clicked();
    void on_btnBrowseTarget_clicked();
    void on_btnIntroCancel_clicked();
    void on_btnSelectVaultCancel_clicked();
    void on_btnPasswordCancel_clicked();
    void on_btnRestoreCancel_clicked();
    void on_btnRestoreErrorCancel_clicked();
    void on_cancel_4_clicked();
    void on_btnSelectVaultBack_clicked();
    void on_btnRestoreErrorBack_clicked();
    void on_btnPasswordBack_clicked();
    void on_btnRestoreBack_clicked();
    void on_btnIncorrectPassword_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showPage(Page page);
    void showBackups();
    void showConfirm();
    // A message box over the wizard; the index of the pressed button, -1 when closed.
    int ask(QMessageBox::Icon icon, const QString &text, const QStringList &buttons);
    void fail(const QString &text);
    // The folder for a new vault: absolute, new or empty, apart from every vault. Empty when refused (told).
    QString newVaultFolder(bool *made);
    TAVVault *vaultById(const QUuid &id) const;
    void cancel();

    qint64 totalBytes = 0;
    qint64 doneBytes = 0;
    TAVKey vaultKey;
    bool unlisted = false;
    QString vaultPath;
    QString vaultName;
    QString backupFolder;
    Ui_RestoreWizard *ui;
    TAVKey restoreKey;

    QString backupPath;
    QMutex *syncLock = nullptr;
    QUuid vaultId;                // the chosen listed vault
    QPointer<TAVVault> restored;  // see restoredVault()
    VaultRestore *engine;
    bool copying = false;
    bool lockedWhileCopying = false;
    bool succeeded = false;
    bool listWritten = false;
};

#endif // RESTOREWIZARD_H
