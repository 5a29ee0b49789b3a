#pragma once

#include <sys/resource.h>

#include <csignal>

// Lowers the process's file size limit while it lives: a write past it
// fails (EFBIG), as on a disk that has filled up, instead of ending the
// process. It holds for every thread of the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &_saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = _saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &_saved); }

private:
    rlimit _saved;
};
