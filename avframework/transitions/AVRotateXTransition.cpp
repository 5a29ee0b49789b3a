#include "AVRotateXTransition.h"

#include "AVAnimatedValues.h"

void AVRotateXTransition::_write(AVAnimatedValues& values, float x, float) const
{
    values.rotationX = x;
}
