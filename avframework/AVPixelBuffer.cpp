#include "AVPixelBuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

int bitsPerPixel(int32_t format)
{
    switch (format) {
    case AVPixelFormatBGRA32: return 32;
    case AVPixelFormatRGB24: return 24;
    case AVPixelFormatRGB16: return 16;
    default: return 0;
    }
}

size_t byteSize(uint32_t width, uint32_t height, int32_t format)
{
    return size_t(width) * size_t(bitsPerPixel(format) / 8) * size_t(height);
}

AVPixelBuffer* newRecord(uint8_t* data, uint32_t width, uint32_t height, int32_t format)
{
    auto* buffer = new (std::nothrow) AVPixelBuffer{width, height, format, data, nullptr};
    if (!buffer)
        return nullptr;
    buffer->mutex = avMutexCreate();
    return buffer;
}

} // namespace

AVPixelBuffer* avPixelBufferCreate(uint32_t width, uint32_t height, int32_t format)
{
    const size_t size = byteSize(width, height, format);
    uint8_t* data = nullptr;
    if (size > 0) {
        data = static_cast<uint8_t*>(std::calloc(size, 1));
        if (!data)
            return nullptr;
    }
    AVPixelBuffer* buffer = newRecord(data, width, height, format);
    if (!buffer)
        std::free(data);
    return buffer;
}

AVPixelBuffer* avPixelBufferWrap(uint8_t* data, uint32_t width, uint32_t height, int32_t format)
{
    if (!data)
        return nullptr;
    AVPixelBuffer* buffer = newRecord(data, width, height, format);
    if (!buffer)
        std::free(data); // ours from the call on, also when the record cannot be had
    return buffer;
}

void avPixelBufferFree(AVPixelBuffer* buffer)
{
    if (!buffer)
        return;
    avMutexFree(buffer->mutex);
    std::free(buffer->data);
    delete buffer;
}

uint32_t avPixelBufferWidth(const AVPixelBuffer* buffer)
{
    return buffer->width;
}

uint32_t avPixelBufferHeight(const AVPixelBuffer* buffer)
{
    return buffer->height;
}

int avPixelBufferBitsPerPixel(const AVPixelBuffer* buffer)
{
    return bitsPerPixel(buffer->format);
}

size_t avPixelBufferByteSize(const AVPixelBuffer* buffer)
{
    return byteSize(buffer->width, buffer->height, buffer->format);
}

void avPixelBufferCopyFrom(AVPixelBuffer* buffer, const void* source)
{
    const size_t size = avPixelBufferByteSize(buffer);
    if (size == 0 || !buffer->data || !source)
        return;
    avMutexLock(buffer->mutex);
    std::memcpy(buffer->data, source, size);
    avMutexUnlock(buffer->mutex);
}
