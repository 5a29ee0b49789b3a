#include "AVEffectShaderText.h"

#include "AVTrace.h"

#include <cstdio>
#include <cstring>

namespace {

struct EffectMarker {
    const char* marker;
    const char* name;  // as the failure names it
};

// Switches 0 to 16 and the chroma flag; switch 17 has no marker.
const EffectMarker kMarkers[] = {
    {"SATURATION_COLOR ", "saturation"},
    {"BRIGHTNESS_COLOR ", "brightness"},
    {"CONTRAST_COLOR ", "contrast"},
    {"WHITEBALANCE_COLOR ", "white balance"},
    {"EXPOSURE_COLOR ", "exposure"},
    {"HUE_COLOR ", "hue"},
    {"RGB_COLOR ", "rgb"},
    {"HIGHLIGHT_SHADOW_COLOR ", "highlight/shadow"},
    {"INVERT_COLOR_EFFECT ", "invert color"},
    {kAVBlurRadiusMarker, "gaussian blur"},
    {"PIXELLATE_EFFECT ", "pixellate"},
    {"REDBLUE_STEREO_EFFECT ", "red blue stereo"},
    {"VIGNETTE_EFFECT ", "vignette"},
    {"WAVE_EFFECT ", "wave"},
    {"NOISE_EFFECT ", "noise"},
    {"NOISE_2_EFFECT ", "noise 2"},
    {"SHARPEN_EFFECT ", "sharpen"},
    {"GREEN_SCREEN_EFFECT ", "green screen"},
};
constexpr int kGreenScreenMarker = 17;

// Sets the character after the marker (found at or after from) to "1";
// null when the marker is missing, else the position after the marker.
char* switchOn(char* from, const char* marker)
{
    char* at = std::strstr(from, marker);
    if (!at)
        return nullptr;
    char* after = at + std::strlen(marker);
    if (*after == '\0')
        return nullptr;
    *after = '1';
    return after;
}

} // namespace

char* avWriteBlurRadius(char* from, const char* marker, size_t markerLength, int radius)
{
    char* at = std::strstr(from, marker);
    if (!at || radius < 0 || radius > 99)
        return nullptr;
    char* after = at + markerLength;
    if (after[0] == '\0' || after[1] == '\0')
        return nullptr;
    char digits[4];
    std::snprintf(digits, sizeof digits, "%d", radius);
    if (radius >= 10) {
        after[0] = digits[0];
        after[1] = digits[1];
    } else {
        after[1] = digits[0];
    }
    return after;
}

bool avSwitchEffectVertexMarkers(char* text, bool blur, int blurRadius, bool sharpen)
{
    char* from = text;
    if (blur) {
        from = avWriteBlurRadius(text, kAVBlurRadiusMarker, kAVBlurRadiusMarkerLength, blurRadius);
        if (!from) {
            avTrace("Failed to set gaussian blur enabled.");
            return false;
        }
    }
    if (sharpen && !switchOn(from, kMarkers[kAVEffectSharpen].marker)) {
        avTrace("Failed to set sharpen enabled.");
        return false;
    }
    return true;
}

bool avSwitchEffectFragmentMarkers(char* text, const AVEffectSwitches& switches, bool chroma, int blurRadius)
{
    char* from = text;
    for (int k = 0; k <= kGreenScreenMarker; ++k) {
        const bool on = k == kGreenScreenMarker ? chroma : switches.on[k] != 0;
        if (!on)
            continue;
        char* after = k == kAVEffectBlur
            ? avWriteBlurRadius(from, kMarkers[k].marker, kAVBlurRadiusMarkerLength, blurRadius)
            : switchOn(from, kMarkers[k].marker);
        if (!after) {
            avTrace("Failed to set %s enabled.", kMarkers[k].name);
            return false;
        }
        from = after;
    }
    return true;
}
