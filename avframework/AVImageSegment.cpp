#include "AVImageSegment.h"

#include "AVImageLoader.h"
#include "AVPixelBuffer.h"

#include <QMutex>
#include <QMutexLocker>

AVImageSegment::AVImageSegment(AVImageLoader* loader, double start, double duration, const char* path,
                               uint32_t width, uint32_t height)
    : AVLayerSegment(start, duration, width, height)
    , _path(path ? path : "")
    , _loader(loader)
    , _imageMutex(avMutexCreate())
{
}

AVImageSegment::~AVImageSegment()
{
    if (_loader)
        _loader->forget(this);
}

void AVImageSegment::setImage(AVPixelBuffer* buffer)
{
    QMutexLocker lock(_imageMutex.get());
    AVLayerSegment::setImage(buffer);
}

void AVImageSegment::loadCompleted(AVPixelBuffer* picture, uint32_t rotation, int32_t status)
{
    {
        QMutexLocker lock(_imageMutex.get());
        setStatus(status);
        AVLayerSegment::setImage(picture);
        _rotation = rotation;
        _queued = false;
        _ready = true;
    }
    fireCallback(status);
}

void AVImageSegment::wake()
{
    AVSegment::wake();
    if (_path.empty())
        return;
    QMutexLocker lock(_imageMutex.get());
    if (texture() || status() != AVSegmentNotLoaded)
        return;
    if (AVPixelBuffer* picture = image()) {
        // Kept from before: no need to read the file again.
        _setImageSize(picture->width, picture->height);
        setStatus(AVSegmentReady);
        _ready = true;
    } else if (_loader && !_queued) {
        _loader->enqueue(this);
        _queued = true;
        _ready = false;
    }
}

void AVImageSegment::sleep(bool exporting)
{
    AVSegment::sleep(exporting);
    if (_path.empty())
        return;
    QMutexLocker lock(_imageMutex.get());
    if (image()) {
        // A shown segment keeps its decoded picture unless an export runs.
        if (exporting || !flag2())
            AVLayerSegment::setImage(nullptr);
    } else if (_queued) {
        _loader->remove(this);
        _queued = false;
        _ready = true;
    }
    setPixels(nullptr, 0, 0, 0, 0);
    setStatus(AVSegmentNotLoaded);
}

void AVImageSegment::prepareAt(double time, bool drawFlag, bool playing)
{
    {
        QMutexLocker lock(_imageMutex.get());
        if (image() && !texture())
            uploadImage();
    }
    AVLayerSegment::prepareAt(time, drawFlag, playing);
}
