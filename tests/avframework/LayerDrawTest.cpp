#include "GLTestContext.h"

#include "AVGLFramebuffer.h"
#include "AVLayerDrawState.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace {

// Four quadrants: red top left, green top right, blue bottom left, yellow
// bottom right.
QImage quadrants(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    return picture;
}

// A transparent picture with one opaque disc in the middle.
QImage disc(int size, int radius, QColor colour)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), radius, radius);
    return picture;
}

bool near(QRgb a, QRgb b, int tolerance = 2)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance && std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

::testing::AssertionResult pixelIs(const QImage& image, int x, int y, QRgb expected, int tolerance = 2)
{
    const QRgb actual = image.pixel(x, y);
    if (near(actual, expected, tolerance))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << actual
                                         << ", expected " << expected;
}

constexpr QRgb kRed = 0xffff0000, kGreen = 0xff00ff00, kBlue = 0xff0000ff, kYellow = 0xffffff00;
constexpr QRgb kClear = 0x00000000;

class LayerDrawTest : public GLTest {
protected:
    void TearDown() override
    {
        avTextureFree(texture);
        avFramebufferFree(output);
        GLTest::TearDown();
    }

    // Draws the picture as one layer into a cleared output of the size and
    // reads it back: image row 0 is framebuffer row 0, the picture's top.
    QImage draw(const QImage& picture, const AVLayerDrawState& state, int width, int height)
    {
        upload(picture);
        return drawUploaded(state, width, height);
    }

    void upload(const QImage& picture)
    {
        avTextureFree(texture);
        texture = avTextureCreateRGBA(picture.width(), picture.height());
        avTextureUploadBGRA(texture, picture.constBits(), picture.width(), picture.height(), false);
    }

    // Over a background cleared to black of the alpha.
    QImage drawUploaded(const AVLayerDrawState& state, int width, int height, float backgroundAlpha = 0)
    {
        if (!output)
            output = avFramebufferCreate(width, height, false);
        EXPECT_NE(AVGLRenderer::bindFramebuffer(renderer, output), 0u);
        AVGLRenderer::clear(renderer, 0, 0, 0, backgroundAlpha);
        AVGLRenderer::drawLayerTexture(renderer, 7, 1, texture, 0, 0, &state, true);
        int32_t stride = 0;
        uint8_t* pixels = avReadPixels(output->color, &stride);
        if (!pixels)
            return QImage();
        return QImage(pixels, width, height, stride, QImage::Format_ARGB32_Premultiplied, std::free, pixels).copy();
    }

    AVGLTexture* texture = nullptr;
    AVGLFramebuffer* output = nullptr;
};

} // namespace

TEST_F(LayerDrawTest, NeutralStateReproducesThePictureUpright)
{
    const QImage picture = quadrants(64, 48);
    const QImage drawn = draw(picture, avLayerDrawStateNeutral(0), 64, 48);
    ASSERT_FALSE(drawn.isNull());
    int worst = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb a = drawn.pixel(x, y), b = picture.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    EXPECT_LE(worst, 2);
    EXPECT_TRUE(pixelIs(drawn, 3, 3, kRed));
    EXPECT_TRUE(pixelIs(drawn, 60, 44, kYellow));
}

TEST_F(LayerDrawTest, SourceRotation90ShowsThePictureTurnedClockwise)
{
    // A 2:1 picture stored on its side, shown 1:2 in the middle of a square.
    const QImage drawn = draw(quadrants(64, 32), avLayerDrawStateNeutral(90), 48, 48);
    EXPECT_TRUE(pixelIs(drawn, 15, 4, kBlue));
    EXPECT_TRUE(pixelIs(drawn, 32, 4, kRed));
    EXPECT_TRUE(pixelIs(drawn, 15, 43, kYellow));
    EXPECT_TRUE(pixelIs(drawn, 32, 43, kGreen));
    EXPECT_TRUE(pixelIs(drawn, 4, 24, kClear));
    EXPECT_TRUE(pixelIs(drawn, 43, 24, kClear));
}

TEST_F(LayerDrawTest, CropCornersBorderAndFeathering)
{
    const QImage picture = quadrants(64, 48);
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.crop[2] = 0.5f;
    state.crop[3] = 0.5f;
    QImage drawn = draw(picture, state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 10, 10, kRed));
    EXPECT_TRUE(pixelIs(drawn, 40, 10, kClear)) << "the crop keeps the top-left quarter only";
    EXPECT_TRUE(pixelIs(drawn, 10, 30, kClear));

    // An empty crop draws nothing, not even a shadow.
    state.crop[2] = state.crop[0];
    state.shadowOpacity = 1.0f;
    state.shadowColor[3] = 1.0f;
    state.shadowOffsetX = 4;
    drawn = drawUploaded(state, 64, 48);
    for (int y = 0; y < 48; y += 4)
        for (int x = 0; x < 64; x += 4)
            ASSERT_TRUE(pixelIs(drawn, x, y, kClear));

    state = avLayerDrawStateNeutral(0);
    state.cornerRadius = 12;
    drawn = drawUploaded(state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 0, 0, kClear));
    EXPECT_TRUE(pixelIs(drawn, 63, 47, kClear));
    EXPECT_TRUE(pixelIs(drawn, 12, 12, kRed));
    EXPECT_TRUE(pixelIs(drawn, 32, 0, kGreen)) << "the edges between the corners stay";

    state = avLayerDrawStateNeutral(0);
    state.outlineWidth = 4.0f / 64.0f;
    const float white[4] = {1, 1, 1, 1};
    std::copy(white, white + 4, state.outlineColor);
    drawn = drawUploaded(state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 1, 20, 0xffffffff)) << "the border ring";
    EXPECT_TRUE(pixelIs(drawn, 62, 40, 0xffffffff));
    EXPECT_TRUE(pixelIs(drawn, 8, 8, kRed)) << "the picture inside it";

    state = avLayerDrawStateNeutral(0);
    state.feathering[0] = 0.5f;  // the left half fades in
    drawn = drawUploaded(state, 64, 48);
    EXPECT_LT(qAlpha(drawn.pixel(0, 10)), 10);
    EXPECT_NEAR(qAlpha(drawn.pixel(16, 10)), 128, 12);
    EXPECT_TRUE(pixelIs(drawn, 40, 10, kGreen));
}

TEST_F(LayerDrawTest, PerspectiveCornerMovesOnlyItsCorner)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.cornerOffsets[0] = 0.25f;  // top-left corner a quarter in
    state.cornerOffsets[1] = 0.25f;
    const QImage drawn = draw(quadrants(64, 48), state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 2, 2, kClear));
    EXPECT_TRUE(pixelIs(drawn, 20, 16, kRed));
    EXPECT_TRUE(pixelIs(drawn, 61, 1, kGreen));
    EXPECT_TRUE(pixelIs(drawn, 1, 46, kBlue));
    EXPECT_TRUE(pixelIs(drawn, 62, 46, kYellow));
}

TEST_F(LayerDrawTest, PlacementScalesAndMovesAboutTheAnchor)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.scaleX = state.scaleY = 0.5f;
    state.anchorX = state.anchorY = 0.0f;  // about the top-left corner
    state.positionX = 0.25f;               // a quarter of the width right
    const QImage drawn = draw(quadrants(64, 48), state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 14, 4, kClear));
    EXPECT_TRUE(pixelIs(drawn, 18, 4, kRed));
    EXPECT_TRUE(pixelIs(drawn, 45, 20, kYellow));
    EXPECT_TRUE(pixelIs(drawn, 50, 30, kClear));
}

TEST_F(LayerDrawTest, ShadowLandsAtItsOffsetBesideTheLayer)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.scaleX = state.scaleY = 0.5f;  // the layer spans (16, 12) to (48, 36)
    state.shadowOpacity = 1.0f;
    const float black[4] = {0, 0, 0, 1};
    std::copy(black, black + 4, state.shadowColor);
    state.shadowOffsetX = 16;  // layer pixels: 8 output pixels at half scale
    state.shadowOffsetY = 16;
    QImage drawn = draw(quadrants(64, 48), state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 52, 40, 0xff000000)) << "below and right of the layer";
    EXPECT_TRUE(pixelIs(drawn, 12, 8, kClear)) << "nothing above and left";
    EXPECT_TRUE(pixelIs(drawn, 20, 16, kRed)) << "the layer stays over its shadow";
    EXPECT_TRUE(pixelIs(drawn, 44, 32, kYellow));

    state.shadowBlur = 3;
    drawn = drawUploaded(state, 64, 48);
    EXPECT_GT(qAlpha(drawn.pixel(50, 38)), 200);
    const int edge = qAlpha(drawn.pixel(56, 40));
    EXPECT_GT(edge, 40) << "the blurred edge is soft";
    EXPECT_LT(edge, 220);
    EXPECT_GT(qAlpha(drawn.pixel(58, 30)), 10) << "the blur spreads past the silhouette";
    EXPECT_EQ(qAlpha(drawn.pixel(63, 2)), 0);
}

TEST_F(LayerDrawTest, BlurredShadowOfACentredLayerIsSymmetric)
{
    // A width that is not a multiple of the packed blur's four columns.
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.scaleX = state.scaleY = 0.6f;  // the layer spans (14, 8) to (56, 32)
    state.shadowOpacity = 1.0f;
    state.shadowColor[3] = 1.0f;
    state.shadowBlur = 3;
    const QImage drawn = draw(quadrants(70, 40), state, 70, 40);
    int worst = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 70; ++x) {
            const int alpha = qAlpha(drawn.pixel(x, y));
            worst = std::max({worst, std::abs(alpha - qAlpha(drawn.pixel(69 - x, y))),
                              std::abs(alpha - qAlpha(drawn.pixel(x, 39 - y)))});
        }
    EXPECT_LE(worst, 1);
    EXPECT_GT(qAlpha(drawn.pixel(12, 20)), 60) << "the shadow spreads beyond the layer's left edge";
    EXPECT_EQ(qAlpha(drawn.pixel(1, 20)), 0);
}

TEST_F(LayerDrawTest, StrokeOutlinesTheOpaqueShapeOfATransparentPicture)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.outlineIsStroke = 1;
    state.outlineWidth = 4.0f / 64.0f;  // 4 texels
    const float white[4] = {1, 1, 1, 1};
    std::copy(white, white + 4, state.outlineColor);
    const QImage drawn = draw(disc(64, 12, Qt::blue), state, 64, 64);
    EXPECT_TRUE(pixelIs(drawn, 32, 32, kBlue));
    EXPECT_TRUE(pixelIs(drawn, 32 + 14, 32, 0xffffffff, 12)) << "two texels out from the disc";
    EXPECT_TRUE(pixelIs(drawn, 32, 32 - 14, 0xffffffff, 12));
    EXPECT_TRUE(pixelIs(drawn, 32 + 20, 32, kClear)) << "beyond the stroke";
    EXPECT_TRUE(pixelIs(drawn, 4, 4, kClear));
}

TEST_F(LayerDrawTest, ChromaKeyRemovesPureGreen)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.chromaThreshold = 0.3f;
    state.chromaSmoothing = 0.1f;
    state.chromaColor[1] = 1.0f;
    QImage drawn = draw(quadrants(64, 48), state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 48, 10, kClear));
    EXPECT_TRUE(pixelIs(drawn, 10, 10, kRed));
    EXPECT_TRUE(pixelIs(drawn, 10, 40, kBlue));

    // With a shadow the key runs as a pass of its own first.
    state.shadowOpacity = 1.0f;
    state.shadowOffsetX = 2;
    drawn = drawUploaded(state, 64, 48);
    EXPECT_EQ(qAlpha(drawn.pixel(48, 10)), 0);
    EXPECT_TRUE(pixelIs(drawn, 10, 10, kRed));

    // The effect group's green key goes the same way.
    state = avLayerDrawStateNeutral(0);
    state.effectSwitches.on[kAVEffectGreenKey] = 1;
    state.effectParams.groups[kAVEffectGreenKey][0] = 0.3f;
    state.effectParams.groups[kAVEffectGreenKey][1] = 0.1f;
    drawn = drawUploaded(state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 48, 10, kClear));
    EXPECT_TRUE(pixelIs(drawn, 48, 40, kYellow));
}

TEST_F(LayerDrawTest, ColourEffectsChangeColoursNotPlaces)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.effectSwitches.on[0] = 1;  // saturation -100
    state.effectParams.groups[0][0] = 0.0f;
    QImage drawn = draw(quadrants(64, 48), state, 64, 48);
    const QRgb grey = drawn.pixel(10, 10);
    EXPECT_EQ(qRed(grey), qGreen(grey));
    EXPECT_EQ(qGreen(grey), qBlue(grey));
    EXPECT_NEAR(qRed(grey), 54, 2) << "the red's luma";
    EXPECT_NEAR(qRed(drawn.pixel(50, 40)), int(255 * (0.2125 + 0.7154)), 2) << "the yellow's luma";

    state = avLayerDrawStateNeutral(0);
    state.effectSwitches.on[8] = 1;  // invert
    drawn = drawUploaded(state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 10, 10, 0xff00ffff));
    EXPECT_TRUE(pixelIs(drawn, 50, 40, kBlue));
}

TEST_F(LayerDrawTest, BlurEffectSpreadsAsFarAcrossAsDownAWidePicture)
{
    // Black, with one white column and one white row, four times as wide
    // as high: the blur must spread each line over as many pixels.
    QImage picture(128, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.fillRect(64, 0, 1, 32, Qt::white);
    painter.fillRect(0, 16, 128, 1, Qt::white);
    painter.end();
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.effectSwitches.on[kAVEffectBlur] = 1;
    state.effectParams.groups[kAVEffectBlur][0] = 4.0f;
    const QImage drawn = draw(picture, state, 128, 32);
    // How far each line reaches: first to last pixel it lights.
    int left = 128, right = -1, top = 32, bottom = -1;
    for (int x = 0; x < 128; ++x)
        if (qRed(drawn.pixel(x, 4)) > 8) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    for (int y = 0; y < 32; ++y)
        if (qRed(drawn.pixel(20, y)) > 8) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    EXPECT_GT(bottom - top, 2) << "the row is blurred";
    EXPECT_NEAR(right - left, bottom - top, 1);
    EXPECT_GT(qRed(drawn.pixel(65, 4)), 8) << "the column's blur has no gaps";
}

TEST_F(LayerDrawTest, ProgramsAreBuiltOncePerCombination)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.effectSwitches.on[1] = 1;
    state.effectParams.groups[1][0] = 0.1f;
    state.effectSwitches.on[kAVEffectBlur] = 1;
    state.effectParams.groups[kAVEffectBlur][0] = 8.0f;  // not an octal "08"
    state.shadowOpacity = 0.5f;
    state.shadowBlur = 4;
    draw(quadrants(64, 48), state, 64, 48);
    const AVEffectProgramCache& cache = renderer->effectCaches[0];
    ASSERT_EQ(cache.count, 1);
    EXPECT_NE(cache.entries[0].program, 0u);
    EXPECT_EQ(renderer->shadowBlurCache.count, 1);
    state.effectParams.groups[kAVEffectBlur][0] = 8.7f;  // the same integer radius
    state.effectParams.groups[1][0] = -0.2f;
    drawUploaded(state, 64, 48);
    EXPECT_EQ(cache.count, 1);
    EXPECT_EQ(renderer->shadowBlurCache.count, 1);

    // A radius of three digits cannot be written: nothing is drawn, nothing
    // is cached, and the next draw tries again.
    state.effectParams.groups[kAVEffectBlur][0] = 100.0f;
    state.shadowOpacity = 0;
    const QImage drawn = drawUploaded(state, 64, 48);
    EXPECT_TRUE(pixelIs(drawn, 10, 10, kClear));
    EXPECT_EQ(cache.count, 1);
    EXPECT_EQ(gl->glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(LayerDrawTest, StrokeFollowsAChangedChromaKeyOfTheSamePicture)
{
    // Green left half, red right half; the stroke outlines what the key keeps.
    QImage picture(64, 64, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(0, 0, 32, 64, Qt::green);
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.outlineIsStroke = 1;
    state.outlineWidth = 4.0f / 64.0f;
    const float white[4] = {1, 1, 1, 1};
    std::copy(white, white + 4, state.outlineColor);
    state.chromaThreshold = 0.3f;
    state.chromaSmoothing = 0.05f;
    state.chromaColor[1] = 1.0f;
    QImage drawn = draw(picture, state, 64, 64);
    EXPECT_TRUE(pixelIs(drawn, 30, 32, 0xffffffff, 12)) << "left of the kept red half";
    EXPECT_TRUE(pixelIs(drawn, 40, 32, kRed));

    // The same texture and stamp, keyed red now: the field is made again.
    state.chromaColor[0] = 1.0f;
    state.chromaColor[1] = 0.0f;
    drawn = drawUploaded(state, 64, 64);
    EXPECT_TRUE(pixelIs(drawn, 33, 32, 0xffffffff, 12)) << "right of the kept green half";
    EXPECT_TRUE(pixelIs(drawn, 20, 32, kGreen));
    EXPECT_TRUE(pixelIs(drawn, 45, 32, kClear));
}

TEST_F(LayerDrawTest, TranslucentBorderRingKeepsAlphaPremultiplied)
{
    AVLayerDrawState state = avLayerDrawStateNeutral(0);
    state.opacity = 0.5f;
    state.outlineWidth = 4.0f / 64.0f;
    const float white[4] = {1, 1, 1, 1};
    std::copy(white, white + 4, state.outlineColor);
    upload(quadrants(64, 48));
    QImage drawn = drawUploaded(state, 64, 48, 1.0f);
    for (const QPoint ring : {QPoint(1, 20), QPoint(62, 40), QPoint(32, 1), QPoint(20, 46)}) {
        EXPECT_EQ(qAlpha(drawn.pixel(ring)), 255) << "over an opaque background the frame stays opaque";
        EXPECT_NEAR(qRed(drawn.pixel(ring)), 128, 2) << "half the white ring over black";
    }

    drawn = drawUploaded(state, 64, 48, 0.0f);
    int worst = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            worst = std::max({worst, qRed(pixel) - qAlpha(pixel), qGreen(pixel) - qAlpha(pixel),
                              qBlue(pixel) - qAlpha(pixel)});
        }
    EXPECT_LE(worst, 0) << "no colour above its alpha: the output stays premultiplied";
    EXPECT_TRUE(pixelIs(drawn, 1, 20, 0x80808080)) << "the ring at half opacity";
}

TEST_F(LayerDrawTest, EveryStoredTurnShowsTheCropAndFeatheringUpright)
{
    // The upright picture stored turned back by the rotation; shown cropped
    // to the right three quarters of its top half, the left edge feathered.
    const QImage upright = quadrants(64, 48);
    for (const int rotation : {0, 90, 180, 270}) {
        AVLayerDrawState state = avLayerDrawStateNeutral(uint32_t(rotation));
        state.crop[0] = 0.25f;
        state.crop[3] = 0.5f;
        state.feathering[0] = 0.5f;  // across 24 of the 48 visible columns
        const QImage stored = upright.transformed(QTransform().rotate(-rotation));
        const QImage drawn = draw(stored, state, 64, 48);
        EXPECT_TRUE(pixelIs(drawn, 8, 10, kClear)) << rotation << ": cropped away on the left";
        EXPECT_TRUE(pixelIs(drawn, 40, 36, kClear)) << rotation << ": and below";
        EXPECT_TRUE(pixelIs(drawn, 28, 10, 0x80800000, 12)) << rotation << ": red, half faded in";
        EXPECT_TRUE(pixelIs(drawn, 56, 10, kGreen)) << rotation << ": green at the top right";
    }
}

TEST_F(LayerDrawTest, TurnedSourcesKeepTheCropWithFeatheredEdgesAndRoundedCorners)
{
    // Cropped to x 16..56 and y 12..36 of the upright picture as shown; the
    // left edge fades in over 10 pixels, the top one over 12, every corner
    // is rounded.
    const QImage upright = quadrants(64, 48);
    for (const int rotation : {0, 90, 180, 270}) {
        AVLayerDrawState state = avLayerDrawStateNeutral(uint32_t(rotation));
        const float crop[4] = {0.25f, 0.25f, 0.875f, 0.75f};
        std::copy(crop, crop + 4, state.crop);
        state.feathering[0] = 0.25f;
        state.feathering[1] = 0.5f;
        state.cornerRadius = 8;
        const QImage drawn = draw(upright.transformed(QTransform().rotate(-rotation)), state, 64, 48);
        for (const QPoint outside : {QPoint(8, 24), QPoint(60, 24), QPoint(36, 6), QPoint(36, 42)})
            EXPECT_TRUE(pixelIs(drawn, outside.x(), outside.y(), kClear)) << rotation << ": cropped away";
        for (const QPoint corner : {QPoint(17, 13), QPoint(54, 13), QPoint(17, 34), QPoint(54, 34)})
            EXPECT_TRUE(pixelIs(drawn, corner.x(), corner.y(), kClear)) << rotation << ": a rounded corner";
        EXPECT_TRUE(pixelIs(drawn, 44, 30, kYellow)) << rotation << ": whole away from the soft edges";
        EXPECT_TRUE(pixelIs(drawn, 21, 30, 0x8c00008c, 16)) << rotation << ": blue, half faded in from the left";
        EXPECT_TRUE(pixelIs(drawn, 44, 18, 0x8a008a00, 16)) << rotation << ": green, half faded in from the top";
    }
}
