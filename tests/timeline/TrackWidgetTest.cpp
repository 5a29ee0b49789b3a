#include "TimelineTestSupport.h"

#include "SegmentDraggingFrameWidget.h"
#include "SegmentWidget.h"
#include "UserSettings.h"

#include <QElapsedTimer>
#include <QGraphicsOpacityEffect>
#include <QPushButton>
#include <QSignalSpy>

using TrackWidgetTest = TimelineFixture;

TEST_F(TrackWidgetTest, SnapsToTileEdgesWithinAToleranceThatShrinksWithZoom)
{
    TrackWidget* track = addTrack(2.0f);
    TextSegment* first = text(5.0f, 2.0f);
    track->addSegmentWidget(first);
    track->addSegmentWidget(text(7.1f, 3.0f));
    track->setScale(2.0f, false);
    // 0.25 s / scale 2.
    EXPECT_FLOAT_EQ(track->snapTime(5.12f, nullptr), 5.0f);
    EXPECT_FLOAT_EQ(track->snapTime(5.13f, nullptr), 5.13f);
    EXPECT_FLOAT_EQ(track->snapTime(4.88f, nullptr), 5.0f);
    // 7.0 (first's end) and 7.1 (second's start) both in reach: list order wins.
    EXPECT_FLOAT_EQ(track->snapTime(7.05f, nullptr), 7.0f);
    // The dragged segment's own edges do not count.
    EXPECT_FLOAT_EQ(track->snapTime(7.05f, first), 7.1f);

    track->setScale(0.5f, false);
    EXPECT_FLOAT_EQ(track->snapTime(4.51f, nullptr), 5.0f);
    EXPECT_FLOAT_EQ(track->snapTime(4.49f, nullptr), 4.49f);
    EXPECT_FLOAT_EQ(track->contentEndTime(), 10.1f);

    UserSettings::instance()->setAutoDragDropAlign(false);
    EXPECT_FLOAT_EQ(track->snapTime(5.1f, nullptr), 5.1f);
    UserSettings::instance()->setAutoDragDropAlign(true);
}

TEST_F(TrackWidgetTest, DropFrameSnapsStartThenEndThenOtherTracksButNeverZero)
{
    TrackWidget* track = addTrack(2.0f);
    track->addSegmentWidget(text(0.1f, 2.0f));
    track->addSegmentWidget(text(10.0f, 2.0f));
    track->setScale(2.0f, false);
    int crossCalls = 0;
    const TrackWidget::SnapFunction others = [&](float time, Segment*, TrackWidget* asking) {
        ++crossCalls;
        EXPECT_EQ(asking, track);
        return std::abs(time - 20.0f) < 0.2f ? 20.0f : time;
    };

    float time = 0.0f;
    track->showDropIndicator(nullptr, &time, 1.0f, others);
    EXPECT_FLOAT_EQ(time, 0.0f);
    EXPECT_EQ(crossCalls, 0);
    ASSERT_NE(track->dropIndicator(), nullptr);
    EXPECT_EQ(track->dropIndicator()->geometry(), QRect(TimelineMetrics::tileX(0.0f, 2.0f), 0, 48, 44));

    time = 0.05f;
    track->showDropIndicator(nullptr, &time, 1.0f, others);
    EXPECT_FLOAT_EQ(time, 0.1f);
    // The end meets the second tile's start.
    time = 8.95f;
    track->showDropIndicator(nullptr, &time, 1.0f, others);
    EXPECT_FLOAT_EQ(time, 9.0f);
    time = 18.9f;
    track->showDropIndicator(nullptr, &time, 1.0f, others);
    EXPECT_FLOAT_EQ(time, 19.0f);
    EXPECT_EQ(track->dropIndicator()->geometry().x(), TimelineMetrics::tileX(19.0f, 2.0f));
    track->removeDropIndicator();
    EXPECT_EQ(track->dropIndicator(), nullptr);
}

TEST_F(TrackWidgetTest, SelectionOverlayTogglesAndNeedsTiles)
{
    TrackWidget* empty = addTrack();
    empty->setSelectionSpan(1.0f, 2.0f);
    EXPECT_EQ(empty->selectionOverlay(), nullptr);
    EXPECT_FALSE(empty->isSelectionOn());

    TrackWidget* track = addTrack();
    track->addSegmentWidget(text(0.0f, 6.0f));
    track->setScale(1.0f, false);
    track->setSelectionSpan(1.0f, 2.0f);
    ASSERT_NE(track->selectionOverlay(), nullptr);
    EXPECT_EQ(track->selectionOverlay()->geometry(), QRect(TimelineMetrics::tileX(1.0f, 1.0f), 0, 48, 44));
    EXPECT_TRUE(track->isSelectionOn());
    const QPoint onOverlay = inWindow(track->selectionOverlay(), QPoint(10, 10));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onOverlay);
    EXPECT_FALSE(track->isSelectionOn());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, onOverlay);
    EXPECT_TRUE(track->isSelectionOn());
    track->removeOverlay();
    EXPECT_FALSE(track->isSelectionOn());
}

TEST_F(TrackWidgetTest, AnimatedRemovalKeepsTheTileForItsFade)
{
    TrackWidget* track = addTrack();
    TextSegment* gone = text(0.0f, 2.0f);
    TextSegment* kept = text(3.0f, 2.0f);
    track->addSegmentWidget(gone);
    track->addSegmentWidget(kept);
    track->removeSegmentWidget(text(9.0f, 1.0f), true);
    EXPECT_EQ(track->segmentWidgetCount(), 2);
    track->removeSegmentWidget(gone, true);
    // The fade has begun and the tile is still there for it.
    const SegmentWidget* fading = track->segmentWidgetForSegment(gone);
    ASSERT_NE(fading, nullptr);
    EXPECT_NE(qobject_cast<QGraphicsOpacityEffect*>(fading->graphicsEffect()), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return track->segmentWidgetCount() == 1; }, 5000))
        << "the removed tile never went after its fade";
    EXPECT_EQ(track->segmentWidgetAt(0)->segment(), kept);
    track->removeSegmentWidget(kept, false);
    EXPECT_EQ(track->segmentWidgetCount(), 0);
}

class TrackDraggingTest : public TimelineFixture
{
protected:
    void SetUp() override
    {
        TimelineFixture::SetUp();
        track = addTrack();
        tile = track->addSegmentWidget(text(2.0f, 2.0f));
        track->setScale(1.0f, false);
        // Track background to the right of the tile.
        onTrack = inWindow(track, QPoint(TimelineMetrics::tileX(10.0f, 1.0f), 20));
    }

    TrackWidget* track = nullptr;
    SegmentWidget* tile = nullptr;
    QPoint onTrack;
};

TEST_F(TrackDraggingTest, AMoveCancelsTheLongPress)
{
    QSignalSpy states(track, &TrackWidget::trackWidgetDraggingStateChanged);
    pressAt(&window, onTrack);
    moveTo(&window, onTrack + QPoint(2, 0));
    // Past the long press: nothing may lift the track.
    QTest::qWait(600);
    EXPECT_TRUE(states.isEmpty());
    EXPECT_FALSE(track->isDragging());
    releaseAt(&window, onTrack + QPoint(2, 0));
}

TEST_F(TrackDraggingTest, ASecondPressRestartsTheCount)
{
    QSignalSpy states(track, &TrackWidget::trackWidgetDraggingStateChanged);
    pressAt(&window, onTrack);
    // Released well before the long press.
    QTest::qWait(150);
    releaseAt(&window, onTrack);
    EXPECT_TRUE(states.isEmpty());
    QElapsedTimer sinceSecondPress;
    sinceSecondPress.start();
    pressAt(&window, onTrack);
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.count() == 1; }, 5000)) << "the second press never lifted the track";
    // The first press's timer ran out 350 ms after the second press at most
    // and did nothing: the lift took the second press's whole 500 ms.
    EXPECT_GE(sinceSecondPress.elapsed(), 500);
    releaseAt(&window, onTrack);
    EXPECT_EQ(states.count(), 2);
}

TEST_F(TrackDraggingTest, LockedEditedOrDimmedTracksStayInPlace)
{
    QSignalSpy states(track, &TrackWidget::trackWidgetDraggingStateChanged);
    // Another drag or range selection locks every track.
    track->setSegmentFlag(true, nullptr);
    // Each press is held past the long press: nothing may lift the track.
    pressAt(&window, onTrack);
    QTest::qWait(600);
    releaseAt(&window, onTrack);
    track->setSegmentFlag(false, nullptr);
    tile->setHighlighted(false, false);
    pressAt(&window, onTrack);
    QTest::qWait(600);
    releaseAt(&window, onTrack);
    tile->setHighlighted(true, false);
    tile->setEditing(true, false);
    pressAt(&window, onTrack);
    QTest::qWait(600);
    releaseAt(&window, onTrack);
    EXPECT_TRUE(states.isEmpty());
}

TEST_F(TrackDraggingTest, LiftedTrackFliesBackWithoutATarget)
{
    QSignalSpy states(track, &TrackWidget::trackWidgetDraggingStateChanged);
    QSignalSpy moves(track, &TrackWidget::trackWidgetDraggingMoving);
    const QRect home = track->geometry();
    pressAt(&window, onTrack);
    // The long press lifts the track.
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.count() == 1; }, 5000));
    EXPECT_TRUE(track->isDragging());
    moveTo(&window, onTrack + QPoint(0, 60));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(track->parentWidget(), window.centralWidget());
    EXPECT_EQ(track->homeGeometry(), home);
    releaseAt(&window, onTrack + QPoint(0, 60));
    ASSERT_EQ(states.count(), 2);
    EXPECT_FALSE(states.at(1).at(1).toBool());
    ASSERT_TRUE(QTest::qWaitFor([&] { return track->parentWidget() == content; }, 5000))
        << "the track never flew back to its row";
    EXPECT_EQ(track->geometry(), home);
    EXPECT_EQ(track->graphicsEffect(), nullptr);
}

TEST_F(TrackDraggingTest, DropOnTheRemoveButtonFinishesTheTrackBeforeReportingIt)
{
    TrackWidget* other = addTrack();
    bool finishedBeforeReport = false;
    QObject::connect(track, &TrackWidget::trackWidgetDraggingStateChanged, track,
                     [&](TrackWidget* sender, bool dragging) {
                         if (dragging)
                             return;
                         finishedBeforeReport = !sender->isDragging() && sender->dropTarget() == nullptr
                                                && sender->dropAction() == 0 && sender->parentWidget() == content;
                         // The timeline area deletes a track dropped on the remove button.
                         delete sender;
                     });
    QPointer<TrackWidget> guard(track);
    pressAt(&window, onTrack);
    ASSERT_TRUE(QTest::qWaitFor([&] { return track->isDragging(); }, 5000));
    moveTo(&window, onTrack + QPoint(0, 60));
    track->setDropTarget(other);
    track->setDropAction(2);
    releaseAt(&window, onTrack + QPoint(0, 60));
    EXPECT_TRUE(finishedBeforeReport);
    EXPECT_TRUE(guard.isNull());
}
