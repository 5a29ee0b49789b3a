#include "AVCropTopLeftTransition.h"

#include "AVAnimatedValues.h"

void AVCropTopLeftTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    values.cropTopLeft = AVFloatPair{x, y};
}
