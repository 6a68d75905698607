#include "filesizelimit.h"

#include <csignal>
#include <sys/resource.h>

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_oldSoft = limit.rlim_cur;
    m_oldHandler = reinterpret_cast<void *>(std::signal(SIGXFSZ, SIG_IGN));
    limit.rlim_cur = rlim_t(bytes);
    m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    struct rlimit limit;
    if (m_active && getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = rlim_t(m_oldSoft);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, reinterpret_cast<void (*)(int)>(m_oldHandler));
}
