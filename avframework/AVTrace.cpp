#include "AVTrace.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {

std::atomic<AVTraceHook> traceHook{nullptr};

void traceLine(AVTraceHook hook, const char* format, va_list arguments)
{
    if (!hook)
        return;
    char line[1024];
    std::vsnprintf(line, sizeof line, format, arguments);
    hook(line);
}

} // namespace

void avSetTraceHook(AVTraceHook hook)
{
    traceHook = hook;
}

void avTrace(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    traceLine(traceHook, format, arguments);
    va_end(arguments);
}

void avTraceTo(AVTraceHook hook, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    traceLine(hook ? hook : traceHook.load(), format, arguments);
    va_end(arguments);
}
