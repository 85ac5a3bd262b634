#pragma once
// A full disk, as the program meets it: while one of these lives, no file of the
// process grows past `bytes` (writes beyond fail with EFBIG, where a full disk
// gives ENOSPC). The limit is the process's own and comes back when it goes.

#include <csignal>
#include <sys/resource.h>

namespace tallimo::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        // Past the limit the kernel sends SIGXFSZ, which would end the process; a
        // failed write is what is wanted.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

}  // namespace tallimo::testing
