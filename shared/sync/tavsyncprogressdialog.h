#ifndef TAVSYNCPROGRESSDIALOG_H
#define TAVSYNCPROGRESSDIALOG_H

#include "tavdialog.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class TAVVault;
class Ui_TAVSyncProgressDialog;

// The growing log of a synchronisation (or, after setProgressName, of an
// index repair) and its one final result. In sync mode the button only
// closes; in repair mode it reads "Cancel" and asks the repair to stop.
//
// A run that outlives the dialog goes on; its later lines go nowhere, since
// the connections end with the dialog.
class TAVSyncProgressDialog : public TAVDialog
{
    Q_OBJECT
public:
    // Shows a box with these button texts; the index of the pressed one, -1
    // when it closed without one.
    using Messenger = std::function<int(QMessageBox::Icon icon, const QString &title, const QString &text,
                                        const QStringList &buttons)>;

    explicit TAVSyncProgressDialog(QWidget *parent = nullptr);
    ~TAVSyncProgressDialog() override;

    // Repair mode for good: the title, the label "<name>:" and a Cancel button.
    void setProgressName(QString name);
    // The result boxes go through it; by default a box through the prompter.
    void setMessenger(Messenger messenger);

    // Connects the vault's lines and result to the dialog, then runs
    // TAVSync::syncFolders(vault) on the global thread pool, nobody waiting
    // for it; `after` (when given) runs on the same pool thread once the run
    // has ended. Show the dialog after this.
    void startSync(TAVVault *vault, std::function<void()> after = {});

    // The lines shown so far.
    QString text() const;
    // A result was shown: the run succeeded or finished with errors.
    bool hasResult() const { return resultShown; }

public slots:
    // One line at the end, kept in view; an empty one reads "No items is synced".
    void addSyncProgress(QString name);
    // Says that the run (or repair) completed, then closes the dialog.
    void progressComplete();
    // Says that the run finished with errors and stays open, so that the
    // lines saying which items failed can be read.
    void progressFailed();

signals:
    void cancelRepair();

private slots:
    void on_btnCancel_clicked();

private:
    int message(QMessageBox::Icon icon, const QString &text);
    void endOfRun();

    int mode = 1; // 0 repair, anything else sync
    bool resultShown = false;
    Ui_TAVSyncProgressDialog *ui;
    Messenger messenger;
    QPointer<TAVVault> syncedVault;
};

#endif // TAVSYNCPROGRESSDIALOG_H
