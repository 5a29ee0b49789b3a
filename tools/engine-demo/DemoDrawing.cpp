#include "DemoDrawing.h"

#include "AVGLRenderer.h"

#include <QThread>

#include <cstdio>

DemoDrawing::DemoDrawing()
{
    if (!avGLCreateOffscreenContext(&_slot, QThread::currentThread())) {
        std::fprintf(stderr, "engine-demo: no OpenGL 3.2 core context on this display\n");
        return;
    }
    _contexts.playback = &_slot;
    _renderer = avGLSetUpDrawing(&_slot, nullptr);
    if (!_renderer)
        std::fprintf(stderr, "engine-demo: the renderer's programs could not be built\n");
    else if (!avGLBeginDrawing(&_contexts))
        std::fprintf(stderr, "engine-demo: the engine context cannot be made current\n");
    else
        _drawing = true;
}

DemoDrawing::~DemoDrawing()
{
    if (_drawing)
        avGLEndDrawing();
    if (_renderer)
        avGLTearDownDrawing(&_slot, &_renderer, nullptr, nullptr);
    avGLContextRelease(&_slot);
}
