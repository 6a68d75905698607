#ifndef TAVINPUTDIALOG_H
#define TAVINPUTDIALOG_H

#include <QInputDialog>

// The toolkit's input dialog, reporting user input through userAction() and
// rejected when the application locks.
class TAVInputDialog : public QInputDialog
{
    Q_OBJECT
public:
    TAVInputDialog(QWidget *parent, const QString &title, const QString &label,
                   QInputDialog::InputMode mode = QInputDialog::TextInput);

signals:
    void userAction();

protected slots:
    void On_UserAction();

protected:
    bool event(QEvent *e) override;
};

#endif // TAVINPUTDIALOG_H
