#include "cryptovectors.h"
#include "windowdrive.h"
#include "fixeddrivelocator.h"
#include "mainwindow.h"
#include "mainwindowform.h"
#include "scratchfiles.h"
#include "tavfile.h"
#include "tavfilesystem.h"
#include "tavfilesystemmodel.h"
#include "tavfolder.h"
#include "tavlistview.h"
#include "tavsearchindex.h"
#include "tavstickmanager.h"
#include "tavtreeview.h"
#include "tavvault.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
#include <QTextCodec>

#include <memory>

namespace {

// The entries of the popup menu that `open` runs, as object names ("-" for
// a separator, hidden ones left out); the menu is closed once read.
QStringList menuOf(const std::function<void()> &open)
{
    QStringList names;
    QTimer::singleShot(0, [&names] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            if (action->isVisible())
                names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        // With KV_SHOT_DIR set the menu is also saved there as a picture.
        const QString shots = qEnvironmentVariable("KV_SHOT_DIR");
        if (!shots.isEmpty())
            menu->grab().save(shots + QString("/shot-menu-%1.png").arg(names.size()));
        menu->close();
    });
    open();
    return names;
}

QByteArray payload(const QString &paths)
{
    return QTextCodec::codecForName("UTF-16")->fromUnicode(paths);
}

const QString copyFormat = "application/x-qt-windows-mime;value='Copy'";
const QString cutFormat = "application/x-qt-windows-mime;value='Cut'";

} // namespace

class TestActionRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rulesOverSelections_data();
    void rulesOverSelections();
    void pasteRule_data();
    void pasteRule();
    void contextMenus();
    void statistics_data();
    void statistics();

private:
    // Shows `container` and selects the named children in the view on show.
    void select(TAVItemContainer *container, const QStringList &names);

    QTemporaryDir dir;
    FixedDriveLocator drives;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<VaultFixture> fixture;
    TAVVault *alpha = nullptr;
    TAVVault *bravo = nullptr;
    TAVFolder *docs = nullptr;
};

void TestActionRules::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestActionRules::init()
{
    window = std::make_unique<MainWindow>();
    fixture = std::make_unique<VaultFixture>();
    alpha = fixture->addVault("Alpha", TAV_AES256, CryptoVectors::key());
    bravo = fixture->addVault("Bravo", TAV_AES256, CryptoVectors::key());
    docs = fixture->addFolder(alpha, "Docs");
    fixture->addFolder(alpha, "Other");
    fixture->addFolder(docs, "Sub");
    fixture->addFile(docs, "doc1.txt", "one");
    fixture->addFile(docs, "b.txt", "two");
    fixture->addFile(bravo, "doc2.txt", "three");
    // Not loaded: one whose index is on the disk, one without.
    TAVVault *cold = fixture->addVault("Cold", TAV_AES256, CryptoVectors::key());
    QCOMPARE(cold->save(), 0);
    cold->setLoaded(false);
    fixture->addVault("Empty", TAV_AES256, CryptoVectors::key())->setLoaded(false);
    window->unlocked = true;
    window->showMainPage(); // builds the name index
}

void TestActionRules::cleanup()
{
    window.reset();
    // The name index outlives the window; the items of this case go now.
    TAVSearchIndex::getInstance()->clear();
    fixture.reset();
    QApplication::clipboard()->clear();
}

void TestActionRules::select(TAVItemContainer *container, const QStringList &names)
{
    window->updateView(container);
    QAbstractItemView *view = window->ui->tavViewStackedWidget->currentIndex() == 0
        ? static_cast<QAbstractItemView *>(window->ui->treeView)
        : static_cast<QAbstractItemView *>(window->ui->listView);
    QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        if (names.contains(model->index(row, 0).data().toString()))
            view->selectionModel()->select(model->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TestActionRules::rulesOverSelections_data()
{
    QTest::addColumn<QString>("shown");    // "" the root, else a vault or folder path
    QTest::addColumn<QStringList>("names"); // selected there
    QTest::addColumn<QString>("search");   // when set, the files found are selected
    // Rules: copy and cut, delete, decrypt. Click: Save File(s) to..., Delete
    // enabled and visible, Disconnect Vault, Rename, Add File(s), New Folder.
    // A hidden action is also disabled; Delete, hidden by the click on a
    // vault, stays hidden while more vaults are selected.
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("clicked");
    QTest::newRow("nothing in a folder") << "Alpha/Docs" << QStringList() << "" << "---" << "--v--++";
    QTest::newRow("nothing at the root") << "" << QStringList() << "" << "---" << "--v----";
    QTest::newRow("one file") << "Alpha/Docs" << QStringList{"b.txt"} << "" << "+++" << "++v-+++";
    QTest::newRow("a file and a folder") << "Alpha/Docs" << QStringList{"b.txt", "Sub"} << ""
                                         << "+++" << "++v----";
    QTest::newRow("a loaded vault") << "" << QStringList{"Alpha"} << "" << "-+-" << "--h++++";
    QTest::newRow("unloaded, index on the disk") << "" << QStringList{"Cold"} << "" << "---"
                                                 << "--h----";
    QTest::newRow("unloaded, no index") << "" << QStringList{"Empty"} << "" << "-+-" << "--h+---";
    QTest::newRow("a vault and a file's vault") << "" << QStringList{"Alpha", "Bravo"} << ""
                                                << "-+-" << "--h----";
    QTest::newRow("search results of two vaults") << "Alpha" << QStringList() << "doc" << "+++"
                                                  << "++v----";
}

void TestActionRules::rulesOverSelections()
{
    QFETCH(QString, shown);
    QFETCH(QStringList, names);
    QFETCH(QString, search);
    auto *container = qobject_cast<TAVItemContainer *>(TAVFileSystem::getInstance()->findItemByPath(shown));
    QVERIFY(container);
    select(container, names);
    if (!search.isEmpty()) {
        window->ui->qSearchLed->setText(search);
        QAbstractItemModel *results = window->ui->treeView->model();
        for (int row = 0; row < results->rowCount(); ++row)
            if (results->index(row, 0).data().toString().endsWith(".txt"))
                window->ui->treeView->selectionModel()->select(
                    results->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(window->ui->treeView->getSelectedTAVItems().size(), 2);
    }
    const QList<TAVItem *> selected = window->getSelectedItems();
    auto mark = [](bool on) { return on ? QStringLiteral("+") : QStringLiteral("-"); };
    const QString rules = mark(window->canCopyItems()) + mark(window->canDelete(selected))
        + mark(window->canDecrypt(selected));
    QCOMPARE(window->canCutItems(), window->canCopyItems());
    QTEST(rules, "rules");

    window->on_treeView_clicked(QModelIndex());
    const Ui_MainWindowClass *ui = window->ui;
    const QString clicked = mark(ui->actionDecrypt_File->isEnabled()) + mark(ui->actionDeleteItem->isEnabled())
        + (ui->actionDeleteItem->isVisible() ? "v" : "h") + mark(ui->actionRemove_Vault->isEnabled())
        + mark(ui->actionRenameItem->isEnabled()) + mark(ui->actionAdd_Files->isEnabled())
        + mark(ui->actionNew_Folder->isEnabled());
    QTEST(clicked, "clicked");
    QCOMPARE(ui->actionCopyItem->isEnabled(), window->canCopyItems());
    QCOMPARE(ui->actionMoveItem->isEnabled(), ui->actionCutItem->isEnabled());
}

void TestActionRules::pasteRule_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("copied");  // paths in the Copy format, "" none
    QTest::addColumn<QString>("cut");     // paths in the Cut format, "" none
    QTest::addColumn<int>("cipher");      // of the copy
    QTest::addColumn<bool>("allowed");
    QTest::newRow("into another folder") << "Alpha/Other" << "Alpha/Docs/b.txt" << "" << 2 << true;
    QTest::newRow("into the vault above") << "Alpha" << "Alpha/Docs/b.txt" << "" << 2 << true;
    QTest::newRow("into its own container") << "Alpha/Docs" << "Alpha/Docs/b.txt" << "" << 2 << false;
    QTest::newRow("into itself") << "Alpha/Docs" << "Alpha/Docs" << "" << 2 << false;
    QTest::newRow("into its subtree") << "Alpha/Docs/Sub" << "Alpha/Docs" << "" << 2 << false;
    QTest::newRow("one of several refused") << "Alpha/Other" << "Bravo/doc2.txt|Alpha/Other/x" << ""
                                            << 2 << false;
    QTest::newRow("a cut into a sibling") << "Alpha/Other" << "" << "Alpha/Docs" << 2 << true;
    QTest::newRow("both: the copy decides") << "Alpha/Docs/Sub" << "Alpha/Docs" << "Bravo/doc2.txt"
                                            << 2 << false;
    QTest::newRow("copied under another cipher") << "Alpha/Other" << "Alpha/Docs/b.txt" << "" << 1
                                                 << false;
    QTest::newRow("into the root") << "" << "Alpha/Docs/b.txt" << "" << 2 << false;
    QTest::newRow("nothing copied") << "Alpha/Other" << "" << "" << 2 << false;
}

void TestActionRules::pasteRule()
{
    QFETCH(QString, current);
    QFETCH(QString, copied);
    QFETCH(QString, cut);
    QFETCH(int, cipher);
    auto *data = new QMimeData;
    if (!copied.isEmpty())
        data->setData(copyFormat, payload(copied));
    if (!cut.isEmpty())
        data->setData(cutFormat, payload(cut));
    QApplication::clipboard()->setMimeData(data);
    window->clipboardCipher = TAVCipher(cipher);
    MainWindow::vaultCipher = TAV_AES256;
    window->updateView(qobject_cast<TAVItemContainer *>(TAVFileSystem::getInstance()->findItemByPath(current)));
    QTEST(window->canPasteItems(), "allowed");
}

void TestActionRules::contextMenus()
{
    Ui_MainWindowClass *ui = window->ui;
    // A vault: all entries but Delete, which goes from the Edit menu too.
    select(TAVFileSystem::getInstance(), {"Alpha"});
    window->on_treeView_clicked(QModelIndex());
    QStringList shown = menuOf([this] { window->showContextMenu(QPoint(5, 5)); });
    QCOMPARE(shown, (QStringList{"actionCopyItem", "actionCutItem", "actionPasteItem", "actionMoveItem", "-",
                                 "actionOpenInFinder", "actionBackupVault", "actionAdd_Files",
                                 "actionAddSyncPeer", "actionDecrypt_File", "-", "actionNew_Folder", "-",
                                 "actionRenameItem", "-", "actionRemove_Folder", "actionRemove_Vault",
                                 "actionVaultProperty"}));
    QVERIFY(!ui->actionDeleteItem->isVisible());
    QVERIFY(ui->actionRemove_Vault->isEnabled());
    QVERIFY(!ui->actionRemove_Folder->isEnabled());
    QVERIFY(ui->menuEdit->actions().contains(ui->actionDeleteItem));
    QVERIFY(!ui->actionCopyItem->isEnabled());

    // A file inside: Delete is back, Reveal in Finder goes.
    select(alpha, {});
    select(docs, {"b.txt"});
    window->on_treeView_clicked(QModelIndex());
    shown = menuOf([this] { window->showContextMenu(QPoint(5, 5)); });
    QVERIFY(shown.contains("actionDeleteItem"));
    QVERIFY(!shown.contains("actionOpenInFinder"));
    QVERIFY(ui->actionDeleteItem->isVisible() && ui->actionDeleteItem->isEnabled());
    QVERIFY(ui->actionCopyItem->isEnabled());
    QVERIFY(!ui->actionRemove_Vault->isEnabled());
    QVERIFY(!ui->actionRemove_Folder->isEnabled());

    // A folder: Remove Folder is offered.
    select(docs, {});
    select(alpha, {"Docs"});
    window->on_treeView_clicked(QModelIndex());
    shown = menuOf([this] { window->showContextMenu(QPoint(5, 5)); });
    QVERIFY(shown.contains("actionRemove_Folder"));
    QVERIFY(ui->actionRemove_Folder->isEnabled());
    QVERIFY(!ui->actionRemove_Vault->isEnabled());

    shown = menuOf([this] { window->localShowContextMenu(QPoint(5, 5)); });
    QCOMPARE(shown, (QStringList{"actionLocalRenameItem", "actionLocalDeleteItem"}));
}

void TestActionRules::statistics_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<QList<qint64>>("sizes"); // bodies of the files, under Docs/Sub for the third on
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("text");        // "" hidden
    const qint64 tib = qint64(1) << 40;
    QTest::newRow("empty vault") << 2 << QList<qint64>{} << tib
                                 << "Stats, Vault Protection: AES256\nSize: 0 KB / 1024.00 GB (0.00% used) (0 items)";
    QTest::newRow("1 MiB of 1 TiB, three decimals")
        << 1 << QList<qint64>{1 << 20} << tib
        << "Stats, Vault Protection: AES128\nSize: 1024.00 KB / 1024.00 GB (0.000% used) (1 items)";
    QTest::newRow("2 GiB of 1 TiB, two decimals")
        << 4 << QList<qint64>{qint64(1) << 31} << tib
        << "Stats, Vault Protection: AES1024\nSize: 2.00 GB / 1024.00 GB (0.20% used) (1 items)";
    QTest::newRow("three files in nested folders")
        << 3 << QList<qint64>{1000, 1000, 1000} << tib
        << "Stats, Vault Protection: AES512\nSize: 2.93 KB / 1024.00 GB (0.000% used) (3 items)";
    QTest::newRow("volume size unknown") << 2 << QList<qint64>{5000} << qint64(0)
                                         << "Stats, Vault Protection: AES256\n (0.00% used) (1 items)";
    QTest::newRow("cipher out of range") << 9 << QList<qint64>{} << qint64(0)
                                         << "Stats, Vault Protection: \n (0.00% used) (0 items)";
    QTest::newRow("not loaded") << -2 << QList<qint64>{} << tib << "";
}

void TestActionRules::statistics()
{
    QFETCH(int, cipher);
    QFETCH(QList<qint64>, sizes);
    QFETCH(qint64, total);
    QFETCH(QString, text);
    TAVVault *vault = fixture->addVault("Stats", TAVCipher(qAbs(cipher)), CryptoVectors::key());
    TAVItemContainer *folder = vault->addFolder("Docs")->addFolder("Sub");
    for (int i = 0; i < sizes.size(); ++i) {
        const QString source = fixture->writePlain(QString("s%1").arg(i), "x");
        TAVFile *file = (i < 2 ? vault : folder)->addFile(source);
        file->SetCurrentSize(quint64(sizes.at(i)));
    }
    vault->setLoaded(cipher > 0);
    window->totalDiskSpace = [total](const QString &) { return quint64(total); };
    window->ui->lblStatusText->setText("before");
    window->updateVaultStats(folder);
    if (text.isEmpty()) {
        QVERIFY(window->ui->lblStatusText->isHidden());
        QVERIFY(window->ui->lblStatusIcon->isHidden());
        QCOMPARE(window->ui->lblStatusText->text(), QString("before"));
    } else {
        QCOMPARE(window->ui->lblStatusText->text(), text);
        QVERIFY(!window->ui->lblStatusText->isHidden());
        QVERIFY(!window->ui->lblStatusIcon->isHidden());
    }
}

QTEST_MAIN(TestActionRules)
#include "tst_actionrules.moc"
