#ifndef TAVBROWSEFOLDERDIALOG_H
#define TAVBROWSEFOLDERDIALOG_H

#include "tavdialog.h"

class QModelIndex;
class QTreeView;
class TAVItem;

namespace Ui {
class TAVBrowseFolderDialog;
}

// Lets the user pick a vault or folder of the vault tree as the target of a
// move. OK stays disabled until an entry is clicked and refuses to close
// while no entry is current. The opener reads getSelectedFolderPath() when
// exec() returned Accepted; a lock rejects the dialog.
class TAVBrowseFolderDialog : public TAVDialog
{
    Q_OBJECT
public:
    explicit TAVBrowseFolderDialog(QWidget *parent = nullptr);
    ~TAVBrowseFolderDialog() override;

    // The full path of the current entry ("Vault/Folder/Sub"); empty when
    // none is current.
    QString getSelectedFolderPath() const;
    // The item of the current entry; null when none is current.
    TAVItem *getSelectedFolderItem() const;

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent *e) override;

private:
    // Connected by hand: the tree is made after the form.
    void on_dirBrowserView_clicked(const QModelIndex &index);

    Ui::TAVBrowseFolderDialog *ui;
    QTreeView *tree;
};

#endif // TAVBROWSEFOLDERDIALOG_H
