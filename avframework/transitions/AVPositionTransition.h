#pragma once

#include "AVTransition.h"

// The layer position.
class AVPositionTransition : public AVTransition {
public:
    AVPositionTransition(float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration)
        : AVTransition(fromX, fromY, toX, toY, relativeStart, relativeDuration) {}

    int propertyType() const override { return 3; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
