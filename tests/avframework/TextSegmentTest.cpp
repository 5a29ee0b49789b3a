#include "GLTestContext.h"

#include "AVAnimation.h"
#include "AVGLTexture.h"
#include "AVPixelBuffer.h"
#include "AVTextRaster.h"
#include "AVTextSegment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace {

const AVVec4 kWhite = {1, 1, 1, 1};
const AVVec4 kBlack = {0, 0, 0, 1};
const AVVec4 kClear = {0, 0, 0, 0};

// The 400 x 100 box of a 1920 x 1080 canvas.
std::unique_ptr<AVTextSegment> makeText(const char* text = "Title")
{
    auto segment = std::make_unique<AVTextSegment>(0.0, 4.0, text, 400, 100, 1920, 1080);
    segment->setFont("DejaVu Sans", "");
    return segment;
}

bool samePixels(const AVPixelBuffer* a, const AVPixelBuffer* b)
{
    return a && b && a->width == b->width && a->height == b->height
        && std::memcmp(a->data, b->data, avPixelBufferByteSize(a)) == 0;
}

} // namespace

TEST(TextSegment, RasterisesTheBoxAtTheFontSizeOfTheLayerWidth)
{
    auto text = makeText();
    EXPECT_EQ(text->status(), AVSegmentNotLoaded);
    text->wake();
    EXPECT_EQ(text->status(), AVSegmentReady);
    ASSERT_NE(text->image(), nullptr);
    EXPECT_EQ(text->image()->width, 400u);
    EXPECT_EQ(text->image()->height, 100u);

    // trunc(1920 x 0.09375) = 180 pixels.
    AVPixelBuffer* expected = avRenderText(400, 100, "Title", 180, kWhite, "DejaVu Sans", "", 0, 0.0f, kBlack,
                                           kClear, 0.0f, 0.0f);
    EXPECT_TRUE(samePixels(text->image(), expected));
    avPixelBufferFree(expected);

    // The static scale enlarges the raster.
    text->setScale(1.5f, 2.0f);
    text->wake();
    ASSERT_NE(text->image(), nullptr);
    EXPECT_EQ(text->image()->width, 600u);
    EXPECT_EQ(text->image()->height, 200u);
}

TEST(TextSegment, EmptyTextDrawsNothingAndAFailedRasterSaysSo)
{
    AVTextSegment empty(0.0, 4.0, nullptr, 400, 100, 1920, 1080);
    empty.wake();
    EXPECT_EQ(empty.image(), nullptr);
    EXPECT_EQ(empty.status(), AVSegmentNotLoaded);

    auto text = makeText();
    text->setSize(0, 100);  // a raster of no width cannot be made
    text->wake();
    EXPECT_EQ(text->image(), nullptr);
    EXPECT_EQ(text->status(), AVSegmentTextRasterFailed);
}

TEST_F(GLTest, TextRasterisesAgainOnlyAfterAChange)
{
    auto text = makeText();
    text->wake();
    text->prepareAt(1.0, false, false);
    ASSERT_NE(text->texture(), nullptr);
    EXPECT_EQ(text->image(), nullptr);  // the texture holds the picture now
    EXPECT_EQ(text->imageWidth(), 400u);
    const uint64_t firstStamp = text->changeTime();

    // Nothing changed: no new raster.
    text->wake();
    EXPECT_EQ(text->image(), nullptr);
    // A name too long keeps the font and changes nothing.
    text->setFont(std::string(200, 'x').c_str(), "Bold");
    text->wake();
    EXPECT_EQ(text->image(), nullptr);

    // Only the alignment changes: one new raster, swapped in at the next preparation.
    text->setAlignment(1);
    text->wake();
    ASSERT_NE(text->image(), nullptr);
    AVPixelBuffer* centred = avRenderText(400, 100, "Title", 180, kWhite, "DejaVu Sans", "", 1, 0.0f, kBlack,
                                          kClear, 0.0f, 0.0f);
    EXPECT_TRUE(samePixels(text->image(), centred));
    avPixelBufferFree(centred);
    text->wake();
    EXPECT_NE(text->image(), nullptr);
    text->prepareAt(1.0, false, false);
    ASSERT_NE(text->texture(), nullptr);
    EXPECT_EQ(text->image(), nullptr);
    EXPECT_GE(text->changeTime(), firstStamp);

    // Asleep, picture and texture go; the next wake makes them again.
    text->sleep(false);
    EXPECT_EQ(text->texture(), nullptr);
    text->wake();
    EXPECT_NE(text->image(), nullptr);
}

TEST_F(GLTest, TextKeepsItsPixelSizeAndAnchorsLikeAnimatedText)
{
    auto text = makeText();
    text->setPosition(0.1f, 0.2f);
    text->wake();
    text->prepareAt(1.0, false, false);
    // 400 x 100 fits the 1920 x 1080 layer as 1920 x 480.
    AVAnimatedValues values = text->current();
    EXPECT_NEAR(values.scale.x, 400.0 / 1920.0, 1e-6);
    EXPECT_NEAR(values.scale.y, 100.0 / 480.0, 1e-6);
    // Anchor (0.5, 0.5): the position stays.
    EXPECT_FLOAT_EQ(values.position.x, 0.1f);
    EXPECT_FLOAT_EQ(values.position.y, 0.2f);

    // Anchor (0, 0): the fitted width equals the layer's, so no horizontal
    // shift; vertically (0.5 x 1080 x 0.5 - 480 x 0.5) / 1080.
    text->setAnchor(0.0f, 0.0f);
    text->prepareAt(1.0, false, false);
    const AVAnimatedValues anchored = text->current();
    EXPECT_FLOAT_EQ(anchored.position.x, 0.1f);
    EXPECT_NEAR(anchored.position.y, 0.2 - 30.0 / 1080.0, 1e-6);

    // The same anchor and a doubled scale reached by transitions from the
    // defaults give the same placement and twice the pixel scale.
    text->setAnchor(0.5f, 0.5f);
    auto* group = new AVAnimation(1, 0.0, 0.25);
    group->setEasing(0);
    group->setTo(AVSlotAnchor, 0.0f, 0.0f);
    group->setFrom(AVSlotScale, 1.0f, 1.0f);
    group->setTo(AVSlotScale, 2.0f, 2.0f);
    text->addAnimation(group);
    text->prepareAt(2.0, false, false);  // after the window: end values
    values = text->current();
    EXPECT_NEAR(values.position.y, anchored.position.y, 1e-6);
    EXPECT_FLOAT_EQ(values.position.x, 0.1f);
    EXPECT_NEAR(values.scale.x, 2.0 * 400.0 / 1920.0, 1e-6);
    EXPECT_NEAR(values.scale.y, 2.0 * 100.0 / 480.0, 1e-6);

    // Half-way: anchor (0.25, 0.25), scale 1.5 of the pixel size.
    text->prepareAt(0.5, false, false);
    values = text->current();
    EXPECT_NEAR(values.position.y, 0.2 - 15.0 / 1080.0, 1e-6);
    EXPECT_NEAR(values.scale.x, 1.5 * 400.0 / 1920.0, 1e-6);
}

// The interface sets the text while the drawing thread rasterises it: the
// raster is made from a copy, never from a text being replaced.
TEST(TextSegment, TextChangesWhileRasterising)
{
    auto text = makeText();
    std::atomic<bool> stop{false};
    std::thread editor([&] {
        for (int i = 0; !stop; ++i)
            text->setText(i % 2 ? "A longer text that wraps over several lines of the box" : "Short");
    });
    // No ASSERT inside: leaving with the editor still running would abort
    // the whole test program instead of reporting the failure.
    int missing = 0;
    for (int i = 0; i < 200; ++i) {
        text->setAlignment(uint32_t(i % 3));
        text->wake();
        missing += text->image() == nullptr;
    }
    stop = true;
    editor.join();
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(text->status(), AVSegmentReady);
}
