#pragma once

#include "AVTransition.h"

// The layer anchor, a fraction of the layer. On a text layer it also moves
// the current position, as the text's static anchor does.
class AVAnchorTransition : public AVTransition {
public:
    AVAnchorTransition(float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration)
        : AVTransition(fromX, fromY, toX, toY, relativeStart, relativeDuration) {}

    int propertyType() const override { return 8; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
    void _writeFor(AVSegment* segment, AVAnimatedValues& values, float x, float y) const override;
};
