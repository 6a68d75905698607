#ifndef CONFIRMFILEDELETEDIALOG_H
#define CONFIRMFILEDELETEDIALOG_H

#include "tavdialog.h"

#include <functional>

namespace Ui {
class ConfirmFileDeleteDialog;
}

// Asks whether the sources of a move may now be deleted, with a box that
// stops the question for good ("DoNotAsk" in the group "Settings"). Yes
// accepts; No, Escape and the lock reject, and a rejection always keeps the
// sources.
class ConfirmFileDeleteDialog : public TAVDialog
{
    Q_OBJECT
public:
    explicit ConfirmFileDeleteDialog(QWidget *parent = nullptr);
    ~ConfirmFileDeleteDialog() override;

    // The whole question as a move asks it: true when the sources may be
    // deleted. Asks nothing when "DoNotAsk" is stored true; otherwise shows
    // the dialog (title "<product> - Confirm file delete") and, on Yes with
    // the box ticked, stores "DoNotAsk". Escape, No and the lock give false.
    // `prepare` sees the dialog before it shows (the caller's lock and
    // activity connections).
    static bool confirm(QWidget *parent,
                        const std::function<void(ConfirmFileDeleteDialog *)> &prepare = nullptr);

    // Whether "DoNotAsk" is stored true. Anything but a stored true (absent,
    // false, a damaged value) keeps the question on.
    static bool isSwitchedOff();
    // Stores "DoNotAsk" and writes the settings file; TAVSettings::WriteResult.
    static int storeDoNotAsk(bool doNotAsk);

    // Whether "Don't ask this question again." is ticked.
    bool getDoNotCheck() const;
    // Stores "DoNotAsk" = true and writes the settings file at once;
    // TAVSettings::WriteResult. The opener calls it only when the box is ticked.
    int saveSetting();

private slots:
    void on_btnYes_clicked();
    void on_btnNo_clicked();

private:
    Ui::ConfirmFileDeleteDialog *ui;
};

#endif // CONFIRMFILEDELETEDIALOG_H
