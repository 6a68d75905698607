#include "cryptojob.h"

#include "tavcryptothread.h"

#include <QCoreApplication>

namespace CryptoJob {

void runAndWait(TAVCryptoThread &thread)
{
    thread.start(QThread::InheritPriority);
    while (thread.isRunning()) {
        QThread::msleep(10);
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
}

int encrypt(TAVCryptoThread &thread, const QString &source, const QString &destination,
            const TAVKey &key, TAVCipher cipher, const QString &name, const QDateTime &created)
{
    thread.source = source;
    thread.destination = destination;
    thread.name = name;
    thread.created = created;
    thread.setKey(key, cipher);
    thread.function = 0;
    runAndWait(thread);
    return thread.state;
}

int decrypt(TAVCryptoThread &thread, const QString &source, const QString &destination,
            const TAVKey &key, TAVCipher cipher)
{
    thread.source = source;
    thread.destination = destination;
    thread.setKey(key, cipher);
    thread.function = 1;
    runAndWait(thread);
    return thread.state;
}

} // namespace CryptoJob
