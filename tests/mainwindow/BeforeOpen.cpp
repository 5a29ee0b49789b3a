#include "BeforeOpen.h"

#include <atomic>
#include <cstdarg>
#include <mutex>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

namespace {

using OpenFunction = int (*)(const char*, int, ...);

std::mutex s_lock;
// Read without the lock by every open of the program, so that those of a
// test without a step cost next to nothing.
std::atomic<bool> s_armed{false};
std::atomic<bool> s_ran{false};
QByteArray s_path;
std::function<void()> s_step;

void runStepBefore(const char* path)
{
    if (!s_armed.load() || !path)
        return;
    std::function<void()> step;
    {
        std::lock_guard<std::mutex> guard(s_lock);
        if (!s_armed.load() || s_path != path)
            return;
        s_armed = false;
        step = std::move(s_step);
    }
    step();
    s_ran = true;
}

OpenFunction nextOpen(const char* name)
{
    return reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, name));
}

// The mode comes only with the flags that make a file.
int passOn(OpenFunction next, const char* path, int flags, va_list arguments)
{
    runStepBefore(path);
    if ((flags & O_CREAT) == 0 && (flags & O_TMPFILE) != O_TMPFILE)
        return next(path, flags);
    return next(path, flags, va_arg(arguments, mode_t));
}

} // namespace

extern "C" int open(const char* path, int flags, ...)
{
    static const OpenFunction next = nextOpen("open");
    va_list arguments;
    va_start(arguments, flags);
    const int descriptor = passOn(next, path, flags, arguments);
    va_end(arguments);
    return descriptor;
}

extern "C" int open64(const char* path, int flags, ...)
{
    static const OpenFunction next = nextOpen("open64");
    va_list arguments;
    va_start(arguments, flags);
    const int descriptor = passOn(next, path, flags, arguments);
    va_end(arguments);
    return descriptor;
}

BeforeOpen::BeforeOpen(const QByteArray& path, std::function<void()> step)
{
    std::lock_guard<std::mutex> guard(s_lock);
    s_path = path;
    s_step = std::move(step);
    s_ran = false;
    s_armed = true;
}

BeforeOpen::~BeforeOpen()
{
    std::lock_guard<std::mutex> guard(s_lock);
    s_armed = false;
    s_step = nullptr;
}

bool BeforeOpen::ran() const
{
    return s_ran.load();
}
