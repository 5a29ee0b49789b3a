#include "AVImageLoader.h"

#include "AVImageSegment.h"
#include "AVImageServices.h"
#include "AVPixelBuffer.h"
#include "AVThread_QThread_Type.h"

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <algorithm>

namespace {

// The worker looks at its stop flag at least this often while idle.
constexpr unsigned long kIdleWaitMs = 100;

} // namespace

AVImageLoader::AVImageLoader() : _mutex(avMutexCreate()), _condition(avConditionCreate())
{
    _running = true;  // set before start, so a stop right away is waited for
    _thread = avThreadCreate(&AVImageLoader::_entry, this);
    avThreadStart(_thread);
}

AVImageLoader::~AVImageLoader()
{
    stop(true);
    avThreadFree(_thread);
}

int AVImageLoader::_entry(AVThread_QThread_Type*, void* loader)
{
    static_cast<AVImageLoader*>(loader)->_run();
    return 0;
}

void AVImageLoader::enqueue(AVImageSegment* segment)
{
    QMutexLocker lock(_mutex.get());
    _queue.push_back(segment);
    avConditionWakeAll(_condition.get());
}

void AVImageLoader::remove(AVImageSegment* segment)
{
    QMutexLocker lock(_mutex.get());
    _queue.erase(std::remove(_queue.begin(), _queue.end(), segment), _queue.end());
    if (_current == segment && !_delivering)
        _currentDropped = true;
}

void AVImageLoader::forget(AVImageSegment* segment)
{
    remove(segment);
    // A delivery only sets the picture and reports it: it ends soon, and the
    // segment's memory must outlive it. A segment destroyed by its own
    // report, on the worker, is past its delivery's last use of it.
    if (QThread::currentThread() == _thread)
        return;
    QMutexLocker lock(_mutex.get());
    while (_current == segment && _delivering)
        avConditionWaitFor(_condition.get(), _mutex.get(), kIdleWaitMs);
}

size_t AVImageLoader::queueLength() const
{
    QMutexLocker lock(_mutex.get());
    return _queue.size();
}

void AVImageLoader::stop(bool wait)
{
    {
        QMutexLocker lock(_mutex.get());
        _stop = true;
        avConditionWakeAll(_condition.get());
    }
    if (wait)
        avThreadWait(_thread);
}

void AVImageLoader::_run()
{
    AVImageSegment* segment = nullptr;
    std::string path;
    while (!_stop) {
        if (_next(&segment, &path))
            _read(segment, path);
    }
    _running = false;
}

bool AVImageLoader::_next(AVImageSegment** segment, std::string* path)
{
    QMutexLocker lock(_mutex.get());
    if (_queue.empty())
        avConditionWaitFor(_condition.get(), _mutex.get(), kIdleWaitMs);
    if (_queue.empty() || _stop)
        return false;
    // Taken out and made current in one step, so that a segment leaving
    // meanwhile is either still queued or known as the current one. The
    // path is copied: the segment may go while its file is read.
    *segment = _queue.front();
    _queue.pop_front();
    *path = (*segment)->path();
    _current = *segment;
    _currentDropped = false;
    return true;
}

void AVImageLoader::_read(AVImageSegment* segment, const std::string& path)
{
    int32_t rotation = 0;
    int32_t reason = 0;
    // No lock while reading: large pictures take a while.
    AVPixelBuffer* picture = avReadImageFile(path.c_str(), &rotation, &reason, _paused);
    const int32_t status =
        picture ? AVSegmentReady : (reason == 2 ? AVSegmentPictureReadFailed : AVSegmentPictureDecodeFailed);
    bool deliver = false;
    {
        QMutexLocker lock(_mutex.get());
        deliver = !_currentDropped;
        _delivering = deliver;
    }
    if (deliver)
        segment->loadCompleted(picture, uint32_t(rotation), status);
    else
        avPixelBufferFree(picture);
    QMutexLocker lock(_mutex.get());
    _delivering = false;
    _current = nullptr;
    avConditionWakeAll(_condition.get());
}
