// Drops on the remove button whose receivers delete what was dropped, as the
// main window does, and tiles deleted under the area's selection and drag.
// These also run under AddressSanitizer (label "asan").
#include "EditScrollAreaTestSupport.h"

#include "SegmentDraggingOperationWidget.h"
#include "SlideshowLabel.h"
#include "TooltipButton.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"

#include <QScrollBar>

class EditAreaDropTest : public EditAreaFixture
{
protected:
    // Holds the widget's point until it is dragged, then moves onto the
    // panel's remove button and releases there; the button's centre.
    QPoint dropOnRemoveButton(QWidget* widget, const QPoint& from)
    {
        liftByLongPress(widget, from);
        EXPECT_NE(dragPanel(), nullptr);
        if (!dragPanel())
            return QPoint();
        const QPoint centre = dragPanel()->trashButtonCenter();
        moveTo(globalToWindow(centre) - QPoint(20, 0));
        moveTo(globalToWindow(centre));
        release(globalToWindow(centre));
        return centre;
    }

    SegmentDraggingOperationWidget* dragPanel() const { return operationPanel(); }

    SlideshowLabel* removalAnimation() const { return area->findChild<SlideshowLabel*>(); }
};

TEST_F(EditAreaDropTest, TileOnRemoveButtonIsReportedAndItsTrackCanGo)
{
    TrackWidget* track = addTrack({1.0f, 6.0f});
    addTrack({});
    SegmentWidget* tile = track->segmentWidgetAt(0);
    Segment* dropped = tile->segment();
    QList<Segment*> removed;
    bool moved = false;
    // As the main window: the tile and then its track are deleted at once.
    QObject::connect(area, &EditScrollArea::editScrollAreaRemoveSegment, [&](Segment* segment) {
        removed.append(segment);
        track->removeSegmentWidget(segment, false);
        area->removeTrackWidget(track);
    });
    QObject::connect(area, &EditScrollArea::editScrollAreaMoveSegmentToTrack,
                     [&](Segment*, TrackWidget*, float) { moved = true; });
    const QPoint centre = dropOnRemoveButton(tile, QPoint(10, 20));

    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed.first(), dropped);
    EXPECT_FALSE(moved);
    EXPECT_EQ(area->trackWidgetCount(), 1);
    EXPECT_EQ(area->segmentWidgetTotal(), 0);
    EXPECT_EQ(dragPanel(), nullptr);
    SlideshowLabel* animation = removalAnimation();
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->size(), QSize(40, 40));
    const QPoint expectedCentre = area->mapFromGlobal(centre - QPoint(0, 40));
    EXPECT_EQ(animation->geometry().topLeft(), expectedCentre - QPoint(20, 20));
    EXPECT_TRUE(waitFor([this]() { return removalAnimation() == nullptr; }));
    // The remaining track is the area's first, with the first background.
    EXPECT_EQ(area->firstTrackWidget()->y(), 0);
    // Another press on the timeline finds nothing stale.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(area->viewport(), {300, 30}));
    // Events the click leaves behind run too.
    QTest::qWait(50);
}

TEST_F(EditAreaDropTest, TrackOnRemoveButtonIsReportedAndCanBeDeleted)
{
    addTrack({1.0f});
    TrackWidget* track = addTrack({2.0f, 8.0f});
    addTrack({});
    QList<TrackWidget*> removed;
    QList<bool> ends;
    QObject::connect(area, &EditScrollArea::editScrollAreaRemoveTrack, [&](TrackWidget* trackWidget) {
        removed.append(trackWidget);
        area->removeTrackWidget(trackWidget);
    });
    QObject::connect(area, &EditScrollArea::editScrollAreaEndDraggingTrackWidget,
                     [&](TrackWidget*, bool tagsChanged) { ends.append(tagsChanged); });
    const QPoint centre = dropOnRemoveButton(track, QPoint(TimelineMetrics::inset() + 700, 20));

    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed.first(), track);
    EXPECT_EQ(ends, QList<bool>{false});
    EXPECT_EQ(area->trackWidgetCount(), 2);
    ASSERT_NE(removalAnimation(), nullptr);
    EXPECT_EQ(removalAnimation()->geometry().center() + QPoint(1, 1), area->mapFromGlobal(centre - QPoint(0, 40)));
    // The empty last track slides up into the removed row.
    EXPECT_TRUE(waitFor([this]() { return !area->isAnimatingTracks(); }));
    EXPECT_EQ(area->trackWidgetAt(1)->y(), 44);
}

TEST_F(EditAreaDropTest, TilesDeletedDuringRangeSelectionLeaveNoStalePointers)
{
    setAnimationsEnabled(false);
    TrackWidget* track = addTrack({1.0f, 6.0f, 12.0f});
    SegmentWidget* first = track->segmentWidgetAt(0);
    SegmentWidget* second = track->segmentWidgetAt(1);
    SegmentWidget* third = track->segmentWidgetAt(2);
    QSignalSpy selection(area, &EditScrollArea::editScrollAreaSelectedSegmentWidgetChanged);
    area->setSelectedSegmentWidget(first);
    second->setEditing(true, false);
    ASSERT_EQ(area->editingSegmentWidget(), second);
    selection.clear();

    // A range delete removes the selected and the edited tile.
    area->setRangeSelectionMode(true);
    track->removeSegmentWidget(first->segment(), false);
    track->removeSegmentWidget(second->segment(), false);
    EXPECT_EQ(selection.count(), 0);
    EXPECT_EQ(area->selectedSegmentWidget(), nullptr);
    EXPECT_FALSE(area->isEditingSegment());
    // Its bars went with it, and the first track is back in its row.
    EXPECT_EQ(area->leftTrimBar(), nullptr);
    EXPECT_EQ(area->rightTrimBar(), nullptr);
    EXPECT_EQ(track->y(), 0);
    area->setRangeSelectionMode(false);

    area->setSelectedSegmentWidget(third);
    third->setEditing(true, false);
    EXPECT_EQ(area->selectedSegmentWidget(), third);
    EXPECT_EQ(area->editingSegmentWidget(), third);
    ASSERT_EQ(selection.count(), 2);
    EXPECT_TRUE(selection.last().first().toBool());

    // Outside range selection a deleted selection is reported.
    track->removeSegmentWidget(third->segment(), false);
    ASSERT_EQ(selection.count(), 3);
    EXPECT_FALSE(selection.last().first().toBool());
}

TEST_F(EditAreaDropTest, RemovingTracksWithAnEditedTileTouchesOnlyLivingTracks)
{
    setAnimationsEnabled(false);
    TrackWidget* first = addTrack({1.0f, 6.0f});
    TrackWidget* second = addTrack({2.0f});
    addTrack({});
    first->segmentWidgetAt(1)->setEditing(true, false);
    area->setSelectedSegmentWidget(first->segmentWidgetAt(0));
    ASSERT_EQ(second->y(), 44 + 50);
    QList<int> counts;
    // As a receiver would: it looks at the tracks while the tiles go.
    QObject::connect(area, &EditScrollArea::editScrollAreaSelectedSegmentWidgetChanged,
                     [&](bool) { counts.append(area->segmentWidgetTotal()); });
    area->removeTrackWidget(first);
    EXPECT_EQ(counts, QList<int>{1});
    EXPECT_EQ(area->leftTrimBar(), nullptr);
    EXPECT_TRUE(waitFor([this]() { return !area->isAnimatingTracks(); }));
    // Up by the removed row and by the editing offset.
    EXPECT_EQ(second->y(), 0);
    area->clearTrackWidgets();
    EXPECT_EQ(area->trackWidgetCount(), 0);
}

TEST_F(EditAreaDropTest, TileDeletedWhileDraggedEndsTheDrag)
{
    TrackWidget* track = addTrack({1.0f, 6.0f}, 3.0f, 2.0f);
    QSignalSpy began(area, &EditScrollArea::editScrollAreaBeginDraggingSegment);
    QSignalSpy ended(area, &EditScrollArea::editScrollAreaEndDraggingSegment);
    QSignalSpy moved(area, &EditScrollArea::editScrollAreaMoveSegmentToTrack);
    SegmentWidget* tile = track->segmentWidgetAt(0);
    SegmentWidget* other = track->segmentWidgetAt(1);
    const QPoint start = inWindow(tile, {5, 20});
    press(start);
    ASSERT_TRUE(waitFor([&] { return began.count() == 1; })) << "the long press never started a drag";
    moveTo(start + QPoint(3, 0));
    ASSERT_EQ(began.count(), 1);
    ASSERT_TRUE(other->isLocked());
    // Held at the right edge, where auto-scroll is armed.
    const QPoint edge = inWindow(area, {area->width() - 30, 30});
    moveTo(edge);

    // As the main window on the delete key: the dragged tile goes.
    track->removeSegmentWidget(tile->segment(), false);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(other->isLocked());
    EXPECT_FALSE(track->isLocked());
    EXPECT_EQ(dragPanel(), nullptr);
    const int scrolled = area->horizontalScrollBar()->value();
    // Past the auto-scroll's start: nothing may scroll any more.
    QTest::qWait(700);
    EXPECT_EQ(area->horizontalScrollBar()->value(), scrolled);
    release(edge);
    // Nor may the release end the drag once more.
    QTest::qWait(50);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(moved.count(), 0);
}

TEST_F(EditAreaDropTest, TrackDeletedWhileDraggedEndsTheDrag)
{
    addTrack({1.0f});
    TrackWidget* track = addTrack({2.0f, 8.0f});
    TrackWidget* last = addTrack({});
    QList<bool> ends;
    QObject::connect(area, &EditScrollArea::editScrollAreaEndDraggingTrackWidget,
                     [&](TrackWidget* trackWidget, bool tagsChanged) {
                         EXPECT_EQ(trackWidget, track);
                         ends.append(tagsChanged);
                     });
    const QPoint start = inWindow(track, {TimelineMetrics::inset() + 700, 20});
    press(start);
    ASSERT_TRUE(waitFor([&] { return track->isDragging(); })) << "the long press never started a drag";
    moveTo(start + QPoint(3, 3));
    ASSERT_TRUE(track->isDragging());
    ASSERT_TRUE(last->isLocked());
    moveTo(inWindow(area, {300, area->height() - 5}));

    area->removeTrackWidget(track);
    EXPECT_EQ(ends, QList<bool>{false});
    EXPECT_FALSE(last->isLocked());
    EXPECT_EQ(dragPanel(), nullptr);
    const int scrolled = area->verticalScrollBar()->value();
    // Past the auto-scroll's start: nothing may scroll any more.
    QTest::qWait(700);
    EXPECT_EQ(area->verticalScrollBar()->value(), scrolled);
    release(inWindow(area, {300, area->height() - 5}));
    // Nor may the release end the drag once more.
    QTest::qWait(50);
    EXPECT_EQ(ends.size(), 1);
}
