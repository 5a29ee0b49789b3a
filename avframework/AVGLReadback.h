#pragma once

#include <cstdint>

struct AVGLFramebuffer;

// Reads rendered pictures back as BGRA rows (framebuffer row 0 first,
// stride width x 4) through one pixel buffer object that is made once and
// kept while the size stays. The read is queued in the GL command stream,
// so the next picture may be drawn while this one is mapped and used: the
// GL waits only for the picture read, never for a later one. Works on the
// current engine context; free() must run on the context that made it.
class AVGLReadback {
public:
    AVGLReadback() = default;
    // The buffer is deleted only where a context is current (free() first).
    ~AVGLReadback();
    AVGLReadback(const AVGLReadback&) = delete;
    AVGLReadback& operator=(const AVGLReadback&) = delete;

    // Queues the read of the bound read framebuffer, at the size of the
    // given one, into the buffer; false when no context is current, the
    // buffer cannot be made, or a picture is still mapped.
    bool queue(const AVGLFramebuffer* framebuffer);
    // The queued picture's bytes, waiting for the read to end; null on
    // failure or when none is queued. Writable for in-place fixes before
    // use. Valid until unmap(); nothing may be queued meanwhile.
    uint8_t* map();
    void unmap();
    int32_t width() const { return _width; }
    int32_t height() const { return _height; }
    int32_t stride() const { return _width * 4; }
    // Deletes the buffer on the current context.
    void free();

private:
    uint32_t _buffer = 0;
    int32_t _width = 0;
    int32_t _height = 0;
    bool _queued = false;
    bool _mapped = false;
};
