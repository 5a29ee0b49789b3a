#include "AVComposition.h"

#include "AVLayerSegment.h"
#include "AVSegmentHold.h"
#include "AVSoundSegment.h"
#include "AVTextSegment.h"
#include "AVVideoSegment.h"

extern "C" {
#include <libavutil/log.h>
}

#include <QDeadlineTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <algorithm>

namespace {

template <typename List>
double latestEnd(const List& list, double end)
{
    for (const auto* segment : list)
        end = std::max(end, segment->startTime() + segment->duration());
    return end;
}

// How long removeObserver waits for observer calls on other threads.
constexpr qint64 kObserverWaitMs = 3000;
// How often a removal waiting for a segment's holds looks again.
constexpr unsigned long kHoldRecheckMs = 100;

// Observer calls under way on this thread: an observer that removes
// itself (or another) from its own call must not wait for that call.
thread_local int32_t observerCallsHere = 0;

// Segments stay awake this long after their end, so that a seek back or a
// slow clock does not wake them again at once.
constexpr double kTailSeconds = 0.25;

} // namespace

AVComposition::AVComposition(int32_t width, int32_t height, int32_t sampleRate, int32_t channelCount,
                             AVGLRenderer* renderer)
    : _renderer(renderer),
      _layerMutex(avMutexCreate()),
      _soundMutex(avMutexCreate()),
      _pendingMutex(avMutexCreate()),
      _holdMutex(avMutexCreate()),
      _holdReleased(avConditionCreate()),
      _appliedWidth(width),
      _appliedHeight(height),
      _requestedWidth(width),
      _requestedHeight(height),
      _sampleRate(sampleRate),
      _channelCount(channelCount),
      _offscreenMutex(avMutexCreate()),
      _observerMutex(avMutexCreate()),
      _notifyingEnded(avConditionCreate()),
      _snapshotMutex(avMutexCreate()),
      _backgroundMutex(avMutexCreate()),
      _mixBufferSize(std::max(0, sampleRate / 2) * std::max(0, channelCount) * 2),
      _halfSecondFrames(std::max(0, sampleRate / 2)),
      _scratch(new uint8_t[kScratchBytes]()),
      _mixMutex(avMutexCreate())
{
    _mixBuffer.reset(new uint8_t[std::max(1, _mixBufferSize)]());
    QMutexLocker lock(_mixMutex.get());
    _placeWindow();
}

AVComposition::~AVComposition()
{
    // The lists are emptied first: a load completion still running on a
    // segment's stream thread finds nothing while its segment is destroyed
    // (destruction joins those threads).
    std::vector<AVLayerSegment*> layers;
    std::vector<AVSoundSegment*> sounds;
    std::vector<AVLayerSegment*> parked;
    {
        QMutexLocker layerLock(_layerMutex.get());
        QMutexLocker soundLock(_soundMutex.get());
        QMutexLocker pendingLock(_pendingMutex.get());
        layers = _visibleSegments.take();
        sounds = _soundSegments.take();
        parked.swap(_pendingDeletion);
    }
    const auto destroy = [this](const auto& segments) {
        for (auto* segment : segments) {
            _waitUntilReleased(segment);
            delete segment;
        }
    };
    destroy(layers);
    destroy(sounds);
    destroy(parked);
    // Framebuffers that outlived releaseGLResources can only be freed where
    // an engine context is current; elsewhere their names go with the context.
    _freeFramebuffers();
}

void AVComposition::setRenderer(AVGLRenderer* renderer)
{
    QMutexLocker lock(_offscreenMutex.get());
    _renderer = renderer;
}

void AVComposition::setDrawingContexts(const AVGLDrawingContexts* contexts)
{
    _drawingContexts = contexts;
}

// ---- segment lists ------------------------------------------------------------

void AVComposition::addSegment(AVSegment* segment, uint32_t id)
{
    if (!segment)
        return;
    segment->setId(id);
    {
        QMutexLocker layers(_layerMutex.get());
        QMutexLocker sounds(_soundMutex.get());
        if (segment->isVisual())
            _visibleSegments.insertById(static_cast<AVLayerSegment*>(segment));
        else
            _soundSegments.insertById(static_cast<AVSoundSegment*>(segment));
        updateDuration();
    }
    // Outside the lists: a segment whose load completes at once calls back
    // into onSegmentLoaded, which takes them.
    segment->setRedrawCallback(&AVComposition::notifyObservers, this);
    segment->setCallback(&AVComposition::onSegmentLoaded, this);
}

AVSegment* AVComposition::_findUnlocked(uint32_t id) const
{
    if (AVLayerSegment* layer = _visibleSegments.firstWithId(id))
        return layer;
    return _soundSegments.firstWithId(id);
}

AVSegment* AVComposition::findSegment(uint32_t id)
{
    QMutexLocker layers(_layerMutex.get());
    QMutexLocker sounds(_soundMutex.get());
    return _findUnlocked(id);
}

AVSegmentHold AVComposition::holdSegment(uint32_t id)
{
    QMutexLocker layers(_layerMutex.get());
    QMutexLocker sounds(_soundMutex.get());
    AVSegment* segment = _findUnlocked(id);
    if (segment) {
        QMutexLocker holds(_holdMutex.get());
        _held.push_back(segment);
    }
    return AVSegmentHold(this, segment);
}

void AVComposition::_releaseHold(const AVSegment* segment)
{
    QMutexLocker holds(_holdMutex.get());
    _held.erase(std::find(_held.begin(), _held.end(), segment));
    avConditionWakeAll(_holdReleased.get());
}

bool AVComposition::_isHeld(const AVSegment* segment) const
{
    return std::find(_held.begin(), _held.end(), segment) != _held.end();
}

// For a segment out of the lists, which no new hold can reach.
void AVComposition::_waitUntilReleased(const AVSegment* segment)
{
    QMutexLocker holds(_holdMutex.get());
    while (_isHeld(segment))
        avConditionWaitFor(_holdReleased.get(), _holdMutex.get(), kHoldRecheckMs);
}

int AVComposition::removeSegment(uint32_t id)
{
    AVSoundSegment* removedSound = nullptr;
    AVSegment* removed = nullptr;
    {
        QMutexLocker layers(_layerMutex.get());
        QMutexLocker sounds(_soundMutex.get());
        QMutexLocker pending(_pendingMutex.get());
        if (AVLayerSegment* layer = _visibleSegments.firstWithId(id)) {
            _visibleSegments.remove(layer);
            _pendingDeletion.push_back(layer);
            removed = layer;
        } else if ((removedSound = _soundSegments.firstWithId(id))) {
            _soundSegments.remove(removedSound);
            removed = removedSound;
        }
        if (removed)
            updateDuration();
    }
    if (!removed)
        return 0;
    {
        // A pending snapshot of it is still answered (with null) by the next pass.
        QMutexLocker lock(_snapshotMutex.get());
        if (_snapshot.segment == removed)
            _snapshot.segment = nullptr;
    }
    // The sound segment left the list under the sound-list mutex, which a
    // mixing pass holds for its whole duration: no pass uses it any more.
    // It is destroyed after the mutexes are released because its destructor
    // joins the stream threads, and a load completion on one of them may be
    // waiting for the list mutexes in onSegmentLoaded. A lookup on another
    // thread that found it before it left the list may still read it.
    if (removedSound)
        _waitUntilReleased(removedSound);
    delete removedSound;
    return 1;
}

void AVComposition::setVisibleSegments(const uint32_t* ids, int32_t count)
{
    QMutexLocker layers(_layerMutex.get());
    // A caller that named too few layers must not lose the others.
    if (const size_t missing = _visibleSegments.reorder(ids, count))
        av_log(nullptr, AV_LOG_WARNING, "composition: %zu layers missing from the drawing order, drawn on top\n",
               missing);
    QMutexLocker sounds(_soundMutex.get());
    updateDuration();
}

std::vector<uint32_t> AVComposition::visibleSegmentIds() const
{
    QMutexLocker layers(_layerMutex.get());
    std::vector<uint32_t> ids;
    ids.reserve(_visibleSegments.size());
    for (const AVLayerSegment* layer : _visibleSegments)
        ids.push_back(layer->id());
    return ids;
}

void AVComposition::updateLayout(int32_t width, int32_t height, int32_t)
{
    _requestedWidth = width;
    _requestedHeight = height;
    QMutexLocker layers(_layerMutex.get());
    const uint32_t w = uint32_t(std::max(0, width));
    const uint32_t h = uint32_t(std::max(0, height));
    for (AVLayerSegment* layer : _visibleSegments) {
        layer->setSize(w, h);
        if (layer->isVideo()) {
            auto* video = static_cast<AVVideoSegment*>(layer);
            video->setSizeHints(w, h);
            video->resetStepMultiplier();
        } else if (layer->isText()) {
            static_cast<AVTextSegment*>(layer)->setSize(w, h / 2);
        }
    }
}

void AVComposition::setBackgroundColor(float red, float green, float blue, float alpha)
{
    QMutexLocker lock(_backgroundMutex.get());
    _background[0] = red;
    _background[1] = green;
    _background[2] = blue;
    _background[3] = alpha;
}

void AVComposition::backgroundColor(float* red, float* green, float* blue, float* alpha) const
{
    QMutexLocker lock(_backgroundMutex.get());
    *red = _background[0];
    *green = _background[1];
    *blue = _background[2];
    *alpha = _background[3];
}

// ---- duration -------------------------------------------------------------------

void AVComposition::updateDuration()
{
    _duration = std::max(0.0, latestEnd(_soundSegments, latestEnd(_visibleSegments, 0.0)));
    QMutexLocker lock(_mixMutex.get());
    _placeWindow();
}

void AVComposition::refreshDuration()
{
    QMutexLocker layers(_layerMutex.get());
    QMutexLocker sounds(_soundMutex.get());
    updateDuration();
}

// ---- observers ----------------------------------------------------------------------

void AVComposition::addObserver(ObserverCallback callback, void* context)
{
    QMutexLocker lock(_observerMutex.get());
    _eraseObserver(callback);
    _observers.push_back({callback, context});
}

void AVComposition::removeObserver(ObserverCallback callback)
{
    QMutexLocker lock(_observerMutex.get());
    _eraseObserver(callback);
    // A segment's thread may be calling it with the context its owner is
    // about to free.
    QDeadlineTimer deadline(kObserverWaitMs);
    while (_notifying > observerCallsHere) {
        if (deadline.hasExpired()) {
            av_log(nullptr, AV_LOG_WARNING, "composition: an observer call did not end in time\n");
            return;
        }
        avConditionWaitFor(_notifyingEnded.get(), _observerMutex.get(),
                           static_cast<unsigned long>(std::max<qint64>(1, deadline.remainingTime())));
    }
}

void AVComposition::_eraseObserver(ObserverCallback callback)
{
    _observers.erase(std::remove_if(_observers.begin(), _observers.end(),
                                    [callback](const Observer& o) { return o.callback == callback; }),
                     _observers.end());
}

void AVComposition::_notify(AVSegment* segment)
{
    std::vector<Observer> observers;
    {
        QMutexLocker lock(_observerMutex.get());
        observers = _observers;
        ++_notifying;
    }
    // Called outside the lock, so an observer may add or remove observers.
    ++observerCallsHere;
    for (const Observer& observer : observers)
        observer.callback(this, segment, observer.context);
    --observerCallsHere;
    QMutexLocker lock(_observerMutex.get());
    --_notifying;
    avConditionWakeAll(_notifyingEnded.get());
}

int AVComposition::notifyObservers(AVSegment* segment, intptr_t, void* composition)
{
    static_cast<AVComposition*>(composition)->_notify(segment);
    return 0;
}

int AVComposition::onSegmentLoaded(AVSegment* segment, intptr_t result, void* composition)
{
    auto* self = static_cast<AVComposition*>(composition);
    if (result == 0) {
        self->refreshDuration();
        // A sound that has just loaded took no part in the last mixing pass:
        // the window holds none of it yet.
        if (!segment->isVisual())
            self->_mixComplete = 0;
    }
    self->_notify(segment);
    return 0;
}

// ---- queries ---------------------------------------------------------------------

bool AVComposition::areLayersReadyAt(double time)
{
    QMutexLocker layers(_layerMutex.get());
    return std::none_of(_visibleSegments.begin(), _visibleSegments.end(),
                        [time](AVLayerSegment* layer) { return layer->coversTime(time) && !layer->isReady(); });
}

bool AVComposition::hasSegmentWithStatusZero()
{
    QMutexLocker sounds(_soundMutex.get());
    return std::any_of(_soundSegments.begin(), _soundSegments.end(),
                       [](AVSoundSegment* sound) { return sound->status() == AVSegmentReady; });
}

void AVComposition::setMinimumFrameRate(int32_t rate)
{
    QMutexLocker layers(_layerMutex.get());
    for (AVLayerSegment* layer : _visibleSegments) {
        if (layer->isVideo())
            static_cast<AVVideoSegment*>(layer)->setMinimumFrameRate(uint32_t(std::max(0, rate)));
    }
}

bool AVComposition::_wakesAt(const AVSegment* segment, double time, double lead)
{
    const double start = segment->startTime();
    return time >= start - lead && time <= start + segment->duration() + kTailSeconds && segment->flag2();
}

void AVComposition::_wakeOrSleep(AVSegment* segment, double time, double lead, bool exporting)
{
    if (_wakesAt(segment, time, lead))
        segment->wake();
    else
        segment->sleep(exporting);
}

// ---- time ---------------------------------------------------------------------------

void AVComposition::renderAt(double time, uint8_t drawFlag, uint8_t playing, int32_t mode, uint8_t exporting)
{
    if (mode & kRenderAudio)
        mixAudio(time, drawFlag, playing, exporting);
    if (mode & kRenderVideo)
        compositeVideo(time, drawFlag, playing, exporting);
}

void AVComposition::seek(double time, bool resetAudio)
{
    if (resetAudio) {
        QMutexLocker lock(_mixMutex.get());
        _audioBufferLen = 0;
        _mixStart = int64_t(_sampleRate * time);
        _placeWindow();
        std::fill_n(_mixBuffer.get(), _mixBufferSize, uint8_t(0));
        _mixComplete = 0;
    }
    // Copies of the lists: segment seeks may wait for their streams, and a
    // mixing pass must not wait that long. Seeking never overlaps a removal
    // (both come from the facade's thread).
    std::vector<AVLayerSegment*> layers;
    std::vector<AVSoundSegment*> sounds;
    {
        QMutexLocker layerLock(_layerMutex.get());
        QMutexLocker soundLock(_soundMutex.get());
        layers = _visibleSegments.segments();
        sounds = _soundSegments.segments();
    }
    for (AVLayerSegment* layer : layers)
        layer->seekTo(time, resetAudio);
    for (AVSoundSegment* sound : sounds)
        sound->seekTo(time, resetAudio);
}
