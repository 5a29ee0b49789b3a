#include "AVGLTexture.h"

#include "AVGLContext.h"

#include <QOpenGLFunctions_3_2_Core>

#include <cstdlib>

namespace {

// How a kind of texture is stored and filled: the GL storage, the layout of
// uploaded rows, and how the stored size divides the picture's. Divided sizes
// round up, as decoders lay out the chroma of odd sizes: a picture 427 wide
// has 214 chroma samples a row, and taking 213 would shear every row.
struct TextureLayout {
    GLint internalFormat;
    GLenum uploadFormat;
    GLenum uploadType;
    int widthDivisor;
    int heightDivisor;
    int texelBytes;
};

const TextureLayout kBGRA = {GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, 1, 1, 4};
const TextureLayout kR8 = {GL_R8, GL_RED, GL_UNSIGNED_BYTE, 1, 1, 1};
const TextureLayout kR16 = {GL_R16, GL_RED, GL_UNSIGNED_SHORT, 1, 1, 2};
const TextureLayout kRG8Half = {GL_RG8, GL_RG, GL_UNSIGNED_BYTE, 2, 2, 2};
const TextureLayout kRG16Half = {GL_RG16, GL_RG, GL_UNSIGNED_SHORT, 2, 2, 4};
const TextureLayout kPacked422 = {GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, 2, 1, 4};

int32_t storedSize(int32_t size, int divisor)
{
    return (size + divisor - 1) / divisor;
}

void setFilters(QOpenGLFunctions_3_2_Core* gl, bool mipmaps)
{
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

// Names the texture and gives it storage for its recorded picture size; the
// texture stays bound.
void specifyStorage(QOpenGLFunctions_3_2_Core* gl, AVGLTexture* texture, const TextureLayout& layout)
{
    if (texture->name == 0)
        gl->glGenTextures(1, &texture->name);
    gl->glBindTexture(GL_TEXTURE_2D, texture->name);
    setFilters(gl, false);
    // The storage's own upload format: any valid pairing does for no data.
    const GLenum format = layout.uploadFormat == GL_BGRA ? GL_RGBA : layout.uploadFormat;
    gl->glTexImage2D(GL_TEXTURE_2D, 0, layout.internalFormat, storedSize(texture->width, layout.widthDivisor),
                     storedSize(texture->height, layout.heightDivisor), 0, format, layout.uploadType, nullptr);
}

AVGLTexture* createTexture(int32_t width, int32_t height, uint32_t format, const TextureLayout& layout)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return nullptr;
    auto* texture = static_cast<AVGLTexture*>(std::calloc(1, sizeof(AVGLTexture)));
    if (!texture)
        return nullptr;
    texture->width = width;
    texture->height = height;
    texture->target = GL_TEXTURE_2D;
    texture->format = format;
    specifyStorage(gl, texture, layout);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

// False, and nothing changed, without a context, texture, data or size.
// pitch: bytes from one source row to the next, 0 for tightly packed rows.
bool upload(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
            const TextureLayout& layout, int32_t pitch = 0)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture || !data || width < 1 || height < 1)
        return false;
    texture->width = width;
    texture->height = height;
    if (texture->name == 0)
        specifyStorage(gl, texture, layout);
    gl->glBindTexture(GL_TEXTURE_2D, texture->name);
    setFilters(gl, mipmaps);
    // Row starts are given exactly (packed, or by the pitch): odd widths of
    // one- and two-byte texels would otherwise be read with padding.
    gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl->glPixelStorei(GL_UNPACK_ROW_LENGTH, pitch > 0 ? pitch / layout.texelBytes : 0);
    gl->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, storedSize(width, layout.widthDivisor),
                        storedSize(height, layout.heightDivisor),
                        layout.uploadFormat, layout.uploadType, data);
    gl->glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    if (mipmaps)
        gl->glGenerateMipmap(GL_TEXTURE_2D);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    return true;
}

} // namespace

AVGLTexture* avTextureCreateRGBA(int32_t width, int32_t height)
{
    return createTexture(width, height, AVTextureFormatRGBA, kBGRA);
}

AVGLTexture* avTextureCreateR8(int32_t width, int32_t height, uint32_t format)
{
    return createTexture(width, height, format, kR8);
}

AVGLTexture* avTextureCreateR16(int32_t width, int32_t height, uint32_t format)
{
    return createTexture(width, height, format, kR16);
}

AVGLTexture* avTextureCreateRG8Half(int32_t width, int32_t height)
{
    return createTexture(width, height, AVTextureFormatNV12, kRG8Half);
}

AVGLTexture* avTextureCreateRG16Half(int32_t width, int32_t height)
{
    return createTexture(width, height, AVTextureFormatP010, kRG16Half);
}

AVGLTexture* avTextureCreatePacked422(int32_t width, int32_t height)
{
    return createTexture(width, height, AVTextureFormatUYVY422, kPacked422);
}

void avTextureUploadBGRA(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps)
{
    upload(texture, data, width, height, mipmaps, kBGRA);
}

void avTextureUploadR8(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                       uint32_t colorParameter, int32_t pitch)
{
    if (upload(texture, data, width, height, mipmaps, kR8, pitch))
        texture->colorParameter = colorParameter;
}

void avTextureUploadR16(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                        uint32_t colorParameter, int32_t pitch)
{
    if (upload(texture, data, width, height, mipmaps, kR16, pitch))
        texture->colorParameter = colorParameter;
}

void avTextureUploadRG8Half(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                            int32_t pitch)
{
    upload(texture, data, width, height, mipmaps, kRG8Half, pitch);
}

void avTextureUploadRG16Half(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                             int32_t pitch)
{
    upload(texture, data, width, height, mipmaps, kRG16Half, pitch);
}

void avTextureUploadPacked422(AVGLTexture* texture, const void* data, int32_t width, int32_t height, bool mipmaps,
                              uint32_t colorParameter, int32_t pitch)
{
    if (upload(texture, data, width, height, mipmaps, kPacked422, pitch))
        texture->colorParameter = colorParameter;
}

void avTextureSetRepeat(AVGLTexture* texture)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture || texture->name == 0)
        return;
    gl->glBindTexture(GL_TEXTURE_2D, texture->name);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
}

uint32_t avTextureFormat(const AVGLTexture* texture)
{
    return texture->format;
}

void avTextureFree(AVGLTexture* texture)
{
    if (!texture)
        return;
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (gl && texture->name != 0)
        gl->glDeleteTextures(1, &texture->name);
    std::free(texture);
}
