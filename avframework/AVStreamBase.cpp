#include "AVStreamBase.h"

#include "AVEngine.h"
#include "AVStreamDuration.h"

extern "C" {
#include <libavutil/hwcontext.h>
#include <libavutil/pixdesc.h>
}

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

const char* const kAVHardwareDeviceType = "vaapi";

namespace {

std::atomic<uint32_t> g_streamIdCounter{0};
std::atomic<int32_t> g_awakeStreams{0};
std::atomic<AVStreamBase::OpenedHook> g_openedHook{nullptr};
// Thumbnail passes under way, under the codec-open mutex.
int32_t g_thumbnailPasses = 0;

AVCondition* thumbnailPassEnded()
{
    static AVCondition* const condition = avConditionCreate(); // process-wide, never freed
    return condition;
}

// Queue waits are sliced so that every loop re-checks its stop flags.
constexpr unsigned long kWaitSliceMs = 50;
// A consumer waiting for a frame gives up after this long: a parked or
// stalled decoder must not hang the render or export thread.
constexpr qint64 kPopFrameWaitLimitMs = 3000;
// A read error that persists this many times in a row ends the file:
// a damaged or vanished file would otherwise be retried for ever.
constexpr int kMaxConsecutiveReadErrors = 100;
// A seek that lands past its target is repeated this far before it, then
// twice as far each time; from 8 s on the media is read from its start.
constexpr double kFirstSeekLead = 1.0;
constexpr double kLongestSeekLead = 8.0;
// Sound decoders rebuild a sample from the packets before it (overlapping
// transforms, bit reservoirs, priming packets before media time 0): sound
// is sought this much before its target, and what comes before is cut off.
constexpr double kSoundSeekPreroll = 0.1;
// The start of the media is sought this much before it: where the file has
// no index, a seek to the first timestamp can land just past that packet.
constexpr double kStartSeekMargin = 1.0;

template <typename T>
void store(T* out, T value)
{
    if (out)
        *out = value;
}

} // namespace

AVStreamBase::AVStreamBase(const char* path)
    : _path(path ? path : "")
    , _id(++g_streamIdCounter)
    , _formatMutex(avMutexCreate())
    , _limitsMutex(avMutexCreate())
    , _packetMutex(avMutexCreate())
    , _packetCondition(avConditionCreate())
    , _frameMutex(avMutexCreate())
    , _frameCondition(avConditionCreate())
{
}

AVStreamBase::~AVStreamBase()
{
    stopThreads();
    flushPackets();
    flushFrames();
    _codecContext.reset();
    _hwDevice.reset();
    _formatContext.reset();
}

void AVStreamBase::stopThreads()
{
    _closing = true;
    _loadThread.reset();
    stopReading();
    stopDecoding();
}

// ---- threads -------------------------------------------------------------

void AVStreamBase::waitForLoad()
{
    _loadThread.reset();
}

void AVStreamBase::setOpenedHook(OpenedHook hook)
{
    g_openedHook = hook;
}

void AVStreamBase::startLoad(bool isAudio, LoadCallback callback, void* context)
{
    waitForLoad();
    _loadCallback = callback;
    _loadCallbackContext = context;
    _kind = isAudio ? 1 : 0;
    _loading = true;
    _loadThread.reset(avThreadCreate(&AVStreamBase::_loadEntry, this));
    avThreadStart(_loadThread.get());
}

int AVStreamBase::_loadEntry(AVThread_QThread_Type*, void* argument)
{
    auto* stream = static_cast<AVStreamBase*>(argument);
    const int32_t result = stream->open(stream->_kind == 1);
    if (const OpenedHook hook = g_openedHook.load())
        hook(stream->_path.c_str());
    if (stream->_loadCallback)
        stream->_loadCallback(stream, result, stream->_loadCallbackContext);
    stream->_loading = false;
    return 0;
}

void AVStreamBase::startReading(int32_t streamIndex, uint32_t packetLimit)
{
    if ((_readThread && !_readStop) || _closing)
        return;
    _readThread.reset();
    _streamIndex = streamIndex;
    _packetLimit = packetLimit;
    _readStop = false;
    _readThread.reset(avThreadCreate(&AVStreamBase::_readEntry, this));
    avThreadStart(_readThread.get());
    _readerStarted = true;
}

void AVStreamBase::startDecoding(uint32_t frameLimit)
{
    if ((_decodeThread && !_decodeStop) || _closing)
        return;
    _decodeThread.reset();
    _frameLimit = frameLimit;
    _decodeStop = false;
    _decodeThread.reset(avThreadCreate(&AVStreamBase::_decodeEntry, this));
    avThreadStart(_decodeThread.get());
}

void AVStreamBase::stopReading()
{
    _readStop = true;
    {
        QMutexLocker lock(_packetMutex.get());
        avConditionWakeAll(_packetCondition.get());
    }
    _readThread.reset();
}

void AVStreamBase::stopDecoding()
{
    _decodeStop = true;
    {
        QMutexLocker lock(_frameMutex.get());
        avConditionWakeAll(_frameCondition.get());
    }
    {
        QMutexLocker lock(_packetMutex.get());
        avConditionWakeAll(_packetCondition.get());
    }
    _decodeThread.reset();
}

int AVStreamBase::_readEntry(AVThread_QThread_Type*, void* stream)
{
    static_cast<AVStreamBase*>(stream)->_readLoop();
    return 0;
}

int AVStreamBase::_decodeEntry(AVThread_QThread_Type*, void* stream)
{
    static_cast<AVStreamBase*>(stream)->decodeLoop();
    return 0;
}

// ---- opening -------------------------------------------------------------

int32_t AVStreamBase::open(bool isAudio)
{
    _kind = isAudio ? 1 : 0;
    if (_formatContext) {
        // Opened before, possibly without a stream of the wanted kind: that
        // stays a failure rather than turning into success.
        return _stream ? 0 : isAudio ? AVStreamNoAudioStream : AVStreamNoVideoStream;
    }
    AVFormatContext* raw = nullptr;
    const int result = avformat_open_input(&raw, _path.c_str(), nullptr, nullptr);
    if (result < 0)
        return result;
    _formatContext.reset(raw);
    if (avformat_find_stream_info(raw, nullptr) < 0) {
        _formatContext.reset();
        return AVStreamStreamInfoFailed;
    }
    const int32_t opened = isAudio ? _openAudio() : _openVideo();
    if (opened == 0)
        _findStartTime();
    const bool keepOpen = opened == 0 || opened == AVStreamNoAudioStream || opened == AVStreamNoVideoStream;
    if (!keepOpen) {
        _stream = nullptr;
        _codec = nullptr;
        _formatContext.reset();
    }
    _opened = keepOpen;
    if (opened == 0 && _headerDuration() <= 0.0)
        _scannedDuration = avScanStreamDuration(_formatContext.get(), _stream->index);
    return opened;
}

int32_t AVStreamBase::_openAudio()
{
    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(_formatContext.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (index == AVERROR_STREAM_NOT_FOUND)
        return AVStreamNoAudioStream;
    if (index < 0 || !codec)
        return AVStreamNoAudioDecoder;
    _stream = _formatContext->streams[index];
    _codec = codec;
    AVCodecContextPtr context = _newDecoderContext(false, false);
    if (!context) {
        _stream = nullptr;
        return AVStreamAudioDecoderOpenFailed;
    }
    _codecContext = std::move(context);
    return 0;
}

int32_t AVStreamBase::_openVideo()
{
    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(_formatContext.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (index == AVERROR_STREAM_NOT_FOUND)
        return AVStreamNoVideoStream;
    if (index >= 0 && _formatContext->streams[index]->codecpar->codec_id == AV_CODEC_ID_VP9) {
        // libvpx decodes the alpha channel that FFmpeg's own VP9 decoder drops.
        if (const AVCodec* vpx = avcodec_find_decoder_by_name("libvpx-vp9"))
            codec = vpx;
    }
    if (index < 0 || !codec)
        return AVStreamNoVideoDecoder;
    _stream = _formatContext->streams[index];
    _codec = codec;
    return 0;
}

AVMutex* AVStreamBase::codecOpenMutex()
{
    static AVMutex* const mutex = avMutexCreate(); // process-wide, never freed
    return mutex;
}

void AVStreamBase::enterThumbnailPass()
{
    const auto limit = int32_t(std::max(1u, std::thread::hardware_concurrency()));
    QMutexLocker lock(codecOpenMutex());
    while (g_thumbnailPasses >= limit)
        avConditionWait(thumbnailPassEnded(), codecOpenMutex());
    ++g_thumbnailPasses;
}

void AVStreamBase::leaveThumbnailPass()
{
    QMutexLocker lock(codecOpenMutex());
    --g_thumbnailPasses;
    avConditionWakeAll(thumbnailPassEnded());
}

bool AVStreamBase::isAttachedPicture() const
{
    return _stream && (_stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

AVCodecContextPtr AVStreamBase::_newDecoderContext(bool allowHardware, bool singleThread)
{
    AVCodecContextPtr context(avcodec_alloc_context3(_codec));
    if (!context || avcodec_parameters_to_context(context.get(), _stream->codecpar) < 0)
        return nullptr;
    context->pkt_timebase = _stream->time_base;
    const bool hardware = allowHardware && _setUpHardware(context.get());
    AVDictionary* options = nullptr;
    if (!hardware)
        av_dict_set(&options, "threads", singleThread || isAttachedPicture() ? "1" : "auto", 0);
    const int result = avcodec_open2(context.get(), _codec, &options);
    av_dict_free(&options);
    if (result >= 0)
        return context;
    if (!hardware)
        return nullptr;
    // The hardware decoder refused this stream: decode it in software.
    _hwDevice.reset();
    _hwPixelFormat = -1;
    return _newDecoderContext(false, singleThread);
}

void AVStreamBase::_findStartTime()
{
    // The sound of a movie counts from its first picture too, so that the
    // two stay together: a sound stream that starts earlier holds encoder
    // padding there, which falls before media time 0.
    const int index = av_find_best_stream(_formatContext.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVStream* origin = _stream;
    if (index >= 0 && !(_formatContext->streams[index]->disposition & AV_DISPOSITION_ATTACHED_PIC)
        && _formatContext->streams[index]->start_time != AV_NOPTS_VALUE)
        origin = _formatContext->streams[index];
    double start = 0.0;
    if (origin->start_time != AV_NOPTS_VALUE)
        start = double(origin->start_time) * av_q2d(origin->time_base);
    else if (_formatContext->start_time != AV_NOPTS_VALUE)
        start = double(_formatContext->start_time) / AV_TIME_BASE;
    // A negative start is the decoder's own pre-roll, which it drops itself.
    _startTime = std::max(0.0, start);
}

double AVStreamBase::mediaTime(int64_t stamp) const
{
    return double(stamp) * av_q2d(_stream->time_base) - _startTime;
}

int32_t AVStreamBase::findHWDecoder(bool forStills)
{
    if (!_formatContext || !_stream || !_codec)
        return AVERROR(EINVAL);
    if (_codecContext && avcodec_is_open(_codecContext.get()))
        return 0;
    _codecContext.reset();
    const bool allowHardware = _kind == 0 && !_softwareOnly && _stream->codecpar->codec_id != AV_CODEC_ID_VP9;
    _codecContext = _newDecoderContext(allowHardware, forStills);
    return _codecContext ? 0 : AVERROR(EINVAL);
}

bool AVStreamBase::_setUpHardware(AVCodecContext* context)
{
    const AVHWDeviceType type = av_hwdevice_find_type_by_name(kAVHardwareDeviceType);
    if (type == AV_HWDEVICE_TYPE_NONE)
        return false;
    int32_t pixelFormat = -1;
    for (int i = 0;; ++i) {
        const AVCodecHWConfig* config = avcodec_get_hw_config(_codec, i);
        if (!config)
            return false;
        if ((config->methods & AV_CODEC_HW_CONFIG_METHOD_HW_DEVICE_CTX) && config->device_type == type) {
            pixelFormat = config->pix_fmt;
            break;
        }
    }
    AVBufferRef* device = nullptr;
    if (av_hwdevice_ctx_create(&device, type, nullptr, nullptr, 0) < 0)
        return false; // no device here: plain software decoding
    _hwDevice.reset(device);
    _hwPixelFormat = pixelFormat;
    context->hw_device_ctx = av_buffer_ref(device);
    if (!context->hw_device_ctx) {
        _hwDevice.reset();
        _hwPixelFormat = -1;
        return false;
    }
    context->opaque = this;
    context->get_format = &AVStreamBase::_negotiateFormat;
    return true;
}

AVPixelFormat AVStreamBase::_negotiateFormat(AVCodecContext* context, const AVPixelFormat* formats)
{
    const auto* stream = static_cast<const AVStreamBase*>(context->opaque);
    const AVPixelFormat* software = nullptr;
    for (const AVPixelFormat* format = formats; *format != AV_PIX_FMT_NONE; ++format) {
        if (*format == stream->_hwPixelFormat)
            return *format;
        const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(*format);
        if (!software && descriptor && !(descriptor->flags & AV_PIX_FMT_FLAG_HWACCEL))
            software = format;
    }
    // The hardware cannot take this stream (profile, bit depth): the decoder's
    // own software output keeps it playable.
    return software ? *software : AV_PIX_FMT_NONE;
}

bool AVStreamBase::usesHardwareFrames(const AVFrame* frame) const
{
    return _hwDevice && frame->hw_frames_ctx && frame->format == _hwPixelFormat;
}

void AVStreamBase::closeCodecTemporarily()
{
    if (AVEngine::codecFlag())
        closeDecoder();
}

void AVStreamBase::closeDecoder()
{
    // Freed rather than closed: findHWDecoder makes a fresh context later.
    _codecContext.reset();
    _hwDevice.reset();
}

double AVStreamBase::duration() const
{
    // isOpen first: callers on other threads may ask while the load runs.
    if (!isOpen() || !_stream)
        return 0.0;
    const double stated = _headerDuration();
    return stated > 0.0 ? stated : _scannedDuration.load();
}

double AVStreamBase::_headerDuration() const
{
    if (_stream->duration != AV_NOPTS_VALUE && _stream->duration > 0)
        return double(_stream->duration) * av_q2d(_stream->time_base);
    if (_formatContext->duration != AV_NOPTS_VALUE && _formatContext->duration > 0)
        return double(_formatContext->duration) / AV_TIME_BASE;
    const double rate = av_q2d(_stream->avg_frame_rate);
    return rate > 0.0 && _stream->nb_frames > 0 ? double(_stream->nb_frames) / rate : 0.0;
}

// ---- reading ---------------------------------------------------------------

int32_t AVStreamBase::seekFile(double time)
{
    const double at = time <= 0.0 ? time - kStartSeekMargin : time;
    const AVRational base = _stream->time_base;
    const int64_t target = std::llround((at + _startTime) * base.den / base.num);
    return avformat_seek_file(_formatContext.get(), _stream->index, INT64_MIN, target, INT64_MAX, 0);
}

void AVStreamBase::_performSeek()
{
    double target;
    double lead;
    {
        // A seek asked for while this one runs sets the request again and is
        // carried out on the next round.
        QMutexLocker lock(_packetMutex.get());
        _seekRequest = false;
        _seeking = true;
        target = _seekTime;
        lead = _seekLead;
    }
    int result;
    {
        QMutexLocker lock(_formatMutex.get());
        result = seekFile(target - lead - (_kind == 1 ? kSoundSeekPreroll : 0.0));
    }
    // Emptied before the new serial is published: once it is, the decoder
    // queues the first frames of the new position, which must stay. While
    // seeking nothing is queued, so nothing stale can arrive in between.
    flushFrames();
    {
        // Under the packet lock: a decoder that takes a packet of the new
        // serial also sees seekDone.
        QMutexLocker lock(_packetMutex.get());
        if (result >= 0) {
            _packets.clear();
            ++_serial;
            _seekDone = true;
        }
        _seeking = false;
        avConditionWakeAll(_packetCondition.get());
    }
    if (result < 0) {
        // The file cannot move (a pipe, a damaged index): playing goes on from
        // where it was, but whoever waits for this seek still hears of it.
        av_log(nullptr, AV_LOG_WARNING, "seek to %.3f s failed (%d)\n", target, result);
        reportSeek(_serial, nullptr, 0, positionOf(target));
    }
}

bool AVStreamBase::isCurrent(uint32_t serial) const
{
    return serial == _serial && !_seekRequest && !_seeking;
}

bool AVStreamBase::beginsSeek(const AVStreamPacket& entry, uint32_t& lastSerial)
{
    if (entry.serial == lastSerial)
        return false;
    lastSerial = entry.serial;
    // seekDone belongs to the newest serial: a packet that a later seek has
    // made stale must not take it.
    return entry.serial == _serial && _seekDone.exchange(false);
}

bool AVStreamBase::reportSeek(uint32_t serial, const uint8_t* data, int32_t size, double time)
{
    SeekCallback callback;
    void* context;
    {
        // seek() stores the pair and its request under this lock.
        QMutexLocker lock(_packetMutex.get());
        if (!isCurrent(serial))
            return false;
        callback = _seekCallback;
        context = _seekCallbackContext;
    }
    if (callback)
        callback(this, data, size, time, context);
    return true;
}

double AVStreamBase::nextSeekLead(double lead, double target)
{
    if (lead <= 0.0)
        return std::min(kFirstSeekLead, target);
    return lead >= kLongestSeekLead ? target : std::min(lead * 2.0, target);
}

bool AVStreamBase::seekEarlier(uint32_t serial)
{
    QMutexLocker lock(_packetMutex.get());
    const double lead = _seekLead;
    if (!isCurrent(serial) || lead >= _seekTime)
        return false;
    _seekLead = nextSeekLead(lead, _seekTime);
    _packets.clear();
    _readEnded = false;
    _seekRequest = true;
    avConditionWakeAll(_packetCondition.get());
    return true;
}

void AVStreamBase::markDecodeEnded(uint32_t serial)
{
    {
        QMutexLocker lock(_packetMutex.get());
        if (!isCurrent(serial))
            return; // the end of a position that a seek has left already
        _decodeEnded = true;
    }
    QMutexLocker lock(_frameMutex.get());
    avConditionWakeAll(_frameCondition.get());
}

void AVStreamBase::_readLoop()
{
    int consecutiveErrors = 0;
    while (!_readStop) {
        if (_paused) {
            avThreadSleep(0.01);
            continue;
        }
        if (_seekRequest) {
            _performSeek();
            consecutiveErrors = 0;
        }
        AVPacketPtr packet(av_packet_alloc());
        if (!packet) {
            avThreadSleep(0.01);
            continue;
        }
        uint32_t serial;
        int result;
        bool ioAtEnd;
        {
            // A still-picture decode reads the file and raises the serial
            // under this lock: both are looked at only while holding it.
            QMutexLocker lock(_formatMutex.get());
            if (_paused)
                continue;
            serial = _serial;
            result = av_read_frame(_formatContext.get(), packet.get());
            ioAtEnd = _formatContext->pb && avio_feof(_formatContext->pb);
        }
        if (result < 0) {
            const bool atEnd = result == AVERROR_EOF || ioAtEnd || ++consecutiveErrors >= kMaxConsecutiveReadErrors;
            if (!atEnd) {
                std::printf("(%d) read packet error: %d\n", int(_kind), result);
            } else {
                QMutexLocker lock(_packetMutex.get());
                if (!_seekRequest && !_seeking)
                    _readEnded = true;
                avConditionWakeAll(_packetCondition.get());
            }
            avThreadSleep(0.01);
            continue;
        }
        consecutiveErrors = 0;
        _readEnded = false;
        if (packet->stream_index == _streamIndex)
            _queuePacket(std::move(packet), serial);
    }
    std::printf("(%d) read thread end\n", int(_kind));
}

void AVStreamBase::_queuePacket(AVPacketPtr packet, uint32_t serial)
{
    QMutexLocker lock(_packetMutex.get());
    while (_packets.size() >= _packetLimit) {
        if (_readStop || _seekRequest || serial != _serial)
            return; // stale or stopping: the packet is dropped
        avConditionWaitFor(_packetCondition.get(), _packetMutex.get(), kWaitSliceMs);
    }
    if (serial != _serial)
        return;
    _packets.push_back({std::move(packet), serial});
    avConditionWakeAll(_packetCondition.get());
}

AVStreamPacket AVStreamBase::popPacket()
{
    QMutexLocker lock(_packetMutex.get());
    while (!_readStop && !_decodeStop) {
        while (!_packets.empty()) {
            AVStreamPacket entry = std::move(_packets.front());
            _packets.pop_front();
            avConditionWakeAll(_packetCondition.get());
            if (isCurrent(entry.serial))
                return entry; // packets read before a pending seek are not worth decoding
        }
        if (_readEnded)
            return {nullptr, _serial};
        avConditionWaitFor(_packetCondition.get(), _packetMutex.get(), kWaitSliceMs);
    }
    return {nullptr, _serial};
}

// ---- frames ----------------------------------------------------------------

bool AVStreamBase::pushFrame(AVStreamFrame& frame)
{
    QMutexLocker lock(_frameMutex.get());
    while (!_decodeStop && isCurrent(frame.serial) && _frames.size() >= _frameLimit)
        avConditionWaitFor(_frameCondition.get(), _frameMutex.get(), kWaitSliceMs);
    if (_decodeStop || !isCurrent(frame.serial)) {
        frame = AVStreamFrame();
        return false;
    }
    _frames.push_back(std::move(frame));
    avConditionWakeAll(_frameCondition.get());
    return true;
}

bool AVStreamBase::takeFrame(AVStreamFrame& frame, bool wait)
{
    QMutexLocker lock(_frameMutex.get());
    QElapsedTimer waited;
    waited.start();
    while (!_decodeStop) {
        while (!_frames.empty()) {
            AVStreamFrame entry = std::move(_frames.front());
            _frames.pop_front();
            avConditionWakeAll(_frameCondition.get());
            if (isCurrent(entry.serial)) {
                frame = std::move(entry);
                return true;
            }
        }
        if (_decodeEnded || _frameLimit < 1 || !wait || waited.elapsed() >= kPopFrameWaitLimitMs)
            break;
        avConditionWaitFor(_frameCondition.get(), _frameMutex.get(), kWaitSliceMs);
    }
    return false;
}

uint8_t* AVStreamBase::popFrame(int32_t* size, double* time, uint32_t* format, int32_t* stride, int32_t* height,
                                int32_t* width, uint32_t* colour, bool wait)
{
    AVStreamFrame found;
    takeFrame(found, wait);
    return handOut(found, size, time, format, stride, height, width, colour);
}

uint8_t* AVStreamBase::handOut(AVStreamFrame& frame, int32_t* size, double* time, uint32_t* format,
                               int32_t* stride, int32_t* height, int32_t* width, uint32_t* colour)
{
    if (!frame.data)
        frame = AVStreamFrame();
    store(size, frame.size);
    store(time, frame.time);
    store(format, frame.format);
    store(stride, frame.stride);
    store(height, frame.height);
    store(width, frame.width);
    store(colour, frame.colour);
    return frame.data.release();
}

bool AVStreamBase::waitForFrame()
{
    QMutexLocker lock(_frameMutex.get());
    QElapsedTimer waited;
    waited.start();
    while (_frames.empty() && !_decodeStop && !_decodeEnded && _frameLimit >= 1
           && waited.elapsed() < kPopFrameWaitLimitMs)
        avConditionWaitFor(_frameCondition.get(), _frameMutex.get(), kWaitSliceMs);
    return !_frames.empty();
}

void AVStreamBase::flushPackets()
{
    QMutexLocker lock(_packetMutex.get());
    while (!_packets.empty()) {
        _packets.pop_front();
        avConditionWakeAll(_packetCondition.get());
    }
    avConditionWakeAll(_packetCondition.get());
}

void AVStreamBase::flushFrames()
{
    QMutexLocker lock(_frameMutex.get());
    while (!_frames.empty()) {
        _frames.pop_front();
        avConditionWakeAll(_frameCondition.get());
    }
    avConditionWakeAll(_frameCondition.get());
}

// ---- control ---------------------------------------------------------------

void AVStreamBase::size(uint32_t* width, uint32_t* height)
{
    store<uint32_t>(width, 0);
    store<uint32_t>(height, 0);
}

uint8_t* AVStreamBase::decodeImageAt(double, int32_t* byteSize)
{
    store(byteSize, 0);
    return nullptr;
}

void AVStreamBase::seek(double time, SeekCallback callback, void* context, bool exact)
{
    if (!_readerStarted)
        return;
    double target = std::max(0.0, time);
    const double length = duration();
    const bool atEnd = length > 0.0 && target >= length;
    if (atEnd)
        target = length;
    _atEnd = atEnd;
    _exactSeek = exact;
    _seekTime = target;
    // Emptied before the request is published: once it is, the read thread
    // may seek at once and the decoder queue the first frames of the new
    // position, which must stay. A frame queued in between belongs to the old
    // serial and is dropped when taken.
    flushFrames();
    {
        QMutexLocker lock(_packetMutex.get());
        _seekCallback = callback;
        _seekCallbackContext = context;
        _seekLead = 0.0;
        _packets.clear();
        _readEnded = false;
        _decodeEnded = false;
        _seekRequest = true;
        avConditionWakeAll(_packetCondition.get());
    }
}

bool AVStreamBase::awaken()
{
    QMutexLocker limitsLock(_limitsMutex.get());
    if ((_packetLimit != 0 && _frameLimit != 0) || !_readerStarted)
        return false;
    const bool audio = _kind == 1;
    {
        QMutexLocker lock(_packetMutex.get());
        _packetLimit = audio ? kAudioPacketLimit : kVideoPacketLimit;
        avConditionWakeAll(_packetCondition.get());
    }
    {
        QMutexLocker lock(_frameMutex.get());
        _frameLimit = audio ? kAudioFrameLimit : kVideoFrameLimit;
        avConditionWakeAll(_frameCondition.get());
    }
    std::printf("(%d)(%d) stream awaken. (%d)\n", int(_id), int(_kind), int(++g_awakeStreams));
    return true;
}

bool AVStreamBase::sleep()
{
    QMutexLocker limitsLock(_limitsMutex.get());
    if (_packetLimit == 0 && _frameLimit == 0)
        return false;
    {
        QMutexLocker lock(_packetMutex.get());
        _packetLimit = 0;
    }
    {
        QMutexLocker lock(_frameMutex.get());
        _frameLimit = 0;
    }
    flushPackets();
    flushFrames();
    std::printf("(%d)(%d) stream sleep. (%d)\n", int(_id), int(_kind), int(--g_awakeStreams));
    return true;
}
