#include "MovieSegment.h"

#include "SegmentKeys.h"
#include "SegmentListener.h"
#include "SegmentStyleDefaults.h"
#include "VideoThumbnails.h"

#include <QDebug>
#include <QFileInfo>
#include <QPainter>
#include <QRunnable>

#include <algorithm>

namespace {

const QString kMovieType = QStringLiteral("MOVIE");

// The scale that fits a frame into a canvas, or 0 without a frame size.
double fitScale(const QSizeF& frame, const QSizeF& canvas)
{
    if (!frame.isValid() || frame.isEmpty())
        return 0.0;
    return std::min(canvas.width() / frame.width(), canvas.height() / frame.height());
}

QPointF centringOffset(const QSizeF& frame, const QSizeF& canvas, double scale)
{
    return QPointF((canvas.width() - frame.width() * scale) / 2.0, (canvas.height() - frame.height() * scale) / 2.0);
}

} // namespace

MovieSegment::MovieSegment(const Segment* source, float start, SegmentListener* owner)
    : LayerSegment(source, start, owner)
{
    setType(kMovieType);
    _construct();
}

MovieSegment::MovieSegment(const QString& file, float start, SegmentListener* owner, SegmentStyleDefaults* defaults)
    : LayerSegment(owner)
{
    setType(kMovieType);
    setRangeStart(start);
    setFilePath(file);
    touchTimeStamp();
    if (defaults)
        defaults->applyToMovieSegment(this);
    _fitsRangeToMedia = true;
    _construct();
}

MovieSegment::MovieSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated)
    : LayerSegment(std::move(attributes), owner)
{
    setNewlyCreated(newlyCreated);
    _fillTimeStampFromFile();
    _construct();
}

void MovieSegment::_construct()
{
    _audioStreamId = _takeSerialNumber();
    // The owner creates the two engine segments on state 1; the engine then reports.
    if (owner())
        _startTask(QRunnable::create([this] { setState(1); }));
}

MovieSegment::~MovieSegment()
{
    _finishPendingTasks();
}

float MovieSegment::trimStart() const
{
    return _trimTime(SegmentKey::TrimStart);
}

void MovieSegment::setTrimStart(float seconds)
{
    _setTrimTime(SegmentKey::TrimStart, seconds);
}

float MovieSegment::trimDuration() const
{
    return _trimTime(SegmentKey::TrimDuration);
}

void MovieSegment::setTrimDuration(float seconds)
{
    _setTrimTime(SegmentKey::TrimDuration, seconds);
}

QSizeF MovieSegment::videoSize() const
{
    std::lock_guard<std::mutex> locker(_videoSizeMutex);
    return _videoSize;
}

void MovieSegment::updateMediaDuration()
{
    if (!owner())
        return;
    const float media = std::max(owner()->segmentMediaDuration(this), owner()->segmentVideoMediaDuration(this));
    if (media == _mediaDuration)
        return;
    _mediaDuration = media;
    if (isNewlyCreated() && _fitsRangeToMedia) {
        setRangeDuration(media / speed());
        setTrimDuration(media);
        return;
    }
    _fitTimingToMedia(media);
}

bool MovieSegment::isLoaded() const
{
    return _audioReported && _videoStatusSeen;
}

void MovieSegment::onEngineLoadStatus(int streamId, bool failed, int kind)
{
    if (_videoReported && _audioReported)
        return;
    const bool isVideo = streamId == serialNumber();
    if (!isVideo && streamId != _audioStreamId)
        return;
    std::atomic<bool>& present = isVideo ? _hasVideo : _hasAudio;
    present = !failed;
    if (failed && !QFileInfo::exists(absoluteFilePath()))
        setErrorCode(2);
    if (isVideo) {
        if (kind == 0)
            _videoReported = true;
        _videoStatusSeen = true;
        if (!failed && kind == 1) {
            // Fitted to the picture's length before the sound's is known, a
            // range without a stored length would pass for a trim and cut
            // off a longer sound.
            if (_audioReported)
                updateMediaDuration();
            setState(2);
            return;
        }
    } else {
        _audioReported = true;
    }
    if (!_videoReported || !_audioReported)
        return;
    if (_hasVideo) {
        // The range is fitted here, on the thread that edits the segment, so
        // the thumbnail task finds the length known and leaves the dictionary
        // alone.
        updateMediaDuration();
        _startTask(QRunnable::create([this] { _fetchThumbnails(); }));
    } else if (_hasAudio) {
        updateMediaDuration();
        setState(4);
    } else {
        if (errorCode() == 0)
            setErrorCode(1);
        setState(4);
    }
}

void MovieSegment::_fetchThumbnails()
{
    SegmentListener* listener = owner();
    if (!listener) {
        setState(4);
        return;
    }
    updateMediaDuration();
    {
        std::lock_guard<std::mutex> locker(_videoSizeMutex);
        _videoSize = listener->segmentVideoSize(this);
    }
    const int count = listener->segmentEngineVideoThumbnailCount(this);
    for (int index = 0; index < count; ++index) {
        const QImage picture = listener->segmentEngineVideoThumbnail(this, index);
        if (!picture.isNull())
            listener->segmentSetVideoThumbnail(this, index, picture);
    }
    listener->segmentFlushVideoFrames(this);
    setState(4);
}

float MovieSegment::duration() const
{
    return _durationWithinMedia(_mediaDuration);
}

double MovieSegment::timeStamp() const
{
    return _fileTimeStamp();
}

bool MovieSegment::leafFlag() const
{
    return _timeStampCameFromFile();
}

bool MovieSegment::hasContent() const
{
    return _audioReported && _videoReported;
}

void MovieSegment::paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond)
{
    if (!paintLoadError(painter, rect) && rect.isValid())
        _paintTiles(painter, rect, pixelsPerSecond, int(trimStart() * pixelsPerSecond));
}

void MovieSegment::paintTimelineStrip(QPainter* painter, const QRect& rect, float pixelsPerSecond)
{
    if (errorCode() == 0 && rect.isValid())
        _paintTiles(painter, rect, pixelsPerSecond, 0);
}

void MovieSegment::_paintTiles(QPainter* painter, const QRect& rect, float pixelsPerSecond, int firstMediaPixel)
{
    VideoThumbnails* thumbnails = owner() ? owner()->segmentVideoThumbnails(this) : nullptr;
    const int count = thumbnails ? thumbnails->count() : 0;
    const float media = _mediaDuration;
    if (count == 0 || media <= 0.0f)
        return;
    const QImage first = thumbnails->thumbnail(0);
    if (first.isNull())
        return;
    const int tileWidth = int(qint64(first.width()) * rect.height() / first.height());
    const int pixelsPerThumbnail = int(pixelsPerSecond * media) / count;
    // Rows under a pixel or media shorter than a pixel per thumbnail leave
    // nothing to tile (and nothing to divide by).
    if (tileWidth <= 0 || pixelsPerThumbnail <= 0)
        return;
    const float tilesPerThumbnail = float(pixelsPerThumbnail) / float(tileWidth);
    const int offset = firstMediaPixel % tileWidth;
    int mediaPixel = firstMediaPixel - offset;
    for (int left = rect.left() - offset; left < rect.left() + rect.width(); left += tileWidth) {
        const int index = std::clamp(int(speed() * float(mediaPixel / tileWidth) / tilesPerThumbnail), 0, count - 1);
        painter->drawImage(QRect(left, rect.top(), tileWidth, rect.height()), thumbnails->thumbnail(index));
        mediaPixel += tileWidth;
    }
}

bool MovieSegment::setStartTime(const float& time)
{
    const bool moved = _moveStartWithTrim(time);
    if (moved)
        qDebug("Range: (%f,%f), Trim: (%f,%f)", double(rangeStart()), double(duration()), double(trimStart()),
               double(trimDuration()));
    return moved;
}

bool MovieSegment::setEndTime(const float& time)
{
    return _moveEndWithinMedia(time, _mediaDuration);
}

QTransform MovieSegment::fittedTransform(const QSizeF& canvas, QRectF* outRect) const
{
    const QSizeF frame = videoSize();
    const double scale = fitScale(frame, canvas);
    QTransform transform;
    if (scale > 0.0) {
        const QPointF offset = centringOffset(frame, canvas, scale);
        transform = QTransform::fromScale(scale, scale) * QTransform::fromTranslate(offset.x(), offset.y());
    }
    if (outRect)
        *outRect = transform.mapRect(QRectF(QPointF(0, 0), frame));
    return transform;
}

QTransform MovieSegment::_placed(const QSizeF& canvas, const QPointF& scale, const QPointF& translation,
                                 double rotation, bool flipHorizontal, bool flipVertical, QRectF* outRect) const
{
    const QSizeF frame = videoSize();
    const QRectF frameRect(QPointF(0, 0), frame);
    const double fit = fitScale(frame, canvas);
    if (fit <= 0.0) {
        if (outRect)
            *outRect = QRectF();
        return QTransform();
    }
    const QPointF offset = centringOffset(frame, canvas, fit);
    QTransform transform = QTransform::fromScale(fit, fit) * QTransform::fromScale(scale.x(), scale.y())
        * QTransform::fromTranslate(offset.x(), offset.y())
        * QTransform::fromTranslate(canvas.width() * translation.x(), canvas.height() * translation.y());
    const QRectF placed = transform.mapRect(frameRect);
    if (rotation != 0.0) {
        const QPointF centre = placed.center();
        transform = transform * QTransform::fromTranslate(-centre.x(), -centre.y())
            * QTransform().rotateRadians(rotation) * QTransform::fromTranslate(centre.x(), centre.y());
    }
    if (flipHorizontal)
        transform = transform * QTransform(-1, 0, 0, 1, placed.width() + 2 * placed.x(), 0);
    if (flipVertical)
        transform = transform * QTransform(1, 0, 0, -1, 0, placed.height() + 2 * placed.y());
    if (outRect)
        *outRect = transform.mapRect(frameRect);
    return transform;
}

QTransform MovieSegment::placedTransform(const QSizeF& canvas, QRectF* outRect) const
{
    return _placed(canvas, userScale(), userTranslation(), userRotation(), isFlippedHorizontally(),
                   isFlippedVertically(), outRect);
}

QTransform MovieSegment::transitionPlacedTransform(int id, bool begin, const QSizeF& canvas, QRectF* outRect) const
{
    return _placed(canvas, transitionUserScale(id, begin), transitionUserTranslation(id, begin),
                   transitionUserRotation(id, begin), isTransitionStateFlippedHorizontally(id, begin),
                   isTransitionStateFlippedVertically(id, begin), outRect);
}

LayerTransform MovieSegment::mediaLayerTransform(const QSizeF& canvas) const
{
    return _fittedLayerTransform(videoSize(), canvas);
}

QString MovieSegment::text() const
{
    return fileDisplayName();
}
