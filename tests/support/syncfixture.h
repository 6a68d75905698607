#ifndef SYNCFIXTURE_H
#define SYNCFIXTURE_H

#include "tavkey.h"

#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QUuid>

class TAVVault;

// A vault and a disk folder laid out from text, synchronised, and read back as
// text: state in, state out. An entry is "dir/" for a folder or
// "path=content@t" for a file whose modification time is base + t seconds
// (t defaults to 0). The vault is loaded, its index saved, and it counts the
// saves made after the layout.
class SyncFixture
{
public:
    static constexpr qint64 kBaseTime = 1400000000;

    SyncFixture();
    ~SyncFixture();
    SyncFixture(const SyncFixture &) = delete;
    SyncFixture &operator=(const SyncFixture &) = delete;

    TAVVault *vault() const { return m_vault; }
    // The vault was destroyed by the code under test: not touched again.
    void forgetVault() { m_vault = nullptr; }
    QString diskFolder() const { return m_disk; }
    QString path(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    // Entries under the vault's root (and saves the index) or the disk folder.
    void layVault(const QStringList &entries);
    void layDisk(const QStringList &entries);
    // Adds the peer "/" <-> disk folder for this host; its id.
    QUuid addPeer(const QString &vaultFolder = QStringLiteral("/"), const QString &diskFolder = QString());
    // Writes the peer's state file (the paths as given, stored as the run stores them).
    void setState(const QUuid &peer, const QStringList &paths);
    // The state file's paths, sorted; "<none>" when there is none, "<damaged>"
    // when unreadable; an entry that names no path either side holds (or a
    // state was given) as "<unknown entry>".
    QStringList state(const QUuid &peer) const;

    // Runs syncFolders (on the pool, the test thread serving the vault's
    // calls, unless onCaller) and returns its result; lines() holds its lines.
    int sync(bool onCaller = false);
    // Runs scanVault on the pool; the counts it sent.
    QList<uint> scan();

    // Sorted "dir/" and "path=content@t" of the vault folder and the disk
    // folder (hidden entries included).
    QStringList vaultSide() const;
    QStringList diskSide() const;

    QStringList lines() const { return m_lines; }
    int saves() const;
    int syncDone() const { return m_done; }
    int syncFailed() const { return m_failedSignals; }
    QByteArray indexBytes() const;

private:
    QTemporaryDir m_dir;
    QString m_disk;
    TAVVault *m_vault = nullptr;
    QSet<QString> m_statePaths;
    QStringList m_lines;
    int m_done = 0;
    int m_failedSignals = 0;
};

#endif // SYNCFIXTURE_H
