#pragma once

#include "AssetLoadingThreadPool.h"

#include <QRunnable>
#include <QSemaphore>

#include <memory>
#include <utility>

// Every thread of the loading pool waits until released, as on a machine
// busy with other work: tasks started meanwhile wait in the pool's queue,
// in the order they came.
class HeldPool
{
public:
    HeldPool() : _threads(AssetLoadingThreadPool::instance()->maxThreadCount())
    {
        for (int index = 0; index < _threads; ++index)
            AssetLoadingThreadPool::instance()->start(QRunnable::create([started = _started, gate = _gate] {
                started->release();
                gate->acquire();
            }));
    }
    ~HeldPool() { release(); }
    HeldPool(const HeldPool&) = delete;
    HeldPool& operator=(const HeldPool&) = delete;

    // Whether every thread has taken its place (bounded).
    bool holding() { return _started->tryAcquire(_threads, 10000); }
    void release() { _gate->release(std::exchange(_threads, 0)); }

private:
    int _threads;
    std::shared_ptr<QSemaphore> _started = std::make_shared<QSemaphore>();
    std::shared_ptr<QSemaphore> _gate = std::make_shared<QSemaphore>();
};
