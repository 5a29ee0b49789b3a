#include "AVGLFramebuffer.h"

#include "AVGLContext.h"

#include <QOpenGLFunctions_3_2_Core>

#include <algorithm>
#include <cstdlib>

namespace {

AVGLFramebuffer* newRecords(int32_t width, int32_t height)
{
    auto* framebuffer = static_cast<AVGLFramebuffer*>(std::calloc(1, sizeof(AVGLFramebuffer)));
    auto* color = static_cast<AVGLTexture*>(std::calloc(1, sizeof(AVGLTexture)));
    if (!framebuffer || !color) {
        std::free(framebuffer);
        std::free(color);
        return nullptr;
    }
    color->width = width;
    color->height = height;
    color->target = GL_TEXTURE_2D;
    color->format = AVTextureFormatRGBA;
    framebuffer->color = color;
    return framebuffer;
}

// Names the texture if needed and gives it linear, edge-clamped storage.
void specifyTexture(QOpenGLFunctions_3_2_Core* gl, GLuint* name, GLint internalFormat, GLenum format,
                    int32_t width, int32_t height)
{
    if (*name == 0)
        gl->glGenTextures(1, name);
    gl->glBindTexture(GL_TEXTURE_2D, *name);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE, nullptr);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
}

void specifyColorTexture(QOpenGLFunctions_3_2_Core* gl, AVGLTexture* color)
{
    specifyTexture(gl, &color->name, GL_RGBA8, GL_RGBA, color->width, color->height);
}

void specifyDepthTexture(QOpenGLFunctions_3_2_Core* gl, GLuint* depth, int32_t width, int32_t height)
{
    specifyTexture(gl, depth, GL_DEPTH_COMPONENT, GL_DEPTH_COMPONENT, width, height);
}

// Colour renderbuffer and depth texture must agree on the sample count for
// the framebuffer to be complete, so take the most both allow.
GLsizei sampleCount(QOpenGLFunctions_3_2_Core* gl)
{
    GLint maxSamples = 1;
    GLint maxDepthSamples = 1;
    gl->glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    gl->glGetIntegerv(GL_MAX_DEPTH_TEXTURE_SAMPLES, &maxDepthSamples);
    return std::max(1, std::min(maxSamples, maxDepthSamples));
}

void specifyMultisampleColor(QOpenGLFunctions_3_2_Core* gl, AVGLTexture* color)
{
    if (color->name == 0)
        gl->glGenRenderbuffers(1, &color->name);
    gl->glBindRenderbuffer(GL_RENDERBUFFER, color->name);
    gl->glRenderbufferStorageMultisample(GL_RENDERBUFFER, sampleCount(gl), GL_RGBA8, color->width, color->height);
    gl->glBindRenderbuffer(GL_RENDERBUFFER, 0);
}

void specifyMultisampleDepth(QOpenGLFunctions_3_2_Core* gl, GLuint* depth, int32_t width, int32_t height)
{
    if (*depth == 0)
        gl->glGenTextures(1, depth);
    gl->glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, *depth);
    gl->glTexImage2DMultisample(GL_TEXTURE_2D_MULTISAMPLE, sampleCount(gl), GL_DEPTH_COMPONENT, width, height,
                                GL_TRUE);
    gl->glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, 0);
}

void bindFramebufferName(QOpenGLFunctions_3_2_Core* gl, AVGLFramebuffer* framebuffer)
{
    if (framebuffer->framebuffer == 0)
        gl->glGenFramebuffers(1, &framebuffer->framebuffer);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer->framebuffer);
}

void attachPlain(QOpenGLFunctions_3_2_Core* gl, AVGLFramebuffer* framebuffer)
{
    gl->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, framebuffer->color->name, 0);
    if (framebuffer->depth != 0)
        gl->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, framebuffer->depth, 0);
}

void attachMultisample(QOpenGLFunctions_3_2_Core* gl, AVGLFramebuffer* framebuffer)
{
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, framebuffer->color->name);
    if (framebuffer->depth != 0)
        gl->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D_MULTISAMPLE,
                                   framebuffer->depth, 0);
}

void deleteObjects(QOpenGLFunctions_3_2_Core* gl, AVGLFramebuffer* framebuffer, bool multisample)
{
    if (framebuffer->color->name != 0) {
        if (multisample)
            gl->glDeleteRenderbuffers(1, &framebuffer->color->name);
        else
            gl->glDeleteTextures(1, &framebuffer->color->name);
    }
    if (framebuffer->depth != 0)
        gl->glDeleteTextures(1, &framebuffer->depth);
    if (framebuffer->framebuffer != 0)
        gl->glDeleteFramebuffers(1, &framebuffer->framebuffer);
}

void freeFramebuffer(AVGLFramebuffer* framebuffer, bool multisample)
{
    if (!framebuffer)
        return;
    if (QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions)
        deleteObjects(gl, framebuffer, multisample);
    std::free(framebuffer->color);
    std::free(framebuffer);
}

bool sizeDiffers(const AVGLFramebuffer* framebuffer, int32_t width, int32_t height)
{
    return framebuffer->color->width != width || framebuffer->color->height != height;
}

// How a kind of framebuffer gives storage to its colour and depth and
// attaches them.
struct FramebufferKind {
    void (*specifyColor)(QOpenGLFunctions_3_2_Core*, AVGLTexture*);
    void (*specifyDepth)(QOpenGLFunctions_3_2_Core*, GLuint*, int32_t, int32_t);
    void (*attach)(QOpenGLFunctions_3_2_Core*, AVGLFramebuffer*);
};

const FramebufferKind kPlain = {specifyColorTexture, specifyDepthTexture, attachPlain};
const FramebufferKind kMultisample = {specifyMultisampleColor, specifyMultisampleDepth, attachMultisample};

AVGLFramebuffer* createFramebuffer(int32_t width, int32_t height, bool withDepth, const FramebufferKind& kind)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    AVGLFramebuffer* framebuffer = gl ? newRecords(width, height) : nullptr;
    if (!framebuffer)
        return nullptr;
    kind.specifyColor(gl, framebuffer->color);
    if (withDepth)
        kind.specifyDepth(gl, &framebuffer->depth, width, height);
    bindFramebufferName(gl, framebuffer);
    kind.attach(gl, framebuffer);
    return framebuffer;
}

void resizeFramebuffer(AVGLFramebuffer* framebuffer, int32_t width, int32_t height, const FramebufferKind& kind)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !framebuffer)
        return;
    if (sizeDiffers(framebuffer, width, height) || framebuffer->color->name == 0) {
        framebuffer->color->width = width;
        framebuffer->color->height = height;
        kind.specifyColor(gl, framebuffer->color);
        // A depth attachment left at the old size would make the framebuffer
        // incomplete (or clip drawing to the smaller of the two).
        if (framebuffer->depth != 0)
            kind.specifyDepth(gl, &framebuffer->depth, width, height);
    }
    bindFramebufferName(gl, framebuffer);
    kind.attach(gl, framebuffer);
}

} // namespace

AVGLFramebuffer* avFramebufferCreate(int32_t width, int32_t height, bool withDepth)
{
    return createFramebuffer(width, height, withDepth, kPlain);
}

AVGLFramebuffer* avMultisampleFramebufferCreate(int32_t width, int32_t height, bool withDepth)
{
    return createFramebuffer(width, height, withDepth, kMultisample);
}

void avFramebufferResize(AVGLFramebuffer* framebuffer, int32_t width, int32_t height)
{
    resizeFramebuffer(framebuffer, width, height, kPlain);
}

void avMultisampleFramebufferResize(AVGLFramebuffer* framebuffer, int32_t width, int32_t height)
{
    resizeFramebuffer(framebuffer, width, height, kMultisample);
}

void avFramebufferFree(AVGLFramebuffer* framebuffer)
{
    freeFramebuffer(framebuffer, false);
}

void avMultisampleFramebufferFree(AVGLFramebuffer* framebuffer)
{
    freeFramebuffer(framebuffer, true);
}

int32_t avTextureWidth(const AVGLFramebuffer* framebuffer)
{
    return framebuffer->color->width;
}

int32_t avTextureHeight(const AVGLFramebuffer* framebuffer)
{
    return framebuffer->color->height;
}

uint8_t* avReadPixels(const AVGLTexture* texture, int32_t* stride)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture || texture->name == 0 || texture->width <= 0 || texture->height <= 0)
        return nullptr;
    const size_t rowBytes = size_t(texture->width) * 4;
    auto* pixels = static_cast<uint8_t*>(std::malloc(rowBytes * size_t(texture->height)));
    if (!pixels)
        return nullptr;
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gl->glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    gl->glReadPixels(0, 0, texture->width, texture->height, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
    if (stride)
        *stride = int32_t(rowBytes);
    return pixels;
}
