#include "AVAnimation.h"

#include "AVAnimatedValues.h"
#include "AVSegment.h"
#include "transitions/AVAnchorTransition.h"
#include "transitions/AVCropBottomRightTransition.h"
#include "transitions/AVCropTopLeftTransition.h"
#include "transitions/AVEffectColorTransition.h"
#include "transitions/AVFeatheringTransition.h"
#include "transitions/AVPointOffsetTransition.h"
#include "transitions/AVPositionTransition.h"
#include "transitions/AVRotateTransition.h"
#include "transitions/AVRotateXTransition.h"
#include "transitions/AVRotateYTransition.h"
#include "transitions/AVScaleTransition.h"
#include "transitions/AVTransparencyTransition.h"
#include "transitions/AVVolumeTransition.h"

AVAnimation::AVAnimation(uint32_t id, double start, double duration) : _id(id), _start(start), _duration(duration)
{
}

AVAnimation::~AVAnimation()
{
    for (AVTransition* transition : _slots)
        delete transition;
}

void AVAnimation::setStartTime(double fraction)
{
    _start = fraction;
    for (AVTransition* transition : _slots) {
        if (transition)
            transition->setRelativeStart(fraction);
    }
}

void AVAnimation::setDuration(double fraction)
{
    _duration = fraction;
    for (AVTransition* transition : _slots) {
        if (transition)
            transition->setRelativeDuration(fraction);
    }
}

void AVAnimation::setEasing(int type)
{
    _easingType = type;
    for (AVTransition* transition : _slots) {
        if (transition)
            transition->setEasing(type);
    }
}

void AVAnimation::setFrom(int slot, float x, float y)
{
    if (AVTransition* transition = _slotTransition(slot))
        transition->setFrom(slot == AVSlotVolume && x < 0.0f ? 0.0f : x, y);
}

void AVAnimation::setTo(int slot, float x, float y)
{
    if (AVTransition* transition = _slotTransition(slot))
        transition->setTo(slot == AVSlotVolume && x < 0.0f ? 0.0f : x, y);
}

int AVAnimation::effectColorSlot(int index)
{
    return index >= 0 && index < kAVEffectColorCount ? AVSlotEffectColor + index : -1;
}

int AVAnimation::pointOffsetSlot(int corner)
{
    return corner >= 0 && corner < kAVCornerCount ? AVSlotPointOffset + corner : -1;
}

int AVAnimation::featheringSlot(int kind)
{
    return kind >= 25 && kind < 25 + kAVFeatheringCount ? AVSlotFeathering + (kind - 25) : -1;
}

AVTransition* AVAnimation::transition(int slot) const
{
    return slot >= 0 && slot < AVSlotCount ? _slots[slot] : nullptr;
}

AVTransition* AVAnimation::_slotTransition(int slot)
{
    if (slot < 0 || slot >= AVSlotCount)
        return nullptr;
    if (!_slots[slot]) {
        _slots[slot] = _createTransition(slot);
        _slots[slot]->setEasing(_easingType);
    }
    return _slots[slot];
}

AVTransition* AVAnimation::_createTransition(int slot) const
{
    const double s = _start;
    const double d = _duration;
    switch (slot) {
    case AVSlotTransparency: return new AVTransparencyTransition(0, 0, s, d);
    case AVSlotPosition: return new AVPositionTransition(0, 0, 0, 0, s, d);
    case AVSlotScale: return new AVScaleTransition(1, 1, 1, 1, s, d);
    case AVSlotRotate: return new AVRotateTransition(0, 0, s, d);
    case AVSlotRotateX: return new AVRotateXTransition(0, 0, s, d);
    case AVSlotRotateY: return new AVRotateYTransition(0, 0, s, d);
    case AVSlotAnchor: return new AVAnchorTransition(0.5f, 0.5f, 0.5f, 0.5f, s, d);
    case AVSlotVolume: return new AVVolumeTransition(1, 1, s, d);
    case AVSlotCropTopLeft: return new AVCropTopLeftTransition(0, 0, 0, 0, s, d);
    case AVSlotCropBottomRight: return new AVCropBottomRightTransition(1, 1, 1, 1, s, d);
    default: break;
    }
    if (slot >= AVSlotEffectColor)
        return new AVEffectColorTransition(uint32_t(slot - AVSlotEffectColor), 0, 0, s, d);
    if (slot >= AVSlotPointOffset)
        return new AVPointOffsetTransition(uint32_t(slot - AVSlotPointOffset), 0, 0, 0, 0, s, d);
    return new AVFeatheringTransition(uint32_t(slot - AVSlotFeathering + 25), 0, 0, s, d);
}

void AVAnimation::_applySlot(int slot, AVSegment* segment, double time, AVTransition** latest, uint32_t* written)
{
    AVTransition* transition = _slots[slot];
    if (!transition)
        return;
    const int type = transition->propertyType();
    written[type] |= transition->apply(segment, time, &latest[type]);
}

void AVAnimation::apply(AVSegment* segment, double time, AVTransition** latest, uint32_t* written)
{
    if (!segment->isVisual()) {
        _applySlot(AVSlotVolume, segment, time, latest, written);
        return;
    }
    for (int slot = 0; slot < AVSlotCount; ++slot) {
        if (slot != AVSlotVolume)
            _applySlot(slot, segment, time, latest, written);
    }
}
