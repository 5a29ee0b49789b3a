// Range selection: a time span marked across the tracks whose selection
// overlay is on, then deleted or opened up with blank time. The play pointer
// marks the span's end and a second pointer its start; a floating bar
// reports the command.
#include "MainWindow.h"

#include "AVEngine.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "SegmentWidget.h"
#include "SelectionOperationWidget.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "UiMetrics.h"
#include "Util.h"
#include "WidgetAnimations.h"


#include <algorithm>
#include <cmath>

namespace {

constexpr int kFadeMs = 200;
constexpr int kSeekDelayMs = 250;
// Pointer styles: the play pointer turns yellow, the start pointer yellow dashed.
constexpr int kNormalPointerStyle = 0;
constexpr int kRangeEndPointerStyle = 2;
constexpr int kRangeStartPointerStyle = 3;

} // namespace

// ---- Entering and leaving -----------------------------------------------------

void MainWindow::_setRangeSelectionMode()
{
    // A text, drawing or crop overlay owns the preview and the selection until it closes.
    if (!_timeline || _timeline->isRangeSelectionMode() || _isEditingOverlayOpen())
        return;
    _hideGutterForRange();
    _enterRangePointers();
    _timeline->setSelectedSegmentWidget(nullptr);
    _timeline->setRangeSelectionMode(true);
    const float time = _currentScrollTime();
    _timeline->setSelectionStart(time);
    _timeline->setSelectionEnd(time);
    _timeline->setSelectionSpan();
    _timeline->setSegmentFlagInverted(false);
    _snapSelectionStart();
    // Adding media while a span is marked would shift what the span covers.
    _rangeDisabledWidget = _mediaArea;
    if (_rangeDisabledWidget)
        _rangeDisabledWidget->setEnabled(false);
    _showSelectionOperationWidget();
    _updateActionStates();
}

void MainWindow::_exitRangeSelectionMode()
{
    if (!_timeline || !_timeline->isRangeSelectionMode())
        return;
    _showGutterAfterRange();
    if (_pointer) {
        _pointer->setStyle(kNormalPointerStyle);
        _pointer->moveToX(float(TimelineMetrics::leftMargin()) + _pointerOffset, true);
    }
    delete _selectionPointer;
    _timeline->setRangeSelectionMode(false);
    _timeline->setSelectionStart(0.0f);
    _timeline->setSelectionEnd(0.0f);
    _timeline->removeTrackOverlays();
    _timeline->setSegmentFlagInverted(true);
    if (_rangeDisabledWidget)
        _rangeDisabledWidget->setEnabled(true);
    _rangeDisabledWidget = nullptr;
    delete _selectionOperationWidget;
    _updateActionStates();
}

void MainWindow::selectionOperationWidget_onCommandClicked(SelectionOperationWidget*, int cmdId)
{
    switch (cmdId) {
    case SelectionOperationWidget::CancelSelection:
        _exitRangeSelectionMode();
        break;
    case SelectionOperationWidget::InsertBlank:
        insertBlankInSelectedRange();
        break;
    case SelectionOperationWidget::DeleteRange:
        deleteSelectedRange();
        break;
    default:
        break;
    }
}

void MainWindow::_hideGutterForRange()
{
    if (!_gutterArea)
        return;
    const bool editing = _timeline->isEditingSegment();
    if (editing)
        _timeline->editingSegmentWidget()->setEditing(false, true);
    if (editing || !animationsEnabled())
        _gutterArea->hide();
    else
        Util::fadeOutWidget(_gutterArea, kFadeMs, false);
}

void MainWindow::_showGutterAfterRange()
{
    if (!_gutterArea)
        return;
    if (animationsEnabled()) {
        Util::fadeInWidget(_gutterArea, kFadeMs, 1.0);
        return;
    }
    // A fade-out still running would hide the gutter again once it ends.
    _gutterArea->setGraphicsEffect(nullptr);
    _gutterArea->show();
}

void MainWindow::_enterRangePointers()
{
    if (!_pointer)
        return;
    _pointer->setStyle(kRangeEndPointerStyle);
    if (!_selectionPointer) {
        _selectionPointer = new PointerWidget(kRangeStartPointerStyle, UiMetrics::metric20() + UiMetrics::metric21(),
                                              _pointer->parentWidget());
        _selectionPointer->setStyleSheet(QStringLiteral("background-color: transparent;"));
        _selectionPointer->setFixedWidth(UiMetrics::metric52());
        _selectionPointer->moveToX(float(TimelineMetrics::leftMargin()) + _pointerOffset, false);
        _selectionPointer->show();
        _pointer->raise();
        _layoutTimelineOverlays();
    }
}

void MainWindow::_snapSelectionStart()
{
    const float time = _timeline->selectionStart();
    const float snapped = _timeline->snapTime(time, nullptr, nullptr);
    if (snapped == time)
        return;
    _placeSelectionStartPointer(snapped);
    _timeline->setSelectionStart(snapped);
    _timeline->setSelectionSpan();
}

void MainWindow::_showSelectionOperationWidget()
{
    if (_selectionOperationWidget || !centralWidget())
        return;
    _selectionOperationWidget = new SelectionOperationWidget(centralWidget());
    _selectionOperationWidget->updatePosition(centralWidget());
    if (animationsEnabled())
        Util::fadeInWidget(_selectionOperationWidget, kFadeMs, 1.0);
    else
        _selectionOperationWidget->show();
    _selectionOperationWidget->raise();
    connect(_selectionOperationWidget, &SelectionOperationWidget::selectionOperationWidgetCommandClicked, this,
            &MainWindow::selectionOperationWidget_onCommandClicked);
}

// ---- The span's commands -----------------------------------------------------

bool MainWindow::_runOnSelectedTracks(const std::function<void(TrackWidget*, float, float)>& step)
{
    if (!_timeline || !_timeline->isRangeSelectionMode())
        return false;
    QList<TrackWidget*> tracks;
    for (int index = 0; index < _timeline->trackWidgetCount(); ++index) {
        TrackWidget* track = _timeline->trackWidgetAt(index);
        if (track->isSelectionOn())
            tracks.append(track);
    }
    if (tracks.isEmpty()) {
        _exitRangeSelectionMode();
        return false;
    }
    // Either end may be the later one: the span is the same both ways.
    const float start = std::min(_timeline->selectionStart(), _timeline->selectionEnd());
    const float length = std::abs(_timeline->selectionEnd() - _timeline->selectionStart());
    _recordOperation();
    for (TrackWidget* track : tracks)
        step(track, start, length);
    return true;
}

void MainWindow::deleteSelectedRange()
{
    QList<TrackWidget*> emptied;
    const bool ran = _runOnSelectedTracks([this, &emptied](TrackWidget* track, float start, float length) {
        const bool hadSegments = track->segmentWidgetCount() > 0;
        _placeSegmentOnTrack(start, length, track, nullptr);
        if (_projectManager->segmentMode() == 0)
            _shiftSegmentsAfter(-length, start, track->trackId(), true);
        if (hadSegments && track->segmentWidgetCount() == 0 && track != _newestTrack)
            emptied.append(track);
    });
    if (!ran)
        return;
    _removeEmptiedTracks(emptied);
    _finishRangeOperation();
}

void MainWindow::insertBlankInSelectedRange()
{
    const bool ran = _runOnSelectedTracks([this](TrackWidget* track, float start, float length) {
        _openGapOnTrack(start, length, track->trackId(), true);
    });
    if (ran)
        _finishRangeOperation();
}

void MainWindow::_removeEmptiedTracks(const QList<TrackWidget*>& tracks)
{
    if (tracks.isEmpty())
        return;
    QList<int> ids;
    for (const TrackWidget* track : tracks)
        ids.append(track->trackId());
    if (_gutterArea)
        _gutterArea->removeTrackButtons(ids);
    _timeline->removeTrackWidgets(tracks);
}

void MainWindow::_finishRangeOperation()
{
    _exitRangeSelectionMode();
    _updateProjectDuration();
    if (_engine)
        _engine->refreshDuration();
    _runForProject(kSeekDelayMs, [this] { _scrollLayoutNow(_currentScrollTime(), true); });
    _projectManager->setModified(true);
}
