#ifndef TAVVAULTPROPERTY_H
#define TAVVAULTPROPERTY_H

#include "tavdialog.h"
#include "tavindexrepair.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <functional>

class TAVVault;
class Ui_TavVaultProperty;

// The properties of one vault: its cipher, number of files, storage and
// folder, its key chain password and index repair ("Info"), and its sync
// peers with a synchronisation on demand ("Synchronization").
//
// Every box goes through the ask function, which the main window sets to its
// own message box; the answer is the position of the pressed button, -1 when
// the box closed without one, and -1 never changes anything.
class TavVaultProperty : public TAVDialog
{
    Q_OBJECT
public:
    using Ask = std::function<int(QMessageBox::Icon icon, const QString &title, const QString &text,
                                  const QStringList &buttons)>;
    // Runs one synchronisation of the vault and shows its progress, modal
    // over the parent; returns when that window closes.
    using SyncRunner = std::function<void(TAVVault *vault, QWidget *parent)>;

    explicit TavVaultProperty(QWidget *parent = nullptr);
    ~TavVaultProperty() override;

    // Records the vault and fills both tabs; called once, before anything else.
    void setVault(TAVVault *vault);
    TAVVault *vault() const { return aVault; }

    // Without one, boxes go through the prompter.
    void setAsk(Ask ask);
    // Without one, the synchronisation runs on the thread pool behind a
    // progress log of this dialog's own.
    void setSyncRunner(SyncRunner runner);

    // How the last repair ended (Failed before any).
    const TAVIndexRepair::Result &lastRepair() const { return repairResult; }

public slots:
    // Rebuilds the vault's index from the headers of its files, behind a
    // cancellable progress window, and tells the outcome. The dialog need
    // not be shown.
    void on_btnRepair_clicked();
    void cancel_repair();

signals:
    void repairProgress(QString name);
    // The new index is written.
    void repairDone();
    // A repair has ended, whatever its outcome. Sent while the items it took
    // out of the tree still live: the views and the search index must be
    // rebuilt in the slot.
    void repairFinished(TAVVault *vault);

private slots:
    void on_btnClose_clicked();
    void on_btnadd_clicked();
    void on_btnRemove_clicked();
    void on_btnCopyKey_clicked();
    void on_btnSyncNow_clicked();

private:
    int ask(QMessageBox::Icon icon, const QString &title, const QString &text, const QStringList &buttons);
    void tell(QMessageBox::Icon icon, const QString &text);
    // The table as the peer list on the disk has it now.
    void readPeers();
    void runSync();

    Ui_TavVaultProperty *ui;
    QPointer<TAVVault> aVault;
    Ask askFunction;
    SyncRunner syncRunner;
    TAVIndexRepair *repair = nullptr; // while a repair runs
    TAVIndexRepair::Result repairResult;
};

#endif // TAVVAULTPROPERTY_H
