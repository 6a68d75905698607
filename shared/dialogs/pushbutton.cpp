#include "pushbutton.h"

#include <QEvent>

PushButton::PushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}

QString PushButton::label() const
{
    return text().isEmpty() ? savedLabel : text();
}

void PushButton::setLabel(const QString &label)
{
    savedLabel.clear();
    setText(label);
}

bool PushButton::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::Enter:
        if (!text().isEmpty()) {
            savedLabel = text();
            setText(QString());
        }
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::Leave:
        // Back before the click is reported, so a click reads the key's own label.
        if (!savedLabel.isEmpty()) {
            setText(savedLabel);
            savedLabel.clear();
        }
        break;
    default:
        break;
    }
    return QPushButton::event(e);
}
