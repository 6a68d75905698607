#ifndef VIR_KEYPAD_DIALOG_H
#define VIR_KEYPAD_DIALOG_H

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QFrame;

namespace Ui {
class Vir_KeyPad_Dialog;
}

// The on-screen keypad: the user composes a password by clicking keys whose
// three blocks (digits, letters, specials) are dealt afresh at random after
// every click, so the places clicked don't give the password away. The opener
// reads getPassword() when exec() returned 1.
class Vir_KeyPad_Dialog : public QDialog
{
    Q_OBJECT
public:
    explicit Vir_KeyPad_Dialog(QWidget *parent = nullptr);
    // Stores the security level in the settings, whatever the result.
    ~Vir_KeyPad_Dialog() override;

    QString getPassword() const;

    void done(int r) override;

signals:
    void userAction();

protected:
    bool event(QEvent *e) override;
    void changeEvent(QEvent *e) override;
    // Widens what a translation made too narrow for its text.
    void showEvent(QShowEvent *event) override;

private slots:
    void on_slide_SecureLevel_valueChanged(int value);
    void on_brnReset_clicked();
    void on_btnShift_clicked();
    void on_btnBackSpace_clicked();
    void on_checkBox_stateChanged(int state);

private:
    void on_buttonClicked(QAbstractButton *button);
    void init_Keypad();
    void random_Keypad();
    QButtonGroup *makeKeys(QFrame *frame, int count, int columns);

    Ui::Vir_KeyPad_Dialog *ui;
    QButtonGroup *numGroup = nullptr;
    QButtonGroup *charGroup = nullptr;
    QButtonGroup *specialGroup = nullptr;
    bool shift = false;
};

#endif // VIR_KEYPAD_DIALOG_H
