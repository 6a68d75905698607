#include "filesizelimit.h"

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Without this the kernel ends the process (SIGXFSZ) instead of failing the write.
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    struct rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}
