#include "AVBlurShaderSource.h"
#include "AVEffectShaderText.h"
#include "AVGLRenderer.h"
#include "AVLayerGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <locale>
#include <regex>
#include <string>

namespace {

struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

std::string switched(const char* source, const AVEffectSwitches& switches, bool chroma, int radius, bool* ok)
{
    std::string text(source);
    *ok = avSwitchEffectFragmentMarkers(text.data(), switches, chroma, radius);
    return text;
}

} // namespace

TEST(EffectShaderText, BlurRadiusIsWrittenWithoutALeadingZero)
{
    std::string text = "#define GAUSSIAN_BLUR_RADIUS  0\n#define SHARPEN_EFFECT 0\n";
    ASSERT_NE(avWriteBlurRadius(text.data(), kAVBlurRadiusMarker, kAVBlurRadiusMarkerLength, 8), nullptr);
    EXPECT_EQ(text.substr(0, 31), "#define GAUSSIAN_BLUR_RADIUS  8");
    ASSERT_NE(avWriteBlurRadius(text.data(), kAVBlurRadiusMarker, kAVBlurRadiusMarkerLength, 42), nullptr);
    EXPECT_EQ(text.substr(0, 31), "#define GAUSSIAN_BLUR_RADIUS 42");
    EXPECT_EQ(avWriteBlurRadius(text.data(), kAVBlurRadiusMarker, kAVBlurRadiusMarkerLength, 100), nullptr);
    EXPECT_EQ(avWriteBlurRadius(text.data(), kAVBlurRadiusMarker, kAVBlurRadiusMarkerLength, -3), nullptr);
    std::string without = "#define SHARPEN_EFFECT 0\n";
    EXPECT_EQ(avWriteBlurRadius(without.data(), kAVBlurRadiusMarker, kAVBlurRadiusMarkerLength, 5), nullptr);
}

TEST(EffectShaderText, MarkersAreSwitchedInTableOrderOnly)
{
    const char* source = "#define SATURATION_COLOR 0\n#define HUE_COLOR 0\n#define GAUSSIAN_BLUR_RADIUS  0\n"
                         "#define GREEN_SCREEN_EFFECT 0\n";
    AVEffectSwitches switches{};
    switches.on[0] = switches.on[5] = switches.on[kAVEffectBlur] = 1;
    bool ok = false;
    EXPECT_EQ(switched(source, switches, true, 5, &ok),
              "#define SATURATION_COLOR 1\n#define HUE_COLOR 1\n#define GAUSSIAN_BLUR_RADIUS  5\n"
              "#define GREEN_SCREEN_EFFECT 1\n");
    EXPECT_TRUE(ok);
    // The green key of the effect group has no marker of its own.
    AVEffectSwitches greenKey{};
    greenKey.on[kAVEffectGreenKey] = 1;
    switched(source, greenKey, false, 0, &ok);
    EXPECT_TRUE(ok);
    // A marker before the one found last is not found: order matters.
    const char* outOfOrder = "#define HUE_COLOR 0\n#define SATURATION_COLOR 0\n";
    AVEffectSwitches both{};
    both.on[0] = both.on[5] = 1;
    switched(outOfOrder, both, false, 0, &ok);
    EXPECT_FALSE(ok);
    AVEffectSwitches missing{};
    missing.on[12] = 1;  // vignette
    switched(source, missing, false, 0, &ok);
    EXPECT_FALSE(ok);
}

TEST(EffectShaderText, WhiteBalanceTemperature)
{
    EXPECT_FLOAT_EQ(avWhiteBalanceTemperature(5000), 0.0f);
    EXPECT_NEAR(avWhiteBalanceTemperature(4000), -0.4f, 1e-6);
    EXPECT_NEAR(avWhiteBalanceTemperature(7000), 0.12f, 1e-6);
}

TEST(BlurShaderSource, RadiusAndGeneratedTaps)
{
    EXPECT_EQ(avShadowBlurRadius(1), 4);
    EXPECT_EQ(avShadowBlurRadius(8), 18);
    // Past sigma 102 the cut-off has no solution; wide shadows keep the widest.
    EXPECT_EQ(avShadowBlurRadius(200), avShadowBlurRadius(62));
    EXPECT_GE(avShadowBlurRadius(62), avShadowBlurRadius(61));

    // Numbers keep their decimal point whatever the process locale says.
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    char buffer[16384];
    ASSERT_GT(avBlurFragmentSource(18, 8.0f, 1, buffer, sizeof buffer), 0);
    const std::string fragment(buffer);
    EXPECT_NE(fragment.find("uniform sampler2D depthSampler;"), std::string::npos);
    auto reads = [](const std::string& text) {
        size_t count = 0;
        for (size_t at = text.find("texelFetch(shadowSampler"); at != std::string::npos;
             at = text.find("texelFetch(shadowSampler", at + 1))
            ++count;
        return count;
    };
    EXPECT_EQ(reads(fragment), 1u) << "composing reads the blurred texel only";
    // Down, packed: every texel within the radius once, the centre and 18 each side.
    char down[16384];
    ASSERT_GT(avBlurFragmentSource(18, 8.0f, 2, down, sizeof down), 0);
    EXPECT_EQ(reads(down), 37u);
    EXPECT_NE(std::string(down).find("at.y + 18"), std::string::npos);
    EXPECT_EQ(std::string(down).find("at.y + 19"), std::string::npos);
    // Across, packed: the 4 columns and 18 more on each side, once each.
    char across[32768];
    ASSERT_GT(avBlurFragmentSource(18, 8.0f, 0, across, sizeof across), 0);
    EXPECT_EQ(reads(across), 40u);
    std::locale::global(previous);
    EXPECT_FALSE(std::regex_search(std::string(down), std::regex("[0-9],[0-9]"))) << down;
    EXPECT_TRUE(std::regex_search(std::string(down), std::regex("\\* 0\\.[0-9]{6};")));
    EXPECT_EQ(avBlurFragmentSource(18, 8.0f, 0, buffer, 64), 0) << "too small a buffer fails";
}

TEST(LayerGeometry, RoundedRectangleRunsCounterClockwise)
{
    float points[160];
    EXPECT_EQ(avRoundedRectPolygon(points, 3, 0, 0, 10, 10, 2), 0);
    ASSERT_EQ(avRoundedRectPolygon(points, 4, -5, 5, 10, 10, 2), 4);
    const float corners[8] = {-5, -5, 5, -5, 5, 5, -5, 5};
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(points[i], corners[i]);
    ASSERT_EQ(avRoundedRectPolygon(points, 80, -5, 5, 10, 10, 50), 80);
    // The radius is held to half the side: the first point is the middle of
    // the right edge, the 20th the middle of the top edge.
    EXPECT_NEAR(points[0], 5, 1e-5);
    EXPECT_NEAR(points[1], 0, 1e-5);
    EXPECT_NEAR(points[38], 0, 1e-5);
    EXPECT_NEAR(points[39], 5, 1e-5);
    double area = 0;
    for (int i = 0; i < 80; ++i) {
        const int j = (i + 1) % 80;
        area += points[2 * i] * points[2 * j + 1] - points[2 * j] * points[2 * i + 1];
    }
    EXPECT_GT(area, 0) << "counter-clockwise";
    EXPECT_NEAR(area / 2, M_PI * 25, 0.5) << "a circle of radius 5";
}

TEST(LayerGeometry, PerspectiveMapTakesEachCornerToItsTarget)
{
    const float source[8] = {-32, -24, 32, -24, 32, 24, -32, 24};
    const float target[8] = {-16, -12, 30, -20, 40, 30, -30, 20};
    float h[9];
    avPerspectiveFromCorners(source, target, h);
    for (int k = 0; k < 4; ++k) {
        const float x = source[2 * k], y = source[2 * k + 1];
        const float q = h[6] * x + h[7] * y + h[8];
        EXPECT_NEAR((h[0] * x + h[1] * y + h[2]) / q, target[2 * k], 1e-3);
        EXPECT_NEAR((h[3] * x + h[4] * y + h[5]) / q, target[2 * k + 1], 1e-3);
    }
    avPerspectiveFromCorners(source, source, h);
    const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(h[i], identity[i], 1e-6);
    // Four points on one line leave columns without a pivot: zeros, no NaN.
    const float line[8] = {0, 0, 1, 0, 2, 0, 3, 0};
    avPerspectiveFromCorners(line, target, h);
    for (float value : h)
        EXPECT_FALSE(std::isnan(value));
}
