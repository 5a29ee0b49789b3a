// The property vocabulary: what each property id (1 to 74) sets on a layer
// or a sound segment and how its floats are shaped first, and which ids an
// animation group can animate.

#include "AVEngine.h"

#include "AVAnimation.h"
#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVLayerSegment.h"
#include "AVSoundSegment.h"
#include "AVTextSegment.h"

#include <cmath>

namespace {

constexpr int32_t kPropertyCount = 74;
constexpr int32_t kVolumeId = 15;
constexpr int32_t kPitchId = 65;
constexpr double kPi = 3.141592653589793;

struct Values {
    float a, b, c, d;
};

// Radians from the model, degrees in the engine.
float degrees(float radians)
{
    return float(radians * 180.0 / kPi);
}

int32_t whole(float value)
{
    return int32_t(value);  // toward zero
}

// A switch is on only for exactly 1 after truncation.
uint8_t flag(float value)
{
    return whole(value) == 1 ? 1 : 0;
}

uint32_t percent(float value)
{
    return uint32_t(whole(value));
}

AVVec4 colour3(const Values& v)
{
    AVVec4 colour;
    return *avColorMake(&colour, v.a, v.b, v.c);
}

AVVec4 colour4(const Values& v)
{
    AVVec4 colour;
    return *avVec4Make(&colour, v.a, v.b, v.c, v.d);
}

// Text rows aimed at another kind of layer are ignored.
template <typename Set>
void onText(AVLayerSegment* layer, Set set)
{
    if (layer->isText())
        set(static_cast<AVTextSegment*>(layer));
}

using LayerSetter = void (*)(AVLayerSegment* layer, const Values& v);

#define ROW(body) [](AVLayerSegment* layer, const Values& v) { (void)v; body; }
#define TEXT_ROW(body) ROW(onText(layer, [&v](AVTextSegment* text) { (void)v; body; }))
#define COLOUR_ROW(index) ROW(layer->setEffectColor(index, whole(v.a)))

// Indexed by id - 1; null rows have no effect.
const LayerSetter kLayerRows[kPropertyCount] = {
    /* 1 */ ROW(layer->setTransparency(v.a)),
    /* 2 */ ROW(layer->setPosition(v.a, v.b)),
    /* 3 */ ROW(layer->setScale(v.a, v.b)),
    /* 4 */ ROW(layer->setRotation(degrees(v.a))),
    /* 5 */ ROW(layer->setRotationX(degrees(v.a))),
    /* 6 */ ROW(layer->setRotationY(degrees(v.a))),
    /* 7 */ ROW(layer->setAnchor(v.a, v.b)),
    /* 8 */ ROW(layer->setCropTopLeft(v.a, v.b)),
    /* 9 */ ROW(layer->setCropBottomRight(v.a, v.b)),
    /* 10 */ ROW(layer->setBorderWidth(v.a)),
    /* 11 */ ROW(layer->setBorderColor(colour3(v))),
    /* 12 */ ROW(if (!layer->isText()) layer->setCornerRadius(v.a)),
    /* 13 */ ROW(layer->setShadowOpacity(v.a)),
    /* 14 */ ROW(layer->setShadowOffset(v.a, v.b)),
    /* 15: sound only */ nullptr,
    /* 16 */ TEXT_ROW(text->setFontScale(v.a)),
    /* 17 */ TEXT_ROW(text->setTextColor(colour3(v))),
    /* 18 */ nullptr,
    /* 19 */ TEXT_ROW(text->setAlignment(uint32_t(whole(v.a)))),
    /* 20 */ COLOUR_ROW(0),
    /* 21 */ COLOUR_ROW(1),
    /* 22 */ COLOUR_ROW(2),
    /* 23 */ COLOUR_ROW(3),
    /* 24 */ COLOUR_ROW(4),
    /* 25 */ COLOUR_ROW(5),
    /* 26 */ COLOUR_ROW(6),
    /* 27 */ COLOUR_ROW(7),
    /* 28 */ COLOUR_ROW(8),
    /* 29 */ nullptr,
    /* 30 */ TEXT_ROW(text->setBackColor(colour4(v))),
    /* 31 */ TEXT_ROW(text->setBackInset(v.a)),
    /* 32 */ TEXT_ROW(text->setBackCorner(v.a)),
    /* 33-39 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 40 */ ROW(layer->setBorderStroke(flag(v.a))),
    /* 41 */ ROW(layer->setBorderStrokeTolerance(percent(v.a))),
    /* 42 */ ROW(layer->setBorderStrokeStrength(percent(v.a))),
    /* 43-49 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 50 */ ROW(layer->setChromaKeyEnabled(flag(v.a))),
    /* 51 */ ROW(layer->setChromaKeySensitivity(percent(v.a))),
    /* 52 */ ROW(layer->setChromaKeySmoothing(percent(v.a))),
    /* 53 */ ROW(layer->setChromaKeyColor(colour3(v))),
    /* 54-59 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 60 */ ROW(layer->setShadowRadius(v.a)),
    /* 61 */ ROW(layer->setShadowColor(colour3(v))),
    /* 62-64 */ nullptr, nullptr, nullptr,
    /* 65: sound only */ nullptr,
    /* 66 */ ROW(layer->setPointOffset(0, v.a, v.b)),
    /* 67 */ ROW(layer->setPointOffset(1, v.a, v.b)),
    /* 68 */ ROW(layer->setPointOffset(2, v.a, v.b)),
    /* 69 */ ROW(layer->setPointOffset(3, v.a, v.b)),
    /* 70 */ ROW(layer->setPerspective(flag(v.a))),
    /* 71 */ ROW(layer->setFeathering(0, v.a)),
    /* 72 */ ROW(layer->setFeathering(1, v.a)),
    /* 73 */ ROW(layer->setFeathering(2, v.a)),
    /* 74 */ ROW(layer->setFeathering(3, v.a)),
};

#undef COLOUR_ROW
#undef TEXT_ROW
#undef ROW

void setSoundProperty(AVSoundSegment* sound, int32_t propertyId, float a)
{
    if (propertyId == kVolumeId)
        sound->setVolume(a);
    else if (propertyId == kPitchId)
        sound->setPitch(a);
}

// The animation slot of a property id on a layer, with its begin or end
// value shaped as the slot takes it; -1 when the id is not animatable there.
int layerAnimationSlot(int32_t propertyId, float* a)
{
    switch (propertyId) {
    case 1: return AVSlotTransparency;
    case 2: return AVSlotPosition;
    case 3: return AVSlotScale;
    case 4: *a = degrees(*a); return AVSlotRotate;
    case 5: *a = degrees(*a); return AVSlotRotateX;
    case 6: *a = degrees(*a); return AVSlotRotateY;
    case 7: return AVSlotAnchor;
    case 8: return AVSlotCropTopLeft;
    case 9: return AVSlotCropBottomRight;
    default: break;
    }
    if (propertyId >= 20 && propertyId <= 28) {
        *a = float(whole(*a));
        return AVAnimation::effectColorSlot(propertyId - 20);
    }
    if (propertyId >= 66 && propertyId <= 69)
        return AVAnimation::pointOffsetSlot(propertyId - 66);
    if (propertyId >= 71 && propertyId <= 74)
        return AVAnimation::featheringSlot(propertyId - 71 + 25);  // feathering kinds 25 to 28
    return -1;
}

} // namespace

void AVEngine::setSegmentProperty(int32_t id, int32_t propertyId, float a, float b, float c, float d)
{
    const AVSegmentHold segment = _find(id);
    if (!segment)
        return;
    if (!segment->isVisual()) {
        setSoundProperty(static_cast<AVSoundSegment*>(segment.get()), propertyId, a);
        return;
    }
    if (propertyId < 1 || propertyId > kPropertyCount)
        return;
    if (LayerSetter set = kLayerRows[propertyId - 1])
        set(static_cast<AVLayerSegment*>(segment.get()), Values{a, b, c, d});
}

void AVEngine::setAnimationState(int32_t id, int32_t animationId, bool isBegin, int32_t propertyId, float a,
                                 float b)
{
    const AVSegmentHold segment = _find(id);
    if (!segment)
        return;
    const int slot = segment->isVisual() ? layerAnimationSlot(propertyId, &a)
                                         : (propertyId == kVolumeId ? int(AVSlotVolume) : -1);
    if (slot < 0)
        return;
    _withAnimation(id, animationId, [=](AVAnimation* animation) {
        if (isBegin)
            animation->setFrom(slot, a, b);
        else
            animation->setTo(slot, a, b);
    });
}
