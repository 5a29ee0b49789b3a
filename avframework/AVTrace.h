#pragma once

// The engine's diagnostics (renderer, playback): printf-style lines handed to
// a hook. Without a hook, which is the normal case, nothing is formatted or
// printed; tools install one to watch the engine work.

using AVTraceHook = void (*)(const char* line);

void avSetTraceHook(AVTraceHook hook);
void avTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The line goes to the given hook instead, for a caller that tells its
// failures itself; a null hook means the installed one, as avTrace.
void avTraceTo(AVTraceHook hook, const char* format, ...) __attribute__((format(printf, 2, 3)));
