#include "AVGLReadback.h"

#include "AVGLContext.h"
#include "AVGLFramebuffer.h"

#include <QOpenGLFunctions_3_2_Core>

AVGLReadback::~AVGLReadback()
{
    free();
}

bool AVGLReadback::queue(const AVGLFramebuffer* framebuffer)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const AVGLTexture* color = framebuffer ? framebuffer->color : nullptr;
    if (!gl || _mapped || !color || color->width <= 0 || color->height <= 0)
        return false;
    const auto bytes = GLsizeiptr(color->width) * GLsizeiptr(color->height) * 4;
    if (!_buffer)
        gl->glGenBuffers(1, &_buffer);
    if (!_buffer)
        return false;
    gl->glBindBuffer(GL_PIXEL_PACK_BUFFER, _buffer);
    if (color->width != _width || color->height != _height) {
        // GL_STREAM_READ: written by the GL once, read by us once.
        gl->glBufferData(GL_PIXEL_PACK_BUFFER, bytes, nullptr, GL_STREAM_READ);
        _width = color->width;
        _height = color->height;
    }
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gl->glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    gl->glReadPixels(0, 0, _width, _height, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    // Unbound at once: any other read on this context goes to client memory.
    gl->glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    // Sent off now, so that the read does not wait behind what is drawn next.
    gl->glFlush();
    _queued = true;
    return true;
}

uint8_t* AVGLReadback::map()
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !_queued || _mapped)
        return nullptr;
    gl->glBindBuffer(GL_PIXEL_PACK_BUFFER, _buffer);
    void* bytes = gl->glMapBufferRange(GL_PIXEL_PACK_BUFFER, 0, GLsizeiptr(stride()) * _height,
                                       GL_MAP_READ_BIT | GL_MAP_WRITE_BIT);
    gl->glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    _mapped = bytes != nullptr;
    return static_cast<uint8_t*>(bytes);
}

void AVGLReadback::unmap()
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !_mapped)
        return;
    gl->glBindBuffer(GL_PIXEL_PACK_BUFFER, _buffer);
    gl->glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
    gl->glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    _mapped = false;
    _queued = false;
}

void AVGLReadback::free()
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !_buffer)
        return;
    unmap();
    gl->glDeleteBuffers(1, &_buffer);
    _buffer = 0;
    _width = 0;
    _height = 0;
    _queued = false;
}
