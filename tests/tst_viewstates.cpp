// The window, splitter and header states of the settings file are checked
// before Qt reads them: what Qt itself writes passes, a count that promises
// more than the bytes hold (Qt would allocate by it) does not.
#include "viewstates.h"

#include "bigendian.h"

#include <QtTest>

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <QStandardItemModel>
#include <QToolBar>
#include <QTreeView>

namespace {


// A header state as Qt writes it, with sections moved, hidden and resized.
QByteArray headerState(int sections, bool changed)
{
    QStandardItemModel model(3, sections);
    QTreeView view;
    view.setModel(&model);
    if (changed) {
        view.header()->moveSection(0, sections - 1);
        view.header()->hideSection(1);
        view.header()->resizeSection(2, 77);
        view.header()->setSortIndicator(1, Qt::DescendingOrder);
    }
    return view.header()->saveState();
}

} // namespace

class TestViewStates : public QObject
{
    Q_OBJECT
private slots:
    void qtsOwnStatesPass();
    void headerStatesThatMustNotReachQt_data();
    void headerStatesThatMustNotReachQt();
    void splitterStates();
    void windowStates();
    void restoringACheckedStateWorks();
};

void TestViewStates::qtsOwnStatesPass()
{
    for (int sections : {1, 5, 6})
        for (bool changed : {false, true})
            QVERIFY2(ViewStates::headerStateFits(headerState(sections, changed), sections),
                     qPrintable(QString("%1 sections, changed %2").arg(sections).arg(changed)));
    QSplitter splitter;
    splitter.addWidget(new QLabel("a"));
    splitter.addWidget(new QLabel("b"));
    splitter.setSizes({100, 200});
    QVERIFY(ViewStates::splitterStateFits(splitter.saveState(), 2));
    QVERIFY(ViewStates::sizeFits(QByteArray(ViewStates::maxStateBytes, 'x')));
    QVERIFY(!ViewStates::sizeFits(QByteArray(ViewStates::maxStateBytes + 1, 'x')));
}

void TestViewStates::headerStatesThatMustNotReachQt_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<int>("sections");
    const QByteArray good = headerState(6, true);
    // Right after the marker, version, four ints' worth of sort fields and
    // the flag: the count of the visual order.
    const int visualCount = 4 + 4 + 12 + 1;
    QByteArray huge = good;
    huge.replace(visualCount, 4, be32(0x7ffffff0));
    QTest::newRow("visual order counting two billion") << huge << 6;
    QTest::newRow("for another number of sections") << good << 5;
    QTest::newRow("cut short") << good.left(good.size() - 20) << 6;
    QTest::newRow("no marker") << QByteArray(good).replace(0, 4, be32(0x1234)) << 6;
    QTest::newRow("empty") << QByteArray() << 6;
    QTest::newRow("past the size limit") << good + QByteArray(ViewStates::maxStateBytes, '\0') << 6;
    // The last list, one item per section.
    QByteArray items = good;
    // After it: the resize-to-contents precision, a flag and the last section's size.
    const int itemCount = good.size() - 6 * 12 - 4 - (4 + 1 + 4);
    items.replace(itemCount, 4, be32(0x40000000));
    QTest::newRow("section items counting a billion") << items << 6;
    // Found by fuzzing: an item repeated by a span of billions made Qt loop.
    QByteArray span = good;
    span.replace(itemCount + 4 + 4, 4, be32(0x68ffffff));
    QTest::newRow("a section spanning billions") << span << 6;
    QByteArray negative = good;
    negative.replace(itemCount + 4, 4, be32(0xfffffff0));
    QTest::newRow("a section of negative size") << negative << 6;
}

void TestViewStates::headerStatesThatMustNotReachQt()
{
    QFETCH(QByteArray, state);
    QFETCH(int, sections);
    QVERIFY(!ViewStates::headerStateFits(state, sections));
}

void TestViewStates::splitterStates()
{
    QSplitter splitter;
    splitter.addWidget(new QLabel("a"));
    splitter.addWidget(new QLabel("b"));
    const QByteArray good = splitter.saveState();
    QVERIFY(ViewStates::splitterStateFits(good, 2));
    QVERIFY(!ViewStates::splitterStateFits(good, 1)); // more sizes than widgets
    QByteArray huge = good;
    huge.replace(8, 4, be32(0x7ffffff0));
    QVERIFY(!ViewStates::splitterStateFits(huge, 2));
    QVERIFY(!ViewStates::splitterStateFits(good.left(10), 2));
}

// A main window's state: what Qt writes for a window like the program's
// passes; counts Qt would loop by, and anything not of that window, don't.
void TestViewStates::windowStates()
{
    QMainWindow window;
    window.addToolBar("main")->setObjectName("main_ToolBar");
    window.addToolBarBreak();
    auto *side = new QToolBar("side");
    side->setObjectName("side_ToolBar");
    window.addToolBar(Qt::LeftToolBarArea, side);
    const QByteArray good = window.saveState();
    QVERIFY(ViewStates::windowStateFits(good));
    QVERIFY(ViewStates::windowStateFits(QMainWindow().saveState()));

    // Offsets: marker and version (8), the dock section (1 + 4 + 24), then
    // the tool bar marker and its count of lines.
    const int docks = 8;
    const int lines = docks + 1 + 4 + 24 + 1;
    QCOMPARE(quint8(good.at(docks)), quint8(0xfd));
    QCOMPARE(quint8(good.at(lines - 1)), quint8(0xfc));
    const auto with = [&good](int at, quint32 value) { return QByteArray(good).replace(at, 4, be32(value)); };
    QVERIFY(!ViewStates::windowStateFits(with(lines, 0x30080000)));       // lines counting 800 million
    QVERIFY(!ViewStates::windowStateFits(with(lines + 8, 0x7fffffff)));   // a line of 2 billion tool bars
    QVERIFY(!ViewStates::windowStateFits(with(lines + 4, 9)));            // an area that does not exist
    QVERIFY(!ViewStates::windowStateFits(with(docks + 1, 2)));            // dock areas this window has not
    QVERIFY(!ViewStates::windowStateFits(with(lines + 12, 0x40000000)));  // a name of a gigabyte
    QVERIFY(!ViewStates::windowStateFits(good.left(good.size() - 3)));   // cut short
    QVERIFY(!ViewStates::windowStateFits(good + QByteArray(1, '\xf9'))); // a section it does not know
    QVERIFY(!ViewStates::windowStateFits(QByteArray()));
}

// What passes is restored by Qt as it was saved.
void TestViewStates::restoringACheckedStateWorks()
{
    const QByteArray state = headerState(6, true);
    QStandardItemModel model(3, 6);
    QTreeView view;
    view.setModel(&model);
    QVERIFY(ViewStates::headerStateFits(state, view.header()->count()));
    QVERIFY(view.header()->restoreState(state));
    QVERIFY(view.header()->isSectionHidden(1));
    QCOMPARE(view.header()->sectionSize(2), 77);
    QCOMPARE(view.header()->visualIndex(0), 5);
}

QTEST_MAIN(TestViewStates)
#include "tst_viewstates.moc"
