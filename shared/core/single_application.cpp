#include "single_application.h"

#include <QTimer>
#include <QtDebug>

#include <cstring>

SingleApplication::SingleApplication(int &argc, char **argv, QString uniqueKey)
    : QApplication(argc, argv)
{
    sharedMemory.setKey(uniqueKey);

    // A block left behind by an instance that ended without detaching would
    // make every later start believe another one runs. Attaching and
    // detaching again removes a block nobody else is attached to.
    {
        QSharedMemory probe(uniqueKey);
        if (probe.attach())
            probe.detach();
    }

    if (sharedMemory.attach()) {
        running = true;
        return;
    }

    running = false;
    if (!sharedMemory.create(kBlockSize)) {
        qDebug("Unable to create single instance.");
        return;
    }
    writeBlock(QByteArrayLiteral("0"));

    QTimer *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &SingleApplication::checkForMessage);
    timer->start(1000);
}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::isRunning()
{
    return running;
}

bool SingleApplication::sendMessage(const QString &message)
{
    if (!running)
        return false;
    QByteArray record = QByteArrayLiteral("1") + message.toUtf8();
    record.append('\0');
    // A block that can't be locked is a message not passed.
    return writeBlock(record);
}

void SingleApplication::checkForMessage()
{
    if (!sharedMemory.isAttached())
        return;
    QByteArray block;
    if (!sharedMemory.lock())
        return;
    block = QByteArray(static_cast<const char *>(sharedMemory.constData()), sharedMemory.size());
    sharedMemory.unlock();

    if (block.isEmpty() || block.at(0) == '0')
        return;
    QByteArray text = block.mid(1);
    const int zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);
    emit messageAvailable(QString::fromUtf8(text));
    writeBlock(QByteArrayLiteral("0"));
}

bool SingleApplication::writeBlock(const QByteArray &record)
{
    if (!sharedMemory.isAttached() || !sharedMemory.lock())
        return false;
    // Cut to the block: a text longer than the block passes only in part.
    const int length = qMin(record.size(), sharedMemory.size());
    std::memcpy(sharedMemory.data(), record.constData(), size_t(length));
    sharedMemory.unlock();
    return true;
}
