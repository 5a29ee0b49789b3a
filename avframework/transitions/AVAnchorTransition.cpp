#include "AVAnchorTransition.h"

#include "AVAnimatedValues.h"
#include "AVTextSegment.h"

void AVAnchorTransition::_write(AVAnimatedValues& values, float x, float y) const
{
    values.anchor = AVFloatPair{x, y};
}

void AVAnchorTransition::_writeFor(AVSegment* segment, AVAnimatedValues& values, float x, float y) const
{
    _write(values, x, y);
    if (const auto* text = segment->isText() ? dynamic_cast<const AVTextSegment*>(segment) : nullptr)
        values.position = text->anchoredPosition(values.position, values.anchor);
}
