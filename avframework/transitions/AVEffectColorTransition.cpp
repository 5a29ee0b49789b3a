#include "AVEffectColorTransition.h"

#include "AVAnimatedValues.h"

AVEffectColorTransition::AVEffectColorTransition(uint32_t index, float from, float to, double relativeStart, double relativeDuration)
    : AVTransition(from, to, relativeStart, relativeDuration), _index(index)
{
}

void AVEffectColorTransition::_write(AVAnimatedValues& values, float x, float) const
{
    if (_index < kAVEffectColorCount)
        values.effectColor[_index] = static_cast<int32_t>(x); // truncation toward zero
}
