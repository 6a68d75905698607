#ifndef UPDATECONFIGDIALOG_H
#define UPDATECONFIGDIALOG_H

#include "tavdialog.h"

#include <functional>

namespace Ui {
class UpdateConfigDialog;
}

// How often the program looks for a new version ("CheckUpdate": 1 once a
// week, 2 every two weeks, 3 once a month, 0 never), and a check at once.
// The opener stores checkUpdateValue when the dialog is accepted; a lock
// rejects it, which stores nothing.
class UpdateConfigDialog : public TAVDialog
{
    Q_OBJECT
public:
    explicit UpdateConfigDialog(QWidget *parent = nullptr);
    ~UpdateConfigDialog() override;

    // Runs one update check and returns its UpdateRequest result; the
    // offer it finds is UpdateRequest::lastOffer().
    void setChecker(std::function<int()> checker);

    int checkUpdateValue = 0; // the period chosen when accepted

signals:
    // The user accepted the version found by "Check for updates now".
    void confirmUpdate();

public slots:
    void onUpdate();
    void on_btnCheckUpdateNow_clicked();
    void on_btnClose_clicked();
    void on_btnApply_clicked();
    void accept() override;

protected:
    void changeEvent(QEvent *e) override;

private:
    void setButtonTexts();

    Ui::UpdateConfigDialog *ui;
    std::function<int()> m_checker;
};

#endif // UPDATECONFIGDIALOG_H
