#ifndef TAVDIALOG_H
#define TAVDIALOG_H

#include <QDialog>

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
};

#endif // TAVDIALOG_H
