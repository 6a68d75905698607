#include "mountwatcher.h"

#include "tavlogging.h"

#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The fields are joined by a zero character, which the kernel never puts in
// a path or a source; the mount point comes last.
const QChar kSeparator(0);

QString mountKey(const MountEntry &entry)
{
    return QString::number(entry.major) + QLatin1Char(':') + QString::number(entry.minor)
           + kSeparator + entry.fileSystemType + kSeparator + entry.source + kSeparator
           + entry.mountPoint;
}

QString mountPointOf(const QString &key)
{
    return key.section(kSeparator, 3);
}

} // namespace

MountWatcher::MountWatcher(const QString &mountInfoPath, QObject *parent)
    : QObject(parent), m_path(mountInfoPath)
{
    readTable(&m_mounts);

    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        LOG_WARNING << "mount table can't be watched:" << m_path;
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &MountWatcher::poll);
}

MountWatcher::~MountWatcher()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool MountWatcher::isListening() const
{
    return m_notifier && m_notifier->isEnabled();
}

bool MountWatcher::readTable(QHash<QString, int> *mounts) const
{
    // Read whole from a fresh open: the kernel gives a consistent table only
    // to a reader that starts at its beginning.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Files under /proc report size 0, so read until the end rather than by size.
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    mounts->clear();
    for (const MountEntry &entry : MountTable::parse(text))
        ++(*mounts)[mountKey(entry)];
    return true;
}

void MountWatcher::poll()
{
    QHash<QString, int> now;
    if (!readTable(&now))
        return;

    QStringList added;
    QStringList removed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (it.value() > m_mounts.value(it.key()))
            added << mountPointOf(it.key());
    }
    for (auto it = m_mounts.cbegin(); it != m_mounts.cend(); ++it) {
        if (it.value() > now.value(it.key()))
            removed << mountPointOf(it.key());
    }
    m_mounts = now;

    if (!removed.isEmpty())
        m_isUnmount = true;
    if (!added.isEmpty())
        m_isMount = true;
    for (const QString &mountPoint : qAsConst(removed)) {
        LOG_DEBUG << "volume unmounted:" << mountPoint;
        emit unmounted(mountPoint);
    }
    for (const QString &mountPoint : qAsConst(added)) {
        LOG_DEBUG << "volume mounted:" << mountPoint;
        emit mounted(mountPoint);
    }
}

void MountWatcher::clearFlags()
{
    m_isMount = false;
    m_isUnmount = false;
}
