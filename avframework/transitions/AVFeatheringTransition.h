#pragma once

#include "AVTransition.h"

#include <cstdint>

// One feathering side: kind 25 X0, 26 Y0, 27 X1, 28 Y1.
class AVFeatheringTransition : public AVTransition {
public:
    AVFeatheringTransition(uint32_t kind, float from, float to, double relativeStart, double relativeDuration);

    int propertyType() const override { return int(_index) + 25; }
    uint32_t kind() const { return _index + 25; }

protected:
    void _write(AVAnimatedValues& values, float x, float y) const override;

private:
    uint32_t _index; // position in the current values' array
};
