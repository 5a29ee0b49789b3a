#include "AVRotateTransition.h"

#include "AVAnimatedValues.h"

void AVRotateTransition::_write(AVAnimatedValues& values, float x, float) const
{
    values.rotation = x;
}
