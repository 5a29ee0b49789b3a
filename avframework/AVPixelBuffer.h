#pragma once

#include "AVSync.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// A picture handed between the engine and the interface: rows top to bottom,
// each directly after the previous one. Format 1 (the only one produced) is
// four bytes per pixel in the order blue, green, red, alpha, premultiplied.
struct AVPixelBuffer {
    uint32_t width;
    uint32_t height;
    int32_t format;
    uint8_t* data;   // owned, allocated from the C heap
    AVMutex* mutex;  // owned; held while the pixels are replaced
};

enum AVPixelBufferFormat : int32_t {
    AVPixelFormatBGRA32 = 1,
    AVPixelFormatRGB24 = 2,
    AVPixelFormatRGB16 = 3,
};

// Zero-filled buffer; null when memory cannot be had (nothing stays allocated).
AVPixelBuffer* avPixelBufferCreate(uint32_t width, uint32_t height, int32_t format);
// Takes ownership of malloc'ed bytes, freeing them when it fails; null when
// data is null or memory cannot be had.
AVPixelBuffer* avPixelBufferWrap(uint8_t* data, uint32_t width, uint32_t height, int32_t format);
void avPixelBufferFree(AVPixelBuffer* buffer);

// A buffer the holder owns, freed with avPixelBufferFree.
struct AVPixelBufferDeleter {
    void operator()(AVPixelBuffer* buffer) const { avPixelBufferFree(buffer); }
};
using AVPixelBufferPtr = std::unique_ptr<AVPixelBuffer, AVPixelBufferDeleter>;

uint32_t avPixelBufferWidth(const AVPixelBuffer* buffer);
uint32_t avPixelBufferHeight(const AVPixelBuffer* buffer);
int avPixelBufferBitsPerPixel(const AVPixelBuffer* buffer);
// width x bytes per pixel x height, in 64 bits.
size_t avPixelBufferByteSize(const AVPixelBuffer* buffer);
// Copies the buffer's byte size from source under the buffer's mutex.
void avPixelBufferCopyFrom(AVPixelBuffer* buffer, const void* source);
