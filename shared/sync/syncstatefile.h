#ifndef SYNCSTATEFILE_H
#define SYNCSTATEFILE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// A peer's state file: the paths its vault folder held after its last
// synchronisation. Plain bytes: a hash from path to qint32 (always 0) in a
// data stream, quint32 count then (QString, qint32) pairs.
class SyncStateFile
{
public:
    enum Result { Read = 0, Missing = 1, Damaged = 2 };

    // Reading is all or nothing: a short, overlong or damaged file gives
    // Damaged and an empty list, never the pairs before the damage.
    static Result read(const QString &path, QStringList *paths);
    // Replaced whole (temporary file, then renamed); false when not written.
    static bool write(const QString &path, const QStringList &paths, QString *error = nullptr);

    static QByteArray serialize(const QStringList &paths);
    static bool parse(const QByteArray &bytes, QStringList *paths);

private:
    SyncStateFile() = delete;
};

#endif // SYNCSTATEFILE_H
