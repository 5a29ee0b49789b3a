#pragma once

#include "AVLayerDrawState.h"

#include <cstddef>

// Switches the "#define" markers of the effect-colour shader texts in place.
// Each marker is followed by one character, "0" in the source, that becomes
// "1"; the blur marker is followed by a space and a digit, which receive the
// radius so that no radius is written with a leading zero.

constexpr const char* kAVBlurRadiusMarker = "GAUSSIAN_BLUR_RADIUS ";
constexpr size_t kAVBlurRadiusMarkerLength = 21;

// Writes the radius into the two characters after the first marker found at
// or after from: two digits fill both, one digit the second. Null when the
// marker is missing or the radius is negative or has three digits; else the
// position just after the marker.
char* avWriteBlurRadius(char* from, const char* marker, size_t markerLength, int radius);

// The vertex text: the blur radius (with blur on) and the sharpen switch.
bool avSwitchEffectVertexMarkers(char* text, bool blur, int blurRadius, bool sharpen);
// The fragment text: every switch that is on in table order (switch 9
// writes the radius; switch 17 has no marker), then the chroma flag. Each
// marker is looked for after the one before, so they must appear in the
// text in that order. False, with the diagnostic of the first marker
// missing, when one is not found.
bool avSwitchEffectFragmentMarkers(char* text, const AVEffectSwitches& switches, bool chroma, int blurRadius);
