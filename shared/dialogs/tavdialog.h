#ifndef TAVDIALOG_H
#define TAVDIALOG_H

#include <QDialog>
#include <QMessageBox>

// Base of the program's own dialogs: reports the user's key and mouse input
// through userAction() (the opener restarts the inactivity timer on it) and
// rejects itself when the application locks.
class TAVDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TAVDialog(QWidget *parent = nullptr);

signals:
    void userAction();

protected slots:
    // Lets signals of the dialog's own widgets count as activity.
    void On_UserAction();

protected:
    bool event(QEvent *e) override;
    // Widens what a translation made too narrow for its text.
    void showEvent(QShowEvent *event) override;
    // A message box over this dialog with the one button "OK", through the
    // prompter, closed by the lock like the dialog itself: a lock never
    // leaves it standing over the login page. The index of the pressed
    // button, or -1 when it closed without one.
    int tellUser(QMessageBox::Icon icon, const QString &title, const QString &text);
};

#endif // TAVDIALOG_H
