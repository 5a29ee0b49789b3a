#include "RecordingListener.h"
#include "Segment.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackground = 0xFF336699;

QImage blankCanvas()
{
    QImage image(300, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackground);
    return image;
}

// The horizontal extent of the dark (text) pixels inside rect, or an empty range.
struct DarkExtent {
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;
    bool empty() const { return left < 0; }
};

DarkExtent darkPixels(const QImage& image, const QRect& rect)
{
    DarkExtent extent;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) >= 100)
                continue;
            extent.left = extent.left < 0 ? x : std::min(extent.left, x);
            extent.right = std::max(extent.right, x);
            extent.top = extent.top < 0 ? y : std::min(extent.top, y);
            extent.bottom = std::max(extent.bottom, y);
        }
    }
    return extent;
}

TEST(SegmentMessage, InvalidOrNarrowRectanglesDrawNoText)
{
    RecordingListener owner;
    Segment segment(&owner);
    QImage image = blankCanvas();
    QPainter painter(&image);
    painter.setPen(Qt::green);

    segment.paintMessage(&painter, QRect(10, 10, 0, 20), QStringLiteral("Load Error"));
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_EQ(image.pixel(10, 15), kBackground);

    // Two margins of 5 leave nothing of an 8-pixel strip for the text.
    segment.paintMessage(&painter, QRect(20, 0, 8, 40), QStringLiteral("Load Error"));
    painter.end();
    EXPECT_EQ(image.pixel(24, 20), 0xFFFFFF00u);
    EXPECT_TRUE(darkPixels(image, QRect(20, 0, 8, 40)).empty());
    EXPECT_EQ(image.pixel(30, 20), kBackground);
}

TEST(SegmentMessage, ShortTextAtOwnerSizeLongTextShrinksAndStaysInside)
{
    RecordingListener owner;
    Segment segment(&owner);
    const QRect strip(0, 0, 300, 40);

    QImage shortImage = blankCanvas();
    QPainter shortPainter(&shortImage);
    segment.paintMessage(&shortPainter, strip, QStringLiteral("File Not Found"));
    shortPainter.end();
    const DarkExtent shortText = darkPixels(shortImage, strip);
    ASSERT_FALSE(shortText.empty());
    EXPECT_GE(shortText.left, 5);
    EXPECT_LE(shortText.right, 150);
    const int shortHeight = shortText.bottom - shortText.top + 1;
    EXPECT_GE(shortHeight, 7);
    EXPECT_LE(shortHeight, 13);
    // Centred vertically on the strip.
    EXPECT_NEAR((shortText.top + shortText.bottom) / 2.0, 20.0, 4.0);

    // A 24-pixel strip lets the font shrink to 7 pixels (a quarter is 6);
    // what still does not fit is elided inside the right margin.
    const QRect lowStrip(0, 0, 300, 24);
    QImage longImage = blankCanvas();
    QPainter longPainter(&longImage);
    segment.paintMessage(&longPainter, lowStrip, QString(QStringLiteral("File Not Found ")).repeated(10));
    longPainter.end();
    const DarkExtent longText = darkPixels(longImage, lowStrip);
    ASSERT_FALSE(longText.empty());
    EXPECT_LT(longText.right, 295);
    EXPECT_GT(longText.right, 250);
    const int longHeight = longText.bottom - longText.top + 1;
    EXPECT_LT(longHeight, shortHeight);
    EXPECT_GE(longHeight, 4);
}

} // namespace
