#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// The Help menu's About box: artwork, edition and version, release date, the
// licence and web-site links and the rights notice, with one OK button.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    void changeEvent(QEvent *e) override;
    // Widens what a translation made too narrow for its text.
    void showEvent(QShowEvent *event) override;

private:
    Ui::AboutDialog *ui;
};

#endif // ABOUTDIALOG_H
