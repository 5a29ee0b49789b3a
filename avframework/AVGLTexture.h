#pragma once

#include <cstdint>

// What a texture holds; the renderer chooses its program by it.
enum AVTextureFormat : uint32_t {
    AVTextureFormatRGBA = 0,       // premultiplied RGBA, uploaded from BGRA bytes
    AVTextureFormatYUV420 = 1,     // one 8-bit plane of planar Y'CbCr 4:2:0
    AVTextureFormatUYVY422 = 2,    // packed UYVY 4:2:2: half width, one texel = U, Y0, V, Y1
    AVTextureFormatNV12 = 3,       // 8-bit Y plane, or the interleaved half-size CbCr plane
    AVTextureFormatP010 = 7,       // 16-bit Y plane, or the interleaved half-size CbCr plane
    AVTextureFormatYUV420P16 = 8,  // one 16-bit plane of planar Y'CbCr 4:2:0
};

// One GL texture: a picture or one plane of it. width and height are the
// picture's, also for storages of half width or half size.
struct AVGLTexture {
    int32_t width;
    int32_t height;
    uint32_t target;  // always GL_TEXTURE_2D
    uint32_t name;    // 0 when none
    uint32_t format;  // AVTextureFormat
    // Video planes: hundreds digit 1 for the BT.601 matrix (else BT.709),
    // tens digit 1 for full colour range, units digit the transfer (1 SMPTE
    // ST 2084, 2 ARIB STD-B67, 0 other). 0 for pictures.
    uint32_t colorParameter;
};

// Every function here works on the current engine context (avCurrentGLFunctions)
// and leaves no texture bound. Create functions return null when the record
// cannot be allocated or no engine context is current. Filters are linear,
// wrapping clamps to the edge.

AVGLTexture* avTextureCreateRGBA(int32_t width, int32_t height);
// Single channel, 8 or 16 bits, width x height, with the given format code.
AVGLTexture* avTextureCreateR8(int32_t width, int32_t height, uint32_t format);
AVGLTexture* avTextureCreateR16(int32_t width, int32_t height, uint32_t format);
// Two channels of half width and half height, rounded up: NV12 and P010 chroma.
AVGLTexture* avTextureCreateRG8Half(int32_t width, int32_t height);
AVGLTexture* avTextureCreateRG16Half(int32_t width, int32_t height);
// RGBA of half width (rounded up) x height for packed 4:2:2.
AVGLTexture* avTextureCreatePacked422(int32_t width, int32_t height);

// Replace the whole content with rows first row first (a picture's top row
// goes to texture row 0): tightly packed, or pitch bytes apart when pitch is
// above 0, so that only the visible part of a decoder's padded rows is
// taken. The storage keeps the size it was created with; null data or a
// size below 1 does nothing.
void avTextureUploadBGRA(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps);
void avTextureUploadR8(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                       uint32_t colorParameter, int32_t pitch = 0);
void avTextureUploadR16(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                        uint32_t colorParameter, int32_t pitch = 0);
void avTextureUploadRG8Half(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                            int32_t pitch = 0);
void avTextureUploadRG16Half(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                             int32_t pitch = 0);
void avTextureUploadPacked422(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                              uint32_t colorParameter, int32_t pitch = 0);

// Both wrap modes to GL_REPEAT (tiled patterns).
void avTextureSetRepeat(AVGLTexture* texture);
uint32_t avTextureFormat(const AVGLTexture* texture);
// Deletes the GL texture (when named) and frees the record; null ignored.
void avTextureFree(AVGLTexture* texture);
