#ifndef MOUNTWATCHER_H
#define MOUNTWATCHER_H

#include "mounttable.h"

#include <QHash>
#include <QObject>
#include <QString>

class QSocketNotifier;

// Notes volumes being mounted and unmounted. The kernel marks the open mount
// table with an exceptional condition at every change, which a socket
// notifier of type Exception hears on the GUI thread; poll() compares the
// table with the last one seen as well, for a table that gives no such
// signal. Either way a mount point that appeared sets the mount flag and
// emits mounted(), one that went sets the unmount flag and emits unmounted().
// The drive-poll timer calls poll(), acts on the flags and clears them; like
// the flags of a volume event, several changes before it acts look like one.
class MountWatcher : public QObject
{
    Q_OBJECT
public:
    // Takes the table as it is now as the first snapshot. Tests hand in a
    // file in mountinfo format of their own.
    explicit MountWatcher(const QString &mountInfoPath = MountTable::defaultPath(),
                          QObject *parent = nullptr);
    ~MountWatcher() override;

    // True while the kernel's change signal is being listened to.
    bool isListening() const;

    // Reads the table now and reports what changed since the last reading.
    // A table that can't be read changes nothing.
    void poll();

    bool isMount() const { return m_isMount; }
    bool isUnmount() const { return m_isUnmount; }
    void clearFlags();

signals:
    void mounted(const QString &mountPoint);
    void unmounted(const QString &mountPoint);

private:
    bool readTable(QHash<QString, int> *mounts) const;

    QString m_path;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    // Each mount as "device, type, source, mount point", counted: the same
    // device mounted twice at one place is two mounts.
    QHash<QString, int> m_mounts;
    bool m_isMount = false;
    bool m_isUnmount = false;
};

#endif // MOUNTWATCHER_H
