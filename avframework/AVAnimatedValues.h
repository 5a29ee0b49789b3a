#pragma once

#include "AVGeometry.h"

#include <cstdint>

constexpr int kAVEffectColorCount = 20;
constexpr int kAVCornerCount = 4;
constexpr int kAVFeatheringCount = 4;

// The values that transitions animate. A segment keeps one set of static
// values (set by property id) and one set of current values, which every
// evaluation resets from the static set and then overwrites with the active
// transitions. Layers use the visual members, sound segments the volume.
struct AVAnimatedValues {
    float transparency = 0.0f;            // 0 opaque .. 1 invisible
    AVFloatPair position{0.0f, 0.0f};
    AVFloatPair scale{1.0f, 1.0f};
    float rotation = 0.0f;                // degrees
    float rotationX = 0.0f;               // degrees
    float rotationY = 0.0f;               // degrees
    AVFloatPair anchor{0.5f, 0.5f};       // fraction of the layer
    AVFloatPair cropTopLeft{0.0f, 0.0f};  // fraction of the picture
    AVFloatPair cropBottomRight{1.0f, 1.0f};
    int32_t effectColor[kAVEffectColorCount] = {};   // percent, -100..100
    AVFloatPair pointOffset[kAVCornerCount] = {};    // perspective corner offsets
    float feathering[kAVFeatheringCount] = {};       // X0, Y0, X1, Y1
    float volume = 1.0f;                  // at least 0
};
