// A full disk on demand, for tests of failed saves. Tests run as root, whom
// no file permission stops; a file size limit stops every user.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace test_support {

// Makes every file write beyond `bytes` fail as a full disk does, for root
// too, while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &former_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = former_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &former_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit former_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace test_support
