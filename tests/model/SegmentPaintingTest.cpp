#include "RecordingListener.h"
#include "Segment.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackground = 0xFF336699;

// The message strip of a segment painted into a fresh canvas.
QImage paintedMessage(const QRect& rect, const QString& text)
{
    RecordingListener owner;
    Segment segment(&owner);
    QImage image(300, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setPen(Qt::green);
    segment.paintMessage(&painter, rect, text);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green)); // the painter's state is restored
    return image;
}

// The bounds of the dark (text) pixels inside rect; empty without any.
QRect darkPixels(const QImage& image, const QRect& rect)
{
    QRect bounds;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(SegmentMessage, InvalidOrNarrowRectanglesDrawNoText)
{
    EXPECT_EQ(paintedMessage(QRect(10, 10, 0, 20), QStringLiteral("Load Error")).pixel(10, 15), kBackground);

    // Two margins of 5 leave nothing of an 8-pixel strip for the text.
    const QImage narrow = paintedMessage(QRect(20, 0, 8, 40), QStringLiteral("Load Error"));
    EXPECT_EQ(narrow.pixel(24, 20), 0xFFFFFF00u);
    EXPECT_TRUE(darkPixels(narrow, QRect(20, 0, 8, 40)).isEmpty());
    EXPECT_EQ(narrow.pixel(30, 20), kBackground);
}

TEST(SegmentMessage, ShortTextAtOwnerSizeLongTextShrinksAndStaysInside)
{
    const QRect strip(0, 0, 300, 40);
    const QRect shortText = darkPixels(paintedMessage(strip, QStringLiteral("File Not Found")), strip);
    ASSERT_FALSE(shortText.isEmpty());
    EXPECT_GE(shortText.left(), 5);
    EXPECT_LE(shortText.right(), 150);
    EXPECT_GE(shortText.height(), 7);
    EXPECT_LE(shortText.height(), 13);
    EXPECT_NEAR(shortText.center().y(), 20.0, 4.0); // centred vertically

    // A 24-pixel strip lets the font shrink to 7 pixels (a quarter is 6);
    // what still does not fit is elided inside the right margin.
    const QRect lowStrip(0, 0, 300, 24);
    const QString longText = QString(QStringLiteral("File Not Found ")).repeated(10);
    const QRect elided = darkPixels(paintedMessage(lowStrip, longText), lowStrip);
    ASSERT_FALSE(elided.isEmpty());
    EXPECT_LT(elided.right(), 295);
    EXPECT_GT(elided.right(), 250);
    EXPECT_LT(elided.height(), shortText.height());
}

} // namespace
