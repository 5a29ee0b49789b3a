#include "AVCropBottomRightTransition.h"

#include "AVAnimatedValues.h"

void AVCropBottomRightTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    values.cropBottomRight = AVFloatPair{x, y};
}
