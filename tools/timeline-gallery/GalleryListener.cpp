#include "GalleryListener.h"

#include "TimelineMetrics.h"
#include "VideoThumbnails.h"

#include <QMetaObject>
#include <QWidget>

GalleryListener::GalleryListener(const QString& projectFolder, VideoThumbnails* thumbnails)
    : _projectFolder(projectFolder)
    , _thumbnails(thumbnails)
{
}

int GalleryListener::segmentVideoThumbnailCount(Segment*)
{
    return _thumbnails->count();
}

float GalleryListener::segmentTimeToPixels(Segment*, float time)
{
    // Waveforms get four points a pixel at scale 1, whatever the zoom.
    return time * 4.0f * TimelineMetrics::pixelsPerSecond();
}

void GalleryListener::segmentAudioPlotDataDidReady(Segment*)
{
    QWidget* window = _window;
    if (window)
        QMetaObject::invokeMethod(window, [window]() { window->update(); }, Qt::QueuedConnection);
}
