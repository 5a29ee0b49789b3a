#include "AVGLContext.h"
#include "AVTextRaster.h"

#include <QFontDatabase>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct FreeBuffer {
    void operator()(AVPixelBuffer* buffer) const { avPixelBufferFree(buffer); }
};
using Buffer = std::unique_ptr<AVPixelBuffer, FreeBuffer>;

const AVVec4 kWhite = {1, 1, 1, 1};
const AVVec4 kRed = {1, 0, 0, 1};

Buffer render(int width, int height, const char* text, const AVVec4& back, float outline = 0)
{
    return Buffer(avRenderText(width, height, text, 40, kWhite, "DejaVu Sans", "", 0, outline, kRed, back, 8, 0.5f));
}

// Opaque pixels in a band of rows.
int opaquePixels(const AVPixelBuffer* buffer, uint32_t firstRow, uint32_t endRow)
{
    int count = 0;
    for (uint32_t y = firstRow; y < endRow && y < buffer->height; ++y)
        for (uint32_t x = 0; x < buffer->width; ++x)
            count += buffer->data[(size_t(y) * buffer->width + x) * 4 + 3] == 255 ? 1 : 0;
    return count;
}

bool hasPixel(const AVPixelBuffer* buffer, bool (*match)(const uint8_t*))
{
    for (size_t i = 0; i < size_t(buffer->width) * buffer->height; ++i)
        if (match(buffer->data + i * 4))
            return true;
    return false;
}

} // namespace

TEST(TextRaster, TwoParagraphsWithoutBackgroundDrawOnlyTheText)
{
    const Buffer text = render(400, 200, "Hello\nWorld", {0, 0, 1, 0}, 10);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->width, 400u);
    EXPECT_EQ(text->format, AVPixelFormatBGRA32);
    // Both paragraphs have ink: one line each, about 47 pixels apart.
    EXPECT_GT(opaquePixels(text.get(), 0, 47), 50);
    EXPECT_GT(opaquePixels(text.get(), 47, 100), 50);
    EXPECT_EQ(opaquePixels(text.get(), 110, 200), 0);
    // No blue background anywhere; the red outline and the white text show.
    EXPECT_FALSE(hasPixel(text.get(), [](const uint8_t* p) { return p[0] > 100 && p[2] < 50; }));
    EXPECT_TRUE(hasPixel(text.get(), [](const uint8_t* p) { return p[2] == 255 && p[1] < 30 && p[3] == 255; }));
    EXPECT_TRUE(hasPixel(text.get(), [](const uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }));
}

TEST(TextRaster, BackgroundFillsTheLinesRectangles)
{
    const Buffer text = render(400, 200, "Hello\nWorld", {0, 0, 1, 1});
    ASSERT_TRUE(text);
    EXPECT_TRUE(hasPixel(text.get(), [](const uint8_t* p) { return p[0] == 255 && p[2] == 0 && p[3] == 255; }));
    EXPECT_EQ(opaquePixels(text.get(), 150, 200), 0) << "the background ends with the last line";
}

TEST(TextRaster, EmptyTextIsATransparentBufferOfTheRequestedSize)
{
    const Buffer empty = render(123, 45, "", {0, 0, 1, 1});
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->width, 123u);
    EXPECT_EQ(empty->height, 45u);
    for (size_t i = 0; i < avPixelBufferByteSize(empty.get()); ++i)
        ASSERT_EQ(empty->data[i], 0) << "byte " << i;
}

TEST(TextRaster, SizesNoTextureCanTakeAreRefusedBeforeAllocating)
{
    // 70000 x 70000 x 4 bytes overflows 32 bits; it must not wrap into a
    // small allocation.
    EXPECT_FALSE(render(70000, 70000, "big", {0, 0, 0, 0}));
    EXPECT_FALSE(render(avGLMaxTextureSize() + 1, 10, "wide", {0, 0, 0, 0}));
    EXPECT_FALSE(render(0, 10, "none", {0, 0, 0, 0}));
}

// A project's caption in a family this machine lacks keeps its style: the
// substitute draws the bold caption heavier than the regular one.
TEST(TextRaster, AMissingFamilyFallsBackInItsStyle)
{
    if (QFontDatabase().hasFamily(QStringLiteral("Arial")))
        GTEST_SKIP() << "Arial is installed here; the test needs a family that is missing";
    const auto ink = [](const char* style) {
        const Buffer text(avRenderText(400, 100, "Hello World", 40, kWhite, "Arial", style, 0, 0, kRed,
                                       {0, 0, 0, 0}, 0, 0));
        return text ? opaquePixels(text.get(), 0, 100) : 0;
    };
    const int regular = ink("Regular");
    const int bold = ink("Bold");
    ASSERT_GT(regular, 500);
    EXPECT_GT(bold, regular * 5 / 4) << "bold " << bold << ", regular " << regular;
}
