#include "AVGLContext.h"

#include "AVGLRenderer.h"

#include <QDebug>
#include <QGuiApplication>
#include <QMutex>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions_3_2_Core>
#include <QPointer>
#include <QThread>

#include <memory>

thread_local std::atomic<QOpenGLFunctions_3_2_Core*> avCurrentGLFunctions{nullptr};

namespace {

// A frame of a long export may take a while, but no pass takes this long;
// a thread that waits longer skips its pass instead of hanging.
constexpr int kDrawingLockTimeoutMs = 5000;

// Drivers of the class we support give at least this much.
constexpr int kDefaultMaxTextureSize = 16384;
std::atomic<int> knownMaxTextureSize{kDefaultMaxTextureSize};

// Held from making a context current to releasing it, so that one drawing
// pass runs at a time.
QMutex drawingLock;
std::atomic<QThread*> drawingThread{nullptr};
// The slot made current by the pass under way; touched only by the thread
// holding drawingLock.
AVGLContextSlot* currentSlot = nullptr;

QPointer<QOpenGLContext> registeredShareContext;
QPointer<QOpenGLContext> plainShareContext;

bool onGuiThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

bool makeCurrent(AVGLContextSlot* slot)
{
    if (!slot || !slot->context || !slot->surface)
        return false;
    // The toolkit aborts the process on a context made current off the
    // thread it was moved to (the playback thread asking for the exporter's).
    if (slot->context->thread() != QThread::currentThread()) {
        qDebug() << "engine GL: the context belongs to another drawing thread";
        return false;
    }
    if (drawingThread.load() == QThread::currentThread()) {
        qDebug() << "engine GL: a drawing pass is already under way on this thread";
        return false;
    }
    if (!drawingLock.tryLock(kDrawingLockTimeoutMs)) {
        qDebug() << "engine GL: another drawing pass did not end in time";
        return false;
    }
    QOpenGLFunctions_3_2_Core* functions = nullptr;
    if (QOpenGLContext::currentContext() == slot->context || slot->context->makeCurrent(slot->surface)) {
        functions = slot->context->versionFunctions<QOpenGLFunctions_3_2_Core>();
        if (!functions || !functions->initializeOpenGLFunctions()) {
            functions = nullptr;
            slot->context->doneCurrent();
        }
    }
    if (!functions) {
        qDebug() << "engine GL: cannot make the context current";
        drawingLock.unlock();
        return false;
    }
    currentSlot = slot;
    drawingThread = QThread::currentThread();
    avCurrentGLFunctions = functions;
    return true;
}

void doneCurrent()
{
    if (drawingThread.load() != QThread::currentThread())
        return;
    avCurrentGLFunctions = nullptr;
    if (!currentSlot->keptCurrent)
        currentSlot->context->doneCurrent();
    currentSlot = nullptr;
    drawingThread = nullptr;
    drawingLock.unlock();
}

} // namespace

QSurfaceFormat avGLEngineFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(3, 2);
    format.setProfile(QSurfaceFormat::CoreProfile);
    return format;
}

void avGLSetShareContext(QOpenGLContext* context)
{
    registeredShareContext = context;
}

QOpenGLContext* avGLShareContext()
{
    if (registeredShareContext)
        return registeredShareContext;
    if (plainShareContext || !onGuiThread())
        return plainShareContext;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(avGLEngineFormat());
    if (!context->create()) {
        qDebug() << "engine GL: no OpenGL context can be created";
        delete context;
        return nullptr;
    }
    plainShareContext = context;
    return context;
}

bool avGLCreateOffscreenContext(AVGLContextSlot* slot, QThread* drawingThread)
{
    *slot = AVGLContextSlot();
    QOpenGLContext* share = avGLShareContext();
    if (!share)
        return false;
    auto surface = std::make_unique<QOffscreenSurface>();
    surface->setFormat(share->format());
    surface->create();
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(share->format());
    context->setShareContext(share);
    if (!surface->isValid() || !context->create()) {
        qDebug() << "engine GL: cannot create an offscreen context";
        return false;
    }
    context->moveToThread(drawingThread);
    slot->context = context.release();
    slot->surface = surface.release();
    return true;
}

AVGLRenderer* avGLSetUpDrawing(AVGLContextSlot* slot, AVGLOutputOwner* owner)
{
    if (!makeCurrent(slot))
        return nullptr;
    AVGLRenderer* renderer = AVGLRenderer::create(owner);
    doneCurrent();
    return renderer;
}

void avGLTearDownDrawing(AVGLContextSlot* slot, AVGLRenderer** renderer, AVGLReleaseFunction releaseResources,
                         void* releaseContext)
{
    // Without the context the GL names cannot be deleted, but the records
    // are still freed; the names go with the context.
    slot->keptCurrent = false;
    const bool current = makeCurrent(slot);
    if (current && releaseResources)
        releaseResources(releaseContext);
    AVGLRenderer::destroy(*renderer);
    *renderer = nullptr;
    if (current)
        doneCurrent();
}

void avGLContextRelease(AVGLContextSlot* slot)
{
    QThread* applicationThread = QCoreApplication::instance() ? QCoreApplication::instance()->thread() : nullptr;
    if (slot->context) {
        // Kept current by a thread whose tear-down did not get the drawing lock.
        if (QOpenGLContext::currentContext() == slot->context)
            slot->context->doneCurrent();
        if (applicationThread)
            slot->context->moveToThread(applicationThread);
        if (onGuiThread() || !applicationThread)
            delete slot->context;
        else
            slot->context->deleteLater();
    }
    if (slot->surface) {
        if (onGuiThread())
            delete slot->surface;
        else
            slot->surface->deleteLater();
    }
    *slot = AVGLContextSlot();
}

bool avGLBeginDrawing(const AVGLDrawingContexts* contexts)
{
    AVGLContextSlot* slot = contexts->exporter.load();
    if (!slot || !slot->context)
        slot = contexts->playback.load();
    return makeCurrent(slot);
}

void avGLEndDrawing()
{
    doneCurrent();
}

void avGLFlush(const AVGLContextSlot* holder, bool wait)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!holder || !gl)
        return;
    if (wait)
        gl->glFinish();
    else
        gl->glFlush();
}

int avGLMaxTextureSize()
{
    return knownMaxTextureSize;
}

void avGLSetMaxTextureSize(int size)
{
    if (size > 0)
        knownMaxTextureSize = size;
}
