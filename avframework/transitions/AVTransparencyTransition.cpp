#include "AVTransparencyTransition.h"

#include "AVAnimatedValues.h"

void AVTransparencyTransition::_write(AVAnimatedValues& values, float x, float) const
{
    values.transparency = x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
}
