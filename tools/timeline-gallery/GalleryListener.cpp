#include "GalleryListener.h"

#include "TimelineMetrics.h"

#include <QMetaObject>
#include <QWidget>

GalleryListener::GalleryListener(const QString& projectFolder, VideoThumbnails* thumbnails)
{
    projectDirectory = projectFolder;
    videoThumbnails = thumbnails;
    mediaDuration = kMediaSeconds;
    videoSize = QSizeF(1280, 720);
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
