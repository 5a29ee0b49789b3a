#pragma once

#include <QElapsedTimer>
#include <QTest>

#include <ctime>

// Processor time the whole process has had, in milliseconds.
inline qint64 processCpuMs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return qint64(used.tv_sec) * 1000 + used.tv_nsec / 1000000;
}

// Waits, handling events, until the condition holds, bounded by the headway
// the process makes rather than by the clock: it gives up once the process
// has had cpuMs of processor time during the wait (its threads ran and did
// not get there), or after capMs in any case (nothing ran that would). On a
// machine whose cores are all taken the process gets little of that time,
// and the wait lasts as long as the work takes there.
template <typename Condition>
bool waitWithHeadway(Condition condition, qint64 cpuMs, qint64 capMs = 300000)
{
    const qint64 cpuAtStart = processCpuMs();
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (processCpuMs() - cpuAtStart >= cpuMs || clock.elapsed() >= capMs)
            return condition();
        // Handles the events, the deferred deletions among them.
        QTest::qWait(10);
    }
    return true;
}
