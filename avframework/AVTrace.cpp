#include "AVTrace.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {
std::atomic<AVTraceHook> traceHook{nullptr};
}

void avSetTraceHook(AVTraceHook hook)
{
    traceHook = hook;
}

void avTrace(const char* format, ...)
{
    const AVTraceHook hook = traceHook;
    if (!hook)
        return;
    char line[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    hook(line);
}
