// The GIF cell painting read back from the painted image: the selection
// background, the fitted picture, the placeholder and sharpness at ratio 2.
#include "GiphyGifsWidgetItemDelegate.h"

#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include <gtest/gtest.h>

namespace {

QImage paintCell(float ratio, const QPixmap& frame, bool selected)
{
    QStandardItemModel model(1, 1);
    if (!frame.isNull())
        model.setData(model.index(0, 0), frame, GiphyGifsWidgetItemDelegate::FrameRole);
    GiphyGifsWidgetItemDelegate delegate(ratio);
    QImage image(QSize(80, 80) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 80, 80);
    option.state = selected ? QStyle::State_Selected : QStyle::State_None;
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    return image;
}

QPixmap solid(int width, int height, const QColor& colour)
{
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    return pixmap;
}

TEST(GiphyGifsDelegateTest, ASelectedCellIsFilledAndThePictureFitsTenPixelsInside)
{
    const QImage cell = paintCell(1, solid(40, 20, Qt::red), true);
    EXPECT_EQ(cell.pixelColor(3, 3), QColor(44, 46, 50));
    EXPECT_EQ(cell.pixelColor(76, 76), QColor(44, 46, 50));
    // 40 x 20 fitted into the 60 x 60 inner square: 60 x 30, centred.
    EXPECT_EQ(cell.pixelColor(11, 40), QColor(Qt::red));
    EXPECT_EQ(cell.pixelColor(68, 40), QColor(Qt::red));
    EXPECT_EQ(cell.pixelColor(40, 27), QColor(Qt::red));
    EXPECT_EQ(cell.pixelColor(8, 40), QColor(44, 46, 50));
    EXPECT_EQ(cell.pixelColor(40, 22), QColor(44, 46, 50));

    const QImage plain = paintCell(1, solid(40, 20, Qt::red), false);
    EXPECT_EQ(plain.pixelColor(3, 3).alpha(), 0);
    EXPECT_EQ(plain.pixelColor(40, 40), QColor(Qt::red));
}

TEST(GiphyGifsDelegateTest, ACellWithoutAFrameShowsThePlaceholder)
{
    GiphyGifsWidgetItemDelegate delegate(1);
    ASSERT_FALSE(delegate.placeholder().isNull());
    const QImage cell = paintCell(1, QPixmap(), false);
    const QImage expected = delegate.placeholder().scaled(60, 60, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage();
    EXPECT_EQ(cell.pixelColor(40, 40).rgb(), expected.pixelColor(30, 30).rgb());
    EXPECT_GT(cell.pixelColor(40, 40).alpha(), 0);
}

TEST(GiphyGifsDelegateTest, AtRatioTwoThePictureKeepsItsDevicePixels)
{
    // One-pixel stripes survive only if the picture is scaled to device pixels.
    QImage stripes(120, 120, QImage::Format_RGB32);
    for (int x = 0; x < 120; ++x) {
        for (int y = 0; y < 120; ++y)
            stripes.setPixelColor(x, y, x % 2 ? Qt::white : Qt::black);
    }
    const QImage cell = paintCell(2, QPixmap::fromImage(stripes), false);
    int sharpEdges = 0;
    for (int x = 40; x < 120; ++x)
        sharpEdges += std::abs(cell.pixelColor(x, 80).red() - cell.pixelColor(x + 1, 80).red()) > 200;
    EXPECT_GT(sharpEdges, 70);
}

} // namespace
