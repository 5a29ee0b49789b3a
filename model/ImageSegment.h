#pragma once

#include "LayerSegment.h"

#include <QHash>
#include <QImage>
#include <mutex>
#include <QPixmap>
#include <QSize>

#include <atomic>
#include <memory>
#include <vector>

class QImageReader;
class SegmentStyleDefaults;

// A still picture or an animated GIF on the timeline (Type "IMAGE"). Its
// loading task decodes a copy of the picture at the timeline row's height on
// the asset pool (a QImage: pixmaps belong to the GUI thread) and learns the
// picture's size with its EXIF orientation applied. For a GIF it records the
// frame delays and hands the engine the frame shown at a playback time.
class ImageSegment : public LayerSegment
{
public:
    // A copy of source at start showing file.
    ImageSegment(const Segment* source, const QString& file, float start, SegmentListener* owner);
    // A new segment for a file; defaults, when given, give it the look last used for pictures.
    ImageSegment(const QString& file, float start, float duration, SegmentListener* owner,
                 SegmentStyleDefaults* defaults = nullptr);
    // No file and no loading task (a drawing makes its file itself).
    explicit ImageSegment(SegmentListener* owner);
    ImageSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated);
    ~ImageSegment() override;

    // Shows another file, loaded again on the calling thread.
    void setFile(const QString& path);
    // Reports state 1, decodes the timeline copy and the picture's size,
    // reports state 4 (error code 2 for a missing file, 1 for an unreadable one).
    void loadImage();
    // Opens the file's GIF animation once; false for a still picture.
    virtual bool loadGifFrames();
    // The GIF frame shown at timeMs (the animation loops), fitted into
    // maxWidth x maxHeight when it is larger (0 for no limit): premultiplied
    // BGRA rows, top row first, in a malloc'ed buffer that the caller frees
    // with free(). Null without an animation or when the frame cannot be decoded.
    uint8_t* gifFrameAt(int timeMs, int maxWidth, int maxHeight, QSize* outSize);
    int gifFrameCount() const;
    float gifTotalDuration() const;
    // The picture's full size, EXIF orientation applied; invalid until loaded.
    QSizeF imageSize() const;
    // The timeline copy: null until loaded and after a failure.
    QImage thumbnail() const;
    // The picture fitted into 600 x 600 for editing (GUI thread only).
    virtual QPixmap pixmap() const;
    // Lets the animation set "RangeDuration" once (a picture newly inserted
    // from a file): now when it is already open, else when it opens.
    void markDirty();

    void setAttributes(std::unique_ptr<SegmentAttributes> attributes) override;
    bool isLoaded() const override;
    double timeStamp() const override;
    bool leafFlag() const override;
    bool hasContent() const override;
    void paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;
    LayerTransform mediaLayerTransform(const QSizeF& canvas) const override;
    QString text() const override;

protected:
    // For a derived type: the type is set before the loading task is queued,
    // since the task and the owner it reports to read the dictionary.
    ImageSegment(const Segment* source, const QString& file, float start, SegmentListener* owner,
                 const QString& type);
    void _setPicture(const QImage& thumbnail, const QSizeF& imageSize);
    void _closeGif();
    // Reads the picture on the loading pool; the owner hears of each state.
    void _loadInBackground();

private:
    void _construct(const QString& file);
    // The decoded frame at index, from the cache or the reader; null when it
    // cannot be decoded. Called with the GIF lock held.
    QImage _gifFrame(int index);
    int _gifFrameIndexAt(int timeMs) const;
    void _applyGifDuration();

    std::atomic<bool> _useGifDuration{false};

    // The loading task writes the picture on a pool thread while the GUI
    // thread paints it.
    mutable std::mutex _pictureMutex;
    QImage _thumbnail;
    QSizeF _imageSize;

    // The engine asks for GIF frames on its own thread while the GUI thread
    // may replace the file. A QImageReader, unlike a QMovie, has no thread
    // affinity; it reads frames in order, so going back reopens it.
    mutable std::mutex _gifMutex;
    std::unique_ptr<QImageReader> _gifReader;
    int _gifNextIndex = 0;
    std::vector<float> _gifFrameDelays;
    float _gifTotalDuration = 0.0f;
    QHash<int, QImage> _gifFrameCache;
};
