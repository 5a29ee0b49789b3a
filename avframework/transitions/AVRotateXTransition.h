#pragma once

#include "AVTransition.h"

// The layer rotation about X in degrees.
class AVRotateXTransition : public AVTransition {
public:
    AVRotateXTransition(float from, float to, double relativeStart, double relativeDuration)
        : AVTransition(from, to, relativeStart, relativeDuration) {}

    int propertyType() const override { return 6; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
