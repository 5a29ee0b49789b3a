#pragma once

#include <atomic>

#include <QSurfaceFormat>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFunctions_3_2_Core;
class QThread;
struct AVGLRenderer;
class AVGLOutputOwner;

// The engine's offscreen OpenGL contexts. Each drawing thread (the playback
// driver's video thread, the exporter's thread) draws with a context of its
// own that shares objects with the preview's. Contexts are made current only
// through the functions below, which let one drawing pass run at a time.

// The OpenGL 3.2 core functions of the engine context current for drawing:
// set right after a context is made current, cleared before it is released,
// null at all other times. Every engine GL call goes through it. Only one
// pass draws at a time, but each thread sees its own value: a thread outside
// the pass sees null and so never calls into a context current elsewhere.
extern thread_local std::atomic<QOpenGLFunctions_3_2_Core*> avCurrentGLFunctions;

// A drawing thread's context and the surface it is made current on; both
// owned by the slot's holder (playback driver or exporter).
struct AVGLContextSlot {
    QOpenGLContext* context = nullptr;
    QOffscreenSurface* surface = nullptr;
    // Left current on its drawing thread between passes, which then only
    // take the drawing lock; released by the tear-down. For a thread that
    // draws on no other context.
    bool keptCurrent = false;
};

// The contexts a drawing pass chooses from: the exporter's while an export is
// attached, else the playback driver's. The GUI thread changes the links
// while drawing threads read them.
struct AVGLDrawingContexts {
    std::atomic<AVGLContextSlot*> playback{nullptr};
    std::atomic<AVGLContextSlot*> exporter{nullptr};
};

// OpenGL 3.2 core: the format of every engine context and of the preview.
QSurfaceFormat avGLEngineFormat();

// The preview surface registers its context (null when it goes away); the
// engine's contexts share objects with it. GUI thread.
void avGLSetShareContext(QOpenGLContext* context);
// The registered preview context, or, where there is no preview (tools,
// tests), a plain OpenGL 3.2 core context made on first use and owned by the
// application. Null when no context can be created. GUI thread.
QOpenGLContext* avGLShareContext();

// On the GUI thread: creates the slot's context, sharing with
// avGLShareContext() in its format, and an offscreen surface, and moves the
// context to the drawing thread. False (slot left empty) when the platform
// gives no context.
bool avGLCreateOffscreenContext(AVGLContextSlot* slot, QThread* drawingThread);

// First thing on the drawing thread: makes the slot current, creates the
// renderer for the output owner (may be null) and releases the context.
// Null when the context cannot be made current or the renderer not built.
AVGLRenderer* avGLSetUpDrawing(AVGLContextSlot* slot, AVGLOutputOwner* owner);

// Last thing on the drawing thread: makes the slot current, lets the caller
// free its GL objects (releaseResources, may be null), destroys the renderer,
// releases the context and clears *renderer.
using AVGLReleaseFunction = void (*)(void* context);
void avGLTearDownDrawing(AVGLContextSlot* slot, AVGLRenderer** renderer, AVGLReleaseFunction releaseResources,
                         void* releaseContext);

// Moves the context back to the application's thread and deletes it there,
// deletes the surface on the GUI thread and clears the slot. Called on the
// thread the context lives in.
void avGLContextRelease(AVGLContextSlot* slot);

// Around each drawing pass: makes the exporter's context current when one is
// attached, otherwise the playback driver's, and sets avCurrentGLFunctions.
// Waits at most a few seconds for another thread's pass to end; false (and
// nothing current) when that time runs out, when this thread already draws,
// when the chosen context belongs to another thread (the playback thread
// while an export is attached) or when it cannot be made current. Every true
// is paired with avGLEndDrawing on the same thread.
bool avGLBeginDrawing(const AVGLDrawingContexts* contexts);
// Clears avCurrentGLFunctions and releases the context the pass made
// current; does nothing on a thread that is not drawing.
void avGLEndDrawing();

// glFinish (wait) or glFlush on the current engine context; nothing without
// a holder or outside a drawing pass.
void avGLFlush(const AVGLContextSlot* holder, bool wait);

// The maximum texture size of the engine's GL contexts: the largest that
// drivers give until a renderer has queried the real one.
int avGLMaxTextureSize();
void avGLSetMaxTextureSize(int size);
