#include "tavprogresslogdialog.h"
#include "ui_tavprogresslogdialog.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTextCursor>

TAVProgressLogDialog::TAVProgressLogDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui_TAVProgressLogDialog)
{
    ui->setupUi(this);
    ui->plainTextEdit->moveCursor(QTextCursor::End);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

TAVProgressLogDialog::~TAVProgressLogDialog()
{
    delete ui;
}

void TAVProgressLogDialog::setProgressName(const QString &name)
{
    setWindowTitle(name);
    ui->label->setText(QStringLiteral("%1:").arg(name));
    ui->btnCancel->setText(QCoreApplication::translate("MainWindowClass", "Cancel"));
    cancellable = true;
}

void TAVProgressLogDialog::setFinished()
{
    cancellable = false;
    ui->btnCancel->setText(tr("Close"));
}

QString TAVProgressLogDialog::text() const
{
    return ui->plainTextEdit->toPlainText();
}

void TAVProgressLogDialog::addSyncProgress(const QString &name)
{
    QTextCursor cursor = ui->plainTextEdit->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText((name.isEmpty() ? tr("No items is synced") : name) + QLatin1Char('\n'));
    ui->plainTextEdit->setTextCursor(cursor);
    ui->plainTextEdit->ensureCursorVisible();
}

void TAVProgressLogDialog::reject()
{
    // Every way of closing a running job's window stops the job: the button,
    // Escape, the title bar and the lock.
    if (cancellable) {
        cancellable = false;
        emit cancelRequested();
    }
    TAVDialog::reject();
}

void TAVProgressLogDialog::on_btnCancel_clicked()
{
    reject();
}
