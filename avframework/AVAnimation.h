#pragma once

#include "AVEasing.h"

#include <cstdint>

class AVSegment;
class AVTransition;

// The 38 property slots of an animation group.
enum AVAnimationSlot : int {
    AVSlotTransparency = 0,
    AVSlotPosition = 1,
    AVSlotScale = 2,
    AVSlotRotate = 3,
    AVSlotRotateX = 4,
    AVSlotRotateY = 5,
    AVSlotAnchor = 6,
    AVSlotVolume = 7,
    AVSlotCropTopLeft = 8,
    AVSlotCropBottomRight = 9,
    AVSlotFeathering = 10,   // 10..13: feathering kinds 25..28
    AVSlotPointOffset = 14,  // 14..17: corners 0..3
    AVSlotEffectColor = 18,  // 18..37: colour adjustment indices 0..19
    AVSlotCount = 38,
};

// One animation group: the transitions of one editor transition, sharing a
// window (fractions of the segment duration) and an easing curve. A slot's
// transition comes into being on the first set of its begin or end value and
// lives as long as the group.
class AVAnimation {
public:
    AVAnimation(uint32_t id, double start, double duration);
    ~AVAnimation();
    AVAnimation(const AVAnimation&) = delete;
    AVAnimation& operator=(const AVAnimation&) = delete;

    uint32_t id() const { return _id; }
    void setId(uint32_t id) { _id = id; }
    double startTime() const { return _start; }
    double duration() const { return _duration; }
    int easingType() const { return _easingType; }

    // Store the value in the group and pass it to every present transition.
    void setStartTime(double fraction);
    void setDuration(double fraction);
    void setEasing(int type);

    // Begin and end values of a slot. Single-valued slots ignore y; volume is
    // clamped to at least 0; an invalid slot is ignored.
    void setFrom(int slot, float x, float y = 0.0f);
    void setTo(int slot, float x, float y = 0.0f);

    // Slot of a colour adjustment index, a corner or a feathering kind; -1
    // when out of range (an effect-colour index of 20 or more).
    static int effectColorSlot(int index);
    static int pointOffsetSlot(int corner);
    static int featheringSlot(int kind);

    // The transition in a slot, or null while it has not been set.
    AVTransition* transition(int slot) const;

    // Visual segments evaluate every slot but volume; others only volume.
    void apply(AVSegment* segment, double time, AVTransition** latest, uint32_t* written);

private:
    AVTransition* _slotTransition(int slot);
    AVTransition* _createTransition(int slot) const;
    void _applySlot(int slot, AVSegment* segment, double time, AVTransition** latest, uint32_t* written);

    AVTransition* _slots[AVSlotCount] = {};
    uint32_t _id;
    double _start;
    double _duration;
    int _easingType = kAVDefaultEasing;
};
