#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

#include <QtGlobal>

// Makes the disk "full" for this process: while it lives, no file can grow
// past `bytes` (RLIMIT_FSIZE, with SIGXFSZ ignored), so a write beyond it
// comes back short or fails with EFBIG, as on a full drive. It acts on the
// real system calls, so it shows whether the code under test checks every
// write, flush and commit. Restores the old limit when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // False when the limit could not be set (the test should then skip).
    bool isActive() const { return m_active; }

private:
    bool m_active = false;
    unsigned long long m_oldSoft = 0;
    void *m_oldHandler = nullptr;
};

#endif // FILESIZELIMIT_H
