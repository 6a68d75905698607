#include "kvvavecreatepassworddialog.h"

#include "textfit.h"
#include "trcontext.h"
#include "ui_kvvavecreatepassworddialog.h"

#include "productinfo.h"
#include "prompter.h"
#include "pwdchecker.h"
#include "vir_keypad_dialog.h"

static void initDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

// lupdate does not see texts passed through here: write
// MainFormText::tr("...") instead.
[[maybe_unused]] QString mainText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

} // namespace

KVVaveCreatePasswordDialog::KVVaveCreatePasswordDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::KVVaveCreatePasswordDialog)
{
    initDialogResources();
    ui->setupUi(this);
    // The word's label is made inside a styled frame, which hands it the
    // application's font rather than the form's; on a large-font desktop it
    // would outgrow the bar.
    ui->lbStrength->setFont(font());
    rules = std::make_unique<PasswordRules>(this, ui->btnOK);
    setOwnButtonTexts();
    ui->btnOK->setEnabled(false);
    for (QLabel *bar : {ui->bar1, ui->bar2, ui->bar3, ui->bar4, ui->bar5, ui->bar6, ui->bar7, ui->bar8, ui->bar9,
                        ui->bar10})
        bar->hide();
    ui->lbStrength->setText(QString());
    ui->lblPasswordMatch->setStyleSheet(QStringLiteral("QLabel { color : red; }"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

KVVaveCreatePasswordDialog::~KVVaveCreatePasswordDialog()
{
    delete ui;
}

void KVVaveCreatePasswordDialog::setOwnButtonTexts()
{
    ui->btnCancel->setText(MainFormText::tr("Cancel"));
    ui->btnOK->setText(MainFormText::tr("OK"));
}

QString KVVaveCreatePasswordDialog::getPasswordHint() const
{
    return ui->PasswordHint->text();
}

bool KVVaveCreatePasswordDialog::isValid() const
{
    return rules->isValid();
}

void KVVaveCreatePasswordDialog::setCheckBoxColor(QCheckBox *box, const QColor &color)
{
    PasswordRules::setCheckBoxColor(box, color);
}

void KVVaveCreatePasswordDialog::accept()
{
    QDialog::accept();
}

void KVVaveCreatePasswordDialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form's texts come back as they were made, the confirmation and
        // the hint empty with them; the password typed stays.
        ui->lneRePassword->clear();
        ui->PasswordHint->clear();
    }
}

void KVVaveCreatePasswordDialog::on_btnOK_clicked()
{
    const QString typed = ui->lnePassword->text();
    // The key derivation can't tell these characters apart, so two different
    // passwords holding them would open the same vaults.
    const QString refused = PwdChecker::charsOutsideLatin1(typed);
    if (!refused.isEmpty()) {
        Prompter::instance()->ask(
            QMessageBox::Warning, ProductInfo::title(),
            MainFormText::tr("The password cannot contain these characters: %1\n"
                     "Please use only letters, digits and signs of Western European languages.")
                .arg(refused),
            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    password = typed;
    QDialog::accept();
}

void KVVaveCreatePasswordDialog::on_btnCancel_clicked()
{
    reject();
}

void KVVaveCreatePasswordDialog::on_lnePassword_textChanged(const QString &)
{
    rules->evaluate();
}

void KVVaveCreatePasswordDialog::on_lneRePassword_textChanged(const QString &)
{
    rules->confirmationChanged();
}

void KVVaveCreatePasswordDialog::on_chk6Character_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chk6Character, state);
}

void KVVaveCreatePasswordDialog::on_chkUpperLower_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chkUpperLower, state);
}

void KVVaveCreatePasswordDialog::on_chkNumeric_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chkNumeric, state);
}

void KVVaveCreatePasswordDialog::on_chkSpecialCharacter_stateChanged(int state)
{
    rules->ruleBoxChanged(ui->chkSpecialCharacter, state);
}

void KVVaveCreatePasswordDialog::on_btnVK1_clicked()
{
    fillFromKeypad(ui->lnePassword);
}

void KVVaveCreatePasswordDialog::on_btnVK2_clicked()
{
    fillFromKeypad(ui->lneRePassword);
}

void KVVaveCreatePasswordDialog::fillFromKeypad(QLineEdit *field)
{
    Vir_KeyPad_Dialog keypad(this);
    keypad.setWindowTitle(windowTitle() + MainFormText::tr(" - Virtual Keyboard"));
    if (keypad.exec() == QDialog::Accepted)
        field->setText(keypad.getPassword());
}

void KVVaveCreatePasswordDialog::showEvent(QShowEvent *event)
{
    TextFit::grow(this);
    QDialog::showEvent(event);
}
