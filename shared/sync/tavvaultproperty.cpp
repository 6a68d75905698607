#include "tavvaultproperty.h"
#include "trcontext.h"
#include "ui_tavvaultproperty.h"

#include "fileutils.h"
#include "productinfo.h"
#include "prompter.h"
#include "tavcipherprops.h"
#include "tavfiledialog.h"
#include "tavinputdialog.h"
#include "tavkeychain.h"
#include "tavlogging.h"
#include "tavmessagebox.h"
#include "tavprogresslogdialog.h"
#include "tavsync.h"
#include "tavvault.h"
#include "utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QtConcurrent>

static void initVaultPropertyResources()
{
    Q_INIT_RESOURCE(dialogs);
    Q_INIT_RESOURCE(mainwindow);
    Q_INIT_RESOURCE(vaultproperty);
}

namespace {

// lupdate does not see texts passed through here: write
// MainFormText::tr("...") instead.
[[maybe_unused]] QString mainText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

void appendValue(QLabel *label, const QString &value)
{
    label->setText(label->text() + QStringLiteral(" %1").arg(value));
}

} // namespace

TavVaultProperty::TavVaultProperty(QWidget *parent)
    : TAVDialog(parent)
    , ui(new Ui_TavVaultProperty)
{
    initVaultPropertyResources();
    ui->setupUi(this);
    for (int column = 0; column < 3; ++column)
        ui->treeWidget->setColumnWidth(column, 100);
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(ui->btnadd),
                                    static_cast<QAbstractButton *>(ui->btnClose),
                                    static_cast<QAbstractButton *>(ui->btnRemove),
                                    static_cast<QAbstractButton *>(ui->btnSyncNow)})
        connect(button, &QAbstractButton::released, this, &TavVaultProperty::On_UserAction);
    connect(ui->treeWidget, &QTreeWidget::itemClicked, this, &TavVaultProperty::On_UserAction);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &TavVaultProperty::On_UserAction);
    ui->tabWidget->setCurrentIndex(0);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

TavVaultProperty::~TavVaultProperty()
{
    delete ui;
}

void TavVaultProperty::setAsk(Ask ask)
{
    askFunction = std::move(ask);
}

void TavVaultProperty::setSyncRunner(SyncRunner runner)
{
    syncRunner = std::move(runner);
}

void TavVaultProperty::setVault(TAVVault *vault)
{
    aVault = vault;
    if (!vault)
        return;
    const QString folder = vault->getFullPhysicalVaultPath();
    appendValue(ui->lbFullPhysicalPath, QDir::toNativeSeparators(folder));
    ui->lbFullPhysicalPath->setToolTip(QDir::toNativeSeparators(folder));
    if (vault->isVaultIdxExisting())
        appendValue(ui->lbencryption, TAVCipherProps(vault->getCipher()).toString());
    appendValue(ui->lbNumItem, QString::number(vault->getVaultItemCount()));
    appendValue(ui->lbTotalSpace, FileUtils::FileSizeToString(vault->GetCurrentSize()));
    readPeers();
}

int TavVaultProperty::ask(QMessageBox::Icon icon, const QString &title, const QString &text,
                          const QStringList &buttons)
{
    if (askFunction)
        return askFunction(icon, title, text, buttons);
    TAVMessageBox box(icon, title, text, QMessageBox::NoButton, nullptr);
    for (const QString &caption : buttons)
        box.addButton(caption, QMessageBox::ActionRole);
    connect(&box, &TAVMessageBox::userAction, this, &TavVaultProperty::userAction);
    return Prompter::instance()->choose(&box);
}

void TavVaultProperty::tell(QMessageBox::Icon icon, const QString &text)
{
    ask(icon, windowTitle(), text, {MainFormText::tr("OK")});
}

void TavVaultProperty::readPeers()
{
    ui->treeWidget->clear();
    if (!aVault)
        return;
    QList<TAVSyncEntry> peers;
    if (TAVSync::readSyncList(&peers, aVault) != 0) {
        LOG_ERROR << "readSyncList failed";
        return;
    }
    QList<QTreeWidgetItem *> rows;
    for (const TAVSyncEntry &peer : qAsConst(peers)) {
        auto *row = new QTreeWidgetItem(QStringList({peer.host, peer.diskFolder, peer.vaultFolder}));
        // The columns are narrow: the whole folder is in the tip.
        for (int column = 0; column < 3; ++column)
            row->setToolTip(column, row->text(column));
        rows << row;
    }
    ui->treeWidget->addTopLevelItems(rows);
}

void TavVaultProperty::on_btnClose_clicked()
{
    reject();
}

void TavVaultProperty::on_btnadd_clicked()
{
    if (!aVault)
        return;
    TAVFileDialog picker(this, tr("Please choose a folder to synchronise with:"), QDir::rootPath(), QString());
    picker.setFileMode(QFileDialog::Directory);
    // The toolkit's own dialog stays: a platform panel reports no user activity.
    picker.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks
                      | QFileDialog::DontUseNativeDialog);
    connect(&picker, &TAVFileDialog::userAction, this, &TavVaultProperty::userAction);
    const QString host = Utils::getHostName();
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty())
        return;
    const QString diskFolder = picker.selectedFiles().constFirst();
    const int result = TAVSync::addSyncPeer(aVault, host, diskFolder, QStringLiteral("/"));
    // Whatever happened, the table shows the list as it is now.
    readPeers();
    if (result != 0) {
        LOG_ERROR << "addSyncPeer failed" << result;
        tell(QMessageBox::Warning, TAVSync::addSyncPeerMessage(result));
    }
}

void TavVaultProperty::on_btnRemove_clicked()
{
    if (!aVault)
        return;
    QTreeWidgetItem *row = ui->treeWidget->currentItem();
    if (!row || row->parent())
        return;
    const int result = TAVSync::delSyncPeer(aVault, row->text(0), row->text(1), row->text(2));
    readPeers();
    if (result != 0) {
        LOG_ERROR << "delSyncPeer failed" << result;
        tell(QMessageBox::Warning,
             result == 2 ? tr("This synchronization peer is no longer in the list of the vault.")
                         : tr("The list of synchronization peers of this vault could not be changed. "
                              "The peer was not removed."));
    }
}

void TavVaultProperty::on_btnCopyKey_clicked()
{
    if (!aVault)
        return;
    const QString again = tr("Please try again and enter a password");
    const auto enter = [this](const QString &label, QString *password) {
        TAVInputDialog input(this, windowTitle(), label, QInputDialog::TextInput);
        input.setTextEchoMode(QLineEdit::Password);
        connect(&input, &TAVInputDialog::userAction, this, &TavVaultProperty::userAction);
        if (input.exec() != QDialog::Accepted)
            return false;
        *password = input.textValue();
        return true;
    };
    // Taken as typed: the same words must open the key chain elsewhere.
    QString password;
    if (!enter(tr("Please enter a new password to encrypt the key:"), &password)
        || password.trimmed().isEmpty()) {
        tell(QMessageBox::Warning, again);
        return;
    }
    QString confirmation;
    if (!enter(tr("Please enter the password again:"), &confirmation)) {
        tell(QMessageBox::Warning, again);
        return;
    }
    if (confirmation != password) {
        tell(QMessageBox::Warning,
             tr("The two passwords are not the same. The vault password was not changed."));
        return;
    }
    if (!aVault)
        return;
    TAVKey wrapped = aVault->getKey();
    wrapped.encrypt(TAVKey(password));
    TAVKeyChain chain(aVault->getKeyFileName());
    // Written whole to a new file that then replaces the old one.
    if (chain.setKey(QString(), wrapped) != 0) {
        LOG_ERROR << "error during setKey";
        tell(QMessageBox::Warning, tr("The vault password could not be saved in %1. The key chain was not changed.")
                                       .arg(QDir::toNativeSeparators(aVault->getKeyFileName())));
        return;
    }
    tell(QMessageBox::Information, tr("The vault password was set."));
}

void TavVaultProperty::on_btnSyncNow_clicked()
{
    if (!aVault)
        return;
    LOG_DEBUG << "button sync now clicked!";
    if (syncRunner)
        syncRunner(aVault, this);
    else
        runSync();
}

void TavVaultProperty::runSync()
{
    TAVVault *const vault = aVault;
    TAVProgressLogDialog progress(this);
    // Both connected before the run starts, so neither the first line nor
    // the end is lost. Queued: the run reports from the pool.
    connect(vault, &TAVVault::itemSyncProgress, &progress, &TAVProgressLogDialog::addSyncProgress);
    const auto finish = [this, &progress](QMessageBox::Icon icon, const QString &text) {
        progress.setFinished();
        ask(icon, ProductInfo::title(), text, {MainFormText::tr("OK")});
        progress.accept();
    };
    connect(vault, &TAVVault::syncDone, &progress, [finish] {
        finish(QMessageBox::Information, TAVProgressLogDialog::tr("Synchronization completed successfully."));
    });
    connect(vault, &TAVVault::syncFinishedWithErrors, &progress, [finish] {
        finish(QMessageBox::Warning, TAVProgressLogDialog::tr("Synchronization finished, but not every file "
                                                             "could be synchronized. See the lines above."));
    });
    QtConcurrent::run(QThreadPool::globalInstance(), &TAVSync::syncFolders, vault);
    progress.exec();
}

void TavVaultProperty::cancel_repair()
{
    if (repair)
        repair->cancel();
}

void TavVaultProperty::on_btnRepair_clicked()
{
    if (!aVault)
        return;
    TAVVault *const vault = aVault;
    TAVProgressLogDialog progress(this);
    progress.setProgressName(tr("Repair Progress"));
    TAVIndexRepair engine(vault);
    // A synchronisation can't start while the repair holds this, nor a
    // repair start while one runs.
    engine.setSyncMutex(&sync_running);
    engine.setConfirm([this](const QString &title, const QString &text) {
        return ask(QMessageBox::Question, title, text, {MainFormText::tr(" Yes "), MainFormText::tr(" No ")});
    });
    connect(&engine, &TAVIndexRepair::repairProgress, &progress, &TAVProgressLogDialog::addSyncProgress);
    connect(&engine, &TAVIndexRepair::repairProgress, this, &TavVaultProperty::repairProgress);
    connect(&progress, &TAVProgressLogDialog::cancelRequested, &engine, &TAVIndexRepair::cancel);

    TAVIndexRepair *const outer = repair;
    repair = &engine;
    ui->btnRepair->setEnabled(false);
    ui->btnSyncNow->setEnabled(false);
    progress.show();
    QCoreApplication::processEvents();
    repairResult = engine.run();
    repair = outer;
    progress.setFinished();
    if (repairResult.succeeded())
        emit repairDone();
    emit repairFinished(aVault);
    ask(repairResult.succeeded() ? QMessageBox::Information : QMessageBox::Warning, ProductInfo::title(),
        repairResult.message, {MainFormText::tr("OK")});
    progress.close();
    if (!repair) {
        ui->btnRepair->setEnabled(true);
        ui->btnSyncNow->setEnabled(true);
    }
}
