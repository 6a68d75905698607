#ifndef TEXTFIT_H
#define TEXTFIT_H

#include <QString>

class QWidget;

// Grows the hand-placed widgets of a form until every text shows whole: a
// label, button, box or tab whose translation is longer than the place the
// form gives it widens, what stands to its right on the same row moves
// along, and the groups, pages, tab widget and the window itself grow to
// hold them. Nothing ever shrinks, so the source language keeps the form's
// own sizes. A fixed-size window stays fixed, at its new size.
class TextFit
{
public:
    // The extra width the window took (0 when everything fitted).
    static int grow(QWidget *window);

    // The width a text widget needs to show its text whole; 0 for a widget
    // that holds no single-line text.
    static int neededWidth(const QWidget *widget);
    // A button's text as it shows: "&&" is "&", a single "&" marks a shortcut.
    static QString shownText(const QString &text);

private:
    TextFit() = delete;
};

#endif // TEXTFIT_H
