#include "AVVideoStream.h"

extern "C" {
#include <libavutil/display.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A hardware decoder that asks for input this often in a row has stalled.
constexpr int kStalledDecoderRequests = 128;

double frameTime(const AVFrame* frame, AVRational timeBase)
{
    const int64_t stamp = frame->best_effort_timestamp;
    if (stamp == AV_NOPTS_VALUE || stamp < 0)
        return 0.0;
    return double(stamp) * av_q2d(timeBase);
}

uint32_t transferCode(const AVFrame* frame)
{
    switch (frame->color_trc) {
    case AVCOL_TRC_SMPTE2084:
        return AVVideoTransferPQ;
    case AVCOL_TRC_ARIB_STD_B67:
        return AVVideoTransferHLG;
    default:
        return AVVideoColourDefault;
    }
}

uint32_t rangeCode(const AVFrame* frame)
{
    const bool full = frame->color_range == AVCOL_RANGE_JPEG || frame->format == AV_PIX_FMT_YUVJ420P;
    return full ? AVVideoColourFullRange : AVVideoColourDefault;
}

// Packs a 4:2:0 frame into one block: the luma plane at its line size, then
// either two chroma planes of half that pitch or one interleaved chroma plane
// of the same pitch, (height + 1) / 2 rows each. False when the frame's line
// sizes do not allow that layout.
bool packPlanes420(const AVFrame* frame, int bytesPerSample, bool interleavedChroma, AVStreamFrame& entry)
{
    const int64_t stride = frame->linesize[0];
    const int64_t width = frame->width;
    const int64_t height = frame->height;
    const int64_t chromaHeight = (height + 1) / 2;
    const int64_t chromaPitch = interleavedChroma ? stride : stride / 2;
    const int64_t chromaRow = (width + 1) / 2 * bytesPerSample * (interleavedChroma ? 2 : 1);
    const int chromaPlanes = interleavedChroma ? 1 : 2;
    if (stride <= 0 || width * bytesPerSample > stride || chromaRow > chromaPitch)
        return false;
    for (int plane = 1; plane <= chromaPlanes; ++plane) {
        if (frame->linesize[plane] < chromaRow)
            return false;
    }
    const int64_t size = stride * height + chromaPlanes * chromaPitch * chromaHeight;
    if (size > INT32_MAX)
        return false;
    auto* data = static_cast<uint8_t*>(std::malloc(size_t(size)));
    if (!data)
        return false;
    uint8_t* out = data;
    for (int64_t row = 0; row < height; ++row, out += stride)
        std::memcpy(out, frame->data[0] + row * frame->linesize[0], size_t(stride));
    for (int plane = 1; plane <= chromaPlanes; ++plane) {
        const int64_t copied = std::min<int64_t>(chromaPitch, frame->linesize[plane]);
        for (int64_t row = 0; row < chromaHeight; ++row, out += chromaPitch)
            std::memcpy(out, frame->data[plane] + row * frame->linesize[plane], size_t(copied));
    }
    entry.data = data;
    entry.size = int32_t(size);
    entry.stride = int32_t(stride);
    return true;
}

bool packUYVY(const AVFrame* frame, AVStreamFrame& entry)
{
    const int64_t lineSize = frame->linesize[0];
    const int64_t size = lineSize * frame->height;
    if (lineSize <= 0 || size > INT32_MAX)
        return false;
    auto* data = static_cast<uint8_t*>(std::malloc(size_t(size)));
    if (!data)
        return false;
    std::memcpy(data, frame->data[0], size_t(size));
    entry.data = data;
    entry.size = int32_t(size);
    entry.stride = int32_t(lineSize / 2);
    return true;
}

// The scaler wants the full-range ("J") formats named by their plain twins
// with the range given separately.
AVPixelFormat scalerFormat(AVPixelFormat format, bool* fullRange)
{
    *fullRange = true;
    switch (format) {
    case AV_PIX_FMT_YUVJ420P:
        return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P:
        return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P:
        return AV_PIX_FMT_YUV444P;
    default:
        *fullRange = false;
        return format;
    }
}

void premultiply(uint8_t* pixels, int64_t count)
{
    for (int64_t i = 0; i < count; ++i, pixels += 4) {
        const unsigned alpha = pixels[3];
        for (int c = 0; c < 3; ++c)
            pixels[c] = uint8_t((pixels[c] * alpha + 127) / 255);
    }
}

// Turns BGRA pixels clockwise by rotation degrees; swaps width and height for
// quarter turns. The input is freed.
uint8_t* rotatePixels(uint8_t* pixels, int32_t* width, int32_t* height, uint32_t rotation)
{
    if (rotation != 90 && rotation != 180 && rotation != 270)
        return pixels;
    const int64_t w = *width;
    const int64_t h = *height;
    auto* in = reinterpret_cast<const uint32_t*>(pixels);
    auto* rotated = static_cast<uint8_t*>(std::malloc(size_t(w * h * 4)));
    if (!rotated) {
        std::free(pixels);
        return nullptr;
    }
    auto* out = reinterpret_cast<uint32_t*>(rotated);
    for (int64_t y = 0; y < h; ++y) {
        for (int64_t x = 0; x < w; ++x) {
            const uint32_t pixel = in[y * w + x];
            if (rotation == 90)
                out[x * h + (h - 1 - y)] = pixel;
            else if (rotation == 270)
                out[(w - 1 - x) * h + y] = pixel;
            else
                out[(h - 1 - y) * w + (w - 1 - x)] = pixel;
        }
    }
    std::free(pixels);
    if (rotation != 180)
        std::swap(*width, *height);
    return rotated;
}

// Clockwise degrees from the display matrix, or from the "rotate" tag.
uint32_t streamRotation(const AVStream* stream)
{
    const auto* matrix = reinterpret_cast<const int32_t*>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (matrix) {
        const double counterClockwise = av_display_rotation_get(matrix);
        if (!std::isnan(counterClockwise)) {
            const int degrees = ((-int(std::lround(counterClockwise))) % 360 + 360) % 360;
            return degrees == 90 || degrees == 180 || degrees == 270 ? uint32_t(degrees) : 0;
        }
    }
    const AVDictionaryEntry* tag = av_dict_get(stream->metadata, "rotate", nullptr, 0);
    if (!tag)
        return 0;
    for (const char* value : {"90", "180", "270"}) {
        if (std::strcmp(tag->value, value) == 0)
            return uint32_t(std::atoi(value));
    }
    return 0;
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
    sws_freeContext(_scaler);
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
    _rotation = streamRotation(_stream);
    const bool quarterTurn = _rotation == 90 || _rotation == 270;
    _width = quarterTurn ? height : width;
    _height = quarterTurn ? width : height;
    _updateFrameStep();
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
    if (!_formatContext || !_stream)
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
    const double speed = _speed > 0.0 ? _speed.load() : 1.0;
    const double r = (frameRate() + 0.5) / speed;
    const uint32_t minimum = _minimumFrameRate;
    uint32_t step = 1;
    if (r > 60.0)
        step = std::max<uint32_t>(1, uint32_t(r / minimum));
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

bool AVVideoStream::_buildEntry(const AVFrame* frame, AVStreamFrame& entry)
{
    entry.width = frame->width;
    entry.height = frame->height;
    switch (frame->format) {
    case AV_PIX_FMT_YUV420P:
    case AV_PIX_FMT_YUVJ420P:
        entry.format = AVVideoFrameYUV420P;
        entry.colour = rangeCode(frame);
        if (packPlanes420(frame, 1, false, entry))
            return true;
        break;
    case AV_PIX_FMT_UYVY422:
        entry.format = AVVideoFrameUYVY422;
        if (packUYVY(frame, entry))
            return true;
        break;
    case AV_PIX_FMT_NV12:
        entry.format = AVVideoFrameNV12;
        entry.colour = rangeCode(frame);
        if (packPlanes420(frame, 1, true, entry))
            return true;
        break;
    case AV_PIX_FMT_P010LE:
        entry.format = AVVideoFrameP010;
        entry.colour = transferCode(frame);
        if (packPlanes420(frame, 2, true, entry))
            return true;
        break;
    case AV_PIX_FMT_YUV420P10LE:
        entry.format = AVVideoFrameYUV420P10;
        entry.colour = transferCode(frame);
        if (packPlanes420(frame, 2, false, entry))
            return true;
        break;
    default:
        break;
    }
    // Any other layout (or one whose line sizes do not fit) goes to BGRA.
    const int width = int(_outputWidth);
    const int height = int(_outputHeight);
    entry.data = _convertToBGRA(frame, width, height, &_scaler);
    if (!entry.data) {
        avThreadSleep(0.01);
        entry.data = _convertToBGRA(frame, width, height, &_scaler);
    }
    entry.format = AVVideoFrameBGRA;
    entry.colour = AVVideoColourDefault;
    entry.stride = width;
    entry.width = width;
    entry.height = height;
    entry.size = width * height * 4;
    return entry.data != nullptr;
}

uint8_t* AVVideoStream::_convertToBGRA(const AVFrame* frame, int width, int height, SwsContext** scaler)
{
    if (width <= 0 || height <= 0 || int64_t(width) * height * 4 > INT32_MAX)
        return nullptr;
    bool fullRange = false;
    const AVPixelFormat source = scalerFormat(AVPixelFormat(frame->format), &fullRange);
    *scaler = sws_getCachedContext(*scaler, frame->width, frame->height, source, width, height, AV_PIX_FMT_BGRA,
                                   SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!*scaler)
        return nullptr;
    if (fullRange || frame->color_range == AVCOL_RANGE_JPEG) {
        const int* coefficients = sws_getCoefficients(SWS_CS_DEFAULT);
        sws_setColorspaceDetails(*scaler, coefficients, 1, coefficients, 1, 0, 1 << 16, 1 << 16);
    }
    auto* pixels = static_cast<uint8_t*>(std::malloc(size_t(width) * height * 4));
    if (!pixels)
        return nullptr;
    uint8_t* planes[4] = {pixels, nullptr, nullptr, nullptr};
    int lineSizes[4] = {width * 4, 0, 0, 0};
    if (sws_scale(*scaler, frame->data, frame->linesize, 0, frame->height, planes, lineSizes) <= 0) {
        std::free(pixels);
        return nullptr;
    }
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(AVPixelFormat(frame->format));
    if (descriptor && (descriptor->flags & AV_PIX_FMT_FLAG_ALPHA))
        premultiply(pixels, int64_t(width) * height);
    return pixels;
}

void AVVideoStream::decodeLoop()
{
    AVFramePtr decoded(av_frame_alloc());
    AVFramePtr transfer(av_frame_alloc());
    if (!decoded || !transfer)
        return;
    const AVRational timeBase = _stream->time_base;
    const double guessedRate = av_q2d(av_guess_frame_rate(_formatContext.get(), _stream, nullptr));
    const double entryDuration = guessedRate > 0.0 ? 1.0 / guessedRate : 0.0;
    _updateFrameStep();
    uint64_t counter = 0;
    int moreInputRequests = 0;
    bool afterSeek = false;
    uint32_t lastSerial = 0; // serials start at 1: a seek done before this thread ran is still seen

    while (!_decodeStop) {
        if (_paused) {
            avThreadSleep(0.01);
            continue;
        }
        AVStreamPacket entry = popPacket();
        if (_decodeStop)
            break;
        const bool flushPacket = !entry.packet;
        if (!flushPacket)
            _decodeEnded = false;
        if (beginsSeek(entry, lastSerial)) {
            QMutexLocker lock(_streamMutex.get());
            if (_codecContext)
                avcodec_flush_buffers(_codecContext.get());
            afterSeek = true;
        }
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
            AVStreamFrame out;
            out.serial = entry.serial;
            QMutexLocker lock(_streamMutex.get());
            if (!_codecContext)
                break;
            const int result = avcodec_receive_frame(_codecContext.get(), decoded.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) {
                if (result == AVERROR(EAGAIN))
                    ++moreInputRequests;
                if (flushPacket && !_readEnded) {
                    avcodec_flush_buffers(_codecContext.get());
                    lock.unlock();
                    avThreadSleep(0.01);
                } else if (flushPacket) {
                    markDecodeEnded(entry.serial);
                    if (afterSeek) {
                        // The media ended before a frame at the target: report the end.
                        afterSeek = false;
                        static const uint8_t endMarker = 1;
                        lock.unlock();
                        reportSeek(&endMarker, 0, _seekTime);
                        lock.relock();
                    }
                    avConditionWaitFor(_streamCondition.get(), _streamMutex.get(), 50);
                }
                break;
            }
            if (result < 0)
                break;
            moreInputRequests = 0;
            const double time = frameTime(decoded.get(), timeBase);
            const uint64_t index = counter++;
            if (!afterSeek && index % std::max<uint32_t>(1, _frameStep) != 0)
                continue;
            if (afterSeek && _exactSeek && time < _seekTime && _seekTime - time > _frameDuration)
                continue;
            const AVFrame* picture = decoded.get();
            if (usesHardwareFrames(picture)) {
                av_frame_unref(transfer.get());
                if (av_hwframe_transfer_data(transfer.get(), picture, 0) < 0)
                    continue;
                av_frame_copy_props(transfer.get(), picture);
                picture = transfer.get();
            }
            const bool first = afterSeek;
            out.time = first ? std::min(time, _seekTime.load()) : time;
            if (first)
                counter = 1;
            _exactSeek = true;
            out.duration = entryDuration;
            if (!_buildEntry(picture, out))
                continue;
            lock.unlock();
            if (first) {
                afterSeek = false;
                reportSeek(out.data, out.size, out.time);
            }
            pushFrame(out);
        }
        if (moreInputRequests >= kStalledDecoderRequests && !_softwareOnly) {
            moreInputRequests = 0;
            _fallBackToSoftware();
        }
    }
    std::printf("(%d) video decode thread end\n", int(_kind));
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
    const bool changed = AVStreamBase::awaken();
    QMutexLocker lock(_streamMutex.get());
    findHWDecoder();
    avConditionWakeAll(_streamCondition.get());
    return changed;
}

// ---- still pictures ----------------------------------------------------------------

AVFramePtr AVVideoStream::_decodeStill(double time, bool exact, bool* stalled)
{
    *stalled = false;
    if (seekFile(time) < 0 || findHWDecoder() < 0)
        return nullptr;
    AVCodecContext* context = _codecContext.get();
    avcodec_flush_buffers(context);
    AVPacketPtr packet(av_packet_alloc());
    AVFramePtr frame(av_frame_alloc());
    AVFramePtr last;
    if (!packet || !frame)
        return nullptr;
    const double tolerance = _frameDuration;
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
                return last; // the file ended before time: its last picture
            if (result == AVERROR(EAGAIN))
                break;
            if (result < 0) {
                *stalled = true;
                return nullptr;
            }
            moreInputRequests = 0;
            const double at = frameTime(frame.get(), _stream->time_base);
            if (!exact || at >= time || time - at <= tolerance)
                return frame;
            last.reset(av_frame_clone(frame.get()));
            av_frame_unref(frame.get());
        }
        if (++moreInputRequests >= kStalledDecoderRequests) {
            *stalled = true;
            return nullptr;
        }
    }
}

uint8_t* AVVideoStream::grabImageAt(double time, AVSize size, bool exact, int32_t* width, int32_t* height,
                                    int32_t* byteSize, double* timeOut)
{
    if (_paused || _seekDone || !_stream)
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
    AVFramePtr copy;
    if (usesHardwareFrames(frame.get())) {
        copy.reset(av_frame_alloc());
        if (!copy || av_hwframe_transfer_data(copy.get(), frame.get(), 0) < 0) {
            if (timeOut)
                *timeOut = -1.0;
            return nullptr;
        }
        frame = std::move(copy);
    }
    SwsContext* scaler = nullptr;
    uint8_t* pixels = _convertToBGRA(frame.get(), w, h, &scaler);
    sws_freeContext(scaler);
    pixels = rotatePixels(pixels, &w, &h, _rotation);
    if (!pixels)
        return nullptr;
    if (width)
        *width = w;
    if (height)
        *height = h;
    if (byteSize)
        *byteSize = w * h * 4;
    if (timeOut)
        *timeOut = frameTime(frame.get(), _stream->time_base);
    return pixels;
}

uint8_t* AVVideoStream::decodeImageAt(double time, int32_t* byteSize)
{
    if (byteSize)
        *byteSize = 0;
    if (!_stream)
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
    AVFramePtr frame = _decodeStill(t, true, &stalled);
    uint8_t* pixels = nullptr;
    int32_t w = int32_t(_outputWidth);
    int32_t h = int32_t(_outputHeight);
    if (frame && usesHardwareFrames(frame.get())) {
        AVFramePtr copy(av_frame_alloc());
        frame = copy && av_hwframe_transfer_data(copy.get(), frame.get(), 0) >= 0 ? std::move(copy) : nullptr;
    }
    if (frame) {
        SwsContext* scaler = nullptr;
        pixels = rotatePixels(_convertToBGRA(frame.get(), w, h, &scaler), &w, &h, _rotation);
        sws_freeContext(scaler);
    }
    if (pixels && byteSize)
        *byteSize = w * h * 4;
    _paused = false;
    return pixels;
}

// ---- thumbnails ---------------------------------------------------------------------

void AVVideoStream::_runThumbnailPass()
{
    QMutexLocker codecLock(codecOpenMutex());
    {
        QMutexLocker lock(_streamMutex.get());
        findHWDecoder();
    }
    if (_thumbnails.start)
        _thumbnails.start(this, _thumbnails.context);
    AVVec4 fitted{};
    avRectAspectFit(&fitted, float(_outputWidth), float(_outputHeight),
                    AVVec4{0.0f, 0.0f, _thumbnails.maxWidth, _thumbnails.maxHeight});
    const AVSize size{std::round(fitted.z), std::round(fitted.w)};
    const double length = duration();
    for (size_t index = 0; index < _thumbnails.times.size() && !_closing; ++index)
        _deliverThumbnail(size, length * _thumbnails.times[index]);
    QMutexLocker formatLock(_formatMutex.get());
    QMutexLocker lock(_streamMutex.get());
    seekFile(0.0);
    if (_codecContext)
        avcodec_flush_buffers(_codecContext.get());
    closeCodecTemporarily();
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
