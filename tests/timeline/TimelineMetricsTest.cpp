#include "TimelineTestSupport.h"

#include "SegmentWidget.h"
#include "UiMetrics.h"

#include <QPixmap>

namespace {

bool screenIs1080()
{
    return UiMetrics::portraitScreenSize().width() == 1080;
}

} // namespace

TEST(TimelineMetrics, TimesPositionsAndContentSizes)
{
    Segment::setTrackHeight(44);
    EXPECT_FLOAT_EQ(TimelineMetrics::timeToContentX(10.0f, 1.0f), 300.0f);
    EXPECT_FLOAT_EQ(TimelineMetrics::contentXToTime(60.0f, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(TimelineMetrics::contentXToTime(0.0f, 1.0f), -2.5f);
    EXPECT_FLOAT_EQ(TimelineMetrics::contentXToTime(300.0f, 2.0f), 5.0f);
    EXPECT_FLOAT_EQ(TimelineMetrics::timeToPixels(2.0f, 2.0f), 96.0f);
    EXPECT_FLOAT_EQ(TimelineMetrics::timelineContentWidth(1.0f, 0.0f), 2988.0f);
    EXPECT_EQ(TimelineMetrics::contentWidgetWidth(1.0f, 0.0f), 2964);
    EXPECT_FLOAT_EQ(TimelineMetrics::timelineContentWidth(2.0f, 10.0f), 48.0f * 132 + 60);
    EXPECT_EQ(TimelineMetrics::contentHeight(3), 196);
    // A ruler wider than the content gets one pixel more than itself.
    EXPECT_EQ(TimelineMetrics::rulerContentWidth(1.0f, 0.0f, 2000), 2988);
    EXPECT_EQ(TimelineMetrics::rulerContentWidth(1.0f, 0.0f, 3000), 3001);
    EXPECT_EQ(TimelineMetrics::gutterButtonGeometry(1), QRect(10, 47, 37, 37));
}

TEST(TimelineMetrics, TracksStartOneInsetLeftOfTheContent)
{
    Segment::setTrackHeight(44);
    const int inset = TimelineMetrics::inset();
    EXPECT_EQ(inset, UiMetrics::portraitScreenSize().width());
    const QRect third = TimelineMetrics::trackGeometry(2, 1.0f, 0.0f);
    EXPECT_EQ(third, QRect(-inset, 88, 2988 + 2 * inset, 44));
    // A tile at time t lands under the ruler's tick for t.
    EXPECT_EQ(third.x() + TimelineMetrics::tileX(10.0f, 1.0f), 300);
}

TEST(TimelineMetrics, ZoomedOutTailOnA1080Screen)
{
    if (!screenIs1080())
        GTEST_SKIP() << "needs a screen whose shorter side is 1080 px";
    EXPECT_FLOAT_EQ(TimelineMetrics::timelineContentWidth(0.5f, 0.0f), 2199.0f);
    EXPECT_EQ(TimelineMetrics::tileX(3.0f, 2.0f), 1284);
}

TEST(TimelineMetrics, TrackBackgroundsAlternateAndExist)
{
    EXPECT_EQ(TimelineMetrics::trackBackgroundPath(0), UiMetrics::segmentBackColorImagePath());
    EXPECT_EQ(TimelineMetrics::trackBackgroundPath(1), UiMetrics::segmentBackImagePath());
    EXPECT_EQ(TimelineMetrics::trackBackgroundPath(4), UiMetrics::segmentBackColorImagePath());
    const QPixmap coloured(UiMetrics::segmentBackColorImagePath());
    const QPixmap plain(UiMetrics::segmentBackImagePath());
    ASSERT_FALSE(coloured.isNull());
    ASSERT_FALSE(plain.isNull());
    EXPECT_NE(coloured.toImage().pixel(10, 10), plain.toImage().pixel(10, 10));
}

using TimelineTileLayout = TimelineFixture;

TEST_F(TimelineTileLayout, TileAtScaleTwoAndSpeedLabels)
{
    TrackWidget* track = addTrack(2.0f);
    SegmentWidget* tile = track->addSegmentWidget(text(3.0f, 2.0f));
    track->setScale(2.0f, false);
    EXPECT_EQ(tile->geometry(), QRect(TimelineMetrics::inset() + 204, 0, 96, 44));
    if (screenIs1080()) {
        EXPECT_EQ(tile->x(), 1284);
    }

    const std::vector<std::pair<float, QString>> labels{
        {1.0f, ""}, {2.0f, "2X"}, {1.5f, "1.5X"}, {0.75f, "0.75X"}, {1.2f, "1.20X"}, {0.5f, "0.5X"}, {1.25f, "1.25X"}};
    for (const auto& [speed, label] : labels) {
        tile->segment()->setSpeed(speed);
        tile->setScale(2.0f, false);
        EXPECT_EQ(tile->speedLabel(), label) << speed;
    }
}
