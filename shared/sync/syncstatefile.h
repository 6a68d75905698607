#ifndef SYNCSTATEFILE_H
#define SYNCSTATEFILE_H

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

class TAVKey;

// A peer's state file: the paths its vault folder held after its last
// synchronisation. Plain bytes: a hash from string to qint32 (always 0) in a
// data stream, quint32 count then (QString, qint32) pairs.
//
// The file lies on the stick in the clear, and what it lists decides what a
// run deletes; so a path is stored not as its name but as entryOf(): a keyed
// hash under the vault's key. A forged, damaged or foreign entry then names
// no path, and the file tells nobody without the password what is synced.
class SyncStateFile
{
public:
    enum Result { Read = 0, Missing = 1, Damaged = 2 };

    // Reading is all or nothing: a short, overlong or damaged file gives
    // Damaged and an empty list, never the pairs before the damage.
    // `written` (when given) receives the file's modification time.
    static Result read(const QString &path, QStringList *paths, QDateTime *written = nullptr);
    // Replaced whole (temporary file, then renamed); false when not written.
    static bool write(const QString &path, const QStringList &paths, QString *error = nullptr);

    // The key entries are made under, from the vault's key (one per run).
    static QByteArray entryKey(const TAVKey &vaultKey);
    // The stored form of a relative path: the first 16 bytes of
    // HMAC-SHA256 of its comparison key (case-folded), in lower-case hex.
    static QString entryOf(const QByteArray &entryKey, const QString &relativePath);
    // Text of that form; anything else is a name written before entries were hashed.
    static bool isEntry(const QString &text);

    static QByteArray serialize(const QStringList &paths);
    static bool parse(const QByteArray &bytes, QStringList *paths);

private:
    SyncStateFile() = delete;
};

#endif // SYNCSTATEFILE_H
