#include "GLTestContext.h"

#include "AVGLFramebuffer.h"
#include "AVLayerDrawState.h"

#include <QImage>

#include <cstdlib>
#include <vector>

namespace {

// Every texture format of each input family.
const uint32_t kFamilyFormats[] = {AVTextureFormatRGBA, AVTextureFormatYUV420, AVTextureFormatYUV420P16,
                                   AVTextureFormatNV12, AVTextureFormatP010};

int livePrograms(QOpenGLFunctions_3_2_Core* gl)
{
    int count = 0;
    for (GLuint name = 1; name < 4096; ++name)
        count += gl->glIsProgram(name) ? 1 : 0;
    return count;
}

} // namespace

TEST_F(GLTest, EveryFamilyBuildsEveryEffectAtOnce)
{
    AVEffectSwitches all{};
    for (int k = 0; k < kAVEffectGreenKey; ++k)
        all.on[k] = 1;
    AVEffectParams params{};
    params.groups[kAVEffectBlur][0] = 12.0f;
    for (uint32_t format : kFamilyFormats) {
        const int32_t* locations = nullptr;
        const uint32_t program = AVGLRenderer::effectColorProgram(renderer, &all, true, &params, &locations, format);
        ASSERT_NE(program, 0u) << "format " << format;
        EXPECT_GE(locations[AVUniformSaturation], 0);
        EXPECT_GE(locations[AVUniformVignetteCenter], 0);
        EXPECT_GE(locations[AVUniformThresholdSensitivity], 0);
        EXPECT_GE(locations[AVUniformTexelHeightOffset], 0);
        EXPECT_GE(locations[AVUniformImageWidthFactor], 0);
        EXPECT_GE(locations[format == AVTextureFormatRGBA ? AVUniformSampler : AVUniformSamplerY], 0);
        const int32_t* green = nullptr;
        EXPECT_NE(AVGLRenderer::greenScreenProgram(renderer, &green, format), 0u) << "format " << format;
        EXPECT_GE(green[AVUniformColorToReplace], 0);
    }
    // Radii 3.2 and 3.9 share a program; 4 does not.
    AVEffectSwitches blur{};
    blur.on[kAVEffectBlur] = 1;
    params.groups[kAVEffectBlur][0] = 3.2f;
    const int32_t* locations = nullptr;
    const uint32_t three = AVGLRenderer::effectColorProgram(renderer, &blur, false, &params, &locations, 0);
    params.groups[kAVEffectBlur][0] = 3.9f;
    EXPECT_EQ(AVGLRenderer::effectColorProgram(renderer, &blur, false, &params, &locations, 0), three);
    params.groups[kAVEffectBlur][0] = 4.0f;
    EXPECT_NE(AVGLRenderer::effectColorProgram(renderer, &blur, false, &params, &locations, 0), three);
    EXPECT_EQ(renderer->effectCaches[0].count, 3);
}

TEST_F(GLTest, EffectCacheGrowsAndIsDeletedWithTheRenderer)
{
    const int before = livePrograms(gl);
    AVEffectParams params{};
    const int32_t* locations = nullptr;
    for (int k = 0; k < 10; ++k) {  // more than the first 8 entries
        AVEffectSwitches one{};
        one.on[k] = 1;
        ASSERT_NE(AVGLRenderer::effectColorProgram(renderer, &one, false, &params, &locations, 0), 0u) << k;
    }
    EXPECT_EQ(renderer->effectCaches[0].count, 10);
    EXPECT_GE(renderer->effectCaches[0].capacity, 10);
    uint32_t first = 0, second = 0;
    const int32_t* firstLocations = nullptr;
    const int32_t* secondLocations = nullptr;
    ASSERT_TRUE(AVGLRenderer::shadowBlurProgram(renderer, 0, &first, &firstLocations, &second, &secondLocations));
    EXPECT_EQ(first, 0u) << "no blur pass below sigma 1";
    EXPECT_NE(second, 0u);
    uint32_t down = 0;
    const int32_t* downLocations = nullptr;
    ASSERT_TRUE(AVGLRenderer::shadowBlurProgram(renderer, 1, &first, &firstLocations, &second, &secondLocations,
                                                &down, &downLocations));
    EXPECT_NE(first, 0u);
    EXPECT_NE(down, 0u);
    EXPECT_GE(downLocations[AVUniformShadowSampler], 0);
    EXPECT_GE(firstLocations[AVUniformShadowSampler], 0);
    EXPECT_GE(secondLocations[AVUniformDepthSampler], 0);
    ASSERT_TRUE(AVGLRenderer::shadowBlurProgram(renderer, 200, &first, &firstLocations, &second, &secondLocations));
    EXPECT_EQ(livePrograms(gl), before + 10 + 1 + 3 + 3);
    AVGLRenderer::deletePrograms(renderer);
    EXPECT_EQ(livePrograms(gl), 0);
}

namespace {

class PlanarLayerTest : public GLTest {
protected:
    void TearDown() override
    {
        for (AVGLTexture* plane : planes)
            avTextureFree(plane);
        avFramebufferFree(output);
        GLTest::TearDown();
    }

    // A 64 x 64 limited-range BT.709 picture: pure green with a grey square
    // in the middle (texels 24 to 39).
    void makePicture()
    {
        std::vector<uint8_t> luma(64 * 64, 173), cb(32 * 32, 42), cr(32 * 32, 26);
        for (int y = 24; y < 40; ++y)
            for (int x = 24; x < 40; ++x) {
                luma[y * 64 + x] = 126;
                cb[(y / 2) * 32 + x / 2] = cr[(y / 2) * 32 + x / 2] = 128;
            }
        planes[0] = avTextureCreateR8(64, 64, AVTextureFormatYUV420);
        avTextureUploadR8(planes[0], luma.data(), 64, 64, false, 0);
        planes[1] = avTextureCreateR8(32, 32, AVTextureFormatYUV420);
        avTextureUploadR8(planes[1], cb.data(), 32, 32, false, 0);
        planes[2] = avTextureCreateR8(32, 32, AVTextureFormatYUV420);
        avTextureUploadR8(planes[2], cr.data(), 32, 32, false, 0);
    }

    QImage draw(const AVLayerDrawState& state)
    {
        if (!output)
            output = avFramebufferCreate(64, 64, false);
        AVGLRenderer::bindFramebuffer(renderer, output);
        AVGLRenderer::clear(renderer, 0, 0, 0, 0);
        AVGLRenderer::renderPlanarLayer(renderer, 3, 1, planes[0], planes[1], planes[2], 0, 0, &state, true);
        int32_t stride = 0;
        uint8_t* pixels = avReadPixels(output->color, &stride);
        return pixels ? QImage(pixels, 64, 64, stride, QImage::Format_ARGB32_Premultiplied, std::free, pixels).copy()
                      : QImage();
    }

    AVGLTexture* planes[3] = {};
    AVGLFramebuffer* output = nullptr;
};

} // namespace

TEST_F(PlanarLayerTest, StrokeNeedsTheChromaKeyToMakeAPlanarLayerRGBA)
{
    makePicture();
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.outlineIsStroke = 1;
    state.outlineWidth = 4.0f / 64.0f;
    const float red[4] = {1, 0, 0, 1};
    std::copy(red, red + 4, state.outlineColor);
    QImage drawn = draw(state);
    EXPECT_GT(qGreen(drawn.pixel(21, 32)), 240) << "no stroke on a planar picture";
    EXPECT_LT(qRed(drawn.pixel(21, 32)), 10);
    EXPECT_NEAR(qRed(drawn.pixel(32, 32)), 128, 3) << "the grey square";

    state.chromaThreshold = 0.3f;
    state.chromaSmoothing = 0.1f;
    state.chromaColor[1] = 1.0f;
    drawn = draw(state);
    EXPECT_EQ(drawn.pixel(21, 32), qRgb(255, 0, 0)) << "the stroke around the square once green is keyed out";
    EXPECT_EQ(qAlpha(drawn.pixel(8, 8)), 0);
    EXPECT_NEAR(qGreen(drawn.pixel(32, 32)), 128, 3);

    // A missing plane draws nothing.
    AVGLRenderer::bindFramebuffer(renderer, output);
    AVGLRenderer::clear(renderer, 0, 0, 0, 0);
    AVGLRenderer::renderPlanarLayer(renderer, 3, 1, planes[0], planes[1], nullptr, 0, 0, &state, true);
    int32_t stride = 0;
    uint8_t* pixels = avReadPixels(output->color, &stride);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels[32 * stride + 32 * 4 + 3], 0);
    std::free(pixels);
}

TEST_F(PlanarLayerTest, PackedPictureKeepsItsColoursThroughTheEffectProgram)
{
    // UYVY, limited-range BT.709: red on the left half, blue on the right.
    std::vector<uint8_t> packed(32 * 48 * 4);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool red = x < 16;
            const uint8_t texel[4] = {uint8_t(red ? 102 : 240), uint8_t(red ? 63 : 32), uint8_t(red ? 240 : 118),
                                      uint8_t(red ? 63 : 32)};
            std::copy(texel, texel + 4, packed.begin() + (y * 32 + x) * 4);
        }
    planes[0] = avTextureCreatePacked422(64, 48);
    avTextureUploadPacked422(planes[0], packed.data(), 64, 48, false, 0);
    output = avFramebufferCreate(64, 48, false);
    auto drawPacked = [this](const AVLayerDrawState& state) {
        AVGLRenderer::bindFramebuffer(renderer, output);
        AVGLRenderer::clear(renderer, 0, 0, 0, 0);
        AVGLRenderer::renderLayer(renderer, 4, 1, planes[0], 0, 0, &state, true);
        int32_t stride = 0;
        uint8_t* pixels = avReadPixels(output->color, &stride);
        return QImage(pixels, 64, 48, stride, QImage::Format_ARGB32_Premultiplied, std::free, pixels).copy();
    };
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    QImage drawn = drawPacked(state);
    EXPECT_GT(qRed(drawn.pixel(8, 24)), 240);
    EXPECT_GT(qBlue(drawn.pixel(56, 24)), 240);

    state.effectSwitches.on[8] = 1;  // invert
    drawn = drawPacked(state);
    const QRgb cyan = drawn.pixel(8, 24), yellow = drawn.pixel(56, 24);
    EXPECT_LT(qRed(cyan), 15);
    EXPECT_GT(qGreen(cyan), 240);
    EXPECT_GT(qBlue(cyan), 240);
    EXPECT_GT(qRed(yellow), 240);
    EXPECT_LT(qBlue(yellow), 15);
}

TEST_F(GLTest, DistanceFieldIsSizedByTheTextureAndKeptForItsKey)
{
    AVGLTexture* large = avTextureCreateRGBA(4000, 2000);
    ASSERT_NE(large, nullptr);
    ASSERT_EQ(AVGLRenderer::generateSdf(renderer, 5, 1, GL_TEXTURE_2D, large->name, 4000, 2000, 10.0f), 0);
    EXPECT_EQ(renderer->sdfDownsampleFactor, 5);
    EXPECT_EQ(renderer->distanceFieldWidth, 800u);
    EXPECT_EQ(renderer->distanceFieldHeight, 400u);
    // The same key (stroke width within 0.001) leaves the field as it is;
    // a new stamp makes it again.
    renderer->sdfDownsampleFactor = 99;
    EXPECT_EQ(AVGLRenderer::generateSdf(renderer, 5, 1, GL_TEXTURE_2D, large->name, 4000, 2000, 10.0005f), 0);
    EXPECT_EQ(renderer->sdfDownsampleFactor, 99);
    EXPECT_EQ(AVGLRenderer::generateSdf(renderer, 5, 2, GL_TEXTURE_2D, large->name, 4000, 2000, 10.0f), 0);
    EXPECT_EQ(renderer->sdfDownsampleFactor, 5);
    avTextureFree(large);
    EXPECT_EQ(gl->glGetError(), GLenum(GL_NO_ERROR));
}
