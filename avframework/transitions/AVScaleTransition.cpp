#include "AVScaleTransition.h"

#include "AVAnimatedValues.h"
#include "AVTextSegment.h"

void AVScaleTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    values.scale = AVFloatPair{x, y};
}

void AVScaleTransition::_writeFor(AVSegment* segment, AVAnimatedValues& values, float x, float y) const
{
    // The conversion is a constant factor per axis, so converting the
    // interpolated value equals interpolating converted begin and end values.
    const auto* text = segment->isText() ? dynamic_cast<const AVTextSegment*>(segment) : nullptr;
    if (!text) {
        _write(values, x, y);
        return;
    }
    values.scale = text->convertedScale({x, y});
}
