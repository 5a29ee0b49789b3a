#include "AVLayerDrawState.h"

namespace {

// Single precision, as the effect programs take it.
constexpr float kPi = 3.1415927f;
constexpr int kSingleAdjustments = 6;
constexpr int kGainEffect = 6;

// The effect parameter of adjustment index (saturation, brightness,
// contrast, white balance in kelvin, exposure, hue in radians) for a value
// of -100..100.
float adjustmentValue(int index, float x)
{
    const float below = (x + 100) / 100;
    const float above = x / 100;
    switch (index) {
    case 0:
        return x < 0 ? below : above + 1;
    case 1:
        return x < 0 ? below - 1 : above;
    case 2:
        return x < 0 ? below : 3 * above + 1;
    case 3:
        return x < 0 ? below * 2500 + 2500 : above * 5000 + 5000;
    case 4:
        return x < 0 ? below * 4 - 4 : 4 * above;
    default:
        return x < 0 ? below * kPi - kPi : above * kPi;
    }
}

} // namespace

AVLayerDrawState avLayerDrawStateNeutral(uint32_t sourceRotation)
{
    AVLayerDrawState state{};
    state.sourceRotation = sourceRotation;
    state.anchorX = state.anchorY = 0.5f;
    state.scaleX = state.scaleY = 1.0f;
    state.crop[2] = state.crop[3] = 1.0f;
    state.opacity = 1.0f;
    return state;
}

void avApplyColourAdjustments(AVLayerDrawState* state, const int32_t* values)
{
    for (int i = 0; i < kSingleAdjustments; ++i) {
        if (values[i] == 0)
            continue;
        state->effectSwitches.on[i] = 1;
        state->effectParams.groups[i][0] = adjustmentValue(i, float(values[i]));
    }
    // The three gains are one effect; with it on, a gain of 0 counts as 1.
    bool anyGain = false;
    for (int i = 0; i < 3; ++i) {
        const int32_t x = values[kGainEffect + i];
        anyGain = anyGain || x != 0;
        state->effectParams.groups[kGainEffect][i] = x < 0 ? (float(x) + 100) / 100 : float(x) / 100 + 1;
    }
    state->effectSwitches.on[kGainEffect] = anyGain ? 1 : 0;
}
