#include "AVVolumeTransition.h"

#include "AVAnimatedValues.h"
#include "AVSegment.h"

void AVVolumeTransition::_write(AVAnimatedValues& values, float x, float) const
{
    values.volume = x < 0.0f ? 0.0f : x;
}

bool AVVolumeTransition::_acceptsSegment(const AVSegment* segment) const
{
    return !segment->isVisual();
}
