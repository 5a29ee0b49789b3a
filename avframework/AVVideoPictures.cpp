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

// How a picture that the renderer takes as it is lies in memory: its entry
// code, the bytes of one sample, and its chroma planes (two planar, one
// interleaved, none for packed 4:2:2).
struct DirectLayout {
    uint32_t code;
    int64_t sampleBytes;
    int chromaPlanes;
};

bool directLayout(int pixelFormat, DirectLayout* layout)
{
    switch (pixelFormat) {
    case AV_PIX_FMT_YUV420P:
    case AV_PIX_FMT_YUVJ420P:
        *layout = {AVVideoFrameYUV420P, 1, 2};
        return true;
    case AV_PIX_FMT_UYVY422:
        *layout = {AVVideoFrameUYVY422, 1, 0};
        return true;
    case AV_PIX_FMT_NV12:
        *layout = {AVVideoFrameNV12, 1, 1};
        return true;
    case AV_PIX_FMT_P010LE:
        *layout = {AVVideoFrameP010, 2, 1};
        return true;
    case AV_PIX_FMT_YUV420P10LE:
        *layout = {AVVideoFrameYUV420P10, 2, 2};
        return true;
    default:
        return false;
    }
}

uint32_t directColourCode(const AVFrame* frame, uint32_t code)
{
    switch (code) {
    case AVVideoFrameUYVY422:
        return matrixCode(frame);
    case AVVideoFrameP010:
    case AVVideoFrameYUV420P10:
        return deepColourCode(frame);
    default:
        return colourCode(frame);
    }
}

// The pitch of the chroma planes in the one block popFrame hands out: half
// the luma line size for planar chroma, the whole of it for interleaved.
int64_t packedChromaPitch(const AVFrame* frame, const DirectLayout& layout)
{
    return layout.chromaPlanes == 2 ? frame->linesize[0] / 2 : frame->linesize[0];
}

int64_t packedSize(const AVFrame* frame, const DirectLayout& layout)
{
    const int64_t chromaRows = (int64_t(frame->height) + 1) / 2;
    return int64_t(frame->linesize[0]) * frame->height
        + layout.chromaPlanes * packedChromaPitch(frame, layout) * chromaRows;
}

// Whether a plane's rows can go to its texture as they lie: line sizes
// above 0 that hold the visible row and are whole texels (the upload counts
// its row length in texels).
bool planeFits(const AVFrame* frame, int plane, int64_t rowBytes, int64_t texelBytes)
{
    const int64_t lineSize = frame->linesize[plane];
    return frame->data[plane] && lineSize > 0 && lineSize >= rowBytes && lineSize % texelBytes == 0;
}

// Whether every plane fits its texture.
bool planesFit(const AVFrame* frame, const DirectLayout& layout)
{
    const int64_t width = frame->width;
    const int64_t chromaWidth = (width + 1) / 2;
    if (layout.chromaPlanes == 0)
        return planeFits(frame, 0, 4 * chromaWidth, 4);
    if (!planeFits(frame, 0, width * layout.sampleBytes, layout.sampleBytes))
        return false;
    const int64_t chromaTexel = layout.sampleBytes * (layout.chromaPlanes == 1 ? 2 : 1);
    const int64_t chromaRow = chromaWidth * chromaTexel;
    for (int plane = 1; plane <= layout.chromaPlanes; ++plane) {
        if (!planeFits(frame, plane, chromaRow, chromaTexel))
            return false;
    }
    return chromaRow <= packedChromaPitch(frame, layout);
}

// Whether the picture goes as it is: every plane fits its texture and the
// whole fits the one block of popFrame. Other pictures are converted.
bool uploadsAsItIs(const AVFrame* frame, const DirectLayout& layout)
{
    return planesFit(frame, layout) && packedSize(frame, layout) <= INT32_MAX;
}

// Copies rows of a plane to out, pitch bytes apart (as much of each row as
// fits); where the copy ends.
uint8_t* copyRows(uint8_t* out, const AVFrame* frame, int plane, int64_t rows, int64_t pitch)
{
    const int64_t copied = std::min<int64_t>(pitch, frame->linesize[plane]);
    for (int64_t row = 0; row < rows; ++row, out += pitch)
        std::memcpy(out, frame->data[plane] + row * frame->linesize[plane], size_t(copied));
    return out;
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

bool avBuildVideoEntry(AVFrame* frame, int outputWidth, int outputHeight, SwsContextPtr& scaler,
                       AVStreamFrame& entry)
{
    DirectLayout layout{};
    if (directLayout(frame->format, &layout) && uploadsAsItIs(frame, layout)) {
        entry.picture.reset(av_frame_alloc());
        if (!entry.picture)
            return false;
        entry.format = layout.code;
        entry.colour = directColourCode(frame, layout.code);
        entry.width = frame->width;
        entry.height = frame->height;
        entry.stride = layout.chromaPlanes == 0 ? frame->linesize[0] / 2 : frame->linesize[0];
        entry.size = int32_t(packedSize(frame, layout));
        av_frame_move_ref(entry.picture.get(), frame);
        return true;
    }
    // Any other layout (or one whose line sizes do not fit) goes to BGRA.
    entry.data.reset(avConvertToBGRA(frame, outputWidth, outputHeight, scaler));
    if (!entry.data) {
        avThreadSleep(0.01); // a scaler may fail for want of memory: once more
        entry.data.reset(avConvertToBGRA(frame, outputWidth, outputHeight, scaler));
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

uint8_t* avPackPicture(const AVFrame* picture)
{
    DirectLayout layout{};
    if (!directLayout(picture->format, &layout))
        return nullptr;
    auto* data = static_cast<uint8_t*>(std::malloc(size_t(packedSize(picture, layout))));
    if (!data)
        return nullptr;
    uint8_t* out = copyRows(data, picture, 0, picture->height, picture->linesize[0]);
    const int64_t chromaRows = (int64_t(picture->height) + 1) / 2;
    for (int plane = 1; plane <= layout.chromaPlanes; ++plane)
        out = copyRows(out, picture, plane, chromaRows, packedChromaPitch(picture, layout));
    return data;
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

