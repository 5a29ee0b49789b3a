#include "AVVideoStream.h"

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A hardware decoder that asks for input this often in a row has stalled.
constexpr int kStalledDecoderRequests = 128;
// Packets left undecoded after a seek while waiting for a key frame.
constexpr int kMaxPacketsBeforeKeyFrame = 600;
// A near-zero speed must not overflow the step.
constexpr uint32_t kMaxFrameStep = 1000;
// Sample aspect ratios beyond these are damaged tags, not pictures.
constexpr double kMinSampleAspect = 0.125;
constexpr double kMaxSampleAspect = 8.0;

// Copies a hardware frame into memory with its timestamps and colour
// properties: the transfer itself copies only the pixels.
bool downloadFrame(AVFrame* target, const AVFrame* hardware)
{
    av_frame_unref(target);
    return av_hwframe_transfer_data(target, hardware, 0) >= 0 && av_frame_copy_props(target, hardware) >= 0;
}

} // namespace

AVVideoStream::AVVideoStream(const char* path, int32_t widthHint, int32_t heightHint)
    : AVStreamBase(path)
    , _widthHint(widthHint)
    , _heightHint(heightHint)
    , _streamMutex(avMutexCreate())
    , _streamCondition(avConditionCreate())
{
}

AVVideoStream::~AVVideoStream()
{
    _closing = true;
    _decodeStop = true;
    {
        QMutexLocker lock(_streamMutex.get());
        avConditionWakeAll(_streamCondition.get());
    }
    stopThreads();
}

int32_t AVVideoStream::open(bool isAudio)
{
    const int32_t result = AVStreamBase::open(isAudio);
    if (result != 0)
        return result;
    _readRotation();
    const double rate = av_q2d(_stream->avg_frame_rate);
    const double guessed = av_q2d(av_guess_frame_rate(_formatContext.get(), _stream, nullptr));
    _frameDuration = rate > 0.0 ? 1.0 / rate : guessed > 0.0 ? 1.0 / guessed : 0.0;
    if (!_thumbnails.times.empty() && _thumbnails.picture && _thumbnails.maxWidth > 0.0f
        && _thumbnails.maxHeight > 0.0f)
        _runThumbnailPass();
    {
        QMutexLocker lock(_streamMutex.get());
        closeCodecTemporarily();
    }
    startReading(_stream->index, 0);
    startDecoding(0);
    return 0;
}

void AVVideoStream::startLoadWithThumbnails(LoadCallback callback, void* callbackContext, int32_t count,
                                            const float* times, float maxWidth, float maxHeight,
                                            ThumbnailStartFunction start, ThumbnailPictureFunction picture,
                                            void* context)
{
    waitForLoad(); // a pass still running reads the request
    _thumbnails = ThumbnailRequest();
    if (count > 0 && times)
        _thumbnails.times.assign(times, times + count);
    _thumbnails.maxWidth = maxWidth;
    _thumbnails.maxHeight = maxHeight;
    _thumbnails.start = start;
    _thumbnails.picture = picture;
    _thumbnails.context = context;
    startLoad(false, callback, callbackContext);
}

int32_t AVVideoStream::openAndReadRotation()
{
    const int32_t result = AVStreamBase::open(false);
    if (result == 0)
        _readRotation();
    return result;
}

void AVVideoStream::_readRotation()
{
    const bool decoderOpen = _codecContext != nullptr;
    const uint32_t width = uint32_t(decoderOpen ? _codecContext->width : _stream->codecpar->width);
    const uint32_t height = uint32_t(decoderOpen ? _codecContext->height : _stream->codecpar->height);
    // Converted pictures keep the visible size: a coded (macroblock-padded)
    // width would stretch them.
    _outputWidth = width;
    _outputHeight = height;
    const double aspect = av_q2d(av_guess_sample_aspect_ratio(_formatContext.get(), _stream, nullptr));
    _sampleAspect = aspect >= kMinSampleAspect && aspect <= kMaxSampleAspect ? aspect : 1.0;
    _rotation = avStreamRotation(_stream);
    const bool quarterTurn = _rotation == 90 || _rotation == 270;
    const uint32_t shownWidth = displayWidth(width);
    _width = quarterTurn ? height : shownWidth;
    _height = quarterTurn ? shownWidth : height;
    _updateFrameStep();
}

uint32_t AVVideoStream::displayWidth(uint32_t codedWidth) const
{
    const double aspect = _sampleAspect;
    if (aspect == 1.0)
        return codedWidth;
    return uint32_t(std::max(2L, 2 * std::lround(codedWidth * aspect / 2)));
}

void AVVideoStream::size(uint32_t* width, uint32_t* height)
{
    if (width)
        *width = _width;
    if (height)
        *height = _height;
}

void AVVideoStream::outputSize(uint32_t* width, uint32_t* height) const
{
    if (width)
        *width = _outputWidth;
    if (height)
        *height = _outputHeight;
}

void AVVideoStream::setSizeHints(int32_t width, int32_t height)
{
    _widthHint = width;
    _heightHint = height;
}

// ---- frame step --------------------------------------------------------------

double AVVideoStream::frameRate() const
{
    // The frame-step setters call this from other threads, also during the load.
    if (!isOpen() || !_stream)
        return 30.0;
    const double guessed = av_q2d(av_guess_frame_rate(_formatContext.get(), _stream, nullptr));
    const double average = av_q2d(_stream->avg_frame_rate);
    double rate = guessed > 0.0 && average > 0.0 ? std::min(guessed, average) : std::max(guessed, average);
    if (!(rate > 0.0))
        return 30.0;
    return rate > 480.0 ? 25.0 : rate;
}

void AVVideoStream::_updateFrameStep()
{
    // Read once: another thread may set a speed of 0 between two reads.
    const double stored = _speed;
    const double speed = stored > 0.0 ? stored : 1.0;
    const double r = (frameRate() + 0.5) / speed;
    const uint32_t minimum = _minimumFrameRate;
    uint32_t step = 1;
    if (r > 60.0)
        step = uint32_t(std::clamp(r / minimum, 1.0, double(kMaxFrameStep)));
    else if (r > 45.0 && minimum <= 30)
        step = 2;
    _frameStep = step * _stepMultiplier;
}

void AVVideoStream::setSpeed(double speed)
{
    _speed = speed;
    _updateFrameStep();
}

void AVVideoStream::setMinimumFrameRate(uint32_t rate)
{
    _minimumFrameRate = std::max<uint32_t>(30, rate);
    _updateFrameStep();
}

void AVVideoStream::setStepMultiplier(uint32_t multiplier)
{
    _stepMultiplier = std::max<uint32_t>(1, multiplier);
    _updateFrameStep();
}

// ---- decoding thread -----------------------------------------------------------

double AVVideoStream::_frameTime(const AVFrame* frame) const
{
    const int64_t stamp = frame->best_effort_timestamp;
    return stamp == AV_NOPTS_VALUE ? 0.0 : std::max(0.0, mediaTime(stamp));
}

struct AVVideoStream::DecodeState {
    AVFramePtr decoded{av_frame_alloc()};
    AVFramePtr transfer{av_frame_alloc()}; // hardware frames copied to memory
    // After an exact seek: the latest frame at or before the target, queued
    // once the next one proves that it is the target's picture.
    AVFramePtr landing{av_frame_alloc()};
    bool landed = false; // landing holds a frame
    bool afterSeek = false;
    bool keyFrameSeen = false; // since the seek
    int packetsBeforeKeyFrame = 0;
    uint64_t counter = 0;      // frames decoded, for the frame step
    uint32_t serial = 0;       // of the packet being decoded
};

void AVVideoStream::decodeLoop()
{
    DecodeState state;
    if (!state.decoded || !state.transfer || !state.landing)
        return;
    const double guessedRate = av_q2d(av_guess_frame_rate(_formatContext.get(), _stream, nullptr));
    _entryDuration = guessedRate > 0.0 ? 1.0 / guessedRate : 0.0;
    _updateFrameStep();
    int moreInputRequests = 0;
    uint32_t lastSerial = 0; // serials start at 1: a seek done before this thread ran is still seen

    while (!_decodeStop) {
        if (_paused) {
            avThreadSleep(0.01);
            continue;
        }
        AVStreamPacket entry = popPacket();
        if (_decodeStop)
            break;
        state.serial = entry.serial;
        const bool flushPacket = !entry.packet;
        if (!flushPacket)
            _decodeEnded = false;
        if (beginsSeek(entry, lastSerial))
            _beginSeek(state);
        if (_skipsPacket(entry.packet.get(), state))
            continue;
        {
            QMutexLocker lock(_streamMutex.get());
            if (findHWDecoder() < 0) {
                lock.unlock();
                avThreadSleep(0.01);
                continue;
            }
            avcodec_send_packet(_codecContext.get(), entry.packet.get());
        }
        for (;;) {
            QMutexLocker lock(_streamMutex.get());
            if (!_codecContext)
                break;
            const int result = avcodec_receive_frame(_codecContext.get(), state.decoded.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) {
                if (result == AVERROR(EAGAIN))
                    ++moreInputRequests;
                if (flushPacket && !_readEnded) {
                    avcodec_flush_buffers(_codecContext.get());
                    lock.unlock();
                    avThreadSleep(0.01);
                } else if (flushPacket) {
                    _endOfMedia(state, lock);
                }
                break;
            }
            if (result < 0)
                break;
            moreInputRequests = 0;
            _takePicture(state, lock);
        }
        if (moreInputRequests >= kStalledDecoderRequests && !_softwareOnly) {
            moreInputRequests = 0;
            _fallBackToSoftware();
        }
    }
    std::printf("(%d) video decode thread end\n", int(_kind));
}

void AVVideoStream::_beginSeek(DecodeState& state)
{
    QMutexLocker lock(_streamMutex.get());
    if (_codecContext)
        avcodec_flush_buffers(_codecContext.get());
    state.afterSeek = true;
    state.landed = false;
    state.keyFrameSeen = false;
    state.packetsBeforeKeyFrame = 0;
    av_frame_unref(state.landing.get());
}

bool AVVideoStream::_skipsPacket(const AVPacket* packet, DecodeState& state)
{
    if (!state.afterSeek || state.keyFrameSeen || !packet)
        return false;
    // Before a key frame the decoder makes no picture of the file's, it only
    // conceals missing references: not worth decoding. Bounded, for files
    // that flag no key frames at all.
    if (!(packet->flags & AV_PKT_FLAG_KEY))
        return state.packetsBeforeKeyFrame++ < kMaxPacketsBeforeKeyFrame;
    // The decoder starts at this key frame: when it lies past the target, so
    // does everything decodable from here on.
    state.keyFrameSeen = true;
    return _isPastTarget(packet) && seekEarlier(state.serial);
}

void AVVideoStream::_takePicture(DecodeState& state, QMutexLocker& lock)
{
    AVFrame* decoded = state.decoded.get();
    if (!isCurrent(state.serial)) {
        av_frame_unref(decoded); // a seek has left this position
        return;
    }
    if (state.afterSeek && _exactSeek) {
        if (_frameTime(decoded) <= _seekTime + kAVTimeTolerance) {
            av_frame_unref(state.landing.get());
            av_frame_move_ref(state.landing.get(), decoded);
            state.landed = true;
            return;
        }
        if (state.landed)
            _deliverLanding(state, lock);
        else if (seekEarlier(state.serial))
            return; // sought to a packet the decoder could not start from
    }
    if (!state.afterSeek) {
        if (state.counter++ % std::max<uint32_t>(1, _frameStep) == 0)
            _queuePicture(decoded, state.transfer.get(), state.serial, false, lock);
        return;
    }
    // Not exact, or the media's first picture lies past the target.
    state.afterSeek = !_queuePicture(decoded, state.transfer.get(), state.serial, true, lock);
    state.counter = 1;
}

void AVVideoStream::_deliverLanding(DecodeState& state, QMutexLocker& lock)
{
    state.afterSeek = !_queuePicture(state.landing.get(), state.transfer.get(), state.serial, true, lock);
    state.landed = false;
    av_frame_unref(state.landing.get());
    state.counter = 1;
}

void AVVideoStream::_endOfMedia(DecodeState& state, QMutexLocker& lock)
{
    if (state.afterSeek && _exactSeek) {
        if (state.landed) {
            _deliverLanding(state, lock); // the media ends at the target's picture
        } else if (seekEarlier(state.serial)) {
            return; // sought past the last key frame: nothing decodable came
        }
    }
    markDecodeEnded(state.serial);
    if (state.afterSeek) {
        // The media ended before a frame at the target: report the end.
        static const uint8_t endMarker = 1;
        lock.unlock();
        state.afterSeek = !reportSeek(state.serial, &endMarker, 0, _seekTime);
        lock.relock();
    }
    avConditionWaitFor(_streamCondition.get(), _streamMutex.get(), 50);
}

bool AVVideoStream::_isPastTarget(const AVPacket* packet) const
{
    return _exactSeek && packet->pts != AV_NOPTS_VALUE && mediaTime(packet->pts) > _seekTime + kAVTimeTolerance;
}

bool AVVideoStream::_queuePicture(AVFrame* picture, AVFrame* transfer, uint32_t serial, bool first,
                                  QMutexLocker& lock)
{
    if (usesHardwareFrames(picture)) {
        if (!downloadFrame(transfer, picture))
            return false;
        picture = transfer;
    }
    AVStreamFrame out;
    out.serial = serial;
    out.time = _frameTime(picture);
    out.duration = _entryDuration;
    _exactSeek = true;
    if (!avBuildVideoEntry(picture, int(_outputWidth), int(_outputHeight), _scaler, out))
        return false;
    // Left while the queue is full: sleep and awaken take the stream lock.
    lock.unlock();
    // A still-picture decode that raised the serial meanwhile leaves the
    // report to the next frame.
    const uint8_t* bytes = out.picture ? out.picture->data[0] : out.data.get();
    const bool reported = first && reportSeek(out.serial, bytes, out.size, out.time);
    pushFrame(out);
    lock.relock();
    return reported;
}

void AVVideoStream::_fallBackToSoftware()
{
    QMutexLocker lock(_streamMutex.get());
    if (!_hwDevice)
        return; // a software decoder that asks for input is simply waited for
    // The hardware decoder takes packets but gives no pictures: close it and
    // reopen in software with the next packet. Closed directly, not by
    // raising the process-wide codec flag for a moment: restoring it could
    // undo a change the main window made meanwhile.
    closeDecoder();
    _softwareOnly = true;
}

uint8_t* AVVideoStream::popFrame(int32_t* size, double* time, uint32_t* format, int32_t* stride, int32_t* height,
                                 int32_t* width, uint32_t* colour, bool wait)
{
    AVStreamFrame found;
    if (takeFrame(found, wait) && found.picture)
        found.data.reset(avPackPicture(found.picture.get()));
    return handOut(found, size, time, format, stride, height, width, colour);
}

// ---- sleep -----------------------------------------------------------------------

bool AVVideoStream::sleep()
{
    const bool changed = AVStreamBase::sleep();
    if (changed) {
        QMutexLocker lock(_streamMutex.get());
        if (_codecContext)
            avcodec_flush_buffers(_codecContext.get());
        closeCodecTemporarily();
    }
    return changed;
}

bool AVVideoStream::awaken()
{
    // Unchanged, the decoder is open or the decoding thread opens it; and a
    // stream whose load still runs must not be touched.
    const bool changed = AVStreamBase::awaken();
    if (!changed)
        return false;
    QMutexLocker lock(_streamMutex.get());
    findHWDecoder();
    avConditionWakeAll(_streamCondition.get());
    return true;
}

// ---- still pictures ----------------------------------------------------------------

AVFramePtr AVVideoStream::_decodeStill(double time, bool exact, bool* stalled)
{
    // As the decoding thread does: a picture past time means the file was
    // sought to a packet the decoder cannot start from; seek further before.
    for (double lead = 0.0;; lead = nextSeekLead(lead, time)) {
        bool late = false;
        AVFramePtr frame = _decodeStillFrom(std::max(0.0, time - lead), time, exact, stalled, &late);
        if (!late || lead >= time)
            return frame;
    }
}

AVFramePtr AVVideoStream::_decodeStillFrom(double from, double time, bool exact, bool* stalled, bool* late)
{
    *stalled = false;
    // A stream without timestamps (an elementary stream) cannot seek by
    // time: it is decoded from its start and its frames timed by their count.
    const bool counting = seekFile(from) < 0;
    if ((counting && av_seek_frame(_formatContext.get(), -1, 0, AVSEEK_FLAG_BYTE) < 0) || findHWDecoder() < 0)
        return nullptr;
    int64_t decodedCount = 0;
    AVCodecContext* context = _codecContext.get();
    avcodec_flush_buffers(context);
    AVPacketPtr packet(av_packet_alloc());
    AVFramePtr frame(av_frame_alloc());
    // The latest picture at or before time: time's own once the next one
    // lies past it.
    AVFramePtr last(av_frame_alloc());
    if (!packet || !frame || !last)
        return nullptr;
    bool holding = false;
    int moreInputRequests = 0;
    bool draining = false;
    for (;;) {
        if (!draining) {
            const int read = av_read_frame(_formatContext.get(), packet.get());
            if (read == AVERROR_EOF || (read < 0 && _formatContext->pb && avio_feof(_formatContext->pb))) {
                draining = true;
            } else if (read < 0) {
                std::printf("(%d) read packet error: %d\n", int(_kind), read);
                *stalled = true;
                return nullptr;
            } else if (packet->stream_index != _stream->index) {
                av_packet_unref(packet.get());
                continue;
            }
            avcodec_send_packet(context, draining ? nullptr : packet.get());
            av_packet_unref(packet.get());
        }
        for (;;) {
            const int result = avcodec_receive_frame(context, frame.get());
            if (result == AVERROR_EOF)
                return holding ? std::move(last) : nullptr; // the file ended: its last picture
            if (result == AVERROR(EAGAIN))
                break;
            if (result < 0) {
                *stalled = true;
                return nullptr;
            }
            moreInputRequests = 0;
            if (!exact && !counting)
                return frame;
            const double at = counting ? double(decodedCount++) * _frameDuration : _frameTime(frame.get());
            if (at <= time + kAVTimeTolerance) {
                av_frame_unref(last.get());
                av_frame_move_ref(last.get(), frame.get());
                holding = true;
                continue;
            }
            if (holding)
                return last;
            *late = true;
            return frame;
        }
        if (++moreInputRequests >= kStalledDecoderRequests) {
            *stalled = true;
            return nullptr;
        }
    }
}

AVFramePtr AVVideoStream::_inMemory(AVFramePtr frame) const
{
    if (!frame || !usesHardwareFrames(frame.get()))
        return frame;
    AVFramePtr copy(av_frame_alloc());
    return copy && downloadFrame(copy.get(), frame.get()) ? std::move(copy) : nullptr;
}

uint8_t* AVVideoStream::grabImageAt(double time, AVSize size, bool exact, int32_t* width, int32_t* height,
                                    int32_t* byteSize, double* timeOut)
{
    if (_paused || _seekDone || !isOpen() || !_stream)
        return nullptr;
    QMutexLocker formatLock(_formatMutex.get());
    QMutexLocker streamLock(_streamMutex.get());
    const double t = std::clamp(time, 0.0, duration());
    int32_t w = int32_t(size.width);
    int32_t h = int32_t(size.height);
    w += w % 2;
    if (width)
        *width = w;
    if (height)
        *height = h;
    if (timeOut)
        *timeOut = t;
    bool stalled = false;
    AVFramePtr frame = _decodeStill(t, exact, &stalled);
    if (!frame) {
        if (stalled && timeOut)
            *timeOut = -1.0;
        return nullptr;
    }
    frame = _inMemory(std::move(frame));
    if (!frame) {
        if (timeOut)
            *timeOut = -1.0;
        return nullptr;
    }
    SwsContextPtr scaler;
    uint8_t* pixels = avRotateBGRA(avConvertToBGRA(frame.get(), w, h, scaler), &w, &h, _rotation);
    if (!pixels)
        return nullptr;
    if (width)
        *width = w;
    if (height)
        *height = h;
    if (byteSize)
        *byteSize = w * h * 4;
    if (timeOut)
        *timeOut = _frameTime(frame.get());
    return pixels;
}

uint8_t* AVVideoStream::decodeImageAt(double time, int32_t* byteSize)
{
    if (byteSize)
        *byteSize = 0;
    if (!isOpen() || !_stream)
        return nullptr;
    const double t = std::clamp(time, 0.0, duration());
    // Paused, the read loop leaves the file alone; the format lock waits for
    // a read that is under way.
    _paused = true;
    QMutexLocker formatLock(_formatMutex.get());
    _seekTime = t;
    flushPackets();
    flushFrames();
    ++_serial;
    _readEnded = false;
    _decodeEnded = false;
    QMutexLocker streamLock(_streamMutex.get());
    bool stalled = false;
    const AVFramePtr frame = _inMemory(_decodeStill(t, true, &stalled));
    uint8_t* pixels = nullptr;
    int32_t w = int32_t(_outputWidth);
    int32_t h = int32_t(_outputHeight);
    if (frame) {
        SwsContextPtr scaler;
        pixels = avRotateBGRA(avConvertToBGRA(frame.get(), w, h, scaler), &w, &h, _rotation);
    }
    if (pixels && byteSize)
        *byteSize = w * h * 4;
    _paused = false;
    return pixels;
}

// ---- thumbnails ---------------------------------------------------------------------

void AVVideoStream::_runThumbnailPass()
{
    enterThumbnailPass();
    {
        QMutexLocker lock(_streamMutex.get());
        findHWDecoder(true);
    }
    if (_thumbnails.start)
        _thumbnails.start(this, _thumbnails.context);
    AVVec4 fitted{};
    avRectAspectFit(&fitted, float(displayWidth(_outputWidth)), float(_outputHeight),
                    AVVec4{0.0f, 0.0f, _thumbnails.maxWidth, _thumbnails.maxHeight});
    const AVSize size{std::round(fitted.z), std::round(fitted.w)};
    const double length = duration();
    for (size_t index = 0; index < _thumbnails.times.size() && !_closing; ++index)
        _deliverThumbnail(size, length * _thumbnails.times[index]);
    {
        QMutexLocker formatLock(_formatMutex.get());
        QMutexLocker lock(_streamMutex.get());
        seekFile(0.0);
        // Opened for the thumbnails alone: the decoding thread opens its
        // own, with frame threads for playback.
        closeDecoder();
    }
    leaveThumbnailPass();
}

void AVVideoStream::_deliverThumbnail(AVSize size, double time)
{
    for (;;) {
        int32_t width = 0;
        int32_t height = 0;
        int32_t bytes = 0;
        double at = 0.0;
        uint8_t* pixels = grabImageAt(time, size, false, &width, &height, &bytes, &at);
        if (!pixels && at == -1.0 && !_softwareOnly) {
            // Retry in software: the hardware decoder failed on this file.
            QMutexLocker lock(_streamMutex.get());
            closeDecoder();
            _softwareOnly = true;
            continue;
        }
        AVPixelBuffer* picture = pixels ? avPixelBufferWrap(pixels, uint32_t(width), uint32_t(height),
                                                            AVPixelFormatBGRA32)
                                        : nullptr;
        _thumbnails.picture(this, 0, picture, _thumbnails.context);
        return;
    }
}
