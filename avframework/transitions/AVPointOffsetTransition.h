#pragma once

#include "AVTransition.h"

#include <cstdint>

// The offset of one perspective corner (0..3).
class AVPointOffsetTransition : public AVTransition {
public:
    AVPointOffsetTransition(uint32_t corner, float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration);

    int propertyType() const override { return 20 + int(_index); }
    uint32_t corner() const { return _index; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;

private:
    uint32_t _index; // position in the current values' array
};
