#include "AVSegment.h"

#include "AVAnimation.h"
#include "AVGeometry.h"
#include "AVTransition.h"

#include <algorithm>

namespace {

constexpr double kTimeTolerance = 1e-6;

} // namespace

AVSegment::AVSegment(double start) : AVSegment(start, 0.0)
{
}

AVSegment::AVSegment(double start, double duration) : _start(start), _duration(duration)
{
}

AVSegment::~AVSegment()
{
    for (AVTransition* transition : _looseTransitions)
        delete transition;
    for (AVAnimation* animation : _animations)
        delete animation;
}

void AVSegment::setStartTime(double start)
{
    _start = start;
}

void AVSegment::setDuration(double duration)
{
    _duration = duration;
}

void AVSegment::setCallback(Callback callback, void* context)
{
    _callback.set(callback, context);
}

bool AVSegment::isReady() const
{
    return true;
}

bool AVSegment::isLoading() const
{
    return false;
}

void AVSegment::sleep(bool)
{
    _asleep.store(1);
}

void AVSegment::wake()
{
    _asleep.store(0);
}

void AVSegment::addChild(AVTransition* transition)
{
    _lockAnimations();
    _looseTransitions.push_back(transition);
    _unlockAnimations();
}

void AVSegment::addAnimation(AVAnimation* animation)
{
    _lockAnimations();
    // Before the first group with a greater id, so equal ids stay in arrival order.
    auto it = std::find_if(_animations.begin(), _animations.end(),
                           [&](const AVAnimation* a) { return a->id() > animation->id(); });
    _animations.insert(it, animation);
    _unlockAnimations();
}

void AVSegment::removeAnimation(uint32_t id)
{
    _lockAnimations();
    auto it = std::find_if(_animations.begin(), _animations.end(),
                           [id](const AVAnimation* a) { return a->id() == id; });
    if (it != _animations.end()) {
        delete *it;
        _animations.erase(it);
    }
    _unlockAnimations();
}

void AVSegment::clearAnimations()
{
    _lockAnimations();
    for (AVAnimation* animation : _animations)
        delete animation;
    _animations.clear();
    _unlockAnimations();
}

void AVSegment::changeAnimationId(uint32_t oldId, uint32_t newId)
{
    _lockAnimations();
    if (AVAnimation* animation = _findUnlocked(oldId))
        animation->setId(newId);
    _unlockAnimations();
}

AVAnimation* AVSegment::findAnimation(uint32_t id)
{
    _lockAnimations();
    AVAnimation* animation = _findUnlocked(id);
    if (!animation)
        _unlockAnimations();
    return animation;
}

void AVSegment::releaseAnimation(uint32_t id)
{
    // The caller holds the lock from a successful find; it is released only
    // while the group is still there, as the find/release pairing expects.
    if (_findUnlocked(id))
        _unlockAnimations();
}

AVAnimation* AVSegment::_findUnlocked(uint32_t id) const
{
    for (AVAnimation* animation : _animations) {
        if (animation->id() == id)
            return animation;
    }
    return nullptr;
}

void AVSegment::_lockAnimations()
{
    if (_animationMutex)
        avMutexLock(_animationMutex);
}

void AVSegment::_unlockAnimations()
{
    if (_animationMutex)
        avMutexUnlock(_animationMutex);
}

bool AVSegment::isText() const
{
    return false;
}

bool AVSegment::isVideo() const
{
    return false;
}

bool AVSegment::decodesInHardware() const
{
    return false;
}

AVAnimatedValues* AVSegment::currentValues()
{
    return nullptr;
}

void AVSegment::setRedrawCallback(Callback callback, void* context)
{
    _redrawCallback.set(callback, context);
}

int AVSegment::fireCallback(intptr_t argument)
{
    return _callback.fire(this, argument);
}

int AVSegment::fireRedrawCallback(intptr_t argument)
{
    return _redrawCallback.fire(this, argument);
}

bool AVSegment::coversTime(double time) const
{
    const double start = startTime();
    return avCompareWithTolerance(time, start, kTimeTolerance) >= 0
        && avCompareWithTolerance(time, start + duration(), kTimeTolerance) < 0;
}

std::vector<uint32_t> AVSegment::animationIds()
{
    _lockAnimations();
    std::vector<uint32_t> ids;
    ids.reserve(_animations.size());
    for (const AVAnimation* animation : _animations)
        ids.push_back(animation->id());
    _unlockAnimations();
    return ids;
}

void AVSegment::_evaluateTransitions(double localTime)
{
    AVTransition* latest[kAVPropertyTypeCount] = {};
    uint32_t written[kAVPropertyTypeCount] = {};

    for (AVTransition* transition : _looseTransitions) {
        const int type = transition->propertyType();
        written[type] |= transition->apply(this, localTime, &latest[type]);
    }
    for (AVAnimation* animation : _animations)
        animation->apply(this, localTime, latest, written);

    for (int type = 0; type < kAVPropertyTypeCount; ++type) {
        if (!written[type] && latest[type])
            latest[type]->applyEnd(this);
    }
}

void AVSegment::CallbackSlot::set(Callback callback, void* ctx)
{
    context.store(ctx);
    function.store(callback);
}

int AVSegment::CallbackSlot::fire(AVSegment* segment, intptr_t argument) const
{
    const Callback callback = function.load();
    return callback ? callback(segment, argument, context.load()) : 0;
}
