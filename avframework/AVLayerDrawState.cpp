#include "AVLayerDrawState.h"

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
