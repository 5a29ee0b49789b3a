#pragma once

#include "AVTrace.h"

#include <cstddef>
#include <cstdint>

// The one numbering of uniforms shared by every engine program: a program's
// location table is indexed by these slots, so the drawing code sets a
// uniform the same way whatever program is in use. Integer and boolean
// uniforms (colorRange, colorSpace, isSt2084, isAribB67) are set with glUniform1i.
enum AVUniformSlot : int {
    AVUniformSampler = 0,
    AVUniformSamplerY = 1,
    AVUniformSamplerU = 2,  // SamplerUV in two-plane programs
    AVUniformSamplerV = 3,
    AVUniformShadowSampler = 4,
    AVUniformDepthSampler = 5,
    AVUniformRenderTransform = 6,
    AVUniformProjectionTransform = 7,
    AVUniformOpacity = 8,
    AVUniformDrawBorderColor = 10,
    AVUniformDrawShadowOpacity = 14,
    AVUniformDrawShadowColor = 15,
    AVUniformWidth = 16,
    AVUniformHeight = 17,
    AVUniformRtW = 20,
    AVUniformRtH = 21,
    AVUniformSaturation = 22,
    AVUniformBrightness = 23,
    AVUniformContrast = 24,
    AVUniformTemperature = 25,
    AVUniformExposure = 26,
    AVUniformHueAdjust = 27,
    AVUniformRedAdjustment = 28,
    AVUniformGreenAdjustment = 29,
    AVUniformBlueAdjustment = 30,
    AVUniformShadows = 31,
    AVUniformHighlights = 32,
    AVUniformTexelWidthOffset = 33,
    AVUniformTexelHeightOffset = 34,
    AVUniformFractionalWidthOfPixel = 35,
    AVUniformAspectRatio = 36,
    AVUniformRedBlueStereoOffsetX = 37,
    AVUniformRedBlueStereoOffsetY = 38,
    AVUniformVignetteCenter = 39,
    AVUniformVignetteColor = 40,
    AVUniformVignetteStart = 41,
    AVUniformVignetteEnd = 42,
    AVUniformWavePhase = 43,
    AVUniformWaveAmplitude = 44,
    AVUniformWaveIntensity = 45,
    AVUniformNoiseTime = 46,
    AVUniformNoise2Time = 47,
    AVUniformImageWidthFactor = 48,
    AVUniformImageHeightFactor = 49,
    AVUniformSharpness = 50,
    AVUniformThresholdSensitivity = 51,
    AVUniformSmoothing = 52,
    AVUniformColorToReplace = 53,
    AVUniformStrokeTolerance = 56,
    AVUniformStrokeColor = 57,
    AVUniformStrokeStrength = 58,
    AVUniformSdfTexture = 59,
    AVUniformStrokeWidth = 60,
    AVUniformMaxDistance = 61,
    AVUniformSdfDownsampleFactor = 62,
    AVUniformInputTexture = 63,
    AVUniformSeedTexture = 64,
    AVUniformOriginalTexture = 65,
    AVUniformTextureSize = 66,
    AVUniformStepSize = 67,
    AVUniformColorRange = 68,
    AVUniformColorSpace = 69,
    AVUniformIsSt2084 = 70,
    AVUniformIsAribB67 = 71,
    AVUniformFeathering = 72,
    AVUniformTexCoordBounds = 73,
    AVUniformCornerRadius = 74,
};

constexpr int kAVUniformSlotCount = 75;

// The GLSL name of a slot (SamplerU for slot 2); null for unused slots.
const char* avUniformName(int slot);

// A built program and its uniform locations by slot: -1 where the program
// has no such uniform or never asked for it.
struct AVGLProgram {
    uint32_t program;
    int32_t locations[kAVUniformSlotCount];
};

// One uniform a program asks for: its slot and, where the slot's usual name
// does not apply (SamplerUV), the name to look up.
struct AVUniformRequest {
    int slot;
    const char* name;  // null: avUniformName(slot)
};

// Compiles the source into a new shader of the type. A source that fails is
// retried once with every "highp" turned into "mediump", for drivers that
// refuse high precision in fragment shaders. False (no shader left) on failure.
// A failure is told to report, or to the engine's trace hook when it is null.
bool avCompileShader(uint32_t* shader, uint32_t type, const char* source, AVTraceHook report = nullptr);
// Links the program and returns its GL_LINK_STATUS.
int avLinkProgram(uint32_t program);
// Builds a program from the two sources with "position" at attribute 0 and,
// with bindTexCoord, "texCoord" at 1, and fills the requested locations of
// the kAVUniformSlotCount-long array, every other slot with -1.
// Returns the program name, or 0 with nothing left behind; compile and link
// failures are told to report, or to the engine's trace hook when it is null.
uint32_t avBuildProgram(const char* vertexSource, const char* fragmentSource, const AVUniformRequest* uniforms,
                        size_t uniformCount, int32_t* locations, bool bindTexCoord, AVTraceHook report = nullptr);

// projectionTransform (slot 7) of the current program for a width x height
// viewport centred on the origin: orthographic, or a perspective in which
// the plane z = -(height / 2) / tan(10 degrees) fills the viewport.
void avSetOrthoProjection(const int32_t* locations, float width, float height);
void avSetPerspectiveProjection(const int32_t* locations, float width, float height);
