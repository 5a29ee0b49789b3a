#include "SegmentTaskGroup.h"

#include <QDebug>
#include <QRunnable>
#include <QThreadPool>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

std::atomic<SegmentTaskGroup::Starter> s_starter{nullptr};

// Long enough for any loading step (a waveform decode stops at its next
// packet once cancelled); a task still running after it is reported.
constexpr int kDestructionWaitMs = 10000;

} // namespace

// The state that the group and its tasks share; it outlives whichever ends last.
class SegmentTaskGroup::Guard
{
public:
    void enqueue()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        ++_pending;
    }

    // A queued task starts: true when it may use the segment. A task that
    // starts after the group closed only leaves.
    bool enter()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        if (_closed) {
            --_pending;
            return false;
        }
        ++_running;
        return true;
    }

    // A queued task that the pool dropped without running it.
    void drop()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        --_pending;
    }

    void leave()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        --_running;
        --_pending;
        _done.notify_all();
    }

    bool isBusy() const
    {
        std::lock_guard<std::mutex> lock(_mutex);
        return _pending > 0;
    }

    bool close(int timeoutMs)
    {
        std::unique_lock<std::mutex> lock(_mutex);
        _closed = true;
        cancelled.store(true);
        return _done.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return _running == 0; });
    }

    std::atomic<bool> cancelled{false};

private:
    mutable std::mutex _mutex;
    std::condition_variable _done;
    int _pending = 0; // queued or running
    int _running = 0;
    bool _closed = false;
};

class SegmentTaskGroup::Task : public QRunnable
{
public:
    Task(std::shared_ptr<Guard> guard, Work work) : _guard(std::move(guard)), _work(std::move(work))
    {
        setAutoDelete(true);
    }

    ~Task() override
    {
        if (!_ran)
            _guard->drop();
    }

    // Hands the finished task over to whichever thread runs it. The pool's
    // own queue orders this too, but inside Qt, where a race detector
    // cannot see it; this release and the acquire in run() it can.
    void publish() { _published.store(true, std::memory_order_release); }

    void run() override
    {
        if (!_published.load(std::memory_order_acquire))
            return;
        _ran = true;
        if (!_guard->enter())
            return;
        _work(_guard->cancelled);
        _guard->leave();
    }

private:
    std::shared_ptr<Guard> _guard;
    Work _work;
    bool _ran = false;
    std::atomic<bool> _published{false};
};

void SegmentTaskGroup::setStarter(Starter starter)
{
    s_starter.store(starter);
}

SegmentTaskGroup::SegmentTaskGroup(const Segment* segment)
    : _segment(segment), _guard(std::make_shared<Guard>())
{
}

SegmentTaskGroup::~SegmentTaskGroup()
{
    if (!close(kDestructionWaitMs))
        qWarning("A loading task of a deleted segment is still running");
}

void SegmentTaskGroup::start(Work work)
{
    // Counted after the task is made: the lock that counts it is what orders
    // the segment's and the task's set-up before the task's start on a pool thread.
    auto* task = new Task(_guard, std::move(work));
    _guard->enqueue();
    task->publish();
    if (const Starter starter = s_starter.load())
        starter(_segment, task);
    else
        QThreadPool::globalInstance()->start(task);
}

bool SegmentTaskGroup::isBusy() const
{
    return _guard->isBusy();
}

bool SegmentTaskGroup::close(int timeoutMs)
{
    return _guard->close(timeoutMs);
}
