#include "AVScaleTransition.h"

#include "AVAnimatedValues.h"

void AVScaleTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    values.scale = AVFloatPair{x, y};
}
