// The window's mouse: the transform overlay on the preview sees every event
// first; then the play pointer (and in range selection the second pointer)
// is dragged along the timeline, pinned at its edges while the content
// auto-scrolls; what is left goes to the drawing canvas when it is open.
#include "MainWindow.h"

#include "AVEngine.h"
#include "CanvasWidget.h"
#include "EditScrollArea.h"
#include "PointerWidget.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "TransformWidget.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace {

// A press held this long on the play pointer without moving starts a range selection.
constexpr int kHoldForRangeMs = 500;
constexpr int kEdgeAutoScrollDelayMs = 500;
// Less movement than this since the press still counts as holding still.
constexpr int kMoveThreshold = 4;

float margin()
{
    return float(TimelineMetrics::leftMargin());
}

} // namespace

// ---- Events the transform overlay takes first ---------------------------------

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::NativeGesture && _transformWidget)
        _transformWidget->handleNativeGesture(static_cast<QNativeGestureEvent*>(event));
    return CommonMainWindow::event(event);
}

void MainWindow::wheelEvent(QWheelEvent* event)
{
    if (_transformWidget && _transformWidget->handleScaleEvent(event)) {
        event->accept();
        return;
    }
    CommonMainWindow::wheelEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (_transformWidget && _transformWidget->handleContextMenu(event)) {
        event->accept();
        return;
    }
    CommonMainWindow::contextMenuEvent(event);
}

// ---- Press, move, release -----------------------------------------------------

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = mapFromGlobal(event->globalPos());
    if (_pressesPointer(_pointer, pos)) {
        _beginPointerDrag(pos);
        return;
    }
    if (_transformWidget && event->button() == Qt::LeftButton && _transformWidget->handleMousePress(event)) {
        if (_timeline)
            _timeline->stopScrolling();
        return;
    }
    if (_timeline && _timeline->isRangeSelectionMode() && _pressesPointer(_selectionPointer, pos)) {
        _beginSecondPointerDrag(pos);
        return;
    }
    if (!_forwardToCanvas(event))
        CommonMainWindow::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (_transformWidget && _transformWidget->handleMouseMove(event))
        return;
    const QPoint pos = mapFromGlobal(event->globalPos());
    if (_draggingPointer)
        _dragPointerTo(pos);
    else if (_draggingRangeHandle && _draggingRangeStart)
        _dragSecondPointerTo(pos);
    else if (!_forwardToCanvas(event))
        CommonMainWindow::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (_transformWidget && _transformWidget->handleMouseRelease())
        return;
    if (_draggingPointer || _draggingRangeHandle)
        _endPointerDrags();
    else if (!_forwardToCanvas(event))
        CommonMainWindow::mouseReleaseEvent(event);
}

bool MainWindow::_forwardToCanvas(QMouseEvent* event)
{
    if (!_canvas)
        return false;
    QMouseEvent mapped(event->type(), _canvas->mapFromGlobal(event->globalPos()), event->windowPos(),
                       event->screenPos(), event->button(), event->buttons(), event->modifiers());
    QCoreApplication::sendEvent(_canvas, &mapped);
    return true;
}

// ---- Grabbing a pointer -------------------------------------------------------

bool MainWindow::_pressesPointer(const PointerWidget* pointer, const QPoint& pos) const
{
    return pointer && pointer->isVisible() && pointer->pointerRect().contains(pointer->mapFrom(this, pos));
}

void MainWindow::_beginPointerDrag(const QPoint& pos)
{
    _draggingPointer = true;
    _pointerPressPosition = pos;
    _pointerStartX = int(_pointer->centerX());
    if (_engine)
        _engine->pause();
    if (_timeline && _timeline->isRangeSelectionMode()) {
        // The play pointer is the range's end.
        _draggingRangeHandle = true;
        _draggingRangeStart = false;
        _pointerOffset = _pointer->centerX() - margin();
        _seekToScrollPosition(false);
        return;
    }
    _pointerMoved = false;
    const int press = ++_pointerPressCount;
    _runForProject(kHoldForRangeMs, [this, press] { _enterRangeSelectionIfHeld(press); });
}

void MainWindow::_enterRangeSelectionIfHeld(int press)
{
    if (press != _pointerPressCount || !_draggingPointer || _pointerMoved || _isShowingHUD())
        return;
    _setRangeSelectionMode();
    // The drag goes on as the drag of the range's end.
    if (_timeline && _timeline->isRangeSelectionMode()) {
        _draggingRangeHandle = true;
        _draggingRangeStart = false;
    }
}

void MainWindow::_beginSecondPointerDrag(const QPoint& pos)
{
    _draggingRangeHandle = true;
    _draggingRangeStart = true;
    _pointerPressPosition = pos;
    _pointerStartX = int(_selectionPointer->centerX());
    if (_engine)
        _engine->pause();
}

// ---- Dragging -----------------------------------------------------------------

void MainWindow::_dragPointerTo(const QPoint& pos)
{
    if (!_timeline || !_pointer)
        return;
    const bool ranging = _timeline->isRangeSelectionMode();
    const float x = _pinnedPointerX(float(pos.x() - _pointerPressPosition.x() + _pointerStartX), ranging);
    _pointer->moveToX(x, false);
    _pointerOffset = x - margin();
    const QPoint moved = pos - _pointerPressPosition;
    if (std::abs(moved.x()) >= kMoveThreshold || std::abs(moved.y()) >= kMoveThreshold) {
        _pointerMoved = true;
        if (ranging) {
            _timeline->setSelectionEnd(_currentScrollTime());
            _timeline->setSelectionSpan();
        }
    }
    _queueSeekToPointer();
}

void MainWindow::_dragSecondPointerTo(const QPoint& pos)
{
    if (!_timeline || !_selectionPointer)
        return;
    const float x = _pinnedPointerX(float(pos.x() - _pointerPressPosition.x() + _pointerStartX), true);
    _selectionPointer->moveToX(x, false);
    _pointerOffset = x - margin();
    _timeline->setSelectionStart(_currentScrollTime());
    _timeline->setSelectionSpan();
    _queueSeekToPointer();
}

float MainWindow::_pinnedPointerX(float x, bool ranging)
{
    const float viewportWidth = float(_timeline->viewport()->width());
    if (x - margin() < 0.0f) {
        _arriveAtEdge(_autoScrollRangeLeft);
        x = ranging ? std::max(x, 0.0f) : margin();
    } else {
        _autoScrollRangeLeft = false;
    }
    if (x > viewportWidth - margin()) {
        _arriveAtEdge(_autoScrollRangeRight);
        if (!ranging)
            x = viewportWidth - margin();
    } else {
        _autoScrollRangeRight = false;
    }
    if (!ranging || _autoScrollRangeLeft || _autoScrollRangeRight)
        return x;
    const float pixelsPerSecond = TimelineMetrics::timeToPixels(1.0f, _timelineScale);
    const float scroll = _timeline->contentOffsetX();
    const float time = (scroll + x - margin()) / pixelsPerSecond;
    const float snapped = _timeline->snapTime(time, nullptr, nullptr);
    return snapped == time ? x : pixelsPerSecond * snapped - scroll + margin();
}

void MainWindow::_arriveAtEdge(bool& edgeFlag)
{
    if (edgeFlag)
        return;
    edgeFlag = true;
    _rangeAutoScrollSpeed = 1.0f;
    // Only the last arrival's delay starts the scrolling: leaving and coming
    // back within it must not run two scroll loops at once.
    const int arrival = ++_edgeArrivalCount;
    _runForProject(kEdgeAutoScrollDelayMs, [this, arrival] {
        if (arrival == _edgeArrivalCount)
            _autoScrollWhileSelectingRange();
    });
}

void MainWindow::_queueSeekToPointer()
{
    // After the move has been handled, so that a burst of moves stays smooth.
    const float time = _currentScrollTime();
    _runForProject(0, [this, time] { _scrollLayoutNow(time, false); });
}

// ---- Letting go ---------------------------------------------------------------

void MainWindow::_endPointerDrags()
{
    const bool secondPointer = !_draggingPointer && _draggingRangeStart;
    PointerWidget* pointer = secondPointer ? _selectionPointer.data() : _pointer;
    _draggingPointer = false;
    _draggingRangeHandle = false;
    _draggingRangeStart = false;
    _autoScrollRangeLeft = false;
    _autoScrollRangeRight = false;
    const bool ranging = _timeline && _timeline->isRangeSelectionMode();
    if (pointer && _bringPointerIntoViewport(pointer)) {
        _pointerOffset = pointer->centerX() - margin();
        if (ranging) {
            if (secondPointer)
                _timeline->setSelectionStart(_currentScrollTime());
            else
                _timeline->setSelectionEnd(_currentScrollTime());
            _timeline->setSelectionSpan();
        }
    }
    if (!secondPointer)
        _scrollLayoutNow(_currentScrollTime(), true);
}

QRect MainWindow::_pointerViewport() const
{
    // The pointers' parent holds the timeline somewhere below it.
    const QWidget* viewport = _timeline->viewport();
    const QPoint origin = viewport->mapTo(this, QPoint(0, 0)) - _pointer->parentWidget()->mapTo(this, QPoint(0, 0));
    return QRect(origin, viewport->size());
}

bool MainWindow::_bringPointerIntoViewport(PointerWidget* pointer)
{
    if (!_timeline)
        return false;
    const QRect viewport = _pointerViewport();
    const float x = pointer->centerX();
    float target = x;
    if (x - margin() - float(viewport.x()) < 0.0f)
        target = float(viewport.x()) + margin();
    else if (x > float(viewport.x()) - margin() + float(viewport.width()))
        target = float(viewport.x()) - margin() + float(viewport.width());
    if (target == x)
        return false;
    pointer->moveToX(target, false);
    return true;
}
