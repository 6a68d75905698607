#include "filesizelimit.h"

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Without this the kernel ends the process (SIGXFSZ) instead of failing the write.
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (getrlimit(RLIMIT_FSIZE, &m_saved) != 0)
        return;
    struct rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active)
        setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}
