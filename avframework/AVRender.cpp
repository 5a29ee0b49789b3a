// The playback driver's control side: set-up, tickets, play and pause as the
// sound output reports its states, seek, device changes and stopping. The
// threads' loops are in AVRenderThreads.cpp.

#include "AVRender.h"

#include "AVClock.h"
#include "AVComposition.h"
#include "AVSoundOutput.h"
#include "AVThread_QThread_Type.h"
#include "AVTrace.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QOpenGLContext>

#include <algorithm>

namespace {

// How long stop waits for each thread: 200 looks, 10 ms apart.
constexpr int kStopLooks = 200;
constexpr double kStopLookSeconds = 0.01;

} // namespace

AVRender::AVRender(AVGLRenderer* renderer, int width, int height)
    : _renderer(renderer),
      _viewportWidth(width),
      _viewportHeight(height),
      _renderMutex(avMutexCreate()),
      _videoMutex(avMutexCreate()),
      _audioMutex(avMutexCreate()),
      _videoCondition(avConditionCreate()),
      _audioCondition(avConditionCreate())
{
}

AVRender::~AVRender()
{
    if (_playing && !_startPending && !_pausePending)
        pause();
    stop(false);
    // Freeing waits for a thread that is still busy: it uses this object.
    avThreadFree(_videoThread);
    avThreadFree(_audioThread);
    setComposition(nullptr);
    // A video thread that never ran leaves its context behind.
    if (_videoSlot.context)
        avGLContextRelease(&_videoSlot);
}

void AVRender::setStateCallback(StateCallback callback, void* context)
{
    // The context first: a thread that sees the function sees its context.
    _stateContext = context;
    _stateCallback = callback;
}

void AVRender::_report(int code, double time)
{
    if (StateCallback callback = _stateCallback.load())
        callback(this, code, time, _stateContext.load());
}

void AVRender::setVideoGLContext(QOffscreenSurface* surface, QOpenGLContext* context)
{
    _videoSlot.surface = surface;
    _videoSlot.context = context;
}

void AVRender::setComposition(AVComposition* composition)
{
    QMutexLocker lock(_renderMutex.get());
    if (AVComposition* old = _composition.load())
        old->removeObserver(&AVRender::onCompositionEvent);
    _composition = composition;
    if (!composition)
        return;
    composition->addObserver(&AVRender::onCompositionEvent, this);
    // Set after the video thread began: it draws with the renderer that thread made.
    if (AVGLRenderer* renderer = _renderer.load()) {
        composition->setDrawingContexts(&_drawingContexts);
        composition->setRenderer(renderer);
    }
}

void AVRender::onCompositionEvent(AVComposition*, AVSegment* segment, void* render)
{
    // A layer that finished loading (or asks for a redraw) has something new
    // to show, unless it is far from the current time: a pass would neither
    // draw nor wake it. While a project opens most layers are.
    auto* self = static_cast<AVRender*>(render);
    if (segment && segment->isVisual() && AVComposition::layerShowsNear(segment, self->currentTime()))
        self->addTickets(1);
}

void AVRender::setViewportSize(int width, int height)
{
    QMutexLocker lock(_renderMutex.get());
    _viewportWidth = width;
    _viewportHeight = height;
}

AVSize AVRender::viewportSize() const
{
    QMutexLocker lock(_renderMutex.get());
    return avSizeMake(float(_viewportWidth), float(_viewportHeight));
}

void AVRender::lockComposition()
{
    if (AVComposition* composition = _composition.load())
        composition->lockOffscreen();
}

void AVRender::unlockComposition()
{
    if (AVComposition* composition = _composition.load())
        composition->unlockOffscreen();
}

uint32_t AVRender::compositionTexture(QOpenGLFunctions_3_2_Core* reader) const
{
    AVComposition* composition = _composition.load();
    const uint32_t texture = composition ? composition->frontTexture() : 0;
    if (texture)
        composition->waitForFront(reader);
    return texture;
}

bool AVRender::isCompositionWhole() const
{
    AVComposition* composition = _composition.load();
    return composition && composition->isFrontWhole();
}

// ---- tickets ----------------------------------------------------------------------

namespace {

// A pass still waiting for its thread draws (and mixes) the newest state
// anyway: further requests collapse into it. A request that comes while a
// pass runs finds no ticket left and queues exactly one more, so the last
// change is always followed by a pass. More than one ticket is only ever
// handed out on purpose (a play's mixing ahead), and stays.
void addPendingPass(std::atomic<int32_t>& tickets, int count)
{
    if (count > 0 && tickets == 0)
        tickets = 1;
}

} // namespace

bool AVRender::isVideoThreadWaiting() const
{
    return _isIdle(_videoWaiting, _videoTickets);
}

bool AVRender::isAudioThreadWaiting() const
{
    return _isIdle(_audioWaiting, _audioTickets);
}

// Read without the thread's mutex: the question may come while a state
// report holds it. A thread taking its ticket clears its waiting flag
// before the ticket goes, so the ticket is read first.
bool AVRender::_isIdle(const std::atomic<bool>& waiting, const std::atomic<int32_t>& tickets) const
{
    return tickets == 0 && waiting && !_playing;
}

void AVRender::addTickets(int count)
{
    {
        QMutexLocker lock(_videoMutex.get());
        addPendingPass(_videoTickets, count);
        avConditionWakeAll(_videoCondition.get());
    }
    QMutexLocker lock(_audioMutex.get());
    addPendingPass(_audioTickets, count);
    avConditionWakeAll(_audioCondition.get());
}

// ---- threads ----------------------------------------------------------------------

bool AVRender::_startThread(AVThread_QThread_Type** thread, std::atomic<bool>& stopRequest,
                            const std::atomic<bool>& running, int (*entry)(AVThread_QThread_Type*, void*))
{
    if (*thread && !stopRequest)
        return false;
    if (*thread && running) {
        // Given up by stop and still busy: it is never freed while it runs,
        // and a second one would share its state.
        avTrace("AVRender thread still stopping, not restarted");
        return false;
    }
    avThreadFree(*thread);
    stopRequest = false;
    *thread = avThreadCreate(entry, this);
    return true;
}

void AVRender::startThreads()
{
    if (_startThread(&_videoThread, _videoStop, _videoRunning, &AVRender::videoThreadEntry)) {
        if (_videoSlot.context) {
            _videoSlot.context->moveToThread(_videoThread);
        } else {
            AVGLContextSlot slot;
            if (avGLCreateOffscreenContext(&slot, _videoThread))
                setVideoGLContext(slot.surface, slot.context);
        }
        avThreadStart(_videoThread);
    }
    if (_startThread(&_audioThread, _audioStop, _audioRunning, &AVRender::audioThreadEntry))
        avThreadStart(_audioThread);
    if (!_soundOutput && _composition.load())
        _createSoundOutput();
}

bool AVRender::_waitForThread(const std::atomic<bool>& running, AVMutex* mutex, AVCondition* condition)
{
    for (int look = 0; look < kStopLooks && running; ++look) {
        avThreadSleep(kStopLookSeconds);
        QMutexLocker lock(mutex);
        avConditionWakeAll(condition);
    }
    return !running;
}

int AVRender::stop(bool wait)
{
    {
        QMutexLocker lock(_videoMutex.get());
        _videoStop = true;
        avConditionWakeAll(_videoCondition.get());
    }
    {
        QMutexLocker lock(_audioMutex.get());
        _audioStop = true;
        avConditionWakeAll(_audioCondition.get());
    }
    _dropSoundOutput(false);
    _deleteDroppedSoundOutputs();
    int gaveUp = 0;
    if (wait && !_waitForThread(_videoRunning, _videoMutex.get(), _videoCondition.get())) {
        avTrace("AVRender video thread force stopped");
        gaveUp = 1;
    }
    if (wait && !_waitForThread(_audioRunning, _audioMutex.get(), _audioCondition.get())) {
        avTrace("AVRender audio thread force stopped");
        gaveUp = 1;
    }
    avTrace("AVRender stopped");
    return gaveUp;
}

// ---- sound output ---------------------------------------------------------------

void AVRender::_createSoundOutput()
{
    AVComposition* composition = _composition.load();
    _soundOutput = std::make_unique<AVSoundOutput>(composition, composition->sampleRate(),
                                                   composition->channelCount());
    _soundOutput->setListener(this);
}

void AVRender::_dropSoundOutput(bool later)
{
    if (!_soundOutput)
        return;
    _soundOutput->retire();
    if (!later) {
        _soundOutput.reset();
        return;
    }
    // Those the event loop deleted already are forgotten.
    _droppedSoundOutputs.erase(std::remove_if(_droppedSoundOutputs.begin(), _droppedSoundOutputs.end(),
                                              [](const QPointer<AVSoundOutput>& output) { return output.isNull(); }),
                               _droppedSoundOutputs.end());
    _droppedSoundOutputs.emplace_back(_soundOutput.get());
    _soundOutput.release()->deleteLater();
}

void AVRender::_deleteDroppedSoundOutputs()
{
    for (const QPointer<AVSoundOutput>& output : _droppedSoundOutputs)
        delete output.data();
    _droppedSoundOutputs.clear();
}

// ---- play and pause ----------------------------------------------------------------

void AVRender::play()
{
    if (_playing)
        return;
    if (_startPending || _pausePending) {
        avTrace("Play refused due to %d|%d", int(_startPending.load()), int(_pausePending.load()));
        if (++_playRefusals < 2)
            return;
        avTrace("Play refused %d times, here we reset it", _playRefusals);
        _startPending = false;
        _pausePending = false;
        _playRefusals = 0;
        _dropSoundOutput(false);
    }
    _startPending = true;
    {
        QMutexLocker lock(_audioMutex.get());
        _audioTickets += kPlayTickets;
        avConditionWakeAll(_audioCondition.get());
    }
    if (!_soundOutput && _composition.load())
        _createSoundOutput();
    if (_soundOutput)
        _soundOutput->play();
    _playRefusals = 0;
}

void AVRender::pause()
{
    if (!_playing || _startPending || _pausePending)
        return;
    _pausePending = true;
    if (_soundOutput)
        _soundOutput->pause();
}

void AVRender::_setPlaying(bool playing, int code)
{
    QMutexLocker videoLock(_videoMutex.get());
    QMutexLocker audioLock(_audioMutex.get());
    // The clock starts with the sound, not when the video thread next wakes.
    if (playing)
        _restartClock();
    _playing = playing;
    _report(code, 0.0);
    avConditionWakeAll(_videoCondition.get());
    avConditionWakeAll(_audioCondition.get());
}

void AVRender::onAudioOutputStateChanged(int state)
{
    avTrace("audioOutputStateChanged [%d] at time %lf (%d/%d)", state, avCurrentTimeSeconds(),
            int(_startPending.load()), int(_pausePending.load()));
    if ((state == 0 || state == 3) && _startPending) {
        avTrace("Start playing at audio output active, render idle=%d, %d", int(_videoWaiting.load()),
                int(_audioWaiting.load()));
        _setPlaying(true, StateStarted);
        _startPending = false;
    } else if ((state == 1 || state == 2) && _pausePending) {
        avTrace("Pause playing at audio output suspended");
        _setPlaying(false, StateStopped);
        _pausePending = false;
    }
}

void AVRender::onAudioOutputNotify(int64_t)
{
    // Playback follows the device's states, not its progress.
}

// ---- seek and device change -------------------------------------------------------

void AVRender::seek(double seconds, bool resetAudio)
{
    if (AVComposition* composition = _composition.load()) {
        {
            // Still playing (a pause fades out first), the clock runs on from
            // the seek, not from where playback was.
            QMutexLocker lock(_videoMutex.get());
            _currentTime = std::clamp(seconds, 0.0, composition->duration());
            _restartClock();
        }
        // Where the next pass draws: at the end, the last pictures rather than those just past it.
        composition->seek(drawTime(), resetAudio);
    }
    if (_soundOutput)
        _soundOutput->_doStop();
    addTickets(1);
}

void AVRender::onAudioDeviceChanged(const QString&)
{
    if (_playing && !_startPending && !_pausePending)
        pause();
    // The pause ends when the old device reports it; a device that went
    // away may never do so.
    const double deadline = avCurrentTimeSeconds() + kDeviceChangeWaitSeconds;
    while (_playing && avCurrentTimeSeconds() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (_playing) {
        avTrace("AVRender: the old device never paused; stopped without it");
        _setPlaying(false, StateStopped);
    }
    // A request made of the old output ends with it: playback stays paused.
    if (_startPending) {
        // So do the tickets the start gave the mixing thread to mix ahead with.
        QMutexLocker lock(_audioMutex.get());
        _audioTickets = 0;
    }
    _startPending = false;
    _pausePending = false;
    // This runs inside a slot of the old output: it goes once the slot has returned.
    _dropSoundOutput(true);
    AVComposition* composition = _composition.load();
    if (!composition)
        return;
    _createSoundOutput();
    _currentTime = std::clamp(_currentTime.load(), 0.0, composition->duration());
    composition->seek(_currentTime, true);
    _soundOutput->_doStop();
    addTickets(1);
}
