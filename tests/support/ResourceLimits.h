#pragma once

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

// Limits on this test process, restored when the object goes away.

// Allows only `extraBytes` more address space, so that an allocation of
// gigabytes fails instead of quietly succeeding on a large machine.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t extraBytes)
    {
        ::getrlimit(RLIMIT_AS, &m_old);
        unsigned long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%lu", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        rlimit limit = m_old;
        limit.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + extraBytes;
        m_active = pages != 0 && ::setrlimit(RLIMIT_AS, &limit) == 0;
    }
    ~AddressSpaceLimit() { ::setrlimit(RLIMIT_AS, &m_old); }
    bool IsActive() const { return m_active; }

private:
    rlimit m_old {};
    bool m_active { false };
};

// Files may grow to `bytes` at most: writes beyond fail (EFBIG), even for
// root, which read-only folders cannot stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) { nullptr };
};
