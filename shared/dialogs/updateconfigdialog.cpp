#include "updateconfigdialog.h"
#include "ui_updateconfigdialog.h"

#include "clock.h"
#include "productinfo.h"
#include "prompter.h"
#include "tavlogging.h"
#include "tavsettings.h"
#include "updateavailabledialog.h"
#include "updaterequest.h"

#include <QCoreApplication>

UpdateConfigDialog::UpdateConfigDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui::UpdateConfigDialog)
{
    ui->setupUi(this);
    setButtonTexts();

    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(QStringLiteral("Settings"));
    const int period = settings->value(QStringLiteral("CheckUpdate"), 1).toInt();
    settings->endGroup();
    switch (period) {
    case 1:
        ui->radOneWeek->setChecked(true);
        break;
    case 2:
        ui->radEveryTwoWeek->setChecked(true);
        break;
    case 3:
        ui->radOneaMonth->setChecked(true);
        break;
    default:
        ui->radNeverNot->setChecked(true);
        break;
    }
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint
                   | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
}

UpdateConfigDialog::~UpdateConfigDialog()
{
    delete ui;
}

void UpdateConfigDialog::setChecker(std::function<int()> checker)
{
    m_checker = std::move(checker);
}

void UpdateConfigDialog::onUpdate()
{
    emit confirmUpdate();
}

void UpdateConfigDialog::on_btnCheckUpdateNow_clicked()
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(QStringLiteral("Settings"));
    settings->setValue(QStringLiteral("DateCheckUpdate"), Clock::getInstance()->currentDateTime().date());
    settings->endGroup();
    if (settings->write() != TAVSettings::WriteOk)
        LOG_ERROR << "Settings not written after the update check date";

    if (!m_checker) {
        LOG_ERROR << "no update check to run";
        return;
    }
    const int result = m_checker();
    const QString title = ProductInfo::title();
    if (result == UpdateRequest::Failed) {
        Prompter::instance()->ask(
            QMessageBox::Information, title,
            tr("Thank you for using %1\nYou are using %1 %2. There are currently no updates "
               "available.\nPlease try again later.")
                .arg(title, ProductInfo::displayVersion()),
            QMessageBox::Close, QMessageBox::Close);
    } else if (result == UpdateRequest::Found) {
        UpdateAvailableDialog offer(this);
        offer.setWindowTitle(title + tr(" - New Version Available"));
        offer.SetReleaseNotes(UpdateRequest::lastOffer().releaseNote);
        connect(&offer, &UpdateAvailableDialog::Update, this, &UpdateConfigDialog::onUpdate);
        connect(&offer, &TAVDialog::userAction, this, &TAVDialog::userAction);
        offer.exec();
    }
    // Anything else (a refusing proxy, a reply that is no offer) says nothing.
}

void UpdateConfigDialog::on_btnClose_clicked()
{
    reject();
}

void UpdateConfigDialog::on_btnApply_clicked()
{
    if (ui->radOneWeek->isChecked())
        checkUpdateValue = 1;
    else if (ui->radEveryTwoWeek->isChecked())
        checkUpdateValue = 2;
    else if (ui->radOneaMonth->isChecked())
        checkUpdateValue = 3;
    else
        checkUpdateValue = 0;
    accept();
}

void UpdateConfigDialog::accept()
{
    TAVDialog::accept();
}

void UpdateConfigDialog::changeEvent(QEvent *e)
{
    TAVDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setButtonTexts();
    }
}

void UpdateConfigDialog::setButtonTexts()
{
    ui->btnApply->setText(QCoreApplication::translate("MainWindowClass", "OK"));
    ui->btnClose->setText(QCoreApplication::translate("MainWindowClass", "Cancel"));
    ui->btnCheckUpdateNow->setText(tr("Check for updates now"));
}
