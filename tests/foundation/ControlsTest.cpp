#include "AudioLevelMeterWidget.h"
#include "ColorButton.h"
#include "ColorMatrixPaletteWidget.h"
#include "MovieSizeGridButton.h"
#include "NavigationBar.h"
#include "SegmentedControl.h"
#include "SwitchButton.h"
#include "WidgetTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A move with the left button held. QTest's own move only warps the cursor,
// which reaches the widget later, if at all, under a virtual display.
void dragTo(QWidget& widget, const QPoint& position)
{
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

QColor pixelAt(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

TEST(SegmentedControlTest, ReleaseSelectsTheSegmentUnderTheLastMove)
{
    SegmentedControl control;
    control.setSegments({"One", "Two", "Three"});
    showForInput(control, QSize(301, 30));
    QSignalSpy changes(&control, &SegmentedControl::segmentIndexChanged);

    QTest::mousePress(&control, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    dragTo(control, QPoint(150, 15));
    // Released over the third segment, but the last move was over the second.
    QTest::mouseRelease(&control, Qt::LeftButton, Qt::NoModifier, QPoint(250, 15));
    EXPECT_EQ(control.selectedIndex(), 1);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][1].toInt(), 1);

    // Segments are 100 whole pixels wide: x = 300 belongs to none.
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(300, 15));
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(150, 15));
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(control.selectedIndex(), 1);

    control.setSelectedIndex(2);
    EXPECT_EQ(changes.size(), 1);
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    EXPECT_EQ(control.selectedIndex(), 0);
    EXPECT_EQ(changes.size(), 2);
}

TEST(SegmentedControlTest, WithoutSegmentsAClickSelectsNothing)
{
    SegmentedControl control;
    showForInput(control, QSize(100, 30));
    QSignalSpy changes(&control, &SegmentedControl::segmentIndexChanged);
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    EXPECT_TRUE(changes.isEmpty());
}

TEST(SwitchButtonTest, ClickReportsAtOnceAndTheThumbSlides)
{
    SwitchButton button;
    button.setOnColor(Qt::blue);
    button.setOffColor(Qt::red);
    button.setThumbColor(Qt::white);
    showForInput(button, QSize(80, 20));
    QSignalSpy changes(&button, &SwitchButton::valueChanged);

    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_EQ(changes.size(), 1);
    EXPECT_TRUE(changes[0][0].toBool());
    // Reported before the slide: the thumb is still at the start.
    EXPECT_TRUE(near(pixelAt(button, 10, 10), Qt::white));

    EXPECT_TRUE(QTest::qWaitFor([&] { return near(pixelAt(button, 70, 10), Qt::white); }, 5000))
        << "the thumb never slid to the end";
    EXPECT_TRUE(near(pixelAt(button, 70, 10), Qt::white));
    EXPECT_TRUE(near(pixelAt(button, 10, 10), Qt::blue));

    button.setValue(false);  // placed at once, silently
    EXPECT_EQ(changes.size(), 1);
    EXPECT_TRUE(near(pixelAt(button, 10, 10), Qt::white));
    EXPECT_TRUE(near(pixelAt(button, 70, 10), Qt::red));
    QTest::mouseClick(&button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(changes.size(), 1);
}

TEST(SwitchButtonTest, TallSwitchSlidesDownAndDisabledUsesItsColours)
{
    SwitchButton button;
    button.setOnColor(Qt::blue);
    button.setThumbColor(Qt::white);
    button.setDisabledThumbColor(Qt::gray);
    showForInput(button, QSize(20, 80));
    button.setValue(true);
    EXPECT_TRUE(near(pixelAt(button, 10, 70), Qt::white));
    EXPECT_TRUE(near(pixelAt(button, 10, 10), Qt::blue));

    button.setEnabled(false);
    EXPECT_TRUE(near(pixelAt(button, 10, 70), Qt::gray));
    EXPECT_TRUE(near(pixelAt(button, 10, 10), QColor(Qt::blue).darker(200)));
}

TEST(SwitchButtonTest, EditorColoursPaintEachSideInItsOwnColourEnabledAndDisabled)
{
    SwitchButton button;
    button.useEditorColors();
    showForInput(button, QSize(80, 20));
    button.setValue(true);
    EXPECT_TRUE(near(pixelAt(button, 10, 10), QColor(54, 200, 255)));
    EXPECT_TRUE(near(pixelAt(button, 70, 10), Qt::white));
    button.setValue(false);
    EXPECT_TRUE(near(pixelAt(button, 70, 10), QColor(25, 26, 28)));

    button.setEnabled(false);
    EXPECT_TRUE(near(pixelAt(button, 10, 10), QColor(128, 128, 128)));
    EXPECT_TRUE(near(pixelAt(button, 70, 10), QColor(25, 26, 28)));
    button.setValue(true);
    EXPECT_TRUE(near(pixelAt(button, 10, 10), QColor(44, 105, 133)));
}

QList<QColor> hues(int count)
{
    QList<QColor> colors;
    for (int i = 0; i < count; ++i)
        colors.append(QColor::fromHsv(i * 10, 255, 255));
    return colors;
}

TEST(ColorMatrixPaletteTest, LaysOutRowsOfTheColumnCount)
{
    ColorMatrixPaletteWidget palette;
    palette.resize(351, 120);
    palette.setColors(hues(25), 10, 5.0f);
    const QList<QRectF> cells = palette.cellRects();
    ASSERT_EQ(cells.size(), 25);
    QMap<qreal, int> perRow;
    for (const QRectF& cell : cells)
        ++perRow[cell.y()];
    EXPECT_EQ(perRow.values(), (QList<int>{10, 10, 5}));
    EXPECT_DOUBLE_EQ(cells[0].width(), 30.5);
    EXPECT_DOUBLE_EQ(cells[11].x(), 35.5);

    // No columns: nothing to lay out and nothing to divide by.
    palette.setColors(hues(5), 0, 5.0f);
    EXPECT_TRUE(palette.cellRects().isEmpty());
    EXPECT_EQ(ColorMatrixPaletteWidget::cellSize(351, 0, 5.0f), 0.0);
    palette.grab();
}

TEST(ColorMatrixPaletteTest, EmitsTheCellReleasedOnAfterLeavingAndReturning)
{
    ColorMatrixPaletteWidget palette;
    const QList<QColor> colors = hues(25);
    palette.setColors(colors, 10, 5.0f);
    showForInput(palette, QSize(351, 120));
    QSignalSpy clicks(&palette, &ColorMatrixPaletteWidget::colorClicked);
    const QPoint cell12 = palette.cellRects()[12].center().toPoint();

    QTest::mousePress(&palette, Qt::LeftButton, Qt::NoModifier, cell12);
    dragTo(palette, cell12 + QPoint(60, 0));
    dragTo(palette, cell12);
    QTest::mouseRelease(&palette, Qt::LeftButton, Qt::NoModifier, cell12);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].value<QColor>(), colors[12]);

    QTest::mousePress(&palette, Qt::LeftButton, Qt::NoModifier, cell12);
    dragTo(palette, cell12 + QPoint(60, 0));
    QTest::mouseRelease(&palette, Qt::LeftButton, Qt::NoModifier, cell12 + QPoint(60, 0));
    EXPECT_EQ(clicks.size(), 1);

    // New, fewer colours while a cell is held: the old cell is gone.
    QTest::mousePress(&palette, Qt::LeftButton, Qt::NoModifier, cell12);
    palette.setColors(hues(5), 10, 5.0f);
    QTest::mouseRelease(&palette, Qt::LeftButton, Qt::NoModifier, cell12);
    EXPECT_EQ(clicks.size(), 1);
}

TEST(ColorButtonTest, TransparentShowsCheckerboardAndNearBlackGetsABorder)
{
    ColorButton button;
    showForInput(button, QSize(60, 30));
    button.setColor(Qt::transparent);
    QSet<QRgb> shades;
    const QImage picture = button.grab().toImage();
    for (int x = 5; x < 55; ++x)
        shades.insert(picture.pixel(x, 15));
    EXPECT_TRUE(shades.contains(qRgb(255, 255, 255)));
    EXPECT_TRUE(shades.contains(qRgb(204, 204, 204)));

    button.setColor(QColor(1, 1, 1));
    EXPECT_TRUE(near(pixelAt(button, 0, 15), QColor(31, 32, 35), 2));
    EXPECT_TRUE(near(pixelAt(button, 30, 15), QColor(1, 1, 1), 2));
    button.setColor(QColor(2, 0, 0));
    EXPECT_TRUE(near(pixelAt(button, 0, 15), QColor(2, 0, 0), 2));
    EXPECT_EQ(button.color(), QColor(2, 0, 0));
}

TEST(MovieSizeGridButtonTest, FramesFollowTheRatioAndSelectionHighlights)
{
    const QSize size = MovieSizeGridButton::sizeForWidth(75);
    EXPECT_EQ(size, QSize(75, 100));
    MovieSizeGridButton square("1:1", 1.0f);
    MovieSizeGridButton wide("16:9", 16.0f / 9);
    MovieSizeGridButton tall("9:16", 9.0f / 16);
    for (MovieSizeGridButton* button : {&square, &wide, &tall})
        button->resize(size);
    EXPECT_EQ(square.frameRect(), QRectF(10, 10, 55, 55));
    EXPECT_NEAR(wide.frameRect().height(), 55 * 9.0 / 16, 1e-4);
    EXPECT_NEAR(wide.frameRect().center().y(), 37.5, 1e-4);
    EXPECT_NEAR(tall.frameRect().width(), 55 * 9.0 / 16, 1e-4);
    EXPECT_NEAR(tall.frameRect().center().x(), 37.5, 1e-4);

    EXPECT_FALSE(near(pixelAt(square, 3, 50), QColor(44, 46, 50), 0));
    square.setSelected(true);
    EXPECT_TRUE(near(pixelAt(square, 3, 50), QColor(44, 46, 50), 0));
}

TEST(AudioLevelMeterTest, RevealsTheColourMeterFromTheLeft)
{
    AudioLevelMeterWidget meter;
    const QImage gray = QImage(":/images/voice_audio_meter_gray").convertToFormat(QImage::Format_RGB32);
    const QImage color = QImage(":/images/voice_audio_meter").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(gray.isNull());
    ASSERT_FALSE(color.isNull());
    meter.resize(gray.size());
    // Points in the middle of a bar in each quarter.
    const int y = gray.height() / 2;
    const int left = 75 - 75 % 10 + 5;
    const int right = 225 - 225 % 10 + 5;

    meter.setLevel(0.5f);
    QImage shown = meter.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(left, y), color.pixel(left, y));
    EXPECT_EQ(shown.pixel(right, y), gray.pixel(right, y));
    EXPECT_NE(color.pixel(left, y), gray.pixel(left, y));

    meter.setLevel(1.0f);
    shown = meter.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(right, y), color.pixel(right, y));
}

TEST(NavigationBarTest, ButtonsReportTheirCommandIds)
{
    NavigationBar bar;
    bar.addButton(7, "Projects");
    bar.addButton(9, "Help");
    showForInput(bar, QSize(200, 30));
    QSignalSpy clicks(&bar, &NavigationBar::buttonClicked);
    QList<QPushButton*> buttons = bar.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_TRUE(buttons[1]->isFlat());
    EXPECT_EQ(buttons[1]->property("tag").toInt(), 9);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 9);
    bar.clear();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(bar.findChildren<QPushButton*>().isEmpty());
}

} // namespace
