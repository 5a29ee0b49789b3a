#include "AVAnimatableImageSegment.h"

#include "AVImageServices.h"
#include "AVPixelBuffer.h"

#include <QMutex>
#include <QMutexLocker>

AVAnimatableImageSegment::AVAnimatableImageSegment(double start, double duration, const char* path, uint32_t width,
                                                   uint32_t height)
    : AVLayerSegment(start, duration, width, height), _path(path ? path : ""), _imageMutex(avMutexCreate())
{
    setStatus(AVSegmentReady);
}

AVAnimatableImageSegment::~AVAnimatableImageSegment() = default;

void AVAnimatableImageSegment::setImage(AVPixelBuffer* buffer)
{
    QMutexLocker lock(_imageMutex.get());
    AVLayerSegment::setImage(buffer);
}

void AVAnimatableImageSegment::prepareAt(double time, bool drawFlag, bool playing)
{
    {
        QMutexLocker lock(_imageMutex.get());
        const auto ms = int32_t((time - startTime()) * 1000.0);
        int32_t error = 0;
        AVPixelBuffer* picture = avRequestImage(int32_t(id()), ms, &error);
        setStatus(error);
        AVLayerSegment::setImage(picture);
        if (picture) {
            uploadImage();
            // The texture holds it now; the image size stays.
            AVLayerSegment::setImage(nullptr);
        }
    }
    AVLayerSegment::prepareAt(time, drawFlag, playing);
}

void AVAnimatableImageSegment::sleep(bool exporting)
{
    AVSegment::sleep(exporting);
    if (_path.empty())
        return;
    QMutexLocker lock(_imageMutex.get());
    AVLayerSegment::setImage(nullptr);
    uploadImage();
    setStatus(AVSegmentReady);
}

void AVAnimatableImageSegment::wake()
{
    AVSegment::wake();
    // Only segments of status 0 are prepared, and only a preparation asks
    // for a picture again: a moment without one (1 empty, 2 none) would
    // otherwise keep the segment from being asked until it sleeps.
    QMutexLocker lock(_imageMutex.get());
    if (status() == kEmptyPicture || status() == kNoPicture)
        setStatus(AVSegmentReady);
}
