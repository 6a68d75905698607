#ifndef SINGLE_APPLICATION_H
#define SINGLE_APPLICATION_H

#include <QApplication>
#include <QSharedMemory>
#include <QString>

// The program's application object. A named shared-memory block tells a later
// start that an instance is already running, and carries a small mailbox
// through which a later start can pass a text to the first one.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    // Size of the shared block: the flag byte, the UTF-8 text and its zero.
    static constexpr int kBlockSize = 4096;

    SingleApplication(int &argc, char **argv, QString uniqueKey);
    ~SingleApplication() override;

    // True when another instance already held the block at start.
    bool isRunning();
    // Leaves the message for the first instance; false in the first instance
    // and when the block could not be written.
    bool sendMessage(const QString &message);

public slots:
    void checkForMessage();

signals:
    void messageAvailable(QString message);

private:
    bool writeBlock(const QByteArray &record);

    bool running = false;
    QSharedMemory sharedMemory;
};

#endif // SINGLE_APPLICATION_H
