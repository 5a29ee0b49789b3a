// Undo and redo: recording the segment list before each command and
// rebuilding the timeline from a recorded state.
#include "MainWindow.h"

#include "AVEngine.h"
#include "AssetLoadingThreadPool.h"
#include "CommonPopup.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "RulerScrollArea.h"
#include "ScrollableToolBar.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TooltipButton.h"
#include "TrackWidget.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QDebug>
#include <QScopedValueRollback>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int kMessageMs = 2000;
constexpr int kRenderBusyRetryMs = 100;
// A loading task that has not ended by then keeps its segment alive.
constexpr int kRemovedSegmentWaitMs = 2000;
// Transition times survive the round trip through the snapshot text.
constexpr float kTransitionMatchTolerance = 0.01f;

} // namespace

// What the window was editing before a rebuild, looked up again afterwards
// by "UId": the widgets and tracks are all new objects then.
struct MainWindow::EditingMemory {
    QString uid;
    // Transition editing stays on across the rebuild, also with no transition chosen.
    bool transitionEditing = false;
    int transitionId = 0;
    float transitionStart = 0.0f;
    float transitionDuration = 0.0f;
    int transitionState = -1;
    // Where the editing controls were scrolled to.
    QHash<QString, QVariant> toolbarState;
    // The tool-bar command whose popup is open, 0 for none.
    int highlightedCommandId = 0;
    QPoint scrollPosition;
};

void MainWindow::_recordOperation()
{
    _settleLiveGeometry();
    // The snapshot holds the last split's pieces where its delayed step puts them.
    _applyPendingTimingStep();
    if (_projectManager->recordSnapshot(_projectManager->projectName(), _projectManager->projectFolder()) != 0)
        ProgressHUD::showMessage(tr("Failed to record operation"), this, kMessageMs);
}

void MainWindow::_recordEditBegin()
{
    _recordOperation();
    _editBeginRecorded = true;
}

// An end without its begin must not drop the step of the command before it.
void MainWindow::_dropEditBeginSnapshot()
{
    if (std::exchange(_editBeginRecorded, false))
        _projectManager->dropLastSnapshot();
}

void MainWindow::editScrollArea_beginTrimSegment(Segment*)
{
    _recordEditBegin();
}

void MainWindow::editScrollArea_beginMoveTransition(int, bool)
{
    _recordEditBegin();
}

void MainWindow::editScrollArea_beginTrimTransition(int, bool)
{
    _recordEditBegin();
}

void MainWindow::editScrollArea_endMoveTransition(int, bool, bool moved)
{
    if (moved)
        _projectManager->setModified(true);
    else
        _dropEditBeginSnapshot();
}

void MainWindow::editScrollArea_endTrimTransition(int, bool, bool trimmed)
{
    if (!trimmed)
        _dropEditBeginSnapshot();
}

// A loading task still running would call back into a deleted segment.
void MainWindow::_deleteRemovedSegment(Segment* segment)
{
    if (AssetLoadingThreadPool::instance()->cancelOrWaitForSegment(segment, kRemovedSegmentWaitMs))
        delete segment;
    else
        qWarning() << "A loading task still runs; removed segment" << segment->serialNumber() << "is kept alive";
}

void MainWindow::_tellHistoryUnavailable(bool undo)
{
    ProgressHUD::showMessage(undo ? tr("Unable to undo temporarily") : tr("Unable to redo temporarily"), this,
                             kMessageMs);
}

void MainWindow::applyHistory(bool undo)
{
    // A released project's commands are off; a step asked for all the same
    // has no history to go through.
    if (!_projectManager)
        return;
    // An export holds the renderer until it ends: a step waiting for it
    // would come long after, unasked.
    if (_exporter) {
        _tellHistoryUnavailable(undo);
        return;
    }
    _settleLiveGeometry();
    _applyPendingTimingStep();
    if (_engine && !_engine->isRenderIdle()) {
        _runForProject(kRenderBusyRetryMs, [this, undo] { applyHistory(undo); });
        return;
    }
    ProjectManager::HistoryStep step = undo ? _projectManager->undo() : _projectManager->redo();
    if (!step.records) {
        // The shown state could not be written: leaving it would lose it.
        if (step.recordResult != 0)
            ProgressHUD::showMessage(tr("Failed to record operation"), this, kMessageMs);
        else if (step.unreadable)
            ProgressHUD::showMessage(undo ? tr("The operation to undo could not be read")
                                          : tr("The operation to redo could not be read"),
                                     this, kMessageMs);
        else
            ProgressHUD::showMessage(undo ? tr("No operation to undo") : tr("No operation to redo"), this, kMessageMs);
        QApplication::beep();
        return;
    }
    if (step.overUnrecordedEdits)
        ProgressHUD::showMessage(tr("Edits that could not be recorded were undone too"), this, kMessageMs);
    // The switch goes back as it was found: whoever turned animations off keeps them off.
    const bool animated = animationsEnabled();
    setAnimationsEnabled(false);
    const QScopedValueRollback<bool> applying(_applyingHistory, true);
    const EditingMemory memory = _rememberEditing();
    _rebuildFromRecords(std::move(*step.records));
    _removeSegmentsWithoutTrack();
    _resortSegments();
    _relayoutAfterHistory();
    _addTrack();
    _restoreEditing(memory);
    _timeline->scrollToPosition(memory.scrollPosition, false);
    setAnimationsEnabled(animated);
    _projectManager->setModified(true);
    // The open popup belongs to tiles, tracks or buttons the rebuild replaced.
    _dismissCurrentPopup();
    if (_timeline->isRangeSelectionMode())
        _timeline->setSelectionSpan();
}

MainWindow::EditingMemory MainWindow::_rememberEditing()
{
    EditingMemory memory;
    memory.scrollPosition = _timeline->scrollPosition();
    // The button goes dark with the command and lights again with the edited segment.
    memory.highlightedCommandId = std::exchange(_highlightedCommandId, 0);
    _highlightCommandButton(memory.highlightedCommandId, false);
    SegmentWidget* editing = _timeline->editingSegmentWidget();
    if (!editing || !editing->segment())
        return memory;
    const Segment* segment = editing->segment();
    memory.uid = segment->uid();
    // Asked before the tile leaves editing, which closes the inspector's transition mode.
    memory.transitionEditing = _isEditingTransitions();
    memory.transitionId = editing->transitionId();
    if (memory.transitionId > 0) {
        memory.transitionStart = segment->transitionStart(memory.transitionId);
        memory.transitionDuration = segment->transitionDuration(memory.transitionId);
        memory.transitionState = _editingTransitionState;
    }
    _saveToolbarScrollPosition(memory.toolbarState);
    editing->setEditing(false, true);
    return memory;
}

// Segments whose "UId" the state still holds keep their object, media and
// engine segment; the others are made from their records and load anew.
// Stored track ids grow for as long as the program runs, so the table of
// new tracks is keyed by them rather than indexed.
void MainWindow::_rebuildFromRecords(SegmentRecords records)
{
    _timeline->clearTrackWidgets();
    _gutterArea->deleteTrackButtons();
    _projectManager->resetTrackIds();
    QHash<int, TrackWidget*> tracks;
    for (std::unique_ptr<SegmentAttributes>& record : records) {
        const QString uid = Segment::stringAttribute(record.get(), QStringLiteral("UId"));
        const int storedTrack = Segment::intAttribute(record.get(), QStringLiteral("TrackId"), 0);
        const QString type = Segment::stringAttribute(record.get(), QStringLiteral("Type"));
        const int index = uid.isEmpty() ? -1 : _projectManager->indexOfSegmentUId(uid);
        if (index < 0) {
            std::unique_ptr<Segment> created = _segmentFromRecord(std::move(record), this);
            if (!created)
                continue;
            Segment* segment = created.release();
            TrackWidget* track = _typedTrackFor(tracks, storedTrack, type);
            _projectManager->addSegmentSorted(segment, _placeOnTrack(segment, track, false));
            continue;
        }
        Segment* segment = _projectManager->segmentAt(index);
        segment->setAttributes(std::move(record));
        TrackWidget* track = _typedTrackFor(tracks, storedTrack, type);
        _projectManager->setSegmentWidgetAt(_placeOnTrack(segment, track, false), index);
        _syncSurvivingSegment(segment);
    }
}

// Records name their track by a stored id; each stored id becomes one new track.
TrackWidget* MainWindow::_typedTrackFor(QHash<int, TrackWidget*>& tracks, int storedTrack, const QString& type)
{
    TrackWidget* track = tracks.value(storedTrack);
    if (!track) {
        track = _addTypedTrack(type);
        tracks.insert(storedTrack, track);
    }
    return track;
}

SegmentWidget* MainWindow::_placeOnTrack(Segment* segment, TrackWidget* track, bool animated)
{
    SegmentWidget* widget = track->addSegmentWidget(segment);
    segment->setTrackId(track->trackId());
    widget->setScale(_timelineScale, animated);
    _timeline->connectSegmentWidget(widget);
    return widget;
}

void MainWindow::_syncSurvivingSegment(Segment* segment)
{
    if (!_engine)
        return;
    _pushSegmentTiming(segment);
    if (segment->type() == QLatin1String("TEXT"))
        _engine->setText(segment->serialNumber(), segment->text().toUtf8().constData());
    _pushSegmentProperties(segment);
}

// A segment the recorded state does not hold was given no track.
void MainWindow::_removeSegmentsWithoutTrack()
{
    for (int index = 0; index < _projectManager->segmentCount();) {
        Segment* segment = _projectManager->segmentAt(index);
        if (segment->trackId() >= 1) {
            ++index;
            continue;
        }
        _removeFromEngine(segment);
        _projectManager->removeSegmentAt(index);
        _deleteRemovedSegment(segment);
    }
}

// Surviving segments kept their places in the list while their tracks
// changed: sort the list again and tell the engine the drawing order.
void MainWindow::_resortSegments()
{
    std::vector<std::pair<Segment*, QWidget*>> pairs;
    for (int index = 0; index < _projectManager->segmentCount(); ++index)
        pairs.emplace_back(_projectManager->segmentAt(index), _projectManager->segmentWidgetAt(index));
    if (pairs.empty())
        return;
    _projectManager->clearSegments();
    _projectManager->addSegmentsSorted(pairs);
    _sendDrawingOrder();
}

void MainWindow::_relayoutAfterHistory()
{
    _projectManager->updateDuration();
    const float duration = _projectManager->duration();
    if (_ruler)
        _ruler->setScale(_timelineScale, duration);
    _timeline->relayoutTracks(_timelineScale, duration);
    if (!_engine)
        return;
    _engine->refreshDuration();
    _seekPreview(_currentScrollTime(), true);
    _engine->requestRedraw();
}

void MainWindow::_restoreEditing(const EditingMemory& memory)
{
    if (memory.uid.isEmpty())
        return;
    const int index = _projectManager->indexOfSegmentUId(memory.uid);
    auto* widget = index < 0 ? nullptr : qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetAt(index));
    if (!widget) {
        _dismissCurrentPopup();
        return;
    }
    widget->setEditing(true, true);
    _highlightedCommandId = memory.highlightedCommandId;
    _highlightCommandButton(_highlightedCommandId, true);
    if (memory.transitionEditing) {
        _updateTransitionToolbarState();
        _timeline->hideTrimBars();
        _fadeWidget();
    }
    _reselectTransition(widget, memory);
    _restoreToolbarScrollPosition(memory.toolbarState);
}

// The transition edited before is found again by its times: ids follow the list order.
void MainWindow::_reselectTransition(SegmentWidget* widget, const EditingMemory& memory)
{
    const Segment* segment = widget->segment();
    // Transition editing with no transition to edit again leaves nothing for a transition popup.
    if (memory.transitionEditing && (memory.transitionId < 1 || segment->transitionCount() == 0)) {
        _dismissCurrentPopup();
        return;
    }
    if (memory.transitionId < 1 || widget->transitionId() > 0)
        return;
    for (int id = 1; id <= segment->transitionCount(); ++id) {
        if (std::abs(segment->transitionStart(id) - memory.transitionStart) <= kTransitionMatchTolerance
            && std::abs(segment->transitionDuration(id) - memory.transitionDuration) <= kTransitionMatchTolerance) {
            widget->setTransitionId(id, memory.transitionState != 0);
            return;
        }
    }
}

void MainWindow::_dismissCurrentPopup()
{
    if (_currentPopup)
        _currentPopup->dismiss();
}

void MainWindow::_highlightCommandButton(int cmdId, bool on)
{
    TooltipButton* button = _highlightedToolBar && cmdId > 0 ? _highlightedToolBar->buttonForCommand(cmdId) : nullptr;
    if (button)
        button->setHighlighted(on);
}
