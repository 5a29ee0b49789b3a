#pragma once

#include "AVGLContext.h"

// An engine context on this thread with its renderer, current while the
// object lives. Reports on standard error when the platform gives none.
class DemoDrawing {
public:
    DemoDrawing();
    ~DemoDrawing();
    DemoDrawing(const DemoDrawing&) = delete;
    DemoDrawing& operator=(const DemoDrawing&) = delete;

    bool isDrawing() const { return _drawing; }
    AVGLRenderer* renderer() const { return _renderer; }

private:
    AVGLContextSlot _slot;
    AVGLDrawingContexts _contexts;
    AVGLRenderer* _renderer = nullptr;
    bool _drawing = false;
};
