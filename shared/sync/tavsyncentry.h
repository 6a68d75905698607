#ifndef TAVSYNCENTRY_H
#define TAVSYNCENTRY_H

#include <QDataStream>
#include <QList>
#include <QString>
#include <QUuid>

// One sync peer: a folder inside a vault kept in step with a folder on the
// disk of one host. Peers are equal by identifier alone; the identifier
// names the peer's state file.
struct TAVSyncEntry
{
    QUuid id;
    QString host;        // short host name of the computer that added the peer
    QString diskFolder;  // as the folder picker gave it
    QString vaultFolder; // from the vault's root: "/" or "/Reports/2014"

    bool operator==(const TAVSyncEntry &other) const { return id == other.id; }
    bool operator!=(const TAVSyncEntry &other) const { return id != other.id; }
    // The three strings that identify a peer to adding and deleting, compared exactly.
    bool sameFolders(const QString &h, const QString &disk, const QString &vault) const
    {
        return host == h && diskFolder == disk && vaultFolder == vault;
    }
};

// id (16 bytes), host, diskFolder, vaultFolder.
QDataStream &operator<<(QDataStream &stream, const TAVSyncEntry &entry);
QDataStream &operator>>(QDataStream &stream, TAVSyncEntry &entry);

// The peer list's payload: quint32 count, then the records. Reading is
// all or nothing: false for a short, overlong or damaged payload (the list
// is then left as it was).
QByteArray serializeSyncList(const QList<TAVSyncEntry> &list);
bool parseSyncList(const QByteArray &payload, QList<TAVSyncEntry> *list);

// The state file's name: the identifier as 32 lower-case hexadecimal digits, then ".sync".
QString UuidToSyncFileName(const QUuid &id);

#endif // TAVSYNCENTRY_H
