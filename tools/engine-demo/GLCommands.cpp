#include "DemoCommands.h"
#include "DemoDrawing.h"

#include "AVGLContext.h"
#include "AVGLFramebuffer.h"
#include "AVGLRenderer.h"
#include "AVImageServices.h"
#include "AVTrace.h"

#include <QImage>
#include <QOpenGLFunctions_3_2_Core>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

void printTrace(const char* line)
{
    std::printf("%s\n", line);
}

// The bytes read back from the fill, flipped into a picture with its top
// row first; the fill shows row 0 at the bottom, as the screen does.
QImage toPicture(uint8_t* pixels, int width, int height, int stride)
{
    const QImage drawn(pixels, width, height, stride, QImage::Format_ARGB32_Premultiplied, std::free, pixels);
    return drawn.mirrored(false, true);
}

} // namespace

int runGlInfo(const QStringList&)
{
    // The renderer reports its limits and the program build time as it is made.
    avSetTraceHook(printTrace);
    DemoDrawing drawing;
    avSetTraceHook(nullptr);
    if (!drawing.isDrawing())
        return 1;
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    GLint samples = 0;
    gl->glGetIntegerv(GL_MAX_SAMPLES, &samples);
    std::printf("Renderer: %s\n", reinterpret_cast<const char*>(gl->glGetString(GL_RENDERER)));
    std::printf("Max samples: %d\n", samples);
    std::printf("Fixed programs: %d\n", int(kAVFixedProgramCount));
    return 0;
}

int runFill(const QStringList& arguments)
{
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: engine-demo fill IN.png OUT.png\n");
        return 2;
    }
    int32_t rotation = 0;
    int32_t error = 0;
    AVPixelBuffer* picture = avReadImageFile(arguments.at(0).toUtf8().constData(), &rotation, &error, false);
    if (!picture) {
        std::fprintf(stderr, "engine-demo: cannot read %s (error %d)\n", qPrintable(arguments.at(0)), error);
        return 1;
    }
    const int width = int(picture->width);
    const int height = int(picture->height);
    DemoDrawing drawing;
    if (!drawing.isDrawing() || width > drawing.renderer()->maxTextureSize
        || height > drawing.renderer()->maxTextureSize) {
        if (drawing.isDrawing())
            std::fprintf(stderr, "engine-demo: %dx%d is larger than the largest texture\n", width, height);
        avPixelBufferFree(picture);
        return 1;
    }
    AVGLTexture* texture = avTextureCreateRGBA(width, height);
    avTextureUploadBGRA(texture, picture->data, width, height, false);
    avPixelBufferFree(picture);
    AVGLFramebuffer* framebuffer = avFramebufferCreate(width, height, false);
    AVGLRenderer::bindFramebuffer(drawing.renderer(), framebuffer);
    AVGLRenderer::clear(drawing.renderer(), 0, 0, 0, 0);
    AVGLRenderer::drawFill(drawing.renderer(), texture, width, height);
    int32_t stride = 0;
    uint8_t* pixels = avReadPixels(framebuffer->color, &stride);
    avFramebufferFree(framebuffer);
    avTextureFree(texture);
    if (!pixels || !toPicture(pixels, width, height, stride).save(arguments.at(1))) {
        std::fprintf(stderr, "engine-demo: cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    std::printf("filled %dx%d into %s\n", width, height, qPrintable(arguments.at(1)));
    return 0;
}
