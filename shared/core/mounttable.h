#ifndef MOUNTTABLE_H
#define MOUNTTABLE_H

#include <QList>
#include <QString>

// One line of the kernel's mount table.
struct MountEntry
{
    QString mountPoint;     // decoded ("\040" becomes a blank), no trailing "/" except for "/"
    QString fileSystemType; // "ext4", "vfat", ...
    QString source;         // "/dev/sdb1", "tmpfs", ...
    quint32 major = 0;      // device number of the mounted file system
    quint32 minor = 0;
};

// Reads the mount table in the kernel's mountinfo format. Tests hand in a file
// of their own; the default is the calling process's table.
class MountTable
{
public:
    static QString defaultPath() { return QStringLiteral("/proc/self/mountinfo"); }

    // The entries in file order; empty when the file can't be read.
    static QList<MountEntry> read(const QString &mountInfoPath = defaultPath());
    // Parses text in mountinfo format; malformed lines are skipped.
    static QList<MountEntry> parse(const QByteArray &text);
    // Undoes the kernel's octal escapes of blanks, tabs, newlines and backslashes.
    static QString decodeField(const QByteArray &field);

private:
    MountTable() = delete;
};

#endif // MOUNTTABLE_H
