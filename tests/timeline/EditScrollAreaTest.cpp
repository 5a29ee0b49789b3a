#include "EditScrollAreaTestSupport.h"

#include "MovieSegment.h"
#include "MusicSegment.h"
#include "TestMedia.h"
#include "TimerOrder.h"
#include "UserSettings.h"

#include <QElapsedTimer>
#include <QGraphicsEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace {

// The content x of a label's centre.
int centreX(const QLabel* bar)
{
    return bar->x() + bar->width() / 2;
}

QList<int> trackIds(const EditScrollArea* area)
{
    QList<int> ids;
    for (int index = 0; index < area->trackWidgetCount(); ++index)
        ids.append(area->trackWidgetAt(index)->trackId());
    return ids;
}

QList<int> trackYs(const EditScrollArea* area)
{
    QList<int> ys;
    for (int index = 0; index < area->trackWidgetCount(); ++index)
        ys.append(area->trackWidgetAt(index)->y());
    return ys;
}

// The tracks' slide and the trim bars' fade-in (which carries them along)
// have ended: a bar's opacity effect is switched off at the end of its fade.
bool slidesEnded(const EditScrollArea* area)
{
    const auto barStill = [](const QLabel* bar) {
        const QGraphicsEffect* effect = bar ? bar->graphicsEffect() : nullptr;
        return !effect || !effect->isEnabled();
    };
    return !area->isAnimatingTracks() && barStill(area->leftTrimBar()) && barStill(area->rightTrimBar());
}

} // namespace

// ---- Editing and trim bars --------------------------------------------------

TEST_F(EditAreaFixture, DoubleClickEditsAndFirstTrackTilesShiftTheTracks)
{
    TrackWidget* first = addTrack({1.0f, 6.0f});
    TrackWidget* second = addTrack({2.0f});
    addTrack({});
    QSignalSpy entered(area, &EditScrollArea::editScrollAreaDidEnterEditingSegment);
    QSignalSpy finished(area, &EditScrollArea::editScrollAreaDidFinishEditingSegment);
    QSignalSpy handedOver(area, &EditScrollArea::editScrollAreaDidFinishEditingSegmentImmediately);
    SegmentWidget* tile = first->segmentWidgetAt(0);

    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(tile, {20, 20}));
    ASSERT_TRUE(waitFor([&]() { return entered.count() == 1; }));
    EXPECT_EQ(entered.first().first().value<Segment*>(), tile->segment());
    EXPECT_EQ(area->editingSegmentWidget(), tile);
    EXPECT_EQ(area->selectedSegmentWidget(), tile);
    ASSERT_TRUE(waitFor([&]() { return slidesEnded(area); }));
    EXPECT_EQ(trackYs(area), (QList<int>{50, 94, 138}));
    // Both bars stand on the tile's edges, their bottoms on its bottom.
    ASSERT_NE(area->leftTrimBar(), nullptr);
    ASSERT_NE(area->rightTrimBar(), nullptr);
    EXPECT_EQ(centreX(area->leftTrimBar()), 60 + 24);
    EXPECT_EQ(centreX(area->rightTrimBar()), 60 + 4 * 24);
    EXPECT_EQ(area->leftTrimBar()->geometry().bottom(), 50 + 43);
    EXPECT_EQ(area->leftTrimBar()->width(), 26);
    EXPECT_GT(area->leftTrimBar()->height(), 44);

    // Handing editing to the other tile of the first track keeps the shift.
    SegmentWidget* next = first->segmentWidgetAt(1);
    next->toggleEditing();
    EXPECT_EQ(handedOver.count(), 1);
    EXPECT_EQ(finished.count(), 0);
    ASSERT_TRUE(waitFor([&]() { return slidesEnded(area); }));
    EXPECT_EQ(trackYs(area), (QList<int>{50, 94, 138}));
    EXPECT_EQ(centreX(area->leftTrimBar()), 60 + 6 * 24);
    EXPECT_EQ(centreX(area->rightTrimBar()), 60 + 9 * 24);
    EXPECT_EQ(area->rightTrimBar()->geometry().bottom(), 50 + 43);

    // To the second track: the tracks go back up, the bars with them.
    SegmentWidget* lower = second->segmentWidgetAt(0);
    lower->toggleEditing();
    EXPECT_EQ(handedOver.count(), 2);
    ASSERT_TRUE(waitFor([&]() { return slidesEnded(area); }));
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88}));
    EXPECT_EQ(area->rightTrimBar()->geometry().bottom(), 44 + 43);
    EXPECT_EQ(centreX(area->leftTrimBar()), 60 + 2 * 24);

    // Back to the first track and finishing there.
    tile->toggleEditing();
    ASSERT_TRUE(waitFor([&]() { return slidesEnded(area); }));
    EXPECT_EQ(trackYs(area), (QList<int>{50, 94, 138}));
    tile->toggleEditing();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(area->isEditingSegment());
    ASSERT_TRUE(waitFor([&]() { return slidesEnded(area); }));
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88}));
    EXPECT_EQ(area->leftTrimBar(), nullptr);
    EXPECT_EQ(area->rightTrimBar(), nullptr);
}

TEST_F(EditAreaFixture, EditingToggledDuringTheShiftLeavesTracksInTheirRows)
{
    TrackWidget* first = addTrack({1.0f, 6.0f});
    TrackWidget* second = addTrack({2.0f});
    addTrack({4.0f});
    SegmentWidget* tile = first->segmentWidgetAt(0);
    // Each toggle lands while the tracks are still on their way (should a
    // busy machine land one later, the rows must end the same).
    const auto toggleThriceWhileMoving = [tile]() {
        tile->toggleEditing();
        QTest::qWait(60);
        tile->toggleEditing();
        QTest::qWait(60);
        tile->toggleEditing();
    };
    toggleThriceWhileMoving();
    ASSERT_TRUE(waitFor([&]() { return slidesEnded(area); }));
    EXPECT_EQ(trackYs(area), (QList<int>{50, 94, 138}));
    ASSERT_NE(area->leftTrimBar(), nullptr);
    EXPECT_EQ(area->leftTrimBar()->geometry().bottom(), 50 + 43);
    EXPECT_EQ(area->rightTrimBar()->geometry().bottom(), 50 + 43);

    toggleThriceWhileMoving();
    ASSERT_TRUE(waitFor([&]() { return !area->isAnimatingTracks(); }));
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88}));

    // A removal during the shift moves only the tracks below it; the track
    // above still ends its own move.
    tile->toggleEditing();
    QTest::qWait(60);
    area->removeTrackWidget(second);
    ASSERT_TRUE(waitFor([&]() { return !area->isAnimatingTracks(); }));
    EXPECT_EQ(trackYs(area), (QList<int>{50, 94}));
}

TEST_F(EditAreaFixture, LeavingEditingEndsTheEditedTransition)
{
    setAnimationsEnabled(false);
    TrackWidget* track = addTrack({1.0f}, 4.0f);
    SegmentWidget* tile = track->segmentWidgetAt(0);
    ASSERT_GT(tile->segment()->addTransitionAtTime(1.0f, 2.0f), 0);
    QSignalSpy enteredTransition(area, &EditScrollArea::editScrollAreaDidEnterEditingTransition);
    QSignalSpy finishedTransition(area, &EditScrollArea::editScrollAreaDidFinishEditingTransition);
    tile->setEditing(true, false);
    const int id = tile->segment()->isValidTransitionIndex(0);
    tile->setTransitionId(id, true);
    ASSERT_EQ(enteredTransition.count(), 1);
    ASSERT_NE(area->transitionBeginBar(), nullptr);
    ASSERT_NE(area->transitionEndBar(), nullptr);
    const QRect band = tile->transitionRect(id);
    EXPECT_EQ(centreX(area->transitionBeginBar()), 60 + 24 + band.x());
    EXPECT_EQ(centreX(area->transitionEndBar()), 60 + 24 + band.x() + band.width());
    EXPECT_EQ(area->transitionBeginBar()->geometry().bottom(), 50 - 1);
    EXPECT_EQ(area->transitionEndBar()->y(), 50 + 44);

    tile->setEditing(false, false);
    EXPECT_EQ(finishedTransition.count(), 1);
    EXPECT_EQ(tile->transitionId(), 0);
    EXPECT_EQ(area->transitionBeginBar(), nullptr);
    EXPECT_EQ(area->transitionEndBar(), nullptr);
}

// ---- Trimming and snapping --------------------------------------------------

class EditAreaTrimTest : public EditAreaFixture
{
protected:
    // At scale 2: the edited tile from 2 s to 5 s on the second track; the
    // first track holds a tile starting at otherStart.
    void build(float otherStart)
    {
        setAnimationsEnabled(false);
        addTrack({otherStart}, 2.0f, 2.0f);
        TrackWidget* track = addTrack({2.0f}, 3.0f, 2.0f);
        addTrack({}, 3.0f, 2.0f);
        edited = track->segmentWidgetAt(0);
        edited->setEditing(true, false);
        QObject::connect(area, &EditScrollArea::editScrollAreaGetSegmentOverwriteMode, area,
                         [this](bool& ret) { ret = overwrite; }, Qt::DirectConnection);
    }

    // Presses a bar (offset from its centre), drags it by dx and releases.
    void dragBar(QLabel* bar, int offset, int dx)
    {
        const QPoint at = inWindow(bar, {bar->width() / 2 + offset, bar->height() - 10});
        pressBar(at);
        moveTo(at + QPoint(dx / 2, 0));
        moveTo(at + QPoint(dx, 0));
        release(at + QPoint(dx, 0));
    }

    // Presses a bar at the window point and holds it until the kinetic
    // scrolling has passed the press on to the area.
    void pressBar(const QPoint& at)
    {
        press(at);
        EXPECT_TRUE(waitFor([this] { return area->isBusy(); })) << "the press never reached the bar";
    }

    Segment* segment() const { return edited->segment(); }

    SegmentWidget* edited = nullptr;
    bool overwrite = false;
};

TEST_F(EditAreaTrimTest, RightBarMovesTheEndByThePointer)
{
    build(20.0f);
    QSignalSpy began(area, &EditScrollArea::editScrollAreaBeginTrimSegment);
    QSignalSpy reloaded(area, &EditScrollArea::editScrollAreaReloadPreviewForSegment);
    QSignalSpy seeks(area, &EditScrollArea::editScrollAreaSeekToTime);
    // 30 px right of its centre, inside the 40 px reach.
    dragBar(area->rightTrimBar(), 30, 48);
    EXPECT_EQ(began.count(), 1);
    EXPECT_FLOAT_EQ(segment()->rangeStart() + segment()->duration(), 6.0f);
    EXPECT_EQ(centreX(area->rightTrimBar()), 60 + 6 * 48);
    EXPECT_EQ(edited->width(), 4 * 48);
    ASSERT_EQ(reloaded.count(), 1);
    EXPECT_FALSE(reloaded.first().at(1).toBool());
    ASSERT_GE(seeks.count(), 1);
    EXPECT_FLOAT_EQ(seeks.last().first().toFloat(), 6.0f);
    EXPECT_FALSE(area->isBusy());
}

TEST_F(EditAreaTrimTest, RightBarSnapsToAnotherTracksEdgeWithinTolerance)
{
    build(6.1f);
    dragBar(area->rightTrimBar(), 30, 48);
    EXPECT_NEAR(segment()->rangeStart() + segment()->duration(), 6.1f, 1e-5);
    EXPECT_EQ(centreX(area->rightTrimBar()), int(60 + 6.1f * 48));
}

TEST_F(EditAreaTrimTest, RightBarDoesNotSnapBeyondTolerance)
{
    build(6.2f);
    dragBar(area->rightTrimBar(), 30, 48);
    EXPECT_FLOAT_EQ(segment()->rangeStart() + segment()->duration(), 6.0f);
}

TEST_F(EditAreaTrimTest, RightBarDoesNotSnapWithAlignmentSwitchedOff)
{
    build(6.1f);
    UserSettings::instance()->setAutoDragDropAlign(false);
    dragBar(area->rightTrimBar(), 30, 48);
    EXPECT_FLOAT_EQ(segment()->rangeStart() + segment()->duration(), 6.0f);
    UserSettings::instance()->setAutoDragDropAlign(true);
}

TEST_F(EditAreaTrimTest, RightBarStaysWhereTheSegmentCorrectedTheEnd)
{
    setAnimationsEnabled(false);
    // Three seconds of media from 2 s: the end cannot pass 5 s.
    listener.mediaDuration = 3.0f;
    auto* music = own(reported(new MusicSegment(TestMedia::path("tone440.wav"), 2.0f, "Tone", "", &listener)));
    ASSERT_FLOAT_EQ(music->rangeStart() + music->duration(), 5.0f);
    TrackWidget* track = area->addTrackWidget(2.0f, kDuration);
    track->setTrackId(1);
    track->setTrackType("MUSIC");
    music->setTrackId(1);
    edited = track->addSegmentWidget(music);
    area->connectSegmentWidget(edited);
    edited->setScale(2.0f, false);
    edited->setEditing(true, false);
    QSignalSpy seeks(area, &EditScrollArea::editScrollAreaSeekToTime);
    dragBar(area->rightTrimBar(), 0, 96);
    EXPECT_FLOAT_EQ(music->rangeStart() + music->duration(), 5.0f);
    EXPECT_EQ(centreX(area->rightTrimBar()), 60 + 5 * 48);
    ASSERT_GE(seeks.count(), 1);
    EXPECT_FLOAT_EQ(seeks.last().first().toFloat(), 5.0f);
}

TEST_F(EditAreaTrimTest, LeftBarSnapsOnlyInOverwriteMode)
{
    // The other tile ends at 3.1 s; the left bar is dragged from 2 s to 3 s.
    build(1.1f);
    int asked = 0;
    QObject::connect(area, &EditScrollArea::editScrollAreaGetSegmentOverwriteMode, area, [&](bool&) { ++asked; },
                     Qt::DirectConnection);
    dragBar(area->leftTrimBar(), -30, 48);
    EXPECT_GE(asked, 1);
    EXPECT_FLOAT_EQ(segment()->rangeStart(), 3.0f);
    EXPECT_FLOAT_EQ(segment()->rangeStart() + segment()->duration(), 5.0f);

    overwrite = true;
    segment()->setStartTime(2.0f);
    area->updateTrimBarPositions();
    dragBar(area->leftTrimBar(), -30, 48);
    EXPECT_NEAR(segment()->rangeStart(), 3.1f, 1e-5);
}

TEST_F(EditAreaTrimTest, LeftBarStopsAtTheRightBar)
{
    build(20.0f);
    dragBar(area->leftTrimBar(), 0, 400);
    const QLabel* left = area->leftTrimBar();
    // Its right edge meets the right bar's left edge.
    EXPECT_EQ(left->x() + left->width(), area->rightTrimBar()->x());
    EXPECT_NEAR(segment()->rangeStart(), (centreX(left) - 60) / 48.0f, 1e-4);
    EXPECT_NEAR(segment()->rangeStart() + segment()->duration(), 5.0f, 1e-4);
}

TEST_F(EditAreaTrimTest, TransitionBarTapReportsSeekTapAndUntrimmedEnd)
{
    build(20.0f);
    const int id = segment()->addTransitionAtTime(1.0f, 3.0f);
    ASSERT_GT(id, 0);
    edited->setTransitionId(id, false);
    QSignalSpy seek(area, &EditScrollArea::editScrollAreaSeekToTransition);
    QSignalSpy tapped(area, &EditScrollArea::editScrollAreaTappedOnTransitionBar);
    QSignalSpy ended(area, &EditScrollArea::editScrollAreaEndTrimTransition);
    QLabel* end = area->transitionEndBar();
    const QPoint at = inWindow(end, {end->width() / 2, end->height() / 2});
    pressBar(at);
    release(at);
    ASSERT_EQ(seek.count(), 1);
    ASSERT_EQ(tapped.count(), 1);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.first().at(0).toInt(), id);
    EXPECT_FALSE(ended.first().at(1).toBool());
    EXPECT_FALSE(ended.first().at(2).toBool());
}

TEST_F(EditAreaTrimTest, TransitionEndBarStopsBeforeTheSegmentEnd)
{
    build(20.0f);
    const int id = segment()->addTransitionAtTime(1.0f, 3.0f);
    ASSERT_GT(id, 0);
    edited->setTransitionId(id, false);
    const float entryStart = segment()->transitionStart(id);
    QSignalSpy changed(area, &EditScrollArea::editScrollAreaDidTransitionRangeChange);
    QSignalSpy ended(area, &EditScrollArea::editScrollAreaEndTrimTransition);
    dragBar(area->transitionEndBar(), 0, 400);
    EXPECT_GE(changed.count(), 1);
    EXPECT_NEAR(segment()->rangeStart() + entryStart + segment()->transitionDuration(id), 5.0f - 0.04f, 1e-4);
    EXPECT_NEAR(segment()->transitionStart(id), entryStart, 1e-5);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_TRUE(ended.first().at(2).toBool());
}

TEST_F(EditAreaTrimTest, MovingATransitionInsideTheTileIsReportedWithItsBars)
{
    build(20.0f);
    const int id = segment()->addTransitionAtTime(0.5f, 2.5f);
    ASSERT_GT(id, 0);
    QSignalSpy began(area, &EditScrollArea::editScrollAreaBeginMoveTransition);
    QSignalSpy ended(area, &EditScrollArea::editScrollAreaEndMoveTransition);
    QSignalSpy reloaded(area, &EditScrollArea::editScrollAreaReloadPreviewForTransition);
    const QRect band = edited->transitionRect(id);
    const QPoint at = inWindow(edited, band.center());
    press(at);
    ASSERT_TRUE(waitFor([&] { return began.count() == 1; })) << "the press never reached the transition";
    moveTo(at + QPoint(24, 0));
    moveTo(at + QPoint(48, 0));
    release(at + QPoint(48, 0));
    ASSERT_EQ(began.count(), 1);
    EXPECT_EQ(began.first().at(0).toInt(), id);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_TRUE(ended.first().at(2).toBool());
    EXPECT_EQ(reloaded.count(), 1);
    // The bars stand on the moved band.
    const QRect moved = edited->transitionRect(id);
    EXPECT_GT(moved.x(), band.x());
    ASSERT_NE(area->transitionBeginBar(), nullptr);
    EXPECT_EQ(centreX(area->transitionBeginBar()), 60 + 2 * 48 + moved.x());
}

// ---- Track reordering -------------------------------------------------------

class EditAreaTrackDragTest : public EditAreaFixture
{
protected:
    void SetUp() override
    {
        EditAreaFixture::SetUp();
        for (float start : {1.0f, 2.0f, 3.0f})
            tracks.append(addTrack({start}));
        tracks.append(addTrack({}));
        QObject::connect(area, &EditScrollArea::editScrollAreaEndDraggingTrackWidget,
                         [this](TrackWidget* track, bool tagsChanged) {
                             ended.append(track);
                             changed.append(tagsChanged);
                         });
    }

    // Drags the track by its empty part onto the row of target.
    void dragTrackOnto(TrackWidget* track, TrackWidget* target)
    {
        longPressDrag(track, {TimelineMetrics::inset() + 800, 22},
                      inWindow(target, {TimelineMetrics::inset() + 900, 30}));
        EXPECT_TRUE(waitFor([&] { return !area->isAnimatingTracks() && track->parentWidget() == area->widget(); }))
            << "the tracks never settled in their rows";
    }

    QList<TrackWidget*> tracks;
    QList<TrackWidget*> ended;
    QList<bool> changed;
};

TEST_F(EditAreaTrackDragTest, FirstTrackDroppedOnTheThirdLandsAboveIt)
{
    dragTrackOnto(tracks[0], tracks[2]);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended.first(), tracks[0]);
    EXPECT_TRUE(changed.first());
    EXPECT_EQ(area->trackWidgetAt(0), tracks[1]);
    EXPECT_EQ(area->trackWidgetAt(1), tracks[0]);
    EXPECT_EQ(area->trackWidgetAt(2), tracks[2]);
    EXPECT_EQ(area->trackWidgetAt(3), tracks[3]);
    EXPECT_EQ(trackIds(area), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88, 132}));
    EXPECT_EQ(tracks[0]->parentWidget(), area->widget());
}

TEST_F(EditAreaTrackDragTest, TopTrackDroppedOnTheNextKeepsTheOrderAndReportsChanged)
{
    dragTrackOnto(tracks[0], tracks[1]);
    ASSERT_EQ(changed, QList<bool>{true});
    EXPECT_EQ(area->trackWidgetAt(0), tracks[0]);
    EXPECT_EQ(area->trackWidgetAt(1), tracks[1]);
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88, 132}));
}

TEST_F(EditAreaTrackDragTest, MovesAboveAndOntoTheEmptyTrack)
{
    setAnimationsEnabled(false);
    // As a drop would: the dragged track already sits in the target's row.
    tracks[2]->setGeometry(tracks[0]->geometry());
    EXPECT_TRUE(area->moveTrackWidget(tracks[2], tracks[0]));
    EXPECT_EQ(area->trackWidgetAt(0), tracks[2]);
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88, 132}));
    EXPECT_EQ(tracks[0]->trackId(), 2);

    tracks[2]->setGeometry(tracks[3]->geometry());
    EXPECT_TRUE(area->moveTrackWidget(tracks[2], tracks[3]));
    EXPECT_EQ(area->trackWidgetAt(2), tracks[2]);
    EXPECT_EQ(area->trackWidgetAt(3), tracks[3]);
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88, 132}));
    EXPECT_FALSE(area->moveTrackWidget(tracks[1], tracks[1]));
    EXPECT_FALSE(area->moveTrackWidget(tracks[1], nullptr));
}

// ---- Tile dragging ----------------------------------------------------------

TEST_F(EditAreaFixture, TileDroppedOnAnotherTrackReportsTheSnappedPlace)
{
    setAnimationsEnabled(false);
    TrackWidget* upper = addTrack({1.0f, 10.0f});
    TrackWidget* lower = addTrack({4.0f});
    addTrack({});
    QList<float> times;
    QList<TrackWidget*> targets;
    QObject::connect(area, &EditScrollArea::editScrollAreaMoveSegmentToTrack,
                     [&](Segment*, TrackWidget* track, float time) {
                         targets.append(track);
                         times.append(time);
                     });
    SegmentWidget* tile = lower->segmentWidgetAt(0);
    // From 4 s to about 7.05 s: its end snaps to the upper tile's start at 10 s.
    const QPoint from = inWindow(tile, {5, 20});
    longPressDrag(tile, {5, 20}, from + QPoint(int(3.05 * 24), -44));
    ASSERT_EQ(targets.size(), 1);
    EXPECT_EQ(targets.first(), upper);
    EXPECT_NEAR(times.first(), 7.0f, 1e-4);
}

TEST_F(EditAreaFixture, TileHeldAtTheRightEdgeScrollsAfterHalfASecond)
{
    TrackWidget* track = addTrack({1.0f}, 3.0f, 2.0f);
    QList<QPair<qint64, int>> steps;
    QElapsedTimer clock;
    // Each step must come within 150 ms of the one before: a precise timer
    // started with every step runs out after a step due earlier, however
    // late a busy machine runs both.
    QTimer sinceLastStep;
    sinceLastStep.setSingleShot(true);
    sinceLastStep.setTimerType(Qt::PreciseTimer);
    QList<bool> inTime;
    QObject::connect(area->horizontalScrollBar(), &QScrollBar::valueChanged, [&](int value) {
        if (!steps.isEmpty())
            inTime.append(sinceLastStep.isActive());
        steps.append({clock.elapsed(), value});
        sinceLastStep.start(150);
    });
    SegmentWidget* tile = track->segmentWidgetAt(0);
    const QPoint start = inWindow(tile, {5, 20});
    press(start);
    ASSERT_TRUE(waitFor([&] { return tile->isDragging(); })) << "the long press never started a drag";
    moveTo(start + QPoint(3, 0));
    const QPoint edge = inWindow(area, {area->width() - 30, 30});
    moveTo(edge);
    clock.start();
    ASSERT_TRUE(waitFor([&] { return steps.size() >= 4; })) << "the timeline never scrolled four steps";
    release(edge);
    EXPECT_GE(steps[0].first, 450);
    EXPECT_EQ(steps[0].second, 12);
    // The step grows by 0.6 px per tick, truncated: 12, 12.6, 13.2 ...
    EXPECT_EQ(steps[1].second - steps[0].second, 12);
    EXPECT_EQ(steps[2].second - steps[1].second, 13);
    for (int index = 1; index < 4; ++index) {
        EXPECT_GE(steps[index].first - steps[index - 1].first, 40);
        EXPECT_TRUE(inTime[index - 1]) << "step " << index << " came more than 150 ms after the one before";
    }
    const int last = area->horizontalScrollBar()->value();
    // The release stopped the scrolling: no step may follow.
    QTest::qWait(150);
    EXPECT_EQ(area->horizontalScrollBar()->value(), last);
}

TEST_F(EditAreaFixture, MovieDropsStopAtFourMovieTracks)
{
    QList<TrackWidget*> tracks;
    for (int index = 0; index < 3; ++index) {
        tracks.append(addTrack({1.0f}));
        tracks.last()->setTrackType("MOVIE");
    }
    TrackWidget* empty = addTrack({});
    EXPECT_TRUE(area->canDropSegment("MOVIE", empty));
    empty->setTrackType("MOVIE");
    EXPECT_EQ(area->movieTrackCount(), 4);
    EXPECT_FALSE(area->canDropSegment("MOVIE", addTrack({})));
    EXPECT_TRUE(area->canDropSegment("MOVIE", tracks[0]));
    EXPECT_TRUE(area->canDropSegment("TEXT", empty));
    EXPECT_EQ(area->movieTrackWidget(), tracks[0]);
}

// Four movie tracks, the first with two tiles, and an empty track below:
// a drag may not open a fifth movie track, but the only tile of a track may
// move to the empty one, leaving its own track empty.
TEST_F(EditAreaFixture, DraggedMovieTileMayNotOpenAFifthMovieTrack)
{
    setAnimationsEnabled(false);
    QList<TrackWidget*> movies;
    for (int index = 0; index < 4; ++index) {
        TrackWidget* track = addTrack({});
        track->setTrackType("MOVIE");
        for (float start : index == 0 ? QList<float>{1.0f, 10.0f} : QList<float>{1.0f}) {
            auto* clip = new MovieSegment(TestMedia::path("whole.mp4"), start, &listener);
            segments.emplace_back(clip);
            clip->setRangeDuration(3.0f);
            clip->setTrackId(track->trackId());
            area->connectSegmentWidget(track->addSegmentWidget(clip));
        }
        track->setScale(1.0f, false);
        movies.append(track);
    }
    TrackWidget* empty = addTrack({});
    ASSERT_EQ(area->movieTrackCount(), 4);
    QList<TrackWidget*> targets;
    QObject::connect(area, &EditScrollArea::editScrollAreaMoveSegmentToTrack,
                     [&](Segment*, TrackWidget* track, float) { targets.append(track); });
    const auto dragDown = [&](SegmentWidget* tile) {
        const QPoint from = inWindow(tile, {5, 20});
        longPressDrag(tile, {5, 20}, QPoint(from.x(), inWindow(empty, {0, 22}).y()));
    };

    dragDown(movies[0]->segmentWidgetAt(1));
    EXPECT_TRUE(targets.isEmpty()) << "a fifth movie track was opened";
    EXPECT_EQ(movies[0]->segmentWidgetCount(), 2);

    dragDown(movies[3]->segmentWidgetAt(0));
    ASSERT_EQ(targets.size(), 1);
    EXPECT_EQ(targets.first(), empty);
}

// ---- Track list -------------------------------------------------------------

TEST_F(EditAreaFixture, TrackListLayoutLookupsAndRemoval)
{
    setAnimationsEnabled(false);
    QList<TrackWidget*> tracks;
    for (float start : {1.0f, 2.0f, 3.0f})
        tracks.append(addTrack({start, start + 10}));
    tracks.append(addTrack({}));
    EXPECT_EQ(area->contentSize().height(), 44 + 4 * 44 + 20);
    EXPECT_EQ(area->contentSize().width(), TimelineMetrics::contentWidgetWidth(1.0f, kDuration));
    EXPECT_EQ(area->segmentWidgetTotal(), 6);
    EXPECT_EQ(area->trackIdBelow(2), 3);
    EXPECT_EQ(area->trackIdAbove(2), 1);
    EXPECT_EQ(area->trackIdAbove(1), 0);
    EXPECT_EQ(area->trackIdBelow(4), 0);
    EXPECT_EQ(area->trackIdBelow(99), 0);
    EXPECT_EQ(area->trackWidgetAt(4), nullptr);
    EXPECT_EQ(area->trackWidgetAt(-1), nullptr);

    area->relayoutTracks(2.0f, kDuration);
    EXPECT_EQ(tracks[0]->segmentWidgetAt(0)->width(), 3 * 48);
    EXPECT_EQ(tracks[2]->width(), TimelineMetrics::trackGeometry(2, 2.0f, kDuration).width());
    EXPECT_EQ(area->contentSize().width(), TimelineMetrics::contentWidgetWidth(2.0f, kDuration));

    // The third and fourth rows slide up (animated all the same).
    area->removeTrackWidget(tracks[1]);
    EXPECT_EQ(area->trackWidgetCount(), 3);
    EXPECT_TRUE(area->isAnimatingTracks());
    EXPECT_TRUE(waitFor([this]() { return !area->isAnimatingTracks(); }));
    EXPECT_EQ(trackYs(area), (QList<int>{0, 44, 88}));
    area->removeTrackWidgets({tracks[0], tracks[3]});
    EXPECT_TRUE(waitFor([this]() { return !area->isAnimatingTracks(); }));
    EXPECT_EQ(trackYs(area), (QList<int>{0}));
    EXPECT_EQ(area->firstTrackWidget(), tracks[2]);
}

// ---- Wheel, gestures and keys -----------------------------------------------

namespace {

void wheel(QWidget* viewport, int dy, Qt::KeyboardModifiers modifiers, Qt::ScrollPhase phase = Qt::NoScrollPhase)
{
    const QPointF at(200, 30);
    QWheelEvent event(at, viewport->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, dy), Qt::NoButton, modifiers,
                      phase, false);
    QApplication::sendEvent(viewport, &event);
}

} // namespace

TEST_F(EditAreaFixture, PhaseLessWheelStepsEndOnceAfterTheLast)
{
    addTrack({1.0f});
    QElapsedTimer clock;
    QList<qint64> ends;
    QObject::connect(area, &EditScrollArea::editScrollAreaWillEndDragging, [&]() { ends.append(clock.elapsed()); });
    // Three steps 50 ms apart, the later ones sent by a timer: it runs
    // before the 100 ms end of the step before falls due, however late a
    // busy machine runs both.
    QTimer pace;
    pace.setTimerType(Qt::PreciseTimer);
    int sent = 0;
    qint64 lastStep = 0;
    const auto step = [&] {
        wheel(area->viewport(), -120, Qt::NoModifier);
        lastStep = clock.elapsed();
        if (++sent == 3)
            pace.stop();
    };
    QObject::connect(&pace, &QTimer::timeout, step);
    clock.start();
    step();
    pace.start(50);
    ASSERT_TRUE(waitFor([&] { return sent == 3; })) << "the wheel steps never all went";
    EXPECT_TRUE(whenTimerRunsOut(200, [&] { return ends.size() == 1; })) << "no end within 200 ms of the last step";
    // No second end follows.
    QTest::qWait(150);
    ASSERT_EQ(ends.size(), 1);
    EXPECT_GE(ends.first() - lastStep, 95);
}

TEST_F(EditAreaFixture, ControlWheelAndPinchAskForZoom)
{
    addTrack({1.0f});
    QSignalSpy zoom(area, &EditScrollArea::editScrollAreaScaleChanged);
    QSignalSpy ends(area, &EditScrollArea::editScrollAreaWillEndDragging);
    wheel(area->viewport(), 120, Qt::ControlModifier);
    wheel(area->viewport(), -120, Qt::ControlModifier);
    wheel(area->viewport(), 0, Qt::ControlModifier);
    ASSERT_EQ(zoom.count(), 3);
    EXPECT_FLOAT_EQ(zoom[0].first().toFloat(), 1.1f);
    EXPECT_FLOAT_EQ(zoom[1].first().toFloat(), 0.98f);
    EXPECT_FLOAT_EQ(zoom[2].first().toFloat(), 0.98f);

    QSignalSpy began(area, &EditScrollArea::editScrollAreaScaleBegan);
    QSignalSpy scaleEnd(area, &EditScrollArea::editScrollAreaScaleEnd);
    const QPointF at(10, 10);
    for (auto type : {Qt::BeginNativeGesture, Qt::ZoomNativeGesture, Qt::EndNativeGesture}) {
        QNativeGestureEvent gesture(type, nullptr, at, at, area->mapToGlobal(at.toPoint()), 0.25, 0, 0);
        EXPECT_TRUE(QApplication::sendEvent(area, &gesture));
    }
    EXPECT_EQ(began.count(), 1);
    EXPECT_EQ(scaleEnd.count(), 1);
    ASSERT_EQ(zoom.count(), 4);
    EXPECT_FLOAT_EQ(zoom[3].first().toFloat(), 1.25f);
    // Past a wheel step's end: zooming ends no scroll.
    QTest::qWait(150);
    EXPECT_EQ(ends.count(), 0);
}

TEST_F(EditAreaFixture, KeysWithoutModifiersAreReported)
{
    addTrack({1.0f});
    QSignalSpy deletes(area, &EditScrollArea::editScrollAreaDeleteKeyPressed);
    QSignalSpy directions(area, &EditScrollArea::editScrollAreaSelectNextSegmentByDirectionKey);
    QTest::keyClick(area, Qt::Key_Delete);
    QTest::keyClick(area, Qt::Key_Backspace);
    QTest::keyClick(area, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(area, Qt::Key_Home);
    QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(deletes.count(), 2);
    ASSERT_EQ(directions.count(), 2);
    EXPECT_EQ(directions[0].first().toInt(), int(Qt::Key_Home));
    EXPECT_EQ(directions[1].first().toInt(), int(Qt::Key_Right));
}

// ---- Selection --------------------------------------------------------------

TEST_F(EditAreaFixture, PressesSelectTilesAndEmptyTimelineClearsUnlessEditing)
{
    setAnimationsEnabled(false);
    TrackWidget* track = addTrack({1.0f, 8.0f});
    SegmentWidget* tile = track->segmentWidgetAt(0);
    QSignalSpy selection(area, &EditScrollArea::editScrollAreaSelectedSegmentWidgetChanged);
    QSignalSpy menus(area, &EditScrollArea::editScrollAreaPopupContextMenuForSegmentWidget);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(tile, {10, 20}));
    ASSERT_TRUE(waitFor([&]() { return area->selectedSegmentWidget() == tile; }));
    EXPECT_TRUE(tile->isSelected());
    EXPECT_TRUE(selection.last().first().toBool());

    const QPoint empty = inWindow(track, {TimelineMetrics::inset() + 600, 20});
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, empty);
    ASSERT_TRUE(waitFor([&]() { return area->selectedSegmentWidget() == nullptr; }));
    EXPECT_FALSE(tile->isSelected());
    EXPECT_FALSE(selection.last().first().toBool());

    SegmentWidget* other = track->segmentWidgetAt(1);
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, Qt::NoModifier, inWindow(other, {10, 20}));
    ASSERT_TRUE(waitFor([&]() { return menus.count() == 1; }));
    EXPECT_EQ(menus.first().first().value<SegmentWidget*>(), other);
    EXPECT_EQ(area->selectedSegmentWidget(), other);

    // While a tile is edited a press on empty timeline keeps the selection.
    other->setEditing(true, false);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(track, {TimelineMetrics::inset() + 900, 20}));
    // Past the kinetic scrolling's press delay: the selection may not change.
    QTest::qWait(150);
    EXPECT_EQ(area->selectedSegmentWidget(), other);
}
