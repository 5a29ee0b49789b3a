#pragma once

// Shared by the commands: an engine drawing context and option reading.

#include "AVGLContext.h"

#include <QString>
#include <QStringList>

struct AVGLRenderer;

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

// The argument after the option name, or fallback without one.
QString optionText(const QStringList& arguments, const QString& name, const QString& fallback);
