#ifndef YAVO_FILESIZELIMIT_H
#define YAVO_FILESIZELIMIT_H

#include <signal.h>
#include <sys/resource.h>

// Lowers the largest file this process may write while it lives; a write
// past it fails (EFBIG) instead of ending the program. Works for root too,
// unlike a read-only folder.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_oldHandler);
    }

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved;
    void (*m_oldHandler)(int);
};

#endif
