#include "locknotifier.h"
#include "modalanswerer.h"
#include "tavdialog.h"
#include "tavfiledialog.h"
#include "tavinputdialog.h"
#include "tavmessagebox.h"

#include <QDir>
#include <QFile>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

// One dialog of each base, built the way its openers build it.
std::unique_ptr<QDialog> makeBase(const QString &base)
{
    if (base == QLatin1String("TAVDialog"))
        return std::make_unique<TAVDialog>(nullptr);
    if (base == QLatin1String("TAVMessageBox"))
        return std::make_unique<TAVMessageBox>(QMessageBox::Question, QStringLiteral("Title"), QStringLiteral("Text"),
                                               QMessageBox::NoButton, nullptr,
                                               Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    if (base == QLatin1String("TAVInputDialog"))
        return std::make_unique<TAVInputDialog>(nullptr, QStringLiteral("Title"), QStringLiteral("Label"),
                                                QInputDialog::TextInput);
    if (base == QLatin1String("TAVFileDialog"))
        return std::make_unique<TAVFileDialog>(nullptr, QStringLiteral("Caption"), QDir::tempPath(), QString());
    if (base == QLatin1String("plain TAVMessageBox"))
        return std::make_unique<TAVMessageBox>(nullptr);
    if (base == QLatin1String("plain TAVFileDialog"))
        return std::make_unique<TAVFileDialog>(nullptr, Qt::Dialog);
    return nullptr;
}

const QStringList allBases = {QStringLiteral("TAVDialog"),           QStringLiteral("TAVMessageBox"),
                              QStringLiteral("TAVInputDialog"),      QStringLiteral("TAVFileDialog"),
                              QStringLiteral("plain TAVMessageBox"), QStringLiteral("plain TAVFileDialog")};

void createFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("x") == 1);
}

} // namespace

class TestDialogBases : public QObject
{
    Q_OBJECT
private slots:
    void activityFilter_data();
    void activityFilter();
    void keyStrokeEmitsTwice_data();
    void keyStrokeEmitsTwice();
    void onUserActionReEmits_data();
    void onUserActionReEmits();
    void lockRejectsOpenDialog_data();
    void lockRejectsOpenDialog();
    void inputDialogTakesTitleLabelAndMode();
    void fileDialogSelectsSeveral();
    void fileDialogReturnsSelection();
    void fileDialogReturnsLoneFolderUnentered();
    void fileDialogIgnoresEmptySelection();
    void plainConstructors();
};

void TestDialogBases::activityFilter_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("emits");
    const QList<QPair<QEvent::Type, bool>> types = {
        {QEvent::MouseButtonPress, true},
        {QEvent::MouseButtonDblClick, true},
        {QEvent::KeyPress, true},
        {QEvent::KeyRelease, true},
        {QEvent::EnterWhatsThisMode, true},
        {QEvent::NonClientAreaMouseButtonPress, true},
        {QEvent::NonClientAreaMouseButtonDblClick, true},
        {QEvent::MouseButtonRelease, false},
        {QEvent::MouseMove, false},
        {QEvent::Wheel, false},
        {QEvent::NonClientAreaMouseMove, false},
        {QEvent::NonClientAreaMouseButtonRelease, false},
        {QEvent::HoverMove, false},
        {QEvent::Enter, false},
        {QEvent::FocusIn, false},
        {QEvent::Timer, false},
    };
    for (const QString &base : allBases) {
        for (const auto &type : types) {
            QTest::addRow("%s type %d", qPrintable(base), int(type.first))
                << base << int(type.first) << type.second;
        }
    }
}

void TestDialogBases::activityFilter()
{
    QFETCH(QString, base);
    QFETCH(int, type);
    QFETCH(bool, emits);
    auto dialog = makeBase(base);
    QSignalSpy spy(dialog.get(), SIGNAL(userAction()));

    const QPointF at(5, 5);
    std::unique_ptr<QEvent> event;
    switch (QEvent::Type(type)) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseMove:
        event = std::make_unique<QMouseEvent>(QEvent::Type(type), at, at, at, Qt::LeftButton,
                                              type == QEvent::MouseMove || type == QEvent::NonClientAreaMouseMove
                                                  ? Qt::NoButton
                                                  : Qt::LeftButton,
                                              Qt::NoModifier);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        event = std::make_unique<QKeyEvent>(QEvent::Type(type), Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        break;
    case QEvent::Wheel:
        event = std::make_unique<QWheelEvent>(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                                              Qt::NoScrollPhase, false);
        break;
    case QEvent::HoverMove:
        event = std::make_unique<QHoverEvent>(QEvent::HoverMove, at, at);
        break;
    case QEvent::FocusIn:
        event = std::make_unique<QFocusEvent>(QEvent::FocusIn);
        break;
    case QEvent::Timer:
        event = std::make_unique<QTimerEvent>(12345);
        break;
    default:
        event = std::make_unique<QEvent>(QEvent::Type(type));
        break;
    }
    QCoreApplication::sendEvent(dialog.get(), event.get());
    QCOMPARE(spy.count(), emits ? 1 : 0);
}

void TestDialogBases::keyStrokeEmitsTwice_data()
{
    QTest::addColumn<QString>("base");
    for (const QString &base : allBases)
        QTest::newRow(qPrintable(base)) << base;
}

void TestDialogBases::keyStrokeEmitsTwice()
{
    QFETCH(QString, base);
    auto dialog = makeBase(base);
    QSignalSpy spy(dialog.get(), SIGNAL(userAction()));
    QTest::keyClick(dialog.get(), Qt::Key_Shift);
    QCOMPARE(spy.count(), 2);
    QTest::mouseClick(dialog.get(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(spy.count(), 3);
    for (int i = 0; i < 20; ++i)
        QTest::mouseMove(dialog.get(), QPoint(2 + i, 2 + i));
    QCOMPARE(spy.count(), 3);
}

void TestDialogBases::onUserActionReEmits_data()
{
    keyStrokeEmitsTwice_data();
}

void TestDialogBases::onUserActionReEmits()
{
    QFETCH(QString, base);
    auto dialog = makeBase(base);
    QSignalSpy spy(dialog.get(), SIGNAL(userAction()));
    QVERIFY(QMetaObject::invokeMethod(dialog.get(), "On_UserAction"));
    QCOMPARE(spy.count(), 1);
}

void TestDialogBases::lockRejectsOpenDialog_data()
{
    keyStrokeEmitsTwice_data();
}

void TestDialogBases::lockRejectsOpenDialog()
{
    QFETCH(QString, base);
    auto dialog = makeBase(base);
    if (auto *box = qobject_cast<QMessageBox *>(dialog.get()))
        box->addButton(QStringLiteral("Go on"), QMessageBox::AcceptRole);
    // The lock comes while the dialog runs, from the event loop, as the
    // inactivity timer's would.
    bool wasOpen = false;
    QTimer::singleShot(50, this, [&] {
        wasOpen = dialog->isVisible();
        LockNotifier::getInstance()->notifyLocked();
    });
    ModalAnswerer guard(3000); // rejects the dialog should the lock not close it
    const int result = dialog->exec();
    QVERIFY(wasOpen);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
    QVERIFY2(guard.ok(), qPrintable(guard.errorString()));
    if (auto *box = qobject_cast<QMessageBox *>(dialog.get()))
        QCOMPARE(box->clickedButton(), nullptr);
}

void TestDialogBases::inputDialogTakesTitleLabelAndMode()
{
    TAVInputDialog dialog(nullptr, QStringLiteral("New Folder"), QStringLiteral("Name:"), QInputDialog::IntInput);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Folder"));
    QCOMPARE(dialog.labelText(), QStringLiteral("Name:"));
    QCOMPARE(dialog.inputMode(), QInputDialog::IntInput);
}

void TestDialogBases::fileDialogSelectsSeveral()
{
    TAVFileDialog dialog(nullptr, QStringLiteral("Add Files"), QDir::tempPath(), QString());
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
    auto *list = dialog.findChild<QListView *>(QStringLiteral("listView"));
    auto *tree = dialog.findChild<QTreeView *>();
    QVERIFY(list);
    QVERIFY(tree);
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(tree->selectionMode(), QAbstractItemView::ExtendedSelection);
}

namespace {

// Selects the named entries of the dialog's current folder in its list view,
// once the file system model has listed them.
bool selectEntries(TAVFileDialog &dialog, const QTemporaryDir &dir, const QStringList &names)
{
    auto *list = dialog.findChild<QListView *>(QStringLiteral("listView"));
    if (!list)
        return false;
    auto *model = list->model();
    QList<QModelIndex> found;
    QElapsedTimer waited;
    waited.start();
    while (found.size() != names.size() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        found.clear();
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex index = model->index(row, 0, root);
            if (names.contains(index.data().toString()))
                found.append(index);
        }
    }
    if (found.size() != names.size())
        return false;
    list->selectionModel()->clearSelection();
    for (const QModelIndex &index : found)
        list->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Q_UNUSED(dir);
    return true;
}

} // namespace

void TestDialogBases::fileDialogReturnsSelection()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    createFile(dir.filePath(QStringLiteral("a.txt")));
    createFile(dir.filePath(QStringLiteral("b.txt")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    TAVFileDialog dialog(nullptr, QStringLiteral("Add Files"), dir.path(), QString());
    QSignalSpy selected(&dialog, &QFileDialog::filesSelected);
    dialog.show();
    QVERIFY(selectEntries(dialog, dir, {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("folder")}));
    // The accept button, as the user would press it.
    QVERIFY(ModalAnswerer::clickButton(&dialog, QStringLiteral("Open")));

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(selected.count(), 1);
    QStringList files = selected.at(0).at(0).toStringList();
    files.sort();
    const QStringList expected = {dir.filePath(QStringLiteral("a.txt")), dir.filePath(QStringLiteral("b.txt")),
                                  dir.filePath(QStringLiteral("folder"))};
    QCOMPARE(files, expected);
}

void TestDialogBases::fileDialogReturnsLoneFolderUnentered()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    createFile(dir.filePath(QStringLiteral("folder/inside.txt")));

    TAVFileDialog dialog(nullptr, QStringLiteral("Add Files"), dir.path(), QString());
    QSignalSpy selected(&dialog, &QFileDialog::filesSelected);
    dialog.show();
    QVERIFY(selectEntries(dialog, dir, {QStringLiteral("folder")}));
    dialog.accept();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toStringList(), QStringList{dir.filePath(QStringLiteral("folder"))});
    QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
}

void TestDialogBases::fileDialogIgnoresEmptySelection()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    createFile(dir.filePath(QStringLiteral("a.txt")));

    TAVFileDialog dialog(nullptr, QStringLiteral("Add Files"), dir.path(), QString());
    QSignalSpy selected(&dialog, &QFileDialog::filesSelected);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QVERIFY(selectEntries(dialog, dir, {}));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(selected.count(), 0);
    QCOMPARE(finished.count(), 0);
}

void TestDialogBases::plainConstructors()
{
    QWidget owner;
    TAVMessageBox box(&owner);
    QCOMPARE(box.parentWidget(), &owner);
    QCOMPARE(box.icon(), QMessageBox::NoIcon);
    QCOMPARE(box.text(), QString());
    QVERIFY(box.buttons().isEmpty());

    TAVFileDialog files(&owner, Qt::Dialog | Qt::WindowStaysOnTopHint);
    QCOMPARE(files.parentWidget(), &owner);
    QVERIFY(files.windowFlags() & Qt::WindowStaysOnTopHint);
    // None of the several-files set-up of the other constructor.
    QCOMPARE(files.fileMode(), QFileDialog::AnyFile);
    auto *list = files.findChild<QListView *>(QStringLiteral("listView"));
    QVERIFY(list);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(files.testOption(QFileDialog::DontUseNativeDialog));
}

QTEST_MAIN(TestDialogBases)
#include "tst_dialogbases.moc"
