#pragma once

#include "GalleryListener.h"
#include "VideoThumbnails.h"

#include <QPixmap>
#include <QString>

#include <memory>
#include <vector>

class QMainWindow;
class QWidget;
class Segment;
class TrackWidget;

// The gallery's window: tracks of all six types at scales 1 and 2, each
// with a tile in every state, then the drag and selection overlays and an
// overflowing tool bar; below them a working timeline with its signal log.
// It owns the segments, which outlive their tiles.
class GalleryTimeline
{
public:
    explicit GalleryTimeline(const QString& projectFolder);
    ~GalleryTimeline();

    // Makes the media and the window; false (with a message) on failure.
    bool build();
    QMainWindow* window() const { return _window.get(); }

private:
    Segment* _makeSegment(const QString& type, float start, float duration);
    Segment* _loadedSound(Segment* segment);
    Segment* _loadedMovie(Segment* segment);
    Segment* _loadedDrawing(Segment* segment);
    QWidget* _timeline(float scale, QWidget* parent);
    void _fillTrack(TrackWidget* track, const QString& type, float scale);
    QWidget* _overlays(QWidget* parent);
    QWidget* _transformOverlays(QWidget* parent);

    QString _folder;
    QString _tonePath;
    QString _picturePath;
    VideoThumbnails _thumbnails;
    GalleryListener _listener;
    QPixmap _backgrounds[2];
    std::vector<std::unique_ptr<Segment>> _segments;
    std::unique_ptr<QMainWindow> _window;
};
