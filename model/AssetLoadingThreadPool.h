#pragma once

#include <QHash>
#include <QThreadPool>

#include <condition_variable>
#include <mutex>

class Segment;

// The process-wide pool on which segments load their media. Tasks are
// queued for a segment, so that the segment's owner can cancel those that
// have not started and wait for those that run before it deletes the
// segment: a loading task holds a plain pointer to its segment.
class AssetLoadingThreadPool : public QThreadPool
{
public:
    // The single pool, created on first use.
    static AssetLoadingThreadPool* instance();

    AssetLoadingThreadPool();
    ~AssetLoadingThreadPool() override;

    // Queues a loading task of the segment; the pool owns the task.
    void startForSegment(const Segment* segment, QRunnable* task);
    // Drops the segment's tasks that have not started and waits up to
    // timeoutMs for those that run. True when none is left; false when one
    // still ran when the time was up, and the segment must then be kept alive.
    bool cancelOrWaitForSegment(const Segment* segment, int timeoutMs);
    // Queued or running tasks of the segment.
    int pendingTaskCount(const Segment* segment) const;

private:
    class TrackedTask;
    friend class TrackedTask;

    void _taskStarting(TrackedTask* task);
    void _taskFinished(const Segment* segment);

    // Standard locks rather than QMutex: these are visible to the race
    // detector that the model tests run under, QMutex's futex calls are not.
    mutable std::mutex _tasksMutex;
    std::condition_variable _taskDone;
    QMultiHash<const Segment*, TrackedTask*> _queued;
    QHash<const Segment*, int> _running;
};
