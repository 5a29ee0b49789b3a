// Dragging tiles and tracks over the timeline: drop targets, the duplicate
// and remove panel, auto-scroll at the edges, snapping and track reordering.
#include "EditScrollArea.h"

#include "Segment.h"
#include "SegmentDraggingFrameWidget.h"
#include "SegmentDraggingOperationWidget.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "Util.h"
#include "WidgetAnimations.h"

#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kAutoScrollStartMs = 500;
constexpr int kAutoScrollStepMs = 50;
constexpr int kVerticalStep = 10;
constexpr float kFactorGrowth = 0.05f;
constexpr int kEliminateRise = 40;
constexpr int kMaxMovieTracks = 4;
const QColor kDropFrameColor(255, 255, 0, 204);

} // namespace

// ---- Snapping ---------------------------------------------------------------

float EditScrollArea::snapTime(float time, Segment* segment, TrackWidget* excluded, bool* snapped) const
{
    float best = time;
    bool found = false;
    for (const TrackWidget* track : _tracks) {
        if (track == excluded)
            continue;
        const float answer = track->snapTime(time, segment);
        if (answer == time)
            continue;
        if (!found || std::abs(answer - time) < std::abs(best - time))
            best = answer;
        found = true;
    }
    if (snapped)
        *snapped = found;
    return best;
}

// ---- The duplicate and remove panel -----------------------------------------

void EditScrollArea::_showOperationWidget(bool removeOnly)
{
    delete _operationWidget;
    QWidget* mainWindow = Util::mainWindow();
    if (!mainWindow)
        return;
    _operationWidget = new SegmentDraggingOperationWidget(mainWindow);
    const QRect area(mainWindow->mapFromGlobal(mapToGlobal(QPoint(0, 0))), size());
    _operationWidget->showAtRect(mainWindow, area, removeOnly);
}

QPoint EditScrollArea::_takeTrashCentre()
{
    if (!_operationWidget)
        return QPoint();
    const QPoint centre = _operationWidget->trashButtonCenter();
    delete _operationWidget;
    return centre;
}

int EditScrollArea::_hoverOperation(const QPoint& globalPos)
{
    _hoveredOperation = _operationWidget ? _operationWidget->hitTest(_operationWidget->mapFromGlobal(globalPos)) + 1 : 0;
    return _hoveredOperation;
}

// ---- Auto-scroll ------------------------------------------------------------

void EditScrollArea::_updateAutoScroll(const QPoint& globalPos, int rowHeight, bool horizontal)
{
    const QRect v(mapToGlobal(QPoint(0, 0)), size());
    const int margin = TimelineMetrics::leftMargin();
    float bottomInset = 0.0f;
    emit editScrollAreaGetSafeAreaInsets(nullptr, nullptr, nullptr, &bottomInset);
    const bool left = horizontal && globalPos.x() < v.x() + margin;
    const bool right = horizontal && globalPos.x() > v.x() + v.width() - margin;
    const bool up = globalPos.y() < v.y() + rowHeight && _hoveredOperation == 0;
    const bool down = globalPos.y() > v.y() + v.height() - bottomInset - rowHeight && _hoveredOperation == 0;
    if ((left && !_autoScrollLeft) || (right && !_autoScrollRight)) {
        _autoScrollFactor = 1.0f;
        _horizontalScrollTimer->start(kAutoScrollStartMs);
    }
    if ((up && !_autoScrollUp) || (down && !_autoScrollDown))
        _verticalScrollTimer->start(kAutoScrollStartMs);
    _autoScrollLeft = left;
    _autoScrollRight = right;
    _autoScrollUp = up;
    _autoScrollDown = down;
}

void EditScrollArea::_stopAutoScroll()
{
    _autoScrollLeft = _autoScrollRight = _autoScrollUp = _autoScrollDown = false;
    _horizontalScrollTimer->stop();
    _verticalScrollTimer->stop();
}

void EditScrollArea::_tellDraggedOffset()
{
    if (_draggedSegmentWidget)
        _draggedSegmentWidget->setDragScrollOffset(scrollPosition() - _scrollAtDragStart);
}

void EditScrollArea::_onHorizontalAutoScrollTimeout()
{
    if (!_autoScrollLeft && !_autoScrollRight)
        return;
    const int step = int(TimelineMetrics::pixelsPerSecond() * _autoScrollFactor * 0.5f);
    QScrollBar* bar = horizontalScrollBar();
    int value = bar->value();
    if (_autoScrollLeft)
        value = std::max(value - step, 0);
    else
        value = std::min(value + step, widget()->width() - viewport()->width());
    bar->setValue(value);
    verticalScrollBar()->setValue(verticalScrollBar()->value());
    _tellDraggedOffset();
    _autoScrollFactor = std::min(_autoScrollFactor + kFactorGrowth, _scale);
    _horizontalScrollTimer->start(kAutoScrollStepMs);
}

void EditScrollArea::_onVerticalAutoScrollTimeout()
{
    if (!_autoScrollUp && !_autoScrollDown)
        return;
    QScrollBar* bar = verticalScrollBar();
    int value = bar->value();
    if (_autoScrollUp)
        value = std::max(value - kVerticalStep, 0);
    else
        value = std::max(std::min(value + kVerticalStep, widget()->height() - viewport()->height()), 0);
    bar->setValue(value);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    _tellDraggedOffset();
    _verticalScrollTimer->start(kAutoScrollStepMs);
}

// ---- Tile dragging ----------------------------------------------------------

bool EditScrollArea::_isValidDropTrack(TrackWidget* track, Segment* segment) const
{
    const QString type = segment->type();
    const bool empty = track->segmentWidgetCount() == 0;
    if (type != track->trackType() && !empty)
        return false;
    if (type == "MOVIE" && empty && movieTrackCount() >= kMaxMovieTracks) {
        // A fifth movie track is refused, unless the tile leaves its own
        // track empty (a move rather than a new track).
        const TrackWidget* home = trackWidgetById(segment->trackId());
        return !(home && home->segmentWidgetCount() > 1);
    }
    return true;
}

void EditScrollArea::_removeDropIndicators()
{
    for (TrackWidget* track : qAsConst(_tracks))
        track->removeDropIndicator();
}

QPoint EditScrollArea::_dropDragRemains()
{
    const QPoint trashCentre = _takeTrashCentre();
    _removeDropIndicators();
    delete _trackDropFrame;
    _stopAutoScroll();
    return trashCentre;
}

void EditScrollArea::_forgetDrop()
{
    _hoveredOperation = 0;
    _dropTrack = nullptr;
    _dropTime = 0.0f;
    _draggedSegmentWidget = nullptr;
    _draggedObject = nullptr;
    _scrollAtDragStart = QPoint();
}

void EditScrollArea::_abandonDrag()
{
    // What was dragged is going: nothing is dropped, but the other tiles are
    // freed and the panel, indicators and auto-scroll go.
    setSegmentFlag(false, nullptr);
    _dropDragRemains();
    _forgetDrop();
}

void EditScrollArea::_endDragOfDyingTrack(TrackWidget* track)
{
    if (!track->isDragging())
        return;
    _abandonDrag();
    emit editScrollAreaEndDraggingTrackWidget(track, false);
}

void EditScrollArea::onSegmentWidgetDraggingStateChanged(SegmentWidget* segmentWidget, bool dragging)
{
    if (dragging) {
        emit editScrollAreaBeginDraggingSegment();
        _showOperationWidget(false);
        stopScrolling();
        setSegmentFlag(true, nullptr);
        _draggedSegmentWidget = segmentWidget;
        _draggedObject = segmentWidget;
        _scrollAtDragStart = scrollPosition();
        return;
    }
    setSegmentFlag(false, nullptr);
    emit editScrollAreaEndDraggingSegment();
    const QPoint trashCentre = _dropDragRemains();
    // Receivers may delete the tile and its track: the drop is read first
    // and the tile is not touched after the report.
    Segment* segment = segmentWidget->segment();
    const int operation = _hoveredOperation;
    const QPointer<TrackWidget> dropTrack = _dropTrack;
    const float dropTime = _dropTime;
    _forgetDrop();
    if (operation == 1) {
        emit editScrollAreaCopySegment(segment);
    } else if (operation == 2) {
        emit editScrollAreaRemoveSegment(segment);
        playEliminateAnimation(trashCentre - QPoint(0, kEliminateRise));
    } else if (dropTrack) {
        emit editScrollAreaMoveSegmentToTrack(segment, dropTrack, dropTime);
    }
}

void EditScrollArea::onSegmentWidgetDraggingMoving(SegmentWidget* segmentWidget, QPoint pt)
{
    segmentWidget->setDropKind(_hoverOperation(pt));
    Segment* segment = segmentWidget->segment();
    const QPoint origin = widget()->mapFromGlobal(segmentWidget->mapToGlobal(QPoint(0, 0)));
    const QPoint p = widget()->mapFromGlobal(pt);
    float time = std::max(0.0f, TimelineMetrics::contentXToTime(origin.x(), _scale));
    const float duration = segment->duration();
    _dropTrack = nullptr;
    _dropTime = 0.0f;
    const TrackWidget::SnapFunction snap = [this](float t, Segment* s, TrackWidget* track) {
        return snapTime(t, s, track);
    };
    for (TrackWidget* track : qAsConst(_tracks)) {
        if (!_dropTrack && track->geometry().contains(p) && _isValidDropTrack(track, segment)) {
            track->showDropIndicator(segment, &time, duration, snap);
            _dropTrack = track;
            _dropTime = time;
            if (_hoveredOperation == 0)
                segmentWidget->setDropKind(3);
        } else {
            track->removeDropIndicator();
        }
    }
    _updateAutoScroll(pt, int(TimelineMetrics::trackHeight()), true);
}

// ---- Track dragging ---------------------------------------------------------

QRect EditScrollArea::_rowOf(TrackWidget* track) const
{
    // A lifted track floats in the main window; its row is the one it left.
    return track->isDragging() && track->parentWidget() != widget() ? track->homeGeometry() : track->geometry();
}

void EditScrollArea::_showTrackDropFrame(TrackWidget* found)
{
    QRect frame = _rowOf(found);
    frame.setLeft(horizontalScrollBar()->value());
    frame.setWidth(width());
    if (!_trackDropFrame) {
        _trackDropFrame = new SegmentDraggingFrameWidget(kDropFrameColor, widget());
        _trackDropFrame->setStyleSheet("background-color: transparent;");
    }
    _trackDropFrame->setGeometry(frame);
    _trackDropFrame->show();
    _trackDropFrame->raise();
}

void EditScrollArea::onTrackWidgetDraggingStateChanged(TrackWidget* trackWidget, bool dragging)
{
    if (dragging) {
        emit editScrollAreaBeginDraggingTrackWidget(trackWidget);
        _showOperationWidget(true);
        stopScrolling();
        setSegmentFlag(true, nullptr);
        return;
    }
    setSegmentFlag(false, nullptr);
    const QPoint trashCentre = _dropDragRemains();
    const int operation = _hoveredOperation;
    TrackWidget* target = _dropTrack;
    _forgetDrop();
    bool tagsChanged = false;
    if (operation == 2) {
        // Receivers delete the track: from here on it is only reported.
        emit editScrollAreaRemoveTrack(trackWidget);
        playEliminateAnimation(trashCentre - QPoint(0, kEliminateRise));
    } else {
        tagsChanged = moveTrackWidget(trackWidget, target);
    }
    emit editScrollAreaEndDraggingTrackWidget(trackWidget, tagsChanged);
}

void EditScrollArea::onTrackWidgetDraggingMoving(TrackWidget* trackWidget, QPoint pt)
{
    trackWidget->setDropAction(_hoverOperation(pt));
    const QPoint p = widget()->mapFromGlobal(pt);
    auto found = std::find_if(_tracks.begin(), _tracks.end(),
                              [this, p](TrackWidget* track) { return _rowOf(track).contains(p); });
    TrackWidget* target = found == _tracks.end() ? nullptr : *found;
    if (!target)
        delete _trackDropFrame;
    else if (target != _dropTrack)
        _showTrackDropFrame(target);
    _dropTrack = target;
    trackWidget->setDropTarget(target);
    _updateAutoScroll(pt, trackWidget->height(), false);
}

bool EditScrollArea::moveTrackWidget(TrackWidget* dragged, TrackWidget* target)
{
    if (!target || target == dragged || !_tracks.contains(dragged) || !_tracks.contains(target))
        return false;
    const int h = dragged->height();
    const int draggedId = dragged->trackId();
    const int targetId = target->trackId();
    const int targetPosition = _tracks.indexOf(target);
    QList<QPair<TrackWidget*, QPoint>> moves;
    auto moveBy = [this, &moves](TrackWidget* track, int dy) {
        moves.append({track, settledPos(this, track) + QPoint(0, dy)});
    };
    _tracks.removeOne(dragged);
    if (target->segmentWidgetCount() == 0) {
        _tracks.insert(_tracks.size() - 1, dragged);
        moveBy(dragged, -h);
        for (TrackWidget* track : qAsConst(_tracks)) {
            if (track != target && track != dragged && track->trackId() >= draggedId)
                moveBy(track, -h);
        }
    } else if (targetId <= draggedId) {
        _tracks.insert(targetPosition, dragged);
        for (TrackWidget* track : qAsConst(_tracks)) {
            if (track->trackId() >= targetId && track->trackId() < draggedId)
                moveBy(track, h);
        }
    } else {
        _tracks.insert(targetPosition - 1, dragged);
        for (TrackWidget* track : qAsConst(_tracks)) {
            if (track->trackId() >= draggedId && track->trackId() < targetId)
                moveBy(track, -h);
        }
    }
    _animateTracksTo(moves, false);
    for (int position = 0; position < _tracks.size(); ++position)
        _tracks[position]->setTrackId(position + 1);
    _assignBackgrounds(0);
    return true;
}
