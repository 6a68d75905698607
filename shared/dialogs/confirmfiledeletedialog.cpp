#include "confirmfiledeletedialog.h"
#include "ui_confirmfiledeletedialog.h"

#include "productinfo.h"
#include "tavsettings.h"

namespace {

const QString kGroup = QStringLiteral("Settings");
const QString kDoNotAsk = QStringLiteral("DoNotAsk");

} // namespace

ConfirmFileDeleteDialog::ConfirmFileDeleteDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui::ConfirmFileDeleteDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

ConfirmFileDeleteDialog::~ConfirmFileDeleteDialog()
{
    delete ui;
}

bool ConfirmFileDeleteDialog::confirm(QWidget *parent,
                                      const std::function<void(ConfirmFileDeleteDialog *)> &prepare)
{
    if (isSwitchedOff())
        return true;
    ConfirmFileDeleteDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("MainWindow", "%1 - Confirm file delete").arg(ProductInfo::title()));
    if (prepare)
        prepare(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (dialog.getDoNotCheck())
        dialog.saveSetting();
    return true;
}

bool ConfirmFileDeleteDialog::isSwitchedOff()
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(kGroup);
    const QVariant stored = settings->value(kDoNotAsk);
    settings->endGroup();
    // Only a true written by this dialog skips the question: a damaged value
    // must never delete the user's files unasked.
    return stored.userType() == QMetaType::Bool && stored.toBool();
}

int ConfirmFileDeleteDialog::storeDoNotAsk(bool doNotAsk)
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(kGroup);
    settings->setValue(kDoNotAsk, doNotAsk);
    settings->endGroup();
    return settings->write();
}

bool ConfirmFileDeleteDialog::getDoNotCheck() const
{
    return ui->chkDoNotAsk->isChecked();
}

int ConfirmFileDeleteDialog::saveSetting()
{
    return storeDoNotAsk(true);
}

void ConfirmFileDeleteDialog::on_btnYes_clicked()
{
    accept();
    close();
}

void ConfirmFileDeleteDialog::on_btnNo_clicked()
{
    reject();
}
