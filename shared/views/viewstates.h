#ifndef VIEWSTATES_H
#define VIEWSTATES_H

#include <QByteArray>

// Checks of the window, splitter and header states kept in the settings
// file before Qt's restore functions see them: the file lies on the stick,
// and Qt sizes its lists by the counts it reads, so a crafted count makes it
// allocate gigabytes before it notices the data is short. A state that fails
// is dropped and the defaults stay.
class ViewStates
{
public:
    // Larger than any state this program writes by far.
    static constexpr int maxStateBytes = 16 * 1024;

    // Within the size limit (a window's geometry).
    static bool sizeFits(const QByteArray &state);
    // A QMainWindow state as this program's window writes it (no dock
    // widgets; tool bars in a few lines): Qt loops by the counts it reads,
    // even past the end of the data, so a crafted count kept the program
    // busy for minutes at start.
    static bool windowStateFits(const QByteArray &state);
    // A QHeaderView state for a header of `sections` sections: every list
    // it holds counts no more entries than the bytes that follow can carry,
    // and its sections match.
    static bool headerStateFits(const QByteArray &state, int sections);
    // A QSplitter state whose list of sizes fits its bytes and holds no more
    // sizes than the splitter has widgets.
    static bool splitterStateFits(const QByteArray &state, int widgets);

private:
    ViewStates() = delete;
};

#endif // VIEWSTATES_H
