#pragma once

#include "AVTransition.h"

// The sound volume; negative values become 0. Progresses linearly.
class AVVolumeTransition : public AVTransition {
public:
    AVVolumeTransition(float from, float to, double relativeStart, double relativeDuration)
        : AVTransition(from, to, relativeStart, relativeDuration) {}

    int propertyType() const override { return 1; }

protected:
    bool _acceptsSegment(const AVSegment* segment) const override;
    bool _isEased() const override { return false; }
    void _write(AVAnimatedValues& values, float x, float y) const override;
};
