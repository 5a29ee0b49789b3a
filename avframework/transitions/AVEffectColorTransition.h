#pragma once

#include "AVTransition.h"

#include <cstdint>

// One colour adjustment (index 0..19), written as an integer truncated toward zero.
class AVEffectColorTransition : public AVTransition {
public:
    AVEffectColorTransition(uint32_t index, float from, float to, double relativeStart, double relativeDuration);

    int propertyType() const override { return 11 + int(_index); }
    uint32_t effectColorIndex() const { return _index; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;

private:
    uint32_t _index; // position in the current values' array
};
