#ifndef LABELFIT_H
#define LABELFIT_H

#include <QString>

class QLabel;

// What of a label's text its rect cuts off; empty when all of it shows.
// Rich text is laid out as the label lays it out (font, width, wrapping,
// margins) with room for all of it, and the pixels it draws must fall
// inside the label's rect: blank paragraphs after the last drawn line take
// room but show nothing, so they may be cut. Plain text must fit whole.
QString clippedLabelText(const QLabel *label);

#endif // LABELFIT_H
