#ifndef CHANGEPASSWORDDIALOG_H
#define CHANGEPASSWORDDIALOG_H

#include "passwordrules.h"
#include "tavdialog.h"

#include <memory>

class QCheckBox;
class QLineEdit;

namespace Ui {
class ChangePasswordDialog;
}

// Where a logged-in user replaces the application password: the current one,
// the new one twice (rated while typed, OK only when it meets the ticked
// rules) and an optional hint; each password field has the on-screen keypad
// beside it. It checks nothing against the vaults: the opener verifies the
// current password and re-keys after exec() returned Accepted. Edits, cursor
// moves, the keypad and the buttons count as activity; the lock closes the
// dialog and any keypad opened from it.
class ChangePasswordDialog : public TAVDialog
{
    Q_OBJECT
public:
    explicit ChangePasswordDialog(QWidget *parent = nullptr);
    ~ChangePasswordDialog() override;

    // The field texts exactly as typed.
    QString getCurrentPassword() const;
    QString getNewPassword() const;
    QString getpasswordHint() const;
    void setPasswordHint(const QString &hint);

    // Stores the hint as "passwordhint" and writes the settings file at once;
    // TAVSettings::WriteResult.
    int saveSetting();

    bool isValid() const;
    void setCheckBoxColor(QCheckBox *box, const QColor &color);

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent *e) override;

private slots:
    void on_lnePassword_textChanged(const QString &text);
    void on_lneRePassword_textChanged(const QString &text);
    void on_btnVK3_clicked();
    void on_btnVK2_clicked();
    void on_btnVK1_clicked();
    void on_chk6Character_stateChanged(int state);
    void on_chkUpperLower_stateChanged(int state);
    void on_chkNumeric_stateChanged(int state);
    void on_chkSpecialCharacter_stateChanged(int state);
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    void setOwnButtonTexts();
    void fillFromKeypad(QLineEdit *field);
    // Closes with Accepted unless the new password holds characters the key
    // derivation cannot tell apart; then says so and stays open.
    void acceptChecked();

    Ui::ChangePasswordDialog *ui;
    std::unique_ptr<PasswordRules> rules;
};

#endif // CHANGEPASSWORDDIALOG_H
