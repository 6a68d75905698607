#ifndef UPDATEAVAILABLEDIALOG_H
#define UPDATEAVAILABLEDIALOG_H

#include "tavdialog.h"

namespace Ui {
class UpdateAvailableDialog;
}

// The offer of a new version: its release notes (plain or rich text) and the
// choice to update now. Update() follows the acceptance; a lock rejects it.
class UpdateAvailableDialog : public TAVDialog
{
    Q_OBJECT
public:
    explicit UpdateAvailableDialog(QWidget *parent = nullptr);
    ~UpdateAvailableDialog() override;

    void SetReleaseNotes(const QString &text);

signals:
    void Update();

public slots:
    void on_btnUpdate_clicked();
    void on_btnCancel_clicked();

protected:
    void changeEvent(QEvent *e) override;

private:
    void setButtonTexts();

    Ui::UpdateAvailableDialog *ui;
};

#endif // UPDATEAVAILABLEDIALOG_H
