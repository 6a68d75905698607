#ifndef TAVSETTINGS_H
#define TAVSETTINGS_H

#include <QMultiMap>
#include <QString>
#include <QStringList>
#include <QVariant>

// The process-wide store of the user's settings: typed values under
// slash-separated keys, held in memory and saved whole as one plain file
// ("config.dat") in the settings folder on the drive. Used on the GUI thread
// only.
class TAVSettings
{
public:
    // Results of read().
    enum ReadResult {
        ReadOk = 0,      // the file was read whole
        ReadNoFile = 1,  // missing or unreadable; the store is empty
        ReadDamaged = 2, // short, damaged or holding a type the store never keeps; the store is empty
    };
    // Results of write().
    enum WriteResult {
        WriteOk = 0,
        WriteFailed = 1, // nothing was replaced: the old file is as it was
    };

    static TAVSettings *getInstance();

    void setFileName(const QString &path);

    // Replaces every value in memory by the file's content (ReadResult). A
    // damaged file that holds anything is first set aside under a name of
    // its own (keptDamagedFile()), so that the next write never replaces it.
    int read();
    // Where the last read() set a damaged file aside; empty when it did not.
    QString keptDamagedFile() const { return m_keptDamaged; }
    // Replaces the file by every value in memory, atomically (WriteResult).
    int write();

    void beginGroup(const QString &group);
    void endGroup();
    QString makekey(const QString &key) const;

    void setValue(const QString &key, const QVariant &value);
    QVariant value(const QString &key) const;
    QVariant value(const QString &key, const QVariant &defaultValue) const;

    // Whether a value is of a type the settings file keeps: invalid, bool,
    // int, QString, QByteArray, QDate, QDateTime (not tied to a named time
    // zone), QSize or QPoint. write() refuses a store holding anything else,
    // so that every file it writes reads back.
    static bool isStorable(const QVariant &value);

private:
    TAVSettings() = default;
    TAVSettings(const TAVSettings &) = delete;
    TAVSettings &operator=(const TAVSettings &) = delete;

    static TAVSettings *instance;

    // A file may hold one key more than once; every copy is kept and
    // written back, and value() gives the one read last.
    QMultiMap<QString, QVariant> m_map;
    QStringList m_groups;
    QString m_fileName;
    QString m_keptDamaged;
};

#endif // TAVSETTINGS_H
