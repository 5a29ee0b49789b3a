#pragma once

#include <cstdint>

// The engine clock: a monotonic millisecond tick count.

// Seconds since an arbitrary fixed point (system start-up), millisecond resolution.
double avCurrentTimeSeconds();
// The same tick count in microseconds (millisecond resolution); layers use it
// as their change stamp.
int64_t avCurrentTimeMicroseconds();
