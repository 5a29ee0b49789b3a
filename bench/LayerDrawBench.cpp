// Time per frame of the layer pass: one 1920x1080 layer with a shadow
// blurred at sigma 8, an outline stroke and two colour effects, median of 50
// frames after warm-up, measured to glFinish. Run twice: a still picture
// (the stroke's distance field is kept) and a picture whose content changes
// every frame, as a video's does (the field is made again each frame).
// Also checks that no program is compiled after the first frame. Needs a
// display with OpenGL (run under xvfb-run for Mesa's software renderer).

#include "AVClock.h"
#include "AVGLContext.h"
#include "AVGLFramebuffer.h"
#include "AVGLRenderer.h"
#include "AVLayerDrawState.h"
#include "AVTrace.h"

#include <QGuiApplication>
#include <QImage>
#include <QOpenGLFunctions_3_2_Core>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kWarmUpFrames = 3;
constexpr int kMeasuredFrames = 50;

std::atomic<int> programBuilds{0};

// The renderer reports every program it builds as "load ... time".
void countBuilds(const char* line)
{
    if (std::strncmp(line, "load ", 5) == 0)
        ++programBuilds;
}

// A picture with transparent margins around an opaque rounded shape, so
// that the stroke has an outline to follow.
QImage layerPicture()
{
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, kWidth, kHeight);
    gradient.setColorAt(0, QColor(230, 80, 40));
    gradient.setColorAt(1, QColor(40, 120, 230));
    painter.setBrush(gradient);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(240, 160, kWidth - 480, kHeight - 320), 120, 120);
    return picture;
}

AVLayerDrawState benchState()
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.scaleX = state.scaleY = 0.9f;
    state.rotationZ = 0.1f;
    state.outlineIsStroke = 1;
    state.outlineWidth = 12.0f / kWidth;
    const float white[4] = {1, 1, 1, 1};
    std::copy(white, white + 4, state.outlineColor);
    state.shadowOpacity = 0.8f;
    state.shadowColor[3] = 1.0f;
    state.shadowOffsetX = state.shadowOffsetY = 30.0f;
    state.shadowBlur = 8.0f;
    state.effectSwitches.on[0] = 1;  // saturation
    state.effectParams.groups[0][0] = 1.4f;
    state.effectSwitches.on[2] = 1;  // contrast
    state.effectParams.groups[2][0] = 1.2f;
    return state;
}

double medianMs(std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    return 1000.0 * seconds[seconds.size() / 2];
}

// Draws the frames and prints the median; false when a program was built
// after the first frame.
bool measure(const char* name, AVGLRenderer* renderer, AVGLTexture* texture, AVGLFramebuffer* output,
             bool newContentEachFrame)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const AVLayerDrawState state = benchState();
    std::vector<double> times;
    int buildsAfterFirst = 0;
    for (int frame = 0; frame < kWarmUpFrames + kMeasuredFrames; ++frame) {
        const int before = programBuilds;
        const double start = avCurrentTimeSeconds();
        AVGLRenderer::bindFramebuffer(renderer, output);
        AVGLRenderer::clear(renderer, 0, 0, 0, 1);
        const int64_t stamp = newContentEachFrame ? frame + 1 : 1;
        AVGLRenderer::drawLayerTexture(renderer, 1, stamp, texture, 0, 0, &state, false);
        gl->glFinish();
        if (frame >= kWarmUpFrames)
            times.push_back(avCurrentTimeSeconds() - start);
        if (frame > 0)
            buildsAfterFirst += programBuilds - before;
    }
    std::printf("%-34s median %7.1f ms per frame (%d frames), programs built after the first frame: %d\n", name,
                medianMs(times), kMeasuredFrames, buildsAfterFirst);
    return buildsAfterFirst == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "layer_draw_bench needs a display with OpenGL (run it under xvfb-run)\n");
        return 1;
    }
    QGuiApplication app(argc, argv);
    AVGLContextSlot slot;
    AVGLDrawingContexts contexts;
    if (!avGLCreateOffscreenContext(&slot, QThread::currentThread())) {
        std::fprintf(stderr, "layer_draw_bench: no OpenGL 3.2 core context\n");
        return 1;
    }
    contexts.playback = &slot;
    AVGLRenderer* renderer = avGLSetUpDrawing(&slot, nullptr);
    if (!renderer || !avGLBeginDrawing(&contexts)) {
        std::fprintf(stderr, "layer_draw_bench: the renderer could not be set up\n");
        avGLTearDownDrawing(&slot, &renderer, nullptr, nullptr);
        avGLContextRelease(&slot);
        return 1;
    }
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(avCurrentGLFunctions.load()->glGetString(GL_RENDERER)));
    avSetTraceHook(countBuilds);
    const QImage picture = layerPicture();
    AVGLTexture* texture = avTextureCreateRGBA(kWidth, kHeight);
    avTextureUploadBGRA(texture, picture.constBits(), kWidth, kHeight, false);
    AVGLFramebuffer* output = avFramebufferCreate(kWidth, kHeight, false);
    bool ok = measure("still picture", renderer, texture, output, false);
    ok = measure("new content every frame", renderer, texture, output, true) && ok;
    avSetTraceHook(nullptr);
    avFramebufferFree(output);
    avTextureFree(texture);
    avGLEndDrawing();
    avGLTearDownDrawing(&slot, &renderer, nullptr, nullptr);
    avGLContextRelease(&slot);
    return ok ? 0 : 1;
}
