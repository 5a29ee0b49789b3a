#include "GLTestContext.h"

#include "AVGLFramebuffer.h"
#include "AVGeometry.h"

#include <QImage>

#include <cstdlib>
#include <memory>

namespace {

// A picture read back from a framebuffer, row 0 of the framebuffer first.
QImage readBack(const AVGLFramebuffer* framebuffer)
{
    int32_t stride = 0;
    uint8_t* pixels = avReadPixels(framebuffer->color, &stride);
    if (!pixels)
        return QImage();
    QImage image(pixels, avTextureWidth(framebuffer), avTextureHeight(framebuffer), stride,
                 QImage::Format_ARGB32_Premultiplied, std::free, pixels);
    return image;
}

// Blue with a red top-left quarter and a green bottom-right quarter.
QImage markedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0, 0, 255));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (x < width / 4 && y < height / 4)
                picture.setPixel(x, y, qRgb(255, 0, 0));
            if (x >= width * 3 / 4 && y >= height * 3 / 4)
                picture.setPixel(x, y, qRgb(0, 255, 0));
        }
    return picture;
}

class GLDrawTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QImage picture = markedPicture(64, 48);
        texture = avTextureCreateRGBA(64, 48);
        avTextureUploadBGRA(texture, picture.constBits(), 64, 48, false);
    }
    void TearDown() override
    {
        avTextureFree(texture);
        avFramebufferFree(target);
        GLTest::TearDown();
    }
    AVGLFramebuffer* bindTarget(int width, int height)
    {
        target = avFramebufferCreate(width, height, false);
        EXPECT_NE(AVGLRenderer::bindFramebuffer(renderer, target), 0u);
        AVGLRenderer::clear(renderer, 0, 0, 0, 0);
        return target;
    }
    AVGLTexture* texture = nullptr;
    AVGLFramebuffer* target = nullptr;
};

} // namespace

TEST_F(GLDrawTest, FillShowsThePictureUprightOnScreen)
{
    // The screen shows framebuffer row 0 at the bottom, so the fill puts the
    // picture's top row last.
    bindTarget(64, 48);
    AVGLRenderer::drawFill(renderer, texture, 64, 48);
    const QImage drawn = readBack(target);
    EXPECT_EQ(drawn.pixel(2, 47), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(62, 0), qRgb(0, 255, 0));
    EXPECT_EQ(drawn.pixel(2, 0), qRgb(0, 0, 255));
}

TEST_F(GLDrawTest, ScaledFillTilesThePatternAtTwiceItsSize)
{
    const QImage picture = markedPicture(32, 32);
    AVGLTexture* pattern = avTextureCreateRGBA(32, 32);
    avTextureUploadBGRA(pattern, picture.constBits(), 32, 32, false);
    avTextureSetRepeat(pattern);
    bindTarget(640, 480);
    AVGLRenderer::drawTextureFill(renderer, pattern, 640, 480, true);
    avTextureFree(pattern);
    const QImage drawn = readBack(target);
    // 10 x 7.5 tiles of 64 x 64 pixels from the top-left as the screen
    // shows it (the last framebuffer row), each upright.
    for (int tile = 0; tile < 10; ++tile) {
        EXPECT_EQ(drawn.pixel(tile * 64 + 4, 475 - 64 * (tile % 7)), qRgb(255, 0, 0)) << "tile " << tile;
        EXPECT_EQ(drawn.pixel(tile * 64 + 60, 420 - 64 * (tile % 7)), qRgb(0, 255, 0)) << "tile " << tile;
    }
    // The bottom row of tiles is cut in half: only the picture's upper half.
    EXPECT_EQ(drawn.pixel(4, 28), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(60, 4), qRgb(0, 0, 255));
}

TEST_F(GLDrawTest, FxaaKeepsFlatAreasAndOrientation)
{
    bindTarget(64, 48);
    AVGLRenderer::drawTextureFxaa(renderer, texture, nullptr, false);
    const QImage drawn = readBack(target);
    EXPECT_EQ(drawn.pixel(4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(60, 44), qRgb(0, 255, 0));
    EXPECT_EQ(drawn.pixel(32, 24), qRgb(0, 0, 255));
    // The corner of the red block is an edge: it gets blended.
    const QRgb edge = drawn.pixel(15, 11);
    EXPECT_GT(qBlue(edge), 0);
    EXPECT_GT(qRed(edge), 0);
}

TEST_F(GLDrawTest, RgbToYuvWritesLimitedRangeBt709)
{
    bindTarget(64, 48);
    AVGLRenderer::drawTextureToOutput(renderer, texture, true);
    int32_t stride = 0;
    std::unique_ptr<uint8_t, decltype(&std::free)> pixels(avReadPixels(target->color, &stride), std::free);
    ASSERT_TRUE(pixels);
    // Read as BGRA the bytes are Cr, Cb, Y, A; pure red at the top-left.
    const uint8_t* red = pixels.get() + 4 * 4;
    EXPECT_NEAR(red[2], 63, 1);
    EXPECT_NEAR(red[1], 102, 1);
    EXPECT_NEAR(red[0], 240, 1);
    EXPECT_EQ(red[3], 255);
    const uint8_t* blue = pixels.get() + 24 * stride + 32 * 4;
    EXPECT_NEAR(blue[2], 32, 1);
    EXPECT_NEAR(blue[1], 240, 1);
    EXPECT_NEAR(blue[0], 118, 1);
}
