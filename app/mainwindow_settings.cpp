// Preferences of the window and the user, and the interface language.
#include "mainwindow.h"

#include "languagetable.h"
#include "mainsettings.h"
#include "productinfo.h"
#include "tavlogging.h"
#include "tavsettings.h"
#include "tavtreeview.h"
#include "translation.h"
#include "updateschedule.h"
#include "viewstates.h"
#include "mainwindowform.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QSplitter>

void MainWindow::readSettings()
{
    // Checked values: a damaged file never switches the lock off or picks a
    // cipher that does not exist (each such value takes its default, logged).
    MainSettings settings;
    settings.read(settingsFileName);
    const QString kept = TAVSettings::getInstance()->keptDamagedFile();
    if (!kept.isEmpty())
        showMessage(QMessageBox::Warning, ProductInfo::title(),
                    tr("The settings file %1 is damaged. It was kept as %2, and the default "
                       "settings are used.")
                        .arg(QDir::toNativeSeparators(settingsFileName), QDir::toNativeSeparators(kept)),
                    {Ui_MainWindowClass::tr("OK")});

    resize(settings.size);
    move(settings.pos);
    // The states come from the stick: each is checked before Qt reads it,
    // and one that fails is dropped, keeping the defaults.
    const auto checked = [](const char *name, const QByteArray &state, bool fits) {
        if (!state.isEmpty() && !fits)
            LOG_WARNING << "the stored" << name << "state is not usable and is left out";
        return !state.isEmpty() && fits;
    };
    if (checked("geometry", settings.geometry, ViewStates::sizeFits(settings.geometry)))
        restoreGeometry(settings.geometry);
    if (checked("window", settings.windowState, ViewStates::windowStateFits(settings.windowState)))
        restoreState(settings.windowState, 0);
    if (checked("splitter", settings.splitterSizes,
                ViewStates::splitterStateFits(settings.splitterSizes, ui->mainSplitter->count())))
        ui->mainSplitter->restoreState(settings.splitterSizes);
    if (checked("splitter", settings.compSplitterSizes,
                ViewStates::splitterStateFits(settings.compSplitterSizes, ui->computerSplitter->count())))
        ui->computerSplitter->restoreState(settings.compSplitterSizes);
    if (checked("header", settings.treeHeader,
                ViewStates::headerStateFits(settings.treeHeader, ui->treeView->header()->count())))
        ui->treeView->header()->restoreState(settings.treeHeader);
    if (checked("header", settings.compTreeHeader,
                ViewStates::headerStateFits(settings.compTreeHeader, ui->fsTreeView->header()->count())))
        ui->fsTreeView->header()->restoreState(settings.compTreeHeader);

    encryptionMethod = settings.encryptionMethod;
    curLanguage = settings.language;
    passwordHintText = settings.passwordHint;
    doNotShowHowTo = settings.doNotShowHowTo;
    minuteOfTimeOut = settings.minuteOfTimeOut;
    lastChangedPasswordDate = settings.lastChangedPasswordDate;
    dayOfChangePasswordRemind = settings.dayOfChangePasswordRemind;
    backupLocation = settings.backupLocation;
    numberOfBackups = settings.numberOfBackups;
    retentionBackup = settings.retentionBackup;
    mountType = settings.mountType;
}

void MainWindow::writeSettings()
{
    MainSettings settings;
    settings.size = size();
    settings.pos = pos();
    settings.geometry = saveGeometry();
    settings.windowState = saveState(0);
    settings.splitterSizes = ui->mainSplitter->saveState();
    settings.compSplitterSizes = ui->computerSplitter->saveState();
    settings.treeHeader = ui->treeView->header()->saveState();
    settings.compTreeHeader = ui->fsTreeView->header()->saveState();
    if (settings.writeLayout(settingsFileName) != TAVSettings::WriteOk)
        LOG_ERROR << "Settings not written to" << settingsFileName;
}

void MainWindow::applyLanguage()
{
    curLanguage = translation->setLanguage(curLanguage, QLocale::system().name());
    // Moving the combo runs its slot, which installs the same language again
    // as the newest translator: the one the combo takes off next time.
    ui->cboLanguage->setCurrentIndex(LanguageTable::comboIndex(curLanguage));
    // The form was built before any translation was in force, and a language
    // the combo does not list (Arabic, Dutch, Korean) leaves it on item 0
    // without running the slot: the form takes the language here.
    ui->retranslateUi(this);
}

void MainWindow::installTranslator(const QString &name)
{
    translation->install(name);
}

QString MainWindow::languageFile() const
{
    return translation->fileName();
}
