#include "itemtreefixture.h"
#include "locknotifier.h"
#include "modalanswerer.h"
#include "scriptedprompter.h"
#include "tavbrowsefolderdialog.h"
#include "tavfilesystemtreemodel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

QTreeView *treeOf(QWidget *dialog)
{
    return dialog->findChild<QTreeView *>(QStringLiteral("dirBrowserView"));
}

QPushButton *okOf(QWidget *dialog)
{
    return dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
}

// Expands the tree down to the entry at a display path ("Alpha/Docs") and
// returns its index; invalid when there is none.
QModelIndex reveal(QTreeView *tree, const QString &path)
{
    QAbstractItemModel *model = tree->model();
    QModelIndex parent;
    for (const QString &name : path.split(QLatin1Char('/'))) {
        QModelIndex found;
        for (int row = 0; row < model->rowCount(parent) && !found.isValid(); ++row) {
            const QModelIndex child = model->index(row, 0, parent);
            if (child.data().toString() == name)
                found = child;
        }
        if (!found.isValid())
            return QModelIndex();
        tree->expand(found);
        parent = found;
    }
    tree->scrollTo(parent);
    return parent;
}

void clickEntry(QTreeView *tree, const QModelIndex &index, bool twice = false)
{
    const QPoint at = tree->visualRect(index).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (twice) // as a real double-click: a press of its own first, then the double-click
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

class TestTAVBrowseFolderDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newDialogState();
    void returnsClickedTarget_data();
    void returnsClickedTarget();
    void okWithoutCurrentEntryWarnsAndStays();
    void lockClosesTheWarningToo();
    void doubleClickSelectsWithoutClosing();
    void endsRejected_data();
    void endsRejected();

private:
    std::unique_ptr<ItemTreeFixture> tree;
    std::unique_ptr<QObject> modelOwner;
};

void TestTAVBrowseFolderDialog::init()
{
    tree = std::make_unique<ItemTreeFixture>();
    tree->buildSample();
    modelOwner = std::make_unique<QObject>();
    TAVFileSystemTreeModel::getInstance(modelOwner.get())->setRootItem();
}

void TestTAVBrowseFolderDialog::cleanup()
{
    modelOwner.reset();
    tree.reset();
}

void TestTAVBrowseFolderDialog::newDialogState()
{
    TAVBrowseFolderDialog dialog;
    QVERIFY(!okOf(&dialog)->isEnabled());
    QCOMPARE(okOf(&dialog)->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text(),
             QStringLiteral("Cancel"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Select a target folder:"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(dialog.minimumSize(), QSize(392, 303));
    QCOMPARE(dialog.maximumSize(), QSize(392, 303));
    QTreeView *view = treeOf(&dialog);
    QVERIFY(view);
    QCOMPARE(view->model(), static_cast<QAbstractItemModel *>(TAVFileSystemTreeModel::getInstance()));
    QVERIFY(view->isHeaderHidden());
    QCOMPARE(view->dragDropMode(), QAbstractItemView::NoDragDrop);
    QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!view->isSortingEnabled());
    QCOMPARE(dialog.getSelectedFolderPath(), QString());
    QCOMPARE(dialog.getSelectedFolderItem(), nullptr);
}

void TestTAVBrowseFolderDialog::returnsClickedTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a vault") << "Bravo";
    QTest::newRow("a folder of a vault") << "Alpha/Docs";
    QTest::newRow("a folder two levels down") << "Alpha/Docs/Letters";
    QTest::newRow("in the second vault") << "Bravo/Inner/Deep";
}

void TestTAVBrowseFolderDialog::returnsClickedTarget()
{
    QFETCH(QString, target);
    TAVBrowseFolderDialog dialog;
    QSignalSpy activity(&dialog, &TAVBrowseFolderDialog::userAction);
    bool okBefore = true;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        okBefore = okOf(shown)->isEnabled();
        const QModelIndex index = reveal(treeOf(shown), target);
        QVERIFY(index.isValid());
        clickEntry(treeOf(shown), index);
        QVERIFY(okOf(shown)->isEnabled());
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!okBefore);
    QCOMPARE(dialog.getSelectedFolderPath(), target);
    QCOMPARE(dialog.getSelectedFolderItem(), tree->item(target));
    QVERIFY(activity.count() >= 2); // the click and OK
}

void TestTAVBrowseFolderDialog::okWithoutCurrentEntryWarnsAndStays()
{
    ScriptedPrompter prompter;
    TAVBrowseFolderDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Kolvane\u2122 vave"));
    QSignalSpy activity(&dialog, &TAVBrowseFolderDialog::userAction);
    bool stillOpen = false;
    int emittedByOk = 0;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        QTreeView *view = treeOf(shown);
        clickEntry(view, reveal(view, QStringLiteral("Alpha")));
        // What a press on empty space of the vault tree does: no current entry.
        view->setCurrentIndex(QModelIndex());
        QVERIFY(okOf(shown)->isEnabled()); // nothing disables it again
        activity.clear();
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
        emittedByOk = activity.count();
        stillOpen = shown->isVisible();
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("Cancel")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(stillOpen);
    QCOMPARE(emittedByOk, 2); // before the check and after the warning
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts[0].icon, QMessageBox::Warning);
    QCOMPARE(prompter.prompts[0].title, QStringLiteral("Kolvane\u2122 vave"));
    QCOMPARE(prompter.prompts[0].text, QStringLiteral("Please select a target folder."));
    QCOMPARE(prompter.prompts[0].buttonTexts, QStringList{QStringLiteral("OK")});
}

// The lock closes the warning as well as the picker: nothing is left
// standing over the login page, and no target is chosen.
void TestTAVBrowseFolderDialog::lockClosesTheWarningToo()
{
    TAVBrowseFolderDialog dialog;
    ModalAnswerer answers(3000);
    QPointer<QWidget> warning;
    answers.act([&](QWidget *shown) {
        QTreeView *view = treeOf(shown);
        clickEntry(view, reveal(view, QStringLiteral("Alpha")));
        view->setCurrentIndex(QModelIndex());
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
    });
    answers.act([&](QWidget *shown) {
        QVERIFY(qobject_cast<QMessageBox *>(shown));
        QCOMPARE(qobject_cast<QMessageBox *>(shown)->text(), QStringLiteral("Please select a target folder."));
        warning = shown;
        LockNotifier::getInstance()->notifyLocked();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!warning || !warning->isVisible());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.getSelectedFolderPath(), QString());
}

void TestTAVBrowseFolderDialog::doubleClickSelectsWithoutClosing()
{
    TAVBrowseFolderDialog dialog;
    QSignalSpy activity(&dialog, &TAVBrowseFolderDialog::userAction);
    bool stillOpen = false;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        QTreeView *view = treeOf(shown);
        const QModelIndex index = reveal(view, QStringLiteral("Alpha/beta"));
        QSignalSpy doubleClicks(view, &QTreeView::doubleClicked);
        activity.clear();
        clickEntry(view, index, true);
        QCOMPARE(doubleClicks.count(), 1);
        QVERIFY(activity.count() >= 2); // the click and the double-click
        QCoreApplication::processEvents();
        stillOpen = shown->isVisible();
        QVERIFY(ModalAnswerer::clickButton(shown, QStringLiteral("OK")));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(stillOpen);
    QCOMPARE(dialog.getSelectedFolderPath(), QStringLiteral("Alpha/beta"));
}

void TestTAVBrowseFolderDialog::endsRejected_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("lock") << "lock";
}

void TestTAVBrowseFolderDialog::endsRejected()
{
    QFETCH(QString, how);
    ScriptedPrompter prompter;
    TAVBrowseFolderDialog dialog;
    ModalAnswerer answers(3000);
    answers.act([&](QWidget *shown) {
        QTreeView *view = treeOf(shown);
        clickEntry(view, reveal(view, QStringLiteral("Alpha/Docs")));
        if (how == QLatin1String("Cancel"))
            QVERIFY(ModalAnswerer::clickButton(shown, how));
        else if (how == QLatin1String("Escape"))
            QTest::keyClick(shown, Qt::Key_Escape);
        else
            LockNotifier::getInstance()->notifyLocked();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QVERIFY(!dialog.isVisible());
    QVERIFY(prompter.prompts.isEmpty());
}

QTEST_MAIN(TestTAVBrowseFolderDialog)
#include "tst_tavbrowsefolderdialog.moc"
