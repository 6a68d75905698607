#ifndef FILEFIXTURE_H
#define FILEFIXTURE_H

#include <QByteArray>
#include <QString>

// Small helpers for tests that lay out files and folders.
namespace FileFixture {

// Writes `bytes` to `path`, making missing parent folders; false on failure.
bool write(const QString &path, const QByteArray &bytes);
// The whole content of a file; empty when it can't be read.
QByteArray read(const QString &path);
// Creates a symbolic link `link` pointing at `target`.
bool symlink(const QString &target, const QString &link);
// Permission bits (07777) of a path, not following a link; -1 if missing.
int mode(const QString &path);
// The id of a process that has ended and was reaped: what a crashed run
// leaves behind in its folder names.
qint64 endedProcessId();

} // namespace FileFixture

// Keeps a file's inode open, so a test can read what was on the disk under a
// path after the path itself is gone (a wipe overwrites, then unlinks).
class HeldFile
{
public:
    explicit HeldFile(const QString &path);
    ~HeldFile();
    HeldFile(const HeldFile &) = delete;
    HeldFile &operator=(const HeldFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    QByteArray bytes() const;  // current content of the inode
    qint64 size() const;       // current length of the inode
    quint64 inode() const;

private:
    int m_fd = -1;
};

#endif // FILEFIXTURE_H
