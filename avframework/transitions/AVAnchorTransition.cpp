#include "AVAnchorTransition.h"

#include "AVAnimatedValues.h"

void AVAnchorTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    values.anchor = AVFloatPair{x, y};
}
