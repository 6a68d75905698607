#ifndef KVVAVECREATEPASSWORDDIALOG_H
#define KVVAVECREATEPASSWORDDIALOG_H

#include "passwordrules.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLineEdit;

namespace Ui {
class KVVaveCreatePasswordDialog;
}

// Where the user chooses the application password on a drive's first run:
// typed twice (or on the on-screen keypad), rated while typed, accepted only
// when it meets the ticked rules, with an optional hint. Stores nothing: the
// opener reads `password` and getPasswordHint() after exec() returned 1.
class KVVaveCreatePasswordDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KVVaveCreatePasswordDialog(QWidget *parent = nullptr);
    ~KVVaveCreatePasswordDialog() override;

    // The accepted password exactly as typed; empty until OK.
    QString password;

    QString getPasswordHint() const;
    bool isValid() const;
    void setCheckBoxColor(QCheckBox *box, const QColor &color);

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent *e) override;
    // Widens what a translation made too narrow for its text.
    void showEvent(QShowEvent *event) override;

private slots:
    void on_btnOK_clicked();
    void on_lnePassword_textChanged(const QString &text);
    void on_lneRePassword_textChanged(const QString &text);
    void on_btnVK2_clicked();
    void on_btnVK1_clicked();
    void on_chk6Character_stateChanged(int state);
    void on_chkUpperLower_stateChanged(int state);
    void on_chkNumeric_stateChanged(int state);
    void on_chkSpecialCharacter_stateChanged(int state);
    void on_btnCancel_clicked();

private:
    void setOwnButtonTexts();
    void fillFromKeypad(QLineEdit *field);

    Ui::KVVaveCreatePasswordDialog *ui;
    std::unique_ptr<PasswordRules> rules;
};

#endif // KVVAVECREATEPASSWORDDIALOG_H
