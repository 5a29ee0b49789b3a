#include "AVAudioSegment.h"

#include "AVAudioStream.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Length of the fade-out where the segment ends inside the cache.
constexpr int kEndFadeMs = 5;

// Frames one fill pulls: a segment played faster than its media (speed
// below 1) gets short frames from the tempo filter and needs more of them.
int framesPerFill(double speed)
{
    return std::max(1, int(std::trunc(1.0 / speed + 0.5)));
}

// Fades a piece of frames sample frames that starts at position to silence at
// end: the sample at position q within length frames of the end is multiplied
// by (end - q) / length. Measured by position, the fade carries on across the
// pieces a cache is handed over in.
void fadeOut(int16_t* samples, int64_t position, int64_t frames, int channels, int64_t end, int64_t length)
{
    const int64_t last = std::min(position + frames, end);
    for (int64_t q = std::max(position, end - length); q < last; ++q) {
        int16_t* frame = samples + (q - position) * channels;
        for (int c = 0; c < channels; ++c)
            frame[c] = int16_t(int64_t(frame[c]) * (end - q) / length);
    }
}

} // namespace

AVAudioSegment::AVAudioSegment(double start, const char* path, int32_t sampleRate, int32_t channels)
    : AVSoundSegment(start)
    , _effectiveRate(sampleRate)
    , _channels(channels)
    , _baseRate(sampleRate)
    , _stream(std::make_unique<AVAudioStream>(path, sampleRate, channels))
    , _audioMutex(avMutexCreate())
    , _loadMutex(avMutexCreate())
{
}

AVAudioSegment::AVAudioSegment(double start, double inPoint, double usedLength, const char* path,
                               int32_t sampleRate, int32_t channels)
    : AVAudioSegment(start, path, sampleRate, channels)
{
    _inPoint = std::max(0.0, inPoint);
    seekTo(start, true);
    _usedLength = std::max(0.0, usedLength);
    setDuration(_usedLength);
}

AVAudioSegment::~AVAudioSegment()
{
    {
        // A load completion under way finishes its use of the stream first.
        QMutexLocker lock(_loadMutex.get());
        _closing = true;
    }
    // Joins the stream's threads: after this no completion runs.
    _stream.reset();
}

// ---- timing ------------------------------------------------------------------

void AVAudioSegment::setDuration(double duration)
{
    AVSegment::setDuration(duration);
    const double used = _usedLength;
    // Until the media length is known there is nothing to stretch.
    const double requested = used > 0.0 && duration > 0.0 ? duration / used : 1.0;
    _stream->setTimeScale(requested);
    // The stream keeps the scale within what its tempo filter can do; the
    // positions below must use the scale its frames are made with.
    const double speed = _stream->timeScale();
    _speed = speed;
    _effectiveRate = int32_t(_baseRate * speed);
}

void AVAudioSegment::setTrimStart(double time)
{
    // Before the load there is no media to trim: the load starts the
    // segment at the in-point it was made with.
    if (_stream->duration() > 0.0)
        _inPoint = std::min(std::max(0.0, time), _inPoint + _usedLength);
    seekTo(startTime(), false);
}

void AVAudioSegment::setTrimDuration(double length)
{
    _usedLength = std::max(0.0, length);
    setDuration(_usedLength);
}

void AVAudioSegment::setPitch(double factor)
{
    _stream->setPitch(factor);
}

double AVAudioSegment::pitch() const
{
    return _stream->pitch();
}

// Composition positions count frames at the base rate: time t is frame
// trunc(t x base rate), where the mixer places its window. (The effective rate
// over the speed equals the base rate only before the effective rate is
// truncated; the truncated one would shift a segment early by up to
// start / speed frames.)
int64_t AVAudioSegment::_segmentEndPosition() const
{
    return int64_t(std::trunc(_baseRate * (startTime() + duration())));
}

int64_t AVAudioSegment::_firstPosition() const
{
    return int64_t(std::trunc(startTime() * _baseRate));
}

// ---- loading and state -----------------------------------------------------------

void AVAudioSegment::setCallback(Callback callback, void* context)
{
    if (_stream->isOpen() || _stream->isLoading())
        return;
    AVSegment::setCallback(callback, context);
    _ready = 0;
    _stream->startLoad(&AVAudioSegment::_loadFinished, this);
}

void AVAudioSegment::_loadFinished(AVStreamBase*, int32_t result, void* context)
{
    auto* segment = static_cast<AVAudioSegment*>(context);
    {
        QMutexLocker lock(segment->_loadMutex.get());
        if (segment->_closing)
            return; // nobody waits for the load of a segment being destroyed
        segment->setStatus(result);
        if (result == 0) {
            // Sought first: awake, the decoder would take the first packets
            // of the file before the seek, and with them the decoder's own
            // start-up (priming and pre-skip samples it drops once only).
            segment->_startAtTheInPoint();
            // The stream opens asleep: a wake that came before it was open
            // has found nothing to wake.
            if (!segment->isAsleep())
                segment->_stream->awaken();
        }
    }
    segment->fireCallback(result);
}

void AVAudioSegment::_startAtTheInPoint()
{
    if (_usedLength > 0.0) {
        seekTo(startTime(), true);
        return;
    }
    // Without a length to use, the whole media plays from its start.
    _usedLength = std::max(0.0, mediaDuration());
    setDuration(_usedLength);
    _ready = 1;
}

bool AVAudioSegment::isReady() const
{
    return _ready.load() != 0;
}

bool AVAudioSegment::isLoading() const
{
    return _stream->isLoading();
}

void AVAudioSegment::sleep(bool exporting)
{
    AVSegment::sleep(exporting);
    {
        QMutexLocker lock(_audioMutex.get());
        _forgetPosition();
        _cache.reset();
        _cacheCapacity = 0;
    }
    _stream->sleep();
}

void AVAudioSegment::wake()
{
    AVSegment::wake();
    _stream->awaken();
}

const char* AVAudioSegment::artist() const
{
    return _stream->isOpen() ? _stream->artist() : nullptr;
}

const char* AVAudioSegment::title() const
{
    return _stream->isOpen() ? _stream->title() : nullptr;
}

double AVAudioSegment::mediaDuration() const
{
    return _stream->duration();
}

// ---- seeking -------------------------------------------------------------------------

int AVAudioSegment::seekTo(double time, bool)
{
    _ready = 0;
    {
        QMutexLocker lock(_audioMutex.get());
        _forgetPosition();
    }
    const double inPoint = _inPoint;
    _stream->seek(std::max(inPoint, (time - startTime()) / _speed + inPoint), &AVAudioSegment::_seekFinished, this,
                  true);
    return 0;
}

void AVAudioSegment::_seekFinished(AVContent*, const uint8_t*, int32_t, double, void* context)
{
    auto* segment = static_cast<AVAudioSegment*>(context);
    if (segment->_closing)
        return;
    {
        // What was taken before the seek took effect goes, but the
        // generation stays: a fill waiting for the stream now receives the
        // first frame at the new position, which the stream pushes right
        // after this report, and must keep it.
        QMutexLocker lock(segment->_audioMutex.get());
        segment->_dropCache();
        segment->_heldFrame = Frame();
    }
    // The stream reads, and so seeks, from its opening on, a moment before
    // its load is reported. Observers take the status for the load's result:
    // in that gap it would tell them "not loaded" as if the load had failed.
    // Until the load has ended nothing is mixed from the segment anyway.
    if (segment->status() != AVSegmentNotLoaded)
        segment->fireRedrawCallback(0);
    segment->_ready = 1;
}

// ---- frame cache -----------------------------------------------------------------------

AVAudioSegment::Frame AVAudioSegment::_popFrame(bool wait)
{
    Frame frame;
    frame.data.reset(_stream->popFrame(&frame.size, &frame.time, nullptr, nullptr, nullptr, nullptr, nullptr, wait));
    return frame;
}

void AVAudioSegment::prepareAt(double, bool waitForFrames, bool)
{
    uint32_t generation;
    {
        QMutexLocker lock(_audioMutex.get());
        if (_cacheBytes > 0)
            return;
        generation = _generation;
    }
    const int frames = framesPerFill(_speed);
    for (int i = 0; i < frames; ++i) {
        Frame frame;
        {
            QMutexLocker lock(_audioMutex.get());
            if (_generation != generation)
                return;
            frame = std::move(_heldFrame);
        }
        if (!frame.data)
            frame = _popFrame(waitForFrames); // outside the lock: it may wait for the decoder
        if (!frame.data)
            return;
        QMutexLocker lock(_audioMutex.get());
        if (_generation != generation)
            return; // a seek or sleep came in meanwhile: the frame belongs to the old position
        if (!_appendToCache(frame)) {
            _heldFrame = std::move(frame);
            return;
        }
    }
}

bool AVAudioSegment::_appendToCache(Frame& frame)
{
    const int64_t needed = int64_t(_cacheBytes) + frame.size;
    if (needed > _cacheCapacity && _cacheBytes > 0)
        return false; // kept for the next fill rather than written past the end
    if (!_reserveCache(needed))
        return true; // no memory for it: the frame is dropped
    if (_cacheBytes == 0) {
        // Frame times count samples at the base rate x speed from the media
        // start, rounded as the stream rounds them.
        _cacheTime = std::llround(frame.time) - std::llround(_baseRate * _speed * _inPoint) + _firstPosition();
        _fillTime = _cacheTime;
    }
    std::memcpy(_cache.get() + _cacheBytes, frame.data.get(), size_t(frame.size));
    _cacheBytes = int32_t(needed);
    ++_cacheFrames;
    return true;
}

bool AVAudioSegment::_reserveCache(int64_t bytes)
{
    if (_cache && bytes <= _cacheCapacity)
        return true;
    // Only an empty cache grows (for one frame larger than the usual size).
    const int64_t capacity = std::max<int64_t>(kCacheBytes, bytes);
    if (capacity > INT32_MAX)
        return false;
    _cache.reset(new (std::nothrow) uint8_t[size_t(capacity)]());
    _cacheCapacity = _cache ? int32_t(capacity) : 0;
    return _cache != nullptr;
}

void AVAudioSegment::_dropCache()
{
    _cacheBytes = 0;
    _cacheFrames = 0;
    _cacheTime = 0;
}

void AVAudioSegment::_forgetPosition()
{
    _dropCache();
    _heldFrame = Frame();
    ++_generation;
}

void AVAudioSegment::_consumeCacheFront(int64_t frames)
{
    const int64_t bytes = frames * 2 * _channels;
    std::memmove(_cache.get(), _cache.get() + bytes, size_t(_cacheBytes - bytes));
    _cacheBytes -= int32_t(bytes);
    _cacheTime += frames;
}

int32_t AVAudioSegment::cachedBytes() const
{
    QMutexLocker lock(_audioMutex.get());
    return _cacheBytes;
}

int32_t AVAudioSegment::cachedFrames() const
{
    QMutexLocker lock(_audioMutex.get());
    return _cacheFrames;
}

int32_t AVAudioSegment::cacheCapacity() const
{
    QMutexLocker lock(_audioMutex.get());
    return _cacheCapacity;
}

// ---- delivery --------------------------------------------------------------------------

uint8_t AVAudioSegment::_doneWithoutCache(int64_t limit) const
{
    // Decoding has ended and nothing is held back: no more samples can come,
    // whether or not the window has reached the segment end (a file shorter
    // than the length used must not keep the mix waiting).
    if (_stream->decodeEnded() && !_heldFrame.data)
        return 1;
    return _firstPosition() <= limit ? 0 : 1;
}

int32_t AVAudioSegment::readSamples(uint8_t* buffer, int32_t capacity, double* start, int64_t from, int64_t to,
                                    uint8_t* done)
{
    *done = 1;
    int64_t delivered = 0;
    int64_t position = 0;
    const int frameBytes = 2 * _channels;
    {
        QMutexLocker lock(_audioMutex.get());
        const int64_t segmentEnd = _segmentEndPosition();
        if (from > segmentEnd)
            return 0;
        const int64_t limit = std::min(segmentEnd, to);
        if (_cacheBytes == 0) {
            *done = _doneWithoutCache(limit);
            return 0;
        }
        position = _cacheTime;
        if (position + _cacheBytes / frameBytes <= from) {
            _dropCache(); // fell behind the window: dropped rather than played late
            *done = 0;
            return 0;
        }
        if (position < from) {
            // The first frame after a seek can start a few samples before the
            // window (rounded trims, the truncated effective rate): what lies
            // inside it still plays, in place.
            _consumeCacheFront(from - position);
            position = from;
        }
        if (position >= limit)
            return 0;
        const int64_t cached = _cacheBytes / frameBytes;
        // A cache larger than the buffer, or reaching past the window, is handed
        // over in parts: a window that the mixer completes without this
        // segment's part would leave the cache behind it, and it would be lost.
        delivered = std::min({cached, int64_t(capacity / frameBytes), limit - position});
        if (delivered <= 0)
            return 0;
        std::memcpy(buffer, _cache.get(), size_t(delivered * frameBytes));
        if (position + cached >= segmentEnd) {
            // The cache the segment ends in fades out; over at most what the
            // fill brought before the end, when it starts closer to the end.
            const int64_t fade = std::min<int64_t>(kEndFadeMs * (_baseRate / 1000), segmentEnd - _fillTime);
            fadeOut(reinterpret_cast<int16_t*>(buffer), position, delivered, _channels, segmentEnd, fade);
        }
        const bool endsSegment = position + delivered >= segmentEnd;
        if (endsSegment || delivered == cached)
            _dropCache();
        else
            _consumeCacheFront(delivered);
        *start = double(position);
        *done = 0;
    }
    applyAnimationsAt(double(position) / _baseRate);
    return int32_t(delivered * frameBytes);
}
