#ifndef USERACTIVITY_H
#define USERACTIVITY_H

#include <QEvent>

// Input that counts as the user being present and keeps the inactivity timer
// from locking: presses, double-clicks and keys, including those on a window's
// frame. Moves, wheel turns and releases don't count.
inline bool isUserActivity(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::EnterWhatsThisMode:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

#endif // USERACTIVITY_H
