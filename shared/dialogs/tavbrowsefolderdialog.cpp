#include "tavbrowsefolderdialog.h"
#include "ui_tavbrowsefolderdialog.h"

#include "tavfilesystemtreemodel.h"
#include "tavitem.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

namespace {

QString mainText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

} // namespace

TAVBrowseFolderDialog::TAVBrowseFolderDialog(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui::TAVBrowseFolderDialog)
{
    ui->setupUi(this);
    QPushButton *ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    ok->setText(mainText("OK"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(mainText("Cancel"));
    ok->setEnabled(false);

    tree = new QTreeView(this);
    tree->setObjectName(QStringLiteral("dirBrowserView"));
    tree->setModel(TAVFileSystemTreeModel::getInstance());
    tree->setItemsExpandable(true);
    tree->setRootIsDecorated(true);
    tree->setAlternatingRowColors(false);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->header()->setStretchLastSection(true);
    tree->setSortingEnabled(false);
    // Only a target is chosen here; nothing may be dropped onto the tree.
    tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    tree->setHeaderHidden(true);
    ui->formLayout->addRow(tree);

    // A double-click only counts as activity: it does not choose.
    connect(tree, &QTreeView::doubleClicked, this, &TAVBrowseFolderDialog::On_UserAction);
    connect(tree, &QTreeView::clicked, this, &TAVBrowseFolderDialog::on_dirBrowserView_clicked);
}

TAVBrowseFolderDialog::~TAVBrowseFolderDialog()
{
    delete tree;
    delete ui;
}

QString TAVBrowseFolderDialog::getSelectedFolderPath() const
{
    TAVItem *item = getSelectedFolderItem();
    return item ? item->GetFullPath() : QString();
}

TAVItem *TAVBrowseFolderDialog::getSelectedFolderItem() const
{
    const QModelIndex current = tree->currentIndex();
    if (!current.isValid())
        return nullptr;
    return TAVFileSystemTreeModel::getInstance()->itemFromIndex(current);
}

void TAVBrowseFolderDialog::accept()
{
    emit userAction();
    // The current entry decides, not the button: the tree may have lost it.
    if (getSelectedFolderItem()) {
        QDialog::accept();
        return;
    }
    tellUser(QMessageBox::Warning, windowTitle(), tr("Please select a target folder."));
    emit userAction();
}

void TAVBrowseFolderDialog::changeEvent(QEvent *e)
{
    TAVDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void TAVBrowseFolderDialog::on_dirBrowserView_clicked(const QModelIndex &index)
{
    if (index.isValid())
        ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
    emit userAction();
}
