#pragma once

#include "AVTransition.h"

// The layer rotation about Y in degrees.
class AVRotateYTransition : public AVTransition {
public:
    AVRotateYTransition(float from, float to, double relativeStart, double relativeDuration)
        : AVTransition(from, to, relativeStart, relativeDuration) {}

    int propertyType() const override { return 7; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
