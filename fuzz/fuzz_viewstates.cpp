// Reads fuzzed bytes as the window, splitter and header states the settings
// file keeps: what the checks let through is restored by Qt into real
// widgets, as the main window does at start. A crafted count that made Qt
// allocate gigabytes is what this is here to find (the run's memory limit
// turns it into a finding).
#include "fuzzsupport.h"
#include "viewstates.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QSplitter>
#include <QStandardItemModel>
#include <QToolBar>
#include <QTreeView>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Widgets
{
    QStandardItemModel model{2, 6};
    QTreeView tree;
    QSplitter splitter;
    QMainWindow window;
    Widgets()
    {
        tree.setModel(&model);
        splitter.addWidget(new QLabel(QStringLiteral("a")));
        splitter.addWidget(new QLabel(QStringLiteral("b")));
        window.addToolBar(QStringLiteral("tools"))->setObjectName(QStringLiteral("main_ToolBar"));
    }
};

// Never destroyed: libFuzzer ends the process with exit(), after the
// statics the application object would still need.
QApplication *app = nullptr;
Widgets *widgets = nullptr;

} // namespace

// Fontconfig, loaded by the widgets' fonts, keeps its caches to the end.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    FuzzSupport::silence();
    app = new QApplication(*argc, *argv);
    widgets = new Widgets;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte says which state the rest is.
    const QByteArray state(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    switch (data[0] % 4) {
    case 0:
        if (ViewStates::headerStateFits(state, widgets->tree.header()->count()))
            widgets->tree.header()->restoreState(state);
        break;
    case 1:
        if (ViewStates::splitterStateFits(state, widgets->splitter.count()))
            widgets->splitter.restoreState(state);
        break;
    case 2:
        if (ViewStates::sizeFits(state))
            widgets->window.restoreGeometry(state);
        break;
    default:
        if (ViewStates::windowStateFits(state))
            widgets->window.restoreState(state, 0);
        break;
    }
    return 0;
}
