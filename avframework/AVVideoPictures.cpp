#include "AVVideoPictures.h"

#include "AVThread_QThread_Type.h"

extern "C" {
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

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

uint32_t matrixCode(const AVFrame* frame)
{
    return avUsesBT601(frame) ? AVVideoMatrixBT601 : AVVideoColourDefault;
}

// 10-bit pictures: HDR ones convert by their transfer, SDR ones by their matrix.
uint32_t deepColourCode(const AVFrame* frame)
{
    switch (frame->color_trc) {
    case AVCOL_TRC_SMPTE2084:
        return AVVideoTransferPQ;
    case AVCOL_TRC_ARIB_STD_B67:
        return AVVideoTransferHLG;
    default:
        return matrixCode(frame);
    }
}

bool isFullRange(const AVFrame* frame)
{
    return frame->color_range == AVCOL_RANGE_JPEG || frame->format == AV_PIX_FMT_YUVJ420P;
}

// 8-bit pictures: their matrix and range.
uint32_t colourCode(const AVFrame* frame)
{
    return (isFullRange(frame) ? AVVideoColourFullRange : AVVideoColourDefault) + matrixCode(frame);
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

} // namespace

bool avUsesBT601(const AVFrame* frame)
{
    switch (frame->colorspace) {
    case AVCOL_SPC_SMPTE170M:
    case AVCOL_SPC_BT470BG:
        return true;
    case AVCOL_SPC_UNSPECIFIED:
        return frame->height <= 576;
    default:
        return false;
    }
}

uint8_t* avRotateBGRA(uint8_t* pixels, int32_t* width, int32_t* height, uint32_t rotation)
{
    // A conversion that failed hands over nothing to turn.
    if (!pixels || (rotation != 90 && rotation != 180 && rotation != 270))
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

uint32_t avStreamRotation(const AVStream* stream)
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

bool avBuildVideoEntry(const AVFrame* frame, int outputWidth, int outputHeight, SwsContextPtr& scaler,
                       AVStreamFrame& entry)
{
    entry.width = frame->width;
    entry.height = frame->height;
    switch (frame->format) {
    case AV_PIX_FMT_YUV420P:
    case AV_PIX_FMT_YUVJ420P:
        entry.format = AVVideoFrameYUV420P;
        entry.colour = colourCode(frame);
        if (packPlanes420(frame, 1, false, entry))
            return true;
        break;
    case AV_PIX_FMT_UYVY422:
        entry.format = AVVideoFrameUYVY422;
        entry.colour = matrixCode(frame);
        if (packUYVY(frame, entry))
            return true;
        break;
    case AV_PIX_FMT_NV12:
        entry.format = AVVideoFrameNV12;
        entry.colour = colourCode(frame);
        if (packPlanes420(frame, 1, true, entry))
            return true;
        break;
    case AV_PIX_FMT_P010LE:
        entry.format = AVVideoFrameP010;
        entry.colour = deepColourCode(frame);
        if (packPlanes420(frame, 2, true, entry))
            return true;
        break;
    case AV_PIX_FMT_YUV420P10LE:
        entry.format = AVVideoFrameYUV420P10;
        entry.colour = deepColourCode(frame);
        if (packPlanes420(frame, 2, false, entry))
            return true;
        break;
    default:
        break;
    }
    // Any other layout (or one whose line sizes do not fit) goes to BGRA.
    entry.data = avConvertToBGRA(frame, outputWidth, outputHeight, scaler);
    if (!entry.data) {
        avThreadSleep(0.01); // a scaler may fail for want of memory: once more
        entry.data = avConvertToBGRA(frame, outputWidth, outputHeight, scaler);
    }
    if (!entry.data)
        return false;
    entry.format = AVVideoFrameBGRA;
    entry.colour = AVVideoColourDefault;
    entry.stride = outputWidth;
    entry.width = outputWidth;
    entry.height = outputHeight;
    // The conversion refused sizes beyond 32 bits; the product is made in 64.
    entry.size = int32_t(int64_t(outputWidth) * outputHeight * 4);
    return true;
}

uint8_t* avConvertToBGRA(const AVFrame* frame, int width, int height, SwsContextPtr& scaler)
{
    if (width <= 0 || height <= 0 || int64_t(width) * height * 4 > INT32_MAX)
        return nullptr;
    bool fullRange = false;
    const AVPixelFormat source = scalerFormat(AVPixelFormat(frame->format), &fullRange);
    // Frees the old context itself when it has to make a new one.
    scaler.reset(sws_getCachedContext(scaler.release(), frame->width, frame->height, source, width, height,
                                      AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler)
        return nullptr;
    const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(AVPixelFormat(frame->format));
    if (descriptor && !(descriptor->flags & AV_PIX_FMT_FLAG_RGB) && descriptor->nb_components >= 3) {
        // The frame's own matrix and range; the scaler would take BT.601
        // limited range for every Y'CbCr picture.
        const int* coefficients = sws_getCoefficients(avUsesBT601(frame) ? SWS_CS_ITU601 : SWS_CS_ITU709);
        const int sourceRange = fullRange || isFullRange(frame) ? 1 : 0;
        if (sws_setColorspaceDetails(scaler.get(), coefficients, sourceRange, coefficients, 1, 0, 1 << 16, 1 << 16)
            < 0)
            return nullptr;
    }
    auto* pixels = static_cast<uint8_t*>(std::malloc(size_t(width) * height * 4));
    if (!pixels)
        return nullptr;
    uint8_t* planes[4] = {pixels, nullptr, nullptr, nullptr};
    int lineSizes[4] = {width * 4, 0, 0, 0};
    if (sws_scale(scaler.get(), frame->data, frame->linesize, 0, frame->height, planes, lineSizes) <= 0) {
        std::free(pixels);
        return nullptr;
    }
    if (descriptor && (descriptor->flags & AV_PIX_FMT_FLAG_ALPHA))
        premultiply(pixels, int64_t(width) * height);
    return pixels;
}

