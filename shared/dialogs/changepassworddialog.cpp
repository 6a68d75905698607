#include "changepassworddialog.h"
#include "ui_changepassworddialog.h"

#include "locknotifier.h"
#include "mainsettings.h"
#include "productinfo.h"
#include "pwdchecker.h"
#include "vir_keypad_dialog.h"

#include <QPushButton>

static void initDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

QString mainText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

} // namespace

ChangePasswordDialog::ChangePasswordDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui::ChangePasswordDialog)
{
    initDialogResources();
    ui->setupUi(this);
    rules = std::make_unique<PasswordRules>(this, ui->buttonBox->button(QDialogButtonBox::Ok));
    setOwnButtonTexts();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    for (QLabel *bar : {ui->bar1, ui->bar2, ui->bar3, ui->bar4, ui->bar5, ui->bar6, ui->bar7, ui->bar8, ui->bar9,
                        ui->bar10})
        bar->hide();
    ui->lbStrength->setText(QString());
    ui->lblPasswordMatch->setStyleSheet(QStringLiteral("QLabel { color : red; }"));

    for (QLineEdit *field : {ui->lnePassword, ui->lneRePassword, ui->lneCurPwd}) {
        // A field also finishes editing when the closing dialog takes its
        // focus away, which is no input of the user's: a lock must not count.
        connect(field, &QLineEdit::editingFinished, this, [this] {
            if (!isHidden())
                On_UserAction();
        });
        connect(field, &QLineEdit::textChanged, this, &ChangePasswordDialog::On_UserAction);
        connect(field, &QLineEdit::cursorPositionChanged, this, &ChangePasswordDialog::On_UserAction);
    }

    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::CustomizeWindowHint
                   | Qt::WindowCloseButtonHint);
}

ChangePasswordDialog::~ChangePasswordDialog()
{
    delete ui;
}

void ChangePasswordDialog::setOwnButtonTexts()
{
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(mainText("OK"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(mainText("Cancel"));
}

QString ChangePasswordDialog::getCurrentPassword() const
{
    return ui->lneCurPwd->text();
}

QString ChangePasswordDialog::getNewPassword() const
{
    return ui->lnePassword->text();
}

QString ChangePasswordDialog::getpasswordHint() const
{
    return ui->passwordHint->text();
}

void ChangePasswordDialog::setPasswordHint(const QString &hint)
{
    ui->passwordHint->setText(hint);
}

int ChangePasswordDialog::saveSetting()
{
    MainSettings settings;
    settings.passwordHint = getpasswordHint();
    return settings.storePasswordHint();
}

bool ChangePasswordDialog::isValid() const
{
    return rules->isValid();
}

void ChangePasswordDialog::setCheckBoxColor(QCheckBox *box, const QColor &color)
{
    PasswordRules::setCheckBoxColor(box, color);
}

void ChangePasswordDialog::accept()
{
    emit userAction();
    acceptChecked();
}

void ChangePasswordDialog::acceptChecked()
{
    // The key derivation can't tell these characters apart, so two different
    // passwords holding them would open the same vaults.
    const QString refused = PwdChecker::charsOutsideLatin1(getNewPassword());
    if (!refused.isEmpty()) {
        tellUser(QMessageBox::Warning, ProductInfo::title(),
                 mainText("The password cannot contain these characters: %1\n"
                          "Please use only letters, digits and signs of Western European languages.")
                     .arg(refused));
        return;
    }
    QDialog::accept();
}

void ChangePasswordDialog::changeEvent(QEvent *e)
{
    TAVDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void ChangePasswordDialog::on_lnePassword_textChanged(const QString &)
{
    rules->evaluate();
}

void ChangePasswordDialog::on_lneRePassword_textChanged(const QString &)
{
    rules->confirmationChanged();
}

void ChangePasswordDialog::on_chk6Character_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chk6Character, state);
}

void ChangePasswordDialog::on_chkUpperLower_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chkUpperLower, state);
}

void ChangePasswordDialog::on_chkNumeric_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chkNumeric, state);
}

void ChangePasswordDialog::on_chkSpecialCharacter_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chkSpecialCharacter, state);
}

void ChangePasswordDialog::on_btnVK1_clicked()
{
    fillFromKeypad(ui->lneCurPwd);
}

void ChangePasswordDialog::on_btnVK2_clicked()
{
    fillFromKeypad(ui->lnePassword);
}

void ChangePasswordDialog::on_btnVK3_clicked()
{
    fillFromKeypad(ui->lneRePassword);
}

void ChangePasswordDialog::fillFromKeypad(QLineEdit *field)
{
    {
        Vir_KeyPad_Dialog keypad(this);
        keypad.setWindowTitle(windowTitle() + mainText(" - Virtual Keyboard"));
        // The keypad is no TAVDialog: it closes on the lock only through this.
        connect(LockNotifier::getInstance(), &LockNotifier::locked, &keypad, &QDialog::reject);
        connect(&keypad, &Vir_KeyPad_Dialog::userAction, this, &ChangePasswordDialog::On_UserAction);
        if (keypad.exec() == QDialog::Accepted)
            field->setText(keypad.getPassword());
    }
    emit userAction();
}

void ChangePasswordDialog::on_buttonBox_accepted()
{
    emit userAction();
    acceptChecked();
}

void ChangePasswordDialog::on_buttonBox_rejected()
{
    emit userAction();
    QDialog::reject();
}
