// The export's video path: each frame is composed at n / fps in the export
// context, read back as BGRA (top row first) through a pixel buffer object,
// scaled into the encoder's format and handed to the encoding thread. Frame
// n + 1 is drawn while frame n is converted, and converted while frame n is
// encoded.

#include "AVExporter.h"

#include "AVComposition.h"
#include "AVGLFramebuffer.h"
#include "AVGLRenderer.h"
#include "AVThread_QThread_Type.h"

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

extern "C" {
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace {

constexpr int kVideoFailed = -17;
constexpr int kVideoWriteFailed = -18;
constexpr int kUnitScale = 1 << 16;  // 1.0 in 16.16
// Waits for the other thread re-check cancelling this often (milliseconds).
constexpr unsigned long kEncodingPoll = 100;

void keepBytes(void*, uint8_t*) {}

// The read-back picture as a frame over bytes it does not own: the sliced
// conversion takes its source as a counted frame (it would copy one that
// is not). Null when the frame cannot be made.
AVFramePtr pictureFrame(uint8_t* pixels, int32_t width, int32_t height, int32_t stride)
{
    AVFramePtr frame(av_frame_alloc());
    if (!frame)
        return nullptr;
    frame->buf[0] = av_buffer_create(pixels, size_t(stride) * size_t(height), keepBytes, nullptr, 0);
    if (!frame->buf[0])
        return nullptr;
    frame->data[0] = pixels;
    frame->linesize[0] = stride;
    frame->format = AV_PIX_FMT_BGRA;
    frame->width = width;
    frame->height = height;
    return frame;
}

// The composition blends premultiplied; an encoder that keeps alpha wants
// straight colour, or semi-transparent edges come out dark.
void unpremultiply(uint8_t* pixels, int32_t width, int32_t height, int32_t stride)
{
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* pixel = pixels + size_t(y) * size_t(stride);
        for (int32_t x = 0; x < width; ++x, pixel += 4) {
            const int alpha = pixel[3];
            if (alpha == 0 || alpha == 255)
                continue;
            for (int c = 0; c < 3; ++c)
                pixel[c] = uint8_t(std::min(255, (pixel[c] * 255 + alpha / 2) / alpha));
        }
    }
}

bool hasAlpha(AVPixelFormat format)
{
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format);
    return descriptor && (descriptor->flags & AV_PIX_FMT_FLAG_ALPHA);
}

} // namespace

AVExporter::VideoEncoding::VideoEncoding(AVExporter* exporter, Output* output)
    : exporter(exporter),
      output(output)
{
    if (!output->hasVideo)
        return;
    thread = avThreadCreate(&AVExporter::_encodingMain, this);
    avThreadStart(thread);
}

AVExporter::VideoEncoding::~VideoEncoding()
{
    if (!thread)
        return;
    {
        QMutexLocker lock(exporter->_encodingMutex.get());
        stopping = true;
        avConditionWakeAll(exporter->_encodingChanged.get());
    }
    avThreadFree(thread);
}

int AVExporter::_encodingMain(AVThread_QThread_Type*, void* argument)
{
    auto* encoding = static_cast<VideoEncoding*>(argument);
    AVExporter* self = encoding->exporter;
    QMutexLocker lock(self->_encodingMutex.get());
    while (!encoding->stopping && !encoding->ended) {
        if (!encoding->waiting && !encoding->draining) {
            avConditionWaitFor(self->_encodingChanged.get(), self->_encodingMutex.get(), kEncodingPoll);
            continue;
        }
        const AVFramePtr picture = std::move(encoding->waiting);
        avConditionWakeAll(self->_encodingChanged.get());
        lock.unlock();
        const int result = self->_encodeVideo(encoding->output, picture.get());
        lock.relock();
        encoding->result = result;
        encoding->ended = result < 0 || !picture;
        if (encoding->ended)
            avConditionWakeAll(self->_encodingChanged.get());
    }
    return 0;
}

int AVExporter::_handToEncoder(VideoEncoding* encoding, AVFramePtr picture)
{
    const bool drain = !picture;
    QMutexLocker lock(_encodingMutex.get());
    while (encoding->waiting && !encoding->ended && !_cancelled)
        avConditionWaitFor(_encodingChanged.get(), _encodingMutex.get(), kEncodingPoll);
    if (!encoding->ended && !_cancelled) {
        encoding->waiting = std::move(picture);
        encoding->draining = drain;
        avConditionWakeAll(_encodingChanged.get());
    }
    while (drain && !encoding->ended && !_cancelled)
        avConditionWaitFor(_encodingChanged.get(), _encodingMutex.get(), kEncodingPoll);
    if (encoding->result < 0)
        return encoding->result;
    if (_cancelled)
        return -1;
    return encoding->ended ? 1 : 0;
}

int AVExporter::_writePackets(Output* output, AVExportStream* stream, bool* wrotePacket, bool* writeFailed)
{
    AVPacket* packet = stream->packet.get();
    for (;;) {
        int error = avcodec_receive_packet(stream->encoder.get(), packet);
        if (error == AVERROR(EAGAIN) || error == AVERROR_EOF)
            return 0;
        if (error < 0)
            return error;
        // A video frame lasts one tick of its encoder's time base. Encoders
        // leave the length out, and the muxer then ends the track at the
        // last frame's start, one frame short of the movie.
        if (stream == &output->video && packet->duration == 0)
            packet->duration = 1;
        av_packet_rescale_ts(packet, stream->encoder->time_base, stream->stream->time_base);
        packet->stream_index = stream->stream->index;
        {
            QMutexLocker lock(_muxerMutex.get());
            error = av_interleaved_write_frame(output->context, packet);
            if (error < 0)
                _noteWriteError(error, output->context);
        }
        if (error < 0) {
            *writeFailed = true;
            return error;
        }
        *wrotePacket = true;
    }
}

int AVExporter::_writeVideoFrame(VideoEncoding* encoding)
{
    AVExportStream& video = encoding->output->video;
    const int picture = _readPicture(&video);
    if (picture < 0)
        return picture;
    // Without a picture the encoder is drained.
    AVFramePtr frame;
    if (picture) {
        video.frame->pts = video.nextPts++;
        // Shares the pixels: the next conversion writes into buffers of its own.
        frame.reset(av_frame_clone(video.frame.get()));
        if (!frame) {
            std::fprintf(stderr, "Could not hand over the video frame\n");
            return kVideoFailed;
        }
    }
    return _handToEncoder(encoding, std::move(frame));
}

int AVExporter::_encodeVideo(Output* output, AVFrame* frame)
{
    AVExportStream& video = output->video;
    int error = avcodec_send_frame(video.encoder.get(), frame);
    if (error < 0) {
        std::fprintf(stderr, "Error sending video frame: %s\n", avErrorText(error).c_str());
        return kVideoFailed;
    }
    bool wrotePacket = false;
    bool writeFailed = false;
    error = _writePackets(output, &video, &wrotePacket, &writeFailed);
    if (error < 0 && writeFailed) {
        std::fprintf(stderr, "Error while writing video frame: %s\n", avErrorText(error).c_str());
        return kVideoWriteFailed;
    }
    if (error < 0) {
        std::fprintf(stderr, "Error encoding video frame: %s\n", avErrorText(error).c_str());
        return kVideoFailed;
    }
    return 0;
}

double AVExporter::_frameTime(int64_t pts) const
{
    return double(pts) / _frameRate;
}

int AVExporter::_readPicture(AVExportStream* video)
{
    const double time = _frameTime(video->nextPts);
    const double duration = _composition->duration();
    if (time >= duration)
        return 0;
    // The next picture is drawn while this one is converted and encoded:
    // the GL works on it meanwhile and the pictures come out as they would
    // one at a time. It waits for its layers as each picture always did.
    const double nextTime = _frameTime(video->nextPts + 1);
    const bool drawAhead = nextTime < duration;
    if (drawAhead)
        _waitUntilReady(nextTime);
    if (!avGLBeginDrawing(&_drawingContexts)) {
        std::fprintf(stderr, "Could not make the export context current\n");
        return kVideoFailed;
    }
    if (!_drawnAhead)
        _composition->renderAt(time, 0, 1, AVComposition::kRenderVideo, 1);
    const bool queued = _queueComposedPicture();
    _drawnAhead = queued && drawAhead;
    if (_drawnAhead)
        _composition->renderAt(nextTime, 0, 1, AVComposition::kRenderVideo, 1);
    uint8_t* pixels = queued ? _readback.map() : nullptr;
    const AVFramePtr picture =
        pixels ? pictureFrame(pixels, _readback.width(), _readback.height(), _readback.stride()) : nullptr;
    const bool scaled = picture && _scalePicture(video, picture.get());
    _readback.unmap();
    avGLEndDrawing();
    if (!picture) {
        std::fprintf(stderr, "Could not read the composed picture at %.3f s\n", time);
        return kVideoFailed;
    }
    return scaled ? 1 : kVideoFailed;
}

bool AVExporter::_queueComposedPicture()
{
    _composition->lockOffscreen();
    AVGLFramebuffer* front = _composition->frontFramebuffer();
    if (front)
        AVGLRenderer::bindFramebuffer(_renderer, front);
    const bool queued = front && _readback.queue(front);
    _composition->unlockOffscreen();
    return queued;
}

bool AVExporter::_makeScaler(AVExportStream* video, int32_t width, int32_t height)
{
    AVCodecContext* encoder = video->encoder.get();
    video->scaler.reset(sws_alloc_context());
    SwsContext* scaler = video->scaler.get();
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    // Sliced over every core by sws_scale_frame (sws_scale would use one):
    // one 1080p picture takes a single core about a fifth of a frame's time
    // at 30 fps.
    if (!scaler || av_opt_set_int(scaler, "srcw", width, 0) < 0 || av_opt_set_int(scaler, "srch", height, 0) < 0
        || av_opt_set_pixel_fmt(scaler, "src_format", AV_PIX_FMT_BGRA, 0) < 0
        || av_opt_set_int(scaler, "dstw", encoder->width, 0) < 0
        || av_opt_set_int(scaler, "dsth", encoder->height, 0) < 0
        || av_opt_set_pixel_fmt(scaler, "dst_format", encoder->pix_fmt, 0) < 0
        || av_opt_set_int(scaler, "sws_flags", SWS_BICUBIC, 0) < 0 || av_opt_set_int(scaler, "threads", 0, 0) < 0
        || sws_init_context(scaler, nullptr, nullptr) < 0
        || sws_setColorspaceDetails(scaler, bt709, 0, bt709, 0, 0, kUnitScale, kUnitScale) < 0) {
        video->scaler.reset();
        return false;
    }
    video->scalerWidth = width;
    video->scalerHeight = height;
    return true;
}

bool AVExporter::_scalePicture(AVExportStream* video, AVFrame* picture)
{
    AVCodecContext* encoder = video->encoder.get();
    const int32_t width = picture->width;
    const int32_t height = picture->height;
    const bool sizeChanged = video->scalerWidth != width || video->scalerHeight != height;
    if ((!video->scaler || sizeChanged) && !_makeScaler(video, width, height)) {
        std::fprintf(stderr, "Could not initialize the conversion context\n");
        return false;
    }
    if (_alpha && hasAlpha(encoder->pix_fmt))
        unpremultiply(picture->data[0], width, height, picture->linesize[0]);
    if (av_frame_make_writable(video->frame.get()) < 0) {
        std::fprintf(stderr, "Could not make the video frame writable\n");
        return false;
    }
    const int scaled = sws_scale_frame(video->scaler.get(), video->frame.get(), picture);
    if (scaled < 0) {
        std::fprintf(stderr, "Could not convert the composed picture: %s\n", avErrorText(scaled).c_str());
        return false;
    }
    return true;
}
