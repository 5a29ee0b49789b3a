#pragma once

#include "AVTransition.h"

// The layer rotation in degrees.
class AVRotateTransition : public AVTransition {
public:
    AVRotateTransition(float from, float to, double relativeStart, double relativeDuration)
        : AVTransition(from, to, relativeStart, relativeDuration) {}

    int propertyType() const override { return 5; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
