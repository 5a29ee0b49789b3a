#include "AVFeatheringTransition.h"

#include "AVAnimatedValues.h"

AVFeatheringTransition::AVFeatheringTransition(uint32_t kind, float from, float to, double relativeStart, double relativeDuration)
    : AVTransition(from, to, relativeStart, relativeDuration), _index(kind - 25)
{
}

void AVFeatheringTransition::_write(AVAnimatedValues& values, float x, float) const
{
    if (_index < kAVFeatheringCount)
        values.feathering[_index] = x;
}
