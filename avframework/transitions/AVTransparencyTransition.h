#pragma once

#include "AVTransition.h"

// The layer transparency, clamped to 0..1. Progresses linearly.
class AVTransparencyTransition : public AVTransition {
public:
    AVTransparencyTransition(float from, float to, double relativeStart, double relativeDuration)
        : AVTransition(from, to, relativeStart, relativeDuration) {}

    int propertyType() const override { return 2; }

protected:
    bool _isEased() const override { return false; }
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
