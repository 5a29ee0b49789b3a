#include "AssetLoadingThreadPool.h"

#include <QDebug>
#include <QThread>

#include <atomic>
#include <chrono>
#include <memory>

// Runs the real task and tells the pool when it starts and ends, so that
// the pool always knows which tasks of a segment are still to come or busy.
class AssetLoadingThreadPool::TrackedTask : public QRunnable
{
public:
    TrackedTask(AssetLoadingThreadPool* pool, const Segment* segment, QRunnable* task)
        : _pool(pool), _segment(segment), _task(task)
    {
        setAutoDelete(true);
    }

    const Segment* segment() const { return _segment; }

    // Hands the finished task over to whichever thread runs it. The pool's
    // own queue orders this too, but inside Qt, where a race detector cannot
    // see it; this release and the acquire in run() it can.
    void publish() { _published.store(true, std::memory_order_release); }

    void run() override
    {
        if (!_published.load(std::memory_order_acquire))
            return;
        _pool->_taskStarting(this);
        _task->run();
        // Destroyed before the segment's owner may take it as done, since the
        // task's own clean-up may still reach the segment.
        _task.reset();
        _pool->_taskFinished(_segment);
    }

private:
    AssetLoadingThreadPool* _pool;
    const Segment* _segment;
    std::unique_ptr<QRunnable> _task;
    std::atomic<bool> _published{false};
};

namespace {
Q_GLOBAL_STATIC(AssetLoadingThreadPool, s_assetPool)
} // namespace

AssetLoadingThreadPool* AssetLoadingThreadPool::instance()
{
    return s_assetPool();
}

AssetLoadingThreadPool::AssetLoadingThreadPool()
{
    qDebug().noquote() << "Thread pool max thread count is " + QString::number(QThread::idealThreadCount());
}

AssetLoadingThreadPool::~AssetLoadingThreadPool()
{
    waitForDone();
}

void AssetLoadingThreadPool::startForSegment(const Segment* segment, QRunnable* task)
{
    auto* tracked = new TrackedTask(this, segment, task);
    {
        std::lock_guard<std::mutex> locker(_tasksMutex);
        _queued.insert(segment, tracked);
    }
    tracked->publish();
    start(tracked);
}

bool AssetLoadingThreadPool::cancelOrWaitForSegment(const Segment* segment, int timeoutMs)
{
    // A task that the pool hands back never ran and never will; one that it
    // does not hand back has just been picked by a thread and counts as running.
    // The list stays locked meanwhile: a listed task cannot start, so it
    // cannot end and be deleted either while the pool is asked for it.
    QList<TrackedTask*> cancelled;
    {
        std::unique_lock<std::mutex> locker(_tasksMutex);
        const QList<TrackedTask*> queued = _queued.values(segment);
        for (TrackedTask* task : queued) {
            if (tryTake(task)) {
                _queued.remove(segment, task);
                cancelled.append(task);
            }
        }
    }
    // Outside the lock: a task's clean-up may ask the pool about its segment.
    qDeleteAll(cancelled);
    std::unique_lock<std::mutex> locker(_tasksMutex);
    return _taskDone.wait_for(locker, std::chrono::milliseconds(timeoutMs), [&] {
        return !_queued.contains(segment) && _running.value(segment) == 0;
    });
}

int AssetLoadingThreadPool::pendingTaskCount(const Segment* segment) const
{
    std::unique_lock<std::mutex> locker(_tasksMutex);
    return int(_queued.count(segment)) + _running.value(segment);
}

void AssetLoadingThreadPool::_taskStarting(TrackedTask* task)
{
    std::unique_lock<std::mutex> locker(_tasksMutex);
    _queued.remove(task->segment(), task);
    ++_running[task->segment()];
}

void AssetLoadingThreadPool::_taskFinished(const Segment* segment)
{
    std::unique_lock<std::mutex> locker(_tasksMutex);
    if (--_running[segment] <= 0)
        _running.remove(segment);
    _taskDone.notify_all();
}
