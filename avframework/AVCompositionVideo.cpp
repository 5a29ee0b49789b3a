// The composition's picture: one drawing pass draws the visible layers of a
// time into the multisample target, resolves it into the draw target and,
// double-buffered, exchanges that with the front target the preview reads.

#include "AVComposition.h"

#include "AVGLContext.h"
#include "AVGLFramebuffer.h"
#include "AVGLRenderer.h"
#include "AVLayerSegment.h"
#include "AVSoundSegment.h"
#include "AVTrace.h"
#include "AVVideoSegment.h"

#include <QMutex>
#include <QMutexLocker>
#include <QOpenGLFunctions_3_2_Core>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A layer is woken this long before its start: its stream needs the time
// to decode its first frame.
constexpr double kPlayLeadSeconds = 1.0;
constexpr double kExportLeadSeconds = 0.1;

constexpr float kDegreesToRadians = 3.1415927f / 180.0f;

void copyColour(float* to, const AVVec4& colour, int count)
{
    const float values[4] = {colour.x, colour.y, colour.z, colour.w};
    std::copy(values, values + count, to);
}

} // namespace

AVLayerDrawState AVComposition::layerTransform(AVLayerSegment* layer) const
{
    const AVAnimatedValues values = layer->current();
    const AVLayerStyle style = layer->style();
    const auto canvasWidth = float(width());
    AVLayerDrawState state = avLayerDrawStateNeutral(layer->pictureRotation());
    state.positionX = values.position.x;
    state.positionY = values.position.y;
    state.anchorX = values.anchor.x;
    state.anchorY = values.anchor.y;
    state.scaleX = values.scale.x;
    state.scaleY = values.scale.y;
    state.opacity = 1.0f - values.transparency;
    state.rotationZ = values.rotation * kDegreesToRadians;
    state.rotationX = values.rotationX * kDegreesToRadians;
    state.rotationY = values.rotationY * kDegreesToRadians;
    if (style.perspective) {
        for (int corner = 0; corner < kAVCornerCount; ++corner) {
            state.cornerOffsets[2 * corner] = values.pointOffset[corner].x;
            state.cornerOffsets[2 * corner + 1] = values.pointOffset[corner].y;
        }
    }
    state.outlineWidth = style.borderWidth;
    if (style.borderWidth > 0) {
        copyColour(state.outlineColor, style.borderColor, 4);
        state.outlineIsStroke = style.borderStroke;
        if (style.borderStroke) {
            state.strokeTolerance = float(style.strokeTolerance) / 100;
            state.strokeStrength = float(style.strokeStrength) / 100;
        }
    }
    state.cornerRadius = style.cornerRadius * canvasWidth;
    state.shadowOpacity = style.shadowOpacity;
    state.shadowOffsetX = style.shadowOffset.x * canvasWidth;
    state.shadowOffsetY = style.shadowOffset.y * canvasWidth;
    copyColour(state.shadowColor, style.shadowColor, 4);
    state.shadowBlur = std::floor(style.shadowRadius * canvasWidth + 0.5f);
    state.crop[0] = values.cropTopLeft.x;
    state.crop[1] = values.cropTopLeft.y;
    state.crop[2] = values.cropBottomRight.x;
    state.crop[3] = values.cropBottomRight.y;
    std::copy(values.feathering, values.feathering + kAVFeatheringCount, state.feathering);
    if (style.chromaKeyEnabled) {
        state.chromaThreshold = float(style.chromaKeySensitivity) / 100;
        if (state.chromaThreshold > 0) {
            state.chromaSmoothing = float(style.chromaKeySmoothing) / 100;
            copyColour(state.chromaColor, style.chromaKeyColor, 3);
        }
    }
    avApplyColourAdjustments(&state, values.effectColor);
    return state;
}

void AVComposition::drawLayer(AVVideoSegment* layer, const AVLayerDrawState& state)
{
    AVGLRenderer* renderer = _renderer.load();
    if (!renderer || !layer->texture())
        return;
    const int64_t stamp = int64_t(layer->changeTime());
    const int pictureWidth = int(layer->imageWidth());
    const int pictureHeight = int(layer->imageHeight());
    // The textures hold the coded picture, the layer's picture size is its
    // display size: with non-square pixels the whole texture stands for a
    // wider or narrower picture, as a half-size chroma plane stands for the
    // full one.
    AVGLTexture shown = *layer->texture();
    if (pictureWidth > 0 && pictureHeight > 0) {
        shown.width = pictureWidth;
        shown.height = pictureHeight;
    }
    const AVGLTexture* texture = &shown;
    AVGLTexture* second = layer->secondPlane();
    AVGLTexture* third = layer->thirdPlane();
    switch (texture->format) {
    case AVTextureFormatYUV420:
    case AVTextureFormatYUV420P16:
        if (second && third) {
            AVGLRenderer::renderPlanarLayer(renderer, layer->id(), stamp, texture, second, third, pictureWidth,
                                            pictureHeight, &state, false);
            return;
        }
        break;
    case AVTextureFormatUYVY422:
        AVGLRenderer::renderLayer(renderer, layer->id(), stamp, texture, pictureWidth, pictureHeight, &state,
                                  false);
        return;
    case AVTextureFormatNV12:
    case AVTextureFormatP010:
        if (second) {
            AVGLRenderer::renderPlanarLayer(renderer, layer->id(), stamp, texture, second, nullptr, pictureWidth,
                                            pictureHeight, &state, false);
            return;
        }
        break;
    default:
        break;
    }
    AVGLRenderer::drawLayerTexture(renderer, layer->id(), stamp, texture, pictureWidth, pictureHeight, &state,
                                   false);
}

// ---- framebuffers -----------------------------------------------------------------

void AVComposition::setDoubleBuffered(uint8_t doubleBuffered)
{
    QMutexLocker lock(_offscreenMutex.get());
    if (!_offscreenMutex2)
        _offscreenMutex2.reset(avMutexCreate());
    _doubleBuffered = doubleBuffered;
}

void AVComposition::lockOffscreen()
{
    avMutexLock(_doubleBuffered ? _offscreenMutex2.get() : _offscreenMutex.get());
}

void AVComposition::unlockOffscreen()
{
    avMutexUnlock(_doubleBuffered ? _offscreenMutex2.get() : _offscreenMutex.get());
}

AVGLFramebuffer* AVComposition::frontFramebuffer() const
{
    if (!_doubleBuffered)
        return _drawTarget;
    return _frontDrawn ? _frontTarget : nullptr;
}

uint32_t AVComposition::frontTexture() const
{
    const AVGLFramebuffer* front = frontFramebuffer();
    return front && front->color ? front->color->name : 0;
}

bool AVComposition::isFrontWhole() const
{
    return frontFramebuffer() && _frontWhole;
}

void AVComposition::waitForFront(QOpenGLFunctions_3_2_Core* reader) const
{
    if (_doubleBuffered)
        _frontFence.waitOn(reader);
}

void AVComposition::_prepareFramebuffers()
{
    const int32_t w = std::max(1, _requestedWidth.load());
    const int32_t h = std::max(1, _requestedHeight.load());
    const bool resize = w != width() || h != height();
    // Double-buffered, the draw target is the last front one: its own size counts.
    if (!_drawTarget)
        _drawTarget = avFramebufferCreate(w, h, false);
    else if (avTextureWidth(_drawTarget) != w || avTextureHeight(_drawTarget) != h)
        avFramebufferResize(_drawTarget, w, h);
    if (!_multisampleTarget)
        _multisampleTarget = avMultisampleFramebufferCreate(w, h, false);
    else if (resize)
        avMultisampleFramebufferResize(_multisampleTarget, w, h);
    // The front target keeps the last finished picture, whatever its size,
    // until this pass's takes its place: it is never drawn into here.
    if (_doubleBuffered && !_frontTarget) {
        QMutexLocker lock(_offscreenMutex2.get());
        _frontTarget = avFramebufferCreate(w, h, false);
        _frontDrawn = false;
        _frontWhole = false;
    }
    _appliedWidth = w;
    _appliedHeight = h;
}

void AVComposition::_freeFramebuffers()
{
    avFramebufferFree(_drawTarget);
    avMultisampleFramebufferFree(_multisampleTarget);
    _drawTarget = nullptr;
    _multisampleTarget = nullptr;
    // The preview may be reading the front target.
    QMutexLocker lock(_offscreenMutex2.get());  // no lock without double buffering
    avFramebufferFree(_frontTarget);
    _frontTarget = nullptr;
    _frontDrawn = false;
    _frontWhole = false;
    _frontFence = AVGLFence();
}

void AVComposition::releaseGLResources()
{
    {
        QMutexLocker layers(_layerMutex.get());
        QMutexLocker sounds(_soundMutex.get());
        for (AVLayerSegment* layer : _visibleSegments)
            layer->sleep(true);
        for (AVSoundSegment* sound : _soundSegments)
            sound->sleep(true);
    }
    QMutexLocker lock(_offscreenMutex.get());
    _freeFramebuffers();
}

// ---- the drawing pass --------------------------------------------------------------

bool AVComposition::_beginPass(bool* ownsPass)
{
    *ownsPass = false;
    // A thread that holds its engine context for longer (a tool, a test)
    // draws on it as it is.
    if (avCurrentGLFunctions.load())
        return true;
    const AVGLDrawingContexts* contexts = _drawingContexts.load();
    if (!contexts || !avGLBeginDrawing(contexts)) {
        avTrace("composition: no engine context to draw with");
        return false;
    }
    *ownsPass = true;
    return true;
}

void AVComposition::_destroyPendingLayers()
{
    std::vector<AVLayerSegment*> parked;
    {
        QMutexLocker lock(_pendingMutex.get());
        QMutexLocker holds(_holdMutex.get());
        // A layer that a lookup on another thread still holds waits for a
        // later pass: this thread does not wait for others.
        const auto unheld = std::stable_partition(_pendingDeletion.begin(), _pendingDeletion.end(),
                                                  [this](const AVLayerSegment* layer) { return _isHeld(layer); });
        parked.assign(unheld, _pendingDeletion.end());
        _pendingDeletion.erase(unheld, _pendingDeletion.end());
    }
    // Destroyed outside the mutex: a video layer's destructor joins its
    // stream threads, whose load completion may wait for the list mutexes
    // that a removal holds while it waits for this mutex.
    for (AVLayerSegment* layer : parked) {
        layer->sleep(true);
        delete layer;
    }
}

void AVComposition::compositeVideo(double time, uint8_t drawFlag, uint8_t playing, uint8_t exporting)
{
    // A request made while this pass runs may come after its layer was
    // drawn: the next pass answers it, not this one.
    const uint64_t pendingBefore = _pendingSnapshotSerial();
    {
        QMutexLocker offscreen(_offscreenMutex.get());
        bool ownsPass = false;
        if (_renderer.load() && _beginPass(&ownsPass)) {
            bool whole = true;
            if (_drawPass(time, drawFlag, playing, exporting, &whole))
                _handOver(exporting, whole);
            if (ownsPass)
                avGLEndDrawing();
        }
    }
    // A request this pass did not answer (not a video, not drawn, removed,
    // nothing drawn at all) is answered now, so that nobody waits for it.
    _answerSnapshot(pendingBefore, nullptr, 0, 0);
}

bool AVComposition::_drawPass(double time, bool drawFlag, bool playing, bool exporting, bool* whole)
{
    AVGLRenderer* renderer = _renderer.load();
    _destroyPendingLayers();
    _prepareFramebuffers();
    AVGLFramebuffer* target = _multisampleTarget ? _multisampleTarget : _drawTarget;
    if (!target) {
        // Without a target the renderer would draw into the preview's own framebuffer.
        avTrace("composition: no framebuffer to draw into");
        return false;
    }
    float r = 0, g = 0, b = 0, a = 1;
    backgroundColor(&r, &g, &b, &a);
    AVGLRenderer::bindFramebuffer(renderer, target);
    // The composition is premultiplied: so is what it starts from.
    AVGLRenderer::clear(renderer, r * a, g * a, b * a, a);
    std::vector<AVLayerSegment*> layers;
    {
        QMutexLocker lock(_layerMutex.get());
        layers = _visibleSegments.segments();
    }
    for (AVLayerSegment* layer : layers)
        *whole = _drawLayerAt(layer, time, drawFlag, playing, exporting) && *whole;
    if (_multisampleTarget && _drawTarget) {
        AVGLRenderer::bindFramebuffer(renderer, _drawTarget);
        AVGLRenderer::clear(renderer, 0, 0, 0, 0);
        AVGLRenderer::blitToOutput(renderer, _multisampleTarget, false);
    }
    return true;
}

void AVComposition::_handOver(bool exporting, bool whole)
{
    if (_doubleBuffered && _frontTarget) {
        // Fenced, and flushed with the fence, for the preview's context.
        AVGLFence drawn = AVGLFence::insert();
        QMutexLocker lock(_offscreenMutex2.get());
        std::swap(_drawTarget, _frontTarget);
        _frontFence = std::move(drawn);
        _frontDrawn = true;
        _frontWhole = whole;
        return;
    }
    // Single-buffered, readers see the target just drawn.
    _frontWhole = whole;
    // Exporting, drawn while the exporter converts the last picture: its
    // read-back of this one follows on the same context and waits for
    // exactly this drawing.
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions.load();
    if (gl && exporting)
        gl->glFlush();
}

bool AVComposition::layerShowsNear(const AVSegment* layer, double time)
{
    return _wakesAt(layer, time, kPlayLeadSeconds);
}

bool AVComposition::_drawLayerAt(AVLayerSegment* layer, double time, bool drawFlag, bool playing, bool exporting)
{
    _wakeOrSleep(layer, time, exporting ? kExportLeadSeconds : kPlayLeadSeconds, exporting);
    const bool shown = layer->flag2() && layer->coversTime(time);
    const int32_t status = layer->status();
    // A layer that failed to load never draws: the picture is whole without it.
    if (!shown || status != AVSegmentReady)
        return !shown || status != AVSegmentNotLoaded;
    if (layer->isVideo())
        static_cast<AVVideoSegment*>(layer)->setWaitsForFrames(exporting); // an export must not miss a frame
    layer->prepareAt(time, drawFlag, playing);
    if (!layer->texture())
        return true;
    const AVLayerDrawState state = layerTransform(layer);
    if (!layer->isVideo()) {
        AVGLRenderer::drawLayerTexture(_renderer.load(), layer->id(), int64_t(layer->changeTime()), layer->texture(),
                                       int(layer->imageWidth()), int(layer->imageHeight()), &state, false);
        return true;
    }
    auto* video = static_cast<AVVideoSegment*>(layer);
    if (!exporting)
        _takeSnapshot(video);
    drawLayer(video, state);
    return true;
}

void AVComposition::_takeSnapshot(AVVideoSegment* layer)
{
    uint64_t serial = 0;
    {
        QMutexLocker lock(_snapshotMutex.get());
        if (_snapshot.segment != layer)
            return;
        serial = _snapshot.serial;
    }
    AVGLRenderer* renderer = _renderer.load();
    AVGLFramebuffer* output = AVGLRenderer::outputFramebuffer(renderer);
    const uint32_t rotation = layer->pictureRotation();
    const bool turned = rotation == 90 || rotation == 270;
    const auto w = int32_t(turned ? layer->imageHeight() : layer->imageWidth());
    const auto h = int32_t(turned ? layer->imageWidth() : layer->imageHeight());
    uint8_t* pixels = nullptr;
    int32_t stride = 0;
    if (AVGLFramebuffer* picture = w > 0 && h > 0 ? avFramebufferCreate(w, h, false) : nullptr) {
        AVGLRenderer::bindFramebuffer(renderer, picture);
        AVGLRenderer::clear(renderer, 0, 0, 0, 0);
        const AVLayerDrawState neutral = avLayerDrawStateNeutral(rotation);
        drawLayer(layer, neutral);
        pixels = avReadPixels(picture->color, &stride);
        AVGLRenderer::bindFramebuffer(renderer, output);
        avFramebufferFree(picture);
    }
    _answerSnapshot(serial, pixels, pixels ? stride : 0, pixels ? h : 0);
}

void AVComposition::requestSegmentSnapshot(uint32_t id, SnapshotCallback callback, void* context)
{
    if (!callback)
        return;
    AVSegment* segment = findSegment(id);
    {
        QMutexLocker lock(_snapshotMutex.get());
        if (!_snapshot.callback) {
            _snapshot = {segment, callback, context, ++_lastSnapshotSerial};
            return;
        }
    }
    // Another request is pending: this one is answered at once.
    callback(this, segment, nullptr, 0, 0, context);
}

void AVComposition::_answerSnapshot(uint64_t serial, uint8_t* pixels, int32_t bytesPerRow, int32_t height)
{
    SnapshotRequest request;
    {
        QMutexLocker lock(_snapshotMutex.get());
        if (serial == 0 || _snapshot.serial != serial) {
            std::free(pixels);
            return;
        }
        std::swap(request, _snapshot);
    }
    request.callback(this, request.segment, pixels, bytesPerRow, height, request.context);
}

uint64_t AVComposition::_pendingSnapshotSerial() const
{
    QMutexLocker lock(_snapshotMutex.get());
    return _snapshot.serial;
}
