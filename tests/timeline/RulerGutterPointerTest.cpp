#include "GutterScrollArea.h"
#include "PointerWidget.h"
#include "RulerScrollArea.h"
#include "RulerWidget.h"
#include "Segment.h"
#include "TimelineMetrics.h"
#include "WidgetAnimations.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int kRulerHeight = 30;
constexpr int kMajorTop = 5;
const QColor kTick(101, 101, 101);

// The ruler at a scale, painted over a black background.
QImage paintRuler(float scale, int width)
{
    RulerWidget ruler;
    ruler.setScale(scale);
    ruler.resize(width, kRulerHeight);
    QImage image(width, kRulerHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    ruler.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// No row of the gutter is still on its way.
bool rowsSettled(const GutterScrollArea& gutter)
{
    for (int index = 0; index < gutter.buttonCount(); ++index) {
        if (runningMoveOf(&gutter, gutter.buttonAt(index)))
            return false;
    }
    return true;
}

bool isTick(QRgb pixel)
{
    return std::abs(qRed(pixel) - kTick.red()) <= 8 && std::abs(qGreen(pixel) - kTick.green()) <= 8;
}

// The topmost row of the column that shows the tick colour, or -1.
int tickTop(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y) {
        if (isTick(image.pixel(x, y)))
            return y;
    }
    return -1;
}

// Pixels lit by a label in the band right of a tick.
int labelPixels(const QImage& image, int x)
{
    int count = 0;
    for (int y = 0; y < 14; ++y) {
        for (int dx = 4; dx < 20 && x + dx < image.width(); ++dx)
            count += qGray(image.pixel(x + dx, y)) > 30;
    }
    return count;
}

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(23, 23).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(Ruler, ScaleOneTicksEverySecondWithLabelsEveryFifth)
{
    const QImage image = paintRuler(1.0f, 800);
    for (int k = 0; k < 6; ++k) {
        const int x = 60 + 120 * k;
        // A major tick reaches up to 6 px below the top (its round cap one more).
        EXPECT_EQ(tickTop(image, x), kMajorTop) << "second " << 5 * k;
        EXPECT_GT(labelPixels(image, x), 10) << "second " << 5 * k;
    }
    // Minor ticks start below the middle and carry no label.
    EXPECT_EQ(tickTop(image, 60 + 24), kRulerHeight / 2 + 4);
    EXPECT_EQ(tickTop(image, 60 + 3 * 24), kRulerHeight / 2 + 4);
    EXPECT_EQ(labelPixels(image, 60 + 24 + 2), 0);
    // Negative seconds inside the margin have ticks but no labels.
    EXPECT_EQ(tickTop(image, 60 - 24), kRulerHeight / 2 + 4);
    EXPECT_EQ(labelPixels(image, 60 - 24), 0);
}

TEST(Ruler, ZoomedFarOutOnlyEvenSecondsHaveTicks)
{
    // 6 px per second.
    const QImage image = paintRuler(0.25f, 800);
    EXPECT_EQ(tickTop(image, 60 + 6), -1);
    EXPECT_EQ(tickTop(image, 60 + 18), -1);
    EXPECT_EQ(tickTop(image, 60 + 12), kRulerHeight / 2 + 4);
    // Second 5 is odd: no tick and no label; second 10 has both.
    EXPECT_EQ(tickTop(image, 60 + 30), -1);
    EXPECT_EQ(labelPixels(image, 60 + 30), 0);
    EXPECT_EQ(tickTop(image, 60 + 60), kMajorTop);
    EXPECT_GT(labelPixels(image, 60 + 60), 10);
}

TEST(Ruler, ScaleWithoutWidthDrawsNothing)
{
    // No second has a place to stand: nothing is drawn and painting ends.
    for (float scale : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        const QImage image = paintRuler(scale, 400);
        for (int x = 0; x < image.width(); x += 3)
            ASSERT_EQ(tickTop(image, x), -1) << "scale " << scale << " x " << x;
    }
}

TEST(Ruler, AreaSizesTheRulerUnlessHeld)
{
    RulerScrollArea area(nullptr);
    area.resize(800, kRulerHeight);
    auto* ruler = new RulerWidget;
    area.setWidget(ruler);
    area.setHeld(true);
    area.setScale(2.0f, 30.0f);
    EXPECT_FLOAT_EQ(ruler->scale(), 1.0f);
    area.setHeld(false);
    area.setScale(2.0f, 30.0f);
    EXPECT_FLOAT_EQ(ruler->scale(), 2.0f);
    EXPECT_EQ(ruler->width(), int(TimelineMetrics::timelineContentWidth(2.0f, 30.0f)));
    EXPECT_EQ(ruler->height(), kRulerHeight);
    // A ruler wider than the content gets one pixel more than itself.
    area.resize(9000, kRulerHeight);
    area.setScale(1.0f, 0.0f);
    EXPECT_EQ(ruler->width(), 9001);
}

TEST(Gutter, RemovalsInOneTurnCloseUpEveryRow)
{
    Segment::setTrackHeight(44);
    GutterScrollArea gutter(nullptr);
    gutter.resize(60, 400);
    QList<int> tags;
    for (int index = 0; index < 4; ++index)
        tags.append(gutter.addTrackButton());
    gutter.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gutter));
    // The second removal starts while the first one's moves run.
    gutter.removeTrackButton(tags[0]);
    gutter.removeTrackButton(tags[2]);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowsSettled(gutter); }, 5000)) << "the rows never closed up";
    EXPECT_EQ(gutter.buttonForTag(tags[1])->y(), 3);
    EXPECT_EQ(gutter.buttonForTag(tags[3])->y(), 44 + 3);
}

TEST(Pointer, MovesByItsCentreAndDrawsItsStyle)
{
    setAnimationsEnabled(true);
    QWidget parent;
    PointerWidget pointer(0, 21, &parent);
    pointer.setGeometry(0, 5, 27, 120);
    pointer.moveToX(100.4f, false);
    EXPECT_EQ(pointer.x(), 88);
    EXPECT_EQ(pointer.y(), 5);
    EXPECT_FLOAT_EQ(pointer.centerX(), 88 + 13);
    EXPECT_EQ(pointer.pointerRect(), QRect(0, 0, 27, 21));

    // Style 1 tiles a dashed line below the handle; style 7 draws no line.
    auto lineColumn = [&pointer](int style) {
        pointer.setStyle(style);
        QImage image(pointer.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        pointer.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QList<int> alphas;
        for (int y = 30; y < 46; ++y)
            alphas.append(qAlpha(image.pixel(13, y)));
        return alphas;
    };
    const QList<int> solid = lineColumn(0);
    EXPECT_TRUE(std::all_of(solid.begin(), solid.end(), [](int alpha) { return alpha > 200; }));
    const QList<int> dashed = lineColumn(1);
    EXPECT_TRUE(std::any_of(dashed.begin(), dashed.end(), [](int alpha) { return alpha == 0; }));
    EXPECT_TRUE(std::any_of(dashed.begin(), dashed.end(), [](int alpha) { return alpha > 200; }));
    const QList<int> none = lineColumn(7);
    EXPECT_EQ(pointer.style(), 7);
    EXPECT_TRUE(std::all_of(none.begin(), none.end(), [](int alpha) { return alpha == 0; }));
}

TEST(Gutter, ButtonsCarryTrackIdsAndIcons)
{
    Segment::setTrackHeight(44);
    GutterScrollArea gutter(nullptr);
    gutter.resize(60, 400);
    QList<int> tags;
    for (int index = 0; index < 4; ++index)
        tags.append(gutter.addTrackButton());
    // One process-wide counter.
    EXPECT_EQ(tags[1], tags[0] + 1);
    EXPECT_EQ(tags[3], tags[0] + 3);
    EXPECT_EQ(gutter.buttonAt(2)->geometry(), QRect(10, 88 + 3, 37, 37));
    EXPECT_EQ(gutter.widget()->height(), 44 + 4 * 44 + 20);
    EXPECT_TRUE(gutter.lastTagIs(tags[3]));
    // Ids that kept records hold are skipped, however many follow each other.
    GutterScrollArea other(nullptr);
    const int next = other.addTrackButton() + 1;
    EXPECT_EQ(other.addTrackButton({next, next + 1, next + 3}), next + 2);

    gutter.setTrackButtonType(tags[1], "MUSIC");
    EXPECT_EQ(iconImage(gutter.buttonForTag(tags[1])->icon()), iconImage(QIcon(":/images/track_music")));
    EXPECT_EQ(iconImage(gutter.buttonForTag(tags[0])->icon()), iconImage(QIcon(":/images/track_empty")));
    EXPECT_NE(iconImage(QIcon(":/images/track_music")), iconImage(QIcon(":/images/track_empty")));
    gutter.setTrackButtonType(tags[1], "SOMETHING");
    EXPECT_EQ(iconImage(gutter.buttonForTag(tags[1])->icon()), iconImage(QIcon(":/images/track_music")));

    gutter.syncTrackButtons({4, 7, 9}, {"MOVIE", "TEXT", "VOICE"});
    EXPECT_EQ(gutter.buttonAt(0)->property("tag").toInt(), 4);
    EXPECT_EQ(gutter.buttonAt(2)->property("tag").toInt(), 9);
    EXPECT_EQ(gutter.buttonAt(3)->property("tag").toInt(), 10);
    EXPECT_EQ(iconImage(gutter.buttonAt(0)->icon()), iconImage(QIcon(":/images/track_video")));
    EXPECT_EQ(iconImage(gutter.buttonAt(2)->icon()), iconImage(QIcon(":/images/track_voice")));

    QSignalSpy pressed(&gutter, &GutterScrollArea::gutterAreaFunctionButtonPressed);
    gutter.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gutter));
    QTest::mouseClick(gutter.buttonAt(1), Qt::LeftButton);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.first().first().toInt(), 7);

    // The rows below a removed button close up.
    gutter.removeTrackButton(7);
    EXPECT_EQ(gutter.buttonCount(), 3);
    EXPECT_EQ(gutter.buttonForTag(7), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowsSettled(gutter); }, 5000)) << "the rows never closed up";
    EXPECT_EQ(gutter.buttonForTag(9)->y(), 44 + 3);
    EXPECT_EQ(gutter.buttonForTag(10)->y(), 88 + 3);
    gutter.removeTrackButtons({4, 10});
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowsSettled(gutter); }, 5000)) << "the rows never closed up";
    EXPECT_EQ(gutter.buttonCount(), 1);
    EXPECT_EQ(gutter.buttonForTag(9)->y(), 3);
    gutter.deleteTrackButtons();
    EXPECT_EQ(gutter.buttonCount(), 0);
    EXPECT_FALSE(gutter.lastTagIs(9));
}
