#pragma once

#include "AVGLTexture.h"

#include <cstdint>

// A render target. The colour record is a texture (plain framebuffer) or, for
// a multisampled framebuffer, a record of the same layout whose name is a
// renderbuffer. All functions work on the current engine context.
struct AVGLFramebuffer {
    AVGLTexture* color;    // owned
    uint32_t framebuffer;  // GL framebuffer name
    uint32_t depth;        // depth texture name, 0 without one
};

// RGBA colour texture as GL_COLOR_ATTACHMENT0 and, with withDepth, a depth
// texture of the same size. Left bound. Null (nothing left allocated) when a
// record cannot be allocated or no engine context is current.
AVGLFramebuffer* avFramebufferCreate(int32_t width, int32_t height, bool withDepth);
// The same with a multisampled RGBA8 renderbuffer and a multisampled depth
// texture, at the most samples the driver allows for both. Left bound.
AVGLFramebuffer* avMultisampleFramebufferCreate(int32_t width, int32_t height, bool withDepth);

// Re-specify the storage at a new size (colour and depth alike), keeping the
// records and names; the framebuffer is left bound.
void avFramebufferResize(AVGLFramebuffer* framebuffer, int32_t width, int32_t height);
void avMultisampleFramebufferResize(AVGLFramebuffer* framebuffer, int32_t width, int32_t height);

// Delete every GL object of the framebuffer and free the records; null ignored.
void avFramebufferFree(AVGLFramebuffer* framebuffer);
void avMultisampleFramebufferFree(AVGLFramebuffer* framebuffer);

int32_t avTextureWidth(const AVGLFramebuffer* framebuffer);
int32_t avTextureHeight(const AVGLFramebuffer* framebuffer);

// Reads the bound read framebuffer's rectangle (0, 0, texture width, height)
// as BGRA bytes, rows in the order GL returns them (framebuffer row 0 first),
// into a new malloc'ed block the caller frees; stores width x 4 in *stride
// when given. Null (stride untouched) for an unnamed or empty texture.
uint8_t* avReadPixels(const AVGLTexture* texture, int32_t* stride);
