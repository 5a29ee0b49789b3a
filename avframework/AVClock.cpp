#include "AVClock.h"

#include <chrono>

namespace {

uint64_t tickCountMs()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

double avCurrentTimeSeconds()
{
    return static_cast<double>(tickCountMs()) / 1000.0;
}

int64_t avCurrentTimeMicroseconds()
{
    return static_cast<int64_t>(tickCountMs() * 1000);
}
