#include "locknotifier.h"

LockNotifier *LockNotifier::getInstance()
{
    static LockNotifier instance;
    return &instance;
}

void LockNotifier::notifyLocked()
{
    emit locked();
}
