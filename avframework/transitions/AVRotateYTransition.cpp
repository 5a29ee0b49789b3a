#include "AVRotateYTransition.h"

#include "AVAnimatedValues.h"

void AVRotateYTransition::_write(AVAnimatedValues& values, float x, float) const
{
    values.rotationY = x;
}
