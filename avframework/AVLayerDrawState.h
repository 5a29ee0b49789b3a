#pragma once

#include <cstdint>

// One byte per colour effect, 1 = on, in the order: saturation, brightness,
// contrast, white balance, exposure, hue, RGB gains, highlights and shadows,
// invert, Gaussian blur, pixellate, red-blue stereo, vignette, wave, noise,
// second noise, sharpen, green key.
struct AVEffectSwitches {
    uint8_t on[18];
};

constexpr int kAVEffectCount = 18;
constexpr int kAVEffectBlur = 9;
constexpr int kAVEffectSharpen = 16;
constexpr int kAVEffectGreenKey = 17;

// The parameters of each effect: group k belongs to switch k.
struct AVEffectParams {
    float groups[kAVEffectCount][8];
};

// The per-frame state of one layer that the composition fills from the
// layer segment's current values and the renderer draws.
struct AVLayerDrawState {
    uint32_t sourceRotation;  // 0, 90, 180 or 270: the picture as stored
    float anchorX, anchorY;   // pivot, fractions of the picture
    float positionX, positionY;  // centre offset, fractions of the output
    float scaleX, scaleY;
    float rotationZ;  // radians
    float cornerRadius;  // output pixels
    // A fraction of the output width for a border, of the texture width for
    // a stroke.
    float outlineWidth;
    float outlineColor[4];
    uint8_t outlineIsStroke;  // 1: stroke around the opaque content
    float strokeTolerance;
    float strokeStrength;
    float shadowOpacity;  // the shadow is drawn above 0
    float shadowColor[4];
    float shadowOffsetX, shadowOffsetY;  // in the unscaled, unrotated layer
    float shadowBlur;  // Gaussian sigma in pixels
    float opacity;
    float crop[4];  // visible part (c0, c1) to (c2, c3) in picture fractions
    float rotationX, rotationY;  // radians
    uint8_t cullBackFace;
    float chromaThreshold;  // the chroma key is on above 0
    float chromaSmoothing;
    float chromaColor[3];
    AVEffectSwitches effectSwitches;
    AVEffectParams effectParams;
    uint8_t perspective3D;
    // How far each picture corner (top-left, top-right, bottom-right,
    // bottom-left) moves, fractions of the layer width and height.
    float cornerOffsets[8];
    float feathering[4];  // left, top, right, bottom
};

// The state that draws a texture unchanged: all zeros except anchor
// (0.5, 0.5), scale 1, the whole picture and full opacity.
AVLayerDrawState avLayerDrawStateNeutral(uint32_t sourceRotation);

// Switches on and sets the colour effects of the nine adjustments
// (saturation, brightness, contrast, white balance, exposure, hue, red,
// green, blue gains), each -100..100; 0 leaves its effect off.
void avApplyColourAdjustments(AVLayerDrawState* state, const int32_t* values);
