#pragma once

#include "AVTransition.h"

// The bottom-right crop corner, a fraction of the picture.
class AVCropBottomRightTransition : public AVTransition {
public:
    AVCropBottomRightTransition(float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration)
        : AVTransition(fromX, fromY, toX, toY, relativeStart, relativeDuration) {}

    int propertyType() const override { return 10; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
