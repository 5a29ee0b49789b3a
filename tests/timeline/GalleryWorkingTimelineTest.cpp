#include "EditScrollArea.h"
#include "GalleryWorkingTimeline.h"
#include "SegmentWidget.h"
#include "TimelineTestSupport.h"

#include <QGraphicsEffect>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

// The gallery's working timeline, with text segments for every track, in
// place of the timeline fixture's content.
class GalleryWorkingTimelineTest : public TimelineFixture
{
protected:
    void SetUp() override
    {
        TimelineFixture::SetUp();
        timeline = new GalleryWorkingTimeline([this](const QString&, float start,
                                                     float duration) { return text(start, duration); },
                                              nullptr);
        window.setCentralWidget(timeline);
        // The fixture's content went with the old central widget.
        content = nullptr;
        window.resize(1600, 420);
        // The window shows its new central widget by a queued call.
        ASSERT_TRUE(QTest::qWaitFor([this] { return timeline->isVisible(); }, 5000))
            << "the gallery's timeline never showed";
    }

    void TearDown() override
    {
        delete window.takeCentralWidget();
        TimelineFixture::TearDown();
    }

    QString log() const { return timeline->log()->toPlainText(); }
    bool logged(const char* line) const { return log().contains(QLatin1String(line)); }
    TrackWidget* track(int index) const { return timeline->editScrollArea()->trackWidgetAt(index); }

    GalleryWorkingTimeline* timeline = nullptr;
};

TEST_F(GalleryWorkingTimelineTest, EditingAndTrimmingAreLogged)
{
    SegmentWidget* tile = track(0)->segmentWidgetAt(0);
    EditScrollArea* area = timeline->editScrollArea();
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(tile, {20, 20}));
    // The tracks slide down and the bars fade in (a bar's fade switches its
    // opacity effect off at the end).
    const auto barsStill = [area] {
        const QLabel* bar = area->leftTrimBar();
        return bar && (!bar->graphicsEffect() || !bar->graphicsEffect()->isEnabled()) && !area->isAnimatingTracks();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return logged("editScrollAreaDidEnterEditingSegment") && barsStill(); }, 5000))
        << "editing never began and settled: " << log().toStdString();
    EXPECT_TRUE(logged("editScrollAreaDidEnterEditingSegment(TEXT at 1.00 s)")) << log().toStdString();
    QLabel* bar = area->leftTrimBar();
    const QPoint at = inWindow(bar, {bar->width() / 2, bar->height() - 8});
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(QTest::qWaitFor([area] { return area->isBusy(); }, 5000)) << "the press never reached the bar";
    QTest::mouseMove(window.windowHandle(), at + QPoint(24, 0));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at + QPoint(24, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return logged("editScrollAreaReloadPreviewForSegment"); }, 5000))
        << "the trim was never reported: " << log().toStdString();
    // The question is answered (insert mode) and the trim reported.
    EXPECT_TRUE(log().contains("editScrollAreaGetSegmentOverwriteMode(answered false: insert mode)"));
    EXPECT_TRUE(log().contains("editScrollAreaSeekToTime(2.000)")) << log().toStdString();
    EXPECT_TRUE(log().contains("editScrollAreaReloadPreviewForSegment(TEXT at 2.00 s, true)"));
}

TEST_F(GalleryWorkingTimelineTest, TileDroppedOnTheEmptyTrackMovesThereAndAddsANewOne)
{
    const int tracks = timeline->editScrollArea()->trackWidgetCount();
    TrackWidget* empty = track(tracks - 1);
    SegmentWidget* tile = track(0)->segmentWidgetAt(2);
    const QPoint start = inWindow(tile, {5, 20});
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, start);
    ASSERT_TRUE(QTest::qWaitFor([tile] { return tile->isDragging(); }, 5000)) << "the long press never lifted the tile";
    QTest::mouseMove(window.windowHandle(), start + QPoint(2, 2));
    const QPoint target = inWindow(empty, {empty->mapFromGlobal(tile->mapToGlobal({5, 20})).x(), 22});
    QTest::mouseMove(window.windowHandle(), target);
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, target);
    ASSERT_TRUE(QTest::qWaitFor([&] { return logged("editScrollAreaMoveSegmentToTrack"); }, 5000))
        << "the drop was never reported: " << log().toStdString();
    // The safe-area question was answered for the bottom inset alone.
    EXPECT_TRUE(log().contains("editScrollAreaGetSafeAreaInsets(answered 0 through the given pointers)"));
    EXPECT_TRUE(log().contains("editScrollAreaMoveSegmentToTrack(TEXT at 12.50 s, track")) << log().toStdString();
    EXPECT_EQ(empty->segmentWidgetCount(), 1);
    EXPECT_EQ(empty->trackType(), "TEXT");
    EXPECT_EQ(track(0)->segmentWidgetCount(), 2);
    EXPECT_EQ(timeline->editScrollArea()->trackWidgetCount(), tracks + 1);
}
