#include "AVVideoSegment.h"

#include "AVGLTexture.h"
#include "AVPixelBuffer.h"
#include "AVTrace.h"
#include "AVVideoPictures.h"
#include "AVVideoStream.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {

enum class PlaneKind { R8, R16, RG8Half, RG16Half, Packed422 };

// One texture of a decoded picture: its kind and format code, the size the
// texture record stands for (the visible picture, not the decoder's padded
// rows), and where its rows lie, pitch bytes apart.
struct PlaneLayout {
    PlaneKind kind;
    uint32_t code;
    int32_t width;
    int32_t height;
    const uint8_t* rows;
    int32_t pitch;
};

// The textures of a picture whose entry has the given format code: each
// plane straight from the decoder's buffer, at its own line size. 0 for a
// format without planes.
int planeLayouts(uint32_t format, const AVFrame* picture, PlaneLayout planes[3])
{
    const int32_t width = picture->width;
    const int32_t height = picture->height;
    const int32_t chromaRows = (height + 1) / 2;
    const int32_t chromaWidth = (width + 1) / 2;
    const uint8_t* const* data = picture->data;
    const int* pitch = picture->linesize;
    switch (format) {
    case AVVideoFrameYUV420P:
    case AVVideoFrameYUV420P10: {
        const PlaneKind kind = format == AVVideoFrameYUV420P ? PlaneKind::R8 : PlaneKind::R16;
        const uint32_t code = format == AVVideoFrameYUV420P ? AVTextureFormatYUV420 : AVTextureFormatYUV420P16;
        planes[0] = {kind, code, width, height, data[0], pitch[0]};
        planes[1] = {kind, code, chromaWidth, chromaRows, data[1], pitch[1]};
        planes[2] = {kind, code, chromaWidth, chromaRows, data[2], pitch[2]};
        return 3;
    }
    case AVVideoFrameNV12:
        planes[0] = {PlaneKind::R8, AVTextureFormatNV12, width, height, data[0], pitch[0]};
        planes[1] = {PlaneKind::RG8Half, AVTextureFormatNV12, width, height, data[1], pitch[1]};
        return 2;
    case AVVideoFrameP010:
        planes[0] = {PlaneKind::R16, AVTextureFormatP010, width, height, data[0], pitch[0]};
        planes[1] = {PlaneKind::RG16Half, AVTextureFormatP010, width, height, data[1], pitch[1]};
        return 2;
    case AVVideoFrameUYVY422:
        planes[0] = {PlaneKind::Packed422, AVTextureFormatUYVY422, width, height, data[0], pitch[0]};
        return 1;
    default:
        return 0;
    }
}

AVGLTexture* createPlane(const PlaneLayout& plane)
{
    switch (plane.kind) {
    case PlaneKind::R8:
        return avTextureCreateR8(plane.width, plane.height, plane.code);
    case PlaneKind::R16:
        return avTextureCreateR16(plane.width, plane.height, plane.code);
    case PlaneKind::RG8Half:
        return avTextureCreateRG8Half(plane.width, plane.height);
    case PlaneKind::RG16Half:
        return avTextureCreateRG16Half(plane.width, plane.height);
    case PlaneKind::Packed422:
        return avTextureCreatePacked422(plane.width, plane.height);
    }
    return nullptr;
}

void uploadPlane(AVGLTexture* texture, const PlaneLayout& plane, uint32_t colour)
{
    switch (plane.kind) {
    case PlaneKind::R8:
        avTextureUploadR8(texture, plane.rows, plane.width, plane.height, false, colour, plane.pitch);
        break;
    case PlaneKind::R16:
        avTextureUploadR16(texture, plane.rows, plane.width, plane.height, false, colour, plane.pitch);
        break;
    case PlaneKind::RG8Half:
        avTextureUploadRG8Half(texture, plane.rows, plane.width, plane.height, false, plane.pitch);
        break;
    case PlaneKind::RG16Half:
        avTextureUploadRG16Half(texture, plane.rows, plane.width, plane.height, false, plane.pitch);
        break;
    case PlaneKind::Packed422:
        avTextureUploadPacked422(texture, plane.rows, plane.width, plane.height, false, colour, plane.pitch);
        break;
    }
}

bool holdsPlane(const AVGLTexture* texture, const PlaneLayout& plane)
{
    return texture && texture->format == plane.code && texture->width == plane.width
        && texture->height == plane.height;
}

// The step multiplier that a decoder lagging by the average media seconds needs.
uint32_t multiplierForLag(double average)
{
    if (average >= 1.0)
        return 5;
    if (average >= 0.5)
        return 4;
    if (average >= 0.2)
        return 3;
    return 2;
}

// A frame's media time to the nearest millisecond: its change stamp.
int64_t frameMs(const AVStreamFrame& frame)
{
    return std::llround(frame.time * 1000.0);
}

constexpr int kSpeedLogLength = 10;
// Media seconds a shown frame may lag behind its time before frames are
// skipped: three frames of a 30 fps clip.
constexpr double kLagTolerance = 0.1;
// Paused, a picture at most this far behind its time is caught up by
// decoding on; farther behind, it waits for a seek, which gets there sooner.
constexpr double kPausedCatchUpSeconds = 1.0;

} // namespace

AVVideoSegment::AVVideoSegment(double start, const char* path, uint32_t width, uint32_t height,
                               uint32_t thumbnailHeight)
    : AVLayerSegment(start, width, height)
    , _stream(std::make_unique<AVVideoStream>(path, int32_t(width), int32_t(height)))
    , _videoMutex(avMutexCreate())
    , _seekMutex(avMutexCreate())
    , _thumbnailMutex(avMutexCreate())
    , _thumbnailHeight(thumbnailHeight)
{
}

AVVideoSegment::AVVideoSegment(double start, double inPoint, double usedLength, const char* path, uint32_t width,
                               uint32_t height, uint32_t thumbnailHeight)
    : AVVideoSegment(start, path, width, height, thumbnailHeight)
{
    _inPoint = std::max(0.0, inPoint);
    seekTo(start, false);  // refused until loaded; the load seeks to the start
    _usedLength = std::max(0.0, usedLength);
    if (!(duration() > 0.0))
        setDuration(_usedLength);
}

AVVideoSegment::~AVVideoSegment()
{
    // The stream's threads call back into this segment, which reaches the
    // stream through its pointer: end them while that pointer still holds it.
    _closing = true;
    _stream->stopThreads();
    _stream.reset();
    {
        QMutexLocker lock(_videoMutex.get());
        _freePendingFrame();
        _freeChromaPlanes();
    }
    clearThumbnails();
}

// ---- loading ---------------------------------------------------------------------

void AVVideoSegment::setCallback(Callback callback, void* context)
{
    if (_stream->isOpen())
        return;
    AVSegment::setCallback(callback, context);
    if (_stream->isLoading())
        return;
    _ready = false;
    float times[kThumbnailCount];
    for (int i = 0; i < kThumbnailCount; ++i)
        times[i] = float(i) / kThumbnailCount;
    const int count = _thumbnailHeight > 0 ? kThumbnailCount : 0;
    const float maxHeight = float(_thumbnailHeight);
    const float maxWidth = float(uint32_t(uint64_t(_thumbnailHeight) * 16 / 9));
    _stream->startLoadWithThumbnails(&AVVideoSegment::_onLoaded, this, count, times, maxWidth, maxHeight,
                                     &AVVideoSegment::_onThumbnailsStart, &AVVideoSegment::_onThumbnail, this);
}

bool AVVideoSegment::isLoading() const
{
    return _stream->isLoading();
}

void AVVideoSegment::_onLoaded(AVStreamBase*, int32_t result, void* context)
{
    static_cast<AVVideoSegment*>(context)->_loadCompleted(result);
}

void AVVideoSegment::_loadCompleted(int32_t result)
{
    if (_closing)
        return;
    setStatus(result);
    if (result != 0) {
        {
            QMutexLocker lock(_videoMutex.get());
            _freePendingFrame();
        }
        _ready = true;
    } else {
        // Without a length the segment uses the media from its in-point on,
        // not a whole media duration reaching past the end.
        if (!(_usedLength > 0.0))
            _usedLength = std::max(0.0, mediaDuration() - _inPoint);
        if (!(duration() > 0.0))
            setDuration(_usedLength);
        setDuration(duration() > 0.0 ? duration() : mediaDuration());
        seekTo(startTime(), true);
    }
    fireCallback(result);
}

double AVVideoSegment::mediaDuration() const
{
    return _stream->duration();
}

// ---- timing ----------------------------------------------------------------------

void AVVideoSegment::setDuration(double duration)
{
    AVSegment::setDuration(duration);
    _updateSpeed();
}

void AVVideoSegment::_updateSpeed()
{
    // Without both lengths there is no ratio yet: the speed stays as it was
    // (1 at first) rather than becoming 0 or infinite.
    const double length = _usedLength;
    const double segmentDuration = duration();
    if (!(length > 0.0) || !(segmentDuration > 0.0))
        return;
    _speed = segmentDuration / length;
    _stream->setSpeed(_speed);
}

void AVVideoSegment::setTrimDuration(double length)
{
    _usedLength = std::max(0.0, length);
    if (!(duration() > 0.0))
        setDuration(_usedLength);
    else
        _updateSpeed();
}

void AVVideoSegment::setTrimStart(double inPoint)
{
    if (!(mediaDuration() > 0.0))
        return;
    _inPoint = std::min(std::max(0.0, inPoint), _inPoint + _usedLength);
    seekTo(startTime(), false);
}

// ---- seeking ---------------------------------------------------------------------

int AVVideoSegment::seekTo(double time, bool force)
{
    if (status() != 0)
        return status();
    const bool streamStopped = _stream->isAtEnd() || _stream->readEnded() || _stream->decodeEnded();
    const double mediaTime = _mediaTimeAt(time);
    if (!force && !_ready && !streamStopped) {
        // A seek is in progress: dropping this one would leave the picture at
        // the older time, so it follows when the one under way completes. It
        // keeps its place in the media: the start may move meanwhile (a split
        // piece is pulled back to the cut), and the time measured from the
        // new start would be another picture.
        _deferredSeekTime = mediaTime;
        _deferredSeek = true;
        // The seek under way may have completed meanwhile without seeing it.
        if (!_ready || !_deferredSeek.exchange(false))
            return 0;
    }
    _deferredSeek = false;
    return _seekMedia(mediaTime);
}

double AVVideoSegment::_mediaTimeAt(double time) const
{
    return std::max(_inPoint.load(), (time - startTime()) / _speed + _inPoint);
}

int AVVideoSegment::_seekMedia(double mediaTime)
{
    QMutexLocker lock(_seekMutex.get());
    _seekStream(mediaTime);
    return 0;
}

void AVVideoSegment::_seekStream(double mediaTime)
{
    _ready = false;
    _firstFrameDue = false;
    {
        QMutexLocker lock(_videoMutex.get());
        _freePendingFrame();
    }
    _seekPending = !isAsleep();
    _shownFrameMs = -1;
    _soughtMediaTime = mediaTime;
    _stream->seek(mediaTime, &AVVideoSegment::_onSeekDone, this, true);
}

void AVVideoSegment::_onSeekDone(AVContent*, const uint8_t*, int32_t, double, void* context)
{
    static_cast<AVVideoSegment*>(context)->_seekCompleted();
}

void AVVideoSegment::_seekCompleted()
{
    if (_closing)
        return;
    {
        QMutexLocker lock(_videoMutex.get());
        _freePendingFrame();
    }
    if (_startDeferredSeek())
        return;
    _firstFrameDue = true;
    _ready = true;
    // A seek asked for after the check above but before ready was set saw a
    // seek under way and left itself to this completion.
    if (_startDeferredSeek())
        return;
    fireRedrawCallback(0);
}

bool AVVideoSegment::_startDeferredSeek()
{
    if (!_deferredSeek.exchange(false))
        return false;
    _seekMedia(_deferredSeekTime);
    return true;
}

// ---- sleep -----------------------------------------------------------------------

void AVVideoSegment::sleep(bool exporting)
{
    _seekPending = false;
    AVSegment::sleep(exporting);
    {
        QMutexLocker lock(_videoMutex.get());
        if (exporting) {
            setImage(nullptr);
            uploadImage();
            _freeChromaPlanes();
        }
        _freePendingFrame();
    }
    if (_stream->sleep())
        _seekWhereLeft();
}

void AVVideoSegment::_seekWhereLeft()
{
    // Put to sleep, the stream dropped the packets and pictures it had read
    // ahead and its decoder forgot the pictures that the next ones refer to.
    // Woken as it is, it would go on with the packets after those, which
    // decode without their key frame into grey blocks (or, were the key
    // frame itself dropped, it would wait for the next one). Sought again
    // while it sleeps, it starts from a key frame when it wakes: at the
    // picture shown last, or where the latest seek went when none was.
    if (status() != AVSegmentReady || _closing)
        return;
    QMutexLocker lock(_seekMutex.get());
    const int64_t shownMs = _shownFrameMs;
    _seekStream(shownMs >= 0 ? double(shownMs) / 1000.0 : _soughtMediaTime.load());
}

void AVVideoSegment::wake()
{
    AVSegment::wake();
    _stream->awaken();
}

// ---- frame choice ------------------------------------------------------------------

void AVVideoSegment::prepareAt(double time, bool drawFlag, bool playing)
{
    // Waits happen outside the video mutex: the seek completion, which the
    // decoder calls before it queues the first frame, takes it.
    bool wantsNext = false;
    do {
        // An export waits for every frame, and so does a pass whose frame
        // choice asks for the next one. The first pass after a completed
        // seek waits (bounded) for its first frame, which is on its way: the
        // redraw that the completion asks for may come before it, and
        // finding nothing would leave the picture missing until some other
        // redraw.
        const bool waits = _firstFrameDue.exchange(false) || _waitsForFrames || wantsNext;
        if (waits && _ready && !isAsleep() && pendingFrameMs() < 0)
            _stream->waitForFrame();
        QMutexLocker lock(_videoMutex.get());
        wantsNext = (_texture || (_ready && !isAsleep())) && _chooseFrame(time, drawFlag, playing);
    } while (wantsNext);
    AVLayerSegment::prepareAt(time, drawFlag, playing);
}

bool AVVideoSegment::_chooseFrame(double time, bool drawFlag, bool playing)
{
    // Frames are compared in seconds with a tolerance: the target is a sum of
    // rounded values, and a frame exactly due must not wait for the next pass.
    const double target = (time - startTime()) / _speed + _inPoint;
    // Redraws skip frames that are too old to show; playback shows each frame
    // in turn. Offline the frame for the time is the last one before the
    // next frame's time, whatever the two rates: a clip with more frames
    // than the output drops some, rather than falling behind. Offline
    // nothing lags either (the decoder is waited for): no speed log. Paused,
    // a picture a little older than the time's (a clip woken where it was
    // left, with the pointer further on) catches up the same way within the
    // pass: no later pass may come to show the frames after it.
    const auto catchUp = [&] {
        if (drawFlag)
            return false;
        return _waitsForFrames
            || (!playing && _nextFrameDueAt(target) && _timePastShownFrame(target) <= kPausedCatchUpSeconds);
    };
    const bool measures = playing && !_waitsForFrames;
    bool shown = false;
    if (_hasPending) {
        if (_pending.time > target + kAVTimeTolerance)
            return false;
        _show(_pending);
        _logSpeed(target, _pending, drawFlag, measures);
        _freePendingFrame();
        if (!catchUp())
            return false;
        shown = true;
    }
    const double tolerance = drawFlag ? _stream->frameStep() / _stream->frameRate() : 0.0;
    AVStreamFrame frame;
    while (_takeFrame(frame)) {
        if (frame.time > target + kAVTimeTolerance && !_seekPending) {
            _pending = std::move(frame);
            _hasPending = true;
            return false;
        }
        // The first frame after a seek is the target's own (the stream
        // delivers the one whose interval holds it), however long that is.
        if (!drawFlag || _seekPending || target - frame.time <= tolerance + kAVTimeTolerance) {
            _show(frame);
            _logSpeed(target, frame, drawFlag, measures);
            _seekPending = false;
            if (!catchUp())
                return false;
            shown = true;
            continue;
        }
        avTrace("texture too old: (%lu,%lu) > %d", static_cast<unsigned long>(std::llround(target * 1000.0)),
                static_cast<unsigned long>(frameMs(frame)), int(std::lround(tolerance * 1000.0)));
    }
    // The queue ran dry after a frame for the time: a later one may be due too.
    return shown;
}

bool AVVideoSegment::_takeFrame(AVStreamFrame& frame)
{
    return _stream->takeFrame(frame, false);
}

void AVVideoSegment::_show(const AVStreamFrame& frame)
{
    _shownFrameMs = frameMs(frame);
    _frameFormat = frame.format;
    const uint64_t stamp = uint64_t(std::max<int64_t>(0, frameMs(frame)));
    if (frame.picture) {
        _frameStride = frame.stride;
        _frameHeight = frame.height;
        _uploadPicture(frame.picture.get(), frame.colour, stamp);
    } else {
        setPixels(frame.data.get(), uint32_t(frame.width), uint32_t(frame.height), 0, stamp);
    }
    // The textures keep the coded size; the picture is fitted at its display size.
    if (imageWidth() > 0)
        _setImageSize(_stream->displayWidth(imageWidth()), imageHeight());
}

void AVVideoSegment::_freePendingFrame()
{
    if (!_hasPending)
        return;
    _pending = AVStreamFrame();
    _hasPending = false;
}

int64_t AVVideoSegment::pendingFrameMs() const
{
    QMutexLocker lock(_videoMutex.get());
    return _hasPending ? frameMs(_pending) : -1;
}

bool AVVideoSegment::showsOlderFrameThan(double time) const
{
    if (status() != AVSegmentReady || !_ready || time < startTime() || time >= startTime() + duration())
        return false;
    return _nextFrameDueAt(_mediaTimeAt(time));
}

// Due by the rule a pass shows frames by: a frame up to the tolerance after
// the time is the time's own. A picture behind by less than the tolerance
// is behind all the same, or the next pass at that very time (a zoom's)
// would show another picture.
bool AVVideoSegment::_nextFrameDueAt(double mediaTime) const
{
    return _shownFrameMs >= 0 && _timePastShownFrame(mediaTime) >= -kAVTimeTolerance;
}

double AVVideoSegment::_timePastShownFrame(double mediaTime) const
{
    const int64_t shownMs = _shownFrameMs;
    return shownMs < 0 ? 0.0 : mediaTime - (double(shownMs) / 1000.0 + _stream->frameDuration());
}

// ---- speed log -----------------------------------------------------------------------

void AVVideoSegment::_logSpeed(double targetSeconds, const AVStreamFrame& frame, bool drawFlag, bool playing)
{
    if (_seekPending || drawFlag || !playing || frame.time == 0.0) {
        _resetSpeedLog();
        if (_seekPending && _stream->stepMultiplier() != 1) {
            avTrace("Reset discard factor at first frame after seeking");
            _stream->setStepMultiplier(1);
        }
        return;
    }
    // The lag is the time behind, measured from the end of the frame's display
    // interval: a frame shown while its time lasts is on time (lag at most 0).
    // A ratio of the two media times would let a piece that starts deep in its
    // file fall behind by a tenth of its position before frames are skipped.
    const double frameEnd = frame.time + _stream->frameDuration();
    ++_speedLogCount;
    _speedLogAccumulated += targetSeconds - frameEnd;
    avTrace("Speed log: %f-%f, accumulated=%f, count=%d ", targetSeconds, frameEnd, _speedLogAccumulated,
            _speedLogCount);
    if (_speedLogCount < kSpeedLogLength)
        return;
    const double average = _speedLogAccumulated / _speedLogCount;
    avTrace("Check speed log: avg=%f ", average);
    if (average < kLagTolerance) {
        avTrace("Reset discard factor");
        _stream->setStepMultiplier(1);
    } else {
        const uint32_t wanted = multiplierForLag(average);
        if (_stream->stepMultiplier() < wanted) {
            avTrace("Adjust discard factor = %d", int(wanted));
            _stream->setStepMultiplier(wanted);
        }
    }
    _resetSpeedLog();
}

void AVVideoSegment::_resetSpeedLog()
{
    _speedLogCount = 0;
    _speedLogAccumulated = 0.0;
}

// ---- textures --------------------------------------------------------------------------

void AVVideoSegment::setPixels(const uint8_t* data, uint32_t width, uint32_t height, uint32_t colour,
                               uint64_t stamp)
{
    _freeChromaPlanes();
    AVLayerSegment::setPixels(data, width, height, colour, stamp);
}

void AVVideoSegment::_uploadPicture(const AVFrame* picture, uint32_t colour, uint64_t stamp)
{
    PlaneLayout planes[3];
    const int count = planeLayouts(_frameFormat, picture, planes);
    for (int i = 0; i < 3; ++i) {
        AVGLTexture*& slot = _planeSlot(i);
        if (i >= count || !holdsPlane(slot, planes[i])) {
            avTextureFree(slot);
            slot = i < count ? createPlane(planes[i]) : nullptr;
        }
        if (slot)
            uploadPlane(slot, planes[i], colour);
    }
    _setImageSize(uint32_t(picture->width), uint32_t(picture->height));
    setChangeTime(stamp);
}

void AVVideoSegment::_freeChromaPlanes()
{
    for (AVGLTexture*& plane : _chromaPlanes) {
        avTextureFree(plane);
        plane = nullptr;
    }
}

uint32_t AVVideoSegment::pictureRotation() const
{
    return _stream->rotation();
}

void AVVideoSegment::displaySize(uint32_t* width, uint32_t* height) const
{
    _stream->size(width, height);
}

// ---- thumbnails --------------------------------------------------------------------------

void AVVideoSegment::_onThumbnailsStart(AVVideoStream*, void* context)
{
    static_cast<AVVideoSegment*>(context)->clearThumbnails();
}

void AVVideoSegment::_onThumbnail(AVVideoStream*, int32_t, AVPixelBuffer* picture, void* context)
{
    auto* segment = static_cast<AVVideoSegment*>(context);
    int count = 0;
    {
        QMutexLocker lock(segment->_thumbnailMutex.get());
        segment->_thumbnails.push_back(picture);
        count = int(segment->_thumbnails.size());
    }
    const Callback callback = segment->_thumbnailCallback;
    if (count == kThumbnailCount && callback)
        callback(segment, count, segment->_thumbnailContext);
}

int AVVideoSegment::thumbnailCount() const
{
    QMutexLocker lock(_thumbnailMutex.get());
    return int(_thumbnails.size());
}

AVPixelBuffer* AVVideoSegment::thumbnail(int index) const
{
    QMutexLocker lock(_thumbnailMutex.get());
    return _thumbnailUnlocked(index);
}

AVPixelBufferPtr AVVideoSegment::thumbnailCopy(int index) const
{
    QMutexLocker lock(_thumbnailMutex.get());
    const AVPixelBuffer* picture = _thumbnailUnlocked(index);
    if (!picture)
        return nullptr;
    AVPixelBufferPtr copy(avPixelBufferCreate(picture->width, picture->height, picture->format));
    if (copy)
        avPixelBufferCopyFrom(copy.get(), picture->data);
    return copy;
}

AVPixelBuffer* AVVideoSegment::_thumbnailUnlocked(int index) const
{
    return index >= 0 && index < int(_thumbnails.size()) ? _thumbnails[size_t(index)] : nullptr;
}

void AVVideoSegment::clearThumbnails()
{
    QMutexLocker lock(_thumbnailMutex.get());
    for (AVPixelBuffer* picture : _thumbnails)
        avPixelBufferFree(picture);
    _thumbnails.clear();
}

void AVVideoSegment::setThumbnailCallback(Callback callback, void* context)
{
    _thumbnailContext = context;
    _thumbnailCallback = callback;
}

// ---- stream settings ------------------------------------------------------------------------

void AVVideoSegment::setSoftwareOnly(bool softwareOnly)
{
    _stream->setSoftwareOnly(softwareOnly);
}

bool AVVideoSegment::isSoftwareOnly() const
{
    return _stream->isSoftwareOnly();
}

bool AVVideoSegment::decodesInHardware() const
{
    return !_stream->isSoftwareOnly();
}

void AVVideoSegment::resetStepMultiplier()
{
    _stream->setStepMultiplier(1);
}

uint32_t AVVideoSegment::stepMultiplier() const
{
    return _stream->stepMultiplier();
}

void AVVideoSegment::setSizeHints(uint32_t width, uint32_t height)
{
    _stream->setSizeHints(int32_t(width), int32_t(height));
}

void AVVideoSegment::setMinimumFrameRate(uint32_t rate)
{
    _stream->setMinimumFrameRate(rate);
}

void AVVideoSegment::flushFrames()
{
    // The queue may hold the seek's first picture, which no pass has shown
    // yet: the frames after it lie past the time, and a paused preview would
    // hold the next one back for ever and show nothing. Seeking again empties
    // the queue too.
    if (_shownFrameMs < 0 && status() == AVSegmentReady && !_closing) {
        _seekMedia(_soughtMediaTime);
        return;
    }
    _stream->flushFrames();
}

void AVVideoSegment::setWaitsForFrames(bool waits)
{
    _waitsForFrames = waits;
}
