// First run on a drive: a new default vault, or the adoption of the default
// vault folder already there. A run that fails or is given up leaves the
// drive as it found it.
#include "mainwindow.h"

#include "fileutils.h"
#include "kvvavecreatepassworddialog.h"
#include "mainsettings.h"
#include "productinfo.h"
#include "tavcryptofile.h"
#include "tavexception.h"
#include "tavfilesystem.h"
#include "tavinputdialog.h"
#include "tavkeychain.h"
#include "tavlogging.h"
#include "tavsettings.h"
#include "tavvault.h"
#include "mainwindowform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStackedWidget>

#include <exception>

namespace {

// lupdate does not see texts passed through here: write
// Ui_MainWindowClass::tr("...") instead.
[[maybe_unused]] QString mainFormText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

bool isCipher(TAVCipher cipher)
{
    return cipher >= TAV_AES128 && cipher <= TAV_AES1024;
}

} // namespace

QString MainWindow::genAutoUniqueVaultName() const
{
    const QString base = Ui_MainWindowClass::tr("Flash Drive");
    TAVFileSystem *root = TAVFileSystem::getInstance();
    QString name = base;
    for (int n = 1; root->getItem(name); ++n)
        name = base + QString::number(n);
    return name;
}

void MainWindow::requestQuit(int code)
{
    quitAtStart = true;
    startExitCode = code;
}

void MainWindow::firstRun()
{
    firstRunCreated.clear();
    previousVaultList.clear();
    if (!QFileInfo(settingsDir).isDir()) {
        if (!QDir().mkpath(settingsDir)) {
            failFirstRun(tr("Please make sure that your flash drive is formatted and that it is "
                            "not write-protected."));
            return;
        }
        firstRunCreated << settingsDir;
    }

    if (QFileInfo::exists(defaultVaultDir)) {
        connectVault();
        return;
    }
    if (!kvVaveCreatePassword()) {
        undoFirstRun();
        requestQuit(0);
        return;
    }
    if (!registerStick(password))
        return;
    tellPreviousVaultList();
    loadVault();
}

void MainWindow::tellPreviousVaultList()
{
    if (previousVaultList.isEmpty())
        return;
    showMessage(QMessageBox::Information, ProductInfo::title(),
                tr("An earlier list of vaults was found on the drive. It was kept as %1.")
                    .arg(QDir::toNativeSeparators(previousVaultList)),
                {Ui_MainWindowClass::tr("OK")});
}

bool MainWindow::kvVaveCreatePassword()
{
    KVVaveCreatePasswordDialog dialog(this);
    dialog.setWindowTitle(ProductInfo::title() + Ui_MainWindowClass::tr(" - Create Password"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Used exactly as typed: a blank at either end is part of the password.
    password = dialog.password;
    passwordHintText = dialog.getPasswordHint();
    return true;
}

bool MainWindow::registerStick(const QString &newPassword)
{
    // The folder came into being while the password was being chosen.
    if (QFileInfo::exists(defaultVaultDir))
        return adoptDefaultVault(newPassword);

    const QString structureText = tr("Unable to write vault structure. This program cannot continue.");
    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVVault *vault = nullptr;
    auto fail = [&](const QString &text) {
        if (vault) {
            root->removeVaultItem(vault->GetName());
            root->removeItem(vault->GetName());
        }
        failFirstRun(text);
        return false;
    };

    try {
        if (!QDir().mkpath(defaultVaultDir))
            return fail(tr("Please make sure that your flash drive is formatted and that it is "
                           "not write-protected."));
        firstRunCreated << defaultVaultDir;
        FileUtils::setVaultDirIcon(defaultVaultDir);

        const TAVKey vaultKey;
        vault = root->addVault(genAutoUniqueVaultName(), defaultVaultDir,
                               TAVCiphers::platform_preferred_cipher(), vaultKey);
        connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh, Qt::UniqueConnection);
        vault->setLoaded(true);

        const TAVKey master(newPassword);
        TAVKey wrapped(vaultKey);
        if (wrapped.encrypt(master) != 0) {
            LOG_ERROR << "unable to wrap the vault key";
            return fail(structureText);
        }
        // Without its key file the folder could never be adopted again.
        if (TAVKeyChain(vault->getKeyFileName()).setKey(QString(), wrapped) != 0) {
            LOG_ERROR << "unable to write key file";
            return fail(structureText);
        }
        if (root->addNewVault(vault) != 0)
            return fail(structureText);
        if (vault->save() != 0)
            return fail(structureText);
        if (!writeFirstVaultList(master))
            return fail(structureText);
        // The settings file last: its presence means the drive is set up.
        if (!writeFirstSettings(true))
            return fail(structureText);
        key = master;
    } catch (const TAVException &e) {
        LOG_ERROR << "Exception:" << e.what();
        return fail(QString::fromUtf8(e.what()));
    } catch (const std::exception &e) {
        LOG_ERROR << "Exception:" << e.what();
        return fail(tr("Please make sure that your flash drive is formatted and that it is not "
                       "write-protected."));
    }

    unlocked = true;
    ui->centralStackedWidget->setCurrentIndex(1);
    return true;
}

void MainWindow::connectVault()
{
    if (!adoptDefaultVault(QString()))
        return;
    tellPreviousVaultList();
    loadVault();
}

bool MainWindow::unwrapDefaultVaultKey(const QString &candidate, TAVKey *vaultKey,
                                       TAVCipher *cipher) const
{
    const TAVKeyChain chain(defaultVaultDir + QStringLiteral("/keychain.dat"));
    TAVKey unwrapped;
    if (chain.getKey(QString(), &unwrapped) != 0) {
        LOG_ERROR << "unable to get key";
        return false;
    }
    if (unwrapped.decrypt(TAVKey(candidate)) != 0)
        return false;
    TAVCryptoFile index(defaultVaultDir + QStringLiteral("/index.dat"));
    TAVCipher indexCipher = TAV_CIPHER_NONE;
    unsigned int version = 0;
    const int code = index.open(QIODevice::ReadOnly, &indexCipher, unwrapped, &version);
    index.close();
    if (code != 0 || !isCipher(indexCipher))
        return false;
    *vaultKey = unwrapped;
    *cipher = indexCipher;
    return true;
}

bool MainWindow::adoptDefaultVault(const QString &newPassword)
{
    const QString title = ProductInfo::title();
    const QStringList yesNo{Ui_MainWindowClass::tr(" Yes "), Ui_MainWindowClass::tr(" No ")};
    if (showMessage(QMessageBox::Warning, title,
                    tr("A vault already exists on the flash drive. Do you want to use that vault?"),
                    yesNo) != 0)
        return refuseAdoption();

    // A key file that can't be read is damage: no password would help.
    {
        TAVKeyChain chain(defaultVaultDir + QStringLiteral("/keychain.dat"));
        TAVKey wrapped;
        // The vault is left as it is: nothing tells the user to remove it.
        if (chain.read() != 0 || chain.getKey(QString(), &wrapped) != 0) {
            failFirstRun(damagedFileText(chain.fileName));
            return false;
        }
    }
    const QString label = newPassword.isNull()
        ? tr("Please enter a new password to decrypt the key:")
        : tr("Enter your password to unlock the vault:");
    TAVKey vaultKey;
    TAVCipher cipher = TAV_CIPHER_NONE;
    QString vaultPassword;
    for (;;) {
        TAVInputDialog dialog(this, title, label, QInputDialog::TextInput);
        dialog.setTextEchoMode(QLineEdit::Password);
        bool opened = false;
        if (dialog.exec() == QDialog::Accepted) {
            // As typed first, then without blanks at the ends: key chains
            // have been written either way.
            const QString typed = dialog.textValue();
            QStringList candidates{typed};
            if (typed.trimmed() != typed)
                candidates << typed.trimmed();
            for (const QString &candidate : qAsConst(candidates)) {
                if (unwrapDefaultVaultKey(candidate, &vaultKey, &cipher)) {
                    vaultPassword = candidate;
                    opened = true;
                    break;
                }
            }
        }
        if (opened)
            break;
        if (showMessage(QMessageBox::Warning, title,
                        tr("That is not the correct password for this vault. Do you want to try again?"),
                        yesNo) != 0)
            return refuseAdoption();
    }

    // The folder's own record names its identifier and cipher; the index
    // header, which has just been opened, vouches for the cipher otherwise.
    QUuid id;
    QString storedName;
    TAVCipher storedCipher = TAV_CIPHER_NONE;
    const bool hasVersion =
        TAVFileSystem::getVaultInfo(defaultVaultDir, id, storedName, storedCipher) == 0;
    if (hasVersion && isCipher(storedCipher) && storedCipher != cipher)
        LOG_WARNING << "version record names cipher" << int(storedCipher) << "but the index is"
                    << int(cipher) << "; the index's is used";

    TAVFileSystem *root = TAVFileSystem::getInstance();
    TAVVault *vault = nullptr;
    const TAVKey master(newPassword.isNull() ? vaultPassword : newPassword);
    auto fail = [&](const QString &text) {
        if (vault) {
            root->removeVaultItem(vault->GetName());
            root->removeItem(vault->GetName());
        }
        failFirstRun(text);
        return false;
    };
    try {
        vault = root->addVault(genAutoUniqueVaultName(), defaultVaultDir, cipher, vaultKey);
        if (hasVersion && !id.isNull())
            vault->SetId(id);
        root->addVaultItem(vault);
        connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh, Qt::UniqueConnection);
        const int loaded = vault->load();
        if (loaded != 0)
            LOG_WARNING << "adopted vault not loaded:" << loaded;
        if (!writeFirstVaultList(master))
            return fail(tr("Unable to write vault structure. This program cannot continue."));
        if (!writeFirstSettings(!newPassword.isNull()))
            return fail(tr("Unable to write vault structure. This program cannot continue."));
    } catch (const TAVException &e) {
        LOG_ERROR << "Exception:" << e.what();
        return fail(QString::fromUtf8(e.what()));
    }
    key = master;
    unlocked = true;
    ui->centralStackedWidget->setCurrentIndex(1);
    return true;
}

bool MainWindow::refuseAdoption()
{
    showMessage(QMessageBox::Information, ProductInfo::title(),
                tr("%1 cannot continue as there is already a vault on the flash drive. Please "
                   "remove it and try again.")
                    .arg(QStringLiteral("KolvaneVave")),
                {Ui_MainWindowClass::tr("OK")});
    undoFirstRun();
    requestQuit(0);
    return false;
}

bool MainWindow::writeFirstVaultList(const TAVKey &master)
{
    const QString list = settingsDir + QStringLiteral("/filesystem.dat");
    // A list already there (its settings file lost) holds the keys of other
    // vaults: it is set aside, never replaced.
    if (QFileInfo::exists(list) && !firstRunCreated.contains(list)) {
        const QString aside = list + QStringLiteral(".previous-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        if (!QFile::rename(list, aside)) {
            LOG_ERROR << "can't set the earlier vault list aside:" << list;
            return false;
        }
        LOG_WARNING << "earlier vault list kept as" << aside;
        previousVaultList = aside;
    }
    firstRunCreated << list;
    return TAVFileSystem::getInstance()->saveToFile(list, master) == 0;
}

bool MainWindow::writeFirstSettings(bool withHint)
{
    TAVSettings::getInstance()->setFileName(settingsFileName);
    firstRunCreated << settingsFileName;
    MainSettings settings;
    if (withHint) {
        settings.passwordHint = passwordHintText;
        if (settings.storePasswordHint() != TAVSettings::WriteOk)
            return false;
    }
    if (settings.storeNewPasswordDefaults() != TAVSettings::WriteOk)
        return false;
    lastChangedPasswordDate = settings.lastChangedPasswordDate;
    dayOfChangePasswordRemind = settings.dayOfChangePasswordRemind;
    minuteOfTimeOut = settings.minuteOfTimeOut;
    return true;
}

void MainWindow::failFirstRun(const QString &text)
{
    undoFirstRun();
    showMessage(QMessageBox::Information, ProductInfo::title(), text, {Ui_MainWindowClass::tr("OK")});
    requestQuit(1);
}

void MainWindow::undoFirstRun()
{
    for (int i = firstRunCreated.size() - 1; i >= 0; --i) {
        const QString path = firstRunCreated.at(i);
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            QDir(path).removeRecursively();
        else if (info.exists() || info.isSymLink())
            QFile::remove(path);
    }
    firstRunCreated.clear();
    if (!previousVaultList.isEmpty()) {
        QFile::rename(previousVaultList, settingsDir + QStringLiteral("/filesystem.dat"));
        previousVaultList.clear();
    }
}

void MainWindow::loadVault()
{
    TAVFileSystem *root = TAVFileSystem::getInstance();
    QList<TAVItem *> children;
    for (int i = 0; i < root->getItemCount(); ++i)
        children << root->getItemAt(i);
    for (TAVItem *child : qAsConst(children)) {
        auto *vault = qobject_cast<TAVVault *>(child);
        if (!vault || vault->GetClassID() != 3)
            continue;
        try {
            LOG_INFO << "Index file read succesful";
            connect(vault, &TAVVault::vaultRefresh, this, &MainWindow::vault_refresh,
                    Qt::UniqueConnection);
            updateVaultStats(vault);
        } catch (const TAVException &e) {
            showMessage(QMessageBox::Warning, windowTitle(), QString::fromUtf8(e.what()),
                        {Ui_MainWindowClass::tr("OK")});
        }
    }
}
