#include "updateavailabledialog.h"
#include "ui_updateavailabledialog.h"

UpdateAvailableDialog::UpdateAvailableDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui::UpdateAvailableDialog)
{
    ui->setupUi(this);
    setButtonTexts();
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint
                   | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
}

UpdateAvailableDialog::~UpdateAvailableDialog()
{
    delete ui;
}

void UpdateAvailableDialog::SetReleaseNotes(const QString &text)
{
    // The view tells plain from rich text itself.
    ui->txtReleaseNotes->setText(text);
}

void UpdateAvailableDialog::on_btnUpdate_clicked()
{
    accept();
    emit Update();
}

void UpdateAvailableDialog::on_btnCancel_clicked()
{
    reject();
}

void UpdateAvailableDialog::changeEvent(QEvent *e)
{
    TAVDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setButtonTexts();
    }
}

void UpdateAvailableDialog::setButtonTexts()
{
    ui->btnUpdate->setText(tr("Update"));
    ui->btnCancel->setText(tr("Cancel"));
}
