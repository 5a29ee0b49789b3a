#pragma once

#include "AVTransition.h"

// The layer scale factors. On a text layer a value is converted so that the
// text picture appears at that scale of its own pixel size.
class AVScaleTransition : public AVTransition {
public:
    AVScaleTransition(float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration)
        : AVTransition(fromX, fromY, toX, toY, relativeStart, relativeDuration) {}

    int propertyType() const override { return 4; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
    void _writeFor(AVSegment* segment, AVAnimatedValues& values, float x, float y) const override;
};
