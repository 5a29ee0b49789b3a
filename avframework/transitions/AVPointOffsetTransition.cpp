#include "AVPointOffsetTransition.h"

#include "AVAnimatedValues.h"

AVPointOffsetTransition::AVPointOffsetTransition(uint32_t corner, float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration)
    : AVTransition(fromX, fromY, toX, toY, relativeStart, relativeDuration), _index(corner)
{
}

void AVPointOffsetTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    if (_index < kAVCornerCount)
        values.pointOffset[_index] = AVFloatPair{x, y};
}
