#pragma once
// While it lives, no file of this process grows past limit bytes (0: no limit of its own): a
// write past it fails with EFBIG instead of ending the process.
#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        if (limit)
            lowered.rlim_cur = limit;
        m_set = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the limit is in force.
    bool isSet() const { return m_set; }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
    bool m_set = false;
};
