#pragma once

#include <QDir>

#include <cerrno>
#include <csignal>
#include <sched.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// While it lives, every thread of the process runs on one core only, beside
// a process that computes without end on that same core: the threads get
// the core about half the time, as on a machine whose cores are all taken.
// Threads made meanwhile stay on that core too. busy() tells whether it
// could be had.
class BusyCore
{
public:
    BusyCore()
    {
        if (sched_getaffinity(0, sizeof _before, &_before) != 0)
            return;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(sched_getcpu(), &one);
        if (!_pinAll(one))
            return;
        _spinner = fork();
        if (_spinner == 0) {
            for (;;) {
            }
        }
    }
    ~BusyCore()
    {
        if (_spinner > 0) {
            kill(_spinner, SIGKILL);
            waitpid(_spinner, nullptr, 0);
        }
        _pinAll(_before);
    }
    BusyCore(const BusyCore&) = delete;
    BusyCore& operator=(const BusyCore&) = delete;

    bool busy() const { return _spinner > 0; }

private:
    // Every thread of the process: the affinity is each thread's own.
    static bool _pinAll(const cpu_set_t& cores)
    {
        bool pinned = true;
        for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            // A thread that ended meanwhile needs no pinning.
            pinned = (sched_setaffinity(pid_t(task.toInt()), sizeof cores, &cores) == 0 || errno == ESRCH) && pinned;
        return pinned;
    }

    cpu_set_t _before{};
    pid_t _spinner = -1;
};
