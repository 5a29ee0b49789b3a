#pragma once

#include <atomic>
#include <functional>
#include <memory>

class QRunnable;
class Segment;

// The background tasks of one segment, and the guard that keeps them from
// outliving it. A segment holds its group as its last member, so the group
// is destroyed first: from then on queued tasks do nothing, running tasks
// see their cancel flag raised, and the destructor waits for them to end
// before the rest of the segment goes away.
//
// Tasks go to the process's asset pool through the starter that the pool
// registers; without one (the model on its own, in tests) Qt's global pool
// runs them.
class SegmentTaskGroup
{
public:
    using Work = std::function<void(const std::atomic<bool>& cancelled)>;
    using Starter = void (*)(const Segment* segment, QRunnable* task);

    static void setStarter(Starter starter);

    explicit SegmentTaskGroup(const Segment* segment);
    ~SegmentTaskGroup();
    SegmentTaskGroup(const SegmentTaskGroup&) = delete;
    SegmentTaskGroup& operator=(const SegmentTaskGroup&) = delete;

    // Queues work that uses the segment.
    void start(Work work);
    // Whether a task is queued or running.
    bool isBusy() const;
    // Raises the cancel flag, stops queued tasks from starting and waits up
    // to timeoutMs for running ones; true when none runs any more.
    bool close(int timeoutMs);

private:
    class Guard;
    class Task;

    const Segment* _segment;
    std::shared_ptr<Guard> _guard;
};
