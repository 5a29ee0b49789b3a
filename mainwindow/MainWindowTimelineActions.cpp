// The timeline's menu and keyboard actions: each command refuses while
// something in front would be disturbed by it, then hands over to the
// operation doing the work. The actions' texts and enabled states follow
// the selection, the editing states and range selection.
#include "MainWindow.h"

#include "AVEngine.h"
#include "CommonPopup.h"
#include "CanvasWidget.h"
#include "CropWidget.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TextEditWidget.h"
#include "TipManager.h"
#include "TooltipButton.h"

#include <QAction>
#include <QGraphicsEffect>
#include <QTimer>

namespace {

constexpr int kMessageMs = 2000;
// The gutter fades out in 200 ms when editing begins; a fade that never ends must not hold the window.
constexpr int kGutterHiddenWaitMs = 2000;
constexpr int kTransitionDuplicateCommand = 10102;
constexpr int kTransitionDeleteCommand = 10103;

} // namespace

// --- Guards ----------------------------------------------------------------------

bool MainWindow::_isEditingOverlayOpen() const
{
    return _isTextEditing() || _isDrawingEditing() || _isCropEditing();
}

bool MainWindow::_isShowingModalHint() const
{
    const bool waiting = _waitingHUD && _waitingHUD->isVisible();
    const bool tip = TipManager::hasInstance() && TipManager::instance()->isShowingTip();
    return waiting || _currentPopup || tip;
}

SegmentWidget* MainWindow::_editedSegmentWidget() const
{
    if (!_timeline)
        return nullptr;
    SegmentWidget* editing = _timeline->editingSegmentWidget();
    return editing ? editing : _timeline->selectedSegmentWidget();
}

bool MainWindow::_hasEditableSegment() const
{
    return _editedSegmentWidget() && !(_timeline && _timeline->isRangeSelectionMode()) && !_isEditingOverlayOpen();
}

// --- Action states ---------------------------------------------------------------

void MainWindow::_updateAddTransitionActionState()
{
    _actionAddTransition->setEnabled(_hasEditableSegment());
}

void MainWindow::_updateSegmentActionsState()
{
    const bool enabled = _hasEditableSegment() && !_isEditingTransitions();
    for (QAction* action : {_actionDuplicateSegment, _actionRemoveSegment, _actionSplitSegment})
        action->setEnabled(enabled);
}

void MainWindow::_updateEditActionState()
{
    const bool editing = _timeline && _timeline->isEditingSegment();
    _actionEnterExitEditingSegment->setText(editing ? tr("Finish Editing") : tr("Edit"));
    _actionEnterExitEditingSegment->setEnabled(_hasEditableSegment());
}

// Both "Edit Transition" actions, the segment group's and the transition group's.
void MainWindow::_updateEditTransitionActionState()
{
    const QString text = _isEditingTransitions() ? tr("Finish Editing Transitions") : tr("Edit Transitions");
    for (QAction* action : {_actionEnterExitEditingSegmentTransition, _actionEnterExitEditingTransition}) {
        action->setText(text);
        action->setEnabled(_hasEditableSegment());
    }
}

void MainWindow::_updateRangeSelectionActionState()
{
    const bool rangeMode = _timeline && _timeline->isRangeSelectionMode();
    _actionEnterExitRangeSelect->setText(rangeMode ? tr("Cancel Range Selection") : tr("Enter Range Selection"));
    _actionEnterExitRangeSelect->setEnabled(!_isEditingOverlayOpen());
}

void MainWindow::_updateActionStates()
{
    _updateEditActionState();
    _updateSegmentActionsState();
    _updateAddTransitionActionState();
    _updateEditTransitionActionState();
    _updateRangeSelectionActionState();
    // The insert or overwrite mode stays as it is while an editor lies over the preview.
    _actionInsertOverwriteMode->setEnabled(!_isTextEditing() && !_isDrawingEditing() && !_isCropEditing());
}

void MainWindow::editScrollArea_onSelectedSegmentWidgetChanged(bool)
{
    _updateActionStates();
}

void MainWindow::onSegmentEditingStateChanged()
{
    const bool editing = _timeline && _timeline->isEditingSegment();
    for (QAction* action :
         {_actionAddFile, _actionAddFromCamera, _actionAddFromMicrophone, _actionAddText, _actionAddSelfDraw})
        action->setEnabled(!editing);
    _updateActionStates();
}

void MainWindow::onTransitionEditingStateChanged()
{
    _updateSegmentActionsState();
    SegmentWidget* editing = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    const bool transitionEdited = editing && editing->transitionId() > 0;
    _actionDuplicateTransition->setEnabled(transitionEdited);
    _actionDeleteTransition->setEnabled(transitionEdited);
    _updateEditTransitionActionState();
}

// --- Insert and overwrite mode -------------------------------------------------

void MainWindow::_toggleInsertOverwriteMode()
{
    const int mode = 1 - _projectManager->segmentMode();
    _projectManager->setSegmentMode(mode);
    _projectManager->setModified(true);
    _updateInsertModeButton();
    ProgressHUD::showMessage(mode == 1 ? tr("Overwrite Mode On") : tr("Insert Mode On"), this, kMessageMs);
}

void MainWindow::_updateInsertModeButton()
{
    if (!_segmentModeButton)
        return;
    const bool overwrite = _projectManager->segmentMode() == 1;
    if (auto* button = qobject_cast<TooltipButton*>(_segmentModeButton)) {
        const QString icon = overwrite ? QStringLiteral(":/images/segment_overwrite") : QStringLiteral(":/images/segment_insert");
        button->setNormalIcon(icon);
        button->setHighlightedIcon(icon + QStringLiteral("_hl"));
    }
    _segmentModeButton->setToolTip(overwrite ? tr("Toggle Insert/Overwrite Mode\nCurrent: Overwrite mode")
                                             : tr("Toggle Insert/Overwrite Mode\nCurrent: Insert mode"));
}

void MainWindow::onSegmentModeButtonClicked()
{
    _toggleInsertOverwriteMode();
}

void MainWindow::onActionInsertOverwriteMode()
{
    if (_isRelayingOut() || _isEditingOverlayOpen())
        return;
    _toggleInsertOverwriteMode();
}

// --- Undo and redo -----------------------------------------------------------------

void MainWindow::onActionUndoTriggered()
{
    if (_isRelayingOut())
        return;
    if (_textEditor || _cropWidget) {
        _tellHistoryUnavailable(true);
        return;
    }
    if (TipManager::hasInstance() && TipManager::instance()->isShowingTip())
        return;
    // While drawing, undo belongs to the canvas's own steps.
    if (CanvasWidget* canvas = _canvas) {
        canvas->undo();
        return;
    }
    if (_engine)
        _engine->pause();
    applyHistory(true);
}

void MainWindow::onActionRedoTriggered()
{
    if (_isRelayingOut())
        return;
    if (_textEditor || _cropWidget) {
        _tellHistoryUnavailable(false);
        return;
    }
    if ((TipManager::hasInstance() && TipManager::instance()->isShowingTip()) || _canvas)
        return;
    if (_engine)
        _engine->pause();
    applyHistory(false);
}

// --- Range selection ------------------------------------------------------------

void MainWindow::onActionEnterExitRangeSelect()
{
    if (_isRelayingOut() || _isEditingOverlayOpen() || _isShowingModalHint() || !_timeline)
        return;
    if (_timeline->isRangeSelectionMode())
        _exitRangeSelectionMode();
    else
        _setRangeSelectionMode();
}

// --- Editing -----------------------------------------------------------------------

void MainWindow::onActionEnterExitEditingSegmentTriggered()
{
    if (!_timeline)
        return;
    if (SegmentWidget* editing = _timeline->editingSegmentWidget()) {
        // The gutter is still fading out: editing has not settled yet.
        if (_gutterArea && _gutterArea->isHidden())
            editing->setEditing(false, true);
        return;
    }
    SegmentWidget* selected = _timeline->selectedSegmentWidget();
    const QGraphicsEffect* effect = _gutterArea ? _gutterArea->graphicsEffect() : nullptr;
    if (selected && !(effect && effect->isEnabled()))
        selected->setEditing(true, true);
}

void MainWindow::onActionEnterExitEditingTransitionTriggered()
{
    if (_isRelayingOut() || !_timeline)
        return;
    if (_isEditingTransitions()) {
        segmentInspectorWidget_onExitEditTransition();
        return;
    }
    if (!_timeline->isEditingSegment()) {
        SegmentWidget* selected = _timeline->selectedSegmentWidget();
        if (!selected)
            return;
        selected->setEditing(true, true);
        if (!_processEventsUntil([this] { return !_gutterArea || _gutterArea->isHidden(); }, kGutterHiddenWaitMs))
            return;
    }
    segmentInspectorWidget_onEnterEditTransition();
}

bool MainWindow::_refusesSegmentCommand() const
{
    return _isRelayingOut() || _isEditingTransitions() || !_editedSegmentWidget();
}

void MainWindow::onActionDuplicateSegmentTriggered()
{
    if (!_refusesSegmentCommand())
        editScrollArea_copySegment(_editedSegmentWidget()->segment());
}

void MainWindow::onActionRemoveSegmentTriggered()
{
    if (_refusesSegmentCommand())
        return;
    SegmentWidget* widget = _editedSegmentWidget();
    if (widget->isEditing())
        widget->setEditing(false, false);
    _deleteSegment(widget);
}

void MainWindow::onActionSplitSegmentTriggered()
{
    if (_refusesSegmentCommand())
        return;
    // The segment of the widget edited or selected now, even when the selection moves meanwhile.
    _splitSegmentSoon(_editedSegmentWidget()->segment()->uid());
}

bool MainWindow::_refusesTransitionCommand() const
{
    SegmentWidget* editing = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    return _isRelayingOut() || !editing || editing->transitionId() < 1 || !_isEditingTransitions();
}

void MainWindow::onActionDuplicateTransitionTriggered()
{
    if (!_refusesTransitionCommand())
        _doTransitionCommand(nullptr, kTransitionDuplicateCommand);
}

void MainWindow::onActionDeleteTransitionTriggered()
{
    if (!_refusesTransitionCommand())
        _doTransitionCommand(nullptr, kTransitionDeleteCommand);
}

// --- Playback and settings -------------------------------------------------------

void MainWindow::onActionPlayPauseTriggered()
{
    if (!_isShowingModalHint())
        _togglePlayback();
}

void MainWindow::onActionMovieSettingsTriggered()
{
    if (!_isRelayingOut() && !_isShowingModalHint())
        _showProjectSettings();
}
