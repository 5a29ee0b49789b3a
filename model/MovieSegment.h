#pragma once

#include "LayerSegment.h"

#include <mutex>
#include <QSizeF>

#include <atomic>

class SegmentStyleDefaults;

// A video file on the timeline (Type "MOVIE"). It owns two engine ids: its
// serial number for the picture and a second one, the next number of the
// same counter, for the sound. Its loading is the engine's: the loading task
// only lets the owner create the two engine segments, and the engine's load
// reports for both streams decide what the movie has, when its length is
// known and when the timeline thumbnails are fetched.
class MovieSegment : public LayerSegment
{
public:
    MovieSegment(const Segment* source, float start, SegmentListener* owner);
    // A new segment for a file: its range follows the media once known;
    // defaults, when given, give it the look last used for movies.
    MovieSegment(const QString& file, float start, SegmentListener* owner, SegmentStyleDefaults* defaults = nullptr);
    MovieSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated);
    ~MovieSegment() override;

    // Timeline seconds of the played part of the media.
    float trimStart() const;
    void setTrimStart(float seconds);
    float trimDuration() const;
    void setTrimDuration(float seconds);
    float mediaDuration() const { return _mediaDuration; }
    QSizeF videoSize() const;
    // Takes the engine's media length; the first known length fits a new
    // segment's range to the media.
    void updateMediaDuration();

    int32_t secondEngineId() const override { return _audioStreamId; }
    bool isLoaded() const override;
    void onEngineLoadStatus(int streamId, bool failed, int kind) override;
    float duration() const override;
    double timeStamp() const override;
    bool leafFlag() const override;
    bool hasContent() const override;
    void paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;
    void paintTimelineStrip(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;
    bool setStartTime(const float& time) override;
    bool setEndTime(const float& time) override;
    QTransform fittedTransform(const QSizeF& canvas, QRectF* outRect) const override;
    QTransform placedTransform(const QSizeF& canvas, QRectF* outRect) const override;
    QTransform transitionPlacedTransform(int id, bool begin, const QSizeF& canvas, QRectF* outRect) const override;
    LayerTransform mediaLayerTransform(const QSizeF& canvas) const override;
    bool hasAudio() const override { return _hasAudio; }
    // Whether the engine loaded the file's video stream; false until it reported.
    bool hasVideo() const { return _hasVideo; }
    QString text() const override;

private:
    void _construct();
    // The thumbnail task: media length, video size, the engine's pictures
    // into the owner's cache, then state 4.
    void _fetchThumbnails();
    // Tiles the cached thumbnails over rect; firstMediaPixel is where the
    // row starts in pixels of the whole media.
    void _paintTiles(QPainter* painter, const QRect& rect, float pixelsPerSecond, int firstMediaPixel);
    // Placement on a canvas with the given scale, translation, rotation and flips.
    QTransform _placed(const QSizeF& canvas, const QPointF& scale, const QPointF& translation, double rotation,
                       bool flipHorizontal, bool flipVertical, QRectF* outRect) const;

    int32_t _audioStreamId = 0;
    std::atomic<bool> _hasAudio{false};
    std::atomic<bool> _hasVideo{false};
    std::atomic<bool> _videoReported{false};
    std::atomic<bool> _audioReported{false};
    std::atomic<bool> _videoStatusSeen{false};
    std::atomic<float> _mediaDuration{0.0f};
    bool _fitsRangeToMedia = false;
    // Written by the thumbnail task, read by the GUI thread.
    mutable std::mutex _videoSizeMutex;
    QSizeF _videoSize;
};
