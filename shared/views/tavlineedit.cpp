#include "tavlineedit.h"

#include <QCoreApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextOption>

TAVLineEdit::TAVLineEdit(QWidget *parent) : QLineEdit(parent)
{
}

TAVLineEdit::~TAVLineEdit() = default;

void TAVLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    setAttribute(Qt::WA_MacShowFocusRect, selectionSquare);
    if (!text().isEmpty() || hintText.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(QPen(QBrush(Qt::gray, Qt::SolidPattern), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    QRect area = event->rect();
    area.moveTopLeft(QPoint(8, height() / 2 - 7));
    painter.setClipRect(area, Qt::ReplaceClip);
    painter.drawText(QRectF(area), hintText, QTextOption());
}

void TAVLineEdit::focusInEvent(QFocusEvent *event)
{
    // The tooltip opens at the cursor as soon as the field has the focus.
    QCoreApplication::postEvent(this, new QHelpEvent(QEvent::ToolTip, pos(), QCursor::pos()));
    QLineEdit::focusInEvent(event);
}
