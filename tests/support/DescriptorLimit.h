#pragma once

#include <QDir>
#include <QSet>
#include <QStringList>

#include <QFile>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

// Lowers the process's limit of open descriptors while it lives, to room
// for spare more than those open now: opening past it fails (EMFILE), as in
// a program that holds many files. It holds for every thread of the process.
class DescriptorLimit
{
public:
    explicit DescriptorLimit(rlim_t spare)
    {
        getrlimit(RLIMIT_NOFILE, &_saved);
        // A new descriptor takes the lowest free number below the limit:
        // the limit leaves spare free numbers below it.
        QSet<rlim_t> open;
        for (const QString& name : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System))
            open.insert(name.toULong());
        rlim_t limit = 0;
        for (rlim_t free = 0; free < spare; ++limit)
            free += open.contains(limit) ? 0 : 1;
        rlimit lowered = _saved;
        lowered.rlim_cur = std::min(_saved.rlim_cur, limit);
        _lowered = setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~DescriptorLimit() { setrlimit(RLIMIT_NOFILE, &_saved); }
    DescriptorLimit(const DescriptorLimit&) = delete;
    DescriptorLimit& operator=(const DescriptorLimit&) = delete;

    bool isLowered() const { return _lowered; }

private:
    rlimit _saved;
    bool _lowered = false;
};

// Makes a chain of depth folders "d/d/…" in the folder at path, each made
// through its parent's descriptor, so that no path grows past the system's
// limit; false when it could not be made whole.
inline bool makeFolderChain(const QString& path, int depth)
{
    int folder = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < depth && folder >= 0; ++level) {
        const int deeper =
            ::mkdirat(folder, "d", 0777) == 0 ? ::openat(folder, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
        ::close(folder);
        folder = deeper;
    }
    if (folder < 0)
        return false;
    ::close(folder);
    return true;
}
