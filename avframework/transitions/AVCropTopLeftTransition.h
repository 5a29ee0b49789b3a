#pragma once

#include "AVTransition.h"

// The top-left crop corner, a fraction of the picture.
class AVCropTopLeftTransition : public AVTransition {
public:
    AVCropTopLeftTransition(float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration)
        : AVTransition(fromX, fromY, toX, toY, relativeStart, relativeDuration) {}

    int propertyType() const override { return 9; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
