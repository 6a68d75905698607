#ifndef PLEASEWAITDIALOG_H
#define PLEASEWAITDIALOG_H

#include <QDialog>

namespace Ui {
class PleaseWaitDialog;
}

// A one-line notice asking the user to let a running backup finish before
// quitting or ejecting the flash drive.
class PleaseWaitDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PleaseWaitDialog(QWidget *parent = nullptr);
    ~PleaseWaitDialog() override;

private:
    Ui::PleaseWaitDialog *ui;
};

#endif // PLEASEWAITDIALOG_H
