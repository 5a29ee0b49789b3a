// Timeline scrolling beyond the play position: the edit area's scroll and
// pinch notifications, the zoom controls, the auto-scroll loops of drags
// near an edge and the pointers of a selected range.
#include "MainWindow.h"

#include "AVEngine.h"
#include "CommonPopupHelpTipWidget.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "RulerScrollArea.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "TipManager.h"
#include "TrackWidget.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {

constexpr float kMinimumScale = 0.2f;
constexpr float kMaximumScale = 4.0f;
// The zoom slider holds the scale in tenths; a button press moves it by two.
constexpr float kSliderUnitsPerScale = 10.0f;
constexpr float kZoomButtonStep = 2.0f;
constexpr int kAutoScrollStepMs = 50;
// A segment drag scrolls half a second of timeline per step.
constexpr float kSegmentDragStepSeconds = 0.5f;
constexpr float kTrackDragStepPixels = 10.0f;
constexpr float kRangeSpeedIncrement = 0.05f;

// Moves the bar by delta within [0, maximum]; the change actually made.
int scrollBarBy(QScrollBar* bar, float delta, int maximum)
{
    const int before = bar->value();
    const float target = std::clamp(float(before) + delta, 0.0f, float(std::max(0, maximum)));
    bar->setValue(int(target));
    return bar->value() - before;
}

} // namespace

// ---- Scrolling and seeking --------------------------------------------------

void MainWindow::_seekToScrollPosition(bool exact)
{
    _scrollLayoutNow(_currentScrollTime(), exact);
}

void MainWindow::_scrollLayoutNow(float time, bool exact)
{
    _seekPreview(time, exact);
    QCoreApplication::processEvents();
}

void MainWindow::_ensureWidgetVisibleInTimeline()
{
    if (!_timeline || !_pointer || !_pointer->parentWidget())
        return;
    const int parentWidth = _pointer->parentWidget()->width();
    if (_pointer->centerX() < float(parentWidth))
        return;
    const float time = _currentScrollTime();
    const float x = float(parentWidth - _pointer->width());
    _pointerOffset = x - float(TimelineMetrics::leftMargin()) - float(_timeline->x());
    _pointer->moveToX(float(TimelineMetrics::leftMargin()) + _pointerOffset, false);
    _scrollToTime(time, false);
}

void MainWindow::_placeSelectionStartPointer(float time)
{
    if (_selectionPointer && _timeline)
        _selectionPointer->moveToX(TimelineMetrics::timeToContentX(time, _timelineScale) - _timeline->contentOffsetX(),
                                   false);
}

void MainWindow::_placeSelectionEndPointer(float time)
{
    if (_pointer && _timeline)
        _pointer->moveToX(TimelineMetrics::timeToContentX(time, _timelineScale) - _timeline->contentOffsetX(), false);
}

void MainWindow::editScrollArea_didScroll(QPoint offset)
{
    if (_ruler)
        _ruler->setScrollX(float(offset.x()));
    if (_gutterArea)
        _gutterArea->setScrollY(float(offset.y()));
    if (_timeline && _timeline->isRangeSelectionMode() && !_draggingRangeHandle) {
        // The range's markers stay on their times while the content moves.
        _placeSelectionEndPointer(_timeline->selectionEnd());
        _placeSelectionStartPointer(_timeline->selectionStart());
    } else if (!_playing && !_scrollAnimating) {
        _seekPreview(_currentScrollTime(), false);
    }
    if (TipManager::hasInstance())
        TipManager::instance()->closeCurrentTip();
}

// ---- Auto-scroll ------------------------------------------------------------

void MainWindow::_autoScrollWhileDraggingSegment()
{
    if (!_timeline || !(_autoScrollSegmentLeft || _autoScrollSegmentRight))
        return;
    const bool left = _autoScrollSegmentLeft;
    const float step = TimelineMetrics::timeToPixels(kSegmentDragStepSeconds, _timelineScale);
    const int maximum = _timeline->contentSize().width() - _timeline->viewport()->width();
    const int moved = scrollBarBy(_timeline->horizontalScrollBar(), left ? -step : step, maximum);
    if (_dropTrack) {
        _dropX += float(moved);
        float time = TimelineMetrics::contentXToTime(_dropX, _timelineScale);
        if (left)
            time = std::max(0.0f, time);
        const TrackWidget::SnapFunction snap = [this](float t, Segment* segment, TrackWidget* track) {
            return _timeline->snapTime(t, segment, track);
        };
        _dropTrack->showDropIndicator(nullptr, &time, _draggedMediaDuration, snap);
        _dropTime = time;
    }
    _runForProject(kAutoScrollStepMs, [this] { _autoScrollWhileDraggingSegment(); });
}

void MainWindow::_autoScrollWhileDraggingTrack()
{
    if (!_timeline || !(_autoScrollTrackUp || _autoScrollTrackDown))
        return;
    const int maximum = _timeline->contentSize().height() - _timeline->viewport()->height();
    scrollBarBy(_timeline->verticalScrollBar(), _autoScrollTrackUp ? -kTrackDragStepPixels : kTrackDragStepPixels,
                maximum);
    _runForProject(kAutoScrollStepMs, [this] { _autoScrollWhileDraggingTrack(); });
}

void MainWindow::_autoScrollWhileSelectingRange()
{
    if (!_timeline || !(_autoScrollRangeLeft || _autoScrollRangeRight))
        return;
    const float step = float(TimelineMetrics::pixelsPerSecond()) * _rangeAutoScrollSpeed;
    const int maximum = _timeline->contentSize().width() - _timeline->viewport()->width();
    scrollBarBy(_timeline->horizontalScrollBar(), _autoScrollRangeLeft ? -step : step, maximum);
    if (_timeline->isRangeSelectionMode()) {
        // The dragged end follows the scroll time; the other pointer keeps its time.
        if (_draggingRangeStart) {
            _timeline->setSelectionStart(_currentScrollTime());
            _timeline->setSelectionSpan();
            _placeSelectionEndPointer(_timeline->selectionEnd());
        } else {
            _timeline->setSelectionEnd(_currentScrollTime());
            _timeline->setSelectionSpan();
            _placeSelectionStartPointer(_timeline->selectionStart());
        }
    }
    _rangeAutoScrollSpeed = std::min(_rangeAutoScrollSpeed + kRangeSpeedIncrement, _timelineScale);
    _runForProject(kAutoScrollStepMs, [this] { _autoScrollWhileSelectingRange(); });
}

// ---- Zoom ---------------------------------------------------------------------

void MainWindow::_applyTimelineScale(float scale)
{
    const float time = _currentScrollTime();
    _timelineScale = std::clamp(scale, kMinimumScale, kMaximumScale);
    _projectManager->setTimeScale(_timelineScale);
    if (!_timeline)
        return;
    const float duration = _projectManager->duration();
    if (_ruler)
        _ruler->setScale(_timelineScale, duration);
    _timeline->relayoutTracks(_timelineScale, duration);
    if (_timeline->isRangeSelectionMode()) {
        _timeline->setSelectionSpan();
        _placeSelectionEndPointer(_timeline->selectionEnd());
        _placeSelectionStartPointer(_timeline->selectionStart());
    }
    _keepPlayHeadAt(time);
    if (!_playing && !_scrollAnimating)
        _seekPreview(_currentScrollTime(), false);
}

void MainWindow::_keepPlayHeadAt(float time)
{
    QScrollBar* bar = _timeline->horizontalScrollBar();
    const float x = TimelineMetrics::timeToPixels(time, _timelineScale);
    // The range's markers stand on their own times; the play pointer is one of them.
    if (_timeline->isRangeSelectionMode() || !_pointer) {
        bar->setValue(int(std::lround(x - _pointerOffset)));
        return;
    }
    // The content scrolls by whole pixels and the pointer takes the fraction
    // left, so the time stays exactly. The fraction is taken below the whole
    // pixel the pointer is drawn on (it rounds up), so that the pointer
    // stays on it however many zooms follow, at the view's edges too. Only
    // where the content cannot scroll that far does the pointer go to the
    // time instead, within the view.
    const int wanted = int(std::ceil(x - std::ceil(_pointerOffset)));
    const int offset = std::clamp(wanted, 0, bar->maximum());
    _pointerOffset = x - float(offset);
    if (offset != wanted)
        _pointerOffset = std::clamp(_pointerOffset, 0.0f, _visibleTimelineWidth());
    _pointer->moveToX(float(TimelineMetrics::leftMargin()) + _pointerOffset, false);
    bar->setValue(offset);
}

void MainWindow::_placePlayHeadAt(float time)
{
    if (_timeline && !_timeline->isBusy() && !_timeline->isScrolling() && !_draggingRangeHandle)
        _keepPlayHeadAt(time);
}

void MainWindow::onZoomIn()
{
    // Single precision on purpose: 0.7 x 10 + 2 must come out as 9, not 8.
    if (_timelineScale < kMaximumScale && _zoomSlider)
        _zoomSlider->setValue(int(_timelineScale * kSliderUnitsPerScale + kZoomButtonStep));
}

void MainWindow::onZoomOut()
{
    if (_timelineScale > kMinimumScale && _zoomSlider)
        _zoomSlider->setValue(int(_timelineScale * kSliderUnitsPerScale - kZoomButtonStep));
}

void MainWindow::onZoomSliderValueChanged(int value)
{
    const float scale = float(value) / kSliderUnitsPerScale;
    if (scale == _timelineScale)
        return;
    if (_engine)
        _engine->pause();
    _applyTimelineScale(scale);
}

void MainWindow::editScrollArea_scaleBegan()
{
    if (_engine)
        _engine->pause();
    _hideMediaPreview();
}

void MainWindow::editScrollArea_scaleChanged(float scale)
{
    if (!_playing)
        _applyTimelineScale(scale * _timelineScale);
    if (!_zoomSlider)
        return;
    // The slider only shows the pinched scale: answering its change would
    // round the scale down to the slider's tenths.
    const QSignalBlocker blocker(_zoomSlider);
    _zoomSlider->setValue(int(_timelineScale * kSliderUnitsPerScale));
}

void MainWindow::editScrollArea_scaleEnd()
{
    if (!_playing)
        _seekToScrollPosition(true);
}

void MainWindow::editScrollArea_willEndDragging()
{
    editScrollArea_scaleEnd();
}
