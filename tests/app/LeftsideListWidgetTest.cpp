// The left-side list's two paint styles, grabbed from a real list under the
// X server: the selection fill, the icon fitted into its place, and the
// caption shrunk to fit (tiles) or elided (rows).
#include "LeftsideListWidget.h"
#include "LeftsideListWidgetItemDelegate.h"

#include <QIcon>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor kListColor(44, 46, 50);
const QColor kSelectedColor(31, 32, 35);

QIcon solidIcon(int width, int height, Qt::GlobalColor color)
{
    QPixmap pixmap(width, height);
    pixmap.fill(color);
    return QIcon(pixmap);
}

bool isWhite(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; }
bool isRed(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
bool isGreen(QColor c) { return c.green() > 100 && c.red() < 60 && c.blue() < 60; }
// Any glyph pixel, antialiased edges included.
bool isInk(QColor c) { return c.red() > 110 && c.green() > 110 && c.blue() > 110; }

// The bounding box of the pixels that pass the test; empty when none does.
QRect boundsOf(const QImage& image, const std::function<bool(QColor)>& test, const QRect& area = QRect())
{
    const QRect scan = area.isNull() ? image.rect() : area;
    QRect bounds;
    for (int y = scan.top(); y <= scan.bottom(); ++y)
        for (int x = scan.left(); x <= scan.right(); ++x)
            if (test(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class LeftsideListWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.setStyleSheet("QListWidget { background-color: rgb(44,46,50); color: white; border: 0; }");
        list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list.setFrameShape(QFrame::NoFrame);
        show(75);
    }
    // Rows take the list's width, as in the start window's narrow column.
    void show(int width)
    {
        list.resize(width, 400);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QListWidgetItem* addRow(const QString& text, const QIcon& icon, QSize size = QSize(75, 75))
    {
        auto* item = new QListWidgetItem(icon, text, &list);
        item->setSizeHint(size);
        return item;
    }
    // The row as painted on screen, in its own coordinates.
    QImage grab(QListWidgetItem* item)
    {
        list.viewport()->repaint();
        return list.viewport()->grab(list.visualItemRect(item)).toImage();
    }

    LeftsideListWidget list;
};

TEST_F(LeftsideListWidgetTest, TileFillsTheSelectionAndFitsTheIconAboveTheCaption)
{
    EXPECT_EQ(list.delegateStyle(), 0);
    QListWidgetItem* selected = addRow("Movies", solidIcon(40, 10, Qt::red));
    QListWidgetItem* plain = addRow("Help", solidIcon(40, 10, Qt::red));
    list.setCurrentItem(selected);

    const QImage tile = grab(selected);
    EXPECT_EQ(tile.pixelColor(2, 2), kSelectedColor);
    EXPECT_EQ(grab(plain).pixelColor(2, 2), kListColor) << "an unselected row draws no background";

    // The icon's place is 10 px in, 20 px short of the bottom for the
    // caption, then 5 px in: (15, 15, 45, 25); a 4:1 icon fills its width.
    const QRect icon = boundsOf(tile, isRed);
    EXPECT_NEAR(icon.left(), 15, 1);
    EXPECT_NEAR(icon.right(), 59, 1);
    EXPECT_NEAR(icon.height(), 11, 1);
    EXPECT_NEAR(icon.center().y(), 27, 1);

    const QRect caption = boundsOf(tile, isWhite);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GE(caption.top(), 45);
    EXPECT_LE(caption.bottom(), 64);
    EXPECT_NEAR(caption.center().x(), 37, 2) << "centred under the icon";
}

TEST_F(LeftsideListWidgetTest, TileWithoutIconOrCaptionDrawsOnlyWhatItHas)
{
    QListWidgetItem* noIcon = addRow("Settings", QIcon());
    QListWidgetItem* noCaption = addRow(QString(), solidIcon(20, 20, Qt::red));
    const QImage captionOnly = grab(noIcon);
    EXPECT_TRUE(boundsOf(captionOnly, isRed).isEmpty());
    EXPECT_TRUE(boundsOf(captionOnly, isInk, QRect(0, 0, 75, 44)).isEmpty());
    EXPECT_FALSE(boundsOf(captionOnly, isWhite).isEmpty());
    const QImage iconOnly = grab(noCaption);
    EXPECT_FALSE(boundsOf(iconOnly, isRed).isEmpty());
    EXPECT_TRUE(boundsOf(iconOnly, isInk, QRect(0, 45, 75, 30)).isEmpty());
}

TEST_F(LeftsideListWidgetTest, TileCaptionTooWideIsDrawnWholeInASmallerFont)
{
    QListWidgetItem* fits = addRow("Hh", QIcon());
    QListWidgetItem* tooWide = addRow("HhHhHhHhHhHh", QIcon());
    const QRect small = boundsOf(grab(fits), isInk);
    const QRect shrunk = boundsOf(grab(tooWide), isInk);
    ASSERT_FALSE(small.isEmpty());
    ASSERT_FALSE(shrunk.isEmpty());
    EXPECT_LT(shrunk.height(), small.height()) << "the letters get smaller instead of being elided";
    EXPECT_GE(shrunk.left(), 10);
    EXPECT_LE(shrunk.right(), 64);
    EXPECT_NEAR(shrunk.center().x(), 37, 2);
    EXPECT_GT(shrunk.width(), 3 * small.width()) << "six letter pairs, not an elided piece";
}

TEST_F(LeftsideListWidgetTest, TileCaptionThatNeverFitsStopsShrinkingAndStaysInItsPlace)
{
    QListWidgetItem* endless = addRow(QString(200, QChar('W')), QIcon());
    const QImage tile = grab(endless);
    const QRect ink = boundsOf(tile, isInk);
    ASSERT_FALSE(ink.isEmpty()) << "the caption is painted at the smallest size";
    EXPECT_GE(ink.top(), 45);
    EXPECT_LE(ink.bottom(), 64);
    EXPECT_GE(ink.left(), 10) << "clipped to the caption's place";
    EXPECT_LE(ink.right(), 64);
}

TEST_F(LeftsideListWidgetTest, RowHasASquareIconAtTheLeftAndElidesItsCaption)
{
    show(200);
    list.setDelegateStyle(1);
    EXPECT_EQ(list.delegateStyle(), 1);
    QListWidgetItem* shortRow = addRow("Hello", solidIcon(20, 20, Qt::green), QSize(200, 40));
    QListWidgetItem* longRow = addRow(QString("Hello ").repeated(30), solidIcon(40, 20, Qt::green), QSize(200, 40));
    list.setCurrentItem(shortRow);

    const QImage row = grab(shortRow);
    EXPECT_EQ(row.pixelColor(2, 2), kSelectedColor);
    const QRect icon = boundsOf(row, isGreen);
    EXPECT_EQ(icon, QRect(10, 0, 40, 40)) << "a square of the row's height, 10 px in";
    const QRect text = boundsOf(row, isInk, QRect(51, 0, 149, 40));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.left(), 60, 2) << "10 px after the icon";
    EXPECT_NEAR(text.center().y(), 20, 3);

    const QImage elided = grab(longRow);
    const QRect wideIcon = boundsOf(elided, isGreen);
    EXPECT_EQ(wideIcon.width(), 40);
    EXPECT_NEAR(wideIcon.height(), 20, 1) << "a 2:1 icon keeps its shape";
    const QRect line = boundsOf(elided, isInk, QRect(51, 0, 149, 40));
    ASSERT_FALSE(line.isEmpty());
    EXPECT_LE(line.right(), 179);
    EXPECT_GE(line.right(), 160);
    // The ellipsis's dots sit on the base line: the last columns hold no tall strokes.
    const QRect tail = boundsOf(elided, isInk, QRect(line.right() - 4, 0, 5, 40));
    EXPECT_GT(tail.top(), line.top() + line.height() / 2) << "the caption ends in an ellipsis";
}
