// The playback driver's two threads: the video thread draws the composition
// at the current time, the mixing thread mixes its sound ahead.

#include "AVRender.h"

#include "AVClock.h"
#include "AVComposition.h"
#include "AVGLRenderer.h"
#include "AVThread_QThread_Type.h"
#include "AVTrace.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>

namespace {

// A thread asleep for want of a ticket looks at its stop request this often.
constexpr unsigned long kTicketWaitMs = 100;
// The mixing thread rests this long after every kMixingBurst passes.
constexpr int kMixingBurst = 10;
constexpr double kMixingRestSeconds = 0.01;
constexpr double kPollSeconds = 0.001;
// The last frame of the composition is drawn this much before its end.
constexpr double kEndMargin = 0.001;

} // namespace

int AVRender::videoThreadEntry(AVThread_QThread_Type*, void* render)
{
    static_cast<AVRender*>(render)->runVideoThread();
    return 0;
}

int AVRender::audioThreadEntry(AVThread_QThread_Type*, void* render)
{
    static_cast<AVRender*>(render)->_runAudioThread();
    return 0;
}

void AVRender::_waitForTicket(AVMutex* mutex, AVCondition* condition, const std::atomic<int32_t>& tickets,
                              std::atomic<bool>& waiting, const std::atomic<bool>& stop)
{
    waiting = true;
    while (tickets == 0 && !_playing && !stop)
        avConditionWaitFor(condition, mutex, kTicketWaitMs);
    waiting = false;
}

// ---- video ------------------------------------------------------------------------

void AVRender::runVideoThread()
{
    _videoRunning = true;
    _setUpDrawing();
    bool endReported = false;
    while (!_videoStop) {
        _takeVideoTurn();
        if (_videoStop)
            break;
        const bool atEnd = _clampToEnd();
        if (!atEnd)
            endReported = false;
        _renderPass(AVComposition::kRenderVideo);
        ++_videoPasses;
        _framePresented = false;
        _report(StateFrameDrawn, _currentTime);
        _awaitPresentation();
        if (atEnd && !endReported) {
            endReported = true;
            _reachEnd();
        }
    }
    _tearDownDrawing();
    _videoRunning = false;
}

void AVRender::_restartClock()
{
    _clockStartTick = avCurrentTimeSeconds();
    _clockStartPosition = _currentTime;
}

void AVRender::_takeVideoTurn()
{
    QMutexLocker lock(_videoMutex.get());
    if (_playing) {
        // A slow pass skips time rather than slowing the clock.
        _currentTime = avCurrentTimeSeconds() - _clockStartTick + _clockStartPosition;
        _videoTickets = 0;
    } else {
        if (_videoTickets == 0)
            _waitForTicket(_videoMutex.get(), _videoCondition.get(), _videoTickets, _videoWaiting, _videoStop);
        if (_videoTickets > 0)
            --_videoTickets;
        // Unless playing began meanwhile: then the clock started with it.
        if (!_playing)
            _restartClock();
    }
    avTrace("Current time: %f, %d", _currentTime * 1000.0, _videoTickets.load());
}

void AVRender::_renderPass(int32_t mode)
{
    AVComposition* composition = _composition.load();
    // An export draws and mixes the composition itself meanwhile: a pass
    // here would draw on its renderer and take its sound.
    if (composition && !_drawingContexts.exporter.load())
        composition->renderAt(drawTime(), 0, _playing, mode, 0);
}

bool AVRender::_clampToEnd()
{
    AVComposition* composition = _composition.load();
    if (!composition)
        return true;
    const double duration = composition->duration();
    if (_currentTime <= duration)
        return false;
    _currentTime = duration;
    return true;
}

double AVRender::drawTime() const
{
    AVComposition* composition = _composition.load();
    double time = _currentTime;
    if (composition && time == composition->duration())
        time -= kEndMargin;
    return std::max(0.0, time);
}

void AVRender::_awaitPresentation()
{
    if (!_waitForPresent || _startPending) {
        avThreadSleep(kPollSeconds);
        return;
    }
    // A preview that does not paint (hidden, minimised) lets the thread go on.
    const double deadline = avCurrentTimeSeconds() + kPresentWaitSeconds;
    while (!_framePresented && !_startPending && !_videoStop && avCurrentTimeSeconds() < deadline)
        avThreadSleep(kPollSeconds);
}

void AVRender::_reachEnd()
{
    {
        QMutexLocker videoLock(_videoMutex.get());
        QMutexLocker audioLock(_audioMutex.get());
        _playing = false;
    }
    _report(StateStopped, 0.0);
    _report(StateEnded, 0.0);
}

void AVRender::_setUpDrawing()
{
    if (!_videoSlot.context) {
        avTrace("AVRender: no video GL context; nothing is drawn");
        return;
    }
    _drawingContexts.playback = &_videoSlot;
    // This thread draws on nothing else: making the context current and
    // releasing it around every pass would only cost time.
    _videoSlot.keptCurrent = true;
    AVGLRenderer* renderer = avGLSetUpDrawing(&_videoSlot, nullptr);
    if (!renderer) {
        avTrace("AVRender: the video renderer could not be built");
        return;
    }
    _renderer = renderer;
    if (AVComposition* composition = _composition.load()) {
        composition->setDrawingContexts(&_drawingContexts);
        composition->setRenderer(renderer);
    }
}

void AVRender::_releaseGLResources(void* render)
{
    auto* self = static_cast<AVRender*>(render);
    if (AVComposition* composition = self->_composition.load()) {
        composition->releaseGLResources();
        composition->setRenderer(nullptr);
    }
}

void AVRender::_tearDownDrawing()
{
    if (AVGLRenderer* renderer = _renderer.load()) {
        avGLTearDownDrawing(&_videoSlot, &renderer, &AVRender::_releaseGLResources, this);
        _renderer = nullptr;
    }
    _drawingContexts.playback = nullptr;
    if (_videoSlot.context)
        avGLContextRelease(&_videoSlot);
}

// ---- mixing -----------------------------------------------------------------------

void AVRender::_runAudioThread()
{
    _audioRunning = true;
    int64_t passes = 0;
    while (!_audioStop) {
        {
            QMutexLocker lock(_audioMutex.get());
            if (_playing) {
                _audioTickets = 0;
            } else {
                if (_audioTickets == 0)
                    _waitForTicket(_audioMutex.get(), _audioCondition.get(), _audioTickets, _audioWaiting,
                                   _audioStop);
                if (_audioTickets > 0)
                    --_audioTickets;
            }
        }
        if (!_audioStop)
            _renderPass(AVComposition::kRenderAudio);
        _mixingPasses = ++passes;
        if (passes % kMixingBurst == 0)
            avThreadSleep(kMixingRestSeconds);
    }
    _audioRunning = false;
}
