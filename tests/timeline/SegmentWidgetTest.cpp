#include "TimelineTestSupport.h"

#include "SegmentWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QSignalSpy>

namespace {

const QColor kTextTileColor(65, 45, 46);

// A pixel of the track as the screen shows it.
QRgb trackPixel(TrackWidget* track, const QPoint& at)
{
    return track->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
}

} // namespace

using SegmentWidgetTest = TimelineFixture;

TEST_F(SegmentWidgetTest, PaintsBodyFrameVeilAndTransitionBands)
{
    TrackWidget* track = addTrack();
    SegmentWidget* plain = track->addSegmentWidget(text(0.0f, 4.0f));
    SegmentWidget* selected = track->addSegmentWidget(text(5.0f, 4.0f));
    SegmentWidget* dimmed = track->addSegmentWidget(text(10.0f, 4.0f));
    TextSegment* banded = text(15.0f, 4.0f);
    ASSERT_EQ(banded->addTransitionAtTime(1.0f, 15.0f), 1);
    SegmentWidget* withBand = track->addSegmentWidget(banded);
    track->setScale(1.0f, false);
    selected->setSelected(true);
    dimmed->setHighlighted(false, false);

    // Below the label, away from the outline: the type's colour.
    const QPoint belowLabel(20, 40);
    EXPECT_TRUE(nearColor(trackPixel(track, plain->pos() + belowLabel), kTextTileColor))
        << std::hex << trackPixel(track, plain->pos() + belowLabel);
    EXPECT_TRUE(nearColor(trackPixel(track, selected->pos() + QPoint(1, 22)), QColor(255, 255, 0), 0));
    EXPECT_FALSE(nearColor(trackPixel(track, plain->pos() + QPoint(1, 22)), QColor(255, 255, 0), 40));
    // Black at alpha 128 over the tile.
    EXPECT_TRUE(nearColor(trackPixel(track, dimmed->pos() + belowLabel), QColor(32, 22, 23), 2))
        << std::hex << trackPixel(track, dimmed->pos() + belowLabel);
    // The band: translucent blue over the first second only.
    const QRect band = withBand->transitionRect(1);
    EXPECT_EQ(band, QRect(0, 0, 24, 44));
    const QRgb inBand = trackPixel(track, withBand->pos() + QPoint(12, 40));
    EXPECT_GT(qBlue(inBand), kTextTileColor.blue() + 20);
    EXPECT_TRUE(nearColor(trackPixel(track, withBand->pos() + QPoint(40, 40)), kTextTileColor));
}

TEST_F(SegmentWidgetTest, ZeroLengthSegmentsAndZeroWidthTilesHaveNoBands)
{
    TrackWidget* track = addTrack();
    TextSegment* emptied = text(2.0f, 3.0f);
    ASSERT_EQ(emptied->addTransitionAtTime(1.0f, 2.0f), 1);
    SegmentWidget* tile = track->addSegmentWidget(emptied);
    track->setScale(1.0f, false);
    ASSERT_EQ(tile->width(), 72);
    // Trimmed to nothing before the tile is laid out again.
    emptied->setRangeDuration(0.0f);
    EXPECT_EQ(tile->transitionRect(1), QRect(0, 0, 0, 44));
    EXPECT_EQ(tile->transitionWidthPixels(1), 0.0f);
    EXPECT_TRUE(nearColor(tile->grab().toImage().pixel(10, 40), kTextTileColor));

    TextSegment* shown = text(8.0f, 3.0f);
    ASSERT_EQ(shown->addTransitionAtTime(1.0f, 8.0f), 1);
    SegmentWidget* narrowed = track->addSegmentWidget(shown);
    narrowed->resize(0, 44);
    EXPECT_EQ(narrowed->transitionRect(1), QRect(0, 0, 0, 44));
    // In editing a press at its edge picks nothing.
    narrowed->setEditing(true, false);
    QSignalSpy picked(narrowed, &SegmentWidget::segmentWidgetTransitionIdChanged);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 10), narrowed->mapToGlobal(QPoint(0, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(narrowed, &press);
    EXPECT_TRUE(picked.isEmpty());
}

TEST_F(SegmentWidgetTest, LongPressDragsTheTileAndReleaseFliesItHome)
{
    TrackWidget* track = addTrack();
    SegmentWidget* tile = track->addSegmentWidget(text(4.0f, 4.0f));
    track->setScale(1.0f, false);
    const QRect home = tile->geometry();
    QSignalSpy states(tile, &SegmentWidget::segmentWidgetDraggingStateChanged);
    QSignalSpy moves(tile, &SegmentWidget::segmentWidgetDraggingMoving);
    QSignalSpy presses(tile, &SegmentWidget::segmentWidgetMousePressed);

    const QPoint start = inWindow(tile, QPoint(20, 20));
    pressAt(&window, start);
    ASSERT_EQ(presses.count(), 1);
    // An early move does not cancel the long press.
    moveTo(&window, start + QPoint(3, 0));
    EXPECT_TRUE(moves.isEmpty());
    // The long press lifts it once its timer has run, however late that is here.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !states.isEmpty(); }, 5000)) << "the long press never lifted the tile";
    ASSERT_EQ(states.count(), 1);
    EXPECT_TRUE(states.at(0).at(1).toBool());
    moveTo(&window, start + QPoint(40, 30));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.at(0).at(1).toPoint(), window.mapToGlobal(start + QPoint(40, 30)));
    EXPECT_EQ(tile->parentWidget(), window.centralWidget());
    EXPECT_TRUE(tile->isLifted());

    tile->setDropKind(0);
    releaseAt(&window, start + QPoint(40, 30));
    // A 200 ms flight home.
    const QPropertyAnimation* flight = runningMoveOf(tile, tile);
    ASSERT_NE(flight, nullptr);
    EXPECT_EQ(flight->duration(), 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tile->parentWidget() == track; }, 5000)) << "the tile never flew home";
    EXPECT_EQ(tile->geometry(), home);
    ASSERT_EQ(states.count(), 2);
    EXPECT_FALSE(states.at(1).at(1).toBool());
    EXPECT_FALSE(tile->isDragging());
}

TEST_F(SegmentWidgetTest, DropOnAButtonEndsTheDragBeforeReportingIt)
{
    TrackWidget* track = addTrack();
    SegmentWidget* tile = track->addSegmentWidget(text(4.0f, 4.0f));
    track->setScale(1.0f, false);
    bool finishedBeforeReport = false;
    // The timeline area deletes a tile dropped on the remove button.
    QObject::connect(tile, &SegmentWidget::segmentWidgetDraggingStateChanged, tile,
                     [&](SegmentWidget* sender, bool dragging) {
                         if (dragging)
                             return;
                         finishedBeforeReport = !sender->isDragging() && sender->parentWidget() == track;
                         delete sender;
                     });
    QPointer<SegmentWidget> guard(tile);
    const QPoint start = inWindow(tile, QPoint(20, 20));
    pressAt(&window, start);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tile->isDragging(); }, 5000)) << "the long press never lifted the tile";
    moveTo(&window, start + QPoint(60, 0));
    tile->setDropKind(2);
    releaseAt(&window, start + QPoint(60, 0));
    EXPECT_TRUE(finishedBeforeReport);
    EXPECT_TRUE(guard.isNull());
}

TEST_F(SegmentWidgetTest, LiftedTileWhoseTrackWentAwayIsLetGo)
{
    TrackWidget* track = addTrack();
    SegmentWidget* tile = track->addSegmentWidget(text(4.0f, 4.0f));
    track->setScale(1.0f, false);
    QPointer<SegmentWidget> guard(tile);
    const QPoint start = inWindow(tile, QPoint(20, 20));
    pressAt(&window, start);
    // The long press lifts it once its timer has run, however late that is here.
    ASSERT_TRUE(QTest::qWaitFor([&] { return tile->isDragging(); }, 5000)) << "the long press never lifted the tile";
    moveTo(&window, start + QPoint(30, 30));
    ASSERT_EQ(tile->parentWidget(), window.centralWidget());
    delete track;
    releaseAt(&window, start + QPoint(30, 30));
    // It flies home for 200 ms first.
    ASSERT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 5000)) << "the let-go tile never went";
}

TEST_F(SegmentWidgetTest, ALayoutWithoutAnimationStopsARunningOne)
{
    TrackWidget* track = addTrack();
    SegmentWidget* tile = track->addSegmentWidget(text(4.0f, 4.0f));
    track->setScale(1.0f, false);
    const QRect atScale1 = tile->geometry();
    tile->setScale(2.0f, true);
    tile->setScale(1.0f, false);
    // Past the 300 ms animation: a run left going would have moved the tile.
    QTest::qWait(400);
    EXPECT_EQ(tile->geometry(), atScale1);
    // Painted at that width too, as a tile laid out once.
    SegmentWidget* fresh = track->addSegmentWidget(text(4.0f, 4.0f));
    fresh->setScale(1.0f, false);
    EXPECT_EQ(tile->grab().toImage(), fresh->grab().toImage());
}

// The program-wide switch leaves the tile's own layout alone: asked to
// animate, it slides there; asked not to, it jumps.
TEST_F(SegmentWidgetTest, TheGeometryAnimatesByItsArgumentAlone)
{
    TrackWidget* track = addTrack();
    SegmentWidget* tile = track->addSegmentWidget(text(4.0f, 4.0f));
    track->setScale(1.0f, false);
    const QRect atScale1 = tile->geometry();
    setAnimationsEnabled(false);
    tile->setScale(2.0f, true);
    EXPECT_EQ(tile->geometry(), atScale1);
    const bool arrived = QTest::qWaitFor([&] { return tile->geometry().x() == TimelineMetrics::tileX(4.0f, 2.0f); }, 5000);
    tile->setScale(1.0f, false);
    const QRect jumped = tile->geometry();
    setAnimationsEnabled(true);
    EXPECT_TRUE(arrived) << tile->geometry().x();
    EXPECT_EQ(jumped, atScale1);
    tile->setScale(2.0f, true);
    EXPECT_EQ(tile->geometry(), atScale1);
}

TEST_F(SegmentWidgetTest, DimmedAndLockedTilesOnlyReportPresses)
{
    TrackWidget* track = addTrack();
    SegmentWidget* dimmed = track->addSegmentWidget(text(0.0f, 4.0f));
    SegmentWidget* locked = track->addSegmentWidget(text(6.0f, 4.0f));
    track->setScale(1.0f, false);
    dimmed->setHighlighted(false, false);
    track->setSegmentFlag(true, dimmed);
    EXPECT_TRUE(locked->isLocked());
    EXPECT_FALSE(dimmed->isLocked());

    for (SegmentWidget* tile : {dimmed, locked}) {
        QSignalSpy presses(tile, &SegmentWidget::segmentWidgetMousePressed);
        QSignalSpy states(tile, &SegmentWidget::segmentWidgetDraggingStateChanged);
        QSignalSpy editing(tile, &SegmentWidget::segmentWidgetEditingStateChanged);
        const QPoint at = inWindow(tile, QPoint(20, 20));
        // Held past the long press: nothing may lift the tile.
        pressAt(&window, at);
        QTest::qWait(350);
        releaseAt(&window, at);
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_GE(presses.count(), 2);
        EXPECT_TRUE(states.isEmpty());
        EXPECT_EQ(editing.count(), tile == dimmed ? 1 : 0);
    }
}

TEST_F(SegmentWidgetTest, DoubleClickTogglesEditingButReportsFailedSegments)
{
    TrackWidget* track = addTrack();
    SegmentWidget* tile = track->addSegmentWidget(text(0.0f, 4.0f));
    SegmentWidget* failed = track->addSegmentWidget(text(6.0f, 4.0f));
    failed->segment()->setErrorCode(1);
    track->setScale(1.0f, false);
    QSignalSpy editing(tile, &SegmentWidget::segmentWidgetEditingStateChanged);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(tile, QPoint(20, 20)));
    ASSERT_EQ(editing.count(), 1);
    EXPECT_TRUE(tile->isEditing());
    tile->toggleEditing();
    EXPECT_FALSE(tile->isEditing());

    QSignalSpy failures(failed, &SegmentWidget::segmentWidgetDoubleClickedOnFailedSegment);
    failed->setLocked(true);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(failed, QPoint(20, 20)));
    ASSERT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.at(0).at(1).toPoint(), failed->mapToGlobal(QPoint(20, 20)));
    failed->toggleEditing();
    EXPECT_FALSE(failed->isEditing());
}

TEST_F(SegmentWidgetTest, TransitionBandsDragWithinTheirNeighbours)
{
    TrackWidget* track = addTrack();
    TextSegment* segment = text(0.0f, 10.0f);
    ASSERT_EQ(segment->addTransitionAtTime(1.0f, 0.0f), 1);
    ASSERT_EQ(segment->addTransitionAtTime(1.0f, 4.0f), 2);
    ASSERT_EQ(segment->addTransitionAtTime(1.0f, 8.0f), 3);
    SegmentWidget* tile = track->addSegmentWidget(segment);
    track->setScale(1.0f, false);
    tile->setEditing(true, false);
    QSignalSpy picked(tile, &SegmentWidget::segmentWidgetTransitionIdChanged);
    QSignalSpy dragged(tile, &SegmentWidget::segmentWidgetDraggingTransitionChanged);

    const float secondStart = segment->transitionStart(2);
    const QPoint onSecond = inWindow(tile, QPoint(int(secondStart * 24) + 5, 20));
    pressAt(&window, onSecond);
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked.at(0).at(1).toInt(), 2);
    EXPECT_FALSE(picked.at(0).at(2).toBool());
    EXPECT_EQ(tile->transitionId(), 2);
    // Far left: it stops 0.04 s after the first one's end.
    moveTo(&window, onSecond - QPoint(200, 0));
    const float firstEnd = segment->transitionStart(1) + segment->transitionDuration(1);
    EXPECT_NEAR(segment->transitionStart(2), firstEnd + 0.04f, 0.01f);
    // Far right: 0.04 s before the third one's start.
    moveTo(&window, onSecond + QPoint(400, 0));
    EXPECT_NEAR(segment->transitionStart(2) + 1.0f, segment->transitionStart(3) - 0.04f, 0.01f);
    releaseAt(&window, onSecond + QPoint(400, 0));
    ASSERT_EQ(dragged.count(), 4);
    EXPECT_EQ(dragged.at(0).at(1).toInt(), 1);
    EXPECT_EQ(dragged.at(2).at(1).toInt(), 3);
    EXPECT_EQ(dragged.at(3).at(1).toInt(), 0);
}
