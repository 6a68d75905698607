#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

#include <sys/resource.h>

#include <csignal>

// Makes every write that would grow a regular file past a size fail with
// EFBIG while it lives, for the whole process, root included: the way to show
// that a failed write is reported and leaves the old file as it was.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

    // False when the limit could not be set; the test should then skip.
    bool isActive() const { return m_active; }

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    struct rlimit m_saved;
    void (*m_savedHandler)(int);
    bool m_active = false;
};

#endif // FILESIZELIMIT_H
