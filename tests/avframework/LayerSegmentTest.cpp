#include "GLTestContext.h"

#include "AVAnimation.h"
#include "AVClock.h"
#include "AVGLTexture.h"
#include "AVLayerSegment.h"
#include "AVPixelBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A w x h BGRA buffer whose every pixel is (blue, green, red, 255) except
// the top-left pixel, which is white, so orientation can be checked.
AVPixelBuffer* markedPicture(uint32_t width, uint32_t height, uint8_t blue, uint8_t green, uint8_t red)
{
    AVPixelBuffer* buffer = avPixelBufferCreate(width, height, AVPixelFormatBGRA32);
    for (uint32_t i = 0; i < width * height; ++i) {
        uint8_t* pixel = buffer->data + i * 4;
        pixel[0] = blue;
        pixel[1] = green;
        pixel[2] = red;
        pixel[3] = 255;
    }
    std::memset(buffer->data, 255, 4);
    return buffer;
}

} // namespace

TEST(LayerSegment, SettersClampAndIgnoreWhatTheyMust)
{
    AVLayerSegment layer(0.0, 4.0, 640, 360);
    layer.setTransparency(1.5f);
    EXPECT_FLOAT_EQ(layer.staticValues().transparency, 1.0f);
    layer.setTransparency(-0.2f);
    EXPECT_FLOAT_EQ(layer.staticValues().transparency, 0.0f);

    layer.setEffectColor(3, -40);
    layer.setEffectColor(25, 10);
    layer.setEffectColor(20, 10);
    const AVAnimatedValues values = layer.staticValues();
    EXPECT_EQ(values.effectColor[3], -40);
    for (int index = 0; index < kAVEffectColorCount; ++index) {
        if (index != 3) {
            EXPECT_EQ(values.effectColor[index], 0) << index;
        }
    }

    layer.setPointOffset(4, 9.0f, 9.0f);
    for (const AVFloatPair& offset : layer.staticValues().pointOffset)
        EXPECT_FLOAT_EQ(offset.x, 0.0f);
}

TEST(LayerSegment, ChangeStampsFollowPixelsAndKeySettings)
{
    AVLayerSegment layer(0.0, 4.0, 640, 360);
    EXPECT_EQ(layer.changeTime(), 0u);

    layer.setPixels(nullptr, 0, 0, 0, 123456);
    EXPECT_EQ(layer.changeTime(), 123456u);

    const uint64_t before = uint64_t(avCurrentTimeMicroseconds());
    layer.setPixels(nullptr, 0, 0, 0, 0);
    EXPECT_GE(layer.changeTime(), before);
    EXPECT_NE(layer.changeTime(), 123456u);

    layer.setChangeTime(7);
    layer.setChromaKeySensitivity(40);
    EXPECT_GE(layer.changeTime(), before);
    EXPECT_EQ(layer.style().chromaKeySensitivity, 40u);
}

TEST_F(GLTest, LayerPictureAndTextureFollowTheImage)
{
    AVLayerSegment layer(0.0, 4.0, 640, 360);
    layer.setImage(markedPicture(8, 4, 0, 0, 255));
    EXPECT_EQ(layer.imageWidth(), 8u);
    EXPECT_EQ(layer.texture(), nullptr);

    layer.uploadImage();
    ASSERT_NE(layer.texture(), nullptr);
    EXPECT_EQ(layer.texture()->width, 8);
    std::vector<uint8_t> texels = bgraTexels(gl, layer.texture());
    EXPECT_EQ(texels[0], 255);   // the white mark stays top-left
    EXPECT_EQ(texels[4], 0);     // the next pixel is red: B, G = 0
    EXPECT_EQ(texels[6], 255);

    // A picture of another size gets a storage of its own size.
    layer.setImage(markedPicture(16, 2, 255, 0, 0));
    layer.uploadImage();
    ASSERT_NE(layer.texture(), nullptr);
    EXPECT_EQ(layer.texture()->width, 16);
    EXPECT_EQ(bgraTexels(gl, layer.texture())[4], 255);  // blue now

    // No picture: the size stays until the next upload frees the texture.
    layer.setImage(nullptr);
    EXPECT_EQ(layer.imageWidth(), 16u);
    layer.uploadImage();
    EXPECT_EQ(layer.imageWidth(), 0u);
    EXPECT_EQ(layer.texture(), nullptr);
}

TEST_F(GLTest, LayerPreparesOnlyWithinItsRange)
{
    AVLayerSegment layer(1.0, 4.0, 640, 360);
    layer.setTransparency(0.2f);
    auto* group = new AVAnimation(1, 0.25, 0.5);
    group->setEasing(0);
    group->setFrom(AVSlotRotate, 0.0f);
    group->setTo(AVSlotRotate, 90.0f);
    layer.addAnimation(group);

    // Without a texture nothing is prepared.
    layer.prepareAt(3.0, false, false);
    EXPECT_FLOAT_EQ(layer.current().rotation, 0.0f);

    const uint8_t pixels[4 * 4] = {};
    layer.setPixels(pixels, 2, 2, 0, 0);
    layer.prepareAt(3.0, false, false);  // local 2.0: the middle of the window
    EXPECT_FLOAT_EQ(layer.current().rotation, 45.0f);
    EXPECT_FLOAT_EQ(layer.current().transparency, 0.2f);

    // Before the start and just below the end the last values stay.
    layer.prepareAt(0.5, false, false);
    EXPECT_FLOAT_EQ(layer.current().rotation, 45.0f);
    layer.prepareAt(5.0 - 5e-7, false, false);
    EXPECT_FLOAT_EQ(layer.current().rotation, 45.0f);
    layer.prepareAt(4.5, false, false);  // past the window: the end value holds
    EXPECT_FLOAT_EQ(layer.current().rotation, 90.0f);
}
