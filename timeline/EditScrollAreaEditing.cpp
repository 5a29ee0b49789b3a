// The tile in editing: its trim bars, trimming its start and end, and the
// bars of the transition it edits.
#include "EditScrollArea.h"

#include "Segment.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "UiMetrics.h"
#include "WidgetAnimations.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QParallelAnimationGroup>

#include <cmath>

namespace {

constexpr int kFadeMs = 200;
// Room the tallest bars need above the first track.
constexpr int kFirstTrackOffset = 50;
// Hit areas reach this far beyond a segment bar, outward and upward.
constexpr int kBarReach = 40;
// Pixels kept between the two transition bars.
constexpr int kTransitionBarGap = 4;
// Seconds kept between neighbouring transitions.
constexpr float kTransitionGapSeconds = 0.04f;

// Set while a tile leaves editing because another one enters it.
bool gFinishingImmediately = false;
// Whether the current drag of a transition inside the tile has moved it.
bool gTransitionDragged = false;

// The picture scaled to a width of logical pixels at the ratio; its logical
// size is rounded (halves up).
QPixmap barPicture(const QString& path, int width, qreal ratio)
{
    QPixmap picture = QPixmap(path).scaledToWidth(int(std::lround(width * ratio)), Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QSize logicalSize(const QPixmap& picture)
{
    const qreal ratio = picture.devicePixelRatio();
    return QSize(int(std::floor(picture.width() / ratio + 0.5)), int(std::floor(picture.height() / ratio + 0.5)));
}

void dropNow(QPointer<QLabel>* bar)
{
    if (*bar) {
        (*bar)->hide();
        delete bar->data();
    }
    *bar = nullptr;
}

} // namespace

// ---- Editing state ----------------------------------------------------------

void EditScrollArea::onSegmentWidgetEditingStateChanged(SegmentWidget* segmentWidget, bool editing)
{
    if (editing)
        _enterEditing(segmentWidget);
    else
        _leaveEditing(segmentWidget);
}

bool EditScrollArea::_isOnFirstTrack(const SegmentWidget* segmentWidget) const
{
    return segmentWidget && !_tracks.isEmpty() && segmentWidget->parentWidget() == _tracks.first();
}

void EditScrollArea::_enterEditing(SegmentWidget* segmentWidget)
{
    const bool onFirstTrack = _isOnFirstTrack(segmentWidget);
    bool previousOnFirstTrack = false;
    SegmentWidget* previous = _editingSegmentWidget;
    if (previous && previous != segmentWidget) {
        previousOnFirstTrack = _isOnFirstTrack(previous);
        gFinishingImmediately = true;
        // Between two tiles of the first track the tracks stay down.
        _keepTracksShifted = previousOnFirstTrack && onFirstTrack;
        previous->setEditing(false, true);
        _keepTracksShifted = false;
        gFinishingImmediately = false;
    }
    emit editScrollAreaDidEnterEditingSegment(segmentWidget->segment());
    if (onFirstTrack && !previousOnFirstTrack)
        _shiftTracksBy(kFirstTrackOffset);
    // The bars follow the tile's track to where it comes to rest (the
    // leaving steps may be moving the tracks up).
    _showTrimBars(segmentWidget, _remainingTravel(segmentWidget));
    _editingSegmentWidget = segmentWidget;
    _editingObject = segmentWidget;
    _editingOnFirstTrack = onFirstTrack;
    if (!_rangeSelectionMode)
        setSelectedSegmentWidget(segmentWidget);
    segmentWidget->raise();
}

void EditScrollArea::_leaveEditing(SegmentWidget* segmentWidget)
{
    if (gFinishingImmediately)
        emit editScrollAreaDidFinishEditingSegmentImmediately(segmentWidget->segment());
    else
        emit editScrollAreaDidFinishEditingSegment(segmentWidget->segment());
    gFinishingImmediately = false;
    if (segmentWidget != _editingSegmentWidget)
        return;
    if (_isOnFirstTrack(segmentWidget) && !_keepTracksShifted)
        _shiftTracksBy(-kFirstTrackOffset);
    hideTrimBars();
    if (_editingSegmentWidget->transitionId() > 0)
        _editingSegmentWidget->setTransitionId(0, false);
    _editingSegmentWidget = nullptr;
    _editingObject = nullptr;
}

void EditScrollArea::_dropEditingRemains()
{
    // A tile deleted while edited (a range delete) leaves no bars behind and
    // the tracks where they are without it.
    hideTrimBars();
    _dropTransitionBars();
    if (_editingOnFirstTrack)
        _shiftTracksBy(-kFirstTrackOffset);
}

void EditScrollArea::_shiftTracksBy(int dy)
{
    QList<QPair<TrackWidget*, QPoint>> targets;
    for (TrackWidget* track : qAsConst(_tracks))
        targets.append({track, settledPos(this, track) + QPoint(0, dy)});
    _animateTracksTo(targets, false);
}

int EditScrollArea::_remainingTravel(const SegmentWidget* segmentWidget) const
{
    const auto* track = qobject_cast<const TrackWidget*>(segmentWidget->parentWidget());
    return track ? settledPos(this, track).y() - track->y() : 0;
}

// ---- Trim bars --------------------------------------------------------------

QRect EditScrollArea::_inContent(const QWidget* child, const QRect& rect) const
{
    return rect.translated(widget()->mapFromGlobal(child->mapToGlobal(QPoint(0, 0))));
}

QLabel* EditScrollArea::_newBar(const QPixmap& picture, const QRect& geometry)
{
    auto* bar = new QLabel(widget());
    bar->setPixmap(picture);
    bar->setScaledContents(true);
    bar->setGeometry(geometry);
    bar->setStyleSheet("background-color: transparent;");
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bar;
}

void EditScrollArea::_fadeInBars(QLabel* first, QLabel* second, int dy)
{
    const QPoint shift(0, dy);
    if (!animationsEnabled()) {
        first->move(first->pos() + shift);
        second->move(second->pos() + shift);
        first->show();
        second->show();
        return;
    }
    QGraphicsOpacityEffect* firstEffect = newOpacityEffect(first, 0.0);
    QGraphicsOpacityEffect* secondEffect = newOpacityEffect(second, 0.0);
    first->show();
    second->show();
    QParallelAnimationGroup* group = animateInParallel(
        first, kFadeMs,
        {{firstEffect, "opacity", 1.0}, {secondEffect, "opacity", 1.0}, {first, "pos", first->pos() + shift},
         {second, "pos", second->pos() + shift}});
    // The second bar may go first; its effect goes with it.
    QPointer<QGraphicsOpacityEffect> guardedSecond = secondEffect;
    connect(group, &QAbstractAnimation::finished, firstEffect, [firstEffect, guardedSecond]() {
        firstEffect->setEnabled(false);
        if (guardedSecond)
            guardedSecond->setEnabled(false);
    });
}

void EditScrollArea::_showTrimBars(SegmentWidget* segmentWidget, int dy)
{
    hideTrimBars();
    const QPixmap picture = barPicture(":/images/trim_bar", UiMetrics::metric26(), devicePixelRatioF());
    const QSize size = logicalSize(picture);
    const QRect r = _inContent(segmentWidget, segmentWidget->rect());
    const int top = r.y() + r.height() - size.height();
    _leftTrimBar = _newBar(picture, QRect(QPoint(r.x() - size.width() / 2, top), size));
    _rightTrimBar = _newBar(picture, QRect(QPoint(r.x() + r.width() - size.width() / 2, top), size));
    _fadeInBars(_leftTrimBar, _rightTrimBar, dy);
}

void EditScrollArea::hideTrimBars()
{
    if (!_leftTrimBar && !_rightTrimBar)
        return;
    QPointer<QLabel> left = _leftTrimBar;
    QPointer<QLabel> right = _rightTrimBar;
    _leftTrimBar = nullptr;
    _rightTrimBar = nullptr;
    auto* leftEffect = left ? qobject_cast<QGraphicsOpacityEffect*>(left->graphicsEffect()) : nullptr;
    auto* rightEffect = right ? qobject_cast<QGraphicsOpacityEffect*>(right->graphicsEffect()) : nullptr;
    if (!animationsEnabled() || !leftEffect || !rightEffect) {
        dropNow(&left);
        dropNow(&right);
        return;
    }
    for (QGraphicsOpacityEffect* effect : {leftEffect, rightEffect}) {
        effect->setEnabled(true);
        effect->setOpacity(1.0);
    }
    QParallelAnimationGroup* group =
        animateInParallel(this, kFadeMs, {{leftEffect, "opacity", 0.0}, {rightEffect, "opacity", 0.0}});
    connect(group, &QAbstractAnimation::finished, this, [left, right]() mutable {
        dropNow(&left);
        dropNow(&right);
    });
}

void EditScrollArea::refreshTrimBars()
{
    if (_editingSegmentWidget)
        _showTrimBars(_editingSegmentWidget, 0);
}

void EditScrollArea::_centreBarAt(QLabel* bar, float centreX)
{
    bar->move(int(centreX - bar->width() / 2), bar->y());
}

void EditScrollArea::updateTrimBarPositions()
{
    if (!_editingSegmentWidget || !_leftTrimBar || !_rightTrimBar)
        return;
    const Segment* segment = _editingSegmentWidget->segment();
    _centreBarAt(_leftTrimBar, _xOfTime(segment->rangeStart()));
    _centreBarAt(_rightTrimBar, _xOfTime(segment->rangeStart() + segment->duration()));
}

// ---- Transition bars --------------------------------------------------------

void EditScrollArea::onSegmentWidgetTransitionIdChanged(SegmentWidget* segmentWidget, int transitionId,
                                                        bool beginOrEnd)
{
    if (transitionId < 1) {
        emit editScrollAreaDidFinishEditingTransition(segmentWidget->segment());
        _dropTransitionBars();
        return;
    }
    emit editScrollAreaDidEnterEditingTransition(segmentWidget->segment(), transitionId, beginOrEnd);
    _showTransitionBars(segmentWidget, transitionId);
}

void EditScrollArea::_dropTransitionBars()
{
    dropNow(&_transitionBeginBar);
    dropNow(&_transitionEndBar);
}

void EditScrollArea::_showTransitionBars(SegmentWidget* segmentWidget, int tId)
{
    _dropTransitionBars();
    const int width = UiMetrics::metric34();
    const QPixmap begin(":/images/transition_left_trim_bar");
    const QPixmap end(":/images/transition_right_trim_bar");
    const int beginHeight = begin.isNull() ? 0 : begin.height() * width / begin.width();
    const int endHeight = end.isNull() ? 0 : end.height() * width / end.width();
    const QRect r = _inContent(segmentWidget, segmentWidget->transitionRect(tId));
    _transitionBeginBar = _newBar(begin, QRect(r.x() - width / 2, r.y() - beginHeight, width, beginHeight));
    _transitionEndBar = _newBar(end, QRect(r.x() + r.width() - width / 2, r.y() + r.height(), width, endHeight));
    _fadeInBars(_transitionBeginBar, _transitionEndBar, 0);
}

void EditScrollArea::_updateTransitionTrimBarPositions()
{
    if ((!_transitionBeginBar && !_transitionEndBar) || !_editingSegmentWidget)
        return;
    const QRect r = _inContent(_editingSegmentWidget,
                               _editingSegmentWidget->transitionRect(_editingSegmentWidget->transitionId()));
    if (_transitionBeginBar)
        _centreBarAt(_transitionBeginBar, r.x());
    if (_transitionEndBar)
        _centreBarAt(_transitionEndBar, r.x() + r.width());
}

void EditScrollArea::onSegmentWidgetDraggingTransitionChanged(SegmentWidget* segmentWidget, int draggingTransition)
{
    _mouseCaptured = draggingTransition > 0;
    const int tId = segmentWidget->transitionId();
    if (draggingTransition >= 1) {
        if (QScroller::scroller(viewport())->state() != QScroller::Inactive)
            stopScrolling();
        _updateTransitionTrimBarPositions();
        gTransitionDragged = draggingTransition > 1;
        if (draggingTransition == 1)
            emit editScrollAreaBeginMoveTransition(tId, false);
        return;
    }
    if (draggingTransition == 0 && _editingSegmentWidget) {
        if (gTransitionDragged)
            emit editScrollAreaReloadPreviewForTransition(tId, false);
        emit editScrollAreaEndMoveTransition(tId, false, gTransitionDragged);
    } else if (draggingTransition < 0) {
        _updateTransitionTrimBarPositions();
    }
    gTransitionDragged = false;
}

// ---- Trimming ---------------------------------------------------------------

float EditScrollArea::_timeOfX(float x) const
{
    // Trimming never reaches before the timeline's start.
    return std::max(0.0f, TimelineMetrics::contentXToTime(x, _scale));
}

float EditScrollArea::_xOfTime(float time) const
{
    return TimelineMetrics::timeToContentX(time, _scale);
}

EditScrollArea::Bar EditScrollArea::_barAt(const QPoint& globalPos) const
{
    const QPoint p = widget()->mapFromGlobal(globalPos);
    if (_leftTrimBar && _leftTrimBar->geometry().adjusted(-kBarReach, -kBarReach, 0, 0).contains(p))
        return Bar::Left;
    if (_rightTrimBar && _rightTrimBar->geometry().adjusted(0, -kBarReach, kBarReach, 0).contains(p))
        return Bar::Right;
    if (_transitionEndBar && _transitionEndBar->geometry().contains(p))
        return Bar::TransitionEnd;
    if (_transitionBeginBar && _transitionBeginBar->geometry().contains(p))
        return Bar::TransitionBegin;
    return Bar::None;
}

QLabel* EditScrollArea::_barLabel(Bar bar) const
{
    switch (bar) {
    case Bar::Left:
        return _leftTrimBar;
    case Bar::Right:
        return _rightTrimBar;
    case Bar::TransitionBegin:
        return _transitionBeginBar;
    case Bar::TransitionEnd:
        return _transitionEndBar;
    case Bar::None:
        break;
    }
    return nullptr;
}

void EditScrollArea::_beginTrim(Bar bar, const QPoint& globalPos)
{
    QLabel* label = _barLabel(bar);
    _mouseCaptured = true;
    stopScrolling();
    _trimming = bar;
    _pressPosition = globalPos;
    _barPositionAtPress = QPoint(label->x() + label->width() / 2, label->y());
    if (bar == Bar::Left || bar == Bar::Right) {
        emit editScrollAreaBeginTrimSegment(_editingSegmentWidget ? _editingSegmentWidget->segment() : nullptr);
        return;
    }
    _transitionMoved = false;
    const int tId = _editingSegmentWidget ? _editingSegmentWidget->transitionId() : 0;
    emit editScrollAreaBeginTrimTransition(tId, bar == Bar::TransitionBegin);
}

void EditScrollArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const Bar bar = _barAt(event->globalPos());
        if (bar != Bar::None) {
            _beginTrim(bar, event->globalPos());
            event->accept();
            return;
        }
    }
    if (!isEditingSegment() && !_rangeSelectionMode)
        _clearSelection();
    QScrollArea::mousePressEvent(event);
}

void EditScrollArea::mouseMoveEvent(QMouseEvent* event)
{
    if (_trimming == Bar::None) {
        QScrollArea::mouseMoveEvent(event);
        return;
    }
    // The tile or its bar may have gone during the drag: nothing to follow.
    if (!_editingSegmentWidget || !_barLabel(_trimming))
        return;
    const float x = _barPositionAtPress.x() + (event->globalPos().x() - _pressPosition.x());
    switch (_trimming) {
    case Bar::Left:
        _moveLeftBar(x);
        break;
    case Bar::Right:
        _moveRightBar(x);
        break;
    case Bar::TransitionBegin:
        _moveTransitionBeginBar(x);
        break;
    case Bar::TransitionEnd:
        _moveTransitionEndBar(x);
        break;
    case Bar::None:
        break;
    }
}

void EditScrollArea::_placeBar(QLabel* bar, float centreX)
{
    bar->move(int(centreX - bar->width() / 2), _barPositionAtPress.y());
    _editingSegmentWidget->setScale(_scale, false);
}

void EditScrollArea::_moveLeftBar(float x)
{
    if (_rightTrimBar && x + _leftTrimBar->width() / 2 > _rightTrimBar->x())
        x = _rightTrimBar->x() - _leftTrimBar->width() / 2;
    Segment* segment = _editingSegmentWidget->segment();
    const float durationBefore = segment->duration();
    float time = _timeOfX(x);
    bool overwrite = false;
    emit editScrollAreaGetSegmentOverwriteMode(overwrite);
    // Only overwrite mode snaps the start: in insert mode the later
    // segments follow it anyway.
    if (overwrite) {
        time = snapTime(time, segment, nullptr);
        x = _xOfTime(time);
    }
    if (!segment->setStartTime(time)) {
        time = segment->rangeStart();
        x = _xOfTime(time);
    }
    _placeBar(_leftTrimBar, x);
    emit editScrollAreaSeekToTime(time);
    if (_rightTrimBar && segment->duration() > durationBefore)
        _centreBarAt(_rightTrimBar, _xOfTime(segment->rangeStart() + segment->duration()));
}

void EditScrollArea::_moveRightBar(float x)
{
    const int half = _rightTrimBar->width() / 2;
    if (_leftTrimBar && x - half < _leftTrimBar->x() + _leftTrimBar->width())
        x = _leftTrimBar->x() + _leftTrimBar->width() + half;
    Segment* segment = _editingSegmentWidget->segment();
    float time = snapTime(_timeOfX(x), segment, nullptr);
    x = _xOfTime(time);
    if (!segment->setEndTime(time)) {
        time = segment->rangeStart() + segment->duration();
        x = _xOfTime(time);
    }
    _placeBar(_rightTrimBar, x);
    emit editScrollAreaSeekToTime(time);
}

void EditScrollArea::_moveTransitionBeginBar(float x)
{
    if (_transitionEndBar) {
        const float most = _transitionEndBar->x() + _transitionEndBar->width() / 2 - kTransitionBarGap;
        x = std::min(x, most);
    }
    Segment* segment = _editingSegmentWidget->segment();
    const int tId = _editingSegmentWidget->transitionId();
    const float start = segment->rangeStart();
    float limit = start;
    if (tId - 1 > 0)
        limit = start + segment->transitionStart(tId - 1) + segment->transitionDuration(tId - 1) + kTransitionGapSeconds;
    float time = _timeOfX(x);
    if (time < limit) {
        time = limit;
        x = _xOfTime(time);
    }
    const float end = start + segment->transitionStart(tId) + segment->transitionDuration(tId);
    segment->setTransitionStart(tId, time - start);
    segment->setTransitionDuration(tId, end - time);
    _placeBar(_transitionBeginBar, x);
    emit editScrollAreaDidTransitionRangeChange(tId);
    emit editScrollAreaSeekToTime(time);
    _transitionMoved = true;
}

void EditScrollArea::_moveTransitionEndBar(float x)
{
    if (_transitionBeginBar) {
        const float least = _transitionBeginBar->x() + _transitionBeginBar->width() / 2 + kTransitionBarGap;
        x = std::max(x, least);
    }
    Segment* segment = _editingSegmentWidget->segment();
    const int tId = _editingSegmentWidget->transitionId();
    const float start = segment->rangeStart();
    const int next = segment->nextStateIndex(tId);
    const float limit =
        (next > 0 ? start + segment->transitionStart(next) : start + segment->duration()) - kTransitionGapSeconds;
    float time = _timeOfX(x);
    if (time > limit) {
        time = limit;
        x = _xOfTime(time);
    }
    segment->setTransitionDuration(tId, time - (start + segment->transitionStart(tId)));
    _placeBar(_transitionEndBar, x);
    emit editScrollAreaDidTransitionRangeChange(tId);
    emit editScrollAreaSeekToTime(time);
    _transitionMoved = true;
}

void EditScrollArea::mouseReleaseEvent(QMouseEvent* event)
{
    _mouseCaptured = false;
    if (_trimming == Bar::None) {
        QScrollArea::mouseReleaseEvent(event);
        return;
    }
    const Bar bar = _trimming;
    _trimming = Bar::None;
    if (!_editingSegmentWidget)
        return;
    if (bar == Bar::Left || bar == Bar::Right) {
        emit editScrollAreaReloadPreviewForSegment(_editingSegmentWidget->segment(), bar == Bar::Left);
        return;
    }
    const int tId = _editingSegmentWidget->transitionId();
    const bool begin = bar == Bar::TransitionBegin;
    if (_transitionMoved) {
        emit editScrollAreaReloadPreviewForTransition(tId, begin);
    } else {
        emit editScrollAreaSeekToTransition(tId, begin);
        emit editScrollAreaTappedOnTransitionBar(tId, begin);
    }
    emit editScrollAreaEndTrimTransition(tId, begin, _transitionMoved);
}
