#include "SegmentKeys.h"
#include "SoundTestListener.h"
#include "TextSegment.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage renderedBody(TextSegment& text, int width = 300, int height = 60)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    text.paintTimelineBody(&painter, image.rect(), 10);
    return image;
}

// Separate bands of rows that hold drawn pixels.
int textBands(const QImage& image)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool drawn = false;
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) > 0;
        bands += drawn && !inBand ? 1 : 0;
        inBand = drawn;
    }
    return bands;
}

TEST(TextSegment, FontSizeScalesWithTheRenderedWidth)
{
    SoundTestListener listener;
    TextSegment text(QStringLiteral("Hello"), 0, 2, &listener, nullptr);
    // A new project is 16:9 in landscape: 80 pixels at 1280 x 720.
    EXPECT_FLOAT_EQ(text.fontSize(QSizeF(1920, 1080)), 120);
    EXPECT_FALSE(text.hasVideoSize());
    Segment::setStringAttribute(text.attributes(), SegmentKey::VideoSize, QStringLiteral("{0,0}"));
    EXPECT_FALSE(text.hasVideoSize());
    EXPECT_FLOAT_EQ(text.fontSize(QSizeF(1920, 1080)), 120);
    // The same 80 pixels referred to a canvas of 960 x 540.
    text.setVideoSize(QSizeF(960, 540));
    EXPECT_TRUE(text.hasVideoSize());
    EXPECT_FLOAT_EQ(text.fontSize(QSizeF(1920, 1080)), 160);
    text.setFontSizeForVideoSize(60, QSizeF(1920, 1080));
    EXPECT_FLOAT_EQ(text.fontSize(QSizeF(1280, 720)), 40);
    EXPECT_EQ(Segment::stringAttribute(text.attributes(), SegmentKey::VideoSize), "{1920,1080}");
}

TEST(TextSegment, BackOpacityAndColourAreSeparate)
{
    TextSegment text(QStringLiteral("x"), 0, 1, nullptr, nullptr);
    text.setBackColor(0xFF112233);
    EXPECT_EQ(text.backColor(), 0x00112233u); // the opacity stays 0
    text.setBackOpacity(1);
    EXPECT_EQ(text.backColor(), 0xFF112233u);
    text.setBackOpacity(0.5f);
    EXPECT_EQ(Segment::stringAttribute(text.attributes(), SegmentKey::BackColor), "#7f112233");
    EXPECT_EQ(text.backColorRgba(), 0xFF112233u);
    // The older "{r,g,b,a}" form still reads.
    Segment::setStringAttribute(text.attributes(), SegmentKey::BackColor, QStringLiteral("{1,0,0,0.5}"));
    EXPECT_EQ(text.backColor(), 0x7FFF0000u);
}

TEST(TextSegment, DefaultsLoadStatesAndPlacement)
{
    SoundTestListener listener;
    TextSegment text(QStringLiteral("x"), 1, 2, &listener, nullptr);
    ASSERT_TRUE(waitFor([&] { return listener.stateReports.load() == 2; }));
    EXPECT_EQ(listener.lastState.load(), 4);
    EXPECT_EQ(text.borderColor(), 0xFFFFFF00u);
    const LayerTransform placed = text.mediaLayerTransform(QSizeF(1280, 720));
    EXPECT_EQ(placed.center, QPointF(640, 360));
    EXPECT_FLOAT_EQ(placed.scaleY, 0.5f);
    // The layout box: full width, half the height, centred.
    EXPECT_EQ(text.baseBox(QSizeF(640, 360)), QRectF(0, 90, 640, 180));

    TextSegment unowned(QStringLiteral("y"), 0, 1, nullptr, nullptr);
    EXPECT_FALSE(waitFor([&] { return unowned.state() != 0; }, 100));
}

TEST(TextSegment, BodyShowsEachLineOrThePlaceholder)
{
    SoundTestListener listener;
    TextSegment lines(QStringLiteral("first line\nsecond\nthird one that is far too long to fit the row"), 0, 1,
                      &listener, nullptr);
    EXPECT_EQ(textBands(renderedBody(lines, 300, 80)), 3);
    // Either break character splits, and the empty part between them stays a line.
    TextSegment crlf(QStringLiteral("a\r\nb"), 0, 1, &listener, nullptr);
    TextSegment twoBreaks(QStringLiteral("a\n\nb"), 0, 1, &listener, nullptr);
    TextSegment oneBreak(QStringLiteral("a\nb"), 0, 1, &listener, nullptr);
    EXPECT_EQ(renderedBody(crlf, 300, 80), renderedBody(twoBreaks, 300, 80));
    EXPECT_NE(renderedBody(crlf, 300, 80), renderedBody(oneBreak, 300, 80));
    TextSegment empty(QString(), 0, 1, &listener, nullptr);
    TextSegment placeholder(QStringLiteral("<No text>"), 0, 1, &listener, nullptr);
    EXPECT_EQ(renderedBody(empty), renderedBody(placeholder));
}

} // namespace
