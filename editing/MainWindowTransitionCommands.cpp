// The transitions of the segment being edited: the commands of the
// inspector's transition section (duplicate, remove, state rotation and
// flips, crop, perspective), the selection of the edited transition,
// entering and leaving transition editing, and the easing curves with
// their popup. Every change is mirrored into the engine's animation groups,
// which carry the transition ids.
#include "MainWindow.h"

#include "AVEngine.h"
#include "EditScrollArea.h"
#include "PopupEasingFunctionsWidget.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ScrollableToolBar.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TransitionCommandIds.h"

#include <QPushButton>

namespace {

using namespace TransitionCommandIds;

// Entering transition editing lets the timeline show the transition bands first.
constexpr int kSelectFirstDelayMs = 200;
constexpr int kMessageMs = 2000;
constexpr int kTransitionRedrawMs = 200;

// The icon stems of the easing codes 1 to 16, in code order.
const char* const kEasingIconStems[] = {
    "easing_linear",
    "easing_in_default",  "easing_out_default",  "easing_in_out_default",
    "easing_in_circular", "easing_out_circular", "easing_in_out_circular",
    "easing_in_back",     "easing_out_back",     "easing_in_out_back",
    "easing_in_elastic",  "easing_out_elastic",  "easing_in_out_elastic",
    "easing_in_bounce",   "easing_out_bounce",   "easing_in_out_bounce",
};
constexpr int kEasingCount = int(sizeof(kEasingIconStems) / sizeof(kEasingIconStems[0]));

QString easingIconPath(int code)
{
    return QStringLiteral(":/images/easing/") + QLatin1String(kEasingIconStems[code - 1]);
}

} // namespace

// --- Commands ---------------------------------------------------------------------

void MainWindow::_doTransitionCommand(QWidget*, int cmdId)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    Segment* segment = widget ? widget->segment() : nullptr;
    if (!segment)
        return;
    switch (cmdId) {
    case kTransitionDuplicate:
        _duplicateEditedTransition(widget);
        break;
    case kTransitionRemove:
        _removeEditedTransition(widget);
        break;
    case kTransitionRotateClockwise:
    case kTransitionRotateCounterClockwise:
    case kTransitionFlipHorizontal:
    case kTransitionFlipVertical:
        _changeEditedTransitionState(segment, widget->transitionId(), cmdId);
        break;
    case kTransitionCrop:
        if (widget->transitionId() > 0)
            _beginCropEditing(segment);
        break;
    case kTransitionPerspective:
        _toggleSegmentPerspectiveWhileInTransition(segment);
        break;
    default:
        break;
    }
}

// A copy with no room for it changes nothing, so the undo step goes again.
void MainWindow::_duplicateCurrentTransition(int transitionId)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (widget && widget->segment() && widget->transitionId() == transitionId)
        _duplicateEditedTransition(widget);
}

void MainWindow::_removeCurrentTransition(int transitionId)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (widget && widget->segment() && widget->transitionId() == transitionId)
        _removeEditedTransition(widget);
}

void MainWindow::_duplicateEditedTransition(SegmentWidget* widget)
{
    Segment* segment = widget->segment();
    const int source = widget->transitionId();
    if (!segment->transitionAt(source))
        return;
    _recordOperation();
    const int copy = segment->adjustTransitionForCommand(source);
    _selectEditingTransition();
    widget->setScale(_timelineScale, true);
    widget->setTransitionId(copy, false);
    if (copy == 0) {
        _updateTransitionControls();
        ProgressHUD::showMessage(tr("No enough space for another transition"), this, kMessageMs);
        _projectManager->dropLastSnapshot();
        return;
    }
    _shiftEngineAnimationIds(segment, copy);
    _pushTransitionAnimation(segment, copy);
    _finishTransitionChange();
}

void MainWindow::_removeEditedTransition(SegmentWidget* widget)
{
    Segment* segment = widget->segment();
    const int removed = widget->transitionId();
    if (!segment->transitionAt(removed))
        return;
    _recordOperation();
    segment->removeTransition(removed);
    _selectEditingTransition();
    _removeEngineAnimation(segment, removed);
    widget->setScale(_timelineScale, true);
    widget->setTransitionId(0, false);
    _updateTransitionControls();
    _fadeWidget();
    _finishTransitionChange();
}

// The group of the removed transition goes and the ones above it move down
// by one, lowest first, so that each move lands on a free id.
void MainWindow::_removeEngineAnimation(Segment* segment, int removedId)
{
    if (!_engine)
        return;
    const int32_t engineIds[] = {segment->serialNumber(), segment->secondEngineId()};
    for (int32_t engineId : engineIds) {
        if (engineId == 0)
            continue;
        _engine->removeAnimation(engineId, removedId);
        for (int index = 0; index < segment->transitionCount(); ++index) {
            const int id = segment->isValidTransitionIndex(index);
            if (id >= removedId)
                _engine->changeAnimationId(engineId, id + 1, id);
        }
    }
}

// Rotations and flips of the state the preview shows; they need a selected
// transition and a shown side, and change nothing otherwise.
void MainWindow::_changeEditedTransitionState(Segment* segment, int transitionId, int cmdId)
{
    if (!segment->transitionAt(transitionId) || _editingTransitionState < 0)
        return;
    const bool begin = _editingTransitionState > 0;
    _recordOperation();
    int32_t propertyId = kRotation;
    float value = 0.0f;
    switch (cmdId) {
    case kTransitionRotateClockwise:
        segment->rotateTransitionStateClockwise(transitionId, begin);
        value = segment->transitionUserRotation(transitionId, begin);
        break;
    case kTransitionRotateCounterClockwise:
        segment->rotateTransitionStateCounterClockwise(transitionId, begin);
        value = segment->transitionUserRotation(transitionId, begin);
        break;
    case kTransitionFlipHorizontal:
        segment->setTransitionStateFlippedHorizontally(
            transitionId, begin, !segment->isTransitionStateFlippedHorizontally(transitionId, begin));
        propertyId = kRotationY;
        value = segment->transitionUserRotationY(transitionId, begin);
        break;
    default:
        segment->setTransitionStateFlippedVertically(
            transitionId, begin, !segment->isTransitionStateFlippedVertically(transitionId, begin));
        propertyId = kRotationX;
        value = segment->transitionUserRotationX(transitionId, begin);
        break;
    }
    if (_engine)
        _engine->setAnimationState(segment->serialNumber(), transitionId, begin, propertyId, value, 0.0f);
    _updateTransitionControls();
    _layoutTransformWidgetForEditingSegment(true);
    if (_engine)
        _engine->requestRedraw();
    _projectManager->setModified(true);
}

// Perspective belongs to the segment, not to a transition state; only the
// controls refreshed differ from the segment's own command.
void MainWindow::_toggleSegmentPerspectiveWhileInTransition(Segment* segment)
{
    _recordOperation();
    const bool on = !segment->perspective();
    segment->setPerspective(on);
    if (_engine)
        _engine->setSegmentProperty(segment->serialNumber(), kPerspectiveProperty, on ? 1.0f : 0.0f, 0.0f, 0.0f,
                                    0.0f);
    _updateTransitionControls();
    _layoutTransformWidgetForEditingSegment(true);
    if (_engine)
        _engine->requestRedraw();
    _projectManager->setModified(true);
    if (!on)
        _rememberedCornerIndex.insert(segment->uid(), 0);
}

void MainWindow::_finishTransitionChange()
{
    _requestRedrawLater(kTransitionRedrawMs);
    _projectManager->setModified(true);
}

// --- Selection and transition editing ---------------------------------------------

void MainWindow::_segmentEditingEnterEditTransition()
{
    if (_timeline)
        _timeline->hideTrimBars();
    _fadeWidget();
    // Left again before the timer fires, transition editing selects nothing.
    _runForProject(kSelectFirstDelayMs, [this] {
        if (_isEditingTransitions())
            _selectFirstTransitionIfNone();
    });
    emit transitionEditingStateChanged();
}

void MainWindow::_segmentEditingExitEditTransition()
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (widget) {
        widget->setTransitionId(0, false);
        _timeline->refreshTrimBars();
        if (widget->segment()->isStaticAt(_currentScrollTime()))
            _showTransformWidgetForSegment(widget->segment());
        else
            _fadeWidget();
    }
    emit transitionEditingStateChanged();
}

void MainWindow::_selectFirstTransitionIfNone()
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (widget && widget->transitionId() <= 0 && widget->segment()->transitionCount() > 0)
        _segmentEditingSelectTransition(widget->segment()->isValidTransitionIndex(0));
}

void MainWindow::_segmentEditingSelectTransition(int transitionId)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (!widget)
        return;
    widget->setTransitionId(transitionId, false);
    if (transitionId < 1) {
        _updateTransitionControls();
        _fadeWidget();
    }
}

// A position outside the list selects no transition.
void MainWindow::_segmentEditingSelectTransitionAtIndex(int position)
{
    Segment* segment = _timelineEditingSegment();
    if (segment)
        _segmentEditingSelectTransition(segment->isValidTransitionIndex(position));
}

int MainWindow::_segmentEditingSeekToTransition(int beginOrEnd)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (_engine)
        _engine->pause();
    const int transitionId = widget ? widget->transitionId() : 0;
    _seekToTransition(transitionId, beginOrEnd != 0);
    return transitionId;
}

// --- Easing -----------------------------------------------------------------------

QString MainWindow::_easingIconPath(const Segment* segment, int transitionId)
{
    if (transitionId <= 0)
        return easingIconPath(1);
    const int code = segment ? segment->transitionEasingFunction(transitionId) : 0;
    return code >= 1 && code <= kEasingCount ? easingIconPath(code) : QString();
}

// Only a selected transition has an easing to choose, so only then does a popup open.
void MainWindow::_popupEasingFunctions(QPushButton* button, int cmdId)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    Segment* segment = widget ? widget->segment() : nullptr;
    if (!button || !segment || !segment->transitionAt(widget->transitionId()))
        return;
    auto* popup = new PopupEasingFunctionsWidget(centralWidget());
    _highlightedToolBar = nullptr;
    _highlightedCommandId = cmdId;
    _transitionAnchor = button;
    _currentPopup = popup;
    popup->showWithEasing(centralWidget(), _popupAnchorPoint(),
                          segment->transitionEasingFunction(widget->transitionId()), false);
    connect(popup, &PopupEasingFunctionsWidget::easingFunctionSelected, this,
            &MainWindow::easingFunctionPopup_onEasingFunctionSelected);
    connect(popup, &PopupEasingFunctionsWidget::applyToAllTransitionsRequested, this,
            &MainWindow::easingFunctionPopup_onApplyToAllTransitionsRequested);
    connect(popup, &CommonPopup::dismissed, this, &MainWindow::popup_onDismissed);
}

void MainWindow::easingFunctionPopup_onEasingFunctionSelected(PopupEasingFunctionsWidget* popup, int easing)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    Segment* segment = widget ? widget->segment() : nullptr;
    const int transitionId = widget ? widget->transitionId() : 0;
    if (!segment || !segment->transitionAt(transitionId))
        return;
    _recordOperation();
    _projectManager->setModified(true);
    segment->setTransitionEasingFunction(transitionId, easing);
    _sendEasing(segment, transitionId);
    _updateTransitionControls();
    if (_engine)
        _engine->requestRedraw();
    if (popup)
        popup->dismiss();
}

// One undo step and one message, even for a segment without transitions.
void MainWindow::easingFunctionPopup_onApplyToAllTransitionsRequested(PopupEasingFunctionsWidget* popup, int easing)
{
    Segment* segment = _timelineEditingSegment();
    if (!segment)
        return;
    _recordOperation();
    _projectManager->setModified(true);
    for (int index = 0; index < segment->transitionCount(); ++index) {
        const int transitionId = segment->isValidTransitionIndex(index);
        segment->setTransitionEasingFunction(transitionId, easing);
        _sendEasing(segment, transitionId);
    }
    _updateTransitionControls();
    if (_engine)
        _engine->requestRedraw();
    ProgressHUD::showMessage(tr("Easing type applied to all transitions"), this, kMessageMs);
    if (popup)
        popup->dismiss();
}

// The code as the model keeps it, to both engine ids of the segment.
void MainWindow::_sendEasing(const Segment* segment, int transitionId)
{
    if (!_engine)
        return;
    const int code = segment->transitionEasingFunction(transitionId);
    for (int32_t engineId : {segment->serialNumber(), segment->secondEngineId()})
        if (engineId != 0)
            _engine->setAnimationEasing(engineId, transitionId, code);
}
