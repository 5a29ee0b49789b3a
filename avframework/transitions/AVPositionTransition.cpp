#include "AVPositionTransition.h"

#include "AVAnimatedValues.h"

void AVPositionTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    values.position = AVFloatPair{x, y};
}
