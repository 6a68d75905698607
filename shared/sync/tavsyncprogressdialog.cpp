#include "tavsyncprogressdialog.h"

#include <memory>
#include "ui_tavsyncprogressdialog.h"

#include "productinfo.h"
#include "prompter.h"
#include "tavmessagebox.h"
#include "tavsync.h"
#include "tavvault.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QtConcurrent>

#include <memory>

TAVSyncProgressDialog::TAVSyncProgressDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui_TAVSyncProgressDialog)
{
    ui->setupUi(this);
    ui->plainTextEdit->moveCursor(QTextCursor::End);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // Once the dialog is gone (closed, or by the lock) a late result of its
    // run shows no box of its own.
    connect(this, &QDialog::finished, this, &TAVSyncProgressDialog::endOfRun);
}

TAVSyncProgressDialog::~TAVSyncProgressDialog()
{
    delete ui;
}

void TAVSyncProgressDialog::setProgressName(QString name)
{
    setWindowTitle(name);
    ui->label->setText(QStringLiteral("%1:").arg(name));
    ui->btnCancel->setText(QCoreApplication::translate("MainWindowClass", "Cancel"));
    mode = 0;
}

void TAVSyncProgressDialog::setMessenger(Messenger function)
{
    messenger = std::move(function);
}

void TAVSyncProgressDialog::startSync(TAVVault *vault, std::function<void()> after)
{
    if (!vault)
        return;
    // Connected before the run starts, so that no line and no result is lost.
    syncedVault = vault;
    connect(vault, &TAVVault::itemSyncProgress, this, &TAVSyncProgressDialog::addSyncProgress);
    connect(vault, &TAVVault::syncDone, this, &TAVSyncProgressDialog::progressComplete);
    connect(vault, &TAVVault::syncFinishedWithErrors, this, &TAVSyncProgressDialog::progressFailed);
    // Held from now until the scan after the run has ended: a lock or a
    // removal waits for both, even while the task still waits for a thread.
    auto hold = std::make_shared<TAVSync::RunHold>();
    QtConcurrent::run([vault, after, hold]() mutable {
        TAVSync::syncFolders(vault);
        if (after)
            after();
        hold.reset();
    });
}

QString TAVSyncProgressDialog::text() const
{
    return ui->plainTextEdit->toPlainText();
}

void TAVSyncProgressDialog::addSyncProgress(QString name)
{
    QTextCursor cursor = ui->plainTextEdit->textCursor();
    cursor.movePosition(QTextCursor::End);
    if (name.isEmpty())
        cursor.insertText(tr("No items is synced"));
    cursor.insertText(name + QLatin1Char('\n'));
    ui->plainTextEdit->setTextCursor(cursor);
    ui->plainTextEdit->ensureCursorVisible();
}

int TAVSyncProgressDialog::message(QMessageBox::Icon icon, const QString &text)
{
    const QString title = ProductInfo::title();
    const QStringList buttons{QCoreApplication::translate("MainWindowClass", "OK")};
    if (messenger)
        return messenger(icon, title, text, buttons);
    TAVMessageBox box(icon, title, text, QMessageBox::NoButton, this);
    for (const QString &caption : buttons)
        box.addButton(caption, QMessageBox::AcceptRole);
    connect(&box, &TAVMessageBox::userAction, this, &TAVDialog::userAction);
    return Prompter::instance()->choose(&box);
}

void TAVSyncProgressDialog::endOfRun()
{
    resultShown = true;
    // What the vault says after its result (a scan run after it) is not this run's.
    if (syncedVault)
        disconnect(syncedVault, nullptr, this, nullptr);
}

void TAVSyncProgressDialog::progressComplete()
{
    // One result per dialog, whatever reaches it later.
    if (resultShown)
        return;
    endOfRun();
    message(QMessageBox::Information, mode != 0 ? tr("Synchronization completed successfully.")
                                                : tr("Repair completed successfully."));
    close();
}

void TAVSyncProgressDialog::progressFailed()
{
    if (resultShown)
        return;
    endOfRun();
    ui->label->setText(tr("Synchronization finished with errors:"));
    message(QMessageBox::Warning, tr("Synchronization finished with errors. The lines in the progress window "
                                     "say which items could not be synchronized."));
}

void TAVSyncProgressDialog::on_btnCancel_clicked()
{
    if (mode == 0)
        emit cancelRepair();
    close();
}
