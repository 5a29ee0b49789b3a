// Cost of building the renderer's fixed programs ("load programs time"),
// paid once for each drawing context: the preview's at start-up and the
// exporter's at the start of every export. Needs a display with OpenGL
// (run under xvfb-run for Mesa's software renderer).

#include "AVGLContext.h"
#include "AVGLRenderer.h"

#include <QGuiApplication>
#include <QOpenGLFunctions_3_2_Core>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

AVGLContextSlot slot;
AVGLDrawingContexts contexts;
AVGLRenderer* renderer = nullptr;

void BM_LoadPrograms(benchmark::State& state)
{
    for (auto _ : state) {
        if (AVGLRenderer::loadPrograms(renderer) != 1) {
            state.SkipWithError("a fixed program failed to build");
            break;
        }
        // Drivers may finish compiling lazily; wait for the work queued so far.
        avCurrentGLFunctions.load()->glFinish();
    }
}
BENCHMARK(BM_LoadPrograms)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "gl_renderer_bench needs a display with OpenGL (run it under xvfb-run)\n");
        return 1;
    }
    QGuiApplication app(argc, argv);
    if (!avGLCreateOffscreenContext(&slot, QThread::currentThread())) {
        std::fprintf(stderr, "gl_renderer_bench: no OpenGL 3.2 core context\n");
        return 1;
    }
    contexts.playback = &slot;
    renderer = avGLSetUpDrawing(&slot, nullptr);
    if (!renderer || !avGLBeginDrawing(&contexts))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    avGLEndDrawing();
    avGLTearDownDrawing(&slot, &renderer, nullptr, nullptr);
    avGLContextRelease(&slot);
    return 0;
}
