#ifndef LOCKNOTIFIER_H
#define LOCKNOTIFIER_H

#include <QObject>

// Carries the application's lock to the dialogs, which may not know the main
// window. The main window emits its lock through notifyLocked(); every dialog
// base rejects itself on locked(), so a lock closes whatever dialog is open.
class LockNotifier : public QObject
{
    Q_OBJECT
public:
    static LockNotifier *getInstance();

public slots:
    void notifyLocked();

signals:
    void locked();

private:
    LockNotifier() = default;
};

#endif // LOCKNOTIFIER_H
