// The tile's mouse handling: long-press dragging, transition bands dragged
// along the tile in editing, and the double click that toggles editing.
#include "SegmentWidget.h"

#include "Segment.h"
#include "TimelineMetrics.h"
#include "Util.h"
#include "WidgetAnimations.h"

#include <QDebug>
#include <QMouseEvent>
#include <QParallelAnimationGroup>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kDragOverlayMs = 150;
constexpr int kDragOverlayAlpha = 77;
constexpr int kFlyHomeMs = 200;
// Seconds kept free between two transitions while one is dragged.
constexpr float kTransitionGapSeconds = 0.04f;

} // namespace

void SegmentWidget::mousePressEvent(QMouseEvent* event)
{
    qDebug() << "SegmentWidget::mousePressEvent";
    if (event->button() == Qt::LeftButton)
        emit segmentWidgetMousePressed(this, event->globalPos());
    else if (event->button() == Qt::RightButton)
        emit segmentWidgetRightMousePressed(this, event->globalPos());
    if (!_highlighted || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (_editing) {
        if (!_pressTransitionBand(event))
            QWidget::mousePressEvent(event);
        return;
    }
    if (_locked) {
        QWidget::mousePressEvent(event);
        return;
    }
    _pressed = true;
    _pressPosition = event->globalPos();
    if (_dragging) {
        _dragging = false;
        emit segmentWidgetDraggingStateChanged(this, false);
    }
    _lift.forget();
    _pressTimer->start();
}

int SegmentWidget::_transitionAt(int x) const
{
    const int count = _segment ? _segment->transitionCount() : 0;
    for (int position = 0; position < count; ++position) {
        const int id = _segment->isValidTransitionIndex(position);
        const float start = transitionStartPixels(id);
        if (start <= x && x < start + transitionWidthPixels(id))
            return id;
    }
    return 0;
}

bool SegmentWidget::_pressTransitionBand(QMouseEvent* event)
{
    const int id = _transitionAt(event->globalPos().x() - mapToGlobal(QPoint(0, 0)).x());
    if (id == 0)
        return false;
    _transitionId = id;
    _draggedTransitionId = id;
    emit segmentWidgetTransitionIdChanged(this, id, false);
    _pressPosition = event->globalPos();
    _transitionStartAtPress = transitionStartPixels(id);
    _transitionDragCounter = 1;
    emit segmentWidgetDraggingTransitionChanged(this, 1);
    return true;
}

void SegmentWidget::onDraggingPressTimeout()
{
    if (!_pressed || _editing || _dragging)
        return;
    _dragging = true;
    emit segmentWidgetDraggingStateChanged(this, true);
    const QRgb yellow = qRgb(255, 255, 0);
    if (animationsEnabled()) {
        _animateAlpha(&_dragOverlayColor, yellow, 0, kDragOverlayAlpha, kDragOverlayMs, &_dragOverlayAnimation);
    } else {
        _dragOverlayColor = qRgba(255, 255, 0, kDragOverlayAlpha);
        update();
    }
}

void SegmentWidget::mouseMoveEvent(QMouseEvent* event)
{
    qDebug() << "SegmentWidget::mouseMoveEvent";
    if (_dragging) {
        QWidget* mainWindow = Util::mainWindow();
        if (mainWindow && parentWidget() != mainWindow)
            _lift.lift(this, mainWindow);
        if (_lift.isLifted())
            move(_lift.followingPosition(event->globalPos(), _pressPosition));
        emit segmentWidgetDraggingMoving(this, event->globalPos());
        return;
    }
    if (_transitionDragCounter >= 1) {
        _moveDraggedTransition(event->globalPos());
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void SegmentWidget::_moveDraggedTransition(const QPoint& globalPos)
{
    const int id = _draggedTransitionId;
    const double pixelsPerSecond = _pixelsPerSegmentSecond(width());
    if (pixelsPerSecond == 0.0)
        return;
    const float bandWidth = transitionWidthPixels(id);
    const float gap = TimelineMetrics::pixelsPerSecond() * _scale * kTransitionGapSeconds;
    float x = globalPos.x() + _transitionStartAtPress - _pressPosition.x();
    float lower = 0.0f;
    if (id - 1 > 0)
        lower = transitionStartPixels(id - 1) + transitionWidthPixels(id - 1) + gap;
    x = std::max(lower, x);
    float upper = width();
    const int next = _segment->nextStateIndex(id);
    if (next > 0)
        upper = transitionStartPixels(next) - gap;
    if (upper < x + bandWidth)
        x = upper - bandWidth;
    _segment->setTransitionStart(id, float(x / pixelsPerSecond));
    update();
    ++_transitionDragCounter;
    emit segmentWidgetDraggingTransitionChanged(this, _transitionDragCounter);
}

void SegmentWidget::mouseReleaseEvent(QMouseEvent* event)
{
    qDebug() << "SegmentWidget::mouseReleaseEvent";
    _pressed = false;
    if (!_dragging) {
        if (_transitionDragCounter >= 1) {
            _transitionDragCounter = 0;
            _draggedTransitionId = 0;
            emit segmentWidgetDraggingTransitionChanged(this, 0);
        } else {
            QWidget::mouseReleaseEvent(event);
        }
        return;
    }
    if (!_lift.isLifted() || parentWidget() != Util::mainWindow()) {
        endDragging();
        return;
    }
    releaseMouse();
    if (_dropKind == 0 && animationsEnabled()) {
        _dropHome();
        return;
    }
    _lift.returnHome(this);
    endDragging();
}

void SegmentWidget::_dropHome()
{
    const QPoint home = _lift.liftedRect().translated(-_dragScrollOffset).topLeft();
    connect(animateInParallel(this, kFlyHomeMs, {{this, "pos", home}}), &QAbstractAnimation::finished, this,
            [this]() {
                _lift.returnHome(this);
                if (_dragging)
                    endDragging();
            });
}

void SegmentWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    qDebug() << "SegmentWidget::mouseDoubleClickEvent";
    _doubleClick(event);
}

void SegmentWidget::toggleEditing()
{
    _doubleClick(nullptr);
}

void SegmentWidget::_doubleClick(QMouseEvent* event)
{
    if (_dragging) {
        if (event)
            QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (_segment && _segment->errorCode() != 0) {
        // A failed segment cannot be edited: a left double click reports it
        // (even on a locked tile), a call without an event does nothing.
        if (event && event->button() == Qt::LeftButton) {
            emit segmentWidgetDoubleClickedOnFailedSegment(this, event->globalPos());
            event->accept();
            return;
        }
        if (!event)
            return;
    }
    if (_locked || (event && event->button() != Qt::LeftButton)) {
        if (event)
            QWidget::mouseDoubleClickEvent(event);
        return;
    }
    setEditing(!_editing, true);
    if (event)
        event->accept();
}
